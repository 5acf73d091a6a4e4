// Every window on a screen of twice the usual density (QT_SCALE_FACTOR=2): the figures are
// drawn from their drawings at the screen's own pixels, not blown up, and every control keeps
// its place in proportion to its window.
#include "app/frmautore.h"
#include "app/frminizio.h"
#include "app/finestre.h"
#include "core/esercizio.h"
#include "exercise/frmoperativo.h"
#include "forms/controls.h"
#include "core/twips.h"
#include "support/testsupport.h"
#include "worksheets/frmstampante.h"
#include "worksheets/frmstampaschede.h"
#include "worksheets/schedaaggiungitogli.h"

#include <QPainter>
#include <QSvgRenderer>
#include <QTemporaryDir>
#include <QTest>
#include <bit>
#include <functional>
#include <map>

namespace {

// The drawing behind a picture of the program.
QString disegno(int figura) { return QStringLiteral(":/assets/figura%1.svg").arg(figura, 2, 10, QLatin1Char('0')); }

// The drawing rendered straight at `pixels`.
QImage diretto(const QString& file, QSize pixels)
{
    QImage img(pixels, QImage::Format_ARGB32_Premultiplied);
    img.fill(Qt::transparent);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    QSvgRenderer(file).render(&p, QRectF(QPointF(0, 0), QSizeF(pixels)));
    return img;
}

// The share of the pixels the drawing covers in full where `a` differs from the drawing by
// more than a rounding: none for the same picture, a good part for one blurred.
double diversi(const QImage& a, const QImage& disegno)
{
    int coperti = 0, n = 0;
    for (int y = 0; y < disegno.height(); ++y)
        for (int x = 0; x < disegno.width(); ++x) {
            const QRgb q = disegno.pixel(x, y);
            if (qAlpha(q) < 255)
                continue;
            ++coperti;
            const QRgb p = a.pixel(x, y);
            n += qAbs(qRed(p) - qRed(q)) + qAbs(qGreen(p) - qGreen(q)) + qAbs(qBlue(p) - qBlue(q)) > 12;
        }
    return double(n) / coperti;
}

} // namespace

