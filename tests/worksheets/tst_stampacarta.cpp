#include "printing/printer.h"
#include "support/printservice.h"
#include "support/testsupport.h"
#include "worksheets/classetest.h"
#include "worksheets/paginascheda.h"

#include <QImage>
#include <QTest>

// A worksheet printed on queues whose paper is Letter, A4 or A5, and on A4 with wide margins:
// every page whole on its paper, to the twip where it fits as it is.
namespace {

// The drivers' printable areas, in points from the paper's edges: a laser printer's, and
// one with wide margins.
const QMarginsF Margini(12, 12, 12, 12);
const QMarginsF MarginiLarghi(18, 36, 18, 36);
constexpr int Dpi = 144;

double inTwips(double pixels) { return pixels * 72 / Dpi * 20; }

// A band of rows (or columns) of the page crossed by long dark strokes: a box edge. Its
// middle is where the ink is centred; `tratti` the long strokes along it.
struct Bordo
{
    double mezzo;
    int tratti;
};

// The box edges along one direction: rows of the page when `orizzontali`, else columns.
QList<Bordo> bordi(const QImage& img, bool orizzontali, int lungo)
{
    const int linee = orizzontali ? img.height() : img.width();
    const int lunghezza = orizzontali ? img.width() : img.height();
    auto grigio = [&](int linea, int i) { return orizzontali ? img.constScanLine(linea)[i] : img.constScanLine(i)[linea]; };
    // The long dark strokes of a line, as [first, last] pixels.
    auto tratti = [&](int linea) {
        QList<std::pair<int, int>> result;
        int inizio = 0;
        for (int i = 0; i <= lunghezza; ++i) {
            if (i < lunghezza && grigio(linea, i) < 128)
                continue;
            if (i - inizio >= lungo)
                result.append({inizio, i - 1});
            inizio = i + 1;
        }
        return result;
    };
    QList<int> quanti(linee);
    for (int linea = 0; linea < linee; ++linea)
        quanti[linea] = int(tratti(linea).size());
    QList<Bordo> result;
    for (int linea = 0; linea < linee; ++linea) {
        if (quanti[linea] == 0)
            continue;
        int fine = linea;
        int massimo = quanti[linea];
        while (fine + 1 < linee && quanti[fine + 1] > 0)
            massimo = std::max(massimo, quanti[++fine]);
        // The ink across the band, along its strokes away from the corners, where the
        // crossing edges would pull it.
        double inchiostro = 0, momento = 0;
        for (const auto& [primo, ultimo] : tratti((linea + fine) / 2))
            for (int i = primo + 8; i <= ultimo - 8; ++i)
                for (int l = std::max(0, linea - 3); l <= std::min(linee - 1, fine + 3); ++l) {
                    const double nero = (255 - grigio(l, i)) / 255.0;
                    inchiostro += nero;
                    momento += nero * (l + 0.5);
                }
        result.append({momento / inchiostro, massimo});
        linea = fine;
    }
    return result;
}

} // namespace

class TestStampaCarta : public QObject
{
    Q_OBJECT

    // The queues made here, with their paper and driver; the others' is A4.
    const QList<QStringList> code{{"Tarvello_Letter", "Letter"}, {"Tarvello_A5", "A5"}, {"Tarvello_Larga", "A4", "wide"}};

private slots:
    void initTestCase()
    {
        QVERIFY(PrintService::usePrivatePrintService());
        for (const QStringList& coda : code)
            QVERIFY(PrintService::command(QStringList{"add"} + coda));
    }
    void cleanupTestCase()
    {
        Printers::setCurrent(QString());
        for (const QStringList& coda : code)
            PrintService::command({"remove", coda[0]});
    }
    void cleanup() { closeEverything(); }

    // The eight boxes with all their edges on every page, in the page's own proportions, and
    // a class set's footer below them: as laid out where the page fits the paper, otherwise
    // scaled to fit the printable area and centred across it.
    void theWholePageOnThePaper_data()
    {
        QTest::addColumn<QString>("coda");
        QTest::addColumn<QSizeF>("carta");
        QTest::addColumn<QMarginsF>("margini");
        QTest::addColumn<int>("schede");
        const QSizeF letter(612, 792), a4(595, 842), a5(420, 595);
        const std::tuple<const char*, const char*, QSizeF, QMarginsF> righe[] = {
            {"Letter", "Tarvello_Letter", letter, Margini},
            {"A4", "Tarvello_A", a4, Margini},
            {"A5", "Tarvello_A5", a5, Margini},
            {"A4 with wide margins", "Tarvello_Larga", a4, MarginiLarghi},
        };
        for (const auto& [nome, coda, carta, margini] : righe)
            for (int schede : {1, 2})
                QTest::addRow("%s, %s", nome, schede == 1 ? "one page" : "class set of 2")
                    << QString(coda) << carta << margini << schede;
    }

