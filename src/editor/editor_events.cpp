#include "editor/editor_events.h"

#include "editor/data_entry.h"
#include "editor/field_buttons.h"
#include "editor/field_grid.h"
#include "shell/sev_form.h"

namespace ohmira {

void connect_editor_events() {
    // The data-entry page: the field grid, its buttons and boxes, the array options.
    SEV.BuildGrid.Click = Select_Field_Cell;
    SEV.BuildGrid.DblClick = Paste_Field_Column;
    SEV.BuildGrid.KeyDown = Type_Field_Key;
    SEV.BuildGrid.MouseMove = Ignore_Field_Grid_Event;
    SEV.BuildGrid.EnterCell = Mark_Field_Cell_Fresh;
    SEV.Check10.Click = Check10_Click;
    SEV.lissbox.Click = lissbox_Click;
    SEV.Command1.Click = Command1_Click;
    SEV.Computation.Click = Computation_Click;
    SEV.CorrectButton.Click = CorrectButton_Click;
    SEV.RecordButton.Click = RecordButton_Click;
    SEV.SaveButton.Click = SaveButton_Click;
    SEV.ExitButton.Click = ExitButton_Click;
    SEV.Text3.DblClick = Text3_DblClick;
    SEV.GotFocus = Form_GotFocus;
    SEV.Option1.Click = Option1_Click;
    SEV.Option2.Click = Option2_Click;
    SEV.Option3.Click = Option3_Click;
}

} // namespace ohmira
