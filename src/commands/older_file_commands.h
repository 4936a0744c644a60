#pragma once
// The "BAK to QD3" commands: a backup copy chosen in the file dialog renamed, or read, as a QD3
// file.

namespace ohmira {

// File ▸ BAK to QD3: renames a chosen *.BAK file to the same name ending in QD3.
void Bak_M_Click();

// Reads a chosen *.BAK file (QD3 layout) as the current sounding under the same name ending in
// QD3, says "… is restored" and redraws the plot frame. No command reaches it.
void Restore_Backup();

} // namespace ohmira
