#include "registro/schema.h"

#include "registro/connessione.h"

#include <QSqlError>
#include <QSqlQuery>
#include <QStringList>

namespace {

// Each step takes the register from the version before it to its own, in one transaction.
const QStringList Passo1{
    QStringLiteral("CREATE TABLE classi (id TEXT PRIMARY KEY, nome TEXT NOT NULL UNIQUE)"),
    QStringLiteral("CREATE TABLE alunni (id TEXT PRIMARY KEY,"
                   " classe TEXT NOT NULL REFERENCES classi(id) ON DELETE CASCADE,"
                   " nome TEXT NOT NULL, UNIQUE (classe, nome))"),
    QStringLiteral("CREATE TABLE sessioni (id TEXT PRIMARY KEY, pc TEXT NOT NULL, alunno TEXT,"
                   " inizio TEXT NOT NULL, fine TEXT)"),
    QStringLiteral("CREATE TABLE risposte (id TEXT PRIMARY KEY, sessione TEXT NOT NULL,"
                   " esercizio INTEGER NOT NULL, quando TEXT NOT NULL, pc TEXT NOT NULL, alunno TEXT,"
                   " tipo INTEGER NOT NULL, figura INTEGER NOT NULL, n INTEGER NOT NULL,"
                   " m INTEGER NOT NULL, dato INTEGER NOT NULL, esatta INTEGER NOT NULL,"
                   " secondi REAL NOT NULL, seguito INTEGER NOT NULL)"),
    QStringLiteral("CREATE INDEX risposte_alunno ON risposte (alunno, quando)"),
    QStringLiteral("CREATE INDEX risposte_quando ON risposte (quando)"),
    QStringLiteral("CREATE TABLE impostazioni (chiave TEXT PRIMARY KEY, valore TEXT)"),
};

const QList<QStringList> Passi{Passo1};

// Tables a register has; a database with tables and none of these is another program's.
bool estraneo(QSqlDatabase db)
{
    QSqlQuery q(db);
    if (!q.exec(QStringLiteral("SELECT name FROM sqlite_master WHERE type = 'table'")))
        return false;
    bool tabelle = false;
    while (q.next()) {
        tabelle = true;
        if (q.value(0).toString() == QLatin1String("risposte"))
            return false;
    }
    return tabelle;
}

} // namespace

int Schema::versione(QSqlDatabase db)
{
    QSqlQuery q(db);
    if (!q.exec(QStringLiteral("PRAGMA user_version")) || !q.next())
        return -1;
    return q.value(0).toInt();
}

Schema::Stato Schema::riconosci(QSqlDatabase db)
{
    const int v = versione(db);
    if (v < 0)
        return Stato::Errore;
    if (v > Versione)
        return Stato::Futuro;
    return v == 0 && estraneo(db) ? Stato::Estraneo : Stato::Pronto;
}

Schema::Esito Schema::prepara(QSqlDatabase db)
{
    Esito esito;
    esito.versione = versione(db);
    const Stato stato = riconosci(db);
    if (stato != Stato::Pronto) {
        esito.stato = stato;
        if (stato == Stato::Errore)
            esito.messaggio = db.lastError().text();
        return esito;
    }
    for (int v = esito.versione; v < Versione; ++v) {
        QString errore;
        const bool fatto = scrivi(
            db,
            [&] {
                // Another program may have brought it up meanwhile: read again under the lock.
                if (versione(db) != v)
                    return true;
                QSqlQuery q(db);
                for (const QString& istruzione : Passi[v])
                    if (!q.exec(istruzione)) {
                        errore = q.lastError().text();
                        return false;
                    }
                return q.exec(QStringLiteral("PRAGMA user_version = %1").arg(v + 1));
            },
            &errore);
        if (!fatto) {
            esito.messaggio = errore;
            return esito;
        }
    }
    esito.versione = versione(db);
    esito.stato = esito.versione == Versione ? Stato::Pronto : Stato::Errore;
    return esito;
}
