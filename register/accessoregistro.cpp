#include "register/accessoregistro.h"

#include "registro/connessione.h"
#include "registro/schema.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QSqlQuery>
#include <QThread>

namespace {

// How long the application's end waits for a call to the register still running: a busy
// file gives up within its own time-out, well before.
constexpr int FineEntroMs = 15000;
// A statement on the server that outlasts this is stopped by the server itself, before the
// window gives the call up.
constexpr int LimiteIstruzioneMs = 10000;

// What the server or libpq said, told to the teacher. libpq gives no code for a connection
// that failed, only its English words: those few are looked for, and the words themselves
// follow for the technician.
AccessoRegistro::Guasto guastoServer(Schema::Stato stato, const QString& detto, const IndirizzoServer& dove)
{
    const QString registro = dove.descrizione();
    const QString ruolo = dove.utente;
    const auto dice = [&detto](const char* parole) {
        return detto.contains(QLatin1String(parole), Qt::CaseInsensitive);
    };
    switch (stato) {
    case Schema::Stato::Pronto:
        return {};
    case Schema::Stato::Futuro:
        return {QCoreApplication::translate(
                    "AccessoRegistro",
                    "Il registro della scuola %1 è di una versione più nuova del programma: aggiorna Tarvello.")
                    .arg(registro)};
    case Schema::Stato::Estraneo:
        return {QCoreApplication::translate(
                    "AccessoRegistro",
                    "Il database %1 non è un registro di Tarvello: contiene le tabelle di un altro programma.")
                    .arg(registro)};
    case Schema::Stato::Errore:
        break;
    }
    if (dice("no password supplied"))
        return {QCoreApplication::translate("AccessoRegistro",
                                            "Scrivi la password del ruolo %1 per il registro della scuola %2.")
                    .arg(ruolo, registro),
                true};
    if (dice("password authentication failed"))
        return {QCoreApplication::translate("AccessoRegistro",
                                            "La password del ruolo %1 per il registro della scuola %2 non è giusta.")
                    .arg(ruolo, registro),
                true};
    if (dice("database") && dice("does not exist"))
        return {QCoreApplication::translate(
                    "AccessoRegistro",
                    "Il registro della scuola %1 non c'è: il server non ha il database %2. Chiedi al tecnico.")
                    .arg(registro, dove.database)};
    if (dice("permission denied") || dice("must be owner") || (dice("role") && dice("does not exist")))
        return {QCoreApplication::translate(
                    "AccessoRegistro",
                    "Il ruolo %1 non ha i permessi per il registro della scuola %2. Chiedi al tecnico. (%3)")
                    .arg(ruolo, registro, detto.trimmed())};
    if (dice("could not connect") || dice("connection refused") || dice("timeout") || dice("no such file") ||
        dice("could not translate") || dice("server closed") || dice("no connection") || detto.trimmed().isEmpty())
        return {QCoreApplication::translate(
                    "AccessoRegistro",
                    "Il server del registro della scuola %1 non risponde: controlla la rete o chiedi al tecnico. (%2)")
                    .arg(registro, detto.trimmed())};
    return {QCoreApplication::translate("AccessoRegistro", "Il registro della scuola %1 non si può aprire: %2")
                .arg(registro, detto.trimmed())};
}

// The register's thread, and the connections it keeps: only that thread touches them.
class Filo
{
public:
    Filo()
    {
        thread_.setObjectName(QStringLiteral("registro"));
        ricevente_ = new QObject;
        ricevente_->moveToThread(&thread_);
        QObject::connect(&thread_, &QThread::finished, ricevente_, &QObject::deleteLater);
        thread_.start();
    }
    ~Filo()
    {
        posta([this] {
            lascia();
            thread_.quit();
        });
        thread_.wait(FineEntroMs);
    }

    void posta(std::function<void()> lavoro)
    {
        QMetaObject::invokeMethod(ricevente_, std::move(lavoro), Qt::QueuedConnection);
    }

    // On the register's thread.
    QSqlDatabase apri(const AccessoRegistro::Sede& sede, AccessoRegistro::Guasto* guasto)
    {
        if (!(sede == sede_))
            lascia();
        sede_ = sede;
        return sede.server ? apriServer(guasto) : apriFile(guasto);
    }

    QSqlDatabase locale()
    {
        if (!sede_.server)
            return connessione_ ? connessione_->db() : QSqlDatabase();
        if (!connessione_)
            apriFile(nullptr);
        return connessione_ ? connessione_->db() : QSqlDatabase();
    }

