#pragma once
// The state of the batch conversions and the QXL export back to its start values.

namespace ohmira {

void reset_batch_conversions_state();

} // namespace ohmira
