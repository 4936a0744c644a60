#include "commands/auto_model_commands.h"
#include "conversions/sheet_import.h"

#include <algorithm>
#include <filesystem>

#include "batch_fixture.h"
#include "conversions/res2dinv.h"
#include "core/auto_model.h"
#include "core/sounding.h"
#include "platform/screen.h"

namespace ohmira::test {
namespace {

using Fields = std::vector<std::string>;

TEST(SheetFields, CharactersOutsideHashToZEndAField) {
    struct Case {
        const char *line;
        Fields fields;
    };
    const Case cases[] = {
        {"S12 1000 2000 150 20 35 60", {"S12", "1000", "2000", "150", "20", "35", "60"}},
        {"S12 1000 2000 150 20 35 60 ", {"S12", "1000", "2000", "150", "20", "35", "60"}},
        {"S12 1000 2000 150 20 35 60\r", {"S12", "1000", "2000", "150", "20", "35", "60"}},
        {"S12 1000 2000 150 20  35 60", {"S12", "1000", "2000", "150", "20", "", "35", "60"}},
        {"S12\t1000\t2000\t150\t20", {"S12", "1000", "2000", "150", "20"}},
        {"S12,1000 2000", {"S12,1000", "2000"}},
        {"A|B\"C!D~E{F}G", {"A", "B", "C", "D", "E", "F", "G"}},
        {"S1\xC3\xA9"
         "2 5",
         {"S1", "2", "5"}},
        {"", {""}},
    };
    for (const Case &c : cases) {
        EXPECT_EQ(cut_sheet_fields(c.line), c.fields) << c.line;
    }
}

class SheetCommand : public BatchTest {
protected:
    void SetUp() override {
        BatchTest::SetUp();
        Setup_Auto_Threshold_Slider();
        Comment = "field book 3";
    }
    // Runs the command on the two files, answering the final box.
    void run(const std::string &spread, const std::string &rho, int boxes = 1) {
        host_.expect(answer_open({write_bytes("spread.TXT", spread)}));
        host_.expect(answer_open({write_bytes("rho.TXT", rho)}));
        for (int b = 0; b < boxes; ++b) {
            host_.expect(answer_box(vbOK));
        }
        Sheet_Click();
        EXPECT_EQ(host_.pending(), 0u);
    }
};

TEST_F(SheetCommand, EachLineIsFittedAndSavedBesideTheResistivityFile) {
    run("1\r\n2\r\n5\r\n10\r\n20\r\n",
        "S1 1000 2000 150 30 32 45 80 120\r\n"
        "S2 1100 2000 151 30 35 60 90\r\n"
        "S3 1200 2000 152 30 35 60 90 120 130\r\n"
        "\r\n"
        "S4 1300 2000 153 25 30 50 80 100 \r\n"
        "S5 1400 2000 154 25 30 50\r\n",
        2);
    const auto boxes = host_.message_boxes();
    ASSERT_EQ(boxes.size(), 2u);
    EXPECT_EQ(boxes[0].text,
              "Spread data missing for sounding S3.QD3\n\r" + path("rho.TXT") + "\n\rline 3");
    EXPECT_EQ(boxes[0].icon, MsgIcon::Information);
    EXPECT_EQ(boxes[1].text, " 4 soundings have been saved as *.QD3 files");
    EXPECT_EQ(files(), (std::vector<std::string>{"S1.QD3", "S2.QD3", "S4.QD3", "S5.QD3", "rho.TXT",
                                                 "spread.TXT"}));
    // The last line is the current sounding: three points, the spacings of the spread file.
    EXPECT_EQ(Nb_Points, 3);
    EXPECT_DOUBLE_EQ(Field_Data(3, 1).num(), 5);
    EXPECT_DOUBLE_EQ(Field_Data(3, 2).num(), 50);
    EXPECT_EQ(X_Coord, "1400");
    EXPECT_EQ(Z_Coord, "154");
    EXPECT_GE(Nb_Layers, 2);
    const std::string s4 = read_bytes(path("S4.QD3"));
    EXPECT_EQ(s4.substr(0, 5), "5.5\r\n") << s4; // the trailing blank added no point
    EXPECT_EQ(s4.find("\"field book 3\""), std::string::npos)
        << "the comment of the sounding on screen is no comment of the sheet's soundings";
    EXPECT_EQ(Screen.MousePointer(), vbDefault);
    EXPECT_TRUE(SEV.Option1.Value());
    expect_editor_save_keeps(path("S5.QD3"));
}

TEST_F(SheetCommand, CancelledOrFailedRunsKeepTheSoundingAndItsFiles) {
    const std::string kept = open_kept_sounding();
    const std::string spread = "1\r\n2\r\n5\r\n";
    std::string long_spread;
    for (int s = 1; s <= 52; ++s)
        long_spread += std::to_string(s) + "\r\n";
    std::filesystem::create_directory(path("folder.TXT"));
    std::filesystem::create_directory(path("S7.QD3"));
    const std::string sp = write_bytes("spread.TXT", spread);
    const std::string longer = write_bytes("long.TXT", long_spread);
    const std::string missing = write_bytes("missing.TXT", "S9 0 0 100 30 45 80 90\r\n");
    const std::string unwritable = write_bytes("unwritable.TXT", "S7 0 0 100 30 45 80\r\n");
    struct Case {
        const char *what;
        std::vector<ScriptedAnswer> answers;
    };
    const Case cases[] = {
        {"first dialog cancelled", {cancel_open()}},
        {"second dialog cancelled", {answer_open({sp}), cancel_open()}},
        {"spread file too long", {answer_open({longer}), answer_box(vbOK)}},
        {"resistivity file unreadable",
         {answer_open({sp}), answer_open({path("folder.TXT")}), answer_box(vbOK)}},
        {"every line refused",
         {answer_open({sp}), answer_open({missing}), answer_box(vbOK), answer_box(vbOK)}},
        {"no file written", {answer_open({sp}), answer_open({unwritable}), answer_box(vbOK)}},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.what);
        for (const ScriptedAnswer &a : c.answers)
            host_.expect(a);
        Sheet_Click();
        EXPECT_EQ(host_.pending(), 0u);
        expect_kept_sounding(kept);
        EXPECT_EQ(read_bytes(sp), spread);
    }
    EXPECT_EQ(files(), (std::vector<std::string>{"S7.QD3", "folder.TXT", "keep.QD3", "long.TXT",
                                                 "missing.TXT", "spread.TXT", "unwritable.TXT"}));
}

TEST_F(SheetCommand, AWriteErrorStopsTheRunWithOneBoxAndLeavesTheLastSoundingWritten) {
    std::filesystem::create_directory(path("S2.QD3"));
    run("1\r\n2\r\n5\r\n", "S1 0 0 100 30 45 80\r\nS2 0 0 100 30 35 60\r\nS3 0 0 100 30 35 60\r\n");
    EXPECT_EQ(box_texts(), std::vector<std::string>{"Write protected File...\n\r" + path("S2.QD3") +
                                                    "\n\rSoundings written: S1.QD3"});
    EXPECT_FALSE(std::filesystem::exists(path("S3.QD3")));
    EXPECT_EQ(File_Path, path("S1.QD3"));
    EXPECT_EQ(SEV.Caption(), Prog_Title + " [" + path("S1.QD3") + "]");
    EXPECT_DOUBLE_EQ(Field_Data(2, 2).num(), 45);
    expect_file_save_keeps(path("S1.QD3"));
}

TEST_F(SheetCommand, NamesThatLeaveTheFolderAreRefusedLineByLine) {
    std::filesystem::create_directories(dir_ / "in");
    host_.expect(answer_open({write_bytes("in/spread.TXT", "1\r\n2\r\n5\r\n")}));
    host_.expect(answer_open({write_bytes("in/rho.TXT", "../escaped 1 2 3 30 35 60\r\n"
                                                        "../../other/S1 1 2 3 30 35 60\r\n"
                                                        " 1 2 3 30 35 60\r\n"
                                                        ".hidden 1 2 3 30 35 60\r\n"
                                                        "a\\b 1 2 3 30 35 60\r\n"
                                                        "S9 1 2 3 30 35 60\r\n")}));
    for (int b = 0; b < 6; ++b)
        host_.expect(answer_box(vbOK));
    Sheet_Click();
    EXPECT_EQ(host_.pending(), 0u);
    // The second dialog opens in the spread file's folder.
    EXPECT_EQ(host_.records()[1].initial_dir, (dir_ / "in").string() + "/");
    const auto boxes = host_.message_boxes();
    ASSERT_EQ(boxes.size(), 6u);
    const char *refused[] = {"../escaped", "../../other/S1", "", ".hidden", "a\\b"};
    for (int b = 0; b < 5; ++b) {
        EXPECT_EQ(boxes[b].text, std::string("Sounding name refused: \"") + refused[b] + "\"\n\r" +
                                     (dir_ / "in/rho.TXT").string() + "\n\rline " +
                                     std::to_string(b + 1));
        EXPECT_EQ(boxes[b].icon, MsgIcon::Information);
    }
    EXPECT_EQ(boxes[5].text, " 1 soundings have been saved as *.QD3 files");
    EXPECT_EQ(files(), (std::vector<std::string>{"in"}));
    std::vector<std::string> inside;
    for (const auto &e : std::filesystem::directory_iterator(dir_ / "in"))
        inside.push_back(e.path().filename().string());
    std::sort(inside.begin(), inside.end());
    EXPECT_EQ(inside, (std::vector<std::string>{"S9.QD3", "rho.TXT", "spread.TXT"}));
    EXPECT_FALSE(std::filesystem::exists(dir_.parent_path() / "other"));
}

TEST_F(SheetCommand, ASpacingBeyondSixteenBitsStopsTheReadAndWritesNothing) {
    host_.expect(answer_open({write_bytes("spread.TXT", "1\r\n2\r\n40000\r\n")}));
    host_.expect(answer_box(vbOK));
    Sheet_Click();
    EXPECT_EQ(host_.pending(), 0u);
    ASSERT_EQ(host_.message_boxes().size(), 1u);
    EXPECT_EQ(host_.message_boxes()[0].text,
              "Error during reading\n\r" + path("spread.TXT") + "\n\rline 3: 40000");
    EXPECT_EQ(files(), std::vector<std::string>{"spread.TXT"});
    EXPECT_FALSE(Field_Data(3, 1).num() == 40000);
}

TEST_F(SheetCommand, ALineWithAResistivityThatIsNoPositiveNumberIsRefused) {
    // A double blank is an empty resistivity; 0, -5 and "x" are no resistivities either. The
    // line is refused as a line without its spread data is: a box naming the field, no file,
    // not counted.
    const std::pair<const char *, const char *> cases[] = {
        {"S9 0 0 100 30  45 80", "(empty)"}, {"S9 0 0 100 30 0 45 80", "0"},
        {"S9 0 0 100 30 -5 45 80", "-5"},    {"S9 0 0 100 30 x 45 80", "x"},
        {"S9 0 0 100 30 1-2 45 80", "1-2"},  {"S9 0 0 100 30 5.5.5 45 80", "5.5.5"}};
    for (const auto &[line, value] : cases) {
        std::filesystem::remove(path("S9.QD3"));
        host_ = ScriptedDialogHost{};
        run("1\r\n2\r\n5\r\n10\r\n", "S8 0 0 100 30 40 45 80\r\n" + std::string(line) + "\r\n", 2);
        EXPECT_EQ(box_texts(), (std::vector<std::string>{
                                   "Resistivity data wrong for sounding S9.QD3\n\r" +
                                       path("rho.TXT") + "\n\rline 2, resistivity 2: " + value,
                                   " 1 soundings have been saved as *.QD3 files"}))
            << line;
        EXPECT_FALSE(std::filesystem::exists(path("S9.QD3"))) << line;
        EXPECT_TRUE(std::filesystem::exists(path("S8.QD3"))) << line;
    }
}

TEST_F(SheetCommand, AResistivityAQd3FileCannotHoldIsRefusedAndNamed) {
    run("1\r\n2\r\n5\r\n10\r\n", "S9 0 0 100 5E+37 45 80\r\nS8 0 0 100 30 40 45 80\r\n", 2);
    EXPECT_EQ(box_texts(),
              (std::vector<std::string>{"Resistivity data wrong for sounding S9.QD3\n\r" +
                                            path("rho.TXT") + "\n\rline 1, resistivity 1: 5E+37",
                                        " 1 soundings have been saved as *.QD3 files"}));
    EXPECT_FALSE(std::filesystem::exists(path("S9.QD3")));
    EXPECT_TRUE(std::filesystem::exists(path("S8.QD3")));
}

TEST_F(SheetCommand, AFittedLayerBeyondTheFileIsBroughtWithinIt) {
    // Resistivities rising steeply to the last spacing: the fit puts the basement beyond the
    // largest layer resistivity the file holds.
    run("1\r\n2\r\n5\r\n10\r\n20\r\n50\r\n", "S3 0 0 0 10 12 20 1000 100000 9000000\r\n");
    EXPECT_EQ(box_texts(), std::vector<std::string>{" 1 soundings have been saved as *.QD3 files"});
    const std::string s3 = read_bytes(path("S3.QD3"));
    EXPECT_NE(s3.find("\r\n2147483600,0,"), std::string::npos) << s3;
    expect_editor_save_keeps(path("S3.QD3"));
}

TEST_F(SheetCommand, UpTo51SpacingsAndNoMore) {
    std::string spread, line = "L 0 0 0";
    for (int s = 1; s <= 51; ++s) {
        spread += std::to_string(s) + "\r\n";
        line += " " + std::to_string(10 + s);
    }
    run(spread, line + "\r\n");
    EXPECT_EQ(host_.message_boxes().back().text, " 1 soundings have been saved as *.QD3 files");
    EXPECT_EQ(Nb_Points, 51);

    host_.expect(answer_open({write_bytes("spread.TXT", spread + "52\r\n")}));
    host_.expect(answer_box(vbOK));
    Sheet_Click();
    EXPECT_EQ(host_.message_boxes().back().text, "Error during reading\n\r" + path("spread.TXT"));
    EXPECT_EQ(host_.message_boxes().back().icon, MsgIcon::Critical);
}

TEST_F(SheetCommand, NoFileChosenEndsQuietly) {
    host_.expect(cancel_open());
    Sheet_Click();
    EXPECT_TRUE(box_texts().empty());
    EXPECT_EQ(host_.pending(), 0u);
    EXPECT_EQ(Screen.MousePointer(), vbDefault);
    EXPECT_EQ(SEV.Bilog.MousePointer(), vbCrosshair);
}

} // namespace
} // namespace ohmira::test
