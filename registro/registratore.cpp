#include "registro/registratore.h"

#include "registro/anagrafe.h"
#include "registro/connessione.h"
#include "registro/elencodelpc.h"
#include "registro/giornale.h"
#include "registro/mittente.h"
#include "registro/schema.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QLoggingCategory>
#include <QSqlError>
#include <QSqlQuery>
#include <QSysInfo>
#include <QVariant>

#include <chrono>
#include <condition_variable>
#include <mutex>
#include <optional>
#include <thread>
#include <utility>

Q_LOGGING_CATEGORY(registroLog, "tarvello.registro", QtWarningMsg)

using Orologio = std::chrono::steady_clock;
using namespace std::chrono_literals;

namespace {

// Answers kept in memory while the register cannot be written; the oldest beyond go into the
// journal, a batch at a time.
constexpr qsizetype InMemoria = 10000;
constexpr qsizetype Lotto = 500;
constexpr auto PrimaPausa = std::chrono::milliseconds(1s);
constexpr auto UltimaPausa = std::chrono::milliseconds(30s);
// The register is opened this long after the program starts, or at once when asked: loading
// the SQL driver and taking the journals in stays off the start, which the first window alone
// should have. The answers given meanwhile wait in memory.
constexpr auto Ritardo = std::chrono::milliseconds(3s);
// At the end: how long the worker may still try, and how often.
constexpr auto TempoFinale = 2s;
constexpr auto PausaFinale = 250ms;
// A register locked by another program is given up for now after this; the next try comes later.
constexpr int AttesaBloccoMs = 1000;

const QString ChiaveAvviso = QStringLiteral("avviso_registro");

const QString InserisciRisposta = QStringLiteral(
    "INSERT INTO risposte (id, sessione, esercizio, quando, pc, alunno, tipo, figura, n, m, dato, esatta,"
    " secondi, seguito) VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?) ON CONFLICT (id) DO NOTHING");
// A run's row is written at its start, again when a pupil is chosen and at its end; the same
// run taken in from a journal later adds what the register lacks.
const QString ScriviSessione = QStringLiteral(
    "INSERT INTO sessioni (id, pc, alunno, inizio, fine) VALUES (?, ?, ?, ?, ?) ON CONFLICT (id) DO UPDATE"
    " SET alunno = coalesce(excluded.alunno, alunno), fine = coalesce(excluded.fine, fine)");

QVariant testo(const QUuid& id)
{
    return id.isNull() ? QVariant(QMetaType::fromType<QString>()) : QVariant(testoId(id));
}

QVariant ora(const QDateTime& t)
{
    return t.isValid() ? QVariant(testoIstante(t)) : QVariant(QMetaType::fromType<QString>());
}

bool corrotto(const QSqlError& e)
{
    constexpr int SqliteCorrupt = 11;
    constexpr int SqliteNotADb = 26;
    const int codice = e.nativeErrorCode().toInt() & 0xff;
    return codice == SqliteCorrupt || codice == SqliteNotADb;
}

// Renames a corrupt register and its WAL files aside under a dated name, never over another
// file; the name given, empty when it could not be moved.
QString mettiDaParte(const QString& file)
{
    const QString base =
        file + QStringLiteral(".guasto-") + QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd-HHmmss"));
    QString nome = base;
    for (int i = 2; QFileInfo::exists(nome) || QFileInfo::exists(nome + QStringLiteral("-wal")); ++i)
        nome = base + QLatin1Char('-') + QString::number(i);
    if (!QFile::rename(file, nome))
        return {};
    for (const QString& coda : {QStringLiteral("-wal"), QStringLiteral("-shm")})
        if (QFileInfo::exists(file + coda) && !QFile::rename(file + coda, nome + coda)) {
            // A new register beside the old WAL would read it as its own.
            QFile::rename(nome, file);
            return {};
        }
    return nome;
}

} // namespace

struct Registratore::Lavoro
{
    explicit Lavoro(const QString& f)
        : file(QFileInfo(f).absoluteFilePath()),
          sessione{QUuid::createUuid(), QSysInfo::machineHostName(), {}, QDateTime::currentDateTimeUtc(), {}}
    {
    }

    void esegui();

    const QString file;
    const Sessione sessione; // as it starts; the worker keeps its own copy

