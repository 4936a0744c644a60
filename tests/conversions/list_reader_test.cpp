#include "conversions/list_reader.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

#include "platform/runtime_error.h"

namespace ohmira {
namespace {

// One read: 't' text, 'n' number, 'i' integer, 'l' line, 'w' word; the expected result as text
// (numbers in their plain form), or "!<error number>". '#': the line of the item read last.
struct Read {
    char kind;
    std::string expected;
};

struct Case {
    const char *name;
    std::string bytes;
    std::vector<Read> reads;
};

std::string run(ListReader &in, char kind) {
    try {
        switch (kind) {
        case 't':
            return in.text();
        case 'n': {
            const double v = in.number();
            std::ostringstream s;
            s << v;
            return s.str();
        }
        case 'i':
            return std::to_string(in.integer());
        case 'l':
            return in.line();
        case 'w':
            return in.word();
        case '#':
            return std::to_string(in.line_number());
        }
    } catch (const RuntimeError &e) {
        return "!" + std::to_string(e.number);
    }
    return "?";
}

TEST(ListReader, ReadsItemsAndLinesAsTheReadersNeedThem) {
    const std::vector<Case> cases = {
        {"numbers end at blanks, commas and line ends",
         "1.5 2,3\r\n4\t5\n",
         {{'n', "1.5"}, {'n', "2"}, {'n', "3"}, {'n', "4"}, {'n', "5"}, {'n', "!62"}}},
        {"blanks around a comma make one delimiter",
         "1 , 2 ,3",
         {{'n', "1"}, {'n', "2"}, {'n', "3"}}},
        {"empty number item is 0", "1,,3", {{'n', "1"}, {'n', "0"}, {'n', "3"}}},
        {"line ends before a number are skipped", "\r\n\r\n  7", {{'n', "7"}}},
        {"a text where a number is expected", "abc,2", {{'n', "!13"}}},
        {"exponent and leading point",
         ".5,1E+3,-2.5e-1",
         {{'n', "0.5"}, {'n', "1000"}, {'n', "-0.25"}}},
        {"number beyond the double range", "1E999", {{'n', "!6"}}},
        {"integer rounds half to even", "2.5 3.5 -2.5", {{'i', "2"}, {'i', "4"}, {'i', "-2"}}},
        {"integer beyond 16 bits", "40000", {{'i', "!6"}}},
        {"texts end at a comma or the line end, blanks kept",
         "  Profil 12 , B\r\nnext line\r\n",
         {{'t', "Profil 12 "}, {'t', "B"}, {'t', "next line"}, {'t', "!62"}}},
        {"quoted text keeps commas and line ends",
         "\"a, b\",\"two\r\nlines\" junk,x",
         {{'t', "a, b"}, {'t', "two\r\nlines"}, {'t', "x"}}},
        {"quote without its closing quote runs to the end",
         "\"open",
         {{'t', "open"}, {'t', "!62"}}},
        {"empty line is an empty text", "a\r\n\r\nb", {{'t', "a"}, {'t', ""}, {'t', "b"}}},
        {"line after items takes the rest of the line",
         "1, 2, rest, of it\r\nnext\n",
         {{'n', "1"}, {'n', "2"}, {'l', " rest, of it"}, {'l', "next"}, {'l', "!62"}}},
        {"last item closes its line", "1 2\r\nline", {{'n', "1"}, {'n', "2"}, {'l', "line"}}},
        {"CR alone ends a line", "a\rb\r", {{'l', "a"}, {'l', "b"}}},
        {"text in Windows-1252", "Sond\xe9", {{'t', "Sond\xc3\xa9"}}},
        {"Ctrl+Z ends the text",
         "1\r\n\x1a"
         "2",
         {{'n', "1"}, {'n', "!62"}}},
        {"word skips a column of a row of numbers",
         "12:30:01 x 2.5\r\n",
         {{'w', "12:30:01"}, {'w', "x"}, {'n', "2.5"}, {'w', "!62"}}},
        {"quoted number", "\"12\",3", {{'n', "12"}, {'n', "3"}}},
        {"the line of the item read last, whatever the line ends",
         "a\r\n\r\n  7 8\n\"q\r\nx\"\rz",
         {{'#', "1"},
          {'t', "a"},
          {'#', "1"},
          {'n', "7"},
          {'#', "3"},
          {'n', "8"},
          {'#', "3"},
          {'t', "q\r\nx"},
          {'#', "4"},
          {'l', "z"},
          {'#', "6"}}},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        ListReader in(c.bytes);
        for (std::size_t k = 0; k < c.reads.size(); ++k) {
            SCOPED_TRACE("read " + std::to_string(k + 1));
            EXPECT_EQ(run(in, c.reads[k].kind), c.reads[k].expected);
        }
    }
}

TEST(ListReader, EndOfFileIgnoresTrailingBlankLines) {
    ListReader in("1\r\n  \r\n\r\n");
    EXPECT_FALSE(in.eof());
    in.number();
    EXPECT_TRUE(in.eof());
}

class ListReaderFile : public ::testing::Test {
protected:
    void SetUp() override {
        std::string pattern =
            (std::filesystem::temp_directory_path() / "ohmira-list-XXXXXX").string();
        ASSERT_NE(::mkdtemp(pattern.data()), nullptr);
        dir = pattern;
    }
    void TearDown() override { std::filesystem::remove_all(dir); }

    int open_error(const std::string &path) {
        try {
            ListReader::open(path);
        } catch (const RuntimeError &e) {
            return e.number;
        }
        return 0;
    }

    std::string dir;
};

TEST_F(ListReaderFile, OpensRegularFilesOfASaneSizeOnly) {
    const std::string ok = dir + "/ok.txt";
    std::ofstream(ok, std::ios::binary) << "\"title\"\r\n3";
    ListReader in = ListReader::open(ok);
    EXPECT_EQ(in.text(), "title");
    EXPECT_EQ(in.integer(), 3);

    const std::string fifo = dir + "/fifo";
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    const std::string big = dir + "/big.txt";
    std::ofstream(big, std::ios::binary) << "1";
    std::filesystem::resize_file(big, static_cast<std::uintmax_t>(ListReader::max_bytes + 1));

    struct Refusal {
        std::string path;
        int number;
    };
    for (const auto &[path, number] : std::vector<Refusal>{{dir + "/missing.txt", 53},
                                                           {dir, 75},
                                                           {fifo, 75},
                                                           {"/dev/zero", 75},
                                                           {big, FileTooLarge},
                                                           {"", 52}}) {
        SCOPED_TRACE(path);
        EXPECT_EQ(open_error(path), number);
    }
}

} // namespace
} // namespace ohmira
