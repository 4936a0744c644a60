#pragma once
// The end of the program "at once": no further unload event runs and nothing more is asked. The
// window layer installs what ending means on the desktop (close every window without unloading
// its form, leave the event loop); headless, the end is only recorded, so tests can see it.
#include <functional>

namespace ohmira {

// Ends the program. Later calls do nothing.
void end_program();
// Whether the program is ending.
bool program_ended();
// Installs what the end does; returns the previous hook.
std::function<void()> set_end_hook(std::function<void()> hook);
// Forgets an end (tests).
void reset_program_end();

} // namespace ohmira
