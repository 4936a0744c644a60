#include "platform/picture_box.h"

#include "platform/text_metrics.h"

namespace ohmira {

PictureBox::PictureBox(Form &owner, std::string name, int left, int top, int width, int height)
    : Control(owner, std::move(name), left, top, width, height) {
    sync_list();
}

PictureBox::PictureBox(Form &owner, std::string name, In container, int left, int top, int width,
                       int height)
    : Control(owner, std::move(name), std::move(container), left, top, width, height) {
    sync_list();
}

void PictureBox::sync_list() const {
    list_.width = Width();
    list_.height = Height();
    list_.background = static_cast<Colour>(BackColor());
}

void PictureBox::Cls() {
    list_.clear();
    CurrentX(0);
    CurrentY(0);
    sync_list();
    mark_changed();
}

const DisplayList &PictureBox::picture() const {
    sync_list();
    return list_;
}

DisplayList &PictureBox::canvas_list() {
    sync_list();
    return list_;
}

Colour PictureBox::canvas_fore_colour() const {
    return static_cast<Colour>(ForeColor());
}

ohmira::Font PictureBox::canvas_font() const {
    return drawing_font(Control::Font());
}

void PictureBox::user_mouse_down(int button, int shift, double twips_x, double twips_y) {
    const PointTw p = to_user(twips_x, twips_y);
    Control::user_mouse_down(button, shift, p.x, p.y);
}

void PictureBox::user_mouse_move(int button, int shift, double twips_x, double twips_y) {
    const PointTw p = to_user(twips_x, twips_y);
    Control::user_mouse_move(button, shift, p.x, p.y);
}

void PictureBox::user_mouse_up(int button, int shift, double twips_x, double twips_y) {
    const PointTw p = to_user(twips_x, twips_y);
    Control::user_mouse_up(button, shift, p.x, p.y);
}

} // namespace ohmira
