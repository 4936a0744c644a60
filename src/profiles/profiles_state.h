#pragma once
// The profiles state back to its start values, for start-up and tests.

namespace ohmira {

void reset_profiles_state();

} // namespace ohmira
