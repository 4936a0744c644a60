#pragma once
// Connects the profiles commands to the main window's menus and controls.

namespace ohmira {

// Runs at start-up and after the main window is rebuilt.
void connect_profiles_events();

} // namespace ohmira
