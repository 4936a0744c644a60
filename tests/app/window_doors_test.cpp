// The window is read in one place, shown from one place, and a new sounding is new: the paths
// where a save wrote something other than the window, or targeted a file the user did not save
// to, each driven as the user drives it.
#include "../conversions/sample_files.h"
#include "app/command_dispatch.h"
#include "app/program_exit.h"
#include "editor/field_grid.h"
#include "form/settings_values.h"
#include "integrity_fixture.h"
#include "platform/files.h"
#include "platform/number_text.h"
#include "platform/user_feedback.h"
#include "printing/picture_export.h"

#include <functional>
#include <sstream>

namespace ohmira {

namespace {

// The items of the point lines and layer lines of a QD3 file, and its seven texts.
struct Filed {
    std::vector<std::vector<double>> points, layers;
    std::vector<std::string> texts;
};

Filed read_filed(const std::string &path) {
    Filed f;
    std::istringstream in(read_file(path).value_or(""));
    std::vector<std::string> lines;
    for (std::string l; std::getline(in, l);)
        lines.push_back(l.substr(0, l.find('\r')));
    if (lines.empty())
        return f;
    const auto items = [](const std::string &line) {
        std::vector<double> v;
        std::istringstream s(line);
        for (std::string item; std::getline(s, item, ',');)
            v.push_back(std::stod(item));
        return v;
    };
    const auto n = static_cast<std::size_t>(std::stod(lines[0]));
    for (std::size_t i = 1; i <= n && i < lines.size(); ++i)
        f.points.push_back(items(lines[i]));
    for (std::size_t j = n + 1; j <= n + 20 && j < lines.size(); ++j)
        f.layers.push_back(items(lines[j]));
    for (std::size_t t = n + 21; t < lines.size(); ++t)
        f.texts.push_back(lines[t]);
    return f;
}

// A sounding of resistivities only (no ΔV, no I), `n` points.
std::vector<std::array<double, 6>> resistivity_points(int n) {
    std::vector<std::array<double, 6>> points;
    for (int i = 1; i <= n; ++i)
        points.push_back({2.0 * i, 100.0 + 10 * i, 0.5, 0, 0, 0});
    return points;
}

class WindowDoors : public SoundingIntegrity {
protected:
    // Clicks a cell and types into it as the keyboard does ('.' is the full stop's key; "" is
    // the Delete key).
    static void type(FlexGrid &grid, int row, int col, const std::string &text) {
        grid.user_click_cell(row, col);
        if (text.empty())
            grid.user_key_down(vbKeyDelete);
        for (const char ch : text)
            grid.user_key_down(ch == '.' ? 190 : ch);
    }

