#include "app/command_dispatch.h"
#include "app/main_frame.h"
#include "app/window_layout.h"
#include "core/language.h"
#include "core/qd3_file.h"
#include "core/sounding.h"
#include "form/settings.h"
#include "platform/file_association.h"
#include "program_fixture.h"

namespace ohmira {

namespace {

class DispatchTest : public ProgramTest {
protected:
    void SetUp() override {
        ProgramTest::SetUp();
        Prepare_Main_Window();
        Read_Ini_Settings(); // the spacing table of the array
    }
};

} // namespace

TEST_F(DispatchTest, ToolbarKeysAreExact) {
    // Unknown or differently cased keys do nothing: no box, no change.
    for (const char *key : {"STOP", "Stop", "combo1", "print", "zoom", ""})
        Toolbar1_ButtonClick(*SEV.Toolbar1.Buttons.Add(std::string("x") + key));
    EXPECT_TRUE(user.records().empty());

    // The new-sounding key from another tab empties the sounding and comes back to "Main".
    SEV.SSTab1.Tab(3);
    File_Name = "a.QD3";
    X_Coord = "12";
    Field_Data(2, 4) = 5.0;
    SEV.Toolbar1.user_click_button("bilog");
    EXPECT_EQ(SEV.SSTab1.Tab(), 0);
    EXPECT_NE(File_Name, "a.QD3");
    EXPECT_EQ(X_Coord, "");
    EXPECT_TRUE(Field_Data(2, 4).is_empty());

    EXPECT_TRUE(user.failures().empty()) << user.failures().front();
    user.expect(answer_box(vbCancel));
    SEV.Toolbar1.user_click_button("stop");
    ASSERT_EQ(user.message_boxes().size(), 1u);
    EXPECT_EQ(user.message_boxes()[0].buttons, MsgButtons::YesNoCancel);
}

TEST_F(DispatchTest, ToolbarOpenSaveHelpAndClipboardKeys) {
    // "open": the open dialog, then the file is the current sounding.
    Nb_Points = 2;
    Field_Data(1, 1) = 10.0;
    Field_Data(1, 2) = 100.0;
    Field_Data(2, 1) = 20.0;
    Field_Data(2, 2) = 80.0;
    Model_Layers(1, 1) = 100.0;
    Comment = "on disk";
    const std::string site = folder / "site.QD3";
    ASSERT_EQ(write_qd3_file(site), 0);
    Comment.clear();
    Nb_Points = 0;
    user.expect(answer_open({site}));
    SEV.Toolbar1.user_click_button("open");
    ASSERT_FALSE(user.records().empty());
    EXPECT_EQ(user.records().back().title, "OHMIRA File selection");
    EXPECT_EQ(File_Path, site);
    EXPECT_EQ(Comment, "on disk");
    EXPECT_EQ(Nb_Points, 2);

    // "save": asks about the current file and writes it.
    SEV.Text18.Text("saved again"); // typed into the comment box
    user.expect(answer_box(vbYes));
    SEV.Toolbar1.user_click_button("save");
    EXPECT_EQ(user.message_boxes().back().text, "Recording File " + site);
    EXPECT_NE(read_file(site).value_or("").find("\"saved again\""), std::string::npos);

    // "Help": without a PDF reader, the reader box.
    set_association_source([](std::string_view) { return std::string(); });
    user.expect(answer_box(vbOK));
    SEV.Toolbar1.user_click_button("Help");
    EXPECT_EQ(user.message_boxes().back().text,
              "You must intstall ACROBAT READER to open the help file");
    set_association_source({});

    // "Clip_Bd": the plot goes to the clipboard, and the box says so.
    user.expect(answer_box(vbOK));
    SEV.Toolbar1.user_click_button("Clip_Bd");
    EXPECT_EQ(user.message_boxes().back().text,
              "Your screen is now recorded in the clipbord, paste in with Crtl+C");
    EXPECT_EQ(user.pending(), 0u);
    EXPECT_TRUE(user.failures().empty()) << user.failures().front();
}

TEST_F(DispatchTest, TabDispatch) {
    SSTab &tabs = SEV.SSTab1;
    SEV.VSPrint1.Visible(true);
    tabs.Tab(2); // Setup: Enter presses the options' OK, the preview is hidden
    EXPECT_TRUE(SEV.Command11.Default());
    EXPECT_FALSE(SEV.VSPrint1.Visible());

    tabs.Tab(3); // Profile data: OK is no longer the default of a hidden page
    EXPECT_TRUE(SEV.Command11.Default());

    user.expect(answer_box(vbOK));
    tabs.Tab(4); // Make SEV Profile without soundings
    ASSERT_EQ(user.message_boxes().size(), 1u);
    const DialogRecord box = user.message_boxes()[0];
    EXPECT_EQ(box.text, "First, you must load SEV files");
    EXPECT_EQ(box.icon, MsgIcon::Critical);
    EXPECT_EQ(box.title, "Ohmira 6.5");
    EXPECT_FALSE(SEV.VSPrint1.Visible());
    EXPECT_EQ(tabs.Tab(), 4);

    tabs.Tab(3);
    SEV.SEV_Grid.TextMatrix(1, 1, "/data/s1.QD3");
    tabs.Tab(4); // with a sounding: the preview shows over the tab
    EXPECT_TRUE(SEV.VSPrint1.Visible());
    EXPECT_EQ(SEV.VSPrint1.Left(), 2300);
    EXPECT_EQ(SEV.VSPrint1.Top(), tabs.Top() + 100);
    EXPECT_EQ(SEV.VSPrint1.Width(), tabs.Width() - 2500);
    EXPECT_EQ(SEV.VSPrint1.Height(), tabs.Height() - 1000);
    tabs.Tab(4); // the same tab again: no dispatch
    tabs.Tab(1);
    EXPECT_FALSE(SEV.VSPrint1.Visible());
    EXPECT_EQ(user.message_boxes().size(), 1u);

    Show_Setup_Tab();
    EXPECT_EQ(tabs.Tab(), 2);
    Show_Profile_Data_Tab();
    EXPECT_EQ(tabs.Tab(), 3);
    Show_Print_Tab();
    EXPECT_EQ(tabs.Tab(), 1);
}

TEST_F(DispatchTest, CalculQD3AsksForAFileFirst) {
    struct Case {
        const char *letter;
        const char *text;
    } cases[] = {
        {"F", "Vous devez d'abord sélectionner un fichier ou entrer des données terrains"},
        {"S", "Primero, seleccione un fichero"},
        {"E", "First select a file"},
    };
    for (const Case &c : cases) {
        Lang_French = std::string(c.letter) == "F";
        Lang_Spanish = std::string(c.letter) == "S";
        ScriptedDialogHost host{answer_box(vbOK)};
        DialogHostGuard g(host);
        Calcul_QD3();
        ASSERT_EQ(host.message_boxes().size(), 1u);
        EXPECT_EQ(host.message_boxes()[0].text, c.text);
        EXPECT_EQ(host.message_boxes()[0].icon, MsgIcon::Exclamation);
    }
    File_Name = "s1.QD3";
    Calcul_QD3();
    EXPECT_EQ(SEV.SSTab1.Tab(), 1); // whose dispatch builds the sheet
    EXPECT_TRUE(user.failures().empty());
}

TEST_F(DispatchTest, HiddenMenuShortcutsAreInert) {
    int chosen = 0;
    SEV.N1Calcul.Click = [&] { ++chosen; };
    SEV.NAjust.Click = [&] { ++chosen; };
    SEV.user_key('K', vbCtrlMask);
    SEV.user_key('A', vbCtrlMask);
    EXPECT_EQ(chosen, 0);
    EXPECT_TRUE(static_cast<bool>(SEV.E_M.Click));
}

TEST_F(DispatchTest, ResizeKeepsProportionsAndTheMinimum) {
    struct Case {
        int width, height;
        int form_w, form_h, tab_w, tab_h, plot_w, plot_h;
    } cases[] = {
        // Below the minimum: the smallest window, the plot leaving room beside and below it.
        {5000, 4000, 15360, 10800, 14899, 9555, 9217, 7810},
        {30000, 20000, 30000, 20000, 29100, 17800, 18042, 15486},
    };
    for (const Case &c : cases) {
        const std::size_t drawn = SEV.Bilog.picture().texts().size();
        SEV.resize(c.width, c.height);
        EXPECT_EQ(SEV.Width(), c.form_w);
        EXPECT_EQ(SEV.Height(), c.form_h);
        EXPECT_EQ(SEV.SSTab1.Width(), c.tab_w);
        EXPECT_EQ(SEV.SSTab1.Height(), c.tab_h);
        EXPECT_EQ(SEV.Bilog.Width(), c.plot_w);
        EXPECT_EQ(SEV.Bilog.Height(), c.plot_h);
        EXPECT_EQ(SEV.VSPrint.Top(), 500);
        EXPECT_EQ(SEV.VSPrint.Width(), c.tab_w - 2500);
        EXPECT_EQ(SEV.VSPrint.Height(), c.tab_h - 800);
        EXPECT_EQ(SEV.VSPrint1.Left(), 2300);
        EXPECT_EQ(SEV.VSPrint1.Height(), c.tab_h - 800);
        EXPECT_EQ(SEV.Bilog.picture().texts().size(), drawn); // nothing opened: no redraw
    }
    // Once a sounding was opened the plot is drawn again, and the mode left idle.
    Plot_Empty = 0;
    SEV.Bilog.Cls();
    SEV.resize(20000, 12000);
    EXPECT_FALSE(SEV.Bilog.picture().texts().empty());
    EXPECT_EQ(Draw_Mode, "");
}

// At every size, the Main page's controls stand apart and inside the tab strip.
TEST_F(DispatchTest, ResizeKeepsTheMainPageWhole) {
    const std::pair<int, int> sizes[] = {{15360, 10800}, {16000, 12000}, {19200, 12200},
                                         {28800, 15750}, {15360, 15750}, {28800, 10800},
                                         {15400, 10900}};
    const char *page[] = {"Bilog",  "Frame16", "Frame14", "Frame9", "Frame17", "Frame15",
                          "Frame5", "Frame2",  "Frame1",  "Text2",  "Text3",   "Text4"};
    for (auto [w, h] : sizes) {
        SEV.resize(w, h);
        struct Box {
            const char *name;
            int l, t, r, b;
        };
        std::vector<Box> boxes;
        for (const char *name : page) {
            const Control *c = SEV.control(name);
            ASSERT_NE(c, nullptr) << name;
            boxes.push_back(
                {name, c->Left(), c->Top(), c->Left() + c->Width(), c->Top() + c->Height()});
        }
        EXPECT_LE(SEV.SSTab1.Top() + SEV.SSTab1.Height(), h - window_chrome_height);
        for (std::size_t i = 0; i < boxes.size(); ++i) {
            const Box &a = boxes[i];
            EXPECT_TRUE(a.l >= 0 && a.t >= 0 && a.r <= SEV.SSTab1.Width() &&
                        a.b <= SEV.SSTab1.Height())
                << a.name << " outside at " << w << "x" << h;
            for (std::size_t j = i + 1; j < boxes.size(); ++j) {
                const Box &b = boxes[j];
                EXPECT_FALSE(a.l < b.r && b.l < a.r && a.t < b.b && b.t < a.b)
                    << a.name << " overlaps " << b.name << " at " << w << "x" << h;
            }
        }
    }
}

} // namespace ohmira
