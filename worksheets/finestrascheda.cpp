#include "worksheets/finestrascheda.h"

#include "forms/colori.h"
#include "forms/controls.h"
#include "forms/messagebox.h"
#include "printing/pdffile.h"
#include "printing/printer.h"
#include "forms/pushkey.h"
#include "printing/savedialog.h"
#include "worksheets/frmschedeclasse.h"
#include "worksheets/frmstampante.h"

#include <QDate>
#include <QDir>
#include <QMenuBar>
#include <QPointer>

namespace {
using namespace Colori;

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
      completaLaScheda_(d.completaLaScheda), tipo_(d.tipo), istruzione_(d.istruzione), secondi_(d.secondi)
{
    const QFont titolo = makeFont("Arial", 20.25, true);
    Label1 = place(makeLabel(d.label1, titolo, RossoScuro, Rosa), nullptr, d.posLabel1, Kind::Label,
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
    mnuStampaClasse = menuBar()->addAction(tr("Stampa per la classe..."));
    mnuStampaClasse->setObjectName(QStringLiteral("mnuStampaClasse"));
    connect(mnuStampaClasse, &QAction::triggered, this, &FinestraScheda::StampaClasse);
    mnuSalvaPdf = menuBar()->addAction(tr("Salva PDF..."));
    mnuSalvaPdf->setObjectName(QStringLiteral("mnuSalvaPdf"));
    connect(mnuSalvaPdf, &QAction::triggered, this, &FinestraScheda::SalvaPdf);
}

void FinestraScheda::GeneraInsieme(int k)
{
    if (k < 1 || k > Esercizi)
        return;
    InsiemeGenerato[k - 1] = true;
    mostraParte(k <= 2 ? 1 : 2);
    esercizi_[std::size_t(k - 1)] = estrai(k);
    mostra(k);
}

void FinestraScheda::mostraParte(int parte)
{
    parte_ = parte == 1 ? 1 : 2;
    Command2->setText(parte == 1 ? VisualizzaSeconda : VisualizzaPrima);
    Frame3->setVisible(parte == 1);
    Frame4->setVisible(parte != 1);
}


void FinestraScheda::scambiaParte()
{
    mostraParte(parte_ == 1 ? 2 : 1);
}

bool FinestraScheda::completa()
{
    for (bool generato : InsiemeGenerato)
        if (!generato) {
            MessageBox::show(completaLaScheda_);
            return false;
        }
    return true;
}

void FinestraScheda::Stampa()
{
    // One press, one job: a page on its way is never sent twice.
    if (!stampaInCorso_ && completa())
        stampaPagine({pagina()});
}

void FinestraScheda::stampaPagine(const QList<PaginaScheda>& pagine)
{
    stampaInCorso_ = true;
    indicaAttesa();
    StampaSchede(pagine, this, [this] {
        stampaInCorso_ = false;
        indicaAttesa();
        emit stampaConclusa();
    });
}

PaginaScheda FinestraScheda::pagina() const
{
    PaginaScheda p;
    p.istruzione = istruzione_;
    p.secondi = secondi_;
    p.esercizi = esercizi_;
    return p;
}

PaginaScheda FinestraScheda::paginaNuova() const
{
    PaginaScheda p = pagina();
    for (int k = 1; k <= Esercizi; ++k)
        p.esercizi[std::size_t(k - 1)] = estrai(k);
    return p;
}

void FinestraScheda::indicaAttesa()
{
    if (stampaInCorso_ || salvataggioInCorso_)
        setCursor(Qt::BusyCursor);
    else
        unsetCursor();
}

QList<PaginaScheda> FinestraScheda::schedeClasse(int schede) const
{
    QList<PaginaScheda> pagine;
    pagine.reserve(schede);
    for (int i = 1; i <= schede; ++i) {
        pagine.append(i == 1 ? pagina() : paginaNuova());
        pagine.last().piede = tr("Scheda %1 di %2").arg(i).arg(schede);
    }
    return pagine;
}

void FinestraScheda::StampaClasse()
{
    // The pointer alone says little to a teacher looking at the menu.
    if (stampaInCorso_) {
        MessageBox::show(tr("Stampa in corso: attendi."));
        return;
    }
    if (!completa())
        return;
    int schede = frmSchedeClasse::PrimaVolta;
    switch (frmSchedeClasse::chiedi(schede)) {
    case frmSchedeClasse::Scelta::Stampa:
        stampaPagine(schedeClasse(schede));
        break;
    case frmSchedeClasse::Scelta::SalvaPdf:
        salvaPagine(schedeClasse(schede));
        break;
    case frmSchedeClasse::Scelta::Annulla:
        break;
    }
}

void FinestraScheda::SalvaPdf()
{
    if (completa())
        salvaPagine({pagina()});
}

bool FinestraScheda::salvaPagine(const QList<PaginaScheda>& pagine)
{
    // A second file while the first is written would leave the teacher unsure which is which.
    if (salvataggioInCorso_) {
        MessageBox::show(tr("Salvataggio in corso: attendi."));
        return false;
    }
    const QString nome = (pagine.size() > 1 ? QStringLiteral("schede-classe-%1-%2.pdf") : QStringLiteral("scheda-%1-%2.pdf"))
                             .arg(tipo_, QDate::currentDate().toString(Qt::ISODate));
    const QString file = SaveDialog::ask(this, tr("Salva PDF"), nome, tr("Documenti PDF (*.pdf)"), QStringLiteral("pdf"));
    if (file.isEmpty())
        return false;

    salvataggioInCorso_ = true;
    indicaAttesa();
    const auto disegna = [pagine, catalogo = FigureScheda::catalogo()](PrinterSurface& s) {
        // The pictures' drawings are loaded again there, on the saving thread, as the window
        // keeps painting its own.
        const FigureScheda figure = catalogo.perUnAltroThread(pagine);
        for (qsizetype i = 0; i < pagine.size(); ++i) {
            if (i > 0)
                s.newPage();
            if (!DisegnaScheda(s, pagine[i], figure))
                throw PrinterError("the header could not be written");
        }
    };
    // The failure is told even when the window has been closed meanwhile.
    PdfFile::write(file, TitoloDocumento(pagine.size()), disegna, QCoreApplication::instance(),
                   [finestra = QPointer<FinestraScheda>(this)](const Outcome& esito) {
                       if (finestra) {
                           finestra->salvataggioInCorso_ = false;
                           finestra->indicaAttesa();
                       }
                       if (!esito.ok)
                           MessageBox::show(tr("Impossibile salvare il file %1.").arg(QDir::toNativeSeparators(esito.target)) +
                                            QLatin1Char('\n') + PdfFile::describe(esito));
                       if (finestra)
                           emit finestra->salvataggioConcluso();
                   });
    return true;
}

void FinestraScheda::ChiudiScheda() { unload(); }

