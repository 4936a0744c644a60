#include "platform/flex_grid.h"

#include "platform/text_metrics.h"

#include <algorithm>
#include <cmath>
#include <utility>

namespace ohmira {

namespace {

constexpr int error_invalid_value = 380;
constexpr int error_subscript = 381;
constexpr int error_invalid_row = 30009;
constexpr int error_invalid_col = 30010;

std::vector<std::string> split(const std::string &s, char sep) {
    std::vector<std::string> parts;
    std::string::size_type start = 0;
    while (true) {
        const auto end = s.find(sep, start);
        parts.push_back(
            s.substr(start, end == std::string::npos ? std::string::npos : end - start));
        if (end == std::string::npos)
            return parts;
        start = end + 1;
    }
}

} // namespace

FlexGrid::FlexGrid(Form &owner, std::string name, int left, int top, int width, int height)
    : FlexGrid(owner, std::move(name), In{}, left, top, width, height) {}

FlexGrid::FlexGrid(Form &owner, std::string name, In container, int left, int top, int width,
                   int height)
    : Control(owner, std::move(name), std::move(container), left, top, width, height) {
    resize(2, 2);
}

void FlexGrid::resize(int rows, int cols) {
    std::vector<Cell> cells(static_cast<size_t>(rows) * static_cast<size_t>(cols));
    for (int r = 0; r < std::min(rows, rows_); ++r)
        for (int c = 0; c < std::min(cols, cols_); ++c)
            cells[static_cast<size_t>(r * cols + c)] = std::move(cell(r, c));
    cells_ = std::move(cells);
    rows_ = rows;
    cols_ = cols;
    row_heights_.resize(static_cast<size_t>(rows), default_row_height);
    col_widths_.resize(static_cast<size_t>(cols), default_col_width);
    col_alignments_.resize(static_cast<size_t>(cols), flexAlignGeneral);
    fixed_alignments_.resize(static_cast<size_t>(cols), flexAlignLeftCenter);
    row_ = std::clamp(row_, 0, std::max(rows - 1, 0));
    col_ = std::clamp(col_, 0, std::max(cols - 1, 0));
    mark_changed();
}

void FlexGrid::Rows(int n) {
    if (n < 1 || n < fixed_rows_)
        throw GridIndexError(error_invalid_value, Name() + ".Rows: invalid value");
    if (n != rows_)
        resize(n, cols_);
}

void FlexGrid::Cols(int n) {
    if (n < 1 || n < fixed_cols_)
        throw GridIndexError(error_invalid_value, Name() + ".Cols: invalid value");
    if (n != cols_)
        resize(rows_, n);
}

void FlexGrid::FixedRows(int n) {
    if (n < 0 || n > rows_)
        throw GridIndexError(error_invalid_value, Name() + ".FixedRows: invalid value");
    set(fixed_rows_, n);
    if (row_ < n && n < rows_)
        row_ = n;
}

void FlexGrid::FixedCols(int n) {
    if (n < 0 || n > cols_)
        throw GridIndexError(error_invalid_value, Name() + ".FixedCols: invalid value");
    set(fixed_cols_, n);
    if (col_ < n && n < cols_)
        col_ = n;
}

void FlexGrid::check_cell(int row, int col) const {
    if (!has_cell(row, col))
        throw GridIndexError(error_subscript, Name() + ": cell (" + std::to_string(row) + ", " +
                                                  std::to_string(col) + ") outside the grid");
}

void FlexGrid::check_col(int col) const {
    if (col < 0 || col >= cols_)
        throw GridIndexError(error_subscript, Name() + ": no column " + std::to_string(col));
}

void FlexGrid::check_row(int row) const {
    if (row < 0 || row >= rows_)
        throw GridIndexError(error_subscript, Name() + ": no row " + std::to_string(row));
}

FlexGrid::Cell &FlexGrid::cell(int row, int col) {
    return cells_[static_cast<size_t>(row) * static_cast<size_t>(cols_) + static_cast<size_t>(col)];
}

const FlexGrid::Cell &FlexGrid::cell(int row, int col) const {
    return cells_[static_cast<size_t>(row) * static_cast<size_t>(cols_) + static_cast<size_t>(col)];
}

void FlexGrid::cell_changed(int row, int col) {
    mark_changed();
    if (on_cell_changed)
        on_cell_changed(row, col);
}

const std::string &FlexGrid::TextMatrix(int row, int col) const {
    check_cell(row, col);
    return cell(row, col).text;
}

void FlexGrid::TextMatrix(int row, int col, const std::string &text) {
    check_cell(row, col);
    Cell &c = cell(row, col);
    if (c.text == text)
        return;
    c.text = text;
    cell_changed(row, col);
}

void FlexGrid::move_to(int row, int col) {
    if (row == row_ && col == col_)
        return;
    fire(LeaveCell);
    row_ = row;
    col_ = col;
    mark_changed();
    fire(EnterCell);
}

void FlexGrid::Row(int r) {
    if (r < 0 || r >= rows_)
        throw GridIndexError(error_invalid_row, Name() + ": invalid Row value");
    move_to(r, col_);
}

void FlexGrid::TopRow(int r) {
    if (r < fixed_rows_ || r >= rows_)
        throw GridIndexError(error_invalid_row, Name() + ": invalid TopRow value");
    top_row_ = r;
    ++scroll_requests_;
    mark_changed();
}

void FlexGrid::user_scroll_to(int r) {
    set(top_row_, r);
}

void FlexGrid::Col(int c) {
    if (c < 0 || c >= cols_)
        throw GridIndexError(error_invalid_col, Name() + ": invalid Col value");
    move_to(row_, c);
}

int FlexGrid::cell_back_color(int row, int col) const {
    check_cell(row, col);
    return cell(row, col).back;
}

int FlexGrid::cell_fore_color(int row, int col) const {
    check_cell(row, col);
    return cell(row, col).fore;
}

int FlexGrid::CellBackColor() const {
    const int c = cell_back_color(row_, col_);
    return c == default_color ? BackColor() : c;
}

int FlexGrid::CellForeColor() const {
    const int c = cell_fore_color(row_, col_);
    return c == default_color ? ForeColor() : c;
}

void FlexGrid::CellBackColor(int rgb) {
    check_cell(row_, col_);
    Cell &c = cell(row_, col_);
    if (c.back == rgb)
        return;
    c.back = rgb;
    cell_changed(row_, col_);
}

void FlexGrid::CellForeColor(int rgb) {
    check_cell(row_, col_);
    Cell &c = cell(row_, col_);
    if (c.fore == rgb)
        return;
    c.fore = rgb;
    cell_changed(row_, col_);
}

int FlexGrid::ColWidth(int col) const {
    check_col(col);
    return col_widths_[static_cast<size_t>(col)];
}

void FlexGrid::ColWidth(int col, int twips) {
    check_col(col);
    set(col_widths_[static_cast<size_t>(col)], std::max(twips, 0));
}

int FlexGrid::needed_col_width(int col) const {
    check_col(col);
    const ohmira::Font font = drawing_font(Font());
    double widest = 0;
    for (int r = 0; r < rows_; ++r) {
        const std::string &text = cell(r, col).text;
        const std::string::size_type first = text.find_first_not_of(' ');
        if (first == std::string::npos)
            continue;
        const int margin = r < fixed_rows_ ? header_text_margin : cell_text_margin;
        widest =
            std::max(widest, text_width(font, std::string_view(text).substr(first)) + 2 * margin);
    }
    return static_cast<int>(std::ceil(widest));
}

int FlexGrid::RowHeight(int row) const {
    check_row(row);
    return row_heights_[static_cast<size_t>(row)];
}

void FlexGrid::RowHeight(int row, int twips) {
    check_row(row);
    set(row_heights_[static_cast<size_t>(row)], std::max(twips, 0));
}

int FlexGrid::ColAlignment(int col) const {
    check_col(col);
    return col_alignments_[static_cast<size_t>(col)];
}

void FlexGrid::ColAlignment(int col, int alignment) {
    check_col(col);
    if (alignment < flexAlignLeftTop || alignment > flexAlignGeneral)
        throw GridIndexError(error_invalid_value, Name() + ".ColAlignment: invalid value");
    set(col_alignments_[static_cast<size_t>(col)], alignment);
}

int FlexGrid::FixedAlignment(int col) const {
    check_col(col);
    return fixed_alignments_[static_cast<size_t>(col)];
}

void FlexGrid::FixedAlignment(int col, int alignment) {
    check_col(col);
    if (alignment < flexAlignLeftTop || alignment > flexAlignGeneral)
        throw GridIndexError(error_invalid_value, Name() + ".FixedAlignment: invalid value");
    set(fixed_alignments_[static_cast<size_t>(col)], alignment);
}

void FlexGrid::FormatString(const std::string &format) {
    format_string_ = format;
    const auto semicolon = format.find(';');
    const auto col_fields = split(format.substr(0, semicolon), '|');
    const int ncols = static_cast<int>(col_fields.size());
    if (ncols > cols_)
        resize(rows_, ncols);
    for (int c = 0; c < ncols; ++c) {
        std::string text = col_fields[static_cast<size_t>(c)];
        if (!text.empty() && (text[0] == '<' || text[0] == '^' || text[0] == '>')) {
            ColAlignment(c, text[0] == '<'   ? flexAlignLeftCenter
                            : text[0] == '^' ? flexAlignCenterCenter
                                             : flexAlignRightCenter);
            text.erase(0, 1);
        }
        TextMatrix(0, c, text);
    }
    if (semicolon != std::string::npos) {
        const auto row_fields = split(format.substr(semicolon + 1), '|');
        const int nrows = static_cast<int>(row_fields.size());
        if (nrows > rows_)
            resize(nrows, cols_);
        for (int r = 1; r < nrows; ++r)
            TextMatrix(r, 0, row_fields[static_cast<size_t>(r)]);
    }
    mark_changed();
}

void FlexGrid::AddItem(const std::string &item, int index) {
    if (index < 0)
        index = rows_;
    if (index > rows_)
        throw GridIndexError(error_subscript, Name() + ".AddItem: invalid row");
    resize(rows_ + 1, cols_);
    // Shift the rows below the insertion point down by one.
    for (int r = rows_ - 1; r > index; --r) {
        for (int c = 0; c < cols_; ++c)
            cell(r, c) = std::move(cell(r - 1, c));
        row_heights_[static_cast<size_t>(r)] = row_heights_[static_cast<size_t>(r - 1)];
    }
    row_heights_[static_cast<size_t>(index)] = default_row_height;
    const auto fields = split(item, '\t');
    for (int c = 0; c < cols_; ++c)
        cell(index, c) = Cell{c < static_cast<int>(fields.size()) ? fields[static_cast<size_t>(c)]
                                                                  : std::string()};
    mark_changed();
}

void FlexGrid::RemoveItem(int index) {
    if (index < fixed_rows_ || index >= rows_)
        throw GridIndexError(error_subscript, Name() + ".RemoveItem: invalid row");
    for (int r = index; r + 1 < rows_; ++r) {
        for (int c = 0; c < cols_; ++c)
            cell(r, c) = std::move(cell(r + 1, c));
        row_heights_[static_cast<size_t>(r)] = row_heights_[static_cast<size_t>(r + 1)];
    }
    if (rows_ > 1) {
        resize(rows_ - 1, cols_);
    } else { // the grid keeps at least one row: empty it instead
        for (int c = 0; c < cols_; ++c)
            cell(0, c) = Cell{};
        mark_changed();
    }
}

void FlexGrid::on_key_down(int key_code, int /*shift*/) {
    int r = row_, c = col_;
    switch (key_code) {
    case vbKeyUp:
        if (r > fixed_rows_)
            --r;
        break;
    case vbKeyDown:
        if (r + 1 < rows_)
            ++r;
        break;
    case vbKeyLeft:
        if (c > fixed_cols_)
            --c;
        break;
    case vbKeyRight:
        if (c + 1 < cols_)
            ++c;
        break;
    case vbKeyHome:
        c = std::min(fixed_cols_, cols_ - 1);
        break;
    case vbKeyEnd:
        c = cols_ - 1;
        break;
    default:
        return;
    }
    move_to(r, c);
}

void FlexGrid::user_click_cell(int row, int col) {
    if (!Enabled())
        return;
    mouse_row_ = row;
    mouse_col_ = col;
    SetFocus();
    if (has_cell(row, col) && row >= fixed_rows_ && col >= fixed_cols_)
        move_to(row, col);
    fire(Click);
}

void FlexGrid::user_double_click_cell(int row, int col) {
    if (!Enabled())
        return;
    mouse_row_ = row;
    mouse_col_ = col;
    fire(DblClick);
}

bool FlexGrid::can_edit_cell(int row, int col) {
    if (!Enabled() || !editable_ || !has_cell(row, col) || row < fixed_rows_ || col < fixed_cols_)
        return false;
    bool cancel = false;
    if (BeforeEdit)
        BeforeEdit(row, col, cancel);
    return !cancel;
}

void FlexGrid::user_edit_cell(int row, int col, const std::string &text) {
    if (!Enabled() || !editable_ || !has_cell(row, col))
        return;
    TextMatrix(row, col, text);
    if (AfterEdit)
        AfterEdit(row, col);
}

} // namespace ohmira
