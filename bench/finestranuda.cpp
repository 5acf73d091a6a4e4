// A bare Qt Widgets window, the floor the program's start-up and memory are measured against:
// it links Qt Widgets alone, so that nothing of the program is loaded or made with it. It
// ends as soon as its first frame has gone to the screen.
#include <QApplication>
#include <QLabel>
#include <QMainWindow>
#include <QTimer>
#include <unistd.h>

namespace {
class FirstFrame : public QObject
{
public:
    bool eventFilter(QObject*, QEvent* e) override
    {
        if (e->type() == QEvent::Paint && !seen_) {
            seen_ = true;
            QTimer::singleShot(0, [] {
                QApplication::sync();
                _exit(0);
            });
        }
        return false;
    }

private:
    bool seen_ = false;
};
} // namespace

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
