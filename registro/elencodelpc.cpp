#include "registro/elencodelpc.h"

#include "registro/connessione.h"
#include "registro/schema.h"

#include <QFileInfo>

ElencoDelPc leggiElencoDelPc(const QString& file, int attesaMs)
{
    ElencoDelPc elenco;
    // Opening a missing file would make it, and load the SQL driver for nothing.
    if (!QFileInfo(file).isFile())
        return elenco;
    Connessione c(file, attesaMs);
    if (!c.aperta() || Schema::versione(c.db()) != Schema::Versione)
        return elenco;
    elenco.classe = Anagrafe::classeDelPc(c.db());
    if (!elenco.classe.isNull())
        elenco.alunni = Anagrafe::alunni(c.db(), elenco.classe);
    return elenco;
}
