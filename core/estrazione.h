#pragma once

#include <QtGlobal>
#include <array>

// The kind of exercise: how the second set starts beside a given set of n figures. The
// exercise window and the worksheets draw the same three kinds.
enum ExerciseKind : qint16 {
    InsiemeVuoto = 0,  // the second set starts empty
    Aggiungere = 1,    // it starts with fewer figures than the given set
    Togliere = 2,      // it starts with at least two figures more
    Uscita = 3,        // chosen by the exit key; no exercise uses it
};

// The one figure catalogue's size: figures 1 to 12 draw the sets.
constexpr int NumeroFigure = 12;

// The ranges one kind draws a given set and its second set from. The exercise and the
// worksheets draw each kind from ranges of their own, and reseed at places of their own.
struct Intervalli
{
    ExerciseKind tipo;
    int massimoN;      // n is a draw from 1 to massimoN, plus aggiuntaN ...
    int aggiuntaN = 0;
    int minimoN = 1;   // ... drawn again while below minimoN
    bool riseminaN = false; // the clock reseeds once more between the figure and n
    // Aggiungere: m from 1 to n - 1. Either one draw from 1 to n - 1, or draws from 1 to n
    // repeated while m is n.
    bool minoreInUnaVolta = false;
    // Togliere: m is a draw from 1 to massimoM, plus 2, drawn again until it is beyond n + 1.
    int massimoM = 0;
    bool riseminaM = false; // the clock reseeds before every draw of m
};

// A given set and where its second set starts, as drawn.
struct InsiemeEstratto
{
    qint16 figura = 0;              // 1 to NumeroFigure
    int n = 0;                      // figures of the given set
    std::array<qint16, 11> posti{}; // entries 1 to n: distinct places, in the order drawn
    int m = 0;                      // figures the second set starts with
};

// The places of a set, `primo` to `primo` + 14.
constexpr int PostiInsieme = 15;

// The rule every set is drawn by: the clock reseeds, then the figure, n, the places from
// `primo` on and m are drawn in that order, with the ranges and reseeds of `regola`.
InsiemeEstratto estraiInsieme(const Intervalli& regola, int primo);

// The exercise window's ranges for each kind.
namespace IntervalliEsercizio {
constexpr Intervalli Vuoto{.tipo = InsiemeVuoto, .massimoN = 8, .riseminaN = true};
constexpr Intervalli Minore{.tipo = Aggiungere, .massimoN = 8, .minimoN = 2, .riseminaN = false};
constexpr Intervalli Maggiore{.tipo = Togliere, .massimoN = 8, .riseminaN = true, .massimoM = 8,
                              .riseminaM = true};
} // namespace IntervalliEsercizio

// The worksheets' ranges for each kind. Only the first exercise of a page reseeds while it
// draws m again: `primoDellaPagina` tells it.
namespace IntervalliScheda {
constexpr Intervalli Vuoto{.tipo = InsiemeVuoto, .massimoN = 9, .aggiuntaN = 1, .minimoN = 2, .riseminaN = false};
constexpr Intervalli Minore{.tipo = Aggiungere, .massimoN = 9, .minimoN = 2, .riseminaN = false,
                            .minoreInUnaVolta = true};
constexpr Intervalli maggiore(bool primoDellaPagina)
{
    return {.tipo = Togliere, .massimoN = 9, .riseminaN = false, .massimoM = 9, .riseminaM = primoDellaPagina};
}
} // namespace IntervalliScheda
