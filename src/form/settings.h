#pragma once
// The settings file Ohmira6.ini: read once at start-up, written at exit.
//
// Every key is one row of a table (section, key, default, room, what it feeds, when it is
// written); reading, writing and the reset of the settings are each one loop over it.
// The file is parsed once per read and once per write.
#include <cstdint>
#include <string>

#include "core/bounded_table.h"

namespace ohmira {

class SettingsFile;

// Start-up copies of the plot window and drawing switches: 1 AB2min, 2 AB2max, 3 RHOmin,
// 4 RHOmax, 5 Draw_Model, 6 Draw_RMS (0 unused).
inline Table1<std::int16_t, 0, 6> Saved_Settings;

// Reads every key of the settings file into the variables and controls it feeds.
void Read_Ini_Settings();
// Writes the settings: the [Ohmira] keys and Color1..Color7 only when Garder_Config is 1, the
// rest always. A failed write is not reported.
void Write_Ini_Settings();

// The same on a file in memory (tests, and the two procedures above).
void read_settings(const SettingsFile &file);
void write_settings(SettingsFile &file);

// The settings variables back to the defaults of the table.
void reset_settings();

} // namespace ohmira
