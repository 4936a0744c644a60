#include "conversions/conversions_state.h"

namespace ohmira {

void reset_conversions_state() {}

} // namespace ohmira
