#include "registro/mittente.h"

#include "registro/connessione.h"
#include "registro/invio.h"

#include <QLoggingCategory>
#include <QSqlQuery>
#include <QVariant>

#include <chrono>
#include <condition_variable>
#include <mutex>

Q_LOGGING_CATEGORY(invioLog, "tarvello.registro.invio", QtWarningMsg)

using Orologio = std::chrono::steady_clock;
using namespace std::chrono_literals;

namespace {

constexpr int Lotto = 500;
constexpr auto PrimaPausa = std::chrono::milliseconds(1s);
constexpr auto UltimaPausa = std::chrono::milliseconds(30s);
// At the end, a send in flight is waited for this long; more batches are begun only in its
// first half.
constexpr auto TempoFinale = 1000ms;
// The server serves every PC of every lab with a bounded number of connections (100 by
// default): one that had nothing to send for a while is given back.
constexpr auto Inattiva = 60s;
// The file is written by the recorder meanwhile: moving the mark waits for it at most this long.
constexpr int AttesaBloccoMs = 1000;
constexpr int LimiteIstruzioneMs = 10000;

struct LottoLetto
{
    QList<Risposta> risposte;
    QList<Sessione> sessioni;
    qint64 ultima = 0; // the rowid of the last answer
};

const QString Segno =
    QStringLiteral("COALESCE((SELECT CAST(valore AS INTEGER) FROM impostazioni WHERE chiave = ?), 0)");

QUuid uuid(const QVariant& v) { return v.isNull() ? QUuid() : QUuid(v.toString()); }
QDateTime istante(const QVariant& v) { return QDateTime::fromString(v.toString(), Qt::ISODateWithMs); }

bool leggi(QSqlDatabase db, LottoLetto* lotto, QString* errore)
{
    QSqlQuery q(db);
    if (!esegui(q,
                QStringLiteral("SELECT rowid, id, sessione, esercizio, quando, pc, alunno, tipo, figura, n, m, dato,"
                               " esatta, secondi, seguito FROM risposte WHERE rowid > %1 ORDER BY rowid LIMIT %2")
                    .arg(Segno)
                    .arg(Lotto),
                {Invio::ChiaveInviate}, errore))
        return false;
    qint64 prima = -1;
    while (q.next()) {
        if (prima < 0)
            prima = q.value(0).toLongLong();
        lotto->ultima = q.value(0).toLongLong();
        lotto->risposte << Risposta{uuid(q.value(1)),      uuid(q.value(2)),         q.value(3).toInt(),
                                    istante(q.value(4)),   q.value(5).toString(),    uuid(q.value(6)),
                                    q.value(7).toInt(),    q.value(8).toInt(),       q.value(9).toInt(),
                                    q.value(10).toInt(),   q.value(11).toInt(),      q.value(12).toInt() != 0,
                                    q.value(13).toDouble(), Seguito(q.value(14).toInt())};
    }
    if (lotto->risposte.isEmpty())
        return true;
    if (!esegui(q,
                QStringLiteral("SELECT id, pc, alunno, inizio, fine FROM sessioni WHERE id IN"
                               " (SELECT sessione FROM risposte WHERE rowid BETWEEN ? AND ?)"),
                {prima, lotto->ultima}, errore))
        return false;
    while (q.next())
        lotto->sessioni << Sessione{uuid(q.value(0)), q.value(1).toString(), uuid(q.value(2)), istante(q.value(3)),
                                    istante(q.value(4))};
    return true;
}

// Never back: a run that was left sending may confirm an older batch after a newer run moved on.
bool segna(QSqlDatabase db, qint64 rowid, const QUuid& id, QString* errore)
{
    return scrivi(
        db,
        [&] {
            QSqlQuery q(db);
            if (!esegui(q, QStringLiteral("SELECT %1").arg(Segno), {Invio::ChiaveInviate}, errore) || !q.next())
                return false;
            if (q.value(0).toLongLong() >= rowid)
                return true;
            const QString scriviValore = QStringLiteral("INSERT INTO impostazioni (chiave, valore) VALUES (?, ?)"
                                                        " ON CONFLICT (chiave) DO UPDATE SET valore = excluded.valore");
            return esegui(q, scriviValore, {Invio::ChiaveInviate, rowid}, errore) &&
                   esegui(q, scriviValore, {Invio::ChiaveUltimaInviata, testoId(id)}, errore);
        },
        errore);
}

// The mark holds while the answer it names is still at its rowid. When it is not (the file's
// last answers were deleted, and their rowids given again), everything is sent once more: the
// server skips what it holds.
bool verificaSegno(QSqlDatabase db, QString* errore)
{
    QSqlQuery q(db);
    if (!esegui(q,
                QStringLiteral("SELECT %1, (SELECT valore FROM impostazioni WHERE chiave = ?),"
                               " (SELECT id FROM risposte WHERE rowid = %1)")
                    .arg(Segno),
                {Invio::ChiaveInviate, Invio::ChiaveUltimaInviata, Invio::ChiaveInviate}, errore) ||
        !q.next())
        return false;
    const qint64 segno = q.value(0).toLongLong();
    if (segno == 0 || (!q.value(2).isNull() && (q.value(1).isNull() || q.value(1).toString() == q.value(2).toString())))
        return true;
    qCWarning(invioLog) << "The answers under the mark of" << segno << "changed: all of them are sent again";
    return scrivi(
        db,
        [&] {
            QSqlQuery azzera(db);
            return esegui(azzera, QStringLiteral("DELETE FROM impostazioni WHERE chiave IN (?, ?)"),
                          {Invio::ChiaveInviate, Invio::ChiaveUltimaInviata}, errore);
        },
        errore);
}

} // namespace

