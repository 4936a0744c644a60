#include "platform/toolbar.h"

#include <utility>

namespace ohmira {

ToolbarButton::ToolbarButton(Toolbar &owner, int index, std::string key, int style,
                             std::string image)
    : owner_(&owner), index_(index), key_(std::move(key)), style_(style), image_(std::move(image)) {
}

void ToolbarButton::changed() {
    owner_->mark_changed();
}

#define OHMIRA_BUTTON_SETTER(Name, Type, field)                                                    \
    void ToolbarButton::Name(Type v) {                                                             \
        if (field == v)                                                                            \
            return;                                                                                \
        field = v;                                                                                 \
        changed();                                                                                 \
    }
OHMIRA_BUTTON_SETTER(Caption, const std::string &, caption_)
OHMIRA_BUTTON_SETTER(ToolTipText, const std::string &, tooltip_)
OHMIRA_BUTTON_SETTER(Description, const std::string &, description_)
OHMIRA_BUTTON_SETTER(Width, int, width_)
OHMIRA_BUTTON_SETTER(Enabled, bool, enabled_)
OHMIRA_BUTTON_SETTER(Visible, bool, visible_)
OHMIRA_BUTTON_SETTER(Value, bool, value_)
#undef OHMIRA_BUTTON_SETTER

ToolbarButton *ToolbarButtons::Add(const std::string &key, int style, const std::string &image) {
    if (!key.empty() && (*this)(key))
        return nullptr;
    buttons_.push_back(std::make_unique<ToolbarButton>(owner_, Count() + 1, key, style, image));
    owner_.mark_changed();
    return buttons_.back().get();
}

ToolbarButton *ToolbarButtons::operator()(int index) const {
    if (index < 1 || index > Count())
        return nullptr;
    return buttons_[static_cast<size_t>(index - 1)].get();
}

ToolbarButton *ToolbarButtons::operator()(const std::string &key) const {
    for (const auto &b : buttons_)
        if (b->Key() == key)
            return b.get();
    return nullptr;
}

void ToolbarButtons::Clear() {
    if (buttons_.empty())
        return;
    buttons_.clear();
    owner_.mark_changed();
}

void Toolbar::user_press(ToolbarButton *b) {
    if (!b || !Enabled() || !b->Enabled() || !b->Visible() || b->Style() == tbrSeparator ||
        b->Style() == tbrPlaceholder)
        return;
    if (b->Style() == tbrCheck)
        b->Value(!b->Value());
    if (ButtonClick)
        ButtonClick(*b);
}

void Toolbar::user_click_button(int index) {
    user_press(Buttons(index));
}

void Toolbar::user_click_button(const std::string &key) {
    if (!key.empty())
        user_press(Buttons(key));
}

} // namespace ohmira
