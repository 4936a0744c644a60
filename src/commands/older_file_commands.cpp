#include "commands/older_file_commands.h"

#include "core/app_title.h"
#include "core/forward.h"
#include "core/qd3_file.h"
#include "core/sounding.h"
#include "core/sounding_files.h"
#include "form/sev_form.h"
#include "platform/dialog_host.h"
#include "platform/files.h"
#include "platform/runtime_error.h"
#include "plot/loglog_plot.h"

namespace ohmira {

void Bak_M_Click() {
    auto &dialog = SEV.CmDialog1;
    dialog.Flags = cdlOFNExplorer;
    dialog.Filter = "Ohmira 6(*.BAK)|*.BAK";
    dialog.DialogTitle = "OHMIRA Backup File selection";
    dialog.FileName = "*.BAK";
    if (!dialog.ShowOpen())
        return;
    // Renaming a backup changes no name of the sounding on screen: its saves go where they went.
    const std::string from = dialog.FileName;
    const std::string to = from.substr(0, from.size() >= 3 ? from.size() - 3 : 0) + "QD3";
    if (MsgBox("Rename " + from + " as " + to, vbOKCancel + vbQuestion, "Backup to QD3") == vbOK)
        rename_file(from, to); // refuses to replace an existing QD3 file, and then does nothing
}

void Restore_Backup() {
    auto &dialog = SEV.CmDialog1;
    dialog.Flags = cdlOFNExplorer;
    dialog.Filter = "Fichier Ohmira (*.BAK)|*.BAK";
    dialog.DialogTitle = "OHMIRA File selection";
    dialog.FileName = "*.BAK";
    if (!dialog.ShowOpen())
        return;
    // A file that cannot be read leaves the sounding and its names as they are.
    if (!sounding_file_readable(dialog.FileName)) {
        show_file_read_error(dialog.FileName);
        return;
    }
    std::string path = dialog.FileName;
    // A backup that is not read whole leaves every part of the sounding as it was.
    const Sounding_Record before = current_sounding();
    File_Name = dialog.FileTitle.empty() ? path : dialog.FileTitle;
    File_Layout = 3;
    if (!Load_QD3(path)) {
        restore_sounding(before); // the read-error box has said why
        return;
    }
    const auto with_qd3_ending = [](const std::string &name) {
        return name.substr(0, name.size() >= 3 ? name.size() - 3 : 0) + "QD3";
    };
    File_Path = with_qd3_ending(path);
    File_Name = with_qd3_ending(File_Name);
    MsgBox(File_Name + " is restored", vbInformation, Prog_Title);
    skipping_errors([] { Find_Max_AB2(Max_AB2); });
    Draw_Mode = "NORMAL";
    skipping_errors(Draw_Bilog_Frame);
}

} // namespace ohmira
