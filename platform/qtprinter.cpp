#include "platform/printer.h"

#include <QCursor>
#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QFont>
#include <QGuiApplication>
#include <QPainter>
#include <QPrinter>
#include <QPrinterInfo>
#include <QTemporaryFile>
#include <QThread>

#include <cups/cups.h>

#include <cstdlib>

namespace {

QString& chosen()
{
    static QString name;
    return name;
}

Printers::Opener& opener()
{
    static Printers::Opener o;
    return o;
}

constexpr double TwipsPerPoint = 20;
constexpr double TwipsPerPixel = 15;

// How long a page handed to the print service is watched for a failure that comes at once
// (a filter or a device that cannot take it). A job still waiting or printing after that
// has been taken: a real printer may need minutes, and the teacher is not kept waiting.
constexpr int AttesaEsitoMs = 3000;
constexpr int PassoAttesaMs = 20;

// The print service's own answers, for what Qt does not tell: Qt's CUPS engine hands the
// page over and drops the answer, so a queue that refuses the job, a queue removed or a
// service stopped meanwhile all look like a page printed. The page is therefore written
// as a PDF file and handed to CUPS here, and its answer is kept.
namespace Cups {

QString lastError() { return QString::fromUtf8(cupsLastErrorString()); }

// True when the queue exists and is stopped (paused, or halted by a failed job): what is
// sent to it waits there instead of printing.
bool stopped(const QByteArray& queue)
{
    cups_dest_t* dest = cupsGetNamedDest(CUPS_HTTP_DEFAULT, queue.constData(), nullptr);
    if (!dest)
        return false;
    const char* state = cupsGetOption("printer-state", dest->num_options, dest->options);
    const bool result = state && std::atoi(state) == IPP_PSTATE_STOPPED;
    cupsFreeDests(1, dest);
    return result;
}

// The state of a job; 0 when the service does not answer.
int jobState(int job)
{
    char uri[HTTP_MAX_URI];
    httpAssembleURIf(HTTP_URI_CODING_ALL, uri, sizeof uri, "ipp", nullptr, "localhost", 0, "/jobs/%d", job);
    ipp_t* request = ippNewRequest(IPP_OP_GET_JOB_ATTRIBUTES);
    ippAddString(request, IPP_TAG_OPERATION, IPP_TAG_URI, "job-uri", nullptr, uri);
    ippAddString(request, IPP_TAG_OPERATION, IPP_TAG_NAME, "requesting-user-name", nullptr, cupsUser());
    ippAddString(request, IPP_TAG_OPERATION, IPP_TAG_KEYWORD, "requested-attributes", nullptr, "job-state");
    ipp_t* response = cupsDoRequest(CUPS_HTTP_DEFAULT, request, "/");
    int state = 0;
    if (response) {
        if (ipp_attribute_t* a = ippFindAttribute(response, "job-state", IPP_TAG_ENUM))
            state = ippGetInteger(a, 0);
        ippDelete(response);
    }
    return state;
}

// Hands a PDF file to a queue and follows the job until it has printed, failed, or been
// taken for later. Throws PrinterError for every way the page does not reach the printer;
// a job that failed is withdrawn, so that a page reported as lost never turns up later.
void submit(const QString& queue, const QString& file, const QString& title, const QString& media)
{
    const QByteArray q = queue.toLocal8Bit();
    const QByteArray m = media.toLocal8Bit();
    cups_option_t* options = nullptr;
    int count = 0;
    if (!m.isEmpty())
        count = cupsAddOption("media", m.constData(), count, &options);
    const int job = cupsPrintFile2(CUPS_HTTP_DEFAULT, q.constData(), QFile::encodeName(file).constData(),
                                   title.toUtf8().constData(), count, options);
    cupsFreeOptions(count, options);
    if (job <= 0)
        throw PrinterError("the print service refused the page: " + lastError().toStdString());

    QElapsedTimer waited;
    waited.start();
    for (;;) {
        const int state = jobState(job);
        if (state == IPP_JSTATE_COMPLETED)
            return;
        if (state == 0)
            throw PrinterError("the print service stopped answering");
        if (state == IPP_JSTATE_CANCELED || state == IPP_JSTATE_ABORTED)
            throw PrinterError("the printer could not print the page");
        if ((state == IPP_JSTATE_PENDING || state == IPP_JSTATE_STOPPED) && stopped(q)) {
            cupsCancelJob2(CUPS_HTTP_DEFAULT, q.constData(), job, 0);
            throw PrinterError("the printer is stopped");
        }
        if (waited.elapsed() >= AttesaEsitoMs)
            return;
        QThread::msleep(PassoAttesaMs);
    }
}

} // namespace Cups

// The wait cursor while the page goes out; the usual one again before any message.
class BusyCursor
{
public:
    BusyCursor() : set_(qobject_cast<QGuiApplication*>(QCoreApplication::instance()) != nullptr)
    {
        if (set_)
            QGuiApplication::setOverrideCursor(QCursor(Qt::WaitCursor));
    }
    ~BusyCursor()
    {
        if (set_)
            QGuiApplication::restoreOverrideCursor();
    }
    BusyCursor(const BusyCursor&) = delete;
    BusyCursor& operator=(const BusyCursor&) = delete;

private:
    bool set_;
};

// A page on a queue of the print service, drawn in twips.
class QtPrinterSurface final : public PrinterSurface
{
public:
    QtPrinterSurface(const QString& deviceName, const QString& documentName)
        : printer_(QPrinter::HighResolution), queue_(deviceName), title_(documentName),
          file_(QDir::temp().filePath(QStringLiteral("tarvello-XXXXXX.pdf")))
    {
        printer_.setPrinterName(deviceName);
        if (!printer_.isValid() || printer_.printerName() != deviceName)
            throw PrinterError("printer not available: " + deviceName.toStdString());
        if (!file_.open())
            throw PrinterError("no room for the page: " + file_.errorString().toStdString());
        file_.close();
        // The queue's own paper and printable area, kept when the page goes to a file.
        const QPageLayout layout = printer_.pageLayout();
        media_ = layout.pageSize().key();
        printer_.setOutputFormat(QPrinter::PdfFormat);
        printer_.setOutputFileName(file_.fileName());
        printer_.setPageLayout(layout);
        printer_.setFullPage(false);
        printer_.setDocName(documentName);
        if (!painter_.begin(&printer_))
            throw PrinterError("cannot start a document on " + deviceName.toStdString());
        const double scale = printer_.resolution() / 1440.0;
        painter_.scale(scale, scale);
        painter_.setRenderHint(QPainter::Antialiasing);
    }

