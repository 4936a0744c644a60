#pragma once
// The editor state back to its start values, for start-up and tests.

namespace ohmira {

void reset_editor_state();

} // namespace ohmira
