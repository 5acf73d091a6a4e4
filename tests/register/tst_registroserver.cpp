#include "register/frmregistro.h"
#include "registro/anagrafe.h"
#include "registro/connessione.h"
#include "registro/elencodelpc.h"
#include "registro/schema.h"
#include "registro/server.h"
#include "support/kid.h"
#include "support/pgsandbox.h"
#include "support/testsupport.h"
#include "support/waitfor.h"

#include <QAbstractItemModel>
#include <QApplication>
#include <QFile>
#include <QInputDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSqlQuery>
#include <QStackedWidget>
#include <QTableView>
#include <QTemporaryDir>
#include <QTimeZone>
#include <QTimer>

// The teacher's register window over the school's server: the private one of the tests, its
// teachers' role, its pupils' role and a role that may only log in.
class TestRegistroServer : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();
    void laScuolaNellaFinestra();
    void passwordChiesta();
    void guasti_data();
    void guasti();

private:
    AccessoRegistro::Sede sede(const QString& utente, const QString& database = {}, const QString& host = {}) const;
    static QSqlDatabase insegnante();
    void scrivi(QLineEdit* campo, const QString& testo);

    PgSandbox server_;
    QByteArray pgpass_;
    std::unique_ptr<QTemporaryDir> cartella_;
    std::unique_ptr<ConnessioneServer> insegnante_;
};

namespace {
constexpr int Pagina = 1, PaginaPassword = 2;
}

void TestRegistroServer::initTestCase()
{
    quietOffscreenPlatform();
    QVERIFY2(server_.leggi(), "no private server: run through ctest, whose fixture starts it");
    pgpass_ = qgetenv("PGPASSFILE");
}

// Every test begins with a database without tables, and a PC without a file of its own.
void TestRegistroServer::init()
{
    qputenv("PGPASSFILE", pgpass_);
    cartella_ = std::make_unique<QTemporaryDir>();
    insegnante_ = std::make_unique<ConnessioneServer>(
        IndirizzoServer{Server::RuoloInsegnanti, server_.host, 5432, server_.database, {}});
    QVERIFY2(insegnante_->apri(), qPrintable(insegnante_->errore()));
    QSqlQuery q(insegnante_->db());
    QVERIFY(q.exec(QStringLiteral("SET client_min_messages = warning")));
    QVERIFY2(q.exec(QStringLiteral("DROP TABLE IF EXISTS versione_schema, classi, alunni, sessioni, risposte,"
                                   " impostazioni, conti CASCADE")),
             qPrintable(q.lastError().text()));
}

void TestRegistroServer::cleanup()
{
    closeEverything();
    insegnante_.reset();
}

AccessoRegistro::Sede TestRegistroServer::sede(const QString& utente, const QString& database,
                                               const QString& host) const
{
    return {cartella_->filePath(QStringLiteral("registro.sqlite")),
            IndirizzoServer{utente, host.isEmpty() ? server_.host : host, 5432,
                            database.isEmpty() ? server_.database : database, {}}};
}

void TestRegistroServer::scrivi(QLineEdit* campo, const QString& testo)
{
    campo->setFocus();
    campo->clear();
    QTest::keyClicks(campo, testo);
    QTest::keyClick(campo, Qt::Key_Return);
}

