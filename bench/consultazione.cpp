// The teacher's register with a year of a class's answers: 25 pupils, 200 school days, 20
// answers each a day, 100,000 in all. Each figure is the median of a few runs, on a register
// just made (the file in the system's cache, as on a teacher's PC after the first opening).
#include "registro/anagrafe.h"
#include "registro/connessione.h"
#include "registro/consultazione.h"
#include "registro/esporta.h"
#include "registro/schema.h"
#include "support/risposte.h"

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

constexpr int Alunni = 25;
constexpr int Giorni = 200;
constexpr int AlGiorno = 20;
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

// The class's year: a session a pupil a day, from 8:30 on, exercises of one to three answers.
bool riempi(QSqlDatabase db, const QList<Alunno>& alunni, QDate ultimo)
{
    QRandomGenerator caso(20);
    return scrivi(db, [&] {
        QSqlQuery q(db);
        for (int g = 0; g < Giorni; ++g) {
            const QDateTime inizio(ultimo.addDays(g - Giorni + 1), QTime(8, 30));
            for (const Alunno& a : alunni) {
                Risposta r;
                r.sessione = QUuid::createUuid();
                r.alunno = a.id;
                r.pc = QStringLiteral("lab-%1").arg(caso.bounded(12));
                r.tipo = caso.bounded(4);
                double trascorsi = 0;
                for (int i = 0; i < AlGiorno; ++i) {
                    if (i == 0 || r.esatta || caso.bounded(3) == 0) {
                        ++r.esercizio;
                        r.figura = caso.bounded(1, 13);
                        r.n = caso.bounded(1, 10);
                        r.m = caso.bounded(0, 10);
                    }
                    r.id = QUuid::createUuid();
                    r.secondi = caso.bounded(2000, 60000) / 1000.0;
                    trascorsi += r.secondi;
                    r.quando = inizio.addMSecs(qint64(trascorsi * 1000));
                    r.esatta = caso.bounded(10) < 7;
                    r.dato = r.esatta ? r.n + 1 : caso.bounded(0, 12);
                    r.seguito = r.esatta ? Seguito::Nessuno : Seguito(caso.bounded(1, 4));
                    if (!inserisciRisposta(q, r))
                        return false;
                }
            }
        }
        return true;
    });
}

// The register as the recorder leaves it; the class's identifier, or null when it could not be
// written.
QUuid prepara(const QString& file, QList<Alunno>* alunni, QDate oggi)
{
    Connessione c(file);
    if (!c.aperta() || Schema::prepara(c.db()).stato != Schema::Stato::Pronto)
        return {};
    const QUuid classe = Anagrafe::aggiungiClasse(c.db(), QStringLiteral("3A")).value_or(QUuid());
    QStringList nomi;
    for (int i = 0; i < Alunni; ++i)
        nomi << QStringLiteral("Alunno %1").arg(i + 1, 2, 10, QLatin1Char('0'));
    Anagrafe::aggiungiAlunni(c.db(), classe, nomi.join(QLatin1Char('\n')));
    *alunni = Anagrafe::alunni(c.db(), classe);
    return riempi(c.db(), *alunni, oggi) ? classe : QUuid();
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
