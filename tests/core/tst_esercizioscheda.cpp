#include "core/random.h"
#include "support/fakeclock.h"
#include "core/esercizioscheda.h"

#include <QTest>
#include <cmath>
#include <map>

// How the add and remove worksheets draw an exercise.
class TestEsercizioScheda : public QObject
{
    Q_OBJECT

private slots:
    void sizesAndPlaces_data()
    {
        QTest::addColumn<bool>("togli");
        QTest::addColumn<int>("minFirst");
        QTest::newRow("add: 1 to n - 1 figures") << false << 2;
        QTest::newRow("remove: n + 2 to 11 figures") << true << 1;
    }

    // Every size the rule allows comes up, and as often as any other: a count stays within
    // 6 standard deviations of its share. The seed and the frozen clock make the draws the
    // same on every run; the frozen clock also holds exercise 1 of the remove worksheet,
    // which reseeds before every try, to a loop that must still end (a first set of 9 leaves
    // one size in 9 that fits).
    void sizesAndPlaces()
    {
        QFETCH(bool, togli);
        QFETCH(int, minFirst);
        const FakeClock frozen;
        Random::seed(20240917);
        const int draws = 72000;
        std::map<int, int> firstSizes;
        std::map<std::pair<int, int>, int> secondSizes; // (first size, second size)
        std::array<int, 15> placeCounts{};
        int figures = 0;
        for (int i = 0; i < draws; ++i) {
            const int k = 1 + i % 4;
            const EsercizioScheda e = estraiEsercizio(togli ? Togliere : Aggiungere, k);
            const int n = e.NumElementiScheda;
            QVERIFY(e.FiguraScheda >= 1 && e.FiguraScheda <= 12);
            QVERIFY2(n >= minFirst && n <= 9, qPrintable(QString::number(n)));
            QSet<int> places;
            for (int j = 1; j <= n; ++j) {
                const int p = e.PostiEstrattiScheda[j] - 15 * (k - 1);
                QVERIFY2(p >= 0 && p < 15, qPrintable(QString::number(p)));
                places.insert(p);
                ++placeCounts[p];
            }
            QCOMPARE(places.size(), n);
            figures += n;
            ++firstSizes[n];
            ++secondSizes[{n, e.numElementiSecondo()}];
        }

        const auto near = [](int count, double expected) {
            return qAbs(count - expected) < 6 * std::sqrt(expected) + 1;
        };
        // So a first set of 9 gets 11 in the remove worksheet, one of 1 gets 3 to 11.
        for (int n = minFirst; n <= 9; ++n) {
            QVERIFY2(near(firstSizes[n], double(draws) / (10 - minFirst)), qPrintable(QString::number(n)));
            const int low = togli ? n + 2 : 1;
            const int high = togli ? 11 : n - 1;
            for (int m = low; m <= high; ++m)
                QVERIFY2(near(secondSizes[{n, m}], double(firstSizes[n]) / (high - low + 1)),
                         qPrintable(QStringLiteral("first %1, second %2: %3").arg(n).arg(m).arg(secondSizes[{n, m}])));
        }
        int inRule = 0;
        for (const auto& [sizes, count] : secondSizes)
            inRule += (togli ? sizes.second >= sizes.first + 2 && sizes.second <= 11
                             : sizes.second >= 1 && sizes.second < sizes.first) ? count : 0;
        QCOMPARE(inRule, draws);
        for (int p = 0; p < 15; ++p)
            QVERIFY2(near(placeCounts[p], figures / 15.0), qPrintable(QString::number(p)));
    }
};

QTEST_APPLESS_MAIN(TestEsercizioScheda)
#include "tst_esercizioscheda.moc"