// Classes and answers written on the server from other PCs, whose clocks are years off, are
// read by the server's time; the PC's own answers still waiting are counted. The class chosen
// for this PC is copied into its file, so that "Chi sei?" finds its pupils there.
void TestRegistroServer::laScuolaNellaFinestra()
{
    QSqlDatabase db = insegnante_->db();
    QCOMPARE(Server::prepara(*insegnante_).stato, Schema::Stato::Pronto);
    const auto classe = Anagrafe::aggiungiClasse(db, QStringLiteral("3A"));
    QVERIFY(classe && Anagrafe::aggiungiClasse(db, QStringLiteral("4B")));
    QCOMPARE(Anagrafe::aggiungiAlunni(db, *classe, QStringLiteral("Luca\nAnna")), 2);
    const QList<Alunno> alunni = Anagrafe::alunni(db, *classe);
    QList<Risposta> lotto;
    const QDateTime orologioSbagliato(QDate(2019, 1, 1), QTime(9, 0), QTimeZone::utc());
    for (int i = 0; i < 3; ++i)
        lotto << Risposta{QUuid::createUuid(), QUuid::createUuid(), i + 1, orologioSbagliato.addSecs(i),
                          QStringLiteral("aula2-pc7"), alunni[0].id, 0, 3, 4, 1, 5, i > 0, 4.0, Seguito::Nessuno};
    QCOMPARE(Server::inviaLotto(*insegnante_, lotto).nuove, 3);
    {
        Connessione locale(sede({}).file);
        QCOMPARE(Schema::prepara(locale.db()).stato, Schema::Stato::Pronto);
        QSqlQuery q(locale.db());
        for (int i = 0; i < 2; ++i)
            QVERIFY(q.exec(QStringLiteral("INSERT INTO risposte VALUES ('{%1}', 's', 1, '2026-12-09T08:00:00.000Z',"
                                          " 'pc', NULL, 0, 3, 4, 0, 5, 1, 2.0, 0)")
                               .arg(QUuid::createUuid().toString(QUuid::WithoutBraces))));
    }

    // The address the lab's PCs have names the pupils' role: the window reads with the teachers'.
    MessageRecorder messaggi;
    FrmRegistro* w = &FrmRegistro::apri(sede(Server::RuoloAlunni));
    auto* pagine = kid<QStackedWidget>(w, "stkPagine");
    QAbstractItemModel* m = kid<QTableView>(w, "tblRiepilogo")->model();
    QVERIFY(waitFor([&] { return pagine->currentIndex() == Pagina && m->rowCount() == 2; }, 15000));
    QCOMPARE(m->index(0, 0).data().toString(), QStringLiteral("Anna"));
    QCOMPARE(m->index(0, 2).data().toString(), QStringLiteral("2"));
    const QString riga = kid<QLabel>(w, "lblServer")->text();
    QVERIFY2(riga.startsWith(QStringLiteral("Registro della scuola: %1/%2").arg(server_.host, server_.database)),
             qPrintable(riga));
    QVERIFY2(riga.contains(QLatin1String("da inviare: 2")), qPrintable(riga));

    QTimer::singleShot(0, this, [] {
        auto* d = qobject_cast<QInputDialog*>(QApplication::activeModalWidget());
        QVERIFY(d);
        d->setTextValue(QStringLiteral("3A"));
        d->accept();
    });
    kid<QPushButton>(w, "cmdClasseDelPc")->click();
    QVERIFY(waitFor([&] { return kid<QLabel>(w, "lblClasseDelPc")->text().endsWith(QLatin1String(": 3A")); }, 15000));
    const ElencoDelPc chiSei = leggiElencoDelPc(w->file(), 1000);
    QCOMPARE(chiSei.classe, *classe);
    QCOMPARE(chiSei.alunni.size(), 2);
    QCOMPARE(chiSei.alunni[0].id, alunni[0].id);
    QVERIFY(QFile::exists(segnoClasse(w->file())));
    QVERIFY2(messaggi.messages.isEmpty(), qPrintable(messaggi.messages.join(u'\n')));
}

