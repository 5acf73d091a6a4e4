#pragma once

#include "registro/server.h"

#include <QString>

#include <optional>

// Where the register of this run is: the file given on the command line (`--registro FILE`),
// else the one a technician set for every user of the PC in the system-wide settings
// (/etc/xdg/Tarvello/Tarvello.conf, key `registro/file`), else `registro.sqlite` in the
// user's data folder.
//
// Either place may instead be the address of the school's server
// (postgresql://user@host:port/dbname): the answers are then written first to the user's
// own file, `registro.sqlite` in the data folder, and sent from there to the server.
namespace Luogo {

// The file or the server's address given on the command line; empty: none. Relative names are
// taken from the current folder. False, with the reason in `errore`, for an address that
// cannot be read.
bool scegli(const QString& daRigaDiComando, QString* errore = nullptr);

QString predefinito();
// The system-wide setting, a file as an absolute path or an address as written; empty when
// there is none.
QString daImpostazioni();

} // namespace Luogo

// The register's file the run writes, as an absolute path: with a server, the local file from
// which the answers are sent.
QString luogoRegistro();

// The school's server the answers go to, from the command line or else the system-wide
// settings; none when the register is a file only, or when the settings' address cannot be
// read: that is logged, and its reason given in `errore`.
std::optional<IndirizzoServer> serverRegistro(QString* errore = nullptr);
