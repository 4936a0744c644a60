#pragma once
// Connects the editor commands to the main window's menus and controls.

namespace ohmira {

// Runs at start-up and after the main window is rebuilt.
void connect_editor_events();

} // namespace ohmira
