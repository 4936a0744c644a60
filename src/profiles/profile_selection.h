#pragma once
// "Select SEV": several QD3 files of a line into the profile grid, with the colour-scale limits,
// the ordering and the scales that follow.

#include <string>
#include <vector>

namespace ohmira {

void Command2_Click();

// The multi-select open dialog of the profile tools: the folder (with its separator) and the
// bare names chosen, or empty after showing "Impossible with only 1 file" when fewer than two
// files were chosen (or the dialog was cancelled). Sets `Chemin` to the folder.
bool choose_profile_files(std::string &folder, std::vector<std::string> &names);

// A resistivity limit rounded by its size: above 1000 to hundreds, above 100 to tens, else to a
// whole number (halves to even).
double round_limit(double v);

// Headers of the profile grid (row 0, columns 1..7).
void set_profile_grid_headers();

} // namespace ohmira
