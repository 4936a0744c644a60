#include "platform/number_text.h"

#include <charconv>
#include <cmath>
#include <limits>
#include <system_error>

#include "platform/runtime_error.h"

namespace ohmira {

namespace {

// The general form of Str with `precision` significant digits, without sign or blank.
std::string general_form(double magnitude, int precision) {
    if (magnitude == 0)
        return "0";
    if (std::isnan(magnitude))
        return "NaN";
    if (std::isinf(magnitude))
        return "Inf";

    char buf[64];
    auto res = std::to_chars(buf, buf + sizeof buf, magnitude, std::chars_format::scientific,
                             precision - 1);
    std::string_view sci(buf, static_cast<std::size_t>(res.ptr - buf));
    const auto e_pos = sci.find('e');
    std::string digits;
    for (char c : sci.substr(0, e_pos))
        if (c != '.')
            digits += c;
    int exponent = 0;
    auto exp_text = sci.substr(e_pos + 1);
    if (!exp_text.empty() && exp_text.front() == '+')
        exp_text.remove_prefix(1);
    std::from_chars(exp_text.data(), exp_text.data() + exp_text.size(), exponent);
    while (digits.size() > 1 && digits.back() == '0')
        digits.pop_back();

    std::string out;
    if (exponent < -4 || exponent >= precision) {
        out += digits[0];
        if (digits.size() > 1) {
            out += '.';
            out.append(digits, 1);
        }
        out += exponent < 0 ? "E-" : "E+";
        const int a = std::abs(exponent);
        if (a < 10)
            out += '0';
        out += std::to_string(a);
    } else if (exponent >= 0) {
        const auto whole = static_cast<std::size_t>(exponent) + 1;
        if (digits.size() <= whole) {
            out = digits + std::string(whole - digits.size(), '0');
        } else {
            out = digits.substr(0, whole) + "." + digits.substr(whole);
        }
    } else {
        // Below 1: no zero before the point.
        out = ".";
        out.append(static_cast<std::size_t>(-exponent - 1), '0');
        out += digits;
    }
    return out;
}

std::string signed_form(double value, int precision, bool blank) {
    // A negative zero prints as zero.
    std::string out = value < 0 ? "-" : (blank ? " " : "");
    out += general_form(value < 0 ? -value : value, precision);
    return out;
}

bool is_digit(char c) {
    return c >= '0' && c <= '9';
}

// Converts a cleaned number text ("-12.5E3", no blanks, at least one mantissa digit) to double.
// Overflow throws 6; underflow gives 0.
double convert_clean(const std::string &s) {
    double value = 0;
    const char *first = s.data();
    bool negative = false;
    if (*first == '-' || *first == '+') {
        negative = *first == '-';
        ++first;
    }
    auto res = std::from_chars(first, s.data() + s.size(), value, std::chars_format::general);
    if (res.ec == std::errc::result_out_of_range) {
        // Tell overflow from underflow by the decimal exponent of the first significant digit.
        long long point_shift = 0;
        bool seen_point = false, seen_nonzero = false;
        const char *p = first;
        for (; p < s.data() + s.size() && *p != 'e' && *p != 'E'; ++p) {
            if (*p == '.') {
                seen_point = true;
            } else if (!seen_nonzero) {
                if (*p != '0')
                    seen_nonzero = true;
                else if (seen_point)
                    --point_shift;
            } else if (!seen_point) {
                ++point_shift;
            }
        }
        if (!seen_nonzero)
            return 0;
        long long exp = 0;
        bool exp_negative = false;
        if (p < s.data() + s.size()) {
            ++p;
            if (*p == '-' || *p == '+')
                exp_negative = *p++ == '-';
            for (; p < s.data() + s.size(); ++p)
                exp = std::min<long long>(exp * 10 + (*p - '0'), 1'000'000'000);
        }
        const long long decimal_exponent = point_shift + (exp_negative ? -exp : exp);
        if (decimal_exponent < 0)
            return 0;
        throw RuntimeError(err::Overflow);
    }
    return negative ? -value : value;
}

} // namespace

std::string Str(double value) {
    return signed_form(value, 15, true);
}
std::string Str_single(float value) {
    return signed_form(value, 7, true);
}
std::string number_text(double value) {
    return signed_form(value, 15, false);
}
std::string number_text_single(float value) {
    return signed_form(value, 7, false);
}

double Val(std::string_view text) {
    std::size_t i = 0;
    const auto skip = [&] {
        while (i < text.size() && (text[i] == ' ' || text[i] == '\t' || text[i] == '\n'))
            ++i;
    };
    std::string clean;
    skip();
    if (i < text.size() && (text[i] == '+' || text[i] == '-'))
        clean += text[i++];
    bool point = false, digits = false;
    for (;; ++i) {
        skip();
        if (i >= text.size())
            break;
        if (is_digit(text[i])) {
            clean += text[i];
            digits = true;
        } else if (text[i] == '.' && !point) {
            clean += '.';
            point = true;
        } else {
            break;
        }
    }
    if (!digits)
        return 0;
    if (i < text.size() && (text[i] == 'E' || text[i] == 'e' || text[i] == 'D' || text[i] == 'd')) {
        ++i;
        std::string exp = "E";
        skip();
        if (i < text.size() && (text[i] == '+' || text[i] == '-'))
            exp += text[i++];
        bool exp_digits = false;
        for (;; ++i) {
            skip();
            if (i >= text.size() || !is_digit(text[i]))
                break;
            exp += text[i];
            exp_digits = true;
        }
        if (exp_digits)
            clean += exp;
    }
    return convert_clean(clean);
}

std::optional<double> parse_number_item(std::string_view text) {
    while (!text.empty() && (text.front() == ' ' || text.front() == '\t'))
        text.remove_prefix(1);
    while (!text.empty() && (text.back() == ' ' || text.back() == '\t'))
        text.remove_suffix(1);
    if (text.empty())
        return 0.0;
    std::string clean;
    std::size_t i = 0;
    if (text[i] == '+' || text[i] == '-')
        clean += text[i++];
    bool point = false, digits = false;
    for (; i < text.size(); ++i) {
        if (is_digit(text[i])) {
            digits = true;
        } else if (text[i] == '.' && !point) {
            point = true;
        } else {
            break;
        }
        clean += text[i];
    }
    if (!digits)
        return std::nullopt;
    if (i < text.size()) {
        const char e = text[i];
        if (e != 'E' && e != 'e' && e != 'D' && e != 'd')
            return std::nullopt;
        clean += 'E';
        ++i;
        if (i < text.size() && (text[i] == '+' || text[i] == '-'))
            clean += text[i++];
        if (i >= text.size())
            return std::nullopt;
        for (; i < text.size(); ++i) {
            if (!is_digit(text[i]))
                return std::nullopt;
            clean += text[i];
        }
    }
    return convert_clean(clean);
}

double round_half_even(double value) {
    if (!std::isfinite(value))
        return value;
    const double low = std::floor(value);
    const double rest = value - low; // exact for every double
    if (rest < 0.5)
        return low;
    if (rest > 0.5)
        return low + 1;
    return std::fmod(low, 2.0) == 0 ? low : low + 1;
}

std::optional<std::int16_t> CInt(double value) {
    const double r = round_half_even(value);
    if (!(r >= -32768.0 && r <= 32767.0))
        return std::nullopt;
    return static_cast<std::int16_t>(r);
}

std::optional<std::int32_t> CLng(double value) {
    const double r = round_half_even(value);
    if (!(r >= -2147483648.0 && r <= 2147483647.0))
        return std::nullopt;
    return static_cast<std::int32_t>(r);
}

std::int16_t CInt_or_throw(double value) {
    if (auto v = CInt(value))
        return *v;
    throw RuntimeError(err::Overflow);
}

std::int32_t CLng_or_throw(double value) {
    if (auto v = CLng(value))
        return *v;
    throw RuntimeError(err::Overflow);
}

double Int(double value) {
    return std::floor(value);
}
double Fix(double value) {
    return std::trunc(value);
}

} // namespace ohmira