    ~QtPrinterSurface() override
    {
        // A document that was never ended is thrown away with its file, never sent.
        if (painter_.isActive())
            painter_.end();
    }

    void setCurrentX(double twips) override { x_ = twips; }
    void setCurrentY(double twips) override { y_ = twips; }
    void setFontSize(double points) override { points_ = points; }
    void setDrawWidth(int width) override { drawWidth_ = width; }

    void print(const QString& text) override
    {
        check();
        QFont font(QStringLiteral("Arial"));
        font.setPixelSize(qRound(points_ * TwipsPerPoint));
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
        // The width is given in screen pixels: 15 twips each.
        QPen pen(colour, drawWidth_ * TwipsPerPixel, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin);
        painter_.setPen(pen);
        painter_.drawLine(from, to);
    }

    void paintPicture(const Picture& picture, QPointF at) override
    {
        check();
        if (picture.isNull())
            return;
        picture.paint(painter_, QRectF(at, QSizeF(picture.size()) * TwipsPerPixel));
    }

    void newPage() override
    {
        check();
        if (!printer_.newPage())
            throw PrinterError("no room for another page");
    }

    double printableHeight() const override
    {
        return printer_.pageLayout().paintRect(QPageLayout::Point).height() * TwipsPerPoint;
    }

    void endDoc() override
    {
        check();
        const BusyCursor busy;
        if (!painter_.end() || QFileInfo(file_.fileName()).size() == 0)
            throw PrinterError("the page could not be made ready for the printer");
        Cups::submit(queue_, file_.fileName(), title_, media_);
    }

private:
    void check()
    {
        if (!painter_.isActive())
            throw PrinterError("the document is closed");
    }

    QPrinter printer_;
    QPainter painter_;
    QString queue_;
    QString title_;
    QString media_;
    QTemporaryFile file_;
    double x_ = 0;
    double y_ = 0;
    double points_ = 12;
    int drawWidth_ = 1;
};

} // namespace

QStringList Printers::installed() { return QPrinterInfo::availablePrinterNames(); }

QString Printers::defaultPrinter() { return QPrinterInfo::defaultPrinterName(); }

QString Printers::current()
{
    if (chosen().isEmpty())
        return defaultPrinter();
    return chosen();
}

void Printers::setCurrent(const QString& deviceName) { chosen() = deviceName; }

void Printers::setOpener(Opener o) { opener() = std::move(o); }

std::unique_ptr<PrinterSurface> Printers::open(const QString& documentName)
{
    if (opener())
        return opener()(documentName);
    return openOnService(documentName);
}

std::unique_ptr<PrinterSurface> Printers::openOnService(const QString& documentName)
{
    const QString name = current();
    if (name.isEmpty() || !installed().contains(name))
        throw PrinterError("no printer to print on");
    return std::make_unique<QtPrinterSurface>(name, documentName);
}
