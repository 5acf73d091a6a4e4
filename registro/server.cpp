#include "registro/server.h"

#include <QAtomicInt>
#include <QCoreApplication>
#include <QRegularExpression>
#include <QSqlQuery>
#include <QUrl>
#include <QVariant>

namespace {

QAtomicInt numero;

// A server that does not answer is given up after 3 s. Over TCP, a link that dies under an
// open connection (a cable pulled, a switch off) is noticed within about 25 s rather than the
// system's two hours; a server process that hangs with its machine alive is not, and is the
// worker's wait.
const QString OpzioniFisse = QStringLiteral("connect_timeout=3;keepalives=1;keepalives_idle=10;"
                                            "keepalives_interval=5;keepalives_count=3;tcp_user_timeout=20000;"
                                            "application_name=tarvello");

// Answers per INSERT: a statement of a few hundred rows costs one round trip to the server
// instead of one an answer, and stays far from the driver's limit of parameters.
constexpr int RighePerIstruzione = 200;

bool esegui(QSqlDatabase db, const QString& istruzione, QString* errore, QSqlError* dettaglio = nullptr)
{
    QSqlQuery q(db);
    if (q.exec(istruzione))
        return true;
    if (errore)
        *errore = q.lastError().text();
    if (dettaglio)
        *dettaglio = q.lastError();
    return false;
}

QString decodifica(const QString& parte)
{
    return QUrl::fromPercentEncoding(parte.toUtf8());
}

// Each step takes the server from the version before it to its own. The rights are part of
// the step that makes the tables, so that a pupil's PC never meets a table it could read.
QStringList passo1()
{
    const QString& alunni = Server::RuoloAlunni;
    const QString& insegnanti = Server::RuoloInsegnanti;
    return {
        QStringLiteral("CREATE TABLE versione_schema (unica boolean PRIMARY KEY DEFAULT true CHECK (unica),"
                       " versione integer NOT NULL)"),
        QStringLiteral("CREATE TABLE classi (id uuid PRIMARY KEY, nome text NOT NULL UNIQUE)"),
        QStringLiteral("CREATE TABLE alunni (id uuid PRIMARY KEY,"
                       " classe uuid NOT NULL REFERENCES classi(id) ON DELETE CASCADE,"
                       " nome text NOT NULL, UNIQUE (classe, nome))"),
        QStringLiteral("CREATE TABLE sessioni (id uuid PRIMARY KEY, pc text NOT NULL, alunno uuid,"
                       " inizio timestamptz NOT NULL, fine timestamptz)"),
        QStringLiteral("CREATE TABLE risposte (id uuid PRIMARY KEY, sessione uuid NOT NULL,"
                       " esercizio integer NOT NULL, quando timestamptz NOT NULL, pc text NOT NULL,"
                       " alunno uuid, tipo integer NOT NULL, figura integer NOT NULL, n integer NOT NULL,"
                       " m integer NOT NULL, dato integer NOT NULL,"
                       " esatta integer NOT NULL CHECK (esatta IN (0, 1)),"
                       " secondi double precision NOT NULL, seguito integer NOT NULL,"
                       " ricevuta timestamptz NOT NULL DEFAULT now())"),
        // The register orders by the server's time: the PCs' own may be far off.
        QStringLiteral("CREATE INDEX risposte_alunno ON risposte (alunno, ricevuta)"),
        QStringLiteral("CREATE INDEX risposte_ricevuta ON risposte (ricevuta)"),
        QStringLiteral("CREATE TABLE impostazioni (chiave text PRIMARY KEY, valore text)"),
        QStringLiteral("GRANT SELECT, INSERT, UPDATE, DELETE ON versione_schema, classi, alunni, sessioni,"
                       " risposte, impostazioni TO %1").arg(insegnanti),
        QStringLiteral("GRANT INSERT ON risposte, sessioni TO %1").arg(alunni),
        QStringLiteral("GRANT SELECT ON versione_schema TO %1").arg(alunni),
    };
}

// The server's tables follow the file's version by version: a new step of the file's needs its
// step here too before the program builds.
constexpr int PassiServer = 1;
static_assert(PassiServer == Schema::Versione, "the server's tables lag behind the file's: add the server's step");

const QList<QStringList>& passi()
{
    static const QList<QStringList> tutti{passo1()};
    Q_ASSERT(tutti.size() == PassiServer);
    return tutti;
}

// Two teachers' windows preparing at once wait for each other on this lock, then read the
// version again.
constexpr int ChiavePreparazione = 0x74617276; // "tarv"

// Tables in the database's schema, when there is no register among them: another program's.
bool estraneo(QSqlDatabase db)
{
    QSqlQuery q(db);
    return q.exec(QStringLiteral("SELECT count(*) FROM pg_tables WHERE schemaname = current_schema()")) &&
           q.next() && q.value(0).toInt() > 0;
}

QVariant uuidONull(const QUuid& id)
{
    return id.isNull() ? QVariant(QMetaType::fromType<QString>()) : QVariant(id.toString());
}

// A refused statement leaves its transaction aborted, where the driver can no longer free the
// statement it prepared, and warns at every try: the batch's savepoint is undone first, while
// the statement lives.
bool rifiutata(QSqlDatabase db, const QSqlQuery& q, QString* errore)
{
    *errore = q.lastError().text();
    esegui(db, QStringLiteral("ROLLBACK TO SAVEPOINT lotto"), nullptr);
    return false;
}

bool inserisci(QSqlDatabase db, QList<Risposta>::const_iterator da, QList<Risposta>::const_iterator a,
               int* nuove, QString* errore)
{
    static const QString colonne = QStringLiteral(
        "INSERT INTO risposte (id, sessione, esercizio, quando, pc, alunno, tipo, figura, n, m, dato,"
        " esatta, secondi, seguito) VALUES ");
    static const QString riga = QStringLiteral("(?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)");
    QStringList righe;
    righe.reserve(int(a - da));
    for (auto r = da; r != a; ++r)
        righe << riga;
    QSqlQuery q(db);
    // ON CONFLICT with no column named: naming (id) would need the right to read it.
    if (!q.prepare(colonne + righe.join(u',') + QStringLiteral(" ON CONFLICT DO NOTHING"))) {
        return rifiutata(db, q, errore);
    }
    for (auto r = da; r != a; ++r) {
        q.addBindValue(r->id.toString());
        q.addBindValue(r->sessione.toString());
        q.addBindValue(r->esercizio);
        q.addBindValue(r->quando.toUTC());
        q.addBindValue(r->pc);
        q.addBindValue(uuidONull(r->alunno));
        q.addBindValue(r->tipo);
        q.addBindValue(r->figura);
        q.addBindValue(r->n);
        q.addBindValue(r->m);
        q.addBindValue(r->dato);
        q.addBindValue(r->esatta ? 1 : 0);
        q.addBindValue(r->secondi);
        q.addBindValue(int(r->seguito));
    }
    if (!q.exec()) {
        return rifiutata(db, q, errore);
    }
    *nuove += q.numRowsAffected();
    return true;
}

bool inserisciSessioni(QSqlDatabase db, const QList<Sessione>& sessioni, QString* errore)
{
    QSqlQuery q(db);
    if (!q.prepare(QStringLiteral("INSERT INTO sessioni (id, pc, alunno, inizio, fine) VALUES (?, ?, ?, ?, ?)"
                                  " ON CONFLICT DO NOTHING"))) {
        return rifiutata(db, q, errore);
    }
    for (const Sessione& s : sessioni) {
        q.addBindValue(s.id.toString());
        q.addBindValue(s.pc);
        q.addBindValue(uuidONull(s.alunno));
        q.addBindValue(s.inizio.toUTC());
        q.addBindValue(s.fine.isValid() ? QVariant(s.fine.toUTC()) : QVariant(QMetaType::fromType<QDateTime>()));
        if (!q.exec()) {
            return rifiutata(db, q, errore);
        }
    }
    return true;
}

} // namespace

