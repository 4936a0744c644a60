#pragma once
// Connects the sounding commands to the main window's menus and controls.

namespace ohmira {

// Menu items New, "BAK to QD3" and "Model + Calcul", and the automatic-model threshold slider.
// Runs at start-up and after the main window is rebuilt.
void connect_commands_events();

} // namespace ohmira
