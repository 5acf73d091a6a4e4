#include "register/frmregistro.h"
#include "register/paginaregistro.h"
#include "register/pin.h"
#include "printing/pdffile.h"
#include "printing/savedialog.h"
#include "registro/anagrafe.h"
#include "registro/connessione.h"
#include "registro/schema.h"
#include "support/recordingprinter.h"
#include "support/testsupport.h"

#include <QAbstractItemModel>
#include <QAbstractSpinBox>
#include <QAction>
#include <QAccessible>
#include <QLabel>
#include <QLineEdit>
#include <QPasswordDigestor>
#include <QProcess>
#include <QPushButton>
#include <QSqlQuery>
#include <QStackedWidget>
#include <QTableView>

// The teacher's register window over a register of its own, and the PIN that guards it.
class TestRegistro : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { quietOffscreenPlatform(); }
    void init();
    void cleanup() { closeEverything(); }
    void pbkdf2_data();
    void pbkdf2();
    void corrisponde_data();
    void corrisponde();
    void pagine_data();
    void pagine();
    void registroInutilizzabile_data();
    void registroInutilizzabile();
    void pinImpostatoPoiChiesto();
    void tabellaEGrafico();
    void eliminaDopoLaDomanda();

private:
    // A register with class 3A, Anna and Luca, and answers of both on two days; its PIN 2468.
    void registroPiccolo();
    FrmRegistro* apriConPin(const QString& pin);
    static void scrivi(QLineEdit* campo, const QString& testo);

    std::unique_ptr<QTemporaryDir> cartella_;
    QString file_;
    QUuid anna_;
    QUuid luca_;
};

void TestRegistro::init()
{
    cartella_ = std::make_unique<QTemporaryDir>();
    file_ = cartella_->filePath(QStringLiteral("registro.sqlite"));
}

void TestRegistro::pbkdf2_data()
{
    QTest::addColumn<QByteArray>("password");
    QTest::addColumn<QByteArray>("sale");
    QTest::addColumn<int>("iterazioni");
    QTest::addColumn<int>("lunghezza");
    QTest::newRow("a PIN, one block") << QByteArray("2468") << QByteArray("0123456789abcdef") << 1000 << 32;
    QTest::newRow("longer than a block") << QByteArray("12345678") << QByteArray("sale") << 3 << 40;
    QTest::newRow("one iteration") << QByteArray("passwd") << QByteArray("salt") << 1 << 64;
    QTest::newRow("empty password") << QByteArray() << QByteArray("salt") << 2 << 16;
}

// The digest is the standard one: Qt's own PBKDF2 gives the same bytes.
void TestRegistro::pbkdf2()
{
    QFETCH(QByteArray, password);
    QFETCH(QByteArray, sale);
    QFETCH(int, iterazioni);
    QFETCH(int, lunghezza);
    QCOMPARE(Pin::pbkdf2(password, sale, iterazioni, lunghezza),
             QPasswordDigestor::deriveKeyPbkdf2(QCryptographicHash::Sha256, password, sale, iterazioni, lunghezza));
}

void TestRegistro::corrisponde_data()
{
    QTest::addColumn<QString>("tenuto");
    QTest::addColumn<QString>("scritto");
    QTest::addColumn<bool>("entra");
    const QString otto = Pin::impronta(QStringLiteral("12345678"));
    QTest::newRow("the PIN") << otto << QStringLiteral("12345678") << true;
    QTest::newRow("one digit short") << otto << QStringLiteral("1234567") << false;
    QTest::newRow("one digit more") << otto << QStringLiteral("123456789") << false;
    QTest::newRow("nothing typed") << otto << QString() << false;
    QTest::newRow("no PIN kept") << QString() << QString() << false;
    QTest::newRow("not a digest") << QStringLiteral("12345678") << QStringLiteral("12345678") << false;
    QTest::newRow("digest cut short") << otto.left(otto.lastIndexOf(QLatin1Char('$')) + 1) << QStringLiteral("12345678") << false;
    QTest::newRow("rounds changed") << QString(otto).replace(QStringLiteral("$100000$"), QStringLiteral("$1$"))
                                    << QStringLiteral("12345678") << false;
}

