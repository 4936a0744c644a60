#pragma once
// Connects the program's own commands (menus, toolbar, tabs, Setup tab) to the main window.

namespace ohmira {

// Runs at start-up and after the main window is rebuilt.
void connect_app_events();

// The program's start-up and its quit question on the main window's load and unload. The
// program connects them once its window is ready (tests of single commands leave them out, so
// that showing and closing the window neither waits on the splash nor asks).
void connect_start_and_exit();

} // namespace ohmira
