// The sounding on screen is the one saved, and nothing typed or opened is lost: the whole window
// driven through its handlers, the scripted user answering the boxes and dialogs.
#include "../conversions/sample_files.h"
#include "app/app_events.h"
#include "app/command_dispatch.h"
#include "app/main_frame.h"
#include "app/program_exit.h"
#include "commands/compute_commands.h"
#include "commands/field_buttons.h"
#include "commands/open_save.h"
#include "conversions/import_frame.h"
#include "core/qd3_file.h"
#include "core/qd3_limits.h"
#include "core/sounding.h"
#include "editor/data_entry.h"
#include "editor/field_grid.h"
#include "editor/model_grid.h"
#include "form/settings.h"
#include "platform/number_text.h"
#include "platform/printer.h"
#include "platform/user_feedback.h"
#include "integrity_fixture.h"

#include <array>
#include <tuple>

namespace ohmira {

TEST_F(SoundingIntegrity, ToolbarSaveProposesTheFileSavedLast) {
    open_by_menu(a);
    ASSERT_EQ(File_Path, a);
    SEV.Toolbar1.user_click_button("bilog");
    const std::string b = folder.path() + "/B.QD3";
    user.expect(answer_save(b));
    SEV.Toolbar1.user_click_button("save");
    ASSERT_TRUE(file_exists(b));
    EXPECT_EQ(File_Path, b);
    EXPECT_EQ(SEV.Caption(), "Ohmira 6.5 [" + b + "]");
    EXPECT_EQ(SEV.Text1.Text(), "B.QD3") << "the status box names the file saved as";
    user.expect(answer_box(vbYes));
    SEV.Toolbar1.user_click_button("save");
    EXPECT_EQ(box_text(user.message_boxes().size() - 1), "Recording File " + b);
    EXPECT_EQ(read_file(a).value_or(""), a_bytes) << "A is untouched";
    expect_all_answered();
}

TEST_F(SoundingIntegrity, EverySavePathWritesTheHeaderBoxes) {
    struct Path {
        const char *name;
        std::function<void()> save;
        std::vector<ScriptedAnswer> answers;
    };
    const std::vector<Path> paths = {
        {"File Save", [] { SEV.NRecord.user_click(); }, {answer_box(vbYes)}},
        {"toolbar", [] { SEV.Toolbar1.user_click_button("save"); }, {answer_box(vbYes)}},
        {"data page Save",
         [] { SEV.SaveButton.user_click(); },
         {answer_box(vbYes), answer_box(vbYes)}},
        {"model Record", [] { SEV.Record_Button.user_click(); }, {answer_box(vbYes)}},
        {"File Save after the Print tab and back",
         [] {
             SEV.SSTab1.user_select_tab(1);
             SEV.SSTab1.user_select_tab(0);
             SEV.NRecord.user_click();
         },
         {answer_box(vbYes)}},
    };
    int n = 0;
    for (const Path &p : paths) {
        // Each path its own file: none reopens what an earlier one saved with the typed value.
        const std::string tag = std::to_string(++n);
        const std::string own = folder.write("own" + tag + ".QD3", a_bytes);
        open_by_menu(own);
        SEV.X_Texte1.user_set_text("X" + tag);
        SEV.Y_Texte2.user_set_text("Y" + tag);
        SEV.Z_Texte3.user_set_text("10" + tag);
        SEV.Azimtext.user_set_text("N" + tag);
        SEV.Text18.user_set_text("comment " + tag);
        SEV.Text29.user_set_text("title " + tag);
        // A ΔV typed and not computed is saved as the grid shows it.
        SEV.BuildGrid.user_click_cell(2, 3);
        for (const int key : {55, 48, 48}) // "700"
            SEV.BuildGrid.user_key_down(key);
        for (const ScriptedAnswer &answer : p.answers)
            user.expect(answer);
        p.save();
        reset_core_state();
        File_Name = "own" + tag + ".QD3";
        File_Layout = 3;
        std::string path = own;
        ASSERT_TRUE(Load_QD3(path)) << p.name;
        EXPECT_EQ(sounding_texts(), (Texts{"comment " + tag, "", "title " + tag, "X" + tag,
                                           "Y" + tag, "10" + tag, "N" + tag}))
            << p.name;
        EXPECT_EQ(Field_Data(2, 4).num(), 700) << p.name;
        EXPECT_EQ(Field_Data(2, 2).num(), 1885) << p.name; // K 18.85 × 700 / 7
        EXPECT_EQ(Field_Data(3, 4).num(), 12.2f) << p.name;
        expect_all_answered();
    }
}

TEST_F(SoundingIntegrity, TheExitQuestionsNoSavesTheHeaderBoxes) {
    open_by_menu(a);
    SEV.Text18.user_set_text("typed before leaving");
    SEV.BuildGrid.user_click_cell(2, 3);
    for (const int key : {55, 48, 48}) // "700"
        SEV.BuildGrid.user_key_down(key);
    user.expect(answer_box(vbNo));
    user.expect(answer_box(vbYes));
    Request_Exit();
    reset_core_state();
    File_Name = "A.QD3";
    File_Layout = 3;
    std::string path = a;
    ASSERT_TRUE(Load_QD3(path));
    EXPECT_EQ(Comment, "typed before leaving");
    EXPECT_EQ(Field_Data(2, 4).num(), 700);
    expect_all_answered();
}

TEST_F(SoundingIntegrity, AFailedOrCancelledSaveChangesNoName) {
    open_by_menu(a);
    const std::string caption = SEV.Caption();
    const auto recent = Recent_Files;
    const std::string chemin = Chemin;
    struct Case {
        const char *name;
        std::vector<ScriptedAnswer> answers;
    };
    const std::string nowhere = folder.path() + "/no/such/folder/C.QD3";
    const Case cases[] = {
        {"cancelled", {answer_box(vbNo), cancel_save()}},
        {"unwritable folder",
         {answer_box(vbNo), answer_save(nowhere), answer_box(vbOK), answer_box(vbNo),
          cancel_save()}},
    };
    for (const Case &c : cases) {
        for (const ScriptedAnswer &answer : c.answers)
            user.expect(answer);
        SEV.NRecord.user_click();
        EXPECT_EQ(File_Path, a) << c.name;
        EXPECT_EQ(File_Name, "A.QD3") << c.name;
        EXPECT_EQ(Chemin, chemin) << c.name;
        EXPECT_EQ(SEV.Caption(), caption) << c.name;
        for (int k = 1; k <= 5; ++k)
            EXPECT_EQ(Recent_Files(k), recent(k)) << c.name;
        expect_all_answered();
    }
    EXPECT_FALSE(file_exists(nowhere));
}

TEST_F(SoundingIntegrity, AFileThatIsNoSoundingChangesNothing) {
    open_by_menu(a);
    ASSERT_EQ(Nb_Points, 4);
    const Sounding_Record before = current_sounding();
    const std::string caption = SEV.Caption();
    const auto recent = Recent_Files;
    const std::string grid_point = SEV.BuildGrid.TextMatrix(2, 6);
    const std::string truncated = a_bytes.substr(0, a_bytes.find("0,0,0"));
    const std::string not_a_number = "a value that is not a number",
                      cut = "the file ends too early";
    const std::tuple<const char *, std::string, std::string> files[] = {
        {"hello.QD3", "hello world\r\n", not_a_number},
        {"garbage.QD3", "4.5 garbage\r\n", not_a_number},
        {"truncated.QD3", truncated, cut},
        {"short.QD3", a_bytes.substr(0, 30), cut},
        {"hello.QDE", "hello world\r\n", not_a_number},
        {"hello.SEV", "hello world\r\n", cut},
    };
    for (const auto &[name, bytes, cause] : files) {
        const std::string p = folder.write(name, bytes);
        open_by_menu(p, {answer_box(vbOK)});
        // The box names the file and the cause; the caption still names A.
        EXPECT_EQ(box_text(user.message_boxes().size() - 1),
                  "Reading File Error...\n\r" + p + "\n\r" + cause);
        const Sounding_Record after = current_sounding();
        EXPECT_EQ(after.file_path, before.file_path) << name;
        EXPECT_EQ(after.file_name, before.file_name) << name;
        EXPECT_EQ(after.nb_points, before.nb_points) << name;
        EXPECT_EQ(after.nb_superposed, before.nb_superposed) << name;
        EXPECT_EQ(after.graph_title, "title A") << name;
        for (int i = 1; i <= 4; ++i)
            for (int c = 1; c <= 7; ++c)
                EXPECT_EQ(Field_Data(i, c).num(), before.field_data(i, c).num()) << name;
        for (int j = 1; j <= 20; ++j)
            EXPECT_EQ(Model_Layers(1, j).num(), before.model_layers(1, j).num()) << name;
        EXPECT_EQ(SEV.Caption(), caption) << name;
        for (int k = 1; k <= 5; ++k)
            EXPECT_EQ(Recent_Files(k), recent(k)) << name;
        EXPECT_EQ(SEV.BuildGrid.TextMatrix(2, 6), grid_point) << name;
        expect_all_answered();
    }
}

TEST_F(SoundingIntegrity, OneTitleAcrossOpenFitAndTheNextSounding) {
    open_by_menu(a);
    EXPECT_EQ(SEV.Text19.Text(), "title A");
    EXPECT_EQ(SEV.Text29.Text(), "title A");
    SEV.Ajuste_Button.user_click();
    EXPECT_EQ(Graph_Title, "title A") << "a fit never empties the title";
    SEV.Text19.user_set_text("fitted");
    EXPECT_EQ(SEV.Text29.Text(), "fitted");
    SEV.Ajuste_Button.user_click();
    EXPECT_EQ(Graph_Title, "fitted");
    const std::string other = folder.write(
        "OTHER.QD3",
        qd3_bytes({{1, 10, 0.2, 1, 1, 1}, {2, 12, 0.2, 1, 1, 1}, {3, 14, 0.2, 1, 1, 1}}, {},
                  {"", "", "", "", "", "", ""}));
    open_by_menu(other);
    EXPECT_EQ(Graph_Title, "");
    EXPECT_EQ(SEV.Text19.Text(), "");
    EXPECT_EQ(SEV.Text29.Text(), "");
    expect_all_answered();
}

TEST_F(SoundingIntegrity, OpeningRedrawsThePlotAndShowsNoStaleCurve) {
    open_by_menu(a);
    const std::size_t with_model = SEV.Bilog.picture().size();
    EXPECT_GT(with_model, 0u);
    const std::string other = folder.write(
        "NOMODEL.QD3",
        qd3_bytes({{1, 10, 0.2, 1, 1, 1}, {2, 12, 0.2, 1, 1, 1}, {3, 14, 0.2, 1, 1, 1}}, {},
                  {"", "", "", "", "", "", ""}));
    SEV.SSTab1.Tab(1); // the Print tab shown when the next sounding is opened
    ASSERT_EQ(user.message_boxes().size(), 0u);
    open_by_menu(other);
    // Frame and the three new points only: nothing of A's points or curve.
    EXPECT_GT(SEV.Bilog.picture().size(), 0u);
    EXPECT_LT(SEV.Bilog.picture().size(), with_model);
    EXPECT_EQ(Curve_Last, 0);
    EXPECT_EQ(Curve(0, 1).num(), 0.0);
    for (const auto &box : user.message_boxes())
        EXPECT_EQ(box.text.find("Calculation error"), std::string::npos);
    expect_all_answered();
}

TEST_F(SoundingIntegrity, DialogsStartInTheCurrentFilesFolder) {
    open_by_menu(a);
    user.expect(cancel_open());
    SEV.NFile.user_click();
    EXPECT_EQ(user.records().back().initial_dir, folder.path() + "/");
    user.expect(answer_box(vbNo));
    user.expect(cancel_save());
    SEV.NRecord.user_click();
    EXPECT_EQ(user.records().back().initial_dir, folder.path() + "/");
    // The print-to-PDF dialog asks the same folder.
    ASSERT_TRUE(Print_File_Folder);
    EXPECT_EQ(Print_File_Folder(), folder.path() + "/");
    expect_all_answered();
}

} // namespace ohmira

