#include "../plot/forward_fixture.h"
#include "commands/fit_command.h"
#include "core/fit.h"
#include "plot/forward_commands.h"

#include "core/app_title.h"
#include "platform/screen.h"

#include <array>
#include <cmath>

namespace ohmira {

namespace {

class Fit : public ForwardTest {
protected:
    // Field points on the curve samples of `model`, from sample `first` on, every `step`.
    void synthetic_field(std::initializer_list<std::pair<double, double>> model, int first,
                         int count, int step = 1) {
        set_model(model);
        set_field({{1, 1}, {100, 1}});
        const std::string mode = Draw_Mode;
        Draw_Mode = "FICHIER";
        Compute_Curve();
        Draw_Mode = mode;
        std::vector<std::pair<double, double>> points;
        for (int i = 0; i < count; ++i) {
            const int k = first + i * step;
            points.emplace_back(Curve(k, 2).num(), Curve(k, 1).num());
        }
        set_field(points);
    }

    // Field points {spacing, resistivity, the model's value at that spacing}.
    static void set_points(const std::vector<std::array<double, 3>> &points) {
        Field_Data.clear();
        int i = 0;
        for (const auto &[a, r, m] : points) {
            Field_Data(++i, 1) = a;
            Field_Data(i, 2) = r;
            Curve(i, 4) = m;
        }
        Nb_Points = static_cast<std::int16_t>(i);
    }

