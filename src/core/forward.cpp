#include "core/forward.h"

#include "core/computation_settings.h"
#include "core/sounding.h"
#include "platform/number_text.h"
#include "platform/runtime_error.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <optional>
#include <span>

namespace ohmira {

namespace {

// The transform tables of the current sounding's computations, kept between them: a fit's trials
// and a redraw recompute only what changed.
Forward_Workspace &workspace() {
    static Forward_Workspace kept;
    return kept;
}

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

} // namespace

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

Model_Curve_Result compute_model_curve(Array_Type array) {
    Curve_Done = 1;
    Plot_Empty = 0;
    Curve_Valid = -1;
    if (Max_AB2 == 0) {
        return {false, Forward_Failure::none, 0};
    }
    if (Superpose == -1) {
        Max_AB2 = 1;
    }
    Find_Max_AB2(Max_AB2);
    Curve_Last = -1;
    Pen_Up = -1;

    // The field spacings, NaN for a point without a numeric one.
    const int points = std::clamp<int>(Nb_Points, 0, Last_Field_Row);
    std::array<double, Last_Field_Row> spacings;
    std::array<double, Last_Field_Row> values;
    for (int i = 1; i <= points; ++i) {
        spacings[i - 1] = Field_Data(i, 1).finite_num().value_or(std::nan(""));
    }
    Layered_Earth earth;
    Sampled_Curve samples;
    Forward_Failure failure = Forward_Failure::arithmetic;
    values.fill(std::nan(""));
    if (read_model(earth)) {
        failure = compute_curve_and_values(earth, array, AB2min, Max_AB2,
                                           std::span(spacings).first(points),
                                           std::span(values).first(points), samples, workspace());
    }
    // Rows 0..written-1 hold samples; on an arithmetic failure row `samples.last` is unwritten.
    const int written = failure == Forward_Failure::arithmetic ? samples.last : samples.last + 1;
    for (int k = 0; k < written; ++k) {
        Curve(k, 1) = samples.rho[k];
        Curve(k, 2) = samples.spacing[k];
    }
    for (int i = 1; i <= Last_Field_Row; ++i) {
        if (i <= points && std::isfinite(values[i - 1])) {
            Curve(i, 4) = values[i - 1];
        } else {
            Curve(i, 4).clear();
        }
    }
    Curve_Last = static_cast<std::int16_t>(samples.last);
    return {true, failure, written};
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

std::optional<double> field_model_value(int i) {
    if (i < 1 || i > Last_Field_Row) {
        return std::nullopt;
    }
    return Curve(i, 4).finite_num();
}

} // namespace ohmira
