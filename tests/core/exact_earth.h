#pragma once
// Exact apparent resistivities of layered earths, computed independently of the program's filters:
// the two-layer image series and numerical Hankel integrals of the point-source potential, both
// carried far enough to hold at contrasts of 1.5e8 either way.
#include "core/forward_filters.h"

#include <algorithm>
#include <array>
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

// Exact two-layer apparent resistivities by the image series, k = (rho2 - rho1) / (rho2 + rho1),
// x = 2h / s:
//   Schlumberger  rho1 [1 + sum k^n 2 (1 + (nx)^2)^(-3/2)]
//   Wenner        rho1 [1 + sum k^n 4 ((1 + (nx)^2)^(-1/2) - (4 + (nx)^2)^(-1/2))]
//   dipole        rho1 [1 + sum k^n 2 (1 + (nx)^2)^(-1/2)]   (two electrodes)
// At a contrast of 1.5e8, |k| = 1 - 1.3e-8 and the plain sum would need 1e9 terms. The first 63
// are summed; the rest, |k|^n f(n) = h(n) being smooth, by the Euler-Maclaurin formula for k > 0
// (the integral of h from 64 on, h(64) / 2 and ten Bernoulli corrections) and by its alternating
// form for k < 0 (h(64) / 2 and ten corrections, no integral: nothing cancels), the derivatives
// of h at 64 by Taylor arithmetic. Long double throughout: a resistive cover over a conductor
// cancels 1.5e8 times.
namespace image_detail {

using real = long double;
constexpr int Order = 21; // Taylor coefficients 0..20
constexpr int First_Summed = 64;

// h(n) = e^(-beta n) sum of c (a + (alpha n)^2)^-p over the parts.
struct Part {
    real c, a, p;
};

struct Terms {
    real beta, alpha;
    std::vector<Part> parts;

    real operator()(real n) const {
        real sum = 0;
        for (const auto &q : parts) {
            sum += q.c * std::pow(q.a + alpha * alpha * n * n, -q.p);
        }
        return std::exp(-beta * n) * sum;
    }

    // Taylor coefficients of h at n.
    std::array<real, Order> taylor(real n) const {
        std::array<real, Order> w_sum{}, e{}, out{};
        for (const auto &q : parts) {
            // w = u^-p, u = a + alpha^2 (n + t)^2: k u0 w_k = sum_j ((1 - p) j - k) u_j w_(k-j).
            const real u0 = q.a + alpha * alpha * n * n, u1 = 2 * alpha * alpha * n,
                       u2 = alpha * alpha;
            std::array<real, Order> w{};
            w[0] = std::pow(u0, -q.p);
            for (int k = 1; k < Order; ++k) {
                real s = ((1 - q.p) - k) * u1 * w[k - 1];
                if (k >= 2) {
                    s += ((1 - q.p) * 2 - k) * u2 * w[k - 2];
                }
                w[k] = s / (k * u0);
            }
            for (int k = 0; k < Order; ++k) {
                w_sum[k] += q.c * w[k];
            }
        }
        e[0] = std::exp(-beta * n);
        for (int k = 1; k < Order; ++k) {
            e[k] = e[k - 1] * -beta / k;
        }
        for (int k = 0; k < Order; ++k) {
            for (int j = 0; j <= k; ++j) {
                out[k] += e[j] * w_sum[k - j];
            }
        }
        return out;
    }
};

// sum over n >= 64 of h(n) (alternating: of (-1)^n h(n)).
inline real tail(const Terms &h, bool alternating) {
    static const Gauss_Rule rule(24);
    constexpr real Bernoulli[] = {1.0L / 6,       -1.0L / 30,      1.0L / 42, -1.0L / 30,
                                  5.0L / 66,      -691.0L / 2730,  7.0L / 6,  -3617.0L / 510,
                                  43867.0L / 798, -174611.0L / 330};
    const auto c = h.taylor(First_Summed);
    real sum = c[0] / 2;
    for (int j = 1; j <= 10; ++j) {
        // B_2j / (2j)! times the (2j-1)th derivative, (2j-1)! c_(2j-1); the alternating sum
        // weighs it by 2^2j - 1.
        const real weight = alternating ? std::ldexp(1.0L, 2 * j) - 1 : 1;
        sum -= weight * Bernoulli[j - 1] / (2 * j) * c[static_cast<std::size_t>(2 * j - 1)];
    }
    if (alternating) {
        return sum;
    }
    // The integral from 64 on, over pieces that double in length, until the terms are gone.
    real integral = 0;
    for (real a = First_Summed; a < 1e30L; a *= 2) {
        real piece = 0;
        for (std::size_t i = 0; i < rule.x.size(); ++i) {
            piece += rule.w[i] * h(a * (1.5L + 0.5L * rule.x[i]));
        }
        piece *= a / 2;
        integral += piece;
        if (h.beta * a > 100 || piece < 1e-24L * integral) {
            break;
        }
    }
    return sum + integral;
}

} // namespace image_detail