// Only the PIN that made the digest opens; a value that is not a whole digest opens nothing.
void TestRegistro::corrisponde()
{
    QFETCH(QString, tenuto);
    QFETCH(QString, scritto);
    QFETCH(bool, entra);
    QCOMPARE(Pin::corrisponde(scritto, tenuto), entra);
}

void TestRegistro::pagine_data()
{
    QTest::addColumn<int>("alunni");
    QTest::addColumn<int>("conRisposte");
    QTest::addColumn<int>("pagine");
    QTest::newRow("no pupils") << 0 << 0 << 1;
    QTest::newRow("a class, no answers") << 25 << 0 << 1;
    QTest::newRow("a class, four charts a page") << 25 << 9 << 4;
    QTest::newRow("a table over two pages") << 60 << 0 << 2;
}

// Every pupil is printed once, on as many pages as the table needs, then the charts of those
// who answered; every page stays within the page's extent.
void TestRegistro::pagine()
{
    QFETCH(int, alunni);
    QFETCH(int, conRisposte);
    QFETCH(int, pagine);
    QList<Consultazione::Riepilogo> righe;
    QList<QList<Consultazione::Giorno>> giorni;
    for (int i = 0; i < alunni; ++i) {
        Consultazione::Riepilogo r;
        r.nome = QStringLiteral("Alunno %1").arg(i);
        righe.append(r);
        giorni.append(i < conRisposte ? QList<Consultazione::Giorno>{{QDate(2026, 12, 1), 3, 1, 9.5}}
                                      : QList<Consultazione::Giorno>());
    }
    const PrintDocument d = PaginaRegistro::documento(QStringLiteral("3A"), QDate(2026, 11, 1), QDate(2026, 12, 1), righe, giorni);
    QCOMPARE(d.pages, pagine);
    RecordingPrinter carta;
    PaginaRegistro::disegnaTutto(carta, d);
    QCOMPARE(carta.count(RecordingPrinter::Op::NewPage), pagine - 1);
    for (int i = 0; i < alunni; ++i) {
        const QString nome = righe[i].nome;
        QCOMPARE(std::count_if(carta.ops.cbegin(), carta.ops.cend(), [&](const auto& o) { return o.text == nome; }), 1);
    }
    for (const auto& o : std::as_const(carta.ops))
        QVERIFY(o.a.y() >= 0 && o.a.y() < PaginaRegistro::Altezza && o.a.x() < PaginaRegistro::Larghezza);
}

void TestRegistro::registroInutilizzabile_data()
{
    QTest::addColumn<QString>("prima");
    QTest::addColumn<QString>("detto");
    QTest::newRow("a newer program's") << QStringLiteral("PRAGMA user_version = 99") << QStringLiteral("più nuova");
    QTest::newRow("another program's") << QStringLiteral("CREATE TABLE conti (id INTEGER)") << QStringLiteral("non è un registro");
}

// A register the window cannot use is told on the PIN's page, and left as it was.
void TestRegistro::registroInutilizzabile()
{
    QFETCH(QString, prima);
    QFETCH(QString, detto);
    {
        Connessione c(file_);
        QVERIFY(QSqlQuery(c.db()).exec(prima));
    }
    FrmRegistro* w = &FrmRegistro::apri(file_);
    auto* esito = kid<QLabel>(w, "lblPinEsito");
    QVERIFY(waitFor([&] { return esito->text().contains(detto); }, 10000));
    QVERIFY(!kid<QLineEdit>(w, "txtPin")->isEnabled());
    closeEverything();
    Connessione c(file_);
    QSqlQuery q(c.db());
    QVERIFY(q.exec(QStringLiteral("SELECT COUNT(*) FROM sqlite_master")) && q.next());
    QCOMPARE(q.value(0).toInt(), prima.startsWith(QLatin1String("CREATE")) ? 1 : 0);
}

