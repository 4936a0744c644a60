#pragma once
// The drawing methods that picture boxes and the printer share: a user scale, a current point,
// points, lines, boxes and text printed at the current point with print zones, recorded as
// operations in twips into the surface's display list.
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/display_list.h"
#include "platform/user_scale.h"

namespace ohmira {

// One item of a Print list. Items written one after another print adjacent (";" in a Print
// list); `print_zone()` stands for "," (next zone of 14 columns), `print_tab(n)` for Tab(n).
struct PrintItem {
    enum class Kind { Text, Zone, Tab };
    Kind kind = Kind::Text;
    std::string text;
    int column = 0;

    PrintItem(std::string t) : text(std::move(t)) {}
    PrintItem(std::string_view t) : text(t) {}
    PrintItem(const char *t) : text(t) {}

private:
    friend PrintItem print_zone();
    friend PrintItem print_tab(int column);
    PrintItem(Kind k, int col) : kind(k), column(col) {}
};
PrintItem print_zone();
PrintItem print_tab(int column);

// What `Line` draws between its two corners: a line, a box outline (B) or a filled box (BF).
enum class LineShape { Line, Box, FilledBox };

constexpr int print_zone_columns = 14;

class ScaledCanvas {
public:
    virtual ~ScaledCanvas() = default;

    // --- scale ---------------------------------------------------------------------------------
    // User scale by the top-left and bottom-right corners. Refused (false) for an empty span or a
    // value that is not finite; the old scale stays.
    bool Scale(double x1, double y1, double x2, double y2);
    // Back to twips.
    void Scale();
    int ScaleMode() const { return scale_.mode(); }
    bool ScaleMode(int mode);
    double ScaleLeft() const { return scale().left(); }
    double ScaleTop() const { return scale().top(); }
    double ScaleWidth() const { return scale().width(); }
    double ScaleHeight() const { return scale().height(); }

    // Between user units and twips of the surface (the display list's coordinates).
    PointTw to_twips(double x, double y) const;
    PointTw to_user(double twips_x, double twips_y) const;

    // --- state ---------------------------------------------------------------------------------
    double CurrentX() const { return current_x_; }
    void CurrentX(double x) { current_x_ = x; }
    double CurrentY() const { return current_y_; }
    void CurrentY(double y) { current_y_ = y; }
    int DrawWidth() const { return draw_width_; }
    // Line width in dots; values below 1 are refused (false).
    bool DrawWidth(int dots);
    int DrawStyle() const { return static_cast<int>(draw_style_); }
    bool DrawStyle(int style);
    int FillStyle() const { return static_cast<int>(fill_style_); }
    // 0 solid, 1 transparent (the other hatch styles draw as solid).
    bool FillStyle(int style);
    Colour FillColor() const { return fill_colour_; }
    void FillColor(Colour c) { fill_colour_ = c; }

    // --- drawing (user units) ------------------------------------------------------------------
    // Each refuses (false, nothing drawn, current point unchanged) a coordinate that is not finite
    // or too large to map to twips.
    // A point of DrawWidth dots; it becomes the current point.
    bool PSet(double x, double y, std::optional<Colour> colour = {});
    // Line (x1, y1)-(x2, y2)[, colour][, B|BF]; (x2, y2) becomes the current point.
    bool Line(double x1, double y1, double x2, double y2, std::optional<Colour> colour = {},
              LineShape shape = LineShape::Line);
    // Line -(x, y): from the current point.
    bool LineTo(double x, double y, std::optional<Colour> colour = {},
                LineShape shape = LineShape::Line);

    // Prints a text with its top-left corner at the current point; then the current point goes
    // to x = 0 one line lower, or, with `new_line` false (a trailing ";"), just after the text.
    void Print(std::string_view text, bool new_line = true);
    // A Print list: texts adjacent, print_zone() to the next 14-column zone counted from x = 0,
    // print_tab(n) to column n (on the next line if the current point is already past it).
    void Print(const std::vector<PrintItem> &items, bool new_line = true);

    // Extent of a text in the font of the surface, in user units (signed like the scale).
    double TextWidth(std::string_view text) const;
    double TextHeight(std::string_view text = "") const;

protected:
    virtual DisplayList &canvas_list() = 0;
    virtual Colour canvas_fore_colour() const = 0;
    virtual Font canvas_font() const = 0;
    virtual double dot_twips() const = 0; // twips per dot of DrawWidth
    virtual void canvas_changed() {}
    // Brings the extent of the scale up to date (a control may have been resized).
    virtual void update_extent(UserScale &) const {}
    // Where the scaled area starts on the surface, in twips (the printable area on paper).
    virtual PointTw surface_origin() const { return {0, 0}; }
    const UserScale &scale() const {
        update_extent(scale_);
        return scale_;
    }

    mutable UserScale scale_;

private:
    bool map(double x, double y, PointTw &out) const;
    Pen pen(Colour c) const;
    void print_text(std::string_view text);
    void new_line_after_print();
    void move_to_twips_x(double tx);

    double current_x_ = 0;
    double current_y_ = 0;
    int draw_width_ = 1;
    PenStyle draw_style_ = PenStyle::Solid;
    BrushStyle fill_style_ = BrushStyle::Transparent;
    Colour fill_colour_ = colour_black;
};

} // namespace ohmira
