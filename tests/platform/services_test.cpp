#include "platform/app_info.h"
#include "platform/clipboard.h"
#include "platform/display_list.h"
#include "platform/files.h"
#include "platform/number_locale.h"
#include "platform/shell_open.h"
#include "platform/user_feedback.h"
#include "temp_folder.h"

#include <gtest/gtest.h>

#include <chrono>
#include <clocale>
#include <thread>

namespace ohmira {

TEST(ShellOpen, GoesThroughTheInstalledLauncher) {
    std::vector<ShellRequest> seen;
    ShellLauncher previous = set_shell_launcher([&](const ShellRequest &r) {
        seen.push_back(r);
        return r.target.rfind("mailto:", 0) == 0 ? 2 : ShellOk;
    });
    EXPECT_GT(shell_open("/usr/bin/okular", "/opt/ohmira/Manual/Ohmira_US.pdf", "/opt/ohmira/", 3),
              32);
    EXPECT_LE(shell_open("mailto:support@example.org?CC=&BCC=&Subject=Ohmira&Body="), 32);
    set_shell_launcher(previous);
    ASSERT_EQ(seen.size(), 2u);
    EXPECT_EQ(seen[0].parameters, "/opt/ohmira/Manual/Ohmira_US.pdf");
    EXPECT_EQ(seen[0].directory, "/opt/ohmira/");
    EXPECT_EQ(seen[0].show, 3);
}

TEST(ShellOpen, DefaultLauncherStartsProgramsAndReportsFailures) {
    TempFolder dir;
    std::string marker = dir / "started";
    std::string script = dir.write("prog.sh", "#!/bin/sh\necho \"$1\" > \"" + marker + "\"\n");
    std::filesystem::permissions(script, std::filesystem::perms::owner_all);

    EXPECT_EQ(launch_with_desktop({script, "one argument with blanks", dir.path(), 1}), ShellOk);
    std::string written;
    for (int i = 0; i < 200 && written.empty(); ++i) {
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
        written = read_file(marker).value_or("");
    }
    EXPECT_EQ(written, "one argument with blanks\n");

    EXPECT_LE(launch_with_desktop({dir / "no-such-program", "", "", 1}), 32);
    EXPECT_LE(launch_with_desktop({"", "", "", 1}), 32);
    EXPECT_LE(launch_with_desktop({script, "", dir / "no-such-folder", 1}), 32);
    EXPECT_FALSE(find_program("sh").empty());
    EXPECT_TRUE(find_program("no-such-program-anywhere").empty());
}

TEST(SendKeys, QueuesArrowKeysForTheWindowLayer) {
    take_sent_keys();
    EXPECT_TRUE(SendKeys("{UP}"));
    EXPECT_TRUE(SendKeys("{LEFT}{down}"));
    EXPECT_FALSE(SendKeys("{UP}x")); // unknown text queues nothing
    EXPECT_EQ(sent_keys(), (std::vector<int>{38, 37, 40}));
    EXPECT_EQ(take_sent_keys(), (std::vector<int>{38, 37, 40}));
    EXPECT_TRUE(sent_keys().empty());
}

TEST(Beep, CountsAndRunsTheHook) {
    reset_beep_count();
    int rung = 0;
    auto previous = set_beep_hook([&] { ++rung; });
    Beep();
    Beep();
    set_beep_hook(previous);
    EXPECT_EQ(beep_count(), 2);
    EXPECT_EQ(rung, 2);
}

TEST(Clipboard, InProcessStoreAndBackend) {
    clipboard_clear();
    EXPECT_EQ(clipboard_text(), "");
    clipboard_set_text("12\r\n15\r\n");
    clipboard_set_data("image/png", std::string("\x89PNG", 4));
    EXPECT_EQ(clipboard_text(), "12\r\n15\r\n");
    EXPECT_EQ(clipboard_data("image/png").size(), 4u);
    clipboard_clear();
    EXPECT_EQ(clipboard_text(), "");
    EXPECT_EQ(clipboard_data("image/png"), "");
}

TEST(Clipboard, PictureAsMetafileAndRenderedBitmap) {
    DisplayList plot;
    plot.add(LineOp{0, 0, 1440, 1440, Pen{}});
    clipboard_clear();
    EXPECT_FALSE(clipboard_set_picture(plot, 0, 1440));
    ASSERT_TRUE(clipboard_set_picture(plot, 1440, 1440));
    const std::string wmf = clipboard_data("image/x-wmf");
    ASSERT_GE(wmf.size(), 4u);
    EXPECT_EQ(wmf.substr(0, 4), std::string("\xD7\xCD\xC6\x9A", 4)); // placeable key
    EXPECT_EQ(clipboard_data("image/png"), "") << "no bitmap without a renderer";

    double seen_width = 0;
    set_picture_renderer([&](const DisplayList &, double w, double) {
        seen_width = w;
        return std::string("PNG");
    });
    ASSERT_TRUE(clipboard_set_picture(plot, 2880, 1440));
    set_picture_renderer({});
    EXPECT_EQ(seen_width, 2880);
    EXPECT_EQ(clipboard_data("image/png"), "PNG");
    clipboard_clear();
}

TEST(DecimalSeparator, ReadFromSourceAndProcessSwitchedToPoint) {
    EXPECT_FALSE(user_decimal_separator().empty());
    set_decimal_separator_source([] { return std::string(","); });
    EXPECT_EQ(user_decimal_separator(), ",");
    set_decimal_separator_source({});
    EXPECT_TRUE(use_point_decimal_separator());
    EXPECT_STREQ(std::localeconv()->decimal_point, ".");
}

TEST(AppInfo, VersionTextIsTheBuildsVersion) {
    EXPECT_EQ(app_version(), OHMIRA_VERSION);
}

} // namespace ohmira
