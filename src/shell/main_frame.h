#pragma once
// The main window's toolbar buttons, added at start-up.

namespace ohmira {

// Adds the toolbar's buttons in their order, each with the picture of the same key and its
// tooltip. Buttons already there are replaced, so it may run again.
void Build_Toolbar();

} // namespace ohmira
