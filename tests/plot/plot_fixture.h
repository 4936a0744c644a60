#pragma once
// Common set-up of the plot tests: a fresh sounding and main window, the default plot window and
// colours, the Schlumberger array and a scripted dialog host; helpers to read the display lists.
#include <gtest/gtest.h>

#include <cmath>
#include <initializer_list>
#include <utility>

#include "../core/sounding_setters.h"
#include "core/language.h"
#include "core/sounding.h"
#include "form/applied_array.h"
#include "form/settings_values.h"
#include "form/sev_form.h"
#include "platform/printer.h"
#include "platform/scripted_dialog_host.h"
#include "plot/loglog_plot.h"
#include "plot/sheet_geometry.h"

namespace ohmira::test {

// Decades as the plot computes them.
inline double plot_log(double v) {
    return std::log(v) * 0.4343;
}

class PlotTest : public ::testing::Test {
protected:
    void SetUp() override {
        reset_core_state();
        reset_plot_state();
        reset_sheet_geometry();
        reset_SEV();
        Printer.reset();
        set_window(-1, 4, 0, 4);
        Grid_Color = 16512;
        Curve_Color = 255;
        Points_Color = 255;
        Model_Color = 16711935;
        Error_Color = 255;
        Superposed_Color = 32768;
        Color_Mode = -1;
        Print_QBColor = 0;
        Draw_Mode = "NORMAL";
        Lang_French = Lang_Spanish = Lang_German = false;
        Lang_English = true;
        Apply_Array(Array_Type::Schlumberger);
    }

    // The plot window by its exponents, with the whole-number bounds the settings derive.
    static void set_window(int ab2min, int ab2max, int rhomin, int rhomax) {
        AB2min = static_cast<std::int16_t>(ab2min);
        AB2max = static_cast<std::int16_t>(ab2max);
        RHOmin = static_cast<std::int16_t>(rhomin);
        RHOmax = rhomax;
        const auto whole = [](int e) {
            return static_cast<std::int32_t>(std::lround(std::pow(10.0, e)));
        };
        AB2min_Value = whole(ab2min);
        AB2max_Value = whole(ab2max);
        RHOmin_Value = whole(rhomin);
        RHOmax_Value = whole(rhomax);
    }

    // The screen plot's twips of a plot point.
    static PointTw at(double x, double y) { return SEV.Bilog.to_twips(x, y); }

    // Within `tolerance` twips (coordinates given to 7 decimals need about 0.01).
    static void expect_at(double tx, double ty, PointTw expected, const char *what,
                          double tolerance = 1e-6) {
        EXPECT_NEAR(tx, expected.x, tolerance) << what;
        EXPECT_NEAR(ty, expected.y, tolerance) << what;
    }

    ScriptedDialogHost host;
    DialogHostGuard guard{host};
};

} // namespace ohmira::test
