#include "commands/open_save.h"

#include <gtest/gtest.h>

#include <sys/stat.h>

#include "../linked_state.h"
#include "commands_fixture.h"
#include "core/qd3_file.h"
#include "form/sev_form.h"

namespace ohmira::test {
namespace {

std::string zero_layer_lines(int n) {
    std::string s;
    for (int i = 0; i < n; ++i)
        s += "0,0,0\r\n";
    return s;
}

class OpenSaveTest : public CommandsTest {
protected:
    void SetUp() override {
        CommandsTest::SetUp();
        reset_linked_state();
        reset_SEV();
    }
    void TearDown() override {
        Save_QD3_Writer = nullptr;
        reset_SEV();
        CommandsTest::TearDown();
    }

    // A QD3 file of two points and a two-layer model.
    std::string make_qd3(const std::string &name, double first_spacing = 1.5) {
        Field_Data.clear();
        Model_Layers.clear();
        Nb_Points = 2;
        Field_Data(1, 1) = first_spacing;
        Field_Data(1, 2) = 100.0;
        Field_Data(2, 1) = 10.0;
        Field_Data(2, 2) = 50.0;
        Model_Layers(1, 1) = 100.0;
        Model_Layers(2, 1) = 2.0;
        Model_Layers(1, 2) = 40.0;
        Comment = "made";
        const std::string p = path(name);
        EXPECT_EQ(write_qd3_file(p), 0);
        Field_Data.clear();
        Model_Layers.clear();
        Nb_Points = 0;
        Comment.clear();
        return p;
    }

    std::vector<std::string> box_texts() const {
        std::vector<std::string> texts;
        for (const auto &r : host_.message_boxes())
            texts.push_back(r.text);
        return texts;
    }
};

TEST_F(OpenSaveTest, RecentListShiftsAndComparesOnlyEntryOne) {
    struct Case {
        std::vector<std::string> opened;
        std::vector<std::string> expected; // entries 1..5
    };
    const Case cases[] = {
        {{"a"}, {"a", "", "", "", ""}},
        {{"a", "b"}, {"b", "a", "", "", ""}},
        {{"a", "a"}, {"a", "", "", "", ""}},
        {{"a", "b", "a"}, {"a", "b", "a", "", ""}},
        {{"1", "2", "3", "4", "5", "6"}, {"6", "5", "4", "3", "2"}},
    };
    for (const auto &c : cases) {
        Recent_Files.clear();
        for (const auto &p : c.opened)
            add_recent_file(p);
        for (int k = 1; k <= 5; ++k)
            EXPECT_EQ(Recent_Files(k), c.expected[k - 1]) << "entry " << k;
    }
    EXPECT_EQ(SEV.F1_F.Caption(), "&1 6");
    EXPECT_EQ(SEV.F5_F.Caption(), "&5 2");
}

TEST_F(OpenSaveTest, SavedNameTakesTheQd3Extension) {
    const std::pair<const char *, const char *> cases[] = {
        {"survey", "survey.QD3"},     {"site.txt", "site.QD3"},
        {"site.2.QD3", "site.2.QD3"}, {"site.2.dat", "site.2.QD3"},
        {"a.qd3", "a.qd3"},           {"b.Qd3", "b.Qd3"},
        {"old.SEV", "old.QD3"},       {"trailing.", "trailing.QD3"},
    };
    for (const auto &[given, expected] : cases)
        EXPECT_EQ(qd3_file_name(given), expected) << given;
}

TEST_F(OpenSaveTest, OpeningChoosesTheReaderByExtension) {
    const std::string qd3 = make_qd3("s.QD3");
    const std::string esw = write_bytes("e.ESW", std::string("1\r\n10,50,100,1000,15550,100\r\n") +
                                                     "5000,200,0\r\n" + zero_layer_lines(9));
    const std::string sev = write_bytes("u.sev", read_bytes(data_file("sample.SEV")));
    const std::string qde = write_bytes("q.QDE", read_bytes(data_file("sample.QDE")));
    struct Case {
        std::string path;
        std::string name_after; // File_Name after the open
        int points;
        double first_spacing;
    };
    const Case cases[] = {
        {qd3, "s.QD3", 2, 1.5},
        {sev, "u.QD3", 12, 1.5},
        {qde, "q.QD3", 3, 10},
        {esw, "e.QD3", 1, 1},
    };
    for (const auto &c : cases) {
        File_Path = c.path;
        Open_Sounding();
        EXPECT_EQ(File_Name, c.name_after) << c.path;
        EXPECT_EQ(File_Path, path(c.name_after));
        EXPECT_EQ(Chemin, path(""));
        EXPECT_EQ(Nb_Points, c.points) << c.path;
        EXPECT_DOUBLE_EQ(Field_Data(1, 1).num(), c.first_spacing) << c.path;
        EXPECT_EQ(Recent_Files(1), c.path);
        EXPECT_EQ(SEV.Caption(), "Ohmira 6.5 [" + c.path + "]"); // the file read
        EXPECT_EQ(Draw_Mode, "NORMAL");
    }
    EXPECT_TRUE(host_.message_boxes().empty());
}

TEST_F(OpenSaveTest, UnreadableFilesLeaveTheSoundingUntouched) {
    const std::string good = make_qd3("good.QD3");
    File_Path = good;
    Open_Sounding();
    ASSERT_EQ(Nb_Points, 2);

    const std::string fifo = path("pipe.QD3");
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0644), 0);
    const std::string big = path("big.QD3");
    {
        std::ofstream out(big, std::ios::binary);
        out.seekp(Max_Sounding_File_Bytes);
        out.put('1');
    }
    for (const std::string &bad :
         {path("missing.QD3"), fifo, big, path(""), std::string("/dev/zero")}) {
        host_.expect(answer_box(vbOK));
        File_Path = bad;
        Open_Sounding();
        EXPECT_EQ(Nb_Points, 2) << bad;
        EXPECT_DOUBLE_EQ(Field_Data(1, 2).num(), 100) << bad;
        EXPECT_EQ(Recent_Files(1), good) << bad;
        EXPECT_EQ(Recent_Files(2), "") << bad;
        EXPECT_EQ(box_texts().back(),
                  "Reading File Error...\n\r" + bad + "\n\rfile not found or not readable");
    }
}

