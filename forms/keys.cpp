#include "forms/keys.h"

#include <QEvent>
#include <QKeyEvent>
#include <QWidget>

#include <utility>

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

// The codes of the keys that are neither digits, letters nor function keys.
constexpr std::pair<int, int> OtherKeys[] = {
    {Qt::Key_Return, Keys::Enter}, {Qt::Key_Enter, Keys::Enter}, {Qt::Key_Tab, Keys::Tab},
    {Qt::Key_Backtab, Keys::Tab},  {Qt::Key_Space, Keys::Space}, {Qt::Key_Escape, 27},
    {Qt::Key_Backspace, 8},        {Qt::Key_Left, 37},           {Qt::Key_Up, 38},
    {Qt::Key_Right, 39},           {Qt::Key_Down, 40},
};
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
    for (const auto& [key, keyCode] : OtherKeys)
        if (k == key)
            return keyCode;
    return 0;
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

bool Keys::spaceOnce(int& character, bool& held)
{
    if (held)
        return false;
    if (character != Space) {
        character = 0;
        return false;
    }
    held = true;
    return true;
}

bool Keys::Repeats::isRepeat(const QKeyEvent& e)
{
    if (e.isAutoRepeat())
        return true;
    if (e.type() == QEvent::KeyRelease) {
        lastReleaseKey_ = e.key();
        lastReleaseTime_ = e.timestamp();
        return false;
    }
    // A real press always carries a time stamp of its own; a synthetic one (0) is never a repeat.
    return e.timestamp() != 0 && e.key() == lastReleaseKey_ && e.timestamp() == lastReleaseTime_;
}

namespace {
// Keeps a window's Repeats as one of its children, so that it goes with the window.
class RepeatsHolder : public QObject
{
public:
    using QObject::QObject;
    Keys::Repeats repeats;
};
} // namespace

Keys::Repeats& Keys::Repeats::of(QWidget* window)
{
    for (QObject* child : window->children())
        if (auto* holder = dynamic_cast<RepeatsHolder*>(child))
            return holder->repeats;
    return (new RepeatsHolder(window))->repeats;
}
