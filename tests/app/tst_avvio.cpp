#include "app/avvio.h"
#include "platform/form.h"

#include <QApplication>
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
};

QTEST_MAIN(TestAvvio)
#include "tst_avvio.moc"
