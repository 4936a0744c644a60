#pragma once
// Ordering of the soundings of the profile grid and their scales.

namespace ohmira {

// Sorts the rows of SEV_Grid by distance from the coordinate origin (stable) and writes the
// cumulative distance along the line into the Distance column.
void Re_order();
// "Re_order SEV": the ordering only.
void Command9_Click();

// Top altitude, height, printed length and height, and the twips per metre of the section, from
// the Z and Distance columns of SEV_Grid and the scale boxes Text14 (horizontal) and Text13
// (vertical). A scale box that is empty or 0 leaves its results unchanged.
void calcul_echelle();

} // namespace ohmira
