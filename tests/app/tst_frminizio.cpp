#include "forms/frmfigure.h"
#include "app/frminizio.h"
#include "app/finestre.h"
#include "core/esercizio.h"
#include "exercise/frmoperativo.h"
#include "forms/controls.h"
#include "forms/pushkey.h"
#include "support/testsupport.h"
#include "worksheets/frmstampante.h"
#include "worksheets/frmstampaschede.h"
#include "worksheets/schedaaggiungitogli.h"

#include <QLabel>
#include <QMenuBar>
#include <QTest>
#include <algorithm>

namespace {
const QColor Rosa(255, 192, 255);
const QColor Magenta(255, 128, 255);

FrmInizio& openStart()
{
    FrmInizio& f = loadForm<FrmInizio>();
    f.showModeless();
    f.activateWindow();
    return f;
}
} // namespace

class TestFrmInizio : public QObject
{
    Q_OBJECT

private slots:
    void cleanup() { closeEverything(); }

    void look()
    {
        FrmInizio& f = openStart();
        QVERIFY(QTest::qWaitForWindowExposed(&f));
        QCOMPARE(f.windowTitle(), QStringLiteral("GLI INSIEMI"));
        QVERIFY(f.isMaximized());
        QCOMPARE(kid<QLabel>(&f, "Label2")->text(), QStringLiteral("Vers. 1.2.0"));
        QCOMPARE(kid<QLabel>(&f, "Label4")->text(), QStringLiteral("TARVELLO"));
        QCOMPARE(kid<PushKey>(&f, "Option1", 0)->text(), QStringLiteral("INSIEME VUOTO (  )"));
        QCOMPARE(kid<PushKey>(&f, "Option1", 1)->text(), QStringLiteral("AGGIUNGI ELEMENTI (+)"));
        QCOMPARE(kid<PushKey>(&f, "Option1", 2)->text(), QStringLiteral("TOGLI ELEMENTI (-)"));
        QCOMPARE(kid<PushKey>(&f, "Option1", 3)->text(), QStringLiteral("E S C I "));
        QCOMPARE(QApplication::focusWidget(), kid<PushKey>(&f, "Option1", 0));
        QCOMPARE(kid<PushKey>(&f, "Option1", 0)->backColor(), Magenta);
        QCOMPARE(kid<PushKey>(&f, "Option1", 1)->backColor(), Rosa);
        QCOMPARE(kid<QAction>(&f, "mnuStampaSchede")->text(), QStringLiteral("Stampa schede"));
        QCOMPARE(kid<QAction>(&f, "MnuVuoto")->text(), QStringLiteral("insieme vuoto"));
        QCOMPARE(kid<QAction>(&f, "mnuAggiungi")->text(), QStringLiteral("aggiungi elementi"));
        QCOMPARE(kid<QAction>(&f, "mnuTogli")->text(), QStringLiteral("togli elementi"));
        QCOMPARE(kid<QAction>(&f, "mnuInfo")->text(), QStringLiteral("About"));
        // Front to back: the curtains over everything, the title band over the picture.
        QCOMPARE(f.client()->childAt(kid<ColourBox>(&f, "Picture1")->geometry().center()), kid<ColourBox>(&f, "Picture1"));
        QVERIFY(kid<Frame>(&f, "frmTitolo")->children().indexOf(kid<QLabel>(&f, "Label4")) > kid<Frame>(&f, "frmTitolo")->children().indexOf(kid<Shape>(&f, "Shape2")));
        QVERIFY(!kid<ImageBox>(&f, "Image1")->picture().isNull());
    }

    void modeButtonsStoreTheKindAndOpenTheExercise_data()
    {
        QTest::addColumn<int>("index");
        QTest::addColumn<QString>("text");
        QTest::newRow("empty") << 0 << "Situazione iniziale: secondo  insieme vuoto - Devi inserire elementi";
        QTest::newRow("add") << 1 << "Situazione iniziale: secondo  insieme suvvalente - Devi aggiungere elementi";
        QTest::newRow("remove") << 2 << "Situazione iniziale: secondo  insieme prevalente - Devi togliere elementi";
    }

