#include "registro/connessione.h"
#include "registro/invio.h"
#include "registro/registratore.h"
#include "registro/serverdiprova.h"

#include <QElapsedTimer>
#include <QProcess>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QTest>

#include <memory>
#include <vector>

// Pupils' programs sending their answers to the private server of pg-sandbox.sh, through the
// pupils' role, while the server refuses, freezes, dies and comes back.
class TestInvio : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void venticinquePc();
    void serverCheRifiuta_data();
    void serverCheRifiuta();
    void serverFermatoEUcciso();
    void ultimeRisposteCancellate();

private:
    // The first value the teacher reads, or the error; empty for a statement without rows.
    QString insegnante(const QString& istruzione);
    // "answers|distinct identifiers" on the server.
    QString sulServer();
    QString file(const QString& nome) const { return cartella_.filePath(nome); }

    ServerDiProva server_;
    QTemporaryDir cartella_;
};

namespace {

constexpr int Minuto = 60000;

int inAttesa(const QString& file)
{
    Connessione c(file);
    return Invio::inAttesa(c.db());
}

// Records an answer every 10 ms for `ms`, as fast pupils would; the longest registra() call.
qint64 registraPer(Registratore& r, int ms, int* registrate)
{
    QElapsedTimer tutto, una;
    tutto.start();
    qint64 piuLunga = 0;
    while (tutto.elapsed() < ms) {
        una.start();
        r.registra(rispostaDiProva((*registrate)++));
        piuLunga = std::max(piuLunga, una.elapsed());
        QTest::qSleep(10);
    }
    return piuLunga;
}

} // namespace

void TestInvio::initTestCase()
{
    QVERIFY2(server_.leggi(), "no private server: run through ctest, whose fixture starts it");
    QVERIFY(cartella_.isValid());
}

void TestInvio::init()
{
    ConnessioneServer c(server_.indirizzo(Server::RuoloInsegnanti));
    QVERIFY2(c.apri(), qPrintable(c.errore()));
    QSqlQuery q(c.db());
    QVERIFY(q.exec(QStringLiteral("DROP TABLE IF EXISTS versione_schema, classi, alunni, sessioni, risposte,"
                                  " impostazioni CASCADE")));
    QCOMPARE(Server::prepara(c).stato, Schema::Stato::Pronto);
}

QString TestInvio::insegnante(const QString& istruzione)
{
    ConnessioneServer c(server_.indirizzo(Server::RuoloInsegnanti));
    if (!c.apri())
        return c.errore();
    QSqlQuery q(c.db());
    if (!q.exec(istruzione))
        return q.lastError().text();
    return q.next() ? q.value(0).toString() : QString();
}

QString TestInvio::sulServer()
{
    return insegnante(QStringLiteral("SELECT count(*) || '|' || count(DISTINCT id) FROM risposte"));
}

// A lab's PCs all sending at once: every answer arrives, once.
void TestInvio::venticinquePc()
{
    std::vector<std::unique_ptr<QProcess>> pc;
    for (int i = 0; i < 25; ++i) {
        pc.push_back(std::make_unique<QProcess>());
        pc.back()->setProcessChannelMode(QProcess::ForwardedErrorChannel);
        pc.back()->start(QStringLiteral(TARVELLO_ALUNNO_FINTO),
                         {file(QStringLiteral("pc%1.sqlite").arg(i)), server_.url(Server::RuoloAlunni),
                          QStringLiteral("200")});
    }
    for (auto& p : pc) {
        QVERIFY(p->waitForFinished(Minuto));
        QCOMPARE(p->exitCode(), 0);
    }
    QCOMPARE(sulServer(), QStringLiteral("5000|5000"));
    QCOMPARE(insegnante(QStringLiteral("SELECT count(*) FROM sessioni")), QStringLiteral("25"));
}

void TestInvio::serverCheRifiuta_data()
{
    QTest::addColumn<QString>("guasto");
    QTest::addColumn<int>("tecnico");     // how `tarvello --prepara-registro` ends then
    QTest::addColumn<QString>("rimedio"); // what the teacher does after it
    QTest::addColumn<bool>("riavvio");    // the program ends, and starts again after the mend

    QTest::newRow("no register on the server")
        << "DROP TABLE versione_schema, classi, alunni, sessioni, risposte, impostazioni" << 0 << QString() << true;
    QTest::newRow("a newer program's register") << "UPDATE versione_schema SET versione = 99" << 1
                                                << "UPDATE versione_schema SET versione = 1" << false;
    QTest::newRow("a role without rights") << "REVOKE INSERT ON risposte FROM tarvello_alunni" << 0
                                           << "GRANT INSERT ON risposte TO tarvello_alunni" << false;
}

