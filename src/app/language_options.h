#pragma once
// The language list and the Setup tab's "OK", which applies every option at once.
#include <cstdint>
#include <string_view>

namespace ohmira {

// The language list: sets Langue and the four language flags from the list's text.
void Combo6_Click();
// Editing the list's text does nothing.
void Combo6_Change();
// "OK" of the Setup tab: array headers, captions, decimals, plot window, drawing switches,
// redraw of the plot, array code, then the compute command.
void Command11_Click();

// Each sets its language flag and clears the other three; Langue is left as it is.
void Set_Language_German();
void Set_Language_Spanish();
void Set_Language_English();
void Set_Language_French();

// The redraw step of "OK": the empty frame, the stored soundings when superposition is on, then
// the current one when a curve was computed.
void Redraw_Applied_Options();

// One bound of the plot window from a list text: `value` := the leading number rounded to a whole
// number, `exponent` := its decimal logarithm rounded. A number that cannot be held leaves
// `value` unchanged; a number not above 0 leaves `exponent` unchanged.
void Read_Range_Text(std::string_view text, std::int32_t &value, std::int32_t &exponent);

} // namespace ohmira
