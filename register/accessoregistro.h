#pragma once

#include "printing/background.h"

#include <QPointer>
#include <QSqlDatabase>
#include <QString>
#include <functional>
#include <memory>

// The register as the teacher's window reads and changes it. Every call to the file runs on
// one thread of the register's own, in the order asked, on a connection to the file that the
// thread keeps; the answer comes back on the window's thread. The file is made a register when
// it is new; one that cannot be used gives a reason instead of an answer.
namespace AccessoRegistro {

// Runs `lavoro` on the register's thread with the connection to `file`; `guasto` is empty when
// the register can be used, and otherwise says why in a sentence for the teacher.
void esegui(const QString& file, std::function<void(QSqlDatabase db, const QString& guasto)> lavoro);

// Lets the connection to `file` go, after the calls asked before.
void chiudi(const QString& file);

// Runs `lavoro` on the register's thread, then gives its result (a default one with the reason
// when the register cannot be used) to `fatto` on the window's thread, unless `context` is gone.
template <class R>
void chiedi(const QString& file, std::function<R(QSqlDatabase)> lavoro, QObject* context,
            std::function<void(const R&, const QString& guasto)> fatto)
{
    esegui(file, [lavoro = std::move(lavoro), c = QPointer<QObject>(context), fatto = std::move(fatto)](
                     QSqlDatabase db, const QString& guasto) {
        auto r = std::make_shared<const R>(guasto.isEmpty() ? lavoro(db) : R());
        Background::toWindow(c, [r, guasto, fatto] { fatto(*r, guasto); });
    });
}

} // namespace AccessoRegistro
