#include "platform/keys.h"

#include <QEvent>
#include <QKeyEvent>

namespace {
// The row of digits above the letters, by its place on the keyboard: X11 and Wayland number
// keys as XKB does, 10 for the key 1 up to 18 for 9 and 19 for 0, whatever the layout.
int digitRowKey(const QKeyEvent& e)
{
#ifdef Q_OS_LINUX
    const quint32 scan = e.nativeScanCode();
    if (scan >= 10 && scan <= 18)
        return Qt::Key_1 + int(scan - 10);
    if (scan == 19)
        return Qt::Key_0;
#else
    Q_UNUSED(e);
#endif
    return 0;
}
} // namespace

int Keys::code(const QKeyEvent& e)
{
    int k = e.key();
    // A key code belongs to the key, not to what it types: Shift+2 types `"` on an Italian
    // keyboard (and a French keyboard types `é` without Shift), and it is the key 2 all the same.
    if ((k < Qt::Key_0 || k > Qt::Key_9) && !(e.modifiers() & Qt::KeypadModifier))
        if (const int digit = digitRowKey(e))
            k = digit;
    if (k >= Qt::Key_0 && k <= Qt::Key_9)
        return (e.modifiers() & Qt::KeypadModifier) ? 96 + (k - Qt::Key_0) : k;
    if (k >= Qt::Key_A && k <= Qt::Key_Z)
        return k; // Qt already gives the capital letter for both cases
    if (k >= Qt::Key_F1 && k <= Qt::Key_F12)
        return 112 + (k - Qt::Key_F1);
    switch (k) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        return Enter;
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
        return Tab;
    case Qt::Key_Space:
        return Space;
    case Qt::Key_Escape:
        return 27;
    case Qt::Key_Backspace:
        return 8;
    case Qt::Key_Left:
        return 37;
    case Qt::Key_Up:
        return 38;
    case Qt::Key_Right:
        return 39;
    case Qt::Key_Down:
        return 40;
    default:
        return 0;
    }
}

int Keys::character(const QKeyEvent& e)
{
    if (e.key() == Qt::Key_Return || e.key() == Qt::Key_Enter)
        return Enter;
    const QString text = e.text();
    if (text.isEmpty())
        return 0;
    const char16_t c = text.at(0).unicode();
    return c >= 32 ? int(c) : 0;
}

bool Keys::isRepeat(const QKeyEvent& e)
{
    static int lastReleaseKey = 0;
    static quint64 lastReleaseTime = 0;
    if (e.isAutoRepeat())
        return true;
    if (e.type() == QEvent::KeyRelease) {
        lastReleaseKey = e.key();
        lastReleaseTime = e.timestamp();
        return false;
    }
    // A real press always carries a time stamp of its own; a synthetic one (0) is never a repeat.
    return e.timestamp() != 0 && e.key() == lastReleaseKey && e.timestamp() == lastReleaseTime;
}
