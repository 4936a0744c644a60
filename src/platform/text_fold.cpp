#include "platform/text_fold.h"

namespace ohmira {

namespace {

// Length of the well-formed UTF-8 sequence at s[i] and its code point; 0 when malformed.
std::size_t decode(std::string_view s, std::size_t i, char32_t &cp) {
    auto b = static_cast<unsigned char>(s[i]);
    std::size_t len;
    if (b < 0x80) {
        cp = b;
        return 1;
    } else if (b >= 0xC2 && b < 0xE0) {
        len = 2;
        cp = b & 0x1F;
    } else if (b >= 0xE0 && b < 0xF0) {
        len = 3;
        cp = b & 0x0F;
    } else if (b >= 0xF0 && b < 0xF5) {
        len = 4;
        cp = b & 0x07;
    } else {
        return 0;
    }
    if (i + len > s.size())
        return 0;
    for (std::size_t k = 1; k < len; ++k) {
        auto c = static_cast<unsigned char>(s[i + k]);
        if ((c & 0xC0) != 0x80)
            return 0;
        cp = (cp << 6) | (c & 0x3F);
    }
    if ((len == 3 && cp < 0x800) || (len == 4 && (cp < 0x10000 || cp > 0x10FFFF)) ||
        (cp >= 0xD800 && cp <= 0xDFFF))
        return 0;
    return len;
}

char32_t lower(char32_t c) {
    if (c >= U'A' && c <= U'Z')
        return c + 32;
    if (c >= 0xC0 && c <= 0xDE && c != 0xD7)
        return c + 32;
    switch (c) {
    case 0x160: // Š
    case 0x152: // Œ
    case 0x17D: // Ž
        return c + 1;
    case 0x178: // Ÿ
        return 0xFF;
    default:
        return c;
    }
}

} // namespace

std::u32string fold_case(std::string_view utf8) {
    std::u32string out;
    out.reserve(utf8.size());
    for (std::size_t i = 0; i < utf8.size();) {
        char32_t cp;
        std::size_t len = decode(utf8, i, cp);
        if (len == 0) {
            cp = static_cast<unsigned char>(utf8[i]);
            len = 1;
        }
        out += lower(cp);
        i += len;
    }
    return out;
}

bool looks_like_utf8(std::string_view bytes) {
    bool multi = false;
    for (std::size_t i = 0; i < bytes.size();) {
        char32_t cp;
        std::size_t len = decode(bytes, i, cp);
        if (len == 0)
            return false;
        multi = multi || len > 1;
        i += len;
    }
    return multi;
}

} // namespace ohmira
