#include "editor/field_grid.h"

#include <array>
#include <cmath>
#include <vector>

#include "../editor/editor_fixture.h"
#include "commands/editor_commands.h"
#include "commands/open_save.h"
#include "form/applied_array.h"
#include "platform/clipboard.h"
#include "platform/control.h"
#include "platform/user_feedback.h"

namespace ohmira::test {
namespace {

class FieldGridTest : public EditorTest {
protected:
    void SetUp() override {
        EditorTest::SetUp();
        connect_editor_commands();
        empty_page();
    }
    static double fd(int r, int c) { return Field_Data(r, c).num(); }
};

TEST_F(FieldGridTest, KAndResistivityOfOneRowPerArray) {
    struct Case {
        int array; // 1 Schlumberger, 2 dipole, 3 Wenner
        int half;  // Check10
        const char *mn, *ab, *dv, *i;
        double k;
        double rho;
        const char *k_cell;
    };
    const Case cases[] = {
        {1, 0, "1", "10", "100", "50", 156, 312, " 156"},
        {1, 1, "1", "10", "100", "50", 311, 622, " 311"},
        {3, 0, "", "5", "10", "10", 31.42, 31.4, " 31.42"},
        {3, 1, "", "5", "10", "10", 62.83, 62.8, " 62.83"},
        {2, 0, "60", "10", "10", "10", 126, 126, " 126"},
        {1, 0, ".5", "1.5", "100", "10", 6.28, 62.8, " 6.28"},
        {1, 0, "1", "3", "9.99", "100", 12.57, 1.26, " 12.57"},
        {1, 0, "1", "500", "1", "10", 392698, 39270, " 392698"},
        {2, 0, "2.55", "1000", "10", "10", -5.35, -5.35, "-5.35"},
    };
    for (const auto &c : cases) {
        Apply_Array(c.array == 1   ? Array_Type::Schlumberger
                    : c.array == 2 ? Array_Type::Dipole
                                   : Array_Type::Wenner);
        SEV.Check10.Value(c.half);
        row(1, c.mn, c.ab, c.dv, c.i);
        Compute_Field_Rows();
        EXPECT_NEAR(fd(1, 5), c.k, 1e-9) << c.ab << " array " << c.array;
        EXPECT_NEAR(fd(1, 2), c.rho, 1e-9) << c.ab << " array " << c.array;
        EXPECT_EQ(cell(1, 5), c.k_cell);
        EXPECT_EQ(Nb_Points, 1);
    }
    // The dipole spacings are written back whole.
    EXPECT_EQ(cell(1, 1), " 2.55");
    EXPECT_EQ(cell(1, 2), " 1000");
}

TEST_F(FieldGridTest, DipoleWithoutAFactorIsNotMeasured) {
    Apply_Array(Array_Type::Dipole);
    row(1, "3", "1", "10", "10"); // 1/AM = 3/BN: no K, no resistivity
    Compute_Field_Rows();
    EXPECT_EQ(fd(1, 5), 0);
    EXPECT_EQ(fd(1, 2), 0);
    EXPECT_EQ(cell(1, 5), "");
    row(1, "3", "1", "10", "10", "80"); // a typed resistivity still counts
    Compute_Field_Rows();
    EXPECT_EQ(Nb_Points, 1);
    EXPECT_EQ(fd(1, 2), 80);
    EXPECT_EQ(fd(1, 5), 0);
}

TEST_F(FieldGridTest, TypedResistivityHoleAndOrdering) {
    row(1, "", "10", "", "", "250");
    row(2, "", "20", "", "", "180");
    row(3, "", "15", "", "", "120"); // out of order
    row(5, "", "40", "", "", "90");  // after a hole: not data
    Compute_Field_Rows();
    EXPECT_EQ(Nb_Points, 3);
    EXPECT_EQ(fd(1, 5), 0);
    EXPECT_EQ(fd(1, 2), 250);
    // Row 3 moved up one place, with its typed resistivity.
    EXPECT_EQ(fd(2, 1), 15);
    EXPECT_EQ(fd(2, 2), 120);
    EXPECT_EQ(fd(2, 7), 120);
    EXPECT_EQ(fd(3, 1), 20);
    EXPECT_EQ(fd(3, 7), 180);
    EXPECT_EQ(cell(2, 2), " 15");
    EXPECT_EQ(cell(2, 6), " 120");
    EXPECT_EQ(cell(3, 6), " 180");
    EXPECT_EQ(Max_AB2, 20);

    // The next pass keeps the values with their rows.
    Compute_Field_Rows();
    EXPECT_EQ(fd(2, 2), 120);
    EXPECT_EQ(fd(3, 2), 180);
}

TEST_F(FieldGridTest, RowsAsReadKeepTheirKAndOrderThroughADelete) {
    // Two MN/2 segments, the second starting below the first's last spacing; K as the file
    // gives it (0 where it gives none).
    std::string qd3 = "3.5\r\n15,2780,50,4427,0,100\r\n30,8040,50,4552,500,80\r\n"
                      "20,5000,100,1000,0,50\r\n";
    for (int j = 1; j <= 20; ++j)
        qd3 += "0,0,0\r\n";
    for (int t = 1; t <= 7; ++t)
        qd3 += "\"\"\r\n";
    ASSERT_TRUE(open_sounding_file(write_bytes("read.QD3", qd3)));
    Compute_Field_Rows();
    EXPECT_EQ(Nb_Points, 3);
    EXPECT_EQ(fd(1, 5), 0);
    EXPECT_EQ(cell(1, 5), " 0");
    EXPECT_EQ(fd(2, 5), 5);
    EXPECT_EQ(fd(3, 1), 2);
    EXPECT_NEAR(fd(3, 2), 50, 1e-9);

    // A deleted row takes nothing of the rows below with it.
    SEV.BuildGrid.Row(1);
    SEV.CorrectButton.user_click();
    Compute_Field_Rows();
    EXPECT_EQ(Nb_Points, 2);
    EXPECT_EQ(fd(1, 1), 3);
    EXPECT_EQ(fd(1, 5), 5);
    EXPECT_EQ(fd(2, 1), 2);
    EXPECT_EQ(fd(2, 5), 0);
}

TEST_F(FieldGridTest, EmptyAndFullGrids) {
    Compute_Field_Rows();
    EXPECT_EQ(Nb_Points, 0);
    EXPECT_EQ(Max_AB2, 0);
    for (int r = 1; r <= 50; ++r)
        row(r, "", std::to_string(r), "", "", "100");
    Nb_Points = 7;
    Compute_Field_Rows();
    EXPECT_EQ(Nb_Points, 50);
    Field_Data(51, 1) = 60.0;
    Field_Data(51, 2) = 90.0;
    Compute_Field_Rows();
    EXPECT_EQ(Nb_Points, 51);
    EXPECT_EQ(fd(51, 1), 60);
}

TEST_F(FieldGridTest, MarineFloorCorrectionOnlyWithAWaterResistivityAbove) {
    struct Case {
        const char *water;
        const char *typed;
        double rho;
    };
    const Case cases[] = {
        {"1000", "100", 111}, // 100 × 1000 / 900
        {"", "100", 100},     {"0", "100", 100}, {"50", "100", 100}, {"100", "100", 100},
    };
    SEV.Marine_floor.Value(vbChecked);
    for (const auto &c : cases) {
        SEV.Reau.Text(c.water);
        row(1, "", "10", "", "", c.typed);
        Field_Data(1, 7) = 0.0;
        Compute_Field_Rows();
        EXPECT_EQ(fd(1, 2), c.rho) << c.water;
        EXPECT_EQ(Nb_Points, 1) << c.water;
    }

    // A row kept as computed is corrected once the box or the water resistivity changes.
    SEV.Marine_floor.Value(vbUnchecked);
    row(1, "1", "10", "100", "50", "");
    Compute_Field_Rows();
    ASSERT_EQ(fd(1, 2), 312);
    SEV.Reau.user_set_text("1000");
    SEV.Marine_floor.Value(vbChecked);
    Compute_Field_Rows();
    EXPECT_EQ(fd(1, 2), 453) << "312 × 1000 / 688";
    Compute_Field_Rows();
    EXPECT_EQ(fd(1, 2), 453) << "corrected once";
}

TEST_F(FieldGridTest, ShiftCompensation) {
    Shift_Compensation = 1;
    row(1, "", "10", "", "", "100");
    row(2, "", "20", "", "", "150");
    row(3, "", "20", "", "", "180"); // new segment: Y = 1.2
    row(4, "", "30", "", "", "240"); // divided by f = 1.2
    Compute_Field_Rows();
    EXPECT_EQ(Nb_Points, 4);
    EXPECT_EQ(fd(3, 2), 150);
    EXPECT_EQ(fd(4, 2), 200);

    // A second repeat two rows after the first: the short middle segment is scaled between.
    row(5, "", "30", "", "", "300");
    Compute_Field_Rows();
    EXPECT_EQ(Nb_Points, 5);
    EXPECT_EQ(fd(3, 2), 147); // 150 × 1.2 / √1.5
    EXPECT_EQ(fd(4, 2), 240); // 200 × 1.2
    EXPECT_EQ(fd(5, 2), 200); // the resistivity of the row before
    EXPECT_EQ(cell(3, 6), " 147");
    EXPECT_EQ(cell(4, 6), " 240");

    // A repeated spacing of the table without data yet ends the data as usual.
    empty_page();
    Shift_Compensation = 1;
    row(1, "", "10", "", "", "100");
    row(2, "", "20", "", "", "150");
    row(3, "", "20", "", "", "");
    row(4, "", "30", "", "", "");
    Compute_Field_Rows();
    EXPECT_EQ(Nb_Points, 2);
    EXPECT_EQ(fd(3, 2), 0);
    EXPECT_EQ(cell(4, 6), "");

    // Without compensation the repeated spacing keeps its own value.
    empty_page();
    Shift_Compensation = 0;
    row(1, "", "10", "", "", "100");
    row(2, "", "20", "", "", "150");
    row(3, "", "20", "", "", "180");
    Compute_Field_Rows();
    EXPECT_EQ(fd(3, 2), 180);
}

TEST_F(FieldGridTest, ShiftCompensationStoresNothingNonFinite) {
    // Rows: MN/2, AB/2, ΔV, I, typed ρ. A previous resistivity rounded to 0 (a ΔV far too small)
    // and one made negative (MN/2 beyond AB/2) meet repeated spacings: the quotient by 0 and the
    // root of a negative ratio are skipped, never stored.
    using Rows = std::vector<std::array<const char *, 5>>;
    const Rows cases[] = {
        {{"", "10", "", "", "100"},
         {"1", "20", "0.0001", "100", ""},
         {"", "20", "", "", "180"},
         {"", "30", "", "", "240"}},
        {{"", "10", "", "", "100"},
         {"30", "20", "100", "100", ""},
         {"", "20", "", "", "180"},
         {"", "30", "", "", "240"},
         {"", "40", "", "", "250"},
         {"", "40", "", "", "300"},
         {"", "50", "", "", "320"}},
        {{"", "10", "", "", "100"},
         {"", "20", "", "", "150"},
         {"", "20", "", "", "180"},
         {"30", "30", "100", "100", ""},
         {"", "30", "", "", "300"},
         {"", "40", "", "", "320"}},
    };
    for (const Rows &rows : cases) {
        empty_page();
        Shift_Compensation = 1;
        for (std::size_t i = 0; i < rows.size(); ++i) {
            const auto &r = rows[i];
            row(static_cast<int>(i) + 1, r[0], r[1], r[2], r[3], r[4]);
        }
        Compute_Field_Rows();
        for (int r = 1; r <= static_cast<int>(rows.size()); ++r) {
            for (int c = 1; c <= 7; ++c)
                EXPECT_TRUE(std::isfinite(fd(r, c))) << "row " << r << " column " << c;
            for (int c = 1; c <= 6; ++c) {
                const std::string text = cell(r, c);
                EXPECT_EQ(text.find_first_of("nN"), std::string::npos) << r << ": " << text;
            }
        }
    }
}

TEST_F(FieldGridTest, KeysTypeIntoTheCurrentCell) {
    auto &g = SEV.BuildGrid;
    g.user_click_cell(2, 2);
    EXPECT_EQ(First_Key, 1);
    g.TextMatrix(2, 2, "77");
    struct Key {
        int code;
        const char *after;
    };
    const Key keys[] = {
        {'1', "1"},         {98, "12"},                 // keypad 2
        {110, "12."},                                   // keypad decimal
        {190, "12.."},                                  // main-keyboard period
        {vbKeyBack, "12."}, {'A', "12."}, {189, "12."}, // letters and minus refused
        {vbKeyDelete, ""},                              // Delete empties the cell
        {'4', "4"},
    };
    for (const auto &k : keys) {
        g.user_key_down(k.code);
        EXPECT_EQ(cell(2, 2), k.after) << k.code;
    }
    EXPECT_EQ(Field_Rows_Computed.num(), 0);
    EXPECT_EQ(Saved, 0);

    // The header row never takes a key.
    g.Row(0);
    g.user_key_down('5');
    EXPECT_EQ(cell(0, 2), "AB/2");

    // A fresh click on the resistivity column forgets the typed value of the row.
    g.TextMatrix(3, 6, "250");
    Field_Data(3, 7) = 250.0;
    g.user_click_cell(3, 6);
    g.user_key_down('9');
    EXPECT_EQ(cell(3, 6), "9");
    EXPECT_EQ(Field_Data(3, 7).num(), 0);
    // Delete on it forgets it too.
    Field_Data(3, 7) = 9.0;
    g.user_key_down(vbKeyDelete);
    EXPECT_EQ(cell(3, 6), "");
    EXPECT_EQ(Field_Data(3, 7).num(), 0);
}

TEST_F(FieldGridTest, ClickOnKExplains) {
    host_.expect(answer_box(vbOK));
    SEV.BuildGrid.user_click_cell(1, 5);
    ASSERT_EQ(host_.message_boxes().size(), 1u);
    EXPECT_EQ(host_.message_boxes()[0].text, "You cannot enter a value, K is calculated");
    EXPECT_EQ(host_.message_boxes()[0].icon, MsgIcon::Question);
}

TEST_F(FieldGridTest, PasteEndsLinesAtCrLfOrCrlf) {
    clipboard_set_text("1.5\r\n2\n3\r4");
    SEV.BuildGrid.user_click_cell(2, 2);
    SEV.BuildGrid.user_double_click();
    EXPECT_EQ(cell(2, 2), "1.5");
    EXPECT_EQ(cell(3, 2), "2");
    EXPECT_EQ(cell(4, 2), "3");
    EXPECT_EQ(cell(5, 2), "4");
    EXPECT_EQ(cell(6, 2), "");
    EXPECT_EQ(clipboard_text(), "");

    // Pasting stops at the last row.
    clipboard_set_text("7\r\n8\r\n9\r\n");
    SEV.BuildGrid.user_click_cell(49, 3);
    SEV.BuildGrid.user_double_click();
    EXPECT_EQ(cell(49, 3), "7");
    EXPECT_EQ(cell(50, 3), "8");
}

TEST_F(FieldGridTest, DownArrowRecomputesAndMovesOneRow) {
    auto &g = SEV.BuildGrid;
    row(1, "1", "2", "100", "50");
    row(2, "1", "4", "100", "50");
    row(3, "1", "6", "100", "50");
    g.user_click_cell(3, 4);
    for (int key : {'5', '0', '0'}) // I of row 3 typed anew
        g.user_key_down(key);
    EXPECT_EQ(cell(3, 4), "500");
    g.user_key_down(vbKeyDown);
    EXPECT_EQ(Nb_Points, 3);
    EXPECT_EQ(Field_Rows_Computed.num(), 1);
    EXPECT_EQ(g.Row(), 4);
    EXPECT_EQ(First_Key, 1);

    // Down on the last row reads the row below as empty and does not fail.
    g.Row(50);
    row(50, "", "70", "", "", "100");
    g.user_key_down(vbKeyDown);
    EXPECT_EQ(g.Row(), 50);

    // Up never recomputes.
    Nb_Points = 0;
    g.user_key_down(vbKeyUp);
    EXPECT_EQ(Nb_Points, 0);
}

TEST_F(FieldGridTest, HalfArrayBoxRecomputes) {
    row(1, "1", "10", "100", "50");
    SEV.Check10.Value(vbChecked);
    EXPECT_EQ(Array_Factor, 2);
    EXPECT_EQ(fd(1, 2), 622);
    SEV.Check10.Value(vbUnchecked);
    EXPECT_EQ(fd(1, 2), 312);
}

TEST_F(FieldGridTest, StepRowMovesDownWithAnUpArrowQueued) {
    struct Case {
        int from, to;
    };
    take_sent_keys();
    for (const Case c : {Case{1, 2}, Case{49, 50}, Case{50, 50}}) {
        SEV.BuildGrid.Row(c.from);
        Step_Field_Row();
        EXPECT_EQ(SEV.BuildGrid.Row(), c.to) << c.from;
        EXPECT_EQ(take_sent_keys(), std::vector<int>{vbKeyUp}) << c.from;
    }
}

} // namespace
} // namespace ohmira::test
