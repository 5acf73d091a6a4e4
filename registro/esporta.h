#pragma once

#include "registro/consultazione.h"

#include <QDate>
#include <QList>
#include <QSqlDatabase>
#include <QString>
#include <QUuid>

// The register as CSV files a spreadsheet set to Italian opens (see core/csv.h): a header line,
// then one line a record. Dates are ISO (2026-12-09), shown in the teacher's local time, seconds
// and shares have a decimal comma. Each file is written beside its place and put there only when
// whole, so an export that fails leaves what was there before. Both run on any thread, off the
// window's: they wait on the disk. False with the reason in Italian when they could not.

// Every answer, in order of time: of a class or, with a null class, of the whole register
// (answers of no pupil too), over a range of local days as Consultazione takes them. Opens a
// connection of its own on the calling thread; a missing register is not made.
bool esportaRisposte(const QString& registro, const QString& csv, QString* errore = nullptr, const QUuid& classe = {},
                     QDate dal = {}, QDate al = {});

// The same from a connection already open, on its thread: the school's server, or a file the
// caller has checked. `registro` names it in a message.
bool esportaRisposte(QSqlDatabase db, const QString& registro, const QString& csv, QString* errore = nullptr,
                     const QUuid& classe = {}, QDate dal = {}, QDate al = {});

// A class's summary, one line a pupil, as Consultazione::riepilogo gave it.
bool esportaRiepilogo(const QList<Consultazione::Riepilogo>& righe, const QString& csv, QString* errore = nullptr);
