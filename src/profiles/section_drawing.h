#pragma once
// The coloured section of the soundings of the profile grid.

namespace ohmira {

// Draws the section on the profile preview VSPrint1.
void Trace_Profil();

} // namespace ohmira
