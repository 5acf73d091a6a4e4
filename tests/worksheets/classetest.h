#pragma once

#include "printing/pdffile.h"
#include "forms/pushkey.h"
#include "support/kid.h"
#include "worksheets/frmschedeclasse.h"
#include "worksheets/frmstampaschede.h"
#include "worksheets/schedaaggiungitogli.h"

#include <QApplication>
#include <QSpinBox>
#include <QTest>
#include <QTimer>

// Helpers of the tests of worksheets for a whole class.
namespace Classe {

// The three worksheet windows, by the kind their files are named after.
inline FinestraScheda& apri(const QString& tipo)
{
    FinestraScheda* w = nullptr;
    if (tipo == "vuoto")
        w = &loadForm<frmStampaSchede>();
    else if (tipo == "aggiungi")
        w = &loadForm<frmStampaSchede2>();
    else
        w = &loadForm<frmStampaSchede3>();
    w->showModeless();
    return *w;
}

inline FinestraScheda& completa(const QString& tipo)
{
    FinestraScheda& w = apri(tipo);
    for (int k = 2; k <= FinestraScheda::Esercizi; ++k)
        kidInsieme<PushKey>(&w, k)->click();
    return w;
}

// Waits until the files being written are written and their outcome told.
inline bool fileScritti()
{
    return QTest::qWaitFor([] { return PdfFile::writesInProgress() == 0; }, 30000);
}

inline void treFinestre()
{
    QTest::addColumn<QString>("tipo");
    for (const char* tipo : {"vuoto", "aggiungi", "togli"})
        QTest::newRow(tipo) << QString::fromLatin1(tipo);
}

// What the class window showed, and the keys pressed in it.
struct Vista
{
    bool modale = false;
    bool focoSulNumero = false;
    int numero = 0;
};

// Opens the class window from the menu and, as a keyboard user, types `schede` and presses
// the key `tasti` Tabs after the number.
inline Vista perLaClasse(FinestraScheda& w, int schede, int tasti)
{
    Vista c;
    QTimer dentro; // goes with this call, should the window never open
    dentro.setSingleShot(true);
    QObject::connect(&dentro, &QTimer::timeout, [&] {
        frmSchedeClasse* f = loadedForm<frmSchedeClasse>();
        if (!f)
            return;
        c.modale = f->isVisible() && f->isModal();
        c.focoSulNumero = QTest::qWaitForWindowActive(f) && QApplication::focusWidget() == kid<QSpinBox>(f, "spnSchede");
        c.numero = kid<QSpinBox>(f, "spnSchede")->value();
        kid<QSpinBox>(f, "spnSchede")->setFocus();
        kid<QSpinBox>(f, "spnSchede")->selectAll();
        QTest::keyClicks(kid<QSpinBox>(f, "spnSchede"), QString::number(schede));
        for (int i = 0; i < tasti; ++i)
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        if (loadedForm<frmSchedeClasse>())
            loadedForm<frmSchedeClasse>()->unload();
    });
    dentro.start(0);
    kid<QAction>(&w, "mnuStampaClasse")->trigger();
    return c;
}


} // namespace Classe
