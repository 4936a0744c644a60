#pragma once
// The plot of the sounding as it is, drawn again.

namespace ohmira {

// Redraws the plot for the sounding as it is: the frame with the field points, with
// superposition on the models of the store in the superposed colour, and when there is a model,
// its curve in its own colours. A redraw is no computation the user asked for: it changes neither
// the sounding (model, curve, store) nor the overlay guard.
void Redraw_Sounding_Plot();

} // namespace ohmira
