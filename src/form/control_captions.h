#pragma once
// Captions of main-window controls given by name, so that a caption table can name controls of
// other subsystems' pages. A caption table is an array of {control name, text per language}.
#include <span>
#include <string>

#include "core/language.h"

namespace ohmira {

struct Caption_Entry {
    const char *control;
    Language_Text text;
};

// Sets the caption of the named control of `SEV` (label, frame, button, check or option box).
// False when the window has no such control or it has no caption.
bool Set_Caption(const std::string &control, const std::string &caption);

// The caption of the named control; "" when there is none.
std::string Caption_Of(const std::string &control);

// Gives every control of the table its text in the current language.
void Apply_Captions(std::span<const Caption_Entry> table);

} // namespace ohmira
