#pragma once
// Letter case folding for names compared without regard to case: ASCII, the Latin-1 letters and
// the few Windows-1252 letters beyond them (Š, Œ, Ž, Ÿ).
#include <string>
#include <string_view>

namespace ohmira {

// Decodes UTF-8 (invalid bytes taken one by one as Latin-1) and lower-cases each letter.
std::u32string fold_case(std::string_view utf8);

// True when the text is well-formed UTF-8 and holds at least one multi-byte sequence.
bool looks_like_utf8(std::string_view bytes);

} // namespace ohmira
