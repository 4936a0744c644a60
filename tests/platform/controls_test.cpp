#include "sample_form.h"

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace ohmira::test {
namespace {

struct Counts {
    int click = 0;
    int change = 0;
};

// Counts Click and Change of every control of the form that has them.
void count_events(SampleForm &f, Counts &c) {
    for (Control *ctl : f.controls())
        ctl->Click = [&c] { ++c.click; };
    f.Entry.Change = [&c] { ++c.change; };
    f.Choice.Change = [&c] { ++c.change; };
    f.Level.Change = [&c] { ++c.change; };
}

struct SetterCase {
    const char *what;
    std::function<void(SampleForm &)> prepare;
    std::function<void(SampleForm &)> act;
    int clicks;
    int changes;
};

TEST(ControlEvents, SettersFromCodeRaiseTheirEventsOnce) {
    const SetterCase cases[] = {
        {"check box on", {}, [](SampleForm &f) { f.Check.Value(vbChecked); }, 1, 0},
        {"check box same value", [](SampleForm &f) { f.Check.Value(vbChecked); },
         [](SampleForm &f) { f.Check.Value(vbChecked); }, 0, 0},
        {"check box off", [](SampleForm &f) { f.Check.Value(vbChecked); },
         [](SampleForm &f) { f.Check.Value(vbUnchecked); }, 1, 0},
        {"option on", {}, [](SampleForm &f) { f.OptA.Value(true); }, 1, 0},
        {"option already on", [](SampleForm &f) { f.OptA.Value(true); },
         [](SampleForm &f) { f.OptA.Value(true); }, 0, 0},
        {"option off", [](SampleForm &f) { f.OptA.Value(true); },
         [](SampleForm &f) { f.OptA.Value(false); }, 0, 0},
        {"other option of the group on", [](SampleForm &f) { f.OptA.Value(true); },
         [](SampleForm &f) { f.OptB.Value(true); }, 1, 0},
        {"tab change", {}, [](SampleForm &f) { f.Tabs.Tab(1); }, 1, 0},
        {"same tab", {}, [](SampleForm &f) { f.Tabs.Tab(0); }, 0, 0},
        {"tab outside", {}, [](SampleForm &f) { f.Tabs.Tab(3); }, 0, 0},
        {"list index", [](SampleForm &f) { f.Items.AddItem("a"); },
         [](SampleForm &f) { f.Items.ListIndex(0); }, 1, 0},
        {"list index same value twice", [](SampleForm &f) { f.Items.AddItem("a"); },
         [](SampleForm &f) {
             f.Items.ListIndex(0);
             f.Items.ListIndex(0);
         },
         2, 0},
        {"list index outside", [](SampleForm &f) { f.Items.AddItem("a"); },
         [](SampleForm &f) { f.Items.ListIndex(1); }, 0, 0},
        {"combo index", [](SampleForm &f) { f.Choice.AddItem("English"); },
         [](SampleForm &f) { f.Choice.ListIndex(0); }, 1, 0},
        {"combo text", [](SampleForm &f) { f.Choice.AddItem("English"); },
         [](SampleForm &f) { f.Choice.Text("English"); }, 0, 1},
        {"combo same text", [](SampleForm &f) { f.Choice.Text("x"); },
         [](SampleForm &f) { f.Choice.Text("x"); }, 0, 0},
        {"text box", {}, [](SampleForm &f) { f.Entry.Text("12"); }, 0, 1},
        {"text box same text", [](SampleForm &f) { f.Entry.Text("12"); },
         [](SampleForm &f) { f.Entry.Text("12"); }, 0, 0},
        {"slider", {}, [](SampleForm &f) { f.Level.Value(3); }, 0, 1},
        {"slider outside", {}, [](SampleForm &f) { f.Level.Value(11); }, 0, 0},
    };
    for (const auto &tc : cases) {
        SampleForm f;
        if (tc.prepare)
            tc.prepare(f);
        Counts c;
        count_events(f, c);
        tc.act(f);
        EXPECT_EQ(c.click, tc.clicks) << tc.what;
        EXPECT_EQ(c.change, tc.changes) << tc.what;
    }
    // Loading is not clicking: with the events held, the same setters raise nothing.
    for (const auto &tc : cases) {
        SampleForm f;
        if (tc.prepare)
            tc.prepare(f);
        Counts c;
        count_events(f, c);
        {
            std::vector<std::unique_ptr<Control::Events_Held>> held;
            for (Control *ctl : f.controls())
                held.push_back(std::make_unique<Control::Events_Held>(*ctl));
            tc.act(f);
        }
        EXPECT_EQ(c.click + c.change, 0) << tc.what;
    }
    SampleForm f;
    Counts c;
    count_events(f, c);
    {
        const Control::Events_Held loading{f.Check};
        f.Check.Value(vbChecked);
    }
    EXPECT_EQ(f.Check.Value(), vbChecked);
    f.Check.user_click();
    EXPECT_EQ(c.click, 1) << "the hold ends with its scope";
}

TEST(ControlEvents, OptionGroupsAreExclusiveWithinTheirContainerAndPage) {
    SampleForm f;
    int clicks_a = 0;
    f.OptA.Click = [&] { ++clicks_a; };
    f.OptA.Value(true);
    f.OptC.Value(true);
    f.OptE.Value(true);
    f.OptB.Value(true);
    EXPECT_FALSE(f.OptA.Value());
    EXPECT_TRUE(f.OptB.Value());
    EXPECT_EQ(clicks_a, 1) << "turning off by the group raises no Click";
    EXPECT_TRUE(f.OptC.Value()) << "another container";
    EXPECT_TRUE(f.OptE.Value()) << "another page of the tab strip";
    f.OptD.user_click();
    EXPECT_FALSE(f.OptC.Value());
    EXPECT_TRUE(f.OptB.Value());
}

TEST(ControlEvents, ValueIsSetBeforeTheHandlerRuns) {
    SampleForm f;
    f.Tabs.TabCaption(2, "Setup");
    std::string seen;
    f.Tabs.Click = [&] { seen = f.Tabs.TabCaption(f.Tabs.Tab()); };
    f.Tabs.Tab(2);
    EXPECT_EQ(seen, "Setup");
    EXPECT_EQ(f.Tabs.previous_tab(), 0);
    int value_seen = -1;
    f.Check.Click = [&] { value_seen = f.Check.Value(); };
    f.Check.user_click();
    EXPECT_EQ(value_seen, vbChecked);
}

TEST(ControlEvents, ComboTextAndIndexFollowEachOther) {
    SampleForm f;
    for (const char *s : {"English", "Français", "Español"})
        f.Choice.AddItem(s);
    f.Choice.Text("Español");
    EXPECT_EQ(f.Choice.ListIndex(), 2);
    f.Choice.Text("Deutsch");
    EXPECT_EQ(f.Choice.ListIndex(), -1);
    f.Choice.ListIndex(1);
    EXPECT_EQ(f.Choice.Text(), "Français");
    f.Choice.RemoveItem(0);
    EXPECT_EQ(f.Choice.ListIndex(), 0) << "the index follows its item";
    f.Choice.RemoveItem(0);
    EXPECT_EQ(f.Choice.ListIndex(), -1);
    EXPECT_FALSE(f.Choice.AddItem("x", 5));
    EXPECT_EQ(f.Choice.List(7), "");
}

TEST(ControlKeys, KeyPressFiltersAndCancels) {
    SampleForm f;
    // Digits only, and "," typed as ".".
    f.Entry.KeyPress = [](int &k) {
        if (k == ',')
            k = '.';
        else if (k != vbKeyBack && (k < '0' || k > '9'))
            k = 0;
    };
    struct Step {
        int key;
        const char *text_after;
        int returned;
    } steps[] = {{'1', "1", '1'},
                 {'a', "1", 0},
                 {',', "1.", '.'},
                 {'5', "1.5", '5'},
                 {vbKeyBack, "1.", vbKeyBack},
                 {vbKeyBack, "1", vbKeyBack}};
    for (const auto &s : steps) {
        EXPECT_EQ(f.Entry.user_key_press(s.key), s.returned) << s.key;
        EXPECT_EQ(f.Entry.Text(), s.text_after) << s.key;
    }
}

TEST(ControlKeys, TypingAccentsAndBackspaceKeepUtf8Whole) {
    SampleForm f;
    f.Entry.user_key_press(0xE9); // é in Windows-1252
    f.Entry.user_key_press('t');
    EXPECT_EQ(f.Entry.Text(), "ét");
    f.Entry.user_key_press(vbKeyBack);
    f.Entry.user_key_press(vbKeyBack);
    EXPECT_EQ(f.Entry.Text(), "");
    f.Entry.user_key_press(vbKeyBack);
    EXPECT_EQ(f.Entry.Text(), "");
}

TEST(ControlKeys, DisabledAndLockedControlsIgnoreTheUser) {
    SampleForm f;
    int clicks = 0;
    f.Ok.Click = [&] { ++clicks; };
    f.Ok.Enabled(false);
    f.Ok.user_click();
    EXPECT_EQ(clicks, 0);
    f.Entry.Locked(true);
    f.Entry.user_key_press('1');
    f.Entry.user_set_text("x");
    EXPECT_EQ(f.Entry.Text(), "");
    f.Entry.Text("code may");
    EXPECT_EQ(f.Entry.Text(), "code may");
}

TEST(ControlFocus, OnlyShownEnabledControlsTakeTheFocus) {
    SampleForm f;
    std::string log;
    f.Entry.GotFocus = [&] { log += "+Entry"; };
    f.Entry.LostFocus = [&] { log += "-Entry"; };
    f.Notes.GotFocus = [&] { log += "+Notes"; };
    EXPECT_TRUE(f.Entry.SetFocus());
    EXPECT_TRUE(f.Notes.SetFocus());
    EXPECT_EQ(log, "+Entry-Entry+Notes");
    EXPECT_FALSE(f.Other.SetFocus()) << "on a page not shown";
    f.Left.Enabled(false);
    EXPECT_FALSE(f.OptA.SetFocus()) << "in a disabled frame";
    f.Check.Visible(false);
    EXPECT_FALSE(f.Check.SetFocus());
    EXPECT_FALSE(f.Status.SetFocus()) << "labels take no focus";
    EXPECT_EQ(f.ActiveControl(), &f.Notes);
    f.Tabs.Tab(1);
    EXPECT_TRUE(f.Other.SetFocus());
}

TEST(ControlState, RevisionGrowsOnlyOnChange) {
    SampleForm f;
    int notified = 0;
    f.Status.on_state_changed = [&](Control &) { ++notified; };
    const auto r0 = f.Status.revision();
    f.Status.Caption("Ready");
    f.Status.Caption("Ready");
    f.Status.FontBold(true);
    f.Status.BackColor(255);
    f.Status.BackColor(255);
    EXPECT_EQ(f.Status.revision(), r0 + 3);
    EXPECT_EQ(notified, 3);
}

TEST(ControlState, DefaultsAndRange) {
    SampleForm f;
    EXPECT_EQ(f.Entry.BackColor(), 0xFFFFFF);
    EXPECT_EQ(f.Ok.BackColor(), 0xF0F0F0);
    EXPECT_EQ(f.Entry.MousePointer(), vbDefault);
    f.Level.Max(4);
    EXPECT_FALSE(f.Level.Value(5));
    EXPECT_TRUE(f.Level.Value(4));
    f.Level.Max(2);
    EXPECT_EQ(f.Level.Value(), 2) << "value kept inside a shrunk range";
    int scrolls = 0, changes = 0;
    f.Level.Scroll = [&] { ++scrolls; };
    f.Level.Change = [&] { ++changes; };
    f.Level.user_scroll_to(-3);
    EXPECT_EQ(f.Level.Value(), 0);
    EXPECT_EQ(scrolls, 1);
    EXPECT_EQ(changes, 1);
}

} // namespace
} // namespace ohmira::test
