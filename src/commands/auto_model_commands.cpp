#include "commands/auto_model_commands.h"
#include "commands/compute_commands.h"
#include "form/applied_array.h"

#include "core/app_title.h"
#include "core/fit.h"
#include "core/sounding.h"
#include "editor/model_grid.h"
#include "editor/window_sounding.h"
#include "form/sev_form.h"
#include "platform/dialog_host.h"
#include "plot/forward_commands.h"
#include "plot/loglog_plot.h"

namespace ohmira {

namespace {

void restore_pointers() {
    SEV.Bilog.MousePointer(vbCrosshair);
    SEV.MousePointer(vbArrow);
}

} // namespace

void Create_Auto_Model() {
    SEV.Bilog.MousePointer(vbHourglass);
    SEV.MousePointer(vbHourglass);
    if (!detect_auto_model(Wenner_Applied())) {
        MsgBox(by_language(Auto_Model_Impossible_Text), vbCritical, Prog_Title);
        restore_pointers();
        return;
    }
    Draw_Mode = "AUTOMATIC";
    restore_pointers();
}

void Set_Auto_Threshold() {
    Auto_Threshold = SEV.Slider1.Value() / 10.0 + 0.03;
    SEV.Grid1.SetFocus();
}

void Setup_Auto_Threshold_Slider() {
    SEV.Slider1.Change = nullptr;
    SEV.Slider1.Min(0);
    SEV.Slider1.Max(10);
    SEV.Slider1.Value(3);
    Auto_Threshold = SEV.Slider1.Value() / 10.0 + 0.03;
    SEV.Slider1.Change = Set_Auto_Threshold;
}

void NModele_Click() {
    if (File_Name.empty()) {
        MsgBox(by_language(Select_File_First_Text), vbExclamation, Prog_Title);
        return;
    }
    // The model is the window's: rows and cells typed are taken first, a value the file cannot
    // hold stops the command at its box.
    if (!Take_Window_Sounding(Window_Take::Compute) ||
        (Model_Grid_Changed && !Take_Model_Grid(true)))
        return;
    SEV.Bilog.MousePointer(vbHourglass);
    Draw_Mode = "NORMAL";
    Draw_Bilog_Frame();
    bool automatic = false;
    if (Model_Layers(1, 1).num() > 0 && Model_Layers(2, 1).num() > 0 &&
        Model_Layers(1, 2).num() > 0) {
        Display_Model();
        Update_Layer_Depths();
        Compute_Curve();
        Lift_Overlay_Guard();
    } else if (MsgBox(by_language(Auto_Model_Question_Text), vbYesNo + vbQuestion, Prog_Title) ==
               vbYes) {
        Create_Auto_Model();
        automatic = true;
    }
    if (!automatic) {
        SEV.SSTab1.Tab(1);
    }
    restore_pointers();
}

void Request_Auto_Model() {
    if (File_Name.empty()) {
        MsgBox(by_language(Request_Select_File_Text), vbExclamation, Prog_Title);
        return;
    }
    Create_Auto_Model();
}

} // namespace ohmira
