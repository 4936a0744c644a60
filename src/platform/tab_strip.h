#pragma once
// The tab strip: pages with captions; controls are placed on a page with In{"SSTab1", page}.
#include "platform/control.h"

#include <string>
#include <vector>

namespace ohmira {

class SSTab : public Control {
public:
    SSTab(Form &owner, std::string name, int left = 0, int top = 0, int width = 0, int height = 0);
    SSTab(Form &owner, std::string name, In container, int left, int top, int width, int height);
    const char *kind() const override { return "SSTab"; }

    // Number of pages (at least 1); the current page moves to the last one if it falls outside.
    int Tabs() const { return static_cast<int>(captions_.size()); }
    void Tabs(int n);
    // Selected page. Setting another page raises Click (inside the setter); the same page raises
    // nothing. A page outside 0..Tabs-1 is refused (false) and changes nothing.
    int Tab() const { return tab_; }
    bool Tab(int page);
    // The page selected before the last change (the argument of the tab strip's Click handler).
    int previous_tab() const { return previous_tab_; }
    // Caption of a page; "" for (and no change to) a page outside.
    std::string TabCaption(int page) const;
    bool TabCaption(int page, const std::string &caption);

    bool shows_page(int page) const override { return page < 0 || page == tab_; }

    // The user selected a page.
    void user_select_tab(int page);

private:
    std::vector<std::string> captions_;
    int tab_ = 0;
    int previous_tab_ = 0;
};

} // namespace ohmira
