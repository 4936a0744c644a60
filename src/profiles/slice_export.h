#pragma once
// "Extraction for SURFER": one model quantity of several QD3 files, at an altitude or for a layer,
// written as an XYZ file for contouring.
#include "profiles/profile_sounding.h"

#include <optional>
#include <string>

namespace ohmira {

void HORSLICE_Click();

// The value of one sounding for quantity `choice` (1 resistivity at altitude A, 2 resistivity of
// layer n, 3 thickness at altitude A, 4 thickness of layer n, 5 stored depth of layer n); empty
// when the sounding yields none: altitude above the ground, a layer the model lacks, the
// half-space's thickness, a layer number that is not a whole number 1..20.
std::optional<double> slice_value(const ProfileSounding &s, int choice, double altitude,
                                  double layer);

// The output name from the save dialog's choice: the name's extension replaced by "DAT" (the text
// up to its first "."), or ".DAT" added when it has none.
std::string slice_file_name(const std::string &chosen_name);

// The XYZ line of a sounding: Val of X, Val of Y and the value in single precision.
std::string slice_line(const ProfileSounding &s, double value);

} // namespace ohmira
