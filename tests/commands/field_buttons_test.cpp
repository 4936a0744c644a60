#include "commands/field_buttons.h"

#include "../editor/editor_fixture.h"
#include "commands/editor_commands.h"
#include "core/sounding.h"
#include "editor/field_grid.h"
#include "form/settings_values.h"
#include "platform/control.h"
#include "platform/number_text.h"
#include "platform/user_feedback.h"

namespace ohmira::test {
namespace {

class FieldButtonsTest : public EditorTest {
protected:
    void SetUp() override {
        EditorTest::SetUp();
        connect_editor_commands();
        empty_page();
        reset_beep_count();
    }
    // Rows 1..n: AB/2 = r, typed resistivity 10 × r.
    void fill_typed_rows(int n) {
        for (int r = 1; r <= n; ++r)
            row(r, "", std::to_string(r), "", "", std::to_string(10 * r));
        Compute_Field_Rows();
        ASSERT_EQ(Nb_Points, n);
    }
    static double typed(int r) { return Field_Data(r, 7).num(); }
};

TEST_F(FieldButtonsTest, DeleteMovesTheRowsBelowUpWithTheirTypedValues) {
    fill_typed_rows(10);
    auto &g = SEV.BuildGrid;
    g.Row(3);
    g.Col(2);
    SEV.CorrectButton.user_click();
    EXPECT_EQ(g.Rows(), 51);
    EXPECT_EQ(cell(3, 2), "4");
    EXPECT_EQ(typed(3), 40);
    EXPECT_EQ(typed(9), 100);
    EXPECT_EQ(cell(3, 0), " 3");
    EXPECT_EQ(cell(50, 0), " 50");
    EXPECT_EQ(cell(50, 2), "");
    EXPECT_EQ(g.Row(), 3);
    EXPECT_EQ(First_Key, 1);

    // Row 50: the row above keeps its own typed value.
    Field_Data(49, 7) = 490.0;
    Field_Data(50, 7) = 500.0;
    g.Row(50);
    SEV.CorrectButton.user_click();
    EXPECT_EQ(typed(49), 490);
    EXPECT_EQ(typed(50), 0);
    EXPECT_EQ(g.Rows(), 51);

    // The header row is never removed.
    g.Row(0);
    SEV.CorrectButton.user_click();
    EXPECT_EQ(cell(0, 2), "AB/2");
    EXPECT_EQ(cell(1, 2), "1");
    EXPECT_EQ(g.Rows(), 51);
}

TEST_F(FieldButtonsTest, InsertPushesTheRowsDown) {
    fill_typed_rows(10);
    auto &g = SEV.BuildGrid;
    g.TextMatrix(50, 2, "last");
    g.Row(3);
    SEV.RecordButton.user_click();
    EXPECT_EQ(g.Rows(), 51);
    EXPECT_EQ(cell(3, 2), "1");
    EXPECT_EQ(cell(3, 6), "");
    EXPECT_EQ(cell(3, 0), " 3");
    EXPECT_EQ(cell(4, 2), "3");
    EXPECT_EQ(cell(4, 0), " 4");
    EXPECT_EQ(typed(3), -1);
    EXPECT_EQ(typed(4), 30);
    EXPECT_EQ(typed(11), 100);
    EXPECT_EQ(cell(50, 2), "");
    EXPECT_EQ(g.Row(), 3);
    EXPECT_EQ(beep_count(), 0);

    // An empty AB/2 or fifty points: only a beep.
    g.Row(20);
    SEV.RecordButton.user_click();
    Nb_Points = 50;
    g.Row(2);
    SEV.RecordButton.user_click();
    EXPECT_EQ(beep_count(), 2);
    EXPECT_EQ(cell(20, 2), "");
    EXPECT_EQ(cell(2, 2), "2");
}

TEST_F(FieldButtonsTest, ComputeNeedsThreePoints) {
    fill_typed_rows(2);
    SEV.Grid1.Rows(21);
    SEV.Grid1.Cols(4);
    SEV.Grid1.TextMatrix(1, 0, "100");
    host_.expect(answer_box(vbOK));
    SEV.Computation.user_click();
    ASSERT_EQ(host_.message_boxes().size(), 1u);
    EXPECT_EQ(host_.message_boxes()[0].text,
              "There must be at least three field values to calculate a curve");
    EXPECT_EQ(SEV.Grid1.TextMatrix(1, 0), "100");

    fill_typed_rows(3);
    SEV.BuildGrid.Row(3);
    SEV.Computation.user_click();
    // The old model gave way to the automatic model of the three points, fitted.
    EXPECT_NE(SEV.Grid1.TextMatrix(1, 0), "100");
    EXPECT_GT(Val(SEV.Grid1.TextMatrix(1, 0)), 0);
    EXPECT_GE(Nb_Layers, 2);
    EXPECT_EQ(SEV.BuildGrid.Row(), 4);
}

TEST_F(FieldButtonsTest, SaveConfirmsTheCountThenWrites) {
    for (int r = 1; r <= 12; ++r)
        row(r, "", std::to_string(r), "", "", "100");
    SEV.BuildGrid.TextMatrix(14, 2, "after a hole");
    Nb_Points = 0; // the last rows were typed without an arrow key

    host_.expect(answer_box(vbNo));
    SEV.SaveButton.user_click();
    ASSERT_EQ(host_.message_boxes().size(), 1u);
    EXPECT_EQ(host_.message_boxes()[0].text,
              " Electrical sounding has   12 data\n\rNo empty line allowed among the data...");
    EXPECT_EQ(host_.message_boxes()[0].buttons, MsgButtons::YesNo);
    EXPECT_EQ(cell(14, 2), "after a hole"); // No writes nothing and empties nothing

    host_.expect(answer_box(vbYes));
    host_.expect(answer_save(path("typed")));
    SEV.SaveButton.user_click();
    EXPECT_EQ(File_Path, path("typed.QD3"));
    const std::string bytes = read_bytes(path("typed.QD3"));
    EXPECT_EQ(bytes.substr(0, 6), "12.5\r\n");
    EXPECT_EQ(cell(14, 2), "");
    EXPECT_EQ(cell(12, 2), "12");

    // A cancelled dialog writes nothing and leaves the rows.
    File_Name = "NEW";
    SEV.BuildGrid.TextMatrix(14, 2, "again");
    host_.expect(answer_box(vbYes));
    host_.expect(cancel_save());
    SEV.SaveButton.user_click();
    EXPECT_EQ(cell(14, 2), "again");
    EXPECT_EQ(SEV.Bilog.MousePointer(), vbCrosshair);
}

TEST_F(FieldButtonsTest, SaveQuestionInEachLanguage) {
    Nb_Points = 0;
    const std::pair<char, const char *> cases[] = {
        {'F', " Le SE compte  0 données\n\r Il ne doit pas y avoir de ligne sans résistivité..."},
        {'S', " El SEV cuenta   0 datos\n\rNo debe haber línea vacía..."},
    };
    for (const auto &[language, text] : cases) {
        set_language(language);
        ScriptedDialogHost host{answer_box(vbNo)};
        DialogHostGuard guard(host);
        Confirm_Save_Field_Data();
        EXPECT_EQ(host.records().at(0).text, text);
    }
}

TEST_F(FieldButtonsTest, SmoothingBoxAndShiftMarker) {
    SEV.lissbox.Value(vbChecked);
    EXPECT_EQ(Shift_Compensation, 1);
    SEV.lissbox.Value(vbUnchecked);
    EXPECT_EQ(Shift_Compensation, 0);

    SEV.BuildGrid.Col(4);
    SEV.Text3.user_double_click();
    EXPECT_TRUE(host_.records().empty());
    SEV.BuildGrid.Col(5);
    host_.expect(answer_box(vbOK));
    SEV.Text3.user_double_click();
    ASSERT_EQ(host_.message_boxes().size(), 1u);
    EXPECT_EQ(host_.message_boxes()[0].text, "Impossible");
    EXPECT_EQ(host_.message_boxes()[0].icon, MsgIcon::Critical);
}

TEST_F(FieldButtonsTest, SmoothingBoxGivesTheFieldGridTheFocusOnlyOnTheMainTab) {
    struct Case {
        int tab;
        bool grid_focused;
    };
    // Setup first, while no control of the form holds the focus yet.
    for (const Case c : {Case{2, false}, Case{0, true}}) {
        SEV.SSTab1.Tab(c.tab);
        SEV.lissbox.Value(SEV.lissbox.Value() == vbChecked ? vbUnchecked : vbChecked);
        EXPECT_EQ(SEV.ActiveControl() == &SEV.BuildGrid, c.grid_focused) << c.tab;
    }
}

TEST_F(FieldButtonsTest, QuitRedrawsThePlotAsTheSoundingStands) {
    fill_typed_rows(5);
    Max_AB2 = 5;
    Superpose = -1;
    Curve_Last = 0;
    // No model: the frame and the points only.
    SEV.ExitButton.user_click();
    EXPECT_EQ(Curve_Last, 0);
    EXPECT_EQ(Draw_Mode, "");
    EXPECT_EQ(SEV.Bilog.MousePointer(), vbCrosshair);
    // A model: its curve, and nothing of the sounding or of the overlay guard changes.
    Model_Layers(1, 1) = 10.0;
    Model_Layers(2, 1) = 2.0;
    Model_Layers(1, 2) = 50.0;
    Nb_Layers = 2;
    Fresh_Load = vbTrue;
    SEV.ExitButton.user_click();
    EXPECT_GT(Curve_Last, 0);
    EXPECT_EQ(Fresh_Load, vbTrue);
    EXPECT_TRUE(host_.records().empty());
}

TEST_F(FieldButtonsTest, QuitWithSuperpositionDrawsTheStoreAndKeepsIt) {
    fill_typed_rows(5);
    Max_AB2 = 5;
    Model_Layers(1, 1) = 10.0;
    Model_Layers(2, 1) = 2.0;
    Model_Layers(1, 2) = 50.0;
    Nb_Layers = 2;
    Superpose = 1;
    Nb_Superposed = 1;
    Superposed_Models(1, 1, 1) = 30.0;
    Superposed_Models(1, 1, 2) = 300.0;
    Superposed_Models(1, 2, 1) = 4.0;
    Superposed_Layers(1) = 2;
    Superposed_Index = 1;
    SEV.ExitButton.user_click();
    // The stored model's curve in the superposed colour, the current one in its own.
    const auto drawn_in = [](const Variant &colour) {
        int n = 0;
        const int c = static_cast<int>(colour.num());
        for (const auto &l : SEV.Bilog.picture().lines())
            n += l.pen.colour == Colour(c);
        for (const auto &p : SEV.Bilog.picture().polylines())
            n += p.pen.colour == Colour(c);
        return n;
    };
    EXPECT_GT(drawn_in(Superposed_Color), 0);
    EXPECT_GT(drawn_in(Curve_Color), 0);
    EXPECT_EQ(Superposed_Models(2, 1, 1).num(), 0) << "the store is not changed";
    EXPECT_EQ(Model_Layers(1, 1).num(), 10) << "the current model stays";
    EXPECT_EQ(Model_Layers(1, 2).num(), 50);
    EXPECT_EQ(Color_Mode, vbTrue);
}

} // namespace
} // namespace ohmira::test