void TestRegistro::scrivi(QLineEdit* campo, const QString& testo)
{
    campo->setFocus();
    campo->clear();
    QTest::keyClicks(campo, testo);
}

// First opening: the PIN is chosen twice over; the register keeps a digest, never the PIN.
// The next opening asks it: a wrong one is refused, the right one opens the register.
void TestRegistro::pinImpostatoPoiChiesto()
{
    MessageRecorder messaggi;
    FrmRegistro* w = &FrmRegistro::apri(file_);
    auto* pin = kid<QLineEdit>(w, "txtPin");
    auto* conferma = kid<QLineEdit>(w, "txtPinConferma");
    auto* esito = kid<QLabel>(w, "lblPinEsito");
    auto* pagine = kid<QStackedWidget>(w, "stkPagine");
    QVERIFY(waitFor([&] { return pin->isEnabled() && !conferma->isHidden(); }, 10000));

    scrivi(pin, QStringLiteral("12"));
    QTest::keyClick(pin, Qt::Key_Return);
    QVERIFY(esito->text().contains(QLatin1String("cifre")));
    scrivi(pin, QStringLiteral("1357"));
    scrivi(conferma, QStringLiteral("1375"));
    QTest::keyClick(conferma, Qt::Key_Return);
    QVERIFY(esito->text().contains(QLatin1String("non sono uguali")));
    QCOMPARE(pagine->currentIndex(), 0);
    scrivi(pin, QStringLiteral("1357"));
    scrivi(conferma, QStringLiteral("1357"));
    QTest::keyClick(conferma, Qt::Key_Return);
    QVERIFY(waitFor([&] { return pagine->currentIndex() == 1; }, 10000));
    QVERIFY(waitFor([&] { return w->inAttesa() == 0; }, 10000));
    closeEverything();

    {
        Connessione c(file_);
        const QString kept = Anagrafe::impostazione(c.db(), Pin::Chiave);
        QVERIFY(kept.startsWith(QLatin1String("pbkdf2-sha256$")));
        QVERIFY(!kept.contains(QLatin1String("1357")));
    }

    w = &FrmRegistro::apri(file_);
    pin = kid<QLineEdit>(w, "txtPin");
    esito = kid<QLabel>(w, "lblPinEsito");
    pagine = kid<QStackedWidget>(w, "stkPagine");
    QVERIFY(waitFor([&] { return pin->isEnabled(); }, 10000));
    QVERIFY(kid<QLineEdit>(w, "txtPinConferma")->isHidden());
    scrivi(pin, QStringLiteral("7531"));
    QTest::keyClick(pin, Qt::Key_Return);
    QVERIFY(waitFor([&] { return esito->text().contains(QLatin1String("PIN errato")); }, 10000));
    QCOMPARE(pagine->currentIndex(), 0);
    QVERIFY(pin->text().isEmpty());
    scrivi(pin, QStringLiteral("1357"));
    QTest::keyClick(pin, Qt::Key_Return);
    QVERIFY(waitFor([&] { return pagine->currentIndex() == 1; }, 10000));
    QVERIFY(messaggi.messages.isEmpty());
}

