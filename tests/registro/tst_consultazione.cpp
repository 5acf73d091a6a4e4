#include "registro/anagrafe.h"
#include "registro/connessione.h"
#include "registro/consultazione.h"
#include "registro/esporta.h"
#include "registro/schema.h"
#include "support/risposte.h"

#include <QFile>
#include <QHash>
#include <QJsonArray>
#include <QJsonDocument>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

using namespace Consultazione;

namespace {
// A CSV file as a script reads it: Python's csv module, told only of the ';' and the BOM.
QList<QStringList> letto(const QString& file)
{
    QProcess python;
    python.start(QStringLiteral("python3"),
                 {QStringLiteral("-c"),
                  QStringLiteral("import csv, json, sys\n"
                                 "with open(sys.argv[1], encoding='utf-8-sig', newline='') as f:\n"
                                 "    print(json.dumps(list(csv.reader(f, delimiter=';'))))\n"),
                  file});
    python.waitForFinished(30000);
    QList<QStringList> righe;
    for (const QJsonValue& riga : QJsonDocument::fromJson(python.readAllStandardOutput()).array())
        righe.append(riga.toVariant().toStringList());
    return righe;
}

QByteArray contenuto(const QString& file)
{
    QFile f(file);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}
} // namespace

// Times below are the teacher's, in Rome (the test runs with TZ set so): in December a local
// day begins at 23:00 UTC of the day before.
class TestConsultazione : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void riepilogo_data();
    void riepilogo();
    void esportaCsv_data();
    void esportaCsv();
    void giorniEdEliminazione();

private:
    QTemporaryDir cartella_;
    QString file_;
    QUuid classe_;
    QHash<QString, QUuid> alunni_;
    QList<Risposta> risposte_; // in order of time
};

const QString Anna = QStringLiteral("Anna; \"Nanà\"");

void TestConsultazione::initTestCase()
{
    file_ = cartella_.filePath(QStringLiteral("registro.sqlite"));
    Connessione c(file_);
    QCOMPARE(Schema::prepara(c.db()).stato, Schema::Stato::Pronto);
    classe_ = *Anagrafe::aggiungiClasse(c.db(), QStringLiteral("3A"));
    const QUuid altra = *Anagrafe::aggiungiClasse(c.db(), QStringLiteral("3B"));
    Anagrafe::aggiungiAlunni(c.db(), classe_, Anna + QStringLiteral("\nBruno\nCarla"));
    Anagrafe::aggiungiAlunni(c.db(), altra, QStringLiteral("Dario"));
    for (const QUuid& classe : {classe_, altra})
        for (const Alunno& a : Anagrafe::alunni(c.db(), classe))
            alunni_.insert(a.nome, a.id);

    const QUuid s1 = QUuid::createUuid(), s2 = QUuid::createUuid(), s3 = QUuid::createUuid();
    // Who, run, exercise, when, right, seconds, what followed.
    const struct { QString chi; QUuid sessione; int esercizio; const char* quando; bool esatta; double secondi;
                   Seguito seguito; } righe[] = {
        // Out of order of time: an exercise's first answer is its earliest, not the first written.
        {Anna, s1, 1, "2026-12-07T09:01:00", true, 7, Seguito::Nessuno},
        {Anna, s1, 1, "2026-12-07T09:00:00", false, 5, Seguito::Aiuto},
        {Anna, s1, 2, "2026-12-07T09:02:00", true, 3, Seguito::Nessuno},
        {Anna, s1, 3, "2026-12-08T00:30:00", true, 10, Seguito::Nessuno},
        {Anna, s1, 4, "2026-12-09T10:00:00", false, 20, Seguito::Intervento},
        // The same exercise number in another run is another exercise.
        {"Bruno", s2, 1, "2026-12-09T08:00:00", true, 4, Seguito::Nessuno},
        {"Bruno", s3, 1, "2026-12-09T08:11:00", true, 2, Seguito::Nessuno},
        {"Bruno", s3, 1, "2026-12-09T08:10:00", false, 6, Seguito::Rifiuto},
        {"Dario", s3, 2, "2026-12-08T11:00:00", false, 9, Seguito::Aiuto},
        {"", s2, 2, "2026-12-08T12:00:00", true, 1, Seguito::Nessuno},
        {"", s2, 3, "2026-12-08T12:05:00.250", false, 1.25, Seguito::Aiuto},
    };
    const QStringList pc{"lab;1", "lab\n2", "lab \"3\""};
    int i = 0;
    for (const auto& riga : righe) {
        const Risposta r{QUuid::createUuid(), riga.sessione, riga.esercizio,
                         QDateTime::fromString(QLatin1String(riga.quando), Qt::ISODateWithMs).toUTC(), pc[i % 3],
                         alunni_.value(riga.chi), i % 4, i % 12 + 1, i, i + 1, i + 2, riga.esatta, riga.secondi,
                         riga.seguito};
        QVERIFY(inserisciRisposta(c.db(), r));
        risposte_.append(r);
        ++i;
    }
    std::sort(risposte_.begin(), risposte_.end(), [](const auto& a, const auto& b) { return a.quando < b.quando; });
}