namespace ohmira {

TEST_F(SoundingIntegrity, OpenAndSaveWithoutAnEditWritesTheSameNumbers) {
    // ΔV below 1 mV, kept to 0.1 mV by the file: ρa from ΔV would move at each save.
    const std::string bytes = qd3_bytes({{1.5, 50, 0.5, 8, 6.28, 1},
                                         {2.5, 70, 0.5, 3.7, 18.85, 1},
                                         {4, 120, 0.5, 2.4, 49.48, 1},
                                         {6, 150, 0.5, 1.3, 112, 1},
                                         {10, 120, 0.5, 0.4, 313, 1}},
                                        {{40, 2}, {200, 0}}, {"", "", "t", "", "", "", ""});
    const std::string p = folder.write("LOW.QD3", bytes);
    for (int round = 1; round <= 2; ++round) {
        open_by_menu(p);
        user.expect(answer_box(vbYes)); // the point count
        user.expect(answer_box(vbYes)); // "Recording File"
        SEV.SaveButton.user_click();
        EXPECT_EQ(read_file(p).value_or(""), bytes) << "round " << round;
        expect_all_answered();
    }

    // A row whose ΔV is typed again is computed from it; the others keep what was read.
    open_by_menu(p);
    SEV.BuildGrid.Row(2);
    SEV.BuildGrid.Col(3);
    First_Key = 1;
    for (const int key : {51, 53, 53}) // "355"
        SEV.BuildGrid.user_key_down(key);
    SEV.Computation.user_click();
    EXPECT_EQ(Field_Data(1, 2).num(), 50.0);
    EXPECT_EQ(Field_Data(3, 2).num(), 120.0);
    EXPECT_NEAR(Field_Data(2, 2).num(), 18.85 * 355, 1.0);
}

TEST_F(SoundingIntegrity, AnInsertedLineLeftEmptyIsNoPoint) {
    open_by_menu(a);
    SEV.BuildGrid.Row(3);
    SEV.BuildGrid.Col(2);
    SEV.RecordButton.user_click(); // "Insert line" above point 3
    SEV.Computation.user_click();
    ASSERT_EQ(Nb_Points, 4);
    const double spacings[] = {1.5, 2.5, 4, 6};
    const double rhos[] = {50, 70, 120, 150};
    for (int i = 1; i <= 4; ++i) {
        EXPECT_EQ(Field_Data(i, 1).num(), spacings[i - 1]) << i;
        EXPECT_EQ(Field_Data(i, 2).num(), rhos[i - 1]) << i;
    }
    user.expect(answer_box(vbYes));
    user.expect(answer_box(vbYes));
    SEV.SaveButton.user_click();
    EXPECT_EQ(read_file(a).value_or("").substr(0, 4), "4.5\r");
    expect_all_answered();
}

TEST_F(SoundingIntegrity, ADecimalCommaIsTheDecimalPoint) {
    open_by_menu(a);
    SEV.BuildGrid.Row(5);
    SEV.BuildGrid.Col(2);
    First_Key = 1;
    for (const int key : {49, 188, 53}) // "1,5"
        SEV.BuildGrid.user_key_down(key);
    EXPECT_EQ(SEV.BuildGrid.TextMatrix(5, 2), "1.5");

    SEV.Grid1.Row(1);
    SEV.Grid1.Col(0);
    SEV.Grid1.EnterCell();
    for (const int key : {52, 188, 53}) // "4,5"
        SEV.Grid1.user_key_down(key);
    EXPECT_EQ(SEV.Grid1.TextMatrix(1, 0).substr(0, 3), "4.5");
}

} // namespace ohmira

