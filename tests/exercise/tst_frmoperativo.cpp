#include "app/frminizio.h"
#include "app/finestre.h"
#include "core/esercizio.h"
#include "exercise/frmoperativo.h"
#include "forms/controls.h"
#include "forms/pushkey.h"
#include "core/twips.h"
#include "support/esercizio.h"
#include "support/testsupport.h"

#include <QAccessible>
#include <QLabel>
#include <QTest>

namespace {

void clic(QWidget* w)
{
    QTest::mousePress(w, Qt::LeftButton);
    QTest::mouseRelease(w, Qt::LeftButton);
}

int figureShown(const frmOperativo& f)
{
    int n = 0;
    for (int k = 1; k <= 15; ++k)
        n += kid<ImageBox>(&f, "Image2", k)->isVisible();
    return n;
}

// Enter on "AGGIUNGI (+)" or "TOGLI (-)" until the second set holds `figure`.
void buildByKeyboard(int figure)
{
    tapKey(esercizio().NumElementiD < figure ? Qt::Key_1 : Qt::Key_2);
    for (int i = 0; i < 10 && esercizio().NumElementiD != figure; ++i)
        tapKey(Qt::Key_Return);
}

void buildByMouse(const frmOperativo& f, int figure)
{
    for (int i = 0; i < 10 && esercizio().NumElementiD != figure; ++i)
        clic(kid<PushKey>(&f, "Option1", esercizio().NumElementiD < figure ? 0 : 1));
}

QWidget* focus() { return QApplication::focusWidget(); }

} // namespace

class TestFrmOperativo : public QObject
{
    Q_OBJECT

private slots:
    // Refusals and right answers count over the whole run: each test starts afresh.
    void init()
    {
        esercizio().Tentativi = 0;
        esercizio().RisEsatte = 0;
    }
    void cleanup() { closeEverything(); }

    void look()
    {
        frmOperativo& f = apriEsercizio(0);
        QCOMPARE(f.windowTitle(), QStringLiteral("Costruisci l'insieme consecutivo maggiore       "));
        QVERIFY(f.isMaximized());
        const QList<std::pair<const char*, const char*>> texts = {
            {"Label1", "COSTRUISCI L'INSIEME CHE VIENE DOPO"}, {"Label5[0]", "Oper"},
            {"Label5[1]", " Risposte esatte"}, {"Label5[2]", " Risposte errate"}, {"Label5[3]", "Tempo parziale"},
            {"Label5[4]", "Tempo totale"}, {"LblOperazione", "1"}, {"lblRisEsatte", ""}, {"lblRisErrate", ""},
            {"LblTempoParziale", ""}, {"LblTempoTotale", ""}, {"LblEsito", ""}, {"LblAiuto", "Ti aiuto ?"},
            {"lblIntervento", "Intervengo io"}, {"Option1[0]", "AGGIUNGI (+)"}, {"Option1[1]", "TOGLI (-)"},
            {"Option1[2]", "VERIFICA"}, {"Option1[3]", "AVANTI >>>"}, {"Option1[4]", "ESCI"},
            {"Option3[0]", "SI"}, {"Option3[1]", "NO"}, {"optOK", "OK"}, {"FraSfondoS", ""}, {"FraSfondoD", ""},
            {"Shape1[0]", ""}, {"Shape1[1]", ""}, {"Image1[15]", ""}, {"Image2[1]", ""}, {"frmElaborazione", ""},
            {"fraTastierino", ""}, {"fraAiuto", ""}, {"fraIntervento", ""}};
        for (const auto& [name, text] : texts) {
            auto* w = f.findChild<QWidget*>(name);
            QVERIFY2(w, name);
            if (auto* l = qobject_cast<QLabel*>(w))
                QCOMPARE(l->text(), QString(text));
            if (auto* k = qobject_cast<PushKey*>(w)) {
                QCOMPARE(k->text(), QString(text));
                QCOMPARE(k->accessibleName(), QString(text));
            }
        }
        QCOMPARE(kid<QLabel>(&f, "LblTempoParziale")->toolTip(), QStringLiteral("Secondi impiegati per ogni risposta"));
        QCOMPARE(kid<QLabel>(&f, "LblTempoTotale")->toolTip(), QStringLiteral("Secondi impiegati per ogni esercizio"));
    }

