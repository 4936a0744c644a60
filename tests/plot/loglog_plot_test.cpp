#include "form/applied_array.h"
#include "plot_fixture.h"

#include <algorithm>
#include <string>
#include <vector>

namespace ohmira::test {

namespace {

class BilogFrame : public PlotTest {
protected:
    static std::vector<TextOp> texts() { return SEV.Bilog.picture().texts(); }

    static const TextOp *text(const std::string &s) {
        static std::vector<TextOp> found;
        found = texts();
        const auto it =
            std::find_if(found.begin(), found.end(), [&](const TextOp &t) { return t.text == s; });
        return it == found.end() ? nullptr : &*it;
    }

    // The field-point squares: outlined boxes in the points colour.
    static std::vector<BoxOp> squares() {
        std::vector<BoxOp> out;
        for (const BoxOp &b : SEV.Bilog.picture().boxes())
            if (!b.filled() && b.pen.colour == 255)
                out.push_back(b);
        return out;
    }
};

TEST_F(BilogFrame, DefaultWindowScaleLabelsAndTitles) {
    Draw_Bilog_Frame();
    const PictureBox &plot = SEV.Bilog;
    EXPECT_NEAR(plot.ScaleLeft(), -1.0999, 1e-12);
    EXPECT_NEAR(plot.ScaleTop(), 4.1001, 1e-12);
    EXPECT_NEAR(plot.ScaleLeft() + plot.ScaleWidth(), 4.5, 1e-12);
    EXPECT_NEAR(plot.ScaleTop() + plot.ScaleHeight(), -0.4, 1e-12);
    EXPECT_NEAR(Mark_Size.num(), 0.0162, 1e-15);

    // Spacing labels under x = -1..4, resistivity labels at y = 1..4 (none at the bottom decade).
    const std::vector<std::string> expected = {" .1",   " 1",     " 10",      " 100",
                                               " 1000", " 10000", " 10",      " 100",
                                               " 1000", " 10000", " [ohm·m]", "   AB/2 [m]"};
    EXPECT_EQ(plot.picture().text_strings(), expected);
    const auto all = texts();
    for (int i = 0; i <= 5; ++i) {
        const double x = i - 1;
        expect_at(all[i].x, all[i].y, at(x, -0.012), all[i].text.c_str());
    }
    for (int j = 1; j <= 4; ++j)
        expect_at(all[5 + j].x, all[5 + j].y, at(4.0125, j), all[5 + j].text.c_str());
    expect_at(all[10].x, all[10].y, at(4.0125, 3.8), "resistivity title");
    expect_at(all[11].x, all[11].y, at(-0.85, -0.012), "spacing title");
    EXPECT_EQ(all[0].font, (Font{"Arial", 7.5, true}));
    EXPECT_EQ(all[0].colour, colour_black);

    // White area with a black border.
    const auto boxes = plot.picture().boxes();
    ASSERT_GE(boxes.size(), 2u);
    EXPECT_TRUE(boxes[0].filled());
    EXPECT_EQ(boxes[0].brush.colour, colour_white);
    EXPECT_FALSE(boxes[1].filled());
    EXPECT_EQ(boxes[1].pen.colour, colour_black);
    expect_at(boxes[1].x1, boxes[1].y1, at(-1, 4), "frame corner");
    expect_at(boxes[1].x2, boxes[1].y2, at(4, 0), "frame corner");
    EXPECT_EQ(plot.MousePointer(), vbCrosshair);
}

TEST_F(BilogFrame, GridLinesAndMinorColourByColourMode) {
    struct Case {
        std::int16_t color_mode;
        Colour minor;
    };
    for (const Case c : {Case{-1, 16512}, Case{0, 32768}}) {
        Color_Mode = c.color_mode;
        Draw_Bilog_Frame();
        int decade = 0, minor = 0;
        std::vector<double> minor_x;
        for (const LineOp &l : SEV.Bilog.picture().lines()) {
            if (l.pen.colour == colour_black)
                ++decade;
            if (l.pen.colour == c.minor) {
                ++minor;
                if (l.x1 == l.x2)
                    minor_x.push_back(l.x1);
            }
        }
        EXPECT_EQ(decade, 6 + 5); // x = -1..4 and y = 0..4, always in the foreground colour
        EXPECT_EQ(minor, 5 * 8 + 4 * 8);
        ASSERT_EQ(minor_x.size(), 40u);
        // The first decade's lines at log10 2 .. log10 9 above its lower edge.
        EXPECT_NEAR(minor_x[0], at(std::log(2.0) * 0.4343 - 1, 0).x, 1e-6);
        EXPECT_NEAR(minor_x[7], at(std::log(9.0) * 0.4343 - 1, 0).x, 1e-6);
    }
}

TEST_F(BilogFrame, SpacingTitlePerArray) {
    struct Case {
        Array_Type array;
        const char *title;
    };
    for (const Case c :
         {Case{Array_Type::Schlumberger, "   AB/2 [m]"}, Case{Array_Type::Dipole, "   AM [m]"},
          Case{Array_Type::Wenner, "   a [m]"}}) {
        Apply_Array(c.array);
        Draw_Bilog_Frame();
        EXPECT_NE(text(c.title), nullptr) << c.title;
    }
}

TEST_F(BilogFrame, FieldPointsInsideTheInclusiveBounds) {
    struct Case {
        double spacing, rho;
        bool drawn;
    };
    const Case cases[] = {
        {10000, 1, true},    // on the upper spacing and lower resistivity bounds
        {10, 10000, true},   // on the upper resistivity bound
        {10001, 100, false}, // just beyond
        {100, 0.99, false},  // just below
        {0.05, 100, true},   // the lower spacing bound of 0.1 m is held as 0
        {0, 100, false},     // no logarithm: left out, the points after it still drawn
        {-5, 100, false},    {10, 0, false}, {3, 30, true},
    };
    for (const Case &c : cases) {
        set_field({{c.spacing, c.rho}, {2, 50}});
        Draw_Bilog_Frame();
        const auto sq = squares();
        ASSERT_EQ(sq.size(), c.drawn ? 2u : 1u) << c.spacing << " " << c.rho;
        if (c.drawn) {
            const double x = plot_log(c.spacing), y = plot_log(c.rho);
            expect_at(sq[0].x1, sq[0].y1, at(x - 0.0162, y - 0.0162), "square corner");
            expect_at(sq[0].x2, sq[0].y2, at(x + 0.0162, y + 0.0162), "square corner");
        }
    }
}

TEST_F(BilogFrame, FieldModeDrawsNoPoints) {
    set_field({{1, 10}, {10, 100}});
    Draw_Mode = "FIELD";
    Draw_Bilog_Frame();
    EXPECT_TRUE(squares().empty());
    EXPECT_EQ(SEV.Bilog.picture().text_strings().size(), 12u);
    EXPECT_EQ(Draw_Mode, "FIELD");
}

TEST_F(BilogFrame, WidestWindowOfTheSetupTab) {
    // Bounds up to 10^6 must hold their whole-number values.
    set_window(-2, 6, -2, 6);
    set_field({{500000, 800000}, {0.02, 0.05}});
    Draw_Bilog_Frame();
    const auto labels = SEV.Bilog.picture().text_strings();
    ASSERT_EQ(labels.size(), 9u + 8u + 2u);
    EXPECT_EQ(labels.front(), " .01");
    EXPECT_EQ(labels[8], " 1000000");
    EXPECT_EQ(labels[9], " .1");
    EXPECT_EQ(labels[16], " 1000000");
    EXPECT_EQ(squares().size(), 2u);
    EXPECT_NEAR(Mark_Size.num(), 0.0018 * 16, 1e-15);
}

TEST_F(BilogFrame, WindowBeyondTheNumberRangeLeavesThePlotEmpty) {
    set_window(-1, 4, 0, 4);
    RHOmax = 400000;
    Draw_Bilog_Frame();
    EXPECT_TRUE(SEV.Bilog.picture().empty());
    EXPECT_EQ(SEV.Bilog.MousePointer(), vbCrosshair);
}

} // namespace

} // namespace ohmira::test
