#pragma once

#include "registro/server.h"
#include "support/pgsandbox.h"

#include <QProcess>
#include <QUrl>

// An answer as a pupil gives them, one after another.
inline Risposta rispostaDiProva(int i)
{
    Risposta r;
    r.esercizio = 1 + i / 10;
    r.quando = QDateTime::currentDateTimeUtc();
    r.figura = 1 + i % 12;
    r.n = 1 + i % 8;
    r.dato = r.n + 1 - i % 2;
    r.esatta = i % 2 == 0;
    r.secondi = 2.5 + i % 7;
    return r;
}

// The private server that pg-sandbox.sh starts for the tests, as each role reaches it, and the
// script that freezes, kills and starts it again.
struct ServerDiProva : PgSandbox
{
    IndirizzoServer indirizzo(const QString& ruolo) const { return {ruolo, host, 5432, database, {}}; }
    QString url(const QString& ruolo) const
    {
        return QStringLiteral("postgresql://%1@%2/%3")
            .arg(ruolo, QString::fromLatin1(QUrl::toPercentEncoding(host)), database);
    }

    // Runs pg-sandbox.sh on the server: {"signal", "STOP"}, {"restart"}...
    static bool script(QStringList argomenti)
    {
        argomenti.insert(1, qEnvironmentVariable("TARVELLO_PG_DIR"));
        QProcess p;
        p.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        p.start(qEnvironmentVariable("TARVELLO_PG_SCRIPT"), argomenti);
        return p.waitForFinished(60000) && p.exitStatus() == QProcess::NormalExit && p.exitCode() == 0;
    }
};
