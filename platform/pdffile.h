#pragma once

#include <QMarginsF>
#include <QString>
#include <functional>

class PrinterSurface;

// Documents written as PDF files: A4 portrait, drawn in twips from the top-left corner of the
// printable area like a printed page, pictures and lines as vectors.
namespace PdfFile {

// The printable area of the page: what a printer's margins would leave, in points.
inline const QMarginsF Margins(18, 24, 18, 14);

// Why a file could not be written.
enum class Failure {
    None,
    IsFolder,      // the name is a folder's
    NoFolder,      // the folder does not exist
    CannotCreate,  // the folder cannot be written in
    CannotWrite,   // the disk is full, or refused a write
    CannotReplace, // the complete file could not take the place of the old one
};

// Writes the document `draw` makes to `path`. The pages go to a temporary file in the same
// folder, which replaces `path` only once it is complete: a failure leaves no partial file
// and an existing file as it was. `draw` runs on a worker thread, and meanwhile the caller's
// event loop goes on painting and running timers but takes no input; so `draw` must use
// nothing that the window's thread uses at the same time.
Failure write(const QString& path, const QString& title, const std::function<void(PrinterSurface&)>& draw);

// The failure to write `path` told in a sentence of its own, for the message that names the
// file.
QString describe(Failure failure, const QString& path);

} // namespace PdfFile