QString IndirizzoServer::descrizione() const
{
    return (host.isEmpty() ? QStringLiteral("localhost") : host) + u'/' + database;
}

bool Server::eIndirizzo(const QString& luogo)
{
    return luogo.startsWith(QLatin1String("postgresql://")) || luogo.startsWith(QLatin1String("postgres://"));
}

std::optional<IndirizzoServer> Server::leggi(const QString& url, QString* errore)
{
    static const QRegularExpression forma(QStringLiteral(
        R"(^postgres(?:ql)?://(?:([^@/?#]*)@)?(\[[^\]/?#]*\]|[^:/?#]*)(?::([0-9]*))?(?:/([^?#]*))?(?:\?([^#]*))?$)"));
    static const QRegularExpression parola(QStringLiteral("^[A-Za-z0-9_./-]+$"));
    auto rifiuta = [&](const QString& perche) -> std::optional<IndirizzoServer> {
        if (errore)
            *errore = perche;
        return std::nullopt;
    };
    const QRegularExpressionMatch parti = forma.match(url.trimmed());
    if (!parti.hasMatch())
        return rifiuta(
            QCoreApplication::translate("Server", "non è un indirizzo postgresql://utente@host:porta/database: %1")
                .arg(url));

    IndirizzoServer indirizzo;
    const QString utente = parti.captured(1);
    if (utente.contains(u':'))
        return rifiuta(
            QCoreApplication::translate("Server", "l'indirizzo contiene una password: va messa in ~/.pgpass"));
    indirizzo.utente = decodifica(utente);
    QString host = parti.captured(2);
    if (host.startsWith(u'['))
        host = host.mid(1, host.size() - 2);
    indirizzo.host = decodifica(host);
    QString porta = parti.captured(3);
    indirizzo.database = decodifica(parti.captured(4));

    const QStringList coppie = parti.captured(5).split(u'&', Qt::SkipEmptyParts);
    for (const QString& coppia : coppie) {
        const QString chiave = coppia.section(u'=', 0, 0);
        const QString valore = decodifica(coppia.section(u'=', 1));
        if (chiave == QLatin1String("password"))
            return rifiuta(
                QCoreApplication::translate("Server", "l'indirizzo contiene una password: va messa in ~/.pgpass"));
        if (chiave == QLatin1String("host"))
            indirizzo.host = valore;
        else if (chiave == QLatin1String("port"))
            porta = valore;
        else if (chiave == QLatin1String("dbname"))
            indirizzo.database = valore;
        else if (chiave == QLatin1String("user"))
            indirizzo.utente = valore;
        // The driver joins its options with blanks, unquoted: a value must be one word.
        else if (parola.match(chiave).hasMatch() && parola.match(valore).hasMatch())
            indirizzo.opzioni << chiave + u'=' + valore;
        else
            return rifiuta(
                QCoreApplication::translate("Server", "un'opzione dell'indirizzo non si può passare al server: %1")
                    .arg(coppia));
    }
    if (!porta.isEmpty()) {
        bool numero = false;
        indirizzo.porta = porta.toInt(&numero);
        if (!numero || indirizzo.porta < 1 || indirizzo.porta > 65535)
            return rifiuta(
                QCoreApplication::translate("Server", "porta fuori dai limiti (da 1 a 65535): %1").arg(porta));
    }
    if (indirizzo.database.isEmpty())
        return rifiuta(QCoreApplication::translate("Server", "l'indirizzo non indica il database: %1").arg(url));
    return indirizzo;
}