TEST_F(OpenSaveTest, ReadMenuCancelChangesNothingAndChosenFileIsOpened) {
    const std::string p = make_qd3("s.QD3");
    File_Path = "/somewhere/current.QD3";
    File_Name = "current.QD3";
    Field_Data(1, 2) = 77.0;
    Nb_Points = 1;
    host_.expect(cancel_open());
    NFile_Click();
    ASSERT_EQ(host_.records().size(), 1u);
    const auto &dialog = host_.records()[0];
    EXPECT_EQ(dialog.kind, DialogKind::OpenFile);
    EXPECT_EQ(dialog.title, "OHMIRA File selection");
    EXPECT_EQ(dialog.filter, "Ohmira 5 & 6 (*.QD3)|*.QD3|Ohmira 2.2 (*.ESW)|*.ESW|Ohmira 1.0 "
                             "(*.QDE)|*.QDE|Ulmar DOS (*.SEV)|*.SEV");
    EXPECT_EQ(dialog.default_text, "*.QD3");
    EXPECT_EQ(File_Path, "/somewhere/current.QD3");
    EXPECT_DOUBLE_EQ(Field_Data(1, 2).num(), 77);
    EXPECT_EQ(Nb_Points, 1);

    host_.expect(answer_open({p}));
    NFile_Click();
    EXPECT_EQ(File_Path, p);
    EXPECT_EQ(File_Name, "s.QD3");
    EXPECT_EQ(Nb_Points, 2);
    EXPECT_EQ(Recent_Files(1), p);
}

