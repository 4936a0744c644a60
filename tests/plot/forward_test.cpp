#include "forward_fixture.h"
#include "plot/forward_commands.h"

#include "core/app_title.h"

#include <cmath>

namespace ohmira {

namespace {

class ComputeCurve : public ForwardTest {};

TEST_F(ComputeCurve, FillsTheCurveAndSetsTheFlags) {
    set_model({{100, 10}, {100, 0}});
    set_field({{1, 100}, {100, 100}});
    Fresh_Load = vbTrue;
    SEV.Check18.Enabled(false);
    SEV.Check18.ForeColor(255);
    SEV.Label31.ForeColor(255);
    Compute_Curve();
    // The superposition box and its label take the window-text colour, whatever they had.
    EXPECT_EQ(SEV.Check18.ForeColor(), vbWindowText);
    EXPECT_EQ(SEV.Label31.ForeColor(), vbWindowText);
    EXPECT_EQ(Curve_Last, 29);
    for (int k = 0; k <= Curve_Last; ++k) {
        EXPECT_NEAR(Curve(k, 1).num(), 100.0, 1e-9);
        EXPECT_DOUBLE_EQ(Curve(k, 2).num(), std::pow(10.0, -1 + k / 8.0));
    }
    EXPECT_EQ(Curve_Done, 1);
    EXPECT_EQ(Plot_Empty, 0);
    EXPECT_EQ(Curve_Valid, vbTrue);
    EXPECT_EQ(Pen_Up, 0); // the model steps, drawn last, end inside the window
    EXPECT_EQ(Fresh_Load, vbTrue) << "only the user's compute or fit lifts the overlay guard";
    EXPECT_TRUE(SEV.Check18.Enabled());
    EXPECT_EQ(SEV.Bilog.MousePointer(), vbCrosshair);
    EXPECT_TRUE(host.records().empty());
}

TEST_F(ComputeCurve, NoFieldDataEverLoadedComputesNothing) {
    set_model({{100, 10}, {10, 0}});
    Max_AB2 = 0;
    Curve_Last = 7;
    Compute_Curve();
    EXPECT_EQ(Curve_Last, 7);
    EXPECT_EQ(Curve_Valid, vbTrue);
    EXPECT_EQ(SEV.Bilog.MousePointer(), vbCrosshair); // not left on the hourglass
}

TEST_F(ComputeCurve, BatchModeFillsTheCurveButLeavesTheWindowAlone) {
    set_model({{100, 10}, {10, 0}});
    set_field({{1, 100}, {100, 100}});
    Draw_Mode = "FICHIER";
    Fresh_Load = vbTrue;
    SEV.Check18.Enabled(false);
    SEV.Check18.ForeColor(255);
    SEV.Label31.ForeColor(255);
    Compute_Curve();
    EXPECT_EQ(SEV.Check18.ForeColor(), 255);
    EXPECT_EQ(SEV.Label31.ForeColor(), 255);
    EXPECT_EQ(Curve_Last, 29);
    EXPECT_EQ(Fresh_Load, vbTrue);
    EXPECT_FALSE(SEV.Check18.Enabled());
    EXPECT_EQ(SEV.Bilog.MousePointer(), vbHourglass);
}

TEST_F(ComputeCurve, SuperpositionKeepsTheLargestSpacing) {
    struct Case {
        std::int16_t superpose;
        int last;
    };
    // An earlier sounding reached 1000 m; the current one only 100 m.
    for (const Case c : {Case{1, 37}, Case{-1, 29}}) {
        set_model({{100, 10}, {10, 0}});
        set_field({{1, 100}, {100, 100}});
        Max_AB2 = 1000;
        Superpose = c.superpose;
        Compute_Curve();
        EXPECT_EQ(Curve_Last, c.last);
        EXPECT_EQ(Max_AB2, c.superpose == 1 ? 1000 : 100);
    }
}

TEST_F(ComputeCurve, FailuresShowTheCalculationErrorInTheUsersLanguage) {
    struct Case {
        bool french;
        bool spanish;
        const char *text;
    };
    const Case cases[] = {{true, false, "Erreur de calcul"},
                          {false, true, "Error de calculo..."},
                          {false, false, "Calculation error..."}};
    for (const auto &c : cases) {
        Lang_French = c.french;
        Lang_Spanish = c.spanish;
        select_array(Array_Type::Wenner);
        set_model({{0, 5}, {100, 0}}); // zero resistivity above the half-space
        set_field({{1, 100}, {100, 100}});
        Curve.clear();
        SEV.Check18.Enabled(false);
        host.expect(answer_box(vbOK));
        Compute_Curve();
        EXPECT_EQ(Curve_Last, 0); // the sample that failed; its row is unwritten
        EXPECT_TRUE(Curve(0, 1).is_empty());
        EXPECT_TRUE(SEV.Check18.Enabled());
        EXPECT_EQ(SEV.Bilog.MousePointer(), vbCrosshair);
    }
    const auto boxes = host.message_boxes();
    ASSERT_EQ(boxes.size(), 3u);
    for (std::size_t i = 0; i < 3; ++i) {
        EXPECT_EQ(boxes[i].text, cases[i].text);
        EXPECT_EQ(boxes[i].title, Prog_Title);
        EXPECT_EQ(boxes[i].icon, MsgIcon::Exclamation);
    }
}

TEST_F(ComputeCurve, MoreThan101SamplesStopsAtTheLastRow) {
    AB2min = -10;
    set_model({{100, 10}, {10, 0}});
    set_field({{1, 100}, {30000, 100}});
    host.expect(answer_box(vbOK));
    Compute_Curve();
    EXPECT_EQ(Curve_Last, 100);
    EXPECT_EQ(host.message_boxes().size(), 1u);
    for (int k = 0; k <= Curve_Last; ++k) {
        EXPECT_TRUE(std::isfinite(Curve(k, 1).num()));
    }
}

TEST_F(ComputeCurve, ArrayTypeFollowsTheOptionButtons) {
    set_model({{100, 10}, {100, 0}});
    set_field({{1, 100}, {100, 100}});
    struct Case {
        Array_Type array;
        double rho;
    };
    // A homogeneous earth: every array gives its resistivity.
    for (const Case c : {Case{Array_Type::Schlumberger, 100.0}, Case{Array_Type::Wenner, 100.0},
                         Case{Array_Type::Dipole, 100.0}}) {
        select_array(c.array);
        EXPECT_EQ(selected_array_type(), c.array);
        Compute_Curve();
        EXPECT_NEAR(Curve(10, 1).num(), c.rho, 1e-6);
    }
}

TEST_F(ComputeCurve, FindMaxAB2KeepsTheRunningMaximum) {
    struct Case {
        Variant spacing;
        std::int16_t after;
    };
    // From 1: 0.5 leaves it, 2.5 rounds to 2 (half to even), 3.5 to 4; texts that are no number
    // and spacings beyond 32767 are passed over.
    const Case cases[] = {{0.5, 1},   {2.5, 2},     {3.5, 4},   {Variant(""), 4},
                          {"abc", 4}, {40000.0, 4}, {"12", 12}, {11.0, 12}};
    Field_Data.clear();
    int i = 0;
    for (const auto &c : cases) {
        Field_Data(++i, 1) = c.spacing;
    }
    std::int16_t max_ab2 = 1;
    for (std::size_t n = 0; n < std::size(cases); ++n) {
        Nb_Points = static_cast<std::int16_t>(n + 1);
        Find_Max_AB2(max_ab2);
        EXPECT_EQ(max_ab2, cases[n].after) << "after point " << n + 1;
    }
}

TEST_F(ComputeCurve, FindMaxAB2IgnoresTheSumOfTheFirstSpacings) {
    // The first three spacings add up to exactly 1; the maximum is still taken.
    set_field({{0.25, 10}, {0.25, 10}, {0.5, 10}, {40, 10}});
    std::int16_t max_ab2 = 1;
    Find_Max_AB2(max_ab2);
    EXPECT_EQ(max_ab2, 40);
}

} // namespace

} // namespace ohmira
