#include "editor/model_grid_editing.h"

#include "core/sounding.h"
#include "editor/model_grid.h"
#include "form/sev_form.h"
#include "platform/number_text.h"
#include "platform/runtime_error.h"
#include "platform/user_feedback.h"

#include <string>

namespace ohmira {

namespace {

constexpr int Rho_Col = 0;
constexpr int Thickness_Col = 1;
constexpr int Depth_Col = 2;
constexpr int Altitude_Col = 3;
constexpr int Last_Row = Model_Grid_Layers;
const std::string Trailing_Blanks = "  ";

FlexGrid &grid() {
    return SEV.Grid1;
}

double cell_value(int row, int col) {
    try {
        return Val(grid().TextMatrix(row, col));
    } catch (const RuntimeError &) {
        return 0.0; // a number too large to read counts as none
    }
}

void colour_cell(int row, int col, bool fixed) {
    grid().Row(row);
    grid().Col(col);
    grid().CellBackColor(fixed ? Fixed_Cell_Back : Free_Cell_Back);
    grid().CellForeColor(fixed ? Fixed_Cell_Fore : Free_Cell_Fore);
}

// Colours columns 1 and 0 of a row by its flags; fixed colours only on a non-empty cell.
void colour_row_by_flags(int row) {
    const int flag = Fixed_Param(row);
    colour_cell(row, Thickness_Col,
                (flag == 2 || flag == 3) && !grid().TextMatrix(row, Thickness_Col).empty());
    colour_cell(row, Rho_Col, (flag == 1 || flag == 3) && !grid().TextMatrix(row, Rho_Col).empty());
}

// A depth or altitude cell moved by `shift` metres; an empty cell stays empty.
std::string shifted(const std::string &text, double shift) {
    if (text.empty()) {
        return text;
    }
    double value = 0.0;
    try {
        value = Val(text) + shift;
    } catch (const RuntimeError &) {
        return text;
    }
    return Str(value) + Trailing_Blanks;
}

// Moves the texts of columns 0..3 of row `from` to row `to`, the depth by `depth_shift` and,
// with a ground altitude, the altitude the other way.
void move_row_texts(int from, int to, double depth_shift) {
    for (int c = Rho_Col; c <= Altitude_Col; ++c) {
        std::string text = grid().TextMatrix(from, c);
        if (c == Depth_Col) {
            text = shifted(text, depth_shift);
        } else if (c == Altitude_Col && !Z_Coord.empty()) {
            text = shifted(text, -depth_shift);
        }
        grid().TextMatrix(to, c, text);
    }
}

bool is_layer_row(int row) {
    return row >= 1 && row <= Last_Row;
}

// Current cell and redrawing of the grid, restored whatever path the command takes.
class Grid_Edit {
public:
    Grid_Edit() : row_(grid().Row()), col_(grid().Col()) {
        Model_First_Key = 1;
        grid().Redraw(false);
    }
    ~Grid_Edit() {
        try {
            grid().Row(row_);
            grid().Col(col_);
        } catch (const RuntimeError &) {
        }
        grid().Redraw(true);
        grid().SetFocus();
    }
    Grid_Edit(const Grid_Edit &) = delete;
    Grid_Edit &operator=(const Grid_Edit &) = delete;
    int row() const { return row_; }
    void end_at(int row, int col) {
        row_ = row;
        col_ = col;
    }

private:
    int row_, col_;
};

// The character of an accepted key (digit, "." or Backspace 8); 0 for any other key. Keypad
// digits (96..105), the keypad decimal key (110) and the main period (190) map as typed keys;
// the Delete key shares the code of "." and is told apart by its key code.
int accepted_key(int key_code) {
    int k = key_code;
    if (k > 57) {
        k -= 48;
    }
    // Decimal point of the keypad, full stop and comma: all are the decimal point.
    if (k == 62 || k == 142 || k == 140) {
        k = 46;
    }
    if (k == vbKeyBack || k == 46 || (k >= 48 && k <= 57)) {
        return k;
    }
    return 0;
}

} // namespace

void Select_Model_Cell() {
    Model_First_Key = 1;
    grid().SetFocus();
    SEV.Calcul_Button.Default(true);
}

void Mark_Model_Cell_Fresh() {
    Model_First_Key = 1;
}

void Step_Model_Row() {
    const int row = grid().Row();
    if (row < Last_Row) {
        grid().Row(row + 1);
    }
    // The Up-arrow the step queues, as a direct move: the grid's Up stops at the first layer.
    if (grid().Row() > 1) {
        grid().Row(grid().Row() - 1);
    }
}

void Toggle_Fixed_Parameter() {
    Model_First_Key = 1;
    const int row = grid().Row();
    const int col = grid().Col();
    if (!is_layer_row(row) || col > Thickness_Col || col < Rho_Col || grid().Text().empty()) {
        Beep();
        return;
    }
    const int bit = col == Rho_Col ? 1 : 2;
    const bool was_fixed = (Fixed_Param(row) & bit) != 0;
    Fixed_Param(row) = static_cast<std::int16_t>(Fixed_Param(row) + (was_fixed ? -bit : bit));
    grid().CellBackColor(was_fixed ? Free_Cell_Back : Fixed_Cell_Back);
    grid().CellForeColor(was_fixed ? Free_Cell_Fore : Fixed_Cell_Fore);
}

void Type_Model_Key(int &KeyCode, int /*Shift*/) {
    const int col = grid().Col();
    if (KeyCode == vbKeyRight && col == Thickness_Col) {
        // The cursor stays in the two editable columns.
        Beep();
        KeyCode = 0;
        return;
    }
    if (col > Thickness_Col) {
        Beep();
        return;
    }
    const int key = accepted_key(KeyCode);
    if (key == 0 || !is_layer_row(grid().Row())) {
        return;
    }
    // The Delete key empties the cell, as in the field grid; the decimal point keys have codes
    // of their own.
    if (KeyCode == vbKeyDelete || Model_First_Key == 1) {
        grid().Text(Trailing_Blanks);
    }
    Model_First_Key = 0;
    Model_Grid_Changed = true;
    std::string body = grid().Text();
    if (body.size() >= Trailing_Blanks.size() &&
        body.compare(body.size() - Trailing_Blanks.size(), Trailing_Blanks.size(),
                     Trailing_Blanks) == 0) {
        body.resize(body.size() - Trailing_Blanks.size());
    }
    if (key == vbKeyBack) {
        if (!body.empty()) {
            body.pop_back();
        }
    } else if (KeyCode != vbKeyDelete) {
        body += static_cast<char>(key);
    }
    grid().Text(body + Trailing_Blanks);
}

void InsLine_Click() {
    Grid_Edit edit;
    const int r = edit.row();
    edit.end_at(r, Rho_Col);
    if (!is_layer_row(r)) {
        Beep();
        return;
    }
    try {
        colour_cell(r, Thickness_Col, false);
        colour_cell(r, Rho_Col, false);
        if (cell_value(r, Rho_Col) == 0 || !grid().TextMatrix(Last_Row, Rho_Col).empty()) {
            Beep();
            return;
        }
        if (r == 1) {
            grid().TextMatrix(1, Depth_Col, Str(0.0)); // the layer moving down gets depth 1
        }
        for (int i = Last_Row - 1; i >= r; --i) {
            Fixed_Param(i + 1) = Fixed_Param(i);
            move_row_texts(i, i + 1, 1.0);
            colour_row_by_flags(i + 1);
        }
        Model_Grid_Changed = true;
        grid().TextMatrix(r, Rho_Col, "100" + Trailing_Blanks);
        grid().TextMatrix(r, Thickness_Col, "1" + Trailing_Blanks);
        Fixed_Param(r) = 0;
        if (r == 1) {
            grid().TextMatrix(1, Depth_Col, "");
        }
    } catch (const RuntimeError &) {
        // A grid without the model's rows and columns: nothing more to move.
    }
}

void delLine_Click() {
    Grid_Edit edit;
    const int r = edit.row();
    if (!is_layer_row(r)) {
        Beep();
        return;
    }
    try {
        if (cell_value(r, Rho_Col) == 0) {
            Beep();
            return;
        }
        const double t = cell_value(r, Thickness_Col);
        Model_Grid_Changed = true;
        // Deleting the half-space makes the layer above the half-space.
        if (grid().TextMatrix(r, Thickness_Col).empty() && r > 1) {
            grid().TextMatrix(r - 1, Thickness_Col, "");
        }
        for (int i = r; i < Last_Row; ++i) {
            Fixed_Param(i) = Fixed_Param(i + 1);
            move_row_texts(i + 1, i, -t);
            colour_row_by_flags(i);
        }
        // The last row empties only after the rows moved up, so a 20th layer is kept.
        for (int c = Rho_Col; c <= Altitude_Col; ++c) {
            grid().TextMatrix(Last_Row, c, "");
        }
        colour_cell(Last_Row, Thickness_Col, false);
        colour_cell(Last_Row, Rho_Col, false);
        Fixed_Param(Last_Row) = 0;
        if (r == 1) {
            grid().TextMatrix(1, Depth_Col, "");
        }
    } catch (const RuntimeError &) {
    }
}

} // namespace ohmira
