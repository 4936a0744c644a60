#pragma once
// The grid control: a table of text cells with fixed (header) rows and columns, a current cell,
// per-cell colours, column widths, row heights and alignments.
//
// An index outside the grid is a reported error, never undefined behaviour: every accessor that
// takes a row or column throws `GridIndexError` carrying its error number (381
// "Subscript out of range" for cells and per-row/column properties, 30009 "Invalid Row value" and
// 30010 "Invalid Col value" for the current cell, 380 "Invalid property value" for a bad count).
// It is a `RuntimeError`, so callers whose statements are skipped on error catch it around the
// statement like any other run-time error; `has_cell` checks first.
#include "platform/control.h"
#include "platform/runtime_error.h"

#include <string>
#include <vector>

namespace ohmira {

// A run-time error of the grid; `number` is 381, 30009, 30010 or 380 as above.
class GridIndexError : public RuntimeError {
public:
    GridIndexError(int number, const std::string &detail) : RuntimeError(number, detail) {}
};

// Alignment numbers of ColAlignment/FixedAlignment: 0-2 left (top, centre, bottom), 3-5 centre,
// 6-8 right, 9 general (text left, numbers right).
enum GridAlignment : int {
    flexAlignLeftTop = 0,
    flexAlignLeftCenter = 1,
    flexAlignLeftBottom = 2,
    flexAlignCenterTop = 3,
    flexAlignCenterCenter = 4,
    flexAlignCenterBottom = 5,
    flexAlignRightTop = 6,
    flexAlignRightCenter = 7,
    flexAlignRightBottom = 8,
    flexAlignGeneral = 9,
};

class FlexGrid : public Control {
public:
    static constexpr int default_col_width = 960;
    static constexpr int default_row_height = 240;
    // Colour value meaning "the grid's own colour" for CellBackColor/CellForeColor.
    static constexpr int default_color = -1;

    FlexGrid(Form &owner, std::string name, int left = 0, int top = 0, int width = 0,
             int height = 0);
    FlexGrid(Form &owner, std::string name, In container, int left, int top, int width, int height);
    const char *kind() const override { return "FlexGrid"; }

    // Row and column counts. Shrinking drops cells; growing adds empty ones. The current cell
    // moves inside the grid when it falls outside.
    int Rows() const { return rows_; }
    void Rows(int n);
    int Cols() const { return cols_; }
    void Cols(int n);
    int FixedRows() const { return fixed_rows_; }
    void FixedRows(int n);
    int FixedCols() const { return fixed_cols_; }
    void FixedCols(int n);

    bool has_cell(int row, int col) const {
        return row >= 0 && row < rows_ && col >= 0 && col < cols_;
    }
    const std::string &TextMatrix(int row, int col) const;
    void TextMatrix(int row, int col, const std::string &text);

    // Current cell. Code may place it anywhere, fixed cells included. A change of cell raises
    // LeaveCell then EnterCell, for code and user alike.
    int Row() const { return row_; }
    void Row(int r);
    int Col() const { return col_; }
    void Col(int c);
    // Text and colours of the current cell.
    const std::string &Text() const { return TextMatrix(row_, col_); }
    void Text(const std::string &text) { TextMatrix(row_, col_, text); }
    int CellBackColor() const;
    void CellBackColor(int rgb);
    int CellForeColor() const;
    void CellForeColor(int rgb);
    // Colours of any cell, for the window layer; default_color when the cell has none of its own.
    int cell_back_color(int row, int col) const;
    int cell_fore_color(int row, int col) const;

    int ColWidth(int col) const;
    void ColWidth(int col, int twips);
    // Room the window keeps between a cell's edges and its text, each side, in twips; a header
    // row gives up all but a little of it before its text would be cut.
    static constexpr int cell_text_margin = 45;
    static constexpr int header_text_margin = 15;
    // Width in twips the widest text of a column needs with its margins (blanks ahead of a text
    // may stand over the margin); 0 for a column without text. The window shows a column at
    // least that wide, so that no number shows cut.
    int needed_col_width(int col) const;
    int RowHeight(int row) const;
    void RowHeight(int row, int twips);
    int ColAlignment(int col) const;
    void ColAlignment(int col, int alignment);
    int FixedAlignment(int col) const;
    void FixedAlignment(int col, int alignment);

