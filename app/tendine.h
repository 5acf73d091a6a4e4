#pragma once

// The two curtains of the start window. Laying the window out closes them over the whole
// window; a tick every 10 ms then opens them 75 twips at a time towards the edges.
struct Tendine
{
    static constexpr int Intervallo = 10; // ms between ticks
    static constexpr double Passo = 75;   // twips per tick

    double sinistra = 120; // width of the left curtain, twips
    double destra = 228;   // width of the right curtain
    bool inCorso = false;

    // Both curtains half the window's outer width: together they cover it.
    void avvia(double larghezzaEsterna)
    {
        sinistra = destra = larghezzaEsterna / 2;
        inCorso = true;
    }

    // One tick. A curtain that cannot shrink by a whole step stays as it is and ends the
    // animation; so does a left curtain of 10 twips or less.
    void passo()
    {
        if (!inCorso)
            return;
        if (sinistra - Passo < 0) {
            inCorso = false;
            return;
        }
        sinistra -= Passo;
        if (destra - Passo < 0) {
            inCorso = false;
            return;
        }
        destra -= Passo;
        if (sinistra <= 10)
            inCorso = false;
    }
};
