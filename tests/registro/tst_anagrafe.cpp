#include "registro/anagrafe.h"
#include "registro/connessione.h"
#include "registro/schema.h"

#include <QSqlQuery>
#include <QTemporaryDir>
#include <QTest>

class TestAnagrafe : public QObject
{
    Q_OBJECT

private slots:
    void unaClasseIncollata();
    void schema_data();
    void schema();
};

// A list pasted from a spreadsheet: blanks, empty lines and a name twice.
void TestAnagrafe::unaClasseIncollata()
{
    QTemporaryDir cartella;
    Connessione c(cartella.filePath(QStringLiteral("r.sqlite")));
    QVERIFY2(c.aperta(), qPrintable(c.errore()));
    QCOMPARE(Schema::prepara(c.db()).stato, Schema::Stato::Pronto);
    const auto classe = Anagrafe::aggiungiClasse(c.db(), QStringLiteral(" 3A "));
    QVERIFY(classe);
    QVERIFY(!Anagrafe::aggiungiClasse(c.db(), QStringLiteral("3A")));
    QCOMPARE(Anagrafe::aggiungiAlunni(c.db(), *classe, QStringLiteral("Zoe\r\n  Luca  \n\n\u00C0nna\nLuca\n")), 3);
    const QList<Alunno> alunni = Anagrafe::alunni(c.db(), *classe);
    QCOMPARE(alunni.size(), 3);
    QCOMPARE(alunni.first().nome, QStringLiteral("\u00C0nna"));

    QVERIFY(Anagrafe::scegliClasseDelPc(c.db(), *classe));
    QCOMPARE(Anagrafe::classeDelPc(c.db()), *classe);
    QVERIFY(Anagrafe::eliminaClasse(c.db(), *classe));
    QVERIFY(Anagrafe::alunni(c.db(), *classe).isEmpty());
}

void TestAnagrafe::schema_data()
{
    QTest::addColumn<QString>("prima");
    QTest::addColumn<Schema::Stato>("stato");
    QTest::newRow("new file") << QString() << Schema::Stato::Pronto;
    QTest::newRow("newer program's") << QStringLiteral("PRAGMA user_version = 99") << Schema::Stato::Futuro;
    QTest::newRow("another program's") << QStringLiteral("CREATE TABLE conti (id INTEGER)") << Schema::Stato::Estraneo;
}

void TestAnagrafe::schema()
{
    QFETCH(QString, prima);
    QFETCH(Schema::Stato, stato);
    QTemporaryDir cartella;
    Connessione c(cartella.filePath(QStringLiteral("r.sqlite")));
    if (!prima.isEmpty())
        QVERIFY(QSqlQuery(c.db()).exec(prima));
    QCOMPARE(Schema::prepara(c.db()).stato, stato);
    // Preparing again finds it as it was left.
    QCOMPARE(Schema::prepara(c.db()).stato, stato);
}

QTEST_GUILESS_MAIN(TestAnagrafe)
#include "tst_anagrafe.moc"
