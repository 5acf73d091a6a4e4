#pragma once

#include "forms/form.h"
#include "worksheets/paginascheda.h"

#include <array>
#include <optional>

class Frame;
class PushKey;
class QAction;
class QLabel;

// What sets the worksheet windows apart in their common part: captions, places, fonts and
// the texts of their messages.
struct DisegnoScheda
{
    QString titolo;
    double altezzaInterna;         // design inner height, twips (the width is 11910)
    QString nomeMenuStampante;     // object name of the printer menu entry
    QString menuStampante;         // its caption
    QString label1;
    QRectF posLabel1;
    QString label2;
    QRectF posLabel2;
    QFont fontLabel2;
    QColor testoLabel2;
    QRectF posFrame3;
    QRectF posFrame4;
    QString didascaliaBottone;     // "VISUALIZZA %1° ..." for the four exercise buttons
    std::array<QRectF, 4> posBottoni;
    QRectF posStampa;
    QRectF posFine;
    QRectF posParte;
    QFont fontParte;
    std::optional<QColor> coloreParte; // none: the toolkit's own button colour
    QString completaLaScheda;          // the refusal while an exercise is missing
    QString tipo;                      // the kind in the names of saved files
    QString istruzione;                // the printed instruction
    bool secondi = false;              // the page shows the second sets
};

// A worksheet window: four exercises made up one by one, shown two at a time in two parts,
// printed on one page when all four exist. The windows differ in what an exercise is and how
// it is drawn; the rest is here.
class FinestraScheda : public Form
{
    Q_OBJECT

public:
    static constexpr int Esercizi = 4;

    // Makes up exercise k (1 to 4) anew and shows its part.
    void GeneraInsieme(int k);
    // Prints the worksheet, or says what is missing. While a page is on its way the window
    // answers as usual, but takes no second page until the first one's outcome is known.
    void Stampa();
    // Which exercises have been made up, 1 to 4 at 0 to 3.
    const std::array<bool, Esercizi>& insiemiGenerati() const { return InsiemeGenerato; }
    bool stampaInCorso() const { return stampaInCorso_; }
    // Shows the start window again and unloads this one.
    void ChiudiScheda();
    // Shows part 1 (exercises 1 and 2) or part 2.
    void mostraParte(int parte);
    int parteVisibile() const { return parte_; }
    // Exercise k (1 to 4) as the window holds it; blank until made up.
    const EsercizioPagina& esercizio(int k) const { return esercizi_[std::size_t(k - 1)]; }
    // The page of the exercises on screen: what "STAMPA" prints.
    PaginaScheda pagina() const;
    // A page of new exercises made up by this window's rules; the window stays as it is.
    PaginaScheda paginaNuova() const;
    // A class set of `schede` pages: the page on screen, then new ones, each with its footer.
    QList<PaginaScheda> schedeClasse(int schede) const;

    // "Stampa per la classe...": asks how many worksheets, then prints or saves them.
    void StampaClasse();
    // "Salva PDF...": the page on screen, alone, as a PDF file.
    void SalvaPdf();
    // Asks where to save and writes the pages there, while the window goes on answering; the
    // outcome is told when the file is written. False when nothing is being written: a file of
    // this window is being written still (it says so), or no file was chosen.
    bool salvaPagine(const QList<PaginaScheda>& pagine);
    bool salvataggioInCorso() const { return salvataggioInCorso_; }

signals:
    // The outcome of the page STAMPA sent is known; a page that did not print is told next.
    void stampaConclusa();
    // The file salvaPagine began is written, or its failure has been told.
    void salvataggioConcluso();

protected:
    explicit FinestraScheda(const DisegnoScheda& disegno);

    // Exercise k drawn anew by this window's rules.
    virtual EsercizioPagina estrai(int k) const = 0;
    // Shows exercise k, as the window holds it, in its places.
    virtual void mostra(int k) = 0;

    // The parts and the keys, which each window fills and puts in its tab order.
    Frame* Frame3; // the first part: exercises 1 and 2
    Frame* Frame4; // the second part: exercises 3 and 4
    std::array<PushKey*, Esercizi> CmdInsieme{};
    PushKey* Command1; // "STAMPA"
    PushKey* CmdFine;  // "ESCI"
    PushKey* Command2; // switches between the parts

private:
    QLabel* Label1;
    QLabel* Label2;
    QAction* menuStampante;
    QAction* mnuStampaClasse; // "Stampa per la classe..."
    QAction* mnuSalvaPdf;     // "Salva PDF..."
    std::array<bool, Esercizi> InsiemeGenerato{};

    void scambiaParte();
    // False, after saying what is missing, while an exercise has not been made up.
    bool completa();
    // Hands pages to the printer; no second document while one is on its way.
    void stampaPagine(const QList<PaginaScheda>& pagine);
    // The busy pointer while a page or a file is on its way.
    void indicaAttesa();

    QString completaLaScheda_;
    QString tipo_;
    QString istruzione_;
    bool secondi_;
    std::array<EsercizioPagina, Esercizi> esercizi_{};
    bool stampaInCorso_ = false;
    // The part in front. Both parts are shown until the first exercise is made up; the part
    // key then offers part 1, as it does while part 2 is in front.
    int parte_ = 2;
    bool salvataggioInCorso_ = false;
};

inline const Testo VisualizzaPrima{"FinestraScheda", QT_TRANSLATE_NOOP("FinestraScheda", "Visualizza la prima parte")};
inline const Testo VisualizzaSeconda{"FinestraScheda",
                                     QT_TRANSLATE_NOOP("FinestraScheda", "Visualizza la seconda parte")};
