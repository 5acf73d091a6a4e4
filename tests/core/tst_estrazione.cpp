#include "core/esercizio.h"
#include "core/esercizioscheda.h"
#include "core/random.h"
#include "support/fakeclock.h"

#include <QTest>

// Every way a set is drawn, pinned to the figures, sizes and places one seed gave before the
// draws shared one rule: the order of the draws and of the clock's reseeds is part of what
// the program does (seeded tests and pictures of the windows replay it), and a change in it
// shows here as a different sequence.
class TestEstrazione : public QObject
{
    Q_OBJECT

private slots:
    void sequenceOfEveryPath_data()
    {
        QTest::addColumn<int>("path");
        QTest::addColumn<QString>("drawn"); // per draw: figure, n, m, the places
        QTest::newRow("exercise, empty") << 0 << "11 6 0 14 12 1 2 10 15;8 6 0 13 2 11 8 1 6;12 8 0 3 12 8 9 14 11 2 6;";
        QTest::newRow("exercise, add") << 1 << "11 3 2 2 15 7;5 5 1 1 11 7 13 3;1 2 1 5 4;";
        QTest::newRow("exercise, remove") << 2 << "11 6 9 14 12 1 2 10 15;4 2 8 11 6;3 1 8 13;";
        QTest::newRow("worksheet, add") << 3 << "11 3 2 1 14 6;4 6 2 13 14 6 9 7 5;6 7 1 14 10 9 2 3 12 0;";
        QTest::newRow("worksheet, remove, first exercise") << 4 << "11 3 8 1 14 6;6 7 9 11 2 6 8 10 1 7;5 5 10 11 9 14 12 1;";
        QTest::newRow("worksheet, remove, second exercise")
            << 5 << "11 3 9 16 29 21;4 6 9 28 29 21 24 22 20;12 9 11 28 15 16 17 18 24 19 27 29;";
        QTest::newRow("worksheet, empty, second set")
            << 6 << "11 4 0 16 29 21 26;4 7 0 28 29 21 24 22 20 25;12 10 0 28 15 16 17 18 24 19 27 29 22;";
    }

    void sequenceOfEveryPath()
    {
        QFETCH(int, path);
        QFETCH(QString, drawn);
        FakeClock clock(1000);
        Clock::setSource([&clock] { return clock.now += 0.37f; }); // every reading a new one
        Random::seed(7);
        QString out;
        const auto add = [&out](int figure, int n, int m, const qint16* places) {
            out += QStringLiteral("%1 %2 %3").arg(figure).arg(n).arg(m);
            for (int j = 1; j <= n; ++j)
                out += QLatin1Char(' ') + QString::number(places[j]);
            out += QLatin1Char(';');
        };
        for (int i = 0; i < 3; ++i) {
            if (path <= Togliere) {
                Esercizio e;
                e.ScegliTipo(qint16(path));
                e.Avvia();
                add(e.FiguraCorrente, e.NumElementiS, e.NumInizialeD, e.PostiS.data());
            } else if (path < 6) {
                const EsercizioScheda x = estraiEsercizio(path == 3 ? Aggiungere : Togliere, path == 5 ? 2 : 1);
                add(x.FiguraScheda, x.NumElementiScheda, x.numElementiSecondo(), x.PostiEstrattiScheda.data());
            } else {
                const InsiemeScheda y = estraiInsieme(15);
                add(y.FiguraScheda, y.NumElementiScheda, 0, y.PostiScheda.data());
            }
        }
        QCOMPARE(out, drawn);
    }
};

QTEST_GUILESS_MAIN(TestEstrazione)
#include "tst_estrazione.moc"
