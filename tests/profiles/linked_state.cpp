#include "../linked_state.h"

#include "core/sounding.h"
#include "form/form_state.h"
#include "profiles/profiles_state.h"

namespace ohmira::test {

void reset_linked_state() {
    reset_core_state();
    reset_form_state();
    reset_profiles_state();
}

} // namespace ohmira::test
