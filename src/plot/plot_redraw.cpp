#include "plot/plot_redraw.h"

#include <string>

#include "core/sounding.h"
#include "form/settings_values.h"
#include "platform/runtime_error.h"
#include "plot/forward_commands.h"
#include "plot/loglog_plot.h"

namespace ohmira {

namespace {

constexpr int Store_Slots = 20; // slots of the superposition store
constexpr int Model_Layers_Max = 20;

double value(const Variant &v) {
    return v.finite_num().value_or(0.0);
}

bool has_model() {
    return value(Model_Layers(1, 1)) > 0 && value(Model_Layers(2, 1)) > 0;
}

// Draws the models stored for superposition, as the sheet does, and puts the current one back.
void draw_stored_models() {
    const auto layers = Model_Layers;
    const auto count = Nb_Layers;
    const auto altitude = Layer_Altitude;
    Color_Mode = 0;
    for (int s = 1; s <= Nb_Superposed && s <= Store_Slots; ++s) {
        if (value(Superposed_Models(s, 1, 1)) <= 0)
            continue;
        for (int i = 1; i <= Model_Layers_Max; ++i) {
            Model_Layers(1, i) = Superposed_Models(s, 1, i);
            Model_Layers(2, i) = Superposed_Models(s, 2, i);
        }
        Nb_Layers = Superposed_Layers(s);
        skipping_errors(Compute_Curve);
    }
    Color_Mode = vbTrue;
    Model_Layers = layers;
    Nb_Layers = count;
    Layer_Altitude = altitude;
}

} // namespace

void Redraw_Sounding_Plot() {
    const std::string mode = Draw_Mode;
    const std::int16_t fresh = Fresh_Load;
    const std::int16_t colours = Color_Mode;
    const auto curve = Curve;
    const auto curve_last = Curve_Last;
    const std::int16_t curve_done = Curve_Done, curve_valid = Curve_Valid;
    Draw_Mode = "NORMAL";
    Misfit = 0.0;
    skipping_errors(Draw_Bilog_Frame);
    if (Superpose == 1)
        draw_stored_models();
    if (has_model()) {
        skipping_errors(Compute_Curve);
    } else {
        // No model: the curve of the last stored model drawn is none of this sounding's.
        Curve = curve;
        Curve_Last = curve_last;
        Curve_Done = curve_done;
        Curve_Valid = curve_valid;
    }
    Draw_Mode = mode;
    Fresh_Load = fresh;
    Color_Mode = colours;
}

} // namespace ohmira
