#include "plot_fixture.h"

#include <string>
#include <vector>

#include "core/app_title.h"
#include "core/forward.h"

namespace ohmira::test {

namespace {

// What the curve procedures add to the screen plot after its frame.
class ModelCurves : public PlotTest {
protected:
    void SetUp() override {
        PlotTest::SetUp();
        Draw_Bilog_Frame();
        frame_ops_ = SEV.Bilog.picture().size();
    }

    std::vector<DrawOp> added() const {
        const auto &ops = SEV.Bilog.picture().ops;
        return {ops.begin() + static_cast<std::ptrdiff_t>(frame_ops_), ops.end()};
    }

    // The added operations as a polyline trace: 'P' a first point, 'L' a line to the next.
    std::string trace() const {
        std::string s;
        for (const DrawOp &op : added())
            s += std::holds_alternative<PointOp>(op) ? 'P' : 'L';
        return s;
    }

    // The point each added operation ends at.
    std::vector<PointTw> ends() const {
        std::vector<PointTw> out;
        for (const DrawOp &op : added()) {
            if (const auto *p = std::get_if<PointOp>(&op))
                out.push_back({p->x, p->y});
            else if (const auto *l = std::get_if<LineOp>(&op))
                out.push_back({l->x2, l->y2});
        }
        return out;
    }

    std::vector<Colour> colours() const {
        std::vector<Colour> out;
        for (const DrawOp &op : added()) {
            if (const auto *p = std::get_if<PointOp>(&op))
                out.push_back(p->colour);
            else if (const auto *l = std::get_if<LineOp>(&op))
                out.push_back(l->pen.colour);
        }
        return out;
    }

    // A model curve of constant resistivity over the default window, samples 0..40, and that
    // resistivity as the model's value at every field point.
    static void flat_curve(double rho) {
        for (int k = 0; k <= 40; ++k) {
            Curve(k, 1) = rho;
            Curve(k, 2) = std::pow(10.0, -1 + k / 8.0);
        }
        for (int i = 1; i <= 51; ++i) {
            Curve(i, 4) = rho;
        }
        Curve_Last = 40;
    }

