#include "plot/loglog_plot.h"
#include "form/applied_array.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <optional>

#include "core/forward.h"
#include "core/sounding.h"
#include "form/settings_values.h"
#include "form/sev_form.h"
#include "platform/number_text.h"
#include "platform/runtime_error.h"
#include "plot/plot_surface.h"

namespace ohmira {

namespace {

constexpr Colour label_dot_colour = rgb(192, 192, 192);
// Largest decade exponent whose power of ten a double holds.
constexpr std::int64_t max_window_exponent = 307;

// Spacing and resistivity of a field row when both are positive numbers; a point without a
// logarithm is left out of the drawing rather than ending it.
std::optional<std::pair<double, double>> field_point(int row) {
    try {
        const double a = Field_Data(row, 1).num();
        const double r = Field_Data(row, 2).num();
        if (a > 0 && r > 0 && std::isfinite(a) && std::isfinite(r))
            return std::pair{a, r};
    } catch (const RuntimeError &) {
    }
    return std::nullopt;
}

const char *spacing_title() {
    if (Schlumberger_Applied())
        return "   AB/2 [m]";
    if (Dipole_Applied())
        return "   AM [m]";
    return "   a [m]";
}

// The point's label: its top-left corner at (x, y), marked by a light-grey dot.
void label_at(PictureBox &plot, double x, double y, const std::string &text) {
    plot.PSet(x, y, label_dot_colour);
    plot.Print(text);
}

} // namespace

void reset_plot_state() {
    Mark_Size.clear();
}

void Draw_Bilog_Frame() {
    PictureBox &plot = SEV.Bilog;
    plot.MousePointer(vbHourglass);
    plot.DrawWidth(1);
    const Colour minor = plot_colour(Color_Mode ? Grid_Color : Superposed_Color);
    plot.Cls();

    // Whole decades, formed in 64 bits: RHOmax is 32-bit and the sum must not wrap.
    const std::int64_t dx_whole = std::int64_t{AB2max} - AB2min;
    const std::int64_t dy_whole = std::int64_t{RHOmax} - RHOmin;
    const double dx = static_cast<double>(dx_whole);
    const double dy = static_cast<double>(dy_whole);
    Mark_Size = 0.0018 * static_cast<double>(dx_whole + dy_whole);
    // A bound whose power of ten is beyond the number range has no label and no position: the
    // plot stays empty, as a drawing stopped by an overflow would.
    for (const std::int64_t e :
         {std::int64_t{AB2min}, std::int64_t{AB2max}, std::int64_t{RHOmin}, std::int64_t{RHOmax}}) {
        if (e < -max_window_exponent || e > max_window_exponent) {
            plot.MousePointer(vbCrosshair);
            return;
        }
    }

    plot.Scale(AB2min - 0.02 * dx + 0.0001, RHOmax + 0.025 * dy + 0.0001, AB2max + 0.1 * dx,
               RHOmin - 0.1 * dy);
    plot.Line(AB2min, RHOmax, AB2max, RHOmin, colour_white, LineShape::FilledBox);
    plot.Line(AB2min, RHOmax, AB2max, RHOmin, colour_black, LineShape::Box);
    plot.DrawStyle(0);

    for (std::int64_t i = AB2min; i <= AB2max; ++i) {
        const double x = static_cast<double>(i);
        plot.Line(x, RHOmin, x, RHOmax);
        label_at(plot, x, RHOmin - 0.003 * dy, Str(std::pow(10.0, x)));
    }
    for (std::int64_t j = RHOmin; j <= RHOmax; ++j)
        plot.Line(AB2min, static_cast<double>(j), AB2max, static_cast<double>(j));
    for (std::int64_t j = std::int64_t{RHOmin} + 1; j <= RHOmax; ++j) {
        const double y = static_cast<double>(j);
        label_at(plot, AB2max + 0.0025 * dx, y, Str(std::pow(10.0, y)));
    }
    label_at(plot, AB2max + 0.0025 * dx, RHOmax - 0.05 * dy, " [ohm·m]");
    label_at(plot, AB2min + 0.15, RHOmin - 0.003 * dy, spacing_title());

    // Minor lines at 2..9 times each power of ten, counted from the decade's lower edge.
    for (std::int64_t i = std::int64_t{AB2min} + 1; i <= AB2max; ++i) {
        for (int k = 2; k <= 9; ++k) {
            const double x =
                std::log(k * std::pow(10.0, static_cast<double>(i))) * Log10_Factor - 1;
            plot.Line(x, RHOmin, x, RHOmax, minor);
        }
    }
    for (std::int64_t j = std::int64_t{RHOmin} + 1; j <= RHOmax; ++j) {
        for (int k = 2; k <= 9; ++k) {
            const double y =
                std::log(k * std::pow(10.0, static_cast<double>(j))) * Log10_Factor - 1;
            plot.Line(AB2min, y, AB2max, y, minor);
        }
    }

    if (Draw_Mode != "FIELD") {
        const double m = Mark_Size.num();
        const Colour points = plot_colour(Points_Color);
        const int last = std::min<int>(Nb_Points, Last_Field_Row);
        for (int i = 1; i <= last; ++i) {
            const auto p = field_point(i);
            if (!p)
                continue;
            const auto [a, r] = *p;
            if (a < AB2min_Value || a > AB2max_Value || r < RHOmin_Value || r > RHOmax_Value)
                continue;
            const double x = std::log(a) * Log10_Factor;
            const double y = std::log(r) * Log10_Factor;
            plot.Line(x - m, y - m, x + m, y + m, points, LineShape::Box);
        }
    }

    plot.DrawWidth(1);
    plot.MousePointer(vbCrosshair);
}

} // namespace ohmira
