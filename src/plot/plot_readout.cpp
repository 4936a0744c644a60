#include "plot/plot_readout.h"
#include "form/applied_array.h"

#include <cmath>

#include "core/app_title.h"
#include "core/sounding.h"
#include "form/settings_values.h"
#include "form/sev_form.h"
#include "platform/dialog_host.h"
#include "platform/number_text.h"

namespace ohmira {

namespace {

// Up to 10 the value is cut to one decimal, above it rounded to a whole number.
double readout_value(float exponent) {
    const double v = std::pow(10.0, static_cast<double>(exponent));
    if (exponent <= 1)
        return Int(v * 10) / 10;
    return round_half_even(v);
}

const char *readout_prefix() {
    if (Schlumberger_Applied())
        return "AB/2=";
    if (Dipole_Applied())
        return "AM=";
    return "A=";
}

void show_readout(float X, float Y) {
    SEV.Bilog.MousePointer(vbCrosshair);
    // A position whose power of ten is beyond the number range (the plot not scaled yet) leaves
    // the readout as it was.
    if (!std::isfinite(readout_value(X)) || !std::isfinite(readout_value(Y)))
        return;
    SEV.Text1.Text(plot_readout_text(X, Y));
}

} // namespace

std::string plot_readout_text(float X, float Y) {
    const double a = readout_value(X);
    const double r = readout_value(Y);
    return readout_prefix() + Str(a).substr(0, 6) + "  R=" + Str(r).substr(0, 7);
}

void Bilog_MouseMove(int, int, float X, float Y) {
    show_readout(X, Y);
}

void Bilog_MouseDown(int, int, float X, float Y) {
    show_readout(X, Y);
}

void Ask_Color_Grid() {
    Color_Mode = MsgBox("Do you want a color grid", vbYesNo, Prog_Title) == vbYes ? vbTrue : 0;
}

void connect_plot_events() {
    SEV.Bilog.MouseMove = [](int button, int shift, double x, double y) {
        Bilog_MouseMove(button, shift, static_cast<float>(x), static_cast<float>(y));
    };
    SEV.Bilog.MouseDown = [](int button, int shift, double x, double y) {
        Bilog_MouseDown(button, shift, static_cast<float>(x), static_cast<float>(y));
    };
}

} // namespace ohmira
