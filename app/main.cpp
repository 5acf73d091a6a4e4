#include "app/avvio.h"
#include "app/finestre.h"
#include "app/primafinestra.h"
#include "registro/luogo.h"
#include "registro/registratore.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    // Help, the version, an export and preparing the school's server are asked for in a text
    // console too, where there is no screen to open.
    const bool senzaSchermo = qEnvironmentVariableIsEmpty("DISPLAY") && qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY") &&
                              qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM");
    for (int i = 1; senzaSchermo && i < argc; ++i)
        if (QByteArrayList{"-h", "--help", "--help-all", "-v", "--version"}.contains(argv[i]) ||
            QByteArray(argv[i]).startsWith("--esporta-csv") || qstrcmp(argv[i], "--prepara-registro") == 0)
            qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    if (!preparaDaRigaDiComando(app))
        return 1;
    // The teacher's register records nothing: it only reads and tidies the register.
    if (registroInsegnante()) {
        apriRegistroInsegnante();
        return QApplication::exec();
    }
    avviaRegistratore();
    suAlunnoScelto([](const QUuid& alunno) { registratore().scegliAlunno(alunno); });
    apriPrimaFinestra(luogoRegistro());
    const int esito = QApplication::exec();
    concludiRegistratore();
    return esito;
}
