// The program's benchmarks, each printing its figure and its ratio to its goal or floor.
// Run by `make bench` under a private X server; never part of the tests.
#include "app/avvio.h"
#include "app/frminizio.h"
#include "app/tendine.h"
#include "platform/form.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QTimer>
#include <algorithm>
#include <cstdio>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <vector>

extern char** environ;

namespace {

double median(std::vector<double> v)
{
    std::sort(v.begin(), v.end());
    const std::size_t n = v.size();
    return n == 0 ? 0 : (n % 2 ? v[n / 2] : (v[n / 2 - 1] + v[n / 2]) / 2);
}

void wait(int ms)
{
    QEventLoop loop;
    QTimer::singleShot(ms, &loop, &QEventLoop::quit);
    loop.exec();
}

struct Run
{
    double ms;
    double peakKiB;
};

// One process from its start to its end, with its peak resident memory.
Run spawnAndWait(const QByteArray& program, const QByteArray& mode)
{
    pid_t pid = 0;
    char* argv[] = {const_cast<char*>(program.constData()), const_cast<char*>(mode.constData()), nullptr};
    QElapsedTimer clock;
    clock.start();
    if (posix_spawn(&pid, program.constData(), nullptr, nullptr, argv, environ) != 0)
        return {-1, -1};
    int status = 0;
    rusage usage{};
    wait4(pid, &status, 0, &usage);
    return {clock.nsecsElapsed() / 1e6, double(usage.ru_maxrss)};
}

void startup(int runs)
{
    const QByteArray program = (QCoreApplication::applicationDirPath() + "/bench-primo-fotogramma").toLocal8Bit();
    std::vector<double> appMs, bareMs, appMem, bareMem;
    spawnAndWait(program, "tarvello"); // warm the file cache for both
    spawnAndWait(program, "bare");
    for (int i = 0; i < runs; ++i) {
        const Run a = spawnAndWait(program, "tarvello");
        const Run b = spawnAndWait(program, "bare");
        appMs.push_back(a.ms);
        bareMs.push_back(b.ms);
        appMem.push_back(a.peakKiB);
        bareMem.push_back(b.peakKiB);
    }
    const double ms = median(appMs), floorMs = median(bareMs);
    const double mem = median(appMem), floorMem = median(bareMem);
    std::printf("start-up to first frame: %.1f ms (bare Qt window %.1f ms), ratio %.2f, goal <= 1.30\n", ms, floorMs,
                ms / floorMs);
    std::printf("peak memory: %.0f KiB (bare Qt window %.0f KiB), ratio %.2f, goal <= 1.30\n", mem, floorMem,
                mem / floorMem);
}

void curtains(int runs)
{
    FrmInizio& inizio = loadForm<FrmInizio>();
    inizio.showModeless();
    wait(2000);
    std::vector<double> measured;
    int ticks = 0;
    for (int i = 0; i < runs; ++i) {
        Tendine nominal;
        nominal.avvia(inizio.outerWidth());
        ticks = 0;
        while (nominal.inCorso) {
            nominal.passo();
            ++ticks;
        }
        QElapsedTimer clock;
        QEventLoop loop;
        QTimer poll;
        QObject::connect(&poll, &QTimer::timeout, &loop, [&] {
            if (!inizio.timerTendine.isActive())
                loop.quit();
        });
        inizio.AvviaTendine();
        clock.start();
        poll.start(1);
        loop.exec();
        measured.push_back(clock.nsecsElapsed() / 1e6);
        wait(100);
    }
    const double nominalMs = ticks * double(Tendine::Intervallo);
    const double ms = median(measured);
    std::printf("curtain animation: %.0f ms for %d ticks (nominal %.0f ms), ratio %.3f, goal within 10%%\n", ms, ticks,
                nominalMs, ms / nominalMs);
    inizio.unload();
}

} // namespace

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    preparaApplicazione(app);
    Form::setOnLastUnloaded({});
    const int runs = argc > 1 ? std::max(3, atoi(argv[1])) : 21;
    startup(runs);
    curtains(5);
    return 0;
}