    // "|" separates columns and ";" starts the row headers. A leading "<", "^" or ">" sets the
    // column's alignment (left, centre, right); the rest is the header text in row 0, or the
    // row header in column 0. Columns and rows are added when the string names more.
    const std::string &FormatString() const { return format_string_; }
    void FormatString(const std::string &format);

    // The first non-fixed row shown. Setting it scrolls the grid there (a row outside the
    // non-fixed rows throws GridIndexError 30009, "Invalid Row value"); the user's scrolling sets
    // it too.
    int TopRow() const { return top_row_; }
    void TopRow(int r);
    // Window layer: the user scrolled to `r`; how many times code asked for a scroll.
    void user_scroll_to(int r);
    int scroll_requests() const { return scroll_requests_; }

    // While false the window layer does not repaint the grid.
    bool Redraw() const { return redraw_; }
    void Redraw(bool on) { set(redraw_, on); }

    // Adds a row, its cells taken from `item` split at tabs, at the end or before row `index`
    // (FixedRows..Rows).
    void AddItem(const std::string &item, int index = -1);
    // Removes non-fixed row `index`.
    void RemoveItem(int index);

    // Whether the user may type into a cell through the window layer's editor.
    bool Editable() const { return editable_; }
    void Editable(bool e) { set(editable_, e); }

    std::function<void()> EnterCell;
    std::function<void()> LeaveCell;
    // Before the editor opens on a cell; setting Cancel keeps the cell closed.
    std::function<void(int Row, int Col, bool &Cancel)> BeforeEdit;
    // After the user changed a cell through the editor.
    std::function<void(int Row, int Col)> AfterEdit;
    // Window layer: called after a cell's text or colours changed.
    std::function<void(int row, int col)> on_cell_changed;

    // User actions. A click on a non-fixed cell makes it current first; a click on a fixed cell
    // leaves the current cell. A double click raises DblClick only: its first press arrives
    // before it as a click (Click, then DblClick).
    void user_click_cell(int row, int col);
    void user_double_click_cell(int row, int col);
    // Whether the editor may open on a cell: an editable, enabled grid, a non-fixed cell, and no
    // cancel from BeforeEdit.
    bool can_edit_cell(int row, int col);
    // The user finished editing a cell (Editable only): the text is stored, then AfterEdit.
    void user_edit_cell(int row, int col, const std::string &text);
    // Row and column under the mouse at the last user click.
    int MouseRow() const { return mouse_row_; }
    int MouseCol() const { return mouse_col_; }

protected:
    int default_back_color() const override { return 0xFFFFFF; }
    // Arrow keys, Home and End move the current cell within the non-fixed cells.
    void on_key_down(int key_code, int shift) override;

private:
    struct Cell {
        std::string text;
        int back = default_color;
        int fore = default_color;
    };
    Cell &cell(int row, int col);
    const Cell &cell(int row, int col) const;
    void check_cell(int row, int col) const;
    void check_col(int col) const;
    void check_row(int row) const;
    void move_to(int row, int col);
    void cell_changed(int row, int col);
    void resize(int rows, int cols);

    int rows_ = 0, cols_ = 0;
    int fixed_rows_ = 1, fixed_cols_ = 1;
    int row_ = 1, col_ = 1;
    int mouse_row_ = 0, mouse_col_ = 0;
    std::vector<Cell> cells_; // row-major
    std::vector<int> col_widths_, col_alignments_, fixed_alignments_;
    std::vector<int> row_heights_;
    std::string format_string_;
    bool redraw_ = true;
    bool editable_ = false;
    int top_row_ = 1;
    int scroll_requests_ = 0;
};

} // namespace ohmira
