#include "core/esercizio.h"
#include "core/random.h"
#include "support/fakeclock.h"

#include <QTest>
#include <cmath>
#include <set>

using Quadro = Esercizio::Quadro;

namespace {

// Places shown by one set, as the list 1, 2, ... the pupil sees.
QList<int> mostrati(const std::array<bool, 16>& posti)
{
    QList<int> l;
    for (int k = 1; k <= 15; ++k)
        if (posti[k])
            l << k;
    return l;
}

QList<int> primi(int quanti)
{
    QList<int> l;
    for (int k = 1; k <= quanti; ++k)
        l << k;
    return l;
}

using Tasti = std::array<bool, 5>;
const Tasti Costruzione{true, true, false, false, false};
const Tasti Avanti{false, false, false, true, true};

} // namespace

class TestEsercizio : public QObject
{
    Q_OBJECT

private slots:
    void init() { Random::seed(20240611); }

    void generationStaysInItsRanges_data()
    {
        QTest::addColumn<int>("tipo");
        QTest::newRow("empty") << 0;
        QTest::newRow("add") << 1;
        QTest::newRow("remove") << 2;
    }

    // Under a frozen clock, so the draw loops that reseed before each try must end all the same.
    void generationStaysInItsRanges()
    {
        QFETCH(int, tipo);
        FakeClock frozen;
        Esercizio e;
        e.ScegliTipo(qint16(tipo));
        e.Avvia();
        std::set<int> sizes;
        for (int i = 1; i <= 3000; ++i) {
            if (i > 1)
                e.NuovoEsercizio();
            const int n = e.NumElementiS;
            const int m = e.NumInizialeD;
            sizes.insert(n);
            QCOMPARE(e.NumOperazione, qint16(i));
            QCOMPARE(e.quadro().operazione, QString::number(i));
            QVERIFY(e.FiguraCorrente >= 1 && e.FiguraCorrente <= 12);
            QVERIFY(n >= (tipo == 1 ? 2 : 1) && n <= 8);
            const QList<int> given = mostrati(e.quadro().postiS);
            QCOMPARE(given.size(), n);
            QCOMPARE(QSet<int>(given.begin(), given.end()),
                     QSet<int>(e.PostiS.begin() + 1, e.PostiS.begin() + 1 + n));
            if (tipo == 1)
                QVERIFY2(m >= 1 && m <= n - 1, qPrintable(QString("n %1 m %2").arg(n).arg(m)));
            if (tipo == 2)
                QVERIFY2(m >= n + 2 && m <= 10, qPrintable(QString("n %1 m %2").arg(n).arg(m)));
            const int start = tipo == 0 ? 0 : m;
            QCOMPARE(e.NumElementiD, qint16(start));
            QCOMPARE(mostrati(e.quadro().postiD), primi(start));
            QCOMPARE(e.quadro().disponibili, Costruzione);
            QCOMPARE(e.quadro().davanti, Esercizio::Riquadro::Tastierino);
            QCOMPARE(e.prendiFuoco(), Esercizio::Fuoco::Aggiungi);
            QVERIFY(e.quadro().esito.isEmpty());
        }
        QCOMPARE(int(sizes.size()), tipo == 1 ? 7 : 8);
    }

    void drawsHaveEqualChances_data()
    {
        QTest::addColumn<int>("tipo");
        QTest::addColumn<QString>("what");
        QTest::addColumn<int>("onlyN"); // 0: every exercise
        QTest::addColumn<int>("from");
        QTest::addColumn<int>("to");
        QTest::newRow("figure") << 0 << "figure" << 0 << 1 << 12;
        QTest::newRow("size, empty kind") << 0 << "n" << 0 << 1 << 8;
        QTest::newRow("size, add kind: one figure is drawn again") << 1 << "n" << 0 << 2 << 8;
        QTest::newRow("size, remove kind") << 2 << "n" << 0 << 1 << 8;
        QTest::newRow("start of add kind, n 6") << 1 << "m" << 6 << 1 << 5;
        QTest::newRow("start of remove kind, n 1") << 2 << "m" << 1 << 3 << 10;
        QTest::newRow("start of remove kind, n 5") << 2 << "m" << 5 << 7 << 10;
        QTest::newRow("places, n 3") << 0 << "place" << 3 << 1 << 15;
        QTest::newRow("places, any n") << 2 << "place" << 0 << 1 << 15;
    }

