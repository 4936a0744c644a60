#include "core/forward.h"

#include "core/app_title.h"
#include "core/language.h"
#include "core/sounding.h"
#include "platform/dialog_host.h"
#include "platform/number_text.h"
#include "platform/runtime_error.h"
#include "shell/settings_values.h"
#include "shell/sev_form.h"
#include "sounding/loglog_plot.h"

#include <algorithm>
#include <cmath>
#include <optional>

namespace ohmira {

namespace {

// The desktop's window-text colour: the check box and its label lose the dimmed look of a
// superposition in progress.
constexpr int Window_Text_Color = vbWindowText;

// Copies the model into the numeric form of the filters. False when a value is not a number.
bool read_model(Layered_Earth &earth) {
    earth.layers = Nb_Layers;
    if (Nb_Layers < 0 || Nb_Layers >= Model_Columns) {
        return true; // the filters report the index beyond the table
    }
    try {
        for (int i = 0; i <= Nb_Layers; ++i) {
            earth.rho[i] = Model_Layers(1, i).num();
            earth.thickness[i] = Model_Layers(2, i).num();
        }
    } catch (const RuntimeError &) {
        return false;
    }
    return true;
}

// After the sample loop, and in the error handler: superposition off releases the check box.
void release_superposition_box() {
    if (Superpose == 1) {
        return;
    }
    Fresh_Load = 0;
    SEV.Check18.Enabled(true);
    SEV.Check18.ForeColor(Window_Text_Color);
    SEV.Label31.ForeColor(Window_Text_Color);
}

} // namespace

Array_Type selected_array_type() {
    if (SEV.Option1.Value()) {
        return Array_Type::Schlumberger;
    }
    if (SEV.Option3.Value()) {
        return Array_Type::Wenner;
    }
    return Array_Type::Dipole;
}

void Find_Max_AB2(std::int16_t &max_ab2) {
    const int points = std::min<int>(Nb_Points, Last_Field_Row);
    for (int i = 1; i <= points; ++i) {
        const Variant &cell = Field_Data(i, 1);
        std::optional<double> spacing;
        try {
            if (cell.is_text()) {
                // A text compares only when it is a number; an empty text is passed over.
                if (cell.text().find_first_not_of(" \t") != std::string::npos) {
                    spacing = parse_number_item(cell.text());
                }
            } else {
                spacing = cell.num();
            }
        } catch (const RuntimeError &) {
            spacing.reset();
        }
        if (!spacing || !(*spacing > max_ab2)) {
            continue;
        }
        if (const auto whole = CInt(*spacing)) {
            max_ab2 = *whole;
        }
    }
}

void Compute_Curve() {
    Curve_Done = 1;
    SEV.Bilog.MousePointer(vbHourglass);
    Plot_Empty = 0;
    Curve_Valid = -1;
    if (Max_AB2 == 0) {
        SEV.Bilog.MousePointer(vbCrosshair);
        return;
    }
    if (Superpose == -1) {
        Max_AB2 = 1;
    }
    Find_Max_AB2(Max_AB2);
    Curve_Last = -1;
    Pen_Up = -1;

    Layered_Earth earth;
    Sampled_Curve samples;
    Forward_Failure failure = Forward_Failure::arithmetic;
    if (read_model(earth)) {
        failure = compute_sampled_curve(earth, selected_array_type(), AB2min, Max_AB2, samples);
    }
    const bool fitting = Misfit.num() != 0;
    const bool drawing = Draw_Mode != "FICHIER" && !fitting;
    // Rows 0..written-1 hold samples; on an arithmetic failure row `samples.last` is unwritten.
    const int written = failure == Forward_Failure::arithmetic ? samples.last : samples.last + 1;
    for (int k = 0; k < written; ++k) {
        Curve(k, 1) = samples.rho[k];
        Curve(k, 2) = samples.spacing[k];
        Curve_Last = static_cast<std::int16_t>(k);
        if (drawing) {
            Plot_Curve_Point(k + 1);
        }
    }
    Curve_Last = static_cast<std::int16_t>(samples.last);

    if (failure != Forward_Failure::none) {
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

int find_curve_bracket(int from, double spacing) {
    const int last_start = std::min<int>(Curve_Last, Curve_Rows - 1) - 2;
    for (int k = std::max(from, 0); k <= last_start; ++k) {
        if (Curve(k, 2).finite_num().value_or(0.0) <= spacing &&
            spacing < Curve(k + 1, 2).finite_num().value_or(0.0))
            return k;
    }
    return 0;
}

std::optional<double> curve_value_at(int k, double spacing) {
    if (k < 0 || k + 1 > Curve_Rows - 1)
        return std::nullopt;
    const double s1 = Curve(k, 2).finite_num().value_or(0.0);
    const double s2 = Curve(k + 1, 2).finite_num().value_or(0.0);
    const double c1 = Curve(k, 1).finite_num().value_or(0.0);
    const double c2 = Curve(k + 1, 1).finite_num().value_or(0.0);
    if (s2 == s1)
        return std::nullopt;
    const double value = c1 + (spacing - s1) * (c2 - c1) / (s2 - s1);
    return std::isfinite(value) ? std::optional<double>(value) : std::nullopt;
}

} // namespace ohmira
