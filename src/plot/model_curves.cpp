// The model drawn over the log-log plot: the computed curve sample by sample, the layered model
// as a staircase and the error of each field point against the curve.
#include <algorithm>
#include <cmath>
#include <optional>

#include "core/app_title.h"
#include "core/forward.h"
#include "core/language.h"
#include "core/sounding.h"
#include "form/settings_values.h"
#include "form/sev_form.h"
#include "platform/dialog_host.h"
#include "platform/runtime_error.h"
#include "plot/loglog_plot.h"
#include "plot/plot_surface.h"

namespace ohmira {

namespace {

constexpr Language_Text Curve_Drawing_Error_Text = {"Erreur lors du tracé de la courbe",
                                                    " Error al trazar curva",
                                                    " Error occurs while Drawing Curve"};
constexpr Language_Text Error_Curve_Drawing_Error_Text = {"Erreur lors du tracé des RMS",
                                                          " Error al trazar los errores de ajuste",
                                                          " Error occurs while drawing RMS"};

// Pen widths of the error curve on the sheet page, before and after each of its points.
constexpr double error_point_pen_width = 10;
constexpr double after_error_point_pen_width = 18;

// Samples of the curve are rows 0..100 of `Curve`.
constexpr int curve_last_row = 100;

// The model has 20 layers; layer 21 is read as the end of the table.
constexpr int steps_layers = 20;

void show_error(const Language_Text &text) {
    MsgBox(by_language(text), vbExclamation, Prog_Title);
}

// The plot's decimal logarithm; nothing for a value that has none.
std::optional<double> plot_log(double v) {
    if (!(v > 0) || !std::isfinite(v))
        return std::nullopt;
    return std::log(v) * Log10_Factor;
}

// A table value in arithmetic; a text that is no representable number counts as 0.
double value_of(const Variant &v) {
    return v.finite_num().value_or(0.0);
}

Colour own_or_superposed(const Variant &own) {
    return plot_colour(Color_Mode != 0 ? own : Superposed_Color);
}

// The curve and the error curve are black on screen whenever the mode is not "NORMAL".
Colour curve_colour(const Variant &own, Plot_Surface surface) {
    if (surface == Plot_Surface::screen && Draw_Mode != "NORMAL")
        return QBColor(Print_QBColor).value_or(colour_black);
    return own_or_superposed(own);
}

// The next vertex of the polyline under way, or the first of a new one while the pen is up. A
// vertex without a position is left out and the polyline breaks there, so that no line runs
// from the vertex before it to the one after.
bool next_vertex(Curve_Pen &pen, std::optional<double> x, std::optional<double> y) {
    if (!x || !y || !pen.vertex(*x, *y, Pen_Up != 0)) {
        Pen_Up = vbTrue;
        return false;
    }
    Pen_Up = 0;
    return true;
}

} // namespace

void Plot_Curve_Point(int k, const Variant &rho) {
    const Plot_Surface surface = plot_surface();
    Curve_Pen pen(surface);
    pen.colour(curve_colour(Curve_Color, surface));
    if (surface == Plot_Surface::screen)
        SEV.Bilog.DrawWidth(1);

    std::optional<double> y;
    try {
        y = plot_log(rho.num());
    } catch (const RuntimeError &) {
        show_error(Curve_Drawing_Error_Text);
        return;
    }
    const double x = (k - 1) * 0.125 + AB2min;
    // A resistivity of 0 or below has no place on the plot: it breaks the curve like a sample
    // outside the window.
    const bool inside = y && AB2min <= x && x < AB2max && RHOmin <= *y && *y < RHOmax;
    if (!inside) {
        Pen_Up = vbTrue;
        return;
    }
    if (!pen.vertex(x, *y, Pen_Up != 0)) {
        show_error(Curve_Drawing_Error_Text);
        return;
    }
    Pen_Up = 0;
}

void Plot_Curve_Point(int k) {
    if (k < 1 || k > curve_last_row + 1)
        return;
    Plot_Curve_Point(k, Curve(k - 1, 1));
}

void Draw_Model_Steps() {
    Curve_Pen pen(plot_surface());
    const Colour colour = own_or_superposed(Model_Color);
    pen.colour(colour);
    Pen_Up = vbTrue;
    double s = AB2min;
    double depth = 0;
    const double low = RHOmin_Value;
    const double high = RHOmax_Value;
    const auto in_window = [&](double r) { return low <= r && r <= high; };

    for (int i = 1; i <= steps_layers; ++i) {
        double r = value_of(Model_Layers(1, i));
        depth += value_of(Model_Layers(2, i));
        double r2 = value_of(Model_Layers(1, i + 1));
        const bool next_in_window = in_window(r2);
        // Until something is drawn, a layer outside the window waits for the next resistivity
        // to come in; a layer inside it is drawn even when the next one lies outside.
        if (depth >= AB2min_Value && (Pen_Up == 0 || in_window(r) || next_in_window)) {
            if (r2 < low)
                r2 = low - 0.001;
            else if (r2 > high)
                r2 = high + 0.001;
            if (r < low || r > high) {
                r = r < low ? low : high;
                if (const auto d = plot_log(depth))
                    s = *d;
            }
            if (depth > AB2max_Value)
                depth = AB2max_Value;
            pen.colour(colour);
            if (Pen_Up != 0)
                next_vertex(pen, s, plot_log(r));
            next_vertex(pen, plot_log(depth), plot_log(r));
            next_vertex(pen, plot_log(depth), plot_log(r2));
            if (!(value_of(Model_Layers(2, i + 1)) > 0)) {
                // The half-space runs out to the right border.
                next_vertex(pen, static_cast<double>(AB2max), plot_log(r2));
                break;
            }
        }
        if (!next_in_window)
            Pen_Up = vbTrue;
    }
    SEV.Bilog.DrawWidth(1);
}

void Draw_Error_Curve() {
    const int points = std::min<int>(Nb_Points, Last_Field_Row);

    // The search only moves forward: field points come in increasing spacing.
    int j0 = 1;
    for (int i = 1; i <= points; ++i) {
        const double a = value_of(Field_Data(i, 1));
        const double rho = value_of(Field_Data(i, 2));
        const int found = find_curve_bracket(j0, a);
        if (found == 0) {
            Curve(i, 3) = 0.001;
            continue;
        }
        j0 = found;
        const auto model = field_model_value(i);
        const double error = model && rho != 0 ? 100 * std::fabs(rho - *model) / rho : NAN;
        // Without a relative error no value of an earlier curve may stand in.
        if (std::isfinite(error))
            Curve(i, 3) = error;
        else
            Curve(i, 3).clear();
    }

    const Plot_Surface surface = plot_surface();
    Curve_Pen pen(surface);
    Pen_Up = vbTrue;
    pen.colour(curve_colour(Error_Color, surface));
    double x = 0;
    double y = 0;
    for (int i = 1; i <= points; ++i) {
        if (const auto e = plot_log(value_of(Curve(i, 3))))
            y = *e + RHOmin;
        if (const auto l = plot_log(value_of(Field_Data(i, 1))))
            x = *l;
        if (!(AB2min <= x && x < AB2max)) {
            Pen_Up = vbTrue;
            continue;
        }
        // Errors under 1 % lie on the bottom border.
        y = std::max(y, static_cast<double>(RHOmin));
        if (surface == Plot_Surface::sheet_page)
            SEV.VSPrint.PenWidth(error_point_pen_width);
        if (!next_vertex(pen, x, y)) {
            show_error(Error_Curve_Drawing_Error_Text);
            return;
        }
        if (surface == Plot_Surface::sheet_page)
            SEV.VSPrint.PenWidth(after_error_point_pen_width);
    }
}

void Draw_Point_Mark(double spacing, double rho) {
    const auto x = plot_log(spacing);
    const auto y = plot_log(rho);
    if (!x || !y)
        return;
    const double m = value_of(Mark_Size);
    const Colour colour = Color_Mode != 0 ? rgb(255, 0, 0) : plot_colour(Superposed_Color);
    SEV.Bilog.Line(*x - m, *y - m, *x + m, *y + m, colour, LineShape::Box);
}

} // namespace ohmira
