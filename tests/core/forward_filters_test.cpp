#include "core/forward_filters.h"
#include "exact_earth.h"

#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <numbers>
#include <vector>

namespace ohmira {

namespace {

using test::earth_of;
using test::hankel_integral;
using test::image_series;

Layered_Earth two_layers(double rho1, double h, double rho2) {
    return earth_of({{rho1, h}, {rho2, 0}});
}

const char *name_of(Array_Type array) {
    switch (array) {
    case Array_Type::Schlumberger:
        return "Schlumberger";
    case Array_Type::Wenner:
        return "Wenner";
    case Array_Type::Dipole:
        break;
    }
    return "dipole";
}

constexpr Array_Type All_Arrays[] = {Array_Type::Schlumberger, Array_Type::Wenner,
                                     Array_Type::Dipole};

} // namespace

TEST(ForwardFilters, HomogeneousEarthGivesItsResistivity) {
    for (const auto array : All_Arrays) {
        for (const double rho : {0.001, 1.0, 100.0, 150000.0}) {
            Sampled_Curve curve;
            ASSERT_EQ(compute_sampled_curve(two_layers(rho, 10, rho), array, -1, 100, curve),
                      Forward_Failure::none);
            ASSERT_EQ(curve.last, 29);
            for (int k = 0; k <= curve.last; ++k) {
                EXPECT_NEAR(curve.rho[k] / rho, 1.0, 1e-6) << name_of(array) << " " << rho;
            }
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
    EXPECT_NEAR(curve.rho[100], 10.0, 1e-9);
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
    // h >= 19 lambda: tanh is 1 in double precision, the transform is the layer's own resistivity.
    Layered_Earth earth = earth_of({{50, 190}, {20, 1}, {1e6, 0}});
    double t = 0;
    ASSERT_TRUE(resistivity_transform(earth, 10.0, t));
    EXPECT_DOUBLE_EQ(t, 50.0);
    ASSERT_TRUE(resistivity_transform(earth, 10.5, t));
    EXPECT_NE(t, 50.0);
    EXPECT_NEAR(t, 50.0, 1e-12);
}

TEST(ForwardFilters, TwentyLayersOfExtremeContrastStayFiniteAndPositive) {
    Layered_Earth earth;
    earth.layers = 20;
    for (int i = 1; i <= 20; ++i) {
        earth.rho[i] = i % 2 ? 150000 : 0.001;
        earth.thickness[i] = i < 20 ? 0.5 * i : 0;
    }
    for (const auto array : All_Arrays) {
        Sampled_Curve curve;
        ASSERT_EQ(compute_sampled_curve(earth, array, -1, 30000, curve), Forward_Failure::none);
        for (int k = 0; k <= curve.last; ++k) {
            EXPECT_TRUE(std::isfinite(curve.rho[k]) && curve.rho[k] > 0)
                << name_of(array) << " sample " << k << " " << curve.rho[k];
        }
    }
}

// Every sample of each array's curve within 0.2 % of the image series and above 0, for
// contrasts from 1e-4 to 1e4.
TEST(ForwardFilters, TwoLayerCurvesAgreeWithTheImageSeries) {
    const double ratios[] = {1e-4, 1e-3, 0.01, 0.1, 0.5, 2.0, 10.0, 100.0, 1e3, 1e4};
    const double thicknesses[] = {0.5, 3.0, 20.0};
    double worst = 0.0;
    for (const auto array : All_Arrays) {
        for (const double ratio : ratios) {
            for (const double h : thicknesses) {
                const double rho1 = 100.0;
                Sampled_Curve curve;
                ASSERT_EQ(compute_sampled_curve(two_layers(rho1, h, rho1 * ratio), array, -1, 3000,
                                                curve),
                          Forward_Failure::none);
                ASSERT_EQ(curve.last, 40);
                for (int k = 0; k <= curve.last; ++k) {
                    const double exact =
                        image_series(array, rho1, h, rho1 * ratio, curve.spacing[k]);
                    EXPECT_GT(curve.rho[k], 0.0);
                    EXPECT_NEAR(curve.rho[k] / exact, 1.0, 0.002)
                        << name_of(array) << " ratio " << ratio << " h " << h << " spacing "
                        << curve.spacing[k];
                    worst = std::max(worst, std::fabs(curve.rho[k] / exact - 1.0));
                }
            }
        }
    }
    RecordProperty("worst_relative_error", std::to_string(worst));
}

// Three-layer H, K, A and Q earths and a five-layer earth spanning 0.001 to 150000 ohm·m, against
// the numerical Hankel integral. The five-layer two-electrode curve is left out: its integral
// cancels 150000 ohm·m down to a few ohm·m, beyond what the reference quadrature resolves.
TEST(ForwardFilters, LayeredCurvesAgreeWithTheHankelIntegral) {
    struct Case {
        const char *type;
        Layered_Earth earth;
        bool dipole = true;
    };
    const Case cases[] = {
        {"H", earth_of({{100, 4}, {10, 20}, {1000, 0}})},
        {"K", earth_of({{10, 4}, {1000, 20}, {10, 0}})},
        {"A", earth_of({{10, 4}, {100, 20}, {1000, 0}})},
        {"Q", earth_of({{1000, 4}, {100, 20}, {10, 0}})},
        {"K extreme", earth_of({{80, 1.5}, {300, 12}, {0.8, 0}})},
        {"five layers", earth_of({{150000, 2}, {0.001, 0.5}, {150000, 10}, {5, 30}, {150000, 0}}),
         false},
    };
    for (const auto array : All_Arrays) {
        for (const auto &c : cases) {
            if (array == Array_Type::Dipole && !c.dipole) {
                continue;
            }
            Sampled_Curve curve;
            ASSERT_EQ(compute_sampled_curve(c.earth, array, -1, 1000, curve),
                      Forward_Failure::none);
            for (int k = 0; k <= curve.last; k += 3) {
                const double exact = hankel_integral(array, c.earth, curve.spacing[k]);
                EXPECT_GT(curve.rho[k], 0.0);
                EXPECT_NEAR(curve.rho[k] / exact, 1.0, 0.002)
                    << name_of(array) << " " << c.type << " spacing " << curve.spacing[k];
            }
        }
    }
}

} // namespace ohmira
