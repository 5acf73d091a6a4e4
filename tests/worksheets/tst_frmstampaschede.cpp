#include "app/frminizio.h"
#include "core/random.h"
#include "core/twips.h"
#include "support/recordingprinter.h"
#include "support/testsupport.h"
#include "worksheets/schedatest.h"

#include <QMenuBar>
#include <QTest>

namespace {
const QString Seconda = QStringLiteral("Visualizza la seconda parte");
const QString Prima = QStringLiteral("Visualizza la prima parte");
const QList<int> Nessuna(15, -1);
} // namespace

// The worksheet window of the empty second set, on screen.
class TestFrmStampaSchede : public QObject
{
    Q_OBJECT

private slots:
    void cleanup() { closeEverything(); }

    void texts()
    {
        frmStampaSchede& w = Scheda::apri();
        QCOMPARE(w.windowTitle(), QStringLiteral("VISUALIZZAZIONE SCHEDA          "));
        QVERIFY(w.isMaximized());
        QCOMPARE(w.menuBar()->actions(), (QList<QAction*>{kidMenuStampante(&w), kid<QAction>(&w, "mnuStampaClasse"), kid<QAction>(&w, "mnuSalvaPdf")}));
        QCOMPARE(kid<QAction>(&w, "mnuStampaClasse")->text(), QStringLiteral("Stampa per la classe..."));
        QCOMPARE(kid<QAction>(&w, "mnuSalvaPdf")->text(), QStringLiteral("Salva PDF..."));
        QCOMPARE(kidMenuStampante(&w)->objectName(), QStringLiteral("mnuStampante"));
        QCOMPARE(kidMenuStampante(&w)->text(), QStringLiteral("Seleziona stampante"));
        QCOMPARE(kid<QLabel>(&w, "Label1")->text(), QStringLiteral(" SCHEDA: COSTRUIRE L'INSIEME CHE VIENE DOPO"));
        QCOMPARE(kid<QLabel>(&w, "Label2")->text(), QStringLiteral(" situazione iniziale: secondo insieme vuoto"));
        for (int k = 1; k <= 4; ++k)
            QCOMPARE(kidInsieme<PushKey>(&w, k)->text(), QStringLiteral("VISUALIZZA %1\u00b0 INSIEME").arg(k));
        QCOMPARE(kid<PushKey>(&w, "Command1")->text(), QStringLiteral("STAMPA"));
        QCOMPARE(kid<PushKey>(&w, "CmdFine")->text(), QStringLiteral("ESCI"));
        const QStringList didascalie = {"Primo Insieme", "Secondo insieme", "", "", "", "", "Terzo insieme", "Quarto insieme"};
        for (int j = 0; j < frmStampaSchede::Riquadri; ++j)
            QCOMPARE(kid<Frame>(&w, "FraSfondoS", j)->caption(), didascalie[j]);
    }

    void captionsStayInFrontOfThePlaces()
    {
        // At the design size the top row of places reaches up into the captions; the blank
        // white pictures there used to wipe out the lower half of their letters.
        frmStampaSchede& w = Scheda::completa();
        w.showNormal();
        w.resize(Twips::toPixels(QSizeF(11910, 8430)) + QSize(0, w.height() - w.client()->height()));
        QTRY_COMPARE(w.client()->size(), Twips::toPixels(QSizeF(11910, 8430)));
        for (int j : {0, 1, 6, 7}) {
            w.mostraParte(j < 4 ? 1 : 2);
            const QLabel* caption = kid<Frame>(&w, "FraSfondoS", j)->captionLabel();
            const int riga = kid<ImageBox>(&w, "Image1", 15 * j)->y();
            QVERIFY(riga < caption->geometry().bottom()); // they do meet
            const QImage img = kid<Frame>(&w, "FraSfondoS", j)->grab().toImage();
            int scuri = 0;
            for (int y = riga; y <= caption->geometry().bottom(); ++y)
                for (int x = caption->x(); x <= caption->geometry().right(); ++x)
                    scuri += qGray(img.pixel(x, y)) < 128;
            QVERIFY2(scuri > 0, qPrintable(caption->text()));
        }
    }

    void tabOrderAndFirstFocus()
    {
        frmStampaSchede& w = Scheda::apri();
        QVERIFY(QTest::qWaitForWindowActive(&w));
        QCOMPARE(QApplication::focusWidget(), kidInsieme<PushKey>(&w, 1));
        for (QWidget* prossimo : {kid<PushKey>(&w, "CmdFine"), kid<PushKey>(&w, "Command1"), kidInsieme<PushKey>(&w, 2), kidInsieme<PushKey>(&w, 3), kidInsieme<PushKey>(&w, 4),
                                  kid<PushKey>(&w, "Command2"), kidInsieme<PushKey>(&w, 1)}) {
            tapKey(Qt::Key_Tab);
            QCOMPARE(QApplication::focusWidget(), prossimo);
        }
    }

