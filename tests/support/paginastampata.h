#pragma once

#include "forms/frmfigure.h"
#include "worksheets/paginascheda.h"

#include <QImage>
#include <QPainter>
#include <QString>
#include <cmath>

// A worksheet page as the private print service printed it, rendered at 96 dpi: one pixel of a
// picture is 15 twips, one pixel of the page.
namespace PaginaStampata {

constexpr int Dpi = 96;
// The queues' printable area starts 12 points from the left and from the top of the paper.
constexpr double MargineSinistro = 12, MargineAlto = 12;
inline const QPointF MarginiCode(MargineSinistro, MargineAlto);

// A point of the page, in twips from the printable area whose corner is `margini` points
// from the paper's, as a pixel of the rendered page.
inline QPointF pixel(QPointF twips, QPointF margini = MarginiCode)
{
    return QPointF((margini.x() + twips.x() / 20) * Dpi / 72, (margini.y() + twips.y() / 20) * Dpi / 72);
}

// How far a part of the page is from a picture drawn alone at the same place: the mean
// difference of the colour channels, 0 to 255.
inline double distanza(const QImage& pagina, const Picture& figura, QPointF at)
{
    const QPoint origine(int(std::floor(at.x())), int(std::floor(at.y())));
    QImage atteso(figura.size() + QSize(2, 2), QImage::Format_RGB32);
    atteso.fill(Qt::white);
    {
        QPainter p(&atteso);
        p.setRenderHint(QPainter::Antialiasing);
        figura.paint(p, QRectF(at - QPointF(origine), QSizeF(figura.size())));
    }
    double somma = 0;
    for (int y = 0; y < atteso.height(); ++y)
        for (int x = 0; x < atteso.width(); ++x) {
            const QColor a = atteso.pixelColor(x, y);
            const QColor b = pagina.pixelColor(origine.x() + x, origine.y() + y);
            somma += qAbs(a.red() - b.red()) + qAbs(a.green() - b.green()) + qAbs(a.blue() - b.blue());
        }
    return somma / (3.0 * atteso.width() * atteso.height());
}

// Whether the page shows, at place p of exercise k, the picture the preview held there: that
// figure and no other one, or white paper for a blank place. Empty when it does.
inline QString confrontaPosto(const QImage& pagina, const Picture& mostrata, int k, int p, bool destra,
                              QPointF margini = MarginiCode)
{
    const QPointF at = pixel(PaginaScheda::posto(k, p, destra), margini);
    const QString dove = QStringLiteral("exercise %1, %2 set, place %3").arg(k).arg(destra ? "second" : "first").arg(p);
    if (mostrata.isNull())
        return dove + QStringLiteral(": no picture in the preview");
    if (mostrata.id() == FrmFigure::Bianca) {
        // The blank picture is wider than the step to the next place: only what no neighbour
        // reaches must be white.
        const QRect bianco = QRectF(at + QPointF(2, 1), QSizeF(48, 56)).toRect();
        for (int y = bianco.top(); y <= bianco.bottom(); ++y)
            for (int x = bianco.left(); x <= bianco.right(); ++x)
                if (qGray(pagina.pixel(x, y)) < 235)
                    return dove + QStringLiteral(": ink on a blank place at (%1, %2)").arg(x).arg(y);
        return QString();
    }
    const double giusta = distanza(pagina, mostrata, at);
    if (giusta >= 12)
        return dove + QStringLiteral(": %1 from its figure").arg(giusta);
    for (int altra = 1; altra <= FrmFigure::NumeroFigure; ++altra)
        if (altra != mostrata.id() && distanza(pagina, FrmFigure::Image3(altra), at) <= giusta + 15)
            return dove + QStringLiteral(": as close to figure %1 as to its own").arg(altra);
    return QString();
}

// Every place of the page against the page it was printed from; empty when all match.
inline QString confronta(const QImage& pagina, const PaginaScheda& anteprima, QPointF margini = MarginiCode)
{
    if (pagina.isNull())
        return QStringLiteral("no page to look at");
    for (int k = 1; k <= 4; ++k)
        for (int p = 0; p < PaginaScheda::Posti; ++p) {
            const EsercizioPagina& e = anteprima.esercizi[k - 1];
            QString diverso = confrontaPosto(pagina, FrmFigure::Image3(e.figuraIn(p, false)), k, p, false, margini);
            if (diverso.isEmpty() && anteprima.secondi)
                diverso = confrontaPosto(pagina, FrmFigure::Image3(e.figuraIn(p, true)), k, p, true, margini);
            if (!diverso.isEmpty())
                return diverso;
        }
    return QString();
}

} // namespace PaginaStampata
