#include "editor/model_grid.h"

namespace ohmira {

// Placeholder: the editor code fills this in.
void Display_Model() {}

} // namespace ohmira
