#include "conversions/import_frame.h"

#include "commands/open_save.h"
#include "conversions/abem_sas_readers.h"
#include "conversions/geotrade_pasi_readers.h"
#include "conversions/imported_sounding.h"
#include "core/older_files.h"
#include "core/sounding.h"
#include "editor/model_grid.h"
#include "form/sev_form.h"
#include "platform/files.h"
#include "platform/runtime_error.h"

namespace ohmira {

// The filter texts are single descriptions without a pattern; the proposed name lists the files.
const std::array<ImportMember, 3> import_members = {{
    {&AppControls::Geotrade, "Fichier Ohmira *.GTR    ", "*.GTR", Read_Geotrade_GTR},
    {&AppControls::NAbem, "Fichier Ohmira *.VES", "*.VES", Read_ABEM_VES},
    {&AppControls::SAS1000, "Fichier Ohmira *.amp", "*.amp", Read_SAS1000_AMP},
}};

bool choose_import_file(const std::string &filter, const std::string &title,
                        const std::string &file_name) {
    CommonDialog &d = SEV.CmDialog1;
    d.CancelError = true;
    d.Flags = cdlOFNExplorer;
    d.Filter = filter;
    d.DialogTitle = title;
    d.FileName = file_name;
    return d.ShowOpen();
}

void save_import() {
    File_Path = qd3_path_beside(File_Path);
    // The model as the model grid shows it (depths from the thicknesses, rounded to the Setup
    // tab's decimals): the file written, the window and the editor's next save then agree.
    Display_Model();
    bool saved = false;
    try {
        saved = Save_QD3(File_Path);
    } catch (const RuntimeError &) {
        // The writer reports its own failures.
    }
    Show_Converted_Sounding(saved ? File_Path : std::string());
}

bool import_chosen_file(const std::string &filter, const std::string &file_name,
                        const ImportReader &reader) {
    if (!choose_import_file(filter, "OHMIRA File selection", file_name))
        return false;
    const std::string previous_name = File_Name;
    const std::string previous_path = File_Path;
    File_Name = SEV.CmDialog1.FileTitle;
    File_Path = SEV.CmDialog1.FileName;
    if (!reader(File_Path)) {
        File_Name = previous_name;
        File_Path = previous_path;
        return false;
    }
    // The window shows this file's sounding until its QD3 file is written.
    Caption_File = File_Path;
    save_import();
    return true;
}

void run_import(const ImportMember &member) {
    SEV.Bilog.MousePointer(vbHourglass);
    Draw_Mode = "NORMAL";
    import_chosen_file(member.filter, member.file_name, member.reader);
    SEV.Bilog.MousePointer(vbCrosshair);
}

void Geotrade_Click() {
    run_import(import_members[0]);
}
void NAbem_Click() {
    run_import(import_members[1]);
}
void SAS1000_Click() {
    run_import(import_members[2]);
}

void Import_QDE_File() {
    SEV.Bilog.MousePointer(vbHourglass);
    Draw_Mode = "NORMAL";
    import_chosen_file("Fichier Ohmira *.QDE", "*.QDE", [](std::string &path) {
        // The QDE reader reads into the sounding itself: a file it refuses (its box shown) puts
        // the sounding back as it was, and nothing is saved.
        const Sounding_Record before = current_sounding();
        clear_sounding_contents();
        if (!Load_QDE(path)) {
            restore_sounding(before);
            return false;
        }
        Chemin = folder_of(path);
        return true;
    });
    SEV.Bilog.MousePointer(vbCrosshair);
}

} // namespace ohmira
