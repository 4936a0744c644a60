#pragma once
// The resets of the folders up to the section pages, in reset_all_state's order.

#include "../linked_state_chain.h"
#include "printing/printing_state.h"
#include "profiles/profiles_state.h"

namespace ohmira::test {

inline void reset_up_to_pages() {
    reset_up_to_editor();
    reset_printing_state();
    reset_profiles_state();
}

} // namespace ohmira::test
