#pragma once
// Readers of the older sounding files (QDE of an earlier version, Ulmar's DOS *.SEV). The "BAK to
// QD3" commands are in commands/older_file_commands.h.
#include <string>

namespace ohmira {

// Reads a QDE file into the sounding: N; N pairs (100 × spacing, ρa); 10 layer triples
// (ρ, 100 × thickness, 100 × depth); the seven header texts.
bool Load_QDE(std::string &path);

// Reads an Ulmar *.SEV file: title; one ignored line; (ignored, N, L); L records of 7 items with
// a layer; N − L records of 4 items.
bool Load_SEV(std::string &path);

// A line of the read-error box of a file longer than the tables, saying what was kept: "51 of 58
// points kept", or "2 points kept" when the file's count is not known to be larger.
std::string points_kept_text(int kept, int in_file);
std::string layers_kept_text(int kept, int in_file);

} // namespace ohmira
