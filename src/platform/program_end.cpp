#include "platform/program_end.h"

namespace ohmira {

namespace {
bool ended = false;
std::function<void()> &hook() {
    static std::function<void()> h;
    return h;
}
} // namespace

void end_program() {
    if (ended)
        return;
    ended = true;
    if (hook())
        hook()();
}

bool program_ended() {
    return ended;
}

std::function<void()> set_end_hook(std::function<void()> h) {
    std::function<void()> previous = std::move(hook());
    hook() = std::move(h);
    return previous;
}

void reset_program_end() {
    ended = false;
}

} // namespace ohmira
