#include "registro/elencodelpc.h"

#include "registro/connessione.h"
#include "registro/schema.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

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

QString segnoClasse(const QString& registro) { return registro + QStringLiteral(".classe"); }

bool segnaClasse(const QString& registro, const QUuid& classe)
{
    const QString segno = segnoClasse(registro);
    if (classe.isNull())
        return !QFileInfo::exists(segno) || QFile::remove(segno);
    const QByteArray testo = classe.toByteArray(QUuid::WithBraces);
    QFile letto(segno);
    if (letto.open(QIODevice::ReadOnly) && letto.read(64).trimmed() == testo)
        return true;
    QSaveFile f(segno);
    return f.open(QIODevice::WriteOnly) && f.write(testo + '\n') == testo.size() + 1 && f.commit();
}
