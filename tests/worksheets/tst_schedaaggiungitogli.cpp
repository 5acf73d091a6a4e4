#include "forms/frmfigure.h"
#include "app/frminizio.h"
#include "forms/controls.h"
#include "forms/pushkey.h"
#include "support/schedeaggiungitogli.h"
#include "support/testsupport.h"

#include <QPainter>
#include <QTest>

namespace {
using Posti = std::array<Picture, 2 * SchedaAggiungiTogli::Posti>;
Posti posti(const SchedaAggiungiTogli& w)
{
    Posti p;
    for (int i = 0; i < SchedaAggiungiTogli::Posti; ++i) {
        p[i] = kid<ImageBox>(&w, "Image1", i)->picture();
        p[SchedaAggiungiTogli::Posti + i] = kid<ImageBox>(&w, "Image2", i)->picture();
    }
    return p;
}

// Where a picture leaves a mark: its pixels that are neither white nor see-through.
QRect ink(const QImage& img)
{
    QRect r;
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x) {
            const QRgb c = img.pixel(x, y);
            if (qAlpha(c) > 128 && qGray(c) < 200)
                r |= QRect(x, y, 1, 1);
        }
    return r;
}
} // namespace

// The add and remove worksheet windows on screen.
class TestSchedaAggiungiTogli : public QObject
{
    Q_OBJECT

private slots:
    void cleanup() { closeEverything(); }

    void opensFromTheStartMenuOnce_data() { bothSchede(); }
    void opensFromTheStartMenuOnce()
    {
        QFETCH(bool, togli);
        FrmInizio& inizio = loadForm<FrmInizio>();
        inizio.showModeless();
        QAction* voce = togli ? kid<QAction>(&inizio, "mnuTogli") : kid<QAction>(&inizio, "mnuAggiungi");
        voce->trigger();
        SchedaAggiungiTogli* w = togli ? static_cast<SchedaAggiungiTogli*>(loadedForm<frmStampaSchede3>())
                                       : loadedForm<frmStampaSchede2>();
        QVERIFY(w);
        QCOMPARE(w->secondo(), togli ? Togliere : Aggiungere);
        QVERIFY(w->isVisible());
        voce->trigger();
        QCOMPARE(Form::loadedForms().count(w), 1);
        QCOMPARE(Form::loadedForms().size(), 2);
        kid<PushKey>(w, "CmdFine")->click();
        QVERIFY(!w->isLoaded());
        QVERIFY(inizio.isVisible());
    }

    void atLoad_data() { bothSchede(); }
    void atLoad()
    {
        QFETCH(bool, togli);
        SchedaAggiungiTogli& w = openScheda(togli);
        QCOMPARE(w.insiemiGenerati(), (std::array<bool, 4>{true, false, false, false}));
        QCOMPARE(w.parteVisibile(), 1);
        QCOMPARE(kid<PushKey>(&w, "Command2")->text(), QStringLiteral("Visualizza la seconda parte"));
        for (int i = 0; i < SchedaAggiungiTogli::Posti; ++i) {
            QCOMPARE(kid<ImageBox>(&w, "Image1", i)->picture().isNull(), i >= 15);
            QCOMPARE(kid<ImageBox>(&w, "Image2", i)->picture().isNull(), i >= 15);
        }
        // The first set stands on the right of the add window and on the left of the other.
        for (int k = 0; k < 4; ++k)
            QCOMPARE(kid<ImageBox>(&w, "Image1", 15 * k)->parentWidget()->x() < kid<ImageBox>(&w, "Image2", 15 * k)->parentWidget()->x(), togli);
    }

    void redrawingLeavesTheOthers_data() { bothSchede("k", 1, 4); }
    void redrawingLeavesTheOthers()
    {
        QFETCH(bool, togli);
        QFETCH(int, k);
        SchedaAggiungiTogli& w = openScheda(togli);
        for (int j = 2; j <= 4; ++j)
            w.GeneraInsieme(j);
        const Posti before = posti(w);
        for (int n = 0; n == 0 || posti(w) == before; ++n) {
            QVERIFY2(n < 50, "pressing the button fifty times never drew its exercise again");
            kidInsieme<PushKey>(&w, k)->click();
            const Posti after = posti(w);
            for (int i = 0; i < int(after.size()); ++i)
                if (i % SchedaAggiungiTogli::Posti / 15 != k - 1)
                    QVERIFY2(after[i] == before[i], qPrintable(QString::number(i)));
        }
    }