void TestRegistro::registroPiccolo()
{
    Connessione c(file_);
    QCOMPARE(Schema::prepara(c.db()).stato, Schema::Stato::Pronto);
    const auto classe = Anagrafe::aggiungiClasse(c.db(), QStringLiteral("3A"));
    QVERIFY(classe);
    QCOMPARE(Anagrafe::aggiungiAlunni(c.db(), *classe, QStringLiteral("Luca\nAnna")), 2);
    const QList<Alunno> alunni = Anagrafe::alunni(c.db(), *classe);
    anna_ = alunni[0].id;
    luca_ = alunni[1].id;
    QVERIFY(Anagrafe::imposta(c.db(), Pin::Chiave, Pin::impronta(QStringLiteral("2468"))));
    QVERIFY(Anagrafe::imposta(c.db(), QStringLiteral("avviso_registro"), QStringLiteral("Il registro era guasto.")));
    // Anna: two days, one wrong answer on the first; Luca: one right answer yesterday.
    const QDateTime ieri = QDateTime(QDate::currentDate().addDays(-1), QTime(10, 0)).toUTC();
    const struct { QUuid alunno; QDateTime quando; int esercizio; bool esatta; } righe[] = {
        {anna_, ieri.addDays(-1), 1, false}, {anna_, ieri.addDays(-1).addSecs(20), 1, true},
        {anna_, ieri, 2, true}, {luca_, ieri, 1, true}};
    const QUuid sessione = QUuid::createUuid();
    for (const auto& r : righe) {
        QSqlQuery q(c.db());
        q.prepare(QStringLiteral("INSERT INTO risposte VALUES (?, ?, ?, ?, 'pc', ?, 0, 3, 4, 0, ?, ?, 12.5, 0)"));
        for (const QVariant& v : {QVariant(QUuid::createUuid().toString()), QVariant(sessione.toString()), QVariant(r.esercizio),
                                  QVariant(r.quando.toString(QStringLiteral("yyyy-MM-ddTHH:mm:ss.zzzZ"))),
                                  QVariant(r.alunno.toString()), QVariant(r.esatta ? 5 : 3), QVariant(int(r.esatta))})
            q.addBindValue(v);
        QVERIFY2(q.exec(), qPrintable(q.lastQuery()));
    }
}

FrmRegistro* TestRegistro::apriConPin(const QString& pin)
{
    FrmRegistro* w = &FrmRegistro::apri(file_);
    auto* campo = kid<QLineEdit>(w, "txtPin");
    if (!waitFor([&] { return campo->isEnabled(); }, 10000))
        return nullptr;
    scrivi(campo, pin);
    QTest::keyClick(campo, Qt::Key_Return);
    if (!waitFor([&] { return kid<QStackedWidget>(w, "stkPagine")->currentIndex() == 1 && w->inAttesa() == 0; }, 10000))
        return nullptr;
    return w;
}

