#include "registro/connessione.h"

#include "registro/schema.h"

#include <QAtomicInt>
#include <QSqlDriver>
#include <QSqlError>
#include <QSqlQuery>

namespace {
QAtomicInt numero;

bool esegui(QSqlDatabase db, const QString& istruzione, QSqlError* errore)
{
    QSqlQuery q(db);
    if (q.exec(istruzione))
        return true;
    if (errore)
        *errore = q.lastError();
    return false;
}
} // namespace

Connessione::Connessione(const QString& file, int attesaMs)
    : nome_(QStringLiteral("registro-%1").arg(numero.fetchAndAddRelaxed(1))), file_(file)
{
    QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), nome_);
    if (!db.isValid()) {
        errore_ = QSqlError(QStringLiteral("SQLite driver missing"), {}, QSqlError::ConnectionError);
        return;
    }
    db.setDatabaseName(file);
    db.setConnectOptions(QStringLiteral("QSQLITE_BUSY_TIMEOUT=%1").arg(attesaMs));
    if (!db.open()) {
        errore_ = db.lastError();
        return;
    }
    // Reading the version reads the file: a file that is no database fails here.
    if (!esegui(db, QStringLiteral("PRAGMA user_version"), &errore_))
        return;
    const Schema::Stato stato = Schema::riconosci(db);
    const bool nostro = stato != Schema::Stato::Futuro && stato != Schema::Stato::Estraneo;
    aperta_ = (!nostro || esegui(db, QStringLiteral("PRAGMA journal_mode=WAL"), &errore_)) &&
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

bool iniziaScrittura(QSqlDatabase db, QSqlError* errore)
{
    return esegui(db, suServer(db) ? QStringLiteral("BEGIN") : QStringLiteral("BEGIN IMMEDIATE"), errore);
}

bool concludiScrittura(QSqlDatabase db, bool riuscita, QSqlError* errore)
{
    if (riuscita && esegui(db, QStringLiteral("COMMIT"), errore))
        return true;
    esegui(db, QStringLiteral("ROLLBACK"), nullptr);
    return false;
}

bool suServer(QSqlDatabase db) { return db.driverName() == QLatin1String("QPSQL"); }

QString colonnaTempo(QSqlDatabase db) { return suServer(db) ? QStringLiteral("ricevuta") : QStringLiteral("quando"); }

QString testoId(const QUuid& id) { return id.toString(QUuid::WithBraces); }

QString testoIstante(const QDateTime& t) { return t.toUTC().toString(Qt::ISODateWithMs); }

bool esegui(QSqlQuery& q, const QString& istruzione, const QVariantList& valori, QString* errore)
{
    // Qt's PostgreSQL driver reads a forward-only result a row a message, several times
    // slower than the whole result at once; the register's results on the server are a
    // class's, small enough to hold.
    q.setForwardOnly(!q.driver() || q.driver()->dbmsType() != QSqlDriver::PostgreSQL);
    if (q.prepare(istruzione)) {
        for (const QVariant& v : valori)
            q.addBindValue(v);
        if (q.exec())
            return true;
    }
    if (errore)
        *errore = q.lastError().text();
    return false;
}
