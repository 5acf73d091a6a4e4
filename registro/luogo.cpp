#include "registro/luogo.h"

#include <QDir>
#include <QFileInfo>
#include <QSettings>
#include <QStandardPaths>

namespace {
QString& daRiga()
{
    static QString file;
    return file;
}

QString assoluto(const QString& file) { return QDir::cleanPath(QFileInfo(file).absoluteFilePath()); }
} // namespace

void Luogo::scegli(const QString& daRigaDiComando)
{
    daRiga() = daRigaDiComando.isEmpty() ? QString() : assoluto(daRigaDiComando);
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
    return file.isEmpty() ? QString() : assoluto(file);
}

QString luogoRegistro()
{
    if (!daRiga().isEmpty())
        return daRiga();
    const QString impostato = Luogo::daImpostazioni();
    return impostato.isEmpty() ? Luogo::predefinito() : impostato;
}