    // The save paths of the window, each with the answers that reach the writing of the file.
    struct Save_Path {
        const char *name;
        std::function<void()> save;
        std::vector<ScriptedAnswer> answers; // when the save goes through
    };
    static std::vector<Save_Path> save_paths() {
        return {
            {"File Save, Ctrl+S", [] { SEV.NRecord.user_click(); }, {answer_box(vbYes)}},
            {"toolbar", [] { SEV.Toolbar1.user_click_button("save"); }, {answer_box(vbYes)}},
            {"data page Save",
             [] { SEV.SaveButton.user_click(); },
             {answer_box(vbYes), answer_box(vbYes)}},
            {"model panel Save", [] { SEV.Record_Button.user_click(); }, {answer_box(vbYes)}},
            // Last: the program ends when the save goes through.
            {"the exit question's No",
             [] { Request_Exit(); },
             {answer_box(vbNo), answer_box(vbYes)}},
        };
    }
};

} // namespace

TEST_F(WindowDoors, AnEmptiedCellNeverTruncatesTheSavedSounding) {
    const std::string r_bytes =
        qd3_bytes(resistivity_points(12), {{40, 2}, {200, 0}}, {"", "", "", "", "", "", ""});
    const std::string r = folder.write("R.QD3", r_bytes);
    struct Cell {
        int col;
        const char *why;
    };
    for (const Cell cell : {Cell{6, "resistivity empty or 0"}, Cell{2, "spacing empty or 0"}})
        for (const Save_Path &p : save_paths()) {
            SCOPED_TRACE(std::string(p.name) + ", column " + std::to_string(cell.col));
            open_by_menu(r);
            type(SEV.BuildGrid, 9, cell.col, "");
            const std::size_t boxes = user.message_boxes().size();
            if (std::string(p.name) == "the exit question's No")
                user.expect(answer_box(vbNo)); // the question first, then the refusal
            user.expect(answer_box(vbOK));
            p.save();
            const auto shown = user.message_boxes();
            ASSERT_GT(shown.size(), boxes);
            EXPECT_EQ(shown.back().text, std::string("The data end at row 9 : ") + cell.why);
            EXPECT_EQ(read_file(r).value_or(""), r_bytes) << "nothing written";
            EXPECT_EQ(SEV.BuildGrid.TextMatrix(12, 6), " 220") << "the rows below stay";
            EXPECT_EQ(Nb_Points, 12) << "nothing of the sounding changed";
            EXPECT_FALSE(program_ended());
            expect_all_answered();
        }
}

TEST_F(WindowDoors, AModelTypedIsSavedByEveryPathAndOneTheFileCannotHoldStopsThem) {
    for (const Save_Path &p : save_paths()) {
        SCOPED_TRACE(p.name);
        open_by_menu(a);
        type(SEV.Grid1, 1, 0, std::string(40, '9'));
        if (std::string(p.name) == "the exit question's No")
            user.expect(answer_box(vbNo));
        user.expect(answer_box(vbOK));
        p.save();
        EXPECT_EQ(user.message_boxes().back().text, "Model impossible...\n\r1E+40");
        EXPECT_EQ(read_file(a).value_or(""), a_bytes) << "nothing written";
        expect_all_answered();

        type(SEV.Grid1, 1, 0, "55");
        type(SEV.Grid1, 1, 1, "3.5");
        for (const ScriptedAnswer &answer : p.answers)
            user.expect(answer);
        p.save();
        const Filed f = read_filed(a);
        ASSERT_EQ(f.layers.size(), 20u);
        EXPECT_EQ(f.layers[0], (std::vector<double>{5500, 350, 0}));
        EXPECT_EQ(f.layers[1], (std::vector<double>{20000, 0, 350}));
        EXPECT_EQ(SEV.Grid1.TextMatrix(1, 0), " 55  ");
        EXPECT_EQ(SEV.Grid1.TextMatrix(2, 2), " 3.5  ") << "the depth follows";
        expect_all_answered();
        folder.write("A.QD3", a_bytes);
    }
}

TEST_F(WindowDoors, FitAndComputeStopAtAModelValueTheFileCannotHold) {
    open_by_menu(a);
    SEV.Calcul_Button.user_click();
    const auto curve = Curve;
    const std::int16_t last = Curve_Last;
    const auto model = Model_Layers;
    type(SEV.Grid1, 2, 0, std::string(40, '9'));
    const std::string typed = SEV.Grid1.TextMatrix(2, 0);
    for (CommandButton *command : {&SEV.Ajuste_Button, &SEV.Calcul_Button}) {
        user.expect(answer_box(vbOK));
        command->user_click();
        EXPECT_EQ(user.message_boxes().back().text, "Model impossible...\n\r1E+40")
            << command->Name();
        EXPECT_EQ(SEV.Grid1.TextMatrix(2, 0), typed) << "no fit written over the grid";
        EXPECT_EQ(Curve_Last, last);
        for (int k = 0; k <= last; ++k)
            EXPECT_EQ(Curve(k, 1).num(), curve(k, 1).num()) << "no curve of another model";
        for (int j = 1; j <= 2; ++j)
            EXPECT_EQ(Model_Layers(1, j).num(), model(1, j).num());
    }
    expect_all_answered();
}

TEST_F(WindowDoors, ASaveComputesOnlyTheRowsTypedSinceTheLastComputation) {
    // A new Schlumberger sounding: its table's first spacings are 1.5 / .5 and 2 / .5.
    {
        HeadlessDialogHost ok;
        DialogHostGuard answering{ok};
        SEV.Option1.Value(true);
        SEV.Command11.user_click();
    }
    SEV.Toolbar1.user_click_button("bilog");
    for (int r = 1; r <= 3; ++r) {
        type(SEV.BuildGrid, r, 3, "10");
        type(SEV.BuildGrid, r, 4, "1");
    }
    Compute_Field_Rows();
    ASSERT_EQ(SEV.BuildGrid.TextMatrix(1, 6), " 62.8");
    // Insert line then Delete line: no net change, no row typed.
    SEV.BuildGrid.user_click_cell(2, 2);
    SEV.RecordButton.user_click();
    SEV.BuildGrid.user_click_cell(2, 2);
    SEV.CorrectButton.user_click();
    {
        HeadlessDialogHost ok;
        DialogHostGuard answering{ok};
        SEV.Option3.Value(true);
        SEV.Command11.user_click(); // Wenner applied: a row typed now gets Wenner's K
    }
    const std::string n = folder.path() + "/N.QD3";
    user.expect(answer_save(n));
    SEV.NRecord.user_click();
    const Filed f = read_filed(n);
    ASSERT_EQ(f.points.size(), 3u);
    EXPECT_EQ(f.points[0][1], 6280) << "the resistivity the window showed";
    EXPECT_EQ(SEV.BuildGrid.TextMatrix(1, 6), " 62.8");
    expect_all_answered();
}

TEST_F(WindowDoors, ATypedCellSurvivesAnotherTabSetupOkAndAResize) {
    struct Rebuild {
        const char *name;
        std::function<void()> run;
    };
    const Rebuild rebuilds[] = {
        {"the Print tab and back",
         [] {
             SEV.SSTab1.user_select_tab(1);
             SEV.SSTab1.user_select_tab(0);
         }},
        {"Setup OK",
         [] {
             HeadlessDialogHost ok;
             DialogHostGuard answering{ok};
             SEV.SSTab1.user_select_tab(2);
             SEV.Command11.user_click();
             SEV.SSTab1.user_select_tab(0);
         }},
        {"a resize", [] { SEV.resize(16000, 11000); }},
    };
    int n = 0;
    for (const Rebuild &rebuild : rebuilds) {
        SCOPED_TRACE(rebuild.name);
        const std::string own = folder.write("own" + std::to_string(++n) + ".QD3", a_bytes);
        open_by_menu(own);
        type(SEV.BuildGrid, 2, 3, "700");
        // A fifth row, typed whole.
        for (const auto &[col, text] : {std::pair{1, ".5"}, {2, "8"}, {3, "5"}, {4, "5"}})
            type(SEV.BuildGrid, 5, col, text);
        rebuild.run();
        // A rebuild computes what was typed and shows it; a resize leaves the typing as it is.
        const bool rebuilt = rebuild.name != std::string("a resize");
        EXPECT_EQ(SEV.BuildGrid.TextMatrix(2, 3), rebuilt ? " 700" : "700");
        EXPECT_EQ(SEV.BuildGrid.TextMatrix(5, 2), rebuilt ? " 8" : "8");
        user.expect(answer_box(vbYes));
        SEV.NRecord.user_click();
        const Filed f = read_filed(own);
        ASSERT_EQ(f.points.size(), 5u);
        EXPECT_EQ(f.points[1][3], 7000);
        EXPECT_EQ(f.points[1][1], 188500); // K 19.24 × 700 / 7.2, three bands
        EXPECT_EQ(f.points[4][0], 80);
        expect_all_answered();
    }
}

TEST_F(WindowDoors, EveryWayToANewSoundingNamesNoFileShownBefore) {
    struct Way {
        const char *name;
        std::function<void()> run;
    };
    const std::vector<Way> ways = {
        {"toolbar New", [] { SEV.Toolbar1.user_click_button("bilog"); }},
        {"File New",
         [] {
             SEV.NewFile.user_click();
             SEV.SSTab1.user_select_tab(0);
         }},
        {"data page New ES", [] { SEV.Command1.user_click(); }},
        {"About, Start a new VES",
         [this] {
             user.expect(answer_form([](Form &) { frmSplash.Command2.user_click(); }));
             SEV.WS.user_click();
         }},
    };
    for (const Way &way : ways) {
        SCOPED_TRACE(way.name);
        open_by_menu(a);
        way.run();
        EXPECT_EQ(SEV.Caption(), "Ohmira 6.5 [NEW]");
        EXPECT_EQ(SEV.Text1.Text(), "NEW");
        EXPECT_EQ(default_wmf_name(3, "wmf"), Chemin + "Ohmira.wmf") << "no earlier file's name";
        EXPECT_EQ(SEV.Text18.Text(), "");
        EXPECT_EQ(SEV.BuildGrid.TextMatrix(1, 6), "");
        EXPECT_EQ(SEV.Grid1.TextMatrix(1, 0), "");
        // A backup renamed changes no name of the sounding on screen.
        const std::string bak = folder.write("old.BAK", a_bytes);
        user.expect(answer_open({bak}));
        user.expect(answer_box(vbOK));
        SEV.Bak_M.user_click();
        std::filesystem::remove(folder.path() + "/old.QD3");
        // Ctrl+S asks for a name, proposing none, and a cancel writes nothing.
        const std::size_t boxes = user.message_boxes().size();
        user.expect(cancel_save());
        SEV.NRecord.user_click();
        EXPECT_EQ(user.message_boxes().size(), boxes) << "no question about an earlier file";
        EXPECT_EQ(user.records().back().default_text, "");
        EXPECT_EQ(read_file(a).value_or(""), a_bytes);
        expect_all_answered();
    }
}

TEST_F(WindowDoors, AFileWithoutHalfArrayOrShiftOrSourceStartsWithoutThem) {
    // A half-array, compensated PASI sounding first.
    const std::string pasi = folder.write("P.QD3", qd3_bytes({{1.5, 94.06, 0.5, 52.4, 12.57, 7},
                                                              {2.5, 140, 0.5, 26.3, 38.48, 7},
                                                              {2.5, 140, 5, 263, 3.8, 7}},
                                                             {}, {"", "PASI", "", "", "", "", ""}));
    const std::string dos = folder.write("D.SEV", "SITE\r\nULMAR\r\n1,3,0\r\n1,1,120,1.5\r\n"
                                                  "2,1,110,2\r\n3,1,95,3\r\n");
    const std::string one_text = folder.write(
        "T.QD3", a_bytes.substr(0, a_bytes.find("\"comment A\"")) + "\"only a comment\"\r\n");
    for (const std::string &next : {dos, one_text}) {
        SCOPED_TRACE(next);
        open_by_menu(pasi);
        ASSERT_EQ(Array_Factor, 2);
        ASSERT_EQ(Shift_Compensation, 1);
        ASSERT_EQ(Data_Source, "PASI");
        open_by_menu(next);
        EXPECT_EQ(Array_Factor, 1);
        EXPECT_EQ(SEV.Check10.Value(), vbUnchecked);
        EXPECT_EQ(Shift_Compensation, 0);
        EXPECT_EQ(Data_Source, "");
        user.expect(answer_box(vbYes));
        SEV.NRecord.user_click();
        const Filed f = read_filed(File_Path);
        ASSERT_EQ(f.texts.size(), 7u);
        EXPECT_EQ(f.texts[1], "\"\"") << "no PASI stamp of the sounding before";
        expect_all_answered();
    }
}

TEST_F(WindowDoors, TheOverlayKeysOnlyBeepAfterAnOpenWhateverIsRedrawn) {
    const std::string b = folder.write(
        "B.QD3", qd3_bytes({{1, 20, 0.2, 1, 1, 1}, {3, 40, 0.2, 1, 1, 1}, {9, 80, 0.2, 1, 1, 1}},
                           {{10, 1}, {300, 0}}, {"", "", "", "", "", "", ""}));
    const std::function<void()> redraws[] = {
        [] { SEV.resize(17000, 11500); },
        [] { SEV.ExitButton.user_click(); },
        [] {
            HeadlessDialogHost ok;
            DialogHostGuard answering{ok};
            SEV.Command11.user_click();
        },
        [] {
            SEV.SSTab1.user_select_tab(1);
            SEV.SSTab1.user_select_tab(0);
        },
    };
    for (const auto &redraw : redraws) {
        open_by_menu(a);
        SEV.Calcul_Button.user_click(); // A's model computed, A named in the store's list
        open_by_menu(b);
        redraw();
        EXPECT_EQ(Fresh_Load, vbTrue) << "no redraw lifts the guard";
        {
            HeadlessDialogHost ok; // the OK that would enable the keys once the guard is down
            DialogHostGuard answering{ok};
            SEV.Command11.user_click();
        }
        reset_beep_count();
        SEV.lastone.user_click();
        EXPECT_EQ(Model_Layers(1, 1).num(), 10) << "B's model, not A's";
        user.expect(answer_box(vbYes));
        SEV.NRecord.user_click();
        EXPECT_EQ(read_filed(b).layers[0][0], 1000) << "B saved with its own model";
        expect_all_answered();
    }
    // The user's compute lifts the guard.
    SEV.Calcul_Button.user_click();
    EXPECT_EQ(Fresh_Load, 0);
}

TEST_F(WindowDoors, SuperposedModelsStayDrawnOnTheMainPlotAfterAnOpen) {
    const std::string b = folder.write(
        "B.QD3", qd3_bytes({{1, 20, 0.2, 1, 1, 1}, {3, 40, 0.2, 1, 1, 1}, {9, 80, 0.2, 1, 1, 1}},
                           {{10, 1}, {300, 0}}, {"", "", "", "", "", "", ""}));
    open_by_menu(a);
    SEV.Check18.user_click(); // superposition on
    SEV.Calcul_Button.user_click();
    open_by_menu(b);
    const auto drawn_in = [](const Variant &colour) {
        int n = 0;
        const auto c = static_cast<Colour>(colour.num());
        for (const auto &l : SEV.Bilog.picture().lines())
            n += l.pen.colour == c;
        for (const auto &p : SEV.Bilog.picture().polylines())
            n += p.pen.colour == c;
        return n;
    };
    EXPECT_GT(drawn_in(Superposed_Color), 0) << "A's curve in the superposed colour";
    EXPECT_GT(drawn_in(Curve_Color), 0) << "B's own curve";
    expect_all_answered();
}

} // namespace ohmira

