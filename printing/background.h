#pragma once

#include <QCoreApplication>
#include <QObject>
#include <QPointer>
#include <functional>
#include <memory>

// Work that must not hold the window up (talking to the print service, painting and writing
// a document) runs on a thread of its own, and its outcome comes back as a call on the
// window's thread. There is no other way: no nested event loop, no waiting on the window's
// thread for a thread to end.
namespace Background {

enum class Queue {
    // The print service's requests, one after another.
    Printing,
    // Files being written, one after another, beside the printing: a print service that
    // hangs does not hold a file up.
    Saving,
    // A thread for this one job: for a request that may hang past its limit and must not
    // hold up the ones after it.
    Alone,
};

// Runs `job` on the queue's thread, after the jobs posted to it before. The queues are
// stopped when the application goes, after the jobs they hold: a file being written is
// written to the end.
void post(Queue queue, std::function<void()> job);

// Calls `f` on the window's thread, unless `context` is gone by then.
void toWindow(QObject* context, std::function<void()> f);

// Runs `work` on the queue, then gives what it returned to `done` on the window's thread,
// for `context`.
template <class Result>
void run(Queue queue, std::function<Result()> work, QObject* context, std::function<void(const Result&)> done)
{
    QPointer<QObject> c(context);
    post(queue, [work = std::move(work), c, done = std::move(done)] {
        auto result = std::make_shared<const Result>(work());
        toWindow(QCoreApplication::instance(), [c, done, result] {
            if (c && done)
                done(*result);
        });
    });
}

} // namespace Background