    void exerciseByKeyboard_data()
    {
        QTest::addColumn<int>("tipo");
        QTest::addColumn<int>("shift");
        QTest::newRow("empty") << 0 << int(Qt::NoModifier);
        QTest::newRow("add") << 1 << int(Qt::ShiftModifier);
        QTest::newRow("remove") << 2 << int(Qt::NoModifier);
    }

    // Real key events to whatever has the focus, through every state: building, help
    // offered, building again, solved, a new exercise, help accepted, leaving.
    void exerciseByKeyboard()
    {
        QFETCH(int, tipo);
        QFETCH(int, shift);
        frmOperativo& f = apriEsercizio(tipo);
        const int start = esercizio().NumElementiD;
        QCOMPARE(focus(), kid<PushKey>(&f, "Option1", 0));
        QCOMPARE(kid<PushKey>(&f, "Option1", 0)->backColor(), QColor(255, 128, 255));
        QVERIFY(!kid<PushKey>(&f, "Option1", 2)->isEnabled()); // even when the second set starts full
        tapKey(Qt::Key_3);
        QCOMPARE(focus(), kid<PushKey>(&f, "Option1", 0));
        tapKey(Qt::Key_Return);
        QCOMPARE(esercizio().NumElementiD, qint16(qMin(start + 1, 10))); // never right: n + 1 is not start + 1
        tapKey(Qt::Key_3);
        QCOMPARE(focus(), kid<PushKey>(&f, "Option1", 2));
        tapKey(Qt::Key_Return);
        QCOMPARE(kid<Annuncio>(&f, "LblEsito")->text(), QStringLiteral("E r r a t o"));
        QCOMPARE(QAccessible::queryAccessibleInterface(kid<Annuncio>(&f, "LblEsito"))->text(QAccessible::Name), QStringLiteral("Errato"));
        QVERIFY(kid<Frame>(&f, "fraAiuto")->isEnabled() && !kid<Frame>(&f, "fraTastierino")->isEnabled());
        QCOMPARE(focus(), kid<PushKey>(&f, "Option3", 0));
        QCOMPARE(kid<PushKey>(&f, "Option3", 0)->backColor(), QColor(255, 192, 128));
        tapKey(Qt::Key_N);
        QCOMPARE(focus(), kid<PushKey>(&f, "Option3", 1));
        tapKey(Qt::Key_S, Qt::KeyboardModifiers(shift));
        QCOMPARE(focus(), kid<PushKey>(&f, "Option3", 0));
        tapKey(Qt::Key_Space);
        QCOMPARE(focus(), kid<PushKey>(&f, "Option3", 1));
        tapKey(Qt::Key_Return); // NO: back to the start
        QCOMPARE(esercizio().NumElementiD, qint16(start));
        QCOMPARE(figureShown(f), start);
        QVERIFY(kid<Annuncio>(&f, "LblEsito")->text().isEmpty());
        QCOMPARE(focus(), kid<PushKey>(&f, "Option1", 0));

        buildByKeyboard(esercizio().NumElementiS + 1);
        tapKey(Qt::Key_3);
        tapKey(Qt::Key_Return);
        QCOMPARE(kid<Annuncio>(&f, "LblEsito")->text(), QStringLiteral("E s a t t o"));
        QCOMPARE(focus(), kid<PushKey>(&f, "Option1", 3));
        tapKey(Qt::Key_Space);
        QCOMPARE(focus(), kid<PushKey>(&f, "Option1", 4));
        tapKey(Qt::Key_Space);
        QCOMPARE(focus(), kid<PushKey>(&f, "Option1", 3));
        tapKey(Qt::Key_1);
        QCOMPARE(focus(), kid<PushKey>(&f, "Option1", 3));
        tapKey(Qt::Key_Return);
        QCOMPARE(kid<QLabel>(&f, "LblOperazione")->text(), QStringLiteral("2"));
        QCOMPARE(focus(), kid<PushKey>(&f, "Option1", 0));

        tapKey(Qt::Key_Return);
        tapKey(Qt::Key_3);
        tapKey(Qt::Key_Return);
        QCOMPARE(focus(), kid<PushKey>(&f, "Option3", 0));
        tapKey(Qt::Key_Return); // SI: the solution
        QCOMPARE(figureShown(f), esercizio().NumElementiS + 1);
        QCOMPARE(focus(), kid<PushKey>(&f, "Option1", 3));
        tapKey(Qt::Key_5);
        QCOMPARE(focus(), kid<PushKey>(&f, "Option1", 4));
        pressKey(Qt::Key_Return);
        QVERIFY(!loadedForm<frmOperativo>());
    }

