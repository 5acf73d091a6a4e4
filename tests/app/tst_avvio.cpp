#include "app/avvio.h"
#include "app/frminizio.h"
#include "forms/form.h"
#include "support/testsupport.h"

#include <QApplication>
#include <QFile>
#include <QTest>

class TestAvvio : public QObject
{
    Q_OBJECT

private slots:
    // The program's texts and Qt's own (the buttons Qt itself labels, as a message box shows
    // them) in one language.
    void oneLanguageForProgramAndQt_data()
    {
        QTest::addColumn<QString>("lingua");
        QTest::addColumn<QString>("esci");
        QTest::addColumn<QString>("annulla");
        QTest::newRow("Italian") << "it" << "E S C I " << "Annulla";
        QTest::newRow("English") << "en" << "E X I T " << "Cancel";
        QTest::newRow("the system's (C)") << "" << "E S C I " << "Annulla";
    }
    void oneLanguageForProgramAndQt()
    {
        QFETCH(QString, lingua);
        QFETCH(QString, esci);
        QFETCH(QString, annulla);
        preparaApplicazione(*qApp, lingua);
        QCOMPARE(QCoreApplication::translate("FrmInizio", "E S C I "), esci);
        QCOMPARE(QCoreApplication::translate("QPlatformTheme", "Cancel"), annulla);
        QCOMPARE(QApplication::applicationName(), QStringLiteral("Tarvello"));
        QVERIFY(!QApplication::windowIcon().isNull());
        QVERIFY(!QApplication::quitOnLastWindowClosed());
        Form::setOnLastUnloaded({});
    }

    void languageFromTheSystemsList_data()
    {
        QTest::addColumn<QStringList>("preferite");
        QTest::addColumn<QString>("lingua");
        QTest::newRow("C") << QStringList{"C"} << "it";
        QTest::newRow("POSIX") << QStringList{"POSIX"} << "it";
        QTest::newRow("none") << QStringList{} << "it";
        QTest::newRow("English of Britain") << QStringList{"en-GB", "en"} << "en";
        QTest::newRow("English as a locale name") << QStringList{"en_US"} << "en";
        QTest::newRow("German of South Tyrol") << QStringList{"de-IT", "de", "en"} << "de";
        QTest::newRow("French of the Aosta Valley") << QStringList{"fr_IT"} << "fr";
        QTest::newRow("Slovenian of Trieste") << QStringList{"sl-IT", "sl"} << "sl";
        QTest::newRow("a language with none, then French") << QStringList{"ru-RU", "fr"} << "fr";
        QTest::newRow("Italian before German") << QStringList{"it-IT", "de"} << "it";
        QTest::newRow("Italian before English") << QStringList{"it-CH", "en"} << "it";
    }
    void languageFromTheSystemsList()
    {
        QFETCH(QStringList, preferite);
        QFETCH(QString, lingua);
        QCOMPARE(linguaPreferita(preferite), lingua);
    }

    // Loading Qt's image plugins (every one of them, to ask each about a file) was a good part
    // of the start window's start-up: its icon, its pictures and its menu bar need none.
    void theStartWindowLoadsNoImagePlugin()
    {
        preparaApplicazione(*qApp);
        Form::setOnLastUnloaded({});
        FrmInizio& inizio = loadForm<FrmInizio>();
        inizio.showModeless();
        QVERIFY(QTest::qWaitForWindowExposed(&inizio));
        inizio.grab(); // every control painted, curtains or not

        QFile maps(QStringLiteral("/proc/self/maps"));
        QVERIFY(maps.open(QIODevice::ReadOnly));
        const QByteArray mapped = maps.readAll();
        QVERIFY2(!mapped.contains("/imageformats/"), "an image format plugin was loaded");
        QVERIFY2(!mapped.contains("/iconengines/"), "an icon engine plugin was loaded");
        closeEverything();
    }
};

QTEST_MAIN(TestAvvio)
#include "tst_avvio.moc"
