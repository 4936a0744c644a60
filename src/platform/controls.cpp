#include "platform/controls.h"

#include "platform/cp1252.h"
#include "platform/form.h"

#include <algorithm>

namespace ohmira {

namespace {

// Drops the last UTF-8 character of `s`.
void pop_utf8_char(std::string &s) {
    while (!s.empty()) {
        const auto byte = static_cast<unsigned char>(s.back());
        s.pop_back();
        if ((byte & 0xC0) != 0x80)
            break;
    }
}

} // namespace

// --- TextBox ------------------------------------------------------------------------------------

void TextBox::Text(const std::string &t) {
    if (t == text_)
        return;
    text_ = t;
    mark_changed();
    fire(Change);
}

void TextBox::user_set_text(const std::string &t) {
    if (Enabled() && !locked_)
        Text(t);
}

void TextBox::on_key_press(int key_ascii) {
    if (locked_)
        return;
    std::string t = text_;
    if (key_ascii == vbKeyBack) {
        if (t.empty())
            return;
        pop_utf8_char(t);
    } else if (key_ascii == vbKeyReturn) {
        if (!multi_line_)
            return;
        t += "\r\n";
    } else if (key_ascii >= 32 && key_ascii <= 255) {
        t += cp1252_to_utf8(std::string(1, static_cast<char>(key_ascii)));
    } else {
        return;
    }
    Text(t);
}

// --- CommandButton ------------------------------------------------------------------------------

CommandButton::~CommandButton() {
    if (Default())
        form().set_default_button(nullptr);
}

bool CommandButton::Default() const {
    return form().default_button() == this;
}

void CommandButton::Default(bool d) {
    if (d)
        form().set_default_button(this);
    else if (Default())
        form().set_default_button(nullptr);
}

void CommandButton::on_key_press(int key_ascii) {
    if (key_ascii == vbKeySpace || key_ascii == vbKeyReturn)
        fire(Click);
}

// --- CheckBox -----------------------------------------------------------------------------------

void CheckBox::Value(int v) {
    if (v == value_)
        return;
    value_ = v;
    mark_changed();
    fire(Click);
}

void CheckBox::user_click() {
    if (!Enabled())
        return;
    SetFocus();
    Value(value_ == vbUnchecked ? vbChecked : vbUnchecked);
}

void CheckBox::on_key_press(int key_ascii) {
    if (key_ascii == vbKeySpace)
        Value(value_ == vbUnchecked ? vbChecked : vbUnchecked);
}

// --- OptionButton -------------------------------------------------------------------------------

void OptionButton::turn_off_others() {
    for (Control *c : form().controls()) {
        auto *o = dynamic_cast<OptionButton *>(c);
        if (o && o != this && o->value_ && o->container_name() == container_name() &&
            o->tab_page() == tab_page()) {
            o->value_ = false;
            o->mark_changed();
        }
    }
}

void OptionButton::Value(bool v) {
    if (v == value_)
        return;
    value_ = v;
    if (v)
        turn_off_others();
    mark_changed();
    if (v)
        fire(Click);
}

void OptionButton::user_click() {
    if (!Enabled())
        return;
    SetFocus();
    if (value_)
        fire(Click);
    else
        Value(true);
}

// --- ListControl --------------------------------------------------------------------------------

bool ListControl::AddItem(const std::string &item, int index) {
    if (index < 0)
        index = ListCount();
    if (index > ListCount())
        return false;
    items_.insert(items_.begin() + index, item);
    if (list_index_ >= index)
        ++list_index_;
    mark_changed();
    return true;
}

bool ListControl::RemoveItem(int index) {
    if (index < 0 || index >= ListCount())
        return false;
    items_.erase(items_.begin() + index);
    if (list_index_ == index)
        list_index_ = -1;
    else if (list_index_ > index)
        --list_index_;
    mark_changed();
    return true;
}

void ListControl::Clear() {
    if (items_.empty() && list_index_ == -1)
        return;
    items_.clear();
    list_index_ = -1;
    mark_changed();
}

std::string ListControl::List(int index) const {
    if (index < 0 || index >= ListCount())
        return "";
    return items_[static_cast<size_t>(index)];
}

bool ListControl::List(int index, const std::string &text) {
    if (index < 0 || index >= ListCount())
        return false;
    set(items_[static_cast<size_t>(index)], text);
    return true;
}

bool ListControl::ListIndex(int index) {
    if (index < -1 || index >= ListCount())
        return false;
    set_index_silently(index);
    on_index_set();
    fire(Click);
    return true;
}

void ListControl::set_index_silently(int index) {
    set(list_index_, index);
}

void ListBox::on_key_down(int key_code, int /*shift*/) {
    if (key_code == vbKeyUp && ListIndex() > 0)
        ListIndex(ListIndex() - 1);
    else if (key_code == vbKeyDown && ListIndex() + 1 < ListCount())
        ListIndex(ListIndex() + 1);
}

// --- ComboBox -----------------------------------------------------------------------------------

void ComboBox::Text(const std::string &t) {
    const auto &all = items();
    const auto found = std::find(all.begin(), all.end(), t);
    set_index_silently(found == all.end() ? -1 : static_cast<int>(found - all.begin()));
    if (t == text_)
        return;
    text_ = t;
    mark_changed();
    fire(Change);
}

void ComboBox::on_index_set() {
    set(text_, List(ListIndex()));
}

void ComboBox::on_key_down(int key_code, int /*shift*/) {
    if (key_code == vbKeyUp && ListIndex() > 0)
        ListIndex(ListIndex() - 1);
    else if (key_code == vbKeyDown && ListIndex() + 1 < ListCount())
        ListIndex(ListIndex() + 1);
}

// --- RangeControl -------------------------------------------------------------------------------

void RangeControl::Min(int v) {
    set(min_, v);
    if (value_ < std::min(min_, max_) || value_ > std::max(min_, max_))
        set(value_, min_);
}

void RangeControl::Max(int v) {
    set(max_, v);
    if (value_ < std::min(min_, max_) || value_ > std::max(min_, max_))
        set(value_, max_);
}

bool RangeControl::Value(int v) {
    if (v < std::min(min_, max_) || v > std::max(min_, max_))
        return false;
    if (v != value_) {
        value_ = v;
        mark_changed();
        fire(Change);
    }
    return true;
}

void RangeControl::user_scroll_to(int v) {
    if (!Enabled())
        return;
    v = std::clamp(v, std::min(min_, max_), std::max(min_, max_));
    fire(Scroll);
    Value(v);
}

void RangeControl::on_key_down(int key_code, int /*shift*/) {
    const int lo = std::min(min_, max_), hi = std::max(min_, max_);
    int v = value_;
    switch (key_code) {
    case vbKeyLeft:
    case vbKeyUp:
        v -= small_change_;
        break;
    case vbKeyRight:
    case vbKeyDown:
        v += small_change_;
        break;
    case vbKeyPageUp:
        v -= large_change_;
        break;
    case vbKeyPageDown:
        v += large_change_;
        break;
    case vbKeyHome:
        v = lo;
        break;
    case vbKeyEnd:
        v = hi;
        break;
    default:
        return;
    }
    Value(std::clamp(v, lo, hi));
}

} // namespace ohmira
