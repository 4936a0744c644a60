#pragma once
// Number <-> text in the forms the sounding files and the window show, byte for byte: a leading
// blank for numbers not negative, no zero before the point (".5"), "." whatever the locale.
//
// Text form of a number (Str): up to 15 significant digits for doubles, 7 for singles, trailing
// zeros dropped, no zero before the point of a number below 1 (".5", "-.25"); the exponent form
// ("1E+15", "3.14151E+07", "-1.5E-07", at least two exponent digits) is used when the decimal
// exponent is below -4 or reaches the number of significant digits (so 0.0001 is ".0001" and
// 0.00001 is "1E-05"; a double is plain up to 999999999999999, a single up to 9999999).
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace ohmira {

// Str: a leading blank for zero and positive numbers, "-" for negative ones: " .5", "-.5", " 12".
std::string Str(double value);
std::string Str_single(float value);

// The same without the leading blank, as Write # puts numbers into files: ".5", "12", "-3".
std::string number_text(double value);
std::string number_text_single(float value);

// Val: the number at the start of a text; blanks, tabs and line feeds anywhere are skipped
// ("1 2" is 12); "." is the decimal point, "E" or "D" the exponent; 0 when there is none.
// A number beyond the double range throws RuntimeError 6 (overflow).
double Val(std::string_view text);

// Conversion to Integer (16-bit) and Long (32-bit): nearest whole number, halves to even
// (2.5 -> 2, 3.5 -> 4, -2.5 -> -2). Empty result when the value does not fit (or is NaN), so that
// a caller can skip the statement that needed the whole number.
std::optional<std::int16_t> CInt(double value);
std::optional<std::int32_t> CLng(double value);

// The same, throwing RuntimeError 6 on overflow, for code that jumps to one error handler.
std::int16_t CInt_or_throw(double value);
std::int32_t CLng_or_throw(double value);

// Round half to even to a whole number, as a double (no range limit); NaN stays NaN.
double round_half_even(double value);

// Int rounds down, Fix toward zero.
double Int(double value);
double Fix(double value);

// A value held in single precision, as a variable declared Single holds it.
inline float to_single(double value) {
    return static_cast<float>(value);
}

// Parse one whole number text ("12", "-1.5E+07", ".5", "1D3", blanks around allowed) as the list
// reader does for a numeric item; empty when the text is not exactly a number. An empty or blank
// text is 0. Throws RuntimeError 6 when the value is beyond the double range.
std::optional<double> parse_number_item(std::string_view text);

} // namespace ohmira
