#include "app/frmautore.h"
#include "app/frminizio.h"
#include "exercise/frmoperativo.h"
#include "printing/printer.h"
#include "forms/pushkey.h"
#include "support/recordingprinter.h"
#include "support/testsupport.h"
#include "worksheets/frmstampante.h"
#include "worksheets/frmstampaschede.h"
#include "worksheets/schedaaggiungitogli.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <cstdio>
#include <functional>
#include <unistd.h>

// A whole school day of opening and closing windows: the program's memory must not grow with it.
// Memory is read from the kernel (resident set) after a warm-up, so that what a first opening
// fills once (fonts, the figure catalogue, Qt's own caches) is not counted as growth.
namespace {

#if defined(__SANITIZE_ADDRESS__)
// AddressSanitizer keeps freed memory aside on purpose: resident memory says nothing there, and
// LeakSanitizer looks for what is never freed instead. A few cycles still run every path.
constexpr bool MisuraMemoria = false;
constexpr int Cicli = 40;
#else
constexpr bool MisuraMemoria = true;
constexpr int Cicli = 1000;
#endif
constexpr int Riscaldamento = 50;
// Generous: a leak of a window's controls would cost far more than this over the cycles.
constexpr double CrescitaAmmessaMB = 8;

double residenteMB()
{
    QFile statm(QStringLiteral("/proc/self/statm"));
    if (!statm.open(QIODevice::ReadOnly))
        return -1;
    const QList<QByteArray> campi = statm.readAll().split(' ');
    return campi.size() > 1 ? campi[1].toDouble() * double(sysconf(_SC_PAGESIZE)) / (1024.0 * 1024.0) : -1;
}

void lasciaAndare()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCoreApplication::processEvents();
}

// Opens a worksheet from the start window's menu, makes up the four exercises, prints the page
// and leaves by "ESCI".
void scheda(QAction* voce)
{
    voce->trigger();
    auto* w = qobject_cast<FinestraScheda*>(QApplication::activeWindow());
    for (Form* f : Form::loadedForms())
        if (auto* s = qobject_cast<FinestraScheda*>(f))
            w = s;
    if (!w)
        return;
    for (int k = 2; k <= FinestraScheda::Esercizi; ++k)
        kidInsieme<PushKey>(w, k)->click();
    kid<PushKey>(w, "Command1")->click();
    kid<PushKey>(w, "CmdFine")->click();
}

} // namespace

class TestAperture : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        quietOffscreenPlatform();
        // No print service: the printer choice opens on an empty list, pages are recorded.
        QVERIFY(nessunServizio_.isValid());
        qputenv("CUPS_SERVER", nessunServizio_.filePath("cups.sock").toLocal8Bit());
        qputenv("CUPS_SERVERROOT", nessunServizio_.path().toLocal8Bit());
        Printers::setOpener([this](const PrintDocument&) {
            ++pagine_;
            return std::make_unique<RecordingPrinter>();
        });
    }

    void cleanupTestCase()
    {
        Printers::setOpener({});
        closeEverything();
    }

    void windowsComeAndGoWithoutGrowingMemory_data()
    {
        QTest::addColumn<QString>("finestra");
        for (const char* f : {"exercise", "empty-set worksheet", "add worksheet", "remove worksheet", "About",
                              "printer choice"})
            QTest::newRow(f) << QString::fromLatin1(f);
    }

    void windowsComeAndGoWithoutGrowingMemory()
    {
        QFETCH(QString, finestra);
        MessageRecorder messaggi;
        FrmInizio& inizio = loadForm<FrmInizio>();
        inizio.showModeless();
        std::function<void(int)> ciclo;
        if (finestra == QLatin1String("exercise")) {
            ciclo = [&](int i) {
                QTest::mousePress(kid<PushKey>(&inizio, "Option1", i % 3), Qt::LeftButton);
                QTest::mouseRelease(kid<PushKey>(&inizio, "Option1", i % 3), Qt::LeftButton);
                frmOperativo* e = loadedForm<frmOperativo>();
                if (!e)
                    return;
                e->EseguiTasto(0);
                e->EseguiTasto(2);
                e->close();
            };
        } else if (finestra.endsWith(QLatin1String("worksheet"))) {
            QAction* voce = finestra.startsWith(QLatin1String("empty")) ? kid<QAction>(&inizio, "MnuVuoto")
                            : finestra.startsWith(QLatin1String("add")) ? kid<QAction>(&inizio, "mnuAggiungi")
                                                                          : kid<QAction>(&inizio, "mnuTogli");
            ciclo = [voce](int) { scheda(voce); };
        } else if (finestra == QLatin1String("About")) {
            ciclo = [&](int) {
                QTimer::singleShot(0, [] {
                    if (frmAutore* a = loadedForm<frmAutore>())
                        kid<PushKey>(a, "Command1")->click();
                });
                kid<QAction>(&inizio, "mnuInfo")->trigger();
            };
        } else {
            // Closed by its key it stays loaded; by its title bar it goes: both, in turn.
            kid<QAction>(&inizio, "MnuVuoto")->trigger();
            FinestraScheda* w = loadedForm<frmStampaSchede>();
            QVERIFY(w);
            ciclo = [w](int i) {
                QTimer::singleShot(0, [i] {
                    if (frmStampante* s = loadedForm<frmStampante>())
                        i % 2 ? kid<PushKey>(s, "Command2")->click() : static_cast<void>(s->close());
                });
                kidMenuStampante(w)->trigger();
            };
        }

        for (int i = 0; i < Riscaldamento; ++i) {
            ciclo(i);
            lasciaAndare();
        }
        const double prima = residenteMB();
        const int formePrima = int(Form::loadedForms().size());
        const int paginePrima = pagine_;
        for (int i = 0; i < Cicli; ++i) {
            ciclo(i);
            lasciaAndare();
        }
        const double dopo = residenteMB();
        QCOMPARE(int(Form::loadedForms().size()), formePrima); // each closing really let its window go
        QVERIFY(messaggi.messages.isEmpty());
        if (finestra.endsWith(QLatin1String("worksheet")))
            QCOMPARE(pagine_ - paginePrima, Cicli); // every worksheet went all the way to its page
        std::printf("%s: %d openings, resident memory %.1f MB after the warm-up, %.1f MB after (%+.1f MB)\n",
                    qPrintable(finestra), Cicli, prima, dopo, dopo - prima);
        if (MisuraMemoria)
            QVERIFY2(dopo - prima < CrescitaAmmessaMB, qPrintable(QStringLiteral("%1 MB more").arg(dopo - prima)));
        closeEverything();
    }

private:
    QTemporaryDir nessunServizio_;
    int pagine_ = 0;
};

QTEST_MAIN(TestAperture)
#include "tst_aperture.moc"
