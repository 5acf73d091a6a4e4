#include "worksheets/frmstampante.h"

#include "forms/controls.h"
#include "printing/printer.h"
#include "forms/pushkey.h"

#include <QComboBox>
#include <QLabel>

frmStampante::frmStampante()
    : Form(tr("Form1"), QSizeF(6060, 5460), QColor(255, 255, 192), Placement::Centred,
           Layout::Fixed)
{
    const QFont testo = makeFont("MS Sans Serif", 9.75, true);
    // Printers' names are long words: "HP_LaserJet_Professional_P1102".
    Label1 = place(makeWrappingLabel(testo, Qt::black), nullptr, QRectF(432, 168, 1716, 1524), Kind::Label,
                   QStringLiteral("Label1"));
    Label2 = place(makeWrappingLabel(testo, Qt::black), nullptr, QRectF(3276, 120, 1704, 1452), Kind::Label,
                   QStringLiteral("Label2"));
    // Label2 stays empty until a printer is picked: a listener still learns what it is for.
    Label1->setAccessibleDescription(tr("Stampante predefinita"));
    Label2->setAccessibleDescription(tr("Stampante scelta"));
    Combo1 = place(new QComboBox, nullptr, QRectF(612, 2400, 4632, 336), Kind::ComboBox, QStringLiteral("Combo1"));
    Combo1->setFont(testo);
    Combo1->setAccessibleName(tr("Stampanti installate"));
    // The caption "Form1" says nothing to a listener.
    setAccessibleName(tr("Scelta della stampante"));
    connect(Combo1, &QComboBox::activated, this, [this] { Combo1_Click(); });
    Command2 = new PushKey(tr("C H I U D I"), QColor(255, 255, 128), PushKey::Acts::OnClick);
    Command2->setFont(makeFont("MS Sans Serif", 13.5, true));
    place(Command2, nullptr, QRectF(1128, 4188, 3168, 648), Kind::CommandButton, QStringLiteral("Command2"));
    connect(Command2, &PushKey::clicked, this, &Form::hideForm);
    setTabOrder(Combo1, Command2);
    Combo1->setFocus();
}

void frmStampante::showEvent(QShowEvent* event)
{
    Form::showEvent(event);
    // Printers come and go between openings, however the window was closed.
    if (inLettura_)
        rileggi_ = true;
    else
        leggiStampanti();
}

void frmStampante::leggiStampanti()
{
    inLettura_ = true;
    rileggi_ = false;
    setCursor(Qt::BusyCursor);
    Printers::list(this, [this](const PrinterList& elenco) {
        inLettura_ = false;
        unsetCursor();
        mostraStampanti(elenco);
        if (rileggi_)
            leggiStampanti();
    });
}

void frmStampante::mostraStampanti(const PrinterList& elenco)
{
    const QString mostrata = Combo1->currentText();
    stampanti_ = elenco.names;
    {
        const QSignalBlocker quiet(Combo1);
        Combo1->clear();
        for (const QString& nome : stampanti_) {
            Combo1->addItem(nome);
            Combo1->setItemData(Combo1->count() - 1, nome, Qt::ToolTipRole);
        }
    }
    if (!elenco.answered) {
        scrivi(Label1, tr("Il servizio di stampa non risponde"));
        return;
    }
    if (stampanti_.isEmpty()) {
        scrivi(Label1, tr("Nessuna stampante installata"));
        return;
    }
    // Selecting an entry raises the selection, which the window's own click ignores: the
    // entry shown before if it is still there, the first one the first time.
    PrimoClick = false;
    Combo1->setCurrentIndex(qMax(0, int(stampanti_.indexOf(mostrata))));
    Combo1_Click();
    // The printer the worksheets print on: the one chosen, or the system's default.
    const QString corrente = Printers::chosen().isEmpty() ? elenco.defaultName : Printers::chosen();
    if (corrente.isEmpty())
        scrivi(Label1, tr("Nessuna stampante predefinita"));
    else
        scrivi(Label1, tr("La stampante predefinita è \r\n%1").arg(corrente));
}

void frmStampante::Combo1_Click()
{
    if (!PrimoClick) {
        PrimoClick = true;
        return;
    }
    // Names are compared exactly; the first of two equal names wins.
    for (const QString& nome : std::as_const(stampanti_))
        if (nome == Combo1->currentText()) {
            Printers::setCurrent(nome);
            break;
        }
    Combo1->setToolTip(Combo1->currentText());
    scrivi(Label2, tr("La stampante scelta è \r\n%1").arg(Printers::current()));
}

void frmStampante::scrivi(QLabel* label, const QString& testo)
{
    // A long name may be cut short on the window: the tooltip has all of it, and so has what
    // a screen reader hears, which is the label's text.
    label->setText(testo);
    label->setToolTip(testo);
}
