#pragma once
// The title of every message box and the start of the window caption.
#include <string>

namespace ohmira {

inline const std::string Prog_Title = "Ohmira 6.5";

} // namespace ohmira
