#include "printing/printer.h"
#include "support/printservice.h"
#include "support/testsupport.h"
#include "worksheets/classetest.h"

#include <QTest>

// A class set printed for real, through the private print service.
class TestStampaClasse : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QVERIFY(PrintService::usePrivatePrintService()); }
    void cleanup() { closeEverything(); }

    // One job of K pages, each with its footer, on the printer chosen.
    void classSetIsOneJob()
    {
        MessageRecorder messages;
        Printers::setCurrent("Tarvello_B");
        FinestraScheda& w = Classe::completa("togli");
        const int prima = int(PrintService::outputs("Tarvello_B").size());
        Classe::perLaClasse(w, 3, 1);
        const QString pdf = PrintService::waitNewJob("Tarvello_B", prima);
        QVERIFY(!pdf.isEmpty());
        QCOMPARE(messages.messages, QStringList());
        QTest::qWait(500); // a second job, were there one, would be there by now
        QCOMPARE(int(PrintService::outputs("Tarvello_B").size()), prima + 1);
        QCOMPARE(PrintService::pages(pdf), 3);
        for (int k = 1; k <= 3; ++k) {
            QStringList parole;
            for (const auto& p : PrintService::words(pdf, k))
                parole.append(p.text);
            QVERIFY2(parole.join(' ').endsWith(QString("Scheda %1 di 3").arg(k)), qPrintable(parole.join(' ')));
        }
    }
};

QTEST_MAIN(TestStampaClasse)
#include "tst_stampaclasse.moc"