bool Server::connessionePersa(const QSqlError& errore)
{
    const QString stato = errore.nativeErrorCode();
    return errore.type() == QSqlError::ConnectionError || stato.isEmpty() ||
           stato.startsWith(QLatin1String("08")) || stato.startsWith(QLatin1String("57P0"));
}

ConnessioneServer::ConnessioneServer(IndirizzoServer indirizzo, QString password, int limiteMs)
    : nome_(QStringLiteral("registro-server-%1").arg(numero.fetchAndAddRelaxed(1))),
      indirizzo_(std::move(indirizzo)), password_(std::move(password)), limiteMs_(limiteMs)
{
    QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QPSQL"), nome_);
    if (!db.isValid()) {
        errore_ = QStringLiteral("PostgreSQL driver of Qt SQL missing (libqt6sql6-psql)");
        return;
    }
    db.setHostName(indirizzo_.host);
    db.setPort(indirizzo_.porta);
    db.setDatabaseName(indirizzo_.database);
    db.setUserName(indirizzo_.utente);
    db.setPassword(password_);
    db.setConnectOptions((QStringList{OpzioniFisse} + indirizzo_.opzioni).join(u';'));
}

ConnessioneServer::~ConnessioneServer()
{
    {
        QSqlDatabase db = QSqlDatabase::database(nome_, false);
        if (db.isOpen())
            db.close();
    }
    QSqlDatabase::removeDatabase(nome_);
}

QSqlDatabase ConnessioneServer::db() const { return QSqlDatabase::database(nome_, false); }

bool ConnessioneServer::apri()
{
    aperta_ = false;
    QSqlDatabase db = this->db();
    if (!db.isValid())
        return false;
    if (db.isOpen())
        db.close();
    if (!db.open()) {
        errore_ = db.lastError().text();
        return false;
    }
    // The server's own limit, so that a statement stuck behind a lock or a huge query ends;
    // a server that does not answer at all is the worker's wait, never the window's.
    aperta_ = esegui(db, QStringLiteral("SET statement_timeout = %1").arg(limiteMs_), &errore_);
    if (aperta_)
        errore_.clear();
    return aperta_;
}

