#include "app/avvio.h"
#include "app/frminizio.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    if (!preparaDaRigaDiComando(app))
        return 1;
    loadForm<FrmInizio>().showModeless();
    return QApplication::exec();
}
