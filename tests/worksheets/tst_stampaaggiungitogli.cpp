#include "forms/frmfigure.h"
#include "forms/controls.h"
#include "printing/printer.h"
#include "forms/pushkey.h"
#include "support/printservice.h"
#include "support/schedeaggiungitogli.h"
#include "support/testsupport.h"
#include "worksheets/frmstampante.h"
#include "worksheets/paginascheda.h"

#include <QImage>
#include <QPainter>
#include <QComboBox>
#include <QTest>
#include <QTimer>

namespace {
const QString Coda = QStringLiteral("Tarvello_A");

// Pages are rendered at 144 dpi: a pixel is 10 twips, and the printable area starts 12 pt
// from the left and from the top of the paper.
constexpr int Dpi = 144;
QPoint px(double x, double y) { return QPoint(qRound(24 + x / 10), qRound(24 + y / 10)); }

bool inked(QRgb c) { return qGray(c) < 180; }

// The box around what is inked in an area of the page, and how many pixels are.
QRect ink(const QImage& img, const QRect& area, int* count = nullptr)
{
    QRect r;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            if (inked(img.pixel(x, y))) {
                r |= QRect(x, y, 1, 1);
                if (count)
                    ++*count;
            }
    return r;
}

// What a figure inks on its own, at the page's scale, from its top-left corner.
QRect inkAlone(const Picture& picture)
{
    QImage img(QSizeF(QSizeF(picture.size()) * 1.5).toSize(), QImage::Format_RGB32);
    img.fill(Qt::white);
    {
        QPainter p(&img);
        p.setRenderHint(QPainter::Antialiasing);
        picture.paint(p, img.rect());
    }
    return ink(img, img.rect());
}

QString print(SchedaAggiungiTogli& w)
{
    const int before = int(PrintService::outputs(Coda).size());
    QTest::mouseClick(kid<PushKey>(&w, "Command1"), Qt::LeftButton);
    return PrintService::waitNewJob(Coda, before);
}

SchedaAggiungiTogli& complete(bool togli)
{
    SchedaAggiungiTogli& w = openScheda(togli);
    for (int k = 2; k <= 4; ++k)
        w.GeneraInsieme(k);
    return w;
}
} // namespace

