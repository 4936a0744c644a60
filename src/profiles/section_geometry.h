#pragma once
// The section's arithmetic apart from the page: colour classes, column widths, label texts and
// the conversion of metres to page twips. Plain values, tested on their own; the drawing only
// sends what these return to the preview document.
#include <array>
#include <optional>
#include <string>
#include <string_view>

namespace ohmira {

inline constexpr double twips_per_mm = 56.7;
inline constexpr int class_count = 16;

// Numeric value of a box's text; 0 for a number beyond the double range, as for no number.
double box_value(std::string_view text);

// Lower bounds of the 16 classes shown in the class boxes: Int(min + (m-1)(max-min)/16) for
// m = 1..15 and Int(max) for class 16. Decreasing when min > max (kept as typed).
std::array<double, class_count> class_bounds(double min, double max);

// Class (1..16) of a resistivity against the thresholds t(1..15) = bounds of classes 2..16. Tests
// run in order and the last passing one wins; 0 when none passes (drawn black).
int colour_class(double rho, double min, double max);

// Resistivity beside a layer: Int(rho) without blanks, padded on the left to 5 characters.
std::string resistivity_label(double rho);
// A legend label: the class box's text without blanks, padded on the left to 5 characters.
std::string legend_label(std::string text);

// Column width in twips. Fixed: width_mm × 56.7. Fill: the profile length shared among the gaps
// between the soundings (rows − 2 of them); with a lone sounding there is no gap, and the column
// takes the last fixed width (`last_fixed_mm`, 10 mm when there never was one).
double column_width(bool fill, double width_mm, double length_mm, int grid_rows,
                    double last_fixed_mm);

// Where a page position lies, from the scales and the margins.
struct SectionFrame {
    double left_margin = 0;
    double top_margin = 0;
    double x_twips = 0; // per metre along the line
    double z_twips = 0; // per metre of altitude
    double top_alt = 0; // altitude of the section's top, metres
    double x_of(double distance) const { return distance * x_twips + left_margin; }
    double y_of(double altitude) const { return (top_alt - altitude) * z_twips + top_margin; }
    // y of a depth below the section's top.
    double y_below_top(double depth) const { return depth * z_twips + top_margin; }
};

// Bottom of the half-space, in metres below the ground: the depth of investigation when the top
// lies more than 10 m above it, else the last spacing in metres.
double half_space_bottom(double top_depth, double investigation_depth, double last_spacing_raw);

// The label above a column: the name after its last separator, less its extension (4 characters).
std::string column_label(const std::string &file_name);

} // namespace ohmira
