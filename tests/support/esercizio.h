#pragma once

#include "app/frminizio.h"
#include "exercise/frmoperativo.h"

#include <QTest>

// The exercise window of a kind, opened from the start window as the pupil opens it, and
// active: the tests then find the keyboard focus where the pupil would.
inline frmOperativo& apriEsercizio(int tipo)
{
    FrmInizio& inizio = loadForm<FrmInizio>();
    inizio.showModeless();
    inizio.AvviaScelta(qint16(tipo));
    frmOperativo* f = loadedForm<frmOperativo>();
    f->activateWindow();
    if (!QTest::qWaitForWindowActive(f)) // the tests then find no focus and say so
        qWarning("the exercise window did not become active");
    return *f;
}
