// A pupil's program without its windows, on a PC of the lab: records answers into its own
// file for the school's server, then ends once the server has them all. The tests and the
// benchmark of the school's server start 25 at once.
//   alunno_finto FILE URL ANSWERS
// Exit status: 0 when every answer reached the server, 1 when not within a minute.
#include "registro/registratore.h"
#include "registro/serverdiprova.h"

#include <QCoreApplication>

#include <cstdio>

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    const QStringList argomenti = app.arguments();
    const std::optional<IndirizzoServer> server = Server::leggi(argomenti.value(2));
    const int quante = argomenti.value(3).toInt();
    if (argomenti.size() != 4 || !server || quante < 1) {
        std::fprintf(stderr, "usage: alunno_finto FILE postgresql://user@host/dbname ANSWERS\n");
        return 2;
    }
    Registratore registratore(argomenti.at(1), server);
    for (int i = 0; i < quante; ++i)
        registratore.registra(rispostaDiProva(i));
    return registratore.attendiInvio(60000) ? 0 : 1;
}