    void exerciseByMouse_data()
    {
        QTest::addColumn<int>("tipo");
        QTest::newRow("empty") << 0;
        QTest::newRow("add") << 1;
        QTest::newRow("remove") << 2;
    }

    void exerciseByMouse()
    {
        QFETCH(int, tipo);
        frmOperativo& f = apriEsercizio(tipo);
        const int start = esercizio().NumElementiD;
        QVERIFY(!kid<PushKey>(&f, "Option1", 2)->isEnabled());
        clic(kid<PushKey>(&f, "Option1", 0));
        clic(kid<PushKey>(&f, "Option1", 2));
        QCOMPARE(kid<Annuncio>(&f, "LblEsito")->text(), QStringLiteral("E r r a t o"));
        QCOMPARE(focus(), kid<PushKey>(&f, "Option3", 0));
        clic(kid<PushKey>(&f, "Option3", 1));
        QCOMPARE(esercizio().NumElementiD, qint16(start));
        QCOMPARE(focus(), kid<PushKey>(&f, "Option1", 0));

        const QString before = kid<QLabel>(&f, "lblRisEsatte")->text();
        buildByMouse(f, esercizio().NumElementiS + 1);
        clic(kid<PushKey>(&f, "Option1", 2));
        QCOMPARE(kid<Annuncio>(&f, "LblEsito")->text(), QStringLiteral("E s a t t o"));
        QCOMPARE(kid<QLabel>(&f, "lblRisEsatte")->text(), QString::number(esercizio().RisEsatte));
        QVERIFY(kid<QLabel>(&f, "lblRisEsatte")->text() != before);
        QCOMPARE(focus(), kid<PushKey>(&f, "Option1", 3));
        clic(kid<PushKey>(&f, "Option1", 3)); // the release of "VERIFICA" never came back: this must still act
        QCOMPARE(kid<QLabel>(&f, "LblOperazione")->text(), QStringLiteral("2"));
        QCOMPARE(focus(), kid<PushKey>(&f, "Option1", 0));

        clic(kid<PushKey>(&f, "Option1", 0));
        clic(kid<PushKey>(&f, "Option1", 2));
        clic(kid<PushKey>(&f, "Option3", 0));
        QCOMPARE(figureShown(f), esercizio().NumElementiS + 1);
        for (int k = 1; k <= 15; ++k)
            QCOMPARE(kid<ImageBox>(&f, "Image2", k)->accessibleName(), k <= esercizio().NumElementiS + 1 ? QStringLiteral("figura") : QString());
        QCOMPARE(focus(), kid<PushKey>(&f, "Option1", 3));
        QTest::mousePress(kid<PushKey>(&f, "Option1", 4), Qt::LeftButton); // leaves on the press
        QVERIFY(!loadedForm<frmOperativo>());
    }

