#include "platform/user_feedback.h"

#include <string>
#include <utility>

namespace ohmira {

namespace {

struct KeyName {
    std::string_view text;
    int code;
};

constexpr KeyName arrow_keys[] = {
    {"{LEFT}", 37},
    {"{UP}", 38},
    {"{RIGHT}", 39},
    {"{DOWN}", 40},
};

int &beeps() {
    static int count = 0;
    return count;
}

std::function<void()> &beep_hook() {
    static std::function<void()> hook;
    return hook;
}

std::vector<int> &key_queue() {
    static std::vector<int> queue;
    return queue;
}

} // namespace

void Beep() {
    ++beeps();
    if (beep_hook())
        beep_hook()();
}

static std::function<void()> &do_events_hook() {
    static std::function<void()> hook;
    return hook;
}

void DoEvents() {
    if (do_events_hook())
        do_events_hook()();
}

std::function<void()> set_do_events_hook(std::function<void()> hook) {
    return std::exchange(do_events_hook(), std::move(hook));
}

int beep_count() {
    return beeps();
}
void reset_beep_count() {
    beeps() = 0;
}

std::function<void()> set_beep_hook(std::function<void()> hook) {
    std::function<void()> previous = std::move(beep_hook());
    beep_hook() = std::move(hook);
    return previous;
}

bool SendKeys(std::string_view keys) {
    std::vector<int> codes;
    while (!keys.empty()) {
        bool found = false;
        for (const KeyName &k : arrow_keys) {
            // Key names compare without regard to case ("{Up}" as "{UP}").
            if (keys.size() < k.text.size())
                continue;
            bool same = true;
            for (std::size_t i = 0; i < k.text.size() && same; ++i) {
                char c = keys[i];
                if (c >= 'a' && c <= 'z')
                    c = static_cast<char>(c - 32);
                same = c == k.text[i];
            }
            if (same) {
                codes.push_back(k.code);
                keys.remove_prefix(k.text.size());
                found = true;
                break;
            }
        }
        if (!found)
            return false;
    }
    key_queue().insert(key_queue().end(), codes.begin(), codes.end());
    return true;
}

std::vector<int> take_sent_keys() {
    std::vector<int> taken;
    taken.swap(key_queue());
    return taken;
}

const std::vector<int> &sent_keys() {
    return key_queue();
}

} // namespace ohmira
