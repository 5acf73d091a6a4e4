#include "forms/pushkey.h"
#include "register/frmchisei.h"
#include "support/kid.h"

#include <QApplication>
#include <QSignalSpy>
#include <QTest>

namespace {
const QStringList Nomi{"Anna", "Gianfrancesco", "Maria Vittoria", "Luca", "Zoe", "Alessandro", "Beatrice", "Carlo",
                       "Davide", "Elisabetta", "Francesca", "Giorgio", "Ilaria", "Jacopo", "Kevin", "Leonardo",
                       "Margherita", "Nicolò", "Ottavia", "Pietro", "Rebecca", "Samuele", "Tommaso", "Ugo",
                       "Valentina", "Walter", "Ximena", "Yuri", "Zaccaria", "Anna Maria"};

QList<Alunno> alunni(int n)
{
    QList<Alunno> elenco;
    for (int i = 0; i < n; ++i)
        elenco.append({QUuid::createUuid(), Nomi[i]});
    return elenco;
}

// The key with the focus: a pupil's index, or -1 for "Non sono nell'elenco".
int chiHaIlFuoco(FrmChiSei& w)
{
    QWidget* f = QApplication::focusWidget();
    return f == kid<PushKey>(&w, "optNessuno") ? -1 : kids<PushKey>(&w, "optAlunno").indexOf(f);
}
} // namespace

class TestFrmChiSei : public QObject
{
    Q_OBJECT

private slots:
    void cleanup()
    {
        for (Form* f : Form::loadedForms())
            f->unload();
    }
    void tasti_data();
    void tasti();
    void griglia_data();
    void griglia();
};

// A pupil plays the window with keys and the mouse; each row ends on a key with the focus, or a
// choice. Ten pupils stand in four columns: 0-3, 4-7, 8-9, then "Non sono nell'elenco" (-1).
void TestFrmChiSei::tasti_data()
{
    QTest::addColumn<int>("numero");
    QTest::addColumn<QString>("azioni");
    QTest::addColumn<int>("fuoco");
    QTest::addColumn<int>("scelto"); // -2: nobody chosen yet; -1: "Non sono nell'elenco"

    QTest::newRow("a digit picks its key") << 10 << "3" << 2 << -2;
    QTest::newRow("the keypad's too") << 10 << "kp4" << 3 << -2;
    QTest::newRow("the same digit again goes on by ten") << 25 << "2 2" << 11 << -2;
    QTest::newRow("and back to the first after the last") << 25 << "2 2 2 2" << 1 << -2;
    QTest::newRow("a digit past the list") << 5 << "8" << 0 << -2;
    QTest::newRow("0 is for who is not in the list") << 10 << "0" << -1 << -2;
    QTest::newRow("a digit held acts once") << 25 << "hold2 hold2" << 1 << -2;
    QTest::newRow("letters and Tab do nothing") << 10 << "A Tab" << 0 << -2;
    QTest::newRow("Right runs through every key in a ring") << 3 << "Right Right Right Right" << 0 << -2;
    QTest::newRow("Left from the first") << 3 << "Left" << -1 << -2;
    QTest::newRow("Down to the last row, then below") << 10 << "Down Down Down" << -1 << -2;
    QTest::newRow("Down where the last row is short") << 10 << "4 Down Down" << -1 << -2;
    QTest::newRow("Down from below the grid") << 10 << "0 Down" << 0 << -2;
    QTest::newRow("Up from the first row") << 10 << "2 Up" << -1 << -2;
    QTest::newRow("Up from below the grid") << 10 << "0 Up" << 8 << -2;
    QTest::newRow("Enter chooses") << 10 << "Right Down Enter" << -2 << 5;
    QTest::newRow("Space chooses") << 10 << "9 Space" << -2 << 8;
    QTest::newRow("not in the list") << 10 << "0 Enter" << -2 << -1;
    QTest::newRow("the mouse chooses on the press") << 30 << "press27" << -2 << 27;
    QTest::newRow("a class of nobody") << 0 << "Right Enter" << -2 << -1;
}

