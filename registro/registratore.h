#pragma once

#include "core/risposta.h"
#include "registro/server.h"

#include <QSqlDatabase>
#include <QString>
#include <QUuid>

#include <memory>
#include <optional>

class Mittente;

// Keeps every answer of this run in the register. The window's thread only hands an answer
// over; one worker thread owns the connection and writes. When the register cannot be written
// (read-only folder, full disk, locked, another program's file, a corrupt or newer file) the
// answers wait in memory, a bounded number, and are tried again; what still waits at the end
// goes into the journal beside the register (JSON lines), and is taken in by the next run that
// can write the register.
//
// With the school's server, the file is where the answers wait until the server has them: a
// sender of its own moves them on (mittente.h).
class Registratore
{
public:
    // `file`: the register's file, made with its folder when missing. `server`: the school's
    // server, where the answers of the file go.
    explicit Registratore(const QString& file, std::optional<IndirizzoServer> server = {});
    // Hands what waits to the worker, lets it try for a short while, then journals the rest;
    // gives the server a short while for what is in flight.
    ~Registratore();
    Registratore(const Registratore&) = delete;
    Registratore& operator=(const Registratore&) = delete;

    // On the window's thread; stamps the answer with its identifier, this run's session, this
    // PC and the pupil chosen, and returns at once.
    void registra(Risposta risposta);
    // The pupil who answers from now on; null: nobody chosen.
    void scegliAlunno(const QUuid& alunno);

    QUuid sessione() const;
    QString file() const;
    // The journal used when the register's own folder can be written.
    static QString giornaleDi(const QString& file);

    // For tests and benchmarks: waits until everything handed over is written (true), or the
    // time runs out (false).
    bool attendi(int ms);
    // The same, until the server has confirmed it too; false at once without a server.
    bool attendiInvio(int ms);
    // Answers handed over and not yet in the register (nor, past the bound, in the journal).
    int inAttesa() const;

private:
    struct Lavoro;
    std::unique_ptr<Lavoro> lavoro_;
    std::unique_ptr<Mittente> mittente_;
};

// What the teacher is told about the register when they open it (a corrupt register set aside
// and a new one begun), in the language of the run that wrote it; empty: nothing to tell.
// Kept in the register's settings under `avviso_registro`, until it is set empty.
QString avvisoRegistro(QSqlDatabase db);
