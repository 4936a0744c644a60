#pragma once
// Readers of the older sounding files (QDE of an earlier version, Ulmar's DOS *.SEV) and the
// "BAK to QD3" command that turns a backup copy into a QD3 file.
#include <string>

namespace ohmira {

// Reads a QDE file into the sounding: N; N pairs (100 × spacing, ρa); 10 layer triples
// (ρ, 100 × thickness, 100 × depth); the seven header texts.
bool Load_QDE(std::string &path);

// Reads an Ulmar *.SEV file: title; one ignored line; (ignored, N, L); L records of 7 items with
// a layer; N − L records of 4 items.
bool Load_SEV(std::string &path);

// File ▸ BAK to QD3: renames a chosen *.BAK file to the same name ending in QD3.
void Bak_M_Click();

// Reads a chosen *.BAK file (QD3 layout) as the current sounding under the same name ending in
// QD3, says "… is restored" and redraws the plot frame. No command reaches it.
void Restore_Backup();

} // namespace ohmira
