#include "plot_fixture.h"

#include "core/app_title.h"
#include "form/applied_array.h"

#include "plot/plot_readout.h"

namespace ohmira::test {

namespace {

class PlotReadout : public PlotTest {};

TEST_F(PlotReadout, NumberForms) {
    struct Case {
        float x, y;
        const char *text;
    };
    const Case cases[] = {
        {0.5f, 2.0f, "AB/2= 3.1  R= 100"},    // cut to one decimal up to 10
        {-0.5f, 2.0f, "AB/2= .3  R= 100"},    // no zero before the point
        {1.0f, 1.0f, "AB/2= 10  R= 10"},      // 10 exactly still takes the one-decimal rule
        {1.5f, 0.0f, "AB/2= 32  R= 1"},       // above 10 rounded to a whole number
        {2.0f, 5.2f, "AB/2= 100  R= 158489"}, // six digits of resistivity shown whole
        {5.0f, 3.0f, "AB/2= 10000  R= 1000"}, // 100000 loses its last digit to the cut
        {-1.0f, -0.4f, "AB/2= .1  R= .3"},    // in the margins, from the same scale
        {0.3f, 0.95f, "AB/2= 1.9  R= 8.9"},
    };
    for (const Case &c : cases)
        EXPECT_EQ(plot_readout_text(c.x, c.y), c.text) << c.x << " " << c.y;
}

TEST_F(PlotReadout, PrefixPerArray) {
    struct Case {
        Array_Type array;
        const char *text;
    };
    for (const Case c : {Case{Array_Type::Schlumberger, "AB/2= 3.1  R= 100"},
                         Case{Array_Type::Dipole, "AM= 3.1  R= 100"},
                         Case{Array_Type::Wenner, "A= 3.1  R= 100"}}) {
        Apply_Array(c.array);
        EXPECT_EQ(plot_readout_text(0.5f, 2.0f), c.text);
    }
}

TEST_F(PlotReadout, MouseOverThePlotFillsTheStatusBox) {
    connect_plot_events();
    Draw_Bilog_Frame();
    SEV.Bilog.MousePointer(vbDefault);
    const PointTw p = SEV.Bilog.to_twips(1.5, 2);
    SEV.Bilog.user_mouse_move(0, 0, p.x, p.y);
    EXPECT_EQ(SEV.Text1.Text(), "AB/2= 32  R= 100");
    EXPECT_EQ(SEV.Bilog.MousePointer(), vbCrosshair);
    const PointTw q = SEV.Bilog.to_twips(0.5, 3);
    SEV.Bilog.user_mouse_down(vbLeftButton, 0, q.x, q.y);
    EXPECT_EQ(SEV.Text1.Text(), "AB/2= 3.1  R= 1000");

    // Before the frame has scaled the plot the position is in twips: no readout.
    reset_SEV();
    connect_plot_events();
    SEV.Text1.Text("x");
    SEV.Bilog.user_mouse_move(0, 0, 3000, 2000);
    EXPECT_EQ(SEV.Text1.Text(), "x");
}

TEST_F(PlotReadout, ColourGridQuestionSetsTheColourMode) {
    struct Case {
        int answer;
        std::int16_t before, after;
    };
    for (const Case c : {Case{vbYes, 0, vbTrue}, Case{vbNo, vbTrue, 0}}) {
        Color_Mode = c.before;
        host.expect(answer_box(c.answer));
        Ask_Color_Grid();
        const auto box = host.message_boxes().back();
        EXPECT_EQ(box.text, "Do you want a color grid");
        EXPECT_EQ(box.title, Prog_Title);
        EXPECT_EQ(box.buttons, MsgButtons::YesNo);
        EXPECT_EQ(Color_Mode, c.after);
    }
}

} // namespace

} // namespace ohmira::test