    void chiudi(const AccessoRegistro::Sede& sede)
    {
        if (sede == sede_)
            lascia();
    }

private:
    void lascia()
    {
        server_.reset();
        connessione_.reset();
        sede_ = {};
    }

    // The file: the register itself, or beside the server this PC's own. `guasto` null: only
    // the latter, and its faults are the file's reader's.
    QSqlDatabase apriFile(AccessoRegistro::Guasto* guasto)
    {
        const QString& file = sede_.file;
        if (!connessione_) {
            stato_ = Schema::Stato::Errore;
            QDir().mkpath(QFileInfo(file).absolutePath());
            connessione_ = std::make_unique<Connessione>(file);
            messaggio_ = connessione_->errore();
            if (connessione_->aperta()) {
                const Schema::Esito esito = Schema::prepara(connessione_->db());
                stato_ = esito.stato;
                messaggio_ = esito.messaggio;
            }
        }
        if (stato_ == Schema::Stato::Pronto)
            return connessione_->db();
        if (guasto) {
            switch (stato_) {
            case Schema::Stato::Pronto:
                break;
            case Schema::Stato::Futuro:
                guasto->testo = QCoreApplication::translate(
                                    "AccessoRegistro",
                                    "Il registro %1 è di una versione più nuova del programma: aggiorna Tarvello.")
                                    .arg(QDir::toNativeSeparators(file));
                break;
            case Schema::Stato::Estraneo:
                guasto->testo =
                    QCoreApplication::translate("AccessoRegistro", "Il file %1 non è un registro di Tarvello.")
                        .arg(QDir::toNativeSeparators(file));
                break;
            case Schema::Stato::Errore:
                guasto->testo = QCoreApplication::translate("AccessoRegistro", "Il registro %1 non si può aprire: %2")
                                    .arg(QDir::toNativeSeparators(file), messaggio_);
                break;
            }
        }
        // Tried afresh next time: the fault may have gone meanwhile.
        connessione_.reset();
        return QSqlDatabase();
    }

    QSqlDatabase apriServer(AccessoRegistro::Guasto* guasto)
    {
        const IndirizzoServer dove = AccessoRegistro::perInsegnante(*sede_.server);
        if (server_) {
            // Qt's driver does not notice a connection the server has dropped: one short
            // question a call finds out, and the connection is made again.
            QSqlQuery q(server_->db());
            if (q.exec(QStringLiteral("SELECT 1")))
                return server_->db();
            server_.reset();
        }
        server_ = std::make_unique<ConnessioneServer>(dove, sede_.password, LimiteIstruzioneMs);
        // The schema is made or brought up to date from here, as the technician's command does.
        const Schema::Esito esito = Server::prepara(*server_);
        *guasto = guastoServer(esito.stato, esito.messaggio.isEmpty() ? server_->errore() : esito.messaggio, dove);
        if (guasto->isEmpty())
            return server_->db();
        server_.reset();
        return QSqlDatabase();
    }

    QThread thread_;
    QObject* ricevente_;
    AccessoRegistro::Sede sede_;
    std::unique_ptr<Connessione> connessione_;
    std::unique_ptr<ConnessioneServer> server_;
    Schema::Stato stato_ = Schema::Stato::Errore;
    QString messaggio_;
};

Filo& filo()
{
    static Filo* f = [] {
        auto* nuovo = new Filo;
        qAddPostRoutine([] { delete &filo(); });
        return nuovo;
    }();
    return *f;
}

} // namespace

IndirizzoServer AccessoRegistro::perInsegnante(IndirizzoServer indirizzo)
{
    if (indirizzo.utente.isEmpty() || indirizzo.utente == Server::RuoloAlunni)
        indirizzo.utente = Server::RuoloInsegnanti;
    return indirizzo;
}

void AccessoRegistro::esegui(const Sede& sede, std::function<void(QSqlDatabase, const Guasto&)> lavoro)
{
    Filo& f = filo();
    f.posta([&f, sede, lavoro = std::move(lavoro)] {
        Guasto guasto;
        const QSqlDatabase db = f.apri(sede, &guasto);
        lavoro(db, guasto);
    });
}

QSqlDatabase AccessoRegistro::fileLocale() { return filo().locale(); }

void AccessoRegistro::chiudi(const Sede& sede)
{
    Filo& f = filo();
    f.posta([&f, sede] { f.chiudi(sede); });
}