    std::size_t frame_ops_ = 0;
};

TEST_F(ModelCurves, CurveSamplesInsideTheHalfOpenWindow) {
    struct Case {
        int k;
        double rho;
        bool inside;
    };
    const Case cases[] = {
        {1, 100, true},    // x = AB2min
        {41, 100, false},  // x = AB2max
        {40, 100, true},   //
        {9, 1, true},      // 10^RHOmin
        {9, 10000, false}, // 10^RHOmax (4.00005 decades with ln × 0.4343)
        {9, 9990, true},   // (9999 is 4.0000074 decades)
        {9, 0.99, false},  //
        {9, 0, false},     // no logarithm: outside, not at 1 ohm·m
        {9, -50, false},   //
    };
    for (const Case &c : cases) {
        Pen_Up = vbTrue;
        const std::size_t before = SEV.Bilog.picture().size();
        Plot_Curve_Point(c.k, c.rho);
        EXPECT_EQ(SEV.Bilog.picture().size() - before, c.inside ? 1u : 0u) << c.k << " " << c.rho;
        EXPECT_EQ(Pen_Up, c.inside ? 0 : vbTrue) << c.k << " " << c.rho;
    }
}

TEST_F(ModelCurves, CurveBreaksWhereItLeavesTheWindow) {
    Pen_Up = vbTrue;
    const double rhos[] = {100, 200, 50000, 0, 300, 400, 500};
    for (int k = 1; k <= 7; ++k)
        Plot_Curve_Point(k, rhos[k - 1]);
    EXPECT_EQ(trace(), "PLPLL");
    const auto e = ends();
    expect_at(e[0].x, e[0].y, at(-1, plot_log(100)), "first sample");
    expect_at(e[2].x, e[2].y, at(-0.5, plot_log(300)), "first sample back inside");
    const auto lines = SEV.Bilog.picture().lines();
    expect_at(lines[lines.size() - 2].x1, lines[lines.size() - 2].y1, e[2],
              "no line across the gap");
    EXPECT_TRUE(host.records().empty());
}

TEST_F(ModelCurves, CurveSampleNumberReadsItsRowOfTheCurve) {
    flat_curve(100);
    Pen_Up = vbTrue;
    Plot_Curve_Point(1);
    Plot_Curve_Point(2);
    Plot_Curve_Point(500); // beyond the table: nothing
    EXPECT_EQ(trace(), "PL");
    expect_at(ends()[1].x, ends()[1].y, at(-0.875, plot_log(100)), "sample 2");
}

TEST_F(ModelCurves, TwoLayerSteps) {
    set_model({{100, 10}, {10, 0}});
    Draw_Model_Steps();
    EXPECT_EQ(trace(), "PLLL");
    const auto e = ends();
    ASSERT_EQ(e.size(), 4u);
    expect_at(e[0].x, e[0].y, at(-1, 2.0000254), "start", 0.01);
    expect_at(e[1].x, e[1].y, at(1.0000127, 2.0000254), "end of layer 1", 0.01);
    expect_at(e[2].x, e[2].y, at(1.0000127, 1.0000127), "step down", 0.01);
    expect_at(e[3].x, e[3].y, at(4, 1.0000127), "half-space", 0.01);
    EXPECT_NEAR(plot_log(100), 2.0000254, 1e-7);
    for (Colour c : colours())
        EXPECT_EQ(c, 16711935u);
    EXPECT_EQ(Pen_Up, 0);
}

TEST_F(ModelCurves, StepsOfALayerAboveTheWindow) {
    // Layer 1 above the window is only a vertical segment from the top border at its bottom.
    set_model({{50000, 10}, {100, 40}, {20, 0}});
    Draw_Model_Steps();
    EXPECT_EQ(trace(), "PLLLLL");
    const auto e = ends();
    const double top = plot_log(10000);
    expect_at(e[0].x, e[0].y, at(plot_log(10), top), "top border");
    expect_at(e[1].x, e[1].y, at(plot_log(10), top), "no horizontal segment");
    expect_at(e[2].x, e[2].y, at(plot_log(10), plot_log(100)), "down to layer 2");
    expect_at(e[3].x, e[3].y, at(plot_log(50), plot_log(100)), "layer 2");
    expect_at(e[4].x, e[4].y, at(plot_log(50), plot_log(20)), "down to the half-space");
    expect_at(e[5].x, e[5].y, at(4, plot_log(20)), "half-space");
}

TEST_F(ModelCurves, StepsBelowTheWindowBreakAndResume) {
    // Layer 2 below the window: layer 1 steps down to just under the bottom border, then a new
    // polyline starts on the border at layer 2's bottom, where layer 3 comes back.
    set_model({{100, 10}, {0.5, 10}, {30, 0}});
    Draw_Model_Steps();
    EXPECT_EQ(trace(), "PLLPLLL");
    const auto e = ends();
    ASSERT_EQ(e.size(), 7u);
    expect_at(e[1].x, e[1].y, at(plot_log(10), plot_log(100)), "layer 1");
    expect_at(e[2].x, e[2].y, at(plot_log(10), plot_log(1 - 0.001)), "just under the border");
    expect_at(e[3].x, e[3].y, at(plot_log(20), 0), "restart on the border");
    expect_at(e[5].x, e[5].y, at(plot_log(20), plot_log(30)), "up to the half-space");
    expect_at(e[6].x, e[6].y, at(4, plot_log(30)), "half-space");
}

TEST_F(ModelCurves, StepsWithTheBottomBoundAtZero) {
    // With RHOmin = -1 the bound is held as 0 and a resistivity of 0 lies inside the window but
    // has no logarithm: its vertices are left out and the staircase breaks there instead of
    // running a slanted line across.
    set_window(-1, 4, -1, 4);
    Draw_Bilog_Frame();
    frame_ops_ = SEV.Bilog.picture().size();
    set_model({{100, 10}, {0, 10}, {30, 0}});
    Draw_Model_Steps();
    EXPECT_EQ(trace(), "PLPL");
    expect_at(ends()[1].x, ends()[1].y, at(plot_log(10), plot_log(100)), "layer 1");
    expect_at(ends()[2].x, ends()[2].y, at(plot_log(20), plot_log(30)), "restart at layer 3");
    expect_at(ends()[3].x, ends()[3].y, at(4, plot_log(30)), "half-space");
    EXPECT_TRUE(host.records().empty());
}

TEST_F(ModelCurves, ErrorCurveFromTheModelAtEachPoint) {
    flat_curve(90);
    set_field({{1, 100},       // 10 %: one decade above the bottom border
               {2, 90},        // 0 %: keeps the height of the point before
               {10, 90.09},    // 0.1 %: raised to the bottom border
               {20000, 100}}); // beyond the window: the polyline breaks
    Draw_Error_Curve();
    EXPECT_NEAR(Curve(1, 3).num(), 100 * 10.0 / 100, 1e-9);
    EXPECT_NEAR(Curve(2, 3).num(), 0, 1e-9);
    EXPECT_NEAR(Curve(3, 3).num(), 100 * 0.09 / 90.09, 1e-9);
    EXPECT_NEAR(Curve(4, 3).num(), 0.001, 1e-15); // not bracketed by the samples
    EXPECT_EQ(trace(), "PLL");
    const auto e = ends();
    expect_at(e[0].x, e[0].y, at(0, plot_log(10)), "10 %");
    expect_at(e[1].x, e[1].y, at(plot_log(2), plot_log(10)), "0 %");
    expect_at(e[2].x, e[2].y, at(plot_log(10), 0), "0.1 %");
    EXPECT_EQ(Pen_Up, vbTrue);
    for (Colour c : colours())
        EXPECT_EQ(c, 255u);
}

TEST_F(ModelCurves, ErrorOfAZeroFieldValueIsNotLeftFromAnEarlierCurve) {
    flat_curve(90);
    Curve(1, 3) = 55.0;
    set_field({{1, 0}});
    Draw_Error_Curve();
    EXPECT_TRUE(Curve(1, 3).is_empty());
}

TEST_F(ModelCurves, ColourByModeAndColourMode) {
    Curve_Color = double{rgb(1, 2, 3)};
    Model_Color = double{rgb(4, 5, 6)};
    Error_Color = double{rgb(7, 8, 9)};
    Superposed_Color = double{rgb(10, 11, 12)};
    struct Case {
        const char *mode;
        std::int16_t color_mode;
        Colour curve, steps, error;
    };
    const Case cases[] = {
        {"NORMAL", -1, rgb(1, 2, 3), rgb(4, 5, 6), rgb(7, 8, 9)},
        {"NORMAL", 0, rgb(10, 11, 12), rgb(10, 11, 12), rgb(10, 11, 12)},
        // On screen outside "NORMAL" the curve and the error curve are black.
        {"AUTOMATIC", -1, colour_black, rgb(4, 5, 6), colour_black},
        {"", 0, colour_black, rgb(10, 11, 12), colour_black},
    };
    set_model({{100, 10}, {10, 0}});
    flat_curve(90);
    set_field({{1, 100}});
    for (const Case &c : cases) {
        Draw_Mode = c.mode;
        Color_Mode = c.color_mode;
        const std::size_t before = SEV.Bilog.picture().size();
        Pen_Up = vbTrue;
        Plot_Curve_Point(9, 100);
        Draw_Model_Steps();
        Draw_Error_Curve();
        const auto all = colours();
        const std::vector<Colour> got(
            all.end() - static_cast<std::ptrdiff_t>(SEV.Bilog.picture().size() - before),
            all.end());
        ASSERT_EQ(got.size(), 1u + 4u + 1u) << c.mode;
        EXPECT_EQ(got[0], c.curve) << c.mode;
        EXPECT_EQ(got[1], c.steps) << c.mode;
        EXPECT_EQ(got[5], c.error) << c.mode;
    }
}

// The sheet page: page twips from the sheet geometry, the preview's pen.
class SheetPageCurves : public PlotTest {
protected:
    void SetUp() override {
        PlotTest::SetUp();
        Print_Scale = 20.0;
        Print_X0 = 1000.0;
        Print_Y0 = 9000.0;
        Draw_Mode = "FRMPRINT";
        SEV.VSPrint.StartDoc();
    }
    static PointTw page(double x, double y) {
        return {1000 + 56.7 * 20 * (x + 1), 9000 - 56.7 * 20 * y};
    }
    static std::vector<LineOp> lines() { return SEV.VSPrint.pages().at(0).lines(); }
};

TEST_F(SheetPageCurves, CurveInPageTwips) {
    Color_Mode = 0;
    Pen_Up = vbTrue;
    Plot_Curve_Point(9, 100.0);
    Plot_Curve_Point(10, 1000.0);
    Plot_Curve_Point(11, 1e6); // above the window
    Plot_Curve_Point(12, 10.0);
    const auto l = lines();
    ASSERT_EQ(l.size(), 3u);
    const PointTw p0 = page(0, plot_log(100)), p1 = page(0.125, plot_log(1000)),
                  p3 = page(0.375, plot_log(10));
    expect_at(l[0].x1, l[0].y1, p0, "first point: a line to itself");
    expect_at(l[0].x2, l[0].y2, p0, "first point: a line to itself");
    expect_at(l[1].x1, l[1].y1, p0, "from the previous point");
    expect_at(l[1].x2, l[1].y2, p1, "to the next");
    expect_at(l[2].x1, l[2].y1, p3, "new polyline after the gap");
    expect_at(l[2].x2, l[2].y2, p3, "new polyline after the gap");
    EXPECT_EQ(l[0].pen.colour, 32768u); // superposed colour; no screen rule on the page
    EXPECT_TRUE(SEV.Bilog.picture().empty());
}

TEST_F(SheetPageCurves, OwnColoursWhateverTheMode) {
    Pen_Up = vbTrue;
    set_model({{100, 10}, {10, 0}});
    Plot_Curve_Point(9, 100.0);
    Draw_Model_Steps();
    const auto l = lines();
    ASSERT_EQ(l.size(), 5u);
    EXPECT_EQ(l[0].pen.colour, 255u);
    EXPECT_EQ(l[1].pen.colour, 16711935u);
    expect_at(l[4].x2, l[4].y2, page(4, 1.0000127), "half-space to the right border", 0.01);
}

TEST_F(SheetPageCurves, ErrorCurvePenWidths) {
    for (int k = 0; k <= 40; ++k) {
        Curve(k, 1) = 90.0;
        Curve(k, 2) = std::pow(10.0, -1 + k / 8.0);
    }
    Curve(1, 4) = 90.0;
    Curve(2, 4) = 90.0;
    Curve_Last = 40;
    set_field({{1, 100}, {10, 100}});
    SEV.VSPrint.PenWidth(3);
    Draw_Error_Curve();
    const auto l = lines();
    ASSERT_EQ(l.size(), 2u);
    EXPECT_EQ(l[0].pen.width, 10);
    EXPECT_EQ(l[1].pen.width, 10);
    EXPECT_EQ(SEV.VSPrint.PenWidth(), 18);
    expect_at(l[1].x2, l[1].y2, page(plot_log(10), plot_log(10)), "10 % at 10 m");
}

TEST(PlotPrinter, DrawsInTheCallersScaleAndWidth) {
    ScriptedDialogHost host;
    DialogHostGuard guard{host};
    reset_core_state();
    Printer.reset();
    Printer.Scale(-1.625, 5, 5.25, -5);
    Printer.DrawWidth(3);
    Draw_Mode = "IMPRIME";
    Color_Mode = -1;
    Curve_Color = 255;
    Model_Color = 16711935;
    AB2min = -1;
    AB2max = 4;
    RHOmin = 0;
    RHOmax = 4;
    AB2min_Value = 0;
    AB2max_Value = 10000;
    RHOmin_Value = 1;
    RHOmax_Value = 10000;
    Pen_Up = vbTrue;
    Plot_Curve_Point(9, 100.0);
    Plot_Curve_Point(10, 100.0);
    EXPECT_EQ(Printer.DrawWidth(), 3);
    const auto &page = Printer.pages().at(0);
    ASSERT_EQ(page.points().size(), 1u);
    ASSERT_EQ(page.lines().size(), 1u);
    const PointTw p = Printer.to_twips(0.125, plot_log(100));
    EXPECT_NEAR(page.lines()[0].x2, p.x, 1e-6);
    EXPECT_NEAR(page.lines()[0].y2, p.y, 1e-6);
    EXPECT_EQ(page.lines()[0].pen.colour, 255u);
    EXPECT_NEAR(page.lines()[0].pen.width, 3 * 1440.0 / 600, 1e-9); // 3 dots at 600 dpi
    Printer.reset();
}

} // namespace

} // namespace ohmira::test

