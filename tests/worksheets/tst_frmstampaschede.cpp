#include "app/frminizio.h"
#include "platform/random.h"
#include "platform/twips.h"
#include "support/recordingprinter.h"
#include "support/testsupport.h"
#include "worksheets/schedatest.h"

#include <QMenuBar>
#include <QTest>

using Op = RecordingPrinter::Op;

namespace {
const QString Seconda = QStringLiteral("Visualizza la seconda parte");
const QString Prima = QStringLiteral("Visualizza la prima parte");

// The frames that hold no set, by index.
constexpr int Vuoti[4] = {2, 3, 4, 5};
} // namespace

// The worksheet window of the empty second set, on screen.
class TestFrmStampaSchede : public QObject
{
    Q_OBJECT

private:
    // The set frames and places where they were designed, before any layout.
    static void checkDesign(frmStampaSchede& w)
    {
        const QStringList didascalie = {"Primo Insieme", "Secondo insieme", "", "", "", "", "Terzo insieme",
                                        "Quarto insieme"};
        for (int j = 0; j < frmStampaSchede::Riquadri; ++j) {
            Frame* f = w.FraSfondoS[j];
            QCOMPARE(f->caption(), didascalie[j]);
            QCOMPARE(f->backColor(), QColor(255, 255, 255));
            QCOMPARE(f->parentWidget(), j < 4 ? w.Frame3 : w.Frame4);
            QCOMPARE(w.control(f)->twips.size(), QSizeF(4605, 3075));
            // Frame j holds places 15j to 15j + 14, on one grid of 5 columns and 3 rows.
            for (int p = 0; p < 15; ++p) {
                ImageBox* posto = w.Image1[15 * j + p];
                QCOMPARE(posto->parentWidget(), f);
                const QRectF r = w.control(posto)->twips;
                QCOMPARE(r.topLeft(), QPointF(QList<double>{105, 975, 1830, 2685, 3540}[p % 5],
                                              QList<double>{150, 1140, 2085}[p / 5]));
                QVERIFY(QRectF(0, 0, 4605, 3075).contains(r));
            }
        }
        // Sets on the left, their empty boxes on the right, sets 1 and 2 above 3 and 4.
        QCOMPARE(w.FraSfondoS[0]->accessibleName(), QStringLiteral("Primo Insieme"));
        QVERIFY(w.FraSfondoS[0]->x() < w.FraSfondoS[2]->x());
        QVERIFY(w.FraSfondoS[0]->y() < w.FraSfondoS[1]->y());
        QVERIFY(w.FraSfondoS[6]->x() < w.FraSfondoS[5]->x());
        QVERIFY(w.FraSfondoS[6]->y() < w.FraSfondoS[7]->y());
    }

private slots:
    void cleanup() { closeEverything(); }

    void look()
    {
        frmStampaSchede& w = loadForm<frmStampaSchede>();
        checkDesign(w);
        if (QTest::currentTestFailed())
            return;
        w.showModeless();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        QCOMPARE(w.windowTitle(), QStringLiteral("VISUALIZZAZIONE SCHEDA          "));
        QVERIFY(w.isMaximized());
        QCOMPARE(w.designInnerSize(), QSizeF(11910, 8430));
        QCOMPARE(w.menuBar()->actions(), QList<QAction*>{w.menuStampante});
        QCOMPARE(w.menuStampante->objectName(), QStringLiteral("mnuStampante"));
        QCOMPARE(w.menuStampante->text(), QStringLiteral("Seleziona stampante"));
        QVERIFY(!w.menuStampante->menu());
        QCOMPARE(w.Label1->text(), QStringLiteral(" SCHEDA: COSTRUIRE L'INSIEME CHE VIENE DOPO"));
        QCOMPARE(w.Label2->text(), QStringLiteral(" situazione iniziale: secondo insieme vuoto"));
        QCOMPARE(w.Label2->font(), w.Label1->font());
        QCOMPARE(w.Label1->font().pointSizeF(), 20.25);
        QVERIFY(w.Label1->font().bold());
        const QStringList bottoni = {"VISUALIZZA 1\u00b0 INSIEME", "VISUALIZZA 2\u00b0 INSIEME",
                                     "VISUALIZZA 3\u00b0 INSIEME", "VISUALIZZA 4\u00b0 INSIEME"};
        for (int k = 0; k < 4; ++k)
            QCOMPARE(w.CmdInsieme[k]->text(), bottoni[k]);
        QCOMPARE(w.Command1->text(), QStringLiteral("STAMPA"));
        QCOMPARE(w.CmdFine->text(), QStringLiteral("ESCI"));
        for (PushKey* key : {w.CmdInsieme[0], w.CmdInsieme[3], w.Command1, w.CmdFine, w.Command2})
            QCOMPARE(key->backColor(), QColor(255, 128, 255));

    }

