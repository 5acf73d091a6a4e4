#pragma once

#include "registro/server.h"

#include <QString>

#include <memory>
#include <thread>

// Moves this PC's answers from the register's file to the school's server: those after the
// mark of invio.h, in the file's order, in batches of one transaction each, and then moves the
// mark. What the server already holds is skipped there, so a batch sent again after a lost
// reply adds nothing; the mark, in the file, carries over to the next run.
//
// It has a thread of its own, apart from the recorder's: a server that hangs keeps a send
// waiting in libpq for as long as it hangs, and the recorder must go on writing the file
// meanwhile. A server that refuses (no register prepared on it, a newer one, a role without
// rights, no server at all) is logged once and tried again later, 1 s to 30 s apart; the
// pupil is told nothing, the answers are safe in the file.
class Mittente
{
public:
    Mittente(const QString& file, IndirizzoServer server);
    // Sends what the last writes added, when the server was answering; gives a send in flight
    // a short while, then leaves it to its thread: the answers are in the file, and go with
    // the next run.
    ~Mittente();
    Mittente(const Mittente&) = delete;
    Mittente& operator=(const Mittente&) = delete;

    // The file has new answers. Returns at once.
    void sveglia();
    // For tests and benchmarks: tries at once, and waits until the server has confirmed every
    // answer in the file when it was called (true), or the time runs out (false).
    bool attendi(int ms);

private:
    struct Stato;
    std::shared_ptr<Stato> stato_;
    std::thread thread_;
};
