#include "app/app_events.h"

#include "app/command_dispatch.h"
#include "app/language_options.h"
#include "app/launched_programs.h"
#include "app/plot_colours.h"
#include "app/program_exit.h"
#include "app/splash_form.h"
#include "app/startup.h"
#include "app/status_hints.h"
#include "app/window_layout.h"
#include "form/sev_form.h"
#include "platform/toolbar.h"

namespace ohmira {

void connect_app_events() {
    SEV.Form_Resize = SEV_Form_Resize;
    SEV.Toolbar1.ButtonClick = Toolbar1_ButtonClick;
    SEV.SSTab1.Click = [] { SSTab1_Click(SEV.SSTab1.previous_tab()); };
    SEV.E_M.Click = E_M_Click;
    connect_splash_events();
    // Setup tab, plot colours, status hints, help and utility menus.
    SEV.Combo6.Click = Combo6_Click;
    SEV.Combo6.Change = Combo6_Change;
    SEV.Command11.Click = Command11_Click;
    SEV.Command4.Click = Command4_Click;
    SEV.Command5.Click = Command5_Click;
    SEV.Command6.Click = Command6_Click;
    SEV.Command12.Click = Command12_Click;
    SEV.Command7.Click = Command7_Click;
    SEV.Command8.Click = Command8_Click;
    SEV.Command10.Click = Command10_Click;
    SEV.Picture4.MouseMove = Picture4_MouseMove;
    SEV.Picture5.MouseMove = Picture5_MouseMove;
    SEV.Help_US.Click = Help_US_Click;
    SEV.NHelp.Click = NHelp_Click;
    SEV.NCalculator.Click = NCalculator_Click;
    SEV.video.Click = video_Click;
    SEV.contact.Click = contact_Click;
    SEV.WS.Click = WS_Click;
}

void connect_start_and_exit() {
    SEV.Form_Load = SEV_Form_Load;
    SEV.Form_Unload = SEV_Form_Unload;
}

} // namespace ohmira