namespace ohmira {

TEST_F(SoundingIntegrity, AConversionShowsTheConvertedFileAndItsSaveKeepsIt) {
    open_by_menu(a);
    ASSERT_EQ(Graph_Title, "title A");
    const std::string ves = folder.write("WELL.VES", test::abem_sample());
    const std::string converted = folder.path() + "/WELL.QD3";
    user.expect(answer_open({ves}));
    user.expect(answer_box(vbYes)); // "Recording File"
    SEV.NAbem.user_click();
    ASSERT_TRUE(file_exists(converted));
    const std::string bytes = read_file(converted).value_or("");
    // Nothing of A: no title, location or model of the sounding that was on screen.
    EXPECT_EQ(bytes.find("title A"), std::string::npos);
    EXPECT_EQ(bytes.find("comment A"), std::string::npos);
    EXPECT_EQ(File_Path, converted);
    EXPECT_EQ(SEV.Caption().find(converted) != std::string::npos, true) << SEV.Caption();
    EXPECT_EQ(Nb_Points, 3);
    EXPECT_EQ(Graph_Title, "");
    EXPECT_EQ(SEV.Text29.Text(), "");
    EXPECT_EQ(SEV.X_Texte1.Text(), "");
    EXPECT_EQ(SEV.BuildGrid.TextMatrix(1, 2), Str(Field_Data(1, 1)));
    EXPECT_EQ(SEV.BuildGrid.TextMatrix(4, 2), "");

    // The editor's Save right after rewrites the converted file unchanged.
    user.expect(answer_box(vbYes));
    user.expect(answer_box(vbYes));
    SEV.SaveButton.user_click();
    // Every column as converted, the model's depths too.
    EXPECT_EQ(read_file(converted).value_or(""), bytes);
    EXPECT_EQ(read_file(a).value_or(""), a_bytes);
    expect_all_answered();
}

} // namespace ohmira

