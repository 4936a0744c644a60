#include "platform/wmf_writer.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <fstream>
#include <variant>

#include "platform/cp1252.h"

namespace ohmira {

namespace {

constexpr std::uint16_t mm_anisotropic = 8;
constexpr std::uint16_t bk_transparent = 1;
constexpr std::uint16_t ta_top_left = 0;
constexpr std::uint16_t bs_solid = 0;
constexpr std::uint16_t bs_null = 1;
constexpr double max_coordinate = 32000.0;

class RecordWriter {
public:
    explicit RecordWriter(double scale) : scale_(scale) {}

    // A record: size in words, function, parameters.
    void record(std::uint16_t function, const std::vector<std::uint16_t> &params) {
        const std::uint32_t words = 3 + static_cast<std::uint32_t>(params.size());
        put32(out_, words);
        put16(out_, function);
        for (std::uint16_t p : params)
            put16(out_, p);
        max_record_ = std::max(max_record_, words);
    }

    std::uint16_t coord(double v) const {
        double s = std::round(v * scale_);
        s = std::clamp(s, -32768.0, 32767.0);
        return static_cast<std::uint16_t>(static_cast<std::int16_t>(s));
    }
    std::uint16_t length(double v) const {
        const double s = std::clamp(std::round(v * scale_), 0.0, 32767.0);
        return static_cast<std::uint16_t>(s);
    }

    // Objects take the lowest free slot of the object table, as the player assigns them.
    std::uint16_t create(std::uint16_t function, const std::vector<std::uint16_t> &params) {
        record(function, params);
        std::uint16_t slot = 0;
        while (slot < used_.size() && used_[slot])
            ++slot;
        if (slot == used_.size())
            used_.push_back(true);
        else
            used_[slot] = true;
        return slot;
    }
    void remove(std::uint16_t slot) {
        record(wmf_delete_object, {slot});
        used_[slot] = false;
    }

    static void put16(std::vector<std::uint8_t> &b, std::uint16_t v) {
        b.push_back(static_cast<std::uint8_t>(v & 0xFF));
        b.push_back(static_cast<std::uint8_t>(v >> 8));
    }
    static void put32(std::vector<std::uint8_t> &b, std::uint32_t v) {
        put16(b, static_cast<std::uint16_t>(v & 0xFFFF));
        put16(b, static_cast<std::uint16_t>(v >> 16));
    }

    std::vector<std::uint8_t> out_;
    std::uint32_t max_record_ = 0;
    std::vector<bool> used_;
    double scale_;
};

std::vector<std::uint16_t> colour_words(Colour c) {
    return {static_cast<std::uint16_t>(c & 0xFFFF), static_cast<std::uint16_t>((c >> 16) & 0xFF)};
}

// Bytes packed two to a word, little-endian, padded with a zero byte to an even length.
std::vector<std::uint16_t> byte_words(const std::string &bytes) {
    std::vector<std::uint16_t> w;
    for (std::size_t i = 0; i < bytes.size(); i += 2) {
        const auto lo = static_cast<std::uint8_t>(bytes[i]);
        const auto hi = i + 1 < bytes.size() ? static_cast<std::uint8_t>(bytes[i + 1]) : 0;
        w.push_back(static_cast<std::uint16_t>(lo | (hi << 8)));
    }
    return w;
}

// Tracks the selected pen, brush, font and text colour so that objects are created only when the
// drawing state changes; each replaced object is deleted once the new one is selected.
class Painter {
public:
    explicit Painter(RecordWriter &w) : w_(w) {}

    void pen(const Pen &p) {
        if (pen_slot_ >= 0 && p == pen_)
            return;
        std::vector<std::uint16_t> params = {static_cast<std::uint16_t>(p.style),
                                             w_.length(p.width), 0};
        for (std::uint16_t c : colour_words(p.colour))
            params.push_back(c);
        replace(pen_slot_, w_.create(wmf_create_pen_indirect, params));
        pen_ = p;
    }
    void null_pen() { pen(Pen{0, 0, PenStyle::Invisible}); }

