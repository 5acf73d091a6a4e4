#include "platform/keys.h"

#include <QEvent>
#include <QKeyEvent>

int Keys::code(const QKeyEvent& e)
{
    const int k = e.key();
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
