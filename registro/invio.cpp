#include "registro/invio.h"

#include "registro/connessione.h"

#include <QSqlQuery>
#include <QVariant>

int Invio::inAttesa(QSqlDatabase locale)
{
    QSqlQuery q(locale);
    if (!esegui(q,
                QStringLiteral("SELECT COUNT(*) FROM risposte WHERE rowid >"
                               " COALESCE((SELECT CAST(valore AS INTEGER) FROM impostazioni WHERE chiave = ?), 0)"),
                {ChiaveInviate}) ||
        !q.next())
        return -1;
    return q.value(0).toInt();
}
