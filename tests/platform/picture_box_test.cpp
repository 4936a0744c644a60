#include "platform/picture_box.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "platform/form.h"
#include "platform/text_metrics.h"

namespace ohmira {

namespace {

struct PlotFixture : ::testing::Test {
    Form form{"SEV"};
    PictureBox plot{form, "Bilog", 100, 200, 5500, 4400};
};

} // namespace

// Drawing at a user point and a mouse event at the twips of that point give the same user point,
// whatever the direction of the axes.
TEST_F(PlotFixture, MouseReportsTheUserPointThatWasDrawn) {
    struct Case {
        double x1, y1, x2, y2; // scale corners
        double ux, uy;         // a user point
    };
    const Case cases[] = {
        {-1.0999, 4.1001, 4.5, -0.4, 2.3, 1.7}, // y grows upwards (log-log plot)
        {0, 0, 100, 50, 25, 10},                // y grows downwards
        {10, -5, -10, 5, -3, 2},                // x grows to the left
    };
    for (const Case &c : cases) {
        ASSERT_TRUE(plot.Scale(c.x1, c.y1, c.x2, c.y2));
        plot.Cls();
        ASSERT_TRUE(plot.PSet(c.ux, c.uy));
        const PointOp dot = plot.picture().points().at(0);
        double got_x = 0, got_y = 0;
        int got_button = 0;
        plot.MouseMove = [&](int button, int, double x, double y) {
            got_button = button;
            got_x = x;
            got_y = y;
        };
        plot.user_mouse_move(vbLeftButton, 0, dot.x, dot.y);
        EXPECT_EQ(got_button, vbLeftButton);
        EXPECT_NEAR(got_x, c.ux, 1e-9);
        EXPECT_NEAR(got_y, c.uy, 1e-9);
    }
}

TEST_F(PlotFixture, ScaleCornersMapToTheClientArea) {
    ASSERT_TRUE(plot.Scale(-1, 4, 4, 0));
    EXPECT_DOUBLE_EQ(plot.ScaleLeft(), -1);
    EXPECT_DOUBLE_EQ(plot.ScaleTop(), 4);
    EXPECT_DOUBLE_EQ(plot.ScaleWidth(), 5);
    EXPECT_DOUBLE_EQ(plot.ScaleHeight(), -4);
    const PointTw tl = plot.to_twips(-1, 4);
    const PointTw br = plot.to_twips(4, 0);
    EXPECT_DOUBLE_EQ(tl.x, 0);
    EXPECT_DOUBLE_EQ(tl.y, 0);
    EXPECT_DOUBLE_EQ(br.x, 5500);
    EXPECT_DOUBLE_EQ(br.y, 4400);
    // A resized box keeps its user scale over the new client area.
    plot.Width(11000);
    EXPECT_DOUBLE_EQ(plot.to_twips(4, 0).x, 11000);
}

TEST_F(PlotFixture, InvalidScaleIsRefusedAndKeepsTheOldOne) {
    ASSERT_TRUE(plot.Scale(0, 10, 10, 0));
    EXPECT_FALSE(plot.Scale(1, 1, 1, 0)); // empty width
    EXPECT_FALSE(plot.Scale(0, 1, 5, 1)); // empty height
    EXPECT_FALSE(plot.Scale(0, 1, std::numeric_limits<double>::infinity(), 0));
    EXPECT_DOUBLE_EQ(plot.ScaleWidth(), 10);
    plot.Scale();
    EXPECT_EQ(plot.ScaleMode(), 1);
    EXPECT_DOUBLE_EQ(plot.ScaleWidth(), 5500);
}

TEST_F(PlotFixture, LineVariantsAndCurrentPoint) {
    ASSERT_TRUE(plot.Scale(0, 44, 55, 0)); // 100 twips per unit, y upwards
    plot.ForeColor(0x0000FF);
    plot.DrawWidth(2);
    plot.Line(1, 2, 3, 4);
    EXPECT_DOUBLE_EQ(plot.CurrentX(), 3);
    EXPECT_DOUBLE_EQ(plot.CurrentY(), 4);
    plot.LineTo(5, 4, 0x00FF00);
    plot.Line(10, 10, 20, 20, {}, LineShape::Box);
    plot.Line(30, 30, 40, 35, 0xFF0000, LineShape::FilledBox);
    plot.PSet(7, 8, 0xC0C0C0);
    EXPECT_DOUBLE_EQ(plot.CurrentX(), 7);
    EXPECT_DOUBLE_EQ(plot.CurrentY(), 8);
    EXPECT_FALSE(plot.Line(0, 0, std::nan(""), 1));
    EXPECT_FALSE(plot.PSet(1e300, 0));
    EXPECT_DOUBLE_EQ(plot.CurrentX(), 7); // refused drawing leaves the current point

    const DisplayList &d = plot.picture();
    ASSERT_EQ(d.size(), 5u);
    const auto lines = d.lines();
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_DOUBLE_EQ(lines[0].x1, 100);
    EXPECT_DOUBLE_EQ(lines[0].y1, 4200);
    EXPECT_DOUBLE_EQ(lines[0].x2, 300);
    EXPECT_DOUBLE_EQ(lines[0].y2, 4000);
    EXPECT_EQ(lines[0].pen.colour, 0x0000FFu);
    EXPECT_DOUBLE_EQ(lines[0].pen.width, 30); // 2 pixels
    EXPECT_DOUBLE_EQ(lines[1].x1, 300);       // from the current point
    EXPECT_DOUBLE_EQ(lines[1].x2, 500);
    EXPECT_EQ(lines[1].pen.colour, 0x00FF00u);
    const auto boxes = d.boxes();
    ASSERT_EQ(boxes.size(), 2u);
    EXPECT_FALSE(boxes[0].filled()); // FillStyle transparent by default
    EXPECT_EQ(boxes[0].pen.colour, 0x0000FFu);
    EXPECT_TRUE(boxes[1].filled());
    EXPECT_EQ(boxes[1].brush.colour, 0xFF0000u);
    const auto points = d.points();
    ASSERT_EQ(points.size(), 1u);
    EXPECT_EQ(points[0].colour, 0xC0C0C0u);
}

TEST_F(PlotFixture, BoxUsesFillStyleAndFillColor) {
    plot.FillStyle(0);
    plot.FillColor(0x123456);
    plot.Line(0, 0, 100, 100, 0xFF, LineShape::Box);
    const BoxOp b = plot.picture().boxes().at(0);
    EXPECT_TRUE(b.filled());
    EXPECT_EQ(b.brush.colour, 0x123456u);
    EXPECT_EQ(b.pen.colour, 0xFFu);
}

TEST_F(PlotFixture, PrintPutsTheTopLeftAtTheCurrentPointAndMovesALineDown) {
    ASSERT_TRUE(plot.Scale(-1, 4, 4.5, -0.4)); // y upwards
    plot.FontName("Arial");
    plot.FontSize(7.5);
    plot.FontBold(true);
    plot.PSet(2, 1, 0xC0C0C0);
    plot.Print(" 100");
    const TextOp t = plot.picture().texts().at(0);
    const PointTw at = plot.to_twips(2, 1);
    EXPECT_DOUBLE_EQ(t.x, at.x);
    EXPECT_DOUBLE_EQ(t.y, at.y);
    EXPECT_EQ(t.text, " 100");
    EXPECT_TRUE(t.font.bold);
    EXPECT_DOUBLE_EQ(t.font.size, 7.5);
    EXPECT_DOUBLE_EQ(plot.CurrentX(), 0);
    // One line lower on screen: y decreases in this scale by the text height.
    EXPECT_NEAR(plot.CurrentY(), 1 + plot.TextHeight("X"), 1e-12);
    EXPECT_LT(plot.TextHeight("X"), 0);
    EXPECT_NEAR(plot.to_twips(0, plot.CurrentY()).y - at.y, line_height(t.font), 1e-9);

    // A trailing ";" keeps the line: the current point moves past the text.
    plot.CurrentX(1);
    plot.CurrentY(2);
    plot.Print("ab", false);
    EXPECT_NEAR(plot.CurrentX(), 1 + plot.TextWidth("ab"), 1e-12);
    EXPECT_DOUBLE_EQ(plot.CurrentY(), 2);
}

TEST_F(PlotFixture, PrintListUsesZonesAndTab) {
    // Twips scale: zones are 14 average Arial characters.
    plot.FontName("Arial");
    plot.FontSize(10);
    const double column = average_char_width(Font{"Arial", 10});
    plot.CurrentX(0);
    plot.CurrentY(0);
    plot.Print({"a", print_zone(), "b", "c", print_zone(), print_zone(), "d"});
    auto t = plot.picture().texts();
    ASSERT_EQ(t.size(), 4u);
    EXPECT_DOUBLE_EQ(t[0].x, 0);
    EXPECT_NEAR(t[1].x, 14 * column, 1e-9);
    EXPECT_NEAR(t[2].x, 14 * column + t[1].width, 1e-9);
    EXPECT_NEAR(t[3].x, 42 * column, 1e-9); // two zone steps
    EXPECT_DOUBLE_EQ(t[3].y, 0);

    // Tab(62) past the current point goes to column 62; a Tab behind it goes to the next line.
    plot.Cls();
    plot.Print({print_tab(62), "note"});
    plot.Print({"wide", print_tab(1), "x"});
    t = plot.picture().texts();
    ASSERT_EQ(t.size(), 3u);
    EXPECT_NEAR(t[0].x, 61 * column, 1e-9);
    const double line = line_height(Font{"Arial", 10});
    EXPECT_NEAR(t[1].y, line, 1e-9);
    EXPECT_NEAR(t[2].x, 0, 1e-9);
    EXPECT_NEAR(t[2].y, 2 * line, 1e-9);
}

TEST_F(PlotFixture, ClsEmptiesTheListAndResetsThePoint) {
    plot.Line(0, 0, 10, 10);
    plot.Cls();
    EXPECT_TRUE(plot.picture().empty());
    EXPECT_DOUBLE_EQ(plot.CurrentX(), 0);
    EXPECT_DOUBLE_EQ(plot.CurrentY(), 0);
    EXPECT_EQ(plot.picture().background, 0xFFFFFFu);
}

} // namespace ohmira
