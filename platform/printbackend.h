#pragma once

// What the print service behind Printers does: libcups on Linux, Qt's own printing where
// there is no CUPS. Only platform/ includes this.

#include "platform/printer.h"

#include <QDeadlineTimer>
#include <QPageLayout>
#include <QPainter>
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
PrintOutcome submit(const Target& target, const Prepared& prepared, const QString& title, QDeadlineTimer deadline);

// Runs on the window's thread: paints the document for the service. Null, with the reason,
// when the pages could not be painted.
std::unique_ptr<Prepared> prepare(const Target& target, const PrintDocument& document, QString* why);

// Whether this service may leave a request running past its deadline (then requests do not
// queue behind one another).
bool mayOverrun();

} // namespace PrintBackend

namespace PrintPainting {

// A surface that paints on a painter already set up in twips; `nextPage` starts a new page.
// `printableHeight` is the height of a page's printable area in twips (0: unknown).
std::unique_ptr<PrinterSurface> surface(QPainter& painter, std::function<bool()> nextPage, double printableHeight = 0);
// The height of a page layout's printable area, in twips.
double printableHeight(const QPageLayout& layout);
// Scales a painter on a device so that it paints in twips.
void paintInTwips(QPainter& painter, int resolution);
// Paints every page of `document` on `surface` and ends it; false, with the reason in `why`,
// where the surface refused a page.
bool paint(PrinterSurface& surface, const PrintDocument& document, QString* why);

} // namespace PrintPainting
