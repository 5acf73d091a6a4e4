#include "worksheets/esercizioscheda.h"

#include "state/frmfigure.h"
#include "core/random.h"

#include <span>

EsercizioScheda estraiEsercizio(SecondoInsieme tipo, int k)
{
    EsercizioScheda e;
    Random::reseedFromClock();
    e.FiguraScheda = qint16(Random::draw(FrmFigure::NumeroFigure));
    if (tipo == SecondoInsieme::Suvvalente) {
        // A single figure leaves no smaller second set that still has a figure in it.
        do
            e.NumElementiScheda = Random::draw(9);
        while (e.NumElementiScheda == 1);
    } else {
        e.NumElementiScheda = Random::draw(9);
    }
    Random::drawDistinct(std::span(e.PostiEstrattiScheda).subspan(1, std::size_t(e.NumElementiScheda)),
                         EsercizioScheda::Posti, EsercizioScheda::Posti * (k - 1));

    if (tipo == SecondoInsieme::Suvvalente) {
        e.UltimoPostoSecondo = qint16(Random::draw(e.NumElementiScheda - 1) - 1);
    } else {
        // Last place 2 to 10, beyond the first set's size: n + 2 to 11 figures. Exercise 1
        // reseeds before every try; the generator mixes each reading in, so even a clock that
        // stands still lets the loop end.
        do {
            if (k == 1)
                Random::reseedFromClock();
            e.UltimoPostoSecondo = qint16(int(Random::next() * 9) + 2);
        } while (e.UltimoPostoSecondo <= e.NumElementiScheda);
    }
    return e;
}

InsiemeScheda estraiInsieme(int primo)
{
    InsiemeScheda e;
    Random::reseedFromClock();
    e.FiguraScheda = qint16(Random::draw(FrmFigure::NumeroFigure));
    e.NumElementiScheda = Random::draw(9) + 1; // 2 to 10
    Random::drawDistinct(std::span(e.PostiScheda).subspan(1, std::size_t(e.NumElementiScheda)),
                         EsercizioScheda::Posti, primo);
    return e;
}
