#pragma once

#include "core/estrazione.h"

#include <QtGlobal>
#include <array>

// One exercise of an add or remove worksheet as drawn: the figure, the first set's places
// and how far the second set reaches. The second set always fills its places from 0 on.
struct EsercizioScheda
{
    static constexpr int Posti = PostiInsieme;

    qint16 FiguraScheda = 0;    // 1 to 12, the figure of both sets
    int NumElementiScheda = 0;  // figures of the first set
    // Entries 1 to NumElementiScheda: the first set's places, as indexes into the window's
    // 60 first-set places (15 × (k - 1) + place).
    std::array<qint16, 13> PostiEstrattiScheda{};
    qint16 UltimoPostoSecondo = -1; // the second set holds places 0 to this one

    int numElementiSecondo() const { return UltimoPostoSecondo + 1; }
};

// Draws exercise k (1 to 4) of a worksheet of kind Aggiungere or Togliere, after reseeding
// the generator from the clock.
EsercizioScheda estraiEsercizio(ExerciseKind tipo, int k);

// One set of the worksheet whose second sets start empty: a figure and 2 to 10 distinct places.
struct InsiemeScheda
{
    qint16 FiguraScheda = 0;
    int NumElementiScheda = 0;
    // Slots 1 to NumElementiScheda: the places drawn, `primo` + 0 to 14, in the order drawn.
    std::array<qint16, 11> PostiScheda{};
};

// Draws a set whose places start at `primo`, after reseeding the generator from the clock:
// the figure, the size, then the places, every choice of places equally likely.
InsiemeScheda estraiInsieme(int primo);