    void theWholePageOnThePaper()
    {
        QFETCH(QString, coda);
        QFETCH(QSizeF, carta);
        QFETCH(QMarginsF, margini);
        QFETCH(int, schede);
        MessageRecorder messages;
        Printers::setCurrent(coda);
        FinestraScheda& w = Classe::completa("aggiungi");
        const int prima = int(PrintService::outputs(coda).size());
        if (schede == 1)
            w.Stampa();
        else
            StampaSchede(w.schedeClasse(schede), &w, {});
        const QString pdf = PrintService::waitNewJob(coda, prima);
        QVERIFY(!pdf.isEmpty());
        QCOMPARE(messages.messages, QStringList());
        QCOMPARE(PrintService::pages(pdf), schede);

        // The printable area and the page's own extent, in twips.
        const QSizeF area = (carta - QSizeF(margini.left() + margini.right(), margini.top() + margini.bottom())) * 20;
        const QSizeF estensione = EstensioneScheda(schede > 1);
        const bool comeDisegnata = coda == "Tarvello_A";
        const double attesa = comeDisegnata ? 1 : std::min(area.width() / estensione.width(), area.height() / estensione.height());
        for (int k = 1; k <= schede; ++k) {
            const QImage pagina = PrintService::render(pdf, Dpi, k, "pdftocairo").convertToFormat(QImage::Format_Grayscale8);
            QCOMPARE(pagina.size(), (carta * Dpi / 72).toSize());
            const QList<Bordo> righe = bordi(pagina, true, pagina.width() / 4);
            const QList<Bordo> colonne = bordi(pagina, false, pagina.height() / 10);
            QCOMPARE(righe.size(), 8);
            QCOMPARE(colonne.size(), 4);
            QVERIFY(std::ranges::all_of(righe, [](const Bordo& b) { return b.tratti == 2; }));
            QVERIFY(std::ranges::all_of(colonne, [](const Bordo& b) { return b.tratti == 4; }));

            // The same scale both ways, and the page's corner where it was laid out or
            // centred across the printable area, in twips from the printable area's corner.
            const double scala = inTwips(colonne.last().mezzo - colonne.first().mezzo) / 10500;
            const double scalaInAltezza = inTwips(righe.last().mezzo - righe.first().mezzo) / 13600;
            const QPointF angolo(inTwips(colonne.first().mezzo) - margini.left() * 20 - 500 * scala,
                                 inTwips(righe.first().mezzo) - margini.top() * 20 - 2000 * scala);
            const QPointF atteso(comeDisegnata ? 0 : (area.width() - estensione.width() * attesa) / 2, 0);
            qInfo("page %d: scale %.4f across, %.4f down; corner at (%.1f, %.1f) twips", k, scala, scalaInAltezza,
                  angolo.x(), angolo.y());
            QVERIFY(qAbs(scala - attesa) < 0.002 && qAbs(scalaInAltezza - attesa) < 0.002);
            QVERIFY(qAbs(angolo.x() - atteso.x()) <= 2 && qAbs(angolo.y() - atteso.y()) <= 2);

            const QList<PrintService::Word> parole = PrintService::words(pdf, k);
            QVERIFY(parole.size() > 4);
            QCOMPARE(parole[0].text, "Nome");
            if (schede > 1) {
                // Below the last row, inside the printable area.
                QStringList piede;
                for (const auto& p : parole.mid(parole.size() - 4))
                    piede.append(p.text);
                QCOMPARE(piede.join(' '), QString("Scheda %1 di %2").arg(k).arg(schede));
                const PrintService::Word& scheda = parole[parole.size() - 4];
                const double fondo = carta.height() - margini.bottom() + 0.5;
                QVERIFY(scheda.yMin * Dpi / 72 > righe.last().mezzo && scheda.yMax < fondo);
            }
        }
    }
};

QTEST_MAIN(TestStampaCarta)
#include "tst_stampacarta.moc"
