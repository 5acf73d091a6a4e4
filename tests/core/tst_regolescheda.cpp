#include "core/paginascheda.h"

#include <QTest>

// What a worksheet draw puts on the page: the figure on the first set's places, counted from
// the exercise's own first place, and the second set from place 0 on; blank everywhere else.
class TestRegoleScheda : public QObject
{
    Q_OBJECT

private slots:
    void exerciseFromTheDraw_data()
    {
        QTest::addColumn<bool>("vuoto");        // the worksheet whose second sets start empty
        QTest::addColumn<int>("dove");          // its set's first place in the window, or exercise k
        QTest::addColumn<int>("figura");
        QTest::addColumn<QList<int>>("estratti"); // the draw's places, as the window numbers them
        QTest::addColumn<int>("ultimo");          // last place of the second set
        QTest::addColumn<QList<int>>("primo");    // the places that show the figure
        QTest::addColumn<QList<int>>("secondo");

        QTest::newRow("empty, set 1, both corners") << true << 0 << 1 << QList<int>{14, 0} << -1 << QList<int>{0, 14}
                                                    << QList<int>{};
        QTest::newRow("empty, set 3 of ten, in the window's seventh frame")
            << true << 90 << 12 << QList<int>{104, 97, 90, 93, 95, 96, 99, 100, 101, 102} << -1
            << QList<int>{0, 3, 5, 6, 7, 9, 10, 11, 12, 14} << QList<int>{};
        QTest::newRow("add, exercise 1, one figure to start") << false << 1 << 6 << QList<int>{3, 7} << 0
                                                              << QList<int>{3, 7} << QList<int>{0};
        QTest::newRow("add, exercise 4") << false << 4 << 7 << QList<int>{59, 45, 50} << 1 << QList<int>{0, 5, 14}
                                         << QList<int>{0, 1};
        QTest::newRow("remove, exercise 2, nine figures and eleven")
            << false << 2 << 9 << QList<int>{16, 18, 20, 22, 24, 26, 28, 15, 29} << 10
            << QList<int>{0, 1, 3, 5, 7, 9, 11, 13, 14} << QList<int>{0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10};
        QTest::newRow("remove, exercise 3, one figure and three") << false << 3 << 2 << QList<int>{37} << 2
                                                                  << QList<int>{7} << QList<int>{0, 1, 2};
    }

    void exerciseFromTheDraw()
    {
        QFETCH(bool, vuoto);
        QFETCH(int, dove);
        QFETCH(int, figura);
        QFETCH(QList<int>, estratti);
        QFETCH(int, ultimo);
        QFETCH(QList<int>, primo);
        QFETCH(QList<int>, secondo);

        EsercizioPagina e;
        if (vuoto) {
            InsiemeScheda d;
            d.FiguraScheda = qint16(figura);
            d.NumElementiScheda = int(estratti.size());
            std::copy(estratti.begin(), estratti.end(), d.PostiScheda.begin() + 1);
            e = EsercizioPagina::da(d, dove);
        } else {
            EsercizioScheda d;
            d.FiguraScheda = qint16(figura);
            d.NumElementiScheda = int(estratti.size());
            std::copy(estratti.begin(), estratti.end(), d.PostiEstrattiScheda.begin() + 1);
            d.UltimoPostoSecondo = qint16(ultimo);
            e = EsercizioPagina::da(d, dove);
        }
        QCOMPARE(e.figura, figura);
        for (int p = 0; p < EsercizioPagina::Posti; ++p) {
            QCOMPARE(e.figuraIn(p, false), primo.contains(p) ? figura : EsercizioPagina::Bianca);
            QCOMPARE(e.figuraIn(p, true), secondo.contains(p) ? figura : EsercizioPagina::Bianca);
        }
    }
};

QTEST_GUILESS_MAIN(TestRegoleScheda)
#include "tst_regolescheda.moc"
