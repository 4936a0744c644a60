// Speed of what the window does on each look: the sounding sheet built for the preview (both
// pages) and a relayout of the main window after a resize (the plot redrawn with its curve).
#include "app/app_state.h"
#include "app/window_layout.h"
#include "core/forward.h"
#include "core/language.h"
#include "core/sounding.h"
#include "form/settings_values.h"
#include "form/sev_form.h"
#include "plot/forward_commands.h"
#include "plot/loglog_plot.h"
#include "printing/printing_events.h"
#include "printing/sheet_builder.h"
#include "printing/sheet_preview.h"

#include <benchmark/benchmark.h>

namespace {

using namespace ohmira;

// A 4-layer Schlumberger sounding with 15 field points and its curve computed.
void four_layer_sounding() {
    reset_all_state();
    reset_SEV();
    connect_printing_events();
    AB2min = -1;
    AB2max = 4;
    RHOmin = 0;
    RHOmax = 4;
    AB2min_Value = 0;
    AB2max_Value = 10000;
    RHOmin_Value = 1;
    RHOmax_Value = 10000;
    Left_Margin = Right_Margin = Upper_Margin = 1134;
    Bottom_Margin = 1250;
    Draw_Model = 1;
    SEV.Option1.Value(true);
    File_Name = "S12.QD3";
    const double model[][2] = {{80, 1.5}, {20, 6}, {300, 25}, {40, 0}};
    Nb_Layers = 4;
    double depth = 0;
    for (int i = 1; i <= 4; ++i) {
        Model_Layers(1, i) = model[i - 1][0];
        Model_Layers(2, i) = model[i - 1][1];
        Model_Layers(3, i) = depth;
        depth += model[i - 1][1];
    }
    const double spacings[] = {1, 1.5, 2, 3, 5, 7, 10, 15, 20, 30, 50, 70, 100, 150, 200};
    const double rho[] = {79, 75, 66, 48, 31, 26, 27, 33, 40, 52, 66, 72, 71, 64, 58};
    Nb_Points = 15;
    for (int i = 1; i <= 15; ++i) {
        Field_Data(i, 1) = spacings[i - 1];
        Field_Data(i, 2) = rho[i - 1];
        Field_Data(i, 3) = 0.5;
        Field_Data(i, 4) = 10.0 * i;
        Field_Data(i, 5) = 3.14;
        Field_Data(i, 6) = 100;
    }
    Graph_Title = "Line 4, station 12";
    Comment = "Dry season";
    Draw_Mode = "FICHIER";
    Compute_Curve();
    Draw_Mode = "";
}

void BM_SheetBothPages(benchmark::State &state) {
    four_layer_sounding();
    display_print();
    for (auto _ : state) {
        Rebuild_Sheet();
        benchmark::DoNotOptimize(SEV.VSPrint.PageCount());
    }
    state.counters["pages"] = SEV.VSPrint.PageCount();
}
BENCHMARK(BM_SheetBothPages)->Unit(benchmark::kMillisecond);

void BM_MainWindowRelayout(benchmark::State &state) {
    four_layer_sounding();
    Plot_Empty = 0; // a sounding is open: every resize redraws the plot
    bool wide = false;
    for (auto _ : state) {
        wide = !wide;
        SEV.Width(wide ? 28800 : 15360);
        SEV.Height(wide ? 15750 : 10800);
        SEV_Form_Resize();
        benchmark::DoNotOptimize(SEV.Bilog.Width());
    }
    // What a resize does: the plot follows the window and is drawn again.
    for (const bool wide_window : {true, false}) {
        SEV.Width(wide_window ? 28800 : 15360);
        SEV.Height(wide_window ? 15750 : 10800);
        SEV_Form_Resize();
        state.counters[wide_window ? "plot_width_wide" : "plot_width_narrow"] = SEV.Bilog.Width();
    }
    state.counters["plot_ops"] = static_cast<double>(SEV.Bilog.picture().size());
}
BENCHMARK(BM_MainWindowRelayout)->Unit(benchmark::kMillisecond);

} // namespace
