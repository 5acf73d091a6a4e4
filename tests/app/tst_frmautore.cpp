#include "app/frmautore.h"
#include "app/frminizio.h"
#include "exercise/frmoperativo.h"
#include "forms/pushkey.h"
#include "support/testsupport.h"

#include <QLabel>
#include <QTest>
#include <QTimer>

class TestFrmAutore : public QObject
{
    Q_OBJECT

private slots:
    void cleanup() { closeEverything(); }

    void opensModalAndCloses()
    {
        FrmInizio& start = loadForm<FrmInizio>();
        start.showModeless();
        QVERIFY(QTest::qWaitForWindowExposed(&start));
        for (int opening = 0; opening < 2; ++opening) {
            // Checked inside the modal loop, asserted after it: a failed check must not leave
            // the dialog open.
            frmAutore* seen = nullptr;
            QWidget* modal = nullptr;
            bool startReacted = true;
            QTimer::singleShot(0, this, [&] {
                seen = loadedForm<frmAutore>();
                modal = QApplication::activeModalWidget();
                // A press on the start window goes through the window system, which blocks it.
                QWidget* key = kid<PushKey>(&start, "Option1", 1);
                const QPoint at = key->mapTo(&start, key->rect().center());
                QTest::mousePress(start.windowHandle(), Qt::LeftButton, {}, at);
                QTest::mouseRelease(start.windowHandle(), Qt::LeftButton, {}, at);
                startReacted = loadedForm<frmOperativo>() != nullptr;
                if (seen)
                    QTest::mouseClick(kid<PushKey>(seen, "Command1"), Qt::LeftButton);
            });
            kid<QAction>(&start, "mnuInfo")->trigger(); // returns when About is gone
            QVERIFY(seen);
            QCOMPARE(modal, seen);
            QVERIFY(!startReacted);
            QVERIFY(loadedForm<frmAutore>() == nullptr);
        }
    }

    void content()
    {
        frmAutore& a = loadForm<frmAutore>();
        QCOMPARE(a.windowTitle(), QStringLiteral("Autore"));
        QCOMPARE(kid<QLabel>(&a, "Label1")->text(), QStringLiteral("Sito dell'autore:"));
        QCOMPARE(kid<QLabel>(&a, "Label3")->text(), QStringLiteral("Email:"));
        QVERIFY(kid<QLabel>(&a, "Label2")->text().contains("example.org"));
        QVERIFY(kid<QLabel>(&a, "Label4")->text().contains('@'));
        QCOMPARE(kid<PushKey>(&a, "Command1")->text(), QStringLiteral("C h i u d i"));
        QCOMPARE(a.client()->size(), QSize(465, 234));
        a.unload();
    }

    void closeBoxUnloadsIt()
    {
        QTimer::singleShot(0, this, [] { loadedForm<frmAutore>()->close(); });
        loadForm<frmAutore>().showModal();
        QVERIFY(loadedForm<frmAutore>() == nullptr);
    }
};

QTEST_MAIN(TestFrmAutore)
#include "tst_frmautore.moc"