void TestConsultazione::riepilogo_data()
{
    QTest::addColumn<QDate>("dal");
    QTest::addColumn<QDate>("al");
    QTest::addColumn<QString>("nome");
    QTest::addColumn<QList<double>>("figure"); // exercises, right, wrong, first try, help, interventions, median

    const QDate d7(2026, 12, 7), d8(2026, 12, 8);
    QTest::newRow("all days, odd count") << QDate() << QDate() << Anna << QList<double>{4, 3, 2, 0.5, 1, 1, 7};
    QTest::newRow("open end, even count") << d8 << QDate() << Anna << QList<double>{2, 1, 1, 0.5, 0, 1, 15};
    QTest::newRow("open start") << QDate() << d7 << Anna << QList<double>{2, 2, 1, 0.5, 1, 0, 5};
    // 00:30 in Rome is still the 7th in UTC.
    QTest::newRow("one local day past midnight") << d8 << d8 << Anna << QList<double>{1, 1, 0, 1, 0, 0, 10};
    QTest::newRow("first try counted per run") << QDate() << QDate() << "Bruno" << QList<double>{2, 2, 1, 0.5, 0, 0, 4};
    QTest::newRow("nothing in the range") << d7 << d8 << "Bruno" << QList<double>{0, 0, 0, 0, 0, 0, 0};
    QTest::newRow("never answered") << QDate() << QDate() << "Carla" << QList<double>{0, 0, 0, 0, 0, 0, 0};
}

void TestConsultazione::riepilogo()
{
    QFETCH(QDate, dal);
    QFETCH(QDate, al);
    QFETCH(QString, nome);
    QFETCH(QList<double>, figure);
    Connessione c(file_);
    const QList<Riepilogo> righe = Consultazione::riepilogo(c.db(), classe_, dal, al);
    // The class's pupils by name; the other class's and nobody's answers left out.
    QStringList nomi;
    for (const Riepilogo& r : righe)
        nomi << r.nome;
    QCOMPARE(nomi, (QStringList{Anna, "Bruno", "Carla"}));
    const Riepilogo r = righe.at(nomi.indexOf(nome));
    QCOMPARE(r.alunno, alunni_.value(nome));
    QCOMPARE((QList<double>{double(r.esercizi), double(r.esatte), double(r.errate), r.primaProva, double(r.aiuti),
                            double(r.interventi), r.medianaSecondi}),
             figure);
    const QList<Giorno> giorni = Consultazione::giorni(c.db(), r.alunno, dal, al);
    QCOMPARE(r.ultimoGiorno, giorni.isEmpty() ? QDate() : giorni.last().giorno);
}

void TestConsultazione::esportaCsv_data()
{
    QTest::addColumn<QString>("registro");
    QTest::addColumn<QString>("csv");
    QTest::newRow("every answer") << "registro.sqlite" << "r.csv";
    QTest::newRow("no such register") << "altro.sqlite" << "r.csv";
    QTest::newRow("another program's file") << "r.csv" << "s.csv";
}

