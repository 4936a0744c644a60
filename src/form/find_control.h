#pragma once
// A control of the main window looked up by name and kind, for the few commands that act on
// controls of pages that may not be built: nullptr when there is none, and the step is skipped.
#include "form/sev_form.h"

namespace ohmira {

template <class C> C *sev_control(const char *name) {
    return dynamic_cast<C *>(SEV.control(name));
}

} // namespace ohmira
