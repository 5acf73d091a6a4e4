#pragma once

#include <QSqlDatabase>
#include <QString>

// The register's tables. Version 1:
//   classi(id TEXT PK, nome TEXT UNIQUE)                       a class, "3A"
//   alunni(id TEXT PK, classe TEXT -> classi ON DELETE CASCADE, nome TEXT, UNIQUE(classe, nome))
//   sessioni(id TEXT PK, pc, alunno, inizio, fine)             a run of the program
//   risposte(id TEXT PK, sessione, esercizio, quando, pc, alunno, tipo, figura, n, m, dato,
//            esatta, secondi, seguito)                          one VERIFICA, see core/risposta.h
//   impostazioni(chiave TEXT PK, valore TEXT)                  the class of this PC, the PIN...
// Identifiers are UUIDs as text, in braces; times are UTC, ISO 8601 with milliseconds and a Z
// ("2026-12-09T08:30:00.000Z"), so that they sort as text. An answer's pupil is NULL when no
// pupil was chosen; deleting a pupil deletes their answers.
namespace Schema {

inline constexpr int Versione = 1;

enum class Stato {
    Pronto,   // the tables are at this program's version
    Futuro,   // a newer program's register: neither read nor written
    Estraneo, // a database that is not a register (another program's file)
    Errore,   // the file could not be read or changed: see the message
};

struct Esito
{
    Stato stato = Stato::Errore;
    QString messaggio;
    int versione = 0; // the version found
};

// Brings the register up to this program's version, one step a transaction; an empty
// database becomes a register.
Esito prepara(QSqlDatabase db);

// What the file is, only reading it: Futuro, Estraneo, Errore when it cannot be read, else
// Pronto (a register of this version or older, or an empty database).
Stato riconosci(QSqlDatabase db);

// The version the register carries (PRAGMA user_version); -1 when it cannot be read.
int versione(QSqlDatabase db);

} // namespace Schema
