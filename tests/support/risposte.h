#pragma once

#include "core/risposta.h"

#include <QSqlDatabase>
#include <QSqlQuery>
#include <QVariant>

// An answer put straight into a register's table as the recorder keeps it, for tests and
// benchmarks that make answers of their own. `q` may be prepared already, by a call before.
inline bool inserisciRisposta(QSqlQuery& q, const Risposta& r)
{
    if (q.lastQuery().isEmpty() &&
        !q.prepare(QStringLiteral("INSERT INTO risposte (id, sessione, esercizio, quando, pc, alunno, tipo, figura,"
                                  " n, m, dato, esatta, secondi, seguito) VALUES (?,?,?,?,?,?,?,?,?,?,?,?,?,?)")))
        return false;
    const QVariantList valori{r.id.toString(),
                              r.sessione.toString(),
                              r.esercizio,
                              r.quando.toUTC().toString(QStringLiteral("yyyy-MM-ddTHH:mm:ss.zzz'Z'")),
                              r.pc,
                              r.alunno.isNull() ? QVariant() : QVariant(r.alunno.toString()),
                              r.tipo,
                              r.figura,
                              r.n,
                              r.m,
                              r.dato,
                              int(r.esatta),
                              r.secondi,
                              int(r.seguito)};
    for (int i = 0; i < valori.size(); ++i)
        q.bindValue(i, valori[i]);
    return q.exec();
}

inline bool inserisciRisposta(QSqlDatabase db, const Risposta& r)
{
    QSqlQuery q(db);
    return inserisciRisposta(q, r);
}
