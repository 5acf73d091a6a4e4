#pragma once

#include <QSqlDatabase>
#include <QString>

// The answers of this PC on their way to the school's server. They are written to the local
// file first, in the order given (the table's rowid); the sender moves them from there in that
// order, and keeps in the file's settings the rowid of the last one the server confirmed.
namespace Invio {

// The setting that holds the last rowid of `risposte` the server has confirmed.
inline const QString ChiaveInviate = QStringLiteral("inviate_fino_a");
// The identifier of the answer at that rowid: SQLite gives a deleted last row's rowid to the
// next answer, which the mark alone would take for one already sent.
inline const QString ChiaveUltimaInviata = QStringLiteral("ultima_inviata");

// Answers of the local file the server has not confirmed yet; -1 when the file cannot be read.
int inAttesa(QSqlDatabase locale);

} // namespace Invio
