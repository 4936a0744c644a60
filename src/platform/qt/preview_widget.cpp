#include "platform/qt/preview_widget.h"

#include "platform/qt/control_views.h"
#include "platform/qt/display_list_painter.h"
#include "platform/qt/print_settings_qt.h"
#include "platform/qt/qt_convert.h"
#include "platform/qt/qt_ui.h"

#include <QKeyEvent>
#include <QPainter>
#include <QScrollBar>

#include <algorithm>
#include <cmath>

namespace ohmira::qt {

namespace {

constexpr int gap = 12; // pixels around and between pages
const QColor desk(0x80, 0x80, 0x80);
// Thumbnails shown at once.
constexpr int thumbnail_columns = 3;
constexpr int thumbnail_rows = 2;
// The printer's unprintable edge shown with the physical page.
constexpr double unprintable_twips = 360;

} // namespace

PreviewWidget::PreviewWidget(VSPrinter &doc, QWidget *parent)
    : QAbstractScrollArea(parent), doc_(doc) {
    setFocusPolicy(Qt::StrongFocus);
    setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
    doc_.set_thumbnail_pages(thumbnail_columns * thumbnail_rows);
    horizontalScrollBar()->setSingleStep(20);
    verticalScrollBar()->setSingleStep(20);
}

QSize PreviewWidget::page_grid() const {
    switch (doc_.ZoomMode()) {
    case zmThumbnail:
        return {thumbnail_columns, thumbnail_rows};
    case zmTwoPages:
        return {2, 1};
    default:
        return {1, 1};
    }
}

QSizeF PreviewWidget::page_scale() const {
    const double pw = std::max(1.0, doc_.PageWidth()), ph = std::max(1.0, doc_.PageHeight());
    const QSize grid = page_grid();
    const double avail_w = std::max(10, viewport()->width() - gap * (grid.width() + 1));
    const double avail_h = std::max(10, viewport()->height() - gap * (grid.height() + 1));
    const double fit_w = avail_w / grid.width() / pw;
    const double fit_h = avail_h / grid.height() / ph;
    switch (doc_.ZoomMode()) {
    case zmPercentage: {
        const double s = screen_px_per_twip() * doc_.Zoom() / 100.0;
        return {s, s};
    }
    case zmPageWidth:
        return {fit_w, fit_w};
    case zmStretch:
        return {fit_w, fit_h};
    default: // thumbnails, two pages, whole page
        return {std::min(fit_w, fit_h), std::min(fit_w, fit_h)};
    }
}

QSizeF PreviewWidget::content_size() const {
    const QSizeF s = page_scale();
    const QSize grid = page_grid();
    return {grid.width() * doc_.PageWidth() * s.width() + gap * (grid.width() + 1),
            grid.height() * doc_.PageHeight() * s.height() + gap * (grid.height() + 1)};
}

QRectF PreviewWidget::page_rect(int index) const {
    const QSizeF s = page_scale();
    const QSize grid = page_grid();
    const double w = doc_.PageWidth() * s.width(), h = doc_.PageHeight() * s.height();
    const QSizeF content = content_size();
    // Centred when smaller than the view, scrolled otherwise.
    const double x0 = content.width() < viewport()->width()
                          ? (viewport()->width() - content.width()) / 2
                          : -horizontalScrollBar()->value();
    const double y0 = content.height() < viewport()->height()
                          ? (viewport()->height() - content.height()) / 2
                          : -verticalScrollBar()->value();
    const int col = index % grid.width(), row = index / grid.width();
    return {x0 + gap + col * (w + gap), y0 + gap + row * (h + gap), w, h};
}

void PreviewWidget::update_scroll_bars() {
    const QSizeF c = content_size();
    horizontalScrollBar()->setRange(0,
                                    std::max(0, int(std::ceil(c.width())) - viewport()->width()));
    horizontalScrollBar()->setPageStep(viewport()->width());
    verticalScrollBar()->setRange(0,
                                  std::max(0, int(std::ceil(c.height())) - viewport()->height()));
    verticalScrollBar()->setPageStep(viewport()->height());
}

void PreviewWidget::refresh() {
    update_scroll_bars();
    if (doc_.Redraw())
        viewport()->update();
}

void PreviewWidget::resizeEvent(QResizeEvent *e) {
    QAbstractScrollArea::resizeEvent(e);
    update_scroll_bars();
}

void PreviewWidget::paintEvent(QPaintEvent *) {
    QPainter p(viewport());
    p.fillRect(viewport()->rect(), desk);
    const QSizeF s = page_scale();
    const QSize grid = page_grid();
    const int first = std::max(1, doc_.PreviewPage());
    const int shown = grid.width() * grid.height();
    for (int i = 0; i < shown; ++i) {
        const int page = first + i;
        if (page > std::max(1, doc_.PageCount()))
            break;
        const QRectF r = page_rect(i);
        if (!r.intersects(QRectF(viewport()->rect())))
            continue;
        p.fillRect(r.translated(3, 3), QColor(0x50, 0x50, 0x50)); // shadow
        p.fillRect(r, Qt::white);
        p.save();
        p.setClipRect(r);
        p.translate(r.topLeft());
        p.scale(1.0, s.height() / s.width()); // stretched pages scale unevenly
        if (doc_.PageCount() > 0)
            paint_display_list(p, doc_.page_picture(page), s.width());
        p.restore();
        if (doc_.PhysicalPage()) {
            // The paper's edge the printer cannot reach.
            const double ex = unprintable_twips * s.width(), ey = unprintable_twips * s.height();
            p.setPen(QPen(QColor(0xA0, 0xA0, 0xA0), 1, Qt::DashLine));
            p.setBrush(Qt::NoBrush);
            p.drawRect(r.adjusted(ex, ey, -ex, -ey));
        }
        if (doc_.ShowGuides() != 0) {
            p.setPen(QPen(QColor(0x40, 0x80, 0xFF), 1, Qt::DotLine));
            const double l = r.left() + doc_.MarginLeft() * s.width();
            const double rr = r.right() - doc_.MarginRight() * s.width();
            const double t = r.top() + doc_.MarginTop() * s.height();
            const double b = r.bottom() - doc_.MarginBottom() * s.height();
            p.drawLine(QPointF(l, r.top()), QPointF(l, r.bottom()));
            p.drawLine(QPointF(rr, r.top()), QPointF(rr, r.bottom()));
            p.drawLine(QPointF(r.left(), t), QPointF(r.right(), t));
            p.drawLine(QPointF(r.left(), b), QPointF(r.right(), b));
        }
        p.setPen(Qt::black);
        p.setBrush(Qt::NoBrush);
        p.drawRect(r);
    }
}

namespace {

class PreviewView : public ControlView {
public:
    PreviewView(VSPrinter &doc, QWidget *parent)
        : ControlView(doc, new PreviewWidget(doc, parent)), doc_(doc) {
        QtUi::instance().register_widget(static_cast<PreviewWidget *>(widget())->viewport(), this);
        doc_.print_sink = print_job;
    }
    ~PreviewView() override { doc_.print_sink = nullptr; }

    bool key_press(QKeyEvent &e) override {
        if (ControlView::key_press(e))
            return true;
        // Paging through the document, a view at a time.
        const int step = std::max(1, doc_.PreviewPages());
        int page = doc_.PreviewPage();
        switch (e.key()) {
        case Qt::Key_PageDown:
            page += step;
            break;
        case Qt::Key_PageUp:
            page -= step;
            break;
        case Qt::Key_Home:
            page = 1;
            break;
        case Qt::Key_End:
            page = doc_.PageCount();
            break;
        default:
            return false;
        }
        page = std::clamp(page, 1, std::max(1, doc_.PageCount()));
        if (page != doc_.PreviewPage())
            doc_.user_preview_page(page);
        return true;
    }

protected:
    void sync_state() override { static_cast<PreviewWidget *>(widget())->refresh(); }

private:
    VSPrinter &doc_;
};

} // namespace

std::unique_ptr<ControlView> make_preview_view(Control &control, QWidget *parent) {
    return std::make_unique<PreviewView>(static_cast<VSPrinter &>(control), parent);
}

} // namespace ohmira::qt
