#pragma once
// The settings file Ohmira6.ini: read once at start-up, written at exit.

namespace ohmira {

void Read_Ini_Settings();
void Write_Ini_Settings();

} // namespace ohmira
