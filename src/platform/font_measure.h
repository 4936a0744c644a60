#pragma once
// Measurement of the fonts the fixed advance tables do not hold: a desktop family chosen by the
// user (DejaVu Sans, Noto Serif...) is measured with its own metrics, which the window layer
// takes from its font database. Arial, Times New Roman, Courier New and the fonts that stand for
// them keep the tables, so that layout with them is the same headless and on screen.
#include "platform/display_list.h"

#include <functional>
#include <optional>
#include <string_view>

namespace ohmira {

struct FontMeasure {
    // Width in twips of one line of text; nothing when the family is not known to the measure.
    std::function<std::optional<double>(const Font &, std::string_view line)> width;
    // Ascent + descent, and average character width, in twips.
    std::function<std::optional<double>(const Font &)> line_height;
    std::function<std::optional<double>(const Font &)> average_width;
};

// Installs the measure (an empty one goes back to the tables alone); returns the previous one.
FontMeasure set_font_measure(FontMeasure measure);

// Whether the fixed tables measure this name (the three families and the fonts standing for them).
bool measured_by_tables(std::string_view name);

} // namespace ohmira
