#pragma once

#include "core/risposta.h"
#include "registro/giornale.h"
#include "registro/schema.h"

#include <QList>
#include <QSqlDatabase>
#include <QSqlError>
#include <QString>
#include <QStringList>

#include <functional>
#include <optional>

// The school's register on a PostgreSQL server, reached through Qt SQL's QPSQL driver: every
// PC of the lab writes its pupils' answers into it, the teacher reads them from any PC.
//
// The server keeps the tables of schema.h, with PostgreSQL's types: identifiers are uuid,
// times timestamptz, and each answer also carries `ricevuta`, the server's own time when it
// arrived (school PCs' clocks are often wrong). Right/wrong stays an integer 0/1 as in the
// file, so that the teacher's queries read both alike. The schema's version is the one row
// of `versione_schema`.
//
// Who may do what: the pupils' role may only add answers and sessions, and read the schema's
// version; the teachers' role reads, changes and deletes. A pupil's PC thus holds no
// credential that reads anyone's answers.

// postgresql://user@host:port/dbname. No password: libpq finds it in ~/.pgpass, a service
// file or PGPASSWORD, and the program never keeps one.
struct IndirizzoServer
{
    QString utente;   // empty: the system user's name, as libpq does
    QString host;     // a name, an address, or a socket folder ("/run/postgresql")
    int porta = 5432;
    QString database;
    QStringList opzioni; // further libpq keywords of the address, "sslmode=require"

    // "host/dbname", as the teacher's window names the register it reads.
    QString descrizione() const;
    bool operator==(const IndirizzoServer&) const = default;
};

namespace Server {

inline const QString RuoloAlunni = QStringLiteral("tarvello_alunni");
inline const QString RuoloInsegnanti = QStringLiteral("tarvello_insegnanti");

// True when a register's place names a server rather than a file.
bool eIndirizzo(const QString& luogo);

// Reads postgresql://user@host:port/dbname (or postgres://). A socket folder is given
// percent-encoded as the host (postgresql://user@%2Frun%2Fpostgresql/dbname) or as
// ?host=/run/postgresql; other ?key=value pairs go to libpq as they are. Refused, with the
// reason in `errore`: a password in the address, no database, a port out of range.
std::optional<IndirizzoServer> leggi(const QString& url, QString* errore = nullptr);

// True when a failed statement lost the connection rather than being refused by the server:
// libpq gives no SQLSTATE when the link breaks, and the server says 08xxx or 57P0x when it
// ends the session itself.
bool connessionePersa(const QSqlError& errore);

} // namespace Server

// One connection to the school's server, made and used on one thread only (Qt's rule for its
// SQL connections) and removed with this object. Opening blocks for up to 3 s when the server
// does not answer, so it belongs on a worker thread. Every statement has a time limit.
class ConnessioneServer
{
public:
    // `password`: only when the teacher typed it; kept in memory to open again, never written.
    explicit ConnessioneServer(IndirizzoServer indirizzo, QString password = {}, int limiteMs = 5000);
    ~ConnessioneServer();
    ConnessioneServer(const ConnessioneServer&) = delete;
    ConnessioneServer& operator=(const ConnessioneServer&) = delete;

    // Opens, or closes and opens again: Qt's driver neither reconnects by itself nor notices
    // that the server has gone (isOpen() stays true).
    bool apri();
    bool aperta() const { return aperta_; }
    QString errore() const { return errore_; }
    const IndirizzoServer& indirizzo() const { return indirizzo_; }
    // Valid while this object lives; queries made on it must be gone before this object is.
    QSqlDatabase db() const;

    // Runs `passi` (bool(QSqlDatabase, QString* errore)) in one transaction, opening the
    // connection first when needed. When the connection turns out lost it is opened again
    // and everything tried once more, which is harmless only for work that a second run
    // cannot double (an insert that skips what is there). False with errore() set otherwise.
    template <class Passi>
    bool transazione(Passi&& passi);

private:
    bool provaTransazione(const std::function<bool(QSqlDatabase, QString*)>& passi, bool* persa);

    QString nome_;
    IndirizzoServer indirizzo_;
    QString password_;
    int limiteMs_;
    QString errore_;
    bool aperta_ = false;
};

template <class Passi>
bool ConnessioneServer::transazione(Passi&& passi)
{
    for (int tentativo = 0; tentativo < 2; ++tentativo) {
        if (!aperta_ && !apri())
            return false;
        bool persa = false;
        if (provaTransazione(passi, &persa))
            return true;
        if (!persa)
            return false;
        aperta_ = false;
    }
    return false;
}

namespace Server {

// The version of the schema on the server: 0 when there is none yet, -1 when it cannot be
// read (why, in `errore`). The pupils' role may read it, to learn whether it can send at all.
int versione(QSqlDatabase db, QString* errore = nullptr);

// Brings the server's schema up to this program's version, one step a transaction, and
// gives both roles their rights. For the teacher's window and the technician's command only:
// a pupil's program never changes the schema. A database with other tables and no register
// is Estraneo; one of a newer program Futuro.
Schema::Esito prepara(ConnessioneServer& connessione);

struct EsitoInvio
{
    int confermate = 0; // on the server now, whether this time or an earlier one
    int nuove = 0;      // of which added this time
    QString errore;
};

// Sends a batch of answers, and the sessions they belong to, in one transaction. Answers and
// sessions the server already holds (a batch sent again after its reply was lost) are skipped
// by their identifier, without reading the table, which the pupils' role may not: a session
// stays as it was first sent. On success the whole batch is confirmed.
EsitoInvio inviaLotto(ConnessioneServer& connessione, const QList<Risposta>& risposte,
                      const QList<Sessione>& sessioni = {});

} // namespace Server
