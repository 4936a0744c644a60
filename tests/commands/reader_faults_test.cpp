// Sounding files from other sources: counts beyond the tables, stale columns, altitudes that are
// no number, files that are no regular files, and random damage to every reader's input.
#include <gtest/gtest.h>

#include <random>
#include <sys/stat.h>

#include "../linked_state.h"
#include "commands/open_save.h"
#include "commands_fixture.h"
#include "core/fit.h"
#include "core/older_files.h"
#include "core/qd3_file.h"
#include "editor/data_entry.h"
#include "form/settings_values.h"
#include "form/sev_form.h"

namespace ohmira::test {
namespace {

// Answers every box with OK and cancels every dialog.
class AnswerEverything : public HeadlessDialogHost {
public:
    int message_box(const MessageBoxRequest &) override {
        ++boxes;
        return vbOK;
    }
    int boxes = 0;
};

class ReaderFaultsTest : public CommandsTest {
protected:
    void SetUp() override {
        CommandsTest::SetUp();
        reset_linked_state();
        reset_SEV();
    }
    void TearDown() override {
        reset_SEV();
        CommandsTest::TearDown();
    }
};

std::string qde_with_points(int n) {
    std::string s = std::to_string(n) + "\r\n";
    for (int i = 1; i <= n; ++i)
        s += std::to_string(100 * i) + ",50\r\n";
    for (int j = 1; j <= 10; ++j)
        s += j == 1 ? "80,500,0\r\n" : "0,0,0\r\n";
    return s + "\"c\"\r\n\"\"\r\n\"t\"\r\n\"1\"\r\n\"2\"\r\n\"3\"\r\n\"4\"\r\n";
}

std::string sev_with(int n, int l) {
    std::string s = "TITLE\r\nULMAR\r\n1," + std::to_string(n) + "," + std::to_string(l) + "\r\n";
    for (int k = 1; k <= n; ++k)
        s += k <= l ? "1,1,100," + std::to_string(k) + ",50,2,0\r\n"
                    : "1,1,100," + std::to_string(k) + "\r\n";
    return s;
}

TEST_F(ReaderFaultsTest, OlderFilesKeepWhatFitsThenTellTheError) {
    std::string qde = write_bytes("many.QDE", qde_with_points(53));
    host_.expect(answer_box(vbOK));
    File_Name = "many.QDE";
    Load_QDE(qde);
    EXPECT_EQ(Nb_Points, 51);
    EXPECT_EQ(Field_Data(51, 1).num(), 51);
    EXPECT_EQ(Model_Layers(1, 1).num(), 80);
    EXPECT_EQ(Comment, "c");
    ASSERT_EQ(host_.message_boxes().size(), 1u);
    EXPECT_EQ(host_.message_boxes()[0].text,
              "Reading File Error...\n\r" + qde + "\n\r51 of 53 points kept");

    std::string sev = write_bytes("many.SEV", sev_with(53, 21));
    host_.expect(answer_box(vbOK));
    File_Name = "many.SEV";
    Load_SEV(sev);
    EXPECT_EQ(Nb_Points, 51);
    EXPECT_EQ(Field_Data(21, 1).num(), 21); // the point of the 21st layer record
    EXPECT_EQ(Field_Data(51, 1).num(), 51);
    EXPECT_EQ(Model_Layers(1, 20).num(), 50);
    ASSERT_EQ(host_.message_boxes().size(), 2u);
    EXPECT_EQ(host_.message_boxes()[1].text,
              "Reading File Error...\n\r" + sev +
                  "\n\r51 of 53 points kept\n\r20 of 21 layers kept");

    sev = write_bytes("layers.SEV", sev_with(30, 22));
    host_.expect(answer_box(vbOK));
    EXPECT_TRUE(Load_SEV(sev));
    EXPECT_EQ(Nb_Points, 30);
    EXPECT_EQ(Model_Layers(1, 20).num(), 50);
    ASSERT_EQ(host_.message_boxes().size(), 3u);
    EXPECT_EQ(host_.message_boxes()[2].text,
              "Reading File Error...\n\r" + sev + "\n\r20 of 22 layers kept");
}

TEST_F(ReaderFaultsTest, SevRowsCarryNoColumnsOfTheSoundingBefore) {
    for (int i = 1; i <= 12; ++i)
        for (int c = 3; c <= 7; ++c)
            Field_Data(i, c) = 9.0;
    std::string p = data_file("sample.SEV");
    File_Name = "sample.SEV";
    Load_SEV(p);
    ASSERT_EQ(Nb_Points, 12);
    for (int i = 1; i <= 12; ++i)
        for (int c = 3; c <= 7; ++c)
            EXPECT_EQ(Field_Data(i, c).num(), 0) << i << "," << c;
}

TEST_F(ReaderFaultsTest, AnAltitudeThatIsNoFiniteNumberGivesNoAltitude) {
    Model_Layers(1, 1) = 100.0;
    Model_Layers(2, 1) = 2.0;
    Model_Layers(1, 2) = 10.0;
    for (const char *z : {"1E400", "-1E400"}) {
        Layer_Altitude.clear();
        Z_Coord = z;
        EXPECT_NO_THROW(Update_Layer_Depths());
        EXPECT_EQ(Nb_Layers, 2);
        EXPECT_TRUE(Layer_Altitude(1).is_empty());
    }
}

TEST_F(ReaderFaultsTest, ReadersRefuseWhatIsNoRegularFile) {
    const std::string fifo = path("pipe.QD3");
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0644), 0);
    AnswerEverything host;
    DialogHostGuard guard(host);
    File_Name = "pipe.QD3";
    for (const std::string &bad : {fifo, std::string("/dev/zero"), path("")}) {
        std::string p = bad;
        Load_QD3(p);
        Load_QDE(p);
        Load_SEV(p);
    }
    EXPECT_EQ(host.boxes, 9);
    EXPECT_EQ(open_file_count(), 0);
}

