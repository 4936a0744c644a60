#pragma once
// Editing the model grid: the program types into the cells itself (a clicked or entered cell is
// replaced by the next accepted key), a double click holds a parameter fixed for the fit, and
// the two buttons insert and delete layers.
namespace ohmira {

// Click on a cell: the next key replaces it; Enter then runs the compute button.
void Select_Model_Cell();
// Double click: holds the resistivity or thickness of the current cell fixed, or frees it.
void Toggle_Fixed_Parameter();
// Key down in the grid; runs before the grid's own arrow-key move (KeyCode 0 cancels that move).
void Type_Model_Key(int &KeyCode, int Shift);
// One row down and back up: leaves the cursor where it was except on the last row. No event of
// the grid runs it, since it only undoes its own move; kept as a tested procedure.
void Step_Model_Row();
// The cursor entered a cell: the next key replaces it.
void Mark_Model_Cell_Fresh();
// "Insert line": a new 100 ohm·m, 1 m layer at the current row.
void InsLine_Click();
// "Delete line": removes the layer of the current row.
void delLine_Click();

} // namespace ohmira
