#pragma once

#include <QApplication>
#include <QEvent>
#include <QSet>
#include <functional>
#include <vector>

// What the benchmarks share: the median of a series, waiting with the event loop running, and
// a probe on the program's event delivery.
namespace Misure {

double mediana(std::vector<double> valori);

// Lets the event loop run for `ms` milliseconds.
void attendi(int ms);
// Lets the event loop run until `fatto` holds or `ms` milliseconds have gone; whether it holds.
bool attendiChe(const std::function<bool()>& fatto, int ms);

// Nanoseconds on one steady clock, started with the program.
qint64 adesso();

// Prints one benchmark's line: its figure and its ratio to the goal.
void riporta(const char* cosa, double figura, const char* unita, int prove, double obiettivo);

} // namespace Misure

// The application with a probe on its event delivery: for every event of a watched type sent
// to a watched object, the probe is told when the delivery began and when it ended, event
// filters and nested deliveries included.
class BenchApplication : public QApplication
{
public:
    using Sonda = std::function<void(QObject* destinatario, QEvent::Type tipo, qint64 inizio, qint64 fine)>;

    using QApplication::QApplication;

    void osserva(QSet<const QObject*> destinatari, QSet<QEvent::Type> tipi, Sonda sonda);
    void smettiDiOsservare();

    bool notify(QObject* destinatario, QEvent* evento) override;

private:
    QSet<const QObject*> destinatari_;
    QSet<QEvent::Type> tipi_;
    Sonda sonda_;
};