// The class's table as a screen reader meets it: a row a pupil, headings on every column, every
// control named. Enter on a row opens that pupil's chart.
void TestRegistro::tabellaEGrafico()
{
    registroPiccolo();
    FrmRegistro* w = apriConPin(QStringLiteral("2468"));
    QVERIFY(w);
    auto* tabella = kid<QTableView>(w, "tblRiepilogo");
    QAbstractItemModel* m = tabella->model();
    QVERIFY(waitFor([&] { return m->rowCount() == 2; }, 10000));
    QCOMPARE(m->index(0, 0).data().toString(), QStringLiteral("Anna"));
    QCOMPARE(m->index(0, 2).data().toString(), QStringLiteral("2"));
    QCOMPARE(m->index(1, 0).data().toString(), QStringLiteral("Luca"));
    for (int c = 0; c < m->columnCount(); ++c)
        QVERIFY2(!m->headerData(c, Qt::Horizontal).toString().isEmpty(), qPrintable(QString::number(c)));
    QVERIFY(kid<QLabel>(w, "lblAvviso")->isVisible());
    QCOMPARE(kid<QLabel>(w, "lblAvviso")->text(), QStringLiteral("Il registro era guasto."));

    // Every control the keyboard reaches is named; a date box's own editor is read as the box.
    for (QWidget* c : w->findChildren<QWidget*>())
        if (c->isVisible() && c->focusPolicy() != Qt::NoFocus && !qobject_cast<QAbstractSpinBox*>(c->parentWidget())) {
            QAccessibleInterface* a = QAccessible::queryAccessibleInterface(c);
            QVERIFY2(a && !a->text(QAccessible::Name).isEmpty(), qPrintable(c->objectName()));
        }

    tabella->setFocus();
    tabella->setCurrentIndex(m->index(0, 0));
    QTest::keyClick(tabella, Qt::Key_Return);
    QWidget* grafico = kid<QWidget>(w, "grfAlunno");
    QVERIFY(waitFor([&] { return grafico->accessibleName().contains(QLatin1String("Anna")); }, 10000));
    QVERIFY(grafico->accessibleDescription().contains(QLatin1String("2")));

    // Saved as PDF: the table's page and the charts' page, as a reader of the file finds them.
    const QString pdf = cartella_->filePath(QStringLiteral("riepilogo.pdf"));
    SaveDialog::setSink([pdf](const QString&) { return pdf; });
    kid<QPushButton>(w, "cmdSalvaPdf")->click();
    SaveDialog::setSink({});
    QVERIFY(waitFor([&] { return w->inAttesa() == 0 && PdfFile::writesInProgress() == 0 && QFile::exists(pdf); }, 20000));
    QProcess testo;
    testo.start(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), pdf, QStringLiteral("-")});
    QVERIFY(testo.waitForFinished(20000));
    const QString letto = QString::fromUtf8(testo.readAllStandardOutput());
    QVERIFY2(letto.contains(QLatin1String("Registro di Tarvello - classe 3A")), qPrintable(letto));
    QVERIFY2(letto.contains(QRegularExpression(QStringLiteral("Anna +2 +2 +1 +50 %"))), qPrintable(letto));
    QVERIFY2(letto.contains(QLatin1String("Pagina 2 di 2")), qPrintable(letto));

    // Every answer of the class in the days chosen, through the export menu: a header and four lines.
    const QString csv = cartella_->filePath(QStringLiteral("risposte.csv"));
    SaveDialog::setSink([csv](const QString&) { return csv; });
    kid<QAction>(w, "mnuCsvRisposte")->trigger();
    SaveDialog::setSink({});
    QVERIFY(waitFor([&] { return w->inAttesa() == 0 && QFile::exists(csv); }, 20000));
    QFile righe(csv);
    QVERIFY(righe.open(QIODevice::ReadOnly));
    QCOMPARE(QString::fromUtf8(righe.readAll()).split(QLatin1Char('\n'), Qt::SkipEmptyParts).size(), 5);
}

// A pupil is deleted, with every answer, only once the teacher has said yes.
void TestRegistro::eliminaDopoLaDomanda()
{
    registroPiccolo();
    MessageRecorder messaggi;
    FrmRegistro* w = apriConPin(QStringLiteral("2468"));
    QVERIFY(w);
    auto* tabella = kid<QTableView>(w, "tblRiepilogo");
    QAbstractItemModel* m = tabella->model();
    QVERIFY(waitFor([&] { return m->rowCount() == 2; }, 10000));
    tabella->setCurrentIndex(m->index(1, 0));
    auto* elimina = kid<QPushButton>(w, "cmdEliminaAlunno");

    messaggi.answer = false;
    elimina->click();
    QCOMPARE(messaggi.questions.size(), 1);
    QVERIFY(messaggi.questions.first().contains(QLatin1String("Luca")));
    QVERIFY(waitFor([&] { return w->inAttesa() == 0; }, 10000));
    QCOMPARE(m->rowCount(), 2);

    messaggi.answer = true;
    elimina->click();
    QVERIFY(waitFor([&] { return m->rowCount() == 1 && w->inAttesa() == 0; }, 10000));
    QCOMPARE(m->index(0, 0).data().toString(), QStringLiteral("Anna"));
    closeEverything();
    Connessione c(file_);
    QSqlQuery q(c.db());
    QVERIFY(q.exec(QStringLiteral("SELECT COUNT(*) FROM risposte WHERE alunno = '%1'").arg(luca_.toString())) && q.next());
    QCOMPARE(q.value(0).toInt(), 0);
}

QTEST_MAIN(TestRegistro)
#include "tst_registro.moc"
