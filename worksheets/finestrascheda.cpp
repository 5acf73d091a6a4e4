#include "worksheets/finestrascheda.h"

#include "platform/controls.h"
#include "platform/messagebox.h"
#include "platform/pushkey.h"
#include "worksheets/frmstampante.h"

#include <QMenuBar>

namespace {
const QColor Rosa(255, 192, 255);
const QColor Magenta(255, 128, 255);

// A command button in the toolkit's own font, regular, its caption on one line whatever
// font the desktop gives: "VISUALIZZA 1° ESERCIZIO" split in two reads as two commands.
PushKey* comando(const QString& didascalia, const QColor& colore)
{
    auto* key = new PushKey(didascalia, colore, PushKey::Acts::OnClick);
    key->setCaptionOnOneLine(true);
    return key;
}
} // namespace

FinestraScheda::FinestraScheda(const DisegnoScheda& d)
    : Form(d.titolo, QSizeF(11910, d.altezzaInterna), Rosa, Placement::Maximized, Layout::Proportional),
      completaLaScheda_(d.completaLaScheda)
{
    const QFont titolo = makeFont("Arial", 20.25, true);
    Label1 = place(makeLabel(d.label1, titolo, QColor(192, 0, 0), Rosa), nullptr, d.posLabel1, Kind::Label,
                   QStringLiteral("Label1"));
    Label2 = place(makeLabel(d.label2, d.fontLabel2, d.testoLabel2, Rosa), nullptr, d.posLabel2, Kind::Label,
                   QStringLiteral("Label2"));
    Frame3 = place(new Frame(Rosa), nullptr, d.posFrame3, Kind::Frame, QStringLiteral("Frame3"));
    Frame4 = place(new Frame(Rosa), nullptr, d.posFrame4, Kind::Frame, QStringLiteral("Frame4"));
    Frame3->setAccessibleName(tr("Prima parte"));
    Frame4->setAccessibleName(tr("Seconda parte"));

    const char* const nomi[Esercizi] = {"CmdInsieme1", "cmdInsieme2", "cmdInsieme3", "cmdInsieme4"};
    for (int k = 1; k <= Esercizi; ++k) {
        PushKey* key = comando(d.didascaliaBottone.arg(k), Magenta);
        CmdInsieme[k - 1] = place(key, nullptr, d.posBottoni[k - 1], Kind::CommandButton, QString::fromLatin1(nomi[k - 1]));
        connect(key, &PushKey::clicked, this, [this, k] { GeneraInsieme(k); });
    }
    Command1 = place(comando(tr("STAMPA"), Magenta), nullptr, d.posStampa, Kind::CommandButton,
                     QStringLiteral("Command1"));
    connect(Command1, &PushKey::clicked, this, &FinestraScheda::Stampa);
    CmdFine = place(comando(tr("ESCI"), Magenta), nullptr, d.posFine, Kind::CommandButton,
                    QStringLiteral("CmdFine"));
    connect(CmdFine, &PushKey::clicked, this, &FinestraScheda::ChiudiScheda);
    Command2 = place(comando(VisualizzaPrima, d.coloreParte.value_or(palette().color(QPalette::Button))),
                     nullptr, d.posParte, Kind::CommandButton, QStringLiteral("Command2"));
    Command2->setFont(d.fontParte);
    connect(Command2, &PushKey::clicked, this, &FinestraScheda::scambiaParte);

    menuStampante = menuBar()->addAction(d.menuStampante);
    menuStampante->setObjectName(d.nomeMenuStampante);
    connect(menuStampante, &QAction::triggered, this, [] { loadForm<frmStampante>().showModal(); });
}

void FinestraScheda::GeneraInsieme(int k)
{
    if (k < 1 || k > Esercizi)
        return;
    InsiemeGenerato[k - 1] = true;
    mostraParte(k <= 2 ? 1 : 2);
    disegna(k);
}

void FinestraScheda::mostraParte(int parte)
{
    Command2->setText(parte == 1 ? VisualizzaSeconda : VisualizzaPrima);
    Frame3->setVisible(parte == 1);
    Frame4->setVisible(parte != 1);
}

int FinestraScheda::parteVisibile() const { return Frame4->isVisibleTo(this) ? 2 : 1; }

void FinestraScheda::scambiaParte()
{
    // The caption names the part the next press shows.
    mostraParte(Command2->text() == VisualizzaSeconda ? 2 : 1);
}

void FinestraScheda::Stampa()
{
    // One press, one job: a page on its way is never sent twice.
    if (stampaInCorso_)
        return;
    for (bool generato : InsiemeGenerato)
        if (!generato) {
            MessageBox::show(completaLaScheda_);
            return;
        }
    stampaInCorso_ = true;
    setCursor(Qt::BusyCursor);
    StampaScheda(pagina(), this, [this] {
        stampaInCorso_ = false;
        unsetCursor();
        emit stampaConclusa();
    });
}

void FinestraScheda::ChiudiScheda() { unload(); }

