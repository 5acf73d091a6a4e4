#include "app/avvio.h"
#include "app/frminizio.h"
#include "platform/form.h"
#include "support/testsupport.h"

#include <QApplication>
#include <QFile>
#include <QTest>

class TestAvvio : public QObject
{
    Q_OBJECT

private slots:
    void qtSpeaksItalian()
    {
        preparaApplicazione(*qApp);
        // The buttons Qt itself labels, as a message box shows them.
        QCOMPARE(QCoreApplication::translate("QPlatformTheme", "Cancel"), QStringLiteral("Annulla"));
        QCOMPARE(QCoreApplication::translate("QPlatformTheme", "Close"), QStringLiteral("Chiudi"));
        QCOMPARE(QApplication::applicationName(), QStringLiteral("Tarvello"));
        QVERIFY(!QApplication::windowIcon().isNull());
        QVERIFY(!QApplication::quitOnLastWindowClosed());
        Form::setOnLastUnloaded({});
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