namespace ohmira {

// Answers every message box with OK and keeps its text.
class OkHost : public HeadlessDialogHost {
public:
    int message_box(const MessageBoxRequest &request) override {
        texts.push_back(request.text);
        return vbOK;
    }
    std::vector<std::string> texts;
};

TEST_F(SoundingIntegrity, SetupOkFromWennerToSchlumbergerReadsTheShippedTable) {
    OkHost ok;
    DialogHostGuard answering{ok};
    SEV.Toolbar1.user_click_button("bilog"); // a new sounding
    SEV.SSTab1.Tab(2);
    SEV.Option3.Value(true);
    SEV.Command11.user_click();
    EXPECT_EQ(Niveau, "2");
    SEV.Option1.Value(true);
    SEV.Command11.user_click();
    EXPECT_EQ(Niveau, "0");
    for (const std::string &text : ok.texts)
        EXPECT_EQ(text.find("is wrong or not found"), std::string::npos) << text;
    // Two numbers a record, as the table holds them.
    EXPECT_EQ(Field_Data(1, 1).num(), 0.5);
    EXPECT_EQ(Field_Data(1, 3).num(), 1.5);
    EXPECT_EQ(Field_Data(2, 3).num(), 2);
}

TEST_F(SoundingIntegrity, NewSevUsesTheArrayAppliedNotOneOnlySelected) {
    struct Case {
        OptionButton *applied, *selected;
        double first, second; // Field_Data(1, 3) and (2, 3)
        double first_mn;      // Field_Data(1, 1)
        const char *spacing;  // the header of the spacing column
        double k;             // K of a row typed after, ΔV 10, I 1 at .5 / 1.5 or a = 1
    };
    const Case cases[] = {
        {&SEV.Option3, &SEV.Option1, 1, 1.5, 0, "a", 6.28},      // Wenner applied
        {&SEV.Option1, &SEV.Option3, 1.5, 2, 0.5, "AB/2", 6.28}, // Schlumberger applied
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.selected->Name());
        {
            OkHost ok; // the boxes of the OK's computation
            DialogHostGuard answering{ok};
            SEV.SSTab1.Tab(2);
            c.applied->Value(true);
            SEV.Command11.user_click(); // OK
        }
        c.selected->Value(true); // no OK: nothing but the Setup tab changes
        const std::size_t dialogs = user.records().size();
        SEV.Toolbar1.user_click_button("bilog");
        expect_all_answered();
        EXPECT_EQ(user.records().size(), dialogs) << "no box, no file dialog";
        EXPECT_EQ(Field_Data(1, 3).num(), c.first);
        EXPECT_EQ(Field_Data(2, 3).num(), c.second);
        EXPECT_EQ(Field_Data(1, 1).num(), c.first_mn);
        EXPECT_EQ(SEV.BuildGrid.TextMatrix(0, 2), c.spacing);
        // A row typed is computed with the array the page shows.
        SEV.BuildGrid.user_click_cell(1, 3);
        SEV.BuildGrid.user_key_down('1');
        SEV.BuildGrid.user_key_down('0');
        SEV.BuildGrid.user_click_cell(1, 4);
        SEV.BuildGrid.user_key_down('1');
        Compute_Field_Rows();
        EXPECT_EQ(Field_Data(1, 5).num(), c.k);
    }
}

} // namespace ohmira

