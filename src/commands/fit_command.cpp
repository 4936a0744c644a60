#include "commands/fit_command.h"

#include "core/app_title.h"
#include "core/forward.h"
#include "core/sounding.h"
#include "editor/model_grid.h"
#include "platform/dialog_host.h"
#include "platform/runtime_error.h"
#include "platform/screen.h"
#include "plot/forward_commands.h"

namespace ohmira {

namespace {

// Marks the fit's trial steps, so that a failing computation is told once per fit.
class Trial_Steps {
public:
    Trial_Steps() {
        Fit_In_Progress = true;
        Calculation_Error_Told = false;
    }
    ~Trial_Steps() {
        Fit_In_Progress = false;
        Calculation_Error_Told = false;
    }
    Trial_Steps(const Trial_Steps &) = delete;
    Trial_Steps &operator=(const Trial_Steps &) = delete;
};

void fit_failed() {
    Screen.MousePointer(vbArrow);
    // Later computations must draw again: the fit is over.
    Misfit = 0.0;
    MsgBox(Fit_Error_Text, vbExclamation, Prog_Title);
}

} // namespace

void Fit_Model() {
    const Trial_Steps trial_steps;
    if (Nb_Layers < 2 || Nb_Points < 1 || Curve_Valid == 0) {
        Compute_Curve();
    }
    Screen.MousePointer(vbHourglass);
    if (!fit_search(Compute_Curve)) {
        fit_failed();
        return;
    }
    try {
        Misfit = 0.0;
        Compute_Curve();
        Display_Model();
    } catch (const RuntimeError &) {
        fit_failed();
        return;
    }
    Screen.MousePointer(vbDefault);
}

} // namespace ohmira
