#include "conversions/conversions_state.h"

#include "conversions/batch_conversions_state.h"

namespace ohmira {

void reset_conversions_state() {
    reset_batch_conversions_state();
}

} // namespace ohmira
