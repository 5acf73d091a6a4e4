#pragma once

#include "core/estrazione.h"
#include "core/risposta.h"
#include "core/testo.h"

#include <QString>
#include <array>
#include <functional>
#include <optional>

// The exercise as the exercise window runs it, without the window: drawing an exercise,
// building the second set, checking it, help and intervention, the counters and the timing.
// The program keeps one for its whole run, so the counters and the total time outlast the
// window; what the window shows (the Quadro) starts afresh at every load of the window (empty
// number fields, nothing in front but the keypad). The windows read the variables below and
// change them only through the steps.
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

    qint16 NumOperazione = 0;          // current exercise since the window was loaded
    qint16 NumElementiD = 0;           // figures the second set holds now, 0 to 10
    qint32 NumElementiS = 0;           // figures of the given set
    qint16 NumInizialeD = 0;           // figures the second set starts with
    std::array<qint16, 11> PostiS{};   // entries 1 to n: places 1 to 15 of the given set
    qint32 Tentativi = 0;              // "NO" answers since help was last given
    qint16 FiguraCorrente = 0;         // figure 1 to 12 of the current exercise
    qint32 RisErrate = 0;              // wrong answers of the whole run
    qint16 RisEsatte = 0;              // right answers of the whole run
    float TempoInizio = 0;             // seconds since midnight
    qint32 TempoParziale = 0;          // whole seconds
    qint32 TempoTotale = 0;
    qint16 TipoEsercizio = 0;          // the kind chosen last, ExerciseKind 0 to 3

    const Quadro& quadro() const { return quadro_; }
    // The kind of the exercise on screen, as TipoEsercizio was when it was drawn.
    int tipo() const { return tipo_; }
    // The pupil's choice on the start window; the exercise on screen stays until the next one.
    void ScegliTipo(qint16 tipo) { TipoEsercizio = tipo; }
    // The focus a step asked for, once: reading it clears it.
    Fuoco prendiFuoco();

    // Who is handed each answer, once what followed it is known: a right one at once, a wrong
    // one at the pupil's reply to the help question (or the window's stepping in). Called on the
    // thread that runs the steps; empty: answers are not kept.
    using Registrazione = std::function<void(const Risposta&)>;
    void registraCon(Registrazione registra) { registra_ = std::move(registra); }
    // Hands over a wrong answer still waiting for the pupil's reply, as nothing followed it: the
    // window was closed or the program ends.
    void ConcludiRisposta();

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
    // The given set, and the second set's start, by the exercise's ranges of a kind.
    void estrai(const Intervalli& regola);
    void mostraInsiemeD(int figure);
    // Places 1 to `figure` of the second set show the figure, the others nothing.
    int riempiD(int figure);
    void visualizzaDelTipo();
    void davanti(Riquadro r);
    void consegna(Seguito seguito);

    Quadro quadro_;
    Fuoco fuoco_ = Fuoco::Invariato;
    int tipo_ = InsiemeVuoto;
    Registrazione registra_;
    std::optional<Risposta> sospesa_;
    int esercizi_ = 0;       // exercises of the whole run, never started again
    double trascorso_ = 0;   // the last answer's seconds, before they are cut to whole ones
};
