#include "platform/app_info.h"

#include "temp_folder.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace ohmira {

// The test program's own folder, where the build put the spacing tables as beside the program;
// a folder put in its place is given with its separator, and an empty one gives it back.
TEST(AppInfo, PathIsTheProgramsFolderUnlessPutElsewhere) {
    const std::string p = app_path();
    ASSERT_FALSE(p.empty());
    EXPECT_EQ(p.back(), '/');
    EXPECT_TRUE(std::filesystem::equivalent(
        p, std::filesystem::read_symlink("/proc/self/exe").parent_path()));
    EXPECT_TRUE(std::filesystem::is_regular_file(p + "DATAVES.TXT"));

    TempFolder elsewhere;
    set_app_path(elsewhere.path());
    EXPECT_EQ(app_path(), elsewhere.path() + "/");
    set_app_path(elsewhere.path() + "/");
    EXPECT_EQ(app_path(), elsewhere.path() + "/");
    set_app_path({});
    EXPECT_EQ(app_path(), p);
    EXPECT_EQ(std::string(AppInfo::Title), "Ohmira");
}

} // namespace ohmira