    void modeButtonsStoreTheKindAndOpenTheExercise()
    {
        QFETCH(int, index);
        QFETCH(QString, text);
        FrmInizio& f = openStart();
        QVERIFY(QTest::qWaitForWindowExposed(&f));
        esercizio().ScegliTipo(-1);
        QTest::mousePress(kid<PushKey>(&f, "Option1", index), Qt::LeftButton); // acts on the press
        QCOMPARE(esercizio().TipoEsercizio, qint16(index));
        frmOperativo* e = loadedForm<frmOperativo>();
        QVERIFY(e);
        QVERIFY(e->isVisible());
        QCOMPARE(kid<QLabel>(e, "Label2")->text(), text);
        QTest::mouseRelease(kid<PushKey>(&f, "Option1", index), Qt::LeftButton);
        QVERIFY(!f.tastoInCorso());
    }

    // A mode key while the exercise window is open, on an exercise whose answer was wrong (the
    // help question in front): another kind starts an exercise of that kind at once, the same
    // kind leaves the exercise as it was. Either way what a "NO" rebuilds agrees with the kind.
    void aModeKeyWhileAnExerciseIsOpen_data()
    {
        QTest::addColumn<int>("prima");
        QTest::addColumn<int>("poi");
        const char* const nomi[3] = {"empty", "add", "remove"};
        for (int prima = 0; prima < 3; ++prima)
            for (int poi = 0; poi < 3; ++poi)
                QTest::addRow("%s, then %s", nomi[prima], nomi[poi]) << prima << poi;
    }

    void aModeKeyWhileAnExerciseIsOpen()
    {
        QFETCH(int, prima);
        QFETCH(int, poi);
        const QString situazioni[3] = {
            "Situazione iniziale: secondo  insieme vuoto - Devi inserire elementi",
            "Situazione iniziale: secondo  insieme suvvalente - Devi aggiungere elementi",
            "Situazione iniziale: secondo  insieme prevalente - Devi togliere elementi"};
        auto figure = [](const auto& posti) {
            return int(std::count_if(posti.begin(), posti.end(), [](QWidget* p) { return !p->isHidden(); }));
        };
        // The second set at its start, as the kind's rules draw it beside n given figures.
        auto inizioDelTipo = [](int tipo, int n, int m) {
            return tipo == InsiemeVuoto ? m == 0 : tipo == Aggiungere ? m >= 1 && m < n : m >= n + 2 && m <= 10;
        };
        esercizio().Tentativi = 0;
        FrmInizio& f = openStart();
        QVERIFY(QTest::qWaitForWindowExposed(&f));
        QTest::mousePress(kid<PushKey>(&f, "Option1", prima), Qt::LeftButton);
        QTest::mouseRelease(kid<PushKey>(&f, "Option1", prima), Qt::LeftButton);
        frmOperativo* e = loadedForm<frmOperativo>();
        QVERIFY(e);
        const int inizio = figure(kids<ImageBox>(e, "Image2"));
        e->Aggiungi(); // one figure more than at the start is never n + 1
        e->Verifica();
        QVERIFY(kid<Frame>(e, "fraAiuto")->isEnabled());
        const qint16 numero = esercizio().NumOperazione;
        const QString errate = kid<QLabel>(e, "lblRisErrate")->text();
        const QString tempoTotale = kid<QLabel>(e, "LblTempoTotale")->text();

        f.activateWindow();
        QTRY_VERIFY(f.isActiveWindow());
        QTest::mousePress(kid<PushKey>(&f, "Option1", poi), Qt::LeftButton);
        QTest::mouseRelease(kid<PushKey>(&f, "Option1", poi), Qt::LeftButton);
        QCOMPARE(loadedForm<frmOperativo>(), e);
        QTRY_VERIFY(e->isActiveWindow());
        QCOMPARE(kid<QLabel>(e, "Label2")->text(), situazioni[poi]);
        QCOMPARE(kid<QLabel>(e, "lblRisErrate")->text(), errate);
        QCOMPARE(kid<QLabel>(e, "LblTempoTotale")->text(), tempoTotale);
        const int n = figure(kids<ImageBox>(e, "Image1"));
        QCOMPARE(n, int(esercizio().NumElementiS));
        int m = figure(kids<ImageBox>(e, "Image2"));
        if (poi == prima) {
            QCOMPARE(esercizio().NumOperazione, numero);
            QCOMPARE(m, std::min(inizio + 1, 10));
            QVERIFY(kid<Frame>(e, "fraAiuto")->isEnabled());
            QCOMPARE(QApplication::focusWidget(), kid<PushKey>(e, "Option3", 0));
            m = inizio;
        } else {
            QCOMPARE(esercizio().NumOperazione, qint16(numero + 1));
            QCOMPARE(kid<QLabel>(e, "LblOperazione")->text(), QString::number(numero + 1));
            QVERIFY2(n >= (poi == Aggiungere ? 2 : 1) && n <= 8, qPrintable(QString::number(n)));
            QVERIFY2(inizioDelTipo(poi, n, m), qPrintable(QStringLiteral("%1 beside %2").arg(m).arg(n)));
            QVERIFY(kid<Frame>(e, "fraTastierino")->isEnabled() && !kid<Frame>(e, "fraAiuto")->isEnabled());
            QVERIFY(kid<Annuncio>(e, "LblEsito")->text().isEmpty() && kid<QLabel>(e, "LblTempoParziale")->text().isEmpty());
            QCOMPARE(QApplication::focusWidget(), kid<PushKey>(e, "Option1", 0));
            e->Aggiungi();
            e->Verifica();
        }

        // A wrong answer, then "NO": the second set as the kind on the instruction line starts it.
        QVERIFY(kid<Frame>(e, "fraAiuto")->isEnabled());
        QTest::mousePress(kid<PushKey>(e, "Option3", 1), Qt::LeftButton);
        QTest::mouseRelease(kid<PushKey>(e, "Option3", 1), Qt::LeftButton);
        QVERIFY(kid<Frame>(e, "fraTastierino")->isEnabled());
        QCOMPARE(figure(kids<ImageBox>(e, "Image2")), m);
        QVERIFY(inizioDelTipo(poi, n, m));
    }