    // Counts within 6 standard deviations of what equal chances give: a fair draw fails this
    // less than once in a hundred million runs, an unfair one of a few percent fails always.
    void drawsHaveEqualChances()
    {
        QFETCH(int, tipo);
        QFETCH(QString, what);
        QFETCH(int, onlyN);
        QFETCH(int, from);
        QFETCH(int, to);
        FakeClock frozen;
        Esercizio e;
        e.ScegliTipo(qint16(tipo));
        e.Avvia();
        std::vector<double> counts(to + 1), expected(to + 1), variance(to + 1);
        for (int i = 0; i < 60000; ++i) {
            e.NuovoEsercizio();
            const int n = e.NumElementiS;
            if (onlyN && n != onlyN)
                continue;
            // Each exercise adds a yes-or-no outcome per value, with probability q.
            QList<int> seen;
            double q = 1.0 / (to - from + 1);
            if (what == "figure")
                seen << e.FiguraCorrente;
            else if (what == "n")
                seen << n;
            else if (what == "m")
                seen << e.NumInizialeD;
            else {
                seen = QList<int>(e.PostiS.begin() + 1, e.PostiS.begin() + 1 + n);
                q = n / 15.0;
            }
            for (int v : seen) {
                QVERIFY2(v >= from && v <= to, qPrintable(QString::number(v)));
                counts[v] += 1;
            }
            for (int v = from; v <= to; ++v) {
                expected[v] += q;
                variance[v] += q * (1 - q);
            }
        }
        QVERIFY(expected[from] > 500);
        for (int v = from; v <= to; ++v)
            QVERIFY2(std::abs(counts[v] - expected[v]) < 6 * std::sqrt(variance[v]),
                     qPrintable(QString("value %1: %2 times, %3 expected").arg(v).arg(counts[v]).arg(expected[v])));
    }

    void building_data()
    {
        QTest::addColumn<int>("tipo");
        QTest::addColumn<QString>("keys"); // + adds, - removes, v checks, n refuses help
        QTest::addColumn<int>("figures");  // -1: the start plus what the keys changed; -3: the start
        QTest::addColumn<bool>("verifica");
        QTest::newRow("start of the add kind: not empty, no check yet") << 1 << "" << -1 << false;
        QTest::newRow("start of the remove kind") << 2 << "" << -1 << false;
        QTest::newRow("remove on empty") << 0 << "-" << 0 << false;
        QTest::newRow("add then remove to empty") << 0 << "+-" << 0 << false;
        QTest::newRow("add past ten") << 0 << "++++++++++++" << 10 << true;
        QTest::newRow("remove one of the start") << 2 << "-" << -1 << true;
        QTest::newRow("add one to the start") << 1 << "+" << -1 << true;
        QTest::newRow("remove kind: added past the start, wrong, NO") << 2 << "++vn" << -3 << false;
        QTest::newRow("add kind: removed, wrong, NO") << 1 << "-vn" << -3 << false;
    }

    void building()
    {
        QFETCH(int, tipo);
        QFETCH(QString, keys);
        QFETCH(int, figures);
        QFETCH(bool, verifica);
        Esercizio e;
        e.ScegliTipo(qint16(tipo));
        e.Avvia();
        if (figures == -3) // back to the start
            figures = e.NumElementiD;
        else if (figures < 0)
            figures = e.NumElementiD + keys.count('+') - keys.count('-');
        for (QChar k : keys) {
            if (k == '+')
                e.Aggiungi();
            else if (k == '-')
                e.Togli();
            else if (k == 'v')
                e.Verifica();
            else
                e.NoNo();
        }
        QCOMPARE(e.NumElementiD, qint16(figures));
        QCOMPARE(mostrati(e.quadro().postiD), primi(figures));
        QCOMPARE(e.quadro().disponibili[Esercizio::TastoVerifica], verifica);
        QCOMPARE(e.quadro().davanti, Esercizio::Riquadro::Tastierino);
    }

    void verdict_data()
    {
        QTest::addColumn<int>("beyondN"); // figures built: n + beyondN
        QTest::addColumn<bool>("right");
        QTest::newRow("n + 1") << 1 << true;
        QTest::newRow("one too few") << 0 << false;
        QTest::newRow("one too many") << 2 << false;
    }

    void verdict()
    {
        QFETCH(int, beyondN);
        QFETCH(bool, right);
        Esercizio e;
        e.ScegliTipo(InsiemeVuoto);
        e.RisEsatte = 4;
        e.RisErrate = 7;
        e.Avvia();
        e.prendiFuoco();
        while (e.NumElementiD < e.NumElementiS + beyondN)
            e.Aggiungi();
        e.Verifica();
        const Quadro& q = e.quadro();
        QCOMPARE(q.esito, right ? QStringLiteral("E s a t t o") : QStringLiteral("E r r a t o"));
        QCOMPARE(q.risEsatte, right ? QStringLiteral("5") : QString()); // a wrong answer leaves it alone
        QCOMPARE(q.risErrate, right ? QString() : QStringLiteral("8"));
        QCOMPARE(q.davanti, right ? Esercizio::Riquadro::Tastierino : Esercizio::Riquadro::Aiuto);
        QCOMPARE(e.prendiFuoco(), right ? Esercizio::Fuoco::Avanti : Esercizio::Fuoco::Si);
        if (right)
            QCOMPARE(q.disponibili, Avanti);
        QCOMPARE(mostrati(q.postiD), primi(e.NumElementiS + beyondN)); // the set stays as built
    }

