#pragma once

#include <QString>
#include <QStringList>

class QApplication;

// The languages the program speaks: Italian, the language of its sources, and every language
// whose translation is built in.
QStringList lingueDisponibili();

// The language for a list of preferred languages, best first, as the system gives them
// ("en-GB", "de", "C"): the first the program speaks, Italian when it speaks none of them.
QString linguaPreferita(const QStringList& preferite);

// What the program sets up before its first window: its name and icon, its texts and Qt's in
// the language given (the system's when none is), the rule that it ends when its last window
// is unloaded, and large buffers that go back to the system when freed.
void preparaApplicazione(QApplication& app, const QString& lingua = QString());

// Sets the program up as its command line asks: `--lingua it|en`, `--help`, `--version`,
// `--esporta-csv FILE` (every answer of the register `--registro FILE`), `--prepara-registro`
// (the register on the school's server `--registro URL`, for a technician's script).
// Help, the version, an export, preparing and a wrong command line are told and end the program
// at once; a language
// the program does not speak is told and returns false.
bool preparaDaRigaDiComando(QApplication& app);

// Whether the command line asked for the teacher's register (`--registro-insegnante`) instead
// of the pupil's program.
bool registroInsegnante();
// Opens the teacher's register where this run's is; when the PC's settings name a server by an
// address that cannot be read, the teacher is told that this PC's own register is open instead.
void apriRegistroInsegnante();
