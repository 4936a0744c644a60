#include "shell/window_layout.h"

#include "core/fit.h"
#include "core/forward.h"
#include "core/loglog_plot.h"
#include "core/sounding.h"
#include "platform/number_text.h"
#include "platform/runtime_error.h"
#include "shell/find_control.h"
#include "shell/sev_form.h"

#include <exception>

namespace ohmira {

namespace {

// A size in twips from a proportion, as the window's whole-number sizes take it.
int scaled(double factor, int size) {
    return static_cast<int>(round_half_even(factor * size));
}

} // namespace

void SEV_Form_Resize() {
    if (SEV.Width() < min_window_width)
        SEV.Width(min_window_width);
    if (SEV.Height() < min_window_height)
        SEV.Height(min_window_height);

    SSTab &tabs = SEV.SSTab1;
    tabs.Width(scaled(0.97, SEV.Width()));
    tabs.Height(scaled(0.89, SEV.Height()));
    SEV.Bilog.Width(scaled(0.62, tabs.Width()));
    SEV.Bilog.Height(scaled(0.87, tabs.Height()));

    VSPrinter &sheet = SEV.VSPrint;
    VSPrinter &profile = SEV.VSPrint1;
    Control *sheet_frame = sev_control<Control>("Frame13");
    Control *profile_frame = sev_control<Control>("Frame12");
    for (Control *c : {static_cast<Control *>(&sheet), sheet_frame,
                       static_cast<Control *>(&profile), profile_frame})
        if (c)
            c->Top(500);
    sheet.Width(tabs.Width() - 2500);
    sheet.Height(tabs.Height() - 800);
    profile.Left(2300);
    profile.Width(tabs.Width() - 2500);
    profile.Height(tabs.Height() - 800);
    if (profile_frame)
        profile_frame->Height(profile.Height());
    if (sheet_frame)
        sheet_frame->Height(sheet.Height());

    if (Plot_Empty)
        return;
    SEV.Bilog.MousePointer(vbHourglass);
    Draw_Mode = "NORMAL";
    skipping_errors(Draw_Bilog_Frame);
    skipping_errors(Update_Layer_Depths);
    skipping_errors(Compute_Curve);
    SEV.Bilog.MousePointer(vbCrosshair);
    Draw_Mode.clear();
}

} // namespace ohmira
