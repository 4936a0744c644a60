#pragma once
// Connects the commands of the editor's pages: the buttons of the field-data frame, the model
// panel's compute, fit and save buttons, the superposition box and its arrows, the compute menu,
// and the fit the field grid's Down key runs.

namespace ohmira {

// Runs at start-up and after the main window is rebuilt, beside connect_editor_events.
void connect_editor_commands();

} // namespace ohmira