    void exitEndsTheProgram_data()
    {
        QTest::addColumn<QString>("how");
        QTest::newRow("mouse on E S C I") << "mouse";
        QTest::newRow("Enter on E S C I") << "enter";
        QTest::newRow("close box") << "close";
    }

    void exitEndsTheProgram()
    {
        QFETCH(QString, how);
        bool ended = false;
        Form::setOnLastUnloaded([&] { ended = true; });
        FrmInizio& f = openStart();
        QVERIFY(QTest::qWaitForWindowExposed(&f));
        f.AvviaScelta(2);
        // A hidden window keeps a program alive unless it is unloaded too.
        loadedForm<frmOperativo>()->hideForm();
        kid<QAction>(&f, "MnuVuoto")->trigger();
        kid<QAction>(&f, "mnuAggiungi")->trigger();
        kid<QAction>(&f, "mnuTogli")->trigger();
        QVERIFY(loadedForm<frmStampaSchede>() && loadedForm<frmStampaSchede2>() && loadedForm<frmStampaSchede3>());
        loadForm<frmStampante>(); // loaded, never shown: as after "C H I U D I"
        FrmFigure::Image3(5);
        QVERIFY(FrmFigure::caricato());
        f.activateWindow();
        kid<PushKey>(&f, "Option1", 3)->setFocus();
        if (how == "mouse") {
            QTest::mousePress(kid<PushKey>(&f, "Option1", 3), Qt::LeftButton); // ends at the press
        } else if (how == "enter") {
            pressKey(Qt::Key_Return);
        } else {
            f.close();
        }
        QVERIFY(Form::loadedForms().isEmpty());
        QVERIFY(!FrmFigure::caricato());
        QVERIFY(ended);
        QCOMPARE(esercizio().TipoEsercizio, how == "close" ? qint16(2) : qint16(3));
        Form::setOnLastUnloaded({});
    }

    void worksheetMenuOpensEachWindowOnce_data()
    {
        QTest::addColumn<int>("entry");
        QTest::newRow("insieme vuoto") << 0;
        QTest::newRow("aggiungi elementi") << 1;
        QTest::newRow("togli elementi") << 2;
    }

    void worksheetMenuOpensEachWindowOnce()
    {
        QFETCH(int, entry);
        FrmInizio& f = openStart();
        QAction* actions[3] = {kid<QAction>(&f, "MnuVuoto"), kid<QAction>(&f, "mnuAggiungi"), kid<QAction>(&f, "mnuTogli")};
        auto opened = [&]() -> Form* {
            switch (entry) {
            case 0: return loadedForm<frmStampaSchede>();
            case 1: return loadedForm<frmStampaSchede2>();
            default: return loadedForm<frmStampaSchede3>();
            }
        };
        actions[entry]->trigger();
        Form* first = opened();
        QVERIFY(first && first->isVisible());
        f.activateWindow();
        actions[entry]->trigger(); // the open one comes to the front, no second one
        QCOMPARE(opened(), first);
        QCOMPARE(Form::loadedForms().size(), 2);
        QVERIFY(f.isVisible()); // the start window stays open behind
    }

