#include "commands/auto_model_commands.h"
#include "conversions/res2dinv.h"

#include "batch_fixture.h"
#include "core/auto_model.h"
#include "core/sounding.h"
#include "form/settings_values.h"
#include "platform/screen.h"

#include <filesystem>
#include <sstream>

namespace ohmira::test {
namespace {

// A Wenner line of unit spacing 1: a = 1 with first electrodes 0..9, a = 2 with 0..6, a = 3 with
// 0..3; rho = 100 + the centre of the spread, so that a mean tells which centres were averaged.
std::vector<R2DI_Datum> three_levels() {
    std::vector<R2DI_Datum> data;
    const int last_electrode[] = {9, 6, 3};
    for (int a = 1; a <= 3; ++a) {
        for (int x = 0; x <= last_electrode[a - 1]; ++x) {
            const double centre = x + 1.5 * a;
            data.push_back({centre, double(a), 100 + centre});
        }
    }
    return data;
}

// x-location flag 0 writes the first electrodes, 1 the centres of the spreads.
std::string line_file(const std::vector<R2DI_Datum> &data, int type = 1, int ip = 0, int flag = 0) {
    std::ostringstream s;
    s << "Test line\r\n1\r\n"
      << type << "\r\n"
      << data.size() << "\r\n"
      << flag << "\r\n"
      << ip << "\r\n";
    for (const R2DI_Datum &d : data) {
        s << (flag == 0 ? d.x - 1.5 * d.a : d.x) << " " << d.a << " " << d.rho << "\r\n";
    }
    return s.str();
}

TEST(Res2dinvExtraction, AveragesEachLevelInShrinkingWindowsOfAtLeastTwoUnits) {
    const R2DI_Extraction cut = extract_soundings(three_levels(), 1, 3, 0);
    ASSERT_TRUE(cut.ok);
    EXPECT_EQ(cut.levels, 3);
    EXPECT_DOUBLE_EQ(cut.range, 9); // 1.5 .. 10.5: the last datum (7.5) takes no part
    EXPECT_EQ(cut.max_ab2, 1);
    ASSERT_EQ(cut.soundings.size(), 3u);
    // Level 1 windows of 3; level 2 start 3u in, width raised to 2u; level 3 start 6u in, with a
    // negative step.
    const std::vector<std::vector<double>> rho = {
        {103, 105.5, 107.5}, {106, 106.5, 107}, {109, 107.5, 106.5}};
    const char *y[] = {" 1.5", " 4.5", " 7.5"};
    for (int k = 0; k < 3; ++k) {
        const R2DI_Sounding &s = cut.soundings[k];
        EXPECT_EQ(s.spacing, (std::vector<double>{1, 2, 3})) << "sounding " << k + 1;
        EXPECT_EQ(s.rho, rho[k]) << "sounding " << k + 1;
        EXPECT_EQ(s.x_coord, " 0");
        EXPECT_EQ(s.y_coord, y[k]);
    }
}

TEST(Res2dinvExtraction, ALevelWithNoDatumInTheWindowAddsNoPoint) {
    std::vector<R2DI_Datum> data;
    for (int x = 0; x <= 9; ++x) {
        data.push_back({x + 1.5, 1, 50});
    }
    data.push_back({3, 2, 80});   // level 2: a single spread left of every level-2 window
    data.push_back({4.5, 3, 90}); // level 3: the last datum
    const R2DI_Extraction cut = extract_soundings(data, 1, 3, 0);
    ASSERT_TRUE(cut.ok);
    for (const R2DI_Sounding &s : cut.soundings) {
        EXPECT_EQ(s.spacing, std::vector<double>{1});
        EXPECT_EQ(s.rho, std::vector<double>{50});
    }
}

TEST(Res2dinvExtraction, CoordinatesAlongTheAzimuthFromTheOrigin) {
    struct Case {
        double azimuth, x0, y0;
        const char *x, *y;
    };
    // Offset of the first of three soundings on a range of 9: 1.5. The degree factor 0.01745329
    // makes sin 90° fall just short of 1: the cut to four decimals then gives 1.4999.
    const Case cases[] = {
        {0, 0, 0, " 0", " 1.5"},
        {90, 0, 0, " 1.4999", " 0"},
        {0, 1000, 2000, " 1000", " 2001.5"},
        {180, 0, 0, " 0", "-1.5"},
    };
    for (const Case &c : cases) {
        const R2DI_Extraction cut = extract_soundings(three_levels(), 1, 3, c.azimuth, c.x0, c.y0);
        ASSERT_TRUE(cut.ok);
        EXPECT_EQ(cut.soundings[0].x_coord, c.x) << c.azimuth;
        EXPECT_EQ(cut.soundings[0].y_coord, c.y) << c.azimuth;
    }
}

TEST(Res2dinvExtraction, LinesThatCannotBeCutAreRefused) {
    std::vector<R2DI_Datum> many_levels;
    for (int a = 1; a <= 52; ++a) {
        many_levels.push_back({double(a), double(a), 10});
    }
    const std::vector<R2DI_Datum> one = {{1.5, 1, 10}};
    const std::vector<R2DI_Datum> flat = {{1.5, 1, 10}, {1.5, 1, 10}, {1.5, 1, 10}};
    EXPECT_FALSE(extract_soundings(many_levels, 1, 3, 0).ok);
    EXPECT_FALSE(extract_soundings(one, 1, 3, 0).ok);
    EXPECT_FALSE(extract_soundings(flat, 1, 3, 0).ok);
    EXPECT_FALSE(extract_soundings(three_levels(), 1, 0, 0).ok);
}

TEST(Res2dinvExtraction, FirstElectrodeAndMidPointFilesGiveTheSameSoundings) {
    // The same line, read from files written with either x-location flag.
    const R2DI_Line first = read_res2dinv_file(OHMIRA_TEST_DATA "/res2dinv-wenner32-flag0.dat");
    const R2DI_Line middle = read_res2dinv_file(OHMIRA_TEST_DATA "/res2dinv-wenner32.dat");
    ASSERT_EQ(first.refusal, R2DI_Refusal::none);
    ASSERT_EQ(middle.refusal, R2DI_Refusal::none);
    ASSERT_EQ(first.data.size(), 1648u);
    ASSERT_EQ(middle.data.size(), 1648u);
    EXPECT_DOUBLE_EQ(middle.data[0].x, 1.5); // 1.5 is the centre as written, not moved
    const R2DI_Extraction a = extract_soundings(first.data, first.unit, 10, 0);
    const R2DI_Extraction b = extract_soundings(middle.data, middle.unit, 10, 0);
    ASSERT_TRUE(a.ok);
    ASSERT_TRUE(b.ok);
    EXPECT_EQ(a.range, b.range);
    ASSERT_EQ(a.soundings.size(), b.soundings.size());
    for (std::size_t k = 0; k < a.soundings.size(); ++k) {
        EXPECT_EQ(a.soundings[k].spacing, b.soundings[k].spacing) << "sounding " << k + 1;
        ASSERT_EQ(a.soundings[k].rho.size(), b.soundings[k].rho.size());
        for (std::size_t p = 0; p < a.soundings[k].rho.size(); ++p) {
            EXPECT_NEAR(a.soundings[k].rho[p], b.soundings[k].rho[p], 1e-9);
        }
        EXPECT_EQ(a.soundings[k].y_coord, b.soundings[k].y_coord);
    }
}

TEST(Res2dinvExtraction, SoundingNamesKeepTheBlankOfTheNumber) {
    EXPECT_EQ(r2di_sounding_path("/d/line.DAT", 1), "/d/line_ 1.QD3");
    EXPECT_EQ(r2di_sounding_path("/d/line.DAT", 10), "/d/line_ 10.QD3");
}

class Res2dinvCommand : public BatchTest {
protected:
    // Answers the dialog with the count and presses OK.
    static ScriptedAnswer dialog(const std::string &count, const std::string &azimuth = "0") {
        return answer_form([count, azimuth](Form &) {
            R2DI_par.Text1.Text(count);
            R2DI_par.Text4.Text(azimuth);
            R2DI_par.Text5.Text("250");
            R2DI_par.Command1.user_click();
        });
    }
    void expect_state_restored() {
        EXPECT_TRUE(SEV.Option1.Value());
        EXPECT_FALSE(SEV.Option3.Value());
        EXPECT_EQ(Niveau, "0");
        EXPECT_EQ(Saved_Niveau, "0");
        EXPECT_EQ(Screen.MousePointer(), vbDefault);
        EXPECT_EQ(SEV.Bilog.MousePointer(), vbCrosshair);
    }
    void SetUp() override {
        BatchTest::SetUp();
        Setup_Auto_Threshold_Slider();
        Niveau = "0";
        Saved_Niveau = "0";
    }
};

TEST_F(Res2dinvCommand, RefusedFilesStopBeforeTheDialog) {
    std::vector<R2DI_Datum> big(5001, R2DI_Datum{1.5, 1, 10});
    std::vector<R2DI_Datum> huge = three_levels();
    huge[1].rho = 5e37; // more than a QD3 file holds
    std::vector<R2DI_Datum> wide = three_levels();
    wide[2].a = 4e37; // a level spacing more than a QD3 file holds
    struct Case {
        std::string bytes, message, value; // the box: its message, the file, the value
    };
    const Case cases[] = {
        {line_file(three_levels(), 7), "Only for Wenner spread", "\n\rline 3: 7"},
        {line_file(big), "Max. 5000 mesures", "\n\rline 4: 5001"},
        {line_file(three_levels(), 1, 1), "Not for IP surveys", "\n\rline 6: 1"},
        {line_file(three_levels(), 1, 0, 2),
         "Unknown x-location flag 2 (0: first electrode, 1: mid-point)", "\n\rline 5: 2"},
        {"Title\r\n1\r\n1\r\n", "Error during reading", ""},
        {line_file(huge), "Error during reading", "\n\rline 8: 5E+37"},
        {line_file(wide), "Error during reading", "\n\rline 9: 4E+37"},
    };
    for (const Case &c : cases) {
        const std::string file = write_bytes("line.DAT", c.bytes);
        host_.expect(answer_open({file}));
        host_.expect(answer_box(vbOK));
        RES2DINV_Click();
        EXPECT_EQ(host_.message_boxes().back().text, c.message + "\n\r" + file + c.value);
        EXPECT_EQ(host_.pending(), 0u);
        expect_state_restored();
    }
    EXPECT_EQ(files(), std::vector<std::string>{"line.DAT"});
}

TEST_F(Res2dinvCommand, TheArrayOptionComesBackAfterEveryEnding) {
    const std::string file = write_bytes("line.DAT", line_file(three_levels()));
    std::vector<R2DI_Datum> many(three_levels());
    for (int a = 4; a <= 60; ++a) {
        many.push_back({20, double(a), 10});
    }
    const std::string deep = write_bytes("deep.DAT", line_file(many));

    // A count outside 1..100.
    for (const char *count : {"0", "101"}) {
        host_.expect(answer_open({file}));
        host_.expect(dialog(count));
        host_.expect(answer_box(vbOK));
        RES2DINV_Click();
        EXPECT_EQ(host_.message_boxes().back().text, "Conversion aborted");
        EXPECT_EQ(host_.message_boxes().back().icon, MsgIcon::Information);
        expect_state_restored();
    }
    // The dialog closed without OK: nothing said, nothing done.
    const std::size_t boxes = host_.message_boxes().size();
    host_.expect(answer_open({file}));
    host_.expect(answer_form([](Form &f) { f.Unload(); }));
    RES2DINV_Click();
    EXPECT_EQ(host_.message_boxes().size(), boxes);
    expect_state_restored();
    // An error after the dialog: more than 50 levels.
    host_.expect(answer_open({deep}));
    host_.expect(dialog("3"));
    host_.expect(answer_box(vbOK));
    RES2DINV_Click();
    EXPECT_EQ(host_.message_boxes().back().text, "Error during reading\n\r" + deep);
    expect_state_restored();
    // The dialog cancelled: not a word.
    const std::size_t before = host_.message_boxes().size();
    host_.expect(cancel_open());
    RES2DINV_Click();
    EXPECT_EQ(host_.message_boxes().size(), before);
    expect_state_restored();
}

TEST_F(Res2dinvCommand, RefusedCancelledOrFailingRunsKeepTheSoundingAndItsFile) {
    const std::string kept = open_kept_sounding();
    std::vector<R2DI_Datum> deep(three_levels());
    for (int a = 4; a <= 60; ++a)
        deep.push_back({20, double(a), 10});
    const auto close_dialog = answer_form([](Form &f) { f.Unload(); });
    struct Case {
        const char *what;
        std::string bytes;
        std::vector<ScriptedAnswer> answers; // after the file dialog
        bool unwritable = false;             // folders stand where the soundings would go
    };
    const Case cases[] = {
        {"not Wenner", line_file(three_levels(), 7), {answer_box(vbOK)}},
        {"IP survey", line_file(three_levels(), 1, 1), {answer_box(vbOK)}},
        {"location flag", line_file(three_levels(), 1, 0, 2), {answer_box(vbOK)}},
        {"unreadable", "Title\r\n1\r\n1\r\n", {answer_box(vbOK)}},
        {"count 0", line_file(three_levels()), {dialog("0"), answer_box(vbOK)}},
        {"dialog closed", line_file(three_levels()), {close_dialog}},
        {"more than 50 levels", line_file(deep), {dialog("3"), answer_box(vbOK)}},
        {"no file written", line_file(three_levels()), {dialog("2"), answer_box(vbOK)}, true},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.what);
        const std::string file = write_bytes("line.DAT", c.bytes);
        for (int k = 1; k <= 2 && c.unwritable; ++k)
            std::filesystem::create_directory(r2di_sounding_path(file, k));
        host_.expect(answer_open({file}));
        for (const ScriptedAnswer &a : c.answers)
            host_.expect(a);
        RES2DINV_Click();
        EXPECT_EQ(host_.pending(), 0u);
        expect_state_restored();
        expect_kept_sounding(kept);
        EXPECT_EQ(read_bytes(file), c.bytes);
        for (int k = 1; k <= 2 && c.unwritable; ++k)
            std::filesystem::remove(r2di_sounding_path(file, k));
        EXPECT_EQ(files(), (std::vector<std::string>{"keep.QD3", "line.DAT"}));
    }
    host_.expect(cancel_open());
    RES2DINV_Click();
    expect_kept_sounding(kept);
}

TEST_F(Res2dinvCommand, AWriteErrorStopsTheRunWithOneBoxNamingWhatWasWritten) {
    const std::string file = write_bytes("line.DAT", line_file(three_levels()));
    std::filesystem::create_directory(path("line_ 2.QD3"));
    host_.expect(answer_open({file}));
    host_.expect(dialog("3"));
    host_.expect(answer_box(vbOK));
    RES2DINV_Click();
    EXPECT_EQ(host_.pending(), 0u);
    EXPECT_EQ(box_texts(),
              std::vector<std::string>{"Write protected File...\n\r" + path("line_ 2.QD3") +
                                       "\n\rSoundings written: line_ 1.QD3"});
    EXPECT_EQ(files(), (std::vector<std::string>{"line.DAT", "line_ 1.QD3", "line_ 2.QD3"}));
    EXPECT_EQ(File_Path, path("line_ 1.QD3"));
    expect_state_restored();
}

// A line over a conductive layer on a resistive basement: six levels, rho rising with a.
std::vector<R2DI_Datum> two_layer_line() {
    std::vector<R2DI_Datum> data;
    for (int a = 1; a <= 6; ++a) {
        for (int x = 0; x + 3 * a <= 30; ++x) {
            data.push_back({x + 1.5 * a, double(a), 20.0 * a * a + (x % 3)});
        }
    }
    return data;
}

TEST_F(Res2dinvCommand, EachSoundingIsFittedAndTheLastStaysCurrent) {
    const std::string file = write_bytes("line.DAT", line_file(two_layer_line()));
    host_.expect(answer_open({file}));
    host_.expect(dialog("3", "0"));
    RES2DINV_Click();
    EXPECT_TRUE(host_.message_boxes().empty());
    EXPECT_EQ(R2DI_par.Label1.Caption(), "Number of soundings to extract (max. 100)");
    expect_state_restored();
    EXPECT_EQ(File_Path, path("line_ 3.QD3"));
    EXPECT_EQ(Graph_Title, "Test line");
    EXPECT_EQ(X_Coord, " 0");
    EXPECT_EQ(Y_Coord, " 22.5");
    EXPECT_EQ(Z_Coord, "250");
    EXPECT_EQ(Azimuth, "0");
    EXPECT_EQ(Nb_Points, 6);
    EXPECT_DOUBLE_EQ(Field_Data(6, 1).num(), 6);
    EXPECT_GE(Nb_Layers, 2);
    EXPECT_EQ(Draw_Mode, "");
    EXPECT_EQ(files(),
              (std::vector<std::string>{"line.DAT", "line_ 1.QD3", "line_ 2.QD3", "line_ 3.QD3"}));
    const std::string qd3 = read_bytes(path("line_ 1.QD3"));
    EXPECT_EQ(qd3.substr(0, 22), "6.5\r\n10,2090,0,0,0,0\r\n");
    EXPECT_NE(
        qd3.find("\"\"\r\n\"\"\r\n\"Test line\"\r\n\" 0\"\r\n\" 4.5\"\r\n\"250\"\r\n\"0\"\r\n"),
        std::string::npos)
        << qd3;
    expect_editor_save_keeps(path("line_ 3.QD3"));
}

} // namespace
} // namespace ohmira::test
