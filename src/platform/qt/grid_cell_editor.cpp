#include "platform/qt/grid_cell_editor.h"

#include "platform/qt/grid_widget.h"
#include "platform/qt/qt_convert.h"
#include "platform/qt/qt_ui.h"

#include <QKeyEvent>

namespace ohmira::qt {

GridCellEditor::GridCellEditor(GridWidget &view, FlexGrid &grid)
    : QLineEdit(view.viewport()), view_(view), grid_(grid) {
    setFrame(false);
    setProperty(own_events_property, true);
    hide();
}

bool GridCellEditor::open(int row, int col, const QString &typed) {
    if (is_open() || !grid_.can_edit_cell(row, col))
        return false;
    grid_.Row(row);
    grid_.Col(col);
    view_.scroll_to_current();
    row_ = row;
    col_ = col;
    setFont(to_qfont(grid_.Font()));
    setGeometry(view_.cell_rect(row, col).adjusted(1, 1, -1, -1));
    setText(typed.isEmpty() ? qstr(grid_.TextMatrix(row, col)) : typed);
    if (typed.isEmpty())
        selectAll();
    show();
    setFocus(Qt::OtherFocusReason);
    return true;
}

void GridCellEditor::keyPressEvent(QKeyEvent *e) {
    switch (e->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        commit();
        return;
    case Qt::Key_Escape:
        close_editor();
        return;
    default:
        QLineEdit::keyPressEvent(e);
    }
}

void GridCellEditor::focusOutEvent(QFocusEvent *e) {
    QLineEdit::focusOutEvent(e);
    if (is_open())
        commit(false); // the focus has gone where the user put it
}

void GridCellEditor::commit(bool refocus) {
    if (!is_open())
        return;
    const int row = row_, col = col_;
    const std::string typed = ustr(text());
    close_editor(refocus);
    QtUi::instance().run([&] { grid_.user_edit_cell(row, col, typed); });
}

void GridCellEditor::close_editor(bool refocus) {
    row_ = col_ = -1;
    hide();
    if (refocus)
        view_.setFocus(Qt::OtherFocusReason);
}

} // namespace ohmira::qt
