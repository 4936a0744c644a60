#pragma once
// The main window's frame: toolbar buttons and the connection of the commands built so far.

namespace ohmira {

// Adds the toolbar's buttons in their order, each with the picture of the same key and its
// tooltip. Buttons already there are replaced, so it may run again.
void Build_Toolbar();

// Makes the main window ready to show: toolbar, command handlers and the empty plot frame.
void Prepare_Main_Window();

} // namespace ohmira
