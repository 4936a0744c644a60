#include "conversions/sheet_import.h"
#include "commands/auto_model_commands.h"
#include "commands/fit_command.h"
#include "plot/forward_commands.h"

#include <cmath>

#include "commands/open_save.h"
#include "conversions/batch_run.h"
#include "conversions/imported_sounding.h"
#include "conversions/list_reader.h"
#include "conversions/res2dinv.h"
#include "core/app_title.h"
#include "core/auto_model.h"
#include "core/fit.h"
#include "core/forward.h"
#include "core/language.h"
#include "core/qd3_limits.h"
#include "core/sounding.h"
#include "editor/model_grid.h"
#include "form/sev_form.h"
#include "platform/dialog_host.h"
#include "platform/files.h"
#include "platform/number_text.h"
#include "platform/runtime_error.h"
#include "platform/text_file.h"

namespace ohmira {

namespace {

constexpr Language_Text Select_File_Text = {
    "Sélectionnez d'abord un fichier ", "Primero, seleccione un fichero ", "First select a File "};
constexpr int Max_Spacings = 51;

bool in_field(unsigned char c) {
    return c >= 35 && c <= 122;
}

// Asks for one text file; false when cancelled.
bool choose_text_file(const char *title) {
    CommonDialog &dlg = SEV.CmDialog1;
    dlg.CancelError = true;
    dlg.Flags = cdlOFNExplorer;
    dlg.Filter = "Text file (*.TXT)| *.TXT    ";
    dlg.DialogTitle = title;
    dlg.FileName = "*.TXT";
    if (!dlg.ShowOpen()) {
        return false;
    }
    File_Name = dlg.FileTitle;
    File_Path = dlg.FileName;
    return true;
}

// The spacings of the spread file, at most 51.
int read_spread_file(const std::string &path) {
    ListReader in = ListReader::open(path);
    int s = 0;
    while (!in.eof()) {
        if (++s > Max_Spacings) {
            throw RuntimeError(err::SubscriptRange);
        }
        const double spacing = in.number();
        // Max_AB2 takes the spacings: one beyond its 16 bits stops the read before it is kept.
        if (!CInt(spacing))
            throw ValueBeyondFile(value_at_line(in.line_number(), number_text(spacing)));
        Field_Data(s, 1) = spacing;
    }
    return s;
}

// The box of a line of the resistivity file that gives no sounding: its first line, then the
// file and where in it.
void refuse_line(const std::string &text, const std::string &file, const std::string &place) {
    MsgBox(text + "\n\r" + file + "\n\r" + place, vbInformation, Prog_Title);
}

// A whole field that is a number above 0 ("1-2" and "5.5.5" are none).
bool positive_number(const std::string &text) {
    try {
        const std::optional<double> v = parse_number_item(text);
        return v && std::isfinite(*v) && *v > 0;
    } catch (const RuntimeError &) {
        return false;
    }
}

// Line `number` of the resistivity file `file` into the sounding and its file; true when saved.
bool convert_line(const std::string &line, int number, const std::string &file, int spacings,
                  Batch_Run &run) {
    const std::vector<std::string> fields = cut_sheet_fields(line);
    const int n = static_cast<int>(fields.size()) - 4;
    if (n < 1) {
        return false; // a blank line or one without resistivities
    }
    // The file goes into the folder chosen: a name that would lead out of it or hide the file
    // ("../x", "a/b", "" giving ".QD3") is refused for that line.
    const std::string &name = fields[0];
    if (name.empty() || name[0] == '.' || name.find_first_of("/\\") != std::string::npos) {
        refuse_line("Sounding name refused: \"" + name + "\"", file, line_place(number));
        return false;
    }
    Output_File = folder_of(file) + name + ".QD3";
    if (n > spacings) {
        refuse_line("Spread data missing for sounding " + name_of(Output_File), file,
                    line_place(number));
        return false;
    }
    // A resistivity that is no positive number, or one the QD3 file cannot hold, is refused
    // and named with its place; an empty last field is the end of the line.
    for (int p = 1; p <= n; ++p) {
        const std::string &text = fields[static_cast<std::size_t>(p) + 3];
        if ((!positive_number(text) && !(p == n && text.empty())) ||
            (!text.empty() && !qd3_point_value_fits(2, Val(text)))) {
            refuse_line(
                "Resistivity data wrong for sounding " + name_of(Output_File), file,
                value_at(line_place(number) +
                             by_language(", résistivité ", ", resistividad ", ", resistivity ") +
                             std::to_string(p),
                         text));
            return false;
        }
    }
    run.next_sounding();
    X_Coord = fields[1];
    Y_Coord = fields[2];
    Z_Coord = fields[3];
    for (int r = 1; r <= Max_Spacings; ++r) {
        Field_Data(r, 2).clear();
    }
    for (int p = 1; p <= n; ++p) {
        const double rho = Val(fields[p + 3]);
        // The last field counts as a point but stores a value only when it is positive.
        if (p < n || rho > 0) {
            Field_Data(p, 2) = rho;
        }
    }
    Nb_Points = static_cast<std::int16_t>(n);
    Draw_Mode.clear();
    Create_Auto_Model();
    Draw_Mode = "FICHIER";
    Compute_Curve();
    Fit_Model();
    bring_model_within_qd3();
    Display_Model();
    const bool saved = run.save(Output_File);
    Draw_Mode.clear();
    return saved;
}

} // namespace

std::vector<std::string> cut_sheet_fields(std::string_view line) {
    while (!line.empty() && (line.back() == ' ' || line.back() == '\t' || line.back() == '\r')) {
        line.remove_suffix(1);
    }
    std::vector<std::string> fields(1);
    for (std::size_t i = 0; i < line.size(); ++i) {
        const auto c = static_cast<unsigned char>(line[i]);
        if (in_field(c)) {
            fields.back() += static_cast<char>(c);
            continue;
        }
        // A character beyond ASCII (several bytes in memory) is one separator.
        if (c >= 0xC0) {
            while (i + 1 < line.size() &&
                   (static_cast<unsigned char>(line[i + 1]) & 0xC0) == 0x80) {
                ++i;
            }
        }
        fields.emplace_back();
    }
    return fields;
}

void Sheet_Click() {
    Batch_Run run;
    Draw_Mode = "FIELD";
    std::string reading; // the file an error of the command stops at
    try {
        if (!choose_text_file("Spread data file selection")) {
            Draw_Mode.clear(); // a cancel ends the command without a word
            return;
        }
        if (File_Name.empty()) {
            MsgBox(by_language(Select_File_Text), vbExclamation, Prog_Title);
            return;
        }
        clear_sounding_contents(); // the soundings hold only what the two files give
        Max_AB2 = 1;
        reading = File_Path;
        const int spacings = read_spread_file(File_Path);
        if (spacings > 0) {
            Max_AB2 = CInt_or_throw(Field_Data(spacings, 1).num());
        }

        Draw_Mode = "NORMAL";
        // The resistivity file is looked for beside the spread file.
        SEV.CmDialog1.InitDir = folder_of(File_Path);
        if (!choose_text_file("Resistivity data file selection")) {
            Draw_Mode.clear(); // a cancel ends the command without a word
            return;
        }
        if (File_Name.empty()) {
            MsgBox(by_language(Select_File_Text), vbExclamation, Prog_Title);
            return;
        }
        close_all_files();
        reading = File_Path;
        ListReader in = ListReader::open(reading);
        R2DI_Count = 0;
        while (!in.eof() && !run.write_failed()) {
            const std::string line = in.line();
            if (convert_line(line, in.line_number(), reading, spacings, run))
                ++R2DI_Count;
        }
        // A failed write ended the run: the one box of its end names what was written.
        const bool counted = !run.write_failed();
        run.finish();
        if (counted)
            MsgBox(Str(static_cast<double>(R2DI_Count)) +
                       " soundings have been saved as *.QD3 files",
                   vbInformation, Prog_Title);
    } catch (const RuntimeError &e) {
        close_all_files();
        Draw_Mode.clear();
        const std::string value = refused_value_text(e);
        MsgBox("Error during reading" + (reading.empty() ? "" : "\n\r" + reading) +
                   (value.empty() ? "" : "\n\r" + value),
               vbCritical, Prog_Title);
    }
}

} // namespace ohmira
