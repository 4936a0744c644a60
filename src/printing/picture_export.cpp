#include "printing/picture_export.h"

#include <cstdlib>
#include <filesystem>

#include "core/app_title.h"
#include "core/sounding.h"
#include "form/settings_values.h"
#include "form/sev_form.h"
#include "platform/clipboard.h"
#include "platform/dialog_host.h"
#include "platform/files.h"
#include "platform/number_text.h"
#include "platform/runtime_error.h"
#include "platform/shell_open.h"
#include "platform/wmf_writer.h"

namespace ohmira {

namespace {

constexpr std::size_t min_program_path = 5;

void page_to_clipboard(VSPrinter &preview) {
    clipboard_clear();
    clipboard_set_picture(preview.Picture(), preview.PageWidth(), preview.PageHeight());
}

void error_box(int number) {
    MsgBox("Error nb " + Str(number) + "  " + error_description(number) + " happens", vbCritical,
           Prog_Title);
}

bool program_found(const std::string &path) {
    return file_exists(path) || !find_program(path).empty();
}

void start_graphics_program() {
    if (Graphical_Prog.size() < min_program_path || !program_found(Graphical_Prog)) {
        MsgBox("You must locate your program", vbInformation, Prog_Title);
        CommonDialog &d = SEV.CmDialog1;
        d.CancelError = true;
        d.Flags = cdlOFNExplorer;
        // Programs on this system carry no extension.
        d.Filter = "Programs (*)|*";
        d.DialogTitle = "Graphical tool selection";
        d.FileName = "";
        // A cancel keeps the program known before.
        if (!d.ShowOpen() || d.FileName.empty())
            return;
        Graphical_Prog = d.FileName;
    }
    shell_open(Graphical_Prog);
}

} // namespace

void Copy_Plot_To_Clipboard() {
    clipboard_clear();
    // Only for the look of it: the picture is taken whether or not the plot can take the focus.
    SEV.Bilog.SetFocus();
    if (!clipboard_set_picture(SEV.Bilog.picture(), SEV.Bilog.Width(), SEV.Bilog.Height())) {
        MsgBox("No Data copy to ClipBoard", vbInformation, Prog_Title);
        return;
    }
    MsgBox("Your screen is now recorded in the clipbord, paste in with Crtl+C", vbInformation,
           Prog_Title);
}

void CopyClipBoard_Click() {
    Copy_Plot_To_Clipboard();
}

void Command21_Click() {
    page_to_clipboard(SEV.VSPrint);
}

void Command15_Click() {
    page_to_clipboard(SEV.VSPrint1);
}

std::string default_wmf_name(std::size_t cut, const std::string &ending) {
    if (File_Path.size() <= cut || name_of(File_Path).size() <= cut)
        return Chemin + "Ohmira.wmf";
    return File_Path.substr(0, File_Path.size() - cut) + ending;
}

long wmf_kilobytes(long long bytes) {
    return static_cast<long>(round_half_even(static_cast<double>(bytes) / 1000.0));
}

namespace {
// The name as typed, taken in the folder of the proposed name when it has none of its own (in
// the home folder when the proposal has none either), never in the working folder.
std::string in_folder_of(const std::string &name, const std::string &default_name) {
    if (name.empty() || name.front() == '/')
        return name;
    std::string folder = folder_of(default_name);
    if (folder.empty() || folder.front() != '/') {
        const char *home = std::getenv("HOME");
        folder = home && *home == '/' ? std::string(home) + "/" : std::string("/");
    }
    return folder + name;
}
} // namespace

void save_page_picture(VSPrinter &preview, const std::string &default_name) {
    // A name typed without a folder goes beside the proposed one.
    const std::string name = in_folder_of(
        InputBox("Enter the file name", "WMF file option", default_name), default_name);
    if (name.empty())
        return;
    if (file_exists(name) && MsgBox(name + " alreday exists, replace this file ?",
                                    vbYesNo | vbQuestion, Prog_Title) != vbYes)
        return;
    page_to_clipboard(preview);
    DisplayList page = preview.Picture();
    page.width = preview.PageWidth();
    page.height = preview.PageHeight();
    // Written beside the old file and renamed over it: a failed save keeps the old file.
    if (!write_wmf(page, name)) {
        const std::string folder = folder_of(name);
        std::error_code ec;
        const bool folder_missing = !folder.empty() && !std::filesystem::is_directory(folder, ec);
        error_box(folder_missing ? err::PathNotFound : err::PathFileAccess);
        return;
    }
    const std::optional<std::int64_t> length = file_length(name);
    if (!length) {
        error_box(err::FileNotFound);
        return;
    }
    MsgBox(name + Str(static_cast<double>(wmf_kilobytes(*length))) + " Kb has been recorded",
           vbInformation, "");
}

void Record_WMF_Click() {
    save_page_picture(SEV.VSPrint, default_wmf_name(3, "wmf"));
}

void Command16_Click() {
    save_page_picture(SEV.VSPrint1, default_wmf_name(4, "profil.wmf"));
}

void Command24_Click() {
    start_graphics_program();
}

void Command17_Click() {
    start_graphics_program();
}

} // namespace ohmira
