#include "profiles/section_drawing.h"

#include "core/app_title.h"
#include "form/sev_form.h"
#include "platform/dialog_host.h"
#include "platform/number_text.h"
#include "profiles/profile_sounding.h"
#include "profiles/profile_values.h"
#include "profiles/section_geometry.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <string>
#include <vector>

namespace ohmira {

namespace {
constexpr int max_layers = 20;

// Page x and y of the left edge and top of each layer of one column; 0 for a layer it lacks.
struct LayerTop {
    double x = 0;
    double y = 0;
};
using LayerTops = std::array<LayerTop, max_layers + 1>; // index 1..20

SectionFrame section_frame() {
    const VSPrinter &vp = SEV.VSPrint1;
    return {vp.MarginLeft(), vp.MarginTop(), Profile_X_Twips, Profile_Z_Twips,
            static_cast<double>(Profile_Top_Alt)};
}

Colour colour_of(int rgb) {
    return Colour(static_cast<std::uint32_t>(rgb));
}

int page_mm(double twips) {
    const auto v = CInt(twips / twips_per_mm);
    return v ? *v : 0;
}

void page_fit_checks() {
    const VSPrinter &vp = SEV.VSPrint1;
    const int reserve = SEV.Check1.Value() == 1 ? 60 : 0;
    const double width = page_mm(vp.PageWidth()) - reserve - vp.MarginLeft() / twips_per_mm -
                         vp.MarginRight() / twips_per_mm;
    if (width < box_value(SEV.Text5.Text()))
        MsgBox("Plot width too big !", vbCritical + vbOKOnly, Prog_Title);
    const double height =
        page_mm(vp.PageHeight()) - vp.MarginTop() / twips_per_mm - vp.MarginBottom() / twips_per_mm;
    if (height < box_value(SEV.Text6.Text()))
        MsgBox("Plot height too big !", vbCritical + vbOKOnly, Prog_Title);
}

std::string grid_text(int row, int col) {
    const FlexGrid &g = SEV.SEV_Grid;
    return g.has_cell(row, col) ? g.TextMatrix(row, col) : std::string();
}

// The row of a file that could not be read at the selection has no place on the line.
bool unlocated(int row) {
    return grid_text(row, 4).empty() && grid_text(row, 6).empty();
}

void draw_title(VSPrinter &vp, const SectionFrame &f) {
    vp.CurrentX(f.left_margin);
    vp.CurrentY(f.top_margin);
    vp.FontBold(true);
    vp.FontSize(13);
    vp.Text(SEV.Text10.Text());
}

void draw_topography(VSPrinter &vp, const SectionFrame &f) {
    vp.PenStyle(0);
    vp.PenWidth(10);
    vp.PenColor(colour_of(SEV.Text9.BackColor()));
    std::vector<PointTw> points;
    for (int i = 1; i < SEV.SEV_Grid.Rows(); ++i) {
        if (unlocated(i))
            continue;
        const double x = round_half_even(f.x_of(box_value(grid_text(i, 6))));
        const double y = round_half_even(f.y_of(box_value(grid_text(i, 4))));
        points.push_back({x, y});
        points.push_back({x + Profile_Column_Width, y});
    }
    if (points.size() >= 2)
        vp.Polyline(points);
    vp.PenColor(colour_black);
}

double elevation_x_end(const SectionFrame &f) {
    return f.left_margin + box_value(SEV.Text5.Text()) * twips_per_mm + Profile_Column_Width + 1000;
}

void draw_elevation_lines(VSPrinter &vp, const SectionFrame &f) {
    const double x_start = f.left_margin - 300;
    const double x_end = elevation_x_end(f);
    const auto from = CLng(Profile_Top_Alt - 10.0);
    const auto to = CLng(Profile_Low_Alt - 10);
    if (!from || !to)
        return;
    // A wild altitude in a file must not make the page a million lines long.
    constexpr long max_lines = 10000;
    const long lowest = std::max<long>(*to, *from - 10 * max_lines);
    for (long a = *from; a >= lowest; a -= 10) {
        vp.PenColor(colour_of(0xE0E0E0));
        vp.PenStyle(0);
        vp.PenWidth(0);
        const double y = f.y_of(static_cast<double>(a));
        vp.DrawLine(x_start, y, x_end, y);
        vp.CurrentX(x_end + 200);
        vp.CurrentY(y - 100);
        vp.FontBold(false);
        vp.FontSize(8);
        vp.PenColor(colour_black);
        vp.Text(Str(static_cast<double>(a)) + " m");
    }
}

void draw_scale_caption(VSPrinter &vp, const SectionFrame &f) {
    vp.CurrentX(elevation_x_end(f) / 2 - 1000);
    vp.CurrentY(vp.PageHeight() - 1999);
    vp.FontBold(true);
    vp.FontSize(13);
    vp.Text("X_scale = 1/ " + SEV.Text14.Text() + "  Z_scale = 1/ " + SEV.Text13.Text());
}

void draw_column_label(VSPrinter &vp, const SectionFrame &f, int i, double z, double d) {
    vp.CurrentX(f.x_of(d));
    vp.CurrentY(f.y_of(z + 7));
    vp.FontBold(true);
    vp.FontSize(10);
    const auto angle = CInt(box_value(SEV.Text17.Text()) * 10);
    vp.TextAngle(angle ? *angle : 0);
    if (SEV.Check7.Value() == 1)
        vp.Text(column_label(grid_text(i, 1)));
    if (SEV.Check9.Value() == 1 && i % 10 == 0)
        vp.Text(Str(i));
    vp.TextAngle(0);
    vp.FontBold(false);
}

// Draws the layers of one sounding and returns the tops of its layers.
LayerTops draw_column(const ProfileSounding &s, double z, double d) {
    LayerTops tops{};
    const double depth_l = investigation_depth(s.last_spacing_raw, wenner_selected());
    double depth = 0, previous_bottom = 0;
    for (int j = 1; j <= max_layers; ++j) {
        const ProfileLayer &layer = s.layers[static_cast<size_t>(j - 1)];
        double rho = layer.rho;
        if (rho == 0)
            break;
        depth += layer.thickness;
        if (layer.thickness == 0) {
            depth = half_space_bottom(depth, depth_l, s.last_spacing_raw);
            Profile_Low_Alt = std::min(Profile_Low_Alt, z - depth);
        }
        double top = j == 1 ? Profile_Top_Alt - z : previous_bottom;
        double bottom = (Profile_Top_Alt - z) + depth;
        previous_bottom = bottom;
        double x = d;
        Trace_Rectangle(x, top, bottom, rho);
        tops[static_cast<size_t>(j)] = {x, top};
    }
    return tops;
}

void draw_correlation(VSPrinter &vp, const LayerTops &previous, const LayerTops &current) {
    for (int j = 2; j <= max_layers; ++j) {
        const LayerTop &p = previous[static_cast<size_t>(j)];
        const LayerTop &c = current[static_cast<size_t>(j)];
        if (p.x == 0 || c.x == 0 || p.y == 0 || c.y == 0)
            break;
        vp.PenColor(colour_of(SEV.Text15.BackColor()));
        vp.PenWidth(5);
        vp.DrawLine(p.x + Profile_Column_Width, p.y, c.x, c.y);
        vp.PenColor(colour_black);
    }
}

void draw_legend(VSPrinter &vp, const SectionFrame &f) {
    const double x_left =
        f.left_margin + box_value(SEV.Text5.Text()) * twips_per_mm + Profile_Column_Width + 2500;
    const double x_right = x_left + 600;
    for (int k = 1; k <= class_count; ++k) {
        const TextBox &box = *SEV.class_box(k);
        const double y = f.top_margin + 200.0 * k;
        vp.BrushStyle(0);
        vp.BrushColor(colour_of(box.BackColor()));
        vp.DrawRectangle(x_left, y, x_right, y + 200);
        vp.CurrentX(x_right + 100);
        vp.CurrentY(y + 100);
        vp.FontBold(false);
        vp.FontSize(8);
        vp.Text(legend_label(box.Text()));
    }
    vp.CurrentX(x_left);
    vp.CurrentY(f.top_margin);
    vp.FontBold(true);
    vp.FontSize(8);
    vp.Text("Ohm . m");
    vp.FontBold(false);
}
} // namespace

void set_profile_column_width() {
    const double width_mm = box_value(SEV.Text8.Text());
    const bool fill = SEV.Check8.Value() != 0;
    if (!fill && width_mm > 0)
        Profile_Last_Fixed_Width = width_mm;
    Profile_Column_Width = column_width(fill, width_mm, box_value(SEV.Text5.Text()),
                                        SEV.SEV_Grid.Rows(), Profile_Last_Fixed_Width);
}

void Trace_Rectangle(double &x, double &top, double &bottom, double &rho) {
    VSPrinter &vp = SEV.VSPrint1;
    const int k = colour_class(rho, box_value(SEV.Text11.Text()), box_value(SEV.Text12.Text()));
    const int colour = k > 0 ? SEV.class_box(k)->BackColor() : 0;
    set_profile_column_width();
    const SectionFrame f = section_frame();
    x = f.x_of(x);
    const double right = x + Profile_Column_Width;
    top = f.y_below_top(top);
    bottom = f.y_below_top(bottom);
    vp.BrushStyle(0);
    vp.BrushColor(colour_of(colour));
    vp.DrawRectangle(x, top, right, bottom);
    vp.CurrentX(right + 10);
    vp.CurrentY((top + bottom) / 2 - 50);
    vp.FontBold(false);
    vp.FontSize(8);
    if (SEV.Check3.Value() == 1)
        vp.Text(resistivity_label(rho));
}

void Trace_Profil() {
    if (Profile_X_Twips == 0 || Profile_Z_Twips == 0)
        return;
    VSPrinter &vp = SEV.VSPrint1;
    page_fit_checks();
    set_profile_column_width();

    vp.StartDoc();
    vp.PenStyle(0);
    vp.PenWidth(10);
    vp.PenColor(colour_black);
    vp.BrushStyle(1);
    vp.BrushColor(colour_black);
    const SectionFrame f = section_frame();

    draw_title(vp, f);
    if (SEV.Check2.Value() == 1)
        draw_topography(vp, f);
    if (SEV.Check4.Value() == 1)
        draw_elevation_lines(vp, f);
    if (SEV.Check6.Value() == 1)
        draw_scale_caption(vp, f);

    LayerTops tops{};
    for (int i = 1; i < SEV.SEV_Grid.Rows(); ++i) {
        if (unlocated(i)) {
            tops = LayerTops{};
            continue;
        }
        const double z = box_value(grid_text(i, 4));
        const double d = box_value(grid_text(i, 6));
        draw_column_label(vp, f, i, z, d);
        const LayerTops previous = tops;
        tops = LayerTops{};
        // A file that cannot be read leaves its column empty.
        if (const auto s = read_profile_sounding(Profile_Folder + grid_text(i, 1)))
            tops = draw_column(*s, z, d);
        if (SEV.Check5.Value() == 1 && i > 1)
            draw_correlation(vp, previous, tops);
    }
    if (SEV.Check1.Value() == 1)
        draw_legend(vp, f);
    vp.EndDoc();
}

} // namespace ohmira
