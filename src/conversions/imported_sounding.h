#pragma once
// What a reader of an instrument file made of it, held apart from the current sounding until the
// file is read: the readers parse into this value, and only then is it committed into the
// sounding, so a file refused or unreadable leaves the sounding as it was.
#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/runtime_error.h"
#include "platform/variant.h"

namespace ohmira {

class ListReader;

// Columns 1..6 of a field row (AB/2, ρa, MN/2, ΔV, K, I); index 0 unused, empty cells stay empty.
using FieldRow = std::array<Variant, 7>;
// Rows 1..3 of a model layer (resistivity, thickness, depth of its top); index 0 unused.
using LayerRow = std::array<Variant, 4>;

inline constexpr int max_field_rows = 51;
inline constexpr int max_layer_rows = 21;

struct ImportedSounding {
    std::vector<FieldRow> rows;
    std::vector<LayerRow> layers;
    // Header texts the reader sets. The commit empties the others.
    std::optional<std::string> comment, data_source, x_coord, y_coord, z_coord;
    // The largest AB/2 in whole metres while reading, its decimal exponent once read whole.
    std::int16_t max_ab2 = 1;
    bool select_schlumberger = false; // the file names the Schlumberger array (PASI)
    int error = 0;                    // run-time error number that stopped the read; 0: read whole
    std::string refusal;              // first line of the box of a file refused as a whole
    std::string beyond_file; // text of a value the QD3 layout cannot hold, which stopped the read
    // What the box names under the file: the value refused or beyond the layout, and the line
    // that holds it ("line 9: XYZ:9").
    std::string detail;
    int rows_in_file = 0; // the points the file declares or holds, when the reader knows them

    // Appends a row, refused beyond the 51 rows of the field table (error 9) or when a value
    // computed from the file left the range of numbers or of the QD3 layout (error 6, the value
    // kept in beyond_file); a layer beyond 21 (error 9).
    void add_row(const FieldRow &row);
    void add_layer(const LayerRow &layer);
    // Max_AB2 follows the spacing: the largest AB/2 rounded to whole metres (error 6 beyond 16
    // bits, the spacing kept in beyond_file), then its decimal exponent at the end of the read.
    void track_ab2(double ab2);
    void finish_ab2();
    // The read stopped by `e`: its number kept, and a value beyond the layout named with the
    // line of `in` where it stands.
    void stop(const RuntimeError &e, const ListReader &in);
    // Something to keep: a file read whole, or the rows read before an error.
    bool keep() const { return refusal.empty() && (error == 0 || !rows.empty()); }
};

using SoundingParser = ImportedSounding (*)(ListReader &);

// Opens path through the list reader and parses it; an error of the open or the parse is kept in
// `error`, with what was read before it.
ImportedSounding parse_file(const std::string &path, SoundingParser parse);

// Shows the box of a failed read of path: the refusal's text, or the read error; the file under
// it, then what the read stopped at and how many points were kept.
void show_import_failure(const ImportedSounding &s, const std::string &path);

// The read-error box of the import readers: the file under it, then `detail` when there is one.
void show_import_read_error(const std::string &path, const std::string &detail = {});

// Where a value stands in a file, as a box names it: "line 9".
std::string line_place(int line);
// A value and its place, as a box names them: "line 9: XYZ:9"; an empty value reads "(empty)".
std::string value_at(const std::string &place, const std::string &value);
std::string value_at_line(int line, const std::string &value);

// Into the current sounding: Field_Data erased (or set to `base`, the spacing table of a PASI
// import) and the rows written over it, Model_Layers erased and the layers written, Nb_Points the
// rows read, the seven header texts emptied and the reader's texts set,
// Max_AB2. The Schlumberger option is selected when the file asked for it.
void commit_import(const ImportedSounding &s, const std::vector<FieldRow> *base = nullptr);

// Characters [start, start + length) of a text, 1-based, counted in the file's single-byte
// characters; "" beyond its end.
std::string Mid(std::string_view text, int start, int length);

// The path of the QD3 file written beside an input: its extension replaced by "QD3", or ".QD3"
// appended to a name without extension.
std::string qd3_path_beside(const std::string &path);

} // namespace ohmira
