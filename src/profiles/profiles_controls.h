#pragma once
// Controls of the main window that belong to profiles: the profile grid, the colour scale and the
// section preview. One control per line: type, name, container, design position and size (twips).
#include "platform/controls.h"
#include "platform/form.h"

namespace ohmira {

struct ProfilesControls {
    explicit ProfilesControls(Form &form) : owner(form) {}
    Form &owner;
};

} // namespace ohmira
