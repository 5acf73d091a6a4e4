#include "app/finestre.h"
#include "app/frminizio.h"
#include "app/primafinestra.h"
#include "forms/pushkey.h"
#include "register/frmchisei.h"
#include "registro/anagrafe.h"
#include "registro/connessione.h"
#include "registro/elencodelpc.h"
#include "registro/schema.h"
#include "support/kid.h"
#include "support/waitfor.h"

#include <QFile>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

namespace {
// A register as `come` says; the first pupil of its class, "Anna", if any.
QUuid prepara(const QString& file, const QString& come)
{
    if (come == QLatin1String("estraneo")) {
        QFile f(file);
        f.open(QIODevice::WriteOnly);
        f.write("Tarvello? no: a spreadsheet\n");
        segnaClasse(file, QUuid::createUuid());
        return {};
    }
    if (come == QLatin1String("nessuno"))
        return {};
    Connessione c(file);
    Schema::prepara(c.db());
    const QUuid classe = Anagrafe::aggiungiClasse(c.db(), QStringLiteral("3A")).value_or(QUuid());
    if (come != QLatin1String("classe vuota"))
        Anagrafe::aggiungiAlunni(c.db(), classe, QStringLiteral("Luca\nAnna"));
    if (come != QLatin1String("senza classe"))
        Anagrafe::scegliClasseDelPc(c.db(), classe);
    // Without a class, a mark left behind: the register has the last word.
    segnaClasse(file, classe);
    return Anagrafe::alunni(c.db(), classe).value(0).id;
}
} // namespace

class TestPrimaFinestra : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { Form::setOnLastUnloaded({}); }
    void cleanup() { ChiudiTutto(); }
    void primaFinestra_data();
    void primaFinestra();
    void chiSeiChiusoSenzaScelta();
};

// What the register holds decides the first window; a register that cannot be read, however,
// never holds the start up.
void TestPrimaFinestra::primaFinestra_data()
{
    QTest::addColumn<QString>("registro");
    QTest::addColumn<bool>("chiSei");
    QTest::newRow("no register") << "nessuno" << false;
    QTest::newRow("no class chosen for this PC") << "senza classe" << false;
    QTest::newRow("a class with no pupils") << "classe vuota" << false;
    QTest::newRow("a class with pupils") << "classe" << true;
    QTest::newRow("another program's file") << "estraneo" << false;
    QTest::newRow("locked by another program") << "bloccato" << false;
}

void TestPrimaFinestra::primaFinestra()
{
    QFETCH(QString, registro);
    QFETCH(bool, chiSei);
    QTemporaryDir cartella;
    const QString file = cartella.filePath(QStringLiteral("registro.sqlite"));
    const QUuid anna = prepara(file, registro);
    std::unique_ptr<Connessione> blocco;
    if (registro == QLatin1String("bloccato")) {
        blocco = std::make_unique<Connessione>(file);
        QSqlQuery q(blocco->db());
        QVERIFY(q.exec(QStringLiteral("PRAGMA locking_mode = EXCLUSIVE")));
        QVERIFY(q.exec(QStringLiteral("BEGIN EXCLUSIVE")));
    }
    QUuid scelto = QUuid::createUuid();
    suAlunnoScelto([&scelto](const QUuid& id) { scelto = id; });

    apriPrimaFinestra(file, 2000);
    const auto inizio = [] { return loadedForm<FrmInizio>() && loadedForm<FrmInizio>()->isVisible(); };
    QVERIFY(waitFor([&inizio] { return inizio() || loadedForm<FrmChiSei>(); }, 3000));
    FrmChiSei* w = loadedForm<FrmChiSei>();
    QCOMPARE(w != nullptr, chiSei);
    QCOMPARE(inizio(), !chiSei);
    if (!chiSei)
        return;
    QCOMPARE(kid<PushKey>(w, "optAlunno", 0)->text(), QStringLiteral("Anna"));
    // The pupil's choice is handed on, and the start window follows.
    QTest::mousePress(kid<PushKey>(w, "optAlunno", 0), Qt::LeftButton);
    QCOMPARE(scelto, anna);
    QVERIFY(loadedForm<FrmInizio>()->isVisible());
    QVERIFY(!loadedForm<FrmChiSei>());
}

// "Chi sei?" closed by its close box ends the program, as the start window does.
void TestPrimaFinestra::chiSeiChiusoSenzaScelta()
{
    QTemporaryDir cartella;
    const QString file = cartella.filePath(QStringLiteral("registro.sqlite"));
    prepara(file, QStringLiteral("classe"));
    apriPrimaFinestra(file, 2000);
    QVERIFY(waitFor([] { return loadedForm<FrmChiSei>(); }, 3000));
    loadedForm<FrmChiSei>()->close();
    QVERIFY(Form::loadedForms().isEmpty());
}

QTEST_MAIN(TestPrimaFinestra)
#include "tst_primafinestra.moc"
