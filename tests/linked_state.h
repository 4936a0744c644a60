#pragma once
// Every shared state a test program links back to its start values. A test program links the
// library of its folder and those below it, never the application's reset_all_state (except the
// application's and the window's own tests), so each tests/<folder> that uses this defines it in
// its linked_state.cpp over the subsystems of its folder and below, in reset_all_state's order.

namespace ohmira::test {

void reset_linked_state();

} // namespace ohmira::test