    void captionsStayInFrontOfThePlaces()
    {
        // At the design size the top row of places reaches up into the caption; the blank
        // white pictures there used to wipe out the lower half of its letters.
        frmStampaSchede& w = Scheda::completa();
        w.showNormal();
        w.resize(Twips::toPixels(QSizeF(11910, 8430)) + QSize(0, w.height() - w.client()->height()));
        QTRY_COMPARE(w.client()->size(), Twips::toPixels(QSizeF(11910, 8430)));
        for (int j : {0, 1, 6, 7}) {
            w.mostraParte(j < 4 ? 1 : 2);
            Frame* f = w.FraSfondoS[j];
            QLabel* caption = f->captionLabel();
            QVERIFY(caption);
            QCOMPARE(caption->text(), f->caption());
            const int rigaPosti = w.Image1[15 * j]->y();
            QVERIFY(rigaPosti < caption->geometry().bottom()); // they do meet
            const QImage img = f->grab().toImage();
            int scuri = 0;
            for (int y = rigaPosti; y <= caption->geometry().bottom(); ++y)
                for (int x = caption->x(); x <= caption->geometry().right(); ++x)
                    scuri += qGray(img.pixel(x, y)) < 128;
            QVERIFY2(scuri > 0, qPrintable(f->caption()));
        }
    }

