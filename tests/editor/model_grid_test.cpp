// The model grid: its texts and colours, reading it back, typing, fixed parameters, inserting
// and deleting layers.
#include "editor/model_grid_editing.h"
#include "model_fixture.h"

namespace ohmira::test {
namespace {

using Row = std::vector<std::string>;

class ModelGrid : public ModelEditorTest {
protected:
    // The example of three layers: 100 ohm·m over 5 m, 10 over 20 m, 1000 below.
    static void show_three_layers() {
        set_model({{100, 5}, {10, 20}, {1000, 0}});
        Display_Model();
    }
    // A key pressed in the grid; the code left for the grid's own move.
    static int key(int code) { return SEV.Grid1.user_key_down(code, 0); }
};

TEST_F(ModelGrid, FormatDecimalsPadsWithoutRounding) {
    struct Case {
        int mode;
        double value;
        const char *text;
    };
    const Case cases[] = {
        {2, 12, " 12.00"}, {2, 1.5, " 1.50"}, {2, 1.25, " 1.25"}, {2, 5, " 5.00"},
        {1, 12, " 12.0"},  {1, 1.5, " 1.5"},  {1, -2.5, "-2.5"},  {0, 12, " 12"},
        {0, 0.5, " .5"},   {3, 12, ""},       {2, 0.25, " .25"},  {1, 0.5, " .5"},
    };
    for (const Case &c : cases) {
        Decimals_Mode = static_cast<std::int16_t>(c.mode);
        EXPECT_EQ(Format_Decimals(c.value), c.text) << c.mode << " " << c.value;
    }
}

TEST_F(ModelGrid, DisplayWritesTheLayersWithTheirDepths) {
    SEV.Text29.Text("old title");
    X_Coord = "512300";
    Comment = "near the well";
    Graph_Title = "VES 12";
    show_three_layers();
    EXPECT_EQ(row_texts(1), (Row{" 100  ", " 5  ", "", ""}));
    EXPECT_EQ(row_texts(2), (Row{" 10  ", " 20  ", " 5  ", ""}));
    EXPECT_EQ(row_texts(3), (Row{" 1000  ", "", " 25  ", ""}));
    for (int r = 4; r <= 20; ++r)
        EXPECT_EQ(row_texts(r), (Row{"", "", "", ""})) << "row " << r;
    EXPECT_EQ(Nb_Layers, 3);
    EXPECT_EQ(back_colour(2, 0), Free_Cell_Back);
    EXPECT_EQ(fore_colour(2, 1), Free_Cell_Fore);
    EXPECT_EQ(SEV.X_Texte1.Text(), "512300");
    EXPECT_EQ(SEV.Text18.Text(), "near the well");
    EXPECT_EQ(SEV.Text29.Text(), "VES 12");
    EXPECT_EQ(SEV.Text19.Text(), "VES 12") << "both title boxes show the one title";
}

TEST_F(ModelGrid, DisplayShowsAltitudesAndFixedColours) {
    Z_Coord = "100";
    Decimals_Mode = 1;
    set_model({{100, 5}, {10, 20}, {1000, 0}});
    Fixed_Param(1) = 2;
    Fixed_Param(2) = 3;
    Display_Model();
    EXPECT_EQ(row_texts(1), (Row{" 100  ", " 5.0  ", "", " 100.0  "}));
    EXPECT_EQ(row_texts(3), (Row{" 1000  ", "", " 25.0  ", " 75.0  "}));
    EXPECT_EQ(back_colour(1, 1), Fixed_Cell_Back);
    EXPECT_EQ(fore_colour(1, 1), Fixed_Cell_Fore);
    EXPECT_EQ(back_colour(1, 0), Free_Cell_Back);
    EXPECT_EQ(back_colour(2, 0), Fixed_Cell_Back);
    EXPECT_EQ(back_colour(2, 1), Fixed_Cell_Back);
    EXPECT_EQ(back_colour(3, 0), Free_Cell_Back);
}

TEST_F(ModelGrid, DisplayKeepsTheHeaderWithoutAModelAndShowsWhatTheModelHolds) {
    SEV.Grid1.TextMatrix(0, 1, "Thickness");
    Model_Layers.clear();
    Nb_Layers = 0;
    Display_Model();
    EXPECT_EQ(SEV.Grid1.TextMatrix(0, 1), "Thickness");
    EXPECT_EQ(row_texts(1), (Row{"", "", "", ""}));

    // Layer 1 with a resistivity and no thickness: the grid and the model keep it alike (a save
    // writes what the grid shows).
    Model_Layers.clear();
    Model_Layers(1, 1) = 50.0;
    Display_Model();
    EXPECT_EQ(SEV.Grid1.TextMatrix(1, 0), " 50  ");
    EXPECT_EQ(Model_Layers(1, 1).num(), 50.0);
    EXPECT_EQ(SEV.Grid1.TextMatrix(0, 1), "Thickness");

    // Twenty layers each with a thickness: the twentieth is the half-space, in the grid and in
    // the model.
    for (int i = 1; i <= 20; ++i) {
        Model_Layers(1, i) = 10.0 * i;
        Model_Layers(2, i) = 3.0;
    }
    Display_Model();
    EXPECT_EQ(SEV.Grid1.TextMatrix(20, 1), "");
    EXPECT_EQ(Model_Layers(2, 20).num(), 0.0);
    EXPECT_EQ(SEV.Grid1.TextMatrix(19, 1), " 3  ");
}

TEST_F(ModelGrid, ReadingBackTakesTheTitleFromItsOwnBox) {
    show_three_layers();
    SEV.Grid1.TextMatrix(2, 0, " 15  ");
    SEV.Z_Texte3.Text("200");
    // Typing in either title box changes the one title, shown in both.
    SEV.Text19.Change = Text19_Change;
    SEV.Text29.Change = Text29_Change;
    SEV.Text29.Text("compute title");
    SEV.Text19.Text("fit title");
    EXPECT_EQ(SEV.Text29.Text(), "fit title");
    lecturemodèle();
    EXPECT_EQ(Model_Layers(1, 2).num(), 15.0);
    EXPECT_EQ(Graph_Title, "fit title");
    EXPECT_EQ(Z_Coord, "200");
    EXPECT_EQ(row_texts(3), (Row{" 1000  ", "", " 25  ", " 175  "}));

    SEV.Text29.Text("compute title");
    EXPECT_EQ(SEV.Text19.Text(), "compute title");
    Read_Model_Grid();
    EXPECT_EQ(Graph_Title, "compute title");
    lecturemodèle();
    EXPECT_EQ(Graph_Title, "compute title");
    EXPECT_TRUE(host.records().empty());
}

TEST_F(ModelGrid, AnUnreadableValueStopsTheReadingWithItsBox) {
    show_three_layers();
    SEV.Grid1.TextMatrix(2, 0, " 15  ");
    SEV.Grid1.TextMatrix(2, 1, std::string(400, '9') + "  ");
    SEV.Text18.Text("new comment");
    host.expect(answer_box(vbOK));
    Read_Model_Grid();
    ASSERT_EQ(host.message_boxes().size(), 1u);
    EXPECT_EQ(host.message_boxes()[0].text,
              "Model impossible...\n\r" + std::string(20, '9') + "...");
    EXPECT_EQ(host.message_boxes()[0].title, "Ohmira 6.5");
    EXPECT_EQ(host.message_boxes()[0].icon, MsgIcon::Exclamation);
    EXPECT_EQ(Model_Layers(1, 2).num(), 10.0) << "the model is read whole or not at all";
    EXPECT_EQ(Comment, "") << "the reading ended at the error";
    EXPECT_EQ(SEV.Grid1.TextMatrix(2, 0), " 15  ") << "the grid is not shown again";
}

TEST_F(ModelGrid, TypedKeysReplaceThenEditTheCell) {
    show_three_layers();
    SEV.Grid1.user_click_cell(2, 0);
    EXPECT_EQ(Model_First_Key, 1);
    key('2');
    EXPECT_EQ(SEV.Grid1.Text(), "2  ");
    key(101); // keypad 5
    EXPECT_EQ(SEV.Grid1.Text(), "25  ");
    key(vbKeyBack);
    EXPECT_EQ(SEV.Grid1.Text(), "2  ");
    key(vbKeyBack);
    EXPECT_EQ(SEV.Grid1.Text(), "  ");
    key(vbKeyBack);
    EXPECT_EQ(SEV.Grid1.Text(), "  ");
    for (int code : {int('1'), 190, int('5'), int('A'), 189, 110})
        key(code);
    EXPECT_EQ(SEV.Grid1.Text(), "1.5.  ") << "letters and minus are ignored";
    key(vbKeyDelete);
    EXPECT_EQ(SEV.Grid1.Text(), "  ") << "Delete empties the cell";
    key('3');
    EXPECT_EQ(SEV.Grid1.Text(), "3  ");
    EXPECT_EQ(beep_count(), 0);
    // Moving to another cell makes the next key replace it.
    EXPECT_EQ(key(vbKeyDown), vbKeyDown);
    EXPECT_EQ(SEV.Grid1.Row(), 3);
    key('7');
    EXPECT_EQ(SEV.Grid1.TextMatrix(3, 0), "7  ");
}

TEST_F(ModelGrid, KeysOutsideTheTwoEditableColumnsBeep) {
    show_three_layers();
    SEV.Grid1.user_click_cell(2, 1);
    EXPECT_EQ(key(vbKeyRight), 0) << "the cursor stays in the thickness column";
    EXPECT_EQ(SEV.Grid1.Col(), 1);
    EXPECT_EQ(beep_count(), 1);
    SEV.Grid1.user_click_cell(2, 2);
    key('4');
    EXPECT_EQ(SEV.Grid1.TextMatrix(2, 2), " 5  ");
    EXPECT_EQ(beep_count(), 2);
    // Arrows still move out of the depth column.
    EXPECT_EQ(key(vbKeyLeft), vbKeyLeft);
    EXPECT_EQ(SEV.Grid1.Col(), 1);
    // The header row is never typed into.
    select_cell(0, 0);
    key('4');
    EXPECT_EQ(SEV.Grid1.TextMatrix(0, 0), "");
}

TEST_F(ModelGrid, DoubleClicksHoldAndFreeParameters) {
    show_three_layers();
    struct Step {
        int row, col, flag_after, back_after;
    };
    const Step steps[] = {
        {2, 0, 1, Fixed_Cell_Back}, {2, 0, 0, Free_Cell_Back}, {2, 0, 1, Fixed_Cell_Back},
        {2, 1, 3, Fixed_Cell_Back}, {2, 1, 1, Free_Cell_Back}, {2, 0, 0, Free_Cell_Back},
    };
    for (const Step &s : steps) {
        select_cell(s.row, s.col);
        Toggle_Fixed_Parameter();
        EXPECT_EQ(Fixed_Param(s.row), s.flag_after);
        EXPECT_EQ(back_colour(s.row, s.col), s.back_after);
        EXPECT_EQ(fore_colour(s.row, s.col),
                  s.back_after == Fixed_Cell_Back ? Fixed_Cell_Fore : Free_Cell_Fore);
    }
    EXPECT_EQ(beep_count(), 0);
    // An empty cell, the depth column and the header refuse.
    for (auto [row, col] : {std::pair{3, 1}, {5, 0}, {2, 2}, {0, 0}}) {
        select_cell(row, col);
        Toggle_Fixed_Parameter();
    }
    EXPECT_EQ(beep_count(), 4);
    EXPECT_EQ(Fixed_Param(3), 0);
    EXPECT_EQ(Fixed_Param(5), 0);
}

TEST_F(ModelGrid, InsertingPutsANewLayerAtTheCurrentRow) {
    show_three_layers();
    Fixed_Param(2) = 1;
    Display_Model();
    select_cell(2, 1);
    InsLine_Click();
    EXPECT_EQ(row_texts(1), (Row{" 100  ", " 5  ", "", ""}));
    EXPECT_EQ(row_texts(2), (Row{"100  ", "1  ", " 5  ", ""}));
    EXPECT_EQ(row_texts(3), (Row{" 10  ", " 20  ", " 6  ", ""}));
    EXPECT_EQ(row_texts(4), (Row{" 1000  ", "", " 26  ", ""}));
    EXPECT_EQ(row_texts(5), (Row{"", "", "", ""}));
    EXPECT_EQ(Fixed_Param(2), 0);
    EXPECT_EQ(Fixed_Param(3), 1) << "the flag moves with its layer";
    EXPECT_EQ(back_colour(3, 0), Fixed_Cell_Back);
    EXPECT_EQ(back_colour(2, 0), Free_Cell_Back);
    EXPECT_EQ(SEV.Grid1.Row(), 2);
    EXPECT_EQ(SEV.Grid1.Col(), 0);
    EXPECT_EQ(Model_Layers(1, 2).num(), 10.0) << "the model changes when the grid is read";

    // At row 1 the layer moving down gets depth 1; altitudes move the other way.
    Z_Coord = "50";
    Display_Model();
    select_cell(1, 0);
    InsLine_Click();
    EXPECT_EQ(row_texts(1), (Row{"100  ", "1  ", "", " 50  "}));
    EXPECT_EQ(row_texts(2), (Row{" 100  ", " 5  ", " 1  ", " 49  "}));
    EXPECT_EQ(beep_count(), 0);
}

TEST_F(ModelGrid, InsertingRefusesBesideAnEmptyLayerOrIntoAFullGrid) {
    show_three_layers();
    select_cell(5, 1);
    InsLine_Click();
    EXPECT_EQ(beep_count(), 1);
    EXPECT_EQ(SEV.Grid1.Row(), 5);
    EXPECT_EQ(SEV.Grid1.Col(), 0);
    EXPECT_EQ(row_texts(5), (Row{"", "", "", ""}));
    SEV.Grid1.TextMatrix(20, 0, " 7  ");
    select_cell(2, 0);
    InsLine_Click();
    EXPECT_EQ(beep_count(), 2);
    EXPECT_EQ(row_texts(2), (Row{" 10  ", " 20  ", " 5  ", ""}));
}

TEST_F(ModelGrid, DeletingMovesTheLayersBelowUp) {
    struct Case {
        int row;
        std::vector<Row> rows; // rows 1..3 afterwards
    };
    const Case cases[] = {
        {2, {{" 100  ", " 5  ", "", ""}, {" 1000  ", "", " 5  ", ""}, {"", "", "", ""}}},
        {1, {{" 10  ", " 20  ", "", ""}, {" 1000  ", "", " 20  ", ""}, {"", "", "", ""}}},
        // The half-space goes: the layer above becomes the half-space.
        {3, {{" 100  ", " 5  ", "", ""}, {" 10  ", "", " 5  ", ""}, {"", "", "", ""}}},
    };
    for (const Case &c : cases) {
        show_three_layers();
        SEV.Grid1.TextMatrix(0, 1, "Thickness");
        select_cell(c.row, 1);
        delLine_Click();
        for (int r = 1; r <= 3; ++r)
            EXPECT_EQ(row_texts(r), c.rows[static_cast<std::size_t>(r - 1)])
                << "delete row " << c.row << ", row " << r;
        EXPECT_EQ(SEV.Grid1.Row(), c.row);
        EXPECT_EQ(SEV.Grid1.Col(), 1);
        EXPECT_EQ(SEV.Grid1.TextMatrix(0, 1), "Thickness") << "the header is never written";
    }
    // The only layer left, without a thickness: the header above it keeps its text.
    show_three_layers();
    SEV.Grid1.TextMatrix(0, 1, "Thickness");
    SEV.Grid1.TextMatrix(1, 1, "");
    select_cell(1, 0);
    delLine_Click();
    EXPECT_EQ(SEV.Grid1.TextMatrix(0, 1), "Thickness");
    EXPECT_EQ(row_texts(1), (Row{" 10  ", " 20  ", "", ""}));
    // The grid read back gives the shortened model.
    show_three_layers();
    select_cell(2, 0);
    delLine_Click();
    Read_Model_Grid();
    EXPECT_EQ(Nb_Layers, 2);
    EXPECT_EQ(Model_Layers(1, 2).num(), 1000.0);
    EXPECT_EQ(beep_count(), 0);
    select_cell(4, 0);
    delLine_Click();
    EXPECT_EQ(beep_count(), 1);
}

TEST_F(ModelGrid, DeletingInATwentyLayerModelKeepsItsHalfSpace) {
    Model_Layers.clear();
    for (int i = 1; i <= 20; ++i) {
        Model_Layers(1, i) = 10.0 * i;
        Model_Layers(2, i) = i < 20 ? 1.0 : 0.0;
    }
    Nb_Layers = 20;
    Display_Model();
    Fixed_Param(20) = 1;
    Fixed_Param(10) = 2;
    select_cell(5, 0);
    delLine_Click();
    EXPECT_EQ(row_texts(19), (Row{" 200  ", "", " 18  ", ""}));
    EXPECT_EQ(row_texts(20), (Row{"", "", "", ""}));
    EXPECT_EQ(Fixed_Param(19), 1);
    EXPECT_EQ(Fixed_Param(9), 2);
    EXPECT_EQ(Fixed_Param(20), 0);
    EXPECT_EQ(back_colour(19, 0), Fixed_Cell_Back);
    EXPECT_EQ(back_colour(20, 0), Free_Cell_Back);
    Read_Model_Grid();
    EXPECT_EQ(Nb_Layers, 19);
    EXPECT_EQ(Model_Layers(1, 19).num(), 200.0) << "no 0.001 ohm·m half-space";
}

TEST_F(ModelGrid, StepAndFreshCellNotifications) {
    show_three_layers();
    struct Case {
        int from, to;
    };
    for (const Case c : {Case{1, 1}, Case{5, 5}, Case{20, 19}}) {
        select_cell(c.from, 0);
        Step_Model_Row();
        EXPECT_EQ(SEV.Grid1.Row(), c.to) << c.from;
    }
    Model_First_Key = 0;
    Mark_Model_Cell_Fresh();
    EXPECT_EQ(Model_First_Key, 1);
}

} // namespace
} // namespace ohmira::test
