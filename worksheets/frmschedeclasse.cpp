#include "worksheets/frmschedeclasse.h"

#include "platform/colori.h"
#include "platform/controls.h"
#include "platform/pushkey.h"

#include <QKeyEvent>
#include <QPointer>
#include <QSpinBox>

namespace {
using namespace Colori;

// The number chosen last in this run.
int& ultimoNumero()
{
    static int n = frmSchedeClasse::PrimaVolta;
    return n;
}
} // namespace

frmSchedeClasse::frmSchedeClasse()
    : Form(tr("Schede per la classe"), QSizeF(5700, 3150), Rosa, Placement::Centred, Layout::Fixed)
{
    const QFont testo = makeFont(QStringLiteral("Arial"), 11.25, true);
    Label1 = place(makeLabel(tr("Quante schede diverse?"), testo, RossoScuro), nullptr,
                   QRectF(300, 330, 3300, 420), Kind::Label, QStringLiteral("Label1"));
    spnSchede = place(new QSpinBox, nullptr, QRectF(3750, 270, 1500, 480), Kind::ComboBox, QStringLiteral("spnSchede"));
    spnSchede->setRange(MinSchede, MaxSchede);
    spnSchede->setFont(testo);
    spnSchede->setAccessibleName(tr("Quante schede diverse"));
    Label1->setBuddy(spnSchede);
    Label2 = place(makeLabel(tr("La prima è la scheda sullo schermo, le altre sono nuove; "
                                "in fondo a ogni pagina c'è il suo numero."),
                             makeFont(QStringLiteral("Arial"), 9.75), Qt::black),
                   nullptr, QRectF(300, 960, 5100, 720), Kind::Label, QStringLiteral("Label2"));
    Label2->setWordWrap(true);

    auto tasto = [this](const QString& didascalia, double left, const QString& nome, Scelta scelta) {
        auto* key = new PushKey(didascalia, Magenta, PushKey::Acts::OnClick);
        key->setFont(makeFont(QStringLiteral("Arial"), 9.75, true));
        place(key, nullptr, QRectF(left, 2100, 1560, 630), Kind::CommandButton, nome);
        connect(key, &PushKey::clicked, this, [this, scelta] { rispondi(scelta); });
        return key;
    };
    cmdStampa = tasto(tr("Stampa"), 300, QStringLiteral("cmdStampa"), Scelta::Stampa);
    cmdSalvaPdf = tasto(tr("Salva PDF..."), 2070, QStringLiteral("cmdSalvaPdf"), Scelta::SalvaPdf);
    cmdAnnulla = tasto(tr("Annulla"), 3840, QStringLiteral("cmdAnnulla"), Scelta::Annulla);
    setTabOrder(spnSchede, cmdStampa);
    setTabOrder(cmdStampa, cmdSalvaPdf);
    setTabOrder(cmdSalvaPdf, cmdAnnulla);
}

void frmSchedeClasse::onLoad()
{
    spnSchede->setValue(ultimoNumero());
    spnSchede->selectAll();
    spnSchede->setFocus();
}

void frmSchedeClasse::keyPressEvent(QKeyEvent* event)
{
    // Esc answers "Annulla", as in every dialog.
    if (event->key() == Qt::Key_Escape) {
        rispondi(Scelta::Annulla);
        return;
    }
    Form::keyPressEvent(event);
}

void frmSchedeClasse::rispondi(Scelta scelta)
{
    scelta_ = scelta;
    if (scelta != Scelta::Annulla)
        ultimoNumero() = spnSchede->value();
    unload();
}

frmSchedeClasse::Scelta frmSchedeClasse::chiedi(int& schede)
{
    QPointer<frmSchedeClasse> w = &loadForm<frmSchedeClasse>();
    w->showModal();
    // The close box unloads the window as "Annulla" does: its answer is still there until
    // the deferred delete.
    if (!w)
        return Scelta::Annulla;
    const Scelta scelta = w->scelta_;
    if (scelta != Scelta::Annulla)
        schede = w->spnSchede->value();
    w->unload();
    return scelta;
}
