#include "editor/field_grid.h"
#include "plot/forward_commands.h"

#include <array>
#include <cmath>
#include <optional>
#include <string>

#include "core/app_title.h"
#include "core/forward.h"
#include "core/language.h"
#include "core/qd3_limits.h"
#include "core/sounding.h"
#include "editor/data_entry.h"
#include "editor/model_grid.h"
#include "form/sev_form.h"
#include "platform/clipboard.h"
#include "platform/dialog_host.h"
#include "platform/number_text.h"
#include "platform/runtime_error.h"
#include "platform/user_feedback.h"
#include "plot/loglog_plot.h"
#include "plot/plot_redraw.h"

namespace ohmira {

namespace {

// The numeric value of a cell's text; 0 for an empty, missing or overlong number.
double cell_value(int row, int col) {
    const auto &grid = SEV.BuildGrid;
    if (!grid.has_cell(row, col))
        return 0;
    try {
        const double v = Val(grid.TextMatrix(row, col));
        return std::isfinite(v) ? v : 0;
    } catch (const RuntimeError &) {
        return 0;
    }
}

void set_cell(int row, int col, const std::string &text) {
    skipping_errors([&] { SEV.BuildGrid.TextMatrix(row, col, text); });
}

// a / b where it is a finite number; nothing where the statement would fail.
std::optional<double> quotient(double a, double b) {
    if (b == 0)
        return std::nullopt;
    const double q = a / b;
    if (!std::isfinite(q))
        return std::nullopt;
    return q;
}

double round_to(double v, double factor) {
    return round_half_even(v * factor) / factor;
}

// Rewrites grid row r from Field_Data (after two rows exchanged places).
void show_row(int r, bool wenner) {
    set_cell(r, 1, wenner ? std::string() : Str(Field_Data(r, 3)));
    set_cell(r, 2, Str(Field_Data(r, 1)));
    set_cell(r, 3, Str(Field_Data(r, 4)));
    set_cell(r, 4, Str(Field_Data(r, 6)));
    set_cell(r, 5, k_cell_text(Field_Data(r, 5)));
    set_cell(r, 6, Str(Field_Data(r, 2)));
}

// Geometric factor of a measured row; nothing when the array gives none (dipole with a zero
// denominator).
std::optional<double> geometric_factor(Array_Type array, double a, double b) {
    const int factor = Array_Factor == 2 ? 2 : 1;
    double k = 0;
    switch (array) {
    case Array_Type::Schlumberger:
        k = 3.1416 * ((a - b) * (a + b) / (2 * b)) * factor;
        break;
    case Array_Type::Dipole: {
        const double denominator = 1 / a - 3 / b;
        if (denominator == 0)
            return std::nullopt;
        k = 6.2832 / denominator;
        break;
    }
    case Array_Type::Wenner:
        k = 6.2832 * a * factor;
        break;
    }
    if (!std::isfinite(k))
        return std::nullopt;
    return k < 100 ? round_to(k, 100) : round_half_even(k);
}

int current_field_row() {
    return SEV.BuildGrid.Row();
}

bool cell_empty(int row, int col) {
    const auto &grid = SEV.BuildGrid;
    return !grid.has_cell(row, col) ||
           grid.TextMatrix(row, col).find_first_not_of(' ') == std::string::npos;
}

// A row put in by "Insert line" (resistivity marked -1) and left as it came, with nothing typed
// but its spacing of 1: it is no measured point and no end of the data, so it leaves the grid
// and the rows below move up, their values with them.
void drop_empty_inserted_rows() {
    auto &grid = SEV.BuildGrid;
    for (int r = Field_Grid_Rows; r >= 1; --r) {
        if (Field_Data(r, 7).num() != -1 || !cell_empty(r, 1) || !cell_empty(r, 3) ||
            !cell_empty(r, 4) || !cell_empty(r, 6))
            continue;
        if (!cell_empty(r, 2) && cell_value(r, 2) != 1)
            continue;
        skipping_errors([&] {
            grid.RemoveItem(r);
            grid.AddItem("", Field_Grid_Rows);
            grid.RowHeight(Field_Grid_Rows, 200);
        });
        for (int i = r; i <= Field_Grid_Rows; ++i) {
            Move_Field_Row_Kept(i, i + 1);
            set_cell(i, 0, Str(static_cast<double>(i)));
        }
    }
}

// The row at which the last computation ended the data, and what it lacked; refused when the
// row holds a value the sounding file cannot hold.
int data_end_row = 0;
std::string data_end_reason;
bool data_end_refused = false;

// Grid column of each Field_Data column 1..6 (K, column 5, is computed, never typed).
constexpr int grid_column_of[7] = {0, 2, 6, 1, 3, 5, 4};

// The value of row r that the sounding file cannot hold, named as the box shows it: a typed
// text beyond the range of numbers, or a value (typed or computed) beyond the file's layout.
std::optional<std::string> value_beyond_file(int r, const std::array<double, 7> &values) {
    const auto &grid = SEV.BuildGrid;
    // The typed columns first, so that a typed value is named rather than what it gave.
    for (int c : {1, 3, 4, 6, 2, 5}) {
        const int col = grid_column_of[c];
        if (c != 5 && grid.has_cell(r, col)) {
            const std::string text = grid.TextMatrix(r, col);
            try {
                (void)Val(text);
            } catch (const RuntimeError &) {
                return typed_value_name(text);
            }
        }
        if (!qd3_point_value_fits(c, values[static_cast<std::size_t>(c)]))
            return number_text(values[static_cast<std::size_t>(c)]);
    }
    return std::nullopt;
}

std::string data_end_text(int row, const std::string &reason) {
    return by_language("Les données s'arrêtent à la ligne ", "Los datos terminan en la línea ",
                       "The data end at row ") +
           std::to_string(row) + " : " + reason;
}

// Rows below `row` that hold something.
bool filled_below(int row) {
    for (int r = row + 1; r <= Field_Grid_Rows; ++r)
        for (int c = 1; c <= 6; ++c)
            if (!cell_empty(r, c))
                return true;
    return false;
}

// A measurement (ΔV, I or a resistivity) in row `row` or below: what a sounding that ends
// above it would leave out. Spacings alone, such as a new sounding's table, are no measurement.
bool measurements_from(int row) {
    for (int r = row; r <= Field_Grid_Rows; ++r)
        for (int c : {3, 4, 6})
            if (!cell_empty(r, c))
                return true;
    return false;
}

// What a row that ends the data lacks: its spacing, the half of a measurement it has, or else (a
// row of a resistivity only) its resistivity.
std::string end_reason(double a, double dv, double current) {
    if (a == 0)
        return by_language("espacement vide ou 0", "espaciamiento vacío o 0", "spacing empty or 0");
    if (dv == 0 && current != 0)
        return by_language("ΔV vide ou 0", "ΔV vacío o 0", "ΔV empty or 0");
    if (current == 0 && dv != 0)
        return by_language("courant vide ou 0", "corriente vacía o 0", "current empty or 0");
    return by_language("résistivité vide ou 0", "resistividad vacía o 0", "resistivity empty or 0");
}

// The data end at row r, for the reason given: the points are the rows above it.
void end_data(int r, const std::string &reason) {
    data_end_row = r;
    data_end_reason = reason;
    Nb_Points = static_cast<std::int16_t>(r - 1);
}

} // namespace

std::string Field_Data_End_Text() {
    if (data_end_row < 1 || (!data_end_refused && !filled_below(data_end_row)))
        return {};
    return data_end_text(data_end_row, data_end_reason);
}

bool Field_Value_Refused() {
    return data_end_row >= 1 && data_end_refused;
}

std::string Fit_Data_End_Text() {
    // The fit needs the first two points: the first of them without spacing or resistivity.
    for (int r = 1; r <= 2; ++r) {
        const auto value = [r](int c) { return Field_Data(r, c).finite_num().value_or(0.0); };
        if (value(1) != 0 && value(2) != 0)
            continue;
        if (data_end_refused && data_end_row == r)
            return data_end_text(r, data_end_reason);
        if (!filled_below(r))
            return {};
        return data_end_text(r, end_reason(value(1), value(4), value(6)));
    }
    return {};
}

double round_three_bands(double rho) {
    if (rho >= 100)
        return round_half_even(rho);
    if (rho >= 10)
        return round_to(rho, 10);
    return round_to(rho, 100);
}

void Move_Field_Row_Kept(int to, int from) {
    Field_Data(to, 5) = Field_Data(from, 5);
    Field_Data(to, 7) = Field_Data(from, 7);
    Field_Row_Typed(to) = Field_Row_Typed(from);
}

void Compute_Field_Rows() {
    auto &grid = SEV.BuildGrid;
    grid.Redraw(false);
    drop_empty_inserted_rows();
    data_end_row = 0;
    data_end_refused = false;
    const int row0 = grid.Row();
    const int col0 = grid.Col();
    float f = 1;
    Saved = 0;
    Max_AB2 = 0;
    double rw = 0;
    skipping_errors([&] { rw = Val(SEV.Reau.Text()); });
    const Array_Type array = selected_array_type();
    const bool wenner = array == Array_Type::Wenner;
    const bool marine = SEV.Marine_floor.Value() == vbChecked;

    std::array<bool, Field_Grid_Rows + 1> row_measured{};
    double a = 0, b = 0, dv = 0, current = 0, k = 0, rho = 0, rho_prev = 0, a_prev = 0;
    double y = 0;
    bool ended = false;
    for (int r = 1; r <= Field_Grid_Rows; ++r) {
        b = wenner ? 0 : cell_value(r, 1);
        a_prev = a;
        a = cell_value(r, 2);
        dv = cell_value(r, 3);
        current = cell_value(r, 4);

        // A spacing left empty ends the data, whatever else the row holds: no point is kept at
        // spacing 0, and such a row is never sorted above the others.
        if (a == 0) {
            end_data(r, end_reason(a, dv, current));
            for (int c = 1; c <= 6; ++c)
                Field_Data(r, c) = 0.0;
            ended = true;
            break;
        }
        const bool complete = wenner ? a * dv * current > 0 : b * a * dv * current > 0;
        const auto factor = complete ? geometric_factor(array, a, b) : std::nullopt;
        const bool measured = factor.has_value();
        // A row not typed since the last computation keeps the resistivity and K it shows, as
        // read or as computed then: nothing the user cannot see (the array applied since, a
        // correction switched) changes it. Only a row typed since is computed and rounded.
        const double read = Field_Data(r, 7).num();
        const bool as_read = Field_Row_Typed(r) == 0 && read > 0;
        row_measured[static_cast<std::size_t>(r)] = measured;
        Variant k_kept;
        if (measured) {
            k_kept = as_read ? Field_Data(r, 5) : Variant(*factor);
            k = k_kept.num();
            if (array == Array_Type::Dipole) {
                set_cell(r, 1, Str(b));
                set_cell(r, 2, Str(a));
            }
            set_cell(r, 5, k_cell_text(k_kept));
        } else if (Field_Row_Typed(r) == 0) {
            // A row kept without ΔV and I keeps the K it shows.
            k_kept = Field_Data(r, 5);
            k = k_kept.finite_num().value_or(0.0);
        } else {
            // A row typed without ΔV and I has no K: the cell says so.
            k = 0;
            k_kept = k;
            set_cell(r, 5, "");
        }

        if (measured) {
            rho_prev = rho;
            if (as_read) {
                rho = read;
            } else if (const auto q = quotient(k * (dv / current), f)) {
                rho = *q;
            }
        } else {
            const double typed = cell_value(r, 6);
            if (typed > 0 && Field_Data(r, 7).num() <= 0)
                Field_Data(r, 7) = typed;
            else if (Field_Data(r, 7).num() < 0)
                Field_Data(r, 7) = 1.0;
            rho_prev = rho;
            if (const auto q = quotient(Field_Data(r, 7).num(), f))
                rho = *q;
        }

        const bool kept = measured && as_read;
        // A water resistivity not above the row's leaves the row uncorrected. No water
        // resistivity (empty or 0): no correction, whatever the row's sign.
        if (!kept && marine && rw > 0 && rw > rho) {
            if (const auto q = quotient(rho * rw, rw - rho))
                rho = *q;
        }
        if (!kept)
            rho = round_three_bands(rho);

        // A repeated spacing starts a new MN/2 segment: the shift is carried by f from here on.
        // A kept row was compensated when it was computed, or read so.
        if (!kept && Shift_Compensation == 1 && r > 1 && a == a_prev && rho > 0) {
            if (r >= 4 && Field_Data(r - 3, 1).num() == Field_Data(r - 2, 1).num()) {
                std::optional<double> x;
                if (const auto ratio = quotient(rho, rho_prev); ratio && *ratio * y >= 0)
                    x = std::sqrt(*ratio * y);
                if (x) {
                    if (const auto q = quotient(Field_Data(r - 2, 2).num() * y, *x)) {
                        Field_Data(r - 2, 2) = round_three_bands(*q);
                        set_cell(r - 2, 6, Str(Field_Data(r - 2, 2)));
                    }
                }
                Field_Data(r - 1, 2) = round_three_bands(Field_Data(r - 1, 2).num() * y);
                set_cell(r - 1, 6, Str(Field_Data(r - 1, 2)));
                if (x) {
                    if (const auto q = quotient(rho * y, *x))
                        rho = round_three_bands(*q);
                    if (const auto q = quotient(f * *x, y); q && *q != 0)
                        f = static_cast<float>(*q);
                }
            }
            if (const auto q = quotient(rho, rho_prev))
                y = *q;
            if (const auto q = quotient(f * rho, rho_prev); q && *q != 0)
                f = static_cast<float>(*q);
            rho = rho_prev;
        }

        // A value the file cannot hold ends the data at its row, which is not kept.
        if (const auto refused = value_beyond_file(r, {0, a, rho, b, dv, k, current})) {
            end_data(r, by_language("valeur trop grande pour le fichier (",
                                    "valor demasiado grande para el fichero (",
                                    "value too large for the file (") +
                            *refused + ")");
            data_end_refused = true;
            for (int c = 1; c <= 6; ++c)
                Field_Data(r, c) = 0.0;
            ended = true;
            break;
        }
        Field_Data(r, 1) = a;
        Field_Data(r, 2) = rho;
        Field_Data(r, 3) = wenner ? Variant() : Variant(b);
        Field_Data(r, 4) = dv;
        Field_Data(r, 5) = k_kept;
        Field_Data(r, 6) = current;

        // One exchange per row and pass; the typed resistivity travels with its row. Rows as
        // read keep the file's order among themselves (overlapping MN/2 segments).
        const bool typed = Field_Row_Typed(r) != 0 || Field_Row_Typed(r - 1) != 0;
        if (r > 1 && typed && a < Field_Data(r - 1, 1).num() && rho > 0) {
            for (int c = 1; c <= 7; ++c)
                std::swap(Field_Data(r - 1, c), Field_Data(r, c));
            std::swap(Field_Row_Typed(r - 1), Field_Row_Typed(r));
            show_row(r - 1, wenner);
            show_row(r, wenner);
        }

        if (rho + dv * current == 0) {
            end_data(r, end_reason(a, dv, current));
            ended = true;
            break;
        }
        set_cell(r, 6, Str(round_three_bands(Field_Data(r, 2).num())));
        if (a > Max_AB2)
            if (const auto whole = CInt(a))
                Max_AB2 = *whole;
    }
    if (!ended) {
        // Every grid row holds data; a 51st point of the sounding stays with them.
        const bool point_51 = Field_Data(51, 1).num() != 0 || Field_Data(51, 2).num() != 0;
        Nb_Points = point_51 ? 51 : 50;
    }
    // The points computed are the sounding's now: each keeps what it shows until it is typed
    // again (a measured point its resistivity, a point typed as a resistivity its typed value).
    for (int r = 1; r <= std::min<int>(Nb_Points, Field_Grid_Rows); ++r) {
        if (row_measured[static_cast<std::size_t>(r)])
            Field_Data(r, 7) = Field_Data(r, 2);
        Field_Row_Typed(r) = 0;
    }
    // Measurements the computation did not reach stay on the grid only.
    Field_Grid_Changed = data_end_row >= 1 && (data_end_refused || measurements_from(data_end_row));
    grid.Redraw(true);
    skipping_errors([&] {
        grid.Col(col0);
        grid.Row(row0);
    });
}

Field_Grid_State Take_Field_Grid_State() {
    const auto &grid = SEV.BuildGrid;
    Field_Grid_State state{current_sounding(), Field_Row_Typed, Field_Grid_Changed, Saved, {}};
    for (int r = 0; r < grid.Rows(); ++r) {
        state.cells.emplace_back();
        for (int c = 0; c < grid.Cols(); ++c)
            state.cells.back().push_back(grid.TextMatrix(r, c));
    }
    return state;
}

void Restore_Field_Grid_State(const Field_Grid_State &state) {
    auto &grid = SEV.BuildGrid;
    restore_sounding(state.sounding);
    Field_Row_Typed = state.typed;
    Field_Grid_Changed = state.changed;
    Saved = state.saved;
    grid.Redraw(false);
    for (std::size_t r = 0; r < state.cells.size(); ++r)
        for (std::size_t c = 0; c < state.cells[r].size(); ++c)
            set_cell(static_cast<int>(r), static_cast<int>(c), state.cells[r][c]);
    grid.Redraw(true);
}

std::string Field_Data_Refusal_Text() {
    return data_end_row >= 1 ? data_end_text(data_end_row, data_end_reason) : std::string();
}

void Mark_Every_Field_Row_Typed() {
    for (int r = 1; r <= Field_Grid_Rows; ++r)
        Field_Row_Typed(r) = 1;
    Field_Grid_Changed = true;
}

void Select_Field_Cell() {
    First_Key = 1;
    if (SEV.BuildGrid.Col() == 5) {
        MsgBox(by_language("Le facteur K est calculé, il n'est pas à introduire",
                           "El factor K está calculado por el programa, no se debe introducir",
                           "You cannot enter a value, K is calculated"),
               vbQuestion + vbOKOnly, Prog_Title);
        return;
    }
    SEV.BuildGrid.SetFocus();
    SEV.Computation.Default(true);
}

void Paste_Field_Column() {
    auto &grid = SEV.BuildGrid;
    const int col = grid.Col();
    int row = grid.Row();
    const int rows = grid.Rows();
    if (row < 1)
        return; // never into the header row
    const std::string text = clipboard_text();
    std::string collected;
    for (std::size_t i = 0; i < text.size() && row < rows; ++i) {
        const char c = text[i];
        if (c == '\r' || c == '\n') {
            // CR, LF and CR LF each end one line.
            if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n')
                ++i;
            set_cell(row, col, collected);
            Field_Row_Typed(row) = 1;
            Field_Grid_Changed = true;
            ++row;
            collected.clear();
        } else {
            collected += c;
        }
    }
    if (!collected.empty() && row < rows) {
        set_cell(row, col, collected);
        Field_Row_Typed(row) = 1;
        Field_Grid_Changed = true;
    }
    clipboard_clear();
}

void Type_Field_Key(int &KeyCode, int /*Shift*/) {
    auto &grid = SEV.BuildGrid;
    if (KeyCode >= vbKeyLeft && KeyCode <= vbKeyDown) {
        const int r = current_field_row();
        // The row below the last one reads as empty.
        const double dv = cell_value(r, 3), current = cell_value(r, 4), rho = cell_value(r, 6);
        const bool next = r + 1 <= Field_Grid_Rows;
        const double dv_next = next ? cell_value(r + 1, 3) : 0;
        const double current_next = next ? cell_value(r + 1, 4) : 0;
        const double rho_next = next ? cell_value(r + 1, 6) : 0;
        const bool recompute =
            KeyCode == vbKeyDown && ((dv > 0 && current > 0 && dv_next == 0 && current_next == 0) ||
                                     (rho > 0 && rho_next == 0) || Field_Rows_Computed.num() == 0);
        if (recompute) {
            First_Key = 1;
            Field_Rows_Computed = 1.0;
            Compute_Field_Rows();
            skipping_errors(Draw_Bilog_Frame);
            if (Field_Value_Refused()) {
                MsgBox(Field_Data_End_Text(), vbExclamation + vbOKOnly, Prog_Title);
            } else if (Nb_Points > 2) {
                clear_model_grid();
                if (Field_Grid_Fit)
                    skipping_errors(Field_Grid_Fit);
                // The handler moves the cursor itself: the grid must not move it again.
                if (r + 1 <= Field_Grid_Rows)
                    skipping_errors([&] { grid.Row(r + 1); });
                KeyCode = 0;
            }
            grid.SetFocus();
        }
    } else {
        Field_Rows_Computed = 0.0;
        int key = KeyCode;
        if (key > 57)
            key -= 48;
        // Decimal point of the keypad, full stop and comma: all are the decimal point.
        if (key == 62 || key == 142 || key == 140)
            key = 46;
        const bool accepted = key == vbKeyBack || key == 46 || (key >= '0' && key <= '9');
        // The Delete key empties the cell; the decimal point keys have codes of their own.
        const bool erase = KeyCode == vbKeyDelete;
        const int row = grid.Row(), col = grid.Col();
        if (accepted && row >= 1 && grid.has_cell(row, col)) {
            Saved = 0;
            Field_Grid_Changed = true;
            if (row <= Field_Grid_Rows)
                Field_Row_Typed(row) = 1;
            std::string text = grid.TextMatrix(row, col);
            if (First_Key == 1 || erase) {
                text.clear();
                if (col == 6 && row <= Field_Grid_Rows)
                    Field_Data(row, 7) = 0.0;
            }
            First_Key = 0;
            if (key == vbKeyBack) {
                if (!text.empty())
                    text.pop_back();
            } else if (!erase) {
                text += static_cast<char>(key);
            }
            grid.TextMatrix(row, col, text);
        }
    }
    skipping_errors([] { SEV.Grid1.Row(1); });
}

void Ignore_Field_Grid_Event(int, int, double, double) {}

void Step_Field_Row() {
    skipping_errors([] {
        SendKeys("{UP}");
        if (SEV.BuildGrid.Row() < Field_Grid_Rows)
            SEV.BuildGrid.Row(SEV.BuildGrid.Row() + 1);
    });
}

void Mark_Field_Cell_Fresh() {
    First_Key = 1;
}

void Marine_Floor_Changed() {
    // The correction changes the resistivity of every row: each is computed again.
    Mark_Every_Field_Row_Typed();
}

void Check10_Click() {
    Array_Factor = static_cast<std::int16_t>(SEV.Check10.Value() + 1);
    // K changes for every row: each resistivity is computed again from ΔV and I.
    Mark_Every_Field_Row_Typed();
    First_Key = 1;
    skipping_errors(Compute_Field_Rows);
    skipping_errors(Draw_Bilog_Frame);
}

} // namespace ohmira
