#pragma once
// The picture box: a control that is drawn on in its own scale (Scale, CurrentX/Y, PSet, Line,
// Print, Cls, DrawWidth, ForeColor, ...). What is drawn is kept as one display list in twips of
// the client area; mouse events arrive in twips and reach the handlers in the user scale.
#include "platform/control.h"
#include "platform/display_list.h"
#include "platform/scaled_canvas.h"

namespace ohmira {

class PictureBox : public Control, public ScaledCanvas {
public:
    PictureBox(Form &owner, std::string name, int left = 0, int top = 0, int width = 0,
               int height = 0);
    PictureBox(Form &owner, std::string name, In container, int left, int top, int width,
               int height);
    const char *kind() const override { return "PictureBox"; }

    // Clears the drawing (to BackColor) and puts the current point at (0, 0).
    void Cls();

    // The drawing in twips of the client area (the control's width and height).
    const DisplayList &picture() const;

    // Mouse events from the window layer, at a position in twips of the client area; the
    // handlers receive it in the user scale.
    void user_mouse_down(int button, int shift, double twips_x, double twips_y) override;
    void user_mouse_move(int button, int shift, double twips_x, double twips_y) override;
    void user_mouse_up(int button, int shift, double twips_x, double twips_y) override;

    // Font name, size, bold and italic are the control's (Font(), FontName(...), ...); the
    // foreground colour is ForeColor.
    using Control::ForeColor;

protected:
    int default_back_color() const override { return 0xFFFFFF; }
    DisplayList &canvas_list() override;
    Colour canvas_fore_colour() const override;
    ohmira::Font canvas_font() const override;
    double dot_twips() const override { return twips_per_pixel; }
    void canvas_changed() override { mark_changed(); }
    void update_extent(UserScale &s) const override { s.set_extent(Width(), Height()); }

private:
    void sync_list() const;
    mutable DisplayList list_;
};

} // namespace ohmira
