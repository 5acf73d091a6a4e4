#pragma once

#include "core/estrazione.h"
#include "forms/picture.h"

// The figure catalogue. Index 0 is a plain white picture that blanks a place on a worksheet;
// 1 to 12 are the figures the sets are drawn with (1 to 9 on white, 10 to 12 on a
// transparent ground). Loaded on the first request, never changed, let go at the end.
class FrmFigure
{
public:
    static constexpr int Bianca = 0;
    static constexpr int NumeroFigure = ::NumeroFigure;

    // The picture of catalogue index 0 to 12; no picture for any other index.
    static Picture Image3(int index);
    static bool caricato();
    static void scarica();
};
