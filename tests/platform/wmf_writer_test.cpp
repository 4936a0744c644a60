#include "platform/wmf_writer.h"

#include "temp_folder.h"
#include "unprivileged.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>

namespace ohmira {

namespace {

std::uint16_t u16(const std::vector<std::uint8_t> &b, std::size_t at) {
    return static_cast<std::uint16_t>(b.at(at) | (b.at(at + 1) << 8));
}
std::uint32_t u32(const std::vector<std::uint8_t> &b, std::size_t at) {
    return u16(b, at) | (static_cast<std::uint32_t>(u16(b, at + 2)) << 16);
}

struct Record {
    std::uint16_t function;
    std::vector<std::uint16_t> params;
};

// A small reader of the file structure: checks the headers and returns the records.
struct WmfFile {
    std::vector<Record> records;
    std::uint16_t inch = 0, right = 0, bottom = 0, objects = 0;
    std::uint32_t max_record = 0;

    explicit WmfFile(const std::vector<std::uint8_t> &b) {
        EXPECT_EQ(u32(b, 0), wmf_placeable_key);
        std::uint16_t sum = 0;
        for (std::size_t i = 0; i < 20; i += 2)
            sum ^= u16(b, i);
        EXPECT_EQ(u16(b, 20), sum) << "placeable checksum";
        right = u16(b, 10);
        bottom = u16(b, 12);
        inch = u16(b, 14);
        EXPECT_EQ(u16(b, 22), 1);
        EXPECT_EQ(u16(b, 24), 9);
        EXPECT_EQ(u16(b, 26), 0x0300);
        EXPECT_EQ(u32(b, 28) * 2, b.size() - 22) << "file size in words";
        objects = u16(b, 32);
        max_record = u32(b, 34);
        std::size_t at = 40;
        while (at < b.size()) {
            const std::uint32_t words = u32(b, at);
            if (words < 3 || at + words * 2 > b.size()) {
                ADD_FAILURE() << "bad record size at byte " << at;
                return;
            }
            EXPECT_LE(words, max_record);
            Record r{u16(b, at + 4), {}};
            for (std::size_t i = 6; i < words * 2; i += 2)
                r.params.push_back(u16(b, at + i));
            records.push_back(r);
            at += words * 2;
        }
        EXPECT_EQ(at, b.size()) << "record sizes sum to the file size";
    }

