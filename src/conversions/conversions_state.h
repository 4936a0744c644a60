#pragma once
// The conversions state back to its start values, for start-up and tests.

namespace ohmira {

void reset_conversions_state();

} // namespace ohmira
