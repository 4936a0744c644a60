#pragma once
// The plot of the sounding as it is, drawn again.

namespace ohmira {

// Redraws the plot for the sounding as it is: frame, points and, when there is a model, its
// curve. A redraw is no computation the user asked for: right after an open the overlay keys
// stay refused.
void Redraw_Sounding_Plot();

} // namespace ohmira
