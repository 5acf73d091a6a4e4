#include "forms/stile.h"

#include <QPainter>
#include <QPainterPath>
#include <QWidget>

namespace {
// A double chevron pointing right, or down, in the text colour.
QIcon frecce(bool giu, const QColor& colore)
{
    QIcon icona;
    for (qreal scala : {1.0, 2.0}) {
        QPixmap pm(QSize(16, 16) * scala);
        pm.setDevicePixelRatio(scala);
        pm.fill(Qt::transparent);
        QPainter p(&pm);
        p.setRenderHint(QPainter::Antialiasing);
        if (giu)
            p.setTransform(QTransform(0, 1, 1, 0, 0, 0)); // mirrored on the diagonal
        p.setPen(QPen(colore, 1.5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        QPainterPath punte;
        for (qreal x : {4.0, 9.0}) {
            punte.moveTo(x, 4);
            punte.lineTo(x + 3.5, 8);
            punte.lineTo(x, 12);
        }
        p.drawPath(punte);
        p.end();
        icona.addPixmap(pm);
    }
    return icona;
}
} // namespace

QIcon Stile::standardIcon(StandardPixmap icona, const QStyleOption* opzione, const QWidget* widget) const
{
    switch (icona) {
    case SP_ToolBarHorizontalExtensionButton:
    case SP_ToolBarVerticalExtensionButton: {
        const QPalette colori = widget ? widget->palette() : standardPalette();
        return frecce(icona == SP_ToolBarVerticalExtensionButton, colori.color(QPalette::WindowText));
    }
    default:
        return QProxyStyle::standardIcon(icona, opzione, widget);
    }
}
