#pragma once
// Controls of the main window that belong to conversions: the conversion tools. One control per
// line: type, name, container, design position and size (twips).
#include "platform/controls.h"
#include "platform/form.h"

namespace ohmira {

struct ConversionsControls {
    explicit ConversionsControls(Form &form) : owner(form) {}
    Form &owner;
};

} // namespace ohmira
