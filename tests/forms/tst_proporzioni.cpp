#include "forms/controls.h"
#include "forms/form.h"
#include "core/twips.h"

#include <QComboBox>
#include <QTest>

namespace {
// A window with the kinds of control the program lays out: a frame and what it holds, a
// curtain docked to the left edge, and a combo box that keeps its place.
class Sample : public Form
{
public:
    Sample() : Form("sample", QSizeF(9000, 6000), Qt::white, Placement::Centred, Layout::Proportional)
    {
        frame = place(new Frame(Qt::yellow), nullptr, QRectF(1500, 900, 4500, 3000), Kind::Frame, "frame");
        inside = place(new ColourBox(Qt::red), frame, QRectF(300, 600, 1200, 750), Kind::Image, "inside");
        label = place(new QLabel("x"), nullptr, QRectF(6300, 4500, 2100, 450), Kind::Label, "label");
        curtain = place(new ColourBox(Qt::blue), nullptr, QRectF(0, 0, 600, 6000), Kind::PictureBox,
                        "curtain", Dock::Left);
        combo = place(new QComboBox, nullptr, QRectF(300, 5100, 3000, 450), Kind::ComboBox, "combo");
    }
    Frame* frame;
    ColourBox* inside;
    QLabel* label;
    ColourBox* curtain;
    QComboBox* combo;
};
} // namespace

class TestProporzioni : public QObject
{
    Q_OBJECT

private slots:
    // The layout alone: a place at design, the design's inner size and a new one, and where
    // the place goes; a second place beside it keeps its own order and share.
    void layout_data()
    {
        QTest::addColumn<QRectF>("posto");
        QTest::addColumn<QSizeF>("progetto");
        QTest::addColumn<QSizeF>("misura");
        QTest::addColumn<QRectF>("atteso");
        const QSizeF a4(11910, 8595);
        QTest::newRow("at design size") << QRectF(1234, 567, 891, 23) << a4 << a4 << QRectF(1234, 567, 891, 23);
        QTest::newRow("twice as wide") << QRectF(1500, 900, 4500, 3000) << QSizeF(9000, 6000) << QSizeF(18000, 6000)
                                       << QRectF(3000, 900, 9000, 3000);
        QTest::newRow("twice as tall") << QRectF(1500, 900, 4500, 3000) << QSizeF(9000, 6000) << QSizeF(9000, 12000)
                                       << QRectF(1500, 1800, 4500, 6000);
        QTest::newRow("smaller") << QRectF(6300, 4500, 2100, 450) << QSizeF(9000, 6000) << QSizeF(4500, 4500)
                                 << QRectF(3150, 3375, 1050, 337.5);
        QTest::newRow("wider than the window") << QRectF(-45, 0, 12000, 600) << QSizeF(11910, 8595)
                                               << QSizeF(15360, 10800)
                                               << QRectF(-45 * 15360 / 11910.0, 0, 12000 * 15360 / 11910.0, 600 * 10800 / 8595.0);
        QTest::newRow("no room") << QRectF(300, 600, 1200, 750) << QSizeF(9000, 6000) << QSizeF(0, 0) << QRectF();
    }
    void layout()
    {
        QFETCH(QRectF, posto);
        QFETCH(QSizeF, progetto);
        QFETCH(QSizeF, misura);
        QFETCH(QRectF, atteso);
        const QRectF intero(QPointF(), progetto); // a control that fills the window, first
        const std::vector<QRectF> posti = Proporzioni({intero, posto}, progetto).applica(misura);
        QCOMPARE(posti.size(), std::size_t(2));
        QCOMPARE(posti[0], QRectF(QPointF(), misura));
        // Fractions kept in single precision: a hundredth of a twip is far below a pixel.
        const auto vicino = [](double a, double b) { return qAbs(a - b) < 0.01; };
        QVERIFY2(vicino(posti[1].left(), atteso.left()) && vicino(posti[1].top(), atteso.top())
                     && vicino(posti[1].width(), atteso.width()) && vicino(posti[1].height(), atteso.height()),
                 qPrintable(QString("%1,%2 %3x%4").arg(posti[1].left()).arg(posti[1].top()).arg(posti[1].width()).arg(posti[1].height())));
    }

    void resize_data()
    {
        QTest::addColumn<double>("fx");
        QTest::addColumn<double>("fy");
        QTest::newRow("twice as wide") << 2.0 << 1.0;
        QTest::newRow("twice as tall") << 1.0 << 2.0;
        QTest::newRow("smaller") << 0.5 << 0.75;
    }

    void resize()
    {
        QFETCH(double, fx);
        QFETCH(double, fy);
        Sample s;
        s.load();
        s.showModeless();
        QVERIFY(QTest::qWaitForWindowExposed(&s));
        std::vector<std::pair<QRectF, QRect>> before;
        for (const auto& c : s.controls())
            before.push_back({c.twips, c.widget->geometry()});
        const QSize inner = s.client()->size(), design = s.size();
        s.resize(s.size() + QSize(int(inner.width() * (fx - 1)), int(inner.height() * (fy - 1))));
        QTRY_COMPARE(s.client()->size(), QSize(int(inner.width() * fx), int(inner.height() * fy)));
        QVERIFY(s.frame->rect().contains(s.inside->geometry())); // what a frame holds stays inside it

        for (std::size_t i = 0; i < s.controls().size(); ++i) {
            const Form::Control& c = s.controls()[i];
            const QRectF& b = before[i].first;
            const QString name = c.widget->objectName();
            if (c.kind == Form::Kind::ComboBox) {
                QCOMPARE(c.twips, b); // stays where it was
                continue;
            }
            QVERIFY2(qAbs(c.twips.width() - b.width() * fx) < 0.5, qPrintable(name));
            if (c.dock == Form::Dock::Left) {
                QCOMPARE(c.widget->geometry().left(), 0);
                QCOMPARE(c.widget->geometry().height(), s.client()->height());
                continue;
            }
            QVERIFY2(qAbs(c.twips.left() - b.left() * fx) < 0.5, qPrintable(name));
            QVERIFY2(qAbs(c.twips.top() - b.top() * fy) < 0.5, qPrintable(name));
            QVERIFY2(qAbs(c.twips.height() - b.height() * fy) < 0.5, qPrintable(name));
            // And the widget stands where the twips say, to the pixel.
            QVERIFY2((c.widget->geometry().topLeft() - Twips::toPixels(c.twips).topLeft()).manhattanLength() == 0,
                     qPrintable(name));
        }
        // Back at its own size, the window has every control where it was, whatever was rounded.
        s.resize(design);
        QTRY_COMPARE(s.client()->size(), inner);
        for (std::size_t i = 0; i < s.controls().size(); ++i)
            QCOMPARE(s.controls()[i].widget->geometry(), before[i].second);
        s.unload();
    }
};

QTEST_MAIN(TestProporzioni)
#include "tst_proporzioni.moc"
