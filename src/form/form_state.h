#pragma once
// The state of the form folder (the settings) back to its start values, for start-up and tests.

namespace ohmira {

void reset_form_state();

} // namespace ohmira
