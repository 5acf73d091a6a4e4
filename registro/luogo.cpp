#include "registro/luogo.h"

#include <QDir>
#include <QLoggingCategory>
#include <QFileInfo>
#include <QSettings>
#include <QStandardPaths>

namespace {
QString& daRiga()
{
    static QString file;
    return file;
}

std::optional<IndirizzoServer>& serverDaRiga()
{
    static std::optional<IndirizzoServer> server;
    return server;
}

QString assoluto(const QString& file) { return QDir::cleanPath(QFileInfo(file).absoluteFilePath()); }

Q_LOGGING_CATEGORY(logLuogo, "tarvello.registro.luogo")
} // namespace

bool Luogo::scegli(const QString& daRigaDiComando, QString* errore)
{
    daRiga().clear();
    serverDaRiga().reset();
    if (daRigaDiComando.isEmpty())
        return true;
    if (!Server::eIndirizzo(daRigaDiComando)) {
        daRiga() = assoluto(daRigaDiComando);
        return true;
    }
    serverDaRiga() = Server::leggi(daRigaDiComando, errore);
    return serverDaRiga().has_value();
}

QString Luogo::predefinito()
{
    return QStandardPaths::writableLocation(QStandardPaths::AppDataLocation) + QStringLiteral("/registro.sqlite");
}

QString Luogo::daImpostazioni()
{
    // The native format is the INI one on Linux, in Tarvello.conf (IniFormat would read Tarvello.ini);
    // the folder is the first of XDG_CONFIG_DIRS, /etc/xdg by default.
    const QSettings sistema(QSettings::SystemScope, QStringLiteral("Tarvello"), QStringLiteral("Tarvello"));
    const QString file = sistema.value(QStringLiteral("registro/file")).toString().trimmed();
    return file.isEmpty() || Server::eIndirizzo(file) ? file : assoluto(file);
}

QString luogoRegistro()
{
    if (!daRiga().isEmpty())
        return daRiga();
    if (serverDaRiga())
        return Luogo::predefinito();
    const QString impostato = Luogo::daImpostazioni();
    return impostato.isEmpty() || Server::eIndirizzo(impostato) ? Luogo::predefinito() : impostato;
}

std::optional<IndirizzoServer> serverRegistro(QString* errore)
{
    if (!daRiga().isEmpty() || serverDaRiga())
        return serverDaRiga();
    const QString impostato = Luogo::daImpostazioni();
    if (!Server::eIndirizzo(impostato))
        return std::nullopt;
    QString perche;
    std::optional<IndirizzoServer> server = Server::leggi(impostato, &perche);
    if (!server) {
        qCWarning(logLuogo, "registro/file in the system settings: %s", qPrintable(perche));
        if (errore)
            *errore = perche;
    }
    return server;
}
