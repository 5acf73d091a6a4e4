#include "platform/printbackend.h"
#include "platform/twips.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QFont>
#include <QPdfWriter>
#include <QPointer>
#include <QThread>
#include <QTimer>

#include <algorithm>
#include <atomic>

namespace {

QString& chosenName()
{
    static QString name;
    return name;
}

// The printer the service named last, for `current` while none is chosen.
QString& namedByService()
{
    static QString name;
    return name;
}

Printers::Opener& opener()
{
    static Printers::Opener o;
    return o;
}

int& runs()
{
    static int n = 0;
    return n;
}

// One thread that takes the service's requests in order. It is stopped when the
// application goes, after the request it is running (each has its time limit).
class Worker
{
public:
    static Worker& instance()
    {
        static Worker* w = [] {
            auto* worker = new Worker;
            qAddPostRoutine([] { delete &instance(); });
            return worker;
        }();
        return *w;
    }

    void post(std::function<void()> job)
    {
        if (PrintBackend::mayOverrun()) {
            // A request that may hang must not hold up the ones after it.
            QThread* t = QThread::create(std::move(job));
            QObject::connect(t, &QThread::finished, t, &QObject::deleteLater);
            own_.removeAll(nullptr);
            own_.append(t);
            t->start();
            return;
        }
        QMetaObject::invokeMethod(receiver_, std::move(job), Qt::QueuedConnection);
    }

private:
    Worker()
    {
        thread_.setObjectName(QStringLiteral("stampa"));
        receiver_ = new QObject;
        receiver_->moveToThread(&thread_);
        QObject::connect(&thread_, &QThread::finished, receiver_, &QObject::deleteLater);
        thread_.start();
    }
    ~Worker()
    {
        thread_.quit();
        thread_.wait(Printers::RunLimitMs);
        // Threads of their own that ended after the last turn of the event loop.
        for (const QPointer<QThread>& t : std::as_const(own_))
            if (t && t->wait(Printers::RunLimitMs))
                delete t.data();
    }

    QThread thread_;
    QObject* receiver_;
    QList<QPointer<QThread>> own_;
};

// Runs a function on the window's thread, for a context that may be gone by then.
void backOnWindowThread(QObject* context, std::function<void()> f)
{
    QMetaObject::invokeMethod(
        QCoreApplication::instance(), [c = QPointer<QObject>(context), f = std::move(f)] {
            if (c)
                f();
        },
        Qt::QueuedConnection);
}

// A run's stage, shared by the window's thread and the worker: once the document is being
// handed over, a run can no longer be given up as not taken.
enum Stage { Waiting, HandingOver, GivenUp };

struct Run
{
    PrintDocument document;
    QPointer<QObject> context;
    std::function<void(const PrintOutcome&)> done;
    QDeadlineTimer deadline{Printers::RunLimitMs};
    std::atomic<int> stage{Waiting};
    bool reported = false; // on the window's thread only
    QString printer;

    void finish(const PrintOutcome& outcome)
    {
        // Exactly once, whoever gets here first.
        if (reported)
            return;
        reported = true;
        --runs();
        if (!outcome.printer.isEmpty() && chosenName().isEmpty())
            namedByService() = outcome.printer;
        if (context && done)
            done(outcome);
    }
};

PrintOutcome notTaken(const QString& printer, const QString& why) { return {false, why, printer}; }

// Paints a document on an opener's surface, on the window's thread.
PrintOutcome printOn(PrinterSurface& surface, const PrintDocument& document)
{
    QString why;
    if (!PrintPainting::paint(surface, document, &why))
        return notTaken(QString(), why);
    return {true, QString(), QString()};
}

class PainterSurface final : public PrinterSurface
{
public:
    PainterSurface(QPainter& painter, std::function<bool()> nextPage, const QTransform& toDevice,
                   const PrintPainting::Fit& fit)
        : painter_(painter), nextPage_(std::move(nextPage)), page_(fit.transform() * toDevice),
          printableHeight_(fit.printableHeight)
    {
        startPage();
    }

    void setCurrentX(double twips) override { x_ = twips; }
    void setCurrentY(double twips) override { y_ = twips; }
    void setFontSize(double points) override { points_ = points; }
    void setDrawWidth(int width) override { drawWidth_ = width; }

    void print(const QString& text) override
    {
        check();
        QFont font(QStringLiteral("Arial"));
        font.setPixelSize(qRound(points_ * Twips::PerPoint));
        painter_.setFont(font);
        painter_.setPen(Qt::black);
        const QRectF area(x_, y_, 1e6, 1e6);
        QRectF used;
        painter_.drawText(area, Qt::AlignLeft | Qt::AlignTop, text, &used);
        // Like a printed line, the next one starts below it.
        y_ = used.bottom();
    }

