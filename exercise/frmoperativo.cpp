#include "exercise/frmoperativo.h"

#include "platform/controls.h"

frmOperativo::frmOperativo()
    : Form(QStringLiteral("Costruisci l'insieme consecutivo maggiore       "), QSizeF(11910, 8580),
           QColor(255, 192, 255), Placement::Maximized, Layout::Proportional)
{
    Label2 = place(makeLabel(QString(), makeFont("Arial", 14.25, true), QColor(192, 64, 0)), nullptr,
                   QRectF(150, 495, 11850, 495), Kind::Label, QStringLiteral("Label2"));
}
