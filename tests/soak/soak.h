#pragma once

#include <QMap>
#include <QString>
#include <QStringList>
#include <QtGlobal>
#include <algorithm>
#include <array>
#include <cmath>

// A restless pupil at the whole program: keys, held keys, mouse buttons on anything visible,
// menus, resizes, minimizing, closing windows, printing. After every event the program's
// promises are checked against what the pupil knows it did. The same seed plays the same
// session again.
namespace Soak {

struct Options
{
    quint64 seed = 1;
    qint64 events = 5000;
    // Every n-th page printed goes to the private print service too, and the paper is compared
    // with the preview; 0: pages are only recorded.
    int realPageEvery = 0;
};

// How long the program took to handle each event, kept as a histogram of tenths of a
// millisecond (the last bucket holds everything from 100 ms), so that millions of events cost
// the same few kilobytes.
struct Durations
{
    static constexpr int Buckets = 1001;
    std::array<qint64, Buckets> counts{};
    qint64 total = 0;
    qint64 longestNs = 0;
    QString longest; // the slowest event, as the trace names it

    void add(qint64 ns, const QString& what)
    {
        ++counts[std::min<qint64>(ns / 100000, Buckets - 1)];
        ++total;
        if (ns > longestNs) {
            longestNs = ns;
            longest = what;
        }
    }
    void add(const Durations& o)
    {
        for (int i = 0; i < Buckets; ++i)
            counts[i] += o.counts[i];
        total += o.total;
        if (o.longestNs > longestNs) {
            longestNs = o.longestNs;
            longest = o.longest;
        }
    }
    // The time under which the share `p` of the events was handled, in ms (the upper edge of
    // its bucket; the longest time where that is less).
    double percentileMs(double p) const
    {
        const qint64 wanted = qint64(std::ceil(p * double(total)));
        qint64 seen = 0;
        for (int i = 0; i < Buckets; ++i) {
            seen += counts[i];
            if (seen >= wanted && seen > 0)
                return std::min((i + 1) / 10.0, longestNs / 1e6);
        }
        return longestNs / 1e6;
    }
};

struct Outcome
{
    qint64 events = 0;
    qint64 checks = 0;      // single invariant checks made
    int runs = 0;           // times the program was started
    int pages = 0;          // pages printed and compared with the preview
    int realPages = 0;      // of which read back from the print service
    int rightAnswers = 0;
    int wrongAnswers = 0;
    int interventions = 0;
    QMap<QString, int> opened; // windows opened, by class
    Durations handling;        // every event but a print run
    QString failure;        // empty when every check held
    QStringList trace;      // the last events before a failure

    // Adds up the counts of sessions.
    void add(const Outcome& o)
    {
        events += o.events;
        checks += o.checks;
        runs += o.runs;
        pages += o.pages;
        realPages += o.realPages;
        rightAnswers += o.rightAnswers;
        wrongAnswers += o.wrongAnswers;
        interventions += o.interventions;
        handling.add(o.handling);
        for (auto it = o.opened.begin(); it != o.opened.end(); ++it)
            opened[it.key()] += it.value();
    }
};

Outcome play(const Options& options);

} // namespace Soak
