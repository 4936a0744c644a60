#include "platform/user_scale.h"

#include <cmath>

namespace ohmira {

namespace {

// Twips per unit of the fixed modes; characters are 120 twips across (and 240 down).
double fixed_unit(ScaleUnit u) {
    switch (u) {
    case ScaleUnit::Points:
        return 20.0;
    case ScaleUnit::Pixels:
        return twips_per_pixel;
    case ScaleUnit::Characters:
        return 120.0;
    case ScaleUnit::Inches:
        return 1440.0;
    case ScaleUnit::Millimetres:
        return 1440.0 / 25.4;
    case ScaleUnit::Centimetres:
        return 1440.0 / 2.54;
    default:
        return 1.0;
    }
}

} // namespace

void UserScale::set_extent(double width_tw, double height_tw) {
    extent_w_ = std::isfinite(width_tw) && width_tw > 0 ? width_tw : 0;
    extent_h_ = std::isfinite(height_tw) && height_tw > 0 ? height_tw : 0;
}

bool UserScale::set(double x1, double y1, double x2, double y2) {
    if (!std::isfinite(x1) || !std::isfinite(y1) || !std::isfinite(x2) || !std::isfinite(y2) ||
        x1 == x2 || y1 == y2)
        return false;
    user_left_ = x1;
    user_top_ = y1;
    user_width_ = x2 - x1;
    user_height_ = y2 - y1;
    mode_ = ScaleUnit::User;
    return true;
}

bool UserScale::set_mode(int mode) {
    if (mode < 0 || mode > 7)
        return false;
    mode_ = static_cast<ScaleUnit>(mode);
    return true;
}

double UserScale::unit_twips() const {
    return fixed_unit(mode_);
}

double UserScale::left() const {
    return mode_ == ScaleUnit::User ? user_left_ : 0;
}
double UserScale::top() const {
    return mode_ == ScaleUnit::User ? user_top_ : 0;
}
double UserScale::width() const {
    return mode_ == ScaleUnit::User ? user_width_ : extent_w_ / unit_twips();
}
double UserScale::height() const {
    return mode_ == ScaleUnit::User ? user_height_ : extent_h_ / unit_twips();
}

// In a fixed mode the extent does not matter; in the user scale an empty extent maps all to 0.
double UserScale::width_to_twips(double w) const {
    return mode_ == ScaleUnit::User ? w * extent_w_ / user_width_ : w * unit_twips();
}
double UserScale::height_to_twips(double h) const {
    return mode_ == ScaleUnit::User ? h * extent_h_ / user_height_ : h * unit_twips();
}
double UserScale::width_to_user(double tw) const {
    if (mode_ != ScaleUnit::User)
        return tw / unit_twips();
    return extent_w_ > 0 ? tw * user_width_ / extent_w_ : 0;
}
double UserScale::height_to_user(double tw) const {
    if (mode_ != ScaleUnit::User)
        return tw / unit_twips();
    return extent_h_ > 0 ? tw * user_height_ / extent_h_ : 0;
}

double UserScale::x_to_twips(double x) const {
    return width_to_twips(x - left());
}
double UserScale::y_to_twips(double y) const {
    return height_to_twips(y - top());
}
double UserScale::x_from_twips(double tw) const {
    return left() + width_to_user(tw);
}
double UserScale::y_from_twips(double tw) const {
    return top() + height_to_user(tw);
}

} // namespace ohmira
