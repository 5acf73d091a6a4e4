// Starts the program as `tarvello` does, its first window chosen the same way, and ends as
// soon as that window's first frame has gone to the screen. The benchmark measures the whole
// process from outside, against bench-finestra-nuda.
#include "app/avvio.h"
#include "app/finestre.h"
#include "app/primafinestra.h"
#include "registro/luogo.h"

#include "primofotogramma.h"

#include <QApplication>

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
