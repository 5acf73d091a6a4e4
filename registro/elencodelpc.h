#pragma once

#include "registro/anagrafe.h"

#include <QList>
#include <QString>
#include <QUuid>

// Who may be playing on this PC: the class the teacher chose for it and its pupils, by name.
struct ElencoDelPc
{
    QUuid classe; // null: no class chosen, or no register to read
    QList<Alunno> alunni;
};

// Reads it on the calling thread through a connection of its own, which waits at most
// `attesaMs` for a lock. A missing file is not made: it simply holds no class. A register of
// another version, or one that cannot be read, holds none either.
ElencoDelPc leggiElencoDelPc(const QString& file, int attesaMs);

// Beside the register, a mark that the teacher chose a class for this PC: a small file holding
// the class's identifier, there only while a class is chosen. A PC without "Chi sei?" then
// starts without opening the register, and without loading the SQL driver for it. The
// register stays the authority: whoever changes the class of the PC in it sets the mark too,
// and the recorder sets it right again whenever it opens the register.
QString segnoClasse(const QString& registro);
// Sets the mark for `classe`, or removes it for a null one; false when the folder refuses.
bool segnaClasse(const QString& registro, const QUuid& classe);
