#pragma once
// Connects the editor to the main window's controls: the field grid and the array options, the
// model grid with its insert and delete buttons, the graph-title boxes. The commands of these
// pages are connected by connect_editor_commands.

namespace ohmira {

// Runs at start-up and after the main window is rebuilt.
void connect_editor_events();

} // namespace ohmira
