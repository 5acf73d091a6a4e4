// The answers on their way to the school's server, on a private server this benchmark starts
// with tests/registro/pg-sandbox.sh and removes at its end:
//  - a lab of 25 PCs, each a pupil's program without windows recording 200 answers: from their
//    start until every answer is on the server;
//  - 10,000 answers waiting in a PC's file: from the program's start, the server answering
//    again, until the server has them all.
// Needs no screen; run by `make bench`.
//   tarvello-bench-invio [RUNS]
#include "registro/registratore.h"
#include "registro/serverdiprova.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QSqlQuery>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <memory>
#include <vector>

namespace {

double mediana(std::vector<double> v)
{
    std::sort(v.begin(), v.end());
    return v.empty() ? 0 : v[v.size() / 2];
}

// A clean register on the server: the schema made, no answer in it.
bool svuota(const ServerDiProva& s)
{
    ConnessioneServer c(s.indirizzo(Server::RuoloInsegnanti));
    if (Server::prepara(c).stato != Schema::Stato::Pronto)
        return false;
    return QSqlQuery(c.db()).exec(QStringLiteral("TRUNCATE risposte, sessioni"));
}

int sulServer(const ServerDiProva& s)
{
    ConnessioneServer c(s.indirizzo(Server::RuoloInsegnanti));
    if (!c.apri())
        return -1;
    QSqlQuery q(c.db());
    return q.exec(QStringLiteral("SELECT count(DISTINCT id) FROM risposte")) && q.next() ? q.value(0).toInt() : -1;
}

// Seconds until 25 programs have ended, each once the server confirmed its 200 answers; 0 when
// one failed.
double laboratorio(const ServerDiProva& s, const QString& cartella)
{
    QElapsedTimer t;
    t.start();
    std::vector<std::unique_ptr<QProcess>> pc;
    for (int i = 0; i < 25; ++i) {
        pc.push_back(std::make_unique<QProcess>());
        pc.back()->setProcessChannelMode(QProcess::ForwardedErrorChannel);
        pc.back()->start(QStringLiteral(TARVELLO_ALUNNO_FINTO), {cartella + QStringLiteral("/pc%1.sqlite").arg(i),
                                                                 s.url(Server::RuoloAlunni), QStringLiteral("200")});
    }
    bool tutte = true;
    for (auto& p : pc)
        tutte = p->waitForFinished(120000) && p->exitCode() == 0 && tutte;
    const double secondi = t.nsecsElapsed() / 1e9;
    return tutte && sulServer(s) == 5000 ? secondi : 0;
}

} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    const int volte = argc > 1 ? std::max(1, atoi(argv[1])) : 5;
    QTemporaryDir cartella;
    qputenv("TARVELLO_PG_DIR", QFile::encodeName(cartella.filePath(QStringLiteral("pg"))));
    qputenv("TARVELLO_PG_SCRIPT", TARVELLO_PG_SANDBOX);
    ServerDiProva s;
    const bool avviato = ServerDiProva::script({QStringLiteral("start")});
    if (!avviato || !s.leggi() || !svuota(s)) {
        std::printf("invio: NOT MEASURED: the private PostgreSQL server did not start\n");
        ServerDiProva::script({QStringLiteral("stop")});
        return 1;
    }

    std::vector<double> lab, attesa;
    for (int v = 0; v < volte; ++v) {
        QTemporaryDir pc;
        const double secondi = svuota(s) ? laboratorio(s, pc.path()) : 0;
        if (secondi > 0)
            lab.push_back(secondi);
    }

    // 10,000 answers recorded while there was no server, once; each run sends a copy.
    const QString piena = cartella.filePath(QStringLiteral("diecimila.sqlite"));
    {
        Registratore r(piena);
        for (int i = 0; i < 10000; ++i)
            r.registra(rispostaDiProva(i));
        r.attendi(120000);
    }
    for (int v = 0; v < volte; ++v) {
        const QString copia = cartella.filePath(QStringLiteral("copia%1.sqlite").arg(v));
        if (!svuota(s) || !QFile::copy(piena, copia))
            continue;
        QElapsedTimer t;
        t.start();
        Registratore r(copia, s.indirizzo(Server::RuoloAlunni));
        if (r.attendiInvio(120000) && sulServer(s) == 10000)
            attesa.push_back(t.nsecsElapsed() / 1e9);
    }
    ServerDiProva::script({QStringLiteral("stop")});

    if (lab.empty() || attesa.empty()) {
        std::printf("invio: NOT MEASURED: the answers did not all reach the server\n");
        return 1;
    }
    std::printf("invio, 25 PC x 200 risposte fino al server: %.2f s (obiettivo < 10, %.2f), mediana di %zu\n",
                mediana(lab), mediana(lab) / 10, lab.size());
    std::printf("invio, 10.000 risposte in attesa al ritorno del server: %.2f s (obiettivo < 5, %.2f),"
                " mediana di %zu\n",
                mediana(attesa), mediana(attesa) / 5, attesa.size());
    return 0;
}