    void brush(const Brush &b) {
        if (brush_slot_ >= 0 && b == brush_)
            return;
        std::vector<std::uint16_t> params = {b.style == BrushStyle::Solid ? bs_solid : bs_null};
        for (std::uint16_t c : colour_words(b.colour))
            params.push_back(c);
        params.push_back(0);
        replace(brush_slot_, w_.create(wmf_create_brush_indirect, params));
        brush_ = b;
    }

    void font(const Font &f) {
        if (font_slot_ >= 0 && f == font_)
            return;
        const auto height = static_cast<std::uint16_t>(static_cast<std::int16_t>(
            -std::clamp(std::round(f.size * 20 * w_.scale_), 1.0, 32767.0)));
        const auto angle = static_cast<std::uint16_t>(static_cast<std::int16_t>(f.angle % 3600));
        std::vector<std::uint16_t> params = {height, 0, angle, angle,
                                             static_cast<std::uint16_t>(f.bold ? 700 : 400)};
        std::string bytes;
        bytes += static_cast<char>(f.italic ? 1 : 0);
        bytes += static_cast<char>(f.underline ? 1 : 0);
        bytes += '\0'; // strike-out
        bytes += '\0'; // ANSI character set
        bytes += '\0'; // default output precision
        bytes += '\0'; // default clipping precision
        bytes += '\0'; // default quality
        bytes += '\0'; // default pitch and family
        std::string face = utf8_to_cp1252(f.name).substr(0, 31);
        face.push_back('\0');
        bytes += face;
        for (std::uint16_t word : byte_words(bytes))
            params.push_back(word);
        replace(font_slot_, w_.create(wmf_create_font_indirect, params));
        font_ = f;
    }

    void text_colour(Colour c) {
        if (has_text_colour_ && c == text_colour_)
            return;
        w_.record(wmf_set_text_color, colour_words(c));
        text_colour_ = c;
        has_text_colour_ = true;
    }

    void release_all() {
        for (int *slot : {&pen_slot_, &brush_slot_, &font_slot_})
            if (*slot >= 0) {
                w_.remove(static_cast<std::uint16_t>(*slot));
                *slot = -1;
            }
    }

private:
    void replace(int &slot, std::uint16_t created) {
        w_.record(wmf_select_object, {created});
        if (slot >= 0)
            w_.remove(static_cast<std::uint16_t>(slot));
        slot = created;
    }

    RecordWriter &w_;
    Pen pen_;
    Brush brush_;
    Font font_;
    int pen_slot_ = -1, brush_slot_ = -1, font_slot_ = -1;
    Colour text_colour_ = 0;
    bool has_text_colour_ = false;
};

void rectangle(RecordWriter &w, double x1, double y1, double x2, double y2) {
    w.record(wmf_rectangle, {w.coord(std::max(y1, y2)), w.coord(std::max(x1, x2)),
                             w.coord(std::min(y1, y2)), w.coord(std::min(x1, x2))});
}

struct OpWriter {
    RecordWriter &w;
    Painter &p;

