#include "conversions/abem_sas_readers.h"

#include <array>

#include "conversions/list_reader.h"
#include "core/app_title.h"
#include "core/language.h"
#include "core/sounding.h"
#include "platform/dialog_host.h"
#include "platform/number_text.h"
#include "platform/runtime_error.h"

namespace ohmira {

bool refuse_without_file_name() {
    if (!File_Name.empty())
        return false;
    MsgBox(by_language("Sélectionnez d'abord un fichier ", "Primero, seleccione un fichero ",
                       "First select a File "),
           vbExclamation, Prog_Title);
    return true;
}

bool read_instrument_file(const std::string &path, SoundingParser parse) {
    if (refuse_without_file_name())
        return false;
    const ImportedSounding s = parse_file(path, parse);
    show_import_failure(s, path);
    if (!s.keep())
        return false;
    commit_import(s);
    return true;
}

ImportedSounding parse_abem_ves(ListReader &in) {
    ImportedSounding s;
    try {
        s.comment = in.text();
        in.integer();
        const int n = in.integer();
        s.rows_in_file = n;
        for (int i = 1; i <= n; ++i) {
            const double ab2 = in.number();
            const double rho = in.number();
            in.word();
            FieldRow row{};
            row[1] = ab2;
            row[2] = rho;
            for (int c = 3; c <= 6; ++c)
                row[c] = 0;
            // A spacing beyond Max_AB2's 16 bits stops the read before the row is kept.
            s.track_ab2(ab2);
            s.add_row(row);
        }
        const int m = in.integer();
        for (int j = 1; j <= m; ++j) {
            std::array<double, 7> items{};
            for (int k = 0; k < 7; ++k)
                items[k] = k % 2 == 0 ? in.number() : (in.word(), 0.0);
            s.add_layer({Variant(), items[0], items[2], items[4]});
        }
        s.data_source = "";
        s.finish_ab2();
    } catch (const RuntimeError &e) {
        s.stop(e, in);
    }
    return s;
}

namespace {

enum class AmpCoordinates { Index, XYZ, Other };

// AB/2 and MN/2 of a row by the array code (1, 2, 3 or 10).
void amp_spacings(int code, AmpCoordinates type, double u, const std::array<double, 11> &item,
                  FieldRow &row) {
    const bool index = type == AmpCoordinates::Index;
    if (code == 1 || code == 2 || code == 3) {
        // Index: u × p; XYZ:1: position N − position M.
        row[1] = index ? u * item[4] : item[6] - item[5];
        row[3] = 0;
    } else if (code == 10) {
        row[1] = index ? u * (2 * item[4] + item[5]) / 2 : (item[4] - item[3]) / 2;
        row[3] = index ? u * item[5] / 2 : (item[6] - item[5]) / 2;
    }
}

} // namespace

ImportedSounding parse_sas1000_amp(ListReader &in) {
    ImportedSounding s;
    try {
        for (int k = 0; k < 3; ++k)
            in.line();
        const std::string location = in.text();
        const std::string x = Mid(location, 32, 13);
        const std::string y = Mid(location, 45, 13);
        const std::string z = Mid(location, 58, 12);
        const int n = CInt_or_throw(Val(Mid(in.text(), 44, 13)));
        s.rows_in_file = n;
        std::string line;
        for (int k = 0; k < 3; ++k)
            line = in.line();
        const int code = CInt_or_throw(Val(Mid(line, 32, 2)));
        const int code_line = in.line_number();
        const std::string type_text = Mid(in.line(), 32, 5);
        const int type_line = in.line_number();
        const double u = Val(Mid(in.line(), 32, 10));
        for (int k = 0; k < 17; ++k)
            in.line();

        const AmpCoordinates type = type_text == "Index"   ? AmpCoordinates::Index
                                    : type_text == "XYZ:1" ? AmpCoordinates::XYZ
                                                           : AmpCoordinates::Other;
        if (n >= 1 && type == AmpCoordinates::Other) {
            s.refusal = "Coordinate types other than Index and XYZ:1 not supported";
            s.detail = value_at_line(type_line, type_text);
            return s;
        }
        if (n >= 1 && code != 1 && code != 2 && code != 3 && code != 10) {
            s.refusal = "Array codes other than 1, 2, 3 and 10 not supported";
            s.detail = value_at_line(code_line, std::to_string(code));
            return s;
        }
        // Items 1..9 of an Index row, 1..10 of an XYZ:1 row; the current, voltage and ρa follow
        // the electrode items.
        const int items = type == AmpCoordinates::Index ? 9 : 10;
        const int first_measure = type == AmpCoordinates::Index ? 6 : 7;
        for (int i = 1; i <= n; ++i) {
            std::array<double, 11> item{};
            for (int k = 1; k <= items; ++k) {
                const bool used = k >= (type == AmpCoordinates::Index ? 4 : 3) && k < items;
                item[k] = used ? in.number() : (in.word(), 0.0);
            }
            FieldRow row{};
            row[6] = item[first_measure];
            row[2] = item[first_measure + 2];
            amp_spacings(code, type, u, item, row);
            row[5] = 0;
            row[4] = item[first_measure + 1] * 1000;
            s.track_ab2(row[1].num());
            s.add_row(row);
        }
        s.data_source = "";
        s.x_coord = x;
        s.y_coord = y;
        s.z_coord = z;
        s.finish_ab2();
    } catch (const RuntimeError &e) {
        s.stop(e, in);
    }
    return s;
}

bool Read_ABEM_VES(std::string &path) {
    return read_instrument_file(path, parse_abem_ves);
}

bool Read_SAS1000_AMP(std::string &path) {
    return read_instrument_file(path, parse_sas1000_amp);
}

} // namespace ohmira
