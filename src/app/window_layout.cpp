#include "app/window_layout.h"
#include "plot/forward_commands.h"

#include "core/fit.h"
#include "core/forward.h"
#include "core/sounding.h"
#include "form/find_control.h"
#include "form/sev_form.h"
#include "platform/number_text.h"
#include "platform/runtime_error.h"
#include "platform/screen.h"
#include "plot/loglog_plot.h"
#include "plot/plot_redraw.h"

#include <algorithm>
#include <exception>
#include <initializer_list>

namespace ohmira {

namespace {

// A size in twips from a proportion, as the window's whole-number sizes take it.
int scaled(double factor, int size) {
    return static_cast<int>(round_half_even(factor * size));
}

// Gaps between the Main page's controls and from the tab strip's edges, in twips.
constexpr int gap = 60;
constexpr int column_gap = 142; // between the plot and the frames beside it
constexpr int edge = 60;
constexpr int toolbar_width = 6000; // its buttons and the empty place after them

// The Main page: the field grid, editing, marine, model-grid and model-button frames stand in a
// column right of the plot; the location, graph-title and comment frames, then the three status
// boxes, stand in rows below it. The plot keeps its proportions of the tab strip as far as the
// column and the rows leave room, and they move with its edges.
void place_main_page(const SSTab &tabs) {
    PictureBox &plot = SEV.Bilog;
    const int column_width = SEV.Frame16.Width();
    const int rows_height = SEV.Frame5.Height() + gap + SEV.Text2.Height() + gap;
    plot.Width(
        std::max(1, std::min(scaled(0.62, tabs.Width()),
                             tabs.Width() - plot.Left() - column_gap - column_width - edge)));
    plot.Height(std::max(1, std::min(scaled(0.87, tabs.Height()),
                                     tabs.Height() - plot.Top() - gap - rows_height - edge)));

    const int column = plot.Left() + plot.Width() + column_gap;
    SEV.Frame16.Left(column);
    SEV.Frame14.Left(column);
    SEV.Frame9.Left(column + SEV.Frame16.Width() - SEV.Frame9.Width());
    SEV.Frame17.Left(column);
    SEV.Frame15.Left(column + SEV.Frame16.Width() - SEV.Frame15.Width());

    // The rows below the plot: fixed widths from its left edge, the last one reaching its right.
    const int right = plot.Left() + plot.Width();
    auto place_row = [&](std::initializer_list<Control *> row, int top) {
        int left = plot.Left();
        Control *last = nullptr;
        for (Control *c : row) {
            c->Move(left, top, c->Width(), c->Height());
            left += c->Width() + gap;
            last = c;
        }
        if (last)
            last->Width(std::max(1, right - last->Left()));
    };
    const int frames_top = plot.Top() + plot.Height() + gap;
    place_row({&SEV.Frame5, &SEV.Frame2, &SEV.Frame1}, frames_top);
    SEV.Text18.Width(std::max(1, SEV.Frame1.Width() - 2 * SEV.Text18.Left()));
    place_row({&SEV.Text2, &SEV.Text3, &SEV.Text4}, frames_top + SEV.Frame5.Height() + gap);
}

} // namespace

void SEV_Form_Resize() {
    // The minimum, unless the screen is smaller still.
    const int min_width =
        Screen.Width() > 0 ? std::min(min_window_width, Screen.Width()) : min_window_width;
    const int min_height =
        Screen.Height() > 0 ? std::min(min_window_height, Screen.Height()) : min_window_height;
    SEV.set_min_size(min_width, min_height);
    if (SEV.Width() < min_width)
        SEV.Width(min_width);
    if (SEV.Height() < min_height)
        SEV.Height(min_height);
    // The toolbar, then the status box beside it up to the window's right edge.
    SEV.Toolbar1.Width(toolbar_width);
    SEV.Text1.Left(toolbar_width + gap);
    SEV.Text1.Width(std::max(1, SEV.Width() - window_chrome_width - SEV.Text1.Left() - edge));

    SSTab &tabs = SEV.SSTab1;
    // In proportion to the window, as far as its frame and menu bar leave room.
    tabs.Width(
        std::min(scaled(0.97, SEV.Width()), SEV.Width() - window_chrome_width - tabs.Left()));
    tabs.Height(
        std::min(scaled(0.89, SEV.Height()), SEV.Height() - window_chrome_height - tabs.Top()));
    place_main_page(tabs);

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
    // The colour-scale frame of the profile page ends above the tab strip's edge.
    SEV.Frame8.Height(std::min(8900, tabs.Height() - SEV.Frame8.Top() - edge));

    if (Plot_Empty)
        return;
    SEV.Bilog.MousePointer(vbHourglass);
    Redraw_Sounding_Plot();
    SEV.Bilog.MousePointer(vbCrosshair);
    Draw_Mode.clear();
}

} // namespace ohmira
