#pragma once

#include "forms/frmfigure.h"
#include "forms/controls.h"
#include "printing/printer.h"
#include "forms/pushkey.h"
#include "support/kid.h"
#include "worksheets/frmstampante.h"
#include "worksheets/frmstampaschede.h"
#include "support/waitfor.h"

#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QTest>
#include <QApplication>
#include <QList>
#include <QTimer>

// Helpers of the worksheet tests.
namespace Scheda {

// What each of the 120 places shows: its catalogue index, -1 for no picture at all.
inline QList<int> posti(const frmStampaSchede& w)
{
    QList<int> ids;
    for (const ImageBox* posto : kids<ImageBox>(&w, "Image1"))
        ids.append(posto->picture().isNull() ? -1 : posto->picture().id());
    return ids;
}

// The places of set k (1 to 4), as `posti` gives them.
inline QList<int> insieme(const QList<int>& posti, int k)
{
    return posti.mid(frmStampaSchede::primoPosto(k), frmStampaSchede::Posti);
}

inline int figure(const QList<int>& set)
{
    int n = 0;
    for (int id : set)
        n += id > FrmFigure::Bianca;
    return n;
}

inline frmStampaSchede& apri()
{
    frmStampaSchede& w = loadForm<frmStampaSchede>();
    w.showModeless();
    return w;
}

// A window whose four sets all exist.
inline frmStampaSchede& completa()
{
    frmStampaSchede& w = apri();
    for (int k = 2; k <= FinestraScheda::Esercizi; ++k)
        kidInsieme<PushKey>(&w, k)->click();
    return w;
}

// What the printer choice showed while it was open.
struct Scelta
{
    bool aperta = false;
    bool modale = false;
    bool focoSullaLista = false;
    QStringList voci;
    int voceCorrente = -1;
    QString label1;
    QString label2;
    QString stampanteCorrente;
};

// Opens the printer choice from the window's menu; `dentro` runs while it is up (it may pick
// an entry), then its "C H I U D I" closes it, whatever happened. Returns what it showed
// before the pick. Checks are made on the result, after the window is gone.
template <class Dentro>
Scelta conSceltaStampante(FinestraScheda& w, Dentro dentro)
{
    Scelta s;
    // As a user does, from the window in front: a choice closed just before gives it back.
    if (!QTest::qWaitForWindowActive(&w))
        qWarning("the worksheet window did not become active");
    QTimer::singleShot(0, [&] {
        frmStampante* f = loadedForm<frmStampante>();
        if (!f)
            return;
        s.aperta = f->isVisible();
        s.modale = f->isModal();
        // The list comes from the print service while the window answers.
        waitFor([f] { return !f->inLettura(); }, 30000);
        s.focoSullaLista = QTest::qWaitForWindowActive(f) && QApplication::focusWidget() == kid<QComboBox>(f, "Combo1");
        for (int i = 0; i < kid<QComboBox>(f, "Combo1")->count(); ++i)
            s.voci.append(kid<QComboBox>(f, "Combo1")->itemText(i));
        s.voceCorrente = kid<QComboBox>(f, "Combo1")->currentIndex();
        s.label1 = kid<QLabel>(f, "Label1")->text();
        s.label2 = kid<QLabel>(f, "Label2")->text();
        s.stampanteCorrente = Printers::current();
        dentro(*f);
        if (f->isVisible())
            kid<PushKey>(f, "Command2")->click();
    });
    kidMenuStampante(&w)->trigger();
    return s;
}

// Picks entry i of the list as a user does: the list has the focus and an arrow key moves
// to the entry.
inline void scegli(frmStampante& f, int i)
{
    kid<QComboBox>(&f, "Combo1")->setFocus();
    const int da = kid<QComboBox>(&f, "Combo1")->currentIndex();
    if (i == da) {
        // The entry already shown: chosen from the open list.
        emit kid<QComboBox>(&f, "Combo1")->activated(i);
        return;
    }
    for (int passo = da; passo != i; passo += (i > da ? 1 : -1))
        QTest::keyClick(kid<QComboBox>(&f, "Combo1"), i > da ? Qt::Key_Down : Qt::Key_Up);
}

} // namespace Scheda
