#include "platform/files.h"

#include "temp_folder.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace ohmira {

TEST(Wildcard, MatchesAsFileSearchDoes) {
    struct Case {
        const char *pattern;
        const char *name;
        bool match;
    } cases[] = {
        {"*.QD3", "s1.qd3", true}, // without regard to case
        {"*.qd3", "S1.QD3", true},
        {"*.QD3", "s1.qd3.bak", false},
        {"*.*", "README", true}, // every name, with or without a dot
        {"*", "a.b", true},
        {"S?.QD3", "S1.QD3", true},
        {"S?.QD3", "S12.QD3", false},
        {"*1*", "line1.dat", true},
        {"ÉTÉ*.txt", "été 2.TXT", true}, // accented letters fold too
        {"a*b*c", "aXbYbZc", true},
        {"a*b*c", "aXbYbZ", false},
        {"", "", true},
    };
    for (const Case &c : cases)
        EXPECT_EQ(wildcard_match(c.pattern, c.name), c.match) << c.pattern << " " << c.name;
}

TEST(Files, ExistsCountsOnlyVisibleRegularFiles) {
    TempFolder dir;
    dir.write("S1.QD3", "x");
    dir.write(".hidden.QD3", "x");
    std::filesystem::create_directory(dir / "folder.QD3");
    struct Case {
        std::string path;
        bool exists;
    } cases[] = {
        {dir / "S1.QD3", true},
        {dir / "s1.qd3", false}, // an exact name is looked up as it is
        {dir / "*.qd3", true},
        {dir / "S?.QD3", true},
        {dir / "*.ESW", false},
        {dir / ".hidden.QD3", false},
        {dir / "folder.QD3", false},
        {dir.path(), false},
        {dir / "", false},
        {"", false},
        {dir / "missing/S1.QD3", false},
    };
    for (const Case &c : cases)
        EXPECT_EQ(file_exists(c.path), c.exists) << c.path;
    EXPECT_EQ(list_files(dir / "*.*"), std::vector<std::string>{"S1.QD3"});
}

TEST(Files, ListsSortedMatches) {
    TempFolder dir;
    for (const char *name : {"b.DAT", "a.dat", "c.txt", "d.dat.old"})
        dir.write(name, "");
    EXPECT_EQ(list_files(dir / "*.DAT"), (std::vector<std::string>{"a.dat", "b.DAT"}));
    EXPECT_EQ(list_files(dir.path()).size(), 4u);
    EXPECT_TRUE(list_files(dir / "nowhere/*.dat").empty());
}

TEST(Files, LengthAndDelete) {
    TempFolder dir;
    std::string f = dir.write("a.wmf", std::string(2049, 'x'));
    EXPECT_EQ(file_length(f), 2049);
    EXPECT_EQ(file_length(dir / "none"), std::nullopt);
    EXPECT_EQ(file_length(dir.path()), std::nullopt);
    EXPECT_TRUE(delete_file(f));
    EXPECT_FALSE(file_exists(f));
    EXPECT_FALSE(delete_file(f));
    EXPECT_FALSE(delete_file(dir.path())); // never a folder
}

TEST(Files, RenameRefusesToReplace) {
    TempFolder dir;
    std::string bak = dir.write("S1.BAK", "backup");
    std::string qd3 = dir.write("S1.QD3", "current");
    EXPECT_FALSE(rename_file(bak, qd3));
    EXPECT_EQ(read_file(qd3), "current");
    EXPECT_EQ(read_file(bak), "backup");

    ASSERT_TRUE(delete_file(qd3));
    EXPECT_TRUE(rename_file(bak, qd3));
    EXPECT_EQ(read_file(qd3), "backup");
    EXPECT_FALSE(file_exists(bak));
    EXPECT_FALSE(rename_file(dir / "missing", dir / "other"));
}

TEST(Files, AtomicWriteReplacesWholeFileAndLeavesNoTemporary) {
    TempFolder dir;
    std::string f = dir.write("sheet.QD3", "old contents");
    ASSERT_TRUE(write_file_atomically(f, "new\r\n"));
    EXPECT_EQ(read_file(f), "new\r\n");
    EXPECT_EQ(list_files(dir.path()), std::vector<std::string>{"sheet.QD3"});
    EXPECT_TRUE(write_file_atomically(dir / "sub/dir/new.txt", "x")); // folders created
    std::filesystem::create_symlink(f, dir / "link.QD3");
    ASSERT_TRUE(write_file_atomically(dir / "link.QD3", "through link"));
    EXPECT_TRUE(std::filesystem::is_symlink(dir / "link.QD3"));
    EXPECT_EQ(read_file(f), "through link");
    std::filesystem::remove(dir / "link.QD3");
    EXPECT_FALSE(write_file_atomically("/proc/ohmira-cannot-write/x", "x"));
    // A target that cannot be replaced: the write fails and leaves nothing behind.
    std::filesystem::create_directory(dir / "taken");
    dir.write("taken/inside", "keep");
    EXPECT_FALSE(write_file_atomically(dir / "taken", "x"));
    EXPECT_EQ(read_file(dir / "taken/inside"), "keep");
    EXPECT_EQ(list_files(dir.path()), std::vector<std::string>{"sheet.QD3"});
}

TEST(Files, FolderAndNameOfPath) {
    EXPECT_EQ(folder_of("/data/line 1/S1.QD3"), "/data/line 1/");
    EXPECT_EQ(name_of("/data/line 1/S1.QD3"), "S1.QD3");
    EXPECT_EQ(folder_of("S1.QD3"), "");
    EXPECT_EQ(name_of("S1.QD3"), "S1.QD3");
}

} // namespace ohmira
