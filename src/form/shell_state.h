#pragma once
// The shell state back to its start values, for start-up and tests.

namespace ohmira {

void reset_shell_state();

} // namespace ohmira