    static double misfit_of_current_model() {
        Variant m;
        Compute_Curve();
        Sum_Misfit(m);
        return m.num();
    }
};

TEST_F(Fit, RoundModelValueTable) {
    struct Case {
        int column;
        int mode;
        double value;
        double rounded;
    };
    const Case cases[] = {
        {1, 0, 0.04567, 0.046}, {1, 0, 5.55, 5.6},  {1, 0, 0.5555, 0.56}, {1, 0, 123.5, 124},
        {1, 0, 122.5, 122},     {1, 2, 12.34, 12},  {2, 0, 12.34, 12},    {2, 2, 12.34, 12.34},
        {2, 1, 12.34, 12.3},    {2, 0, 5.55, 5.6},  {2, 0, 0.456, 0.46},  {3, 0, 7.5, 7.5},
        {3, 5, 7.5, 8},         {2, 0, 0.001, 0.0},
    };
    for (const auto &c : cases) {
        Decimals_Mode = static_cast<std::int16_t>(c.mode);
        Model_Layers(c.column, 4) = c.value;
        EXPECT_TRUE(Round_Model_Value(c.column, 4));
        EXPECT_DOUBLE_EQ(layer(c.column, 4), c.rounded)
            << "column " << c.column << " mode " << c.mode << " value " << c.value;
    }
    // Beyond a Long, or beyond the table: nothing changes.
    Decimals_Mode = 2;
    Model_Layers(2, 4) = 1e10;
    EXPECT_FALSE(Round_Model_Value(2, 4));
    EXPECT_EQ(layer(2, 4), 1e10);
    EXPECT_FALSE(Round_Model_Value(1, 22));
    EXPECT_FALSE(Round_Model_Value(4, 1));
}

TEST_F(Fit, UpdateLayerDepthsDerivesDepthsCountAndAltitudes) {
    set_model({{100, 2}, {20, 5}, {300, 0}, {77, 9}});
    Z_Coord = "100";
    Update_Layer_Depths();
    EXPECT_EQ(Nb_Layers, 3);
    EXPECT_EQ(layer(3, 1), 0);
    EXPECT_EQ(layer(3, 2), 2);
    EXPECT_EQ(layer(3, 3), 7);
    EXPECT_EQ(Layer_Altitude(1).num(), 100);
    EXPECT_EQ(Layer_Altitude(2).num(), 98);
    EXPECT_EQ(Layer_Altitude(3).num(), 93);
    // The rows below the half-space are cleared.
    EXPECT_EQ(layer(1, 4), 0);
    EXPECT_EQ(layer(2, 4), 0);
}

TEST_F(Fit, UpdateLayerDepthsEdgeCases) {
    // A zero thickness in row 1: one layer, the rows below are not touched.
    set_model({{100, 0}, {20, 5}, {300, 0}});
    Update_Layer_Depths();
    EXPECT_EQ(Nb_Layers, 1);
    EXPECT_EQ(layer(1, 2), 20);

    // Zero resistivities become the smallest a sounding file holds, 0.01, as a fitted 0.003
    // does; no altitude without a ground altitude.
    set_model({{0, 3}, {0.003, 0}});
    Z_Coord.clear();
    Layer_Altitude.clear();
    Update_Layer_Depths();
    EXPECT_EQ(Nb_Layers, 2);
    EXPECT_DOUBLE_EQ(layer(1, 1), 0.01);
    EXPECT_DOUBLE_EQ(layer(1, 2), 0.01);
    EXPECT_TRUE(Layer_Altitude(1).is_empty());

    // Twenty layers that all have a thickness: the twentieth is the half-space.
    Model_Layers.clear();
    for (int i = 1; i <= 20; ++i) {
        Model_Layers(1, i) = 10.0 * i;
        Model_Layers(2, i) = 1.0;
    }
    Nb_Layers = 3;
    Update_Layer_Depths();
    EXPECT_EQ(Nb_Layers, 20);
    EXPECT_EQ(layer(3, 20), 19);

    // An altitude beyond a Long is skipped; the depths below are still derived.
    set_model({{100, 2}, {20, 5}, {300, 0}});
    Z_Coord = "1E300";
    Update_Layer_Depths();
    EXPECT_EQ(Nb_Layers, 3);
    EXPECT_EQ(layer(3, 3), 7);
}

TEST_F(Fit, SumMisfitWeightsAndBrackets) {
    Curve.clear();
    for (int k = 0; k <= 5; ++k) {
        Curve(k, 1) = 10.0 * (k + 1);
        Curve(k, 2) = k + 1.0;
    }
    Curve_Last = 5;                                       // brackets start at rows 1..3
    const double e_half = std::log(2.0) / 2.30258 + 1e-7; // a factor of 2 from the model
    const double e_exact = 1e-7;
    struct Case {
        const char *what;
        std::vector<std::array<double, 3>> points;
        double expected;
    };
    const Case cases[] = {
        // Each of two points counts twice: the first by doubling, the last by re-adding.
        {"two points", {{2.5, 25, 25}, {3.5, 70, 35}}, 2 * e_exact * e_exact + 2 * e_half * e_half},
        // A point on a sample takes the bracket that starts there.
        {"on a sample", {{3, 60, 30}}, 2 * e_half * e_half + e_half * e_half},
        // Row 0 is never a lower end, the last interval (4, 5) is never used, and a point below
        // the previous bracket finds none.
        {"unbracketed",
         {{1.5, 40, 20}, {2.5, 25, 25}, {4.5, 45, 45}, {2.2, 99, 30}},
         2 * e_exact * e_exact + e_exact * e_exact},
        // A resistivity of 0 cannot be logged: e keeps the previous point's value.
        {"zero resistivity",
         {{2.5, 50, 25}, {3.5, 0, 35}},
         2 * e_half * e_half + 2 * e_half * e_half},
        {"none bracketed", {{0.5, 10, 5}, {9, 10, 5}}, 0.0},
    };
    for (const auto &c : cases) {
        set_points(c.points);
        Variant m;
        Sum_Misfit(m);
        EXPECT_NEAR(m.num(), c.expected, 1e-12) << c.what;
    }
}

TEST_F(Fit, SumMisfitCountsANonPositiveModelValueAsFarOff) {
    // The curve is negative or 0 around three of the four field points (100 ohm·m each).
    Curve.clear();
    const double values[] = {100, 100, -0.1, -0.2, 0.0, -0.05, -0.05};
    for (int k = 0; k <= 6; ++k) {
        Curve(k, 1) = values[k];
        Curve(k, 2) = k + 1.0;
    }
    Curve_Last = 6;
    set_points({{2.0, 100, 100}, {3.0, 100, -0.1}, {4.0, 100, -0.2}, {5.0, 100, 0.0}});
    Variant m;
    Sum_Misfit(m);
    // Each point below 0 is at least as far off as 0.001 ohm·m: log10(100 / 0.001) = 5.
    const double e_far = std::log(100 / 0.001) / 2.30258 + 1e-7;
    const double e_exact = 1e-7;
    EXPECT_NEAR(m.num(), 2 * e_exact * e_exact + 3 * e_far * e_far + e_far * e_far, 1e-9);
    EXPECT_GT(m.num(), 90.0);
}

TEST_F(Fit, RecoversASyntheticModelAndKeepsFixedParameters) {
    synthetic_field({{100, 5}, {20, 15}, {300, 0}}, 6, 20);
    set_model({{130, 6.5}, {20, 10}, {210, 0}});
    Fixed_Param(2) = 1; // the second resistivity stays as typed
    const double before = misfit_of_current_model();
    Misfit = 1.0;
    Fit_Model();
    EXPECT_EQ(Misfit.num(), 0.0);
    EXPECT_EQ(Nb_Layers, 3);
    EXPECT_EQ(layer(1, 2), 20);
    EXPECT_NEAR(layer(1, 1), 100, 3);
    EXPECT_NEAR(layer(2, 1), 5, 0.5);
    EXPECT_NEAR(layer(1, 3), 300, 30);
    EXPECT_LT(misfit_of_current_model(), before / 100);
    EXPECT_EQ(Screen.MousePointer(), vbDefault);
    EXPECT_TRUE(host.records().empty());
}

TEST_F(Fit, RecoversAWennerModel) {
    select_array(Array_Type::Wenner);
    synthetic_field({{50, 2}, {500, 10}, {10, 0}}, 4, 14, 2);
    set_model({{65, 2.6}, {350, 7}, {13, 0}});
    const double before = misfit_of_current_model();
    Misfit = 1.0;
    Fit_Model();
    EXPECT_LT(misfit_of_current_model(), before / 10);
    EXPECT_NEAR(layer(1, 1), 50, 5);
    EXPECT_NEAR(layer(1, 3), 10, 2);
}

TEST_F(Fit, AllFixedEndsAfterOnePassWithTheModelUnchanged) {
    synthetic_field({{100, 5}, {20, 15}, {300, 0}}, 6, 20);
    set_model({{120, 6}, {25, 12}, {250, 0}});
    for (int i = 1; i <= 3; ++i) {
        Fixed_Param(i) = 3;
    }
    Misfit = 1.0;
    Fit_Model();
    EXPECT_EQ(layer(1, 1), 120);
    EXPECT_EQ(layer(2, 1), 6);
    EXPECT_EQ(layer(1, 2), 25);
    EXPECT_EQ(layer(2, 2), 12);
    EXPECT_EQ(layer(1, 3), 250);
}

TEST_F(Fit, ThinLayersAreRemovedWithTheirFixedFlags) {
    synthetic_field({{100, 5}, {300, 0}}, 6, 20);
    set_model({{100, 5}, {40, 0.005}, {300, 20}, {300, 0}});
    Fixed_Param(2) = 2; // the thin layer keeps its thickness and must go at the end
    Fixed_Param(3) = 1;
    Misfit = 1.0;
    Fit_Model();
    EXPECT_EQ(Nb_Layers, 3);
    EXPECT_EQ(Fixed_Param(2), 1); // the flags moved up with the layers
    EXPECT_EQ(Fixed_Param(3), 0);
    EXPECT_EQ(layer(1, 2), 300);
    EXPECT_EQ(layer(1, 4), 0);
}

TEST_F(Fit, NothingToFitFailsWithTheErrorBox) {
    // No field point lies between curve samples: the misfit is 0, a pass would divide 0 by 0.
    set_model({{100.04, 5.04}, {300, 0}});
    set_field({{0.01, 100}, {0.05, 50}}); // below the curve's first sample
    Misfit = 1.0;
    host.expect(answer_box(vbOK));
    Fit_Model();
    EXPECT_EQ(layer(1, 1), 100.04); // the model as it was
    EXPECT_EQ(layer(2, 1), 5.04);
    EXPECT_EQ(Misfit.num(), 0.0);
    ASSERT_EQ(host.message_boxes().size(), 1u);
    EXPECT_EQ(host.message_boxes()[0].text, "Error");
}

TEST_F(Fit, NoLayersShowsTheErrorBoxAndEndsTheFit) {
    set_field({{1, 100}, {10, 50}});
    Model_Layers.clear();
    Nb_Layers = 0;
    Misfit = 1.0;
    host.expect(answer_box(vbOK));
    Fit_Model();
    const auto boxes = host.message_boxes();
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].text, "Error");
    EXPECT_EQ(boxes[0].title, Prog_Title);
    EXPECT_EQ(boxes[0].icon, MsgIcon::Exclamation);
    EXPECT_EQ(Screen.MousePointer(), vbArrow);
    EXPECT_EQ(Misfit.num(), 0.0); // later computations draw again
}

