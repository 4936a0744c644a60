#include "platform/text_metrics.h"

#include "platform/font_measure.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <cstdint>
#include <utility>

namespace ohmira {

namespace {

// Advance widths in 1/2048 em for U+0020..U+007E followed by U+00A0..U+00FF.
constexpr std::size_t table_size = 95 + 96;
constexpr double units_per_em = 2048.0;

constexpr std::array<std::uint16_t, table_size> sans_regular = {
    569,  569,  727,  1139, 1139, 1821, 1366, 391,  682,  682,  797,  1196, 569,  682,  569,  569,
    1139, 1139, 1139, 1139, 1139, 1139, 1139, 1139, 1139, 1139, 569,  569,  1196, 1196, 1196, 1139,
    2079, 1366, 1366, 1479, 1479, 1366, 1251, 1593, 1479, 569,  1024, 1366, 1139, 1706, 1479, 1593,
    1366, 1593, 1479, 1366, 1251, 1479, 1366, 1933, 1366, 1366, 1251, 569,  569,  569,  961,  1139,
    682,  1139, 1139, 1024, 1139, 1139, 569,  1139, 1139, 455,  455,  1024, 455,  1706, 1139, 1139,
    1139, 1139, 682,  1024, 569,  1139, 1024, 1479, 1024, 1024, 1024, 684,  532,  684,  1196, 569,
    682,  1139, 1139, 1139, 1139, 532,  1139, 682,  1509, 758,  1139, 1196, 682,  1509, 1131, 819,
    1124, 682,  682,  682,  1180, 1100, 569,  682,  682,  748,  1139, 1708, 1708, 1708, 1251, 1366,
    1366, 1366, 1366, 1366, 1366, 2048, 1479, 1366, 1366, 1366, 1366, 569,  569,  569,  569,  1479,
    1479, 1593, 1593, 1593, 1593, 1593, 1196, 1593, 1479, 1479, 1479, 1479, 1366, 1366, 1251, 1139,
    1139, 1139, 1139, 1139, 1139, 1821, 1024, 1139, 1139, 1139, 1139, 569,  569,  569,  569,  1139,
    1139, 1139, 1139, 1139, 1139, 1139, 1124, 1251, 1139, 1139, 1139, 1139, 1024, 1139, 1024,
};

constexpr std::array<std::uint16_t, table_size> sans_bold = {
    569,  682,  971,  1139, 1139, 1821, 1479, 487,  682,  682,  797,  1196, 569,  682,  569,  569,
    1139, 1139, 1139, 1139, 1139, 1139, 1139, 1139, 1139, 1139, 682,  682,  1196, 1196, 1196, 1251,
    1997, 1479, 1479, 1479, 1479, 1366, 1251, 1593, 1479, 569,  1139, 1479, 1251, 1706, 1479, 1593,
    1366, 1593, 1479, 1366, 1251, 1479, 1366, 1933, 1366, 1366, 1251, 682,  569,  682,  1196, 1139,
    682,  1139, 1251, 1139, 1251, 1139, 682,  1251, 1251, 569,  569,  1139, 569,  1821, 1251, 1251,
    1251, 1251, 797,  1139, 682,  1251, 1139, 1593, 1139, 1139, 1024, 797,  573,  797,  1196, 569,
    682,  1139, 1139, 1139, 1139, 573,  1139, 682,  1509, 758,  1139, 1196, 682,  1509, 1131, 819,
    1124, 682,  682,  682,  1180, 1139, 569,  682,  682,  748,  1139, 1708, 1708, 1708, 1251, 1479,
    1479, 1479, 1479, 1479, 1479, 2048, 1479, 1366, 1366, 1366, 1366, 569,  569,  569,  569,  1479,
    1479, 1593, 1593, 1593, 1593, 1593, 1196, 1593, 1479, 1479, 1479, 1479, 1366, 1366, 1251, 1139,
    1139, 1139, 1139, 1139, 1139, 1821, 1139, 1139, 1139, 1139, 1139, 569,  569,  569,  569,  1251,
    1251, 1251, 1251, 1251, 1251, 1251, 1124, 1251, 1251, 1251, 1251, 1251, 1139, 1251, 1139,
};

constexpr std::array<std::uint16_t, table_size> serif_regular = {
    512,  682,  836,  1024, 1024, 1706, 1593, 369,  682,  682,  1024, 1155, 512,  682,  512,  569,
    1024, 1024, 1024, 1024, 1024, 1024, 1024, 1024, 1024, 1024, 569,  569,  1155, 1155, 1155, 909,
    1886, 1479, 1366, 1366, 1479, 1251, 1139, 1479, 1479, 682,  797,  1479, 1251, 1821, 1479, 1479,
    1139, 1479, 1366, 1139, 1251, 1479, 1479, 1933, 1479, 1479, 1251, 682,  569,  682,  961,  1024,
    682,  909,  1024, 909,  1024, 909,  682,  1024, 1024, 569,  569,  1024, 569,  1593, 1024, 1024,
    1024, 1024, 682,  797,  569,  1024, 1024, 1479, 1024, 1024, 909,  983,  410,  983,  1108, 512,
    682,  1024, 1024, 1024, 1024, 410,  1024, 682,  1556, 565,  1024, 1155, 682,  1556, 1024, 819,
    1124, 614,  614,  682,  1180, 928,  512,  682,  614,  635,  1024, 1536, 1536, 1536, 909,  1479,
    1479, 1479, 1479, 1479, 1479, 1821, 1366, 1251, 1251, 1251, 1251, 682,  682,  682,  682,  1479,
    1479, 1479, 1479, 1479, 1479, 1479, 1155, 1479, 1479, 1479, 1479, 1479, 1479, 1139, 1024, 909,
    909,  909,  909,  909,  909,  1366, 909,  909,  909,  909,  909,  569,  569,  569,  569,  1024,
    1024, 1024, 1024, 1024, 1024, 1024, 1124, 1024, 1024, 1024, 1024, 1024, 1024, 1024, 1024,
};

constexpr std::array<std::uint16_t, table_size> serif_bold = {
    512,  682,  1137, 1024, 1024, 2048, 1706, 569,  682,  682,  1024, 1167, 512,  682,  512,  569,
    1024, 1024, 1024, 1024, 1024, 1024, 1024, 1024, 1024, 1024, 682,  682,  1167, 1167, 1167, 1024,
    1905, 1479, 1366, 1479, 1479, 1366, 1251, 1593, 1593, 797,  1024, 1593, 1366, 1933, 1479, 1593,
    1251, 1593, 1479, 1139, 1366, 1479, 1479, 2048, 1479, 1479, 1366, 682,  569,  682,  1190, 1024,
    682,  1024, 1139, 909,  1139, 909,  682,  1024, 1139, 569,  682,  1139, 569,  1706, 1139, 1024,
    1139, 1139, 909,  797,  682,  1139, 1024, 1479, 1024, 1024, 909,  807,  451,  807,  1065, 512,
    682,  1024, 1024, 1024, 1024, 451,  1024, 682,  1530, 614,  1024, 1167, 682,  1530, 1024, 819,
    1124, 614,  614,  682,  1180, 1106, 512,  682,  614,  676,  1024, 1536, 1536, 1536, 1024, 1479,
    1479, 1479, 1479, 1479, 1479, 2048, 1479, 1366, 1366, 1366, 1366, 797,  797,  797,  797,  1479,
    1479, 1593, 1593, 1593, 1593, 1593, 1167, 1593, 1479, 1479, 1479, 1479, 1479, 1251, 1139, 1024,
    1024, 1024, 1024, 1024, 1024, 1479, 909,  909,  909,  909,  909,  569,  569,  569,  569,  1024,
    1139, 1024, 1024, 1024, 1024, 1024, 1124, 1024, 1139, 1139, 1139, 1139, 1024, 1139, 1024,
};

struct FamilyMetrics {
    FontFamily family;
    const std::array<std::uint16_t, table_size> *regular; // null: monospaced
    const std::array<std::uint16_t, table_size> *bold;
    int ascent;    // 1/2048 em
    int descent;   // 1/2048 em
    int avg_width; // 1/2048 em, the average character width Windows reports for the font
};

constexpr int mono_advance = 1229;

constexpr std::array<FamilyMetrics, 3> families = {{
    {FontFamily::Sans, &sans_regular, &sans_bold, 1854, 434, 904},
    {FontFamily::Serif, &serif_regular, &serif_bold, 1825, 443, 821},
    {FontFamily::Mono, nullptr, nullptr, 1705, 615, mono_advance},
}};

const FamilyMetrics &metrics_for(std::string_view name) {
    const FontFamily f = font_family(name);
    for (const FamilyMetrics &m : families)
        if (m.family == f)
            return m;
    return families[0];
}

// Decodes one UTF-8 character; invalid bytes are taken as Windows-1252/Latin-1 bytes.
char32_t next_char(std::string_view s, std::size_t &i) {
    const auto b0 = static_cast<unsigned char>(s[i]);
    auto cont = [&](std::size_t k) -> int {
        if (i + k >= s.size())
            return -1;
        const auto b = static_cast<unsigned char>(s[i + k]);
        return (b & 0xC0) == 0x80 ? (b & 0x3F) : -1;
    };
    if (b0 >= 0xC2 && b0 <= 0xDF && cont(1) >= 0) {
        const char32_t c = ((b0 & 0x1F) << 6) | cont(1);
        i += 2;
        return c;
    }
    if (b0 >= 0xE0 && b0 <= 0xEF && cont(1) >= 0 && cont(2) >= 0) {
        const char32_t c = ((b0 & 0x0F) << 12) | (cont(1) << 6) | cont(2);
        i += 3;
        return c;
    }
    if (b0 >= 0xF0 && b0 <= 0xF4 && cont(1) >= 0 && cont(2) >= 0 && cont(3) >= 0) {
        const char32_t c = ((b0 & 0x07) << 18) | (cont(1) << 12) | (cont(2) << 6) | cont(3);
        i += 4;
        return c;
    }
    ++i;
    return b0;
}

int advance(const FamilyMetrics &m, bool bold, char32_t c) {
    if (c < 0x20)
        return 0; // control characters take no room
    if (!m.regular)
        return mono_advance;
    const auto &table = bold ? *m.bold : *m.regular;
    std::size_t index = 0;
    if (c <= 0x7E)
        index = c - 0x20;
    else if (c >= 0xA0 && c <= 0xFF)
        index = 95 + (c - 0xA0);
    else
        index = 'n' - 0x20; // characters outside the table measure as an average letter
    return table[index];
}

double twips_per_unit(const Font &font) {
    const double size = font.size > 0 ? font.size : 0;
    return size * 20.0 / units_per_em;
}

} // namespace

Font drawing_font(const FontSpec &spec) {
    Font out;
    out.name = spec.Name;
    out.size = spec.Size;
    out.bold = spec.Bold;
    out.italic = spec.Italic;
    return out;
}

FontFamily font_family(std::string_view name) {
    std::string n(name);
    std::transform(n.begin(), n.end(), n.begin(),
                   [](unsigned char ch) { return static_cast<char>(std::tolower(ch)); });
    if (n.find("courier") != std::string::npos || n.find("mono") != std::string::npos ||
        n.find("fixed") != std::string::npos)
        return FontFamily::Mono;
    if (n.find("times") != std::string::npos ||
        (n.find("serif") != std::string::npos && n.find("sans") == std::string::npos))
        return FontFamily::Serif;
    return FontFamily::Sans;
}

namespace {
FontMeasure &installed_measure() {
    static FontMeasure m;
    return m;
}

// The window layer's measure of a family the tables do not hold.
const FontMeasure *own_measure(const Font &font) {
    const FontMeasure &m = installed_measure();
    return m.width && !measured_by_tables(font.name) ? &m : nullptr;
}
} // namespace

FontMeasure set_font_measure(FontMeasure measure) {
    return std::exchange(installed_measure(), std::move(measure));
}

bool measured_by_tables(std::string_view name) {
    static constexpr std::string_view names[] = {"",
                                                 "Arial",
                                                 "Times New Roman",
                                                 "Courier New",
                                                 "Courier",
                                                 "MS Sans Serif",
                                                 "Liberation Sans",
                                                 "Liberation Serif",
                                                 "Liberation Mono",
                                                 "Helvetica",
                                                 "Times",
                                                 "MS Serif"};
    for (std::string_view n : names)
        if (n == name)
            return true;
    return false;
}

double text_width(const Font &font, std::string_view text) {
    if (const FontMeasure *own = own_measure(font)) {
        double widest = 0;
        std::size_t start = 0;
        while (start <= text.size()) {
            std::size_t end = text.find_first_of("\r\n", start);
            if (end == std::string_view::npos)
                end = text.size();
            if (const auto w = own->width(font, text.substr(start, end - start)))
                widest = std::max(widest, *w);
            if (end < text.size() && text[end] == '\r' && end + 1 < text.size() &&
                text[end + 1] == '\n')
                ++end;
            start = end + 1;
        }
        return widest;
    }
    const FamilyMetrics &m = metrics_for(font.name);
    long widest = 0;
    long current = 0;
    for (std::size_t i = 0; i < text.size();) {
        const char32_t c = next_char(text, i);
        if (c == '\r' || c == '\n') {
            if (c == '\r' && i < text.size() && text[i] == '\n')
                ++i;
            widest = std::max(widest, current);
            current = 0;
            continue;
        }
        current += advance(m, font.bold, c);
    }
    widest = std::max(widest, current);
    return static_cast<double>(widest) * twips_per_unit(font);
}

double line_height(const Font &font) {
    if (const FontMeasure *own = own_measure(font); own && own->line_height)
        if (const auto h = own->line_height(font))
            return *h;
    const FamilyMetrics &m = metrics_for(font.name);
    return (m.ascent + m.descent) * twips_per_unit(font);
}

double text_height(const Font &font, std::string_view text) {
    int lines = 1;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\r') {
            ++lines;
            if (i + 1 < text.size() && text[i + 1] == '\n')
                ++i;
        } else if (text[i] == '\n') {
            ++lines;
        }
    }
    return lines * line_height(font);
}

