#include "platform/ui_language.h"

#include <utility>

namespace ohmira {

namespace {
std::string current = "en";
std::function<void(const std::string &)> &hook() {
    static std::function<void(const std::string &)> h;
    return h;
}
} // namespace

void set_ui_language(const std::string &code) {
    current = code;
    if (hook())
        hook()(code);
}

const std::string &ui_language() {
    return current;
}

std::function<void(const std::string &)>
set_ui_language_hook(std::function<void(const std::string &)> h) {
    return std::exchange(hook(), std::move(h));
}

} // namespace ohmira
