#include "editor/editor_events.h"

#include "core/compute_commands.h"
#include "core/open_save.h"
#include "core/superposition.h"
#include "editor/model_grid_editing.h"
#include "shell/sev_form.h"

namespace ohmira {

void connect_editor_events() {
    SEV.Grid1.Click = Select_Model_Cell;
    SEV.Grid1.DblClick = Toggle_Fixed_Parameter;
    SEV.Grid1.KeyDown = Type_Model_Key;
    SEV.Grid1.EnterCell = Mark_Model_Cell_Fresh;
    SEV.InsLine.Click = InsLine_Click;
    SEV.delLine.Click = delLine_Click;
    SEV.Calcul_Button.Click = Calcul_Button_Click;
    SEV.Ajuste_Button.Click = Ajuste_Button_Click;
    SEV.Record_Button.Click = Record_Button_Click;
    SEV.Check18.Click = Check18_Click;
    SEV.lastone.Click = lastone_Click;
    SEV.nextone.Click = nextone_Click;
    SEV.N1Calcul.Click = N1Calcul_Click;
}

} // namespace ohmira
