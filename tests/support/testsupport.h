#pragma once

#include "app/finestre.h"
#include "support/fakeclock.h"
#include "forms/form.h"
#include "forms/messagebox.h"
#include "printing/printer.h"
#include "support/kid.h"
#include "support/waitfor.h"

#include <QApplication>
#include <QFile>
#include <QKeyEvent>
#include <QStringList>
#include <QTemporaryDir>
#include <QTest>
#include <QWidget>

#include <optional>

// Collects the messages the program shows instead of opening message boxes.
class MessageRecorder
{
public:
    MessageRecorder()
    {
        MessageBox::setSink([this](const QString& text) { messages.append(text); });
        MessageBox::setQuestionSink([this](const QString& text) {
            questions.append(text);
            return answer;
        });
    }
    ~MessageRecorder()
    {
        MessageBox::setSink({});
        MessageBox::setQuestionSink({});
    }
    MessageRecorder(const MessageRecorder&) = delete;
    MessageRecorder& operator=(const MessageRecorder&) = delete;

    QStringList messages;
    QStringList questions;
    bool answer = false; // to every question
};

// The offscreen platform says at every raise of a window that it keeps no stacking order:
// noise, thousands of times over in the long tests, that would bury what matters.
// Lets the print runs handed over come to their outcome, with the window answering meanwhile.
inline bool finishPrinting(int timeoutMs = 30000)
{
    return waitFor([] { return Printers::runsInProgress() == 0; }, timeoutMs);
}

// Before the application: an offscreen screen of the given size in pixels, larger than the
// platform's own, described in a file of the folder given; false when it cannot be written.
inline bool offscreenScreen(const QTemporaryDir& folder, int width, int height)
{
    const QString screen = folder.filePath(QStringLiteral("schermo.json"));
    QFile f(screen);
    if (!f.open(QIODevice::WriteOnly))
        return false;
    f.write(QStringLiteral(R"({"screens": [{"name": "grande", "x": 0, "y": 0, "width": %1, "height": %2, "logicalDpi": 96}]})")
                .arg(width).arg(height).toUtf8());
    f.close();
    qputenv("QT_QPA_PLATFORM", ("offscreen:configfile=" + screen).toLocal8Bit());
    return true;
}

// The service's printers as the program reads them, waited for with the event loop running.
inline PrinterList readPrinters()
{
    std::optional<PrinterList> l;
    Printers::list(qApp, [&](const PrinterList& r) { l = r; });
    waitFor([&] { return l.has_value(); }, 30000);
    return l.value_or(PrinterList{});
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

// Shift and a digit of the row above the letters, as X11 sends them from an Italian keyboard:
// the key names what Shift makes of the digit (`"` for 2), the scan code names the key.
inline void tapShiftedDigit(int digit)
{
    static const Qt::Key shifted[] = {Qt::Key_Equal, Qt::Key_Exclam, Qt::Key_QuoteDbl, Qt::Key_sterling,
                                      Qt::Key_Dollar, Qt::Key_Percent, Qt::Key_Ampersand, Qt::Key_Slash,
                                      Qt::Key_ParenLeft, Qt::Key_ParenRight};
    QWidget* w = focused();
    QVERIFY2(w, "no widget has the keyboard focus");
    const quint32 scan = digit == 0 ? 19 : quint32(9 + digit);
    const Qt::Key key = shifted[digit];
    const QString text = key == Qt::Key_sterling ? QStringLiteral("\u00a3") : QString(QChar(int(key)));
    QKeyEvent shiftDown(QEvent::KeyPress, Qt::Key_Shift, Qt::ShiftModifier, 50, 0xffe1, 0);
    QApplication::sendEvent(w, &shiftDown);
    QKeyEvent press(QEvent::KeyPress, key, Qt::ShiftModifier, scan, 0, 1, text);
    QApplication::sendEvent(w, &press);
    w = focused();
    QKeyEvent release(QEvent::KeyRelease, key, Qt::ShiftModifier, scan, 0, 1, text);
    QApplication::sendEvent(w, &release);
    QKeyEvent shiftUp(QEvent::KeyRelease, Qt::Key_Shift, Qt::NoModifier, 50, 0xffe1, 0);
    QApplication::sendEvent(w, &shiftUp);
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
