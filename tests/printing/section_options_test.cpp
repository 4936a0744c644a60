#include "../profiles/profiles_fixture.h"
#include "form/settings_values.h"
#include "printing/printing_events.h"
#include "printing/profile_page_controls.h"
#include "profiles/section_options.h"

#include <set>

namespace ohmira::test {
namespace {

using SectionOptions = ProfilesTest;

TEST_F(SectionOptions, NameAndNumberLabelsAreExclusive) {
    ASSERT_EQ(SEV.Check7.Value(), 1);
    SEV.Check9.user_click();
    EXPECT_EQ(SEV.Check9.Value(), 1);
    EXPECT_EQ(SEV.Check7.Value(), 0);
    SEV.Check9.user_click(); // unchecking leaves the other alone
    EXPECT_EQ(SEV.Check7.Value(), 0);
    SEV.Check7.user_click();
    SEV.Check9.user_click();
    SEV.Check7.user_click();
    EXPECT_EQ(SEV.Check9.Value(), 0);
}

TEST_F(SectionOptions, FillCascade) {
    const struct {
        double width;
        std::string text;
    } cases[] = {{2835, " 50"}, {113.4, " 2"}, {0, " 0"}, {170.1, " 3"}};
    for (const auto &c : cases) {
        SEV.Check5.Value(0);
        SEV.Check8.user_click(); // on
        EXPECT_EQ(SEV.Text8.Text(), "");
        EXPECT_FALSE(SEV.Text8.Enabled());
        EXPECT_EQ(SEV.Check3.Value(), 0);
        EXPECT_EQ(SEV.Check5.Value(), 0);
        EXPECT_EQ(SEV.Check7.Value(), 0);
        EXPECT_EQ(SEV.Check9.Value(), 1);
        Profile_Column_Width = c.width;
        SEV.Check8.user_click(); // off
        EXPECT_TRUE(SEV.Text8.Enabled());
        EXPECT_EQ(SEV.Text8.Text(), c.text) << c.width;
        EXPECT_EQ(SEV.Check3.Value(), 1);
        EXPECT_EQ(SEV.Check5.Value(), 1);
        EXPECT_EQ(SEV.Check7.Value(), 1);
        EXPECT_EQ(SEV.Check9.Value(), 0);
    }
}

TEST_F(SectionOptions, AngleBoxTakesSignedDecimals) {
    SEV.Text17.Text("");
    for (char ch : std::string("-12.5"))
        SEV.Text17.user_key_press(ch);
    SEV.Text17.user_key_press('a');
    SEV.Text17.user_key_press(',');
    EXPECT_EQ(SEV.Text17.Text(), "-12.5");
    SEV.Text17.user_key_press(vbKeyBack);
    EXPECT_EQ(SEV.Text17.Text(), "-12.");
}

TEST_F(SectionOptions, SwatchesKeepTheirColourOnCancel) {
    const struct { TextBox *box; } boxes[] = {{&SEV.Text15}, {&SEV.Text9}};
    for (const auto &b : boxes) {
        b.box->BackColor(0x00AA00);
        host.expect(cancel_color());
        b.box->user_click();
        EXPECT_EQ(b.box->BackColor(), 0x00AA00);
        host.expect(answer_color(0x0000AA));
        b.box->user_click();
        EXPECT_EQ(b.box->BackColor(), 0x0000AA);
    }
    EXPECT_TRUE(host.failures().empty());
}

TEST_F(SectionOptions, ProfilePageSetUpTakesTheMargins) {
    Left_Margin = 500;
    Right_Margin = 600;
    Upper_Margin = 700;
    Bottom_Margin = 800;
    Display_profil();
    EXPECT_EQ(SEV.VSPrint1.MarginLeft(), 500);
    EXPECT_EQ(SEV.VSPrint1.MarginRight(), 600);
    EXPECT_EQ(SEV.VSPrint1.MarginTop(), 700);
    EXPECT_EQ(SEV.VSPrint1.MarginBottom(), 800);
    EXPECT_EQ(SEV.VSPrint1.PageCount(), 0);
    EXPECT_EQ(SEV.cmbPercent2.Text(), "100%");
    EXPECT_EQ(SEV.cmbZoomMode2.ListIndex(), 0);
    EXPECT_GT(SEV.ListePolices2.ListCount(), 0);
}

TEST_F(SectionOptions, OptionsFrameRedraws) {
    write("A.QD3", qd3_text({{100, 5}, {50, 0}}, "0", "0", "120"));
    write("B.QD3", qd3_text({{100, 5}, {50, 0}}, "10", "0", "120"));
    select({"A.QD3", "B.QD3"});
    SEV.Text11.Text("1");
    SEV.Frame10.user_click();
    EXPECT_EQ(SEV.VSPrint1.PageCount(), 1);
    EXPECT_EQ(SEV.Text101.Text(), "1");

    // A font chosen in the page's list, or typed into it, redraws the section in it.
    connect_printing_events(); // the section page's controls
    Display_profil();
    const auto fonts_drawn = [] {
        std::set<std::string> names;
        for (const TextOp &t : SEV.VSPrint1.pages().at(0).texts())
            names.insert(t.font.name);
        return names;
    };
    const int k = SEV.ListePolices2.ListCount() - 1;
    ASSERT_GT(k, 0);
    const std::string last = SEV.ListePolices2.List(k);
    SEV.ListePolices2.user_select(k);
    EXPECT_EQ(fonts_drawn(), std::set<std::string>{last});
    SEV.ListePolices2.user_set_text("No Such Face");
    SEV.ListePolices2.user_key_press(vbKeyReturn);
    EXPECT_EQ(SEV.ListePolices2.Text(), SEV.ListePolices2.List(0));
    EXPECT_EQ(fonts_drawn(), std::set<std::string>{SEV.ListePolices2.List(0)});
}

} // namespace
} // namespace ohmira::test
