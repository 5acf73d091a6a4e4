#pragma once

#include <QPoint>

struct _XDisplay;

// Keys and mouse buttons pressed through the X server, as a pupil's keyboard and mouse press
// them: the event goes to the server and comes back to the program like a real one.
class XTest
{
public:
    XTest();
    ~XTest();
    XTest(const XTest&) = delete;
    XTest& operator=(const XTest&) = delete;

    bool disponibile() const { return display_ != nullptr; }
    // A key by its X keysym (XK_Return...): down or up.
    void tasto(unsigned long keysym, bool giu);
    // The pointer to a point of the screen, in device pixels.
    void puntatore(QPoint schermo);
    // The left mouse button: down or up.
    void bottone(bool giu);

private:
    _XDisplay* display_ = nullptr;
};
