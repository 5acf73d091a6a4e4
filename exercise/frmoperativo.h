#pragma once

#include "core/esercizio.h"
#include "forms/accessibilita.h"
#include "forms/form.h"

#include <array>

class Frame;
class ImageBox;
class PushKey;
class QLabel;
class Shape;

// The exercise window: the given set on the left, the second set on the right, the keypad
// that builds it, the help question and the intervention that take the keypad's place, and
// the score. The exercise itself is an Esercizio; this window turns the pupil's keys and
// mouse presses into its steps and shows what they leave. The exercise outlasts the window:
// the program keeps one for its whole run and lends it to each load of the window.
class frmOperativo : public Form
{
    Q_OBJECT

public:
    static constexpr int NumeroPosti = Esercizio::NumeroPosti;
    static constexpr int NumeroTasti = Esercizio::NumeroTasti;

    explicit frmOperativo(Esercizio& esercizio);

    // The steps a key, a frame or the window's loading takes; each shows what it leaves.
    void Avvia();
    void NuovoEsercizio();
    void Aggiungi();
    void Togli();
    void Verifica();
    void SiSi();
    void NoNo();
    // Key 0 to 4 of the keypad, as if pressed.
    void EseguiTasto(int indice);
    void Esci();
    // The exercise's kind has been chosen while this window is open.
    void CambiaTipo();
    // Shown from `opener` after a kind was chosen there: the exercise of that kind, and the
    // instruction line telling the situation the second set starts from.
    void ApriDa(Form* opener);

    const Esercizio& esercizio() const { return esercizio_; }

protected:
    void onLoad() override;
    void onUnload() override;
    void changeEvent(QEvent* event) override;

private:
    QLabel* Label1;
    QLabel* Label2;
    Frame* FraSfondoS;
    Frame* FraSfondoD;
    std::array<Shape*, 2> Shape1{};                     // 1 in FraSfondoS, 0 in FraSfondoD
    std::array<ImageBox*, NumeroPosti + 1> Image1{};   // places 1 to 15 of the given set
    std::array<ImageBox*, NumeroPosti + 1> Image2{};   // places 1 to 15 of the second set
    Annuncio* LblEsito;
    Frame* frmElaborazione;
    std::array<QLabel*, 5> Label5{};
    QLabel* LblOperazione;
    QLabel* lblRisEsatte;
    QLabel* lblRisErrate;
    QLabel* LblTempoParziale;
    QLabel* LblTempoTotale;
    Frame* fraTastierino;
    std::array<PushKey*, NumeroTasti> Option1{};
    Frame* fraAiuto;
    Annuncio* LblAiuto;
    std::array<PushKey*, 2> Option3{};
    Frame* fraIntervento;
    Annuncio* lblIntervento;
    PushKey* optOK;

    // A held key or mouse button acts once: each latch holds from the press that set it to
    // its release.
    bool TastoInCorso = false;
    bool SpazioInCorso = false;
    bool ClicInCorso = false;
    bool TastoAiutoInCorso = false;
    bool SpazioAiutoInCorso = false;

    void costruisciInsiemi();
    void costruisciPunteggio();
    void costruisciTastierino();
    void costruisciAiuto();
    void costruisciIntervento();

    // Runs one step of the exercise and shows what it leaves.
    void passo(void (Esercizio::*p)());
    void mostra();
    void mostraPosti(const Esercizio::Quadro& q);
    // Each says whether what it showed is new: a frame in front, an outcome.
    bool mostraTasti(const Esercizio::Quadro& q);
    bool mostraPunteggio(const Esercizio::Quadro& q);
    void daiFuoco(Esercizio::Fuoco fuoco);
    void DisabilitaRiquadri();
    void scriviIstruzione();
    Frame* riquadro(Esercizio::Riquadro r) const;
    void rilasciaTasti();

    void tastierinoKeyDown(int indice, int& codice);
    void tastierinoKeyPress(int indice, int& carattere);
    void tastierinoMouseDown(int indice);
    void aiutoKeyDown(int indice, int& codice);
    void aiutoKeyPress(int indice, int& carattere);

    Esercizio& esercizio_;
    // What the window shows now, to tell what a step made new.
    Esercizio::Riquadro davanti_ = Esercizio::Riquadro::Tastierino;
    QString esitoMostrato_;
};