double average_char_width(const Font &font) {
    if (const FontMeasure *own = own_measure(font); own && own->average_width)
        if (const auto w = own->average_width(font))
            return *w;
    return metrics_for(font.name).avg_width * twips_per_unit(font);
}

std::vector<std::string> known_font_names() {
    return {"Arial", "Courier New", "Times New Roman"};
}

std::string_view listed_font_name(std::string_view family) {
    static constexpr std::pair<std::string_view, std::string_view> standing_for[] = {
        {"liberation sans", "Arial"},
        {"liberation serif", "Times New Roman"},
        {"liberation mono", "Courier New"},
    };
    std::string lower(family);
    std::transform(lower.begin(), lower.end(), lower.begin(),
                   [](unsigned char ch) { return static_cast<char>(std::tolower(ch)); });
    for (const auto &[liberation, name] : standing_for)
        if (lower == liberation)
            return name;
    return family;
}

namespace {

// Lines of a text split at CR, LF or CR LF.
std::vector<std::string_view> text_lines(std::string_view text) {
    std::vector<std::string_view> lines;
    std::size_t start = 0;
    while (true) {
        const std::size_t end = text.find_first_of("\r\n", start);
        lines.push_back(text.substr(start, end == std::string_view::npos ? end : end - start));
        if (end == std::string_view::npos)
            return lines;
        start = end + 1;
        if (text[end] == '\r' && start < text.size() && text[start] == '\n')
            ++start;
    }
}

// Length of the longest start of `word` that fits, whole characters, at least one.
std::size_t fitting_start(std::string_view word, double width,
                          const std::function<double(std::string_view)> &width_of) {
    std::size_t fits = 0;
    for (std::size_t i = 0; i < word.size();) {
        next_char(word, i);
        if (fits > 0 && width_of(word.substr(0, i)) > width)
            break;
        fits = i;
    }
    return fits;
}

} // namespace

