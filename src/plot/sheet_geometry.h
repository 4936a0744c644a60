#pragma once
// Placement of the log-log plot on the sheet page, set by the sheet builder before the model
// curves are drawn on the page ("FRMPRINT" mode), and the page geometry it derives them from.
#include <cstddef>
#include <optional>

#include "platform/variant.h"

namespace ohmira {

// Millimetres per decade, the same on both axes.
inline Variant Print_Scale;
// Page position in twips of the plot window's lower-left corner (10^AB2min m, 10^RHOmin ohm·m);
// page y grows downwards.
inline Variant Print_X0;
inline Variant Print_Y0;

inline constexpr double twips_per_mm = 56.7;

inline void reset_sheet_geometry() {
    Print_Scale.clear();
    Print_X0.clear();
    Print_Y0.clear();
}

// The page and the plot window the sheet is laid out on (twips; decade exponents).
struct Sheet_Page {
    double width = 0, height = 0;
    double left = 0, right = 0, top = 0, bottom = 0; // margins
    int ab2min = -1, ab2max = 4;
    long rhomin = 0, rhomax = 4;
};

// Where the plot goes. The larger decade span fills the page width less 20 mm on an upright
// page, or the page height less 30 mm on a landscape or square one; both axes share the scale.
struct Sheet_Layout {
    double scale = 0;      // mm per decade
    double x0 = 0;         // left edge of the plot
    double y0 = 0;         // bottom edge of the plot
    double plot_top = 0;   // top edge: top margin + 20 mm
    double plot_right = 0; // right edge
    bool upright = true;   // page height strictly greater than its width
    // Page x and y of a plot point in decades from the window's lower-left corner.
    double x_at(double decades) const { return x0 + twips_per_mm * scale * decades; }
    double y_at(double decades) const { return y0 - twips_per_mm * scale * decades; }
};

// Nothing when the window spans no decade or the margins leave no room (a scale that is not
// finite or not above 0 would mirror the plot).
std::optional<Sheet_Layout> sheet_layout(const Sheet_Page &page);

// Positions of the text blocks below the plot, from the text base (the plot's bottom on an
// upright page, the top margin + 7 mm on the text page of a landscape sheet).
inline constexpr double title_offset = 170.1;          // sheet title below the top margin
inline constexpr double graph_title_offset = 453.6;    // graph title above the plot
inline constexpr double shift_note_offset_x = 1701;    // shift note left of the plot's right edge
inline constexpr double shift_note_offset_y = 396.9;   // shift note above the plot
inline constexpr double landscape_base_offset = 737.1; // text base above Plot_Top
inline constexpr double location_offset = 850.5;
inline constexpr double model_caption_offset = 1275.75;
inline constexpr double model_columns_offset = 1530.9;
inline constexpr double model_table_offset = 1871.1;
inline constexpr double comment_room = 567; // comment line above the bottom margin
inline constexpr double field_caption_offset = 113.4;
inline constexpr double field_titles_offset = 510.3;
inline constexpr double field_table_offset = 793.8;

// Where a block of `lines` text lines, each `line` high, starts when it should start at `wanted`
// and end no further than `limit`: raised by what it would overrun. `line` is signed like the
// axis (page twips grow downwards, a printer's user scale may grow upwards).
inline double text_block_start(double wanted, std::size_t lines, double line, double limit) {
    const double overrun = wanted + static_cast<double>(lines) * line - limit;
    return overrun * line > 0 ? wanted - overrun : wanted;
}

} // namespace ohmira
