#include "conversions/syscal.h"

#include "batch_fixture.h"
#include "core/sounding.h"

#include <filesystem>

namespace ohmira::test {
namespace {

Syscal_Record rec(const char *name, double a, double b, double c, double d) {
    return {name, a, b, c, d};
}

TEST(SyscalPoint, FactorAndResistivityFromTheMeasurement) {
    struct Case {
        Syscal_Record r;
        double ab2, rho, mn2, mv, k, ma;
    };
    const Case cases[] = {
        // K = 3.1416 × 9 × 11 / 2 = 155.5092: whole from 100 on.
        {rec("S", 0.05, 0.1, 10, 1), 10, 78, 1, 50, 156, 100},
        // K = 12.5664: two decimals below 100.
        {rec("S", 0.05, 0.1, 3, 1), 3, 6, 1, 50, 12.57, 100},
        // MN/2 = 0: no factor, no resistivity.
        {rec("S", 0.05, 0.1, 3, 0), 3, 0, 0, 50, 0, 100},
        // Spacings cut down to two decimals; the factor from the spacings as measured.
        {rec("S", 1, 1, 2.4567, 0.5129), 2.45, 18, 0.51, 1000, 17.68, 1000},
    };
    for (const Case &c : cases) {
        const Syscal_Point p = syscal_point(c.r);
        EXPECT_DOUBLE_EQ(p.ab2, c.ab2) << c.r.ab2;
        EXPECT_DOUBLE_EQ(p.rho, c.rho) << c.r.ab2;
        EXPECT_DOUBLE_EQ(p.mn2, c.mn2) << c.r.ab2;
        EXPECT_DOUBLE_EQ(p.mv, c.mv) << c.r.ab2;
        EXPECT_DOUBLE_EQ(p.k, c.k) << c.r.ab2;
        EXPECT_DOUBLE_EQ(p.ma, c.ma) << c.r.ab2;
    }
    EXPECT_THROW(syscal_point(rec("S", 1e300, 1, 3, 1)), RuntimeError);
}

TEST(SyscalGrouping, OneSoundingPerDistinctNameInOrderOfFirstAppearance) {
    const auto a =
        group_syscal_soundings({rec("S1", 1, 1, 1, 1), rec("S1", 1, 1, 2, 1), rec("S1", 1, 1, 3, 1),
                                rec("S2", 1, 1, 1, 1), rec("S2", 1, 1, 2, 1)});
    ASSERT_EQ(a.size(), 2u);
    EXPECT_EQ(a[0].records.size(), 3u);
    EXPECT_EQ(a[1].records.size(), 2u);
    const auto b = group_syscal_soundings(
        {rec("S1", 1, 1, 1, 1), rec("S2", 1, 1, 1, 1), rec("S1", 1, 1, 2, 1)});
    ASSERT_EQ(b.size(), 2u);
    EXPECT_EQ(b[0].name, "S1");
    EXPECT_EQ(b[0].records.size(), 2u);
    EXPECT_EQ(b[1].name, "S2");
}

TEST(SyscalSort, BySpacingThenMN) {
    std::vector<Syscal_Point> points = {{10, 1, 2}, {3, 2, 1}, {10, 3, 1}, {3, 4, 1}};
    sort_syscal_points(points);
    const double rho[] = {2, 4, 3, 1};
    for (int i = 0; i < 4; ++i) {
        EXPECT_DOUBLE_EQ(points[i].rho, rho[i]) << i;
    }
}

class SyscalCommand : public BatchTest {
protected:
    std::string data_file() {
        return write_bytes("survey.DAT", "\"Site A \"\r\n"
                                         "S1,1,1,0.05,0.1,10,1\r\n"
                                         "S1,1,1,0.5,0.1,3,1\r\n"
                                         "S1,1,1,0,0.1,20,1\r\n"
                                         "S1,1,1,0.02,0.1,1,0.5\r\n"
                                         "S2,1,1,0.05,0.1,3,0\r\n"
                                         "S2,1,1,0.05,0.1,2,1\r\n");
    }
};

TEST_F(SyscalCommand, ASkippedSoundingIsCountedInTheClosingBox) {
    host_.expect(answer_open({data_file()}));
    host_.expect(answer_input(""));
    host_.expect(answer_input("second"));
    host_.expect(answer_box(vbYes));
    host_.expect(answer_box(vbOK));
    Syscal_Click();
    ASSERT_EQ(host_.pending(), 0u);
    EXPECT_EQ(host_.message_boxes().back().text, "Syscal soundings converted: 1 / 2");
    EXPECT_EQ(files(), (std::vector<std::string>{"second.QD3", "survey.DAT"}));
}

TEST_F(SyscalCommand, EachSoundingIsNamedSortedAndSavedWithConfirmation) {
    host_.expect(answer_open({data_file()}));
    host_.expect(answer_input("first"));
    host_.expect(answer_box(vbYes));
    host_.expect(answer_input("second"));
    host_.expect(answer_box(vbYes));
    host_.expect(answer_box(vbOK));
    Syscal_Click();
    ASSERT_EQ(host_.pending(), 0u);
    const auto &rec = host_.records();
    EXPECT_EQ(rec[1].title, "Ohmira file name");
    EXPECT_EQ(rec[1].text, "Enter a file name (without extension) for Syscal  Site A data N°  1");
    EXPECT_EQ(rec[2].text, "Recording File " + path("first.QD3"));
    EXPECT_EQ(rec[3].text, "Enter a file name (without extension) for Syscal  Site A data N°  2");
    EXPECT_EQ(rec[5].text, "All Syscal files have been converte\n2 sounding(s) written");
    EXPECT_EQ(files(), (std::vector<std::string>{"first.QD3", "second.QD3", "survey.DAT"}));
    // The record with no voltage is left out; the rest sorted by spacing.
    const std::string first = read_bytes(path("first.QD3"));
    EXPECT_EQ(first.substr(0, first.find("\r\n", 60)),
              "3.5\r\n10,0,50,200,236,100\r\n30,6300,100,5000,1257,100\r\n"
              "100,7800,100,500,15600,100")
        << first;
    // The current sounding is the second one, sorted: MN/2 0 gives no factor.
    EXPECT_EQ(Nb_Points, 2);
    EXPECT_DOUBLE_EQ(Field_Data(1, 1).num(), 2);
    EXPECT_DOUBLE_EQ(Field_Data(2, 5).num(), 0);
    expect_editor_save_keeps(path("second.QD3"));
}

TEST_F(SyscalCommand, AnEmptyOrCancelledNameSkipsTheSounding) {
    const std::string kept = open_kept_sounding();
    host_.expect(answer_open({data_file()}));
    host_.expect(answer_input(""));
    host_.expect(cancel_input());
    host_.expect(answer_box(vbOK));
    Syscal_Click();
    EXPECT_EQ(host_.pending(), 0u);
    EXPECT_EQ(files(), (std::vector<std::string>{"keep.QD3", "survey.DAT"}));
    expect_kept_sounding(kept);
}

TEST_F(SyscalCommand, MoreThanTenSoundingsStopWithABoxKeepingWhatWasSaved) {
    std::string data = "Header\r\n";
    for (int s = 1; s <= 11; ++s) {
        data += "N" + std::to_string(s) + ",1,1,0.05,0.1,10,1\r\n";
    }
    host_.expect(answer_open({write_bytes("many.DAT", data)}));
    host_.expect(answer_input("one"));
    host_.expect(answer_box(vbYes));
    for (int s = 2; s <= 10; ++s) {
        host_.expect(answer_input(""));
    }
    host_.expect(answer_box(vbOK));
    Syscal_Click();
    EXPECT_EQ(host_.pending(), 0u);
    EXPECT_EQ(host_.message_boxes().back().text,
              "More than 10 soundings or 51 points per sounding: conversion stopped\n\r" +
                  path("many.DAT") + "\n\rsounding N11");
    EXPECT_EQ(files(), (std::vector<std::string>{"many.DAT", "one.QD3"}));
    EXPECT_EQ(File_Path, path("one.QD3"));
    expect_file_save_keeps(path("one.QD3"));
}

TEST_F(SyscalCommand, AValueOutOfRangeAfterASavedSoundingLeavesThatFileShown) {
    host_.expect(answer_open({write_bytes("range.DAT", "Header\r\n"
                                                       "S1,1,1,0.05,0.1,10,1\r\n"
                                                       "S1,1,1,0.5,0.1,3,1\r\n"
                                                       "S2,1,1,1E+300,0.1,3,1\r\n")}));
    host_.expect(answer_input("first"));
    host_.expect(answer_box(vbYes));
    host_.expect(answer_box(vbOK));
    Syscal_Click();
    EXPECT_EQ(host_.pending(), 0u);
    EXPECT_EQ(box_texts().back(), "Value out of range in the file: conversion stopped\n\r" +
                                      path("range.DAT") + "\n\rsounding S2, line 4: 1E+300");
    EXPECT_EQ(File_Path, path("first.QD3"));
    EXPECT_EQ(SEV.Caption(), Prog_Title + " [" + path("first.QD3") + "]");
    EXPECT_EQ(Nb_Points, 2);
    expect_file_save_keeps(path("first.QD3"));
}

TEST_F(SyscalCommand, AFileWithNoReadableRecordWritesNothingAndKeepsTheSounding) {
    const std::string kept = open_kept_sounding();
    std::filesystem::create_directory(path("folder.DAT"));
    struct Case {
        const char *what;
        std::string bytes;
        bool folder = false; // a folder chosen in place of a file: the read fails
    };
    const Case cases[] = {
        {"header only", "\"Site A \"\r\n"},
        {"unreadable items", "Header\r\nS1,x,y,z\r\nS2,1,1,abc,0.1,10,1\r\n"},
        {"no voltage", "Header\r\nS1,1,1,0,0.1,10,1\r\nS1,1,1,-1,0.1,20,1\r\n"},
        {"empty file", ""},
        {"read error", "", true},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.what);
        host_.expect(
            answer_open({c.folder ? path("folder.DAT") : write_bytes("bad.DAT", c.bytes)}));
        host_.expect(answer_box(vbOK));
        Syscal_Click();
        EXPECT_EQ(host_.pending(), 0u);
        ASSERT_FALSE(host_.message_boxes().empty());
        EXPECT_EQ(host_.message_boxes().back().text,
                  c.folder ? "Error during reading\n\r" + path("folder.DAT")
                           : "No sounding could be read in bad.DAT");
        EXPECT_EQ(files(), (std::vector<std::string>{"bad.DAT", "folder.DAT", "keep.QD3"}));
        expect_kept_sounding(kept);
    }
}

TEST_F(SyscalCommand, TheClosingBoxCountsOnlyTheSoundingsWritten) {
    host_.expect(answer_open({data_file()}));
    host_.expect(answer_input("first"));
    host_.expect(answer_box(vbYes));
    host_.expect(answer_input(""));
    host_.expect(answer_box(vbOK));
    Syscal_Click();
    EXPECT_EQ(host_.pending(), 0u);
    // The second sounding was skipped: not "all converted", but how many of how many.
    EXPECT_EQ(host_.message_boxes().back().text, "Syscal soundings converted: 1 / 2");
}

TEST_F(SyscalCommand, CancellingTheFileDialogSaysNothing) {
    host_.expect(cancel_open());
    Syscal_Click();
    EXPECT_TRUE(host_.message_boxes().empty());
}

} // namespace
} // namespace ohmira::test
