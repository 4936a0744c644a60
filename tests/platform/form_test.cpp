#include "platform/image_list.h"
#include "platform/screen.h"
#include "platform/scripted_dialog_host.h"
#include "sample_form.h"

#include <gtest/gtest.h>

#include <memory>
#include <stdexcept>
#include <string>

namespace ohmira::test {
namespace {

TEST(Form, LoadRunsOnceAndUnloadMayBeCancelled) {
    SampleForm f;
    int loads = 0, unloads = 0;
    int cancel_with = 1;
    f.Form_Load = [&] { ++loads; };
    f.Form_Unload = [&](int &cancel) {
        ++unloads;
        cancel = cancel_with;
    };
    f.Show();
    f.Show();
    f.Load();
    EXPECT_EQ(loads, 1);
    EXPECT_TRUE(f.Visible());
    EXPECT_FALSE(f.Unload());
    EXPECT_TRUE(f.loaded());
    EXPECT_TRUE(f.Visible());
    cancel_with = 0;
    EXPECT_TRUE(f.Unload());
    EXPECT_FALSE(f.loaded());
    EXPECT_FALSE(f.Visible());
    EXPECT_TRUE(f.Unload()) << "not loaded: nothing to do";
    EXPECT_EQ(unloads, 2);
    f.Load();
    EXPECT_EQ(loads, 2) << "loaded again after an unload";
}

TEST(Form, ModalShowGoesThroughTheDialogHost) {
    SampleForm f;
    ScriptedDialogHost host{answer_form([](Form &shown) {
        auto &s = static_cast<SampleForm &>(shown);
        EXPECT_TRUE(s.modal());
        EXPECT_TRUE(s.Visible());
        s.Ok.user_click();
    })};
    DialogHostGuard guard(host);
    bool ok_pressed = false;
    f.Ok.Click = [&] {
        ok_pressed = true;
        f.Unload();
    };
    f.Show(vbModal);
    EXPECT_TRUE(ok_pressed);
    EXPECT_FALSE(f.modal());
    EXPECT_FALSE(f.loaded());
    ASSERT_EQ(host.records().size(), 1u);
    EXPECT_EQ(host.records()[0].form, &f);
}

TEST(Form, ScreenPointerNotifiesOnChangeOnly) {
    int notified = 0;
    Screen.on_state_changed = [&] { ++notified; };
    Screen.MousePointer(vbHourglass);
    Screen.MousePointer(vbHourglass);
    Screen.MousePointer(vbDefault);
    Screen.on_state_changed = nullptr;
    EXPECT_EQ(notified, 2);
}

TEST(Form, EnterClicksTheDefaultButtonUnlessTheFocusedControlUsesIt) {
    SampleForm f;
    int ok = 0, cancel = 0, entry_keys = 0;
    f.Ok.Click = [&] { ++ok; };
    f.Cancel.Click = [&] { ++cancel; };
    f.Entry.KeyDown = [&](int &, int) { ++entry_keys; };
    f.Cancel.Default(true);
    f.Ok.Default(true);
    EXPECT_FALSE(f.Cancel.Default()) << "one default button per form";
    EXPECT_EQ(f.default_button(), &f.Ok);

    f.Entry.SetFocus();
    f.user_key(vbKeyReturn, 0, vbKeyReturn);
    EXPECT_EQ(ok, 1);
    EXPECT_EQ(entry_keys, 0) << "Enter does not reach the text box";
    EXPECT_EQ(f.ActiveControl(), &f.Entry) << "the focus stays where the user types";

    f.Notes.MultiLine(true);
    f.Notes.SetFocus();
    f.user_key(vbKeyReturn, 0, vbKeyReturn);
    EXPECT_EQ(ok, 1);
    EXPECT_EQ(f.Notes.Text(), "\r\n");

    f.Cancel.SetFocus();
    f.user_key(vbKeyReturn, 0, vbKeyReturn);
    EXPECT_EQ(cancel, 1) << "a focused button takes Enter itself";
    EXPECT_EQ(ok, 1);

    f.Entry.SetFocus();
    f.Ok.Enabled(false);
    f.user_key(vbKeyReturn, 0, vbKeyReturn);
    EXPECT_EQ(ok, 0 + 1) << "a disabled default button is not clicked";

    f.Ok.Default(false);
    f.user_key(vbKeyReturn, 0, vbKeyReturn);
    EXPECT_EQ(entry_keys, 1) << "without a default button Enter reaches the control";

    CommandButton apply{f, "Apply", In{"Tabs", 1}, 100, 800, 1200, 360};
    int applied = 0;
    apply.Click = [&] { ++applied; };
    apply.Default(true);
    f.user_key(vbKeyReturn, 0, vbKeyReturn);
    EXPECT_EQ(applied, 0) << "a default button on a page not shown does not take Enter";
    EXPECT_EQ(entry_keys, 2);
    f.Tabs.Tab(1);
    f.Other.SetFocus();
    f.user_key(vbKeyReturn, 0, vbKeyReturn);
    EXPECT_EQ(applied, 1);
}

TEST(Form, KeysGoToTheFocusedControl) {
    SampleForm f;
    f.Table.Rows(5);
    f.Table.SetFocus();
    f.user_key(vbKeyDown);
    EXPECT_EQ(f.Table.Row(), 2);
    f.Entry.SetFocus();
    f.user_key('7', 0, '7');
    EXPECT_EQ(f.Entry.Text(), "7");
}

TEST(Form, ControlsAreRegisteredByNameInCreationOrder) {
    SampleForm f;
    ASSERT_GE(f.controls().size(), 3u);
    EXPECT_EQ(f.controls()[0], &f.Tabs);
    EXPECT_EQ(f.controls()[1], &f.Left);
    EXPECT_EQ(f.control("OptB"), &f.OptB);
    EXPECT_EQ(f.control("Nothing"), nullptr);
    EXPECT_EQ(f.OptA.Container(), &f.Left);
    EXPECT_EQ(f.Left.Container(), &f.Tabs);
    EXPECT_EQ(f.Ok.Container(), nullptr);
    EXPECT_THROW(Label(f, "OptA"), std::logic_error);
    const auto before = f.controls().size();
    {
        Label extra(f, "Extra");
        extra.SetFocus();
        EXPECT_EQ(f.controls().size(), before + 1);
    }
    EXPECT_EQ(f.controls().size(), before);
    EXPECT_EQ(f.control("Extra"), nullptr);
}

struct MenuForm : Form {
    MenuForm() : Form("MenuForm") {}
    MenuItem File{*this, "File", "", "&File"};
    MenuItem New{*this, "New", "File", "&New", "Ctrl+N"};
    MenuItem Sep{*this, "Sep", "File", "-"};
    MenuItem Hidden{*this, "Hidden", "File", "Calcul", "Ctrl+K"};
    MenuItem Info{*this, "Info", "", "&Info"};
    FlexGrid Grid{*this, "Grid", 0, 0, 2000, 2000};
    Toolbar Bar{*this, "Bar", 0, 0, 6000, 420};
    ImageList Images{*this, "Images"};
};

TEST(Menu, TreeShortcutsAndReachability) {
    MenuForm f;
    std::string log;
    f.New.Click = [&] { log += "new "; };
    f.Hidden.Click = [&] { log += "hidden "; };
    f.Info.Click = [&] { log += "info "; };
    f.Sep.Click = [&] { log += "sep "; };
    f.Hidden.Visible(false);
    int grid_keys = 0;
    f.Grid.KeyDown = [&](int &, int) { ++grid_keys; };
    f.Grid.SetFocus();

    f.user_key('N', vbCtrlMask);
    f.user_key('K', vbCtrlMask); // hidden item: the key goes on to the grid
    f.user_key('N', 0, 'n');     // no Ctrl: a plain key
    f.Info.user_click();         // a menu-bar item without submenu
    f.Sep.user_click();
    f.Hidden.user_click();
    f.File.Enabled(false);
    f.user_key('N', vbCtrlMask);
    EXPECT_EQ(log, "new info ");
    EXPECT_EQ(grid_keys, 3);

    ASSERT_EQ(menu_bar(f).size(), 2u);
    EXPECT_EQ(menu_bar(f)[1], &f.Info);
    ASSERT_EQ(f.File.items().size(), 3u);
    EXPECT_TRUE(f.Sep.is_separator());
    EXPECT_TRUE(f.Info.items().empty());
}

TEST(Menu, ShortcutTexts) {
    struct Case {
        const char *text;
        MenuShortcut expected;
    } cases[] = {{"Ctrl+N", {'N', vbCtrlMask}},
                 {"Ctrl+Shift+x", {'X', vbCtrlMask | vbShiftMask}},
                 {"", {}},
                 {"N", {}},
                 {"Ctrl+", {}},
                 {"Ctrl+F1", {}}};
    for (const auto &c : cases)
        EXPECT_EQ(parse_shortcut(c.text), c.expected) << c.text;
}

TEST(Toolbar, ButtonClickPassesThePressedButton) {
    MenuForm f;
    const struct {
        const char *key;
        int style;
    } design[] = {
        {"", tbrSeparator}, {"open", tbrDefault}, {"stop", tbrDefault}, {"combo1", tbrPlaceholder}};
    for (const auto &d : design)
        ASSERT_NE(f.Bar.Buttons.Add(d.key, d.style, d.key), nullptr);
    EXPECT_EQ(f.Bar.Buttons.Add("open"), nullptr) << "keys are unique";
    f.Bar.Buttons("combo1")->Width(1500);
    f.Bar.Buttons(2)->ToolTipText("Open File");
    std::string pressed;
    f.Bar.ButtonClick = [&](ToolbarButton &b) { pressed += b.Key() + std::to_string(b.Index()); };
    f.Bar.user_click_button(1);
    f.Bar.user_click_button("open");
    f.Bar.user_click_button("combo1");
    f.Bar.Buttons("stop")->Enabled(false);
    f.Bar.user_click_button(3);
    f.Bar.user_click_button(9);
    EXPECT_EQ(pressed, "open2");
    EXPECT_EQ(f.Bar.Buttons.Count(), 4);
    EXPECT_EQ(f.Bar.Buttons(4)->Width(), 1500);
    EXPECT_EQ(f.Bar.Buttons(2)->ToolTipText(), "Open File");

    EXPECT_TRUE(f.Images.Add("open", "open.png"));
    EXPECT_FALSE(f.Images.Add("open", "other.png"));
    ASSERT_NE(f.Images.find("open"), nullptr);
    EXPECT_EQ(f.Images.find("open")->Picture, "open.png");
}

} // namespace
} // namespace ohmira::test
