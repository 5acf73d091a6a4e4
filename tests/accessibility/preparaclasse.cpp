// Makes a register whose class for this PC holds the pupils named, as a teacher would have
// made it before the pupils come in:
//   prepara-classe FILE CLASS NAME...
#include "registro/anagrafe.h"
#include "registro/connessione.h"
#include "registro/elencodelpc.h"
#include "registro/schema.h"

#include <QCoreApplication>
#include <QStringList>
#include <cstdio>

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    const QStringList a = app.arguments();
    if (a.size() < 4) {
        std::fprintf(stderr, "prepara-classe FILE CLASS NAME...\n");
        return 2;
    }
    Connessione c(a[1]);
    if (!c.aperta() || Schema::prepara(c.db()).stato != Schema::Stato::Pronto)
        return 1;
    const auto classe = Anagrafe::aggiungiClasse(c.db(), a[2]);
    const bool fatto = classe && Anagrafe::aggiungiAlunni(c.db(), *classe, a.mid(3).join(QLatin1Char('\n'))) == a.size() - 3 &&
                       Anagrafe::scegliClasseDelPc(c.db(), *classe) && segnaClasse(a[1], *classe);
    return fatto ? 0 : 1;
}
