#include "platform/pdffile.h"

#include "platform/printbackend.h"
#include "platform/printer.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QCursor>
#include <QDir>
#include <QEventLoop>
#include <QFileInfo>
#include <QGuiApplication>
#include <QPageLayout>
#include <QPainter>
#include <QPdfWriter>
#include <QSaveFile>
#include <QThread>

namespace {

PdfFile::Failure writeNow(const QString& path, const QString& title, const std::function<void(PrinterSurface&)>& draw)
{
    const QFileInfo target(path);
    if (target.isDir())
        return PdfFile::Failure::IsFolder;
    if (!target.absoluteDir().exists())
        return PdfFile::Failure::NoFolder;
    // The document is made in memory first: QPdfWriter does not tell when its device refuses
    // a write, and a full disk would leave a short file that looks saved.
    QBuffer pdf;
    pdf.open(QIODevice::WriteOnly);
    {
        // Drawn the way the printer draws its pages, on A4 with the program's margins.
        QPdfWriter writer(&pdf);
        writer.setTitle(title);
        writer.setCreator(QStringLiteral("Tarvello"));
        writer.setResolution(1200);
        const QPageLayout layout(QPageSize(QPageSize::A4), QPageLayout::Portrait, PdfFile::Margins, QPageLayout::Point);
        writer.setPageLayout(layout);
        QPainter painter;
        if (!painter.begin(&writer))
            return PdfFile::Failure::CannotWrite;
        // The page fits A4's printable area as it is: nothing to scale.
        const auto surface = PrintPainting::surface(painter, [&writer] { return writer.newPage(); },
                                                    PrintPainting::twipsOn(writer.resolution()),
                                                    PrintPainting::fit(layout, QSizeF()));
        try {
            draw(*surface);
            surface->endDoc();
        } catch (const PrinterError&) {
            if (painter.isActive())
                painter.end();
            return PdfFile::Failure::CannotWrite;
        }
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

QString PdfFile::describe(Failure failure, const QString& path)
{
    switch (failure) {
    case Failure::None:
        return QString();
    case Failure::IsFolder:
        return QCoreApplication::translate("PdfFile", "Il nome scelto è quello di una cartella.");
    case Failure::NoFolder:
        return QCoreApplication::translate("PdfFile", "La cartella %1 non esiste.")
            .arg(QDir::toNativeSeparators(QFileInfo(path).absolutePath()));
    case Failure::CannotCreate:
        return QCoreApplication::translate("PdfFile", "Nella cartella scelta non si può scrivere.");
    case Failure::CannotWrite:
        return QCoreApplication::translate("PdfFile", "Il disco è pieno o non accetta la scrittura.");
    case Failure::CannotReplace:
        return QCoreApplication::translate("PdfFile", "Il file esistente non si può sostituire.");
    }
    return QString();
}
