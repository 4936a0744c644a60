#pragma once
// The 16-class resistivity colour scale of the section.

namespace ohmira {

// Writes the lower bound of each class into the class boxes Text101..Text116.
void affiche_resistivity();

} // namespace ohmira
