#include "forms/keys.h"
#include "forms/pushkey.h"
#include "support/testsupport.h"

#include <QTest>

class TestPushKey : public QObject
{
    Q_OBJECT

private slots:
    void codes_data()
    {
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("modifiers");
        QTest::addColumn<int>("code");
        QTest::newRow("digit 1") << int(Qt::Key_1) << int(Qt::NoModifier) << 49;
        QTest::newRow("digit 5") << int(Qt::Key_5) << int(Qt::NoModifier) << 53;
        QTest::newRow("keypad 1") << int(Qt::Key_1) << int(Qt::KeypadModifier) << 97;
        QTest::newRow("keypad 4") << int(Qt::Key_4) << int(Qt::KeypadModifier) << 100;
        QTest::newRow("s") << int(Qt::Key_S) << int(Qt::NoModifier) << 83;
        QTest::newRow("shift S") << int(Qt::Key_S) << int(Qt::ShiftModifier) << 83;
        QTest::newRow("n") << int(Qt::Key_N) << int(Qt::NoModifier) << 78;
        QTest::newRow("return") << int(Qt::Key_Return) << int(Qt::NoModifier) << 13;
        QTest::newRow("keypad enter") << int(Qt::Key_Enter) << int(Qt::KeypadModifier) << 13;
        QTest::newRow("tab") << int(Qt::Key_Tab) << int(Qt::NoModifier) << 9;
        QTest::newRow("shift tab") << int(Qt::Key_Backtab) << int(Qt::ShiftModifier) << 9;
        QTest::newRow("F2") << int(Qt::Key_F2) << int(Qt::NoModifier) << 113;
        QTest::newRow("F3") << int(Qt::Key_F3) << int(Qt::NoModifier) << 114;
    }

    void codes()
    {
        QFETCH(int, key);
        QFETCH(int, modifiers);
        QFETCH(int, code);
        QKeyEvent e(QEvent::KeyPress, key, Qt::KeyboardModifiers(modifiers));
        QCOMPARE(Keys::code(e), code);
    }

    void pressActsOnThePressAndTabStays()
    {
        QWidget window;
        auto* key = new PushKey("A", Qt::yellow, PushKey::Acts::OnPress, &window);
        auto* other = new PushKey("B", Qt::yellow, PushKey::Acts::OnPress, &window);
        other->move(0, 50);
        int downs = 0, ups = 0, clicks = 0;
        QList<int> codes;
        QList<int> characters;
        QObject::connect(key, &PushKey::mouseDown, [&] { ++downs; });
        QObject::connect(key, &PushKey::mouseUp, [&] { ++ups; });
        QObject::connect(key, &PushKey::keyDown, [&](int& c) { codes << c; });
        QObject::connect(key, &PushKey::keyPress, [&](int& c) { characters << c; });
        connect(key, &QAbstractButton::clicked, [&] { ++clicks; });
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        key->setFocus();

        QTest::mousePress(key, Qt::LeftButton);
        QCOMPARE(downs, 1);
        QCOMPARE(ups, 0);
        QVERIFY(key->isHeld());
        QTest::mouseRelease(key, Qt::LeftButton);
        QCOMPARE(ups, 1);
        QCOMPARE(clicks, 0); // never a click on the release
        QVERIFY(!key->isHeld());

        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), key); // Tab goes to the handler, not to the next key
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
        QCOMPARE(codes, QList<int>({9, 32}));
        QCOMPARE(characters, QList<int>({32}));
    }

    void pressFromOutsideIsAWholePress()
    {
        // A screen reader presses a key through its accessible action.
        PushKey key("A", Qt::yellow);
        QStringList events;
        QObject::connect(&key, &PushKey::mouseDown, [&] { events << "down"; });
        QObject::connect(&key, &PushKey::mouseUp, [&] { events << "up"; });
        key.click();
        QCOMPARE(events, QStringList({"down", "up"}));
    }

    void heldKeyActsOnce()
    {
        QWidget window;
        auto* key = new PushKey("A", Qt::yellow, PushKey::Acts::OnPress, &window);
        int downs = 0, ups = 0;
        QObject::connect(key, &PushKey::keyDown, [&](int&) { ++downs; });
        QObject::connect(key, &PushKey::keyUp, [&](int) { ++ups; });
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        key->setFocus();
        pressKey(Qt::Key_Return);
        holdRepeats(Qt::Key_Return, 20);
        QCOMPARE(downs, 1);
        QCOMPARE(ups, 0);
        releaseKey(Qt::Key_Return);
        QCOMPARE(ups, 1);

        // A repeat split in two writes: a release and a press, not marked as repeats, with one
        // time stamp. The press is a repeat all the same.
        QKeyEvent press(QEvent::KeyPress, Qt::Key_2, Qt::NoModifier, "2");
        press.setTimestamp(1000);
        QApplication::sendEvent(key, &press);
        QKeyEvent release(QEvent::KeyRelease, Qt::Key_2, Qt::NoModifier, "2");
        release.setTimestamp(1500);
        QApplication::sendEvent(key, &release);
        QKeyEvent again(QEvent::KeyPress, Qt::Key_2, Qt::NoModifier, "2");
        again.setTimestamp(1500);
        QApplication::sendEvent(key, &again);
        QCOMPARE(downs, 2);
        // A release in one window says nothing about a press in another.
        QWidget other;
        auto* elsewhere = new PushKey("B", Qt::yellow, PushKey::Acts::OnPress, &other);
        QObject::connect(elsewhere, &PushKey::keyDown, [&](int&) { ++downs; });
        QApplication::sendEvent(elsewhere, &again);
        QCOMPARE(downs, 3);
    }

    void commandKeyClicksOnReleaseAndOnEnter()
    {
        QWidget window;
        auto* key = new PushKey("OK", Qt::cyan, PushKey::Acts::OnClick, &window);
        int clicks = 0;
        connect(key, &QAbstractButton::clicked, [&] { ++clicks; });
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        key->setFocus();
        QTest::mousePress(key, Qt::LeftButton);
        QCOMPARE(clicks, 0);
        QTest::mouseRelease(key, Qt::LeftButton);
        QCOMPARE(clicks, 1);
        pressKey(Qt::Key_Return);
        holdRepeats(Qt::Key_Return, 5);
        releaseKey(Qt::Key_Return);
        QCOMPARE(clicks, 2);
        QVERIFY(!key->isCheckable());
    }
};

QTEST_MAIN(TestPushKey)
#include "tst_pushkey.moc"
