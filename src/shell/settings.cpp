#include "shell/settings.h"

namespace ohmira {

// Placeholders: the settings file fills these in.
void Read_Ini_Settings() {}
void Write_Ini_Settings() {}

} // namespace ohmira