void TestFrmChiSei::tasti()
{
    QFETCH(int, numero);
    QFETCH(QString, azioni);
    QFETCH(int, fuoco);
    QFETCH(int, scelto);
    const QList<Alunno> elenco = alunni(numero);
    auto* w = new FrmChiSei(elenco);
    w->load();
    w->showModeless();
    QVERIFY(QTest::qWaitForWindowActive(w));
    QSignalSpy scelte(w, &FrmChiSei::scelto);
    const QMap<QString, Qt::Key> tasti{{"Right", Qt::Key_Right}, {"Left", Qt::Key_Left}, {"Up", Qt::Key_Up},
                                       {"Down", Qt::Key_Down},   {"Enter", Qt::Key_Return}, {"Space", Qt::Key_Space},
                                       {"Tab", Qt::Key_Tab},     {"A", Qt::Key_A}};
    for (const QString& a : azioni.split(QLatin1Char(' '))) {
        QWidget* f = QApplication::focusWidget();
        QVERIFY(f);
        if (a.startsWith(QLatin1String("press")))
            QTest::mousePress(kid<PushKey>(w, "optAlunno", a.mid(5).toInt()), Qt::LeftButton);
        else if (a.startsWith(QLatin1String("hold")))
            QTest::keyPress(f, a.back().toLatin1());
        else if (a.startsWith(QLatin1String("kp")))
            QTest::keyClick(f, Qt::Key(Qt::Key_0 + a.back().digitValue()), Qt::KeypadModifier);
        else if (a.size() == 1 && a.front().isDigit())
            QTest::keyClick(f, a.front().toLatin1());
        else
            QTest::keyClick(f, tasti.value(a));
    }
    if (scelto == -2) {
        QCOMPARE(scelte.count(), 0);
        QCOMPARE(chiHaIlFuoco(*w), fuoco);
        return;
    }
    QCOMPARE(scelte.count(), 1);
    QCOMPARE(scelte.first().first().toUuid(), scelto < 0 ? QUuid() : elenco[scelto].id);
    QVERIFY(!w->isLoaded());
}

// Every key whole, apart and readable on the screens of a school's laptops.
void TestFrmChiSei::griglia_data()
{
    QTest::addColumn<int>("numero");
    QTest::addColumn<QSize>("interno");
    for (int n : {1, 7, 24, 30})
        for (QSize s : {QSize(1020, 536), QSize(1362, 700)})
            QTest::addRow("%d pupils at %dx%d", n, s.width(), s.height()) << n << s;
}

void TestFrmChiSei::griglia()
{
    QFETCH(int, numero);
    QFETCH(QSize, interno);
    auto* w = new FrmChiSei(alunni(numero));
    w->load();
    w->showModeless();
    w->showNormal();
    w->resize(interno + (w->size() - w->client()->size()));
    QTRY_COMPARE(w->client()->size(), interno);
    QList<PushKey*> tasti = kids<PushKey>(w, "optAlunno");
    tasti.append(kid<PushKey>(w, "optNessuno"));
    QCOMPARE(tasti.size(), numero + 1);
    for (int i = 0; i < tasti.size(); ++i) {
        const PushKey* k = tasti[i];
        QVERIFY2(w->client()->rect().contains(k->geometry()), qPrintable(k->text()));
        for (int j = i + 1; j < tasti.size(); ++j)
            QVERIFY2(!k->geometry().intersects(tasti[j]->geometry()), qPrintable(k->text() + " / " + tasti[j]->text()));
        QVERIFY2(k->captionFont().pointSizeF() >= 11, qPrintable(k->text()));
        QVERIFY2(QFontMetricsF(k->captionFont()).horizontalAdvance(k->text()) <= k->captionRect().width(),
                 qPrintable(k->text()));
    }
}

QTEST_MAIN(TestFrmChiSei)
#include "tst_frmchisei.moc"
