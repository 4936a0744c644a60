#include "platform/variant.h"

#include "platform/number_text.h"
#include "platform/runtime_error.h"

#include <cmath>

namespace ohmira {

double Variant::num() const {
    if (const auto *d = std::get_if<double>(&value_))
        return *d;
    if (const auto *f = std::get_if<float>(&value_))
        return *f;
    if (const auto *s = std::get_if<std::string>(&value_))
        return Val(*s);
    return 0;
}

std::optional<double> Variant::finite_num_of_other() const {
    try {
        const double x = num();
        if (std::isfinite(x))
            return x;
    } catch (const RuntimeError &) {
    }
    return std::nullopt;
}

std::string Variant::text() const {
    if (const auto *d = std::get_if<double>(&value_))
        return number_text(*d);
    if (const auto *f = std::get_if<float>(&value_))
        return number_text_single(*f);
    if (const auto *s = std::get_if<std::string>(&value_))
        return *s;
    return {};
}

std::string Str(const Variant &v) {
    if (v.is_single())
        return Str_single(static_cast<float>(v.num()));
    return Str(v.num());
}

} // namespace ohmira
