#pragma once

#include <QtGlobal>

class QKeyEvent;
class QWidget;

// Keyboard events as the windows' handlers see them: a key code on the way down and up
// (digits 49-57 and keypad digits 97-105, letters 65-90, all whatever the Shift state, Enter 13,
// Tab 9, Space 32, F1-F12 112-123), and a character code for a key that types one.
namespace Keys {

enum Code : int {
    Tab = 9,
    Enter = 13,
    Space = 32,
    Digit1 = 49,
    Keypad1 = 97,
    F2 = 113,
    F3 = 114,
};

// The key code of a press or release; 0 for a key the program has no code for.
int code(const QKeyEvent& event);
// The character code a press types (Space 32, Enter 13, letters as typed); 0 for none.
int character(const QKeyEvent& event);

// A Space that moves the focus acts once per press. True for a Space while `held` is clear,
// and sets it: the window clears it on the release. False while `held` is set; any other
// character is swallowed (set to 0).
bool spaceOnce(int& character, bool& held);

// A key held down arrives as a stream of repeats. On X11 a repeat now and then comes as a
// release and a press that claim to be real, with one time stamp: a press whose key and time
// stamp equal the last release's is a repeat too. Each window has its own: a release in one
// window says nothing about a press in another.
class Repeats
{
public:
    // Call on every press and release; presses and releases for which it says true are to
    // be ignored.
    bool isRepeat(const QKeyEvent& event);

    // The one of `window`, made on first use and gone with it.
    static Repeats& of(QWidget* window);

private:
    int lastReleaseKey_ = 0;
    quint64 lastReleaseTime_ = 0;
};

} // namespace Keys