inline double image_series(Array_Type array, double rho1, double h, double rho2, double spacing) {
    using image_detail::real;
    const real r1 = rho1, r2 = rho2;
    const real k = (r2 - r1) / (r2 + r1);
    if (k == 0) {
        return rho1;
    }
    image_detail::Terms terms;
    // beta = -ln |k|, from 1 - |k| = 2 min / (rho1 + rho2) without cancellation.
    terms.beta = -std::log1p(-2 * std::min(r1, r2) / (r1 + r2));
    terms.alpha = 2 * static_cast<real>(h) / spacing;
    switch (array) {
    case Array_Type::Schlumberger:
        terms.parts = {{2, 1, 1.5L}};
        break;
    case Array_Type::Wenner:
        terms.parts = {{4, 1, 0.5L}, {-4, 4, 0.5L}};
        break;
    case Array_Type::Dipole:
        terms.parts = {{2, 1, 0.5L}};
        break;
    }
    real sum = 0;
    for (int n = 1; n < image_detail::First_Summed; ++n) {
        sum += (k < 0 && n % 2 ? -1 : 1) * terms(n);
    }
    sum += image_detail::tail(terms, k < 0); // 64 is even: the alternating tail starts with +
    return static_cast<double>(r1 * (1 + sum));
}

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
//   Schlumberger  s^2 int T J1(m s) m dm
//   Wenner        2a int T (J0(m a) - J0(2 m a)) dm
//   dipole        r int T J0(m r) dm
// taken as the image series of the top two layers plus the integral of T - T2, T2 the kernel of
// those two layers alone: the difference holds nothing of the top layer's resistivity, which a
// resistive cover would otherwise leave to cancel 1.5e8 times. It falls as exp(-2 m (h1 + h2))
// times the contrast, so the integral stops at m = 40 / (h1 + h2). Near 0 it runs over pieces that
// double in length from 1e-24 / s (under a conductive layer T changes at m = 1 / (rho_N S), 1e-9
// and less), then over pieces no longer than half a period of the Bessel function nor 1 / depth
// of the half-space; 24 Gauss-Legendre nodes each, summed in long double. The cost grows as
// s / h1 and as the depth over h1 + h2: keep s / h1 below 100.
inline double hankel_integral(Array_Type array, const Layered_Earth &earth, double s) {
    if (earth.layers <= 2) {
        return earth.layers < 2
                   ? earth.rho[1]
                   : image_series(array, earth.rho[1], earth.thickness[1], earth.rho[2], s);
    }
    static const Gauss_Rule rule(24);
    const Layered_Earth top = earth_of({{earth.rho[1], earth.thickness[1]}, {earth.rho[2], 0}});
    const double end = 40.0 / (earth.thickness[1] + earth.thickness[2]);
    double depth = 0.0;
    for (int i = 1; i < earth.layers; ++i) {
        depth += earth.thickness[i];
    }
    const double piece = std::min({end, std::numbers::pi / s, 1.0 / depth});
    auto integrand = [&](double m) {
        const double t = kernel(earth, m) - kernel(top, m);
        switch (array) {
        case Array_Type::Schlumberger:
            return s * s * t * std::cyl_bessel_j(1.0, m * s) * m;
        case Array_Type::Wenner:
            return 2.0 * s * t *
                   (std::cyl_bessel_j(0.0, m * s) - std::cyl_bessel_j(0.0, 2 * m * s));
        case Array_Type::Dipole:
            break;
        }
        return s * t * std::cyl_bessel_j(0.0, m * s);
    };
    long double sum = 0.0L;
    auto add = [&](double a, double b) {
        for (std::size_t i = 0; i < rule.x.size(); ++i) {
            const double m = 0.5 * (a + b) + 0.5 * (b - a) * rule.x[i];
            sum += 0.5L * (b - a) * rule.w[i] * integrand(m);
        }
    };
    double a = 1e-24 / s;
    for (; 2 * a < piece; a *= 2) {
        add(a, 2 * a);
    }
    for (; a < end; a += piece) {
        add(a, std::min(a + piece, end));
    }
    return static_cast<double>(
        image_series(array, earth.rho[1], earth.thickness[1], earth.rho[2], s) + sum);
}

} // namespace ohmira::test
