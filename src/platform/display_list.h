#pragma once
// One list of drawing operations per page or drawing surface, in twips (1440 per inch, y downwards
// from the top-left corner of the page or client area). The picture box, the print-preview document
// and the printer all record into it; Qt paints it, the WMF writer writes it, tests read it.
#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>
#include <variant>
#include <vector>

namespace ohmira {

// Colours as the program's code holds them (Windows RGB): 0x00BBGGRR.
using Colour = std::uint32_t;

constexpr Colour rgb(int r, int g, int b) {
    return static_cast<Colour>((r & 0xFF) | ((g & 0xFF) << 8) | ((b & 0xFF) << 16));
}
constexpr int red_of(Colour c) {
    return static_cast<int>(c & 0xFF);
}
constexpr int green_of(Colour c) {
    return static_cast<int>((c >> 8) & 0xFF);
}
constexpr int blue_of(Colour c) {
    return static_cast<int>((c >> 16) & 0xFF);
}

constexpr Colour colour_black = 0x000000;
constexpr Colour colour_white = 0xFFFFFF;

// Line styles with the numbers DrawStyle and PenStyle take.
enum class PenStyle : int {
    Solid = 0,
    Dash = 1,
    Dot = 2,
    DashDot = 3,
    DashDotDot = 4,
    Invisible = 5,
    InsideSolid = 6,
};

// Fill styles with the numbers FillStyle and BrushStyle take: 0 solid, 1 transparent.
enum class BrushStyle : int { Solid = 0, Transparent = 1 };

struct Pen {
    Colour colour = colour_black;
    double width = 0; // twips; 0 draws the thinnest visible line
    PenStyle style = PenStyle::Solid;
    bool operator==(const Pen &) const = default;
};

struct Brush {
    BrushStyle style = BrushStyle::Transparent;
    Colour colour = colour_black;
    bool operator==(const Brush &) const = default;
};

struct Font {
    std::string name = "Arial";
    double size = 10; // points
    bool bold = false;
    bool italic = false;
    bool underline = false;
    int angle = 0; // tenths of a degree, counter-clockwise
    bool operator==(const Font &) const = default;
};

struct PointTw {
    double x = 0;
    double y = 0;
    bool operator==(const PointTw &) const = default;
};

struct LineOp {
    double x1 = 0, y1 = 0, x2 = 0, y2 = 0;
    Pen pen;
};

// A rectangle outlined with `pen` and, when the brush is solid, filled with its colour.
struct BoxOp {
    double x1 = 0, y1 = 0, x2 = 0, y2 = 0;
    Pen pen;
    Brush brush;
    bool filled() const { return brush.style == BrushStyle::Solid; }
};

// A single dot centred at (x, y), `size` twips across (at least one device pixel when painted).
struct PointOp {
    double x = 0, y = 0;
    Colour colour = colour_black;
    double size = 0;
};

struct PolylineOp {
    std::vector<PointTw> points;
    Pen pen;
};

// A text with its top-left corner at (x, y) (before rotation by font.angle). width and height are
// the measured extent in twips (text metrics), kept so tests and renderers agree on the layout.
struct TextOp {
    double x = 0, y = 0;
    std::string text; // UTF-8
    Font font;
    Colour colour = colour_black;
    double width = 0;
    double height = 0;
};

using DrawOp = std::variant<LineOp, BoxOp, PointOp, PolylineOp, TextOp>;

struct DisplayList {
    double width = 0;  // extent of the page or client area, twips
    double height = 0; // idem
    Colour background = colour_white;
    std::vector<DrawOp> ops;

    void clear() { ops.clear(); }
    void add(DrawOp op) { ops.push_back(std::move(op)); }
    bool empty() const { return ops.empty(); }
    std::size_t size() const { return ops.size(); }

    // Every operation of one kind, in drawing order: list.all<LineOp>()[2] is the third line.
    template <class T> std::vector<T> all() const {
        std::vector<T> out;
        for (const DrawOp &op : ops)
            if (const T *p = std::get_if<T>(&op))
                out.push_back(*p);
        return out;
    }
    template <class T> std::size_t count() const {
        std::size_t n = 0;
        for (const DrawOp &op : ops)
            n += std::holds_alternative<T>(op) ? 1 : 0;
        return n;
    }

    std::vector<LineOp> lines() const { return all<LineOp>(); }
    std::vector<BoxOp> boxes() const { return all<BoxOp>(); }
    std::vector<PointOp> points() const { return all<PointOp>(); }
    std::vector<PolylineOp> polylines() const { return all<PolylineOp>(); }
    std::vector<TextOp> texts() const { return all<TextOp>(); }

    // The texts in drawing order, for tests that look for a caption.
    std::vector<std::string> text_strings() const;
};

// One print job: the pages sent to the printer, in order (page numbers of the document), the
// number of copies, the title the print queue or a PDF file shows and the name a PDF file of it
// is proposed under (empty: the program's own proposal).
struct PrintJob {
    int from_page = 0;
    int to_page = 0;
    std::vector<DisplayList> pages;
    int copies = 1;
    std::string title;
    std::string file_name;
};

// What became of a job handed to the window layer's printer. `stopped`: nothing printed and
// nothing more to say (the user cancelled a dialog, or was already told why); `refused`: the
// print system turned the job away (its queue does not take jobs, is gone, or refused this one).
enum class PrintOutcome { printed, stopped, failed, refused };
using PrintSink = std::function<PrintOutcome(const PrintJob &)>;

} // namespace ohmira
