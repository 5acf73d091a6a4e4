#pragma once

#include "core/risposta.h"

#include <QDateTime>
#include <QList>
#include <QString>
#include <QUuid>

// A run of the program as the register keeps it.
struct Sessione
{
    QUuid id;
    QString pc;
    QUuid alunno;
    QDateTime inizio;
    QDateTime fine; // invalid while the run goes on
};

// The journal: what could not be written into the register, kept as JSON lines (one answer a
// line with every field; a run's line has "inizio") until a run that can write the register
// takes it in.
namespace Giornale {

// Beside the register, and in the user's data folder for a register whose folder cannot be
// written; a name of its own there for each register.
QString accanto(const QString& registro);
QString diRiserva(const QString& registro);

// Appends the lines and syncs the file; false when not everything could be written.
bool aggiungi(const QString& giornale, const QList<Risposta>& risposte, const Sessione* sessione = nullptr);

struct Contenuto
{
    QList<Risposta> risposte;
    QList<Sessione> sessioni;
};
// Lines that cannot be read (the last one of a full disk, cut short) are skipped.
Contenuto leggi(const QString& giornale);

// The journals of a register: what waits in both places, and what a run claimed (by renaming
// it) and did not finish taking in.
QStringList daPrendere(const QString& registro);
// Claims a journal by renaming it, so that lines appended meanwhile go into a new one; the
// name claimed, empty when it is gone.
QString prendi(const QString& giornale);

} // namespace Giornale
