#include "core/text_utils.h"

#include "platform/cp1252.h"
#include "platform/files.h"
#include "platform/user_feedback.h"

namespace ohmira {

std::string Cut_At_Nul(std::string text) {
    const auto nul = text.find('\0');
    if (nul == std::string::npos)
        return {};
    text.resize(nul);
    return text;
}

int File_Exists(const std::string &path) {
    return file_exists(path) ? 1 : 0;
}

void Replace_All(std::string &text, const std::string &find, const std::string &repl) {
    if (find.empty())
        return;
    // A replacement that holds find after its first character would be found again forever.
    const bool skip_inserted = repl.find(find, 1) != std::string::npos;
    std::size_t from = 0;
    for (;;) {
        const auto p = text.find(find, from);
        if (p == std::string::npos)
            return;
        text.replace(p, find.size(), repl);
        from = skip_inserted ? p + repl.size() : p + 1;
    }
}

namespace {

// Upper case of one Windows-1252 byte, as the text comparison of key filters sees it.
unsigned char upper_1252(unsigned char c) {
    if (c >= 'a' && c <= 'z')
        return static_cast<unsigned char>(c - 32);
    if (c >= 0xE0 && c <= 0xFE && c != 0xF7)
        return static_cast<unsigned char>(c - 32);
    switch (c) {
    case 0x9A:
        return 0x8A; // š
    case 0x9C:
        return 0x8C; // œ
    case 0x9E:
        return 0x8E; // ž
    case 0xFF:
        return 0x9F; // ÿ
    default:
        return c;
    }
}

} // namespace

int Filter_Key(int key, const std::string &allowed, int with_backspace) {
    std::string set = utf8_to_cp1252(allowed);
    for (auto &ch : set)
        ch = static_cast<char>(upper_1252(static_cast<unsigned char>(ch)));
    if (with_backspace == -1)
        set.push_back('\b');
    if (key > 0 && key < 256) {
        const char c = static_cast<char>(upper_1252(static_cast<unsigned char>(key)));
        if (set.find(c) != std::string::npos)
            return key;
    }
    Beep();
    return 0;
}

} // namespace ohmira
