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
