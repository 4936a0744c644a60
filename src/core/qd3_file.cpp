#include "core/qd3_file.h"

#include <array>
#include <cmath>
#include <limits>

#include "core/app_title.h"
#include "core/language.h"
#include "core/qd3_limits.h"
#include "core/sounding.h"
#include "core/sounding_files.h"
#include "platform/dialog_host.h"
#include "platform/number_text.h"
#include "platform/runtime_error.h"
#include "platform/text_file.h"

namespace ohmira {

namespace {

// Scale of each point item as written: item = round(scale × Field_Data(i, column)).
constexpr std::array<int, 6> point_write_scale = {10, 100, 100, 10, 100, 1};

// Divisors of the reader per layout; item 1 is always /10 and item 5 /100.
struct Qd3Layout {
    int file_layout;
    int rho_scale;   // point item 2 and layer item 1
    int mn_divisor;  // point item 3
    int dv_divisor;  // point item 4
    int i_divisor;   // point item 6
    int layer_lines; // layer lines read
};

constexpr std::array<Qd3Layout, 3> qd3_layouts = {{
    {5, 100, 100, 10, 1, 20},   // written by this program (first number N + 0.5)
    {3, 10, 10, 10, 1, 20},     // older QD3 files (first number N)
    {2, 1, 100, 1000, 100, 10}, // ESW files
}};

const Qd3Layout &layout_for(int file_layout) {
    for (const auto &l : qd3_layouts)
        if (l.file_layout == file_layout)
            return l;
    return qd3_layouts[1];
}

// round(scale × value) held in single precision, as the point items are written.
float point_item(const Variant &value, int scale) {
    const float item = static_cast<float>(round_half_even(value.num() * scale));
    if (!std::isfinite(item))
        throw RuntimeError(err::Overflow);
    return item;
}

// round(100 × value) as a 32-bit whole number, as the layer items are written.
long layer_item(const Variant &value) {
    return static_cast<long>(CLng_or_throw(value.num() * 100));
}

// A layer resistivity below 0.005 ohm·m would be written as 0, which reads back as no layer and
// cuts the model there: it is written as the smallest the layout holds, 0.01 ohm·m.
long layer_resistivity_item(const Variant &value) {
    const long item = layer_item(value);
    return item == 0 && value.num() > 0 ? 1 : item;
}

// A double quote would end the quoted text early and shift every later item.
std::string header_text(std::string text) {
    for (auto &c : text)
        if (c == '"')
            c = '\'';
    return text;
}

} // namespace

void read_header_texts(TextFile &in) {
    // A text missing at the end of the file leaves its variable as it was.
    for (auto *text :
         {&Comment, &Data_Source, &Graph_Title, &X_Coord, &Y_Coord, &Z_Coord, &Azimuth}) {
        try {
            *text = in.input_text();
        } catch (const RuntimeError &) {
        }
    }
}

namespace {

// Why a sounding file could not be read, by the number of the error that stopped the reader.
struct Read_Error_Cause {
    int number;
    Language_Text text;
};

constexpr std::array<Read_Error_Cause, 6> read_error_causes{{
    {err::TypeMismatch,
     {"une valeur qui n'est pas un nombre", "un valor que no es un número",
      "a value that is not a number"}},
    {err::InputPastEnd,
     {"le fichier s'arrête trop tôt", "el fichero termina demasiado pronto",
      "the file ends too early"}},
    {err::SubscriptRange, {"plus de 51 points", "más de 51 puntos", "more than 51 points"}},
    {err::Overflow, {"un nombre trop grand", "un número demasiado grande", "a number too large"}},
    {err::FileNotFound,
     {"fichier introuvable ou illisible", "fichero no encontrado o ilegible",
      "file not found or not readable"}},
    {err::InvalidCall, {"un nombre négatif", "un número negativo", "a negative count"}},
}};

std::string read_error_cause(const std::exception &e) {
    if (std::string value = refused_value_text(e); !value.empty())
        return value;
    const auto *error = dynamic_cast<const RuntimeError *>(&e);
    if (!error)
        return e.what();
    for (const Read_Error_Cause &cause : read_error_causes)
        if (cause.number == error->number)
            return by_language(cause.text);
    return error_description(error->number);
}

} // namespace

void show_file_read_error(const std::string &path, const std::exception &cause) {
    MsgBox(std::string(by_language("Erreur lors de la lecture du fichier...",
                                   "Error al leer fichero...", "Reading File Error...")) +
               "\n\r" + path + "\n\r" + read_error_cause(cause),
           vbExclamation, Prog_Title);
}

void show_file_read_error(const std::string &path) {
    show_file_read_error(path, RuntimeError(err::FileNotFound));
}

int write_qd3_file(const std::string &path) {
    try {
        close_all_files();
        TextFile out(path, OpenMode::Output);
        out.write_record({static_cast<float>(Nb_Points + 0.5)});
        for (int i = 1; i <= Nb_Points; ++i) {
            std::array<float, 6> items{};
            for (int c = 0; c < 6; ++c)
                items[c] = point_item(Field_Data(i, c + 1), point_write_scale[c]);
            out.write_record({items[0], items[1], items[2], items[3], items[4], items[5]});
        }
        for (int j = 1; j <= 20; ++j)
            out.write_record({layer_resistivity_item(Model_Layers(1, j)),
                              layer_item(Model_Layers(2, j)), layer_item(Model_Layers(3, j))});
        for (const std::string *text :
             {&Comment, &Data_Source, &Graph_Title, &X_Coord, &Y_Coord, &Z_Coord, &Azimuth})
            out.write_record({header_text(*text)});
        out.close();
        return 0;
    } catch (const RuntimeError &e) {
        close_all_files();
        return e.number;
    }
}

namespace {

void push_model_in_memory() {
    if (Nb_Superposed < 20) {
        ++Nb_Superposed;
        Superposed_Index = Nb_Superposed;
    }
    for (int j = 1; j <= 20; ++j) {
        Superposed_Models(Nb_Superposed, 1, j) = Model_Layers(1, j);
        Superposed_Models(Nb_Superposed, 2, j) = Model_Layers(2, j);
    }
    Superposed_Layers(Nb_Superposed) = Nb_Layers;
    Model_Stored = 1;
}

// Points, model push and layers (the steps whose failure ends the read). Keeps Nb_Points at the
// number of points read whole, so an interrupted read never leaves a half-read row counted.
void read_qd3_body(TextFile &in, bool &model_replaced) {
    const float x = in.input_single();
    const double whole = Fix(x);
    if (whole < 0 || whole > std::numeric_limits<std::int16_t>::max())
        throw RuntimeError(whole < 0 ? err::InvalidCall : err::Overflow);
    const auto n = static_cast<std::int16_t>(whole);
    Nb_Points = n;
    const float f = x - static_cast<float>(n);
    if (number_text_single(f) == ".5")
        File_Layout = 5;

    const Qd3Layout &layout = layout_for(File_Layout);
    Rho_Scale = static_cast<std::int16_t>(layout.rho_scale);
    const std::array<float, 6> divisor = {10.0f,
                                          static_cast<float>(layout.rho_scale),
                                          f > 0 ? 100.0f : static_cast<float>(layout.mn_divisor),
                                          static_cast<float>(layout.dv_divisor),
                                          100.0f,
                                          static_cast<float>(layout.i_divisor)};

    float previous_spacing = 1;
    float previous_rho = 1;
    for (int i = 1; i <= n; ++i) {
        try {
            if (i > 51)
                throw RuntimeError(err::SubscriptRange);
            std::array<float, 6> v{};
            for (int c = 0; c < 6; ++c)
                v[c] = read_scaled_single(in, divisor[c]);
            for (int c = 0; c < 6; ++c)
                Field_Data(i, c + 1) = v[c];
            Field_Data(i, 7) = v[1];
            raise_max_ab2(v[0]);
            if (i > 1 && v[0] == previous_spacing && v[1] == previous_rho)
                Shift_Compensation = 1;
            previous_spacing = v[0];
            previous_rho = v[1];
        } catch (const RuntimeError &) {
            Nb_Points = static_cast<std::int16_t>(i - 1);
            throw;
        }
    }

    // Half array: the value read is well above the full-array value of point 1.
    if (n >= 1) {
        const double current = Field_Data(1, 6).num();
        const double m = Field_Data(1, 3).num();
        if (current > 0 && m > 0) {
            const double a = Field_Data(1, 1).num();
            const double k = 3.1416 * (a - m) * (a + m) / (2 * m);
            Array_Factor =
                Field_Data(1, 7).num() > 1.1 * k * Field_Data(1, 4).num() / current ? 2 : 1;
        }
    }

    push_model_in_memory();
    model_replaced = true;
    Model_Layers.clear();
    for (int j = 1; j <= layout.layer_lines; ++j) {
        const float rho = read_scaled_single(in, static_cast<float>(Rho_Scale));
        const float thickness = read_scaled_single(in, 100.0f);
        const float depth = read_scaled_single(in, 100.0f);
        Model_Layers(1, j) = rho;
        Model_Layers(2, j) = thickness;
        Model_Layers(3, j) = depth;
    }
}

} // namespace

bool Load_QD3(std::string &path) {
    if (File_Name.empty()) {
        MsgBox(by_language("Sélectionnez d'abord un fichier ", "Primero, seleccione un fichero... ",
                           "First, select a SEV File... "),
               vbExclamation, Prog_Title);
        return false;
    }
    for (auto *text : {&Comment, &Graph_Title, &X_Coord, &Y_Coord, &Z_Coord, &Azimuth})
        text->clear();
    Shift_Compensation = 0;
    Array_Factor = 1;
    Curve_Done = 0;
    Auto_Threshold = 0.3;

    bool model_replaced = false;
    bool read_whole = true;
    try {
        close_all_files();
        // Regular files of a sounding's size only: a FIFO or a device would block or never end.
        if (!sounding_file_readable(path))
            throw RuntimeError(err::FileNotFound);
        TextFile in(path, OpenMode::Input);
        read_qd3_body(in, model_replaced);
        read_header_texts(in);
        in.close();
        check_sounding_fits_qd3();
    } catch (const RuntimeError &e) {
        close_all_files();
        // The sounding holds only what came from the file: not the model or the source of the
        // sounding before, whose model goes to the store as on every read.
        if (!model_replaced) {
            push_model_in_memory();
            Model_Layers.clear();
        }
        Data_Source.clear();
        show_file_read_error(path, e);
        read_whole = false;
    }
    Fresh_Load = vbTrue;
    return read_whole;
}

} // namespace ohmira
