#include "app/avvio.h"
#include "app/frminizio.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    preparaApplicazione(app);
    loadForm<FrmInizio>().showModeless();
    return QApplication::exec();
}
