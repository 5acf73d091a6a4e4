#pragma once

#include <QString>

// Where the register of this run is: the file given on the command line (`--registro FILE`),
// else the one a technician set for every user of the PC in the system-wide settings
// (/etc/xdg/Tarvello/Tarvello.conf, key `registro/file`), else `registro.sqlite` in the
// user's data folder.
namespace Luogo {

// The file given on the command line; empty: none. Relative names are taken from the
// current folder.
void scegli(const QString& daRigaDiComando);

QString predefinito();
// The system-wide setting; empty when there is none.
QString daImpostazioni();

} // namespace Luogo

// The register the run uses, as an absolute path.
QString luogoRegistro();