    void thirdRefusalAcrossTwoExercisesBringsTheIntervention()
    {
        frmOperativo& f = apriEsercizio(0);
        auto wrongAndRefuse = [&] {
            buildByKeyboard(esercizio().NumElementiS);
            tapKey(Qt::Key_3);
            tapKey(Qt::Key_Return);
            tapKey(Qt::Key_2);
            QCOMPARE(focus(), kid<PushKey>(&f, "Option3", 1));
            tapKey(Qt::Key_Return);
        };
        wrongAndRefuse();
        QCOMPARE(focus(), kid<PushKey>(&f, "Option1", 0));
        buildByKeyboard(esercizio().NumElementiS + 1);
        tapKey(Qt::Key_3);
        tapKey(Qt::Key_Return);
        tapKey(Qt::Key_Return); // "AVANTI >>>"
        wrongAndRefuse();
        QCOMPARE(focus(), kid<PushKey>(&f, "Option1", 0));
        wrongAndRefuse();
        QVERIFY(kid<Frame>(&f, "fraIntervento")->isEnabled() && !kid<Frame>(&f, "fraAiuto")->isEnabled() && !kid<Frame>(&f, "fraTastierino")->isEnabled());
        QCOMPARE(focus(), kid<PushKey>(&f, "optOK"));
        QCOMPARE(kid<Annuncio>(&f, "LblEsito")->text(), QStringLiteral("E r r a t o"));
        tapKey(Qt::Key_A);
        QCOMPARE(focus(), kid<PushKey>(&f, "optOK"));
        tapKey(Qt::Key_Return);
        QCOMPARE(figureShown(f), esercizio().NumElementiS + 1);
        QVERIFY(kid<Frame>(&f, "fraTastierino")->isEnabled());
        QCOMPARE(focus(), kid<PushKey>(&f, "Option1", 3));
        QVERIFY(!kid<PushKey>(&f, "Option1", 0)->isEnabled() && !kid<PushKey>(&f, "Option1", 1)->isEnabled() && !kid<PushKey>(&f, "Option1", 2)->isEnabled());
    }

    void keysOfEachGroup_data()
    {
        QTest::addColumn<QString>("group"); // the frame in front, and the key with the focus
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("modifiers");
        QTest::addColumn<QString>("focus"); // where the focus is afterwards
        const int none = Qt::NoModifier;
        const int keypad = Qt::KeypadModifier;
        const int shift = Qt::ShiftModifier;
        QTest::newRow("keypad: digit 2") << "Option1[0]" << int(Qt::Key_2) << none << "Option1[1]";
        QTest::newRow("keypad: 2 of the numeric pad") << "Option1[0]" << int(Qt::Key_2) << keypad << "Option1[0]";
        QTest::newRow("keypad: Tab") << "Option1[0]" << int(Qt::Key_Tab) << none << "Option1[0]";
        QTest::newRow("keypad: arrow") << "Option1[0]" << int(Qt::Key_Right) << none << "Option1[0]";
        QTest::newRow("keypad: letter") << "Option1[0]" << int(Qt::Key_S) << none << "Option1[0]";
        QTest::newRow("keypad: space from TOGLI") << "Option1[1]" << int(Qt::Key_Space) << none << "Option1[0]";
        QTest::newRow("help: 1 of the numeric pad") << "Option3[1]" << int(Qt::Key_1) << keypad << "Option3[0]";
        QTest::newRow("help: 2 of the numeric pad") << "Option3[0]" << int(Qt::Key_2) << keypad << "Option3[1]";
        QTest::newRow("help: digit 1") << "Option3[1]" << int(Qt::Key_1) << none << "Option3[0]";
        // Shift with a digit, from an Italian keyboard: the key types `"`, and is the key 2.
        QTest::newRow("keypad: Shift+2") << "Option1[0]" << int(Qt::Key_2) << shift << "Option1[1]";
        QTest::newRow("help: Shift+1") << "Option3[1]" << int(Qt::Key_1) << shift << "Option3[0]";
        QTest::newRow("help: Tab") << "Option3[0]" << int(Qt::Key_Tab) << none << "Option3[0]";
        QTest::newRow("help: digit 3") << "Option3[0]" << int(Qt::Key_3) << none << "Option3[0]";
        QTest::newRow("OK: Space") << "optOK" << int(Qt::Key_Space) << none << "optOK";
        QTest::newRow("OK: Tab") << "optOK" << int(Qt::Key_Tab) << none << "optOK";
    }

