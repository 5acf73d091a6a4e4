#pragma once

#include "printing/printer.h"
#include "registro/consultazione.h"

#include <QDate>

// A class's summary on paper: a title with the class and the days, the table of its pupils,
// as many pages as the rows need, then the chart of every pupil who answered, four a page;
// each page with its number. Laid out in twips, like every page the
// program prints; it uses nothing of the window, so its pages are painted off its thread.
namespace PaginaRegistro {

inline constexpr double Larghezza = 11000;
inline constexpr double Altezza = 15600;

// Pages of the summary of `classe` from `dal` to `al` (an invalid date: that end open);
// `giorni` holds each row's days, in the order of `righe`, or nothing for no charts.
PrintDocument documento(const QString& classe, QDate dal, QDate al, const QList<Consultazione::Riepilogo>& righe,
                        const QList<QList<Consultazione::Giorno>>& giorni = {});

// Every page of the document on a surface that starts with the first, for a PDF file.
void disegnaTutto(PrinterSurface& surface, const PrintDocument& documento);

} // namespace PaginaRegistro
