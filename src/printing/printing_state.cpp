#include "printing/printing_state.h"

namespace ohmira {

void reset_printing_state() {}

} // namespace ohmira