    void keysOfEachGroup()
    {
        QFETCH(QString, group);
        QFETCH(int, key);
        QFETCH(int, modifiers);
        QFETCH(QString, focus);
        frmOperativo& f = apriEsercizio(0);
        const int refusals = group == "optOK" ? 3 : group.startsWith("Option3") ? 1 : 0;
        for (int i = 0; i < refusals; ++i) {
            if (i > 0)
                clic(kid<PushKey>(&f, "Option3", 1));
            clic(kid<PushKey>(&f, "Option1", 0));
            clic(kid<PushKey>(&f, "Option1", 2));
        }
        if (group == "optOK")
            clic(kid<PushKey>(&f, "Option3", 1));
        auto* start = f.findChild<PushKey*>(group);
        start->setFocus();
        const int figures = esercizio().NumElementiD;
        if (modifiers == Qt::ShiftModifier)
            tapShiftedDigit(key - Qt::Key_0);
        else
            tapKey(Qt::Key(key), Qt::KeyboardModifiers(modifiers));
        QCOMPARE(::focus(), f.findChild<PushKey*>(focus));
        QCOMPARE(esercizio().NumElementiD, qint16(figures)); // no key here performs anything
        QVERIFY(start->parentWidget()->isEnabled());
    }

    void heldKeyOrButtonActsOnce()
    {
        frmOperativo& f = apriEsercizio(0);
        pressKey(Qt::Key_Return);
        holdRepeats(Qt::Key_Return, 10);
        QCOMPARE(esercizio().NumElementiD, qint16(1));
        releaseKey(Qt::Key_Return);
        tapKey(Qt::Key_Return);
        QCOMPARE(esercizio().NumElementiD, qint16(2));

        QTest::mousePress(kid<PushKey>(&f, "Option1", 1), Qt::LeftButton);
        QTest::mousePress(kid<PushKey>(&f, "Option1", 1), Qt::RightButton); // a second button while the first is held
        QCOMPARE(esercizio().NumElementiD, qint16(1));
        QTest::mouseRelease(kid<PushKey>(&f, "Option1", 1), Qt::RightButton);
        QTest::mouseRelease(kid<PushKey>(&f, "Option1", 1), Qt::LeftButton);
        clic(kid<PushKey>(&f, "Option1", 1));
        QCOMPARE(esercizio().NumElementiD, qint16(0));

        // Enter held on a wrong "VERIFICA": its repeats land on "SI" and must not answer it.
        tapKey(Qt::Key_1);
        tapKey(Qt::Key_Return);
        tapKey(Qt::Key_3);
        pressKey(Qt::Key_Return);
        QCOMPARE(focus(), kid<PushKey>(&f, "Option3", 0));
        holdRepeats(Qt::Key_Return, 10);
        QVERIFY(kid<Frame>(&f, "fraAiuto")->isEnabled());
        QCOMPARE(esercizio().NumElementiD, qint16(1));
        releaseKey(Qt::Key_Return);
        tapKey(Qt::Key_N);
        QCOMPARE(focus(), kid<PushKey>(&f, "Option3", 1));
    }

    // A release that lands on another key group never leaves the next press on the first
    // group dead, even when the pupil goes on with the mouse and no release comes back there.
    void aReleaseElsewhereNeverLeavesTheNextPressDead()
    {
        frmOperativo& f = apriEsercizio(0);
        tapKey(Qt::Key_Return);
        tapKey(Qt::Key_3);
        tapKey(Qt::Key_Return); // pressed on the keypad, released on "SI"
        clic(kid<PushKey>(&f, "Option3", 1));
        QCOMPARE(focus(), kid<PushKey>(&f, "Option1", 0));
        tapKey(Qt::Key_Return);
        QCOMPARE(esercizio().NumElementiD, qint16(1));

        tapKey(Qt::Key_3);
        tapKey(Qt::Key_Return);
        tapKey(Qt::Key_N);
        tapKey(Qt::Key_Return); // pressed on "NO", released on the keypad
        QCOMPARE(focus(), kid<PushKey>(&f, "Option1", 0));
        clic(kid<PushKey>(&f, "Option1", 0));
        clic(kid<PushKey>(&f, "Option1", 2));
        QCOMPARE(focus(), kid<PushKey>(&f, "Option3", 0));
        tapKey(Qt::Key_N);
        QCOMPARE(focus(), kid<PushKey>(&f, "Option3", 1));
    }

