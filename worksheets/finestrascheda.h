#pragma once

#include "platform/form.h"
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
};

// A worksheet window: four exercises made up one by one, shown two at a time in two parts,
// printed on one page when all four exist. The windows differ in what an exercise is and how
// it is drawn; the rest is here.
class FinestraScheda : public Form
{
    Q_OBJECT

public:
    static constexpr int Esercizi = 4;

    QLabel* Label1;
    QLabel* Label2;
    Frame* Frame3; // the first part: exercises 1 and 2
    Frame* Frame4; // the second part: exercises 3 and 4
    std::array<PushKey*, Esercizi> CmdInsieme{};
    PushKey* Command1; // "STAMPA"
    PushKey* CmdFine;  // "ESCI"
    PushKey* Command2; // switches between the parts
    QAction* menuStampante;
    std::array<bool, Esercizi> InsiemeGenerato{};

    // Makes up exercise k (1 to 4) anew and shows its part.
    void GeneraInsieme(int k);
    // Prints the worksheet, or says what is missing. While a page is on its way the window
    // answers as usual, but takes no second page until the first one's outcome is known.
    void Stampa();
    bool stampaInCorso() const { return stampaInCorso_; }
    // Shows the start window again and unloads this one.
    void ChiudiScheda();
    // Shows part 1 (exercises 1 and 2) or part 2.
    void mostraParte(int parte);
    int parteVisibile() const;
    // The page as the places show it now: what "STAMPA" prints.
    virtual PaginaScheda pagina() const = 0;

signals:
    // The outcome of the page STAMPA sent is known; a page that did not print is told next.
    void stampaConclusa();

protected:
    explicit FinestraScheda(const DisegnoScheda& disegno);

    // Draws exercise k into its places.
    virtual void disegna(int k) = 0;

private:
    void scambiaParte();

    QString completaLaScheda_;
    bool stampaInCorso_ = false;
};

inline const Testo VisualizzaPrima{"FinestraScheda", QT_TRANSLATE_NOOP("FinestraScheda", "Visualizza la prima parte")};
inline const Testo VisualizzaSeconda{"FinestraScheda",
                                     QT_TRANSLATE_NOOP("FinestraScheda", "Visualizza la seconda parte")};
