#include "../linked_state.h"

#include "../printing/linked_state_pages.h"
#include "conversions/conversions_state.h"

namespace ohmira::test {

void reset_linked_state() {
    reset_up_to_pages();
    reset_conversions_state();
}

} // namespace ohmira::test
