#pragma once

#include "worksheets/schedaaggiungitogli.h"

#include <QTest>

// The add worksheet window (togli false) or the remove one, loaded.
inline SchedaAggiungiTogli& openScheda(bool togli)
{
    if (togli)
        return loadForm<frmStampaSchede3>();
    return loadForm<frmStampaSchede2>();
}

// One row per window for a data-driven test.
inline void bothSchede()
{
    QTest::addColumn<bool>("togli");
    QTest::newRow("add") << false;
    QTest::newRow("remove") << true;
}
