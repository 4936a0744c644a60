#pragma once
// Pictures of the plot and the preview pages: clipboard and WMF files, and the user's graphics
// program to paste them into.
#include <string>

namespace ohmira {

class VSPrinter;

// Puts the picture of the log-log plot on the clipboard and says so.
void Copy_Plot_To_Clipboard();
void CopyClipBoard_Click();

// The shown page of the sheet preview (Command21) or of the section preview (Command15) on the
// clipboard.
void Command21_Click();
void Command15_Click();
// The shown page saved as a WMF file (and put on the clipboard): sheet page, section page.
void Record_WMF_Click();
void Command16_Click();
// Starts the user's graphics program, asking for it first when none is known.
void Command24_Click();
void Command17_Click();

// The proposed WMF name: File_Path with its last `cut` characters replaced by `ending`, or
// "Ohmira.wmf" in Chemin when File_Path is too short for that.
std::string default_wmf_name(std::size_t cut, const std::string &ending);
// Kilobytes of a file length as the size message gives them (halves to even).
long wmf_kilobytes(long long bytes);
// The shown page of a preview to the clipboard and to a file named by the user.
void save_page_picture(VSPrinter &preview, const std::string &default_name);

} // namespace ohmira
