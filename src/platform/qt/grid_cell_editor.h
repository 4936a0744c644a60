#pragma once
// A one-line editor over a cell of a grid the model marks editable: opened by a double click, F2
// or a typed character, it stores its text through FlexGrid::user_edit_cell on Enter or when it
// loses the focus, and drops it on Escape.
#include "platform/flex_grid.h"

#include <QLineEdit>

namespace ohmira::qt {

class GridWidget;

class GridCellEditor : public QLineEdit {
    Q_OBJECT
public:
    GridCellEditor(GridWidget &view, FlexGrid &grid);

    // Opens on the cell when the grid allows it; `typed` replaces the text when not empty.
    // False when the cell cannot be edited.
    bool open(int row, int col, const QString &typed = {});
    bool is_open() const { return row_ >= 0; }

protected:
    void keyPressEvent(QKeyEvent *e) override;
    void focusOutEvent(QFocusEvent *e) override;

private:
    // Stores the text (commit) or drops it (close_editor); `refocus` gives the focus back to the
    // grid.
    void commit(bool refocus = true);
    void close_editor(bool refocus = true);

    GridWidget &view_;
    FlexGrid &grid_;
    int row_ = -1, col_ = -1;
};

} // namespace ohmira::qt