    // Shared with the window's thread.
    mutable std::mutex mutex;
    std::condition_variable sveglia; // to the worker
    std::condition_variable fatto;   // from the worker, to attendi()
    QList<Risposta> arrivate;
    QUuid alunno;
    bool alunnoNuovo = false;
    bool fine = false;
    bool subito = false;
    bool pronto = false;
    int inAttesa = 0;
    std::thread worker;
    Mittente* mittente = nullptr; // none without a server; outlives the worker

private:
    enum class Esito { Pronto, Rotto, NonOra };

    // Opens the register for writing, sets a corrupt one aside (`guasto`: found so on a write)
    // and begins a new one, and takes the journals in.
    bool apri(bool guasto = false);
    Esito collega();
    bool ricomincia();
    bool prendiGiornali();
    bool scriviRighe(const QList<Risposta>& risposte, const QList<Sessione>& sessioni, QSqlError* errore);
    void scriviAttesa();
    void trabocca();
    void rimanda(const QString& motivo);
    void chiudi();
    void concludi();
    void scritte(qsizetype quante);
    void avvisaMittente();

    // The worker's own.
    QList<Risposta> attesa;
    Sessione sess;
    bool sessDaScrivere = true;
    bool altrui = false; // a newer program's register or another program's file: never written
    std::unique_ptr<Connessione> conn;
    std::optional<QSqlQuery> inserisci;
    std::optional<QSqlQuery> registraSessione;
    Orologio::time_point prossimo = Orologio::now() + Ritardo;
    std::chrono::milliseconds pausa = PrimaPausa;
    QString ultimoMotivo;
};

void Registratore::Lavoro::esegui()
{
    sess = sessione;
    QList<Risposta> nuove;
    for (;;) {
        bool finire = false;
        {
            std::unique_lock l(mutex);
            const auto daFare = [this] { return !arrivate.isEmpty() || fine || subito || alunnoNuovo; };
            if (!conn)
                sveglia.wait_until(l, prossimo, daFare);
            else if (attesa.isEmpty() && !sessDaScrivere)
                sveglia.wait(l, daFare);
            nuove.swap(arrivate);
            if (std::exchange(alunnoNuovo, false)) {
                sess.alunno = alunno;
                sessDaScrivere = true;
            }
            if (std::exchange(subito, false))
                prossimo = Orologio::now();
            finire = fine;
        }
        attesa.append(nuove);
        nuove.clear();
        if (finire)
            break;
        if (!conn && Orologio::now() >= prossimo && !apri())
            rimanda(ultimoMotivo);
        if (conn)
            scriviAttesa();
        trabocca();
        {
            std::lock_guard l(mutex);
            pronto = conn != nullptr;
        }
        fatto.notify_all();
    }
    concludi();
}

bool Registratore::Lavoro::apri(bool guasto)
{
    switch (guasto ? Esito::Rotto : collega()) {
    case Esito::Pronto:
        break;
    case Esito::Rotto:
        if (!ricomincia())
            return false;
        break;
    case Esito::NonOra:
        return false;
    }
    QSqlDatabase db = conn->db();
    // Under WAL a commit outlives the program's crash without waiting for the disk; a power cut
    // may lose the last few answers, not the register.
    QSqlQuery(db).exec(QStringLiteral("PRAGMA synchronous=NORMAL"));
    inserisci.emplace(db);
    registraSessione.emplace(db);
    if (!inserisci->prepare(InserisciRisposta) || !registraSessione->prepare(ScriviSessione)) {
        ultimoMotivo = inserisci->lastError().text();
        chiudi();
        return false;
    }
    if (!prendiGiornali()) {
        chiudi();
        return false;
    }
    // The mark that lets a PC without "Chi sei?" start without the register, set right by
    // the register itself: a class chosen elsewhere shows from the next start on.
    segnaClasse(file, Anagrafe::classeDelPc(db));
    pausa = PrimaPausa;
    ultimoMotivo.clear();
    // What earlier runs left unsent, and the journals just taken in.
    avvisaMittente();
    return true;
}

