#pragma once

#include <QDeadlineTimer>
#include <QTest>

#include <utility>

// Runs the event loop until the predicate holds or the time is up, and says which. Qt 6.7 takes
// the limit as a deadline, and Qt 6.8 calls a limit in plain milliseconds deprecated.
template <typename Predicate>
bool waitFor(Predicate predicate, int timeoutMs)
{
#if QT_VERSION >= QT_VERSION_CHECK(6, 7, 0)
    return QTest::qWaitFor(std::move(predicate), QDeadlineTimer(timeoutMs, Qt::PreciseTimer));
#else
    return QTest::qWaitFor(std::move(predicate), timeoutMs);
#endif
}
