#include "registro/anagrafe.h"
#include "registro/connessione.h"
#include "registro/esporta.h"
#include "registro/schema.h"
#include "support/risposte.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

// The CSV files as a spreadsheet or a script reads them: Python's csv module, told only that
// fields are apart by ';' and that the file is UTF-8 with a BOM.
namespace {

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
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("(missing)");
}

// An answer read back from its line, every field of it.
Risposta rilettura(const QStringList& c)
{
    Risposta r;
    r.esatta = c[4] == QLatin1String("1");
    r.secondi = QString(c[5]).replace(QLatin1Char(','), QLatin1Char('.')).toDouble();
    const QStringList seguiti{QString(), QStringLiteral("aiuto"), QStringLiteral("rifiuto"),
                              QStringLiteral("intervento")};
    r.seguito = Seguito(seguiti.indexOf(c[6]));
    r.tipo = c[7].toInt();
    r.figura = c[8].toInt();
    r.n = c[9].toInt();
    r.m = c[10].toInt();
    r.dato = c[11].toInt();
    r.esercizio = c[12].toInt();
    r.sessione = QUuid(c[13]);
    r.pc = c[14];
    r.alunno = QUuid(c[15]);
    r.quando = QDateTime::fromString(c[16], Qt::ISODateWithMs);
    r.id = QUuid(c[17]);
    return r;
}

} // namespace

class TestEsportaCsv : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void daRigaDiComando_data();
    void daRigaDiComando();
    void riepilogo();

private:
    QTemporaryDir cartella_;
    QString registro_;
    QList<Risposta> risposte_;
    QStringList nomi_, classi_; // beside each answer
};

void TestEsportaCsv::initTestCase()
{
    registro_ = cartella_.filePath(QStringLiteral("registro.sqlite"));
    Connessione c(registro_);
    QCOMPARE(Schema::prepara(c.db()).stato, Schema::Stato::Pronto);
    const QUuid classe = *Anagrafe::aggiungiClasse(c.db(), QStringLiteral("3A; \"Rodari\""));
    QCOMPARE(Anagrafe::aggiungiAlunni(c.db(), classe, QStringLiteral("Zoë \"la rossa\"\nNicolò; Luca")), 2);
    const QList<Alunno> alunni = Anagrafe::alunni(c.db(), classe);
    const struct
    {
        int chi; // -1: no pupil
        const char* pc;
        double secondi;
        Seguito seguito;
    } righe[] = {{0, "aula;1", 12.5, Seguito::Aiuto},
                 {1, "lab\n2", 3, Seguito::Nessuno},
                 {-1, "lab \"3\"", 0.125, Seguito::Intervento},
                 {0, "aula;1", 7.25, Seguito::Rifiuto}};
    const QDateTime inizio(QDate(2026, 12, 9), QTime(8, 30, 0, 123), Qt::UTC);
    for (int i = 0; i < 4; ++i) {
        Risposta r{QUuid::createUuid(),
                   QUuid::createUuid(),
                   i + 1,
                   inizio.addSecs(3600 * i),
                   QString::fromUtf8(righe[i].pc),
                   righe[i].chi < 0 ? QUuid() : alunni[righe[i].chi].id,
                   i,
                   i + 5,
                   i + 2,
                   i,
                   i + 1,
                   i % 2 == 1,
                   righe[i].secondi,
                   righe[i].seguito};
        QVERIFY(inserisciRisposta(c.db(), r));
        risposte_.append(r);
        nomi_.append(righe[i].chi < 0 ? QString() : alunni[righe[i].chi].nome);
        classi_.append(righe[i].chi < 0 ? QString() : QStringLiteral("3A; \"Rodari\""));
    }
}

void TestEsportaCsv::daRigaDiComando_data()
{
    QTest::addColumn<QString>("registro"); // "-": none named
    QTest::addColumn<QString>("csv");
    QTest::addColumn<bool>("riuscito");
    QTest::newRow("every answer") << QStringLiteral("registro.sqlite") << QStringLiteral("r.csv") << true;
    QTest::newRow("no register named") << QStringLiteral("-") << QStringLiteral("r.csv") << false;
    QTest::newRow("no such register") << QStringLiteral("altro.sqlite") << QStringLiteral("r.csv") << false;
    QTest::newRow("another program's file") << QStringLiteral("r.csv") << QStringLiteral("s.csv") << false;
    QTest::newRow("no such folder") << QStringLiteral("registro.sqlite") << QStringLiteral("via/r.csv") << false;
}

