#include "editor/editor_events.h"

#include "editor/data_entry.h"
#include "editor/field_grid.h"
#include "editor/model_grid.h"
#include "editor/model_grid_editing.h"
#include "form/sev_form.h"

namespace ohmira {

void connect_editor_events() {
    // The data-entry page: the field grid, its half-array box, the array options.
    SEV.BuildGrid.Click = Select_Field_Cell;
    SEV.BuildGrid.DblClick = Paste_Field_Column;
    SEV.BuildGrid.KeyDown = Type_Field_Key;
    SEV.BuildGrid.MouseMove = Ignore_Field_Grid_Event;
    SEV.BuildGrid.EnterCell = Mark_Field_Cell_Fresh;
    SEV.Check10.Click = Check10_Click;
    SEV.Marine_floor.Click = Marine_Floor_Changed;
    SEV.Reau.Change = Marine_Floor_Changed;
    SEV.Option1.Click = Option1_Click;
    SEV.Option2.Click = Option2_Click;
    SEV.Option3.Click = Option3_Click;

    SEV.Grid1.Click = Select_Model_Cell;
    SEV.Grid1.DblClick = Toggle_Fixed_Parameter;
    SEV.Grid1.KeyDown = Type_Model_Key;
    SEV.Grid1.EnterCell = Mark_Model_Cell_Fresh;
    SEV.InsLine.Click = InsLine_Click;
    SEV.delLine.Click = delLine_Click;
    SEV.Text19.Change = Text19_Change;
    SEV.Text29.Change = Text29_Change;
}

} // namespace ohmira
