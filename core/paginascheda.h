#pragma once

#include "core/esercizioscheda.h"

#include <QPointF>
#include <QString>
#include <QtGlobal>
#include <array>
#include <bitset>

// One exercise of a worksheet page: its figure and the places that show it, in the first set
// and, on the add and remove worksheets, in the second set. Every other place is blank.
struct EsercizioPagina
{
    static constexpr int Posti = 15;
    static constexpr int Bianca = 0; // the figure index of a blank place
    using Insieme = std::bitset<Posti>;

    qint16 figura = 0; // 1 to 12 once drawn
    Insieme primo;
    Insieme secondo;

    // The figure index place p (0 to 14) of a set shows: the exercise's figure, or blank.
    int figuraIn(int p, bool nelSecondo) const { return (nelSecondo ? secondo : primo).test(p) ? figura : Bianca; }

    // What a draw puts on the page. The first set's places come as indexes from `primo` on;
    // the empty-second-set worksheet leaves the second set bare.
    static EsercizioPagina da(const InsiemeScheda& e, int primo);
    // The add and remove worksheets: the first set's places come from 15 × (k - 1) on, and the
    // second set fills its places in order from place 0.
    static EsercizioPagina da(const EsercizioScheda& e, int k);

    friend bool operator==(const EsercizioPagina&, const EsercizioPagina&) = default;
};

// One printed worksheet as data: a line for the pupil's name, one instruction, and four rows
// of two boxes. The left box of a row holds the first set; the right box holds the starting
// second set, or stays empty for the pupil to draw in. Positions are twips on the page.
struct PaginaScheda
{
    static constexpr int Esercizi = 4;
    static constexpr int Posti = EsercizioPagina::Posti;

    QString istruzione;
    std::array<EsercizioPagina, Esercizi> esercizi;
    bool secondi = false; // the right boxes show the second sets
    // "Scheda k di K" on each page of a class set; a worksheet printed alone has none.
    QString piede;

    // Where things go on the page.
    static double alto(int esercizio) { return 2000 + 3500 * (esercizio - 1); }
    static double basso(int esercizio) { return alto(esercizio) + 3100; }
    static QPointF posto(int esercizio, int p, bool destra)
    {
        return QPointF((destra ? 6830 : 830) + 800 * (p % 5), alto(esercizio) + 200 + 950 * (p / 5));
    }
    // The footer's top-left corner: at the bottom of a printable area `altezza` twips high,
    // never over the last row of boxes.
    static QPointF piedeA(double altezza) { return QPointF(500, qMax(altezza - AltezzaPiede, basso(4) + 100)); }
    static constexpr double PuntiPiede = 9;
    static constexpr double AltezzaPiede = 240;

    friend bool operator==(const PaginaScheda&, const PaginaScheda&) = default;
};