namespace ohmira {

TEST_F(SoundingIntegrity, ValuesTheFileCannotHoldNeverLoopTheSave) {
    open_by_menu(a);
    // A point the layout cannot hold: one error box, then the save gives up.
    Field_Data(2, 2) = 5e38;
    user.expect(answer_box(vbYes));
    user.expect(answer_box(vbOK));
    SEV.NRecord.user_click();
    EXPECT_EQ(box_text(user.message_boxes().size() - 1), "Recording File Error...\n\r" + a);
    EXPECT_EQ(read_file(a).value_or(""), a_bytes);
    expect_all_answered();

    // A layer resistivity of 1e12 typed into the model grid is refused when read.
    open_by_menu(a);
    SEV.Grid1.TextMatrix(1, 0, "1000000000000");
    user.expect(answer_box(vbOK));
    Read_Model_Grid();
    EXPECT_EQ(box_text(user.message_boxes().size() - 1), "Model impossible...\n\r1000000000000");
    EXPECT_EQ(Model_Layers(1, 1).num(), 40.0);
    expect_all_answered();
    // The Drawing-up Save stops at the box: no question, no dialog, nothing written.
    SEV.Grid1.TextMatrix(1, 0, "50  ");
    SEV.Grid1.TextMatrix(2, 0, "1000000000000");
    user.expect(answer_box(vbOK));
    SEV.Record_Button.user_click();
    EXPECT_EQ(user.message_boxes().back().text, "Model impossible...\n\r1000000000000");
    EXPECT_EQ(Model_Layers(1, 1).num(), 40.0) << "the model read whole or not at all";
    EXPECT_EQ(read_file(a).value_or(""), a_bytes);
    expect_all_answered();
    SEV.Grid1.TextMatrix(2, 0, "200  ");
    // Beyond the range of numbers: the first digits typed are named.
    SEV.Grid1.TextMatrix(1, 0, "40  ");
    SEV.Grid1.TextMatrix(2, 1, std::string(400, '9') + "  ");
    user.expect(answer_box(vbOK));
    Read_Model_Grid();
    EXPECT_EQ(box_text(user.message_boxes().size() - 1),
              "Model impossible...\n\r" + std::string(20, '9') + "...");
    expect_all_answered();

    // A layer resistivity that rounds to 0 in the file is written as 0.01 ohm·m.
    Model_Layers(1, 1) = 0.004;
    const std::string p = folder.path() + "/THIN.QD3";
    ASSERT_EQ(write_qd3_file(p), 0);
    const std::string bytes = read_file(p).value_or("");
    EXPECT_NE(bytes.find("\r\n1,200,0\r\n"), std::string::npos) << bytes;
}

} // namespace ohmira

namespace ohmira {

TEST_F(SoundingIntegrity, FieldGridEdgeRows) {
    SEV.Toolbar1.user_click_button("bilog"); // a new sounding
    auto &grid = SEV.BuildGrid;
    const auto fill = [&](int row, const std::array<const char *, 4> &cells) {
        Field_Row_Typed(row) = 1; // as the keys mark a row typed
        Field_Grid_Changed = true;
        for (int c = 1; c <= 4; ++c)
            grid.TextMatrix(row, c, cells[static_cast<std::size_t>(c - 1)]);
        for (int c = 5; c <= 6; ++c)
            grid.TextMatrix(row, c, "");
    };
    for (int r = 1; r <= 50; ++r)
        fill(r, {"", "", "", ""});
    struct Case {
        std::array<const char *, 4> row2;
        const char *end;
    };
    const Case cases[] = {
        {{".5", "2.5", "10", ""}, "The data end at row 2 : current empty or 0"},
        {{".5", "2.5", "", "1"}, "The data end at row 2 : ΔV empty or 0"},
        {{".5", "", "", ""}, "The data end at row 2 : spacing empty or 0"},
    };
    for (const Case &c : cases) {
        fill(1, {".5", "1.5", "10", "1"});
        fill(2, c.row2);
        fill(3, {".5", "4", "10", "1"});
        user.expect(answer_box(vbOK));
        SEV.Computation.user_click();
        EXPECT_EQ(Nb_Points, 1);
        EXPECT_EQ(box_text(user.message_boxes().size() - 1),
                  "There must be at least three field values to calculate a curve\n\r" +
                      std::string(c.end));
        expect_all_answered();
    }

    // Nothing filled below the end: the box as it always was.
    fill(2, {"", "", "", ""});
    fill(3, {"", "", "", ""});
    user.expect(answer_box(vbOK));
    SEV.Computation.user_click();
    EXPECT_EQ(box_text(user.message_boxes().size() - 1),
              "There must be at least three field values to calculate a curve");

    // Marine-floor correction without a water resistivity leaves a negative row as it is.
    SEV.Marine_floor.Value(vbChecked);
    for (const char *water : {"", "0"}) {
        SEV.Reau.Text(water);
        fill(1, {".5", ".3", "10", "1"}); // AB/2 under MN/2: a negative K
        Compute_Field_Rows();
        EXPECT_LT(Field_Data(1, 2).num(), 0) << "no -0 with water '" << water << "'";
    }
    SEV.Marine_floor.Value(vbUnchecked);

    // "Insert line" under a 400-digit spacing beeps.
    fill(1, {".5", std::string(400, '9').c_str(), "10", "1"});
    grid.Row(1);
    reset_beep_count();
    SEV.RecordButton.user_click();
    EXPECT_EQ(beep_count(), 1);
    expect_all_answered();
}

} // namespace ohmira

