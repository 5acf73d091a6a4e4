#include "register/accessoregistro.h"

#include "registro/connessione.h"
#include "registro/schema.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QThread>

namespace {

// How long the application's end waits for a call to the register still running: a busy
// file gives up within its own time-out, well before.
constexpr int FineEntroMs = 15000;

// The register's thread, and the connection it keeps: only that thread touches it.
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
            connessione_.reset();
            thread_.quit();
        });
        thread_.wait(FineEntroMs);
    }

    void posta(std::function<void()> lavoro)
    {
        QMetaObject::invokeMethod(ricevente_, std::move(lavoro), Qt::QueuedConnection);
    }

    // On the register's thread.
    QSqlDatabase apri(const QString& file, QString* guasto)
    {
        if (!connessione_ || connessione_->file() != file) {
            connessione_.reset();
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
        switch (stato_) {
        case Schema::Stato::Pronto:
            return connessione_->db();
        case Schema::Stato::Futuro:
            *guasto = QCoreApplication::translate("AccessoRegistro", "Il registro %1 è di una versione più nuova "
                                                                     "del programma: aggiorna Tarvello.")
                          .arg(QDir::toNativeSeparators(file));
            break;
        case Schema::Stato::Estraneo:
            *guasto = QCoreApplication::translate("AccessoRegistro", "Il file %1 non è un registro di Tarvello.")
                          .arg(QDir::toNativeSeparators(file));
            break;
        case Schema::Stato::Errore:
            *guasto = QCoreApplication::translate("AccessoRegistro", "Il registro %1 non si può aprire: %2")
                          .arg(QDir::toNativeSeparators(file), messaggio_);
            break;
        }
        // Tried afresh next time: the fault may have gone meanwhile.
        connessione_.reset();
        return QSqlDatabase();
    }

    void chiudi(const QString& file)
    {
        if (connessione_ && connessione_->file() == file)
            connessione_.reset();
    }

private:
    QThread thread_;
    QObject* ricevente_;
    std::unique_ptr<Connessione> connessione_;
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

void AccessoRegistro::esegui(const QString& file, std::function<void(QSqlDatabase, const QString&)> lavoro)
{
    Filo& f = filo();
    f.posta([&f, file, lavoro = std::move(lavoro)] {
        QString guasto;
        const QSqlDatabase db = f.apri(file, &guasto);
        lavoro(db, guasto);
    });
}

void AccessoRegistro::chiudi(const QString& file)
{
    Filo& f = filo();
    f.posta([&f, file] { f.chiudi(file); });
}
