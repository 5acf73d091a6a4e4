#include "app/frminizio.h"
#include "platform/form.h"

#include <QApplication>
#include <QIcon>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Tarvello"));
    QApplication::setApplicationVersion(QStringLiteral(TARVELLO_VERSIONE));
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/assets/tarvello.svg")));
    // The program ends when its last window is unloaded, not when the last one is hidden.
    QApplication::setQuitOnLastWindowClosed(false);
    Form::setOnLastUnloaded([] { QCoreApplication::quit(); });

    FrmInizio& inizio = loadForm<FrmInizio>();
    inizio.showModeless();
    return QApplication::exec();
}