    void switchingParts_data()
    {
        QTest::addColumn<bool>("togli");
        QTest::addColumn<QList<int>>("presses"); // 0: the part switch, k: exercise button k
        QTest::addColumn<QList<int>>("parts");
        for (bool togli : {false, true}) {
            const char* w = togli ? "remove" : "add";
            QTest::addRow("%s: switch twice", w) << togli << QList<int>{0, 0, 0} << QList<int>{2, 1, 2};
            QTest::addRow("%s: exercise 3 from the first part", w) << togli << QList<int>{3} << QList<int>{2};
            QTest::addRow("%s: exercise 4, 2, 1, 4", w) << togli << QList<int>{4, 2, 1, 4} << QList<int>{2, 1, 1, 2};
            QTest::addRow("%s: switch, then exercise 1", w) << togli << QList<int>{0, 1, 0} << QList<int>{2, 1, 2};
        }
    }
    // The part switch names the part its next press shows; an exercise button shows the
    // part of its exercise.
    void switchingParts()
    {
        QFETCH(bool, togli);
        QFETCH(QList<int>, presses);
        QFETCH(QList<int>, parts);
        SchedaAggiungiTogli& w = openScheda(togli);
        w.showModeless();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        for (int i = 0; i < presses.size(); ++i) {
            PushKey* key = presses[i] == 0 ? kid<PushKey>(&w, "Command2") : kidInsieme<PushKey>(&w, presses[i]);
            QTest::mouseClick(key, Qt::LeftButton);
            QCOMPARE(kid<Frame>(&w, "Frame3")->isVisible(), parts[i] == 1);
            QCOMPARE(kid<Frame>(&w, "Frame4")->isVisible(), parts[i] == 2);
            QCOMPARE(kid<PushKey>(&w, "Command2")->text(), parts[i] == 1 ? QStringLiteral("Visualizza la seconda parte")
                                                       : QStringLiteral("Visualizza la prima parte"));
        }
    }

    void twiceTheSize_data() { bothSchede(); }
    void twiceTheSize()
    {
        QFETCH(bool, togli);
        SchedaAggiungiTogli& w = openScheda(togli);
        std::vector<QRectF> design;
        for (const Form::Control& c : w.controls())
            design.push_back(c.twips);
        w.showNormal();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        const QSize inner = w.client()->size();
        w.resize(w.size() + inner);
        QTRY_COMPARE(w.client()->size(), inner * 2);
        for (std::size_t i = 0; i < design.size(); ++i) {
            const QRectF& now = w.controls()[i].twips;
            const QRectF& d = design[i];
            QVERIFY2(qAbs(now.left() - 2 * d.left()) < 1 && qAbs(now.top() - 2 * d.top()) < 1 &&
                         qAbs(now.width() - 2 * d.width()) < 1 && qAbs(now.height() - 2 * d.height()) < 1,
                     qPrintable(w.controls()[i].widget->objectName()));
        }
    }

    // Every figure shows whole in every place at the window's design size, where the
    // places are closest: nothing cut off by its place, nothing covered by a neighbour. A
    // place a pixel narrower than its figure shows it that much smaller.
    void figuresShowWhole_data() { bothSchede("figura", 1, FrmFigure::NumeroFigure); }
    void figuresShowWhole()
    {
        QFETCH(bool, togli);
        QFETCH(int, figura);
        SchedaAggiungiTogli& w = openScheda(togli);
        const Picture picture = FrmFigure::Image3(figura);
        for (int i = 0; i < 15; ++i) {
            kid<ImageBox>(&w, "Image1", i)->setPicture(picture);
            kid<ImageBox>(&w, "Image2", i)->setPicture(picture);
        }
        for (bool primo : {true, false}) {
            QWidget* set = kid<ImageBox>(&w, primo ? "Image1" : "Image2", 0)->parentWidget();
            const QImage shown = set->grab().toImage().convertToFormat(QImage::Format_ARGB32);
            for (int i = 0; i < 15; ++i) {
                ImageBox* posto = kid<ImageBox>(&w, primo ? "Image1" : "Image2", i);
                const QRect drawn = posto->pictureRect();
                QVERIFY(posto->rect().contains(drawn));
                QImage alone(drawn.size(), QImage::Format_ARGB32);
                alone.fill(Qt::white);
                {
                    QPainter p(&alone);
                    p.drawPixmap(0, 0, picture.pixmap(drawn.size(), 1));
                }
                const QRect mark = ink(alone);
                const QPoint at = posto->pos() + drawn.topLeft() + mark.topLeft();
                QVERIFY2(shown.copy(QRect(at, mark.size())) == alone.copy(mark),
                         qPrintable(QStringLiteral("%1 set, place %2").arg(primo ? "first" : "second").arg(i)));
            }
        }
    }
};

QTEST_MAIN(TestSchedaAggiungiTogli)
#include "tst_schedaaggiungitogli.moc"
