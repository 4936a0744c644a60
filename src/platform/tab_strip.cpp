#include "platform/tab_strip.h"

#include <utility>

namespace ohmira {

SSTab::SSTab(Form &owner, std::string name, int left, int top, int width, int height)
    : SSTab(owner, std::move(name), In{}, left, top, width, height) {}

SSTab::SSTab(Form &owner, std::string name, In container, int left, int top, int width, int height)
    : Control(owner, std::move(name), std::move(container), left, top, width, height),
      captions_(3) {}

void SSTab::Tabs(int n) {
    if (n < 1 || n == Tabs())
        return;
    captions_.resize(static_cast<size_t>(n));
    if (tab_ >= n)
        tab_ = n - 1;
    mark_changed();
}

bool SSTab::Tab(int page) {
    if (page < 0 || page >= Tabs())
        return false;
    if (page == tab_)
        return true;
    previous_tab_ = tab_;
    tab_ = page;
    mark_changed();
    fire(Click);
    return true;
}

std::string SSTab::TabCaption(int page) const {
    if (page < 0 || page >= Tabs())
        return "";
    return captions_[static_cast<size_t>(page)];
}

bool SSTab::TabCaption(int page, const std::string &caption) {
    if (page < 0 || page >= Tabs())
        return false;
    set(captions_[static_cast<size_t>(page)], caption);
    return true;
}

void SSTab::user_select_tab(int page) {
    if (Enabled())
        Tab(page);
}

} // namespace ohmira
