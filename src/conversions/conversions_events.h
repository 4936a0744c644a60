#pragma once
// Connects the conversions commands to the main window's menus and controls.

namespace ohmira {

// Runs at start-up and after the main window is rebuilt.
void connect_conversions_events();

} // namespace ohmira
