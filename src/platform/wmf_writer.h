#pragma once
// Windows metafile (placeable WMF) output of a display list, as the page picture the program puts
// on the clipboard and saves as a .wmf file. Logical units are twips (1440 per inch); a surface
// larger than 16-bit coordinates allow is scaled down and the header's units per inch follow.
#include <cstdint>
#include <string>
#include <vector>

#include "platform/display_list.h"

namespace ohmira {

// Record function numbers written.
enum WmfFunction : std::uint16_t {
    wmf_eof = 0x0000,
    wmf_set_bk_mode = 0x0102,
    wmf_set_map_mode = 0x0103,
    wmf_set_text_align = 0x012E,
    wmf_select_object = 0x012D,
    wmf_delete_object = 0x01F0,
    wmf_set_text_color = 0x0209,
    wmf_set_window_org = 0x020B,
    wmf_set_window_ext = 0x020C,
    wmf_line_to = 0x0213,
    wmf_move_to = 0x0214,
    wmf_create_pen_indirect = 0x02FA,
    wmf_create_font_indirect = 0x02FB,
    wmf_create_brush_indirect = 0x02FC,
    wmf_polyline = 0x0325,
    wmf_rectangle = 0x041B,
    wmf_ext_text_out = 0x0A32,
};

constexpr std::uint32_t wmf_placeable_key = 0x9AC6CDD7;

// The complete file: placeable header, standard header, records, end-of-file record.
std::vector<std::uint8_t> wmf_bytes(const DisplayList &list);

// Writes the file beside its destination and renames it over, so a failed write keeps the file
// that was there. Returns false (and an explanation in `error`) when it fails.
bool write_wmf(const DisplayList &list, const std::string &path, std::string *error = nullptr);

} // namespace ohmira