void TestEsportaCsv::daRigaDiComando()
{
    QFETCH(QString, registro);
    QFETCH(QString, csv);
    QFETCH(bool, riuscito);
    const QString file = cartella_.filePath(csv);
    for (const QString& vecchio :
         {cartella_.filePath(QStringLiteral("r.csv")), cartella_.filePath(QStringLiteral("s.csv"))}) {
        QFile f(vecchio);
        QVERIFY(f.open(QIODevice::WriteOnly) && f.write("vecchio\n"));
    }
    QStringList argomenti{QStringLiteral("--esporta-csv"), file};
    if (registro != QLatin1String("-"))
        argomenti << QStringLiteral("--registro") << cartella_.filePath(registro);
    QProcess tarvello;
    tarvello.start(QStringLiteral(TARVELLO_ESEGUIBILE), argomenti);
    QVERIFY(tarvello.waitForFinished(30000));
    QCOMPARE(tarvello.exitCode(), riuscito ? 0 : 1);
    // A register is never made by reading one.
    QVERIFY(!QFile::exists(cartella_.filePath(QStringLiteral("altro.sqlite"))));
    if (!riuscito) {
        QVERIFY(!tarvello.readAllStandardError().isEmpty());
        if (QFile::exists(file))
            QCOMPARE(contenuto(file), QByteArray("vecchio\n"));
        return;
    }

    const QByteArray byte = contenuto(file);
    QVERIFY(byte.startsWith("\xEF\xBB\xBF"));
    QCOMPARE(byte.count("\r\n"), risposte_.size() + 1);
    const QList<QStringList> righe = letto(file);
    QCOMPARE(righe.size(), risposte_.size() + 1);
    QCOMPARE(righe[0].size(), 18);
    for (int i = 0; i < risposte_.size(); ++i) {
        const QStringList& campi = righe[i + 1];
        QCOMPARE(campi.size(), 18);
        QCOMPARE(rilettura(campi), risposte_[i]);
        const QDateTime locale = risposte_[i].quando.toLocalTime();
        QCOMPARE(QDateTime(QDate::fromString(campi[0], Qt::ISODate), QTime::fromString(campi[1], Qt::ISODate)),
                 locale.addMSecs(-locale.time().msec()));
        QCOMPARE(campi[2], nomi_[i]);
        QCOMPARE(campi[3], classi_[i]);
    }
    // Seconds as an Italian spreadsheet reads a number.
    QCOMPARE(righe[1][5], QStringLiteral("12,5"));
}

void TestEsportaCsv::riepilogo()
{
    Consultazione::Riepilogo zoe{QUuid::createUuid(), QStringLiteral("Zoë; \"la rossa\""), 3, 5, 1, 2.0 / 3, 1, 0, 12.5,
                                 QDate(2026, 12, 9)};
    Consultazione::Riepilogo luca;
    luca.alunno = QUuid::createUuid();
    luca.nome = QStringLiteral("Luca");
    const QString file = cartella_.filePath(QStringLiteral("riepilogo.csv"));
    QString errore;
    QVERIFY2(esportaRiepilogo({zoe, luca}, file, &errore), qPrintable(errore));
    const QList<QStringList> righe = letto(file);
    QCOMPARE(righe.size(), 3);
    QCOMPARE(righe[1],
             (QStringList{zoe.nome, "3", "5", "1", "66,7", "1", "0", "12,5", "2026-12-09", zoe.alunno.toString()}));
    QCOMPARE(righe[2], (QStringList{"Luca", "0", "0", "0", "0", "0", "0", "0", "", luca.alunno.toString()}));
}

QTEST_GUILESS_MAIN(TestEsportaCsv)
#include "tst_esportacsv.moc"
