#pragma once

#include "printing/outcome.h"
#include "forms/picture.h"

#include <QColor>
#include <QPageLayout>
#include <QPointF>
#include <QRectF>
#include <QSizeF>
#include <QString>
#include <QStringList>
#include <functional>
#include <memory>
#include <stdexcept>

class QObject;
class QPainter;

// A surface that refuses a page: it ends the document, whose outcome then says why.
class PrinterError : public std::runtime_error
{
public:
    using std::runtime_error::runtime_error;
};

// The pages of one document, in twips from the top-left corner of the printable area. Every
// operation may throw PrinterError.
class PrinterSurface
{
public:
    virtual ~PrinterSurface() = default;

    virtual void setCurrentX(double twips) = 0;
    virtual void setCurrentY(double twips) = 0;
    virtual void setFontSize(double points) = 0;
    // The one line attribute the worksheets set: the width of the lines that follow.
    virtual void setDrawWidth(int width) = 0;
    // Prints text with its top-left corner at the current position.
    virtual void print(const QString& text) = 0;
    virtual void line(QPointF from, QPointF to, const QColor& colour) = 0;
    // Draws a picture with its top-left corner at a point, at its own size.
    virtual void paintPicture(const Picture& picture, QPointF at) = 0;
    // Paints a drawing made with QPainter (a chart drawn for the screen too) into `area`, in
    // twips; the painter works in twips. A surface that keeps no painter leaves it out.
    virtual void paint(const QRectF& area, const std::function<void(QPainter&, const QRectF&)>& draw)
    {
        Q_UNUSED(area);
        Q_UNUSED(draw);
    }
    // Ends the page and starts the next one of the same document.
    virtual void newPage() = 0;
    // The height of the printable area in the page's own twips (taller than the paper's where
    // the page is scaled down to fit it); 0 when it is not known.
    virtual double printableHeight() const { return 0; }
    // Ends the document: it goes to the printer.
    virtual void endDoc() = 0;
};

// A whole document of one or more pages, handed over as one job and with one outcome. Its
// pages are painted on the window's thread, once the printer has said what paper it has.
struct PrintDocument
{
    QString title;
    int pages = 1;
    // Paints page `page` (0 to pages - 1). It may throw PrinterError, which loses the job.
    std::function<void(PrinterSurface& surface, int page)> paintPage;
    // True when paintPage uses nothing the window's thread uses: its pages are then painted
    // on the print worker, and a document of many pages never holds the window up.
    bool paintsAnywhere = false;
    // What a page needs of the printable area, in twips from its top-left corner. A page that
    // would not stay on the paper is scaled down as a whole to fit; empty: painted as it is.
    QSizeF extent;
};

// The printers as the print service lists them.
struct PrinterList
{
    // False when the service did not answer in time; the names are then unknown.
    bool answered = false;
    // Device names, in the order of the service's list.
    QStringList names;
    // The system's default printer; empty when there is none.
    QString defaultName;
};

// The printing service. Nothing here waits on it on the window's thread: the list and a
// print run are asked for, and their answer comes later through a function called on the
// thread of a context object (never, if the context is gone by then).
namespace Printers {

// How long the service may take to accept a connection and to answer one request, and how
// long a whole print run may take from the press to its outcome.
inline constexpr int AnswerLimitMs = 5000;
inline constexpr int RunLimitMs = 15000;
// How long a document the service took is followed for a failure that comes at once (a
// filter or a device that cannot take it); a job still waiting after that has been taken.
inline constexpr int FollowJobMs = 3000;

// Reads the service's printers.
void list(QObject* context, std::function<void(const PrinterList&)> done);

// Prints a document on the current printer. The outcome comes exactly once: ok when the
// service took the document. A document the service gave a job number for is taken, unless
// the service itself says the job failed or was cancelled. The pupil sees one message
// whatever went wrong; the reason goes to the log.
void print(const PrintDocument& document, QObject* context, std::function<void(const Outcome&)> done);

// Print runs handed over whose outcome has not come yet.
int runsInProgress();

// The current printer: the one chosen, or else the printer the service named last (its
// default, or the first of its list when it has none); empty while none is known. A print
// run with no printer chosen asks the service afresh.
QString current();
// Chooses the printer for the rest of the run; an empty name goes back to the service's own.
void setCurrent(const QString& deviceName);
// The printer chosen; empty when none was.
QString chosen();

// Paints a document into a PDF file on a page layout, on the calling thread.
Outcome writePdf(const PrintDocument& document, const QString& fileName, const QPageLayout& layout);

// Tests may put a printer of their own where a print run finds the print service, so that a
// window's "STAMPA" can be pressed thousands of times: the run then paints on that surface,
// ends it and gives its outcome at once, on the window's thread. An opener that returns
// nothing lets that run go to the service; an empty opener gives the service back.
using Opener = std::function<std::unique_ptr<PrinterSurface>(const PrintDocument& document)>;
void setOpener(Opener opener);

} // namespace Printers
