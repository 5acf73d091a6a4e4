// The print service through libcups. Qt's own CUPS support waits on the service for as long
// as libcups does (two minutes when the service hangs) and drops its answers, so that a queue
// that refuses a job looks like a page printed. Here every request goes over a connection of
// our own, with a limit on connecting and on every answer, and the service's answers are kept.

#include "printing/printbackend.h"

#include <QDir>
#include <QFile>
#include <QTemporaryFile>
#include <QThread>

#include <cups/cups.h>

#include <cstdlib>

namespace {

constexpr int FollowStepMs = 20;


// A connection to the print service, for one request or a few, within a deadline.
class Connection
{
public:
    explicit Connection(QDeadlineTimer deadline) : deadline_(deadline), whole_(deadline)
    {
        if (deadline_.hasExpired())
            return;
        // libcups keeps its server per thread: read it afresh, as it may have moved.
        cupsSetServer(nullptr);
        int cancel = 0;
        const QDeadlineTimer connecting(std::min<qint64>(deadline_.remainingTime(), Printers::AnswerLimitMs));
        http_ = httpConnect2(cupsServer(), ippPort(), nullptr, AF_UNSPEC, cupsEncryption(), 1,
                             int(connecting.remainingTime()), &cancel);
        // No server at all (no socket, or nobody listening) is told apart from one that does
        // not answer: a machine without a print service has no printers. A refusal comes at
        // once; a service that hangs lets the connection wait to its limit.
        refused_ = !http_ && connecting.remainingTime() > Printers::AnswerLimitMs / 2;
        if (http_)
            httpSetTimeout(http_, 0.25, stillWaiting, this);
    }
    ~Connection()
    {
        if (http_)
            httpClose(http_);
    }
    Connection(const Connection&) = delete;
    Connection& operator=(const Connection&) = delete;

    // Limits the next request to the service's answer limit, within the whole deadline.
    http_t* forRequest()
    {
        deadline_ = QDeadlineTimer(std::min<qint64>(whole_.remainingTime(), Printers::AnswerLimitMs));
        return http_;
    }

    explicit operator bool() const { return http_ != nullptr; }
    bool refused() const { return refused_; }
    // A request was given up: the service did not answer in time.
    bool timedOut() const { return timedOut_; }
    // A shorter deadline for the requests that follow.
    void limitTo(QDeadlineTimer whole) { whole_ = whole; }

private:
    QDeadlineTimer deadline_;
    QDeadlineTimer whole_;
    http_t* http_ = nullptr;
    bool refused_ = false;
    bool timedOut_ = false;

    // Gives up a request when its deadline has passed.
    static int stillWaiting(http_t*, void* data)
    {
        auto* c = static_cast<Connection*>(data);
        if (!c->deadline_.hasExpired())
            return 1;
        c->timedOut_ = true;
        return 0;
    }
};

QString lastError() { return QString::fromUtf8(cupsLastErrorString()); }

// The state of a job; 0 when the service does not answer.
int jobState(http_t* http, int job)
{
    char uri[HTTP_MAX_URI];
    httpAssembleURIf(HTTP_URI_CODING_ALL, uri, sizeof uri, "ipp", nullptr, "localhost", 0, "/jobs/%d", job);
    ipp_t* request = ippNewRequest(IPP_OP_GET_JOB_ATTRIBUTES);
    ippAddString(request, IPP_TAG_OPERATION, IPP_TAG_URI, "job-uri", nullptr, uri);
    ippAddString(request, IPP_TAG_OPERATION, IPP_TAG_NAME, "requesting-user-name", nullptr, cupsUser());
    ippAddString(request, IPP_TAG_OPERATION, IPP_TAG_KEYWORD, "requested-attributes", nullptr, "job-state");
    ipp_t* response = cupsDoRequest(http, request, "/");
    int state = 0;
    if (response) {
        if (ipp_attribute_t* a = ippFindAttribute(response, "job-state", IPP_TAG_ENUM))
            state = ippGetInteger(a, 0);
        ippDelete(response);
    }
    return state;
}

// True when the queue exists and is stopped (paused, or halted by a failed job): what is
// sent to it waits there instead of printing.
bool stopped(http_t* http, const QByteArray& queue)
{
    cups_dest_t* dest = cupsGetNamedDest(http, queue.constData(), nullptr);
    if (!dest)
        return false;
    const char* state = cupsGetOption("printer-state", dest->num_options, dest->options);
    const bool result = state && std::atoi(state) == IPP_PSTATE_STOPPED;
    cupsFreeDests(1, dest);
    return result;
}

// The queue's own paper and printable area; A4 with no margins when it does not say.
QPageLayout paperOf(http_t* http, const char* queue, QString* media)
{
    QPageLayout layout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF());
    char uri[HTTP_MAX_URI];
    httpAssembleURIf(HTTP_URI_CODING_ALL, uri, sizeof uri, "ipp", nullptr, "localhost", 0, "/printers/%s", queue);
    ipp_t* request = ippNewRequest(IPP_OP_GET_PRINTER_ATTRIBUTES);
    ippAddString(request, IPP_TAG_OPERATION, IPP_TAG_URI, "printer-uri", nullptr, uri);
    static const char* const wanted[] = {"media-default", "media-col-default"};
    ippAddStrings(request, IPP_TAG_OPERATION, IPP_TAG_KEYWORD, "requested-attributes", 2, nullptr, wanted);
    ipp_t* response = cupsDoRequest(http, request, "/");
    if (!response)
        return layout;
    if (ipp_attribute_t* a = ippFindAttribute(response, "media-default", IPP_TAG_ZERO))
        *media = QString::fromUtf8(ippGetString(a, 0, nullptr));
    if (ipp_attribute_t* a = ippFindAttribute(response, "media-col-default", IPP_TAG_BEGIN_COLLECTION)) {
        ipp_t* col = ippGetCollection(a, 0);
        auto number = [](ipp_t* in, const char* name) {
            ipp_attribute_t* n = ippFindAttribute(in, name, IPP_TAG_INTEGER);
            return n ? ippGetInteger(n, 0) : 0;
        };
        ipp_attribute_t* size = ippFindAttribute(col, "media-size", IPP_TAG_BEGIN_COLLECTION);
        ipp_t* dims = size ? ippGetCollection(size, 0) : nullptr;
        // Hundredths of a millimetre.
        const int width = dims ? number(dims, "x-dimension") : 0;
        const int length = dims ? number(dims, "y-dimension") : 0;
        if (width > 0 && length > 0)
            layout = QPageLayout(QPageSize(QSizeF(width / 100.0, length / 100.0), QPageSize::Millimeter),
                                 QPageLayout::Portrait,
                                 QMarginsF(number(col, "media-left-margin") / 100.0, number(col, "media-top-margin") / 100.0,
                                           number(col, "media-right-margin") / 100.0,
                                           number(col, "media-bottom-margin") / 100.0),
                                 QPageLayout::Millimeter);
    }
    ippDelete(response);
    return layout;
}