// The pupil's program goes on recording into its file, and the answers go once the server
// takes them, in this run or the next.
void TestInvio::serverCheRifiuta()
{
    QFETCH(QString, guasto);
    QFETCH(int, tecnico);
    QFETCH(QString, rimedio);
    QFETCH(bool, riavvio);
    const QString locale = file(QString::fromLatin1(QTest::currentDataTag()) + QStringLiteral(".sqlite"));
    const IndirizzoServer alunni = server_.indirizzo(Server::RuoloAlunni);
    QCOMPARE(insegnante(guasto), QString());

    auto r = std::make_unique<Registratore>(locale, alunni);
    for (int i = 0; i < 5; ++i)
        r->registra(rispostaDiProva(i));
    QVERIFY(r->attendi(Minuto));
    QVERIFY(!r->attendiInvio(1500));
    QCOMPARE(inAttesa(locale), 5);

    if (riavvio)
        r.reset();
    QProcess script;
    QProcessEnvironment senzaSchermo = QProcessEnvironment::systemEnvironment();
    for (const char* variabile : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
        senzaSchermo.remove(QString::fromLatin1(variabile));
    script.setProcessEnvironment(senzaSchermo);
    script.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    script.start(QStringLiteral(TARVELLO_ESEGUIBILE),
                 {QStringLiteral("--registro"), server_.url(Server::RuoloInsegnanti),
                  QStringLiteral("--prepara-registro")});
    QVERIFY(script.waitForFinished(Minuto));
    QCOMPARE(script.exitCode(), tecnico);
    if (!rimedio.isEmpty())
        QCOMPARE(insegnante(rimedio), QString());
    if (riavvio)
        r = std::make_unique<Registratore>(locale, alunni);
    QVERIFY(r->attendiInvio(Minuto));
    QCOMPARE(sulServer(), QStringLiteral("5|5"));
    QCOMPARE(inAttesa(locale), 0);
}

// Frozen for 10 s, then killed while a batch is half in: nothing lost, nothing twice, and the
// thread that records never waits. A program that ends meanwhile ends at once, and its next
// run sends what it left.
void TestInvio::serverFermatoEUcciso()
{
    // Every batch stops at its first statement, its transaction open, while the teacher's
    // session keeps the gate shut.
    ConnessioneServer cancello(server_.indirizzo(Server::RuoloInsegnanti));
    QVERIFY(cancello.apri());
    QSqlQuery q(cancello.db());
    QVERIFY2(q.exec(QStringLiteral("CREATE OR REPLACE FUNCTION cancello() RETURNS trigger LANGUAGE plpgsql AS"
                                   " $$BEGIN PERFORM pg_advisory_xact_lock_shared(7); RETURN NULL; END$$")),
             qPrintable(q.lastError().text()));
    QVERIFY(q.exec(QStringLiteral("CREATE TRIGGER cancello BEFORE INSERT ON risposte FOR EACH STATEMENT"
                                  " EXECUTE FUNCTION cancello()")));
    QVERIFY(q.exec(QStringLiteral("SELECT pg_advisory_lock(7)")));
    // "pupils' connections|batches held at the gate"
    const auto attendono = [this](const char* quanti) {
        return QTest::qWaitFor(
            [&] {
                return insegnante(QStringLiteral(
                           "SELECT (SELECT count(*) FROM pg_stat_activity WHERE usename = 'tarvello_alunni')"
                           " || '|' || (SELECT count(*) FROM pg_locks WHERE locktype = 'advisory'"
                           " AND NOT granted)")) == QLatin1String(quanti);
            },
            Minuto);
    };

    const QString locale = file(QStringLiteral("fermato.sqlite"));
    const QString altro = file(QStringLiteral("finito.sqlite"));
    const IndirizzoServer alunni = server_.indirizzo(Server::RuoloAlunni);
    Registratore r(locale, alunni);
    auto finito = std::make_unique<Registratore>(altro, alunni);
    int registrate = 0, altre = 0;
    for (; registrate < 700; ++registrate)
        r.registra(rispostaDiProva(registrate));
    for (; altre < 30; ++altre)
        finito->registra(rispostaDiProva(altre));
    QVERIFY(r.attendi(Minuto) && finito->attendi(Minuto));
    QVERIFY(attendono("2|2"));

    QVERIFY(ServerDiProva::script({QStringLiteral("signal"), QStringLiteral("STOP")}));
    QElapsedTimer fine;
    fine.start();
    finito.reset();
    QVERIFY2(fine.elapsed() < 5000, qPrintable(QString::number(fine.elapsed())));
    qint64 piuLunga = registraPer(r, 10000, &registrate);
    QVERIFY(ServerDiProva::script({QStringLiteral("signal"), QStringLiteral("CONT")}));
    // The statements outlived their time limit meanwhile: the ended program's sender gives up,
    // the other one begins its batch again.
    QVERIFY(attendono("1|1"));
    QVERIFY(ServerDiProva::script({QStringLiteral("signal"), QStringLiteral("KILL")}));
    piuLunga = std::max(piuLunga, registraPer(r, 1000, &registrate));
    QVERIFY(ServerDiProva::script({QStringLiteral("restart")}));
    piuLunga = std::max(piuLunga, registraPer(r, 500, &registrate));

    QVERIFY(r.attendiInvio(Minuto));
    finito = std::make_unique<Registratore>(altro, alunni);
    QVERIFY(finito->attendiInvio(Minuto));
    QCOMPARE(sulServer(), QStringLiteral("%1|%1").arg(registrate + altre));
    QVERIFY2(piuLunga <= 50, qPrintable(QString::number(piuLunga)));
}

// The file's last answers deleted after they were sent: SQLite gives their rowids to the next
// ones, which must still go.
void TestInvio::ultimeRisposteCancellate()
{
    const QString locale = file(QStringLiteral("cancellate.sqlite"));
    const IndirizzoServer alunni = server_.indirizzo(Server::RuoloAlunni);
    int registrate = 0;
    for (const int risposte : {5, 3}) {
        Registratore r(locale, alunni);
        for (int i = 0; i < risposte; ++i)
            r.registra(rispostaDiProva(registrate++));
        QVERIFY(r.attendi(Minuto));
        QVERIFY(r.attendiInvio(Minuto));
        QCOMPARE(inAttesa(locale), 0);
        Connessione c(locale);
        QSqlQuery q(c.db());
        QVERIFY(q.exec(QStringLiteral("DELETE FROM risposte WHERE rowid > 2")));
    }
    QCOMPARE(sulServer(), QStringLiteral("8|8"));
}

QTEST_GUILESS_MAIN(TestInvio)
#include "tst_invio.moc"

