#pragma once

#include <QMap>
#include <QString>
#include <QStringList>
#include <QtGlobal>

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
        for (auto it = o.opened.begin(); it != o.opened.end(); ++it)
            opened[it.key()] += it.value();
    }
};

Outcome play(const Options& options);

} // namespace Soak
