#pragma once
// Exact apparent resistivities of layered earths, computed independently of the program's filters:
// the two-layer image series and numerical Hankel integrals of the point-source potential.
#include "core/forward_filters.h"

#include <algorithm>
#include <cmath>
#include <initializer_list>
#include <numbers>
#include <vector>

namespace ohmira::test {

struct Layer {
    double rho;
    double h;
};

inline Layered_Earth earth_of(std::initializer_list<Layer> layers) {
    Layered_Earth earth;
    for (const auto &l : layers) {
        ++earth.layers;
        earth.rho[earth.layers] = l.rho;
        earth.thickness[earth.layers] = l.h;
    }
    return earth;
}

// Exact two-layer apparent resistivities by the image series, k = (rho2 - rho1) / (rho2 + rho1):
//   Schlumberger  rho1 [1 + 2 sum k^n (1 + (2nh/s)^2)^(-3/2)]
//   Wenner        rho1 [1 + 4 sum k^n ((1 + (2nh/a)^2)^(-1/2) - (4 + (2nh/a)^2)^(-1/2))]
//   dipole        rho1 [1 + 2 sum k^n (1 + (2nh/r)^2)^(-1/2)]   (two electrodes)
// The terms are summed until |k^n| < 1e-16; the rest is below 1e-16 / (1 - |k|).
inline double image_series(Array_Type array, double rho1, double h, double rho2, double spacing) {
    const double k = (rho2 - rho1) / (rho2 + rho1);
    double sum = 0.0;
    double kn = k;
    for (int n = 1; std::fabs(kn) >= 1e-16; ++n, kn *= k) {
        const double r = 2.0 * n * h / spacing;
        const double q = 1.0 + r * r;
        switch (array) {
        case Array_Type::Schlumberger:
            sum += 2.0 * kn / (q * std::sqrt(q));
            break;
        case Array_Type::Wenner:
            sum += 4.0 * kn * (1.0 / std::sqrt(q) - 1.0 / std::sqrt(3.0 + q));
            break;
        case Array_Type::Dipole:
            sum += 2.0 * kn / std::sqrt(q);
            break;
        }
    }
    return rho1 * (1.0 + sum);
}

// Gauss-Legendre nodes and weights on [-1, 1] by Newton's method on P_n.
struct Gauss_Rule {
    std::vector<double> x, w;
    explicit Gauss_Rule(int n) {
        for (int i = 1; i <= n; ++i) {
            double z = std::cos(std::numbers::pi * (i - 0.25) / (n + 0.5));
            double dp = 0.0;
            for (int iter = 0; iter < 100; ++iter) {
                double p0 = 1.0, p1 = z;
                for (int j = 2; j <= n; ++j) {
                    const double p2 = ((2.0 * j - 1.0) * z * p1 - (j - 1.0) * p0) / j;
                    p0 = p1;
                    p1 = p2;
                }
                dp = n * (z * p1 - p0) / (z * z - 1.0);
                const double step = p1 / dp;
                z -= step;
                if (std::fabs(step) < 1e-16) {
                    break;
                }
            }
            x.push_back(z);
            w.push_back(2.0 / ((1.0 - z * z) * dp * dp));
        }
    }
};

// Kernel of a layered earth at wave number m, by the upward recurrence
// T_i = rho_i (T_(i+1) + rho_i tanh(m h_i)) / (rho_i + T_(i+1) tanh(m h_i)).
inline double kernel(const Layered_Earth &earth, double m) {
    double t = earth.rho[earth.layers];
    for (int i = earth.layers - 1; i >= 1; --i) {
        const double th = std::tanh(m * earth.thickness[i]);
        t = earth.rho[i] * (t + earth.rho[i] * th) / (earth.rho[i] + t * th);
    }
    return t;
}

// Exact apparent resistivity by the Hankel integrals of the point-source potential:
//   Schlumberger  rho1 + s^2 int (T - rho1) J1(m s) m dm
//   Wenner        rho1 + 2a int (T - rho1) (J0(m a) - J0(2 m a)) dm
//   dipole        rho1 + r int (T - rho1) J0(m r) dm
// T - rho1 falls as exp(-2 m h1), so the integral stops at m = 22 / h1; it runs in pieces no longer
// than a quarter period of the Bessel function nor a quarter of 1 / depth of the half-space, 12
// Gauss-Legendre nodes each.
inline double hankel_integral(Array_Type array, const Layered_Earth &earth, double s) {
    static const Gauss_Rule rule(12);
    const double rho1 = earth.rho[1];
    const double end = 22.0 / earth.thickness[1];
    double depth = 0.0;
    for (int i = 1; i < earth.layers; ++i) {
        depth += earth.thickness[i];
    }
    const double piece = std::min({end, std::numbers::pi / (2.0 * s), 0.25 / depth});
    double sum = 0.0;
    for (double a = 0.0; a < end; a += piece) {
        const double b = std::min(a + piece, end);
        for (std::size_t i = 0; i < rule.x.size(); ++i) {
            const double m = 0.5 * (a + b) + 0.5 * (b - a) * rule.x[i];
            const double t = kernel(earth, m) - rho1;
            double f = 0.0;
            switch (array) {
            case Array_Type::Schlumberger:
                f = s * s * t * std::cyl_bessel_j(1.0, m * s) * m;
                break;
            case Array_Type::Wenner:
                f = 2.0 * s * t *
                    (std::cyl_bessel_j(0.0, m * s) - std::cyl_bessel_j(0.0, 2 * m * s));
                break;
            case Array_Type::Dipole:
                f = s * t * std::cyl_bessel_j(0.0, m * s);
                break;
            }
            sum += 0.5 * (b - a) * rule.w[i] * f;
        }
    }
    return rho1 + sum;
}

} // namespace ohmira::test