struct Mittente::Stato
{
    Stato(const QString& f, IndirizzoServer s) : file(f), indirizzo(std::move(s)) {}

    void esegui();

    const QString file;
    const IndirizzoServer indirizzo;

    std::mutex mutex;
    std::condition_variable sveglia; // to the thread
    std::condition_variable fatto;   // from the thread
    quint64 richieste = 0;           // asks to send what the file holds
    quint64 servite = 0;             // the last ask after which the file had nothing left to send
    bool subito = false;
    bool fine = false;
    Orologio::time_point finoA;      // at the end: no batch is begun after this
    bool finito = false;             // the thread has let go of its connections

private:
    enum class Cosa { Invia, Chiudi, Fine };
    Cosa aspetta(quint64* richiesta, Orologio::time_point ultimoUso);
    bool passo();
    bool pronto();
    bool continuare();
    void problema(const QString& motivo);

    // The thread's own.
    std::unique_ptr<ConnessioneServer> server;
    bool schemaVisto = false;
    Orologio::time_point prossimo{};
    std::chrono::milliseconds pausa = PrimaPausa;
    QString ultimoMotivo;
};

void Mittente::Stato::esegui()
{
    auto ultimoUso = Orologio::now();
    for (;;) {
        quint64 richiesta = 0;
        const Cosa cosa = aspetta(&richiesta, ultimoUso);
        if (cosa == Cosa::Fine)
            break;
        if (cosa == Cosa::Chiudi) {
            server.reset();
            schemaVisto = false;
            continue;
        }
        const bool vuoto = passo();
        ultimoUso = Orologio::now();
        {
            std::lock_guard l(mutex);
            if (vuoto)
                servite = std::max(servite, richiesta);
        }
        fatto.notify_all();
    }
    // The run's last answers, when the server was answering: never a new connection now, which
    // may take seconds.
    if (server && schemaVisto && Orologio::now() >= prossimo && continuare())
        passo();
    server.reset();
    {
        std::lock_guard l(mutex);
        finito = true;
    }
    fatto.notify_all();
}

Mittente::Stato::Cosa Mittente::Stato::aspetta(quint64* richiesta, Orologio::time_point ultimoUso)
{
    std::unique_lock l(mutex);
    for (;;) {
        if (fine)
            return Cosa::Fine;
        const bool chiesto = richieste != servite;
        if (subito || (chiesto && Orologio::now() >= prossimo)) {
            subito = false;
            *richiesta = richieste;
            return Cosa::Invia;
        }
        if (chiesto)
            sveglia.wait_until(l, prossimo);
        else if (!server)
            sveglia.wait(l);
        else if (Orologio::now() >= ultimoUso + Inattiva)
            return Cosa::Chiudi;
        else
            sveglia.wait_until(l, ultimoUso + Inattiva);
    }
}

