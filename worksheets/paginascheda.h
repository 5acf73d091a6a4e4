#pragma once

#include "platform/picture.h"
#include "core/testo.h"
#include "platform/twips.h"

#include <QPointF>
#include <QSizeF>
#include <QList>
#include <QString>
#include <array>
#include <functional>
#include <optional>

class PrinterSurface;
class QObject;

// One printed worksheet: a line for the pupil's name, one instruction, and four rows of two
// boxes, in twips on the page. The left box of a row holds the first set as the window's
// places show it; the right box holds the starting second set, or stays empty for the pupil
// to draw in.
struct PaginaScheda
{
    static constexpr int Posti = 15;
    using Insieme = std::array<Picture, Posti>;

    QString istruzione;
    std::array<Insieme, 4> primi;
    std::optional<std::array<Insieme, 4>> secondi;
    // "Scheda k di K" on each page of a class set; a worksheet printed alone has none.
    QString piede;

    // The same pages with pictures of their own, to be drawn on another thread: one copy of
    // each picture for all of them.
    static QList<PaginaScheda> perUnAltroThread(const QList<PaginaScheda>& pagine);

    // Where things go on the page.
    static double alto(int esercizio) { return 2000 + 3500 * (esercizio - 1); }
    static double basso(int esercizio) { return alto(esercizio) + 3100; }
    static QPointF posto(int esercizio, int p, bool destra)
    {
        return QPointF((destra ? 6830 : 830) + 800 * (p % 5), alto(esercizio) + 200 + 950 * (p / 5));
    }
    // The footer's top-left corner: at the bottom of a printable area `altezza` twips high,
    // never over the last row of boxes.
    static QPointF piedeA(double altezza) { return QPointF(500, qMax(altezza - AltezzaPiede, basso(4) + 100)); }
    static constexpr double PuntiPiede = 9;
    static constexpr double AltezzaPiede = 240;
    // The width of the boxes' lines, in pixels.
    static constexpr int LineaRiquadri = 3;
    // What the page needs from the printable area's top-left corner: the right boxes end at
    // x 11000 and the last row at y 15600, each line half its width beyond; the footer's line
    // lies below them. The header's texts end well before the boxes' right edge.
    static QSizeF estensione(bool conPiede)
    {
        const double mezzaLinea = LineaRiquadri * Twips::PerPixel / 2.0;
        return QSizeF(11000 + mezzaLinea, conPiede ? piedeA(0).y() + AltezzaPiede : basso(4) + mezzaLinea);
    }
};

inline const Testo ProblemaDiStampa{"PaginaScheda",
                                    QT_TRANSLATE_NOOP("PaginaScheda", "Problema di stampa nella stampante utilizzata.")};

// The title a document of `pagine` worksheets carries, printed or saved.
QString TitoloDocumento(qsizetype pagine);

// Paints the page on a printer's page; false when its header failed, which leaves the header
// out and the rest of the page as it is. Any other printer failure is thrown.
bool DisegnaScheda(PrinterSurface& printer, const PaginaScheda& pagina);

// Prints the page on the current printer, as one document, without waiting for the print
// service: `fatto` is called once its outcome is known. A page that did not reach the printer
// is reported once with the printer message; the program and the worksheet go on as they were.
void StampaScheda(const PaginaScheda& pagina, QObject* contesto, std::function<void()> fatto);
// Several pages as one document, one job with one outcome, reported as one.
void StampaSchede(const QList<PaginaScheda>& pagine, QObject* contesto, std::function<void()> fatto);
// The same on a given printer, at once.
void StampaScheda(PrinterSurface& printer, const PaginaScheda& pagina);
