#include "editor/model_grid.h"

#include <array>
#include <cmath>
#include <optional>

#include "core/app_title.h"
#include "core/fit.h"
#include "core/qd3_limits.h"
#include "core/sounding.h"
#include "form/settings_values.h"
#include "form/sev_form.h"
#include "platform/dialog_host.h"
#include "platform/number_text.h"
#include "platform/runtime_error.h"

namespace ohmira {

namespace {

// A cell whose value the sounding file cannot hold, and the text that names it.
struct Refused_Cell {
    std::string value;
};

double value_of(const Variant &v) {
    return v.finite_num().value_or(0.0);
}

// Colours the current cell as a fixed or a free parameter.
void colour_current_cell(bool fixed) {
    SEV.Grid1.CellBackColor(fixed ? Fixed_Cell_Back : Free_Cell_Back);
    SEV.Grid1.CellForeColor(fixed ? Fixed_Cell_Fore : Free_Cell_Fore);
}

// The cell text of a number: its plain text and the two trailing blanks.
std::string cell_text(const std::string &number) {
    return number + "  ";
}

// A model cell's value; one the sounding file cannot hold is refused as a value that cannot be
// read. A text beyond the double range has no value to name: its first digits are named.
double layer_value(const std::string &text) {
    double v = 0;
    try {
        v = Val(text);
    } catch (const RuntimeError &) {
        throw Refused_Cell{typed_value_name(text)};
    }
    if (!qd3_layer_value_fits(v))
        throw Refused_Cell{number_text(v)};
    return v;
}

using Grid_Layers = std::array<std::array<double, 2>, Model_Grid_Layers + 1>;

// The resistivity and thickness of rows 1..20; nothing when a value cannot be read, with the
// "Model impossible..." box when `tell`.
std::optional<Grid_Layers> parse_model_grid(bool tell) {
    Grid_Layers read{};
    try {
        for (int i = 1; i <= Model_Grid_Layers; ++i)
            for (int c = 0; c <= 1; ++c)
                read[i][c] = layer_value(SEV.Grid1.TextMatrix(i, c));
    } catch (const Refused_Cell &refused) {
        if (tell)
            MsgBox("Model impossible...\n\r" + refused.value, vbExclamation, Prog_Title);
        return std::nullopt;
    } catch (const RuntimeError &) {
        if (tell)
            MsgBox("Model impossible...", vbExclamation, Prog_Title);
        return std::nullopt;
    }
    return read;
}

// Reads rows 1..20 and the header boxes; the graph title from `title_box`. False, with the box
// shown when `tell`, when a value cannot be read: the model stays as it was.
bool read_model_grid(const TextBox &title_box, bool tell = true) {
    const auto read = parse_model_grid(tell);
    if (!read)
        return false;
    for (int i = 1; i <= Model_Grid_Layers; ++i) {
        Model_Layers(1, i) = (*read)[i][0];
        Model_Layers(2, i) = (*read)[i][1];
    }
    Model_Grid_Changed = false;
    Take_Header_Boxes();
    Graph_Title = title_box.Text();
    return true;
}

// One title shown in two boxes.
void show_title(const std::string &title) {
    Graph_Title = title;
    for (TextBox *box : {&SEV.Text19, &SEV.Text29})
        if (box->Text() != title)
            box->Text(title);
}

} // namespace

std::string Format_Decimals(double v) {
    const std::string s = Str(v);
    const auto char_from_end = [&s](std::size_t n) {
        return s.size() >= n ? s[s.size() - n] : '\0';
    };
    switch (Decimals_Mode) {
    case 0:
        return s;
    case 1:
        return char_from_end(2) == '.' ? s : s + ".0";
    case 2:
        if (char_from_end(3) == '.') {
            return s;
        }
        return char_from_end(2) == '.' ? s + "0" : s + ".00";
    default:
        return {};
    }
}

void Display_Model() {
    auto &grid = SEV.Grid1;
    skipping_errors(Update_Layer_Depths);
    grid.Redraw(false);
    for (int i = 1; i <= Model_Grid_Layers; ++i) {
        skipping_errors([&] { grid.Row(i); });
        if (grid.Row() != i) {
            continue;
        }
        const bool has_layer = value_of(Model_Layers(1, i)) > 0;
        const int flag = Fixed_Param(i);
        skipping_errors([&] {
            grid.Col(1);
            colour_current_cell(flag == 2 || flag == 3);
            grid.Text(has_layer ? cell_text(Format_Decimals(value_of(Model_Layers(2, i)))) : "");
        });
        skipping_errors([&] {
            grid.Col(0);
            colour_current_cell(flag == 1 || flag == 3);
            grid.Text(has_layer ? cell_text(Str(Model_Layers(1, i))) : "");
        });
        skipping_errors([&] {
            grid.Col(2);
            grid.Text(has_layer ? cell_text(Format_Decimals(value_of(Model_Layers(3, i)))) : "");
        });
        skipping_errors([&] {
            grid.Col(3);
            grid.Text(has_layer && !Z_Coord.empty()
                          ? cell_text(Format_Decimals(value_of(Layer_Altitude(i))))
                          : "");
        });
    }
    // A row without resistivity shows no layer, and the sounding holds none there either. A
    // first layer without thickness stays as typed, in the grid and in the sounding alike: the
    // compute and fit commands refuse it until its thickness is given.
    for (int i = 1; i <= Model_Grid_Layers; ++i)
        if (value_of(Model_Layers(1, i)) <= 0)
            for (int r = 1; r <= 3; ++r)
                Model_Layers(r, i) = 0.0;
    skipping_errors([&] { grid.TextMatrix(1, 2, ""); });
    // The last layer is the half-space: the grid shows no thickness for it, and the sounding
    // holds none (the header row keeps its text when there is no model, Nb_Layers 0).
    if (Nb_Layers >= 2 && Nb_Layers <= Model_Grid_Layers) {
        skipping_errors([&] { grid.TextMatrix(Nb_Layers, 1, ""); });
        Model_Layers(2, Nb_Layers) = 0.0;
    }
    grid.Redraw(true);
    Model_Grid_Changed = false;
    Show_Header_Texts();
}

void Show_Header_Texts() {
    SEV.X_Texte1.Text(X_Coord);
    SEV.Y_Texte2.Text(Y_Coord);
    SEV.Z_Texte3.Text(Z_Coord);
    SEV.Azimtext.Text(Azimuth);
    SEV.Text18.Text(Comment);
    show_title(Graph_Title);
}

void Take_Header_Boxes() {
    X_Coord = SEV.X_Texte1.Text();
    Y_Coord = SEV.Y_Texte2.Text();
    Z_Coord = SEV.Z_Texte3.Text();
    Azimuth = SEV.Azimtext.Text();
    Comment = SEV.Text18.Text();
    Graph_Title = SEV.Text29.Text();
}

void Text19_Change() {
    show_title(SEV.Text19.Text());
}

void Text29_Change() {
    show_title(SEV.Text29.Text());
}

bool lecturemodèle() {
    if (!read_model_grid(SEV.Text19))
        return false;
    Display_Model();
    return true;
}

void clear_model_grid() {
    auto &grid = SEV.Grid1;
    for (int r = 1; r <= 20; ++r)
        for (int c = 0; c <= 4; ++c)
            if (grid.has_cell(r, c))
                grid.TextMatrix(r, c, "");
    Model_Grid_Changed = true;
}

bool Check_Model_Grid() {
    return parse_model_grid(true).has_value();
}

bool Take_Model_Grid(bool tell) {
    if (!read_model_grid(SEV.Text29, tell))
        return false;
    Display_Model();
    return true;
}

bool Read_Model_Grid() {
    if (!read_model_grid(SEV.Text29))
        return false;
    Display_Model();
    return true;
}

} // namespace ohmira
