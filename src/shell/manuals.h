#pragma once
// The user manuals and the programs launched from the Help menu.

namespace ohmira {

// Opens the manual of the current language with the desktop's PDF reader.
void Open_Help_Manual();

} // namespace ohmira
