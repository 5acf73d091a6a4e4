#include "printing/pdffile.h"
#include "core/twips.h"
#include "forms/frmfigure.h"
#include "support/recordingprinter.h"
#include "support/testsupport.h"
#include "worksheets/paginascheda.h"

#include <QPageLayout>
#include <QTest>
#include <algorithm>

using Op = RecordingPrinter::Op;

namespace {
// Exercise k + 1 shows figure k + 1 on place k of its first set and on place 14 - k of its
// second set, blank everywhere else: every place can be told apart by what it holds.
PaginaScheda sample(bool withSecondSets)
{
    PaginaScheda p;
    p.istruzione = QStringLiteral("istruzione");
    p.secondi = withSecondSets;
    for (int k = 0; k < 4; ++k) {
        p.esercizi[k].figura = qint16(k + 1);
        p.esercizi[k].primo.set(std::size_t(k));
        p.esercizi[k].secondo.set(std::size_t(14 - k));
    }
    return p;
}
} // namespace

class TestPaginaScheda : public QObject
{
    Q_OBJECT

private slots:
    void pageInOrder_data()
    {
        QTest::addColumn<bool>("withSecondSets");
        QTest::newRow("second sets empty") << false;
        QTest::newRow("second sets to change") << true;
    }

    void pageInOrder()
    {
        QFETCH(bool, withSecondSets);
        MessageRecorder messages;
        RecordingPrinter printer;
        StampaScheda(printer, sample(withSecondSets));
        QVERIFY(messages.messages.isEmpty());

        const QList<Op>& ops = printer.ops;
        QCOMPARE(ops.size(), 2 + 1 + 4 * (8 + 15 * (withSecondSets ? 2 : 1)) + 1);
        QCOMPARE(ops[0].kind, Op::Text);
        QCOMPARE(ops[0].text, QStringLiteral("Nome e Cognome   "));
        QCOMPARE(ops[0].a, QPointF(1000, 1000));
        QCOMPARE(ops[0].fontSize, 14.0);
        QCOMPARE(ops[1].text, QStringLiteral("istruzione"));
        QCOMPARE(ops[1].a, QPointF(1000, 1500));
        QCOMPARE(ops[1].fontSize, 12.0);
        QCOMPARE(ops[2].kind, Op::DrawWidth);
        QCOMPARE(ops[2].width, 3);
        QCOMPARE(printer.count(Op::DrawWidth), 1); // once, before the first line
        QCOMPARE(ops.last().kind, Op::End);
        QCOMPARE(printer.count(Op::End), 1); // one document, one page

        // Each row: a box and its first set, then the other box and its second set, or both
        // boxes and then the first set. Each box is closed, inside A4's printable area and apart
        // from the others; a set's places read like a page, each picture whole inside its box.
        const QRectF a4(QPointF(), QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, PdfFile::Margins)
                                       .paintRect(QPageLayout::Point).size() * 20);
        QList<QRectF> boxes;
        int i = 3;
        for (int k = 1; k <= 4; ++k) {
            auto box = [&] {
                const QRectF r(ops[i].a, ops[i + 3].b);
                const QPointF edges[4][2] = {{r.topLeft(), r.topRight()}, {r.topLeft(), r.bottomLeft()},
                                             {r.topRight(), r.bottomRight()}, {r.bottomLeft(), r.bottomRight()}};
                for (int e = 0; e < 4; ++e, ++i)
                    QVERIFY(ops[i].kind == Op::Line && ops[i].a == edges[e][0] && ops[i].b == edges[e][1]);
                QVERIFY(a4.contains(r) && std::ranges::none_of(boxes, [&](const QRectF& o) { return o.intersects(r); }));
                boxes.append(r);
            };
            auto set = [&](bool second) {
                for (int p = 0; p < 15; ++p, ++i) {
                    const int expected = p == (second ? 14 - (k - 1) : k - 1) ? k : 0;
                    QVERIFY(ops[i].kind == Op::Picture_ && ops[i].pictureId == expected);
                    const QRectF at(ops[i].a, FrmFigure::Image3(expected).size() * Twips::PerPixel);
                    QVERIFY(boxes[2 * (k - 1) + second].contains(at));
                    const QPointF d = ops[i].a - ops[i - 1].a;
                    QVERIFY(p == 0 || (p % 5 ? d.y() == 0 && d.x() > 0 : d.y() > 0 && d.x() < 0));
                }
            };
            box();
            if (withSecondSets)
                set(false);
            box();
            set(withSecondSets);
        }
    }

    void failuresAreReportedOnce_data()
    {
        QTest::addColumn<int>("failFrom");
        QTest::addColumn<int>("linesPrinted");
        QTest::newRow("in the header, and after") << 2 << 0;
        QTest::newRow("in the boxes") << 10 << 6;
        QTest::newRow("at the end of the document") << 2 + 1 + 4 * 23 + 1 << 32;
    }

    void failuresAreReportedOnce()
    {
        QFETCH(int, failFrom);
        QFETCH(int, linesPrinted);
        MessageRecorder messages;
        RecordingPrinter printer;
        printer.failFrom = failFrom;
        StampaScheda(printer, sample(false));
        QCOMPARE(messages.messages, QStringList{"Problema di stampa nella stampante utilizzata."});
        QCOMPARE(printer.count(Op::Line), linesPrinted);
        QCOMPARE(printer.count(Op::End), 0);
    }

    void headerFailureLetsThePageGoOn()
    {
        // Only the header's text fails, the printer takes the rest: the page still goes out.
        MessageRecorder messages;
        struct Recovering : PrinterSurface
        {
            RecordingPrinter inner;
            bool failed = false;
            void setCurrentX(double v) override { inner.setCurrentX(v); }
            void setCurrentY(double v) override { inner.setCurrentY(v); }
            void setFontSize(double v) override { inner.setFontSize(v); }
            void setDrawWidth(int w) override { inner.setDrawWidth(w); }
            void print(const QString& t) override
            {
                if (!failed) {
                    failed = true;
                    throw PrinterError("once");
                }
                inner.print(t);
            }
            void line(QPointF a, QPointF b, const QColor& c) override { inner.line(a, b, c); }
            void paintPicture(const Picture& p, QPointF at) override { inner.paintPicture(p, at); }
            void newPage() override { inner.newPage(); }
            void endDoc() override { inner.endDoc(); }
        } recovering;
        StampaScheda(recovering, sample(false));
        QCOMPARE(messages.messages.size(), 1);
        QCOMPARE(recovering.inner.count(Op::Text), 0); // the header ended at its failure
        QCOMPARE(recovering.inner.count(Op::Line), 32);
        QCOMPARE(recovering.inner.count(Op::End), 1);
    }
};

QTEST_MAIN(TestPaginaScheda)
#include "tst_paginascheda.moc"
