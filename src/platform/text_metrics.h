#pragma once
// Deterministic text measurement from fixed advance-width tables of Arial, Times New Roman and
// Courier New (the Liberation fonts share them), so that layout is the same in tests, on screen
// and on paper.
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/control.h"
#include "platform/display_list.h"

namespace ohmira {

enum class FontFamily { Sans, Serif, Mono };

// The drawing font of a control's font.
Font drawing_font(const FontSpec &spec);

// "Courier New" and other monospaced names map to Mono, "Times New Roman" and serif names to
// Serif, everything else (Arial, MS Sans Serif, unknown names) to Sans.
FontFamily font_family(std::string_view name);

// Width in twips of the widest line of a UTF-8 text (lines split at CR, LF or CR LF).
double text_width(const Font &font, std::string_view text);

// Height in twips of one line of text (ascent + descent of the font).
double line_height(const Font &font);

// Height in twips of a text: one line height per line, at least one line.
double text_height(const Font &font, std::string_view text = {});

// Average character width in twips: the width of one character column for print zones and Tab().
double average_char_width(const Font &font);

// The font names every surface offers (the fonts measured here).
std::vector<std::string> known_font_names();

// The name a font list shows a desktop family under: the Liberation fonts under the names of the
// fonts they stand for ("Liberation Mono" is listed as "Courier New"), whatever the case they are
// given in; any other family as it is.
std::string_view listed_font_name(std::string_view family);

// A text broken into lines no wider than `width`, as `width_of` measures them: at blanks, and
// inside a word only where the word alone is wider. The text's own line breaks are kept; a line
// that fits comes back as it is, blanks included; a width not above 0 breaks nothing.
std::vector<std::string> wrap_text(std::string_view text, double width,
                                   const std::function<double(std::string_view)> &width_of);

} // namespace ohmira
