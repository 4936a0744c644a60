#pragma once
// The print preview on screen: the pages of a VSPrinter document at the model's zoom and zoom
// mode (per cent, thumbnails, two pages, whole page, page width, stretched), from its preview
// page on, with the physical page and the margin guides when asked.
#include "platform/print_preview.h"

#include <QAbstractScrollArea>

#include <memory>

namespace ohmira::qt {

class ControlView;

class PreviewWidget : public QAbstractScrollArea {
    Q_OBJECT
public:
    explicit PreviewWidget(VSPrinter &doc, QWidget *parent = nullptr);

    // Pixels per twip across and down for the current zoom mode and widget size.
    QSizeF page_scale() const;
    // Pages shown side by side and one under another.
    QSize page_grid() const;
    // Where page `index` of the view (0..) is drawn, in viewport pixels.
    QRectF page_rect(int index) const;
    // Takes the model's state and repaints (unless its Redraw is off).
    void refresh();

protected:
    void paintEvent(QPaintEvent *) override;
    void resizeEvent(QResizeEvent *) override;
    void scrollContentsBy(int, int) override { viewport()->update(); }

private:
    void update_scroll_bars();
    QSizeF content_size() const;

    VSPrinter &doc_;
};

std::unique_ptr<ControlView> make_preview_view(Control &control, QWidget *parent);

} // namespace ohmira::qt
