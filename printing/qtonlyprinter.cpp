// The print service through Qt alone, for machines without libcups: what Qt reports is
// trusted. Qt gives no time limit of its own, so each request runs on a thread of its own
// and a hung one holds up nothing but itself.

#include "printing/printbackend.h"

#include <QPicture>
#include <QPrinter>
#include <QPrinterInfo>

#include <list>

namespace {

// The pages, recorded in twips on the window's thread, played on the printer later.
class Pages final : public PrintBackend::Prepared
{
public:
    std::list<QPicture> pages;
};

} // namespace

bool PrintBackend::mayOverrun() { return true; }

PrinterList PrintBackend::list(QDeadlineTimer)
{
    PrinterList result;
    result.answered = true;
    result.names = QPrinterInfo::availablePrinterNames();
    result.defaultName = QPrinterInfo::defaultPrinterName();
    return result;
}

PrintBackend::Target PrintBackend::resolve(const QString& chosen, QDeadlineTimer deadline, QString* why)
{
    Target target;
    QString name = chosen;
    if (name.isEmpty())
        name = QPrinterInfo::defaultPrinterName();
    if (name.isEmpty())
        name = QPrinterInfo::availablePrinterNames().value(0);
    const QPrinterInfo info = QPrinterInfo::printerInfo(name);
    if (name.isEmpty() || info.isNull()) {
        *why = name.isEmpty() ? QStringLiteral("no printer") : QStringLiteral("printer not available: %1").arg(name);
        return target;
    }
    if (deadline.hasExpired()) {
        *why = QStringLiteral("the print service did not answer in time");
        return target;
    }
    target.printer = name;
    // The paper and margins the document will be printed with.
    target.layout = QPrinter(info, QPrinter::HighResolution).pageLayout();
    return target;
}

std::unique_ptr<PrintBackend::Prepared> PrintBackend::prepare(const Target& target, const PrintDocument& document,
                                                              QString* why)
{
    auto prepared = std::make_unique<Pages>();
    prepared->pages.emplace_back();
    QPainter painter(&prepared->pages.back());
    // Recorded in the printable area's twips, played at the printer's resolution.
    const auto surface = PrintPainting::surface(
        painter,
        [&] {
            painter.end();
            prepared->pages.emplace_back();
            return painter.begin(&prepared->pages.back());
        },
        QTransform(), PrintPainting::fit(target.layout, document.extent));
    const Outcome painted = PrintPainting::paint(*surface, document);
    if (!painted.ok) {
        *why = painted.why;
        return nullptr;
    }
    return prepared;
}

Outcome PrintBackend::submit(const Target& target, const Prepared& prepared, const QString& title, QDeadlineTimer)
{
    Outcome outcome = Outcome::failed(Outcome::Kind::NotPrinted, QString(), target.printer);
    QPrinter printer(QPrinter::HighResolution);
    printer.setPrinterName(target.printer);
    printer.setDocName(title);
    printer.setFullPage(false);
    if (!printer.isValid() || printer.printerName() != target.printer) {
        outcome.why = QStringLiteral("printer not available: %1").arg(target.printer);
        return outcome;
    }
    printer.setPageLayout(target.layout);
    QPainter painter;
    if (!painter.begin(&printer)) {
        outcome.why = QStringLiteral("cannot start a document on %1").arg(target.printer);
        return outcome;
    }
    bool first = true;
    for (const QPicture& page : static_cast<const Pages&>(prepared).pages) {
        if (!first && !printer.newPage())
            break;
        first = false;
        painter.save();
        // A picture is played at the device's resolution already: only twips to its own
        // resolution are left to scale.
        PrintPainting::paintInTwips(painter, page.logicalDpiX());
        painter.drawPicture(0, 0, page);
        painter.restore();
    }
    if (!painter.end()) {
        outcome.why = QStringLiteral("the printer did not take the document");
        return outcome;
    }
    qCDebug(lcPrinting) << "Qt handed" << title << "to" << target.printer;
    return Outcome::done(target.printer);
}
