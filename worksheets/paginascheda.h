#pragma once

#include "core/paginascheda.h"
#include "forms/picture.h"
#include "core/testo.h"
#include "core/twips.h"

#include <QPointF>
#include <QSizeF>
#include <QList>
#include <QString>
#include <array>
#include <functional>

class PrinterSurface;
class QObject;

// The pictures a page is painted with, by figure index: the catalogue's own, or copies with
// renderers of their own for painting on another thread.
class FigureScheda
{
public:
    // The catalogue's pictures, for the window's thread.
    static FigureScheda catalogo();
    // Copies of the figures these pages show, one of each, for the thread that calls this.
    FigureScheda perUnAltroThread(const QList<PaginaScheda>& pagine) const;

    const Picture& operator[](int figura) const { return figure_[std::size_t(figura)]; }

private:
    std::array<Picture, 13> figure_;
};

// The width of the boxes' lines, in pixels.
inline constexpr int LineaRiquadri = 3;
// What a page needs from the printable area's top-left corner: the right boxes end at x 11000
// and the last row at y 15600, each line half its width beyond; the footer's line lies below
// them. The header's texts end well before the boxes' right edge.
inline QSizeF EstensioneScheda(bool conPiede)
{
    const double mezzaLinea = LineaRiquadri * Twips::PerPixel / 2.0;
    return QSizeF(11000 + mezzaLinea,
                  conPiede ? PaginaScheda::piedeA(0).y() + PaginaScheda::AltezzaPiede : PaginaScheda::basso(4) + mezzaLinea);
}

inline const Testo ProblemaDiStampa{"PaginaScheda",
                                    QT_TRANSLATE_NOOP("PaginaScheda", "Problema di stampa nella stampante utilizzata.")};

// The title a document of `pagine` worksheets carries, printed or saved.
QString TitoloDocumento(qsizetype pagine);

// Paints the page on a printer's page with the given pictures; false when its header failed, which leaves the header
// out and the rest of the page as it is. Any other printer failure is thrown.
bool DisegnaScheda(PrinterSurface& printer, const PaginaScheda& pagina, const FigureScheda& figure);

// Prints the page on the current printer, as one document, without waiting for the print
// service: `fatto` is called once its outcome is known. A page that did not reach the printer
// is reported once with the printer message; the program and the worksheet go on as they were.
void StampaScheda(const PaginaScheda& pagina, QObject* contesto, std::function<void()> fatto);
// Several pages as one document, one job with one outcome, reported as one.
void StampaSchede(const QList<PaginaScheda>& pagine, QObject* contesto, std::function<void()> fatto);
// The same on a given printer, at once.
void StampaScheda(PrinterSurface& printer, const PaginaScheda& pagina);
