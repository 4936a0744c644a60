#include "core/older_files.h"

#include <algorithm>
#include <cmath>

#include "core/app_title.h"
#include "core/forward.h"
#include "core/language.h"
#include "core/qd3_file.h"
#include "core/qd3_limits.h"
#include "core/sounding.h"
#include "core/sounding_files.h"
#include "platform/dialog_host.h"
#include "platform/files.h"
#include "platform/number_text.h"
#include "platform/runtime_error.h"
#include "platform/text_file.h"

namespace ohmira {

namespace {

constexpr int max_points = 51;
constexpr int max_layers = 20;

// A negative count makes the file malformed; a count beyond the tables is read as far as they go.
void check_count(int count) {
    if (count < 0)
        throw RuntimeError(err::InvalidCall);
}

// Regular files of a sounding's size only: a FIFO or a device would block or never end.
void check_readable(const std::string &path) {
    if (!sounding_file_readable(path))
        throw RuntimeError(err::FileNotFound);
}

// MN/2, ΔV, K and I (and with last_column 7 the resistivity as read): the older files hold none
// of them.
void set_unmeasured_columns_zero(int row, int last_column = 6) {
    static const Variant zero(0.0);
    for (int c = 3; c <= last_column; ++c)
        Field_Data(row, c) = zero;
}

constexpr Language_Text points_kept{" points gardés", " puntos guardados", " points kept"};
constexpr Language_Text layers_kept{" couches gardées", " capas guardadas", " layers kept"};

std::string kept_text(int kept, int in_file, const Language_Text &what) {
    return std::to_string(kept) +
           (in_file > kept ? by_language(" sur ", " de ", " of ") + std::to_string(in_file)
                           : std::string()) +
           by_language(what);
}

// The read-error box of a file longer than the tables: the file, then what was kept; nothing
// when it fits them.
void show_kept(const std::string &path, int points_in_file, int layers_in_file = 0) {
    std::string lines;
    if (points_in_file > max_points)
        lines += "\n\r" + points_kept_text(max_points, points_in_file);
    if (layers_in_file > max_layers)
        lines += "\n\r" + layers_kept_text(max_layers, layers_in_file);
    if (lines.empty())
        return;
    MsgBox(std::string(by_language("Erreur lors de la lecture du fichier...",
                                   "Error al leer fichero...", "Reading File Error...")) +
               "\n\r" + path + lines,
           vbExclamation, Prog_Title);
    Save_Question_Default_No = true; // for a conversion's save that follows
}

} // namespace

std::string points_kept_text(int kept, int in_file) {
    return kept_text(kept, in_file, points_kept);
}

std::string layers_kept_text(int kept, int in_file) {
    return kept_text(kept, in_file, layers_kept);
}

bool Load_QDE(std::string &path) {
    Max_AB2 = 1;
    int points_read = 0;
    try {
        check_readable(path);
        TextFile in(path, OpenMode::Input);
        Model_Layers.clear();
        const int n = in.input_integer();
        check_count(n);
        Nb_Points = static_cast<std::int16_t>(std::min(n, max_points));
        for (int i = 1; i <= n; ++i) {
            const float spacing = read_scaled_single(in, 100.0f);
            const float rho = read_scaled_single(in, 1.0f);
            if (i > max_points)
                continue; // beyond the table: read over
            Field_Data(i, 1) = spacing;
            Field_Data(i, 2) = rho;
            set_unmeasured_columns_zero(i);
            raise_max_ab2(spacing);
            points_read = i;
        }
        for (int j = 1; j <= 10; ++j) {
            const float rho = read_scaled_single(in, 1.0f);
            const float thickness = read_scaled_single(in, 100.0f);
            const float depth = read_scaled_single(in, 100.0f);
            Model_Layers(1, j) = rho;
            Model_Layers(2, j) = thickness;
            Model_Layers(3, j) = depth;
        }
        read_header_texts(in);
        in.close();
        check_sounding_fits_qd3();
        show_kept(path, n); // what fits is kept
    } catch (const RuntimeError &e) {
        close_all_files();
        Nb_Points = static_cast<std::int16_t>(points_read);
        show_file_read_error(path, e);
        return false;
    }
    return true;
}

bool Load_SEV(std::string &path) {
    if (File_Name.empty()) {
        MsgBox(by_language("Sélectionnez d'abord un fichier ", "Primero, seleccione un fichero ",
                           "First select a File "),
               vbExclamation, Prog_Title);
        return false;
    }
    int points_read = 0;
    int n = -1;
    try {
        check_readable(path);
        close_all_files();
        TextFile in(path, OpenMode::Input);
        Max_AB2 = 1;
        Model_Layers.clear();
        Graph_Title = in.input_text();
        in.line_input();
        in.input_integer();
        n = in.input_integer();
        const int l = in.input_integer();
        check_count(n);
        check_count(l);
        Nb_Points = static_cast<std::int16_t>(std::min(n, max_points));
        // Records beyond the tables are read over: what fits is kept.
        for (int k = 1; k <= l; ++k) {
            in.input_text();
            in.input_text();
            const double rho = in.input_number();
            const double spacing = in.input_number();
            const double layer_rho = in.input_number();
            const double thickness = in.input_number();
            in.input_text();
            if (k <= max_points) {
                Field_Data(k, 2) = rho;
                Field_Data(k, 1) = spacing;
                set_unmeasured_columns_zero(k, 7);
                points_read = k;
            }
            if (k <= max_layers) {
                Model_Layers(1, k) = layer_rho;
                Model_Layers(2, k) = thickness;
            }
        }
        for (int k = l + 1; k <= n; ++k) {
            in.input_text();
            in.input_text();
            const double rho = in.input_number();
            const double spacing = in.input_number();
            if (k > max_points)
                continue;
            Field_Data(k, 2) = rho;
            Field_Data(k, 1) = spacing;
            set_unmeasured_columns_zero(k, 7);
            raise_max_ab2(spacing);
            points_read = k;
        }
        in.close();
        end_model_at_twentieth_layer();
        check_sounding_fits_qd3();
        for (auto *text : {&Data_Source, &Comment, &X_Coord, &Y_Coord, &Z_Coord, &Azimuth})
            text->clear();
        // A provisional decade exponent; the open command raises it again to the largest spacing.
        Max_AB2 = CInt_or_throw(std::log(static_cast<double>(Max_AB2)) * 0.4343);
        // What fits is kept, and the box says so.
        show_kept(path, n, l);
    } catch (const RuntimeError &e) {
        close_all_files();
        Nb_Points = static_cast<std::int16_t>(n >= 0 ? std::min(points_read, n) : points_read);
        show_file_read_error(path, e);
        return false;
    }
    return true;
}

} // namespace ohmira