    // A mouse button held on a key while the keyboard answers: the answer takes the key away,
    // its release is never delivered, and still the next press on the keypad acts.
    void aButtonHeldOverAKeyThatGoesAwayLeavesTheNextPressAlive_data()
    {
        QTest::addColumn<bool>("right");
        QTest::newRow("right answer: the building keys go") << true;
        QTest::newRow("wrong answer: the whole keypad goes") << false;
    }

    void aButtonHeldOverAKeyThatGoesAwayLeavesTheNextPressAlive()
    {
        QFETCH(bool, right);
        frmOperativo& f = apriEsercizio(0);
        QTest::mousePress(kid<PushKey>(&f, "Option1", 0), Qt::MiddleButton); // one figure, and the button stays down
        QCOMPARE(esercizio().NumElementiD, qint16(1));
        buildByKeyboard(right ? esercizio().NumElementiS + 1 : esercizio().NumElementiS + 2);
        tapKey(Qt::Key_3);
        tapKey(Qt::Key_Return);
        QVERIFY(!kid<PushKey>(&f, "Option1", 0)->isEnabled());
        QTest::mouseRelease(kid<PushKey>(&f, "Option1", 0), Qt::MiddleButton); // lands on a key that is unavailable
        if (!right) {
            clic(kid<PushKey>(&f, "Option3", 0)); // the solution
            QCOMPARE(focus(), kid<PushKey>(&f, "Option1", 3));
        }
        clic(kid<PushKey>(&f, "Option1", 3));
        QCOMPARE(kid<QLabel>(&f, "LblOperazione")->text(), QStringLiteral("2"));
        clic(kid<PushKey>(&f, "Option1", 0));
        QCOMPARE(esercizio().NumElementiD, qint16(1));
    }

    // Leaving the exercise puts the start window in front with the keyboard, window manager
    // or not: a pupil on the keyboard goes on there.
    void leavingGivesTheKeyboardBackToTheStartWindow_data()
    {
        QTest::addColumn<QString>("how");
        QTest::newRow("Enter on ESCI") << "enter";
        QTest::newRow("mouse on ESCI") << "mouse";
        QTest::newRow("close box") << "close";
    }

    void leavingGivesTheKeyboardBackToTheStartWindow()
    {
        QFETCH(QString, how);
        frmOperativo& f = apriEsercizio(1);
        FrmInizio* inizio = loadedForm<FrmInizio>();
        buildByMouse(f, esercizio().NumElementiS + 1);
        clic(kid<PushKey>(&f, "Option1", 2));
        if (how == "enter") {
            tapKey(Qt::Key_5);
            pressKey(Qt::Key_Return); // its release goes wherever the keyboard is by then
        } else if (how == "mouse") {
            clic(kid<PushKey>(&f, "Option1", 4));
        } else {
            f.close();
        }
        QVERIFY(!loadedForm<frmOperativo>());
        QTRY_COMPARE(QApplication::activeWindow(), inizio);
        QVERIFY(focus() && focus()->window() == inizio);
        tapKey(Qt::Key_3);
        QCOMPARE(focus(), kid<PushKey>(inizio, "Option1", 2));
    }

    // The clock starts again from zero at midnight; an exercise that lasts across it is timed
    // all the same, and the times stop at 999.
    void timedAcrossMidnight_data()
    {
        QTest::addColumn<float>("inizio");
        QTest::addColumn<float>("fine");
        QTest::addColumn<QString>("parziale");
        QTest::newRow("before midnight") << 86390.0f << 86399.5f << " 9";
        QTest::newRow("across midnight") << 86398.5f << 2.25f << " 3";
        QTest::newRow("a long pause across midnight") << 86000.0f << 500.0f << " 900";
        QTest::newRow("past the cap across midnight") << 86000.0f << 1000.0f << "999";
    }

