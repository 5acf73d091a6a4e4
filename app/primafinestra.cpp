#include "app/primafinestra.h"

#include "app/finestre.h"
#include "app/frminizio.h"
#include "register/frmchisei.h"
#include "registro/elencodelpc.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QFutureWatcher>
#include <QPromise>
#include <QThreadPool>
#include <QTimer>

#include <memory>

namespace {
std::function<void(const QUuid&)>& alunnoScelto()
{
    static std::function<void(const QUuid&)> ascolta;
    return ascolta;
}

void apriChiSei(const QList<Alunno>& alunni)
{
    auto* chiSei = new FrmChiSei(alunni);
    chiSei->load();
    QObject::connect(chiSei, &FrmChiSei::scelto, [](const QUuid& alunno) {
        if (alunnoScelto())
            alunnoScelto()(alunno);
        loadForm<FrmInizio>().showModeless();
    });
    QObject::connect(chiSei, &Form::unloaded, [] {
        if (FrmInizio* inizio = loadedForm<FrmInizio>(); inizio && !inizio->isVisible())
            ChiudiTutto();
    });
    chiSei->showModeless();
}
} // namespace

void suAlunnoScelto(std::function<void(const QUuid&)> ascolta) { alunnoScelto() = std::move(ascolta); }

void apriPrimaFinestra(const QString& registro, int limiteMs)
{
    // Where no class was chosen for this PC there is nothing to read, and nothing to wait for:
    // the mark beside the register says so. A look at the folder costs what the program's own
    // settings and fonts already cost.
    if (!QFileInfo(segnoClasse(registro)).isFile()) {
        loadForm<FrmInizio>().showModeless();
        return;
    }
    auto promessa = std::make_shared<QPromise<ElencoDelPc>>();
    auto* lettura = new QFutureWatcher<ElencoDelPc>(QCoreApplication::instance());
    lettura->setFuture(promessa->future());
    promessa->start();
    // A lock waited for gives up within the limit, so that a run that ends at once does not
    // wait long for the read it no longer needs.
    QThreadPool::globalInstance()->start([promessa, registro, attesa = limiteMs / 2] {
        promessa->addResult(leggiElencoDelPc(registro, attesa));
        promessa->finish();
    });
    loadForm<FrmInizio>();

    // The read or the time limit, whichever comes first, decides; once.
    const auto decidi = [lettura, deciso = std::make_shared<bool>(false)](bool letto) {
        if (*deciso)
            return;
        *deciso = true;
        const ElencoDelPc elenco = letto ? lettura->result() : ElencoDelPc{};
        lettura->deleteLater();
        if (elenco.alunni.isEmpty())
            loadForm<FrmInizio>().showModeless();
        else
            apriChiSei(elenco.alunni);
    };
    QObject::connect(lettura, &QFutureWatcherBase::finished, lettura, [decidi] { decidi(true); });
    QTimer::singleShot(limiteMs, lettura, [decidi] { decidi(false); });
}