// Random byte flips, cuts and huge counts in every file a user may hand the readers: no crash,
// no hang, the tables' bounds kept, nothing written.
TEST_F(ReaderFaultsTest, DamagedFilesNeverBreakTheReaders) {
    Nb_Points = 3;
    for (int i = 1; i <= 3; ++i) {
        Field_Data(i, 1) = 10.0 * i;
        Field_Data(i, 2) = 100.0;
        Field_Data(i, 3) = 1.0;
        Field_Data(i, 4) = 50.0;
        Field_Data(i, 5) = 155.5;
        Field_Data(i, 6) = 20.0;
    }
    Model_Layers(1, 1) = 100.0;
    Model_Layers(2, 1) = 3.0;
    Model_Layers(1, 2) = 20.0;
    Comment = "comment";
    const std::string good_qd3 = path("good.QD3");
    ASSERT_EQ(write_qd3_file(good_qd3), 0);

    const std::pair<std::string, std::string> samples[] = {
        {"QD3", read_bytes(good_qd3)},
        {"ESW", read_bytes(good_qd3)},
        {"QDE", read_bytes(data_file("sample.QDE"))},
        {"SEV", read_bytes(data_file("sample.SEV"))},
        {"TXT", "0.5,1.5\r\n0.5,2\r\n2,10\r\n"},
    };
    const char *huge[] = {"32767.5", "99999", "1E30", "-5", "51.5", "0.5", "2.25"};
    std::mt19937 random(20261208);
    AnswerEverything host;
    DialogHostGuard guard(host);
    const auto files_before = std::distance(std::filesystem::directory_iterator(dir_), {});
    for (const auto &[ext, bytes] : samples) {
        for (int round = 0; round < 100; ++round) {
            std::string damaged = bytes;
            switch (round % 3) {
            case 0:
                for (int f = 0; f < 1 + round % 5; ++f)
                    damaged[random() % damaged.size()] = static_cast<char>(random() % 256);
                break;
            case 1:
                damaged.resize(random() % damaged.size());
                break;
            default: {
                const auto end = damaged.find_first_of(",\r");
                damaged = huge[round % std::size(huge)] + damaged.substr(end);
            }
            }
            const std::string p = write_bytes("d." + ext, damaged);
            if (ext == "TXT") {
                // Wenner's layout or Schlumberger's, by the array selected.
                (round % 2 ? SEV.Option3 : SEV.Option1).Value(true);
                Spacing_File = p;
                File_Name = "NEW";
                Field_Data.clear();
                Load_build();
            } else {
                File_Path = p;
                Open_Sounding();
            }
            ASSERT_GE(Nb_Points, 0);
            ASSERT_LE(Nb_Points, 51);
            for (int i = 1; i <= 51; ++i)
                for (int c = 1; c <= 7; ++c)
                    ASSERT_TRUE(Field_Data(i, c).finite_num().has_value()) << ext << round;
        }
    }
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir_), {}), files_before + 5);
    EXPECT_EQ(open_file_count(), 0);
}

} // namespace
} // namespace ohmira::test
