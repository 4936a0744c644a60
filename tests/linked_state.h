#pragma once
// Every shared state a test program links, back to its start values. A folder's test program
// links the library of that folder and those below it, not the application's reset_all_state, so
// each tests/<folder> whose fixtures use this defines it in its linked_state.cpp: the resets of its
// folder and those below, in reset_all_state's order (in tests/qt, reset_all_state itself).

namespace ohmira::test {

void reset_linked_state();

} // namespace ohmira::test
