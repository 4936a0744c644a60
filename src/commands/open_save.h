#pragma once
// Opening a sounding file, saving the sounding as a QD3 file, and the recent-file list.
#include <string>

#include "core/sounding_files.h"

namespace ohmira {

// Opens the file named by File_Path as the current sounding.
void Open_Sounding();
// Opens path as the current sounding. The file is read whole first: when it is no sounding the
// read-error box is shown and the sounding, names, caption and recent list stay as they were.
bool open_sounding_file(const std::string &path);
// The one showing of the sounding: the window filled from memory (data page and caption, model
// grid and header boxes, plot with its curves, the sheet when the Print tab is shown). A grid
// holding typing the sounding lacks is left as it is; nothing of the sounding or of the overlay
// guard changes.
void Show_Sounding();
// The same without the data page: model grid and header boxes, plot and sheet.
void Show_Model_And_Plot();
// A rebuild of the main page (another tab and back, the Setup tab's OK): what was typed is taken
// into the sounding first, then the page is shown from it; a typed cell is never thrown away.
void Rebuild_Main_Page();
// After a conversion: the window shows the sounding of the file written last, read back from
// it, so that the page, grids, boxes, plot and caption are those of File_Path; with no file
// written (empty `written`), the sounding in memory.
void Show_Converted_Sounding(const std::string &written);
// The folder the file dialogs start in: the current file's, else Chemin.
std::string dialog_folder();
// Writes the current sounding as a QD3 file; true when a file was written. Batch work, which
// reports its whole run in one box, passes `failure`: a failed write leaves its error number
// there instead of showing its box.
bool Save_QD3(std::string &path, int *failure = nullptr);
// The first line of the box of a failed write, by its error number, in the user's language.
std::string write_error_text(int number);
void NFile_Click();
// The toolbar's open: true when a file was opened.
bool Read_QD3();
void NRecord_Click();
void Record_Button_Click();
void F1_F_Click();
void F2_F_Click();
void F3_F_Click();
void F4_F_Click();
void F5_F_Click();

// --- helpers of the commands above ----------------------------------------------------------

// The recent-file rule: path becomes entry 1 and the others shift down, unless it already is
// entry 1. The menu items F1_F..F5_F show the entries.
void add_recent_file(const std::string &path);
// Captions of F1_F..F5_F from Recent_Files.
void show_recent_files();

// The name a saved sounding gets: name with ".QD3" appended when it has no extension, its
// extension (after the last ".") replaced by "QD3" otherwise; ".qd3" in any case is kept.
std::string qd3_file_name(const std::string &name);

// The writer Save_QD3 uses (write_qd3_file); tests replace it to meet every write error.
using Sounding_Writer = int (*)(const std::string &path);
inline Sounding_Writer Save_QD3_Writer = nullptr;

} // namespace ohmira
