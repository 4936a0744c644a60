#pragma once
// The forward computation of the current model: fills `Curve` with the apparent-resistivity
// curve, eight samples per decade. The command that draws it on the plot is Compute_Curve
// (plot/forward_commands.h).
#include "core/forward_filters.h"
#include "core/language.h"

#include <cstdint>
#include <optional>

namespace ohmira {

// What compute_model_curve did: nothing without a spacing to reach (Max_AB2 0), else the
// failure, if any, and the number of `Curve` rows written.
struct Model_Curve_Result {
    bool computed = false;
    Forward_Failure failure = Forward_Failure::none;
    int written = 0;
};

// Computes the curve of `Model_Layers` / `Nb_Layers` for `array` into `Curve` rows 0.., and the
// model's value at the spacing of each field point into `Curve` column 4; sets Curve_Last to the
// last sample and marks the sounding computed (Curve_Done, Curve_Valid, Plot_Empty). A failure
// leaves the rows already written.
Model_Curve_Result compute_model_curve(Array_Type array);

// Raises `max_ab2` to each larger field spacing, rounded half to even; spacings that are not
// numbers or exceed 32767 are passed over.
void Find_Max_AB2(std::int16_t &max_ab2);

// The first row k >= from, up to Curve_Last - 2, with Curve(k, 2) <= spacing < Curve(k + 1, 2);
// 0 when the curve does not bracket the spacing. Field points come in increasing spacing, so
// the misfit and the error curve search on from the row found for the previous point.
int find_curve_bracket(int from, double spacing);

// The model's apparent resistivity at the spacing of field point i, as the last computation left
// it in `Curve` column 4; nothing where it has none.
std::optional<double> field_model_value(int i);

// Field points are rows 1..51 of Field_Data.
inline constexpr int Last_Field_Row = 51;

// Set by the fit while its trial steps run; a calculation error is then shown only once.
inline bool Fit_In_Progress = false;
inline bool Calculation_Error_Told = false;

// Messages of the forward computation, French / Spanish / English.
inline constexpr Language_Text Calculation_Error_Text = {"Erreur de calcul", "Error de calculo...",
                                                         "Calculation error..."};

} // namespace ohmira
