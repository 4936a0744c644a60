#include "profiles/section_geometry.h"

#include "core/text_utils.h"
#include "platform/number_text.h"
#include "platform/runtime_error.h"

#include <cmath>

namespace ohmira {

double box_value(std::string_view text) {
    try {
        const double v = Val(text);
        return std::isfinite(v) ? v : 0;
    } catch (const RuntimeError &) {
        return 0;
    }
}

std::array<double, class_count> class_bounds(double min, double max) {
    std::array<double, class_count> b{};
    for (int m = 1; m < class_count; ++m)
        b[static_cast<size_t>(m - 1)] = Int(min + (m - 1) * (max - min) / 16);
    b[class_count - 1] = Int(max);
    return b;
}

int colour_class(double rho, double min, double max) {
    const std::array<double, class_count> b = class_bounds(min, max);
    // t(k) is the lower bound of class k + 1.
    auto t = [&](int k) { return b[static_cast<size_t>(k)]; };
    int found = 0;
    if (rho < t(1))
        found = 1;
    for (int k = 2; k <= 15; ++k)
        if (t(k - 1) <= rho && rho < t(k))
            found = k;
    if (rho >= t(15))
        found = 16;
    return found;
}

namespace {
std::string pad5(std::string s) {
    if (s.size() < 5)
        s.insert(0, 5 - s.size(), ' ');
    return s;
}
} // namespace

std::string resistivity_label(double rho) {
    std::string s = Str(Int(rho));
    Replace_All(s, " ", "");
    return pad5(s);
}

std::string legend_label(std::string text) {
    Replace_All(text, " ", "");
    Replace_All(text, "  ", "");
    return pad5(text);
}

double column_width(bool fill, double width_mm, double length_mm, int grid_rows,
                    double last_fixed_mm) {
    if (!fill)
        return width_mm * twips_per_mm;
    const int gaps = grid_rows - 2;
    if (gaps > 0)
        return length_mm / gaps * twips_per_mm;
    return (last_fixed_mm > 0 ? last_fixed_mm : 10.0) * twips_per_mm;
}

double half_space_bottom(double top_depth, double investigation_depth, double last_spacing_raw) {
    if (top_depth < investigation_depth - 10)
        return investigation_depth;
    return last_spacing_raw / 10;
}

std::string column_label(const std::string &file_name) {
    std::string name = file_name;
    const auto sep = name.find_last_of("/\\");
    if (sep != std::string::npos)
        name = name.substr(sep + 1);
    return name.size() > 4 ? name.substr(0, name.size() - 4) : std::string();
}

} // namespace ohmira