    void operator()(const LineOp &op) {
        p.pen(op.pen);
        w.record(wmf_move_to, {w.coord(op.y1), w.coord(op.x1)});
        w.record(wmf_line_to, {w.coord(op.y2), w.coord(op.x2)});
    }
    void operator()(const BoxOp &op) {
        p.pen(op.pen);
        p.brush(op.filled() ? op.brush : Brush{BrushStyle::Transparent, 0});
        rectangle(w, op.x1, op.y1, op.x2, op.y2);
    }
    void operator()(const PointOp &op) {
        const double half = std::max(op.size, 15.0) / 2;
        p.null_pen();
        p.brush(Brush{BrushStyle::Solid, op.colour});
        rectangle(w, op.x - half, op.y - half, op.x + half, op.y + half);
    }
    void operator()(const PolylineOp &op) {
        if (op.points.size() < 2)
            return;
        p.pen(op.pen);
        // A record holds at most 32767 points; a longer line goes on in further records.
        for (std::size_t start = 0; start + 1 < op.points.size(); start += 16000) {
            const std::size_t end = std::min(op.points.size(), start + 16001);
            std::vector<std::uint16_t> params = {static_cast<std::uint16_t>(end - start)};
            for (std::size_t i = start; i < end; ++i) {
                params.push_back(w.coord(op.points[i].x));
                params.push_back(w.coord(op.points[i].y));
            }
            w.record(wmf_polyline, params);
        }
    }
    void operator()(const TextOp &op) {
        std::string bytes = utf8_to_cp1252(op.text);
        if (bytes.empty())
            return;
        if (bytes.size() > 8000)
            bytes.resize(8000);
        p.font(op.font);
        p.text_colour(op.colour);
        std::vector<std::uint16_t> params = {w.coord(op.y), w.coord(op.x),
                                             static_cast<std::uint16_t>(bytes.size()), 0};
        for (std::uint16_t word : byte_words(bytes))
            params.push_back(word);
        w.record(wmf_ext_text_out, params);
    }
};

} // namespace

std::vector<std::uint8_t> wmf_bytes(const DisplayList &list) {
    const double width = std::isfinite(list.width) && list.width > 0 ? list.width : 1;
    const double height = std::isfinite(list.height) && list.height > 0 ? list.height : 1;
    const double extent = std::max(width, height);
    const double scale = extent > max_coordinate ? max_coordinate / extent : 1.0;
    RecordWriter w(scale);
    Painter painter(w);

    w.record(wmf_set_map_mode, {mm_anisotropic});
    w.record(wmf_set_window_org, {0, 0});
    w.record(wmf_set_window_ext, {w.length(height), w.length(width)});
    w.record(wmf_set_bk_mode, {bk_transparent});
    w.record(wmf_set_text_align, {ta_top_left});
    OpWriter writer{w, painter};
    for (const DrawOp &op : list.ops)
        std::visit(writer, op);
    painter.release_all();
    w.record(wmf_eof, {});

    std::vector<std::uint8_t> file;
    // Placeable header: key, handle, bounding box, units per inch, reserved, checksum.
    std::vector<std::uint16_t> head = {static_cast<std::uint16_t>(wmf_placeable_key & 0xFFFF),
                                       static_cast<std::uint16_t>(wmf_placeable_key >> 16),
                                       0,
                                       0,
                                       0,
                                       w.length(width),
                                       w.length(height),
                                       static_cast<std::uint16_t>(std::round(1440 * scale)),
                                       0,
                                       0};
    std::uint16_t checksum = 0;
    for (std::uint16_t v : head)
        checksum ^= v;
    head.push_back(checksum);
    for (std::uint16_t v : head)
        RecordWriter::put16(file, v);

    // Standard header: type (disk), header words, version, file words, objects, largest record.
    const auto total_words = static_cast<std::uint32_t>(9 + w.out_.size() / 2);
    RecordWriter::put16(file, 1);
    RecordWriter::put16(file, 9);
    RecordWriter::put16(file, 0x0300);
    RecordWriter::put32(file, total_words);
    RecordWriter::put16(file, static_cast<std::uint16_t>(w.used_.size()));
    RecordWriter::put32(file, w.max_record_);
    RecordWriter::put16(file, 0);
    file.insert(file.end(), w.out_.begin(), w.out_.end());
    return file;
}

bool write_wmf(const DisplayList &list, const std::string &path, std::string *error) {
    const std::vector<std::uint8_t> bytes = wmf_bytes(list);
    const std::string temp = path + ".tmp";
    {
        std::ofstream out(temp, std::ios::binary | std::ios::trunc);
        if (out)
            out.write(reinterpret_cast<const char *>(bytes.data()),
                      static_cast<std::streamsize>(bytes.size()));
        if (!out || !out.flush()) {
            if (error)
                *error = "cannot write " + temp;
            out.close();
            std::remove(temp.c_str());
            return false;
        }
    }
    if (std::rename(temp.c_str(), path.c_str()) != 0) {
        if (error)
            *error = "cannot replace " + path;
        std::remove(temp.c_str());
        return false;
    }
    return true;
}

} // namespace ohmira
