// The teacher's register with a year of a class's answers: 25 pupils, 200 school days, 20
// answers each a day, 100,000 in all. Each figure is the median of a few runs, on a register
// just made (the file in the system's cache, as on a teacher's PC after the first opening).
#include "registro/anagrafe.h"
#include "registro/connessione.h"
#include "registro/consultazione.h"
#include "registro/esporta.h"
#include "registro/schema.h"
#include "registrofinto.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QRandomGenerator>
#include <QSqlQuery>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <ctime>
#include <functional>
#include <vector>

namespace {

using namespace RegistroFinto;
constexpr int Prove = 5;

struct Tempo
{
    double ms;    // as the teacher waits
    double cpuMs; // of this process alone: what a machine busy with other work does not inflate
};

double cpu()
{
    timespec t;
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
    return t.tv_sec * 1e3 + t.tv_nsec / 1e6;
}

Tempo misura(const std::function<void()>& cosa)
{
    std::vector<double> ms, cpuMs;
    for (int i = 0; i < Prove; ++i) {
        QElapsedTimer t;
        const double inizio = cpu();
        t.start();
        cosa();
        ms.push_back(t.nsecsElapsed() / 1e6);
        cpuMs.push_back(cpu() - inizio);
    }
    std::sort(ms.begin(), ms.end());
    std::sort(cpuMs.begin(), cpuMs.end());
    return {ms[ms.size() / 2], cpuMs[cpuMs.size() / 2]};
}

void riporta(const char* cosa, Tempo tempo, double obiettivo)
{
    std::printf("%s: %.1f ms (obiettivo < %g ms; CPU %.1f ms; mediana di %d prove)\n", cosa, tempo.ms, obiettivo,
                tempo.cpuMs, Prove);
    std::fflush(stdout);
}

} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    // TARVELLO_BENCH_CARTELLA keeps the register, for looking into it.
    QTemporaryDir cartella(
        qEnvironmentVariable("TARVELLO_BENCH_CARTELLA", QDir::tempPath() + QStringLiteral("/tarvello-bench-XXXXXX")));
    cartella.setAutoRemove(!qEnvironmentVariableIsSet("TARVELLO_BENCH_CARTELLA"));
    const QString file = cartella.filePath(QStringLiteral("registro.sqlite"));
    const QDate oggi = QDate::currentDate();
    QList<Alunno> alunni;
    QElapsedTimer t;
    t.start();
    const QUuid classe = prepara(file, &alunni, oggi);
    if (classe.isNull()) {
        std::printf("registro: NOT MEASURED: the register could not be written\n");
        return 1;
    }
    std::printf("registro di %d risposte preparato in %.1f s\n", Alunni * Giorni * AlGiorno, t.elapsed() / 1000.0);

    // The teacher's window opens a connection of its own.
    Connessione c(file);
    int righe = 0;
    riporta("riepilogo della classe, tutti i giorni (apertura)",
            misura([&] { righe = Consultazione::riepilogo(c.db(), classe, {}, {}).size(); }), 500);
    riporta("riepilogo della classe, ultimi 30 giorni (cambio di intervallo)",
            misura([&] { Consultazione::riepilogo(c.db(), classe, oggi.addDays(-29), oggi); }), 200);
    riporta("giorni di un alunno, tutti i giorni (grafico)",
            misura([&] { Consultazione::giorni(c.db(), alunni.first().id, {}, {}); }), 200);
    QString errore;
    bool esportato = true;
    riporta("CSV di ogni risposta", misura([&] {
                esportato = esportato && esportaRisposte(file, cartella.filePath(QStringLiteral("r.csv")), &errore);
            }),
            2000);
    if (righe != Alunni || !esportato) {
        std::printf("registro: WRONG: %d pupils summed up, CSV %s\n", righe, qPrintable(errore));
        return 1;
    }
    return 0;
}
