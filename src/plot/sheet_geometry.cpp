#include "plot/sheet_geometry.h"

#include <cmath>

namespace ohmira {

namespace {
constexpr double upright_room = 1134;   // 20 mm beside the plot for the resistivity labels
constexpr double landscape_room = 1701; // 30 mm for the title lines and the axis labels
constexpr double plot_top_offset = 1134;
} // namespace

std::optional<Sheet_Layout> sheet_layout(const Sheet_Page &page) {
    const double ab_span = static_cast<double>(page.ab2max) - page.ab2min;
    const double rho_span = static_cast<double>(page.rhomax) - page.rhomin;
    const double span = rho_span >= ab_span ? rho_span : ab_span;
    Sheet_Layout l;
    l.upright = page.height > page.width;
    const double room = l.upright ? page.width - page.left - page.right - upright_room
                                  : page.height - page.top - page.bottom - landscape_room;
    if (!(span > 0) || !std::isfinite(room))
        return std::nullopt;
    l.scale = room / (twips_per_mm * span);
    if (!std::isfinite(l.scale) || !(l.scale > 0))
        return std::nullopt;
    l.x0 = page.left;
    l.plot_top = page.top + plot_top_offset;
    l.y0 = l.plot_top + l.scale * twips_per_mm * rho_span;
    l.plot_right = page.left + l.scale * twips_per_mm * ab_span;
    // A negative span on one axis mirrors that axis.
    if (!(ab_span > 0) || !(rho_span > 0))
        return std::nullopt;
    return l;
}

} // namespace ohmira
