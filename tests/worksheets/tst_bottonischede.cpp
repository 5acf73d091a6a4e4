// The worksheet windows' command buttons on a 1024x768 screen: each caption on one line, in the
// toolkit's own regular font (smaller where the desktop's font is too wide for the button), at
// the window's design size and maximized.
#include "platform/pushkey.h"
#include "platform/twips.h"
#include "support/testsupport.h"
#include "worksheets/frmstampaschede.h"
#include "worksheets/schedaaggiungitogli.h"

#include <QFile>
#include <QFontMetricsF>
#include <QTemporaryDir>
#include <QTest>
#include <functional>

class TestBottoniSchede : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { Form::setOnLastUnloaded({}); }
    void cleanup() { closeEverything(); }

    void captionsOnOneLine_data()
    {
        QTest::addColumn<int>("finestra");
        QTest::addColumn<bool>("ingrandita");
        const char* nomi[] = {"empty second set", "elements to add", "elements to remove"};
        for (int f = 0; f < 3; ++f) {
            QTest::addRow("%s, design size", nomi[f]) << f << false;
            QTest::addRow("%s, maximized", nomi[f]) << f << true;
        }
    }

    void captionsOnOneLine()
    {
        QFETCH(int, finestra);
        QFETCH(bool, ingrandita);
        const std::function<FinestraScheda&()> apri[] = {
            [] () -> FinestraScheda& { return loadForm<frmStampaSchede>(); },
            [] () -> FinestraScheda& { return loadForm<frmStampaSchede2>(); },
            [] () -> FinestraScheda& { return loadForm<frmStampaSchede3>(); }};
        FinestraScheda& w = apri[finestra]();
        w.showModeless();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        if (!ingrandita) {
            w.showNormal();
            const QSize progetto = Twips::toPixels(w.designInnerSize());
            w.resize(progetto + (w.size() - w.client()->size()));
            QTRY_COMPARE(w.client()->size(), progetto);
        }
        QList<PushKey*> comandi(w.CmdInsieme.begin(), w.CmdInsieme.end());
        comandi << w.Command1 << w.CmdFine;
        for (PushKey* b : comandi) {
            const QFont scritta = b->captionFont();
            QVERIFY2(!scritta.bold(), qPrintable(b->text()));
            QCOMPARE(scritta.family(), QApplication::font().family());
            const QFontMetricsF fm(scritta);
            const QRectF spazio = b->captionRect();
            QVERIFY2(fm.horizontalAdvance(b->text()) <= spazio.width() && fm.height() <= spazio.height(),
                     qPrintable(QStringLiteral("\"%1\" needs %2 px, the button gives %3")
                                    .arg(b->text()).arg(fm.horizontalAdvance(b->text())).arg(spazio.width())));
        }
    }
};

int main(int argc, char* argv[])
{
    QTemporaryDir cartella;
    const QString schermo = cartella.filePath(QStringLiteral("schermo.json"));
    QFile f(schermo);
    if (!f.open(QIODevice::WriteOnly))
        return 1;
    f.write(R"({"screens": [{"name": "aula", "x": 0, "y": 0, "width": 1024, "height": 768, "logicalDpi": 96}]})");
    f.close();
    qputenv("QT_QPA_PLATFORM", ("offscreen:configfile=" + schermo).toLocal8Bit());
    QApplication app(argc, argv);
    TestBottoniSchede test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_bottonischede.moc"
