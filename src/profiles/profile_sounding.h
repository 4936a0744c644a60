#pragma once
// The profile tools' own reading of a QD3 sounding file: the last spacing, the 20 layer records
// and the location texts, without touching the sounding held by the editor. Shared by the
// selection, the section drawing and the slice export.
#include <array>
#include <optional>
#include <string>

namespace ohmira {

struct ProfileLayer {
    double rho = 0;       // ohm·m
    double thickness = 0; // m, 0 for the half-space and for a layer the model lacks
    double depth = 0;     // m, stored depth of the layer's top
};

struct ProfileSounding {
    int points = 0;
    double last_spacing_raw = 0; // first number of the last point record: spacing in tenths of a m
    std::array<ProfileLayer, 20> layers{};
    std::string x, y, z; // as read; an empty Y or Z is "0"
};

// Reads the file; empty when it cannot be opened or read whole up to its Z text (a short file,
// a value that is not a number, more than 51 points). Resistivities of an older-layout file (whose
// first number has no .5 fraction) are divided by 10, those of the current layout by 100.
std::optional<ProfileSounding> read_profile_sounding(const std::string &path);

// Depth of investigation in metres from the raw last spacing: 3a/30 for the Wenner array, 2a/30
// for the others; single precision, as the depth was held.
double investigation_depth(double last_spacing_raw, bool wenner);

// Whether the editor's array choice is Wenner.
bool wenner_selected();

} // namespace ohmira