TEST_F(OpenSaveTest, RecentEntriesOpenTheirFileAndEmptyOnesDoNothing) {
    const std::string p1 = make_qd3("p1.QD3", 1);
    const std::string p2 = make_qd3("p2.QD3", 2);
    const std::string p3 = make_qd3("p3.QD3", 3);
    const std::string p4 = make_qd3("p4.QD3", 4);
    for (const auto &p : {p4, p3, p2, p1})
        add_recent_file(p);
    F3_F_Click();
    EXPECT_DOUBLE_EQ(Field_Data(1, 1).num(), 3);
    EXPECT_EQ(File_Name, "p3.QD3");
    const std::string expected[] = {p3, p1, p2, p3, p4};
    for (int k = 1; k <= 5; ++k)
        EXPECT_EQ(Recent_Files(k), expected[k - 1]);

    Recent_Files(4).clear();
    F4_F_Click();
    EXPECT_EQ(File_Name, "p3.QD3");
    EXPECT_EQ(Recent_Files(1), p3);
    EXPECT_TRUE(host_.records().empty());
}

TEST_F(OpenSaveTest, SaveAsksThenWritesUnderTheNamedPath) {
    File_Path = path("site.QD3");
    File_Name = "site.QD3";
    Nb_Points = 1;
    Field_Data(1, 1) = 10.0;
    Field_Data(1, 2) = 50.0;
    Draw_Mode = "NORMAL";
    host_.expect(answer_box(vbYes));
    EXPECT_TRUE(Save_QD3(File_Path));
    ASSERT_EQ(host_.records().size(), 1u);
    EXPECT_EQ(host_.records()[0].text, "Recording File " + path("site.QD3"));
    EXPECT_EQ(host_.records()[0].buttons, MsgButtons::YesNo);
    EXPECT_EQ(host_.records()[0].icon, MsgIcon::Question);
    EXPECT_EQ(read_bytes(path("site.QD3")).substr(0, 23), "1.5\r\n100,5000,0,0,0,0\r\n");
    EXPECT_EQ(SEV.Caption(), "Ohmira 6.5 [" + path("site.QD3") + "]");
    EXPECT_EQ(Recent_Files(1), path("site.QD3"));
    EXPECT_EQ(Draw_Mode, "");

    // Saving again to the same path leaves the list as it is.
    host_.expect(answer_box(vbYes));
    EXPECT_TRUE(Save_QD3(File_Path));
    EXPECT_EQ(Recent_Files(2), "");

    set_language('F');
    host_.expect(answer_box(vbNo));
    host_.expect(cancel_save());
    Draw_Mode = "NORMAL";
    EXPECT_FALSE(Save_QD3(File_Path));
    EXPECT_EQ(host_.records()[2].text, "Sauvegarde du fichier " + path("site.QD3"));
    const auto &dialog = host_.records()[3];
    EXPECT_EQ(dialog.kind, DialogKind::SaveFile);
    EXPECT_EQ(dialog.title, "Record OHMIRA File");
    EXPECT_EQ(dialog.filter, "File Ohmira (*.QD3)|*.QD3");
    EXPECT_EQ(dialog.flags, cdlOFNOverwritePrompt);
    EXPECT_EQ(dialog.default_text, path("site.QD3"));
    EXPECT_EQ(Draw_Mode, "");
}

TEST_F(OpenSaveTest, NewSoundingGoesThroughTheDialogAndItsExtensionRule) {
    File_Name = "NEW";
    File_Path = "";
    Nb_Points = 1;
    Field_Data(1, 1) = 10.0;
    host_.expect(answer_save(path("survey")));
    EXPECT_TRUE(Save_QD3(File_Path));
    EXPECT_EQ(File_Path, path("survey.QD3"));
    EXPECT_EQ(File_Name, "survey.QD3");
    EXPECT_EQ(Chemin, path(""));
    EXPECT_TRUE(std::filesystem::exists(path("survey.QD3")));

    // "site.2.txt" becomes "site.2.QD3": only the last extension is replaced. An existing file
    // under the adjusted name is not replaced without asking.
    write_bytes("site.2.QD3", "keep");
    File_Name = "NEW";
    host_.expect(answer_save(path("site.2.txt")));
    host_.expect(answer_box(vbNo));
    host_.expect(cancel_save());
    EXPECT_FALSE(Save_QD3(File_Path));
    EXPECT_EQ(host_.records()[2].text,
              "File " + path("site.2.QD3") + " already exists. Replace it?");
    EXPECT_EQ(read_bytes(path("site.2.QD3")), "keep");

    File_Name = "NEW";
    host_.expect(answer_save(path("site.2.txt")));
    host_.expect(answer_box(vbYes));
    EXPECT_TRUE(Save_QD3(File_Path));
    EXPECT_NE(read_bytes(path("site.2.QD3")), "keep");
    EXPECT_FALSE(std::filesystem::exists(path("site.QD3")));
}

