#pragma once
// The coloured section of the soundings of the profile grid.

namespace ohmira {

// Draws the section on the profile preview VSPrint1.
void Trace_Profil();

// Draws one layer of a sounding column. On entry x is the sounding's distance along the line and
// top, bottom the depths of the layer below the section's top (metres); on return x, top and
// bottom are the page twips of the column's left edge and of the layer's top and bottom.
void Trace_Rectangle(double &x, double &top, double &bottom, double &rho);

// Column width of the next drawing (twips), from the fill switch and the width boxes.
void set_profile_column_width();

} // namespace ohmira
