#include "printing/background.h"
#include "printing/printbackend.h"
#include "core/twips.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QFont>
#include <QPdfWriter>
#include <QPointer>
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

// The service's requests go on the print queue, in order; a service that may overrun its
// limits gets a thread per request, so that a hung one holds up nothing after it.
void post(std::function<void()> job)
{
    Background::post(PrintBackend::mayOverrun() ? Background::Queue::Alone : Background::Queue::Printing, std::move(job));
}

void backOnWindowThread(std::function<void()> f) { Background::toWindow(QCoreApplication::instance(), std::move(f)); }

// A run's stage, shared by the window's thread and the worker: once the document is being
// handed over, a run can no longer be given up as not taken.
enum Stage { Waiting, HandingOver, GivenUp };

struct Run
{
    PrintDocument document;
    QPointer<QObject> context;
    std::function<void(const Outcome&)> done;
    QDeadlineTimer deadline{Printers::RunLimitMs};
    std::atomic<int> stage{Waiting};
    bool reported = false; // on the window's thread only
    QString printer;

    void finish(const Outcome& outcome)
    {
        // Exactly once, whoever gets here first.
        if (reported)
            return;
        reported = true;
        --runs();
        if (outcome.ok)
            qCDebug(lcPrinting) << document.pages << "pages of" << document.title << "taken by" << outcome.target;
        else
            qCWarning(lcPrinting) << document.title << "not printed on"
                                  << (outcome.target.isEmpty() ? QStringLiteral("no printer") : outcome.target) << "-"
                                  << outcome.why;
        if (!outcome.target.isEmpty() && chosenName().isEmpty())
            namedByService() = outcome.target;
        if (context && done)
            done(outcome);
    }
};

Outcome notTaken(const QString& printer, const QString& why)
{
    return Outcome::failed(Outcome::Kind::NotPrinted, why, printer);
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

    void paint(const QRectF& area, const std::function<void(QPainter&, const QRectF&)>& draw) override
    {
        check();
        painter_.save();
        draw(painter_, area);
        painter_.restore();
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

Outcome PrintPainting::paint(PrinterSurface& surface, const PrintDocument& document)
{
    try {
        for (int page = 0; page < document.pages; ++page) {
            if (page > 0)
                surface.newPage();
            document.paintPage(surface, page);
        }
        surface.endDoc();
    } catch (const PrinterError& e) {
        return notTaken(QString(), QString::fromStdString(e.what()));
    }
    return Outcome::done(QString());
}

Outcome PrintPainting::writePdf(QIODevice& device, const QString& title, const QPageLayout& layout, QSizeF extent,
                                const std::function<Outcome(PrinterSurface&)>& pages)
{
    QPdfWriter writer(&device);
    writer.setResolution(1200);
    writer.setTitle(title);
    writer.setCreator(QStringLiteral("Tarvello"));
    if (!writer.setPageLayout(layout))
        return Outcome::failed(Outcome::Kind::CannotWrite, QStringLiteral("the paper cannot be used"), QString());
    QPainter painter;
    if (!painter.begin(&writer))
        return Outcome::failed(Outcome::Kind::CannotWrite, QStringLiteral("the PDF writer would not start"), QString());
    const auto surface = PrintPainting::surface(painter, [&writer] { return writer.newPage(); },
                                                PrintPainting::twipsOn(writer.resolution()),
                                                PrintPainting::fit(layout, extent));
    const Outcome painted = pages(*surface);
    if (!painted.ok && painter.isActive())
        painter.end();
    return painted;
}

Outcome Printers::writePdf(const PrintDocument& document, const QString& fileName, const QPageLayout& layout)
{
    auto fail = [&fileName](const QString& reason) {
        return Outcome::failed(Outcome::Kind::CannotWrite, reason, fileName);
    };
    QFile file(fileName);
    if (!file.open(QIODevice::WriteOnly))
        return fail(QStringLiteral("cannot write %1: %2").arg(fileName, file.errorString()));
    const Outcome painted = PrintPainting::writePdf(file, document.title, layout, document.extent,
                                                    [&document](PrinterSurface& s) { return PrintPainting::paint(s, document); });
    if (!painted.ok)
        return fail(painted.why);
    if (!file.flush() || file.size() == 0)
        return fail(QStringLiteral("the document came out empty"));
    return Outcome::done(fileName);
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
        if (!list.answered)
            qCWarning(lcPrinting) << "no list of printers: the print service did not answer";
        else
            qCDebug(lcPrinting) << "printers" << list.names << "default" << list.defaultName;
        if (list.answered && chosenName().isEmpty())
            namedByService() = list.defaultName.isEmpty() ? list.names.value(0) : list.defaultName;
        if (c && done)
            done(list);
    };
    post([reading, deliver] {
        // A request that waited for the one before it past its own limit is not sent.
        const QDeadlineTimer deadline(2 * Printers::AnswerLimitMs);
        const PrinterList list = PrintBackend::list(deadline);
        backOnWindowThread([deliver, list] { deliver(list); });
    });
    // Whatever the service does, the answer comes: an unanswered list is an empty one.
    QTimer::singleShot(2 * Printers::AnswerLimitMs + 1000, QCoreApplication::instance(),
                       [deliver] { deliver(PrinterList{}); });
}

void Printers::print(const PrintDocument& document, QObject* context, std::function<void(const Outcome&)> done)
{
    if (opener()) {
        if (std::unique_ptr<PrinterSurface> own = opener()(document)) {
            // Painted on the window's thread, on the test's own printer.
            const Outcome outcome = PrintPainting::paint(*own, document);
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

    post([run, chosen] {
        QString why;
        const PrintBackend::Target target = PrintBackend::resolve(chosen, run->deadline, &why);
        if (run->document.paintsAnywhere && !target.printer.isEmpty()) {
            QString paintWhy;
            std::shared_ptr<PrintBackend::Prepared> prepared = PrintBackend::prepare(target, run->document, &paintWhy);
            if (!prepared) {
                backOnWindowThread([run, target, paintWhy] {
                    run->printer = target.printer;
                    run->finish(notTaken(target.printer, paintWhy));
                });
                return;
            }
            int expected = Waiting;
            if (!run->stage.compare_exchange_strong(expected, HandingOver))
                return; // given up as not taken: it must not print now
            const Outcome outcome = PrintBackend::submit(target, *prepared, run->document.title, run->deadline);
            backOnWindowThread([run, outcome] { run->finish(outcome); });
            return;
        }
        backOnWindowThread([run, target, why] {
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
            post([run, target, prepared] {
                int expected = Waiting;
                if (!run->stage.compare_exchange_strong(expected, HandingOver))
                    return; // given up as not taken: it must not print now
                const Outcome outcome =
                    PrintBackend::submit(target, *prepared, run->document.title, run->deadline);
                backOnWindowThread([run, outcome] { run->finish(outcome); });
            });
        });
    });
}

int Printers::runsInProgress() { return runs(); }

QString Printers::current() { return chosenName().isEmpty() ? namedByService() : chosenName(); }

void Printers::setCurrent(const QString& deviceName) { chosenName() = deviceName; }

QString Printers::chosen() { return chosenName(); }

void Printers::setOpener(Opener o) { opener() = std::move(o); }
