#include "core/forward_filters.h"
#include "exact_earth.h"

#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <cstdio>
#include <numbers>
#include <random>
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

// Keeps the largest relative error of the test among its properties (--gtest_output=xml), in
// two significant digits.
void record_worst_error(double worst) {
    char text[32];
    std::snprintf(text, sizeof text, "%.2g", worst);
    ::testing::Test::RecordProperty("worst_relative_error", text);
}

} // namespace

TEST(ForwardFilters, HomogeneousEarthGivesItsResistivity) {
    for (const auto array : All_Arrays) {
        for (const double rho : {0.001, 1.0, 100.0, 150000.0}) {
            for (const Layered_Earth &earth : {two_layers(rho, 10, rho), earth_of({{rho, 0}})}) {
                Sampled_Curve curve;
                ASSERT_EQ(compute_sampled_curve(earth, array, -1, 100, curve),
                          Forward_Failure::none);
                ASSERT_EQ(curve.last, 29);
                for (int k = 0; k <= curve.last; ++k) {
                    EXPECT_NEAR(curve.rho[k] / rho, 1.0, 1e-12)
                        << name_of(array) << " " << rho << " layers " << earth.layers;
                }
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
    // A 0 ohm-m layer under a 10 ohm-m one: the transform fails only where the filters reach
    // below it, so the shortest Schlumberger spacings, screened by the top layer, are computed;
    // the Wenner filter's long tail reaches below it from the first spacing on.
    Layered_Earth deep_zero = earth_of({{10, 1}, {0, 10000}, {100, 0}});
    struct Case {
        const Layered_Earth *earth;
        Array_Type array;
        int max_ab2;
        int last; // the row that failed
    };
    const Case cases[] = {
        {&zero_top, Array_Type::Schlumberger, 100, 0},
        {&zero_top, Array_Type::Wenner, 100, 0},
        {&zero_top, Array_Type::Dipole, 100, 0},
        {&too_many, Array_Type::Wenner, 100, -1},
        {&negative, Array_Type::Wenner, 100, -1},
        {&zero_top, Array_Type::Wenner, 0, -1}, // log of 0
        {&deep_zero, Array_Type::Schlumberger, 100, 2},
        {&deep_zero, Array_Type::Wenner, 100, 0},
    };
    for (const auto &c : cases) {
        Sampled_Curve curve;
        curve.rho.fill(-1.0);
        EXPECT_EQ(compute_sampled_curve(*c.earth, c.array, -1, c.max_ab2, curve),
                  Forward_Failure::arithmetic);
        ASSERT_EQ(curve.last, c.last) << name_of(c.array);
        for (int k = 0; k < curve.last; ++k) {
            EXPECT_NEAR(curve.rho[k], 10.0, 0.05) << name_of(c.array) << " row " << k;
            EXPECT_DOUBLE_EQ(curve.spacing[k], std::pow(10.0, -1 + k / 8.0));
        }
        if (curve.last >= 0) {
            EXPECT_EQ(curve.rho[curve.last], -1.0) << "the failed row is not written";
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

// The curve, and the values at field spacings between its samples, within 0.2 % of the image
// series and above 0 for every array, at contrasts up to 1.5e8 either way, thicknesses from 0.01 to
// 1000 m and spacings from 0.01 to 32767 m (so spacing over thickness from 1e-5 to 3e6). Among
// them: 0.001 ohm·m, 10 m over 150000 ohm·m at 1 m, where the two-electrode transform keeps
// rising up to 1.5e9 m (a tail cut at 10^7.9 m leaves the value 7.5 % short), and 150000 ohm·m,
// 10 m over 0.001 ohm·m at 178 m (a Schlumberger filter exact only up to w = 10 is 0.34 % over).
TEST(ForwardFilters, TwoLayerEarthsAgreeWithTheImageSeries) {
    const std::pair<double, double> contrasts[] = {
        {100, 0.01}, {100, 1},        {100, 50},       {100, 200},  {100, 10000},
        {100, 1e6},  {0.001, 150000}, {150000, 0.001}, {0.001, 15}, {150000, 1500},
    };
    const double field[] = {0.013, 0.15, 1, 1.5, 7.7, 25, 120, 850, 4300, 32767};
    double worst = 0.0;
    for (const auto array : All_Arrays) {
        for (const auto &contrast : contrasts) {
            const double rho1 = contrast.first;
            const double rho2 = contrast.second;
            for (const double h : {0.01, 10.0, 1000.0}) {
                Sampled_Curve curve;
                std::array<double, std::size(field)> values{};
                Forward_Workspace workspace;
                ASSERT_EQ(compute_curve_and_values(two_layers(rho1, h, rho2), array, -2, 32767,
                                                   field, values, curve, workspace),
                          Forward_Failure::none);
                ASSERT_EQ(curve.last, 57);
                auto expect_exact = [&](double spacing, double value) {
                    const double exact = image_series(array, rho1, h, rho2, spacing);
                    EXPECT_TRUE(value > 0 && std::isfinite(value));
                    EXPECT_NEAR(value / exact, 1.0, 0.002)
                        << name_of(array) << " " << rho1 << " / " << h << " m over " << rho2
                        << " at " << spacing << " m";
                    worst = std::max(worst, std::fabs(value / exact - 1.0));
                };
                for (int k = 0; k <= curve.last; k += 2) {
                    expect_exact(curve.spacing[k], curve.rho[k]);
                }
                for (std::size_t i = 0; i < std::size(field); ++i) {
                    expect_exact(field[i], values[i]);
                }
            }
        }
    }
    record_worst_error(worst);
}

// Three-layer H, K, A and Q earths, at ordinary and at 1.5e8 contrasts, earths of four and five
// layers spanning 0.001 to 150000 ohm·m with layers of 0.01 and 1000 m, and twenty alternating
// layers of 0.001 and 150000 ohm·m, against the numerical Hankel integral up to 100 times the
// first layer's thickness; the field spacings between the samples too.
TEST(ForwardFilters, LayeredEarthsAgreeWithTheHankelIntegral) {
    Layered_Earth twenty;
    twenty.layers = 20;
    for (int i = 1; i <= 20; ++i) {
        twenty.rho[i] = i % 2 ? 150000 : 0.001;
        twenty.thickness[i] = i < 20 ? 0.5 * i : 0;
    }
    struct Case {
        const char *type;
        Layered_Earth earth;
    };
    const Case cases[] = {
        {"H", earth_of({{100, 4}, {10, 20}, {1000, 0}})},
        {"K", earth_of({{10, 4}, {1000, 20}, {10, 0}})},
        {"A", earth_of({{10, 4}, {100, 20}, {1000, 0}})},
        {"Q", earth_of({{1000, 4}, {100, 20}, {10, 0}})},
        {"K extreme", earth_of({{80, 1.5}, {300, 12}, {0.8, 0}})},
        {"H 1.5e8", earth_of({{150000, 5}, {0.001, 5}, {150000, 0}})},
        {"K 1.5e8", earth_of({{0.001, 5}, {150000, 5}, {0.001, 0}})},
        {"A 1.5e8", earth_of({{0.001, 5}, {387, 15}, {150000, 0}})},
        {"Q 1.5e8", earth_of({{150000, 5}, {387, 15}, {0.001, 0}})},
        {"four layers", earth_of({{150000, 2}, {0.001, 0.01}, {5, 30}, {150000, 0}})},
        {"five layers",
         earth_of({{0.001, 1000}, {150000, 0.5}, {5, 30}, {150000, 10}, {0.001, 0}})},
        {"twenty layers", twenty},
    };
    const double field[] = {0.15, 7.7, 120, 4300};
    double worst = 0.0;
    for (const auto array : All_Arrays) {
        for (const auto &c : cases) {
            const double reach = std::min(100 * c.earth.thickness[1], 32767.0);
            Sampled_Curve curve;
            std::array<double, std::size(field)> values{};
            Forward_Workspace workspace;
            ASSERT_EQ(compute_curve_and_values(c.earth, array, -1, static_cast<int>(reach), field,
                                               values, curve, workspace),
                      Forward_Failure::none);
            auto expect_exact = [&](double spacing, double value) {
                if (spacing > reach) {
                    return;
                }
                const double exact = hankel_integral(array, c.earth, spacing);
                EXPECT_TRUE(value > 0 && std::isfinite(value));
                EXPECT_NEAR(value / exact, 1.0, 0.002)
                    << name_of(array) << " " << c.type << " at " << spacing << " m";
                worst = std::max(worst, std::fabs(value / exact - 1.0));
            };
            for (int k = 0; k <= curve.last; k += 6) {
                expect_exact(curve.spacing[k], curve.rho[k]);
            }
            for (std::size_t i = 0; i < std::size(field); ++i) {
                expect_exact(field[i], values[i]);
            }
        }
    }
    record_worst_error(worst);
}

// Random earths of 1 to 20 layers, resistivities from 0.001 to 150000 ohm·m and thicknesses from
// 0.01 to 1000 m: every sample from 0.01 to 32767 m and every value at a field spacing is a
// number above 0.
TEST(ForwardFilters, RandomEarthsGiveNumbersAboveZero) {
    std::mt19937_64 random(29);
    auto uniform = [&] { return static_cast<double>(random() >> 11) * 0x1p-53; };
    const double field[] = {0.013, 0.7, 3.3, 17, 90, 444, 2600, 32767};
    Forward_Workspace workspace;
    for (int n = 0; n < 300; ++n) {
        Layered_Earth earth;
        earth.layers = 1 + static_cast<int>(uniform() * 20);
        for (int i = 1; i <= earth.layers; ++i) {
            earth.rho[i] = 0.001 * std::pow(1.5e8, uniform());
            earth.thickness[i] = i < earth.layers ? 0.01 * std::pow(1e5, uniform()) : 0;
        }
        const Array_Type array = All_Arrays[n % 3];
        Sampled_Curve curve;
        std::array<double, std::size(field)> values{};
        ASSERT_EQ(
            compute_curve_and_values(earth, array, -2, 32767, field, values, curve, workspace),
            Forward_Failure::none);
        for (int k = 0; k <= curve.last; ++k) {
            EXPECT_TRUE(curve.rho[k] > 0 && std::isfinite(curve.rho[k]))
                << name_of(array) << " earth " << n << " sample " << k << " " << curve.rho[k];
        }
        for (std::size_t i = 0; i < std::size(field); ++i) {
            EXPECT_TRUE(values[i] > 0 && std::isfinite(values[i]))
                << name_of(array) << " earth " << n << " at " << field[i] << " " << values[i];
        }
    }
}

// A value at a spacing is the filter sum a curve sample there would take: at the samples'
// spacings it is their value, between them it is no interpolation, outside the curve there is none.
TEST(ForwardFilters, ValuesAtSpacingsAreTheFiltersSums) {
    const Layered_Earth earth = earth_of({{80, 1.5}, {300, 12}, {0.8, 0}});
    for (const auto array : All_Arrays) {
        Sampled_Curve curve;
        ASSERT_EQ(compute_sampled_curve(earth, array, -1, 300, curve), Forward_Failure::none);
        const double spacings[] = {curve.spacing[0],
                                   curve.spacing[17],
                                   70.0,
                                   curve.spacing[curve.last],
                                   0.05,
                                   2000.0,
                                   -1.0,
                                   NAN};
        std::array<double, std::size(spacings)> values{};
        Sampled_Curve again;
        Forward_Workspace workspace;
        ASSERT_EQ(
            compute_curve_and_values(earth, array, -1, 300, spacings, values, again, workspace),
            Forward_Failure::none);
        EXPECT_EQ(values[0], curve.rho[0]) << name_of(array);
        EXPECT_EQ(values[1], curve.rho[17]) << name_of(array);
        EXPECT_EQ(values[3], curve.rho[curve.last]) << name_of(array);
        // 70 m lies between samples 22 (56.2 m) and 23 (75 m), where the curve falls by a factor
        // of 3: the value is the exact one, not one between the samples.
        EXPECT_NEAR(values[2] / hankel_integral(array, earth, 70.0), 1.0, 0.002) << name_of(array);
        for (std::size_t i = 4; i < std::size(spacings); ++i) {
            EXPECT_TRUE(std::isnan(values[i])) << name_of(array) << " " << spacings[i];
        }
    }
}

// The tables kept between computations give exactly what fresh ones give, through a sequence of
// changes as a fit and the window make them: one layer's thickness or resistivity, the layer
// count, the spacings, the array.
TEST(ForwardFilters, KeptTablesGiveWhatFreshOnesGive) {
    struct Step {
        Layered_Earth earth;
        Array_Type array;
        std::vector<double> spacings;
    };
    const std::vector<double> field = {1.5, 2, 3, 4, 5, 6, 8, 10, 12, 15, 20, 25, 30, 40, 50};
    const Step steps[] = {
        {earth_of({{120, 2}, {30, 6}, {400, 15}, {500, 0}}), Array_Type::Schlumberger, field},
        {earth_of({{120, 2}, {30, 7}, {400, 15}, {500, 0}}), Array_Type::Schlumberger, field},
        {earth_of({{120, 2}, {30, 7}, {450, 15}, {500, 0}}), Array_Type::Schlumberger, field},
        {earth_of({{130, 2}, {30, 7}, {450, 15}, {500, 0}}), Array_Type::Schlumberger, field},
        {earth_of({{130, 2}, {30, 7}, {450, 15}, {600, 0}}), Array_Type::Schlumberger, field},
        {earth_of({{130, 2}, {30, 7}, {600, 0}}), Array_Type::Schlumberger, field},
        {earth_of({{130, 2}, {30, 7}, {600, 0}}), Array_Type::Schlumberger, {1.5, 7, 33}},
        {earth_of({{130, 2}, {30, 7}, {600, 0}}), Array_Type::Dipole, {1.5, 7, 33}},
        {earth_of({{0.001, 2}, {30, 7}, {150000, 0}}), Array_Type::Dipole, {1.5, 7, 33}},
        {earth_of({{130, 2}, {30, 7}, {600, 0}}), Array_Type::Wenner, field},
    };
    Forward_Workspace kept;
    for (std::size_t n = 0; n < std::size(steps); ++n) {
        const Step &step = steps[n];
        Sampled_Curve curve, fresh_curve;
        std::vector<double> values(step.spacings.size()), fresh_values(step.spacings.size());
        Forward_Workspace fresh;
        ASSERT_EQ(compute_curve_and_values(step.earth, step.array, -1, 60, step.spacings, values,
                                           curve, kept),
                  Forward_Failure::none);
        ASSERT_EQ(compute_curve_and_values(step.earth, step.array, -1, 60, step.spacings,
                                           fresh_values, fresh_curve, fresh),
                  Forward_Failure::none);
        ASSERT_EQ(curve.last, fresh_curve.last);
        for (int k = 0; k <= curve.last; ++k) {
            EXPECT_EQ(curve.rho[k], fresh_curve.rho[k]) << "step " << n << " sample " << k;
        }
        for (std::size_t i = 0; i < values.size(); ++i) {
            EXPECT_EQ(values[i], fresh_values[i]) << "step " << n << " at " << step.spacings[i];
        }
    }
}

} // namespace ohmira
