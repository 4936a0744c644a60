#include "platform/scaled_canvas.h"

#include <cmath>

#include "platform/text_metrics.h"

namespace ohmira {

namespace {

// Twips beyond this are refused: no page or window comes near it, and it keeps every later
// conversion (16-bit metafile coordinates included, after scaling) finite.
constexpr double max_twips = 1.0e7;

} // namespace

PrintItem print_zone() {
    return PrintItem(PrintItem::Kind::Zone, 0);
}
PrintItem print_tab(int column) {
    return PrintItem(PrintItem::Kind::Tab, column < 1 ? 1 : column);
}

bool ScaledCanvas::Scale(double x1, double y1, double x2, double y2) {
    return scale_.set(x1, y1, x2, y2);
}

void ScaledCanvas::Scale() {
    scale_.set_mode(static_cast<int>(ScaleUnit::Twips));
}

bool ScaledCanvas::ScaleMode(int mode) {
    return scale_.set_mode(mode);
}

PointTw ScaledCanvas::to_twips(double x, double y) const {
    const PointTw o = surface_origin();
    const PointTw p = scale().to_twips(x, y);
    return {p.x + o.x, p.y + o.y};
}

PointTw ScaledCanvas::to_user(double twips_x, double twips_y) const {
    const PointTw o = surface_origin();
    return scale().to_user(twips_x - o.x, twips_y - o.y);
}

bool ScaledCanvas::DrawWidth(int dots) {
    if (dots < 1 || dots > 32767)
        return false;
    draw_width_ = dots;
    return true;
}

bool ScaledCanvas::DrawStyle(int style) {
    if (style < 0 || style > 6)
        return false;
    draw_style_ = static_cast<PenStyle>(style);
    return true;
}

bool ScaledCanvas::FillStyle(int style) {
    if (style < 0 || style > 7)
        return false;
    fill_style_ = style == 1 ? BrushStyle::Transparent : BrushStyle::Solid;
    return true;
}

bool ScaledCanvas::map(double x, double y, PointTw &out) const {
    if (!std::isfinite(x) || !std::isfinite(y))
        return false;
    out = to_twips(x, y);
    return std::isfinite(out.x) && std::isfinite(out.y) && std::fabs(out.x) <= max_twips &&
           std::fabs(out.y) <= max_twips;
}

Pen ScaledCanvas::pen(Colour c) const {
    return Pen{c, draw_width_ * dot_twips(), draw_style_};
}

bool ScaledCanvas::PSet(double x, double y, std::optional<Colour> colour) {
    PointTw p;
    if (!map(x, y, p))
        return false;
    canvas_list().add(
        PointOp{p.x, p.y, colour.value_or(canvas_fore_colour()), draw_width_ * dot_twips()});
    current_x_ = x;
    current_y_ = y;
    canvas_changed();
    return true;
}

bool ScaledCanvas::Line(double x1, double y1, double x2, double y2, std::optional<Colour> colour,
                        LineShape shape) {
    PointTw a, b;
    if (!map(x1, y1, a) || !map(x2, y2, b))
        return false;
    const Colour c = colour.value_or(canvas_fore_colour());
    switch (shape) {
    case LineShape::Line:
        canvas_list().add(LineOp{a.x, a.y, b.x, b.y, pen(c)});
        break;
    case LineShape::Box:
        canvas_list().add(BoxOp{a.x, a.y, b.x, b.y, pen(c), Brush{fill_style_, fill_colour_}});
        break;
    case LineShape::FilledBox:
        canvas_list().add(BoxOp{a.x, a.y, b.x, b.y, pen(c), Brush{BrushStyle::Solid, c}});
        break;
    }
    current_x_ = x2;
    current_y_ = y2;
    canvas_changed();
    return true;
}

bool ScaledCanvas::LineTo(double x, double y, std::optional<Colour> colour, LineShape shape) {
    return Line(current_x_, current_y_, x, y, colour, shape);
}

void ScaledCanvas::print_text(std::string_view text) {
    PointTw p;
    if (!map(current_x_, current_y_, p))
        return;
    const Font f = canvas_font();
    const double w = text_width(f, text);
    if (!text.empty())
        canvas_list().add(
            TextOp{p.x, p.y, std::string(text), f, canvas_fore_colour(), w, text_height(f, text)});
    current_x_ = to_user(p.x + w, p.y).x;
    canvas_changed();
}

void ScaledCanvas::new_line_after_print() {
    PointTw p;
    if (!map(current_x_, current_y_, p))
        return;
    current_x_ = 0;
    current_y_ = to_user(p.x, p.y + line_height(canvas_font())).y;
}

void ScaledCanvas::move_to_twips_x(double tx) {
    current_x_ = to_user(tx, 0).x;
}

void ScaledCanvas::Print(std::string_view text, bool new_line) {
    print_text(text);
    if (new_line)
        new_line_after_print();
}

void ScaledCanvas::Print(const std::vector<PrintItem> &items, bool new_line) {
    const Font f = canvas_font();
    const double column = average_char_width(f);
    const double zone = print_zone_columns * column;
    for (const PrintItem &item : items) {
        PointTw p;
        if (item.kind != PrintItem::Kind::Text && !map(current_x_, current_y_, p))
            continue;
        const double line_start = to_twips(0, 0).x;
        switch (item.kind) {
        case PrintItem::Kind::Text:
            print_text(item.text);
            break;
        case PrintItem::Kind::Zone: {
            double k = zone > 0 ? std::floor((p.x - line_start) / zone + 1e-9) + 1 : 0;
            if (k < 0)
                k = 0;
            move_to_twips_x(line_start + k * zone);
            break;
        }
        case PrintItem::Kind::Tab: {
            const double target = line_start + (item.column - 1) * column;
            if (p.x > target + 1e-9)
                new_line_after_print();
            move_to_twips_x(target);
            break;
        }
        }
    }
    if (new_line)
        new_line_after_print();
}

double ScaledCanvas::TextWidth(std::string_view text) const {
    return scale().width_to_user(text_width(canvas_font(), text));
}

double ScaledCanvas::TextHeight(std::string_view text) const {
    return scale().height_to_user(text_height(canvas_font(), text));
}

} // namespace ohmira
