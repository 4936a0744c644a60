#include "core/forward_filters.h"

#include <cfloat>
#include <cmath>

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

// Transform samples T(1)..T(61); index 0 unused.
using Transform_Table = std::array<double, 62>;

bool schlumberger_presamples(const Layered_Earth &earth, float &lambda, Transform_Table &t) {
    for (int m = 1; m <= Schlumberger_Presamples; ++m) {
        if (!resistivity_transform(earth, lambda, t[m]) ||
            !to_single(lambda * Schlumberger_Ratio, lambda)) {
            return false;
        }
    }
    return true;
}

bool schlumberger_sample(const Layered_Earth &earth, float &lambda, Transform_Table &t,
                         double &rho) {
    constexpr int newest = Schlumberger_Presamples + 1;
    if (!resistivity_transform(earth, lambda, t[newest]) ||
        !to_single(lambda * Schlumberger_Ratio, lambda)) {
        return false;
    }
    double sum = 0.0;
    for (std::size_t i = 0; i < Schlumberger_Coefficients.size(); ++i) {
        sum += Schlumberger_Coefficients[i] * t[2 * i + 1];
    }
    for (int j = 1; j < newest; ++j) {
        t[j] = t[j + 1];
    }
    rho = sum;
    return std::isfinite(sum);
}

// Wenner and dipole: all taps evaluated afresh at exp(b + step * j), j = 0..taps-1.
template <std::size_t Taps>
bool fresh_taps_sample(const Layered_Earth &earth, double xk, double shift, double step,
                       const std::array<double, Taps> &coefficients, double divisor,
                       Transform_Table &t, double &rho) {
    float b = 0.0f;
    if (!to_single(xk / Log10_Factor + shift, b)) {
        return false;
    }
    for (std::size_t j = 0; j < Taps; ++j) {
        float lambda = 0.0f;
        if (!to_single(std::exp(b + step * static_cast<double>(j)), lambda) ||
            !resistivity_transform(earth, lambda, t[j + 1])) {
            return false;
        }
    }
    double sum = 0.0;
    for (std::size_t j = 0; j < Taps; ++j) {
        sum += coefficients[j] * t[j + 1];
    }
    rho = sum / divisor;
    return std::isfinite(rho);
}

} // namespace

bool resistivity_transform(const Layered_Earth &earth, double lambda, double &t) {
    const int n = earth.layers;
    if (n < 0 || n >= Model_Columns || !(lambda > 0.0)) {
        return false;
    }
    double value = earth.rho[n];
    for (int i = n - 1; i >= 1; --i) {
        const double rho = earth.rho[i];
        const double u = earth.thickness[i] / lambda;
        if (!std::isfinite(u)) {
            return false;
        }
        if (u >= 4.0) {
            value = rho; // the layer screens everything below it
            continue;
        }
        const double e = std::exp(u);
        const double inv = 1.0 / e;
        if (e == 0.0 || !std::isfinite(inv) || rho == 0.0) {
            return false;
        }
        const double th = (e - inv) / (e + inv);
        const double denominator = 1.0 + value * th / rho;
        if (denominator == 0.0 || !std::isfinite(denominator)) {
            return false;
        }
        value = (value + rho * th) / denominator;
        if (!std::isfinite(value)) {
            return false;
        }
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

    Transform_Table t{};
    float lambda = 0.0f;
    if (array == Array_Type::Schlumberger) {
        if (!to_single(std::pow(10.0, ab2min) / Schlumberger_Start_Divisor, lambda) ||
            !schlumberger_presamples(earth, lambda, t)) {
            return Forward_Failure::arithmetic;
        }
    }

    for (;;) {
        float x = 0.0f;
        if (!to_single(out.last * 0.125 + ab2min, x)) {
            return Forward_Failure::arithmetic;
        }
        if (x >= limit) {
            return Forward_Failure::none;
        }
        if (out.last + 1 >= Curve_Rows) {
            return Forward_Failure::table_full;
        }
        const int k = ++out.last;
        const double xk = ab2min + k / 8.0;
        double rho = 0.0;
        bool ok = false;
        switch (array) {
        case Array_Type::Schlumberger:
            ok = schlumberger_sample(earth, lambda, t, rho);
            break;
        case Array_Type::Wenner:
            ok = fresh_taps_sample(earth, xk, Wenner_Shift, -Wenner_Step, Wenner_Coefficients, 1.0,
                                   t, rho);
            break;
        case Array_Type::Dipole:
            ok = fresh_taps_sample(earth, xk, Dipole_Shift, Dipole_Step, Dipole_Coefficients,
                                   Dipole_Divisor, t, rho);
            break;
        }
        const double spacing = std::pow(10.0, xk);
        if (!ok || !std::isfinite(spacing)) {
            return Forward_Failure::arithmetic;
        }
        out.rho[k] = rho;
        out.spacing[k] = spacing;
    }
}

} // namespace ohmira
