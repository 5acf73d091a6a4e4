#include "app/frminizio.h"
#include "printing/printer.h"
#include "support/paginastampata.h"
#include "support/printservice.h"
#include "support/testsupport.h"
#include "worksheets/schedaaggiungitogli.h"
#include "worksheets/schedatest.h"

#include <QTest>

// A school printer that is off, gone, renamed or refusing: each of the three worksheet windows
// says so with its message, keeps its worksheet, and prints it once the printer is back.
namespace {

const QString Problema = QStringLiteral("Problema di stampa nella stampante utilizzata.");
const QString Scelta = QStringLiteral("Tarvello_B");

FinestraScheda& apri(int finestra)
{
    loadForm<FrmInizio>().showModeless();
    FinestraScheda* w = nullptr;
    if (finestra == 0)
        w = &loadForm<frmStampaSchede>();
    else if (finestra == 1)
        w = &loadForm<frmStampaSchede2>();
    else
        w = &loadForm<frmStampaSchede3>();
    w->showModeless();
    for (int k = 2; k <= FinestraScheda::Esercizi; ++k)
        QTest::mouseClick(kidInsieme<PushKey>(w, k), Qt::LeftButton);
    return *w;
}

bool stessa(const PaginaScheda& a, const PaginaScheda& b) { return a.esercizi == b.esercizi; }

int lavori(const QString& coda) { return int(PrintService::outputs(coda).size()); }

// Runs one subcommand of the print service, or several separated by ';'.
bool servizio(const QString& comandi)
{
    for (const QString& c : comandi.split(QLatin1Char(';'), Qt::SkipEmptyParts)) {
        const QStringList args = c.split(QLatin1Char(' '), Qt::SkipEmptyParts);
        const bool ok = args.first() == QLatin1String("start") ? PrintService::restart() : PrintService::command(args);
        if (!ok)
            return false;
    }
    return true;
}

} // namespace

class TestGuastiStampa : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QVERIFY(PrintService::usePrivatePrintService()); }
    void cleanup()
    {
        Printers::setOpener({});
        closeEverything();
    }

    void aPrinterProblemKeepsTheWorksheet_data()
    {
        QTest::addColumn<int>("finestra");
        QTest::addColumn<QString>("guasto");  // what breaks, after the teacher chose the printer
        QTest::addColumn<QString>("rimedio"); // what puts it right
        QTest::addColumn<bool>("aMeta");      // the service stops right after the press
        const char* const finestre[3] = {"empty set", "add", "remove"};
        for (int f = 0; f < 3; ++f) {
            QTest::addRow("%s: queue refuses jobs", finestre[f]) << f << "reject Tarvello_B" << "accept Tarvello_B" << false;
            QTest::addRow("%s: queue removed", finestre[f]) << f << "remove Tarvello_B" << "add Tarvello_B" << false;
            QTest::addRow("%s: printer renamed", finestre[f]) << f << "rename Tarvello_B Aula_9" << "rename Aula_9 Tarvello_B" << false;
            QTest::addRow("%s: no queue at all", finestre[f])
                << f << "remove Tarvello_A;remove Tarvello_B" << "add Tarvello_A;add Tarvello_B;default Tarvello_A" << false;
            // A new service starts with new queues: last for each window.
            QTest::addRow("%s: service stopped before the print", finestre[f]) << f << "stop" << "start" << false;
            QTest::addRow("%s: service stopped as the page goes out", finestre[f]) << f << "" << "start" << true;
        }
    }

    void aPrinterProblemKeepsTheWorksheet()
    {
        QFETCH(int, finestra);
        QFETCH(QString, guasto);
        QFETCH(QString, rimedio);
        QFETCH(bool, aMeta);
        MessageRecorder messages;
        Printers::setCurrent(QString());
        FinestraScheda& w = apri(finestra);
        Scheda::conSceltaStampante(w, [](frmStampante& f) { Scheda::scegli(f, 1); });
        QCOMPARE(Printers::current(), Scelta);
        const PaginaScheda prima = w.pagina();
        const auto generati = w.insiemiGenerati();
        int lavoriPrima = lavori(Scelta);

        QVERIFY(servizio(guasto));
        if (aMeta)
            Printers::setOpener([](const PrintDocument&) {
                PrintService::command({"stop"});
                return std::unique_ptr<PrinterSurface>();
            });
        QTest::mouseClick(kid<PushKey>(&w, "Command1"), Qt::LeftButton);
        Printers::setOpener({});
        QVERIFY(finishPrinting());
        const QStringList detto = messages.messages;
        const bool rimediato = servizio(rimedio);
        if (rimedio == QLatin1String("start"))
            lavoriPrima = 0;
        QVERIFY(rimediato);
        QCOMPARE(detto, QStringList{Problema});
        QVERIFY(w.isLoaded() && w.isVisible() && loadedForm<FrmInizio>() && loadedForm<FrmInizio>()->isVisible());
        QCOMPARE(w.insiemiGenerati(), generati);
        QVERIFY(stessa(w.pagina(), prima));

        // The printer is back: the same worksheet prints, once, as the preview shows it.
        messages.messages.clear();
        QTest::mouseClick(kid<PushKey>(&w, "Command1"), Qt::LeftButton);
        QVERIFY(finishPrinting());
        QVERIFY2(messages.messages.isEmpty(), qPrintable(messages.messages.join(' ')));
        const QString pdf = PrintService::waitNewJob(Scelta, lavoriPrima);
        QVERIFY(!pdf.isEmpty());
        QCOMPARE(lavori(Scelta), lavoriPrima + 1);
        QCOMPARE(PrintService::pages(pdf), 1);
        const QString diverso = PaginaStampata::confronta(
            PrintService::render(pdf, PaginaStampata::Dpi).convertToFormat(QImage::Format_RGB32), prima);
        QVERIFY2(diverso.isEmpty(), qPrintable(diverso));
    }
};

QTEST_MAIN(TestGuastiStampa)
#include "tst_guastistampa.moc"