class PdfFile final : public PrintBackend::Prepared
{
public:
    QTemporaryFile file{QDir::temp().filePath(QStringLiteral("tarvello-XXXXXX.pdf"))};
};

} // namespace

bool PrintBackend::mayOverrun() { return false; }

PrinterList PrintBackend::list(QDeadlineTimer deadline)
{
    PrinterList result;
    Connection c(deadline);
    if (!c) {
        result.answered = c.refused();
        if (result.answered)
            qCDebug(lcPrinting) << "no print service on this machine:" << cupsServer();
        else
            qCWarning(lcPrinting) << "the print service does not answer the list:" << cupsServer();
        return result;
    }
    cups_dest_t* dests = nullptr;
    const int n = cupsGetDests2(c.forRequest(), &dests);
    const ipp_status_t status = cupsLastError();
    if (c.timedOut() || (n == 0 && status > IPP_STATUS_OK_EVENTS_COMPLETE && status != IPP_STATUS_ERROR_NOT_FOUND)) {
        cupsFreeDests(n, dests);
        qCWarning(lcPrinting) << "the print service did not list its printers:"
                              << (c.timedOut() ? QStringLiteral("no answer in time") : lastError());
        return result;
    }
    result.answered = true;
    for (int i = 0; i < n; ++i) {
        // Instances ("queue/instance") are a user's option sets, not printers.
        if (dests[i].instance)
            continue;
        result.names.append(QString::fromUtf8(dests[i].name));
        if (dests[i].is_default)
            result.defaultName = result.names.last();
    }
    cupsFreeDests(n, dests);
    return result;
}

PrintBackend::Target PrintBackend::resolve(const QString& chosen, QDeadlineTimer deadline, QString* why)
{
    Target target;
    Connection c(deadline);
    if (!c) {
        *why = QStringLiteral("the print service does not answer");
        return target;
    }
    const QByteArray name = chosen.toUtf8();
    cups_dest_t* dest = cupsGetNamedDest(c.forRequest(), chosen.isEmpty() ? nullptr : name.constData(), nullptr);
    if (!dest && chosen.isEmpty() && !c.timedOut()) {
        // No default printer, as when printers are found on the network: the first one.
        cups_dest_t* dests = nullptr;
        const int n = cupsGetDests2(c.forRequest(), &dests);
        for (int i = 0; i < n && !dest; ++i)
            if (!dests[i].instance)
                cupsCopyDest(&dests[i], 0, &dest);
        cupsFreeDests(n, dests);
    }
    if (!dest) {
        *why = c.timedOut() ? QStringLiteral("the print service did not answer in time")
             : chosen.isEmpty() ? QStringLiteral("no printer: %1").arg(lastError())
                                : QStringLiteral("printer not available: %1").arg(chosen);
        return target;
    }
    target.layout = paperOf(c.forRequest(), dest->name, &target.media);
    target.printer = QString::fromUtf8(dest->name);
    cupsFreeDests(1, dest);
    if (c.timedOut()) {
        *why = QStringLiteral("the print service did not answer in time");
        return Target{};
    }
    return target;
}

