#include "core/core_events.h"

#include "core/auto_model.h"
#include "core/older_files.h"
#include "core/sounding.h"
#include "shell/sev_form.h"

namespace ohmira {

void connect_core_events() {
    SEV.NewFile.Click = NewFile_Click;
    SEV.Bak_M.Click = Bak_M_Click;
    SEV.NModele.Click = NModele_Click;
    Setup_Auto_Threshold_Slider();
}

} // namespace ohmira