    void digitsPickAButton_data()
    {
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("modifiers");
        QTest::addColumn<int>("index");
        for (int i = 0; i < 4; ++i) {
            QTest::addRow("digit %d", i + 1) << int(Qt::Key_1 + i) << int(Qt::NoModifier) << i;
            QTest::addRow("keypad %d", i + 1) << int(Qt::Key_1 + i) << int(Qt::KeypadModifier) << i;
            QTest::addRow("Shift+%d", i + 1) << int(Qt::Key_1 + i) << int(Qt::ShiftModifier) << i;
        }
    }

    void digitsPickAButton()
    {
        QFETCH(int, key);
        QFETCH(int, modifiers);
        QFETCH(int, index);
        FrmInizio& f = openStart();
        QVERIFY(QTest::qWaitForWindowExposed(&f));
        kid<PushKey>(&f, "Option1", (index + 2) % 4)->setFocus();
        if (modifiers == Qt::ShiftModifier) // from an Italian keyboard: Shift+2 types `"`
            tapShiftedDigit(key - Qt::Key_0);
        else
            tapKey(Qt::Key(key), Qt::KeyboardModifiers(modifiers));
        QCOMPARE(QApplication::focusWidget(), kid<PushKey>(&f, "Option1", index));
        QCOMPARE(kid<PushKey>(&f, "Option1", index)->backColor(), Magenta);
        for (int i = 0; i < 4; ++i)
            if (i != index)
                QCOMPARE(kid<PushKey>(&f, "Option1", i)->backColor(), Rosa);
        QVERIFY(loadedForm<frmOperativo>() == nullptr); // a digit only moves the focus
    }

    void spaceWalksTheRing()
    {
        FrmInizio& f = openStart();
        QVERIFY(QTest::qWaitForWindowExposed(&f));
        for (int step = 1; step <= 5; ++step) {
            tapKey(Qt::Key_Space);
            QCOMPARE(QApplication::focusWidget(), kid<PushKey>(&f, "Option1", step % 4));
        }
    }

    void otherKeysDoNothing_data()
    {
        QTest::addColumn<int>("key");
        QTest::newRow("tab") << int(Qt::Key_Tab);
        QTest::newRow("letter") << int(Qt::Key_A);
        QTest::newRow("digit 5") << int(Qt::Key_5);
        QTest::newRow("arrow down") << int(Qt::Key_Down);
        QTest::newRow("F2") << int(Qt::Key_F2);
    }

    void otherKeysDoNothing()
    {
        QFETCH(int, key);
        FrmInizio& f = openStart();
        QVERIFY(QTest::qWaitForWindowExposed(&f));
        kid<PushKey>(&f, "Option1", 1)->setFocus();
        tapKey(Qt::Key(key));
        QCOMPARE(QApplication::focusWidget(), kid<PushKey>(&f, "Option1", 1));
        QVERIFY(loadedForm<frmOperativo>() == nullptr);
        QVERIFY(!f.tastoInCorso());
    }

    void enterChoosesTheFocusedButton()
    {
        FrmInizio& f = openStart();
        QVERIFY(QTest::qWaitForWindowExposed(&f));
        tapKey(Qt::Key_3);
        tapKey(Qt::Key_Return);
        QCOMPARE(esercizio().TipoEsercizio, qint16(2));
        QVERIFY(loadedForm<frmOperativo>());
    }

    void heldKeyActsOnce()
    {
        FrmInizio& f = openStart();
        QVERIFY(QTest::qWaitForWindowExposed(&f));
        pressKey(Qt::Key_2);
        QCOMPARE(QApplication::focusWidget(), kid<PushKey>(&f, "Option1", 1));
        holdRepeats(Qt::Key_2, 10);
        QCOMPARE(QApplication::focusWidget(), kid<PushKey>(&f, "Option1", 1));
        // While 2 is held a further key does nothing: the latch holds until a release.
        QTest::keyPress(QApplication::focusWidget(), Qt::Key_4);
        QCOMPARE(QApplication::focusWidget(), kid<PushKey>(&f, "Option1", 1));
        releaseKey(Qt::Key_2);

        pressKey(Qt::Key_Space);
        holdRepeats(Qt::Key_Space, 10);
        releaseKey(Qt::Key_Space);
        QCOMPARE(QApplication::focusWidget(), kid<PushKey>(&f, "Option1", 2)); // one step, not eleven
    }

