#pragma once
// Every subsystem's shared state back to its start values: one call for start-up and tests.

namespace ohmira {

void reset_all_state();

} // namespace ohmira