TEST_F(Fit, NoInfiniteOrNanReachesTheModel) {
    // Extreme contrasts drive parameters to the clamps; every value stays finite and in range.
    synthetic_field({{10000, 1}, {0.01, 0}}, 2, 25);
    set_model({{1, 50}, {1, 0}});
    Misfit = 1.0;
    Fit_Model();
    for (int i = 1; i <= Nb_Layers; ++i) {
        EXPECT_TRUE(std::isfinite(layer(1, i)));
        EXPECT_GE(layer(1, i), 0.001);
        EXPECT_LE(layer(1, i), 160000);
    }
    for (int k = 0; k <= Curve_Last; ++k) {
        EXPECT_TRUE(std::isfinite(Curve(k, 1).num()));
    }
}

TEST_F(Fit, ACalculationErrorIsToldOncePerFit) {
    // Every trial curve needs more than 101 samples.
    AB2min = -10;
    set_model({{100, 5}, {20, 0}});
    set_field({{1, 100}, {10, 40}, {100, 20}, {1000, 20}});
    host.expect(answer_box(vbOK));
    Misfit = 1.0;
    Fit_Model();
    EXPECT_EQ(host.message_boxes().size(), 1u);
    EXPECT_EQ(Curve_Last, 100);
    EXPECT_FALSE(Fit_In_Progress);
    // Outside a fit each failure is told again.
    host.expect(answer_box(vbOK));
    Compute_Curve();
    EXPECT_EQ(host.message_boxes().size(), 2u);
}

} // namespace

} // namespace ohmira
