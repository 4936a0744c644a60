#include "profiles/colour_scale.h"
#include "profiles_fixture.h"

namespace ohmira::test {
namespace {

using ColourScale = ProfilesTest;

TEST_F(ColourScale, LimitBoxesWriteTheClassBounds) {
    SEV.Text11.Text("10");
    SEV.Text12.Text("2000");
    affiche_resistivity();
    EXPECT_EQ(SEV.Text101.Text(), "10");
    EXPECT_EQ(SEV.Text102.Text(), "134");
    EXPECT_EQ(SEV.Text115.Text(), "1751");
    EXPECT_EQ(SEV.Text116.Text(), "2000");
    SEV.Text12.Text("170"); // the change event rebuilds them
    EXPECT_EQ(SEV.Text116.Text(), "170");
    EXPECT_EQ(SEV.Text102.Text(), "20");
}

TEST_F(ColourScale, ThreeKeyColoursInterpolate) {
    const char *channels[3] = {"0", "128", "255"};
    for (int key = 1; key <= 3; ++key)
        for (int ch = 0; ch < 3; ++ch)
            SEV.channel_box(key, ch)->Text(channels[key - 1]);
    calcul_RGB();
    const struct {
        int cls, grey;
    } cases[] = {{1, 0}, {2, 18}, {7, 110}, {8, 128}, {9, 128}, {10, 146}, {16, 255}};
    for (const auto &c : cases)
        EXPECT_EQ(SEV.class_box(c.cls)->BackColor(), c.grey * 0x010101) << "class " << c.cls;
    EXPECT_EQ(SEV.Text118.BackColor(), 128 * 0x010101);
    EXPECT_EQ(SEV.Text118.Text(), "8421504");
}

TEST_F(ColourScale, ChannelBoxesAreKeptWithinAByte) {
    SEV.Text120.Text("300");
    SEV.Text120.LostFocus();
    EXPECT_EQ(SEV.Text120.Text(), "255");
    EXPECT_EQ(split_colour(SEV.Text117.BackColor()).r, 255);
    SEV.Text122.Text("-40"); // the blue box of key 1 reacts on leaving it, like its twins
    SEV.Text122.LostFocus();
    EXPECT_EQ(SEV.Text122.Text(), "0");
    EXPECT_EQ(split_colour(SEV.Text101.BackColor()).b, 0);
    SEV.Text126.Text("abc");
    SEV.Text126.LostFocus();
    EXPECT_EQ(split_colour(SEV.Text119.BackColor()).r, 0);
}

TEST_F(ColourScale, ColourDialogSetsABoxAndACancelKeepsIt) {
    const int before = SEV.Text105.BackColor();
    host.expect(cancel_color());
    SEV.Text105.user_click();
    EXPECT_EQ(SEV.Text105.BackColor(), before);
    host.expect(answer_color(0x123456));
    SEV.Text105.user_click();
    EXPECT_EQ(SEV.Text105.BackColor(), 0x123456);
    EXPECT_EQ(host.records().back().title, "Ohmira color selection");

    // A key colour: its channels follow and the classes are rebuilt.
    host.expect(answer_color(0x0000FF)); // pure red
    SEV.Text117.user_click();
    EXPECT_EQ(SEV.Text120.Text(), "255");
    EXPECT_EQ(SEV.Text121.Text(), "0");
    EXPECT_EQ(SEV.Text122.Text(), "0");
    EXPECT_EQ(SEV.Text101.BackColor(), 0x0000FF);
    const int scale = SEV.Text101.BackColor();
    host.expect(cancel_color());
    SEV.Text117.user_click();
    EXPECT_EQ(SEV.Text101.BackColor(), scale);
    EXPECT_EQ(SEV.Text117.BackColor(), 0x0000FF);
}

} // namespace
} // namespace ohmira::test