    void line(QPointF from, QPointF to, const QColor& colour) override
    {
        check();
        // The width is given in screen pixels.
        QPen pen(colour, drawWidth_ * Twips::PerPixel, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin);
        painter_.setPen(pen);
        painter_.drawLine(from, to);
    }

    void paintPicture(const Picture& picture, QPointF at) override
    {
        check();
        if (picture.isNull())
            return;
        picture.paint(painter_, QRectF(at, QSizeF(picture.size()) * Twips::PerPixel));
    }

    void newPage() override
    {
        check();
        if (!nextPage_())
            throw PrinterError("no room for another page");
        x_ = y_ = 0;
        startPage();
    }

    double printableHeight() const override { return printableHeight_; }

    void endDoc() override
    {
        check();
        if (!painter_.end())
            throw PrinterError("the document could not be finished");
    }

private:
    // Every page as the first: a device may start a page with a painter of its own, or keep
    // the last one as it was.
    void startPage()
    {
        if (!painter_.isActive())
            return;
        painter_.setTransform(page_);
        painter_.setRenderHint(QPainter::Antialiasing);
    }

    void check()
    {
        if (!painter_.isActive())
            throw PrinterError("the document is closed");
    }

    QPainter& painter_;
    std::function<bool()> nextPage_;
    QTransform page_;
    double printableHeight_;
    double x_ = 0;
    double y_ = 0;
    double points_ = 12;
    int drawWidth_ = 1;
};

} // namespace

std::unique_ptr<PrinterSurface> PrintPainting::surface(QPainter& painter, std::function<bool()> nextPage,
                                                       const QTransform& toDevice, const Fit& fit)
{
    return std::make_unique<PainterSurface>(painter, std::move(nextPage), toDevice, fit);
}

QTransform PrintPainting::Fit::transform() const
{
    return QTransform::fromScale(scale, scale) * QTransform::fromTranslate(offset.x(), offset.y());
}

PrintPainting::Fit PrintPainting::fit(const QPageLayout& layout, QSizeF extent)
{
    const QRectF area = layout.paintRect(QPageLayout::Point);
    const QSizeF printable = area.size() * Twips::PerPoint;
    Fit f;
    f.printableHeight = printable.height();
    if (extent.isEmpty())
        return f;
    // Whatever reaches past the printable area the driver states may be cut by the printer.
    if (extent.width() <= printable.width() && extent.height() <= printable.height())
        return f;
    f.scale = std::min(printable.width() / extent.width(), printable.height() / extent.height());
    f.offset = QPointF((printable.width() - extent.width() * f.scale) / 2, 0);
    f.printableHeight = printable.height() / f.scale;
    return f;
}

QTransform PrintPainting::twipsOn(int resolution)
{
    const double scale = resolution / double(Twips::PerInch);
    return QTransform::fromScale(scale, scale);
}

void PrintPainting::paintInTwips(QPainter& painter, int resolution)
{
    painter.setTransform(twipsOn(resolution), true);
    painter.setRenderHint(QPainter::Antialiasing);
}

bool PrintPainting::paint(PrinterSurface& surface, const PrintDocument& document, QString* why)
{
    try {
        for (int page = 0; page < document.pages; ++page) {
            if (page > 0)
                surface.newPage();
            document.paintPage(surface, page);
        }
        surface.endDoc();
    } catch (const PrinterError& e) {
        *why = QString::fromStdString(e.what());
        return false;
    }
    return true;
}

bool Printers::writePdf(const PrintDocument& document, const QString& fileName, const QPageLayout& layout, QString* why)
{
    auto fail = [why](const QString& reason) {
        if (why)
            *why = reason;
        return false;
    };
    QPdfWriter writer(fileName);
    writer.setResolution(1200);
    writer.setTitle(document.title);
    writer.setCreator(QStringLiteral("Tarvello"));
    if (!writer.setPageLayout(layout))
        return fail(QStringLiteral("the paper cannot be used"));
    QPainter painter;
    if (!painter.begin(&writer))
        return fail(QStringLiteral("cannot write %1").arg(fileName));
    const auto surface = PrintPainting::surface(painter, [&writer] { return writer.newPage(); },
                                                PrintPainting::twipsOn(writer.resolution()),
                                                PrintPainting::fit(layout, document.extent));
    QString fault;
    if (!PrintPainting::paint(*surface, document, &fault)) {
        if (painter.isActive())
            painter.end();
        return fail(fault);
    }
    if (QFileInfo(fileName).size() == 0)
        return fail(QStringLiteral("the document came out empty"));
    return true;
}

