#include "app/main_frame.h"
#include "form/sev_form.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace ohmira {

namespace {
struct FrameTest : ::testing::Test {
    void SetUp() override { reset_SEV(); }
    void TearDown() override { reset_SEV(); }
};

std::vector<std::string> captions(const std::vector<MenuItem *> &items) {
    std::vector<std::string> out;
    for (const MenuItem *m : items)
        out.push_back(m->Caption());
    return out;
}
} // namespace

TEST_F(FrameTest, MenuBarAndFileMenuInDesignOrder) {
    EXPECT_EQ(captions(menu_bar(SEV)),
              (std::vector<std::string>{"&File/Fichiers", "&Model", "&Calcul", "&SEV Info",
                                        "&Utility", "&Help and info"}));
    auto file = captions(SEV.Nfiche.items());
    ASSERT_EQ(file.size(), 14u);
    EXPECT_EQ(file[0], "&New File/Nouveau fichier");
    EXPECT_EQ(file[5], "&Conversions");
    EXPECT_EQ(file[6], "-");
    EXPECT_EQ(file[7], "File &1");
    EXPECT_EQ(file.back(), "&EXIT");
    auto conv = captions(SEV.Nconvert.items());
    ASSERT_EQ(conv.size(), 10u);
    EXPECT_EQ(conv[3], "&ABEM  to QD3");
    EXPECT_EQ(conv.back(), "&BAK to QD3");
}

TEST_F(FrameTest, ShortcutsChooseReachableItemsOnly) {
    int copies = 0, computes = 0, news = 0;
    SEV.CopyClipBoard.Click = [&] { ++copies; };
    SEV.N1Calcul.Click = [&] { ++computes; };
    SEV.NewFile.Click = [&] { ++news; };
    SEV.user_key('C', vbCtrlMask);
    SEV.user_key('K', vbCtrlMask); // the hidden compute menu's shortcut does nothing
    SEV.user_key('N', vbCtrlMask);
    EXPECT_EQ(copies, 1);
    EXPECT_EQ(computes, 0);
    EXPECT_EQ(news, 1);
    EXPECT_FALSE(SEV.NAjust.reachable());
    EXPECT_TRUE(SEV.NHelp.items().empty()); // a menu-bar item without submenu
    EXPECT_TRUE(SEV.NHelp.reachable());
}

TEST_F(FrameTest, ToolbarButtonsHaveKeysImagesAndTooltips) {
    Build_Toolbar();
    Build_Toolbar(); // running it again gives the same buttons
    ASSERT_EQ(SEV.Toolbar1.Buttons.Count(), 9);
    const char *keys[] = {"", "open", "save", "bilog", "Help", "Clip_Bd", "stop", "", "combo1"};
    for (int i = 1; i <= 9; ++i)
        EXPECT_EQ(SEV.Toolbar1.Buttons(i)->Key(), keys[i - 1]) << i;
    EXPECT_EQ(SEV.Toolbar1.Buttons("Clip_Bd")->ToolTipText(), "Copy the screen to the Clipboard ");
    EXPECT_EQ(SEV.Toolbar1.Buttons(9)->Style(), tbrPlaceholder);
    EXPECT_EQ(SEV.Toolbar1.Buttons(9)->Width(), 1500);
    for (int i = 1; i <= 9; ++i) {
        const ToolbarButton *b = SEV.Toolbar1.Buttons(i);
        if (b->Style() == tbrDefault) {
            EXPECT_NE(SEV.ImageList1.find(b->Image()), nullptr) << b->Key();
        }
    }
    std::string pressed;
    SEV.Toolbar1.ButtonClick = [&](ToolbarButton &b) { pressed = b.Key(); };
    SEV.Toolbar1.user_click_button("stop");
    EXPECT_EQ(pressed, "stop");
}

TEST_F(FrameTest, FiveTabsWithTheirCaptions) {
    ASSERT_EQ(SEV.SSTab1.Tabs(), 5);
    EXPECT_EQ(SEV.SSTab1.TabCaption(3), "Profile data");
    EXPECT_EQ(SEV.SSTab1.TabCaption(4), "Make SEV Profile");
}

} // namespace ohmira

namespace ohmira {

TEST_F(FrameTest, PreparedWindowDrawsTheEmptyPlotAndConnectsCommands) {
    Prepare_Main_Window();
    EXPECT_EQ(SEV.Toolbar1.Buttons.Count(), 9);
    EXPECT_FALSE(SEV.Bilog.picture().texts().empty()); // axis labels of the empty frame
    EXPECT_TRUE(static_cast<bool>(SEV.NewFile.Click));
    EXPECT_TRUE(static_cast<bool>(SEV.Bilog.MouseMove));
}

} // namespace ohmira
