#include "printing/background.h"

#include <QList>
#include <QThread>

namespace {

// How long the application's end waits for the work a queue holds: a print request has its
// own limits well within this; a file is written to the end, unless the disk hangs.
constexpr int PrintingEndsWithinMs = 15000;
constexpr int SavingEndsWithinMs = 60000;

// One thread that takes its queue's jobs in order. It is stopped when the application goes,
// after the job it is running and the ones waiting.
class Worker
{
public:
    Worker(const QString& name, int endsWithinMs) : endsWithinMs_(endsWithinMs)
    {
        thread_.setObjectName(name);
        receiver_ = new QObject;
        receiver_->moveToThread(&thread_);
        QObject::connect(&thread_, &QThread::finished, receiver_, &QObject::deleteLater);
        thread_.start();
    }
    ~Worker()
    {
        // Queued behind the jobs already posted, so that none of them is dropped.
        QMetaObject::invokeMethod(receiver_, [this] { thread_.quit(); }, Qt::QueuedConnection);
        thread_.wait(endsWithinMs_);
        // Threads of their own that ended after the last turn of the event loop.
        for (const QPointer<QThread>& t : std::as_const(own_))
            if (t && t->wait(endsWithinMs_))
                delete t.data();
    }

    void post(std::function<void()> job)
    {
        QMetaObject::invokeMethod(receiver_, std::move(job), Qt::QueuedConnection);
    }

    void alone(std::function<void()> job)
    {
        QThread* t = QThread::create(std::move(job));
        QObject::connect(t, &QThread::finished, t, &QObject::deleteLater);
        own_.removeAll(nullptr);
        own_.append(t);
        t->start();
    }

private:
    QThread thread_;
    QObject* receiver_;
    int endsWithinMs_;
    QList<QPointer<QThread>> own_;
};

Worker& worker(Background::Queue queue)
{
    static Worker* printing = nullptr;
    static Worker* saving = nullptr;
    static const bool started = [] {
        printing = new Worker(QStringLiteral("stampa"), PrintingEndsWithinMs);
        saving = new Worker(QStringLiteral("salva"), SavingEndsWithinMs);
        qAddPostRoutine([] {
            delete saving;
            delete printing;
        });
        return true;
    }();
    Q_UNUSED(started);
    return queue == Background::Queue::Saving ? *saving : *printing;
}

} // namespace

void Background::post(Queue queue, std::function<void()> job)
{
    if (queue == Queue::Alone)
        worker(Queue::Printing).alone(std::move(job));
    else
        worker(queue).post(std::move(job));
}

void Background::toWindow(QObject* context, std::function<void()> f)
{
    QMetaObject::invokeMethod(
        QCoreApplication::instance(), [c = QPointer<QObject>(context), f = std::move(f)] {
            if (c)
                f();
        },
        Qt::QueuedConnection);
}
