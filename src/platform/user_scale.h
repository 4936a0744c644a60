#pragma once
// Mapping between a surface's own coordinates (user scale or a fixed unit) and the twips of its
// area, as picture boxes and the printer keep it. y may grow upwards (negative height).
#include "platform/display_list.h"

namespace ohmira {

// ScaleMode numbers, as the program's code gives them.
enum class ScaleUnit : int {
    User = 0,
    Twips = 1,
    Points = 2,
    Pixels = 3,
    Characters = 4,
    Inches = 5,
    Millimetres = 6,
    Centimetres = 7,
};

constexpr double twips_per_pixel = 15.0; // 96 dots per inch on screen

class UserScale {
public:
    // The area the scale covers, in twips (the client area or the printable area).
    void set_extent(double width_tw, double height_tw);
    double extent_width() const { return extent_w_; }
    double extent_height() const { return extent_h_; }

    // User scale with (x1, y1) at the top-left and (x2, y2) at the bottom-right corner. Refused
    // (returns false, scale unchanged) when a span is zero or a value is not finite.
    bool set(double x1, double y1, double x2, double y2);
    // A fixed unit; User keeps the current user values.
    bool set_mode(int mode);
    int mode() const { return static_cast<int>(mode_); }

    double left() const;
    double top() const;
    double width() const;
    double height() const;

    double x_to_twips(double x) const;
    double y_to_twips(double y) const;
    double x_from_twips(double tw) const;
    double y_from_twips(double tw) const;
    PointTw to_twips(double x, double y) const { return {x_to_twips(x), y_to_twips(y)}; }
    PointTw to_user(double tx, double ty) const { return {x_from_twips(tx), y_from_twips(ty)}; }

    // Lengths (signed, following the axis direction).
    double width_to_user(double tw) const;
    double height_to_user(double tw) const;
    double width_to_twips(double w) const;
    double height_to_twips(double h) const;

private:
    double unit_twips() const;
    ScaleUnit mode_ = ScaleUnit::Twips;
    double extent_w_ = 0;
    double extent_h_ = 0;
    double user_left_ = 0, user_top_ = 0, user_width_ = 1, user_height_ = 1;
};

} // namespace ohmira