namespace ohmira {

TEST_F(SoundingIntegrity, MutatedFilesAreReadWholeOrNotAtAll) {
    OkHost ok;
    DialogHostGuard answering{ok};
    ASSERT_TRUE(open_sounding_file(a));
    std::uint32_t seed = 12345;
    const auto next = [&seed] {
        seed = seed * 1664525u + 1013904223u;
        return seed >> 8;
    };
    for (int round = 0; round < 200; ++round) {
        std::string bytes = a_bytes;
        switch (round % 4) {
        case 3: { // a number made huge, beyond what the layout holds or not
            const auto at = bytes.find_first_of("123456789", next() % bytes.size());
            const auto end =
                at == std::string::npos ? at : bytes.find_first_not_of("0123456789", at);
            if (end != std::string::npos)
                bytes.insert(end, "E+" + std::to_string(5 + next() % 35));
            break;
        }
        case 0: // random flips
            for (int k = 0; k < 4; ++k)
                bytes[next() % bytes.size()] = static_cast<char>(next() & 0xFF);
            break;
        case 1: // truncation
            bytes.resize(next() % bytes.size());
            break;
        default: // a huge count
            bytes.replace(0, bytes.find('\r'), std::to_string(next() % 2000000) + ".5");
            break;
        }
        const std::string p = folder.write("M.QD3", bytes);
        const Sounding_Record before = current_sounding();
        const auto recent = Recent_Files;
        if (!open_sounding_file(p)) {
            const Sounding_Record after = current_sounding();
            EXPECT_EQ(after.file_path, before.file_path) << round;
            EXPECT_EQ(after.nb_points, before.nb_points) << round;
            EXPECT_EQ(after.comment, before.comment) << round;
            EXPECT_EQ(Recent_Files(1), recent(1)) << round;
        } else {
            EXPECT_LE(Nb_Points, 51) << round;
            EXPECT_FALSE(sounding_value_beyond_qd3().has_value()) << round << " can be saved";
        }
        // Back to A for the next round.
        ASSERT_TRUE(open_sounding_file(a));
    }
    EXPECT_EQ(read_file(a).value_or(""), a_bytes) << "nothing written";
}

} // namespace ohmira

namespace ohmira {

TEST_F(SoundingIntegrity, ANewSoundingTakesNoTextOfTheOneBefore) {
    for (MenuItem *command : {&SEV.NewFile, static_cast<MenuItem *>(nullptr)}) {
        open_by_menu(a);
        SEV.Calcul_Button.user_click(); // the store names A
        SEV.Bilog.user_mouse_move(0, 0, 500, 500);
        SEV.BuildGrid.TopRow(30);
        SEV.Grid1.TopRow(10);
        ASSERT_NE(SEV.Text1.Text(), "");
        ASSERT_NE(SEV.Text2.Text(), "");
        if (command)
            command->user_click();
        else
            SEV.Toolbar1.user_click_button("bilog");
        for (TextBox *box : {&SEV.X_Texte1, &SEV.Y_Texte2, &SEV.Z_Texte3, &SEV.Azimtext,
                             &SEV.Text18, &SEV.Text19, &SEV.Text29, &SEV.Text2, &SEV.Grid2})
            EXPECT_EQ(box->Text(), "") << box->Name();
        EXPECT_EQ(SEV.Text1.Text(), "NEW") << "the status box names the sounding on screen";
        EXPECT_FALSE(SEV.lastone.Enabled());
        EXPECT_FALSE(SEV.nextone.Enabled());
        EXPECT_EQ(SEV.BuildGrid.TopRow(), 1);
        EXPECT_EQ(SEV.Grid1.TopRow(), 1);
        SEV.SSTab1.Tab(1);
        SEV.SSTab1.Tab(0); // the Main tab rebuilds the page
        EXPECT_EQ(SEV.Caption(), "Ohmira 6.5 [NEW]");
        const std::string n = folder.path() + "/N.QD3";
        user.expect(answer_save(n));
        SEV.NRecord.user_click();
        EXPECT_EQ(user.records().back().default_text, "") << "no earlier file proposed";
        const std::string bytes = read_file(n).value_or("");
        EXPECT_EQ(bytes.find("title A"), std::string::npos);
        EXPECT_EQ(bytes.find("comment A"), std::string::npos);
        std::filesystem::remove(n);
        expect_all_answered();
    }
}

} // namespace ohmira

