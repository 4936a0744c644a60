#pragma once
// What the sounding files share below the window: the gate every sounding reader passes, the
// recent-file list and the flag a partial read leaves for the next save's question.
#include <string>

#include "core/bounded_table.h"

namespace ohmira {

// Recent files, entry 1 the newest (0 unused).
inline Table1<std::string, 0, 5> Recent_Files;

// A sounding file is a few kilobytes; anything larger is not one.
inline constexpr long long Max_Sounding_File_Bytes = 16LL * 1024 * 1024;

// True when path names a regular file that can be read and is no larger than
// Max_Sounding_File_Bytes (a FIFO or a device would block or never end).
bool sounding_file_readable(const std::string &path);

// True for the next save's "Recording File" question only: No is its default button (after a
// read that kept only part of its file).
inline bool Save_Question_Default_No = false;

} // namespace ohmira
