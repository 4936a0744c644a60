#pragma once
// The grid on screen: paints a FlexGrid model (fixed rows and columns as headers, column widths,
// row heights, cell colours and alignments, the current cell framed) and scrolls its non-fixed
// part. It has no editor of its own: keys and clicks go to the model, which types into cells.
#include "platform/flex_grid.h"

#include <QAbstractScrollArea>

#include <cstdint>
#include <vector>

namespace ohmira::qt {

class GridWidget : public QAbstractScrollArea {
    Q_OBJECT
public:
    explicit GridWidget(FlexGrid &grid, QWidget *parent = nullptr);

    // Row and column under a point of the viewport; false outside the cells.
    bool cell_at(QPoint viewport_pos, int &row, int &col) const;
    // Rectangle of a cell in viewport pixels (scrolled part included).
    QRect cell_rect(int row, int col) const;
    // Scrolls so that the current cell is visible.
    void scroll_to_current();
    // Takes the model's sizes and repaints (unless the model's Redraw is off).
    void refresh();

protected:
    void paintEvent(QPaintEvent *) override;
    void resizeEvent(QResizeEvent *) override;
    void scrollContentsBy(int, int) override { viewport()->update(); }

private:
    int col_px(int col) const;
    // The columns' pixel widths in a view `view_width` pixels wide.
    void measure_columns(int view_width) const;
    int row_px(int row) const;
    int fixed_width() const;
    int fixed_height() const;
    int scrolled_height() const; // of the rows scrolled out above
    // Left edge of a column / top edge of a row in viewport pixels.
    int col_left(int col) const;
    int row_top(int row) const;
    void update_scroll_bars();

    FlexGrid &grid_;
    mutable std::vector<int> col_widths_px_;
    mutable std::uint64_t widths_revision_ = 0;
    mutable int widths_view_ = -1;
};

} // namespace ohmira::qt
