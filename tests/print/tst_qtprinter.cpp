#include "forms/frmfigure.h"
#include "printing/printer.h"
#include "support/printservice.h"
#include "support/testsupport.h"

#include <QImage>
#include <QTest>

#include <optional>

namespace {

Outcome stampa(std::function<void(PrinterSurface&)> pagina)
{
    PrintDocument d;
    d.title = QStringLiteral("test");
    d.paintPage = [pagina](PrinterSurface& s, int) { pagina(s); };
    std::optional<Outcome> o;
    Printers::print(d, qApp, [&](const Outcome& r) { o = r; });
    waitFor([&] { return o.has_value(); }, 30000);
    return o.value_or(Outcome::failed(Outcome::Kind::NotPrinted, QStringLiteral("no outcome"), QString()));
}

} // namespace

// The program's printer surface on the private print service's real queues.
class TestQtPrinter : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QVERIFY(PrintService::usePrivatePrintService()); }

    void listsTheServiceQueues()
    {
        const PrinterList l = readPrinters();
        QVERIFY(l.answered);
        QCOMPARE(l.names, QStringList({"Tarvello_A", "Tarvello_B"}));
        QCOMPARE(l.defaultName, QStringLiteral("Tarvello_A"));
        QCOMPARE(Printers::current(), QStringLiteral("Tarvello_A"));
    }

    void printsInTwips()
    {
        Printers::setCurrent("Tarvello_B");
        const int before = int(PrintService::outputs("Tarvello_B").size());
        const Outcome o = stampa([](PrinterSurface& page) {
            page.setCurrentX(1440);
            page.setCurrentY(2880);
            page.setFontSize(12);
            page.print("Prova");
            page.setDrawWidth(3);
            page.line({1440, 4320}, {5760, 4320}, Qt::black);
            page.paintPicture(FrmFigure::Image3(7), {7200, 7200});
        });
        QVERIFY2(o.ok, qPrintable(o.why));
        QCOMPARE(o.target, QStringLiteral("Tarvello_B"));
        const QString pdf = PrintService::waitNewJob("Tarvello_B", before);
        QVERIFY(!pdf.isEmpty());
        QCOMPARE(PrintService::pages(pdf), 1);
        const auto words = PrintService::words(pdf);
        QCOMPARE(words.size(), 1);
        // The page's printable area starts 12 pt from the left and from the top.
        constexpr double L = 12, T = 12;
        QVERIFY(qAbs(words[0].xMin - (L + 72)) < 1.5);
        QVERIFY(qAbs(words[0].yMin - (T + 144)) < 3);
        QVERIFY(words[0].yMax - words[0].yMin > 9 && words[0].yMax - words[0].yMin < 16); // 12 pt

        // At 72 dpi one pixel is one point: the line and the figure are where the twips say.
        const QImage img = PrintService::render(pdf, 72);
        QVERIFY(!img.isNull());
        QVERIFY(qGray(img.pixel(int(L + 150), int(T + 216))) < 100);  // on the line
        QVERIFY(qGray(img.pixel(int(L + 150), int(T + 226))) > 200);  // below it
        // The die (48 x 46 pixels, 720 x 690 twips) from (360, 360) pt: red and yellow inside.
        bool coloured = false;
        for (int y = int(T + 360); y < int(T + 360) + 34; ++y)
            for (int x = int(L + 360); x < int(L + 360) + 36; ++x) {
                const QColor c = img.pixelColor(x, y);
                coloured |= c.red() > 200 && c.blue() < 120;
            }
        QVERIFY(coloured);
        QVERIFY(qGray(img.pixel(int(L + 360) + 50, int(T + 360) + 50)) > 240); // nothing beyond its size
        Printers::setCurrent(QString());
    }

    // A run keeps nothing of its document once its outcome is told: a class set's pages and
    // the drawings loaded for the print worker go with it, however many class sets follow.
    void aRunLetsItsDocumentGo_data()
    {
        QTest::addColumn<bool>("anywhere");
        QTest::addRow("painted on the window's thread") << false;
        QTest::addRow("painted on the print worker") << true;
    }

    void aRunLetsItsDocumentGo()
    {
        QFETCH(bool, anywhere);
        std::weak_ptr<int> pagine;
        std::optional<Outcome> o;
        {
            const auto tenute = std::make_shared<int>(0);
            pagine = tenute;
            PrintDocument d;
            d.title = QStringLiteral("test");
            d.paintsAnywhere = anywhere;
            d.paintPage = [tenute](PrinterSurface& s, int) { s.print("Tenuta"); };
            Printers::print(d, qApp, [&](const Outcome& r) { o = r; });
        }
        QVERIFY(waitFor([&] { return o.has_value(); }, 30000));
        QVERIFY2(o->ok, qPrintable(o->why));
        // Long before the run's own time limit.
        QTRY_VERIFY_WITH_TIMEOUT(pagine.expired(), 2000);
    }

    // Whatever keeps the page from the printer is a failure, never a page printed, and it
    // leaves nothing behind that could print later; the queue prints again once mended.
    void failuresOfTheServiceAreFailures_data()
    {
        QTest::addColumn<QString>("fault");
        QTest::addColumn<QString>("undo");
        QTest::addRow("queue rejects jobs") << "reject" << "accept";
        QTest::addRow("queue removed") << "remove" << "add";
        QTest::addRow("queue paused") << "disable" << "enable";
        QTest::addRow("device fails every job") << "break" << "repair";
        // Last: a new server starts with empty queues.
        QTest::addRow("service stopped") << "stop" << "start";
    }

    void failuresOfTheServiceAreFailures()
    {
        QFETCH(QString, fault);
        QFETCH(QString, undo);
        auto apply = [](const QString& command) {
            if (command == "start")
                return PrintService::restart();
            QStringList args{command};
            if (command != "stop")
                args << QStringLiteral("Tarvello_B");
            return PrintService::command(args);
        };
        Printers::setCurrent("Tarvello_B");
        int before = int(PrintService::outputs("Tarvello_B").size());
        QVERIFY(apply(fault));
        const Outcome o = stampa([](PrinterSurface& page) { page.print("Guasto"); });
        QVERIFY(apply(undo));
        if (undo == "start")
            before = 0;
        QVERIFY2(!o.ok, "the page was reported as printed");

        QVERIFY(stampa([](PrinterSurface& page) { page.print("Ripresa"); }).ok);
        const QString pdf = PrintService::waitNewJob("Tarvello_B", before);
        QVERIFY(!pdf.isEmpty());
        QCOMPARE(PrintService::outputs("Tarvello_B").size(), before + 1);
        const auto words = PrintService::words(pdf);
        QCOMPARE(words.size(), 1);
        QCOMPARE(words[0].text, QStringLiteral("Ripresa"));
        Printers::setCurrent(QString());
    }

    void aPrinterThatIsGoneIsAFailure()
    {
        Printers::setCurrent("Nessuna");
        QVERIFY(!stampa([](PrinterSurface& page) { page.print("Nessuna"); }).ok);
        Printers::setCurrent(QString());
    }
};

QTEST_MAIN(TestQtPrinter)
#include "tst_qtprinter.moc"
