#include "worksheets/esercizioscheda.h"

#include "platform/random.h"

#include <algorithm>

namespace {

// A first set of `n` distinct places, each place as likely as any other.
void estraiPosti(EsercizioScheda& e, int base)
{
    for (int i = 1; i <= e.NumElementiScheda; ++i) {
        const auto gia = e.PostiEstrattiScheda.begin() + 1;
        qint16 posto;
        do
            posto = qint16(base + int(Random::next() * EsercizioScheda::Posti));
        while (std::find(gia, gia + (i - 1), posto) != gia + (i - 1));
        e.PostiEstrattiScheda[i] = posto;
    }
}

} // namespace

EsercizioScheda estraiEsercizio(SecondoInsieme tipo, int k)
{
    EsercizioScheda e;
    Random::reseedFromClock();
    e.FiguraScheda = qint16(Random::draw(12));
    if (tipo == SecondoInsieme::Suvvalente) {
        // A single figure leaves no smaller second set that still has a figure in it.
        do
            e.NumElementiScheda = Random::draw(9);
        while (e.NumElementiScheda == 1);
    } else {
        e.NumElementiScheda = Random::draw(9);
    }
    estraiPosti(e, 15 * (k - 1));

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
    e.FiguraScheda = qint16(Random::draw(12));
    e.NumElementiScheda = Random::draw(9) + 1; // 2 to 10
    // Places are drawn until n distinct ones are found.
    for (int i = 1; i <= e.NumElementiScheda; ++i) {
        const auto gia = e.PostiScheda.begin() + 1;
        qint16 posto;
        do
            posto = qint16(Random::draw(EsercizioScheda::Posti) - 1 + primo);
        while (std::find(gia, gia + (i - 1), posto) != gia + (i - 1));
        e.PostiScheda[i] = posto;
    }
    return e;
}
