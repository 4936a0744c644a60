#include "shell/shell_events.h"

#include "platform/toolbar.h"
#include "shell/command_dispatch.h"
#include "shell/program_exit.h"
#include "shell/sev_form.h"
#include "shell/splash_form.h"
#include "shell/startup.h"
#include "shell/window_layout.h"

namespace ohmira {

void connect_shell_events() {
    SEV.Form_Load = SEV_Form_Load;
    SEV.Form_Unload = SEV_Form_Unload;
    SEV.Form_Resize = SEV_Form_Resize;
    SEV.Toolbar1.ButtonClick = Toolbar1_ButtonClick;
    SEV.SSTab1.Click = [] { SSTab1_Click(SEV.SSTab1.previous_tab()); };
    SEV.E_M.Click = E_M_Click;
    connect_splash_events();
}

} // namespace ohmira