Registratore::Lavoro::Esito Registratore::Lavoro::collega()
{
    QDir().mkpath(QFileInfo(file).absolutePath());
    conn = std::make_unique<Connessione>(file, AttesaBloccoMs);
    if (!conn->aperta()) {
        ultimoMotivo = conn->errore();
        const bool rotto = corrotto(conn->erroreSql());
        chiudi();
        return rotto ? Esito::Rotto : Esito::NonOra;
    }
    const Schema::Esito schema = Schema::prepara(conn->db());
    altrui = schema.stato == Schema::Stato::Futuro || schema.stato == Schema::Stato::Estraneo;
    if (altrui) {
        ultimoMotivo = schema.stato == Schema::Stato::Futuro
                           ? QStringLiteral("a newer program's register (version %1)").arg(schema.versione)
                           : QStringLiteral("another program's database");
        chiudi();
        return Esito::NonOra;
    }
    bool rotto = false;
    {
        QSqlQuery verifica(conn->db());
        if (verifica.exec(QStringLiteral("PRAGMA quick_check")))
            rotto = verifica.next() && verifica.value(0).toString() != QLatin1String("ok");
        else
            rotto = corrotto(verifica.lastError());
    }
    if (rotto || schema.stato != Schema::Stato::Pronto) {
        ultimoMotivo = rotto ? QStringLiteral("corrupt") : schema.messaggio;
        chiudi();
        return rotto ? Esito::Rotto : Esito::NonOra;
    }
    return Esito::Pronto;
}

bool Registratore::Lavoro::ricomincia()
{
    chiudi();
    const QString daParte = mettiDaParte(file);
    if (daParte.isEmpty()) {
        ultimoMotivo = QStringLiteral("corrupt, and it cannot be set aside");
        return false;
    }
    qCWarning(registroLog) << "The register" << file << "was corrupt: set aside as" << daParte;
    if (collega() != Esito::Pronto)
        return false;
    const QString avviso =
        QCoreApplication::translate("Registratore", "Il registro era guasto: è stato messo da parte come %1 e ne è "
                                                    "stato iniziato uno nuovo.")
            .arg(QFileInfo(daParte).fileName());
    if (!Anagrafe::imposta(conn->db(), ChiaveAvviso, avviso, &ultimoMotivo)) {
        chiudi();
        return false;
    }
    return true;
}

bool Registratore::Lavoro::prendiGiornali()
{
    for (const QString& giornale : Giornale::daPrendere(file)) {
        const QString preso = Giornale::prendi(giornale);
        if (preso.isEmpty())
            continue;
        const Giornale::Contenuto c = Giornale::leggi(preso);
        QSqlError errore;
        if (!scriviRighe(c.risposte, c.sessioni, &errore)) {
            ultimoMotivo = errore.text();
            return false;
        }
        // Only once it is in the register: a run that stops before this takes it in again,
        // and the answers already there are left as they are.
        QFile::remove(preso);
    }
    return true;
}

bool Registratore::Lavoro::scriviRighe(const QList<Risposta>& risposte, const QList<Sessione>& sessioni,
                                       QSqlError* errore)
{
    return scrivi(
        conn->db(),
        [&] {
            QSqlQuery& s = *registraSessione;
            for (const Sessione& se : sessioni) {
                for (const QVariant& v : {testo(se.id), QVariant(se.pc), testo(se.alunno), ora(se.inizio), ora(se.fine)})
                    s.addBindValue(v);
                if (!s.exec()) {
                    *errore = s.lastError();
                    return false;
                }
            }
            QSqlQuery& q = *inserisci;
            for (const Risposta& r : risposte) {
                for (const QVariant& v :
                     {testo(r.id), testo(r.sessione), QVariant(r.esercizio), ora(r.quando), QVariant(r.pc),
                      testo(r.alunno), QVariant(r.tipo), QVariant(r.figura), QVariant(r.n), QVariant(r.m),
                      QVariant(r.dato), QVariant(int(r.esatta)), QVariant(r.secondi), QVariant(int(r.seguito))})
                    q.addBindValue(v);
                if (!q.exec()) {
                    *errore = q.lastError();
                    return false;
                }
            }
            return true;
        },
        errore);
}

void Registratore::Lavoro::scriviAttesa()
{
    while (conn && (sessDaScrivere || !attesa.isEmpty())) {
        const qsizetype quante = std::min(attesa.size(), Lotto);
        QSqlError errore;
        if (!scriviRighe(attesa.first(quante), sessDaScrivere ? QList<Sessione>{sess} : QList<Sessione>{}, &errore)) {
            ultimoMotivo = errore.text();
            chiudi();
            // A register found corrupt on a write is set aside at once; anything else is tried later.
            if (!corrotto(errore) || !apri(true))
                rimanda(errore.text());
            return;
        }
        sessDaScrivere = false;
        attesa.remove(0, quante);
        scritte(quante);
        avvisaMittente();
    }
}

void Registratore::Lavoro::trabocca()
{
    if (attesa.size() <= InMemoria)
        return;
    const QList<Risposta> vecchie = attesa.first(attesa.size() - InMemoria + Lotto);
    if (!Giornale::aggiungi(Giornale::accanto(file), vecchie) && !Giornale::aggiungi(Giornale::diRiserva(file), vecchie))
        return; // kept in memory: nowhere else to go
    attesa.remove(0, vecchie.size());
    scritte(vecchie.size());
}

