#pragma once

// What the print service behind Printers does: libcups on Linux, Qt's own printing where
// there is no CUPS. Only platform/ includes this.

#include "printing/printer.h"

#include <QDeadlineTimer>
#include <QPageLayout>
#include <QPainter>
#include <QTransform>
#include <memory>

namespace PrintBackend {

// The printer a run prints on, with the paper it has.
struct Target
{
    QString printer;
    QPageLayout layout;
    // The paper's name as the service calls it; empty when it did not say.
    QString media;
};

// A document painted and ready to go, in the form the service takes.
class Prepared
{
public:
    virtual ~Prepared() = default;
};

// These run on the print worker's thread and return by the deadline (the service's own
// limits permitting: the Qt-only one cannot bound what Qt does).
PrinterList list(QDeadlineTimer deadline);
// The printer named, or with no name the service's default, or its first printer.
Target resolve(const QString& chosen, QDeadlineTimer deadline, QString* why);
// Hands the document over and follows it for a while.
Outcome submit(const Target& target, const Prepared& prepared, const QString& title, QDeadlineTimer deadline);

// Runs on the window's thread: paints the document for the service. Null, with the reason,
// when the pages could not be painted.
std::unique_ptr<Prepared> prepare(const Target& target, const PrintDocument& document, QString* why);

// Whether this service may leave a request running past its deadline (then requests do not
// queue behind one another).
bool mayOverrun();

} // namespace PrintBackend

namespace PrintPainting {

// Where a page laid out in twips goes on the printable area of a paper.
struct Fit
{
    double scale = 1;
    // Where the page's top-left corner goes, in twips from the printable area's.
    QPointF offset;
    // The printable area's height in the page's twips (0: unknown).
    double printableHeight = 0;

    // From the page's twips to the printable area's.
    QTransform transform() const;
};

// A page of `extent` twips on a page layout: where it fits the printable area it is painted
// as it is, to the twip; otherwise it is scaled down, in its own proportions, to fit the
// printable area, and centred across it. An empty extent is painted as it is.
Fit fit(const QPageLayout& layout, QSizeF extent);
// Twips to the pixels of a device of `resolution` dots per inch.
QTransform twipsOn(int resolution);
// A surface that paints on `painter`; `nextPage` starts a new page. Every page starts with
// the painter set to `fit`, then `toDevice` from the printable area's twips to the device.
std::unique_ptr<PrinterSurface> surface(QPainter& painter, std::function<bool()> nextPage, const QTransform& toDevice,
                                        const Fit& fit);
// Scales a painter on a device so that it paints in twips.
void paintInTwips(QPainter& painter, int resolution);
// Paints every page of `document` on `surface` and ends it; not ok, with the reason, where
// the surface refused a page.
Outcome paint(PrinterSurface& surface, const PrintDocument& document);
// Writes a PDF document into `device` on a page layout: `pages` paints every page on the
// surface it is given, which fits pages of `extent` to the paper, and ends it. Every PDF the
// program makes, for a printer or for a file, is made here.
Outcome writePdf(QIODevice& device, const QString& title, const QPageLayout& layout, QSizeF extent,
                 const std::function<Outcome(PrinterSurface&)>& pages);

} // namespace PrintPainting
