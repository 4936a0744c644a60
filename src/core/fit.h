#pragma once
// Misfit between the model curve and the field points, the fit of the free model parameters,
// and the bookkeeping that keeps model values rounded and layer depths up to date.
#include "platform/variant.h"

namespace ohmira {

// Sum over the bracketed field points of the squared log10 residuals (each plus 1e-7), the
// first and the last bracketed point counted twice.
void Sum_Misfit(Variant &misfit);

// Adjusts the free resistivities and thicknesses by a line search per parameter until a pass
// improves the misfit by no more than 2 %; removes layers thinner than 0.01 m, rounds the
// model, draws the final curve and shows the model.
void Fit_Model();

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