    void countersStopAtTheTop()
    {
        Esercizio e;
        e.ScegliTipo(InsiemeVuoto);
        e.Avvia();
        e.NumOperazione = 32766;
        e.RisEsatte = 32767;
        e.NuovoEsercizio();
        e.NuovoEsercizio();
        QCOMPARE(e.NumOperazione, qint16(32767));
        QCOMPARE(e.quadro().operazione, QStringLiteral("32767"));
        while (e.NumElementiD < e.NumElementiS + 1)
            e.Aggiungi();
        e.Verifica();
        QCOMPARE(e.RisEsatte, qint16(32767));
        QCOMPARE(e.quadro().risEsatte, QStringLiteral("32767"));
    }

    // Every answer handed over once, when what followed it is known. Keys: r a right answer, w a
    // wrong one, s "SI", n "NO", o "OK", a "AVANTI >>>", c the window closed, A it opened again.
    // Each answer handed is told as its exercise, T or F (right or wrong), and what followed
    // (0 to 3, as Seguito).
    void answersHandedOver_data()
    {
        QTest::addColumn<QString>("keys");
        QTest::addColumn<QString>("handed");
        QTest::newRow("right") << "r" << "1T0";
        QTest::newRow("wrong, help") << "ws" << "1F1";
        QTest::newRow("wrong, refused, right") << "wnr" << "1F2 1T0";
        QTest::newRow("three refused, OK") << "wnwnwno" << "1F2 1F2 1F3";
        QTest::newRow("wrong, window closed") << "wcc" << "1F0";
        QTest::newRow("right, next exercise, wrong, help") << "raws" << "1T0 2F1";
        QTest::newRow("wrong, window closed, opened again") << "wcAr" << "1F0 2T0";
    }

    void answersHandedOver()
    {
        QFETCH(QString, keys);
        QFETCH(QString, handed);
        FakeClock clock(36000.0f);
        QList<Risposta> consegnate;
        Esercizio e;
        e.registraCon([&](const Risposta& r) { consegnate << r; });
        e.ScegliTipo(InsiemeVuoto);
        e.Avvia();
        Risposta prima; // as the exercise stood at its first check
        for (QChar k : keys) {
            if (k == 'r' || k == 'w') {
                const int voluti = e.NumElementiS + (k == 'r' ? 1 : 2);
                while (e.NumElementiD < voluti)
                    e.Aggiungi();
                clock.now += 2.25f;
                if (prima.esercizio == 0)
                    prima = {{}, {}, 1, {}, {}, {}, InsiemeVuoto, e.FiguraCorrente, e.NumElementiS, e.NumInizialeD,
                             voluti, k == 'r', 2.25, {}};
                e.Verifica();
            } else {
                const QHash<QChar, void (Esercizio::*)()> passi{{'s', &Esercizio::SiSi},   {'o', &Esercizio::SiSi},
                                                               {'n', &Esercizio::NoNo},   {'a', &Esercizio::NuovoEsercizio},
                                                               {'A', &Esercizio::Avvia}, {'c', &Esercizio::ConcludiRisposta}};
                (e.*passi.value(k))();
            }
        }
        QStringList detto;
        for (const Risposta& r : consegnate)
            detto << QStringLiteral("%1%2%3").arg(r.esercizio).arg(r.esatta ? 'T' : 'F').arg(int(r.seguito));
        QCOMPARE(detto.join(' '), handed);
        Risposta r = consegnate.first();
        QVERIFY(r.quando.toString(Qt::ISODate).endsWith(u'Z'));
        r.quando = {};
        r.seguito = {};
        QCOMPARE(r, prima);
    }

    void timing_data()
    {
        QTest::addColumn<float>("start");
        QTest::addColumn<float>("end");
        QTest::addColumn<int>("totalBefore");
        QTest::addColumn<QString>("partial");
        QTest::addColumn<QString>("total");
        QTest::newRow("whole seconds, sign place") << 36000.0f << 36012.75f << 30 << " 12" << " 42";
        QTest::newRow("past midnight") << 86398.5f << 3.0f << 0 << " 4" << " 4";
        QTest::newRow("partial at the cap") << 1000.0f << 1999.0f << 0 << "999" << "999";
        QTest::newRow("total at the cap") << 100.0f << 110.0f << 989 << " 10" << "999";
        QTest::newRow("total just below") << 100.0f << 110.0f << 988 << " 10" << " 998";
    }

    void timing()
    {
        QFETCH(float, start);
        QFETCH(float, end);
        QFETCH(int, totalBefore);
        QFETCH(QString, partial);
        QFETCH(QString, total);
        FakeClock clock(start);
        Esercizio e;
        e.ScegliTipo(InsiemeVuoto);
        e.Avvia();
        QVERIFY(e.quadro().tempoParziale.isEmpty());
        e.TempoTotale = totalBefore;
        clock.now = end;
        e.Aggiungi();
        e.Verifica();
        QCOMPARE(e.quadro().tempoParziale, partial);
        QCOMPARE(e.quadro().tempoTotale, total);
        e.NuovoEsercizio();
        QVERIFY(e.quadro().tempoParziale.isEmpty());
        QCOMPARE(e.quadro().tempoTotale, total);
    }
};

QTEST_GUILESS_MAIN(TestEsercizio)
#include "tst_esercizio.moc"
