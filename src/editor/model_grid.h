#pragma once
// The model grid of the editor.

namespace ohmira {

// Shows the current model in the model grid.
void Display_Model();

} // namespace ohmira