namespace ohmira {

TEST_F(SoundingIntegrity, ReadersRefuseValuesTheFileCannotHoldAndNameThem) {
    open_by_menu(a);
    const Sounding_Record before = current_sounding();
    const auto replaced = [this](const std::string &from, const std::string &to) {
        std::string b = a_bytes;
        const auto at = b.find(from);
        EXPECT_NE(at, std::string::npos) << from;
        return at == std::string::npos ? b : b.replace(at, from.size(), to);
    };
    std::string qde_layers;
    for (int j = 1; j <= 10; ++j)
        qde_layers += "0,0,0\r\n";
    struct Case {
        const char *name;
        std::string bytes;
        const char *value; // as the sounding would hold it
    };
    const Case cases[] = {
        {"POINT.QD3", replaced("15,5000,", "15,5E+38,"), "5E+36"}, // item beyond a single
        {"LAYER.QD3", replaced("4000,200,0", "3E+09,200,0"), "3E+07"},
        {"THICK.QD3", replaced("4000,200,0", "4000,1E+12,0"), "1E+10"},
        {"OLD.QD3", replaced("4.5\r\n15,5000,", "4\r\n15,3E+38,"), "3E+37"},
        {"RHO.QDE", "2\r\n1000,45\r\n2000,5E+37\r\n" + qde_layers, "5E+37"},
        {"LAYER.SEV", "T\r\nx\r\n1,2,1\r\n1,1,120,1.5,1E+12,2,0\r\n2,1,110,2\r\n", "1000000000000"},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        const std::string p = folder.write(c.name, c.bytes);
        open_by_menu(p, {answer_box(vbOK)});
        EXPECT_EQ(box_text(user.message_boxes().size() - 1),
                  "Reading File Error...\n\r" + p + "\n\r" + c.value);
        const Sounding_Record after = current_sounding();
        EXPECT_EQ(after.file_path, before.file_path);
        EXPECT_EQ(after.nb_points, before.nb_points);
        EXPECT_EQ(after.comment, before.comment);
        EXPECT_EQ(Model_Layers(1, 1).num(), 40.0);
        EXPECT_EQ(Recent_Files(1), a);
        expect_all_answered();
    }
}

TEST_F(SoundingIntegrity, ComputeAndFitNameWhereTheDataEndAndAValueTheFileCannotHold) {
    SEV.Toolbar1.user_click_button("bilog"); // a new sounding
    auto &grid = SEV.BuildGrid;
    const auto fill = [&](int row, const std::array<std::string, 4> &cells) {
        Field_Row_Typed(row) = 1; // as the keys mark a row typed
        Field_Grid_Changed = true;
        for (int c = 1; c <= 4; ++c)
            grid.TextMatrix(row, c, cells[static_cast<std::size_t>(c - 1)]);
        for (int c = 5; c <= 6; ++c)
            grid.TextMatrix(row, c, "");
    };
    const std::string forty_digits = "1" + std::string(39, '0');
    const std::string huge_dv = "1" + std::string(37, '0'); // fits; ρa = K × 1E+37 does not
    const std::string short_box = "There must be at least three field values to calculate a curve";
    const std::string fit_box = "There must be at least two field values and two layers";
    struct Case {
        std::array<std::string, 4> row2, row3, row4;
        std::string compute_box; // "" when the fit runs
        std::string fit_box;     // the fit button's box right after; "" when not pressed
    };
    const Case cases[] = {
        // The data end at row 2 with rows filled below: both boxes say where and why.
        {{".5", "2.5", "10", ""},
         {".5", "4", "10", "1"},
         {"", "", "", ""},
         short_box + "\n\rThe data end at row 2 : current empty or 0",
         fit_box + "\n\rThe data end at row 2 : current empty or 0"},
        {{".5", "2.5", forty_digits, "1"},
         {".5", "4", "10", "1"},
         {"", "", "", ""},
         short_box + "\n\rThe data end at row 2 : value too large for the file (1E+39)",
         // The fit takes the window first and stops at the value refused.
         "The data end at row 2 : value too large for the file (1E+39)"},
        // Nothing below the end: the boxes as they always were.
        {{"", "", "", ""}, {"", "", "", ""}, {"", "", "", ""}, short_box, fit_box},
        // Three points, then a row whose resistivity the file cannot hold: named, nothing fitted.
        {{".5", "2.5", "10", "1"},
         {".5", "3", "10", "1"},
         {".5", "4", huge_dv, "1"},
         "The data end at row 4 : value too large for the file (4.948E+38)",
         ""},
    };
    for (const Case &c : cases) {
        for (int r = 1; r <= 50; ++r)
            fill(r, {"", "", "", ""});
        fill(1, {".5", "1.5", "10", "1"});
        fill(2, c.row2);
        fill(3, c.row3);
        fill(4, c.row4);
        for (int r = 1; r <= 20; ++r)
            for (int col = 0; col <= 1; ++col)
                SEV.Grid1.TextMatrix(r, col, "");
        user.expect(answer_box(vbOK));
        SEV.Computation.user_click();
        EXPECT_EQ(box_text(user.message_boxes().size() - 1), c.compute_box);
        EXPECT_EQ(SEV.Grid1.TextMatrix(1, 0), "") << "nothing fitted: " << c.compute_box;
        if (!c.fit_box.empty()) {
            user.expect(answer_box(vbOK));
            SEV.Ajuste_Button.user_click();
            EXPECT_EQ(box_text(user.message_boxes().size() - 1), c.fit_box);
        }
        expect_all_answered();
    }

    // The Down key that computes the rows names the refused value too, and fits nothing.
    grid.Row(4);
    grid.Col(3);
    Field_Rows_Computed = 0.0;
    user.expect(answer_box(vbOK));
    int key = vbKeyDown;
    Type_Field_Key(key, 0);
    EXPECT_EQ(box_text(user.message_boxes().size() - 1),
              "The data end at row 4 : value too large for the file (4.948E+38)");
    EXPECT_EQ(SEV.Grid1.TextMatrix(1, 0), "");
    expect_all_answered();
}

} // namespace ohmira

namespace ohmira {

TEST_F(SoundingIntegrity, OpeningNeverRecomputesTheResistivities) {
    struct Case {
        const char *name;
        std::vector<std::array<double, 6>> points;
    };
    const Case cases[] = {
        // ρa well above the full-array value of the first point: read as a half array.
        {"HALF.QD3",
         {{1.5, 27.8, 0.5, 1.2, 6.28, 10},
          {2.5, 35, 0.5, 1, 19.24, 10},
          {4, 41, 0.5, 0.8, 49.87, 10},
          {6, 45, 0.5, 0.4, 112, 10}}},
        // Points 2 and 3 repeat spacing and ρa: a shift-compensated file.
        {"SHIFT.QD3",
         {{1.5, 50, 0.5, 0, 0, 0},
          {2.5, 70, 0.5, 0, 0, 0},
          {2.5, 70, 1.5, 0, 0, 0},
          {4, 120, 1.5, 0, 0, 0},
          {6, 150, 1.5, 0, 0, 0},
          {6, 180, 2.5, 0, 0, 0},
          {10, 200, 2.5, 0, 0, 0}}},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        const std::string bytes = qd3_bytes(c.points, {{40, 2}, {200, 0}}, {"", "", "t"});
        const std::string p = folder.write(c.name, bytes);
        open_by_menu(p);
        for (std::size_t i = 0; i < c.points.size(); ++i)
            EXPECT_EQ(Field_Data(static_cast<int>(i) + 1, 2).num(),
                      static_cast<float>(c.points[i][1]))
                << i;
        user.expect(answer_box(vbYes)); // "Recording File"
        SEV.NRecord.user_click();
        EXPECT_EQ(read_file(p).value_or(""), bytes);
        expect_all_answered();
    }
}

} // namespace ohmira

