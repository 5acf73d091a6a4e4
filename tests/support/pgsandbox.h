#pragma once

#include <QProcess>
#include <QString>

// The private server that tests/registro/pg-sandbox.sh started for the tests of the school's
// register: where it listens and its database; the roles' passwords file goes into PGPASSFILE,
// and any password or service of the caller's environment is set aside.
struct PgSandbox
{
    QString host;
    QString database;

    // False when the test was not run through ctest, whose fixture starts the server.
    bool leggi()
    {
        const QString cartella = qEnvironmentVariable("TARVELLO_PG_DIR");
        if (cartella.isEmpty())
            return false;
        QProcess script;
        script.start(qEnvironmentVariable("TARVELLO_PG_SCRIPT"), {QStringLiteral("env"), cartella});
        if (!script.waitForFinished(10000) || script.exitCode() != 0)
            return false;
        const QStringList righe = QString::fromUtf8(script.readAllStandardOutput()).split(u'\n', Qt::SkipEmptyParts);
        for (const QString& riga : righe) {
            const QString chiave = riga.section(u'=', 0, 0);
            const QString valore = riga.section(u'=', 1);
            if (chiave == QLatin1String("TARVELLO_PG_HOST"))
                host = valore;
            else if (chiave == QLatin1String("TARVELLO_PG_DATABASE"))
                database = valore;
            else
                qputenv(chiave.toLocal8Bit().constData(), valore.toLocal8Bit());
        }
        qunsetenv("PGPASSWORD");
        qunsetenv("PGSERVICE");
        return !host.isEmpty() && !database.isEmpty();
    }
};