    void thePrinterChoiceGivesTheKeyboardBack()
    {
        frmStampaSchede& w = Scheda::apri();
        for (int volta = 0; volta < 2; ++volta) {
            const Scheda::Scelta s = Scheda::conSceltaStampante(w, [](frmStampante&) {});
            QVERIFY(s.aperta && s.modale && s.focoSullaLista);
            QTRY_COMPARE(QApplication::activeWindow(), &w);
            QCOMPARE(QApplication::focusWidget(), kidInsieme<PushKey>(&w, 1));
        }
    }

    void atLoadOnlySetOneExists()
    {
        MessageRecorder messages;
        frmStampaSchede& w = Scheda::apri();
        QCOMPARE(w.insiemiGenerati(), (std::array<bool, 4>{true, false, false, false}));
        QVERIFY(kid<Frame>(&w, "Frame3")->isVisibleTo(&w) && !kid<Frame>(&w, "Frame4")->isVisibleTo(&w));
        QCOMPARE(kid<PushKey>(&w, "Command2")->text(), Seconda);
        const QList<int> posti = Scheda::posti(w);
        const int n = Scheda::figure(Scheda::insieme(posti, 1));
        QVERIFY2(n >= 2 && n <= 10, qPrintable(QString::number(n)));
        for (int k = 2; k <= 4; ++k)
            QCOMPARE(Scheda::insieme(posti, k), Nessuna);
        // The refusal is the only message: nothing went as far as a printer.
        kid<PushKey>(&w, "Command1")->click();
        QCOMPARE(messages.messages, QStringList{"Completa la scheda "});
        QCOMPARE(Scheda::posti(w), posti);
    }

    // A set button makes up its set anew, from whichever part is on screen, shows the part
    // that holds it and leaves the other sets and the four empty boxes alone; the part
    // switch then shows the other part and changes no set.
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
        // The same draw twice is possible: until the set differs.
        QList<int> dopo = prima;
        for (int volta = 0; volta < 20 && Scheda::insieme(dopo, k) == Scheda::insieme(prima, k); ++volta) {
            kidInsieme<PushKey>(&w, k)->click();
            dopo = Scheda::posti(w);
        }
        for (int altro = 1; altro <= 4; ++altro)
            QCOMPARE(Scheda::insieme(dopo, altro) == Scheda::insieme(prima, altro), altro != k);
        for (int j : {2, 3, 4, 5})
            QCOMPARE(dopo.mid(15 * j, 15), Nessuna);

        // The set's figure on exactly its places, and no leftover of the old set.
        const QList<int> set = Scheda::insieme(dopo, k);
        const EsercizioPagina& e = w.esercizio(k);
        for (int p = 0; p < 15; ++p) {
            const bool estratto = e.primo.test(std::size_t(p));
            QCOMPARE(set[p], estratto ? int(e.figura) : FrmFigure::Bianca);
            QCOMPARE(kid<ImageBox>(&w, "Image1", frmStampaSchede::primoPosto(k) + p)->accessibleName(), estratto ? QStringLiteral("figura") : QString());
        }