void Printers::list(QObject* context, std::function<void(const PrinterList&)> done)
{
    struct Reading
    {
        std::atomic<bool> over{false};
    };
    auto reading = std::make_shared<Reading>();
    auto deliver = [reading, c = QPointer<QObject>(context), done](const PrinterList& list) {
        if (reading->over.exchange(true))
            return;
        if (list.answered && chosenName().isEmpty())
            namedByService() = list.defaultName.isEmpty() ? list.names.value(0) : list.defaultName;
        if (c && done)
            done(list);
    };
    Worker::instance().post([reading, deliver] {
        // A request that waited for the one before it past its own limit is not sent.
        const QDeadlineTimer deadline(2 * Printers::AnswerLimitMs);
        const PrinterList list = PrintBackend::list(deadline);
        backOnWindowThread(QCoreApplication::instance(), [deliver, list] { deliver(list); });
    });
    // Whatever the service does, the answer comes: an unanswered list is an empty one.
    QTimer::singleShot(2 * Printers::AnswerLimitMs + 1000, QCoreApplication::instance(),
                       [deliver] { deliver(PrinterList{}); });
}

void Printers::print(const PrintDocument& document, QObject* context, std::function<void(const PrintOutcome&)> done)
{
    if (opener()) {
        if (std::unique_ptr<PrinterSurface> own = opener()(document)) {
            const PrintOutcome outcome = printOn(*own, document);
            if (done)
                done(outcome);
            return;
        }
    }
    ++runs();
    auto run = std::make_shared<Run>();
    run->document = document;
    run->context = context;
    run->done = std::move(done);
    const QString chosen = chosenName();

    // Whatever the service does, the outcome comes within the run's limit; a document that is
    // being handed over by then is waited for, as it may already be taken.
    // The timer does not keep a run that has ended: its document, with drawings loaded for the
    // print worker, goes as soon as the run is over, not a quarter of a minute later.
    QTimer::singleShot(RunLimitMs + 1000, QCoreApplication::instance(), [weak = std::weak_ptr<Run>(run)] {
        const std::shared_ptr<Run> run = weak.lock();
        int expected = Waiting;
        if (run && run->stage.compare_exchange_strong(expected, GivenUp))
            run->finish(notTaken(run->printer, QStringLiteral("the print service did not answer in time")));
    });

    Worker::instance().post([run, chosen] {
        QString why;
        const PrintBackend::Target target = PrintBackend::resolve(chosen, run->deadline, &why);
        if (run->document.paintsAnywhere && !target.printer.isEmpty()) {
            QString paintWhy;
            std::shared_ptr<PrintBackend::Prepared> prepared = PrintBackend::prepare(target, run->document, &paintWhy);
            if (!prepared) {
                backOnWindowThread(QCoreApplication::instance(), [run, target, paintWhy] {
                    run->printer = target.printer;
                    run->finish(notTaken(target.printer, paintWhy));
                });
                return;
            }
            int expected = Waiting;
            if (!run->stage.compare_exchange_strong(expected, HandingOver))
                return; // given up as not taken: it must not print now
            const PrintOutcome outcome = PrintBackend::submit(target, *prepared, run->document.title, run->deadline);
            backOnWindowThread(QCoreApplication::instance(), [run, outcome] { run->finish(outcome); });
            return;
        }
        backOnWindowThread(QCoreApplication::instance(), [run, target, why] {
            if (run->reported)
                return;
            run->printer = target.printer;
            if (target.printer.isEmpty()) {
                run->finish(notTaken(QString(), why));
                return;
            }
            QString paintWhy;
            std::shared_ptr<PrintBackend::Prepared> prepared = PrintBackend::prepare(target, run->document, &paintWhy);
            if (!prepared) {
                run->finish(notTaken(target.printer, paintWhy));
                return;
            }
            Worker::instance().post([run, target, prepared] {
                int expected = Waiting;
                if (!run->stage.compare_exchange_strong(expected, HandingOver))
                    return; // given up as not taken: it must not print now
                const PrintOutcome outcome =
                    PrintBackend::submit(target, *prepared, run->document.title, run->deadline);
                backOnWindowThread(QCoreApplication::instance(), [run, outcome] { run->finish(outcome); });
            });
        });
    });
}

int Printers::runsInProgress() { return runs(); }

QString Printers::current() { return chosenName().isEmpty() ? namedByService() : chosenName(); }

void Printers::setCurrent(const QString& deviceName) { chosenName() = deviceName; }

QString Printers::chosen() { return chosenName(); }

void Printers::setOpener(Opener o) { opener() = std::move(o); }
