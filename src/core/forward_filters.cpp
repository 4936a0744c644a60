#include "core/forward_filters.h"

#include "core/forward_filter_tables.h"

#include <algorithm>
#include <cfloat>
#include <cmath>
#include <span>

namespace ohmira {

namespace {

// Rounds to single precision; false when the value does not fit (the runtime's overflow).
bool to_single(double v, float &out) {
    if (!std::isfinite(v) || std::fabs(v) > FLT_MAX) {
        return false;
    }
    out = static_cast<float>(v);
    return true;
}

struct Filter {
    int first_tap; // in 1/16 decade, relative to the sample's spacing
    std::span<const double> taps;
};

Filter filter_of(Array_Type array) {
    switch (array) {
    case Array_Type::Schlumberger:
        return {Schlumberger_First_Tap, Schlumberger_Filter};
    case Array_Type::Wenner:
        return {Wenner_First_Tap, Wenner_Filter};
    case Array_Type::Dipole:
        break;
    }
    return {Dipole_First_Tap, Dipole_Filter};
}

constexpr std::size_t Longest_Filter =
    std::max({Schlumberger_Filter.size(), Wenner_Filter.size(), Dipole_Filter.size()});
// Transform values of one curve: sample k reads entries Filter_Substeps * k onwards.
using Transform_Table = std::array<double, Filter_Substeps *(Curve_Rows - 1) + Longest_Filter>;

// Number of samples the sampling rule asks for: x = (k - 1) / 8 + ab2min is tested in single
// precision before sample k; the loop ends at the first x at or beyond the limit. False when the
// 101 rows of the table are not enough (count is then 101).
bool sample_count(int ab2min, float limit, int &count, bool &ok) {
    count = 0;
    ok = true;
    for (;;) {
        float x = 0.0f;
        if (!to_single((count - 1) * 0.125 + ab2min, x)) {
            ok = false;
            return true;
        }
        if (x >= limit) {
            return true;
        }
        if (count >= Curve_Rows) {
            return false;
        }
        ++count;
    }
}

// Sum of taps[i] * values[i], in four running sums so that the additions do not wait on each other.
double dot(std::span<const double> taps, const double *values) {
    double s[4] = {0.0, 0.0, 0.0, 0.0};
    const std::size_t n = taps.size();
    std::size_t i = 0;
    for (; i + 4 <= n; i += 4) {
        s[0] += taps[i] * values[i];
        s[1] += taps[i + 1] * values[i + 1];
        s[2] += taps[i + 2] * values[i + 2];
        s[3] += taps[i + 3] * values[i + 3];
    }
    for (; i < n; ++i) {
        s[0] += taps[i] * values[i];
    }
    return (s[0] + s[1]) + (s[2] + s[3]);
}

} // namespace

bool resistivity_transform(const Layered_Earth &earth, double lambda, double &t) {
    const int n = earth.layers;
    if (n < 0 || n >= Model_Columns || !(lambda > 0.0) || !std::isfinite(lambda)) {
        return false;
    }
    // The topmost layer thick enough to screen what lies below fixes the transform there; the
    // recurrence runs upwards from it (or from the half-space).
    int start = n;
    for (int i = 1; i < n; ++i) {
        if (earth.thickness[i] / lambda >= Screening_Ratio) {
            start = i;
            break;
        }
    }
    // T is carried as the fraction n / d, so that the recurrence divides only once at the end:
    // T := rho (T + rho th) / (rho + T th), th = tanh(u) = (1 - q) / (1 + q), q = exp(-2u).
    double n_part = earth.rho[start];
    double d_part = 1.0;
    for (int i = start - 1; i >= 1; --i) {
        const double rho = earth.rho[i];
        const double u = earth.thickness[i] / lambda;
        if (!std::isfinite(u) || rho == 0.0) {
            return false;
        }
        const double q = std::exp(-2.0 * u);
        const double plus = 1.0 + q, minus = 1.0 - q;
        const double next_n = n_part * plus + rho * d_part * minus;
        d_part = d_part * plus + n_part * minus / rho;
        n_part = next_n;
        // Both parts only grow; scaled back together long before a double overflows.
        if (n_part > 1e200 || d_part > 1e200) {
            n_part *= 1e-200;
            d_part *= 1e-200;
        }
    }
    if (d_part == 0.0) {
        return false;
    }
    const double value = n_part / d_part;
    if (!std::isfinite(value)) {
        return false;
    }
    t = value;
    return true;
}

Forward_Failure compute_sampled_curve(const Layered_Earth &earth, Array_Type array, int ab2min,
                                      int max_ab2, Sampled_Curve &out) {
    out.last = -1;
    if (earth.layers < 0 || earth.layers >= Model_Columns || max_ab2 <= 0) {
        return Forward_Failure::arithmetic;
    }
    float limit = 0.0f;
    if (!to_single(std::log(static_cast<double>(max_ab2)) * Log10_Factor + 0.5, limit)) {
        return Forward_Failure::arithmetic;
    }
    int count = 0;
    bool ok = true;
    const bool room = sample_count(ab2min, limit, count, ok);
    if (!ok) {
        return Forward_Failure::arithmetic;
    }
    if (count == 0) {
        return Forward_Failure::none;
    }

    // Transform values at spacing(0) * 10^((j + first_tap) / 16), j = 0, 1, ...: computed once,
    // each serves every sample whose taps reach it.
    const Filter filter = filter_of(array);
    const int taps = static_cast<int>(filter.taps.size());
    const int needed = Filter_Substeps * (count - 1) + taps;
    Transform_Table t;
    const double ratio = std::pow(10.0, 1.0 / (8 * Filter_Substeps));
    double lambda = std::pow(10.0, ab2min + filter.first_tap / (8.0 * Filter_Substeps));
    int computed = 0;
    for (; computed < needed; ++computed, lambda *= ratio) {
        if (!resistivity_transform(earth, lambda, t[computed])) {
            break;
        }
    }
    // Samples whose taps all lie below the first failed transform are written.
    const int writable = computed == needed ? count
                         : computed < taps  ? 0
                                            : (computed - taps) / Filter_Substeps + 1;
    for (int k = 0; k < writable; ++k) {
        const double sum = dot(filter.taps, &t[Filter_Substeps * k]);
        const double spacing = std::pow(10.0, ab2min + k / 8.0);
        if (!std::isfinite(sum) || !std::isfinite(spacing)) {
            out.last = k;
            return Forward_Failure::arithmetic;
        }
        out.rho[k] = sum;
        out.spacing[k] = spacing;
        out.last = k;
    }
    if (writable < count) {
        out.last = writable;
        return Forward_Failure::arithmetic;
    }
    return room ? Forward_Failure::none : Forward_Failure::table_full;
}

} // namespace ohmira
