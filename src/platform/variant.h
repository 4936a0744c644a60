#pragma once
// The variant value of the program's tables (Field_Data, Model_Layers, Curve, the superposition
// store): empty, a double, a single or a text. Numbers live inline (no heap), so copies in the
// fit's loops stay cheap.
#include <cmath>
#include <optional>
#include <string>
#include <string_view>
#include <variant>

namespace ohmira {

class Variant {
public:
    Variant() = default;
    Variant(double v) : value_(v) {}
    Variant(float v) : value_(v) {}
    Variant(int v) : value_(static_cast<double>(v)) {}
    Variant(long v) : value_(static_cast<double>(v)) {}
    Variant(std::string s) : value_(std::move(s)) {}
    Variant(std::string_view s) : value_(std::string(s)) {}
    Variant(const char *s) : value_(std::string(s)) {}

    bool is_empty() const { return std::holds_alternative<std::monostate>(value_); }
    bool is_number() const { return is_double() || is_single(); }
    bool is_double() const { return std::holds_alternative<double>(value_); }
    bool is_single() const { return std::holds_alternative<float>(value_); }
    bool is_text() const { return std::holds_alternative<std::string>(value_); }

    // The value in arithmetic: empty is 0, a text is its leading number (Val).
    // A text whose number is too large throws RuntimeError 6.
    double num() const;

    // num() where it is a finite number; nothing for a text too large for a number (where num()
    // throws) or a value that is infinite or NaN. A double is answered inline: the
    // fit reads a few hundred cells per trial.
    std::optional<double> finite_num() const {
        if (const auto *d = std::get_if<double>(&value_)) {
            return std::isfinite(*d) ? std::optional<double>(*d) : std::nullopt;
        }
        return finite_num_of_other();
    }

    // The value as text: empty is "", a text is itself, a number its plain form without the
    // leading blank (".5", "-1.5E-07"); singles with 7 significant digits.
    std::string text() const;

    // Back to empty.
    void clear() { value_ = std::monostate{}; }

private:
    std::optional<double> finite_num_of_other() const;

    std::variant<std::monostate, double, float, std::string> value_;
};

// The Str form of the variant's number: " 0" for empty, " .5", "-2"; 7 digits for a
// single.
std::string Str(const Variant &v);

} // namespace ohmira