std::vector<std::string> wrap_text(std::string_view text, double width,
                                   const std::function<double(std::string_view)> &width_of) {
    std::vector<std::string> out;
    for (const std::string_view line : text_lines(text)) {
        if (!(width > 0) || width_of(line) <= width) {
            out.emplace_back(line);
            continue;
        }
        std::string current;
        bool first = true; // the line's leading blanks stay with its first word
        for (std::size_t at = 0; at < line.size();) {
            const std::size_t word_at = line.find_first_not_of(' ', at);
            if (word_at == std::string_view::npos)
                break; // blanks at a break are dropped
            const std::size_t word_end = std::min(line.find(' ', word_at), line.size());
            std::string_view word = line.substr(word_at, word_end - word_at);
            const std::string joined =
                current.empty() && !first
                    ? std::string(word)
                    : current + std::string(line.substr(at, word_at - at)) + std::string(word);
            first = false;
            at = word_end;
            if (width_of(joined) <= width) {
                current = joined;
                continue;
            }
            if (!current.empty())
                out.push_back(std::move(current));
            // A word wider than a line is cut where it reaches the edge.
            while (width_of(word) > width) {
                const std::size_t n = fitting_start(word, width, width_of);
                out.emplace_back(word.substr(0, n));
                word.remove_prefix(n);
            }
            current = std::string(word);
        }
        if (!current.empty() || first)
            out.push_back(std::move(current));
    }
    return out;
}

} // namespace ohmira
