#include "../linked_state.h"

#include "../linked_state_chain.h"

namespace ohmira::test {

void reset_linked_state() {
    reset_up_to_editor();
}

} // namespace ohmira::test
