#pragma once
// Typing into the field-data grid `BuildGrid` and the computation of its rows: K and the apparent
// resistivity of each row, the marine-floor correction, the segment-shift compensation and the
// ordering by spacing. The grid has no editor of its own: its events land here.
//
// Grid columns: 1 MN/2 (BN), 2 AB/2 (AM, a), 3 ΔV, 4 I, 5 K, 6 apparent resistivity; grid row r
// is Field_Data row r.
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "core/bounded_table.h"
#include "core/sounding.h"
#include "platform/variant.h"

namespace ohmira {

// Empty until the first key; 0 after any key other than an arrow, 1 after the key handler ran
// the row computation.
inline Variant Field_Rows_Computed;

// 1 for a row of the field grid one of whose cells was typed or pasted since the last
// computation of the rows. Every other row keeps the apparent resistivity and K it shows, as read
// from the file or as computed then: recomputing them from ΔV, which the file keeps to 0.1 mV,
// with the array or corrections applied since, or sorting overlapping segments, would change
// points the user did not touch.
inline Table1<std::int16_t, 0, 52> Field_Row_Typed;

// Row `from`'s values kept as read (K, the resistivity read) and its typed mark go to row `to`,
// as grid rows move up or down under a deleted or inserted row.
void Move_Field_Row_Kept(int to, int from);

// True while the field grid shows what Field_Data does not hold: a cell typed or pasted, a line
// inserted or deleted, a new sounding's spacings, or after a computation, measurements at or
// below the row where the data ended. Nothing fills the grid from Field_Data while it is set.
inline bool Field_Grid_Changed = false;

// Reads the field grid into Field_Data, computing K and the apparent resistivity of each row.
void Compute_Field_Rows();

// The field grid's cells and what the sounding holds of them, to put back when a computation of
// the rows is refused: the window and the sounding as they were.
struct Field_Grid_State {
    Sounding_Record sounding;
    Table1<std::int16_t, 0, 52> typed;
    bool changed = false;
    std::int16_t saved = 0;
    std::vector<std::vector<std::string>> cells;
};
Field_Grid_State Take_Field_Grid_State();
void Restore_Field_Grid_State(const Field_Grid_State &state);

// Every row of the grid to be computed again at the next computation, for a change that alters
// every resistivity (the half array, the smoothing, the marine-floor correction).
void Mark_Every_Field_Row_Typed();

// Where the last row computation found the end of the data, when rows below it hold values:
// the text naming the row and why it ends the data ("" when nothing is filled below it).
std::string Field_Data_End_Text();
// The last row computation ended the data at a value the sounding file cannot hold.
bool Field_Value_Refused();
// The row where the last row computation ended the data and why, whatever lies below it.
std::string Field_Data_Refusal_Text();
// The same text for the fit, which needs the first two points of Field_Data: the row where they
// end and why ("" when nothing is filled below it).
std::string Fit_Data_End_Text();

// Events of BuildGrid.
void Select_Field_Cell();                     // Click
void Paste_Field_Column();                    // DblClick: the clipboard down the column
void Type_Field_Key(int &KeyCode, int Shift); // KeyDown
// The fit the Down key runs once it has computed three points or more: the model panel's fit,
// handed down by the commands when they connect their buttons; nothing until then.
inline std::function<void()> Field_Grid_Fit;
void Ignore_Field_Grid_Event(int, int, double, double); // MouseMove
// One row down, with an Up-arrow queued behind it: the cursor ends where it was. No event of the
// grid runs it, since its net effect is nil; kept as a tested procedure.
void Step_Field_Row();
void Mark_Field_Cell_Fresh(); // EnterCell: the next key replaces the cell's text

// The half-array box.
void Check10_Click();
// The marine-floor box or the water resistivity changed: every row is computed again at the next
// computation.
void Marine_Floor_Changed();

// Rounding of an apparent resistivity: whole above 100, one decimal above 10, else two.
double round_three_bands(double rho);

} // namespace ohmira
