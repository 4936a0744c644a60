#pragma once
// Readers of the ABEM VES file (free-format records with an optional layered model) and of the
// SAS1000 AMP file (a fixed-column header, then rows of numbers from which AB/2 and MN/2 are
// computed).
#include <string>

#include "conversions/imported_sounding.h"

namespace ohmira {

class ListReader;

// ABEM VES: title; (ignored, N); N rows (AB/2, ρa, ignored); M; M layer rows of seven items
// (resistivity, -, thickness, -, depth, -, -).
ImportedSounding parse_abem_ves(ListReader &in);

// SAS1000 AMP: a header giving the location texts, N, the array code, the coordinate type
// ("Index" or "XYZ:1") and the unit spacing; then N rows of nine (Index) or ten (XYZ:1) numbers.
// Array codes 1, 2, 3 and 10 only; another code or coordinate type refuses the file.
ImportedSounding parse_sas1000_amp(ListReader &in);

// The readers of the import frame: the file read into the sounding (box on a failure). True when
// the sounding took what was read.
bool Read_ABEM_VES(std::string &path);
bool Read_SAS1000_AMP(std::string &path);

// The message of a reader called before a file was chosen; true when it was shown.
bool refuse_without_file_name();

// Reads the file with `parse`, shows the box of a failure, commits what is kept.
bool read_instrument_file(const std::string &path, SoundingParser parse);

} // namespace ohmira
