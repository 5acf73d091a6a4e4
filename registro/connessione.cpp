#include "registro/connessione.h"

#include <QAtomicInt>
#include <QSqlError>
#include <QSqlQuery>

namespace {
QAtomicInt numero;

bool esegui(QSqlDatabase db, const QString& istruzione, QString* errore)
{
    QSqlQuery q(db);
    if (q.exec(istruzione))
        return true;
    if (errore)
        *errore = q.lastError().text();
    return false;
}
} // namespace

Connessione::Connessione(const QString& file, int attesaMs)
    : nome_(QStringLiteral("registro-%1").arg(numero.fetchAndAddRelaxed(1))), file_(file)
{
    QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), nome_);
    if (!db.isValid()) {
        errore_ = QStringLiteral("SQLite driver missing");
        return;
    }
    db.setDatabaseName(file);
    db.setConnectOptions(QStringLiteral("QSQLITE_BUSY_TIMEOUT=%1").arg(attesaMs));
    if (!db.open()) {
        errore_ = db.lastError().text();
        return;
    }
    // Reading the journal mode reads the file: a file that is not a register fails here.
    aperta_ = esegui(db, QStringLiteral("PRAGMA journal_mode=WAL"), &errore_) &&
              esegui(db, QStringLiteral("PRAGMA foreign_keys=ON"), &errore_);
}

Connessione::~Connessione()
{
    {
        QSqlDatabase db = QSqlDatabase::database(nome_, false);
        if (db.isOpen())
            db.close();
    }
    QSqlDatabase::removeDatabase(nome_);
}

QSqlDatabase Connessione::db() const { return QSqlDatabase::database(nome_, false); }

bool iniziaScrittura(QSqlDatabase db, QString* errore)
{
    return esegui(db, QStringLiteral("BEGIN IMMEDIATE"), errore);
}

bool concludiScrittura(QSqlDatabase db, bool riuscita, QString* errore)
{
    if (riuscita && esegui(db, QStringLiteral("COMMIT"), errore))
        return true;
    esegui(db, QStringLiteral("ROLLBACK"), nullptr);
    return false;
}
