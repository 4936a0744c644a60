#pragma once
// The Setup tab: drawing options, language, array type.
#include <array>

namespace ohmira {

// Fills the Setup tab's lists and captions from the settings (once, at start-up).
void Load_parameter();

// The entries of the plot-window lists Combo1..Combo4 and the offset that turns a decade exponent
// into a list index (index = exponent + offset). The leading blanks right-align the numbers.
struct Range_List {
    const char *combo;
    std::array<const char *, 6> entries; // nullptr after the last entry
    int offset;
};
inline constexpr std::array<Range_List, 4> range_lists{{
    {"Combo1", {"       0.1", "          1", "        10"}, 1},
    {"Combo2", {"        10", "      100", "    1000", "  10000"}, -1},
    {"Combo3", {"      0.01", "       0.1", "          1", "        10", "      100"}, 2},
    {"Combo4", {"        10", "      100", "    1000", "  10000", "100000", "1000000"}, -1},
}};
inline constexpr std::array<const char *, 3> decimals_entries{"     Auto", "         1",
                                                              "         2"};

} // namespace ohmira
