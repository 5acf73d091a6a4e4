#include "app/avvio.h"
#include "app/frminizio.h"
#include "register/frmregistro.h"

#include <QApplication>
#include <QStandardPaths>

int main(int argc, char* argv[])
{
    // Help and the version are read in a text console too, where there is no screen to open.
    const bool senzaSchermo = qEnvironmentVariableIsEmpty("DISPLAY") && qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY") &&
                              qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM");
    for (int i = 1; senzaSchermo && i < argc; ++i)
        if (QByteArrayList{"-h", "--help", "--help-all", "-v", "--version"}.contains(argv[i]))
            qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    if (!preparaDaRigaDiComando(app))
        return 1;
    if (registroInsegnante())
        FrmRegistro::apri(QStandardPaths::writableLocation(QStandardPaths::AppDataLocation) + QStringLiteral("/registro.sqlite"));
    else
        loadForm<FrmInizio>().showModeless();
    return QApplication::exec();
}