        const bool primaParte = k <= 2;
        QVERIFY(kid<Frame>(&w, "Frame3")->isVisibleTo(&w) == primaParte && kid<Frame>(&w, "Frame4")->isVisibleTo(&w) != primaParte);
        QCOMPARE(kid<PushKey>(&w, "Command2")->text(), primaParte ? Seconda : Prima);
        kid<PushKey>(&w, "Command2")->click();
        QVERIFY(kid<Frame>(&w, "Frame3")->isVisibleTo(&w) != primaParte && kid<Frame>(&w, "Frame4")->isVisibleTo(&w) == primaParte);
        QCOMPARE(kid<PushKey>(&w, "Command2")->text(), primaParte ? Prima : Seconda);
        QCOMPARE(Scheda::posti(w), dopo);
    }

    // Over many sets made up with a seeded generator, every figure, every size from 2 to 10
    // and every place (the top-left one included) comes up about as often as the others. The
    // bounds lie 6 standard deviations out: no seed could fail them by chance.
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
            ++dimensioni[Scheda::figure(set)];
            ++figure[w.esercizio(k).figura];
            for (int p = 0; p < 15; ++p)
                posti[p] += set[p] != FrmFigure::Bianca;
        }
        auto vicino = [](int contati, double p) { return qAbs(contati - Volte * p) < 6 * std::sqrt(Volte * p * (1 - p)); };
        QCOMPARE(dimensioni[0] + dimensioni[1], 0);
        for (int f = 1; f <= 12; ++f)
            QVERIFY2(vicino(figure[f], 1 / 12.0), qPrintable(QString("figure %1: %2").arg(f).arg(figure[f])));
        for (int n = 2; n <= 10; ++n)
            QVERIFY2(vicino(dimensioni[n], 1 / 9.0), qPrintable(QString("size %1: %2").arg(n).arg(dimensioni[n])));
        // A place holds a figure with probability (mean size) / 15 = 6 / 15.
        for (int p = 0; p < 15; ++p)
            QVERIFY2(vicino(posti[p], 6.0 / 15), qPrintable(QString("place %1: %2").arg(p).arg(posti[p])));
    }

    void printsWhatThePlacesShow()
    {
        frmStampaSchede& w = Scheda::completa();
        const QList<int> posti = Scheda::posti(w);
        RecordingPrinter printer;
        StampaScheda(printer, w.pagina());
        QCOMPARE(printer.ops[1].text, QStringLiteral("Nel riquadro accanto disegna l'insieme consecutivo maggiore"));
        QList<int> stampati;
        for (const RecordingPrinter::Op& op : printer.ops)
            if (op.kind == RecordingPrinter::Op::Picture_) {
                QVERIFY(op.a.x() < 5500); // the right boxes stay empty
                stampati.append(op.pictureId);
            }
        QList<int> attesi;
        for (int k = 1; k <= 4; ++k)
            attesi += Scheda::insieme(posti, k);
        QCOMPARE(stampati, attesi);
    }

    void placesNeverCutTheirFigure()
    {
        // Pictures show at their own size; on a small screen the places shrink below the
        // tallest figures (the candle is 62 pixels high).
        frmStampaSchede& w = Scheda::completa();
        w.showNormal();
        w.resize(w.width() * 6 / 10, w.height() * 6 / 10);
        QTRY_VERIFY(w.client()->width() < Twips::toPixels(11910.0) * 7 / 10);
        for (int k = 1; k <= 4; ++k)
            for (int p = 0; p < 15; ++p)
                kid<ImageBox>(&w, "Image1", frmStampaSchede::primoPosto(k) + p)->setPicture(FrmFigure::Image3((k * 15 + p) % 12 + 1));
        for (int parte = 1; parte <= 2; ++parte) {
            w.mostraParte(parte);
            for (const ImageBox* posto : kids<ImageBox>(&w, "Image1"))
                if (posto->isVisible() && !posto->picture().isNull())
                    QVERIFY(posto->width() >= posto->picture().size().width()
                            && posto->height() >= posto->picture().size().height());
        }
        // Larger again, the places follow the layout, not their grown size.
        w.showMaximized();
        QTRY_COMPARE(kid<ImageBox>(&w, "Image1", 0)->geometry(), Twips::toPixels(w.control(kid<ImageBox>(&w, "Image1", 0))->twips));
    }

    void layoutKeepsTheFractionsOfTheDesign()
    {
        frmStampaSchede& w = Scheda::apri();
        w.showNormal();
        w.resize(w.width() * 3 / 2, w.height() * 5 / 4);
        QTRY_VERIFY(qAbs(w.scaleWidth() - 1.5 * 11910) < 200);
        const double sx = w.scaleWidth() / 11910, sy = w.scaleHeight() / 8430;
        for (std::size_t i = 0; i < w.controls().size(); ++i) {
            const QRectF r = w.control(w.controls()[i].widget)->twips;
            const ProporzioneControllo& p = w.proporzioni().records()[i];
            QVERIFY(qAbs(r.left() - p.Sinistra * 11910 * sx) < 1 && qAbs(r.top() - p.Alto * 8430 * sy) < 1);
            QVERIFY(qAbs(r.width() - p.Larghezza * 11910 * sx) < 1 && qAbs(r.height() - p.Altezza * 8430 * sy) < 1);
        }
        QCOMPARE(w.proporzioni().records()[0].Larghezza, float(12000.0 / 11910)); // Label1, as designed
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
        kid<QAction>(&inizio, "MnuVuoto")->trigger();
        frmStampaSchede* w = loadedForm<frmStampaSchede>();
        QVERIFY(w && w->isVisible());
        kidInsieme<PushKey>(w, 3)->click();
        // Chosen again from the menu: the same window, with its sets, in front.
        kid<QAction>(&inizio, "MnuVuoto")->trigger();
        QCOMPARE(loadedForm<frmStampaSchede>(), w);
        QVERIFY(w->insiemiGenerati()[2]);
        QTRY_COMPARE(QApplication::activeWindow(), w);

        inizio.showMinimized();
        int unloads = 0;
        connect(w, &Form::unloaded, this, [&] { ++unloads; });
        if (closeBox)
            w->close();
        else
            kid<PushKey>(w, "CmdFine")->click();
        QCOMPARE(unloads, 1);
        QVERIFY(!loadedForm<frmStampaSchede>());
        QVERIFY(inizio.isVisible() && !inizio.isMinimized());
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);

        // Opened again it starts from set 1 alone.
        kid<QAction>(&inizio, "MnuVuoto")->trigger();
        frmStampaSchede* nuova = loadedForm<frmStampaSchede>();
        QVERIFY(nuova);
        QCOMPARE(nuova->insiemiGenerati(), (std::array<bool, 4>{true, false, false, false}));
        QCOMPARE(Scheda::insieme(Scheda::posti(*nuova), 3), Nessuna);
    }
};

QTEST_MAIN(TestFrmStampaSchede)
#include "tst_frmstampaschede.moc"
