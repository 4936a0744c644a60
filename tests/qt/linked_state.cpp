#include "../linked_state.h"

#include "app/app_state.h"

namespace ohmira::test {

void reset_linked_state() {
    reset_all_state();
}

} // namespace ohmira::test
