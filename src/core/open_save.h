#pragma once
// Opening a sounding file, saving the sounding as a QD3 file, and the recent-file list.
#include <string>

#include "core/bounded_table.h"

namespace ohmira {

// Recent files, entry 1 the newest (0 unused).
inline Table1<std::string, 0, 5> Recent_Files;

// Opens the file named by File_Path as the current sounding.
void Open_Sounding();
// Writes the current sounding as a QD3 file; true when a file was written.
bool Save_QD3(std::string &path);
void NFile_Click();
void Read_QD3();
void NRecord_Click();
void Record_Button_Click();
void F1_F_Click();
void F2_F_Click();
void F3_F_Click();
void F4_F_Click();
void F5_F_Click();

} // namespace ohmira
