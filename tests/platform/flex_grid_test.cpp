#include "sample_form.h"

#include "platform/text_metrics.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <string>

namespace ohmira::test {
namespace {

int error_number(const std::function<void()> &f) {
    try {
        f();
    } catch (const GridIndexError &e) {
        return e.number;
    }
    return 0;
}

TEST(FlexGrid, AccessOutsideTheGridIsAReportedError) {
    SampleForm f;
    FlexGrid &g = f.Table;
    g.Rows(3);
    g.Cols(4);
    struct Case {
        const char *what;
        std::function<void()> access;
        int number;
    } cases[] = {
        {"read row -1", [&] { (void)g.TextMatrix(-1, 0); }, 381},
        {"read row Rows", [&] { (void)g.TextMatrix(3, 0); }, 381},
        {"write col Cols", [&] { g.TextMatrix(0, 4, "x"); }, 381},
        {"write inside", [&] { g.TextMatrix(2, 3, "x"); }, 0},
        {"Row = Rows", [&] { g.Row(3); }, 30009},
        {"Row = 0 (fixed) from code", [&] { g.Row(0); }, 0},
        {"Col = -1", [&] { g.Col(-1); }, 30010},
        {"TopRow = 0 (fixed)", [&] { g.TopRow(0); }, 30009},
        {"TopRow = Rows", [&] { g.TopRow(3); }, 30009},
        {"TopRow = 2", [&] { g.TopRow(2); }, 0},
        {"ColWidth(Cols)", [&] { g.ColWidth(4, 100); }, 381},
        {"RowHeight(-1)", [&] { (void)g.RowHeight(-1); }, 381},
        {"ColAlignment value", [&] { g.ColAlignment(0, 10); }, 380},
        {"RemoveItem fixed row", [&] { g.RemoveItem(0); }, 381},
        {"AddItem beyond the end", [&] { g.AddItem("a", 5); }, 381},
        {"Rows = 0", [&] { g.Rows(0); }, 380},
        {"FixedRows > Rows", [&] { g.FixedRows(4); }, 380},
    };
    for (const auto &c : cases)
        EXPECT_EQ(error_number(c.access), c.number) << c.what;
    EXPECT_EQ(g.Rows(), 3);
    EXPECT_EQ(g.TextMatrix(2, 3), "x");
    EXPECT_TRUE(g.has_cell(2, 3));
    EXPECT_FALSE(g.has_cell(3, 3));
    EXPECT_EQ(g.TopRow(), 2);
    EXPECT_EQ(g.scroll_requests(), 1) << "a refused TopRow asks for no scroll";
}

TEST(FlexGrid, ArrowKeysMoveUnlessKeyDownCancels) {
    SampleForm f;
    FlexGrid &g = f.Table;
    g.Rows(4);
    g.Cols(3);
    std::vector<int> seen;
    bool cancel_down = false;
    g.KeyDown = [&](int &code, int) {
        seen.push_back(code);
        if (cancel_down && code == vbKeyDown)
            code = 0;
    };
    struct Step {
        int key;
        bool cancel;
        int row, col;
    } steps[] = {
        {vbKeyUp, false, 1, 1},   // first non-fixed row: stays
        {vbKeyLeft, false, 1, 1}, // first non-fixed column: stays
        {vbKeyDown, false, 2, 1},  {vbKeyDown, true, 2, 1},   {vbKeyDown, false, 3, 1},
        {vbKeyDown, false, 3, 1}, // last row: stays
        {vbKeyRight, false, 3, 2}, {vbKeyRight, false, 3, 2}, {vbKeyHome, false, 3, 1},
        {vbKeyEnd, false, 3, 2},   {'5', false, 3, 2},
    };
    for (const auto &s : steps) {
        cancel_down = s.cancel;
        const int left = g.user_key_down(s.key, 0);
        EXPECT_EQ(left, s.cancel ? 0 : s.key);
        EXPECT_EQ(g.Row(), s.row) << s.key;
        EXPECT_EQ(g.Col(), s.col) << s.key;
    }
    EXPECT_EQ(seen.size(), std::size(steps)) << "KeyDown sees every key, before the move";
}

TEST(FlexGrid, ClicksMoveTheCurrentCellThenRaiseClick) {
    SampleForm f;
    FlexGrid &g = f.Table;
    g.Rows(5);
    g.Cols(3);
    std::string log;
    g.LeaveCell = [&] { log += "L" + std::to_string(g.Row()) + std::to_string(g.Col()); };
    g.EnterCell = [&] { log += "E" + std::to_string(g.Row()) + std::to_string(g.Col()); };
    g.Click = [&] { log += "C"; };
    g.DblClick = [&] { log += "D"; };
    g.user_click_cell(3, 2);
    g.user_click_cell(0, 1); // header: current cell stays
    g.user_click_cell(2, 1); // a double click: first press, then the double click
    g.user_double_click_cell(2, 1);
    EXPECT_EQ(log, "L11E32CCL32E21CD");
    EXPECT_EQ(g.MouseRow(), 2);
    EXPECT_TRUE(g.has_focus());
    log.clear();
    g.Row(2); // same cell: nothing
    g.Row(1);
    EXPECT_EQ(log, "L21E11");
}

TEST(FlexGrid, ResizingKeepsCellsAndClampsTheCursor) {
    SampleForm f;
    FlexGrid &g = f.Table;
    g.Rows(4);
    g.Cols(4);
    g.TextMatrix(1, 1, "a");
    g.TextMatrix(3, 3, "z");
    g.Row(3);
    g.Col(3);
    g.Rows(3);
    g.Cols(2);
    EXPECT_EQ(g.Row(), 2);
    EXPECT_EQ(g.Col(), 1);
    g.Rows(4);
    g.Cols(4);
    EXPECT_EQ(g.TextMatrix(1, 1), "a");
    EXPECT_EQ(g.TextMatrix(3, 3), "") << "a dropped cell comes back empty";
}

TEST(FlexGrid, FormatStringSetsHeadersAndAlignments) {
    SampleForm f;
    FlexGrid &g = f.Table;
    g.Rows(21);
    g.FormatString(">a |>a |> a|> ");
    EXPECT_EQ(g.Cols(), 4);
    const char *headers[] = {"a ", "a ", " a", " "};
    for (int c = 0; c < 4; ++c) {
        EXPECT_EQ(g.TextMatrix(0, c), headers[c]);
        EXPECT_EQ(g.ColAlignment(c), flexAlignRightCenter);
    }
    g.FormatString("<#|^Name;|one|two");
    EXPECT_EQ(g.ColAlignment(0), flexAlignLeftCenter);
    EXPECT_EQ(g.ColAlignment(1), flexAlignCenterCenter);
    EXPECT_EQ(g.TextMatrix(0, 1), "Name");
    EXPECT_EQ(g.TextMatrix(2, 0), "two");
}

TEST(FlexGrid, NeededWidthIsTheWidestTextWithItsMargins) {
    SampleForm f;
    FlexGrid &g = f.Table;
    g.Rows(4);
    g.Cols(3);
    g.Font(FontSpec{"Arial", 8, false, false});
    const ohmira::Font arial{"Arial", 8};
    const auto needed = [&](const char *text, int margin) {
        return static_cast<int>(std::ceil(text_width(arial, text) + 2 * margin));
    };
    EXPECT_EQ(g.needed_col_width(1), 0);
    g.TextMatrix(1, 1, " 392.676");
    g.TextMatrix(2, 1, " 4392.676  ");
    // Blanks ahead of a text may stand over the margin; a header takes narrower margins.
    EXPECT_EQ(g.needed_col_width(1), needed("4392.676  ", FlexGrid::cell_text_margin));
    EXPECT_GT(g.needed_col_width(1), 700);
    g.TextMatrix(0, 2, "Resistivity");
    g.TextMatrix(3, 2, "   ");
    EXPECT_EQ(g.needed_col_width(2), needed("Resistivity", FlexGrid::header_text_margin));
}

TEST(FlexGrid, AddAndRemoveRowsMoveWholeRows) {
    SampleForm f;
    FlexGrid &g = f.Table;
    g.Rows(1);
    g.Cols(3);
    g.AddItem("1\tfirst\tA");
    g.AddItem("2\tsecond"); // missing field: empty
    g.RowHeight(2, 500);
    g.AddItem("x\tinserted\tX", 2);
    ASSERT_EQ(g.Rows(), 4);
    EXPECT_EQ(g.TextMatrix(2, 1), "inserted");
    EXPECT_EQ(g.TextMatrix(3, 1), "second");
    EXPECT_EQ(g.TextMatrix(3, 2), "");
    EXPECT_EQ(g.RowHeight(3), 500) << "row height travels with its row";
    g.RemoveItem(1);
    EXPECT_EQ(g.Rows(), 3);
    EXPECT_EQ(g.TextMatrix(1, 1), "inserted");
    EXPECT_EQ(g.TextMatrix(2, 1), "second");
}

TEST(FlexGrid, CellColoursBelongToTheCurrentCell) {
    SampleForm f;
    FlexGrid &g = f.Table;
    g.Rows(3);
    g.Cols(3);
    std::vector<std::pair<int, int>> changed;
    g.on_cell_changed = [&](int r, int c) { changed.emplace_back(r, c); };
    g.Row(2);
    g.Col(1);
    EXPECT_EQ(g.CellBackColor(), 0xFFFFFF) << "the grid's colour when the cell has none";
    g.CellBackColor(65535);
    g.CellForeColor(255);
    g.Text("12  ");
    g.Text("12  ");
    EXPECT_EQ(g.cell_back_color(2, 1), 65535);
    EXPECT_EQ(g.cell_fore_color(2, 1), 255);
    EXPECT_EQ(g.cell_back_color(1, 1), FlexGrid::default_color);
    EXPECT_EQ(g.TextMatrix(2, 1), "12  ");
    EXPECT_EQ(changed.size(), 3u);
}

TEST(FlexGrid, UserEditsOnlyAnEditableGrid) {
    SampleForm f;
    FlexGrid &g = f.Table;
    int edits = 0;
    g.AfterEdit = [&](int r, int c) {
        ++edits;
        EXPECT_EQ(g.TextMatrix(r, c), "7");
    };
    g.user_edit_cell(1, 1, "7");
    EXPECT_EQ(g.TextMatrix(1, 1), "");
    g.Editable(true);
    g.user_edit_cell(1, 1, "7");
    g.user_edit_cell(9, 9, "7");
    EXPECT_EQ(edits, 1);
}

} // namespace
} // namespace ohmira::test