    void timedAcrossMidnight()
    {
        QFETCH(float, inizio);
        QFETCH(float, fine);
        QFETCH(QString, parziale);
        FakeClock orologio(inizio);
        esercizio().TempoTotale = 0;
        frmOperativo& f = apriEsercizio(0);
        orologio.now = fine;
        buildByKeyboard(esercizio().NumElementiS + 1);
        tapKey(Qt::Key_3);
        tapKey(Qt::Key_Return);
        QCOMPARE(kid<Annuncio>(&f, "LblEsito")->text(), QStringLiteral("E s a t t o"));
        QCOMPARE(kid<QLabel>(&f, "LblTempoParziale")->text(), parziale);
        QCOMPARE(kid<QLabel>(&f, "LblTempoTotale")->text(), parziale);
    }

    void closingAndReopeningKeepsTheTotals()
    {
        frmOperativo& first = apriEsercizio(1);
        buildByMouse(first, esercizio().NumElementiS + 1);
        clic(kid<PushKey>(&first, "Option1", 2));
        const int right = esercizio().RisEsatte;
        clic(kid<PushKey>(&first, "Option1", 3));
        QCOMPARE(kid<QLabel>(&first, "LblOperazione")->text(), QStringLiteral("2"));
        first.close(); // by its frame
        QVERIFY(!loadedForm<frmOperativo>());
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);

        frmOperativo& again = apriEsercizio(1);
        QCOMPARE(kid<QLabel>(&again, "LblOperazione")->text(), QStringLiteral("1"));
        QVERIFY(kid<QLabel>(&again, "lblRisEsatte")->text().isEmpty());
        QVERIFY(kid<QLabel>(&again, "lblRisErrate")->text().isEmpty());
        buildByMouse(again, esercizio().NumElementiS + 1);
        clic(kid<PushKey>(&again, "Option1", 2));
        QCOMPARE(kid<QLabel>(&again, "lblRisEsatte")->text(), QString::number(right + 1));
    }

    void twiceAsWide_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QRectF>("design");
        QTest::newRow("place 15 of the second set") << "Image2[15]" << QRectF(3600, 2040, 735, 735);
        QTest::newRow("place 1 of the given set") << "Image1[1]" << QRectF(300, 270, 735, 735);
        QTest::newRow("second set") << "FraSfondoD" << QRectF(6075, 1020, 4620, 3240);
        QTest::newRow("ESCI") << "Option1[4]" << QRectF(105, 2370, 5325, 930);
        QTest::newRow("OK") << "optOK" << QRectF(1110, 1872, 3330, 945);
        QTest::newRow("header") << "Label5[3]" << QRectF(2880, 300, 930, 555);
        QTest::newRow("outcome") << "LblEsito" << QRectF(270, 4830, 5055, 975);
    }

    void twiceAsWide()
    {
        QFETCH(QString, name);
        QFETCH(QRectF, design);
        frmOperativo& f = apriEsercizio(2);
        f.showNormal();
        const QSize inner = Twips::toPixels(f.designInnerSize());
        f.resize(inner.width() * 2, inner.height());
        QTRY_COMPARE(f.client()->size(), QSize(inner.width() * 2, inner.height()));
        auto* w = f.findChild<QWidget*>(name);
        const QRectF expected(design.left() * 2, design.top(), design.width() * 2, design.height());
        const QRectF now = f.control(w)->twips;
        QVERIFY2(qAbs(now.left() - expected.left()) < 1 && qAbs(now.width() - expected.width()) < 1 &&
                     qAbs(now.top() - expected.top()) < 1 && qAbs(now.height() - expected.height()) < 1,
                 qPrintable(QString("%1 %2 %3 %4").arg(now.left()).arg(now.top()).arg(now.width()).arg(now.height())));
        QCOMPARE(w->geometry(), Twips::toPixels(expected));
        QCOMPARE(kid<PushKey>(&f, "Option1", 0)->font().pointSizeF(), 13.5); // fonts keep their size
    }
};

QTEST_MAIN(TestFrmOperativo)
#include "tst_frmoperativo.moc"
