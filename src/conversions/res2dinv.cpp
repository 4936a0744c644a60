#include "conversions/res2dinv.h"
#include "commands/auto_model_commands.h"
#include "commands/fit_command.h"
#include "form/applied_array.h"
#include "plot/forward_commands.h"

#include <algorithm>
#include <cmath>

#include "commands/open_save.h"
#include "conversions/batch_run.h"
#include "conversions/imported_sounding.h"
#include "conversions/list_reader.h"
#include "core/app_title.h"
#include "core/auto_model.h"
#include "core/fit.h"
#include "core/forward.h"
#include "core/language.h"
#include "core/qd3_limits.h"
#include "core/sounding.h"
#include "editor/model_grid.h"
#include "form/settings_values.h"
#include "form/sev_form.h"
#include "platform/dialog_host.h"
#include "platform/files.h"
#include "platform/number_text.h"
#include "platform/runtime_error.h"
#include "platform/text_file.h"

namespace ohmira {

namespace {

constexpr double Spread_Centre = 1.5;  // centre of a Wenner spread, in a, from its first electrode
constexpr double Degrees = 0.01745329; // degrees to radians
constexpr double Coordinate_Digits = 10000;

constexpr Language_Text Label1_Text = {"Nombre de sondages à extraire (max. 100)",
                                       "Numero de sondeos de extraer (max. 100)",
                                       "Number of soundings to extract (max. 100)"};
constexpr Language_Text Label2_Text = {"Coordonnées x et y 1ère électrode",
                                       "Coordenadas x e y primero electrodo",
                                       "Coordinates x and y 1st electrode"};
constexpr Language_Text Label3_Text = {"Azimut", "Azimuto", "Azimuth"};
constexpr Language_Text Select_File_Text = {
    "Sélectionnez d'abord un fichier ", "Primero, seleccione un fichero ", "First select a File "};

// The coordinate text of an offset along the line: four decimals cut down, Str$ form.
std::string coordinate_text(double origin, double offset) {
    const double value = Int(Coordinate_Digits * (origin + offset)) / Coordinate_Digits;
    return std::isfinite(value) ? Str(value) : Str(0.0);
}

} // namespace

R2DI_Line read_res2dinv_file(const std::string &path) {
    R2DI_Line line;
    ListReader in = ListReader::open(path);
    const auto refused = [&](R2DI_Refusal why, int value) {
        line.refusal = why;
        line.refused_value = value_at_line(in.line_number(), std::to_string(value));
        return line;
    };
    line.title = in.text();
    line.unit = in.single();
    const std::int16_t type = in.integer();
    if (type != 1 && type != 4 && type != 5) {
        return refused(R2DI_Refusal::not_wenner, type);
    }
    const std::int16_t n = in.integer();
    if (n > R2DI_Max_Data) {
        return refused(R2DI_Refusal::too_many_data, n);
    }
    line.location_flag = in.integer();
    if (line.location_flag != 0 && line.location_flag != 1) {
        return refused(R2DI_Refusal::location_flag, line.location_flag);
    }
    if (const std::int16_t ip = in.integer(); ip >= 1) {
        return refused(R2DI_Refusal::ip_survey, ip);
    }
    for (int i = 1; i <= n; ++i) {
        R2DI_Datum d;
        const double x = in.number();
        d.a = in.number();
        d.rho = in.number();
        // The levels' spacings and the means of the resistivities go into the soundings' files:
        // one these cannot hold stops the read, named with its line.
        for (const auto &[column, v] : {std::pair{1, d.a}, std::pair{2, d.rho}})
            if (!qd3_point_value_fits(column, v))
                throw ValueBeyondFile(value_at_line(in.line_number(), number_text(v)));
        d.x = line.location_flag == 0 ? x + Spread_Centre * d.a : x;
        line.data.push_back(d);
    }
    return line;
}

R2DI_Extraction extract_soundings(const std::vector<R2DI_Datum> &data, double unit, int count,
                                  double azimuth, double x0, double y0) {
    R2DI_Extraction out;
    const int n_data = static_cast<int>(data.size());
    if (n_data < 2 || count < 1) {
        return out;
    }
    // Levels are runs of equal spacing; the last datum counts in its level only.
    double xmin = 9999999, xmax = -999999;
    int level = 1, lmax = 0;
    std::vector<int> level_size(R2DI_Max_Levels + 1, 0);
    level_size[1] = 1;
    for (int i = 0; i + 1 < n_data; ++i) {
        if (data[i].x < xmin) {
            xmin = data[i].x;
        }
        if (data[i].x > xmax) {
            xmax = data[i].x;
            lmax = level;
        }
        if (data[i].a != data[i + 1].a) {
            ++level;
            if (level > R2DI_Max_Levels) {
                return out;
            }
        }
        ++level_size[level];
    }
    const double range = xmax - xmin;
    if (!(range > 0) || !std::isfinite(range)) {
        return out;
    }
    const auto max_ab2 = CInt(std::log(range) * Log10_Factor);
    if (!max_ab2) {
        return out;
    }
    out.levels = level;
    out.range = range;
    out.max_ab2 = *max_ab2;

    const double u = unit;
    for (int k = 1; k <= count; ++k) {
        R2DI_Sounding s;
        int first = 0;
        for (int j = 1; j <= level; ++j) {
            double step = range / count;
            double start = xmin + (k - 1) * step;
            if (j > lmax) {
                // Each level past the deepest full one loses three unit spacings at each end.
                const int d = j - lmax;
                step = (range - 6.0 * d * u) / count;
                start = xmin + 3.0 * d * u + (k - 1) * step;
            }
            const double end = start + std::max(step, 2.0 * u);
            double sum = 0;
            int used = 0;
            for (int i = first; i < first + level_size[j]; ++i) {
                if (start <= data[i].x && data[i].x <= end) {
                    sum += data[i].rho;
                    ++used;
                }
            }
            if (used > 0) {
                s.spacing.push_back(data[first].a);
                s.rho.push_back(sum / used);
            }
            first += level_size[j];
        }
        const double offset = range * (2.0 * k - 1) / (2.0 * count);
        s.x_coord = coordinate_text(x0, std::sin(azimuth * Degrees) * offset);
        s.y_coord = coordinate_text(y0, std::cos(azimuth * Degrees) * offset);
        out.soundings.push_back(std::move(s));
    }
    out.ok = true;
    return out;
}

std::string r2di_sounding_path(const std::string &data_path, int k) {
    const std::string base =
        data_path.size() >= 4 ? data_path.substr(0, data_path.size() - 4) : std::string();
    return base + "_" + Str(static_cast<double>(k)) + ".QD3";
}

// --- the dialog -------------------------------------------------------------------------------

R2DI_par_Form::R2DI_par_Form() : Form("R2DI_par", "RES2DINV conversion parameter") {
    Move(0, 0, 5400, 3400);
    Font(FontSpec{"Arial", 8});
    Label1.Caption("Number sondings");
    Label2.Caption("Coord x y");
    Label3.Caption("Azimut");
    Label4.Caption("Altitude");
    Text1.Text("10");
    Text2.Text("");
    Text3.Text("");
    Text4.Text("0");
    Text5.Text("0");
    Command1.Caption("OK");
    Command1.Default(true);
    Command1.Click = R2DI_par_Command1_Click;
}

void reset_R2DI_par() {
    R2DI_par.Unload();
    R2DI_par.Label1.Caption("Number sondings");
    R2DI_par.Label2.Caption("Coord x y");
    R2DI_par.Label3.Caption("Azimut");
    R2DI_par.Text1.Text("10");
    R2DI_par.Text2.Text("");
    R2DI_par.Text3.Text("");
    R2DI_par.Text4.Text("0");
    R2DI_par.Text5.Text("0");
    R2DI_par.Command1.Click = R2DI_par_Command1_Click;
}

void R2DI_par_Command1_Click() {
    // An entry too large for a number is read as 0, which the command then refuses.
    auto value = [](const TextBox &box) {
        try {
            return Val(box.Text());
        } catch (const RuntimeError &) {
            return 0.0;
        }
    };
    R2DI_Count = CInt(value(R2DI_par.Text1)).value_or(0);
    R2DI_X0 = value(R2DI_par.Text2);
    R2DI_Y0 = value(R2DI_par.Text3);
    R2DI_Azimuth = value(R2DI_par.Text4);
    R2DI_Altitude = value(R2DI_par.Text5);
    R2DI_Accepted = true;
    R2DI_par.Unload();
}

// --- the command ------------------------------------------------------------------------------

namespace {

// The box of a refused data file: its first line, the file, the value and its line.
void refuse(const std::string &text, const std::string &path, const R2DI_Line &line) {
    MsgBox(text + "\n\r" + path + "\n\r" + line.refused_value, vbExclamation, Prog_Title);
}

std::string location_flag_text(std::int16_t flag) {
    return "Unknown x-location flag " + std::to_string(flag) +
           " (0: first electrode, 1: mid-point)";
}

// Steps after the file is read: the dialog, then one sounding after the other. Throws
// RuntimeError where the line cannot be cut or a sounding cannot be stored.
void convert_line(const R2DI_Line &line, Batch_Run &run) {
    Saved_Niveau = Schlumberger_Applied() ? "0" : Dipole_Applied() ? "1" : "2";
    Apply_Array(Array_Type::Wenner);
    Data_Source.clear();
    Comment.clear();
    Y_Coord.clear();
    Z_Coord.clear();
    Azimuth.clear();

    R2DI_par.Label1.Caption(by_language(Label1_Text));
    R2DI_par.Label2.Caption(by_language(Label2_Text));
    R2DI_par.Label3.Caption(by_language(Label3_Text));
    R2DI_Accepted = false;
    R2DI_par.Show(vbModal);
    R2DI_par.Unload();
    if (!R2DI_Accepted) {
        return; // the dialog was closed without OK
    }
    if (R2DI_Count > R2DI_Max_Soundings || R2DI_Count < 1) {
        MsgBox("Conversion aborted", vbInformation, Prog_Title);
        return;
    }

    const R2DI_Extraction cut =
        extract_soundings(line.data, line.unit, R2DI_Count, R2DI_Azimuth, R2DI_X0, R2DI_Y0);
    if (!cut.ok) {
        throw RuntimeError(err::InvalidCall);
    }
    Max_AB2 = cut.max_ab2;
    const std::string data_path = File_Path;
    const std::string title = Graph_Title; // the data file's title goes with each sounding
    for (int k = 1; k <= R2DI_Count; ++k) {
        const R2DI_Sounding &s = cut.soundings[k - 1];
        run.next_sounding();
        clear_sounding_contents(); // each sounding holds only what the file gives
        Graph_Title = title;
        Nb_Points = 0;
        File_Path = r2di_sounding_path(data_path, k);
        for (std::size_t p = 0; p < s.spacing.size(); ++p) {
            ++Nb_Points;
            Field_Data(Nb_Points, 1) = s.spacing[p];
            Field_Data(Nb_Points, 2) = s.rho[p];
        }
        X_Coord = s.x_coord;
        Y_Coord = s.y_coord;
        Z_Coord = number_text(R2DI_Altitude);
        Azimuth = number_text(R2DI_Azimuth);

        Create_Auto_Model();
        Draw_Mode = "FICHIER";
        Compute_Curve();
        Fit_Model();
        bring_model_within_qd3();
        Display_Model();
        std::string out = File_Path;
        const bool saved = run.save(out);
        Draw_Mode.clear();
        if (!saved)
            return; // a failed write ends the run, named in the box of its end
    }
}

} // namespace

void RES2DINV_Click() {
    Batch_Run run;
    Draw_Mode = "NORMAL";
    CommonDialog &dlg = SEV.CmDialog1;
    dlg.CancelError = true;
    dlg.Flags = cdlOFNExplorer;
    dlg.Filter = "Fichier RES2DINV (*.DAT)| *.DAT    ";
    dlg.DialogTitle = "RES2DINV File selection";
    dlg.FileName = "*.DAT";
    std::string data_path; // the file an error of the command stops at
    try {
        if (!dlg.ShowOpen()) {
            Draw_Mode.clear(); // a cancel ends the command without a word
            return;
        }
        File_Name = dlg.FileTitle;
        File_Path = dlg.FileName;
        Comment.clear();
        Graph_Title.clear();
        if (File_Name.empty()) {
            MsgBox(by_language(Select_File_Text), vbExclamation, Prog_Title);
            return;
        }
        close_all_files();
        data_path = File_Path;
        const R2DI_Line line = read_res2dinv_file(data_path);
        Graph_Title = line.title;
        switch (line.refusal) {
        case R2DI_Refusal::not_wenner:
            refuse("Only for Wenner spread", data_path, line);
            return;
        case R2DI_Refusal::too_many_data:
            refuse("Max. 5000 mesures", data_path, line);
            return;
        case R2DI_Refusal::location_flag:
            refuse(location_flag_text(line.location_flag), data_path, line);
            return;
        case R2DI_Refusal::ip_survey:
            refuse("Not for IP surveys", data_path, line);
            return;
        case R2DI_Refusal::none:
            break;
        }
        convert_line(line, run);
        run.finish(); // the box of a failed write comes once the window shows the run's end
    } catch (const RuntimeError &e) {
        close_all_files();
        Draw_Mode.clear();
        const std::string value = refused_value_text(e);
        MsgBox("Error during reading" + (data_path.empty() ? "" : "\n\r" + data_path) +
                   (value.empty() ? "" : "\n\r" + value),
               vbCritical, Prog_Title);
    }
}

} // namespace ohmira
