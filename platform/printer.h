#pragma once

#include "platform/picture.h"

#include <QColor>
#include <QPointF>
#include <QString>
#include <QStringList>
#include <functional>
#include <memory>
#include <stdexcept>

// A failed printer operation.
class PrinterError : public std::runtime_error
{
public:
    using std::runtime_error::runtime_error;
};

// One document on the current printer, in twips from the top-left corner of the printable
// area. Every operation may throw PrinterError.
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
    // Ends the page and goes on with the next one of the same document. A printer that takes
    // one page per document refuses.
    virtual void newPage() { throw PrinterError("this printer takes one page per document"); }
    // The height of the printable area, in twips; 0 when it is not known.
    virtual double printableHeight() const { return 0; }
    // Sends the document to the printer.
    virtual void endDoc() = 0;
};

// The printing service: the installed printers and the program's current printer, which
// starts as the system's default and holds for the whole run once chosen.
namespace Printers {

// Device names, in the order of the printing service's list.
QStringList installed();
// The system's default printer; empty when there is none.
QString defaultPrinter();
// The current printer; empty when there is none.
QString current();
void setCurrent(const QString& deviceName);
// A new document on the current printer. Throws PrinterError when there is no printer to
// print on.
std::unique_ptr<PrinterSurface> open(const QString& documentName);

// Tests may put a printer of their own where `open` finds the print service, so that a
// window's "STAMPA" can be pressed thousands of times; an empty opener gives the service back.
using Opener = std::function<std::unique_ptr<PrinterSurface>(const QString& documentName)>;
void setOpener(Opener opener);
// A new document on the print service's current printer, whatever opener is set.
std::unique_ptr<PrinterSurface> openOnService(const QString& documentName);

} // namespace Printers
