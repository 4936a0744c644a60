#include "platform/number_locale.h"

#include <clocale>
#include <langinfo.h>
#include <locale.h>

namespace ohmira {

namespace {

std::function<std::string()> &separator_source() {
    static std::function<std::string()> source;
    return source;
}

std::string separator_from_environment() {
    locale_t user = ::newlocale(LC_NUMERIC_MASK, "", static_cast<locale_t>(nullptr));
    if (user == static_cast<locale_t>(nullptr))
        return ".";
    const char *radix = ::nl_langinfo_l(RADIXCHAR, user);
    std::string result = radix && *radix ? radix : ".";
    ::freelocale(user);
    return result;
}

} // namespace

std::string user_decimal_separator() {
    if (separator_source())
        return separator_source()();
    return separator_from_environment();
}

bool use_point_decimal_separator() {
    return std::setlocale(LC_NUMERIC, "C") != nullptr;
}

void set_decimal_separator_source(std::function<std::string()> source) {
    separator_source() = std::move(source);
}

} // namespace ohmira
