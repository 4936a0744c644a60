#pragma once
// Pure numerics of the forward model: the resistivity transform of a horizontally layered earth
// and the three digital filters that turn it into apparent resistivities, eight samples per decade.
// Nothing here touches the shared sounding state; Compute_Curve wraps it.
#include <array>

namespace ohmira {

enum class Array_Type { Schlumberger, Dipole, Wenner };

// Rows of the sampled curve (k = 0..100).
inline constexpr int Curve_Rows = 101;
// Columns of the model table (layers 0..21; layer 0 is never used but may be read).
inline constexpr int Model_Columns = 22;

// A layered model: layer i (1..layers) has rho[i] and thickness[i]; the last layer is the
// half-space, its thickness is not read.
struct Layered_Earth {
    int layers = 0;
    std::array<double, Model_Columns> rho{};
    std::array<double, Model_Columns> thickness{};
};

// Result of one computation: rows 0..last hold the apparent resistivity and the spacing.
struct Sampled_Curve {
    int last = -1;
    std::array<double, Curve_Rows> rho{};
    std::array<double, Curve_Rows> spacing{};
};

enum class Forward_Failure {
    none,
    arithmetic, // division by zero, overflow, log of a value <= 0, layer index beyond the table
    table_full, // more than 101 samples needed
};

// Resistivity transform T(lambda). Returns false where the arithmetic fails (a zero resistivity
// above the half-space, an overflow); t is then unchanged.
bool resistivity_transform(const Layered_Earth &earth, double lambda, double &t);

// Samples the apparent-resistivity curve from spacing 10^ab2min up to the first sample at or
// beyond log10(max_ab2) + 0.5. On failure the rows computed so far stay in `out`; `out.last`
// is the sample that failed (row unwritten), or 100 when the table is full.
Forward_Failure compute_sampled_curve(const Layered_Earth &earth, Array_Type array, int ab2min,
                                      int max_ab2, Sampled_Curve &out);

// Filter coefficients, in the order they are summed.
// Schlumberger: applied to the transform samples at the odd positions 1, 3, ..., 35.
inline constexpr std::array<double, 18> Schlumberger_Coefficients = {
    +0.0042, -0.0103, +0.0144, -0.0211, +0.033,  -0.0574, +0.1184, -0.3162, +1.0219,
    -2.4514, +1.8192, +0.6486, +0.1739, +0.0079, +0.02,   -0.0106, +0.0093, -0.0038};
inline constexpr double Schlumberger_Ratio = 1.333521; // 10^(1/8), the output spacing
inline constexpr double Schlumberger_Start_Divisor = 822.8;
inline constexpr int Schlumberger_Presamples = 34;

inline constexpr std::array<double, 14> Wenner_Coefficients = {
    +0.0008, -0.0031, +0.0091, -0.0086, +0.0589, +0.138,  +0.8415,
    +1.2348, -1.7514, +0.567,  -0.1029, +0.0193, -0.0042, +0.0006};
inline constexpr double Wenner_Shift = 3.3643;
inline constexpr double Wenner_Step = 0.5757; // abscissas fall by a quarter decade per tap

inline constexpr std::array<double, 61> Dipole_Coefficients = {
    -0.354,   +0.541,   -0.584,   +0.634,   -0.695,   +0.768,   -0.859,   +0.975,   -1.125,
    +1.328,   -1.613,   +2.034,   -2.695,   +3.822,   -5.945,   +10.486,  -21.64,   +52.169,
    -135.369, +316.645, -510.467, +300.005, +349.389, -199.86,  -361.464, -232.369, -32.379,
    +100.572, +170.055, +184.716, +177.528, +154.707, +132.414, +107.953, +89.067,  +70.692,
    +57.719,  +45.16,   +36.9,    +28.541,  +23.493,  +17.934,  +14.959,  +11.217,  +9.55,
    +6.977,   +6.127,   +4.306,   +3.96,    +2.626,   +2.587,   +1.572,   +1.715,   +0.911,
    +1.161,   +0.498,   +0.807,   +0.24,    +0.581,   +0.082,   +1.32};
inline constexpr double Dipole_Shift = -6.912;
inline constexpr double Dipole_Step = 0.2302385; // deliberately not ln(10)/10
inline constexpr double Dipole_Divisor = 1000.0;

// Decimal logarithm as the program forms it everywhere: ln(v) * 0.4343.
inline constexpr double Log10_Factor = 0.4343;

} // namespace ohmira
