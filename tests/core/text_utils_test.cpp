#include "core/text_utils.h"

#include <gtest/gtest.h>

#include "core_fixture.h"
#include "platform/user_feedback.h"

namespace ohmira::test {
namespace {

TEST(TextUtils, CutAtNul) {
    using namespace std::string_literals;
    struct Case {
        std::string text, expected;
    } cases[] = {{"abc\0xyz"s, "abc"}, {"abc", ""}, {"\0abc"s, ""}, {"", ""}, {"a\0b\0"s, "a"}};
    for (const auto &c : cases)
        EXPECT_EQ(Cut_At_Nul(c.text), c.expected);
}

TEST(TextUtils, ReplaceAll) {
    struct Case {
        std::string text, find, repl, expected;
    } cases[] = {
        {"1 2  3", " ", "", "12 3"}, // a blank right after a removed one stays
        {"1 2  3", "  ", "", "1 23"},
        {"a.b.c", ".", ",", "a,b,c"},
        {"aaa", "a", "bb", "bbbbbb"},
        {"abc", "", "x", "abc"},       // nothing to find: unchanged
        {"abab", "b", "bb", "abbabb"}, // the replacement holds find: ends
        {"x", "x", "axa", "axa"},
        {"Élan élan", "é", "e", "Élan elan"}, // exact, case-sensitive
        {"", "a", "b", ""},
    };
    for (const auto &c : cases) {
        std::string text = c.text;
        Replace_All(text, c.find, c.repl);
        EXPECT_EQ(text, c.expected) << "'" << c.text << "' '" << c.find << "' '" << c.repl << "'";
    }
}

TEST(TextUtils, FilterKey) {
    struct Case {
        int key;
        const char *allowed;
        int with_backspace;
        int expected;
    } cases[] = {
        {'5', "-.0123456789", -1, '5'},
        {'.', "-.0123456789", -1, '.'},
        {'a', "-.0123456789", -1, 0},
        {8, "-.0123456789", -1, 8},
        {8, "-.0123456789", 1, 0}, // only True adds backspace
        {8, "-.0123456789", 0, 0},
        {'a', "A", 0, 'a'}, // returned unchanged, compared upper-cased
        {'A', "a", 0, 'A'},
        {0xE9, "É", 0, 0xE9}, // é against É (Windows-1252 codes)
        {0, "-.0123456789", -1, 0},
        {300, "-.0123456789", -1, 0},
    };
    for (const auto &c : cases) {
        reset_beep_count();
        EXPECT_EQ(Filter_Key(c.key, c.allowed, c.with_backspace), c.expected) << c.key;
        EXPECT_EQ(beep_count(), c.expected == 0 ? 1 : 0) << c.key;
    }
}

class FileExistsTest : public CoreTest {};

TEST_F(FileExistsTest, OrdinaryVisibleFilesOnly) {
    write_bytes("site.QD3", "x");
    write_bytes(".hidden.QD3", "x");
    std::filesystem::create_directories(dir_ / "folder.QD3");
    struct Case {
        std::string path;
        int expected;
    } cases[] = {
        {path("site.QD3"), 1},
        {path("none.QD3"), 0},
        {path("*.QD3"), 1},
        {path("s?te.*"), 1},
        {path("*.ESW"), 0},
        {path(".hidden.QD3"), 0},
        {path("folder.QD3"), 0},
        {path("missing/site.QD3"), 0},
        {"", 0},
    };
    for (const auto &c : cases)
        EXPECT_EQ(File_Exists(c.path), c.expected) << c.path;
}

} // namespace
} // namespace ohmira::test
