#pragma once
// The forward computation as a command on the window: computes the curve of the current model for
// the array chosen on the data-entry page (core/forward.h) and draws it on the plot.
#include "core/forward.h"

namespace ohmira {

// Computes the curve of `Model_Layers` / `Nb_Layers` for the array applied
// and draws it unless a fit is running or the mode is "FICHIER". A failure shows "Calculation
// error..." and leaves the rows already written.
void Compute_Curve();

// The array type the window works with: the one applied with the Setup tab's OK.
Array_Type selected_array_type();

} // namespace ohmira
