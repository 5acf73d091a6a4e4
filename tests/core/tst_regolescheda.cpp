#include "core/paginascheda.h"

#include <QTest>

using Posti = QList<int>;

// What a worksheet draw puts on the page: the figure on the first set's places, counted from
// the exercise's own first place, and the second set from place 0 on; blank everywhere else.
class TestRegoleScheda : public QObject
{
    Q_OBJECT

private slots:
    void exerciseFromTheDraw_data()
    {
        QTest::addColumn<bool>("vuoto"); // the worksheet whose second sets start empty
        QTest::addColumn<int>("dove");   // there, the set's first place in the window; else exercise k
        QTest::addColumn<Posti>("estratti"); // the draw's places, as the window numbers them
        QTest::addColumn<int>("ultimo");     // last place of the second set
        QTest::addColumn<Posti>("primo");    // the places that show the figure
        QTest::addColumn<Posti>("secondo");
        QTest::newRow("empty, set 1, both corners") << true << 0 << Posti{14, 0} << -1 << Posti{0, 14} << Posti{};
        QTest::newRow("empty, set 3 of ten, in the seventh frame") << true << 90 << Posti{104, 97, 90, 93, 95, 96, 99, 100, 101, 102}
                                                                   << -1 << Posti{0, 3, 5, 6, 7, 9, 10, 11, 12, 14} << Posti{};
        QTest::newRow("add, exercise 1, one to start") << false << 1 << Posti{3, 7} << 0 << Posti{3, 7} << Posti{0};
        QTest::newRow("add, exercise 4") << false << 4 << Posti{59, 45, 50} << 1 << Posti{0, 5, 14} << Posti{0, 1};
        QTest::newRow("remove, exercise 2, nine and eleven") << false << 2 << Posti{16, 18, 20, 22, 24, 26, 28, 15, 29} << 10
                                                             << Posti{0, 1, 3, 5, 7, 9, 11, 13, 14} << Posti{0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10};
        QTest::newRow("remove, exercise 3, one and three") << false << 3 << Posti{37} << 2 << Posti{7} << Posti{0, 1, 2};
    }

    void exerciseFromTheDraw()
    {
        QFETCH(bool, vuoto);
        QFETCH(int, dove);
        QFETCH(Posti, estratti);
        QFETCH(int, ultimo);
        QFETCH(Posti, primo);
        QFETCH(Posti, secondo);
        const qint16 figura = 7;
        EsercizioScheda d{figura, int(estratti.size()), {}, qint16(ultimo)};
        std::copy(estratti.begin(), estratti.end(), d.PostiEstrattiScheda.begin() + 1);
        InsiemeScheda v{figura, int(estratti.size()), {}};
        std::copy(estratti.begin(), estratti.end(), v.PostiScheda.begin() + 1);
        const EsercizioPagina e = vuoto ? EsercizioPagina::da(v, dove) : EsercizioPagina::da(d, dove);

        QCOMPARE(e.figura, figura);
        for (int p = 0; p < EsercizioPagina::Posti; ++p) {
            QCOMPARE(e.figuraIn(p, false), primo.contains(p) ? figura : EsercizioPagina::Bianca);
            QCOMPARE(e.figuraIn(p, true), secondo.contains(p) ? figura : EsercizioPagina::Bianca);
        }
    }
};

QTEST_GUILESS_MAIN(TestRegoleScheda)
#include "tst_regolescheda.moc"
