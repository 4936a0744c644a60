#include "../linked_state.h"

#include "linked_state_pages.h"

namespace ohmira::test {

void reset_linked_state() {
    reset_up_to_pages();
}

} // namespace ohmira::test