bool ConnessioneServer::provaTransazione(const std::function<bool(QSqlDatabase, QString*)>& passi, bool* persa)
{
    QSqlDatabase db = this->db();
    QSqlError dettaglio;
    if (!esegui(db, QStringLiteral("BEGIN"), &errore_, &dettaglio)) {
        *persa = Server::connessionePersa(dettaglio);
        return false;
    }
    QString errore;
    if (passi(db, &errore) && esegui(db, QStringLiteral("COMMIT"), &errore_, &dettaglio)) {
        errore_.clear();
        return true;
    }
    if (!errore.isEmpty())
        errore_ = errore;
    // A step's error leaves no SQLSTATE for us: the link is tested by the rollback itself.
    *persa = !esegui(db, QStringLiteral("ROLLBACK"), nullptr, &dettaglio) && Server::connessionePersa(dettaglio);
    return false;
}

int Server::versione(QSqlDatabase db, QString* errore)
{
    QSqlQuery q(db);
    const auto fallito = [&] {
        if (errore)
            *errore = q.lastError().text();
        return -1;
    };
    if (!q.exec(QStringLiteral("SELECT to_regclass('versione_schema') IS NOT NULL")) || !q.next())
        return fallito();
    if (!q.value(0).toBool())
        return 0;
    if (!q.exec(QStringLiteral("SELECT versione FROM versione_schema")))
        return fallito();
    return q.next() ? q.value(0).toInt() : 0;
}

Schema::Esito Server::prepara(ConnessioneServer& connessione)
{
    Schema::Esito esito;
    if (!connessione.aperta() && !connessione.apri()) {
        esito.messaggio = connessione.errore();
        return esito;
    }
    // A role without the right to read it learns so here, with the server's words.
    esito.versione = versione(connessione.db(), &esito.messaggio);
    if (esito.versione < 0)
        return esito;
    if (esito.versione > Schema::Versione) {
        esito.stato = Schema::Stato::Futuro;
        return esito;
    }
    if (esito.versione == 0 && estraneo(connessione.db())) {
        esito.stato = Schema::Stato::Estraneo;
        return esito;
    }
    for (int v = esito.versione; v < Schema::Versione; ++v) {
        const bool fatto = connessione.transazione([v](QSqlDatabase db, QString* errore) {
            if (!esegui(db, QStringLiteral("SELECT pg_advisory_xact_lock(%1)").arg(ChiavePreparazione), errore))
                return false;
            const int trovata = versione(db);
            if (trovata != v)
                return trovata > v;
            for (const QString& istruzione : passi()[v])
                if (!esegui(db, istruzione, errore))
                    return false;
            return esegui(db, QStringLiteral("DELETE FROM versione_schema"), errore) &&
                   esegui(db, QStringLiteral("INSERT INTO versione_schema (versione) VALUES (%1)").arg(v + 1),
                          errore);
        });
        if (!fatto) {
            esito.messaggio = connessione.errore();
            return esito;
        }
    }
    esito.versione = versione(connessione.db());
    esito.stato = esito.versione == Schema::Versione ? Schema::Stato::Pronto : Schema::Stato::Errore;
    return esito;
}

Server::EsitoInvio Server::inviaLotto(ConnessioneServer& connessione, const QList<Risposta>& risposte,
                                      const QList<Sessione>& sessioni)
{
    EsitoInvio esito;
    if (risposte.isEmpty())
        return esito;
    int nuove = 0;
    const bool fatto = connessione.transazione([&](QSqlDatabase db, QString* errore) {
        nuove = 0; // a second try after a lost connection counts afresh
        if (!esegui(db, QStringLiteral("SAVEPOINT lotto"), errore) || !inserisciSessioni(db, sessioni, errore))
            return false;
        for (auto da = risposte.cbegin(); da != risposte.cend();) {
            const auto a = da + std::min<qsizetype>(RighePerIstruzione, risposte.cend() - da);
            if (!inserisci(db, da, a, &nuove, errore))
                return false;
            da = a;
        }
        return true;
    });
    if (!fatto) {
        esito.errore = connessione.errore();
        return esito;
    }
    esito.confermate = int(risposte.size());
    esito.nuove = nuove;
    return esito;
}
