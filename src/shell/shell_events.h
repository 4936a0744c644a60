#pragma once
// Connects the shell commands to the main window's menus and controls.

namespace ohmira {

// Runs at start-up and after the main window is rebuilt.
void connect_shell_events();

} // namespace ohmira
