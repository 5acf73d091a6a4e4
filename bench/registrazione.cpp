// How long recording an answer takes: on the window's thread, handing it over; on the worker,
// from handing it over to its being in the register. Needs no screen; run by `make bench`.
//   tarvello-bench-registro [ANSWERS]
#include "registro/registratore.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <optional>
#include <vector>

namespace {

double mediana(std::vector<double> v)
{
    std::sort(v.begin(), v.end());
    return v.empty() ? 0 : v[v.size() / 2];
}

Risposta risposta(int i)
{
    Risposta r;
    r.esercizio = i;
    r.quando = QDateTime::currentDateTimeUtc();
    r.figura = 1 + i % 12;
    r.n = 1 + i % 8;
    r.dato = r.n + 1;
    r.esatta = true;
    r.secondi = 3.5;
    return r;
}

} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    const int quante = argc > 1 ? std::max(1, atoi(argv[1])) : 2000;
    // On the disk the user's data folder is on, not in memory.
    std::optional<QTemporaryDir> cartella(std::in_place, QDir::homePath() + QStringLiteral("/.tarvello-bench-XXXXXX"));
    if (!cartella->isValid())
        cartella.emplace();
    std::vector<double> finestra, worker;
    {
        Registratore r(cartella->filePath(QStringLiteral("registro.sqlite")));
        if (!r.attendi(30000)) {
            std::printf("registrazione: NOT MEASURED: the register cannot be written\n");
            return 1;
        }
        QElapsedTimer t;
        // As fast as they come, the worker writing meanwhile: the window's thread never waits on it.
        for (int i = 0; i < quante; ++i) {
            t.start();
            r.registra(risposta(i));
            finestra.push_back(double(t.nsecsElapsed()) / 1e6);
        }
        r.attendi(60000);
        // One at a time, as a pupil answers: each in the register before the next.
        for (int i = 0; i < quante; ++i) {
            t.start();
            r.registra(risposta(i));
            if (!r.attendi(10000)) {
                std::printf("registrazione, worker: NOT MEASURED: an answer was not written\n");
                return 1;
            }
            worker.push_back(double(t.nsecsElapsed()) / 1e6);
        }
    }
    std::printf("registrazione, thread della finestra: %.4f ms (obiettivo < 0.2), mediana di %d risposte\n",
                mediana(finestra), quante);
    std::printf("registrazione, worker: %.3f ms (obiettivo < 5), mediana di %d risposte\n", mediana(worker), quante);
    return 0;
}
