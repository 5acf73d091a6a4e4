#pragma once

#include "platform/testo.h"
#include "state/module1.h"

#include <QString>
#include <array>
#include <optional>

// The exercise as the exercise window runs it, without the window: drawing an exercise,
// building the second set, checking it, help and intervention, the counters and the timing.
// The shared variables of Module1 hold the exercise; an Esercizio adds what its window shows,
// which starts afresh at every load of the window (empty number fields, nothing in front but
// the keypad).
class Esercizio
{
public:
    static constexpr int NumeroPosti = 15;
    static constexpr int NumeroTasti = 5;
    static constexpr int PostiD = 10; // the second set never uses places 11 to 15
    static constexpr int MassimoTempo = 999;

    // The keypad keys, in the order of their digits 1 to 5.
    enum Tasto { TastoAggiungi, TastoTogli, TastoVerifica, TastoAvanti, TastoEsci };
    // The three frames that take turns on one spot.
    enum class Riquadro { Tastierino, Aiuto, Intervento };
    // Where a step wants the keyboard focus to go.
    enum class Fuoco { Invariato, Aggiungi, Avanti, Si, Ok };

    // The outcome as shown, in the pupil's language.
    static const Testo Esatto;
    static const Testo Errato;

    // What the window shows. Places and keys are indexed as on screen: places 1 to 15, keys 0 to 4.
    struct Quadro
    {
        std::array<bool, NumeroPosti + 1> postiS{};
        std::array<bool, NumeroPosti + 1> postiD{};
        Riquadro davanti = Riquadro::Tastierino;
        std::array<bool, NumeroTasti> disponibili{true, true, false, true, true};
        QString esito;
        QString operazione;
        QString risEsatte;
        QString risErrate;
        QString tempoParziale;
        QString tempoTotale;
    };

    const Quadro& quadro() const { return quadro_; }
    // The kind of the exercise on screen, as TipoEsercizio was when it was drawn.
    int tipo() const { return tipo_; }
    // The focus a step asked for, once: reading it clears it.
    Fuoco prendiFuoco();

    // The instruction line of a kind; none for a value that is not a kind of exercise.
    static std::optional<QString> Istruzione(int tipo);

    void Avvia();
    void NuovoEsercizio();
    void genera0();
    void genera1();
    void genera2();
    void VisualizzaD0();
    void VisualizzaD1();
    void VisualizzaD2();
    void Aggiungi();
    void Togli();
    void Verifica();
    void SiSi();
    void NoNo();
    void CalcolaTempo();
    void TastiCostruzione();
    void TastiAvanti();

private:
    // The figure, the size n (drawn again while below `minimo`), the places; the clock reseeds
    // the draws of the figure and, with `risemina`, of n.
    void estraiInsiemeS(int minimo, bool risemina);
    void estraiPosti();
    void mostraInsiemeS();
    void mostraInsiemeD(int figure);
    // Places 1 to `figure` of the second set show the figure, the others nothing.
    int riempiD(int figure);
    void visualizzaDelTipo();
    void davanti(Riquadro r);

    Quadro quadro_;
    Fuoco fuoco_ = Fuoco::Invariato;
    int tipo_ = InsiemeVuoto;
};
