#include "form/file_caption.h"

#include <string>

#include "core/app_title.h"
#include "core/sounding.h"
#include "form/sev_form.h"

namespace ohmira {

namespace {

// The file the sounding on screen was read from or written to; "NEW" for a sounding typed in,
// "" before any sounding was started.
std::string shown_file() {
    if (!Caption_File.empty())
        return Caption_File;
    if (File_Name.empty())
        return {};
    if (File_Name == "NEW" || File_Path.empty())
        return "NEW";
    return File_Path;
}

} // namespace

void Show_File_Caption() {
    const std::string file = shown_file();
    SEV.Caption(file.empty() ? Prog_Title : Prog_Title + " [" + file + "]");
}

void Show_Sounding_Name() {
    Show_File_Caption();
    const std::string file = shown_file();
    const auto slash = file.find_last_of('/');
    SEV.Text1.Text(slash == std::string::npos ? file : file.substr(slash + 1));
}

} // namespace ohmira