TEST_F(OpenSaveTest, BatchModeWritesWithoutAskingAndGivesUpAfterAWriteError) {
    File_Name = "x.QD3";
    std::string p = path("x.QD3");
    Draw_Mode = "FICHIER";
    EXPECT_TRUE(Save_QD3(p));
    EXPECT_TRUE(host_.records().empty());
    EXPECT_EQ(Draw_Mode, "");

    Draw_Mode = "FICHIER";
    std::string missing = path("no/such/folder/x.QD3");
    host_.expect(answer_box(vbOK));
    EXPECT_FALSE(Save_QD3(missing));
    EXPECT_EQ(box_texts(), std::vector<std::string>{"No such disk or directory...\n\r" + missing});
    EXPECT_EQ(Draw_Mode, "");
}

TEST_F(OpenSaveTest, RecordButtonSavesTheModelOfTheGrid) {
    auto &g = SEV.Grid1;
    g.TextMatrix(1, 0, "120");
    g.TextMatrix(1, 1, "3.5");
    g.TextMatrix(2, 0, "15");
    g.Row(2);
    g.Col(1);
    File_Name = "m.QD3";
    File_Path = path("m.QD3");
    Nb_Points = 0;
    host_.expect(answer_box(vbYes));
    Record_Button_Click();
    EXPECT_EQ(Model_Layers(1, 1).num(), 120);
    EXPECT_EQ(read_bytes(path("m.QD3")).substr(0, 29), ".5\r\n12000,350,0\r\n1500,0,350\r\n");
    EXPECT_EQ(g.Row(), 2);
    EXPECT_EQ(g.Col(), 1);
}

int failing_with = 0;
int failing_writer(const std::string &) {
    return failing_with;
}

TEST_F(OpenSaveTest, WriteErrorsHaveTheirMessageThenTheSaveStartsAgain) {
    struct Case {
        int number;
        char language;
        const char *text;
    };
    const Case cases[] = {
        {75, 'E', "Write protected File..."},
        {76, 'E', "No such disk or directory..."},
        {68, 'S', "Fichero o directorio no existe..."},
        {70, 'F', "Disquette protégée en écriture..."},
        {9, 'E', "Recording File Error..."},
        {61, 'S', "Error al salvar fichero..."},
    };
    Save_QD3_Writer = failing_writer;
    for (const auto &c : cases) {
        failing_with = c.number;
        set_language(c.language);
        ScriptedDialogHost host;
        DialogHostGuard guard(host);
        File_Name = "x.QD3";
        std::string p = path("x.QD3");
        host.expect(answer_box(vbYes));
        host.expect(answer_box(vbOK)); // the error
        host.expect(answer_box(vbNo)); // asked again: choose another file
        host.expect(cancel_save());
        EXPECT_FALSE(Save_QD3(p));
        ASSERT_EQ(host.records().size(), 4u);
        EXPECT_EQ(host.records()[1].text, c.text + ("\n\r" + p)) << c.number;
        EXPECT_EQ(host.records()[1].icon, MsgIcon::Exclamation);
        EXPECT_EQ(host.pending(), 0u);
    }
    // A real failure: the target is a folder.
    Save_QD3_Writer = nullptr;
    set_language('E');
    std::filesystem::create_directories(path("folder.QD3"));
    File_Name = "folder.QD3";
    std::string p = path("folder.QD3");
    Draw_Mode = "FICHIER";
    host_.expect(answer_box(vbOK));
    EXPECT_FALSE(Save_QD3(p));
    EXPECT_EQ(box_texts(), std::vector<std::string>{"Write protected File...\n\r" + p});
}

} // namespace
} // namespace ohmira::test
