#include "conversions/qxl_export.h"
#include "plot/forward_commands.h"

#include "commands/open_save.h"
#include "core/app_title.h"
#include "core/forward.h"
#include "core/language.h"
#include "core/sounding.h"
#include "form/sev_form.h"
#include "platform/dialog_host.h"
#include "platform/number_text.h"
#include "platform/runtime_error.h"
#include "platform/text_file.h"

namespace ohmira {

namespace {

constexpr int Model_Rows = 20;
constexpr int Piece_Length = 7;
// Added to each abscissa so that whole ones such as 10 give a full piece (" 10.000").
constexpr double Abscissa_Nudge = 0.000011;

constexpr Language_Text Record_Question = {"Sauvegarde du fichier ", "Salvar fichero ",
                                           "Recording File "};

struct Write_Error_Text {
    int number;
    Language_Text text;
};
constexpr Write_Error_Text Write_Errors[] = {
    {75,
     {"Fichier démo protégé en écriture...", "Fichero protegido contra escritura...",
      "Write protected File..."}},
    {76,
     {"Disque ou répertoire inexistant...", "Disco o directorio no existe...",
      "No such disk or directory..."}},
    {68,
     {"Disque ou répertoire inexistant...", "Disco o directorio no existe...",
      "No such disk or directory..."}},
    {70,
     {"Disquette protégée en écriture...", "Disco protegido contra escritura...",
      "Write protected disk..."}},
};
constexpr Language_Text Other_Write_Error = {"Erreur lors de l'enregistrement du fichier...",
                                             "Error al salvar fichero...",
                                             "Recording File Error..."};

// The QXL export's own texts of a failed write (their Spanish differs from the sounding save's).
const char *qxl_write_error_text(int number) {
    for (const Write_Error_Text &e : Write_Errors) {
        if (e.number == number) {
            return by_language(e.text);
        }
    }
    return by_language(Other_Write_Error);
}

// A number item: sign position, text, one blank; nothing for an empty cell.
void print_value(TextFile &out, const Variant &v) {
    if (v.is_empty()) {
        return;
    }
    if (v.is_single()) {
        out.print_number_single(static_cast<float>(v.num()));
    } else {
        out.print_number(v.num());
    }
}

// What the export changes in memory and puts back.
struct Saved_Sounding {
    Saved_Sounding() : model(Model_Layers), layers(Nb_Layers), curve(Curve), last(Curve_Last) {}
    ~Saved_Sounding() {
        Model_Layers = model;
        Nb_Layers = layers;
        Curve = curve;
        Curve_Last = last;
    }
    decltype(Model_Layers) model;
    std::int16_t layers;
    decltype(Curve) curve;
    std::int16_t last;
};

void load_slot(int s) {
    for (int i = 1; i <= Model_Rows; ++i) {
        Model_Layers(1, i) = Superposed_Models(s, 1, i);
        Model_Layers(2, i) = Superposed_Models(s, 2, i);
    }
    Nb_Layers = Superposed_Layers(s);
}

// The samples of the curve just computed, sample k in row k (rows from 1 up to Curve_Last).
int curve_rows() {
    int rows = 0;
    while (rows + 1 <= Curve_Last && Curve(rows + 1, 2).finite_num().value_or(0.0) > 0) {
        ++rows;
    }
    return rows;
}

} // namespace

std::string qxl_piece(double value) {
    return Str(value).substr(0, Piece_Length);
}

std::string qxl_name(const std::string &chosen) {
    const auto p = chosen.find('.');
    if (p == std::string::npos) {
        return chosen + ".QXL";
    }
    return chosen.substr(0, p + 1) + "QXL";
}

void write_qxl_file(const std::string &path) {
    Saved_Sounding saved;
    QXL_Lines.clear();
    close_all_files();
    TextFile out(path, OpenMode::Output);

    out.print_number(Nb_Points);
    out.print_line();
    for (int r = 1; r <= Nb_Points; ++r) {
        for (int c = 1; c <= 6; ++c) {
            if (c > 1) {
                out.print_zone();
            }
            print_value(out, Field_Data(r, c));
        }
        out.print_line();
    }

    const int s0 = Nb_Superposed + 1;
    for (int i = 1; i <= Model_Rows; ++i) {
        Superposed_Models(s0, 1, i) = Model_Layers(1, i);
        Superposed_Models(s0, 2, i) = Model_Layers(2, i);
    }
    Superposed_Layers(s0) = Nb_Layers;
    for (int i = 1; i <= Model_Rows; ++i) {
        for (int s = s0; s >= 1; --s) {
            print_value(out, Superposed_Models(s, 1, i));
            out.print_zone();
            print_value(out, Superposed_Models(s, 2, i));
            out.print_zone();
        }
        out.print_line();
    }

    // The abscissas come from the first model's curve; every model adds one column.
    int rows = 0;
    for (int s = s0; s >= 1; --s) {
        load_slot(s);
        Compute_Curve();
        if (s == s0) {
            rows = curve_rows();
            QXL_Lines.assign(static_cast<std::size_t>(rows) + 1, {});
            for (int k = 1; k <= rows; ++k) {
                QXL_Lines[k].push_back(qxl_piece(Curve(k, 2).num() + Abscissa_Nudge));
            }
        }
        for (int k = 1; k <= rows; ++k) {
            QXL_Lines[k].push_back(k <= Curve_Last ? qxl_piece(Curve(k, 1).num()) : "");
        }
    }

    out.print_number(rows + 1);
    out.print_line();
    for (int k = 1; k <= rows; ++k) {
        for (const std::string &piece : QXL_Lines[k]) {
            out.print_text(piece);
            out.print_zone();
        }
        out.print_line();
    }
    QXL_Lines.clear();
    out.close();
}

void xlsave_Click() {
    for (;;) {
        bool ask_name = true;
        if (QXL_Name != "NEW" && !QXL_Name.empty()) {
            ask_name = MsgBox(by_language(Record_Question) + QXL_Path, vbYesNo + vbQuestion,
                              Prog_Title) != vbYes;
        }
        if (ask_name) {
            CommonDialog &dlg = SEV.CmDialog1;
            dlg.Filter = "File Ohmira (*.QXL)|*.QXL";
            dlg.DialogTitle = "Record File for XL";
            dlg.Flags = cdlOFNOverwritePrompt;
            dlg.FileName = QXL_Path;
            dlg.InitDir = dialog_folder();
            if (!dlg.ShowSave()) {
                Draw_Mode.clear();
                return;
            }
            const std::string chosen = dlg.FileTitle;
            Chemin = dlg.FileName.substr(0, dlg.FileName.size() - chosen.size());
            QXL_Name = qxl_name(chosen);
            QXL_Path = Chemin + QXL_Name;
        }

        Saved_Shift_Compensation = Shift_Compensation;
        Draw_Mode = "FICHIER";
        try {
            write_qxl_file(QXL_Path);
        } catch (const RuntimeError &e) {
            close_all_files();
            QXL_Lines.clear();
            Draw_Mode.clear();
            MsgBox(qxl_write_error_text(e.number) + std::string("\n\r") + QXL_Path, vbExclamation,
                   Prog_Title);
            continue;
        }
        // The caption keeps naming the sounding on screen, not the export.
        SEV.Bilog.MousePointer(vbCrosshair);
        Draw_Mode.clear();
        return;
    }
}

} // namespace ohmira
