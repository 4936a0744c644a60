#include "core/forward_filters.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numeric>

namespace ohmira {

namespace {

Layered_Earth two_layers(double rho1, double h, double rho2) {
    Layered_Earth earth;
    earth.layers = 2;
    earth.rho[1] = rho1;
    earth.thickness[1] = h;
    earth.rho[2] = rho2;
    return earth;
}

// Exact two-layer apparent resistivities by the image series:
//   Schlumberger  rho1 [1 + 2 sum k^n (1 + (2nh/s)^2)^(-3/2)]
//   Wenner        rho1 [1 + 4 sum k^n ((1 + (2nh/a)^2)^(-1/2) - (4 + (2nh/a)^2)^(-1/2))]
//   dipole        rho1 [1 + 2 sum k^n (1 + (2nh/r)^2)^(-1/2)]  (the filter's kernel)
double image_sum(Array_Type array, double rho1, double h, double rho2, double spacing) {
    const double k = (rho2 - rho1) / (rho2 + rho1);
    double sum = 0.0;
    double kn = k;
    for (int n = 1; std::fabs(kn) >= 1e-15; ++n, kn *= k) {
        const double r = 2.0 * n * h / spacing;
        switch (array) {
        case Array_Type::Schlumberger:
            sum += 2.0 * kn * std::pow(1.0 + r * r, -1.5);
            break;
        case Array_Type::Wenner:
            sum += 4.0 * kn * (1.0 / std::sqrt(1.0 + r * r) - 1.0 / std::sqrt(4.0 + r * r));
            break;
        case Array_Type::Dipole:
            sum += 2.0 * kn / std::sqrt(1.0 + r * r);
            break;
        }
    }
    return rho1 * (1.0 + sum);
}

} // namespace

TEST(ForwardFilters, CoefficientSumsOfHomogeneousEarth) {
    struct Case {
        Array_Type array;
        double expected;
    };
    const Case cases[] = {{Array_Type::Schlumberger, 100.00},
                          {Array_Type::Wenner, 99.98},
                          {Array_Type::Dipole, 100.0025}};
    for (const auto &c : cases) {
        Sampled_Curve curve;
        ASSERT_EQ(compute_sampled_curve(two_layers(100, 10, 100), c.array, -1, 100, curve),
                  Forward_Failure::none);
        ASSERT_EQ(curve.last, 29);
        for (int k = 0; k <= curve.last; ++k) {
            EXPECT_NEAR(curve.rho[k], c.expected, 1e-9) << "sample " << k;
        }
    }
}

TEST(ForwardFilters, SampleCountFollowsTheUpperLimit) {
    struct Case {
        int ab2min;
        int max_ab2;
        int last;
    };
    // L = log10(max) + 0.5 in single precision; the first sample at or beyond L is the last one.
    const Case cases[] = {
        {-1, 100, 29}, // L = 2.500026: x = 2.625 is the last sample
        {-1, 1, 12},   // L = 0.5: samples up to x = 0.5
        {0, 1, 4},     // x = 0 .. 0.5
        {1, 1, -1},    // the first test (x = 0.875) already reaches L = 0.5
        {-1, 10, 21},  // L = 1.5000127: x = 1.5 stays below it
        {-1, 32767, 49},
    };
    for (const auto &c : cases) {
        Sampled_Curve curve;
        EXPECT_EQ(compute_sampled_curve(two_layers(10, 1, 10), Array_Type::Schlumberger, c.ab2min,
                                        c.max_ab2, curve),
                  Forward_Failure::none);
        EXPECT_EQ(curve.last, c.last) << c.ab2min << " " << c.max_ab2;
        for (int k = 0; k <= curve.last; ++k) {
            EXPECT_DOUBLE_EQ(curve.spacing[k], std::pow(10.0, c.ab2min + k / 8.0));
        }
    }
}

TEST(ForwardFilters, TableFullStopsAtTheLastRow) {
    Sampled_Curve curve;
    EXPECT_EQ(compute_sampled_curve(two_layers(10, 1, 10), Array_Type::Wenner, -10, 30000, curve),
              Forward_Failure::table_full);
    EXPECT_EQ(curve.last, 100);
    EXPECT_NEAR(curve.rho[100], 9.998, 1e-9);
}

TEST(ForwardFilters, ArithmeticFailuresAreReported) {
    Layered_Earth zero_top = two_layers(0, 5, 100);
    Layered_Earth too_many = two_layers(10, 1, 10);
    too_many.layers = 22;
    Layered_Earth negative = two_layers(10, 1, 10);
    negative.layers = -1;
    struct Case {
        const Layered_Earth *earth;
        Array_Type array;
        int max_ab2;
    };
    const Case cases[] = {
        {&zero_top, Array_Type::Schlumberger, 100}, {&zero_top, Array_Type::Wenner, 100},
        {&zero_top, Array_Type::Dipole, 100},       {&too_many, Array_Type::Wenner, 100},
        {&negative, Array_Type::Wenner, 100},       {&zero_top, Array_Type::Wenner, 0}, // log of 0
    };
    for (const auto &c : cases) {
        Sampled_Curve curve;
        EXPECT_EQ(compute_sampled_curve(*c.earth, c.array, -1, c.max_ab2, curve),
                  Forward_Failure::arithmetic);
        for (int k = 0; k < curve.last; ++k) {
            EXPECT_TRUE(std::isfinite(curve.rho[k]));
        }
    }
}

TEST(ForwardFilters, ThickLayerScreensTheDepth) {
    // h >= 4 lambda: the transform is the layer's own resistivity, whatever lies below.
    Layered_Earth earth = two_layers(50, 40, 20);
    earth.layers = 3;
    earth.thickness[2] = 1;
    earth.rho[3] = 1e6;
    double t = 0;
    ASSERT_TRUE(resistivity_transform(earth, 10.0, t));
    EXPECT_EQ(t, 50.0);
    ASSERT_TRUE(resistivity_transform(earth, 10.001, t));
    EXPECT_NE(t, 50.0);
}

// Every sample of each filter's curve within 1 % of the image series.
TEST(ForwardFilters, TwoLayerCurvesAgreeWithTheImageSeries) {
    const double ratios[] = {0.1, 0.2, 0.5, 0.9, 2.0, 5.0, 10.0};
    const double thicknesses[] = {0.5, 3.0, 20.0};
    const char *names[] = {"Schlumberger", "dipole", "Wenner"};
    for (const auto array : {Array_Type::Schlumberger, Array_Type::Dipole, Array_Type::Wenner}) {
        for (const double ratio : ratios) {
            for (const double h : thicknesses) {
                const double rho1 = 100.0;
                Sampled_Curve curve;
                ASSERT_EQ(compute_sampled_curve(two_layers(rho1, h, rho1 * ratio), array, -1, 3000,
                                                curve),
                          Forward_Failure::none);
                ASSERT_EQ(curve.last, 40);
                for (int k = 0; k <= curve.last; ++k) {
                    const double exact = image_sum(array, rho1, h, rho1 * ratio, curve.spacing[k]);
                    EXPECT_NEAR(curve.rho[k] / exact, 1.0, 0.01)
                        << names[static_cast<int>(array)] << " ratio " << ratio << " h " << h
                        << " spacing " << curve.spacing[k];
                }
            }
        }
    }
}

} // namespace ohmira
