#include "bench/misure.h"

#include <QElapsedTimer>
#include <QEventLoop>
#include <QTimer>
#include <algorithm>
#include <cstdio>

namespace {
const QElapsedTimer& orologio()
{
    static const QElapsedTimer t = [] {
        QElapsedTimer e;
        e.start();
        return e;
    }();
    return t;
}
} // namespace

double Misure::mediana(std::vector<double> v)
{
    std::sort(v.begin(), v.end());
    const std::size_t n = v.size();
    return n == 0 ? 0 : (n % 2 ? v[n / 2] : (v[n / 2 - 1] + v[n / 2]) / 2);
}

void Misure::attendi(int ms)
{
    QEventLoop loop;
    QTimer::singleShot(ms, &loop, &QEventLoop::quit);
    loop.exec();
}

bool Misure::attendiChe(const std::function<bool()>& fatto, int ms)
{
    if (fatto())
        return true;
    // The loop sleeps until an event comes, as the program's own does: a loop that polls
    // would take the processor from the X server and delay what it measures.
    QEventLoop loop;
    QTimer guarda;
    guarda.setTimerType(Qt::PreciseTimer);
    QObject::connect(&guarda, &QTimer::timeout, &loop, [&] {
        if (fatto())
            loop.quit();
    });
    guarda.start(2);
    QTimer::singleShot(ms, &loop, &QEventLoop::quit);
    loop.exec();
    return fatto();
}

qint64 Misure::adesso() { return orologio().nsecsElapsed(); }

void Misure::riporta(const char* cosa, double figura, const char* unita, int prove, double obiettivo)
{
    std::printf("%s: %.3f %s (median of %d runs), ratio to goal %.2f (goal: under %g %s)\n", cosa, figura, unita,
                prove, figura / obiettivo, obiettivo, unita);
    std::fflush(stdout);
}

void BenchApplication::osserva(QSet<const QObject*> destinatari, QSet<QEvent::Type> tipi, Sonda sonda)
{
    destinatari_ = std::move(destinatari);
    tipi_ = std::move(tipi);
    sonda_ = std::move(sonda);
}

void BenchApplication::smettiDiOsservare()
{
    sonda_ = {};
    destinatari_.clear();
    tipi_.clear();
}

bool BenchApplication::notify(QObject* destinatario, QEvent* evento)
{
    if (!sonda_ || !tipi_.contains(evento->type()) || !destinatari_.contains(destinatario))
        return QApplication::notify(destinatario, evento);
    const QEvent::Type tipo = evento->type(); // the event may not outlive its delivery
    const qint64 inizio = Misure::adesso();
    const bool risultato = QApplication::notify(destinatario, evento);
    const qint64 fine = Misure::adesso();
    if (sonda_)
        sonda_(destinatario, tipo, inizio, fine);
    return risultato;
}
