#include "platform/qt/tab_strip_widget.h"

#include "platform/qt/qt_convert.h"

#include <QPainter>
#include <QStyleOptionTabWidgetFrame>
#include <QTabBar>

namespace ohmira::qt {

TabStripWidget::TabStripWidget(SSTab &tabs, QWidget *parent)
    : QWidget(parent), tabs_(tabs), bar_(new QTabBar(this)) {
    bar_->setFocusPolicy(Qt::NoFocus);
    bar_->setExpanding(true);
    bar_->setDrawBase(false);
    bar_->setUsesScrollButtons(false);
    connect(bar_, &QTabBar::tabBarClicked, this, &TabStripWidget::tab_clicked);
    refresh();
}

QWidget *TabStripWidget::page(int page) {
    if (page < 0)
        return this;
    while (static_cast<int>(pages_.size()) <= page) {
        auto *w = new QWidget(this);
        w->setObjectName(QStringLiteral("page%1").arg(pages_.size()));
        w->setVisible(static_cast<int>(pages_.size()) == tabs_.Tab());
        pages_.push_back(w);
        layout_pages();
    }
    return pages_[static_cast<size_t>(page)];
}

void TabStripWidget::refresh() {
    const QSignalBlocker block(bar_);
    while (bar_->count() > tabs_.Tabs())
        bar_->removeTab(bar_->count() - 1);
    while (bar_->count() < tabs_.Tabs())
        bar_->addTab(QString());
    for (int i = 0; i < tabs_.Tabs(); ++i)
        bar_->setTabText(i, qstr(tabs_.TabCaption(i)));
    bar_->setCurrentIndex(tabs_.Tab());
    for (size_t i = 0; i < pages_.size(); ++i)
        pages_[i]->setVisible(static_cast<int>(i) == tabs_.Tab());
    layout_pages();
}

void TabStripWidget::layout_pages() {
    bar_->setGeometry(0, 0, width(), bar_->sizeHint().height());
    for (QWidget *w : pages_)
        w->setGeometry(rect());
    bar_->raise();
}

void TabStripWidget::resizeEvent(QResizeEvent *) {
    layout_pages();
}

void TabStripWidget::paintEvent(QPaintEvent *) {
    QPainter p(this);
    QStyleOptionTabWidgetFrame frame;
    frame.initFrom(this);
    const int top = bar_->sizeHint().height() - 1;
    frame.rect = QRect(0, top, width(), height() - top);
    frame.tabBarSize = bar_->sizeHint();
    frame.shape = QTabBar::RoundedNorth;
    style()->drawPrimitive(QStyle::PE_FrameTabWidget, &frame, &p, this);
    // Pages in the strip's own colour, as the controls on them are.
    p.fillRect(frame.rect.adjusted(1, 1, -1, -1), palette().window());
}

} // namespace ohmira::qt
