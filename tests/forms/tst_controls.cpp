#include "forms/controls.h"

#include <QTest>

namespace {
// Pixels of text: dark ones, on the light ground of a label.
int inchiostro(QWidget& w)
{
    const QImage img = w.grab().toImage();
    int n = 0;
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x)
            n += qGray(img.pixel(x, y)) < 128;
    return n;
}
} // namespace

class TestControls : public QObject
{
    Q_OBJECT

private slots:
    // The printer choice names printers in labels a few centimetres wide.
    void aWrappingLabelShowsEveryLetter_data()
    {
        QTest::addColumn<QString>("nome");
        QTest::newRow("short") << "PDF";
        QTest::newRow("words joined by underscores") << "HP_LaserJet_Professional_P1102";
        QTest::newRow("one long word") << "Stampantedellaulamagna";
    }

    void aWrappingLabelShowsEveryLetter()
    {
        QFETCH(QString, nome);
        const QString testo = QStringLiteral("La stampante scelta è \r\n") + nome;
        const QFont font = makeFont(QStringLiteral("Arial"), 9.75, true);
        QLabel* stretta = makeWrappingLabel(font, Qt::black);
        stretta->setText(testo);
        stretta->resize(114, 101);
        // The same text where nothing needs to wrap.
        QLabel* larga = makeLabel(testo, font, Qt::black);
        larga->resize(2000, 101);
        const int atteso = inchiostro(*larga);
        QVERIFY(atteso > 0);
        QVERIFY2(qAbs(inchiostro(*stretta) - atteso) <= atteso / 20,
                 qPrintable(QStringLiteral("%1 dark pixels, %2 without wrapping").arg(inchiostro(*stretta)).arg(atteso)));
        delete stretta;
        delete larga;
    }
};

QTEST_MAIN(TestControls)
#include "tst_controls.moc"
