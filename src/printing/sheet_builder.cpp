#include "printing/sheet_builder.h"
#include "form/applied_array.h"
#include "plot/forward_commands.h"

#include <array>
#include <cmath>
#include <cstdint>

#include "core/forward.h"
#include "core/language.h"
#include "core/sounding.h"
#include "editor/model_grid.h"
#include "form/settings_values.h"
#include "form/sev_form.h"
#include "platform/number_text.h"
#include "platform/text_metrics.h"
#include "plot/loglog_plot.h"
#include "plot/plot_surface.h"
#include "plot/sheet_geometry.h"
#include "printing/report_labels.h"
#include "printing/sheet_preview.h"

namespace ohmira {

namespace {

constexpr int last_layer_slot = 21;
constexpr int last_field_row = 51;
constexpr int stored_layers = 20;
constexpr double x_label_offset_x = 100;
constexpr double x_label_offset_y = 113.4;
constexpr double y_label_offset_x = 56.7;
constexpr double y_label_offset_y = 198.45;
constexpr double x_title_decades = 0.6;
constexpr double y_title_decades = 0.2;
constexpr double mark_half_side = 35;
constexpr int grid_pen = 1, decade_pen = 10, point_pen = 12, curve_pen = 18, frame_pen = 18;
constexpr const char *footer_text = "||Brenkal / Ohmira 6.5";

constexpr const char *model_format_altitude = ">+1100|>+1328|>+1291|>+1450;";
constexpr const char *model_header_altitude = "[ohm·m]|[m]|[m]|[m];";
constexpr const char *model_format_plain = ">+1200|>+1228|>+1191;";
constexpr const char *model_header_plain = "[ohm·m]|[m]|[m];";

// The field page's column titles and data columns by array type.
struct Field_Columns {
    const char *title_format;
    const char *titles; // the resistivity word follows
    const char *data_format;
    const char *units;
    const char *pasi_units;
};
constexpr Field_Columns schlumberger_columns{
    ">+750|>+1220|>+1220|>+940|>+1200|>+1580;", "MN/2|AB/2|DeltaV|I|K|",
    ">+630|>+1220|>+1220|>+1220|>+1220|>+1220;", "[m]|[m]|[mV]|[mA]|[-]|[ohm·m];",
    "[m]|[m]|[µV]|[µA]|[-]|[ohm·m];"};
constexpr Field_Columns dipole_columns{
    ">+650|>+1220|>+1320|>+940|>+1200|>+1580;", "BN|AM|DeltaV|I|K|",
    ">+630|>+1220|>+1220|>+1220|>+1220|>+1220;", "[m]|[m]|[mV]|[mA]|[-]|[ohm·m];",
    "[m]|[m]|[µV]|[µA]|[-]|[ohm·m];"};
constexpr Field_Columns wenner_columns{">+600|>+1370|>+940|>+1200|>+1580;", "a|DeltaV|I|K|",
                                       ">+630|>+1220|>+1220|>+1220|>+1220;",
                                       "[m]|[mV]|[mA]|[-]|[ohm·m];", "[m]|[µV]|[µA]|[-]|[ohm·m];"};
// Field_Data columns of a data row.
constexpr std::array<int, 6> four_electrode_cells{3, 1, 4, 6, 5, 2};
constexpr std::array<int, 5> wenner_cells{1, 4, 6, 5, 2};

const char *resistivity_word() {
    if (Lang_French)
        return "Résistivité";
    if (Lang_Spanish)
        return "Resistividad";
    if (Lang_German)
        return "Resistivität";
    return "Resistivity";
}

double value(const Variant &v) {
    return v.finite_num().value_or(0);
}

std::string report_label(std::int16_t code) {
    std::string text;
    Get_Report_Label(code, text);
    return text;
}

const char *x_axis_title() {
    if (Schlumberger_Applied())
        return "   AB/2 [m]";
    if (Dipole_Applied())
        return "   AM [m]";
    return "   a [m]";
}

void print_at(double x, double y, const std::string &text) {
    VSPrinter &P = SEV.VSPrint;
    P.CurrentX(x);
    P.CurrentY(y);
    P.Print(text);
}

// The sheet title and the graph title; with `shift_note` also the note on smoothed shifts.
void title_block(const Sheet_Layout &l, bool shift_note) {
    VSPrinter &P = SEV.VSPrint;
    P.FontBold(true);
    P.FontSize(13);
    print_at(l.x0, P.MarginTop() + title_offset, Sheet_Title);
    P.FontBold(false);
    P.FontSize(12);
    print_at(l.x0, l.plot_top - graph_title_offset, Graph_Title);
    if (shift_note && Shift_Compensation == 1) {
        P.FontItalic(true);
        P.FontSize(10);
        print_at(l.plot_right - shift_note_offset_x, l.plot_top - shift_note_offset_y,
                 report_label(label_shift_note));
        P.FontItalic(false);
        P.FontSize(12);
    }
}

void decade_grid(const Sheet_Layout &l) {
    VSPrinter &P = SEV.VSPrint;
    P.PenWidth(grid_pen);
    P.PenColor(plot_colour(Grid_Color));
    const int ab_span = AB2max - AB2min;
    const long rho_span = RHOmax - RHOmin;
    for (int i = 1; i <= ab_span; ++i)
        for (int k = 2; k <= 9; ++k) {
            const double d = std::log(k * std::pow(10.0, i)) * Log10_Factor - 1;
            P.DrawLine(l.x_at(d), l.plot_top, l.x_at(d), l.y0);
        }
    for (long j = 1; j <= rho_span; ++j)
        for (int k = 2; k <= 9; ++k) {
            const double d =
                std::log(k * std::pow(10.0, static_cast<double>(j))) * Log10_Factor - 1;
            P.DrawLine(l.x0, l.y_at(d), l.plot_right, l.y_at(d));
        }
}

void decades_and_labels(const Sheet_Layout &l) {
    VSPrinter &P = SEV.VSPrint;
    P.PenColor(colour_black);
    P.PenWidth(decade_pen);
    P.FontSize(12);
    const double label_y = l.y0 + x_label_offset_y;
    for (int i = 0; i <= AB2max - AB2min; ++i) {
        P.DrawLine(l.x_at(i), l.plot_top, l.x_at(i), l.y0);
        print_at(l.x_at(i) - x_label_offset_x, label_y, Str(std::pow(10.0, AB2min + i)));
    }
    // The axis title goes where the last label left the cursor: the line below the labels, so
    // that it never runs into the last of them.
    P.FontSize(11);
    P.CurrentX(l.plot_right - twips_per_mm * x_title_decades * l.scale);
    P.Print(x_axis_title());
    P.FontSize(12);
    const double step = twips_per_mm * l.scale;
    for (long j = 0; j <= RHOmax - RHOmin; ++j) {
        P.DrawLine(l.x0, l.plot_top + step * j, l.plot_right, l.plot_top + step * j);
        print_at(l.plot_right + y_label_offset_x, l.y_at(static_cast<double>(j)) - y_label_offset_y,
                 Str(std::pow(10.0, static_cast<double>(RHOmin + j))));
    }
    P.FontSize(11);
    print_at(l.plot_right + y_label_offset_x, l.plot_top + step * y_title_decades, "[ohm·m]");
    P.FontSize(12);
}

void field_points(const Sheet_Layout &l) {
    VSPrinter &P = SEV.VSPrint;
    P.PenColor(plot_colour(Points_Color));
    P.PenWidth(point_pen);
    for (int r = 1; r <= Nb_Points && r <= last_field_row; ++r) {
        const double ab = value(Field_Data(r, 1)), rho = value(Field_Data(r, 2));
        // No logarithm for a point without spacing or resistivity.
        if (!(ab > 0) || !(rho > 0))
            continue;
        if (ab < AB2min_Value || ab > AB2max_Value || rho < RHOmin_Value || rho > RHOmax_Value)
            continue;
        const double x = l.x_at(std::log(ab) * Log10_Factor - AB2min);
        const double y = l.y_at(std::log(rho) * Log10_Factor - RHOmin);
        P.DrawRectangle(x - mark_half_side, y - mark_half_side, x + mark_half_side,
                        y + mark_half_side);
    }
}

void draw_current_model_curves() {
    Compute_Curve();
    if (Draw_Model == 1)
        Draw_Model_Steps();
    if (Draw_RMS == 1)
        Draw_Error_Curve();
}

// The stored models in the superposed colour, then the current model in its own colours. The
// model in memory, its altitudes and its curve are put back afterwards, so the sheet never
// leaves a stored model in place of the one on screen.
void model_curves(bool plot) {
    // Row 0 holds the first sample.
    const bool curve_computed = value(Curve(0, 1)) > 0;
    const auto saved_layers = Model_Layers;
    const auto saved_count = Nb_Layers;
    const auto saved_altitude = Layer_Altitude;
    const auto saved_curve = Curve;
    const auto saved_last = Curve_Last;
    const auto saved_flags = std::array{Curve_Done, Curve_Valid, Plot_Empty};

    Draw_Mode = "FRMPRINT";
    SEV.VSPrint.PenWidth(curve_pen);
    Misfit = 0;
    Color_Mode = 0;
    const int stash = Nb_Superposed + 1;
    if (stash <= last_layer_slot && value(Superposed_Models(stash, 1, 1)) == 0) {
        for (int i = 1; i <= stored_layers; ++i) {
            Superposed_Models(stash, 1, i) = Model_Layers(1, i);
            Superposed_Models(stash, 2, i) = Model_Layers(2, i);
        }
        Superposed_Layers(stash) = Nb_Layers;
    }
    if (plot && Superpose == 1) {
        for (int s = 1; s <= Nb_Superposed + Superposed_Shown && s <= last_layer_slot; ++s) {
            for (int i = 1; i <= stored_layers; ++i) {
                Model_Layers(1, i) = Superposed_Models(s, 1, i);
                Model_Layers(2, i) = Superposed_Models(s, 2, i);
            }
            Nb_Layers = Superposed_Layers(s);
            draw_current_model_curves();
        }
    }
    Color_Mode = vbTrue;
    Model_Layers = saved_layers;
    Nb_Layers = saved_count;
    if (plot && curve_computed)
        draw_current_model_curves();
    Model_Layers = saved_layers;
    Nb_Layers = saved_count;
    Layer_Altitude = saved_altitude;
    if (!curve_computed) {
        Curve = saved_curve;
        Curve_Last = saved_last;
        Curve_Done = saved_flags[0];
        Curve_Valid = saved_flags[1];
        Plot_Empty = saved_flags[2];
    }
    Misfit = 0;
}

void frame(const Sheet_Layout &l) {
    VSPrinter &P = SEV.VSPrint;
    P.PenColor(colour_black);
    P.PenWidth(frame_pen);
    P.DrawRectangle(l.x0, l.y0, l.plot_right, l.plot_top);
    P.PenWidth(decade_pen);
}

std::string altitude_text(double z, double depth) {
    const double unit = Decimals_Mode == 2 ? 100 : 10;
    return Format_Decimals(round_half_even((z - depth) * unit) / unit);
}

void location_line(double base) {
    if (X_Coord.empty() || Y_Coord.empty())
        return;
    std::string line = report_label(label_location) + "X = " + X_Coord + "    Y = " + Y_Coord;
    if (!Azimuth.empty())
        line += "    Z = " + Z_Coord + "    Azim = " + Azimuth;
    else if (!Z_Coord.empty())
        line += "    Z = " + Z_Coord;
    SEV.VSPrint.FontBold(true);
    print_at(SEV.VSPrint.MarginLeft(), base + location_offset, line);
}

void model_block(const Sheet_Layout &l, double base) {
    if (!(value(Field_Data(2, 2)) > 0))
        return;
    VSPrinter &P = SEV.VSPrint;
    P.FontBold(true);
    print_at(l.x0, base + model_caption_offset, report_label(label_model));
    Model_Layers(3, 1) = 0;
    const bool with_altitude = Val(Z_Coord) > 0;
    print_at(
        l.x0, base + model_columns_offset,
        report_label(with_altitude ? label_columns_with_altitude : label_columns_without_altitude));
    P.FontBold(false);
    P.CurrentX(l.x0);
    P.CurrentY(base + model_table_offset);
    P.TableBorder(tbNone);
    P.StartTable();
    P.TableSetting(25, 0);
    const char *format = with_altitude ? model_format_altitude : model_format_plain;
    const char *header = with_altitude ? model_header_altitude : model_header_plain;
    const std::string body = model_table_body(with_altitude);
    // One call per row, appended to the open table.
    std::size_t start = 0;
    for (std::size_t end = body.find(';'); end != std::string::npos;
         start = end + 1, end = body.find(';', start))
        P.AddTable(format, header, body.substr(start, end - start + 1));
    P.EndTable();
}

// The comment, wrapped within the margins. One line stands at the limit 10 mm above the bottom
// margin; more lines rise so that the last ends above the margin, where the footer is. Without
// room above the limit the comment follows on the next line, and a line that would then cross
// the margin goes to a new page.
void comment_block(double x0) {
    VSPrinter &P = SEV.VSPrint;
    const double page_bottom = P.PageHeight() - P.MarginBottom();
    const std::vector<std::string> lines =
        wrap_text(Comment, P.PageWidth() - P.MarginRight() - x0,
                  [](std::string_view text) { return SEV.VSPrint.TextWidth(text); });
    const double line = P.TextHeight();
    const double top =
        text_block_start(page_bottom - comment_room, lines.size(), line, page_bottom);
    if (P.CurrentY() < top)
        P.CurrentY(top);
    for (std::size_t i = 0; i < lines.size(); ++i) {
        if (i > 0 && P.CurrentY() + line > page_bottom)
            P.NewPage();
        P.CurrentX(x0);
        P.Print(lines[i]);
    }
}

const Field_Columns &field_columns() {
    if (Schlumberger_Applied())
        return schlumberger_columns;
    if (Dipole_Applied())
        return dipole_columns;
    return wenner_columns;
}

void field_page(const Sheet_Layout &l) {
    VSPrinter &P = SEV.VSPrint;
    title_block(l, true);
    print_at(l.x0, l.plot_top + field_caption_offset, report_label(label_field_data));
    const Field_Columns &titles = field_columns();
    // Wenner's five data columns follow Option3 alone, as the titles follow Option1/Option2.
    const Field_Columns &data = Wenner_Applied() ? wenner_columns : schlumberger_columns;
    P.CurrentX(l.x0);
    P.CurrentY(l.plot_top + field_titles_offset);
    P.AddTable(titles.title_format, std::string(titles.titles) + resistivity_word() + ";", "");
    P.CurrentX(l.x0);
    P.CurrentY(l.plot_top + field_table_offset);
    P.TableBorder(tbNone);
    P.StartTable();
    P.TableSetting(25, 0);
    P.FontBold(false);
    const char *units = Data_Source == "PASI" ? data.pasi_units : data.units;
    const std::string body = field_table_body();
    if (body.empty())
        P.AddTable(data.data_format, units, "");
    std::size_t start = 0;
    for (std::size_t end = body.find(';'); end != std::string::npos;
         start = end + 1, end = body.find(';', start))
        P.AddTable(data.data_format, units, body.substr(start, end - start + 1));
    P.EndTable();
}

} // namespace

std::string model_table_body(bool with_altitude) {
    const double z = Val(Z_Coord);
    auto row = [&](int i, bool thickness, bool depth) {
        std::string cells = Str(Model_Layers(1, i)) + "|";
        cells += thickness ? Format_Decimals(value(Model_Layers(2, i))) : "";
        cells += "|";
        cells += depth ? Format_Decimals(value(Model_Layers(3, i))) : "";
        if (with_altitude)
            cells += "|" + altitude_text(z, i == 1 ? 0 : value(Model_Layers(3, i)));
        return cells + ";";
    };
    std::string body = row(1, true, false);
    int i = 2;
    for (; i < last_layer_slot && value(Model_Layers(2, i)) > 0; ++i)
        body += row(i, true, true);
    body += row(i, false, true);
    return body;
}

std::string field_table_body() {
    std::string body;
    const bool wenner = Wenner_Applied();
    for (int r = 1; r <= Nb_Points && r <= last_field_row; ++r) {
        if (r > 1 && !(value(Field_Data(r, 2)) > 0))
            break;
        std::string row;
        const auto add = [&](int column) {
            row += (row.empty() ? "" : "|") + Str(Field_Data(r, column));
        };
        if (wenner)
            for (int c : wenner_cells)
                add(c);
        else
            for (int c : four_electrode_cells)
                add(c);
        body += row + ";";
    }
    return body;
}

void Build_Sheet() {
    VSPrinter &P = SEV.VSPrint;
    P.Redraw(false);
    P.BrushStyle(static_cast<int>(BrushStyle::Transparent));
    const Sheet_Page page{
        P.PageWidth(),    P.PageHeight(), P.MarginLeft(), P.MarginRight(), P.MarginTop(),
        P.MarginBottom(), AB2min,         AB2max,         RHOmin,          RHOmax};
    const std::optional<Sheet_Layout> plot = sheet_layout(page);
    // Without room for a plot the text blocks follow the title lines.
    Sheet_Layout l;
    if (plot) {
        l = *plot;
        Print_Scale = l.scale;
        Print_X0 = l.x0;
        Print_Y0 = l.y0;
        decade_grid(l);
        decades_and_labels(l);
    } else {
        l.x0 = page.left;
        l.plot_top = page.top + 1134;
        l.y0 = l.plot_top;
        l.plot_right = page.width - page.right;
        l.upright = page.height > page.width;
    }
    P.TextColor(colour_black);
    title_block(l, true);
    if (plot)
        field_points(l);
    model_curves(plot.has_value());
    if (plot)
        frame(l);
    P.PenWidth(decade_pen);
    Draw_Mode = "";
    Niveau = Schlumberger_Applied() ? "0" : Dipole_Applied() ? "1" : "2";

    double base = l.y0;
    if (P.PageHeight() < P.PageWidth()) {
        P.NewPage();
        base = l.plot_top - landscape_base_offset;
        title_block(l, false);
    }
    location_line(base);
    model_block(l, base);
    comment_block(l.x0);
    P.HdrFontSize(10);
    P.HdrFontItalic(true);
    P.Footer(footer_text);
    P.NewPage();
    field_page(l);
    P.Redraw(true);
}

void Rebuild_Sheet() {
    SEV.VSPrint.StartDoc();
    Build_Sheet();
    SEV.VSPrint.EndDoc();
}

} // namespace ohmira
