#pragma once

#include "printing/background.h"
#include "registro/server.h"

#include <QPointer>
#include <QSqlDatabase>
#include <QString>
#include <functional>
#include <memory>
#include <optional>

// The register as the teacher's window reads and changes it. Every call to the register runs
// on one thread of the register's own, in the order asked, on a connection that the thread
// keeps; the answer comes back on the window's thread. A file is made a register when it is
// new, and so is an empty database on the school's server; one that cannot be used gives a
// reason instead of an answer.
namespace AccessoRegistro {

// Where the register is: this PC's file, or the school's server with this PC's file beside it
// (there the PC's answers wait to be sent, and "Chi sei?" finds the PC's class).
struct Sede
{
    Sede(const QString& file = {}) : file(file) {} // NOLINT: a file alone is a register
    Sede(const QString& file, std::optional<IndirizzoServer> server) : file(file), server(std::move(server)) {}

    QString file;
    std::optional<IndirizzoServer> server;
    // Only when the teacher typed it in the window: kept in memory, never written.
    QString password;

    bool operator==(const Sede&) const = default;
};

// Why the register cannot be used, in a sentence for the teacher; empty when it can.
struct Guasto
{
    QString testo;
    // The server wants a password libpq found nowhere, or refused the one it had.
    bool password = false;

    bool isEmpty() const { return testo.isEmpty(); }
};

// The window reads and changes the server with the teachers' role: the address a technician
// sets for every PC of the lab names the pupils' role, or no role at all. Any other role (a
// teacher's own, member of the teachers' one) is kept.
IndirizzoServer perInsegnante(IndirizzoServer indirizzo);

// Runs `lavoro` on the register's thread with the connection to `sede`.
void esegui(const Sede& sede, std::function<void(QSqlDatabase db, const Guasto& guasto)> lavoro);

// On the register's thread, during a call: this PC's own file, the register itself when that
// is a file. Invalid when it cannot be opened.
QSqlDatabase fileLocale();

// Lets the connections to `sede` go, after the calls asked before.
void chiudi(const Sede& sede);

// Runs `lavoro` on the register's thread, then gives its result (a default one with the reason
// when the register cannot be used) to `fatto` on the window's thread, unless `context` is gone.
template <class R>
void chiedi(const Sede& sede, std::function<R(QSqlDatabase)> lavoro, QObject* context,
            std::function<void(const R&, const Guasto& guasto)> fatto)
{
    esegui(sede, [lavoro = std::move(lavoro), c = QPointer<QObject>(context), fatto = std::move(fatto)](
                     QSqlDatabase db, const Guasto& guasto) {
        auto r = std::make_shared<const R>(guasto.isEmpty() ? lavoro(db) : R());
        Background::toWindow(c, [r, guasto, fatto] { fatto(*r, guasto); });
    });
}

} // namespace AccessoRegistro
