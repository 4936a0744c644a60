// The numbers of the sounding without the window: the curve of the current model, the fit's search
// and the automatic model's detection, each called as the commands on the window call them.
#include "core/auto_model.h"
#include "core/computation_settings.h"
#include "core/fit.h"
#include "core/forward.h"

#include <gtest/gtest.h>

#include <cmath>

#include "core_fixture.h"
#include "exact_earth.h"
#include "sounding_setters.h"

namespace ohmira::test {
namespace {

class SoundingNumerics : public CoreTest {
protected:
    void SetUp() override {
        CoreTest::SetUp();
        Superpose = -1;
        AB2min = -1;
        Decimals_Mode = 0;
        Auto_Threshold = 0.3;
    }

    static void schlumberger_curve() { compute_model_curve(Array_Type::Schlumberger); }

    // Field points on the Schlumberger curve of `model`, samples first, first + 1, ...
    static void synthetic_field(std::initializer_list<std::pair<double, double>> model, int first,
                                int count) {
        set_model(model);
        set_field({{1, 1}, {100, 1}});
        ASSERT_EQ(compute_model_curve(Array_Type::Schlumberger).failure, Forward_Failure::none);
        std::vector<std::pair<double, double>> points;
        for (int k = first; k < first + count; ++k) {
            points.emplace_back(Curve(k, 2).num(), Curve(k, 1).num());
        }
        set_field(points);
    }

    static inline Array_Type trial_array = Array_Type::Schlumberger;
    static void trial_curve() { compute_model_curve(trial_array); }

    // RMS of the relative differences between the model's values at the field spacings and the
    // field points, in %.
    static double rms_percent() {
        double sum = 0;
        for (int i = 1; i <= Nb_Points; ++i) {
            const auto m = field_model_value(i);
            EXPECT_TRUE(m && *m > 0) << "point " << i;
            const double e = m.value_or(0) / Field_Data(i, 2).num() - 1;
            sum += e * e;
        }
        return 100 * std::sqrt(sum / Nb_Points);
    }

