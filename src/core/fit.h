#pragma once
// Misfit between the model curve and the field points, the fit of the free model parameters,
// and the bookkeeping that keeps model values rounded and layer depths up to date.
#include "platform/variant.h"

namespace ohmira {

// Sum over the field points that two curve samples bracket of the squared log10 residuals between
// the point and the model's value at its spacing (each plus 1e-7), the first and the last
// bracketed point counted twice.
void Sum_Misfit(Variant &misfit);

// The fit's search: adjusts the free resistivities and thicknesses by a line search per
// parameter until a pass improves the misfit by no more than 2 %, then removes layers thinner
// than 0.01 m and rounds the model. `trial_curve` computes the curve of each trial model into
// `Curve` (Compute_Curve for the window; it draws nothing while Misfit is not 0). False when the
// fit fails: no layer count in range, no field point to compare, a value that cannot be rounded
// or a runtime error; the model then stands as the search left it. The command is Fit_Model
// (commands/fit_command.h).
bool fit_search(void (*trial_curve)());

// Rounds Model_Layers(column, layer) in place: resistivities by their size, thicknesses and
// depths by Decimals_Mode. False (value unchanged) when it does not fit a Long or the indices
// are beyond the table.
bool Round_Model_Value(int column, int layer);

// Derives the depth of each layer top, the layer count and the altitudes from the thicknesses;
// clears the rows below the half-space.
void Update_Layer_Depths();

// Safety limits of the fit: a fit converges in far fewer steps; the caps only guard against a
// search that would never end.
inline constexpr int Fit_Max_Passes = 500;
inline constexpr int Fit_Max_Steps_Per_Parameter = 2000;

inline constexpr const char *Fit_Error_Text = "Error";

} // namespace ohmira
