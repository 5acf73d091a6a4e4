#pragma once

#include "registro/server.h"

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

// The private server that pg-sandbox.sh starts for the tests (ctest's fixture `pg_server`):
// its socket folder and database, and the passwords of its two roles, which PGPASSFILE gives
// to this process and to those it starts.
struct ServerDiProva
{
    QString host;
    QString database;

    IndirizzoServer indirizzo(const QString& ruolo) const { return {ruolo, host, 5432, database, {}}; }
    QString url(const QString& ruolo) const
    {
        return QStringLiteral("postgresql://%1@%2/%3")
            .arg(ruolo, QString::fromLatin1(QUrl::toPercentEncoding(host)), database);
    }

    // Runs pg-sandbox.sh on the server: {"signal", "STOP"}, {"restart"}...; `uscita`: what it
    // printed, or why it failed.
    static bool script(QStringList argomenti, QString* uscita = nullptr)
    {
        argomenti.insert(1, qEnvironmentVariable("TARVELLO_PG_DIR"));
        QProcess p;
        p.start(qEnvironmentVariable("TARVELLO_PG_SCRIPT"), argomenti);
        const bool fatto = p.waitForFinished(60000) && p.exitStatus() == QProcess::NormalExit && p.exitCode() == 0;
        if (uscita)
            *uscita = QString::fromUtf8(fatto ? p.readAllStandardOutput() : p.readAllStandardError());
        return fatto;
    }

    // Empty `host` when the server cannot be found, with the reason in `errore`.
    static ServerDiProva trova(QString* errore)
    {
        ServerDiProva s;
        if (qEnvironmentVariableIsEmpty("TARVELLO_PG_DIR")) {
            *errore = QStringLiteral("TARVELLO_PG_DIR is not set: run through ctest, whose fixture starts the server");
            return s;
        }
        QString uscita;
        if (!script({QStringLiteral("env")}, &uscita)) {
            *errore = uscita;
            return s;
        }
        for (const QString& riga : uscita.split(u'\n', Qt::SkipEmptyParts)) {
            const QString chiave = riga.section(u'=', 0, 0);
            const QString valore = riga.section(u'=', 1);
            if (chiave == QLatin1String("TARVELLO_PG_HOST"))
                s.host = valore;
            else if (chiave == QLatin1String("TARVELLO_PG_DATABASE"))
                s.database = valore;
            else
                qputenv(chiave.toLocal8Bit().constData(), valore.toLocal8Bit());
        }
        qunsetenv("PGPASSWORD");
        qunsetenv("PGSERVICE");
        return s;
    }
};
