#pragma once

#include "printing/outcome.h"

#include <QMarginsF>
#include <QString>
#include <functional>

class PrinterSurface;
class QObject;

// Documents written as PDF files: A4 portrait, drawn in twips from the top-left corner of the
// printable area like a printed page, pictures and lines as vectors.
namespace PdfFile {

// The printable area of the page: what a printer's margins would leave, in points.
inline const QMarginsF Margins(18, 24, 18, 14);

// Writes the document `draw` makes to `path`, off the window's thread: the call returns at
// once, and `done` gets the outcome on the window's thread (never, if `context` is gone by
// then). The pages go to a temporary file in the same folder, which replaces `path` only once
// it is complete: a failure leaves no partial file and an existing file as it was. `draw`
// runs on the saving thread, so it must use nothing that the window's thread uses meanwhile.
// A file begun is written to the end, even when the program is closed meanwhile.
void write(const QString& path, const QString& title, std::function<void(PrinterSurface&)> draw, QObject* context,
           std::function<void(const Outcome&)> done);

// Files handed to `write` whose outcome has not come yet.
int writesInProgress();

// Why the file of `outcome` could not be written, in a sentence of its own, for the message
// that names the file; empty when it was.
QString describe(const Outcome& outcome);

} // namespace PdfFile
