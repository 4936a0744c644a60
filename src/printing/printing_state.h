#pragma once
// The printing state back to its start values, for start-up and tests.

namespace ohmira {

void reset_printing_state();

} // namespace ohmira