void Registratore::Lavoro::scritte(qsizetype quante)
{
    std::lock_guard l(mutex);
    inAttesa -= int(quante);
}

void Registratore::Lavoro::avvisaMittente()
{
    if (mittente)
        mittente->sveglia();
}

void Registratore::Lavoro::rimanda(const QString& motivo)
{
    qCWarning(registroLog) << "The register" << file << "cannot be written now:" << motivo << "- again in"
                           << pausa.count() << "ms";
    prossimo = Orologio::now() + pausa;
    pausa = std::min(pausa * 2, UltimaPausa);
}

void Registratore::Lavoro::chiudi()
{
    inserisci.reset();
    registraSessione.reset();
    conn.reset();
}

void Registratore::Lavoro::concludi()
{
    sess.fine = QDateTime::currentDateTimeUtc();
    sessDaScrivere = true;
    const auto scadenza = Orologio::now() + TempoFinale;
    for (;;) {
        if (!conn && !altrui)
            apri();
        if (conn)
            scriviAttesa();
        if (!sessDaScrivere && attesa.isEmpty())
            break;
        if (altrui || Orologio::now() + PausaFinale >= scadenza)
            break;
        std::this_thread::sleep_for(PausaFinale);
    }
    chiudi();
    if (sessDaScrivere || !attesa.isEmpty()) {
        const Sessione* s = sessDaScrivere ? &sess : nullptr;
        if (Giornale::aggiungi(Giornale::accanto(file), attesa, s) ||
            Giornale::aggiungi(Giornale::diRiserva(file), attesa, s))
            scritte(attesa.size());
        else
            qCWarning(registroLog) << attesa.size() << "answers could be written neither into" << file
                                   << "nor into a journal";
    }
}

Registratore::Registratore(const QString& file, std::optional<IndirizzoServer> server)
    : lavoro_(std::make_unique<Lavoro>(file))
{
    if (server) {
        mittente_ = std::make_unique<Mittente>(lavoro_->file, std::move(*server));
        lavoro_->mittente = mittente_.get();
    }
    lavoro_->arrivate.reserve(64);
    lavoro_->worker = std::thread([l = lavoro_.get()] { l->esegui(); });
}

Registratore::~Registratore()
{
    {
        std::lock_guard l(lavoro_->mutex);
        lavoro_->fine = true;
    }
    lavoro_->sveglia.notify_one();
    lavoro_->worker.join();
    // After the worker's last writes, which it may still send.
    mittente_.reset();
}

void Registratore::registra(Risposta risposta)
{
    Lavoro& l = *lavoro_;
    risposta.id = QUuid::createUuid();
    risposta.sessione = l.sessione.id;
    risposta.pc = l.sessione.pc;
    {
        std::lock_guard g(l.mutex);
        risposta.alunno = l.alunno;
        l.arrivate.append(std::move(risposta));
        ++l.inAttesa;
    }
    l.sveglia.notify_one();
}

void Registratore::scegliAlunno(const QUuid& alunno)
{
    {
        std::lock_guard g(lavoro_->mutex);
        lavoro_->alunno = alunno;
        lavoro_->alunnoNuovo = true;
    }
    lavoro_->sveglia.notify_one();
}

QUuid Registratore::sessione() const { return lavoro_->sessione.id; }
QString Registratore::file() const { return lavoro_->file; }
QString Registratore::giornaleDi(const QString& file) { return Giornale::accanto(file); }

bool Registratore::attendi(int ms)
{
    Lavoro& l = *lavoro_;
    std::unique_lock g(l.mutex);
    l.subito = true;
    l.sveglia.notify_one();
    return l.fatto.wait_for(g, std::chrono::milliseconds(ms),
                            [&l] { return l.inAttesa == 0 && l.pronto && l.arrivate.isEmpty(); });
}

bool Registratore::attendiInvio(int ms)
{
    QElapsedTimer tempo;
    tempo.start();
    return mittente_ && attendi(ms) && mittente_->attendi(int(std::max<qint64>(0, ms - tempo.elapsed())));
}

int Registratore::inAttesa() const
{
    std::lock_guard g(lavoro_->mutex);
    return lavoro_->inAttesa;
}

QString avvisoRegistro(QSqlDatabase db) { return Anagrafe::impostazione(db, ChiaveAvviso); }
