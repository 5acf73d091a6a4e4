#include "core/estrazione.h"

#include "core/random.h"

#include <span>

InsiemeEstratto estraiInsieme(const Intervalli& regola, int primo)
{
    InsiemeEstratto e;
    Random::reseedFromClock();
    e.figura = qint16(Random::draw(NumeroFigure));
    if (regola.riseminaN)
        Random::reseedFromClock();
    do
        e.n = Random::draw(regola.massimoN) + regola.aggiuntaN;
    while (e.n < regola.minimoN);
    Random::drawDistinct(std::span(e.posti).subspan(1, std::size_t(e.n)), PostiInsieme, primo);

    switch (regola.tipo) {
    case Aggiungere:
        // A single figure leaves no smaller second set that still has a figure in it: the
        // minimum n keeps this loop finite.
        if (regola.minoreInUnaVolta)
            e.m = Random::draw(e.n - 1);
        else
            do
                e.m = Random::draw(e.n);
            while (e.m == e.n);
        break;
    case Togliere:
        // The generator mixes each clock reading in, so even a clock that stands still lets
        // the loop end.
        do {
            if (regola.riseminaM)
                Random::reseedFromClock();
            e.m = Random::draw(regola.massimoM) + 2;
        } while (e.m <= e.n + 1);
        break;
    case InsiemeVuoto:
    case Uscita:
        break;
    }
    return e;
}
