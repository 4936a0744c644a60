#pragma once
// The user's decimal separator, read without changing this process, and the switch that makes
// this process read and write numbers with a point.
#include <functional>
#include <string>

namespace ohmira {

// The decimal separator of the user's locale (from the environment), "." when it cannot be read.
std::string user_decimal_separator();

// Sets this process's numeric locale to "C" (point); the user's settings are not touched.
// True when the switch took effect.
bool use_point_decimal_separator();

// Replaces how the user's separator is read (tests); an empty function restores the default.
void set_decimal_separator_source(std::function<std::string()> source);

} // namespace ohmira
