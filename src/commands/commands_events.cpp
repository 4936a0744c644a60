#include "commands/commands_events.h"
#include "commands/auto_model_commands.h"
#include "commands/new_sounding.h"
#include "commands/older_file_commands.h"

#include "commands/open_save.h"
#include "core/auto_model.h"
#include "core/older_files.h"
#include "core/sounding.h"
#include "form/sev_form.h"

namespace ohmira {

void connect_commands_events() {
    SEV.NewFile.Click = NewFile_Click;
    SEV.Bak_M.Click = Bak_M_Click;
    SEV.NFile.Click = NFile_Click;
    SEV.NRecord.Click = NRecord_Click;
    SEV.F1_F.Click = F1_F_Click;
    SEV.F2_F.Click = F2_F_Click;
    SEV.F3_F.Click = F3_F_Click;
    SEV.F4_F.Click = F4_F_Click;
    SEV.F5_F.Click = F5_F_Click;
    SEV.NModele.Click = NModele_Click;
    Setup_Auto_Threshold_Slider();
}

} // namespace ohmira
