#pragma once
// The fit as a command on the window: the hourglass, the "Error" box, the final curve drawn and the
// model shown, around the fit's search of the core (core/fit.h).
#include "core/fit.h"

namespace ohmira {

// Adjusts the free resistivities and thicknesses by a line search per parameter until a pass
// improves the misfit by no more than 2 %; removes layers thinner than 0.01 m, rounds the
// model, draws the final curve and shows the model.
void Fit_Model();

} // namespace ohmira
