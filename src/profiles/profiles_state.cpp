#include "profiles/profiles_state.h"

namespace ohmira {

void reset_profiles_state() {}

} // namespace ohmira
