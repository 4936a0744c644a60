#include "platform/form.h"

#include "platform/controls.h"
#include "platform/dialog_host.h"
#include "platform/menu.h"

#include <algorithm>
#include <stdexcept>
#include <utility>

namespace ohmira {

Form::Form(std::string name, std::string caption)
    : Control(std::move(name)), caption_(std::move(caption)) {
    attach_form(*this);
    Control::Visible(false);
}

Form::~Form() = default;

void Form::register_control(Control &c) {
    if (control(c.Name()))
        throw std::logic_error("control " + c.Name() + " declared twice on form " + Name());
    controls_.push_back(&c);
}

void Form::unregister_control(Control &c) {
    controls_.erase(std::remove(controls_.begin(), controls_.end(), &c), controls_.end());
    if (active_ == &c)
        active_ = nullptr;
}

Control *Form::control(const std::string &name) const {
    for (Control *c : controls_)
        if (c->Name() == name)
            return c;
    return nullptr;
}

void Form::Load() {
    if (loaded_)
        return;
    loaded_ = true;
    mark_changed();
    fire(Form_Load);
}

bool Form::Unload() {
    if (!loaded_)
        return true;
    int cancel = 0;
    if (Form_Unload)
        Form_Unload(cancel);
    if (cancel != 0)
        return false;
    loaded_ = false;
    modal_ = false;
    Control::Visible(false);
    mark_changed();
    return true;
}

void Form::Show(int style) {
    Load();
    if (!loaded_) // Form_Load unloaded it again
        return;
    // Its first display sizes it like any other change of size.
    const bool appearing = !Visible();
    Control::Visible(true);
    if (appearing)
        fire(Form_Resize);
    if (style != vbModal || modal_)
        return;
    modal_ = true;
    mark_changed();
    dialog_host().show_modal(*this);
    modal_ = false;
    mark_changed();
}

void Form::Hide() {
    Control::Visible(false);
}

void Form::resize(int width, int height) {
    Width(width);
    Height(height);
    fire(Form_Resize);
}

bool Form::SetFocus() {
    if (!Visible() || !Enabled())
        return false;
    move_focus(nullptr);
    fire(GotFocus);
    return true;
}

void Form::move_focus(Control *to) {
    if (active_ == to)
        return;
    Control *from = active_;
    active_ = to;
    if (from)
        from->fire(from->LostFocus);
    if (to)
        to->fire(to->GotFocus);
}

void Form::set_default_button(CommandButton *b) {
    if (default_button_ == b)
        return;
    CommandButton *old = default_button_;
    default_button_ = b;
    if (old)
        old->mark_changed();
    if (b)
        b->mark_changed();
}

void Form::user_key(int key_code, int shift, int key_ascii) {
    // A menu shortcut takes the key before any control sees it.
    if (shift != 0 && key_code >= 'A' && key_code <= 'Z') {
        for (Control *c : controls_) {
            auto *item = dynamic_cast<MenuItem *>(c);
            if (item && item->Shortcut() == MenuShortcut{key_code, shift} && item->reachable()) {
                item->user_click();
                return;
            }
        }
    }
    Control *target = active_;
    // A default button on a tab page not shown does not take Enter from the page the user is on.
    if (key_code == vbKeyReturn && default_button_ && default_button_->shown()) {
        const auto *text = dynamic_cast<TextBox *>(target);
        const bool uses_enter =
            dynamic_cast<CommandButton *>(target) != nullptr || (text && text->MultiLine());
        if (!uses_enter) {
            // Enter clicks the default button; the focus stays where the user is typing.
            if (default_button_->Visible() && default_button_->Enabled())
                default_button_->fire(default_button_->Click);
            return;
        }
    }
    if (!target)
        return;
    target->user_key_down(key_code, shift);
    if (key_ascii != 0)
        target->user_key_press(key_ascii);
}

} // namespace ohmira
