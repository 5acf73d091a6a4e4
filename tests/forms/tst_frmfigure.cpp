#include "forms/frmfigure.h"

#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>
#include <QTest>

namespace {
QImage render(const Picture& p, qreal scale)
{
    return p.pixmap(p.size(), scale).toImage();
}
} // namespace

class TestFrmFigure : public QObject
{
    Q_OBJECT

private slots:
    void everyIndexHasItsPicture_data()
    {
        QTest::addColumn<int>("index");
        QTest::addColumn<QSize>("size");
        QTest::addColumn<bool>("transparent");
        const QSize sizes[13] = {{61, 60}, {49, 47}, {54, 55}, {53, 53}, {46, 56}, {45, 59}, {42, 62},
                                 {48, 46}, {45, 55}, {49, 50}, {48, 48}, {48, 48}, {48, 48}};
        for (int i = 0; i <= 12; ++i)
            QTest::addRow("figure %d", i) << i << sizes[i] << (i >= 10);
    }

    void everyIndexHasItsPicture()
    {
        QFETCH(int, index);
        QFETCH(QSize, size);
        QFETCH(bool, transparent);
        const Picture p = FrmFigure::Image3(index);
        QVERIFY(!p.isNull());
        QCOMPARE(p.id(), index);
        QCOMPARE(p.size(), size);
        const QImage img = render(p, 1);
        const QColor corner = img.pixelColor(0, 0);
        if (transparent)
            QCOMPARE(corner.alpha(), 0);
        else
            QCOMPARE(corner, QColor(Qt::white));
        if (index > 0) {
            // A figure has a drawing: some pixel is neither white nor transparent.
            bool drawn = false;
            for (int y = 0; y < img.height() && !drawn; ++y)
                for (int x = 0; x < img.width() && !drawn; ++x) {
                    const QColor c = img.pixelColor(x, y);
                    drawn = c.alpha() == 255 && c != QColor(Qt::white);
                }
            QVERIFY(drawn);
        }
        // The same picture every time: copies share one drawing.
        QVERIFY(FrmFigure::Image3(index) == p);
    }

    void blankIsWhiteNotEmpty()
    {
        const QImage img = render(FrmFigure::Image3(FrmFigure::Bianca), 2);
        QCOMPARE(img.size(), QSize(122, 120));
        for (int y = 0; y < img.height(); ++y)
            for (int x = 0; x < img.width(); ++x)
                QCOMPARE(img.pixelColor(x, y), QColor(Qt::white));
    }

    void crispAtAnyScale()
    {
        // At scale 3 the pixels are those of the drawing rendered at three times the size.
        const Picture p = FrmFigure::Image3(7);
        QImage drawing(p.size() * 3, QImage::Format_ARGB32_Premultiplied);
        drawing.fill(Qt::transparent);
        QPainter painter(&drawing);
        painter.setRenderHint(QPainter::Antialiasing);
        QSvgRenderer(QStringLiteral(":/assets/figura07.svg")).render(&painter, QRectF(drawing.rect()));
        painter.end();
        drawing.setDevicePixelRatio(3); // shown at a third of its pixels' size
        QCOMPARE(render(p, 3).convertToFormat(drawing.format()), drawing);
    }

    void outsideTheCatalogueIsNoPicture()
    {
        QVERIFY(FrmFigure::Image3(-1).isNull());
        QVERIFY(FrmFigure::Image3(13).isNull());
    }

    void unloadAndLoadAgain()
    {
        FrmFigure::Image3(1);
        QVERIFY(FrmFigure::caricato());
        FrmFigure::scarica();
        QVERIFY(!FrmFigure::caricato());
        QVERIFY(!FrmFigure::Image3(1).isNull());
    }
};

QTEST_MAIN(TestFrmFigure)
#include "tst_frmfigure.moc"