    void enterThatOpensAWindowDoesNotLeaveTheNextPressDead()
    {
        FrmInizio& f = openStart();
        QVERIFY(QTest::qWaitForWindowExposed(&f));
        pressKey(Qt::Key_Return); // opens the exercise; its release goes there
        frmOperativo* e = loadedForm<frmOperativo>();
        QVERIFY(e);
        e->activateWindow();
        QTRY_VERIFY(!f.isActiveWindow());
        f.activateWindow();
        QTRY_VERIFY(f.isActiveWindow());
        kid<PushKey>(&f, "Option1", 0)->setFocus();
        tapKey(Qt::Key_2);
        QCOMPARE(QApplication::focusWidget(), kid<PushKey>(&f, "Option1", 1));
    }

    void curtainRule_data()
    {
        QTest::addColumn<double>("outer");
        QTest::addColumn<int>("ticks");
        QTest::addColumn<double>("left");
        QTest::addColumn<double>("right");
        QTest::newRow("16000 twips") << 16000.0 << 107 << 50.0 << 50.0;
        QTest::newRow("half a multiple of 75") << 15000.0 << 100 << 0.0 << 0.0;
        QTest::newRow("narrow") << 100.0 << 1 << 50.0 << 50.0;
    }

    void curtainRule()
    {
        QFETCH(double, outer);
        QFETCH(int, ticks);
        QFETCH(double, left);
        QFETCH(double, right);
        Tendine t;
        t.avvia(outer);
        QCOMPARE(t.sinistra, outer / 2);
        QCOMPARE(t.destra, outer / 2);
        int n = 0;
        while (t.inCorso && n < 10000) {
            t.passo();
            ++n;
        }
        QCOMPARE(n, ticks);
        QCOMPARE(t.sinistra, left);
        QCOMPARE(t.destra, right);
        t.passo(); // a stopped animation stays stopped
        QCOMPARE(t.sinistra, left);
    }

    void curtainsCloseAndOpenAtEveryLayout()
    {
        FrmInizio& f = openStart();
        QVERIFY(QTest::qWaitForWindowExposed(&f));
        f.showNormal();
        f.resize(600, 400);
        QTRY_VERIFY(kid<QTimer>(&f, "timerTendine")->isActive());
        QCOMPARE(kid<QTimer>(&f, "timerTendine")->interval(), 10);
        // Closed: each half the outer width, over the whole window.
        QCOMPARE(f.tendine().sinistra, f.outerWidth() / 2);
        QVERIFY(kid<ColourBox>(&f, "Picture1")->width() + kid<ColourBox>(&f, "Picture2")->width() >= f.client()->width());
        QCOMPARE(kid<ColourBox>(&f, "Picture2")->geometry().right(), f.client()->width() - 1);
        QCOMPARE(kid<ColourBox>(&f, "Picture1")->height(), f.client()->height());
        QTRY_VERIFY_WITH_TIMEOUT(!kid<QTimer>(&f, "timerTendine")->isActive(), 5000);
        QVERIFY(f.tendine().sinistra <= 75);
        QVERIFY(kid<ColourBox>(&f, "Picture1")->width() <= 5);
        QCOMPARE(kid<ColourBox>(&f, "Picture2")->geometry().right(), f.client()->width() - 1);
    }

    void layoutFollowsTheWindow()
    {
        FrmInizio& f = openStart();
        QVERIFY(QTest::qWaitForWindowExposed(&f));
        f.showNormal();
        f.resize(800, 600);
        QTRY_COMPARE(f.client()->width(), 800);
        const double w = f.scaleWidth();
        const double h = f.scaleHeight();
        // The mode keys and the title keep their fractions of the inner area.
        const QRectF key = f.control(kid<PushKey>(&f, "Option1", 3))->twips;
        QVERIFY(qAbs(key.left() - 120.0 / 11910 * w) < 1);
        QVERIFY(qAbs(key.width() - 4935.0 / 11910 * w) < 1);
        QVERIFY(qAbs(key.top() - 3000.0 / 8280 * h) < 1);
        QVERIFY(qAbs(key.height() - 795.0 / 8280 * h) < 1);
        const QRectF title = f.control(kid<QLabel>(&f, "Label5"))->twips;
        QVERIFY(qAbs(title.top() - 7425.0 / 8280 * h) < 1);
        QCOMPARE(kid<PushKey>(&f, "Option1", 0)->font().pointSizeF(), 15.75); // fonts keep their size
    }
};

QTEST_MAIN(TestFrmInizio)
#include "tst_frminizio.moc"
