#include "soak.h"
#include "support/printservice.h"
#include "support/testsupport.h"

#include <QElapsedTimer>
#include <QTemporaryDir>
#include <QTest>
#include <cstdio>

// The restless pupil, seed after seed. By default a few seeds that `make test` plays every
// time; `make soak` plays many more events with new seeds. A seed that breaks a promise is
// printed with the command that plays it again:
//   TARVELLO_SOAK_SEED=n           play seed n only
//   TARVELLO_SOAK_EVENTS=n         events per seed (default 4500)
//   TARVELLO_SOAK_SEEDS=n          how many seeds (default 5)
//   TARVELLO_SOAK_FIRST_SEED=n     the first of them (default 1)
//   TARVELLO_SOAK_PAPER_EVERY=n    every n-th page printed goes on paper too (default 25)
namespace {

qint64 setting(const char* name, qint64 fallback)
{
    bool ok = false;
    const qint64 v = qEnvironmentVariable(name).toLongLong(&ok);
    return ok ? v : fallback;
}

qint64 eventsPerSeed() { return setting("TARVELLO_SOAK_EVENTS", 4500); }

// The seed being played, for the line that plays it again should Qt Test give up on it.
quint64 currentSeed = 0;
bool playing = false;
bool onPaper = false;

void printReplay(quint64 seed, qint64 events)
{
    // The same printers make the same session: with the private print service, through make.
    if (onPaper)
        std::fprintf(stderr, "play it again: make soak SOAK_SEED=%llu SOAK_EVENTS=%lld\n", seed, events);
    else
        std::fprintf(stderr, "play it again: TARVELLO_SOAK_SEED=%llu TARVELLO_SOAK_EVENTS=%lld %s\n", seed, events,
                     qPrintable(QCoreApplication::applicationFilePath()));
    std::fflush(stderr);
}

// A seed that Qt Test's time limit stops (or that dies on a fatal message) is named before the
// process ends.
QtMessageHandler nextHandler = nullptr;
void handler(QtMsgType type, const QMessageLogContext& context, const QString& message)
{
    if (type == QtFatalMsg && playing) {
        std::fprintf(stderr, "soak: seed %llu did not finish: %s\n", currentSeed, qPrintable(message));
        printReplay(currentSeed, eventsPerSeed());
    }
    if (nextHandler)
        nextHandler(type, context, message);
}

} // namespace

namespace {
qint64 overAFrame(const Soak::Durations& d)
{
    qint64 n = 0;
    for (int i = 160; i < Soak::Durations::Buckets; ++i)
        n += d.counts[i];
    return n;
}
} // namespace

class TestSoak : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        quietOffscreenPlatform();
        nextHandler = qInstallMessageHandler(handler);
        paper_ = PrintService::usePrivatePrintService();
        onPaper = paper_;
        if (!paper_) {
            // No private print service: nothing may reach this machine's own printers.
            QVERIFY(noService_.isValid());
            qputenv("CUPS_SERVER", noService_.filePath("cups.sock").toLocal8Bit());
            qputenv("CUPS_SERVERROOT", noService_.path().toLocal8Bit());
        }
        clock_.start();
    }

    void restlessPupil_data()
    {
        QTest::addColumn<quint64>("seed");
        const qint64 single = setting("TARVELLO_SOAK_SEED", -1);
        if (single >= 0) {
            QTest::addRow("seed %lld", single) << quint64(single);
            return;
        }
        const qint64 first = setting("TARVELLO_SOAK_FIRST_SEED", 1);
        const qint64 count = setting("TARVELLO_SOAK_SEEDS", 5);
        for (qint64 s = first; s < first + count; ++s)
            QTest::addRow("seed %lld", s) << quint64(s);
    }

    void restlessPupil()
    {
        QFETCH(quint64, seed);
        Soak::Options options;
        options.seed = seed;
        options.events = eventsPerSeed();
        options.realPageEvery = paper_ ? int(setting("TARVELLO_SOAK_PAPER_EVERY", 25)) : 0;
        currentSeed = seed;
        playing = true;
        const Soak::Outcome r = Soak::play(options);
        playing = false;
        seeds_.append(QString::number(seed));
        total_.add(r);
        if (!r.failure.isEmpty()) {
            std::fprintf(stderr, "soak: seed %llu broke a promise at %s\nthe last events:\n", seed, qPrintable(r.failure));
            for (const QString& line : r.trace)
                std::fprintf(stderr, "  %s\n", qPrintable(line));
            printReplay(seed, r.events);
        }
        QVERIFY2(r.failure.isEmpty(), qPrintable(r.failure));
    }

    void cleanupTestCase()
    {
        const Soak::Outcome& t = total_;
        QStringList opened;
        for (auto it = t.opened.begin(); it != t.opened.end(); ++it)
            opened.append(QStringLiteral("%1 %2").arg(it.key()).arg(it.value()));
        std::printf("soak: %lld events over %lld seeds (%s), %lld invariant checks, %.1f s\n"
                    "soak: %d program runs, %d right and %d wrong answers, %d interventions, %d pages printed "
                    "(%d read back from paper)\nsoak: windows opened: %s\n",
                    t.events, qint64(seeds_.size()), qPrintable(seeds_.join(QLatin1Char(' '))), t.checks,
                    clock_.elapsed() / 1000.0, t.runs, t.rightAnswers, t.wrongAnswers, t.interventions, t.pages,
                    t.realPages, qPrintable(opened.join(QStringLiteral(", "))));
        // A frame is 16 ms: no event but a print run should take longer to handle.
        std::printf("soak: handling an event (print runs aside): longest %.1f ms (%s), 99.9th percentile %.1f ms, "
                    "over 16 ms: %lld of %lld\n",
                    t.handling.longestNs / 1e6, qPrintable(t.handling.longest), t.handling.percentileMs(0.999),
                    overAFrame(t.handling), t.handling.total);
        std::fflush(stdout);
    }

private:
    bool paper_ = false;
    QTemporaryDir noService_;
    QElapsedTimer clock_;
    QStringList seeds_;
    Soak::Outcome total_;
};

int main(int argc, char* argv[])
{
    // Qt Test gives up on a test function after five minutes; one session per seed is one test
    // function, so its limit follows the events asked for: a minute, and 20 ms for each event
    // (a session plays a thousand events a second, pages on paper included).
    if (!qEnvironmentVariableIsSet("QTEST_FUNCTION_TIMEOUT"))
        qputenv("QTEST_FUNCTION_TIMEOUT", QByteArray::number(60000 + 20 * eventsPerSeed()));
    QApplication app(argc, argv);
    TestSoak test;
    return QTest::qExec(&test, argc, argv);
}
#include "tst_soak.moc"
