#pragma once
// The language of the texts the window layer draws by itself (the standard buttons of message
// boxes, the file, colour and printer dialogs): the program's chosen language, not the desktop's.
#include <functional>
#include <string>

namespace ohmira {

// "fr", "es" or "en". The window layer is told at once.
void set_ui_language(const std::string &code);
const std::string &ui_language();
// Installs what a change of language does (the Qt layer loads its own translations); returns the
// previous one.
std::function<void(const std::string &)>
set_ui_language_hook(std::function<void(const std::string &)> hook);

} // namespace ohmira
