#include "platform/qt/picture_widget.h"

#include "platform/qt/display_list_painter.h"
#include "platform/qt/qt_convert.h"

#include <QPainter>

namespace ohmira::qt {

PictureWidget::PictureWidget(PictureBox &box, QWidget *parent) : QWidget(parent), box_(box) {
    setMouseTracking(true);
    setFocusPolicy(Qt::ClickFocus);
}

void PictureWidget::paintEvent(QPaintEvent *) {
    QPainter p(this);
    p.fillRect(rect(), win_colour(box_.BackColor()));
    paint_display_list(p, box_.picture(), screen_px_per_twip());
    // A sunken edge, as picture boxes have.
    p.setPen(palette().color(QPalette::Dark));
    p.drawLine(0, 0, width() - 1, 0);
    p.drawLine(0, 0, 0, height() - 1);
    p.setPen(palette().color(QPalette::Light));
    p.drawLine(width() - 1, 0, width() - 1, height() - 1);
    p.drawLine(0, height() - 1, width() - 1, height() - 1);
}

} // namespace ohmira::qt
