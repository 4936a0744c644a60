#include "profiles/colour_scale.h"

namespace ohmira {

// Placeholder: the colour scale fills this in.
void affiche_resistivity() {}

} // namespace ohmira
