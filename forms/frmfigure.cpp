#include "forms/frmfigure.h"

#include <array>
#include <optional>

namespace {
std::optional<std::array<Picture, FrmFigure::NumeroFigure + 1>>& catalogo()
{
    static std::optional<std::array<Picture, FrmFigure::NumeroFigure + 1>> c;
    return c;
}
} // namespace

Picture FrmFigure::Image3(int index)
{
    if (index < 0 || index > NumeroFigure)
        return Picture();
    auto& c = catalogo();
    if (!c) {
        c.emplace();
        for (int i = 0; i <= NumeroFigure; ++i)
            (*c)[i] = Picture::fromSvg(QStringLiteral(":/assets/figura%1.svg").arg(i, 2, 10, QLatin1Char('0')), i);
    }
    return (*c)[index];
}

bool FrmFigure::caricato() { return catalogo().has_value(); }

void FrmFigure::scarica() { catalogo().reset(); }
