#pragma once

#include <QCoreApplication>
#include <QString>

// Every text a user sees or prints is written here in Italian, the language of the sources,
// and marked for Qt's translation system where it is written, so that lupdate finds it:
//   - in a class with Q_OBJECT:                       tr("...")
//   - elsewhere:                                       QCoreApplication::translate("Class", "...")
//   - in a table, or in a constant made before the
//     language is chosen:                              QT_TRANSLATE_NOOP("Class", "...")
//     and translated where it is shown, with tr() or QCoreApplication::translate in the same
//     context; a constant read in many places is a Testo, which does that each time it is read.
// Odd blanks are part of a text and stay in it. A text added this way has no translation yet:
// the test tarvello_ts then fails until `cmake --build build --target update_translations`
// has put it in every translations/*.ts and a translator has filled it in.
struct Testo
{
    const char* contesto;
    const char* sorgente;

    QString tradotto() const { return QCoreApplication::translate(contesto, sorgente); }
    operator QString() const { return tradotto(); }
};
