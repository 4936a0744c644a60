#include "plot/plot_surface.h"

#include <array>
#include <cmath>

#include "core/sounding.h"
#include "form/settings_values.h"
#include "form/sev_form.h"
#include "platform/printer.h"
#include "plot/sheet_geometry.h"

namespace ohmira {

namespace {

constexpr std::array<Colour, 16> qb_palette = {
    rgb(0, 0, 0),       rgb(0, 0, 128),   rgb(0, 128, 0),   rgb(0, 128, 128),
    rgb(128, 0, 0),     rgb(128, 0, 128), rgb(128, 128, 0), rgb(192, 192, 192),
    rgb(128, 128, 128), rgb(0, 0, 255),   rgb(0, 255, 0),   rgb(0, 255, 255),
    rgb(255, 0, 0),     rgb(255, 0, 255), rgb(255, 255, 0), rgb(255, 255, 255),
};

std::optional<double> number_of(const Variant &v) {
    return v.finite_num();
}

} // namespace

Plot_Surface plot_surface() {
    if (Draw_Mode == "FRMPRINT")
        return Plot_Surface::sheet_page;
    if (Draw_Mode == "IMPRIME")
        return Plot_Surface::printer;
    return Plot_Surface::screen;
}

std::optional<Colour> QBColor(int index) {
    if (index < 0 || index >= static_cast<int>(qb_palette.size()))
        return std::nullopt;
    return qb_palette[static_cast<std::size_t>(index)];
}

Colour plot_colour(const Variant &setting) {
    const auto v = number_of(setting);
    if (!v || *v < 0 || *v > 0xFFFFFF)
        return colour_black;
    return static_cast<Colour>(*v);
}

std::optional<PointTw> sheet_page_point(double x, double y) {
    const auto scale = number_of(Print_Scale);
    const auto x0 = number_of(Print_X0);
    const auto y0 = number_of(Print_Y0);
    if (!scale || !x0 || !y0)
        return std::nullopt;
    const PointTw p{(x - AB2min) * *scale * twips_per_mm + *x0,
                    *y0 - (y - RHOmin) * *scale * twips_per_mm};
    if (!std::isfinite(p.x) || !std::isfinite(p.y))
        return std::nullopt;
    return p;
}

void Curve_Pen::colour(Colour c) {
    colour_ = c;
    if (surface_ == Plot_Surface::sheet_page)
        SEV.VSPrint.PenColor(c);
}

bool Curve_Pen::vertex(double x, double y, bool first) {
    switch (surface_) {
    case Plot_Surface::sheet_page: {
        const auto p = sheet_page_point(x, y);
        if (!p)
            return false;
        SEV.VSPrint.PenColor(colour_);
        if (first)
            SEV.VSPrint.DrawLine(p->x, p->y, p->x, p->y);
        else
            SEV.VSPrint.DrawLine(p->x, p->y);
        return true;
    }
    case Plot_Surface::printer: {
        return first ? Printer.PSet(x, y, colour_) : Printer.LineTo(x, y, colour_);
    }
    case Plot_Surface::screen:
        break;
    }
    return first ? SEV.Bilog.PSet(x, y, colour_) : SEV.Bilog.LineTo(x, y, colour_);
}

} // namespace ohmira
