#pragma once
// The QXL export: the sounding, its model, the models of the superposition store and the curves
// of all these models in one text file laid out in print zones of 14 characters, for a
// spreadsheet to import as columns.
#include <string>
#include <vector>

namespace ohmira {

inline std::string QXL_Path; // full path of the last export
inline std::string QXL_Name; // its name with extension; "" until the first export
// Working rows of the curve table: row k holds the pieces of sample k, abscissa first.
inline std::vector<std::vector<std::string>> QXL_Lines;

// The first seven characters of the Str$ text of a number.
std::string qxl_piece(double value);

// The export name for a chosen name: without a point ".QXL" is appended, otherwise everything
// after the first point becomes "QXL" (a.b.txt gives a.QXL).
std::string qxl_name(const std::string &chosen);

// Writes the export of the current sounding to `path` (the writing step). Throws RuntimeError
// on a write error; the sounding's model and curve are as before either way.
void write_qxl_file(const std::string &path);

// File ▸ Save for XL.
void xlsave_Click();

} // namespace ohmira
