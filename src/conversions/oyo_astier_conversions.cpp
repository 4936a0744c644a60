#include "conversions/oyo_astier_conversions.h"
#include "form/applied_array.h"

#include <array>
#include <cmath>
#include <string>
#include <utility>

#include "commands/open_save.h"
#include "conversions/import_frame.h"
#include "conversions/imported_sounding.h"
#include "conversions/list_reader.h"
#include "core/app_title.h"
#include "core/qd3_limits.h"
#include "core/sounding.h"
#include "editor/data_entry.h"
#include "form/sev_form.h"
#include "platform/dialog_host.h"
#include "platform/number_text.h"
#include "platform/runtime_error.h"
#include "platform/text_file.h"

namespace ohmira {

namespace {

// A point count beyond the field table, or negative, is refused.
int checked_count(int n) {
    if (n < 0)
        throw RuntimeError(err::InvalidCall);
    if (n > max_field_rows)
        throw RuntimeError(err::SubscriptRange);
    return n;
}

void skip_lines(ListReader &in, int count) {
    for (int k = 0; k < count; ++k)
        in.line();
}

// The array settings an OYO file selects.
struct ArraySetting {
    OyoArray array;
    const char *file_name; // as the file names it
    Array_Type applied;    // the array the window then works with
};

constexpr std::array<ArraySetting, 3> oyo_arrays = {{
    {OyoArray::Schlumberger, "SCHLUMBERGER", Array_Type::Schlumberger},
    {OyoArray::Dipole, "DIPOLE_DIPOLE", Array_Type::Dipole},
    {OyoArray::Wenner, "", Array_Type::Wenner}, // any other name
}};

const ArraySetting &oyo_array_named(const std::string &name) {
    for (const auto &a : oyo_arrays)
        if (name == a.file_name)
            return a;
    return oyo_arrays.back();
}

// A double quote would end the written text early.
std::string quoted_safe(std::string text) {
    for (auto &c : text)
        if (c == '"')
            c = '\'';
    return text;
}

// Every value of the QD3 lines must fit before the sounding is touched: a point with one that
// does not stops the read, the value named with its line.
void add_point(ConvertedFile &f, const ConversionPoint &p, const ListReader &in) {
    const std::pair<int, double> values[] = {
        {1, p.ab2}, {2, p.rho}, {3, p.mn2}, {4, p.voltage}, {6, p.current}};
    for (const auto &[column, v] : values)
        if (!qd3_point_value_fits(column, v)) {
            f.detail = value_at_line(in.line_number(), number_text(v));
            throw RuntimeError(err::Overflow);
        }
    f.points.push_back(p);
}

float rounded(double value) {
    const auto item = static_cast<float>(round_half_even(value));
    if (!std::isfinite(item))
        throw RuntimeError(err::Overflow);
    return item;
}

} // namespace

ConvertedFile parse_oyo_csv(ListReader &in) {
    ConvertedFile f;
    try {
        skip_lines(in, 4);
        in.text();
        const std::string mode = in.text();
        const int mode_line = in.line_number();
        skip_lines(in, 4);
        in.text();
        const std::string array_name = in.text();
        in.text();
        const int count = in.integer();
        skip_lines(in, 3);
        if (mode != "Resistivity") {
            f.refusal = "Only resistivity mode";
            f.detail = value_at_line(mode_line, mode);
            return f;
        }
        const int n = checked_count(count);
        f.array = oyo_array_named(array_name).array;
        for (int i = 1; i <= n; ++i) {
            ConversionPoint p;
            in.text();
            p.ab2 = in.number();
            p.mn2 = in.number();
            p.current = in.number();
            p.voltage = in.number();
            in.text();
            p.rho = in.number();
            for (int k = 8; k <= 13; ++k)
                in.text();
            add_point(f, p, in);
        }
    } catch (const RuntimeError &e) {
        f.error = e.number;
    }
    return f;
}

ConvertedFile parse_astier_dat(ListReader &in) {
    ConvertedFile f;
    try {
        const std::string t1 = in.text();
        const std::string t2 = in.text();
        const std::string t3 = in.text();
        for (int k = 0; k < 3; ++k)
            in.text();
        const int n = checked_count(in.integer());
        for (int i = 1; i <= n; ++i) {
            ConversionPoint p;
            p.ab2 = in.number();
            p.rho = in.number();
            add_point(f, p, in);
        }
        f.texts[0] = "Profil " + t1 + " SEV No " + t2;
        f.texts[2] = "2";
        f.texts[3] = "0";
        f.texts[4] = "0";
        f.texts[5] = t3;
    } catch (const RuntimeError &e) {
        f.error = e.number;
    }
    return f;
}

int write_converted_qd3(const std::string &path, const ConvertedFile &file) {
    try {
        TextFile out(path, OpenMode::Output);
        out.write_record({static_cast<float>(file.points.size() + 0.5)});
        for (const auto &p : file.points)
            out.write_record({rounded(10 * p.ab2), rounded(100 * p.rho), rounded(100 * p.mn2),
                              rounded(10 * p.voltage), 0.0f, rounded(p.current)});
        for (int j = 1; j <= 20; ++j)
            out.write_record({0.0f, 0.0f, 0.0f});
        for (const auto &text : file.texts)
            out.write_record({quoted_safe(text)});
        out.close();
        return 0;
    } catch (const RuntimeError &e) {
        return e.number;
    }
}

namespace {

struct ConversionCommand {
    const char *filter;
    const char *title;
    const char *file_name;
    ConvertedFile (*parse)(ListReader &);
};

void run_conversion(const ConversionCommand &command) {
    SEV.Bilog.MousePointer(vbHourglass);
    Draw_Mode = "NORMAL";
    if (!choose_import_file(command.filter, command.title, command.file_name)) {
        SEV.Bilog.MousePointer(vbCrosshair);
        return;
    }
    const std::string input = SEV.CmDialog1.FileName;
    ConvertedFile file;
    try {
        ListReader in = ListReader::open(input);
        file = command.parse(in);
    } catch (const RuntimeError &e) {
        file.error = e.number;
    }
    if (!file.refusal.empty()) {
        MsgBox(file.refusal + "\n\r" + input + "\n\r" + file.detail);
    } else if (file.error != 0) {
        show_import_read_error(input, file.detail);
    } else if (const std::string output = qd3_path_beside(input);
               const int failure = write_converted_qd3(output, file)) {
        // Nothing was written: the sounding, its names and the array stay as they were.
        MsgBox(error_description(failure) + "\n\r" + output, vbExclamation, Prog_Title);
    } else {
        if (file.array) {
            // The file's array applies, as with the Setup tab's OK (option, name, code).
            Apply_Array(oyo_arrays[static_cast<std::size_t>(*file.array)].applied);
        }
        if (open_sounding_file(output)) {
            Load_build();
            SEV.SSTab1.Tab(1);
        }
    }
    SEV.Bilog.MousePointer(vbCrosshair);
}

} // namespace

void OYO_Click() {
    run_conversion({"File OYO *.csv", "OYO file selection", "*.csv", parse_oyo_csv});
}

void astier_Click() {
    run_conversion({"Fichier Astier *.dat", "ASTIER file selection", "*.dat", parse_astier_dat});
}

} // namespace ohmira
