// Starts the program as `tarvello` does, its first window chosen the same way, and ends as
// soon as that window's first frame has gone to the screen. The benchmark measures the whole
// process from outside, against bench-finestra-nuda.
#include "app/avvio.h"
#include "app/finestre.h"
#include "app/primafinestra.h"
#include "registro/luogo.h"

#include <QApplication>
#include <QTimer>
#include <QWidget>
#include <unistd.h>

namespace {
class FirstFrame : public QObject
{
public:
    bool eventFilter(QObject* o, QEvent* e) override
    {
        if (e->type() == QEvent::Paint && !seen_ && o->isWidgetType() && static_cast<QWidget*>(o)->isWindow()) {
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
    app.installEventFilter(&watcher);
    preparaApplicazione(app);
    avviaRegistratore();
    apriPrimaFinestra(luogoRegistro());
    return QApplication::exec();
}