namespace ohmira::test {

namespace {

TEST_F(SheetPageCurves, APageGeometryWithoutPositionsIsReported) {
    struct Case {
        char language;
        bool error_curve;
        const char *text;
    };
    const Case cases[] = {
        {'E', false, " Error occurs while Drawing Curve"},
        {'F', false, "Erreur lors du tracé de la courbe"},
        {'S', false, " Error al trazar curva"},
        {'E', true, " Error occurs while drawing RMS"},
        {'F', true, "Erreur lors du tracé des RMS"},
        {'S', true, " Error al trazar los errores de ajuste"},
    };
    Print_Scale = 1e308; // every position beyond the number range
    set_field({{1, 100}, {10, 100}});
    for (const Case &c : cases) {
        Lang_French = c.language == 'F';
        Lang_Spanish = c.language == 'S';
        host.expect(answer_box(vbOK));
        Pen_Up = vbTrue;
        if (c.error_curve)
            Draw_Error_Curve();
        else
            Plot_Curve_Point(9, 100.0);
        const auto boxes = host.message_boxes();
        ASSERT_FALSE(boxes.empty());
        EXPECT_EQ(boxes.back().text, c.text);
        EXPECT_EQ(boxes.back().title, Prog_Title);
        EXPECT_EQ(boxes.back().icon, MsgIcon::Exclamation);
        EXPECT_TRUE(lines().empty());
    }
    EXPECT_EQ(host.pending(), 0u); // one box per call: the error curve ends at its first point
}

TEST_F(ModelCurves, PointMarkIsASquareOfTheMarkSize) {
    struct Case {
        std::int16_t colour_mode;
        double spacing, rho;
        bool drawn;
        Colour colour;
    };
    const double m = Mark_Size.num();
    const Case cases[] = {
        {vbTrue, 10, 100, true, rgb(255, 0, 0)},
        {0, 10, 100, true, 32768}, // the superposed-curve colour
        {vbTrue, 0, 100, false, 0},
        {vbTrue, 10, -5, false, 0},
    };
    for (const Case &c : cases) {
        SetUp();
        Color_Mode = c.colour_mode;
        Draw_Point_Mark(c.spacing, c.rho);
        const auto ops = added();
        if (!c.drawn) {
            EXPECT_TRUE(ops.empty()) << c.spacing << " " << c.rho;
            continue;
        }
        ASSERT_EQ(ops.size(), 1u);
        const auto *box = std::get_if<BoxOp>(&ops[0]);
        ASSERT_NE(box, nullptr);
        EXPECT_FALSE(box->filled());
        EXPECT_EQ(box->pen.colour, c.colour);
        const double x = plot_log(c.spacing);
        const double y = plot_log(c.rho);
        const PointTw a = at(x - m, y - m);
        const PointTw b = at(x + m, y + m);
        EXPECT_NEAR(std::min(box->x1, box->x2), std::min(a.x, b.x), 1e-6);
        EXPECT_NEAR(std::max(box->x1, box->x2), std::max(a.x, b.x), 1e-6);
        EXPECT_NEAR(std::min(box->y1, box->y2), std::min(a.y, b.y), 1e-6);
        EXPECT_NEAR(std::max(box->y1, box->y2), std::max(a.y, b.y), 1e-6);
    }
}

} // namespace

} // namespace ohmira::test