    void tabOrderAndFirstFocus()
    {
        frmStampaSchede& w = Scheda::apri();
        w.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&w));
        QCOMPARE(QApplication::focusWidget(), w.CmdInsieme[0]);
        const QList<QWidget*> giro = {w.CmdFine, w.Command1, w.CmdInsieme[1], w.CmdInsieme[2],
                                      w.CmdInsieme[3], w.Command2, w.CmdInsieme[0]};
        for (QWidget* prossimo : giro) {
            tapKey(Qt::Key_Tab);
            QCOMPARE(QApplication::focusWidget(), prossimo);
        }
    }

    void atLoadOnlySetOneExists()
    {
        MessageRecorder messages;
        frmStampaSchede& w = Scheda::apri();
        QCOMPARE(w.InsiemeGenerato, (std::array<bool, 4>{true, false, false, false}));
        QCOMPARE(w.parteVisibile(), 1);
        QVERIFY(w.Frame3->isVisibleTo(&w));
        QVERIFY(!w.Frame4->isVisibleTo(&w));
        QCOMPARE(w.Command2->text(), Seconda);
        const QList<int> posti = Scheda::posti(w);
        const int n = Scheda::figure(Scheda::insieme(posti, 1));
        QVERIFY2(n >= 2 && n <= 10, qPrintable(QString::number(n)));
        for (int k = 2; k <= 4; ++k)
            QCOMPARE(Scheda::insieme(posti, k), QList<int>(15, -1));

        // Nothing goes to a printer: the refusal is the only message.
        w.Command1->click();
        QCOMPARE(messages.messages, QStringList{"Completa la scheda "});
        QCOMPARE(Scheda::posti(w), posti);
    }

    void aSetButtonMakesUpOnlyItsSet_data()
    {
        QTest::addColumn<int>("k");
        QTest::addColumn<int>("parteDiPartenza");
        for (int k = 1; k <= 4; ++k)
            for (int parte = 1; parte <= 2; ++parte)
                QTest::addRow("set %d from part %d", k, parte) << k << parte;
    }

    void aSetButtonMakesUpOnlyItsSet()
    {
        QFETCH(int, k);
        QFETCH(int, parteDiPartenza);
        frmStampaSchede& w = Scheda::completa();
        w.mostraParte(parteDiPartenza);
        const QList<int> prima = Scheda::posti(w);

        // Until the new set differs from the old one: the same draw twice is possible.
        QList<int> dopo;
        for (int tentativo = 0; tentativo < 20 && (dopo.isEmpty() || Scheda::insieme(dopo, k) == Scheda::insieme(prima, k)); ++tentativo) {
            w.CmdInsieme[k - 1]->click();
            dopo = Scheda::posti(w);
        }
        QVERIFY(Scheda::insieme(dopo, k) != Scheda::insieme(prima, k));

        for (int altro = 1; altro <= 4; ++altro)
            if (altro != k)
                QCOMPARE(Scheda::insieme(dopo, altro), Scheda::insieme(prima, altro));
        for (int j : Vuoti)
            QCOMPARE(dopo.mid(15 * j, 15), QList<int>(15, -1));

        // One figure, the drawn one, on exactly the drawn places; white everywhere else.
        const QList<int> set = Scheda::insieme(dopo, k);
        QCOMPARE(Scheda::figure(set), w.NumElementiScheda);
        const int primo = frmStampaSchede::primoPosto(k);
        for (int p = 0; p < 15; ++p) {
            const bool estratto = std::count(w.PostiScheda.begin() + 1, w.PostiScheda.begin() + 1 + w.NumElementiScheda,
                                             qint16(primo + p)) == 1;
            QCOMPARE(set[p], estratto ? int(w.FiguraScheda) : FrmFigure::Bianca);
            QCOMPARE(w.Image1[primo + p]->accessibleName(), estratto ? QStringLiteral("figura") : QString());
        }
        for (int i = 1; i <= w.NumElementiScheda; ++i)
            QCOMPARE(w.PostiEstrattiScheda[i], w.PostiScheda[i]);

        QCOMPARE(w.parteVisibile(), k <= 2 ? 1 : 2);
        QCOMPARE(w.Frame3->isVisibleTo(&w), k <= 2);
        QCOMPARE(w.Frame4->isVisibleTo(&w), k > 2);
        QCOMPARE(w.Command2->text(), k <= 2 ? Seconda : Prima);
        QCOMPARE(w.InsiemeGenerato, (std::array<bool, 4>{true, true, true, true}));
    }

    void partSwitchShowsTheOtherPart()
    {
        frmStampaSchede& w = Scheda::completa();
        w.CmdInsieme[0]->click();
        const QList<int> posti = Scheda::posti(w);
        for (int volta = 0; volta < 4; ++volta) {
            const bool primaParte = volta % 2 == 1;
            w.Command2->click();
            QCOMPARE(w.Frame3->isVisibleTo(&w), primaParte);
            QCOMPARE(w.Frame4->isVisibleTo(&w), !primaParte);
            QCOMPARE(w.Command2->text(), primaParte ? Seconda : Prima);
        }
        QCOMPARE(Scheda::posti(w), posti);
    }

    // Over many sets made up with a seeded generator: every figure, every size from 2 to 10
    // and every place (the top-left one included) comes up, each about as often as the
    // others. The bounds lie 6 standard deviations out, so no seed could fail them by chance.
    void drawsAreEvenlySpread()
    {
        FakeClock clock;
        Random::seed(20240611);
        frmStampaSchede& w = Scheda::apri();
        constexpr int Volte = 5400;
        std::array<int, 13> figure{};
        std::array<int, 11> dimensioni{};
        std::array<int, 15> posti{};
        for (int volta = 0; volta < Volte; ++volta) {
            const int k = volta % 4 + 1;
            clock.now += 0.25f;
            w.GeneraInsieme(k);
            const QList<int> set = Scheda::insieme(Scheda::posti(w), k);
            const int n = Scheda::figure(set);
            QCOMPARE(n, w.NumElementiScheda);
            QVERIFY2(n >= 2 && n <= 10, qPrintable(QString::number(n)));
            ++dimensioni[n];
            for (int p = 0; p < 15; ++p)
                if (set[p] != FrmFigure::Bianca) {
                    QCOMPARE(set[p], int(w.FiguraScheda));
                    ++posti[p];
                }
            ++figure[w.FiguraScheda];
        }
        auto vicino = [](int contati, double atteso, double p) {
            return qAbs(contati - atteso) < 6 * std::sqrt(atteso * (1 - p));
        };
        for (int f = 1; f <= 12; ++f)
            QVERIFY2(vicino(figure[f], Volte / 12.0, 1 / 12.0), qPrintable(QString("figure %1: %2").arg(f).arg(figure[f])));
        for (int n = 2; n <= 10; ++n)
            QVERIFY2(vicino(dimensioni[n], Volte / 9.0, 1 / 9.0), qPrintable(QString("size %1: %2").arg(n).arg(dimensioni[n])));
        // A place holds a figure with probability (mean size) / 15 = 6 / 15.
        for (int p = 0; p < 15; ++p)
            QVERIFY2(vicino(posti[p], Volte * 6.0 / 15, 6.0 / 15), qPrintable(QString("place %1: %2").arg(p).arg(posti[p])));
    }

    void theEmptyBoxesStayEmpty()
    {
        FakeClock clock;
        Random::seed(5);
        frmStampaSchede& w = Scheda::completa();
        for (int volta = 0; volta < 200; ++volta) {
            clock.now += 1;
            w.GeneraInsieme(volta % 4 + 1);
            if (volta % 3 == 0)
                w.Command2->click();
        }
        const QList<int> posti = Scheda::posti(w);
        for (int j : Vuoti)
            QCOMPARE(posti.mid(15 * j, 15), QList<int>(15, -1));
        QVERIFY(!posti.contains(-1) || posti.count(-1) == 60);
    }

    void printsWhatThePlacesShow()
    {
        MessageRecorder messages;
        frmStampaSchede& w = Scheda::completa();
        w.Command2->click(); // what is on screen does not matter
        const QList<int> posti = Scheda::posti(w);
        RecordingPrinter printer;
        StampaScheda(printer, w.pagina());
        QVERIFY(messages.messages.isEmpty());

        const QList<Op>& ops = printer.ops;
        QCOMPARE(ops.size(), 2 + 1 + 4 * (8 + 15) + 1);
        QCOMPARE(ops[0].text, QStringLiteral("Nome e Cognome   "));
        QCOMPARE(ops[1].text, QStringLiteral("Nel riquadro accanto disegna l'insieme equipotente"));
        QCOMPARE(ops[1].fontSize, 12.0);
        int i = 3;
        for (int k = 1; k <= 4; ++k) {
            const double alto = 2000 + 3500 * (k - 1);
            // Both boxes first, then the set in the left one; the right box stays empty.
            for (int linea = 0; linea < 8; ++linea, ++i) {
                QCOMPARE(ops[i].kind, Op::Line);
                const double x = linea < 4 ? 500 : 6000;
                QVERIFY(ops[i].a.x() == x || ops[i].a.x() == x + 5000);
            }
            for (int p = 0; p < 15; ++p, ++i) {
                QCOMPARE(ops[i].kind, Op::Picture_);
                QCOMPARE(ops[i].a, QPointF(830 + 800 * (p % 5), alto + 200 + 950 * (p / 5)));
                QCOMPARE(ops[i].pictureId, Scheda::insieme(posti, k)[p]);
            }
        }
        QCOMPARE(ops[i].kind, Op::End);
        QCOMPARE(Scheda::posti(w), posti);
        QCOMPARE(w.InsiemeGenerato, (std::array<bool, 4>{true, true, true, true}));
    }

    void placesNeverCutTheirFigure()
    {
        // Pictures are shown at their own size; on a small screen the places shrink below
        // the tallest figures (the candle is 62 pixels high).
        frmStampaSchede& w = Scheda::completa();
        w.showNormal();
        w.resize(w.width() * 6 / 10, w.height() * 6 / 10);
        QTRY_VERIFY(w.client()->width() < Twips::toPixels(11910.0) * 7 / 10);
        for (int i = 0; i < 4 * 15; ++i)
            w.Image1[frmStampaSchede::primoPosto(i / 15 + 1) + i % 15]->setPicture(FrmFigure::Image3(i % 12 + 1));
        for (int parte = 1; parte <= 2; ++parte) {
            w.mostraParte(parte);
            for (int j = 0; j < frmStampaSchede::Riquadri; ++j)
                for (int p = 0; p < 15; ++p) {
                    const ImageBox* posto = w.Image1[15 * j + p];
                    if (!posto->isVisible() || posto->picture().isNull())
                        continue;
                    QVERIFY(posto->width() >= posto->picture().size().width());
                    QVERIFY(posto->height() >= posto->picture().size().height());
                }
        }
        // Larger again: the places follow the layout, not their old size.
        w.showMaximized();
        QTRY_VERIFY(w.isMaximized());
        QTRY_COMPARE(w.Image1[0]->geometry(), Twips::toPixels(w.control(w.Image1[0])->twips));
    }

    void layoutFollowsTheWindowSize()
    {
        frmStampaSchede& w = Scheda::apri();
        w.showNormal();
        w.resize(w.width() * 3 / 2, w.height() * 5 / 4);
        QTRY_VERIFY(qAbs(w.scaleWidth() - 1.5 * 11910) < 200);
        const double sx = w.scaleWidth() / 11910, sy = w.scaleHeight() / 8430;
        auto scaled = [&](QWidget* c, QRectF design) {
            const QRectF r = w.control(c)->twips;
            return qAbs(r.left() - design.left() * sx) < 1 && qAbs(r.top() - design.top() * sy) < 1
                && qAbs(r.width() - design.width() * sx) < 1 && qAbs(r.height() - design.height() * sy) < 1;
        };
        QVERIFY(scaled(w.Frame3, {210, 840, 9405, 6450}));
        QVERIFY(scaled(w.Frame4, {210, 795, 9405, 6525}));
        QVERIFY(scaled(w.CmdFine, {9660, 6660, 2145, 645}));
        QVERIFY(scaled(w.Command2, {795, 7395, 3405, 600}));
        QVERIFY(scaled(w.FraSfondoS[7], {75, 3390, 4605, 3075}));
        QVERIFY(scaled(w.Image1[119], {3540, 2085, 795, 795}));
        QCOMPARE(w.Label1->font().pointSizeF(), 20.25); // fonts keep their size
    }

    void leavingBringsTheStartWindowBack_data()
    {
        QTest::addColumn<bool>("closeBox");
        QTest::newRow("ESCI") << false;
        QTest::newRow("close box") << true;
    }

    void leavingBringsTheStartWindowBack()
    {
        QFETCH(bool, closeBox);
        FrmInizio& inizio = loadForm<FrmInizio>();
        inizio.showModeless();
        inizio.MnuVuoto->trigger();
        frmStampaSchede* w = loadedForm<frmStampaSchede>();
        QVERIFY(w && w->isVisible());
        inizio.showMinimized();
        int unloads = 0;
        connect(w, &Form::unloaded, this, [&] { ++unloads; });
        if (closeBox)
            QVERIFY(!w->close()); // the window unloads itself
        else
            w->CmdFine->click();
        QCOMPARE(unloads, 1);
        QVERIFY(!loadedForm<frmStampaSchede>());
        QVERIFY(inizio.isVisible());
        QVERIFY(!inizio.isMinimized());
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);

        // A new opening starts again from set 1 alone.
        inizio.MnuVuoto->trigger();
        frmStampaSchede* nuova = loadedForm<frmStampaSchede>();
        QVERIFY(nuova);
        QCOMPARE(nuova->InsiemeGenerato, (std::array<bool, 4>{true, false, false, false}));
        QCOMPARE(Scheda::insieme(Scheda::posti(*nuova), 3), QList<int>(15, -1));
    }

    void openingTwiceKeepsOneWindow()
    {
        FrmInizio& inizio = loadForm<FrmInizio>();
        inizio.showModeless();
        inizio.MnuVuoto->trigger();
        frmStampaSchede* w = loadedForm<frmStampaSchede>();
        w->CmdInsieme[2]->click();
        const QList<int> posti = Scheda::posti(*w);
        inizio.activateWindow();
        inizio.MnuVuoto->trigger();
        QCOMPARE(loadedForm<frmStampaSchede>(), w);
        QCOMPARE(Scheda::posti(*w), posti);
        QTRY_COMPARE(QApplication::activeWindow(), w);
    }

    void printerMenuOpensTheChoiceModal()
    {
        frmStampaSchede& w = Scheda::apri();
        const Scheda::Scelta s = Scheda::conSceltaStampante(w, [](frmStampante&) {});
        QVERIFY(s.aperta);
        QVERIFY(s.modale);
        frmStampante* f = loadedForm<frmStampante>();
        QVERIFY(f); // hidden, not unloaded
        QVERIFY(!f->isVisible());
        QVERIFY(w.isVisible());
    }
};

QTEST_MAIN(TestFrmStampaSchede)
#include "tst_frmstampaschede.moc"