    std::vector<Record> of(std::uint16_t f) const {
        std::vector<Record> out;
        for (const Record &r : records)
            if (r.function == f)
                out.push_back(r);
        return out;
    }
};

DisplayList sample_page() {
    DisplayList d;
    d.width = 11906;
    d.height = 16838;
    d.add(LineOp{100, 200, 300, 400, Pen{rgb(255, 0, 0), 10}});
    d.add(LineOp{300, 400, 500, 400, Pen{rgb(255, 0, 0), 10}}); // same pen: no new object
    d.add(BoxOp{1134, 2268, 9638, 9071, Pen{0, 18}, Brush{}});
    d.add(BoxOp{10, 10, 210, 110, Pen{0, 10}, Brush{BrushStyle::Solid, rgb(0, 0, 255)}});
    d.add(PointOp{50, 60, rgb(192, 192, 192), 15});
    d.add(PolylineOp{{{0, 0}, {10, 20}, {30, 5}}, Pen{rgb(0, 128, 0), 5, PenStyle::Dash}});
    d.add(TextOp{1134, 1304, "[ohm\xC2\xB7m] \xC2\xB5V", Font{"Arial", 13, true}, 0, 0, 0});
    d.add(TextOp{2000, 3000, "Label", Font{"Arial", 10, false, false, false, 450}, 0xFF, 0, 0});
    return d;
}

} // namespace

TEST(WmfWriter, StructureOfAPage) {
    const WmfFile f(wmf_bytes(sample_page()));
    ASSERT_FALSE(f.records.empty());
    EXPECT_EQ(f.records.back().function, wmf_eof);
    EXPECT_EQ(f.inch, 1440);
    EXPECT_EQ(f.right, 11906);
    EXPECT_EQ(f.bottom, 16838);
    EXPECT_EQ(f.records[0].function, wmf_set_map_mode);
    EXPECT_EQ(f.records[0].params.at(0), 8);
    ASSERT_EQ(f.of(wmf_set_window_ext).size(), 1u);
    EXPECT_EQ(f.of(wmf_set_window_ext)[0].params, (std::vector<std::uint16_t>{16838, 11906}));
    EXPECT_EQ(f.of(wmf_set_bk_mode).at(0).params.at(0), 1);

    // Objects: every created one is deleted, never more slots than declared.
    const std::size_t created = f.of(wmf_create_pen_indirect).size() +
                                f.of(wmf_create_brush_indirect).size() +
                                f.of(wmf_create_font_indirect).size();
    EXPECT_EQ(created, f.of(wmf_delete_object).size());
    EXPECT_EQ(f.of(wmf_create_pen_indirect).size(), 5u); // red, black 18, black 10, null, green
    EXPECT_LE(f.objects, 4);
    for (const Record &r : f.of(wmf_select_object))
        EXPECT_LT(r.params.at(0), f.objects);

    // Geometry.
    const auto moves = f.of(wmf_move_to);
    const auto lines = f.of(wmf_line_to);
    ASSERT_EQ(moves.size(), 2u);
    EXPECT_EQ(moves[0].params, (std::vector<std::uint16_t>{200, 100}));
    EXPECT_EQ(lines[0].params, (std::vector<std::uint16_t>{400, 300}));
    const auto rects = f.of(wmf_rectangle);
    ASSERT_EQ(rects.size(), 3u);
    EXPECT_EQ(rects[0].params, (std::vector<std::uint16_t>{9071, 9638, 2268, 1134}));
    const auto poly = f.of(wmf_polyline);
    ASSERT_EQ(poly.size(), 1u);
    EXPECT_EQ(poly[0].params, (std::vector<std::uint16_t>{3, 0, 0, 10, 20, 30, 5}));
    const auto pen = f.of(wmf_create_pen_indirect).back();
    EXPECT_EQ(pen.params.at(0), 1); // dash
    EXPECT_EQ(pen.params.at(1), 5);
    EXPECT_EQ(pen.params.at(3), 0x8000); // green 128 in the low word

    // Text in Windows-1252: "[ohm·m] µV" with · = B7 and µ = B5.
    const auto texts = f.of(wmf_ext_text_out);
    ASSERT_EQ(texts.size(), 2u);
    EXPECT_EQ(texts[0].params.at(0), 1304);
    EXPECT_EQ(texts[0].params.at(1), 1134);
    ASSERT_EQ(texts[0].params.at(2), 10);
    std::string s;
    for (std::size_t i = 4; i < texts[0].params.size(); ++i) {
        s += static_cast<char>(texts[0].params[i] & 0xFF);
        s += static_cast<char>(texts[0].params[i] >> 8);
    }
    EXPECT_EQ(s.substr(0, 10), "[ohm\xB7m] \xB5V");
    const auto fonts = f.of(wmf_create_font_indirect);
    ASSERT_EQ(fonts.size(), 2u);
    EXPECT_EQ(static_cast<std::int16_t>(fonts[0].params.at(0)), -260); // 13 pt
    EXPECT_EQ(fonts[0].params.at(4), 700);
    EXPECT_EQ(fonts[1].params.at(2), 450); // escapement in tenths of a degree
    EXPECT_EQ(f.of(wmf_set_text_color).size(), 2u);
}

TEST(WmfWriter, LargeSurfaceIsScaledInto16Bits) {
    DisplayList d;
    d.width = 64000;
    d.height = 16000;
    d.add(LineOp{0, 0, 64000, 16000, Pen{}});
    const WmfFile f(wmf_bytes(d));
    EXPECT_EQ(f.right, 32000);
    EXPECT_EQ(f.inch, 720);
    EXPECT_EQ(f.of(wmf_line_to).at(0).params, (std::vector<std::uint16_t>{8000, 32000}));
}

TEST(WmfWriter, EmptyListIsStillAValidFile) {
    const WmfFile f(wmf_bytes(DisplayList{}));
    EXPECT_EQ(f.records.back().function, wmf_eof);
    EXPECT_EQ(f.objects, 0);
}

TEST(WmfWriter, FailedWriteKeepsTheOldFile) {
    namespace fs = std::filesystem;
    TempFolder dir;
    const std::string path = dir / "page.wmf";
    ASSERT_TRUE(write_wmf(sample_page(), path));
    EXPECT_EQ(fs::file_size(path), wmf_bytes(sample_page()).size());
    std::string error;
    EXPECT_FALSE(write_wmf(sample_page(), dir / "missing/x.wmf", &error));
    EXPECT_EQ(error, "cannot write " + dir / "missing/x.wmf.tmp");

    // Another page over it, in a folder that takes no new file: the old page stays whole.
    DisplayList other;
    other.add(LineOp{0, 0, 500, 500, Pen{}});
    fs::permissions(dir.path(), fs::perms::owner_read | fs::perms::owner_exec);
    const std::optional<int> written = run_unprivileged([&] { return write_wmf(other, path); });
    fs::permissions(dir.path(), fs::perms::owner_all);
    EXPECT_EQ(written, 0);
    std::ifstream in(path, std::ios::binary);
    const std::vector<std::uint8_t> kept{std::istreambuf_iterator<char>(in),
                                         std::istreambuf_iterator<char>()};
    EXPECT_EQ(kept, wmf_bytes(sample_page()));
    std::vector<std::string> names;
    for (const auto &e : fs::directory_iterator(dir.path()))
        names.push_back(e.path().filename().string());
    EXPECT_EQ(names, std::vector<std::string>{"page.wmf"});
}

} // namespace ohmira
