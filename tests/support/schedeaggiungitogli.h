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

// One row per window and value of an int column, from `first` to `last`.
inline void bothSchede(const char* column, int first, int last)
{
    QTest::addColumn<bool>("togli");
    QTest::addColumn<int>(column);
    for (int v = first; v <= last; ++v)
        for (bool togli : {false, true})
            QTest::addRow("%s, %s %d", togli ? "remove" : "add", column, v) << togli << v;
}
