#include "plot/forward_commands.h"

#include "core/app_title.h"
#include "core/language.h"
#include "core/sounding.h"
#include "form/applied_array.h"
#include "form/settings_values.h"
#include "form/sev_form.h"
#include "platform/dialog_host.h"
#include "plot/loglog_plot.h"

namespace ohmira {

namespace {

// The desktop's window-text colour: the check box and its label lose the dimmed look of a
// superposition in progress.
constexpr int Window_Text_Color = vbWindowText;

// After the sample loop, and in the error handler: superposition off releases the check box. The
// overlay guard (Fresh_Load) is the commands' to lift: a curve drawn by a redraw, a resize or the
// sheet is no computation the user asked for.
void release_superposition_box() {
    if (Superpose == 1) {
        return;
    }
    SEV.Check18.Enabled(true);
    SEV.Check18.ForeColor(Window_Text_Color);
    SEV.Label31.ForeColor(Window_Text_Color);
}

} // namespace

Array_Type selected_array_type() {
    return Applied_Array;
}

void Compute_Curve() {
    SEV.Bilog.MousePointer(vbHourglass);
    const Model_Curve_Result result = compute_model_curve(selected_array_type());
    if (!result.computed) {
        SEV.Bilog.MousePointer(vbCrosshair);
        return;
    }
    const bool fitting = Misfit.num() != 0;
    const bool drawing = Draw_Mode != "FICHIER" && !fitting;
    if (drawing) {
        for (int k = 0; k < result.written; ++k) {
            Plot_Curve_Point(k + 1);
        }
    }

    if (result.failure != Forward_Failure::none) {
        // A fit computes hundreds of trial curves: the same failure is told once per fit.
        if (!Calculation_Error_Told) {
            MsgBox(by_language(Calculation_Error_Text), vbExclamation, Prog_Title);
        }
        if (Fit_In_Progress) {
            Calculation_Error_Told = true;
        }
        // The plot must not keep the hourglass after a failed computation.
        if (Draw_Mode != "FICHIER") {
            SEV.Bilog.MousePointer(vbCrosshair);
        }
        release_superposition_box();
        return;
    }
    if (Draw_Mode == "FICHIER") {
        return;
    }
    if (Draw_RMS == 1 && !fitting) {
        Draw_Error_Curve();
    }
    if (Draw_Model == 1 && !fitting) {
        Draw_Model_Steps();
    }
    SEV.Bilog.MousePointer(vbCrosshair);
    release_superposition_box();
}

} // namespace ohmira
