#include "conversions/imported_sounding.h"
#include "form/applied_array.h"

#include <cmath>

#include "commands/open_save.h"
#include "conversions/list_reader.h"
#include "core/app_title.h"
#include "core/language.h"
#include "core/older_files.h"
#include "core/qd3_limits.h"
#include "core/sounding.h"
#include "form/sev_form.h"
#include "platform/cp1252.h"
#include "platform/dialog_host.h"
#include "platform/number_text.h"
#include "platform/runtime_error.h"

namespace ohmira {

namespace {

template <typename Row> void require_finite(const Row &row) {
    for (const Variant &cell : row)
        if (cell.is_number() && !std::isfinite(cell.num()))
            throw RuntimeError(err::Overflow);
}

} // namespace

void ImportedSounding::add_row(const FieldRow &row) {
    if (static_cast<int>(rows.size()) >= max_field_rows)
        throw RuntimeError(err::SubscriptRange);
    require_finite(row);
    for (int c = 1; c <= 6; ++c)
        if (row[c].is_number() && !qd3_point_value_fits(c, row[c].num())) {
            beyond_file = row[c].text();
            throw RuntimeError(err::Overflow);
        }
    rows.push_back(row);
}

void ImportedSounding::add_layer(const LayerRow &layer) {
    if (static_cast<int>(layers.size()) >= max_layer_rows)
        throw RuntimeError(err::SubscriptRange);
    require_finite(layer);
    for (int r = 1; r <= 3; ++r)
        if (layer[r].is_number() && !qd3_layer_value_fits(layer[r].num())) {
            beyond_file = layer[r].text();
            throw RuntimeError(err::Overflow);
        }
    layers.push_back(layer);
}

void ImportedSounding::track_ab2(double ab2) {
    if (!(ab2 > max_ab2))
        return;
    const std::optional<std::int16_t> whole = CInt(ab2);
    if (!whole) {
        beyond_file = Variant(ab2).text();
        throw RuntimeError(err::Overflow);
    }
    max_ab2 = *whole;
}

void ImportedSounding::finish_ab2() {
    // max_ab2 is at least 1 here, so its logarithm is defined.
    max_ab2 = CInt_or_throw(std::log(static_cast<double>(max_ab2)) * 0.4343);
}

ImportedSounding parse_file(const std::string &path, SoundingParser parse) {
    try {
        ListReader in = ListReader::open(path);
        return parse(in);
    } catch (const RuntimeError &e) {
        ImportedSounding s;
        s.error = e.number;
        return s;
    }
}

void ImportedSounding::stop(const RuntimeError &e, const ListReader &in) {
    error = e.number;
    if (!beyond_file.empty())
        detail = value_at_line(in.line_number(), beyond_file);
}

std::string line_place(int line) {
    return by_language("ligne ", "línea ", "line ") + std::to_string(line);
}

std::string value_at(const std::string &place, const std::string &value) {
    return place + by_language(" : ", ": ", ": ") +
           (value.empty() ? std::string(by_language("(vide)", "(vacío)", "(empty)")) : value);
}

std::string value_at_line(int line, const std::string &value) {
    return value_at(line_place(line), value);
}

namespace {

std::string read_error_text(const std::string &path, const std::string &detail) {
    return std::string(by_language("Erreur lors de la lecture du fichier...",
                                   "Error de lectura fichero ...", "Reading File Error ...")) +
           "\n\r" + path + (detail.empty() ? "" : "\n\r" + detail);
}

} // namespace

void show_import_read_error(const std::string &path, const std::string &detail) {
    MsgBox(read_error_text(path, detail), vbExclamation, Prog_Title);
}

void show_import_failure(const ImportedSounding &s, const std::string &path) {
    if (!s.refusal.empty()) {
        MsgBox(s.refusal + "\n\r" + path + (s.detail.empty() ? "" : "\n\r" + s.detail));
    } else if (s.error != 0 && !s.rows.empty()) {
        // Part of the file is kept: the box says how much ("51 of 58"), and the save that
        // follows proposes No first.
        MsgBox(read_error_text(path, s.detail) + "\n\r" +
                   points_kept_text(static_cast<int>(s.rows.size()), s.rows_in_file),
               vbExclamation, Prog_Title);
        Save_Question_Default_No = true;
    } else if (s.error != 0) {
        show_import_read_error(path, s.detail);
    }
}

void commit_import(const ImportedSounding &s, const std::vector<FieldRow> *base) {
    // Nothing of the sounding on screen passes into the converted one.
    clear_sounding_contents();
    if (base)
        for (std::size_t i = 0; i < base->size(); ++i)
            for (int c = 1; c <= 6; ++c)
                Field_Data(static_cast<int>(i) + 1, c) = (*base)[i][c];
    for (std::size_t i = 0; i < s.rows.size(); ++i)
        for (int c = 1; c <= 6; ++c)
            if (!s.rows[i][c].is_empty())
                Field_Data(static_cast<int>(i) + 1, c) = s.rows[i][c];
    Nb_Points = static_cast<std::int16_t>(s.rows.size());

    Model_Layers.clear();
    for (std::size_t j = 0; j < s.layers.size(); ++j)
        for (int r = 1; r <= 3; ++r)
            Model_Layers(r, static_cast<int>(j) + 1) = s.layers[j][r];
    end_model_at_twentieth_layer();

    const std::pair<const std::optional<std::string> *, std::string *> texts[] = {
        {&s.comment, &Comment},
        {&s.data_source, &Data_Source},
        {&s.x_coord, &X_Coord},
        {&s.y_coord, &Y_Coord},
        {&s.z_coord, &Z_Coord}};
    for (const auto &[from, to] : texts)
        if (*from)
            *to = **from;
    Max_AB2 = s.max_ab2;

    if (s.select_schlumberger)
        Apply_Array(Array_Type::Schlumberger);
}

std::string Mid(std::string_view text, int start, int length) {
    const std::string bytes = utf8_to_cp1252(text);
    const auto from = static_cast<std::size_t>(start - 1);
    if (start < 1 || length <= 0 || from >= bytes.size())
        return {};
    return cp1252_to_utf8(bytes.substr(from, static_cast<std::size_t>(length)));
}

std::string qd3_path_beside(const std::string &path) {
    const auto slash = path.find_last_of('/');
    const auto dot = path.find_last_of('.');
    if (dot == std::string::npos || (slash != std::string::npos && dot < slash))
        return path + ".QD3";
    return path.substr(0, dot) + ".QD3";
}

} // namespace ohmira
