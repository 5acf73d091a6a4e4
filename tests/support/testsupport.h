#pragma once

#include "app/finestre.h"
#include "platform/clock.h"
#include "platform/form.h"
#include "platform/messagebox.h"
#include "platform/printer.h"

#include <QApplication>
#include <QKeyEvent>
#include <QStringList>
#include <QTest>
#include <QWidget>

// Collects the messages the program shows instead of opening message boxes.
class MessageRecorder
{
public:
    MessageRecorder()
    {
        MessageBox::setSink([this](const QString& text) { messages.append(text); });
    }
    ~MessageRecorder() { MessageBox::setSink({}); }
    MessageRecorder(const MessageRecorder&) = delete;
    MessageRecorder& operator=(const MessageRecorder&) = delete;

    QStringList messages;
};

// A clock that reads what the test sets.
class FakeClock
{
public:
    explicit FakeClock(float start = 36000.0f) : now(start)
    {
        Clock::setSource([this] { return now; });
    }
    ~FakeClock() { Clock::setSource({}); }
    FakeClock(const FakeClock&) = delete;
    FakeClock& operator=(const FakeClock&) = delete;

    float now;
};

// The offscreen platform says at every raise of a window that it keeps no stacking order:
// noise, thousands of times over in the long tests, that would bury what matters.
// Lets the print runs handed over come to their outcome, with the window answering meanwhile.
inline bool finishPrinting(int timeoutMs = 30000)
{
    return QTest::qWaitFor([] { return Printers::runsInProgress() == 0; }, timeoutMs);
}

inline void quietOffscreenPlatform()
{
    static QtMessageHandler qtOwn = nullptr;
    qtOwn = qInstallMessageHandler([](QtMsgType type, const QMessageLogContext& context, const QString& message) {
        if (!message.startsWith(QLatin1String("This plugin does not support")))
            qtOwn(type, context, message);
    });
}

// Unloads every window and lets the deleted ones go, so each test starts from nothing.
inline void closeEverything()
{
    ChiudiTutto();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCoreApplication::processEvents();
}

// Real key events to whatever has the keyboard focus now, as a pupil's keyboard sends them.
inline QWidget* focused()
{
    return QApplication::focusWidget();
}

inline void pressKey(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
{
    QWidget* w = focused();
    QVERIFY2(w, "no widget has the keyboard focus");
    QTest::keyPress(w, key, modifiers);
}

inline void releaseKey(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
{
    QWidget* w = focused();
    QVERIFY2(w, "no widget has the keyboard focus");
    QTest::keyRelease(w, key, modifiers);
}

inline void tapKey(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
{
    pressKey(key, modifiers);
    releaseKey(key, modifiers);
}

// The repeats a held key sends: on X11 each is a press and a release marked as repeats.
inline void holdRepeats(Qt::Key key, int count, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
{
    for (int i = 0; i < count; ++i) {
        QWidget* w = focused();
        QVERIFY2(w, "no widget has the keyboard focus");
        QString text;
        if (key == Qt::Key_Return || key == Qt::Key_Enter)
            text = QStringLiteral("\r");
        else if (key >= 0x20 && key <= 0x7e)
            text = (modifiers & Qt::ShiftModifier) ? QString(QChar(key)) : QString(QChar(key)).toLower();
        QKeyEvent press(QEvent::KeyPress, key, modifiers, text, true);
        QApplication::sendEvent(w, &press);
        QKeyEvent release(QEvent::KeyRelease, key, modifiers, text, true);
        QApplication::sendEvent(w, &release);
    }
}
