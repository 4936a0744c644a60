#pragma once
// The tab strip on screen: a row of tabs over one page widget per tab. Controls placed on a page
// are children of that page, which covers the whole strip so their positions count from the
// strip's top-left corner, as the program places them.
#include "platform/tab_strip.h"

#include <QWidget>

#include <vector>

class QTabBar;

namespace ohmira::qt {

class TabStripWidget : public QWidget {
    Q_OBJECT
public:
    explicit TabStripWidget(SSTab &tabs, QWidget *parent = nullptr);

    QTabBar *tab_bar() const { return bar_; }
    // The widget that holds the controls of `page` (-1: shown on every page).
    QWidget *page(int page);
    // Takes the model's tabs, captions and current page.
    void refresh();

signals:
    void tab_clicked(int page);

protected:
    void resizeEvent(QResizeEvent *) override;
    void paintEvent(QPaintEvent *) override;

private:
    void layout_pages();
    SSTab &tabs_;
    QTabBar *bar_;
    std::vector<QWidget *> pages_;
};

} // namespace ohmira::qt