std::unique_ptr<PrintBackend::Prepared> PrintBackend::prepare(const Target& target, const PrintDocument& document, QString* why)
{
    auto pdf = std::make_unique<PdfFile>();
    if (!pdf->file.open()) {
        *why = QStringLiteral("no room for the page: %1").arg(pdf->file.errorString());
        return nullptr;
    }
    pdf->file.close();
    const Outcome written = Printers::writePdf(document, pdf->file.fileName(), target.layout);
    if (!written.ok) {
        *why = written.why;
        return nullptr;
    }
    return pdf;
}

Outcome PrintBackend::submit(const Target& target, const Prepared& prepared, const QString& title, QDeadlineTimer deadline)
{
    Outcome outcome = Outcome::failed(Outcome::Kind::NotPrinted, QString(), target.printer);
    Connection c(deadline);
    if (!c) {
        outcome.why = QStringLiteral("the print service does not answer");
        return outcome;
    }
    const QByteArray queue = target.printer.toUtf8();
    const QString file = static_cast<const PdfFile&>(prepared).file.fileName();

    // One request carries the job and its document: a job number means the whole page is
    // with the service.
    char uri[HTTP_MAX_URI];
    httpAssembleURIf(HTTP_URI_CODING_ALL, uri, sizeof uri, "ipp", nullptr, "localhost", 0, "/printers/%s",
                     queue.constData());
    ipp_t* request = ippNewRequest(IPP_OP_PRINT_JOB);
    ippAddString(request, IPP_TAG_OPERATION, IPP_TAG_URI, "printer-uri", nullptr, uri);
    ippAddString(request, IPP_TAG_OPERATION, IPP_TAG_NAME, "requesting-user-name", nullptr, cupsUser());
    ippAddString(request, IPP_TAG_OPERATION, IPP_TAG_NAME, "job-name", nullptr, title.toUtf8().constData());
    ippAddString(request, IPP_TAG_OPERATION, IPP_TAG_MIMETYPE, "document-format", nullptr, "application/pdf");
    const QByteArray media = target.media.toUtf8();
    if (!media.isEmpty()) {
        cups_option_t* options = nullptr;
        const int count = cupsAddOption("media", media.constData(), 0, &options);
        cupsEncodeOptions2(request, count, options, IPP_TAG_JOB);
        cupsFreeOptions(count, options);
    }
    const QByteArray path = QByteArray("/printers/") + queue;
    ipp_t* response = cupsDoFileRequest(c.forRequest(), request, path.constData(), QFile::encodeName(file).constData());
    int job = 0;
    if (response) {
        if (cupsLastError() <= IPP_STATUS_OK_EVENTS_COMPLETE)
            if (ipp_attribute_t* a = ippFindAttribute(response, "job-id", IPP_TAG_INTEGER))
                job = ippGetInteger(a, 0);
        ippDelete(response);
    }
    if (job <= 0) {
        outcome.why = QStringLiteral("the print service refused the page: %1").arg(lastError());
        return outcome;
    }

    // From here on the page is with the service: only the service can say it is lost.
    qCDebug(lcPrinting) << "job" << job << "on" << target.printer << "paper" << target.media;
    outcome = Outcome::done(target.printer);
    const QDeadlineTimer following(std::min<qint64>(Printers::FollowJobMs, deadline.remainingTime()));
    c.limitTo(following);
    while (!following.hasExpired()) {
        const int state = jobState(c.forRequest(), job);
        if (state == IPP_JSTATE_COMPLETED || state == 0)
            break; // printed; or the service stopped answering after it took the page
        if (state == IPP_JSTATE_CANCELED || state == IPP_JSTATE_ABORTED) {
            outcome = Outcome::failed(Outcome::Kind::NotPrinted,
                                      QStringLiteral("the printer could not print the page (job %1 %2)")
                                          .arg(job)
                                          .arg(state == IPP_JSTATE_CANCELED ? QLatin1String("cancelled") : QLatin1String("aborted")),
                                      target.printer);
            break;
        }
        if ((state == IPP_JSTATE_PENDING || state == IPP_JSTATE_STOPPED) && stopped(c.forRequest(), queue)) {
            // A paused queue: the page is withdrawn, and reported lost only once the service
            // says it is.
            if (cupsCancelJob2(c.forRequest(), queue.constData(), job, 0) == IPP_STATUS_OK)
                outcome = Outcome::failed(Outcome::Kind::NotPrinted, QStringLiteral("the printer is stopped"),
                                          target.printer);
            else
                qCWarning(lcPrinting) << "job" << job << "waits on the stopped printer" << target.printer
                                      << "and could not be withdrawn:" << lastError();
            break;
        }
        QThread::msleep(FollowStepMs);
    }
    return outcome;
}
