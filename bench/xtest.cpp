#include "bench/xtest.h"

#include <X11/Xlib.h>
#include <X11/extensions/XTest.h>

XTest::XTest()
{
    display_ = XOpenDisplay(nullptr);
    int evento = 0, errore = 0, maggiore = 0, minore = 0;
    if (display_ && !XTestQueryExtension(display_, &evento, &errore, &maggiore, &minore)) {
        XCloseDisplay(display_);
        display_ = nullptr;
    }
}

XTest::~XTest()
{
    if (display_)
        XCloseDisplay(display_);
}

void XTest::tasto(unsigned long keysym, bool giu)
{
    XTestFakeKeyEvent(display_, XKeysymToKeycode(display_, keysym), giu, CurrentTime);
    XFlush(display_);
}

void XTest::puntatore(QPoint schermo)
{
    XTestFakeMotionEvent(display_, -1, schermo.x(), schermo.y(), CurrentTime);
    XFlush(display_);
}

void XTest::bottone(bool giu)
{
    XTestFakeButtonEvent(display_, 1, giu, CurrentTime);
    XFlush(display_);
}
