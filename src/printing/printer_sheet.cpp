#include "printing/printer_sheet.h"
#include "form/applied_array.h"
#include "plot/forward_commands.h"

#include <algorithm>
#include <cmath>
#include <optional>
#include <utility>

#include "core/app_title.h"
#include "core/forward.h"
#include "core/language.h"
#include "core/sounding.h"
#include "form/settings_values.h"
#include "form/sev_form.h"
#include "platform/dialog_host.h"
#include "platform/number_text.h"
#include "platform/printer.h"
#include "platform/runtime_error.h"
#include "platform/screen.h"
#include "platform/text_metrics.h"
#include "plot/loglog_plot.h"
#include "plot/plot_surface.h"
#include "plot/sheet_geometry.h"
#include "printing/report_labels.h"
#include "printing/sheet_preview.h"

namespace ohmira {

namespace {

constexpr Colour colour_red = 0x0000FF; // Windows RGB: red in the low byte
constexpr int Stored_Layers = 20;
constexpr const char *Footer = "Brenkal / Ohmira 6.5";

// Line widths of the stages, in printer dots.
constexpr int frame_width = 2;
constexpr int minor_width = 1;
constexpr int current_width = 4;
constexpr int point_width = 3;

double num(const Variant &v) {
    return v.finite_num().value_or(0.0);
}

std::string report_label(std::int16_t code) {
    std::string text;
    Get_Report_Label(code, text);
    return text;
}

std::int16_t title_code() {
    if (Schlumberger_Applied()) {
        return label_title_schlumberger;
    }
    return Wenner_Applied() ? label_title_wenner : label_title_dipole;
}

// Moves the print position; the text printed next has its top-left corner there.
void move_to(double x, double y) {
    Printer.CurrentX(x);
    Printer.CurrentY(y);
}

void print_at(double x, double y, const std::string &text) {
    move_to(x, y);
    Printer.Print(text);
}

// Texts laid out as blanks then words: {4, "MN/2"} is four blanks and "MN/2".
struct Spaced_Word {
    int blanks;
    const char *word;
};

template <std::size_t N> std::string spaced(const Spaced_Word (&words)[N], const char *last = "") {
    std::string out;
    for (const Spaced_Word &w : words) {
        out.append(static_cast<std::size_t>(w.blanks), ' ');
        out += *w.word ? w.word : last;
    }
    return out;
}

// Column titles of the field-data page; "" stands for the resistivity word of the language.
constexpr Spaced_Word Titles_Schlumberger[] = {{4, "MN/2"}, {13, "AB/2"}, {13, "DeltaV"},
                                               {17, "I"},   {20, "K"},    {12, ""}};
constexpr Spaced_Word Titles_Dipole[] = {{6, "BN"}, {17, "AM"}, {13, "DeltaV"},
                                         {17, "I"}, {20, "K"},  {12, ""}};
constexpr Spaced_Word Titles_Wenner[] = {{7, "a"}, {14, "DeltaV"}, {17, "I"}, {21, "K"}, {11, ""}};
constexpr Spaced_Word Units_Four_Electrodes[] = {{6, "[m]"},   {17, "[m]"}, {16, "[mV]"},
                                                 {15, "[mA]"}, {17, "[-]"}, {13, "[ohm·m]"}};
constexpr Spaced_Word Units_Wenner[] = {
    {6, "[m]"}, {15, "[mV]"}, {15, "[mA]"}, {18, "[-]"}, {12, "[ohm·m]"}};
constexpr Spaced_Word Model_Units[] = {{1, "[ohm·m]"}, {14, "[m]"}, {18, "[m]"}, {18, "[m]"}};
constexpr Spaced_Word Model_Units_No_Altitude[] = {{1, "[ohm·m]"}, {14, "[m]"}, {18, "[m]"}};

const char *resistivity_word() {
    if (Lang_French) {
        return "Résistivité";
    }
    if (Lang_Spanish) {
        return "Resistividad";
    }
    return Lang_German ? "Resistivität" : "Resistivity";
}

// Blanks before a number text so that it ends at the same place: two per character, one for
// the point, never fewer than none.
std::string right_aligned(const std::string &text, int width) {
    const int p = text.find('.') != std::string::npos ? 1 : 0;
    const int blanks = std::max(0, width - 2 * static_cast<int>(text.size()) + p);
    return std::string(static_cast<std::size_t>(blanks), ' ') + text;
}

std::string padded(const Variant &v) {
    std::string text;
    Pad_Print_Number(v, text);
    return text;
}

// The comment wrapped within the printable area from x = 0: at `y` when given, raised so that it
// ends above the footer at `footer_y`; otherwise on the current line.
void print_comment(std::optional<double> y, double footer_y) {
    const std::vector<std::string> lines =
        wrap_text(Comment, Printer.ScaleLeft() + Printer.ScaleWidth(),
                  [](std::string_view text) { return std::abs(Printer.TextWidth(text)); });
    if (y) {
        move_to(0, text_block_start(*y, lines.size(), Printer.TextHeight(), footer_y));
    }
    for (const std::string &line : lines) {
        Printer.Print(line);
    }
}

// A leading zero the number text lacks, in zone `zone` of the row's line.
void leading_zero(int zone, const char *text) {
    Printer.CurrentX(0);
    std::vector<PrintItem> items(static_cast<std::size_t>(zone), print_zone());
    items.emplace_back(text);
    Printer.Print(items, false);
    Printer.CurrentX(0);
}

void model_table(double z) {
    const bool altitudes = z > 0;
    Model_Layers(3, 1) = 0.0;
    Printer.FontBold(true);
    Printer.Print(report_label(label_model));
    Printer.Print(
        report_label(altitudes ? label_columns_with_altitude : label_columns_without_altitude));
    Printer.FontBold(false);
    Printer.Print(altitudes ? spaced(Model_Units) : spaced(Model_Units_No_Altitude));
    Printer.FontSize(5);
    Printer.Print("");
    Printer.FontSize(10);
    const double f = Decimals_Mode == 2 ? 100 : 10;
    for (int i = 1; i <= Nb_Layers && i <= Stored_Layers; ++i) {
        const std::string r = " " + padded(Model_Layers(1, i));
        std::string h = padded(Model_Layers(2, i));
        std::string d = padded(Model_Layers(3, i));
        std::string a;
        if (altitudes) {
            const auto whole = CLng_or_throw((z - Model_Layers(3, i).num()) * f);
            Layer_Altitude(i) = whole / f;
            a = right_aligned(Str(Layer_Altitude(i)), 13);
        }
        if (i == Nb_Layers) {
            h.clear();
        }
        if (i == 1) {
            d = "         0";
        }
        if (!(Model_Layers(1, i).num() > 0)) {
            continue;
        }
        if (Model_Layers(2, i).num() < 1 && i < Nb_Layers) {
            leading_zero(1, "    0");
        }
        if (Model_Layers(3, i).num() < 1 && i > 1) {
            leading_zero(2, "    0");
        }
        if (altitudes && Layer_Altitude(i).num() > 0 && Layer_Altitude(i).num() < 1) {
            leading_zero(3, "       0");
        }
        std::vector<PrintItem> row = {r, print_zone(), h, print_zone(), d};
        if (altitudes) {
            row.push_back(print_zone());
            row.emplace_back(a);
        }
        Printer.Print(row);
    }
}

void field_data_page(double top, double bottom, double d) {
    Printer.NewPage();
    Printer.FontSize(12);
    Printer.FontBold(true);
    Sheet_Title = report_label(title_code());
    print_at(0, top + 0.125 * d, Sheet_Title);
    Printer.FontBold(false);
    Printer.FontSize(10);
    print_at(0, top + 0.06 * d, Graph_Title);

    const bool wenner = !Schlumberger_Applied() && !Dipole_Applied();
    const char *w = resistivity_word();
    const std::string titles = Schlumberger_Applied() ? spaced(Titles_Schlumberger, w)
                               : Dipole_Applied()     ? spaced(Titles_Dipole, w)
                                                      : spaced(Titles_Wenner, w);
    Printer.FontBold(true);
    Printer.Print("");
    Printer.Print(report_label(label_field_data));
    Printer.Print(titles);
    Printer.FontBold(false);
    Printer.Print(wenner ? spaced(Units_Wenner) : spaced(Units_Four_Electrodes));
    Printer.FontSize(5);
    Printer.Print("");
    Printer.FontSize(10);

    for (int i = 1; i <= Nb_Points && i <= Last_Field_Row && Field_Data(i, 2).num() > 0; ++i) {
        std::string c[7];
        for (int k = 1; k <= 6; ++k) {
            c[k] = padded(Field_Data(i, k));
        }
        std::vector<PrintItem> row;
        for (int k :
             wenner ? std::vector<int>{1, 4, 6, 5, 2} : std::vector<int>{3, 1, 4, 6, 5, 2}) {
            if (!row.empty()) {
                row.push_back(print_zone());
            }
            row.emplace_back(c[k]);
        }
        Printer.Print(row);
    }
    print_comment(bottom - 0.8 * d, bottom - d);
    move_to(3, bottom - d);
    Printer.FontItalic(true);
    Printer.Print(Footer);
    if (Shift_Compensation == 1) {
        move_to(0, top + 0.06 * d);
        Printer.Print("");
        Printer.Print("");
        Printer.Print({print_tab(62), report_label(label_shift_note)});
    }
}

// What the printing changes in memory and puts back: the model, its altitudes and its curve.
struct Saved_Model {
    Saved_Model()
        : layers(Model_Layers), count(Nb_Layers), altitude(Layer_Altitude), curve(Curve),
          last(Curve_Last) {}
    void restore() const {
        Model_Layers = layers;
        Nb_Layers = count;
        Layer_Altitude = altitude;
        Curve = curve;
        Curve_Last = last;
    }
    decltype(Model_Layers) layers;
    std::int16_t count;
    decltype(Layer_Altitude) altitude;
    decltype(Curve) curve;
    std::int16_t last;
};

void draw_model_curves() {
    Compute_Curve();
    if (Draw_Model == 1) {
        Draw_Model_Steps();
    }
    if (Draw_RMS == 1) {
        Draw_Error_Curve();
    }
}

void plot_part() {
    const double dx = AB2max - AB2min;
    const double dy = static_cast<double>(RHOmax - RHOmin);
    Printer.Scale(AB2min - 0.125 * dx, RHOmax + 0.25 * dy, AB2max + 0.25 * dx, RHOmin - 1.25 * dy);
    Printer.Line(AB2min, static_cast<double>(RHOmax), AB2max, RHOmin, colour_black, LineShape::Box);

    Sheet_Title = report_label(title_code());
    print_at(AB2min, RHOmax + 0.125 * dy, Sheet_Title);
    Printer.FontBold(false);
    Printer.FontSize(10);
    print_at(AB2min, RHOmax + 0.06 * dy, Graph_Title);

    Printer.DrawWidth(frame_width);
    for (int i = AB2min; i <= AB2max; ++i) {
        Printer.Line(i, RHOmin, i, static_cast<double>(RHOmax));
        print_at(i - 0.1, RHOmin - 0.05, Str(std::pow(10.0, i)));
    }
    for (long j = RHOmin; j <= RHOmax; ++j) {
        Printer.Line(AB2min, static_cast<double>(j), AB2max, static_cast<double>(j));
    }
    for (long j = RHOmin; j <= RHOmax; ++j) {
        print_at(AB2max + 0.01, static_cast<double>(j), Str(std::pow(10.0, j)));
    }
    print_at(AB2max + 0.035, RHOmax - 0.25, "[ohm·m]");
    print_at(AB2max - 0.75, RHOmin - 0.05,
             Schlumberger_Applied() ? "   AB/2 [m]"
             : Dipole_Applied()     ? "   AM [m]"
                                    : "   a [m]");

    Printer.DrawWidth(minor_width);
    for (int i = AB2min; i < AB2max; ++i) {
        for (int k = 2; k <= 9; ++k) {
            const double x = std::log(k * std::pow(10.0, i)) * Log10_Factor;
            Printer.Line(x, RHOmin, x, static_cast<double>(RHOmax), colour_black);
        }
    }
    for (long j = RHOmin; j < RHOmax; ++j) {
        for (int k = 2; k <= 9; ++k) {
            const double y = std::log(k * std::pow(10.0, j)) * Log10_Factor;
            Printer.Line(AB2min, y, AB2max, y, colour_black);
        }
    }

    Printer.DrawWidth(frame_width);
    const Colour box_colour = Color_Mode == 0 ? plot_colour(Superposed_Color) : colour_red;
    Draw_Mode = "IMPRIME";
    Color_Mode = 0;
    const Saved_Model saved;
    const int stash = Nb_Superposed + 1;
    if (stash <= Stored_Layers + 1 && num(Superposed_Models(stash, 1, 1)) == 0) {
        for (int i = 1; i <= Stored_Layers; ++i) {
            Superposed_Models(stash, 1, i) = Model_Layers(1, i);
            Superposed_Models(stash, 2, i) = Model_Layers(2, i);
        }
        Superposed_Layers(stash) = Nb_Layers;
    }
    if (Superpose == 1) {
        for (int s = 1; s <= Nb_Superposed + Superposed_Shown && s <= Stored_Layers + 1; ++s) {
            for (int i = 1; i <= Stored_Layers; ++i) {
                Model_Layers(1, i) = Superposed_Models(s, 1, i);
                Model_Layers(2, i) = Superposed_Models(s, 2, i);
            }
            Nb_Layers = Superposed_Layers(s);
            draw_model_curves();
        }
    }
    // The current model is the one in memory, never a store slot in its place.
    Color_Mode = vbTrue;
    Printer.DrawWidth(current_width);
    saved.restore();
    draw_model_curves();
    saved.restore();
    Color_Mode = vbTrue;
    Draw_Mode.clear();

    Printer.FontSize(10);
    Printer.DrawWidth(point_width);
    const double m = num(Mark_Size);
    for (int r = 1; r <= Nb_Points && r <= Last_Field_Row; ++r) {
        const double ab = num(Field_Data(r, 1)), rho = num(Field_Data(r, 2));
        if (ab < AB2min_Value || ab > AB2max_Value || rho < RHOmin_Value || rho > RHOmax_Value ||
            !(ab > 0) || !(rho > 0)) {
            continue;
        }
        const double x = std::log(ab) * Log10_Factor;
        const double y = std::log(rho) * Log10_Factor;
        Printer.Line(x - m, y + m, x + m, y - m, box_colour, LineShape::Box);
    }
    Printer.DrawWidth(minor_width);
}

} // namespace

void Pad_Print_Number(const Variant &value, std::string &text) {
    const double v = value.num();
    // A stored single prints with its own digits (0.05, not 0.0500000007450581).
    text = v == 0 ? std::string() : Str(value);
    text = right_aligned(text, 12);
}

void Print_Sheet_Text() {
    try {
        Printer.FontName("Arial");
        Printer.FontItalic(false);
        Printer.FontBold(true);
        const double d = static_cast<double>(RHOmax - RHOmin);
        const double top = static_cast<double>(RHOmax), bottom = RHOmin;
        Printer.Scale(-0.5, top + 0.25 * d, 5, bottom - 1.25 * d);
        move_to(0, bottom - 0.1 * d);
        Printer.FontSize(10);

        if (!X_Coord.empty() && !Y_Coord.empty()) {
            std::string location =
                report_label(label_location) + "X = " + X_Coord + "    Y = " + Y_Coord;
            if (!Azimuth.empty()) {
                location += "    Z = " + Z_Coord + "    Azim = " + Azimuth;
            } else if (!Z_Coord.empty()) {
                location += "    Z = " + Z_Coord;
            }
            Printer.Print(location);
            Printer.Print("");
        }
        double z = 0;
        try {
            z = Val(Z_Coord);
        } catch (const RuntimeError &) {
            z = 0;
        }
        const bool table = Field_Data(2, 2).num() > 0;
        if (table) {
            model_table(z);
        }
        Printer.FontBold(false);
        // Below a long table the comment follows an empty line.
        const bool at_fixed_height = Nb_Layers < 10 && table;
        if (!at_fixed_height) {
            Printer.Print("");
        }
        print_comment(at_fixed_height ? std::optional<double>(bottom - 0.6 * d) : std::nullopt,
                      bottom - d);
        move_to(3, bottom - d);
        Printer.FontItalic(true);
        Printer.Print(Footer);
        if (Shift_Compensation == 1) {
            print_at(3.2, top + 0.032 * d, report_label(label_shift_note));
        }
        Printer.FontItalic(false);
        if (Printing) {
            field_data_page(top, bottom, d);
        }
    } catch (const RuntimeError &) {
        MsgBox("Error", vbExclamation, Prog_Title);
    }
}

void Print_Sheet() {
    SEV.Bilog.MousePointer(vbHourglass);
    if (!Printer.available() || !Printer.FillStyle(1) || !Printer.DrawWidth(frame_width) ||
        !Printer.FontSize(12)) {
        SEV.Bilog.MousePointer(vbCrosshair);
        Printer.KillDoc();
        MsgBox("Erreur, vérifiez l'imprimante...", vbOKOnly);
        return;
    }
    Printer.FontName("Arial");
    Printer.FontBold(true);
    try {
        plot_part();
    } catch (const RuntimeError &) {
        // a failing drawing step leaves its part of the page empty
        Draw_Mode.clear();
        Color_Mode = vbTrue;
    }
    Printer.DrawWidth(minor_width);
    Print_Sheet_Text();
    Printer.DocName(File_Name);
    // A job the printer refused is told; a cancelled dialog is not.
    const bool sent = Printer.EndDoc();
    SEV.Bilog.MousePointer(vbCrosshair);
    if (!sent && !Printer.last_job_stopped())
        MsgBox("Erreur, vérifiez l'imprimante...", vbOKOnly);
}

void Run_Print_Sheet() {
    SEV.MousePointer(vbHourglass);
    SEV.Bilog.MousePointer(vbHourglass);
    Printing = vbTrue;
    Print_Sheet();
    Printing = 0;
    SEV.MousePointer(vbArrow);
    SEV.Bilog.MousePointer(vbCrosshair);
}

void Print_Sheet_Copies() {
    Printing = vbTrue;
    PrintSettings settings;
    Print_Copies = dialog_host().printer_dialog(settings) ? Variant(settings.copies) : Variant();
    Screen.MousePointer(vbHourglass);
    const double copies = num(Print_Copies);
    for (int c = 1; c <= copies && c <= 999; ++c) {
        Print_Sheet();
    }
    Screen.MousePointer(vbDefault);
    Printing = 0;
}

void Print_Form_Image() {
    SEV.Bilog.MousePointer(vbHourglass);
    if (!Printer.PrintForm(SEV)) {
        MsgBox("Print Screen Impossible...", vbExclamation + vbOKOnly, Prog_Title);
    }
    SEV.Bilog.MousePointer(vbCrosshair);
}

} // namespace ohmira