namespace ohmira {

// Paths the random user found, each as the short sequence that shows it.

TEST_F(WindowDoors, ANewSoundingShownWholeWhateverTheWindowHeld) {
    // Typing the window still holds (a current below the data's end), then a conversion shows its
    // file: the sounding read, not the typing of the one before, whatever the tab does meanwhile.
    open_by_menu(a);
    type(SEV.BuildGrid, 7, 4, "181");
    SEV.Calcul_Button.user_click();
    SEV.SSTab1.user_select_tab(2); // the conversion's open selects the main tab again
    const std::string ves = folder.write("abem.VES", test::abem_sample());
    user.expect(answer_open({ves}));
    user.expect(answer_box(vbYes)); // "Recording File .../abem.QD3"
    SEV.NAbem.user_click();
    EXPECT_EQ(SEV.Text18.Text(), "Well 12, north");
    EXPECT_EQ(Comment, "Well 12, north");
    EXPECT_EQ(Nb_Points, 3);
    EXPECT_EQ(SEV.BuildGrid.TextMatrix(2, 2), " 3");
    EXPECT_EQ(SEV.BuildGrid.TextMatrix(4, 2), "");
    EXPECT_EQ(SEV.BuildGrid.TextMatrix(7, 4), "");
    EXPECT_EQ(read_filed(folder.path() + "/abem.QD3").points.size(), 3u);
    // A file the toolbar's open refuses leaves the typing in the boxes.
    SEV.X_Texte1.user_set_text("typed");
    const std::string garbage = folder.write("garbage.QD3", "no sounding\r\n");
    user.expect(answer_open({garbage}));
    user.expect(answer_box(vbOK));
    SEV.Toolbar1.user_click_button("open");
    EXPECT_EQ(SEV.X_Texte1.Text(), "typed");
    expect_all_answered();
}

TEST_F(WindowDoors, TheGridShowsEveryValueOfThePointsAndNothingElse) {
    // A current without ΔV is shown; a row whose ΔV is deleted has no K.
    const std::string c =
        folder.write("C.QD3", qd3_bytes({{1.5, 50, 0.5, 52.4, 6.68, 7},
                                         {2.5, 70, 0.5, 0, 0, 7},
                                         {4, 120, 0.5, 12.2, 49.87, 5}},
                                        {{40, 2}, {200, 0}}, {"", "", "", "", "", "", ""}));
    open_by_menu(c);
    EXPECT_EQ(SEV.BuildGrid.TextMatrix(2, 4), " 7");
    EXPECT_EQ(SEV.BuildGrid.TextMatrix(2, 3), "");
    type(SEV.BuildGrid, 3, 3, "");
    SEV.BuildGrid.user_key_down(vbKeyDown);
    EXPECT_EQ(SEV.BuildGrid.TextMatrix(3, 5), "") << "no K without ΔV";
    user.expect(answer_box(vbYes));
    SEV.NRecord.user_click();
    EXPECT_EQ(read_filed(c).points[2][4], 0);

    // A spacing typed under Wenner's "-" column is no MN/2: once Schlumberger applies, the cell
    // shows what the point holds.
    {
        HeadlessDialogHost ok;
        DialogHostGuard answering{ok};
        SEV.Option3.Value(true);
        SEV.Command11.user_click();
        type(SEV.BuildGrid, 1, 1, "96.2");
        type(SEV.BuildGrid, 1, 3, "52");
        SEV.Calcul_Button.user_click();
        SEV.Option1.Value(true);
        SEV.Command11.user_click();
    }
    EXPECT_EQ(SEV.BuildGrid.TextMatrix(1, 1), "");
    expect_all_answered();
}

TEST_F(WindowDoors, TheModelGridShowsTheModelTheFileHolds) {
    open_by_menu(a);
    // A resistivity below the file's smallest shows as that smallest; a thickness in a row
    // without resistivity is no layer, in the grid and in the file.
    type(SEV.Grid1, 1, 0, ".001");
    type(SEV.Grid1, 6, 1, "89.2");
    user.expect(answer_box(vbYes));
    SEV.NRecord.user_click();
    EXPECT_EQ(SEV.Grid1.TextMatrix(1, 0), " .01  ");
    EXPECT_EQ(SEV.Grid1.TextMatrix(6, 1), "");
    const Filed f = read_filed(a);
    EXPECT_EQ(f.layers[0][0], 1);
    EXPECT_EQ(f.layers[5], (std::vector<double>{0, 0, 0}));
    expect_all_answered();
}

} // namespace ohmira
