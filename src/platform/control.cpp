#include "platform/control.h"

#include "platform/form.h"

#include <utility>

namespace ohmira {

Control::Control(Form &owner, std::string name, int left, int top, int width, int height)
    : Control(owner, std::move(name), In{}, left, top, width, height) {}

Control::Control(Form &owner, std::string name, In container, int left, int top, int width,
                 int height)
    : name_(std::move(name)), form_(&owner), container_(std::move(container)), left_(left),
      top_(top), width_(width), height_(height) {
    owner.register_control(*this);
}

Control::Control(std::string name) : name_(std::move(name)) {}

Control::~Control() {
    if (form_ && form_ != this)
        form_->unregister_control(*this);
}

Control *Control::Container() const {
    return container_.container.empty() ? nullptr : form_->control(container_.container);
}

void Control::Move(int left, int top, int width, int height) {
    if (left_ == left && top_ == top && width_ == width && height_ == height)
        return;
    left_ = left;
    top_ = top;
    width_ = width;
    height_ = height;
    mark_changed();
}

void Control::FontName(const std::string &n) {
    FontSpec f = font_;
    f.Name = n;
    Font(f);
}

void Control::FontSize(double s) {
    FontSpec f = font_;
    f.Size = s;
    Font(f);
}

void Control::FontBold(bool b) {
    FontSpec f = font_;
    f.Bold = b;
    Font(f);
}

void Control::FontItalic(bool i) {
    FontSpec f = font_;
    f.Italic = i;
    Font(f);
}

bool Control::shown() const {
    if (!visible_)
        return false;
    // Walk up the containers; the depth bound guards against a container cycle.
    const Control *c = this;
    for (int depth = 0; depth < 64; ++depth) {
        const Control *up = c->Container();
        if (!up)
            return true;
        if (!up->visible_ || !up->shows_page(c->tab_page()))
            return false;
        c = up;
    }
    return false;
}

bool Control::SetFocus() {
    if (!enabled_ || !takes_focus() || !shown())
        return false;
    for (const Control *up = Container(); up; up = up->Container())
        if (!up->enabled_)
            return false;
    form_->move_focus(this);
    return true;
}

bool Control::has_focus() const {
    return form_->ActiveControl() == this;
}

void Control::user_click() {
    if (!enabled_)
        return;
    if (takes_focus())
        SetFocus();
    fire(Click);
}

void Control::user_double_click() {
    if (!enabled_)
        return;
    fire(DblClick);
}

int Control::user_key_down(int key_code, int shift) {
    if (!enabled_)
        return key_code;
    if (KeyDown)
        KeyDown(key_code, shift);
    if (key_code != 0)
        on_key_down(key_code, shift);
    return key_code;
}

int Control::user_key_press(int key_ascii) {
    if (!enabled_)
        return key_ascii;
    if (KeyPress)
        KeyPress(key_ascii);
    if (key_ascii != 0)
        on_key_press(key_ascii);
    return key_ascii;
}

void Control::user_mouse_down(int button, int shift, double x, double y) {
    if (enabled_ && MouseDown)
        MouseDown(button, shift, x, y);
}

void Control::user_mouse_move(int button, int shift, double x, double y) {
    if (enabled_ && MouseMove)
        MouseMove(button, shift, x, y);
}

void Control::user_mouse_up(int button, int shift, double x, double y) {
    if (enabled_ && MouseUp)
        MouseUp(button, shift, x, y);
}

void Control::mark_changed() {
    ++revision_;
    if (on_state_changed)
        on_state_changed(*this);
}

} // namespace ohmira
