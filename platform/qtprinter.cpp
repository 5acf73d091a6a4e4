#include "platform/printer.h"

#include <QFont>
#include <QPainter>
#include <QPrinter>
#include <QPrinterInfo>

namespace {

QString& chosen()
{
    static QString name;
    return name;
}

constexpr double TwipsPerPoint = 20;
constexpr double TwipsPerPixel = 15;

// A page on a printer of the printing service, drawn in twips.
class QtPrinterSurface final : public PrinterSurface
{
public:
    QtPrinterSurface(const QString& deviceName, const QString& documentName)
        : printer_(QPrinter::HighResolution)
    {
        printer_.setPrinterName(deviceName);
        printer_.setDocName(documentName);
        printer_.setFullPage(false);
        if (!printer_.isValid() || printer_.printerName() != deviceName)
            throw PrinterError("printer not available: " + deviceName.toStdString());
        if (!painter_.begin(&printer_))
            throw PrinterError("cannot start a document on " + deviceName.toStdString());
        const double scale = printer_.resolution() / 1440.0;
        painter_.scale(scale, scale);
        painter_.setRenderHint(QPainter::Antialiasing);
    }

    ~QtPrinterSurface() override
    {
        // A document that was never ended is thrown away, not half sent.
        if (painter_.isActive()) {
            printer_.abort();
            painter_.end();
        }
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

    void endDoc() override
    {
        check();
        if (!painter_.end() || printer_.printerState() == QPrinter::Error)
            throw PrinterError("the printer did not take the document");
    }

private:
    void check()
    {
        if (!painter_.isActive() || printer_.printerState() == QPrinter::Error)
            throw PrinterError("the printer stopped");
    }

    QPrinter printer_;
    QPainter painter_;
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

std::unique_ptr<PrinterSurface> Printers::open(const QString& documentName)
{
    const QString name = current();
    if (name.isEmpty() || !installed().contains(name))
        throw PrinterError("no printer to print on");
    return std::make_unique<QtPrinterSurface>(name, documentName);
}