    static double misfit_now() {
        Variant m;
        schlumberger_curve();
        Sum_Misfit(m);
        return m.num();
    }
};

TEST_F(SoundingNumerics, TheModelCurveIsTheFiltersCurveForEachArray) {
    for (const Array_Type array :
         {Array_Type::Schlumberger, Array_Type::Wenner, Array_Type::Dipole}) {
        reset_core_state();
        Superpose = -1;
        set_model({{100, 5}, {20, 15}, {300, 0}});
        set_field({{1, 100}, {300, 80}});
        const Model_Curve_Result result = compute_model_curve(array);

        Layered_Earth earth;
        earth.layers = 3;
        const double layers[][2] = {{0, 0}, {100, 5}, {20, 15}, {300, 0}};
        for (int i = 0; i <= 3; ++i) {
            earth.rho[i] = layers[i][0];
            earth.thickness[i] = layers[i][1];
        }
        Sampled_Curve expected;
        ASSERT_EQ(compute_sampled_curve(earth, array, AB2min, 300, expected),
                  Forward_Failure::none);
        ASSERT_TRUE(result.computed);
        EXPECT_EQ(result.failure, Forward_Failure::none);
        EXPECT_EQ(result.written, expected.last + 1);
        EXPECT_EQ(Curve_Last, expected.last);
        EXPECT_EQ(Max_AB2, 300);
        for (int k = 0; k <= expected.last; ++k) {
            EXPECT_DOUBLE_EQ(Curve(k, 1).num(), expected.rho[k]) << k;
            EXPECT_DOUBLE_EQ(Curve(k, 2).num(), expected.spacing[k]) << k;
        }
        EXPECT_EQ(Curve_Done, 1);
        EXPECT_EQ(Curve_Valid, -1);
        EXPECT_EQ(Plot_Empty, 0);
    }
}

TEST_F(SoundingNumerics, NoCurveWithoutASpacingAndAFailureForALayerCountBeyondTheTable) {
    set_model({{100, 5}, {300, 0}});
    Max_AB2 = 0;
    Curve(0, 1) = 7.0;
    const Model_Curve_Result none = compute_model_curve(Array_Type::Schlumberger);
    EXPECT_FALSE(none.computed);
    EXPECT_EQ(Curve(0, 1).num(), 7.0);
    EXPECT_EQ(Curve_Done, 1);

    set_field({{1, 100}, {100, 80}});
    Nb_Layers = Model_Columns;
    const Model_Curve_Result failed = compute_model_curve(Array_Type::Schlumberger);
    EXPECT_TRUE(failed.computed);
    EXPECT_NE(failed.failure, Forward_Failure::none);
}

TEST_F(SoundingNumerics, TheSearchRecoversASyntheticModel) {
    synthetic_field({{100, 5}, {20, 15}, {300, 0}}, 6, 20);
    set_model({{130, 6.5}, {20, 10}, {210, 0}});
    Fixed_Param(2) = 1; // the second resistivity stays as typed
    const double before = misfit_now();
    Misfit = 1.0; // a fit in progress: the curve is not drawn
    ASSERT_TRUE(fit_search(schlumberger_curve));
    EXPECT_EQ(Nb_Layers, 3);
    EXPECT_EQ(Model_Layers(1, 2).num(), 20);
    EXPECT_NEAR(Model_Layers(1, 1).num(), 100, 3);
    EXPECT_NEAR(Model_Layers(2, 1).num(), 5, 0.5);
    EXPECT_LT(misfit_now(), before / 100);
}

// Soundings computed exactly at the spacings of the shipped tables, which lie between the curve's
// samples, loaded with their true models: the model's values at the field spacings rate the true
// model within 0.3 % RMS, and the search started from it keeps every resistivity and thickness
// within 2 % and ends within 0.5 % RMS. (Values interpolated between the samples put the K curve
// 18 % off at 70 m and walked the search away from it.)
TEST_F(SoundingNumerics, TrueModelsOfExactSoundingsStand) {
    const std::vector<double> schlumberger = {1.5, 2,  3,   4,   5,   6,   8,   10,
                                              12,  15, 20,  25,  30,  40,  50,  60,
                                              70,  80, 100, 120, 150, 200, 250, 300};
    const std::vector<double> wenner = {1,  1.5, 2,  3,  4,  5,  6,   8,   10,  12,  15,  20,
                                        25, 30,  40, 50, 60, 80, 100, 120, 150, 200, 250, 300};
    struct Case {
        const char *type;
        Array_Type array;
        std::vector<std::pair<double, double>> model;
    };
    const Case cases[] = {
        {"K", Array_Type::Schlumberger, {{80, 1.5}, {300, 12}, {0.8, 0}}},
        {"K", Array_Type::Schlumberger, {{50, 2}, {200, 10}, {0.5, 0}}},
        {"H", Array_Type::Schlumberger, {{200, 3}, {20, 15}, {800, 0}}},
        {"A", Array_Type::Schlumberger, {{20, 3}, {150, 15}, {2000, 0}}},
        {"Q", Array_Type::Schlumberger, {{500, 3}, {60, 15}, {5, 0}}},
        {"four layers", Array_Type::Wenner, {{150, 1.5}, {40, 6}, {600, 20}, {30, 0}}},
    };
    for (const auto &c : cases) {
        reset_core_state();
        Superpose = -1;
        AB2min = -1;
        Decimals_Mode = 0;
        Layered_Earth earth;
        for (const auto &[rho, h] : c.model) {
            ++earth.layers;
            earth.rho[earth.layers] = rho;
            earth.thickness[earth.layers] = h;
        }
        std::vector<std::pair<double, double>> points;
        for (const double a : c.array == Array_Type::Wenner ? wenner : schlumberger) {
            points.emplace_back(a, hankel_integral(c.array, earth, a));
        }
        set_field(points);
        set_model(c.model);
        trial_array = c.array;
        trial_curve();
        EXPECT_LE(rms_percent(), 0.3) << c.type << " " << c.model[0].first;

        Misfit = 1.0;
        ASSERT_TRUE(fit_search(trial_curve)) << c.type;
        ASSERT_EQ(Nb_Layers, static_cast<int>(c.model.size())) << c.type;
        for (int i = 1; i <= Nb_Layers; ++i) {
            EXPECT_NEAR(Model_Layers(1, i).num() / c.model[i - 1].first, 1.0, 0.02)
                << c.type << " resistivity " << i;
            if (i < Nb_Layers) {
                EXPECT_NEAR(Model_Layers(2, i).num() / c.model[i - 1].second, 1.0, 0.02)
                    << c.type << " thickness " << i;
            }
        }
        trial_curve();
        EXPECT_LE(rms_percent(), 0.5) << c.type << " " << c.model[0].first;
    }
}

TEST_F(SoundingNumerics, TheSearchFailsWithNothingToCompare) {
    struct Case {
        const char *what;
        int layers;
        std::vector<std::pair<double, double>> field;
    };
    const Case cases[] = {
        {"no layer", 0, {{1, 100}, {10, 50}}},
        {"layer count beyond the table", Model_Columns, {{1, 100}, {10, 50}}},
        {"no field point between two samples", 2, {}},
    };
    for (const auto &c : cases) {
        reset_core_state();
        Superpose = -1;
        set_model({{100, 5}, {300, 0}});
        set_field(c.field);
        schlumberger_curve();
        Nb_Layers = static_cast<std::int16_t>(c.layers);
        EXPECT_FALSE(fit_search(schlumberger_curve)) << c.what;
    }
}

TEST_F(SoundingNumerics, TheDetectionBuildsTheModelOfAnHCurve) {
    // The slope turns from -1 to +1 at the third point; the end layer takes 160 * 8 / 5 = 256.
    const std::vector<std::pair<double, double>> h_curve = {
        {1, 100}, {2, 50}, {4, 40}, {8, 80}, {16, 160}};
    for (const bool wenner : {false, true}) {
        reset_core_state();
        Auto_Threshold = 0.3;
        set_field(h_curve);
        ASSERT_TRUE(detect_auto_model(wenner));
        ASSERT_EQ(Nb_Layers, 3);
        EXPECT_DOUBLE_EQ(Model_Layers(1, 1).num(), 100);
        EXPECT_DOUBLE_EQ(Model_Layers(2, 1).num(), wenner ? 3 : 1);
        EXPECT_DOUBLE_EQ(Model_Layers(1, 3).num(), 256);
        EXPECT_DOUBLE_EQ(Model_Layers(2, 3).num(), 0); // the half-space
    }
    reset_core_state();
    set_field({{1, 100}});
    EXPECT_FALSE(detect_auto_model(false)); // one point has no slope
}

} // namespace
} // namespace ohmira::test
