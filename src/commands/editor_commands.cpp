#include "commands/editor_commands.h"

#include "commands/compute_commands.h"
#include "commands/field_buttons.h"
#include "commands/open_save.h"
#include "commands/superposition.h"
#include "editor/field_grid.h"
#include "form/sev_form.h"

namespace ohmira {

void connect_editor_commands() {
    // The data-entry page: the buttons and boxes of the field-data frame.
    SEV.lissbox.Click = lissbox_Click;
    SEV.Command1.Click = Command1_Click;
    SEV.Computation.Click = Computation_Click;
    SEV.CorrectButton.Click = CorrectButton_Click;
    SEV.RecordButton.Click = RecordButton_Click;
    SEV.SaveButton.Click = SaveButton_Click;
    SEV.ExitButton.Click = ExitButton_Click;
    SEV.Text3.DblClick = Text3_DblClick;
    SEV.GotFocus = Form_GotFocus;
    Field_Grid_Fit = Ajuste_Button_Click;

    // The model panel.
    SEV.Calcul_Button.Click = Calcul_Button_Click;
    SEV.Ajuste_Button.Click = Ajuste_Button_Click;
    SEV.Record_Button.Click = Record_Button_Click;
    SEV.Check18.Click = Check18_Click;
    SEV.lastone.Click = lastone_Click;
    SEV.nextone.Click = nextone_Click;
    SEV.N1Calcul.Click = N1Calcul_Click;
}

} // namespace ohmira
