#include "platform/printer.h"

#include <gtest/gtest.h>

#include <array>
#include <functional>
#include <optional>

#include "platform/text_metrics.h"

namespace ohmira {

namespace {

struct PrinterFixture : ::testing::Test {
    void SetUp() override { Printer.reset(); }
    void TearDown() override { Printer.reset(); }
};

} // namespace

// The sheet's printer scale: x from AB2min - 0.125 dx to AB2max + 0.25 dx, y from RHOmax + 0.25 dy
// down to RHOmin - 1.25 dy, over the printable area.
TEST_F(PrinterFixture, ScaleOverThePrintableArea) {
    ASSERT_TRUE(Printer.Scale(-1.625, 5, 5.25, -5));
    const double left = Printer.printable_left(), top = Printer.printable_top();
    const double w = Printer.printable_width(), h = Printer.printable_height();
    struct Case {
        double x, y, tx, ty;
    };
    const Case cases[] = {
        {-1.625, 5, left, top},
        {5.25, -5, left + w, top + h},
        {-1, 4, left + w * 0.625 / 6.875, top + h * 0.1},
        {4, 0, left + w * 5.625 / 6.875, top + h * 0.5},
    };
    for (const Case &c : cases) {
        const PointTw p = Printer.to_twips(c.x, c.y);
        EXPECT_NEAR(p.x, c.tx, 1e-9);
        EXPECT_NEAR(p.y, c.ty, 1e-9);
        const PointTw u = Printer.to_user(p.x, p.y);
        EXPECT_NEAR(u.x, c.x, 1e-12);
        EXPECT_NEAR(u.y, c.y, 1e-12);
    }
}

// The device's paper is asked for once, when first needed (a getter, the scale, a page), never at
// connection; a paper set by the window layer before stays.
TEST_F(PrinterFixture, TheDevicePaperIsAskedForWhenFirstNeeded) {
    int asked = 0;
    PrinterDevice letter;
    letter.paper_source = [&asked] {
        ++asked;
        return std::optional<std::array<double, 6>>{{12240, 15840, 300, 300, 11640, 15240}};
    };
    const std::function<void()> uses[] = {
        [] { EXPECT_DOUBLE_EQ(Printer.Width(), 12240); },
        [] { EXPECT_DOUBLE_EQ(Printer.printable_top(), 300); },
        [] {
            ASSERT_TRUE(Printer.Scale(0, 0, 1, 1));
            EXPECT_DOUBLE_EQ(Printer.to_twips(1, 1).x, 300 + 11640);
        },
        [] {
            Printer.Line(0, 0, 100, 100);
            EXPECT_DOUBLE_EQ(Printer.pages().back().height, 15840);
        },
    };
    for (const auto &use : uses) {
        asked = 0;
        Printer.connect_device(letter);
        EXPECT_EQ(asked, 0);
        use();
        EXPECT_EQ(asked, 1);
        (void)Printer.Height();
        EXPECT_EQ(asked, 1);
    }
    asked = 0;
    Printer.connect_device(letter);
    ASSERT_TRUE(Printer.set_paper(11906, 16838, 0, 0, 11906, 16838));
    EXPECT_DOUBLE_EQ(Printer.Width(), 11906);
    EXPECT_EQ(asked, 0);
    Printer.connect_device({});
}

TEST_F(PrinterFixture, DrawingWidthsInDotsAndPages) {
    ASSERT_TRUE(Printer.Scale(-1.625, 5, 5.25, -5));
    Printer.FillStyle(1);
    Printer.DrawWidth(2);
    Printer.Line(-1, 4, 4, 0, std::nullopt, LineShape::Box);
    Printer.DrawWidth(1);
    Printer.Line(0, 0, 0, 4);
    Printer.DrawWidth(3);
    Printer.Line(0.9, 1.1, 1.1, 0.9, rgb(255, 0, 0), LineShape::Box);
    ASSERT_EQ(Printer.Page(), 1);
    const DisplayList &p = Printer.pages()[0];
    EXPECT_DOUBLE_EQ(p.width, 11906);
    ASSERT_EQ(p.boxes().size(), 2u);
    EXPECT_DOUBLE_EQ(p.boxes()[0].pen.width, 2 * 2.4);
    EXPECT_FALSE(p.boxes()[0].filled());
    EXPECT_EQ(p.boxes()[1].pen.colour, rgb(255, 0, 0));
    EXPECT_DOUBLE_EQ(p.lines()[0].pen.width, 2.4);

    Printer.NewPage();
    Printer.PSet(0, 0, colour_white);
    EXPECT_TRUE(Printer.EndDoc());
    ASSERT_EQ(Printer.jobs().size(), 1u);
    EXPECT_EQ(Printer.jobs()[0].pages.size(), 2u);
    EXPECT_EQ(Printer.jobs()[0].pages[1].points().size(), 1u);
    EXPECT_FALSE(Printer.document_open());
}

// The text part of the printed sheet: a white point places the print position, items go to
// 14-column zones, a row of "0" patches is printed without a line feed and x set back to 0.
TEST_F(PrinterFixture, TextRowsInPrintZones) {
    ASSERT_TRUE(Printer.Scale(-0.5, 5, 5, -5));
    ASSERT_TRUE(Printer.FontName("Arial"));
    Printer.FontSize(10);
    Printer.PSet(0, -0.4, colour_white);
    const double x0 = Printer.to_twips(0, 0).x;
    const double y0 = Printer.to_twips(0, -0.4).y;
    Printer.Print({print_zone(), "    0"}, false);
    Printer.CurrentX(0);
    Printer.Print({"     100", print_zone(), "    .5", print_zone(), "         0"});
    Printer.Print("next");
    const auto t = Printer.pages()[0].texts();
    ASSERT_EQ(t.size(), 5u);
    const double zone = 14 * average_char_width(Font{"Arial", 10});
    EXPECT_NEAR(t[0].x, x0 + zone, 1e-6);
    EXPECT_NEAR(t[0].y, y0, 1e-6);
    EXPECT_NEAR(t[1].x, x0, 1e-6);
    EXPECT_NEAR(t[2].x, x0 + zone, 1e-6);
    EXPECT_NEAR(t[3].x, x0 + 2 * zone, 1e-6);
    EXPECT_NEAR(t[3].y, y0, 1e-6);
    EXPECT_NEAR(t[4].x, x0, 1e-6);
    EXPECT_NEAR(t[4].y, y0 + line_height(Font{"Arial", 10}), 1e-6);
}

TEST_F(PrinterFixture, FontsAndAvailability) {
    EXPECT_EQ(Printer.FontCount(), 3);
    EXPECT_EQ(Printer.Fonts(0), "Arial");
    EXPECT_EQ(Printer.Fonts(9), "");
    EXPECT_FALSE(Printer.FontName("No Such Font"));
    EXPECT_EQ(Printer.FontName(), "Arial");
    EXPECT_FALSE(Printer.FontSize(0));
    Printer.set_available(false);
    EXPECT_FALSE(Printer.FontSize(12));
    EXPECT_FALSE(Printer.FontBold(true));
    Printer.Print("x");
    EXPECT_FALSE(Printer.EndDoc()); // no printer: the job is not sent
    EXPECT_TRUE(Printer.jobs().empty());
}

} // namespace ohmira
