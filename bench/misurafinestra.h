#pragma once

#include "register/frmregistro.h"

#include <QCoreApplication>
#include <QElapsedTimer>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <vector>

// From the step to the moment the register window has every answer it asked for, and `fatto`
// says it shows what was asked, in ms.
inline double attesaFinestra(FrmRegistro& w, const std::function<void()>& passo,
                             const std::function<bool()>& fatto = [] { return true; })
{
    QElapsedTimer t;
    t.start();
    passo();
    while ((w.inAttesa() > 0 || !fatto()) && t.elapsed() < 60000)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 1);
    QCoreApplication::processEvents();
    return double(t.nsecsElapsed()) / 1e6;
}

// The median of the runs, against its goal.
inline void riportaMediana(const char* banco, const char* cosa, std::vector<double> tempi, double obiettivo)
{
    std::sort(tempi.begin(), tempi.end());
    std::printf("%s, %s: %.1f ms (obiettivo < %g ms; mediana di %zu prove)\n", banco, cosa, tempi[tempi.size() / 2],
                obiettivo, tempi.size());
    std::fflush(stdout);
}
