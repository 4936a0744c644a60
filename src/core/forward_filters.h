#pragma once
// Pure numerics of the forward model: the resistivity transform of a horizontally layered earth
// and the three digital filters that turn it into apparent resistivities, as a curve of eight
// samples per decade and at any other spacing (the field points'). The filters
// (core/forward_filter_tables.h) read the transform every 1/16 decade, so one table of transform
// values serves every sample of a curve, and one more table every set of spacings that lie whole
// 1/16 decades apart (1, 10, 100 m; 1.5, 15, 150 m). Nothing here touches the shared sounding
// state; compute_model_curve (core/forward.h) wraps it.
#include <array>
#include <memory>
#include <span>

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

// Resistivity transform T(lambda), lambda a length in metres. Returns false where the arithmetic
// fails (a zero resistivity above the half-space, an overflow); t is then unchanged.
bool resistivity_transform(const Layered_Earth &earth, double lambda, double &t);

// What the computations keep from one call to the next: the abscissas of the transform tables,
// each layer's factor exp(-2 h / lambda) - 1 at them and the transform at the top of each layer.
// A fit keeps its field spacings and changes one layer at a time, so each trial recomputes that
// layer's factors at most and the recurrence from that layer up; the numbers are the same as
// from fresh tables. Not shared between threads.
class Forward_Workspace {
public:
    Forward_Workspace();
    ~Forward_Workspace();
    Forward_Workspace(const Forward_Workspace &) = delete;
    Forward_Workspace &operator=(const Forward_Workspace &) = delete;

    struct State;

private:
    friend State &state_of(Forward_Workspace &);
    std::unique_ptr<State> state_;
};

// Samples the apparent-resistivity curve from spacing 10^ab2min up to the first sample at or
// beyond log10(max_ab2) + 0.5. On failure the rows computed so far stay in `out`; `out.last`
// is the sample that failed (row unwritten), or 100 when the table is full.
Forward_Failure compute_sampled_curve(const Layered_Earth &earth, Array_Type array, int ab2min,
                                      int max_ab2, Sampled_Curve &out);

// The same curve, and into values[i] the apparent resistivity at spacings[i] by the same filter
// sum a curve sample at that spacing would take; NaN where there is none (a spacing outside the
// curve's first and last samples, a transform that fails). The curve's failure is returned; a
// value that fails does not fail the curve.
Forward_Failure compute_curve_and_values(const Layered_Earth &earth, Array_Type array, int ab2min,
                                         int max_ab2, std::span<const double> spacings,
                                         std::span<double> values, Sampled_Curve &out,
                                         Forward_Workspace &workspace);

// A layer at least this many times thicker than the abscissa screens everything below it: tanh of
// the ratio is 1 to double precision.
inline constexpr double Screening_Ratio = 19.0;

// Decimal logarithm as the program forms it everywhere: ln(v) * 0.4343.
inline constexpr double Log10_Factor = 0.4343;

} // namespace ohmira