// The add and remove worksheets printed through the private print service.
class TestStampaAggiungiTogli : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QVERIFY(PrintService::usePrivatePrintService()); }
    void init() { Printers::setCurrent(Coda); }
    void cleanup() { closeEverything(); }

    void refusesUntilAllFourExist_data() { bothSchede(); }
    void refusesUntilAllFourExist()
    {
        QFETCH(bool, togli);
        MessageRecorder messages;
        SchedaAggiungiTogli& w = openScheda(togli);
        const int before = int(PrintService::outputs(Coda).size());
        for (int k = 2; k <= 4; ++k) {
            QTest::mouseClick(kid<PushKey>(&w, "Command1"), Qt::LeftButton);
            QCOMPARE(messages.messages.size(), k - 1);
            QCOMPARE(messages.messages.last(), togli ? QStringLiteral(" Completa la scheda") : QStringLiteral("Completa la scheda"));
            w.GeneraInsieme(k);
        }
        QVERIFY(!print(w).isEmpty());
        QCOMPARE(messages.messages.size(), 3);
        // The refusals sent nothing: the one page printed is the only new job.
        QCOMPARE(int(PrintService::outputs(Coda).size()), before + 1);
    }

    // One page: the header, the eight boxes, and each of the 120 places inked exactly as the
    // preview holds it, at its own point and nowhere else.
    void pageAsThePreview_data() { bothSchede(); }
    void pageAsThePreview()
    {
        QFETCH(bool, togli);
        MessageRecorder messages;
        SchedaAggiungiTogli& w = complete(togli);
        const Picture bianca = FrmFigure::Image3(FrmFigure::Bianca);
        while (kid<ImageBox>(&w, "Image1", 59)->picture() == bianca) // a figure at place 14 of exercise 4
            w.GeneraInsieme(4);
        const QString pdf = print(w);
        QVERIFY(!pdf.isEmpty());
        QVERIFY(messages.messages.isEmpty());
        QCOMPARE(PrintService::pages(pdf), 1);

        const auto words = PrintService::words(pdf);
        QStringList texts;
        for (const auto& word : words)
            texts << word.text;
        const QString istruzione = togli ? "Nel riquadro accanto togli elementi per rendere l'insieme consecutivo maggiore"
                                         : "Nel riquadro accanto aggiungi elementi per rendere l'insieme consecutivo maggiore";
        QCOMPARE(texts.join(' '), "Nome e Cognome " + istruzione);
        const auto& nome = words[0];
        const auto& nel = words[3];
        QVERIFY(qAbs(nome.xMin - 62) < 1.5 && qAbs(nome.yMin - 62) < 3);
        QVERIFY(qAbs(nel.xMin - 62) < 1.5 && qAbs(nel.yMin - 87) < 3);
        QVERIFY(nome.yMax - nome.yMin > nel.yMax - nel.yMin); // 14 pt over 12 pt

        const QImage page = PrintService::render(pdf, Dpi);
        QVERIFY(!page.isNull());
        for (int k = 1; k <= 4; ++k) {
            const double t = 2000 + 3500 * (k - 1), b = t + 3100;
            int figure[2] = {0, 0};
            for (int side = 0; side < 2; ++side) {
                const double l = side ? 6000 : 500, r = side ? 11000 : 5500;
                const double mx = (l + r) / 2, my = (t + b) / 2;
                for (auto [edge, out] : {std::pair{QPointF(mx, t), QPointF(0, -60)}, {QPointF(mx, b), QPointF(0, 60)},
                                         {QPointF(l, my), QPointF(-60, 0)}, {QPointF(r, my), QPointF(60, 0)}}) {
                    QVERIFY(inked(page.pixel(px(edge.x(), edge.y()))));
                    QVERIFY(!inked(page.pixel(px(edge.x() + out.x(), edge.y() + out.y()))));
                    QVERIFY(!inked(page.pixel(px(edge.x() - out.x(), edge.y() - out.y()))));
                }
                int inBox = 0, inPlaces = 0;
                ink(page, QRect(px(l + 60, t + 60), px(r - 60, b - 60)), &inBox);
                for (int p = 0; p < 15; ++p) {
                    const QPoint at = px((side ? 6830 : 830) + 800 * (p % 5), t + 200 + 950 * (p / 5));
                    const Picture& shown = kid<ImageBox>(&w, side ? "Image2" : "Image1", 15 * (k - 1) + p)->picture();
                    const QRect printed = ink(page, QRect(at, QSize(80, 95)), &inPlaces);
                    const QString where = QStringLiteral("exercise %1, %2 set, place %3").arg(k).arg(side ? "second" : "first").arg(p);
                    if (shown == bianca) {
                        QVERIFY2(printed.isEmpty(), qPrintable(where));
                        continue;
                    }
                    ++figure[side];
                    const QRect expected = inkAlone(shown).translated(at);
                    QVERIFY2((printed.topLeft() - expected.topLeft()).manhattanLength() <= 3 &&
                                 (printed.bottomRight() - expected.bottomRight()).manhattanLength() <= 3,
                             qPrintable(where));
                }
                QVERIFY2(inBox == inPlaces, qPrintable(QStringLiteral("exercise %1: ink outside the places").arg(k)));
            }
            QVERIFY(togli ? figure[1] >= figure[0] + 2 : figure[1] >= 1 && figure[1] < figure[0]);
        }
    }

    // Drawing exercise 1 again changes the first pair of boxes on the next page, and nothing else.
    void redrawChangesOnlyItsPair_data() { bothSchede(); }
    void redrawChangesOnlyItsPair()
    {
        QFETCH(bool, togli);
        SchedaAggiungiTogli& w = complete(togli);
        const QImage first = PrintService::render(print(w), Dpi);
        const PaginaScheda before = w.pagina();
        for (int n = 0; n == 0 || w.pagina().esercizi[0].primo == before.esercizi[0].primo; ++n) {
            QVERIFY2(n < 50, "pressing the button of exercise 1 fifty times never drew it again");
            kidInsieme<PushKey>(&w, 1)->click();
        }
        const QImage second = PrintService::render(print(w), Dpi);
        QCOMPARE(second.size(), first.size());
        const int top = px(0, 2000 - 30).y(), bottom = px(0, 5100 + 30).y();
        bool changed = false;
        for (int y = 0; y < first.height(); ++y) {
            const bool same = std::equal(first.constScanLine(y), first.constScanLine(y) + first.bytesPerLine(),
                                         second.constScanLine(y));
            if (y >= top && y <= bottom)
                changed |= !same;
            else
                QVERIFY2(same, qPrintable(QStringLiteral("row %1").arg(y)));
        }
        QVERIFY(changed);
    }

    // The printer menu entry opens the printer choice over the worksheet; the page then goes
    // to the printer picked there.
    void printsOnThePrinterPicked_data() { bothSchede(); }
    void printsOnThePrinterPicked()
    {
        QFETCH(bool, togli);
        SchedaAggiungiTogli& w = complete(togli);
        w.showModeless();
        bool modal = false;
        QTimer::singleShot(0, [&] {
            frmStampante& scelta = loadForm<frmStampante>();
            modal = scelta.isVisible() && scelta.isModal();
            waitFor([&] { return !scelta.inLettura(); }, 30000);
            kid<QComboBox>(&scelta, "Combo1")->setCurrentIndex(1);
            scelta.Combo1_Click();
            kid<PushKey>(&scelta, "Command2")->click();
        });
        kidMenuStampante(&w)->trigger();
        QVERIFY(modal);
        const int before = int(PrintService::outputs("Tarvello_B").size());
        QTest::mouseClick(kid<PushKey>(&w, "Command1"), Qt::LeftButton);
        QCOMPARE(PrintService::pages(PrintService::waitNewJob("Tarvello_B", before)), 1);
    }

    // A printer that is gone is reported as a printer problem; the worksheet stays as it was.
    void printerGone_data() { bothSchede(); }
    void printerGone()
    {
        QFETCH(bool, togli);
        MessageRecorder messages;
        SchedaAggiungiTogli& w = complete(togli);
        const PaginaScheda before = w.pagina();
        Printers::setCurrent(QStringLiteral("Tarvello_Sparita"));
        QTest::mouseClick(kid<PushKey>(&w, "Command1"), Qt::LeftButton);
        QVERIFY(finishPrinting());
        QCOMPARE(messages.messages, QStringList{QStringLiteral("Problema di stampa nella stampante utilizzata.")});
        QVERIFY(w.isLoaded());
        QVERIFY(w.pagina().esercizi == before.esercizi);
    }
};

QTEST_MAIN(TestStampaAggiungiTogli)
#include "tst_stampaaggiungitogli.moc"
