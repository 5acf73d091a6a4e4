#include "core/esercizioscheda.h"

#include <algorithm>

EsercizioScheda estraiEsercizio(ExerciseKind tipo, int k)
{
    const InsiemeEstratto s = estraiInsieme(
        tipo == Aggiungere ? IntervalliScheda::Minore : IntervalliScheda::maggiore(k == 1),
        EsercizioScheda::Posti * (k - 1));
    EsercizioScheda e;
    e.FiguraScheda = s.figura;
    e.NumElementiScheda = s.n;
    std::copy_n(s.posti.begin() + 1, s.n, e.PostiEstrattiScheda.begin() + 1);
    e.UltimoPostoSecondo = qint16(s.m - 1);
    return e;
}

InsiemeScheda estraiInsieme(int primo)
{
    const InsiemeEstratto s = estraiInsieme(IntervalliScheda::Vuoto, primo);
    InsiemeScheda e;
    e.FiguraScheda = s.figura;
    e.NumElementiScheda = s.n;
    e.PostiScheda = s.posti;
    return e;
}