// As a technician's script runs it: the answers read back equal those recorded; when it fails,
// nothing is made or replaced.
void TestConsultazione::esportaCsv()
{
    QFETCH(QString, registro);
    QFETCH(QString, csv);
    for (const char* vecchio : {"r.csv", "s.csv"}) {
        QFile f(cartella_.filePath(QLatin1String(vecchio)));
        QVERIFY(f.open(QIODevice::WriteOnly) && f.write("vecchio\n"));
    }
    const QString file = cartella_.filePath(csv);
    QProcess tarvello;
    tarvello.start(QStringLiteral(TARVELLO_ESEGUIBILE),
                   {QStringLiteral("--registro"), cartella_.filePath(registro), QStringLiteral("--esporta-csv"), file});
    QVERIFY(tarvello.waitForFinished(30000));
    QVERIFY(!QFile::exists(cartella_.filePath(QStringLiteral("altro.sqlite"))));
    if (QTest::currentDataTag() != QLatin1String("every answer")) {
        QCOMPARE(tarvello.exitCode(), 1);
        QVERIFY(!tarvello.readAllStandardError().isEmpty());
        QVERIFY(!QFile::exists(file) || contenuto(file) == "vecchio\n");
        return;
    }
    QCOMPARE(tarvello.exitCode(), 0);
    const QByteArray byte = contenuto(file);
    QVERIFY(byte.startsWith("\xEF\xBB\xBF"));
    QCOMPARE(byte.count("\r\n"), risposte_.size() + 1);
    const QList<QStringList> righe = letto(file);
    QCOMPARE(righe.size(), risposte_.size() + 1);
    const QStringList seguiti{"", "aiuto", "rifiuto", "intervento"};
    for (int i = 0; i < risposte_.size(); ++i) {
        const QStringList& c = righe[i + 1];
        QCOMPARE(c.size(), 18);
        const Risposta letta{QUuid(c[17]), QUuid(c[13]), c[12].toInt(), QDateTime::fromString(c[16], Qt::ISODateWithMs),
                             c[14], QUuid(c[15]), c[7].toInt(), c[8].toInt(), c[9].toInt(), c[10].toInt(), c[11].toInt(),
                             c[4] == QLatin1String("1"), QString(c[5]).replace(',', '.').toDouble(),
                             Seguito(seguiti.indexOf(c[6]))};
        QCOMPARE(letta, risposte_[i]);
        QCOMPARE(c[0] + QLatin1Char('T') + c[1], risposte_[i].quando.toLocalTime().toString(Qt::ISODate));
        QCOMPARE(c[2], alunni_.key(risposte_[i].alunno));
    }
    QCOMPARE(righe[7][5], QStringLiteral("1,25"));

    Connessione c(file_);
    QVERIFY(esportaRiepilogo(Consultazione::riepilogo(c.db(), classe_, {}, {}), file));
    QCOMPARE(letto(file).at(1), (QStringList{Anna, "4", "3", "2", "50", "1", "1", "7", "2026-12-09",
                                             alunni_.value(Anna).toString()}));
}

void TestConsultazione::giorniEdEliminazione()
{
    Connessione c(file_);
    QList<QList<double>> giorno; // day of the month, right, wrong, median
    for (const Giorno& g : giorni(c.db(), alunni_.value(Anna), {}, {}))
        giorno.append({double(g.giorno.day()), double(g.esatte), double(g.errate), g.medianaSecondi});
    QCOMPARE(giorno, (QList<QList<double>>{{7, 2, 1, 5}, {8, 1, 0, 10}, {9, 0, 1, 20}}));

    // Anna's three answers of the 7th go, the one past midnight of the 8th stays.
    QCOMPARE(eliminaPrimaDi(c.db(), QDate(2026, 12, 8)), 3);
    QList<Risposta> rimaste;
    QVERIFY(perOgniRisposta(c.db(), {}, {}, {}, [&](const Risposta& r) { rimaste.append(r); }));
    QCOMPARE(rimaste, risposte_.mid(3));
}

QTEST_GUILESS_MAIN(TestConsultazione)
#include "tst_consultazione.moc"
