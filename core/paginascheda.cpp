#include "core/paginascheda.h"

EsercizioPagina EsercizioPagina::da(const InsiemeScheda& e, int primo)
{
    EsercizioPagina p;
    p.figura = e.FiguraScheda;
    for (int i = 1; i <= e.NumElementiScheda; ++i)
        p.primo.set(std::size_t(e.PostiScheda[i] - primo));
    return p;
}

EsercizioPagina EsercizioPagina::da(const EsercizioScheda& e, int k)
{
    EsercizioPagina p;
    p.figura = e.FiguraScheda;
    for (int i = 1; i <= e.NumElementiScheda; ++i)
        p.primo.set(std::size_t(e.PostiEstrattiScheda[i] - Posti * (k - 1)));
    for (int q = 0; q <= e.UltimoPostoSecondo; ++q)
        p.secondo.set(std::size_t(q));
    return p;
}