// Without a password that libpq finds, the window asks it; a wrong one is told, the right one
// opens, and none is written anywhere.
void TestRegistroServer::passwordChiesta()
{
    qputenv("PGPASSFILE", QFile::encodeName(cartella_->filePath(QStringLiteral("nessuna"))));
    FrmRegistro* w = &FrmRegistro::apri(sede(Server::RuoloInsegnanti));
    auto* pagine = kid<QStackedWidget>(w, "stkPagine");
    auto* password = kid<QLineEdit>(w, "txtPassword");
    auto* esito = kid<QLabel>(w, "lblPasswordEsito");
    QVERIFY(waitFor([&] { return password->isEnabled() && esito->text().startsWith(QLatin1String("Scrivi")); }, 15000));
    QCOMPARE(pagine->currentIndex(), PaginaPassword);
    scrivi(password, QStringLiteral("sbagliata"));
    QVERIFY(waitFor([&] { return password->isEnabled() && esito->text().contains(QStringLiteral("non è giusta")); },
                    15000));
    QVERIFY(password->text().isEmpty());
    scrivi(password, QStringLiteral("insegnante-prova"));
    QVERIFY(waitFor([&] { return pagine->currentIndex() == Pagina && w->inAttesa() == 0; }, 15000));
    closeEverything();
    QFile file(sede({}).file);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QVERIFY(!file.readAll().contains("insegnante-prova"));
}

void TestRegistroServer::guasti_data()
{
    QTest::addColumn<QString>("utente");
    QTest::addColumn<QString>("database");
    QTest::addColumn<bool>("senzaServer");
    QTest::addColumn<QStringList>("prima"); // statements of the teachers' role; PREPARA: the schema made
    QTest::addColumn<QString>("detto");

    const QString insegnanti = Server::RuoloInsegnanti;
    QTest::newRow("missing database") << insegnanti << "mancante" << false << QStringList() << "non c'è";
    QTest::newRow("role without rights, empty database")
        << "tarvello_nessuno" << QString() << false << QStringList() << "non ha i permessi";
    QTest::newRow("role without rights, a register")
        << "tarvello_nessuno" << QString() << false << QStringList{"PREPARA"} << "non ha i permessi";
    QTest::newRow("no server") << insegnanti << QString() << true << QStringList() << "non risponde";
    QTest::newRow("another program's database")
        << insegnanti << QString() << false << QStringList{"CREATE TABLE conti (id integer)"} << "altro programma";
    QTest::newRow("a newer program's register")
        << insegnanti << QString() << false << QStringList{"PREPARA", "UPDATE versione_schema SET versione = 99"}
        << "più nuova";
}

// What keeps the window from the register is told on its first page in plain words, with a
// button to try again, and the server is left as it was.
void TestRegistroServer::guasti()
{
    QFETCH(QString, utente);
    QFETCH(QString, database);
    QFETCH(bool, senzaServer);
    QFETCH(QStringList, prima);
    QFETCH(QString, detto);
    for (const QString& istruzione : prima) {
        if (istruzione == QLatin1String("PREPARA"))
            QCOMPARE(Server::prepara(*insegnante_).stato, Schema::Stato::Pronto);
        else
            QVERIFY(QSqlQuery(insegnante_->db()).exec(istruzione));
    }
    QTemporaryDir vuota;
    FrmRegistro* w = &FrmRegistro::apri(sede(utente, database, senzaServer ? vuota.path() : QString()));
    auto* esito = kid<QLabel>(w, "lblPasswordEsito");
    auto* riprova = kid<QPushButton>(w, "cmdPassword");
    QVERIFY(waitFor([&] { return riprova->isEnabled(); }, 15000));
    QVERIFY2(esito->text().contains(detto), qPrintable(esito->text()));
    QCOMPARE(kid<QStackedWidget>(w, "stkPagine")->currentIndex(), PaginaPassword);
    QVERIFY(kid<QLineEdit>(w, "txtPassword")->isHidden());
    closeEverything();
    QSqlQuery q(insegnante_->db());
    QVERIFY(q.exec(QStringLiteral("SELECT count(*) FROM pg_tables WHERE schemaname = current_schema()")) && q.next());
    QCOMPARE(q.value(0).toInt(), prima.contains(QStringLiteral("PREPARA")) ? 6 : int(prima.size()));
}

QTEST_MAIN(TestRegistroServer)
#include "tst_registroserver.moc"
