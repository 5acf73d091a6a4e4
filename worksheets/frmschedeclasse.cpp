#include "worksheets/frmschedeclasse.h"

#include "forms/colori.h"
#include "forms/controls.h"
#include "forms/messagebox.h"
#include "forms/pushkey.h"

#include <QKeyEvent>
#include <QPointer>
#include <QRegularExpression>
#include <QSpinBox>
#include <algorithm>

namespace {
using namespace Colori;

// The number chosen last in this run.
int& ultimoNumero()
{
    static int n = frmSchedeClasse::PrimaVolta;
    return n;
}

// A number out of the range stands in the box as it was typed, to be refused when it is
// used: a plain spin box drops the keystroke, and "41" typed in haste would read 4.
class NumeroSchede : public QSpinBox
{
public:
    QValidator::State validate(QString& text, int& pos) const override
    {
        const QValidator::State state = QSpinBox::validate(text, pos);
        static const QRegularExpression cifre(QStringLiteral("^\\s*\\d{1,3}\\s*$"));
        return state == QValidator::Invalid && cifre.match(text).hasMatch() ? QValidator::Intermediate : state;
    }
    // Leaving the box with a number out of the range puts the nearest one there, in view.
    void fixup(QString& text) const override
    {
        bool numero = false;
        const int n = text.trimmed().toInt(&numero);
        if (numero)
            text = QString::number(std::clamp(n, minimum(), maximum()));
        else
            QSpinBox::fixup(text);
    }
};
} // namespace

frmSchedeClasse::frmSchedeClasse()
    : Form(tr("Schede per la classe"), QSizeF(5700, 3150), Rosa, Placement::Centred, Layout::Fixed)
{
    const QFont testo = makeFont(QStringLiteral("Arial"), 11.25, true);
    Label1 = place(makeLabel(tr("Quante schede diverse?"), testo, RossoScuro), nullptr,
                   QRectF(300, 330, 3300, 420), Kind::Label, QStringLiteral("Label1"));
    spnSchede = place(new NumeroSchede, nullptr, QRectF(3750, 270, 1500, 480), Kind::ComboBox, QStringLiteral("spnSchede"));
    spnSchede->setRange(MinSchede, MaxSchede);
    spnSchede->setFont(testo);
    spnSchede->setAccessibleName(tr("Quante schede diverse"));
    spnSchede->installEventFilter(this);
    Label1->setBuddy(spnSchede);
    lblIntervallo = place(makeLabel(tr("da %1 a %2").arg(MinSchede).arg(MaxSchede),
                                    makeFont(QStringLiteral("Arial"), 9.75), Qt::black),
                          nullptr, QRectF(3750, 780, 1500, 270), Kind::Label, QStringLiteral("lblIntervallo"));
    lblIntervallo->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    spnSchede->setAccessibleDescription(lblIntervallo->text());
    Label2 = place(makeLabel(tr("La prima è la scheda sullo schermo, le altre sono nuove; "
                                "in fondo a ogni pagina c'è il suo numero."),
                             makeFont(QStringLiteral("Arial"), 9.75), Qt::black),
                   nullptr, QRectF(300, 1110, 5100, 720), Kind::Label, QStringLiteral("Label2"));
    Label2->setWordWrap(true);

    auto tasto = [this](const QString& didascalia, double left, const QString& nome, Scelta scelta) {
        auto* key = new PushKey(didascalia, Magenta, PushKey::Acts::OnClick);
        key->setFont(makeFont(QStringLiteral("Arial"), 9.75, true));
        // A click leaves the keyboard in the box, whose number is then checked as it was typed.
        key->setFocusPolicy(Qt::TabFocus);
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

bool frmSchedeClasse::eventFilter(QObject* watched, QEvent* event)
{
    // Enter in the box presses "Stampa", as Enter presses the key that has the keyboard; held
    // down, it presses once.
    if (watched == spnSchede && event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) {
            if (!key->isAutoRepeat())
                rispondi(Scelta::Stampa);
            return true;
        }
    }
    return Form::eventFilter(watched, event);
}

bool frmSchedeClasse::numeroNelIntervallo()
{
    bool numero = false;
    const int n = spnSchede->cleanText().toInt(&numero);
    if (numero && n >= MinSchede && n <= MaxSchede) {
        spnSchede->setValue(n);
        return true;
    }
    MessageBox::show(tr("Scrivi un numero da %1 a %2.").arg(MinSchede).arg(MaxSchede));
    spnSchede->setFocus();
    spnSchede->selectAll();
    return false;
}

void frmSchedeClasse::rispondi(Scelta scelta)
{
    if (scelta != Scelta::Annulla && !numeroNelIntervallo())
        return;
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
