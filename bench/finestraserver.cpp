// The teacher's register window over the school's server holding a school year of a school of
// 500 pupils: 1,000,000 answers in 20 classes, made on a private, throwaway server in a few
// seconds by the server itself. How long the teacher waits to see a class when the window
// opens, and at each change of class over the whole year; and the room the year takes on the
// server, tables and indexes. Runs on Qt's offscreen platform.
#include "app/avvio.h"
#include "misurafinestra.h"
#include "register/frmregistro.h"
#include "registro/server.h"
#include "support/kid.h"
#include "support/pgsandbox.h"

#include <QAbstractItemModel>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QElapsedTimer>
#include <QProcess>
#include <QSqlQuery>
#include <QStackedWidget>
#include <QTableView>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <vector>

namespace {

constexpr int Prove = 5;
constexpr int Classi = 20, PerClasse = 25, Risposte = 1000000;

// A year's answers, spread evenly over the 300 days before today, each pupil's in turn; the
// server's time is the answer's own.
const QStringList Anno{
    QStringLiteral("INSERT INTO classi (id, nome) SELECT gen_random_uuid(), 'Classe ' || lpad(c::text, 2, '0')"
                   " FROM generate_series(1, %1) c").arg(Classi),
    QStringLiteral("INSERT INTO alunni (id, classe, nome)"
                   " SELECT gen_random_uuid(), id, 'Alunno ' || lpad(a::text, 2, '0')"
                   " FROM classi, generate_series(1, %1) a").arg(PerClasse),
    QStringLiteral("CREATE TEMP TABLE numerati AS SELECT id, (row_number() OVER (ORDER BY classe, nome) - 1)::int AS k"
                   " FROM alunni"),
    QStringLiteral("INSERT INTO risposte (id, sessione, esercizio, quando, pc, alunno, tipo, figura, n, m, dato,"
                   " esatta, secondi, seguito, ricevuta)"
                   " SELECT gen_random_uuid(), md5(n.k || '-' || g / %2 / 7)::uuid, g / %2 % 60 + 1, t,"
                   " 'aula1-pc' || (g % 25), n.id, g % 2, 1 + g % 12, 3 + g % 5, g % 4, 4 + g % 5,"
                   " (g % 4 <> 0)::int, 2.0 + g % 13, g % 4, t"
                   " FROM generate_series(0, %1 - 1) g JOIN numerati n ON n.k = g % %2,"
                   " LATERAL (SELECT now() - interval '300 days' + g * (interval '300 days' / %1)) AS quando(t)")
        .arg(Risposte)
        .arg(Classi * PerClasse),
    QStringLiteral("ANALYZE classi, alunni, risposte"),
};

bool sandbox(const QString& comando, const QString& cartella)
{
    QProcess script;
    script.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    script.start(QStringLiteral(TARVELLO_PG_SANDBOX), {comando, cartella});
    return script.waitForFinished(120000) && script.exitStatus() == QProcess::NormalExit && script.exitCode() == 0;
}

QString megabyte(QSqlDatabase db, const QString& misura)
{
    QSqlQuery q(db);
    if (!q.exec(QStringLiteral("SELECT ") + misura) || !q.next())
        return q.lastError().text();
    return QStringLiteral("%1 MB").arg(q.value(0).toDouble() / (1024.0 * 1024.0), 0, 'f', 0);
}

int misura(const QString& cartella)
{
    qputenv("TARVELLO_PG_DIR", QFile::encodeName(cartella));
    qputenv("TARVELLO_PG_SCRIPT", TARVELLO_PG_SANDBOX);
    PgSandbox server;
    if (!server.leggi()) {
        std::printf("registro della scuola: NOT MEASURED: the private server is not there\n");
        return 1;
    }
    const IndirizzoServer dove{Server::RuoloInsegnanti, server.host, 5432, server.database, {}};
    {
        ConnessioneServer insegnante(dove, {}, 600000);
        if (Server::prepara(insegnante).stato != Schema::Stato::Pronto) {
            std::printf("registro della scuola: NOT MEASURED: %s\n", qPrintable(insegnante.errore()));
            return 1;
        }
        QElapsedTimer t;
        t.start();
        for (const QString& istruzione : Anno) {
            QSqlQuery q(insegnante.db());
            if (!q.exec(istruzione)) {
                std::printf("registro della scuola: NOT MEASURED: %s\n", qPrintable(q.lastError().text()));
                return 1;
            }
        }
        std::printf("registro della scuola: %d risposte di %d alunni fatte in %.1f s\n", Risposte, Classi * PerClasse,
                    double(t.elapsed()) / 1000);
        std::printf("registro della scuola, spazio: risposte con i loro indici %s, database intero %s\n",
                    qPrintable(megabyte(insegnante.db(), QStringLiteral("pg_total_relation_size('risposte')"))),
                    qPrintable(megabyte(insegnante.db(), QStringLiteral("pg_database_size(current_database())"))));
        std::fflush(stdout);
    }

    QTemporaryDir pc(QDir::tempPath() + QStringLiteral("/tarvello-bench-XXXXXX"));
    const AccessoRegistro::Sede sede(pc.filePath(QStringLiteral("registro.sqlite")), dove);
    std::vector<double> apertura, classi;
    for (int prova = 0; prova < Prove; ++prova) {
        FrmRegistro* w = nullptr;
        QAbstractItemModel* tabella = nullptr;
        apertura.push_back(attesaFinestra(
            *(w = &FrmRegistro::apri(sede)), [] {},
            [&] {
                tabella = kid<QTableView>(w, "tblRiepilogo")->model();
                return kid<QStackedWidget>(w, "stkPagine")->currentIndex() == 1 && tabella->rowCount() == PerClasse;
            }));
        auto* cboClasse = kid<QComboBox>(w, "cboClasse");
        kid<QCheckBox>(w, "chkTutto")->setChecked(true);
        attesaFinestra(*w, [] {});
        if (tabella->rowCount() != PerClasse || cboClasse->count() != Classi ||
            tabella->index(0, 2).data().toString().isEmpty()) {
            std::printf("registro della scuola: WRONG: %d rows, %d classes\n", tabella->rowCount(), cboClasse->count());
            return 1;
        }
        for (int i = 0; i < 2; ++i)
            classi.push_back(
                attesaFinestra(*w, [&] { cboClasse->setCurrentIndex((cboClasse->currentIndex() + 7) % Classi); }));
        w->unload();
        QCoreApplication::processEvents();
    }
    riportaMediana("registro della scuola", "dall'apertura della finestra alla tabella della classe (ultimi 30 giorni)",
                   apertura, 500);
    riportaMediana("registro della scuola", "cambio di classe, tutto l'anno (25 alunni, 50.000 risposte)", classi, 500);
    return 0;
}

} // namespace

int main(int argc, char* argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    preparaApplicazione(app, QStringLiteral("it"));
    QTemporaryDir cartella(QDir::tempPath() + QStringLiteral("/tarvello-bench-pg-XXXXXX"));
    if (!sandbox(QStringLiteral("start"), cartella.path())) {
        std::printf("registro della scuola: NOT MEASURED: no private PostgreSQL server (Debian: postgresql)\n");
        return 1;
    }
    const int esito = misura(cartella.path());
    sandbox(QStringLiteral("stop"), cartella.path());
    return esito;
}
