// Starts a window and ends as soon as its first frame has been painted: the program's start
// window ("tarvello") or a bare Qt Widgets window ("bare"), the floor to compare against.
// The benchmark measures the whole process from outside.
#include "app/avvio.h"
#include "app/frminizio.h"

#include <QApplication>
#include <QLabel>
#include <QMainWindow>
#include <QTimer>
#include <cstdlib>
#include <cstring>
#include <unistd.h>

namespace {
class FirstFrame : public QObject
{
public:
    bool eventFilter(QObject*, QEvent* e) override
    {
        if (e->type() == QEvent::Paint && !seen_) {
            seen_ = true;
            // Once the painted frame has gone to the screen.
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
    const bool bare = argc > 1 && std::strcmp(argv[1], "bare") == 0;
    QApplication app(argc, argv);
    FirstFrame watcher;
    QWidget* window = nullptr;
    if (bare) {
        auto* w = new QMainWindow;
        w->setCentralWidget(new QLabel(QStringLiteral("Tarvello")));
        w->showMaximized();
        window = w;
    } else {
        preparaApplicazione(app);
        FrmInizio& inizio = loadForm<FrmInizio>();
        inizio.showModeless();
        window = &inizio;
    }
    window->installEventFilter(&watcher);
    return QApplication::exec();
}
