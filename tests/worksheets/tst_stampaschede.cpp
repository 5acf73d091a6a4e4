#include "printing/printer.h"
#include "support/paginastampata.h"
#include "support/printservice.h"
#include "support/testsupport.h"
#include "worksheets/schedatest.h"

#include <QImage>
#include <QTest>
#include <algorithm>

// The empty-second-set worksheet printed for real, through the private print service's
// queues, and read back from the PDF files they write.
namespace {

const QString Istruzione = QStringLiteral("Nel riquadro accanto disegna l'insieme consecutivo maggiore");

using PaginaStampata::Dpi;
using PaginaStampata::pixel;

QRectF pixel(const PrintService::Word& w)
{
    const double k = double(Dpi) / 72;
    return QRectF(QPointF(w.xMin * k, w.yMin * k), QPointF(w.xMax * k, w.yMax * k));
}

int lavori(const QString& coda) { return int(PrintService::outputs(coda).size()); }

// Presses "STAMPA" and waits for the page on the queue; its file, or empty.
QString stampa(frmStampaSchede& w, const QString& coda)
{
    const int prima = lavori(coda);
    kid<PushKey>(&w, "Command1")->click();
    return PrintService::waitNewJob(coda, prima);
}

} // namespace

class TestStampaSchede : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QVERIFY(PrintService::usePrivatePrintService()); }
    void init() { Printers::setCurrent(QString()); }
    void cleanup() { closeEverything(); }

    void printedPage()
    {
        MessageRecorder messages;
        frmStampaSchede& w = Scheda::completa();
        const QList<int> posti = Scheda::posti(w);
        const QString pdf = stampa(w, "Tarvello_A");
        QVERIFY(!pdf.isEmpty());
        QVERIFY(messages.messages.isEmpty());
        QCOMPARE(PrintService::pages(pdf), 1);

        // The header: two lines with their top-left corners at (1000, 1000) and (1000, 1500)
        // twips, that is (62, 62) and (62, 87) points on the paper, at 14 and 12 points.
        const QList<PrintService::Word> parole = PrintService::words(pdf);
        QStringList testo;
        for (const auto& p : parole)
            testo.append(p.text);
        QCOMPARE(testo.join(' '), "Nome e Cognome " + Istruzione);
        const PrintService::Word nome = parole[0], nel = parole[3];
        QVERIFY2(qAbs(nome.xMin - 62) < 1 && qAbs(nome.yMin - 62) < 2, qPrintable(QString("%1 %2").arg(nome.xMin).arg(nome.yMin)));
        QVERIFY2(qAbs(nel.xMin - 62) < 1 && qAbs(nel.yMin - 87) < 2, qPrintable(QString("%1 %2").arg(nel.xMin).arg(nel.yMin)));
        const double alto14 = nome.yMax - nome.yMin, alto12 = nel.yMax - nel.yMin;
        QVERIFY2(qAbs(alto14 / alto12 - 14.0 / 12) < 0.05 && alto14 > 13 && alto14 < 17, qPrintable(QString::number(alto14)));

        const QImage pagina = PrintService::render(pdf, Dpi).convertToFormat(QImage::Format_RGB32);
        QVERIFY(!pagina.isNull());
        // Where something may be printed; everything else must stay white.
        QList<QRectF> ammessi;
        for (const auto& p : parole)
            ammessi.append(pixel(p).adjusted(-2, -2, 2, 2));

        // The boxes: solid lines 45 twips (3 pixels) wide centred on their edges. Across an
        // edge the ink adds up to the width of the line, and its middle is on the edge, within
        // the pixel that the renderer may snap a line to.
        for (int k = 1; k <= 4; ++k)
            for (double sinistra : {500.0, 6000.0}) {
                const QRectF riquadro(pixel(QPointF(sinistra, PaginaScheda::alto(k))),
                                      pixel(QPointF(sinistra + 5000, PaginaScheda::basso(k))));
                const QPointF centro = riquadro.center();
                const QList<QPair<QPointF, QPointF>> lati = {
                    {{centro.x(), riquadro.top()}, {0, 1}}, {{centro.x(), riquadro.bottom()}, {0, 1}},
                    {{riquadro.left(), centro.y()}, {1, 0}}, {{riquadro.right(), centro.y()}, {1, 0}}};
                for (const auto& [punto, verso] : lati) {
                    const QString dove = QString("set %1, box at %2, edge at (%3, %4)").arg(k).arg(sinistra).arg(punto.x()).arg(punto.y());
                    // Pixel i covers [i, i + 1): its middle is i + 0.5.
                    const QPoint base = (punto - verso * 0.5).toPoint();
                    double inchiostro = 0, momento = 0;
                    for (int d = -6; d <= 6; ++d) {
                        const QPoint q = base + (verso * d).toPoint();
                        const double nero = (255 - qGray(pagina.pixel(q))) / 255.0;
                        inchiostro += nero;
                        momento += nero * (QPointF::dotProduct(QPointF(q), verso) + 0.5);
                    }
                    const double mezzo = momento / qMax(inchiostro, 1e-9);
                    QVERIFY2(qAbs(inchiostro - 3) < 0.6, qPrintable(dove + QString(": %1 pixels of ink").arg(inchiostro)));
                    QVERIFY2(qAbs(mezzo - QPointF::dotProduct(punto, verso)) < 1, qPrintable(dove + QString(": ink centred at %1").arg(mezzo)));
                }
                const QPointF larga(4, 4);
                ammessi.append(QRectF(riquadro.topLeft() - larga, QPointF(riquadro.right(), riquadro.top()) + larga));
                ammessi.append(QRectF(QPointF(riquadro.left(), riquadro.bottom()) - larga, riquadro.bottomRight() + larga));
                ammessi.append(QRectF(riquadro.topLeft() - larga, QPointF(riquadro.left(), riquadro.bottom()) + larga));
                ammessi.append(QRectF(QPointF(riquadro.right(), riquadro.top()) - larga, riquadro.bottomRight() + larga));
            }

        // The figures: on the paper exactly where the preview holds them, each one the
        // figure of its place; a blank place leaves the paper white.
        for (int k = 1; k <= 4; ++k)
            for (int p = 0; p < 15; ++p) {
                const int id = Scheda::insieme(posti, k)[p];
                QVERIFY(id >= 0);
                const QPointF at = pixel(PaginaScheda::posto(k, p, false));
                if (id == FrmFigure::Bianca)
                    continue;
                const Picture figura = FrmFigure::Image3(id);
                ammessi.append(QRectF(at, QSizeF(figura.size())).adjusted(-2, -2, 2, 2));
                const QString diverso = PaginaStampata::confrontaPosto(pagina, figura, k, p, false);
                QVERIFY2(diverso.isEmpty(), qPrintable(diverso));
            }

        // Nowhere else: not in the right boxes, not on blank places, not around the page.
        for (int y = 0; y < pagina.height(); ++y)
            for (int x = 0; x < pagina.width(); ++x)
                if (qGray(pagina.pixel(x, y)) < 235) {
                    const QPointF centro(x + 0.5, y + 0.5);
                    const bool ammesso = std::any_of(ammessi.begin(), ammessi.end(), [&](const QRectF& r) { return r.contains(centro); });
                    QVERIFY2(ammesso, qPrintable(QString("ink at (%1, %2)").arg(x).arg(y)));
                }
    }

    // The printer choice names the default printer, lists exactly the service's queues and
    // leaves the current printer alone until the user picks an entry; the pick holds for the
    // next worksheet printed, and for the next opening of the choice.
    void printerChoice_data()
    {
        QTest::addColumn<int>("voce");
        QTest::newRow("the first entry, already shown") << 0;
        QTest::newRow("the second entry") << 1;
    }

    void printerChoice()
    {
        QFETCH(int, voce);
        const QStringList code = {"Tarvello_A", "Tarvello_B"};
        const QString scelta = code[voce], altra = code[1 - voce];
        frmStampaSchede& w = Scheda::completa();
        const Scheda::Scelta aperta = Scheda::conSceltaStampante(w, [&](frmStampante& f) { Scheda::scegli(f, voce); });
        QVERIFY(aperta.aperta && aperta.modale && aperta.focoSullaLista);
        QCOMPARE(aperta.voci, code);
        QCOMPARE(aperta.voceCorrente, 0);
        QCOMPARE(aperta.label1, QStringLiteral("La stampante predefinita è \r\nTarvello_A"));
        QCOMPARE(aperta.label2, QString());
        QCOMPARE(aperta.stampanteCorrente, QStringLiteral("Tarvello_A")); // the load's own selection does nothing
        QCOMPARE(Printers::current(), scelta);

        // Hidden, not unloaded: the next opening reads the list again and shows the same entry
        // and texts.
        frmStampante* f = loadedForm<frmStampante>();
        QVERIFY(f && !f->isVisible());
        const Scheda::Scelta ancora = Scheda::conSceltaStampante(w, [](frmStampante&) {});
        QCOMPARE(loadedForm<frmStampante>(), f);
        QCOMPARE(ancora.voci, code);
        QVERIFY(ancora.focoSullaLista);
        QCOMPARE(ancora.voceCorrente, voce);
        QCOMPARE(ancora.label2, "La stampante scelta è \r\n" + scelta);

        const int altraPrima = lavori(altra);
        const QString pdf = stampa(w, scelta);
        QVERIFY(!pdf.isEmpty());
        QCOMPARE(PrintService::pages(pdf), 1);
        QCOMPARE(lavori(altra), altraPrima);
    }

    // Every opening reads the list again: a queue added or removed while the choice was hidden
    // by "C H I U D I" is there, or gone, at the next one.
    void freshListAtEveryOpening()
    {
        frmStampaSchede& w = Scheda::apri();
        const QStringList code = {"Tarvello_A", "Tarvello_B"};
        QCOMPARE(Scheda::conSceltaStampante(w, [](frmStampante&) {}).voci, code);
        QVERIFY(PrintService::command({"add", "Tarvello_C"}));
        const Scheda::Scelta conC = Scheda::conSceltaStampante(w, [](frmStampante& f) { Scheda::scegli(f, 2); });
        QCOMPARE(conC.voci, code + QStringList{"Tarvello_C"});
        QCOMPARE(Printers::current(), QStringLiteral("Tarvello_C"));
        QVERIFY(PrintService::command({"remove", "Tarvello_C"}));
        const Scheda::Scelta senzaC = Scheda::conSceltaStampante(w, [](frmStampante&) {});
        QCOMPARE(senzaC.voci, code);
        QCOMPARE(senzaC.voceCorrente, 0);
        QVERIFY(loadedForm<frmStampante>() && !loadedForm<frmStampante>()->isVisible());
    }

    void theTitleBarCloseUnloadsTheChoice()
    {
        frmStampaSchede& w = Scheda::apri();
        Scheda::conSceltaStampante(w, [](frmStampante& f) {
            Scheda::scegli(f, 1);
            f.close();
        });
        QVERIFY(!loadedForm<frmStampante>());
        QCOMPARE(Printers::current(), QStringLiteral("Tarvello_B"));
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);

        // Loaded afresh: the list again, its first entry shown, and again that selection
        // does not change the printer chosen before.
        const Scheda::Scelta s = Scheda::conSceltaStampante(w, [](frmStampante&) {});
        QVERIFY(s.aperta);
        QCOMPARE(s.voci, QStringList({"Tarvello_A", "Tarvello_B"}));
        QCOMPARE(s.voceCorrente, 0);
        QCOMPARE(s.label1, QStringLiteral("La stampante predefinita è \r\nTarvello_B"));
        QCOMPARE(s.label2, QString());
        QCOMPARE(Printers::current(), QStringLiteral("Tarvello_B"));
    }

    // "STAMPA" refuses while any set is missing and sends nothing; once all four exist the
    // page is printed, and it is the only job the queue got.
    void refusedUntilAllFourSetsExist_data()
    {
        QTest::addColumn<QList<int>>("mancanti");
        QTest::newRow("set 4 missing") << QList<int>{4};
        QTest::newRow("only set 1 made up") << QList<int>{2, 3, 4};
    }

    void refusedUntilAllFourSetsExist()
    {
        QFETCH(QList<int>, mancanti);
        MessageRecorder messages;
        frmStampaSchede& w = Scheda::apri();
        for (int k = 2; k <= 4; ++k)
            if (!mancanti.contains(k))
                kidInsieme<PushKey>(&w, k)->click();
        const int prima = lavori("Tarvello_A");
        kid<PushKey>(&w, "Command1")->click();
        QCOMPARE(messages.messages, QStringList{"Completa la scheda "});
        messages.messages.clear();
        for (int k : mancanti) {
            kid<PushKey>(&w, "Command1")->click();
            QCOMPARE(messages.messages, QStringList{"Completa la scheda "});
            messages.messages.clear();
            kidInsieme<PushKey>(&w, k)->click();
        }
        kid<PushKey>(&w, "Command1")->click();
        QVERIFY(messages.messages.isEmpty());
        QVERIFY(!PrintService::waitNewJob("Tarvello_A", prima).isEmpty());
        QCOMPARE(lavori("Tarvello_A"), prima + 1);
    }

    void twoPrintsGiveTheSamePage()
    {
        frmStampaSchede& w = Scheda::completa();
        const QString primo = stampa(w, "Tarvello_A");
        kid<PushKey>(&w, "Command2")->click(); // what is on screen does not matter
        const QString secondo = stampa(w, "Tarvello_A");
        QVERIFY(!primo.isEmpty() && !secondo.isEmpty() && primo != secondo);
        QCOMPARE(PrintService::render(secondo, Dpi), PrintService::render(primo, Dpi));
    }

    void aSetMadeUpAgainChangesOnlyItsBox_data()
    {
        QTest::addColumn<int>("k");
        for (int k = 1; k <= 4; ++k)
            QTest::addRow("set %d", k) << k;
    }

    void aSetMadeUpAgainChangesOnlyItsBox()
    {
        QFETCH(int, k);
        frmStampaSchede& w = Scheda::completa();
        const QImage prima = PrintService::render(stampa(w, "Tarvello_A"), Dpi);
        const QList<int> vecchio = Scheda::insieme(Scheda::posti(w), k);
        for (int volta = 0; volta < 20 && Scheda::insieme(Scheda::posti(w), k) == vecchio; ++volta)
            kidInsieme<PushKey>(&w, k)->click();
        QVERIFY(Scheda::insieme(Scheda::posti(w), k) != vecchio);
        const QImage dopo = PrintService::render(stampa(w, "Tarvello_A"), Dpi);
        QVERIFY(!prima.isNull() && prima.size() == dopo.size());

        const QRectF riquadro(pixel(QPointF(500, PaginaScheda::alto(k))), pixel(QPointF(5500, PaginaScheda::basso(k))));
        int cambiati = 0;
        for (int y = 0; y < prima.height(); ++y)
            for (int x = 0; x < prima.width(); ++x)
                if (prima.pixel(x, y) != dopo.pixel(x, y)) {
                    QVERIFY2(riquadro.adjusted(3, 3, -3, -3).contains(QPointF(x + 0.5, y + 0.5)),
                             qPrintable(QString("changed at (%1, %2)").arg(x).arg(y)));
                    ++cambiati;
                }
        QVERIFY(cambiati > 0);
    }
};

QTEST_MAIN(TestStampaSchede)
#include "tst_stampaschede.moc"
