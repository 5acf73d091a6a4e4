#include "printing/pdffile.h"

#include "printing/background.h"
#include "printing/printbackend.h"
#include "printing/printer.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QPageLayout>
#include <QSaveFile>

namespace {

int& writes()
{
    static int n = 0;
    return n;
}

Outcome writeNow(const QString& path, const QString& title, const std::function<void(PrinterSurface&)>& draw)
{
    using Kind = Outcome::Kind;
    auto fail = [&path](Kind kind, const QString& why) { return Outcome::failed(kind, why, path); };
    const QFileInfo target(path);
    if (target.isDir())
        return fail(Kind::IsFolder, QStringLiteral("the name is a folder's"));
    if (!target.absoluteDir().exists())
        return fail(Kind::NoFolder, QStringLiteral("no folder %1").arg(target.absolutePath()));
    // The document is made in memory first: QPdfWriter does not tell when its device refuses
    // a write, and a full disk would leave a short file that looks saved.
    QBuffer pdf;
    pdf.open(QIODevice::WriteOnly);
    // Drawn the way the printer draws its pages, on A4 with the program's margins, where the
    // page fits as it is.
    const QPageLayout layout(QPageSize(QPageSize::A4), QPageLayout::Portrait, PdfFile::Margins, QPageLayout::Point);
    const Outcome painted = PrintPainting::writePdf(pdf, title, layout, QSizeF(), [&draw, &path](PrinterSurface& s) {
        try {
            draw(s);
            s.endDoc();
        } catch (const PrinterError& e) {
            return Outcome::failed(Kind::CannotWrite,
                                   QStringLiteral("a page could not be drawn: %1").arg(QString::fromStdString(e.what())), path);
        }
        return Outcome::done(path);
    });
    if (!painted.ok)
        return fail(Kind::CannotWrite, painted.why);
    const QByteArray bytes = pdf.data();

    // Written whole into a temporary file beside the target, which takes its place only when
    // every byte is there; on any failure the temporary file goes with `file`.
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return fail(Kind::CannotCreate, QStringLiteral("no temporary file: %1").arg(file.errorString()));
    if (file.write(bytes) != bytes.size() || !file.flush() || file.size() != bytes.size())
        return fail(Kind::CannotWrite, QStringLiteral("%1 bytes not written: %2").arg(bytes.size()).arg(file.errorString()));
    if (!file.commit())
        return fail(file.error() == QFileDevice::RenameError ? Kind::CannotReplace : Kind::CannotWrite,
                    QStringLiteral("not committed: %1").arg(file.errorString()));
    return Outcome::done(path);
}

} // namespace

void PdfFile::write(const QString& path, const QString& title, std::function<void(PrinterSurface&)> draw,
                    QObject* context, std::function<void(const Outcome&)> done)
{
    ++writes();
    qCDebug(lcSaving) << "writing" << title << "to" << path;
    Background::run<Outcome>(
        Background::Queue::Saving,
        [path, title, draw = std::move(draw)] {
            // Told here, on the saving thread: a program closing meanwhile tells no outcome.
            const Outcome outcome = writeNow(path, title, draw);
            if (outcome.ok)
                qCDebug(lcSaving) << "written" << outcome.target;
            else
                qCWarning(lcSaving) << "not written" << outcome.target << "-" << outcome.why;
            return outcome;
        },
        QCoreApplication::instance(), [context = QPointer<QObject>(context), done = std::move(done)](const Outcome& outcome) {
            --writes();
            if (context && done)
                done(outcome);
        });
}

int PdfFile::writesInProgress() { return writes(); }

QString PdfFile::describe(const Outcome& outcome)
{
    const QString& path = outcome.target;
    switch (outcome.kind) {
    case Outcome::Kind::Done:
    case Outcome::Kind::NotPrinted:
        return QString();
    case Outcome::Kind::IsFolder:
        return QCoreApplication::translate("PdfFile", "Il nome scelto è quello di una cartella.");
    case Outcome::Kind::NoFolder:
        return QCoreApplication::translate("PdfFile", "La cartella %1 non esiste.")
            .arg(QDir::toNativeSeparators(QFileInfo(path).absolutePath()));
    case Outcome::Kind::CannotCreate:
        return QCoreApplication::translate("PdfFile", "Nella cartella scelta non si può scrivere.");
    case Outcome::Kind::CannotWrite:
        return QCoreApplication::translate("PdfFile", "Il disco è pieno o non accetta la scrittura.");
    case Outcome::Kind::CannotReplace:
        return QCoreApplication::translate("PdfFile", "Il file esistente non si può sostituire.");
    }
    return QString();
}
