// Speed of a resize of the main window as the user meets it: the Qt window resized, the form's
// layout and plot redone, every widget moved and the window painted (offscreen platform).
#include "app/app_state.h"
#include "app/main_frame.h"
#include "core/forward.h"
#include "core/sounding.h"
#include "form/settings_values.h"
#include "form/sev_form.h"
#include "platform/qt/form_view.h"
#include "platform/qt/qt_services.h"
#include "platform/qt/qt_ui.h"

#include <QApplication>

#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>
#include <string>

namespace {

using namespace ohmira;

QApplication &app() {
    static QApplication *a = [] {
        // Offscreen on a full-HD screen (the plugin's own is 800 x 600).
        const std::string config = "/tmp/ohmira-bench-screen.json";
        if (std::FILE *f = std::fopen(config.c_str(), "w")) {
            std::fputs("{\"screens\": [{\"name\": \"OffscreenScreen\", \"x\": 0, \"y\": 0, "
                       "\"width\": 1920, \"height\": 1080, \"logicalDpi\": 96, "
                       "\"logicalBaseDpi\": 96, \"dpr\": 1}]}",
                       f);
            std::fclose(f);
        }
        const char *asked = std::getenv("QT_QPA_PLATFORM");
        if (!asked || std::string(asked) == "offscreen")
            setenv("QT_QPA_PLATFORM", ("offscreen:configfile=" + config).c_str(), 1);
        static int argc = 1;
        static char name[] = "ohmira_qt_bench";
        static char *argv[] = {name, nullptr};
        auto *created = new QApplication(argc, argv);
        qt::install_qt_services();
        return created;
    }();
    return *a;
}

// A 4-layer Schlumberger sounding with 15 field points and its curve computed.
void four_layer_sounding() {
    AB2min = -1;
    AB2max = 4;
    RHOmin = 0;
    RHOmax = 4;
    AB2min_Value = 0;
    AB2max_Value = 10000;
    RHOmin_Value = 1;
    RHOmax_Value = 10000;
    Draw_Model = 1;
    SEV.Option1.Value(true);
    const double model[][2] = {{80, 1.5}, {20, 6}, {300, 25}, {40, 0}};
    Nb_Layers = 4;
    for (int i = 1; i <= 4; ++i) {
        Model_Layers(1, i) = model[i - 1][0];
        Model_Layers(2, i) = model[i - 1][1];
    }
    const double spacings[] = {1, 1.5, 2, 3, 5, 7, 10, 15, 20, 30, 50, 70, 100, 150, 200};
    const double rho[] = {79, 75, 66, 48, 31, 26, 27, 33, 40, 52, 66, 72, 71, 64, 58};
    Nb_Points = 15;
    for (int i = 1; i <= 15; ++i) {
        Field_Data(i, 1) = spacings[i - 1];
        Field_Data(i, 2) = rho[i - 1];
    }
    Plot_Empty = 0; // a sounding is open: every resize redraws the plot
}

void BM_MainWindowResizeOnScreen(benchmark::State &state) {
    app();
    reset_all_state();
    reset_SEV();
    Prepare_Main_Window();
    four_layer_sounding();
    SEV.Show();
    qt::FormView &view = qt::QtUi::instance().window_of(SEV);
    qt::QtUi::instance().sync_all();
    QApplication::processEvents();
    bool wide = false;
    int plot_width[2] = {0, 0};
    for (auto _ : state) {
        wide = !wide;
        view.resize(wide ? 1800 : 1000, wide ? 1000 : 700);
        QApplication::processEvents();
        qt::QtUi::instance().sync_all();
        view.repaint();
        plot_width[wide] = SEV.Bilog.Width();
    }
    // What each resize did: the plot moved with the window and was drawn again.
    state.counters["plot_width_wide"] = plot_width[1];
    state.counters["plot_width_narrow"] = plot_width[0];
    state.counters["plot_ops"] = static_cast<double>(SEV.Bilog.picture().size());
    view.close();
    reset_SEV();
}
BENCHMARK(BM_MainWindowResizeOnScreen)->Unit(benchmark::kMillisecond);

} // namespace
