#include "printing/printer.h"
#include "support/paginastampata.h"
#include "support/printservice.h"
#include "support/testsupport.h"
#include "worksheets/schedatest.h"

#include <QTest>

// The print service through Qt alone, as on a machine without libcups: Qt's own printing
// reaches the private service all the same, and what Qt reports is trusted.
class TestStampaQt : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QVERIFY(PrintService::usePrivatePrintService()); }
    void cleanup() { closeEverything(); }

    void theChoiceListsThePrinters()
    {
        frmStampaSchede& w = Scheda::apri();
        const Scheda::Scelta s = Scheda::conSceltaStampante(w, [](frmStampante& f) { Scheda::scegli(f, 1); });
        QCOMPARE(s.voci, QStringList({"Tarvello_A", "Tarvello_B"}));
        QCOMPARE(s.label1, QStringLiteral("La stampante predefinita è \r\nTarvello_A"));
        QCOMPARE(Printers::current(), QStringLiteral("Tarvello_B"));
        Printers::setCurrent(QString());
    }

    void theWorksheetPrintsAsThePreview()
    {
        MessageRecorder messages;
        frmStampaSchede& w = Scheda::completa();
        const int prima = int(PrintService::outputs("Tarvello_A").size());
        kid<PushKey>(&w, "Command1")->click();
        QVERIFY(finishPrinting());
        QVERIFY2(messages.messages.isEmpty(), qPrintable(messages.messages.join(' ')));
        const QString pdf = PrintService::waitNewJob("Tarvello_A", prima);
        QVERIFY(!pdf.isEmpty());
        QCOMPARE(PrintService::pages(pdf), 1);
        const QString diverso = PaginaStampata::confronta(
            PrintService::render(pdf, PaginaStampata::Dpi).convertToFormat(QImage::Format_RGB32), w.pagina());
        QVERIFY2(diverso.isEmpty(), qPrintable(diverso));
    }

    void aPrinterThatIsGoneIsAProblem()
    {
        MessageRecorder messages;
        frmStampaSchede& w = Scheda::completa();
        Printers::setCurrent(QStringLiteral("Tarvello_Sparita"));
        kid<PushKey>(&w, "Command1")->click();
        QVERIFY(finishPrinting());
        Printers::setCurrent(QString());
        QCOMPARE(messages.messages, QStringList{"Problema di stampa nella stampante utilizzata."});
    }
};

QTEST_MAIN(TestStampaQt)
#include "tst_stampaqt.moc"