class TestScala : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QCOMPARE(qApp->devicePixelRatio(), 2.0);
        Form::setOnLastUnloaded({});
    }

    void cleanup() { closeEverything(); }

    // A place of each kind of window, and the start window's picture, stretched to its control.
    void picturesAreDrawnAtTheScreensPixels_data()
    {
        QTest::addColumn<int>("finestra");
        QTest::newRow("a place of the exercise window") << 0;
        QTest::newRow("a place of a worksheet") << 1;
        QTest::newRow("the start window's picture") << 2;
    }

    void picturesAreDrawnAtTheScreensPixels()
    {
        QFETCH(int, finestra);
        ImageBox* posto = nullptr;
        QString file;
        if (finestra == 0) {
            esercizio().ScegliTipo(InsiemeVuoto);
            frmOperativo& w = finestraEsercizio();
            w.showModeless();
            QVERIFY(QTest::qWaitForWindowExposed(&w));
            for (int k = 1; k <= frmOperativo::NumeroPosti && !posto; ++k)
                if (kid<ImageBox>(&w, "Image1", k)->isVisible())
                    posto = kid<ImageBox>(&w, "Image1", k);
            file = disegno(esercizio().FiguraCorrente);
        } else if (finestra == 1) {
            frmStampaSchede& w = loadForm<frmStampaSchede>();
            w.showModeless();
            QVERIFY(QTest::qWaitForWindowExposed(&w));
            posto = kid<ImageBox>(&w, "Image1", frmStampaSchede::primoPosto(1) + std::countr_zero(w.esercizio(1).primo.to_ulong()));
            file = disegno(w.esercizio(1).figura);
        } else {
            FrmInizio& w = loadForm<FrmInizio>();
            w.showModeless();
            QVERIFY(QTest::qWaitForWindowExposed(&w));
            posto = kid<ImageBox>(&w, "Image1");
            file = QStringLiteral(":/assets/inizio.svg");
        }
        QVERIFY(posto && !posto->picture().isNull());
        QCOMPARE(posto->devicePixelRatioF(), 2.0);
        // A picture shown at its own size, or stretched to its control.
        const QSize logico = finestra == 2 ? posto->size() : posto->picture().size();

        const QPixmap visto = posto->grab(QRect(QPoint(0, 0), logico));
        QCOMPARE(visto.devicePixelRatio(), 2.0);
        QCOMPARE(visto.size(), logico * 2);
        const QImage nitido = diretto(file, logico * 2);
        // What a picture made for the usual density looks like when blown up: the test must
        // tell the two apart.
        const QImage sfocato = diretto(file, logico).scaled(logico * 2, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        QVERIFY2(diversi(sfocato, nitido) > 0.02, "a blown-up picture looks the same as a crisp one");
        const double scarto = diversi(visto.toImage(), nitido);
        QVERIFY2(scarto < 0.005,
                 qPrintable(QStringLiteral("%1% of the pixels differ from the drawing").arg(100 * scarto, 0, 'f', 1)));
    }

    // Each window on a large screen, maximized or at its own size: every control where its
    // design put it, in proportion to the window's inner size.
    void everyWindowKeepsItsLayout_data()
    {
        QTest::addColumn<int>("finestra");
        QTest::newRow("start") << 0;
        QTest::newRow("About") << 1;
        QTest::newRow("exercise") << 2;
        QTest::newRow("worksheet, empty second set") << 3;
        QTest::newRow("worksheet, elements to add") << 4;
        QTest::newRow("worksheet, elements to remove") << 5;
        QTest::newRow("printer choice") << 6;
    }

    void everyWindowKeepsItsLayout()
    {
        QFETCH(int, finestra);
        const std::function<Form&()> apri[] = {
            [] () -> Form& { return loadForm<FrmInizio>(); },       [] () -> Form& { return loadForm<frmAutore>(); },
            [] () -> Form& { return finestraEsercizio(); },    [] () -> Form& { return loadForm<frmStampaSchede>(); },
            [] () -> Form& { return loadForm<frmStampaSchede2>(); }, [] () -> Form& { return loadForm<frmStampaSchede3>(); },
            [] () -> Form& { return loadForm<frmStampante>(); }};
        Form& w = apri[finestra]();
        // Loaded, a window stands at its design size: that is the layout to keep.
        const QSize progetto = w.client()->size();
        std::map<const QWidget*, QRectF> disegnati;
        for (const Form::Control& c : w.controls())
            disegnati[c.widget] = c.twips;

        w.showModeless();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        QCOMPARE(w.devicePixelRatioF(), 2.0);
        const QSize ora = w.client()->size();
        const bool proporzionale = finestra != 1 && finestra != 6;
        if (proporzionale)
            QVERIFY2(ora.width() > progetto.width() * 1.3, "the window did not open maximized");
        else
            QCOMPARE(ora, progetto);
        const double fx = double(ora.width()) / progetto.width();
        const double fy = double(ora.height()) / progetto.height();

        for (const Form::Control& c : w.controls()) {
            if (c.kind == Form::Kind::ComboBox || c.dock != Form::Dock::None)
                continue;
            const QRectF& d = disegnati[c.widget];
            const QRect atteso = Twips::toPixels(QRectF(d.x() * fx, d.y() * fy, d.width() * fx, d.height() * fy));
            const QRect adesso = c.widget->geometry();
            // Edges are rounded to whole pixels.
            const QMargins scarto(qAbs(adesso.left() - atteso.left()), qAbs(adesso.top() - atteso.top()),
                                  qAbs(adesso.right() - atteso.right()), qAbs(adesso.bottom() - atteso.bottom()));
            QVERIFY2(scarto.left() <= 1 && scarto.top() <= 1 && scarto.right() <= 1 && scarto.bottom() <= 1,
                     qPrintable(QStringLiteral("%1 stands at %2,%3 %4x%5, not at %6,%7 %8x%9")
                                    .arg(c.widget->objectName())
                                    .arg(adesso.x()).arg(adesso.y()).arg(adesso.width()).arg(adesso.height())
                                    .arg(atteso.x()).arg(atteso.y()).arg(atteso.width()).arg(atteso.height())));
        }
    }
};

int main(int argc, char* argv[])
{
    // A screen of 2560 x 1600 pixels shown at twice the density: 1280 x 800 to the windows.
    QTemporaryDir cartella;
    if (!offscreenScreen(cartella, 2560, 1600))
        return 1;
    qputenv("QT_SCALE_FACTOR", "2");
    QApplication app(argc, argv);
    TestScala test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_scala.moc"
