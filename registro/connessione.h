#pragma once

#include <QDateTime>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QString>
#include <QUuid>
#include <QVariantList>

// One connection to a register file, made and used on one thread only (Qt's rule for its SQL
// connections) and removed with this object. Open: the SQLite driver with a busy time-out,
// the WAL journal and foreign keys on. The driver's plug-in is loaded by the first one made.
// A newer program's register and another program's database are opened as they are: their
// journal mode is theirs.
class Connessione
{
public:
    explicit Connessione(const QString& file, int attesaMs = 5000);
    ~Connessione();
    Connessione(const Connessione&) = delete;
    Connessione& operator=(const Connessione&) = delete;

    bool aperta() const { return aperta_; }
    QString errore() const { return errore_.text(); }
    // What SQLite said, with its code (SQLITE_NOTADB for a file that is no database).
    QSqlError erroreSql() const { return errore_; }
    QString file() const { return file_; }
    // The connection itself, valid while this object lives; queries made on it must be gone
    // before this object is.
    QSqlDatabase db() const;

private:
    QString nome_;
    QString file_;
    QSqlError errore_;
    bool aperta_ = false;
};

// The register's dialect: the same statements read a file and the school's server, apart from
// these few points. On the server an answer's time is the server's own (`ricevuta`), which the
// register orders and filters by, since the PCs' clocks may be far off; in a file it is the
// PC's (`quando`).
bool suServer(QSqlDatabase db);
QString colonnaTempo(QSqlDatabase db);

// How the register writes an identifier (a UUID in braces) and a time (UTC, ISO 8601 with
// milliseconds and a Z, so that times sort as text).
QString testoId(const QUuid& id);
QString testoIstante(const QDateTime& t);

// Prepares a statement, binds `valori` in order and runs it, reading forward only; false with
// the reason in `errore`.
bool esegui(QSqlQuery& q, const QString& istruzione, const QVariantList& valori, QString* errore = nullptr);

// A write in one transaction that takes the write lock at its start (BEGIN IMMEDIATE): a
// deferred one that reads first can fail half-way under WAL when another writer comes in. On
// the server a plain BEGIN: its rows are locked one by one.
// `passi` returns false to roll everything back. False when the lock, a step or the commit
// failed; `errore` then says why.
// With a QSqlError, SQLite's code comes along (the lock, a full disk, a corrupt file); a step
// that fails sets it itself.
template <class Passi>
bool scrivi(QSqlDatabase db, Passi&& passi, QString* errore = nullptr);
template <class Passi>
bool scrivi(QSqlDatabase db, Passi&& passi, QSqlError* errore);

bool iniziaScrittura(QSqlDatabase db, QSqlError* errore);
bool concludiScrittura(QSqlDatabase db, bool riuscita, QSqlError* errore);

template <class Passi>
bool scrivi(QSqlDatabase db, Passi&& passi, QSqlError* errore)
{
    if (!iniziaScrittura(db, errore))
        return false;
    return concludiScrittura(db, passi(), errore);
}

template <class Passi>
bool scrivi(QSqlDatabase db, Passi&& passi, QString* errore)
{
    QSqlError e;
    const bool fatto = scrivi(db, std::forward<Passi>(passi), &e);
    if (!fatto && errore && e.isValid())
        *errore = e.text();
    return fatto;
}