namespace ohmira {

TEST_F(SoundingIntegrity, RightAfterAnOpenTheOverlayKeysOnlyBeep) {
    open_by_menu(a);
    SEV.Calcul_Button.user_click();
    const std::string b_bytes =
        qd3_bytes({{1, 10, 0.2, 1, 1, 1}, {2, 12, 0.2, 1, 1, 1}, {3, 14, 0.2, 1, 1, 1}},
                  {{9, 1}, {90, 0}}, {"", "", "B", "", "", "", ""});
    const std::string b = folder.write("B.QD3", b_bytes);
    open_by_menu(b);
    SEV.SSTab1.Tab(1); // the sheet drawn is no computation either
    SEV.SSTab1.Tab(0);
    ASSERT_EQ(Fresh_Load, vbTrue);
    for (CommandButton *key : {&SEV.lastone, &SEV.nextone}) {
        reset_beep_count();
        key->Enabled(true);
        key->user_click();
        EXPECT_EQ(beep_count(), 1) << key->Name();
        EXPECT_EQ(Model_Layers(1, 1).num(), 9.0) << key->Name();
    }
    user.expect(answer_box(vbYes));
    SEV.NRecord.user_click();
    EXPECT_EQ(read_file(b).value_or(""), b_bytes);
    expect_all_answered();
}

} // namespace ohmira

namespace ohmira {

// The scripted user, who also notes the window's caption whenever a box is up.
class CaptionWatchingUser : public ScriptedDialogHost {
public:
    int message_box(const MessageBoxRequest &request) override {
        captions.push_back(SEV.Caption());
        return ScriptedDialogHost::message_box(request);
    }
    std::vector<std::string> captions;
};

TEST_F(SoundingIntegrity, TheCaptionNamesTheFileOnScreenOnly) {
    open_by_menu(a);
    const std::string shown_a = "Ohmira 6.5 [" + a + "]";
    EXPECT_EQ(SEV.Caption(), shown_a);
    EXPECT_EQ(SEV.Text1.Text(), "A.QD3") << "the status box names the sounding read";
    {
        // A bad file from the recent files: its box is up while the caption names A.
        CaptionWatchingUser watching;
        DialogHostGuard answering{watching};
        watching.expect(answer_box(vbOK));
        Recent_Files(2) = folder.write("BAD.QD3", "hello world\r\n");
        SEV.F2_F.user_click();
        EXPECT_EQ(watching.captions, std::vector<std::string>{shown_a});
        EXPECT_EQ(SEV.Caption(), shown_a);
    }
    // An older file shows its own name until its QD3 file is written.
    const std::string sev = folder.write("OLD.SEV", "T\r\nx\r\n1,3,1\r\n1,1,120,1.5,40,2,0\r\n"
                                                    "2,1,110,2\r\n3,1,100,3\r\n");
    open_by_menu(sev);
    SEV.SSTab1.Tab(1);
    SEV.SSTab1.Tab(0);
    EXPECT_EQ(SEV.Caption(), "Ohmira 6.5 [" + sev + "]");
    user.expect(answer_box(vbYes));
    SEV.NRecord.user_click();
    EXPECT_EQ(SEV.Caption(), "Ohmira 6.5 [" + folder.path() + "/OLD.QD3]");
    // A conversion whose QD3 file is not written: the caption names the file converted, and the
    // grid shows its points, nothing typed into the sounding before.
    SEV.BuildGrid.user_click_cell(2, 3);
    SEV.BuildGrid.user_key_down('9');
    const std::string ves = folder.write("WELL.VES", test::abem_sample());
    user.expect(answer_open({ves}));
    user.expect(answer_box(vbNo)); // "Recording File"
    user.expect(cancel_save());
    SEV.NAbem.user_click();
    SEV.SSTab1.Tab(1);
    SEV.SSTab1.Tab(0);
    EXPECT_FALSE(file_exists(folder.path() + "/WELL.QD3"));
    EXPECT_EQ(SEV.Caption(), "Ohmira 6.5 [" + ves + "]");
    EXPECT_EQ(SEV.BuildGrid.TextMatrix(2, 3), "");
    expect_all_answered();
}

TEST_F(SoundingIntegrity, AfterASaveTheModelCurveStaysDrawn) {
    open_by_menu(a);
    const std::size_t with_model = SEV.Bilog.picture().size();
    user.expect(answer_box(vbYes)); // the point count
    user.expect(answer_box(vbYes)); // "Recording File"
    SEV.SaveButton.user_click();
    EXPECT_EQ(SEV.Bilog.picture().size(), with_model);
    expect_all_answered();
}

} // namespace ohmira
