#include "commands/open_save.h"
#include "form/file_caption.h"
#include "plot/plot_redraw.h"

#include <array>
#include <cstdint>
#include <filesystem>
#include <system_error>

#include "commands/model_editor.h"
#include "core/app_title.h"
#include "core/forward.h"
#include "core/language.h"
#include "core/older_files.h"
#include "core/qd3_file.h"
#include "core/sounding.h"
#include "editor/data_entry.h"
#include "editor/field_grid.h"
#include "editor/model_grid.h"
#include "editor/window_sounding.h"
#include "form/sev_form.h"
#include "platform/dialog_host.h"
#include "platform/runtime_error.h"
#include "platform/screen.h"
#include "printing/sheet_preview.h"

namespace ohmira {

namespace {

constexpr const char *Open_Filter = "Ohmira 5 & 6 (*.QD3)|*.QD3|Ohmira 2.2 (*.ESW)|*.ESW|"
                                    "Ohmira 1.0 (*.QDE)|*.QDE|Ulmar DOS (*.SEV)|*.SEV";
constexpr const char *Open_Title = "OHMIRA File selection";

// Messages of a failed write, by its RuntimeError number.
struct Write_Error_Text {
    int number; // 0: any other number
    Language_Text text;
};

constexpr std::array<Write_Error_Text, 4> write_error_texts{{
    {err::PathFileAccess,
     {"Fichier démo protégé en écriture...", "Fichero protegido contra escritura...",
      "Write protected File..."}},
    {err::PathNotFound,
     {"Disque ou répertoire inexistant...", "Fichero o directorio no existe...",
      "No such disk or directory..."}},
    {err::PermissionDenied,
     {"Disquette protégée en écriture...", "Disquete protegido contra escritura...",
      "Write protected disk..."}},
    {0,
     {"Erreur lors de l'enregistrement du fichier...", "Error al salvar fichero...",
      "Recording File Error..."}},
}};

// The box of a failed write names the file.
void show_write_error(int number, const std::string &path) {
    MsgBox(write_error_text(number) + "\n\r" + path, vbExclamation, Prog_Title);
}

std::string upper(std::string s) {
    for (auto &c : s)
        if (c >= 'a' && c <= 'z')
            c = static_cast<char>(c - 'a' + 'A');
    return s;
}

// The last three characters of a name, upper-cased (extensions are compared without case).
std::string last_three(const std::string &name) {
    return upper(name.size() >= 3 ? name.substr(name.size() - 3) : name);
}

// Replaces the last three characters by "QD3".
void with_qd3_ending(std::string &name) {
    name = name.substr(0, name.size() >= 3 ? name.size() - 3 : 0) + "QD3";
}

// The text after the last "/"; the whole path when it has none.
std::string name_part(const std::string &path) {
    const auto slash = path.find_last_of('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

std::string without_name(const std::string &path, const std::string &name) {
    return path.substr(0, path.size() >= name.size() ? path.size() - name.size() : 0);
}

void prepare_open_dialog() {
    auto &dialog = SEV.CmDialog1;
    dialog.CancelError = true;
    dialog.Flags = cdlOFNExplorer;
    dialog.Filter = Open_Filter;
    dialog.DialogTitle = Open_Title;
    dialog.FileName = "*.QD3";
    dialog.InitDir = dialog_folder();
}

void show_select_file_message() {
    MsgBox(by_language("Sélectionnez d'abord un fichier ", "Primero, seleccione un fichero... ",
                       "First, select a SEV File... "),
           vbExclamation, Prog_Title);
}

void open_recent_file(int k) {
    // An empty entry names no file: nothing to open.
    if (Recent_Files(k).empty())
        return;
    if (!sounding_file_readable(Recent_Files(k))) {
        show_file_read_error(Recent_Files(k));
        return;
    }
    if (!open_sounding_file(Recent_Files(k)))
        return;
    skipping_errors(Set_Model_Editor_Captions);
    Show_File_Caption();
    SEV.Grid1.SetFocus();
}

} // namespace

std::string write_error_text(int number) {
    if (number == err::DeviceUnavailable)
        number = err::PathNotFound; // the same message
    const Write_Error_Text *chosen = &write_error_texts.back();
    for (const auto &e : write_error_texts)
        if (e.number == number) {
            chosen = &e;
            break;
        }
    return by_language(chosen->text);
}

void show_recent_files() {
    MenuItem *items[] = {&SEV.F1_F, &SEV.F2_F, &SEV.F3_F, &SEV.F4_F, &SEV.F5_F};
    for (int k = 1; k <= 5; ++k)
        items[k - 1]->Caption("&" + std::to_string(k) + " " + Recent_Files(k));
}

void add_recent_file(const std::string &path) {
    if (Recent_Files(1) == path)
        return;
    for (int k = 5; k >= 2; --k)
        Recent_Files(k) = Recent_Files(k - 1);
    Recent_Files(1) = path;
    show_recent_files();
}

std::string qd3_file_name(const std::string &name) {
    const auto dot = name.find_last_of('.');
    if (dot == std::string::npos)
        return name + ".QD3";
    if (upper(name.substr(dot + 1)) == "QD3")
        return name;
    return name.substr(0, dot + 1) + "QD3";
}

namespace {

// Reads File_Path by its extension into the emptied sounding; false when the file is no sounding.
bool read_by_extension() {
    const std::string ending = last_three(File_Name);
    if (ending == "SEV" || ending == "QDE") {
        // These files carry a model of their own; none of the sounding before stays in it.
        Model_Layers.clear();
        Nb_Layers = 0;
        const bool ok = ending == "SEV" ? Load_SEV(File_Path) : Load_QDE(File_Path);
        if (!ok)
            return false;
        with_qd3_ending(File_Path);
        with_qd3_ending(File_Name);
        return true;
    }
    File_Layout = ending == "ESW" ? 2 : 3;
    if (!Load_QD3(File_Path))
        return false;
    if (ending == "ESW") {
        with_qd3_ending(File_Path);
        with_qd3_ending(File_Name);
    }
    return true;
}

} // namespace

std::string dialog_folder() {
    const std::string name = name_part(File_Path);
    const std::string folder = without_name(File_Path, name);
    std::error_code ec;
    if (!folder.empty() && std::filesystem::is_directory(folder, ec))
        return folder;
    return Chemin;
}

void Show_Sounding() {
    skipping_errors(Load_build);
    Show_Model_And_Plot();
}

void Show_Model_And_Plot() {
    // A model typed and not yet taken stays in the grid; the boxes show the sounding's texts.
    if (Model_Grid_Changed)
        skipping_errors(Show_Header_Texts);
    else
        skipping_errors(Display_Model);
    Redraw_Sounding_Plot();
    if (SEV.SSTab1.Tab() == 1)
        skipping_errors(display_print);
}

void Rebuild_Main_Page() {
    Take_Window_Sounding(Window_Take::Rebuild);
    Show_Sounding();
}

bool open_sounding_file(const std::string &file) {
    const std::string path = file; // file may be File_Path or a recent entry, both change below
    const Window_Being_Replaced replacing;
    if (path.empty()) {
        show_select_file_message();
        return false;
    }
    // An unreadable file leaves the sounding in memory as it is.
    if (!sounding_file_readable(path)) {
        show_file_read_error(path);
        return false;
    }
    // The file is read into the emptied sounding and kept only when it was read whole; else
    // every variable goes back to what it was. The caption names it only once it is read.
    const Sounding_Record before = current_sounding();
    File_Path = path;
    File_Name = name_part(File_Path);
    Chemin = without_name(File_Path, File_Name);
    // The file is read into an empty record: a text or point it lacks is none, and neither the
    // half array nor the shift compensation stays from the sounding before. (The QD3 reader
    // first stores the model in memory for superposition, then reads the file's.)
    for (auto *text :
         {&Comment, &Data_Source, &Graph_Title, &X_Coord, &Y_Coord, &Z_Coord, &Azimuth})
        text->clear();
    Field_Data.clear();
    Nb_Points = 0;
    Layer_Altitude.clear();
    Array_Factor = 1;
    Shift_Compensation = 0;
    Plot_Empty = 0;
    Curve_Valid = 0;
    SEV.Bilog.MousePointer(vbArrow);
    SEV.MousePointer(vbArrow);
    const bool read = read_by_extension();
    Save_Question_Default_No = false; // an open is followed by no save of its own
    if (!read) {
        restore_sounding(before);
        Screen.MousePointer(vbDefault);
        SEV.Bilog.MousePointer(vbCrosshair);
        return false;
    }
    add_recent_file(path);
    Caption_File = path;
    Field_Row_Typed.clear();
    // The curve of the sounding before is no curve of this one.
    Curve.clear();
    Curve_Last = 0;
    Fixed_Param.clear();
    // Both grids show the file from here on, whatever was typed into them before.
    Model_Grid_Changed = false;

    skipping_errors([] { Find_Max_AB2(Max_AB2); });
    Draw_Mode = "NORMAL";
    Screen.MousePointer(vbDefault);
    if (Model_Layers(1, 1).num() > 0) {
        skipping_errors([] { SEV.SSTab1.Tab(0); });
        skipping_errors([] { SEV.Show(); });
    }
    skipping_errors(Fill_Field_Grid);
    Show_Sounding();
    // The caption and the status box name the file read.
    Show_Sounding_Name();
    SEV.Bilog.MousePointer(vbCrosshair);
    return true;
}

void Show_Converted_Sounding(const std::string &written) {
    const Window_Being_Replaced replacing;
    const std::string mode = Draw_Mode;
    if (!written.empty() && sounding_file_readable(written)) {
        open_sounding_file(written);
    } else {
        // The grid shows the sounding in memory only, nothing typed into the one before.
        skipping_errors(Fill_Field_Grid);
        Model_Grid_Changed = false;
        Show_Sounding();
        Show_Sounding_Name();
    }
    Draw_Mode = mode;
}

void Open_Sounding() {
    open_sounding_file(File_Path);
}

void NFile_Click() {
    Plot_Empty = 0;
    Curve_Valid = 0;
    SEV.Bilog.MousePointer(vbHourglass);
    Draw_Mode = "NORMAL";
    prepare_open_dialog();
    auto &dialog = SEV.CmDialog1;
    // A cancel changes nothing: the sounding in memory and its edits stay.
    if (!dialog.ShowOpen()) {
        SEV.Bilog.MousePointer(vbCrosshair);
        return;
    }
    if (!sounding_file_readable(dialog.FileName)) {
        SEV.Bilog.MousePointer(vbCrosshair);
        show_file_read_error(dialog.FileName);
        return;
    }
    SEV.Bilog.MousePointer(vbCrosshair);
    if (!open_sounding_file(dialog.FileName))
        return;
    skipping_errors(Set_Model_Editor_Captions);
    Show_File_Caption();
    SEV.Grid1.SetFocus();
}

bool Read_QD3() {
    Draw_Mode = "NORMAL";
    prepare_open_dialog();
    auto &dialog = SEV.CmDialog1;
    if (!dialog.ShowOpen())
        return false;
    if (!sounding_file_readable(dialog.FileName)) {
        show_file_read_error(dialog.FileName);
        return false;
    }
    SEV.Bilog.MousePointer(vbCrosshair);
    SEV.MousePointer(vbArrow);
    return open_sounding_file(dialog.FileName);
}

void F1_F_Click() {
    open_recent_file(1);
}
void F2_F_Click() {
    open_recent_file(2);
}
void F3_F_Click() {
    open_recent_file(3);
}
void F4_F_Click() {
    open_recent_file(4);
}
void F5_F_Click() {
    open_recent_file(5);
}

bool Save_QD3(std::string &path, int *failure) {
    auto &dialog = SEV.CmDialog1;
    // Ends with the mode idle, whatever the way out.
    struct Idle_At_End {
        ~Idle_At_End() { Draw_Mode.clear(); }
    } idle_at_end;

    // The names change only once the file is written: a cancelled or failed save leaves the
    // path, name, folder, caption and recent list as they were.
    std::string target = path;
    std::string name = File_Name;
    std::string folder = Chemin;
    // A sounding without a name proposes none: not the name of a file shown before it.
    std::string proposed = name == "NEW" || name.empty() ? std::string() : target;
    const int default_button = Save_Question_Default_No ? vbDefaultButton2 : 0;
    Save_Question_Default_No = false;
    for (;;) {
        bool ask_name = name == "NEW" || name.empty();
        if (!ask_name && Draw_Mode != "FICHIER") {
            const std::string question =
                by_language("Sauvegarde du fichier ", "Salvar fichero ", "Recording File ") +
                target;
            ask_name = MsgBox(question, vbYesNo + vbQuestion + default_button, Prog_Title) != vbYes;
        }

        while (ask_name) {
            dialog.Filter = "File Ohmira (*.QD3)|*.QD3";
            dialog.Flags = cdlOFNOverwritePrompt;
            dialog.DialogTitle = "Record OHMIRA File";
            dialog.FileName = proposed;
            dialog.InitDir = dialog_folder();
            // A cancel never writes.
            if (!dialog.ShowSave())
                return false;
            const std::string chosen = dialog.FileName;
            const std::string chosen_name =
                dialog.FileTitle.empty() ? name_part(chosen) : dialog.FileTitle;
            folder = without_name(chosen, chosen_name);
            name = qd3_file_name(chosen_name);
            target = folder + name;
            proposed = target;
            ask_name = false;
            // The dialog asked about the name chosen, not about the one the extension gives.
            if (target != chosen && std::filesystem::exists(target)) {
                const std::string replace =
                    by_language("Le fichier ", "El fichero ", "File ") + target +
                    by_language(" existe déjà. Le remplacer ?", " ya existe. ¿Reemplazarlo?",
                                " already exists. Replace it?");
                ask_name = MsgBox(replace, vbYesNo + vbQuestion, Prog_Title) != vbYes;
            }
        }

        const int error = Save_QD3_Writer ? Save_QD3_Writer(target) : write_qd3_file(target);
        if (error != 0) {
            if (failure) {
                *failure = error;
                return false;
            }
            show_write_error(error, target);
            // Batch work asks nothing, so a new attempt would fail the same way; a value the
            // layout cannot hold fails the same way whatever the name.
            if (Draw_Mode == "FICHIER" || error == err::Overflow)
                return false;
            continue;
        }
        path = target;
        File_Name = name;
        Chemin = folder;
        Caption_File = path;
        Show_Sounding_Name();
        SEV.Bilog.MousePointer(vbCrosshair);
        add_recent_file(path);
        return true;
    }
}

void NRecord_Click() {
    if (Take_Window_Sounding(Window_Take::Save))
        Save_QD3(File_Path);
}

void Record_Button_Click() {
    auto &grid = SEV.Grid1;
    const int row = grid.Row();
    const int col = grid.Col();
    // A value the file cannot hold stops the save at its box: nothing is written.
    if (Take_Window_Sounding(Window_Take::Save))
        Save_QD3(File_Path);
    skipping_errors([&] {
        grid.Row(row);
        grid.Col(col);
    });
    grid.SetFocus();
}

} // namespace ohmira
