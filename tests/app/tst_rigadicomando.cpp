#include <QProcess>
#include <QTest>

// `tarvello --help` as a user types it in a text console, under a system language of its own:
// the program's lines and Qt's own in one language.
class TestRigaDiComando : public QObject
{
    Q_OBJECT

private slots:
    void helpInTheProgramsLanguage_data()
    {
        QTest::addColumn<QString>("lang");
        QTest::addColumn<QStringList>("argomenti");
        QTest::addColumn<bool>("italiano");
        QTest::newRow("Italian system") << "it_IT.UTF-8" << QStringList{"--help"} << true;
        QTest::newRow("English system, --lingua it") << "en_GB.UTF-8" << QStringList{"--lingua", "it", "--help"} << true;
        QTest::newRow("system with no language") << "C" << QStringList{"-h"} << true;
        QTest::newRow("English system") << "en_US.UTF-8" << QStringList{"--help"} << false;
        QTest::newRow("Italian system, --lingua en") << "it_IT.UTF-8" << QStringList{"--help", "--lingua", "en"} << false;
    }

    void helpInTheProgramsLanguage()
    {
        QFETCH(QString, lang);
        QFETCH(QStringList, argomenti);
        QFETCH(bool, italiano);
        QProcessEnvironment ambiente = QProcessEnvironment::systemEnvironment();
        for (const char* v : {"LANGUAGE", "LC_ALL", "LC_MESSAGES", "DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
            ambiente.remove(QString::fromLatin1(v));
        ambiente.insert(QStringLiteral("LANG"), lang);
        QProcess tarvello;
        tarvello.setProcessEnvironment(ambiente);
        tarvello.start(QStringLiteral(TARVELLO_ESEGUIBILE), argomenti);
        QVERIFY(tarvello.waitForFinished(30000));
        QCOMPARE(tarvello.exitStatus(), QProcess::NormalExit);
        QCOMPARE(tarvello.exitCode(), 0);
        const QString aiuto = QString::fromUtf8(tarvello.readAllStandardOutput()).simplified();

        // The line of --help-all is worded one way up to Qt 6.7 and another from Qt 6.8 on.
        const QStringList it{"Utilizzo:", "[opzioni]", "Opzioni:", "Mostra la guida alle opzioni della riga di comando.",
                             "--help-all Mostra la guida, incluse le opzioni",
                             "Mostra le informazioni sulla versione.", "La lingua del programma: it, de, en, fr, sl."};
        const QStringList en{"Usage:", "[options]", "Options:", "Displays help on commandline options.",
                             "--help-all Displays help", "Displays version information.",
                             "The language of the program: it, de, en, fr, sl."};
        for (const QString& riga : italiano ? it : en)
            QVERIFY2(aiuto.contains(riga), qPrintable(riga + QStringLiteral(" is missing from: ") + aiuto));
        for (const QString& riga : italiano ? en : it)
            QVERIFY2(!aiuto.contains(riga), qPrintable(riga + QStringLiteral(" is in: ") + aiuto));
    }
};

QTEST_GUILESS_MAIN(TestRigaDiComando)
#include "tst_rigadicomando.moc"
