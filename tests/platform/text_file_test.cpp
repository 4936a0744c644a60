#include "platform/text_file.h"

#include <cerrno>
#include <fstream>
#include <sstream>

#include <unistd.h>

#include <gtest/gtest.h>

#include "platform/runtime_error.h"
#include "unprivileged.h"

namespace ohmira {

namespace fs = std::filesystem;

namespace {

class TextFileTest : public ::testing::Test {
protected:
    void SetUp() override {
        dir = fs::temp_directory_path() /
              ("ohmira_text_file_" + std::to_string(::getpid()) + "_" +
               ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(dir);
        fs::create_directories(dir);
    }
    void TearDown() override {
        close_all_files();
        fs::permissions(dir, fs::perms::owner_all, fs::perm_options::add);
        fs::remove_all(dir);
    }

    static std::string bytes_of(const fs::path &p) {
        std::ifstream in(p, std::ios::binary);
        std::ostringstream s;
        s << in.rdbuf();
        return s.str();
    }
    static void put_bytes(const fs::path &p, const std::string &bytes) {
        std::ofstream(p, std::ios::binary) << bytes;
    }

    // The error number a call throws, 0 when it throws none.
    template <typename F> static int error_of(F &&f) {
        try {
            f();
        } catch (const RuntimeError &e) {
            return e.number;
        }
        return 0;
    }

    fs::path dir;
};

} // namespace

TEST_F(TextFileTest, SoundingRecordsRoundTripByteForByte) {
    const auto p = dir / "site.QD3";
    {
        TextFile f(p, OpenMode::Output);
        f.write_record({12.5f});
        f.write_record({15.0f, 12346.0f, 100.0f, 1000.0f, 31415100.0f, 50.0f});
        f.write_record({10000L, 150L, 0L});
        f.write_record({Variant(-0.5), Variant(), Variant(1e15)});
        f.write_record({"Forage n°3, près de l'église"});
        f.write_record({""});
        f.close();
    }
    const std::string expected = "12.5\r\n"
                                 "15,12346,100,1000,3.14151E+07,50\r\n"
                                 "10000,150,0\r\n"
                                 "-.5,,1E+15\r\n"
                                 "\"Forage n\xB0"
                                 "3, pr\xE8s de l'\xE9glise\"\r\n"
                                 "\"\"\r\n";
    EXPECT_EQ(bytes_of(p), expected);

    TextFile f(p, OpenMode::Input);
    EXPECT_EQ(f.input_single(), 12.5f);
    const float point[] = {15, 12346, 100, 1000, 31415100, 50};
    for (float v : point)
        EXPECT_EQ(f.input_single(), v);
    EXPECT_EQ(f.input_long(), 10000);
    EXPECT_EQ(f.input_long(), 150);
    EXPECT_EQ(f.input_long(), 0);
    EXPECT_EQ(f.input_number(), -0.5);
    EXPECT_EQ(f.input_number(), 0); // the empty item
    EXPECT_EQ(f.input_number(), 1e15);
    EXPECT_EQ(f.input_text(), "Forage n°3, près de l'église");
    EXPECT_FALSE(f.eof());
    EXPECT_EQ(f.input_text(), "");
    EXPECT_TRUE(f.eof());
    EXPECT_EQ(error_of([&] { f.input_text(); }), 62);
    EXPECT_EQ(error_of([&] { f.input_number(); }), 62);
}

TEST_F(TextFileTest, ListReaderItemsTable) {
    // Each file is read as texts, item by item, until the end.
    struct Case {
        const char *bytes;
        std::vector<std::string> items;
    };
    const Case cases[] = {
        {"a,b\r\nc\r\n", {"a", "b", "c"}},
        {"a,b\nc\n", {"a", "b", "c"}},
        {"a,b\rc", {"a", "b", "c"}},
        {"  a  ,  b", {"a  ", "b"}},
        {"\"x, y\",z\r\n", {"x, y", "z"}},
        {"\"q\"  junk,next", {"q", "next"}},
        {"a,,b", {"a", "", "b"}},
        {"a,\r\nb", {"a", "", "b"}},
        {"one two\r\n", {"one two"}},
        {"\"two\r\nlines\"", {"two\r\nlines"}},
        {"\"open", {"open"}},
        {"a\r\n\r\nb", {"a", "", "b"}},
        {"a\x1a"
         "b,c",
         {"a"}},
        {"a,b\r\n\r\n  \r\n", {"a", "b"}},
    };
    for (const auto &c : cases) {
        const auto p = dir / "items.txt";
        put_bytes(p, c.bytes);
        TextFile f(p, OpenMode::Input);
        std::vector<std::string> got;
        while (!f.eof())
            got.push_back(f.input_text());
        EXPECT_EQ(got, c.items) << c.bytes;
    }
}

TEST_F(TextFileTest, ListReaderNumbersTable) {
    struct Case {
        const char *bytes;
        std::vector<double> numbers;
    };
    const Case cases[] = {
        {"1.5,-2,1.234568E+07\r\n", {1.5, -2, 12345680}},
        {"1 2  3\n4", {1, 2, 3, 4}},
        {"  7 , 8 ,\r\n\r\n 9", {7, 8, 9}}, // a number item skips line ends
        {"\"12\",.5", {12, 0.5}},
        {"1e-3,1D2", {0.001, 100}},
        {"3,\r\n\r\n \r\n", {3}}, // trailing blank lines are no items
    };
    for (const auto &c : cases) {
        const auto p = dir / "numbers.txt";
        put_bytes(p, c.bytes);
        TextFile f(p, OpenMode::Input);
        std::vector<double> got;
        while (!f.eof())
            got.push_back(f.input_number());
        EXPECT_EQ(got, c.numbers) << c.bytes;
    }
}

TEST_F(TextFileTest, ReadErrorsCarryTheRuntimeNumbers) {
    const auto p = dir / "bad.txt";
    put_bytes(p, "abc,40000,1E40,3000000000\r\n");
    TextFile f(p, OpenMode::Input);
    EXPECT_EQ(error_of([&] { f.input_number(); }), 13);
    EXPECT_EQ(error_of([&] { f.input_integer(); }), 6);
    EXPECT_EQ(error_of([&] { f.input_single(); }), 6);
    EXPECT_EQ(error_of([&] { f.input_long(); }), 6);
    EXPECT_EQ(error_of([&] { f.line_input(); }), 62);
    EXPECT_EQ(error_of([&] { f.write_record({1.0}); }), 54);
    f.close();
    EXPECT_EQ(error_of([&] { f.input_text(); }), 52);
}

TEST_F(TextFileTest, WholeLinesMixWithItems) {
    const auto p = dir / "mixed.csv";
    put_bytes(p, "Header line, with comma\r\n1,2,3\nrest of line\r\nlast");
    TextFile f(p, OpenMode::Input);
    EXPECT_EQ(f.line_input(), "Header line, with comma");
    EXPECT_EQ(f.input_number(), 1);
    EXPECT_EQ(f.line_input(), "2,3"); // the list reader leaves the rest of the line
    EXPECT_EQ(f.line_input(), "rest of line");
    EXPECT_EQ(f.line_input(), "last");
    EXPECT_TRUE(f.eof());
    EXPECT_EQ(error_of([&] { f.line_input(); }), 62);
}

TEST_F(TextFileTest, OpenErrorsCarryTheRuntimeNumbers) {
    put_bytes(dir / "present.txt", "x");
    struct Case {
        fs::path path;
        OpenMode mode;
        int number;
    };
    const Case cases[] = {
        {dir / "missing.txt", OpenMode::Input, 53},
        {dir / "no_folder" / "a.txt", OpenMode::Input, 76},
        {dir / "no_folder" / "a.txt", OpenMode::Output, 76},
        {dir / "no_folder" / "a.txt", OpenMode::Append, 76},
        {dir / "present.txt" / "a.txt", OpenMode::Input, 76},
        {dir, OpenMode::Input, 75},
        {dir, OpenMode::Output, 75},
        {fs::path(), OpenMode::Input, 52},
        {fs::path(), OpenMode::Output, 52},
    };
    for (const auto &c : cases)
        EXPECT_EQ(error_of([&] { TextFile f(c.path, c.mode); }), c.number) << c.path;
    EXPECT_EQ(open_file_count(), 0);
}

TEST_F(TextFileTest, ProtectedFilesAndFolders) {
    const auto ro = dir / "readonly.QD3";
    put_bytes(ro, "old");
    fs::permissions(ro, fs::perms::owner_read, fs::perm_options::replace);
    EXPECT_EQ(run_unprivileged([&] { return error_of([&] { TextFile f(ro, OpenMode::Output); }); }),
              75);
    EXPECT_EQ(bytes_of(ro), "old");

    const auto locked = dir / "locked";
    fs::create_directory(locked);
    put_bytes(locked / "a.txt", "x");
    fs::permissions(locked, fs::perms::owner_read | fs::perms::owner_exec,
                    fs::perm_options::replace);
    EXPECT_EQ(run_unprivileged([&] {
                  return error_of([&] { TextFile f(locked / "new.txt", OpenMode::Output); });
              }),
              75);
    fs::permissions(locked, fs::perms::owner_all, fs::perm_options::replace);
    EXPECT_EQ(bytes_of(locked / "a.txt"), "x");
    EXPECT_FALSE(fs::exists(locked / "new.txt"));
}

TEST_F(TextFileTest, UnfinishedWriteKeepsTheOldFile) {
    const auto p = dir / "site.QD3";
    put_bytes(p, "old content");
    try {
        TextFile f(p, OpenMode::Output);
        f.write_record({1.0});
        throw RuntimeError(err::SubscriptRange); // the writer fails half-way
    } catch (const RuntimeError &) {
    }
    EXPECT_EQ(bytes_of(p), "old content");
    int entries = 0;
    for ([[maybe_unused]] const auto &e : fs::directory_iterator(dir))
        ++entries;
    EXPECT_EQ(entries, 1); // no stray file beside it

    write_whole_file(p, "new\r\n");
    EXPECT_EQ(bytes_of(p), "new\r\n");
}

TEST_F(TextFileTest, CloseAllFilesClosesAndPutsOutputInPlace) {
    const auto in = dir / "in.txt";
    const auto out = dir / "out.txt";
    put_bytes(in, "1,2\r\n");
    TextFile a(in, OpenMode::Input);
    TextFile b(out, OpenMode::Output);
    b.write_record({"x"});
    EXPECT_EQ(open_file_count(), 2);
    close_all_files();
    EXPECT_EQ(open_file_count(), 0);
    EXPECT_FALSE(a.is_open());
    EXPECT_EQ(bytes_of(out), "\"x\"\r\n");
    EXPECT_EQ(error_of([&] { a.input_number(); }), 52);
    EXPECT_EQ(error_of([&] { b.print_line(); }), 52);
}

TEST_F(TextFileTest, PrintZonesTabsAndNumbers) {
    const auto p = dir / "export.QXL";
    TextFile f(p, OpenMode::Output);
    f.print_number(12); // " 12 "
    f.print_zone();
    f.print_number(-1.5);
    f.print_zone();
    f.print_text("abcdefghijklmnop"); // runs past the next zone start
    f.print_zone();
    f.print_text("x");
    f.print_line();
    f.print_zone();
    f.print_text(" 10.000");
    f.print_number_single(31415100.0f);
    f.print_zone();
    f.print_line();
    f.print_text("abc");
    f.print_tab(6);
    f.print_text("d");
    EXPECT_EQ(f.column(), 7);
    f.print_tab(3); // already past: next line
    f.print_text("é");
    f.print_line();
    f.close();
    const std::string expected = " 12           -1.5          abcdefghijklmnop            x\r\n"
                                 "               10.000 3.14151E+07         \r\n"
                                 "abc  d\r\n"
                                 "  \xE9\r\n";
    EXPECT_EQ(bytes_of(p), expected);
}

TEST_F(TextFileTest, AppendAddsToTheEnd) {
    const auto p = dir / "log.txt";
    put_bytes(p, "a\r\n");
    {
        TextFile f(p, OpenMode::Append);
        f.write_record({1.0, "b"});
        f.close();
    }
    EXPECT_EQ(bytes_of(p), "a\r\n1,\"b\"\r\n");
}

} // namespace ohmira

namespace ohmira {

TEST(FileErrorNumber, SystemErrorsMapToRuntimeNumbers) {
    const auto here = fs::temp_directory_path();
    struct Case {
        int errno_value;
        fs::path path;
        int number;
    };
    const Case cases[] = {
        {ENOENT, here / "missing.QD3", 53},
        {ENOENT, here / "no_such_dir" / "a.QD3", 76},
        {ENOENT, "relative.QD3", 53},
        {ENOTDIR, here / "a", 76},
        {EACCES, here / "a", 75},
        {EROFS, here / "a", 75},
        {EISDIR, here / "a", 75},
        {ETXTBSY, here / "a", 70},
        {ENOSPC, here / "a", 61},
        {EDQUOT, here / "a", 61},
        {ENAMETOOLONG, here / "a", 52},
        {EMFILE, here / "a", 67},
        {ENXIO, here / "a", 68},
        {EIO, here / "a", 57},
    };
    for (const auto &c : cases)
        EXPECT_EQ(file_error_number(c.errno_value, c.path), c.number) << c.errno_value;
}

TEST(RuntimeErrorText, DescriptionsOfTheRuntime) {
    EXPECT_EQ(error_description(53), "File not found");
    EXPECT_EQ(error_description(62), "Input past end of file");
    EXPECT_EQ(error_description(75), "Path/File access error");
    EXPECT_EQ(error_description(76), "Path not found");
    EXPECT_EQ(error_description(999), "Application-defined or object-defined error");
    const RuntimeError e(err::DiskFull);
    EXPECT_EQ(e.number, 61);
    EXPECT_STREQ(e.what(), "Disk full");
}

} // namespace ohmira
