#pragma once

#include <QColor>

// The colours the windows share: a pink ground, magenta for what has the focus and for the
// curtains, and the inks of titles and values.
namespace Colori {

inline const QColor Rosa(255, 192, 255);
inline const QColor Magenta(255, 128, 255);
inline const QColor Blu(0, 0, 255);
inline const QColor RossoScuro(192, 0, 0);
inline const QColor Rosso(255, 0, 0);
inline const QColor Bianco(255, 255, 255);

} // namespace Colori
