// A bare Qt Widgets window, the floor the program's start-up and memory are measured against:
// it links Qt Widgets alone, so that nothing of the program is loaded or made with it. It
// ends as soon as its first frame has gone to the screen.
#include "primofotogramma.h"

#include <QApplication>
#include <QLabel>
#include <QMainWindow>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    FirstFrame watcher;
    QMainWindow window;
    window.setCentralWidget(new QLabel(QStringLiteral("Tarvello")));
    window.showMaximized();
    window.installEventFilter(&watcher);
    return QApplication::exec();
}
