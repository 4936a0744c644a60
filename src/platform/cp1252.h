#pragma once
// Windows-1252 on disk, UTF-8 in memory.
#include <string>
#include <string_view>

namespace ohmira {

// Every byte maps to a character; the five bytes Windows-1252 leaves undefined map to U+0081 etc.
std::string cp1252_to_utf8(std::string_view bytes);

// Characters with no Windows-1252 byte become "?"; invalid UTF-8 bytes are taken as Windows-1252.
std::string utf8_to_cp1252(std::string_view text);

} // namespace ohmira
