#include "platform/qt/grid_widget.h"

#include "platform/qt/qt_convert.h"

#include <QPainter>
#include <QScrollBar>

#include <algorithm>
#include <cmath>

namespace ohmira::qt {

namespace {

const QColor fixed_back(0xE4, 0xE4, 0xE4);
const QColor fixed_line(0x90, 0x90, 0x90);
const QColor cell_line(0xC8, 0xC8, 0xC8);

bool looks_numeric(const QString &s) {
    bool ok = false;
    s.trimmed().toDouble(&ok);
    return ok;
}

Qt::Alignment alignment_of(int a, const QString &text) {
    if (a == flexAlignGeneral)
        return (looks_numeric(text) ? Qt::AlignRight : Qt::AlignLeft) | Qt::AlignVCenter;
    if (a < 0 || a > 8)
        return Qt::AlignLeft | Qt::AlignVCenter;
    const Qt::Alignment h[] = {Qt::AlignLeft, Qt::AlignHCenter, Qt::AlignRight};
    const Qt::Alignment v[] = {Qt::AlignTop, Qt::AlignVCenter, Qt::AlignBottom};
    return h[a / 3] | v[a % 3];
}

} // namespace

GridWidget::GridWidget(FlexGrid &grid, QWidget *parent) : QAbstractScrollArea(parent), grid_(grid) {
    setFocusPolicy(Qt::StrongFocus);
    setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
    viewport()->setMouseTracking(true);
    setMouseTracking(true);
    horizontalScrollBar()->setSingleStep(20);
    // The vertical bar counts whole rows, so that no row shows cut at the top.
    verticalScrollBar()->setSingleStep(1);
}

int GridWidget::scrolled_height() const {
    int h = 0;
    const int first = grid_.FixedRows();
    const int end = std::min(grid_.Rows(), first + verticalScrollBar()->value());
    for (int r = first; r < end; ++r)
        h += row_px(r);
    return h;
}

int GridWidget::col_px(int col) const {
    const int view_width = viewport()->width();
    if (widths_revision_ != grid_.revision() || widths_view_ != view_width ||
        col_widths_px_.size() != size_t(grid_.Cols()))
        measure_columns(view_width);
    return col < 0 || col >= grid_.Cols() ? 0 : col_widths_px_[size_t(col)];
}

void GridWidget::measure_columns(int view_width) const {
    widths_revision_ = grid_.revision();
    widths_view_ = view_width;
    const int cols = grid_.Cols();
    std::vector<int> least(size_t(cols), 0);
    col_widths_px_.assign(size_t(cols), 0);
    int overrun = -view_width;
    for (int c = 0; c < cols; ++c) {
        // As wide as set, or as the widest text needs; a column set to 0 stays hidden.
        const int set = twips_to_px(grid_.ColWidth(c));
        const int needed =
            set == 0 ? 0 : int(std::ceil(grid_.needed_col_width(c) * screen_px_per_twip()));
        col_widths_px_[size_t(c)] = std::max(set, needed);
        least[size_t(c)] = std::max(needed, set / 2);
        overrun += col_widths_px_[size_t(c)];
    }
    // Where the columns overrun the view, those wider than their texts need give up room (down
    // to half their width at most), from the right: the grid keeps its width while a wide text
    // shows whole.
    for (int c = cols - 1; c >= grid_.FixedCols() && overrun > 0; --c) {
        const int given = std::min(col_widths_px_[size_t(c)] - least[size_t(c)], overrun);
        col_widths_px_[size_t(c)] -= given;
        overrun -= given;
    }
}
int GridWidget::row_px(int row) const {
    return twips_to_px(grid_.RowHeight(row));
}

int GridWidget::fixed_width() const {
    int w = 0;
    for (int c = 0; c < std::min(grid_.FixedCols(), grid_.Cols()); ++c)
        w += col_px(c);
    return w;
}

int GridWidget::fixed_height() const {
    int h = 0;
    for (int r = 0; r < std::min(grid_.FixedRows(), grid_.Rows()); ++r)
        h += row_px(r);
    return h;
}

int GridWidget::col_left(int col) const {
    int x = 0;
    for (int c = 0; c < col; ++c)
        x += col_px(c);
    if (col >= grid_.FixedCols())
        x -= horizontalScrollBar()->value();
    return x;
}

int GridWidget::row_top(int row) const {
    int y = 0;
    for (int r = 0; r < row; ++r)
        y += row_px(r);
    if (row >= grid_.FixedRows())
        y -= scrolled_height();
    return y;
}

QRect GridWidget::cell_rect(int row, int col) const {
    if (!grid_.has_cell(row, col))
        return {};
    return QRect(col_left(col), row_top(row), col_px(col), row_px(row));
}

bool GridWidget::cell_at(QPoint p, int &row, int &col) const {
    row = col = -1;
    const bool in_fixed_x = p.x() < fixed_width();
    const bool in_fixed_y = p.y() < fixed_height();
    for (int c = 0; c < grid_.Cols(); ++c) {
        if ((c < grid_.FixedCols()) != in_fixed_x)
            continue;
        const int x = col_left(c);
        if (p.x() >= x && p.x() < x + col_px(c)) {
            col = c;
            break;
        }
    }
    for (int r = 0; r < grid_.Rows(); ++r) {
        if ((r < grid_.FixedRows()) != in_fixed_y)
            continue;
        const int y = row_top(r);
        if (p.y() >= y && p.y() < y + row_px(r)) {
            row = r;
            break;
        }
    }
    return row >= 0 && col >= 0;
}

void GridWidget::update_scroll_bars() {
    int total_w = 0;
    for (int c = grid_.FixedCols(); c < grid_.Cols(); ++c)
        total_w += col_px(c);
    const QSize vp = viewport()->size();
    horizontalScrollBar()->setRange(0, std::max(0, total_w - (vp.width() - fixed_width())));
    horizontalScrollBar()->setPageStep(std::max(1, vp.width() - fixed_width()));
    // Scrolled far enough when the rows from there to the last fit whole.
    const int room = vp.height() - fixed_height();
    int fitting = 0, used = 0;
    for (int r = grid_.Rows() - 1; r >= grid_.FixedRows(); --r) {
        used += row_px(r);
        if (used > room)
            break;
        ++fitting;
    }
    const int scrollable = std::max(0, grid_.Rows() - grid_.FixedRows());
    verticalScrollBar()->setRange(0, std::max(0, scrollable - fitting));
    verticalScrollBar()->setPageStep(std::max(1, fitting));
}

void GridWidget::scroll_to_current() {
    const int r = grid_.Row(), c = grid_.Col();
    if (!grid_.has_cell(r, c))
        return;
    const QRect rc = cell_rect(r, c);
    const QSize vp = viewport()->size();
    if (c >= grid_.FixedCols()) {
        if (rc.left() < fixed_width())
            horizontalScrollBar()->setValue(horizontalScrollBar()->value() -
                                            (fixed_width() - rc.left()));
        else if (rc.right() >= vp.width())
            horizontalScrollBar()->setValue(horizontalScrollBar()->value() + rc.right() -
                                            vp.width() + 1);
    }
    if (r >= grid_.FixedRows()) {
        QScrollBar *bar = verticalScrollBar();
        if (rc.top() < fixed_height())
            bar->setValue(r - grid_.FixedRows());
        else
            while (cell_rect(r, c).bottom() >= vp.height() && bar->value() < bar->maximum())
                bar->setValue(bar->value() + 1);
    }
}

void GridWidget::refresh() {
    update_scroll_bars();
    if (grid_.Redraw())
        viewport()->update();
}

void GridWidget::resizeEvent(QResizeEvent *e) {
    QAbstractScrollArea::resizeEvent(e);
    update_scroll_bars();
}

void GridWidget::paintEvent(QPaintEvent *) {
    QPainter p(viewport());
    p.setFont(to_qfont(grid_.Font()));
    const QColor back = win_colour(grid_.BackColor());
    const QColor fore = win_colour(grid_.ForeColor());
    p.fillRect(viewport()->rect(), back);
    const int fw = fixed_width(), fh = fixed_height();
    const QSize vp = viewport()->size();

    // Scrolled cells first, then fixed rows and columns over them.
    auto paint_cell = [&](int r, int c) {
        const QRect rc = cell_rect(r, c);
        if (rc.isEmpty() || rc.right() < 0 || rc.bottom() < 0 || rc.left() >= vp.width() ||
            rc.top() >= vp.height())
            return;
        // Rows show whole: one the viewport would cut at its bottom is left out (unless it is
        // the only one that shows).
        if (rc.bottom() >= vp.height() && rc.top() > fh)
            return;
        const bool fixed = r < grid_.FixedRows() || c < grid_.FixedCols();
        const int cb = grid_.cell_back_color(r, c), cf = grid_.cell_fore_color(r, c);
        p.fillRect(rc, cb != FlexGrid::default_color ? win_colour(cb) : fixed ? fixed_back : back);
        p.setPen(fixed ? fixed_line : cell_line);
        p.drawLine(rc.topRight(), rc.bottomRight());
        p.drawLine(rc.bottomLeft(), rc.bottomRight());
        const QString text = qstr(grid_.TextMatrix(r, c));
        if (!text.isEmpty()) {
            const bool header_row = r < grid_.FixedRows();
            const int a = header_row ? grid_.FixedAlignment(c) : grid_.ColAlignment(c);
            p.setPen(cf != FlexGrid::default_color ? win_colour(cf) : fore);
            // A header a little wider than its column gives up its margins before it is cut.
            const int margin = twips_to_px(FlexGrid::cell_text_margin);
            const int pad =
                header_row && p.fontMetrics().horizontalAdvance(text) > rc.width() - 2 * margin
                    ? twips_to_px(FlexGrid::header_text_margin)
                    : margin;
            // The column is as wide as the text with its margins; a pixel more of the screen
            // font takes from the margins rather than cut the text.
            p.drawText(rc.adjusted(pad, 0, -pad, 0), int(alignment_of(a, text)) | Qt::TextDontClip,
                       text);
        }
    };
    p.save();
    p.setClipRect(QRect(fw, fh, vp.width() - fw, vp.height() - fh));
    for (int r = grid_.FixedRows(); r < grid_.Rows(); ++r)
        for (int c = grid_.FixedCols(); c < grid_.Cols(); ++c)
            paint_cell(r, c);
    p.restore();
    p.save();
    p.setClipRect(QRect(fw, 0, vp.width() - fw, fh));
    for (int r = 0; r < std::min(grid_.FixedRows(), grid_.Rows()); ++r)
        for (int c = grid_.FixedCols(); c < grid_.Cols(); ++c)
            paint_cell(r, c);
    p.restore();
    p.save();
    p.setClipRect(QRect(0, fh, fw, vp.height() - fh));
    for (int r = grid_.FixedRows(); r < grid_.Rows(); ++r)
        for (int c = 0; c < std::min(grid_.FixedCols(), grid_.Cols()); ++c)
            paint_cell(r, c);
    p.restore();
    for (int r = 0; r < std::min(grid_.FixedRows(), grid_.Rows()); ++r)
        for (int c = 0; c < std::min(grid_.FixedCols(), grid_.Cols()); ++c)
            paint_cell(r, c);

    // The current cell: a bold frame while the grid has the focus, a dotted one otherwise.
    const int r = grid_.Row(), c = grid_.Col();
    if (grid_.has_cell(r, c) && r >= grid_.FixedRows() && c >= grid_.FixedCols()) {
        p.setClipRect(QRect(fw, fh, vp.width() - fw, vp.height() - fh));
        const QRect rc = cell_rect(r, c).adjusted(0, 0, -1, -1);
        if (hasFocus())
            p.setPen(QPen(fore, 2));
        else
            p.setPen(QPen(fore, 1, Qt::DotLine));
        p.setBrush(Qt::NoBrush);
        p.drawRect(hasFocus() ? rc.adjusted(1, 1, 0, 0) : rc);
    }
}

} // namespace ohmira::qt
