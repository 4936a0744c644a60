#include "core/forward.h"

#include "core/computation_settings.h"
#include "core/sounding.h"
#include "platform/number_text.h"
#include "platform/runtime_error.h"

#include <algorithm>
#include <cmath>
#include <optional>

namespace ohmira {

namespace {

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

    Layered_Earth earth;
    Sampled_Curve samples;
    Forward_Failure failure = Forward_Failure::arithmetic;
    if (read_model(earth)) {
        failure = compute_sampled_curve(earth, array, AB2min, Max_AB2, samples);
    }
    // Rows 0..written-1 hold samples; on an arithmetic failure row `samples.last` is unwritten.
    const int written = failure == Forward_Failure::arithmetic ? samples.last : samples.last + 1;
    for (int k = 0; k < written; ++k) {
        Curve(k, 1) = samples.rho[k];
        Curve(k, 2) = samples.spacing[k];
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