// True when the file has nothing left to send.
bool Mittente::Stato::passo()
{
    if (!pronto())
        return false;
    // Opened for each pass: a corrupt file set aside by the recorder is left behind with it.
    Connessione locale(file, AttesaBloccoMs);
    if (!locale.aperta()) {
        problema(locale.errore());
        return false;
    }
    if (QString errore; !verificaSegno(locale.db(), &errore)) {
        problema(errore);
        return false;
    }
    while (continuare()) {
        LottoLetto lotto;
        QString errore;
        if (!leggi(locale.db(), &lotto, &errore)) {
            problema(errore);
            return false;
        }
        if (lotto.risposte.isEmpty()) {
            if (!ultimoMotivo.isEmpty())
                qCInfo(invioLog) << "The school's server" << indirizzo.descrizione() << "takes the answers again";
            ultimoMotivo.clear();
            pausa = PrimaPausa;
            return true;
        }
        const Server::EsitoInvio esito = Server::inviaLotto(*server, lotto.risposte, lotto.sessioni);
        if (!esito.errore.isEmpty()) {
            schemaVisto = false;
            problema(esito.errore);
            return false;
        }
        // Failing here sends the batch again later, which adds nothing on the server.
        if (!segna(locale.db(), lotto.ultima, lotto.risposte.last().id, &errore)) {
            problema(errore);
            return false;
        }
    }
    return false;
}

// Opens the connection, again after any failure (Qt's driver does not notice a lost one), and
// reads whether the server holds this program's register.
bool Mittente::Stato::pronto()
{
    if (schemaVisto && server && server->aperta())
        return true;
    if (!server)
        server = std::make_unique<ConnessioneServer>(indirizzo, QString(), LimiteIstruzioneMs);
    if (!server->apri()) {
        problema(server->errore());
        return false;
    }
    QString letta;
    const int versione = Server::versione(server->db(), &letta);
    if (versione != Schema::Versione) {
        problema(versione < 0   ? QStringLiteral("the register's version cannot be read: %1").arg(letta)
                 : versione == 0 ? QStringLiteral("no register prepared on it yet")
                                 : QStringLiteral("a newer program's register (version %1)").arg(versione));
        return false;
    }
    schemaVisto = true;
    return true;
}

bool Mittente::Stato::continuare()
{
    std::lock_guard l(mutex);
    return !fine || Orologio::now() < finoA;
}

// Logged once until it changes: a lab of PCs retrying every 30 s would fill the system's log.
void Mittente::Stato::problema(const QString& motivo)
{
    if (motivo != ultimoMotivo)
        qCWarning(invioLog) << "The answers wait for the school's server" << indirizzo.descrizione() << "-"
                            << motivo;
    ultimoMotivo = motivo;
    prossimo = Orologio::now() + pausa;
    pausa = std::min(pausa * 2, UltimaPausa);
}

Mittente::Mittente(const QString& file, IndirizzoServer server)
    : stato_(std::make_shared<Stato>(file, std::move(server)))
{
    thread_ = std::thread([s = stato_] { s->esegui(); });
}

Mittente::~Mittente()
{
    Stato& s = *stato_;
    std::unique_lock l(s.mutex);
    s.fine = true;
    s.finoA = Orologio::now() + TempoFinale / 2;
    s.sveglia.notify_one();
    const bool finito = s.fatto.wait_for(l, TempoFinale, [&s] { return s.finito; });
    l.unlock();
    if (finito) {
        thread_.join();
        return;
    }
    // Stuck in libpq, on a server that does not answer: the thread keeps its own state alive
    // and ends by itself if the server ever answers; the process's end takes it otherwise.
    qCWarning(invioLog) << "The school's server" << s.indirizzo.descrizione()
                        << "does not answer: what waits is sent by the next run";
    thread_.detach();
}

void Mittente::sveglia()
{
    {
        std::lock_guard l(stato_->mutex);
        ++stato_->richieste;
    }
    stato_->sveglia.notify_one();
}

bool Mittente::attendi(int ms)
{
    Stato& s = *stato_;
    std::unique_lock l(s.mutex);
    const quint64 richiesta = ++s.richieste;
    s.subito = true;
    s.sveglia.notify_one();
    return s.fatto.wait_for(l, std::chrono::milliseconds(ms), [&] { return s.servite >= richiesta; });
}
