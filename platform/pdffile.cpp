#include "platform/pdffile.h"

#include "platform/printer.h"
#include "platform/twips.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QCursor>
#include <QEventLoop>
#include <QFileInfo>
#include <QFont>
#include <QGuiApplication>
#include <QPageLayout>
#include <QPainter>
#include <QPdfWriter>
#include <QSaveFile>
#include <QThread>

namespace {

// A PDF page in twips, drawn the way the printer draws its pages.
class PdfSurface final : public PrinterSurface
{
public:
    PdfSurface(QIODevice* device, const QString& title) : writer_(device)
    {
        writer_.setTitle(title);
        writer_.setCreator(QStringLiteral("Tarvello"));
        writer_.setResolution(1200);
        writer_.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, PdfFile::Margins,
                                          QPageLayout::Point));
        if (!painter_.begin(&writer_))
            throw PrinterError("cannot start the document");
        const double scale = writer_.resolution() / double(Twips::PerInch);
        painter_.scale(scale, scale);
        painter_.setRenderHint(QPainter::Antialiasing);
    }

    ~PdfSurface() override
    {
        if (painter_.isActive())
            painter_.end();
    }

    void setCurrentX(double twips) override { x_ = twips; }
    void setCurrentY(double twips) override { y_ = twips; }
    void setFontSize(double points) override { points_ = points; }
    void setDrawWidth(int width) override { drawWidth_ = width; }

    void print(const QString& text) override
    {
        QFont font(QStringLiteral("Arial"));
        font.setPixelSize(qRound(points_ * Twips::PerPoint));
        painter_.setFont(font);
        painter_.setPen(Qt::black);
        QRectF used;
        painter_.drawText(QRectF(x_, y_, 1e6, 1e6), Qt::AlignLeft | Qt::AlignTop, text, &used);
        y_ = used.bottom();
    }

    void line(QPointF from, QPointF to, const QColor& colour) override
    {
        painter_.setPen(QPen(colour, drawWidth_ * Twips::PerPixel, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
        painter_.drawLine(from, to);
    }

    void paintPicture(const Picture& picture, QPointF at) override
    {
        if (!picture.isNull())
            picture.paint(painter_, QRectF(at, QSizeF(picture.size()) * Twips::PerPixel));
    }

    void newPage() override
    {
        if (!writer_.newPage())
            throw PrinterError("no room for another page");
    }

    double printableHeight() const override
    {
        return writer_.pageLayout().paintRect(QPageLayout::Point).height() * Twips::PerPoint;
    }

    void endDoc() override
    {
        if (!painter_.end())
            throw PrinterError("the document could not be finished");
    }

private:
    QPdfWriter writer_;
    QPainter painter_;
    double x_ = 0;
    double y_ = 0;
    double points_ = 12;
    int drawWidth_ = 1;
};

PdfFile::Failure writeNow(const QString& path, const QString& title, const std::function<void(PrinterSurface&)>& draw)
{
    if (QFileInfo(path).isDir())
        return PdfFile::Failure::IsFolder;
    // The document is made in memory first: QPdfWriter does not tell when its device refuses
    // a write, and a full disk would leave a short file that looks saved.
    QBuffer pdf;
    pdf.open(QIODevice::WriteOnly);
    try {
        PdfSurface surface(&pdf, title);
        draw(surface);
        surface.endDoc();
    } catch (const PrinterError&) {
        return PdfFile::Failure::CannotWrite;
    }
    const QByteArray bytes = pdf.data();

    // Written whole into a temporary file beside the target, which takes its place only when
    // every byte is there; on any failure the temporary file goes with `file`.
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return PdfFile::Failure::CannotCreate;
    if (file.write(bytes) != bytes.size() || !file.flush() || file.size() != bytes.size())
        return PdfFile::Failure::CannotWrite;
    if (!file.commit())
        return file.error() == QFileDevice::RenameError ? PdfFile::Failure::CannotReplace
                                                        : PdfFile::Failure::CannotWrite;
    return PdfFile::Failure::None;
}

} // namespace

PdfFile::Failure PdfFile::write(const QString& path, const QString& title,
                                const std::function<void(PrinterSurface&)>& draw)
{
    Failure result = Failure::CannotWrite;
    QThread* worker = QThread::create([&] { result = writeNow(path, title, draw); });
    QEventLoop loop;
    QObject::connect(worker, &QThread::finished, &loop, &QEventLoop::quit);
    const bool gui = qobject_cast<QGuiApplication*>(QCoreApplication::instance()) != nullptr;
    if (gui)
        QGuiApplication::setOverrideCursor(QCursor(Qt::WaitCursor));
    worker->start();
    // The window keeps painting; a press meanwhile would start a second file over the first.
    if (!worker->isFinished())
        loop.exec(QEventLoop::ExcludeUserInputEvents);
    worker->wait();
    delete worker;
    if (gui)
        QGuiApplication::restoreOverrideCursor();
    return result;
}

QString PdfFile::describe(Failure failure)
{
    switch (failure) {
    case Failure::None:
        return QString();
    case Failure::IsFolder:
        return QCoreApplication::translate("PdfFile", "Il nome scelto è quello di una cartella.");
    case Failure::CannotCreate:
        return QCoreApplication::translate("PdfFile", "Nella cartella scelta non si può scrivere.");
    case Failure::CannotWrite:
        return QCoreApplication::translate("PdfFile", "Il disco è pieno o non accetta la scrittura.");
    case Failure::CannotReplace:
        return QCoreApplication::translate("PdfFile", "Il file esistente non si può sostituire.");
    }
    return QString();
}
