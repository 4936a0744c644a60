#include "form/control_captions.h"

#include "form/sev_form.h"
#include "platform/controls.h"

namespace ohmira {

namespace {
template <typename C> bool try_set(Control *c, const std::string &caption) {
    if (auto *typed = dynamic_cast<C *>(c)) {
        typed->Caption(caption);
        return true;
    }
    return false;
}

template <typename C> bool try_get(const Control *c, std::string &out) {
    if (auto *typed = dynamic_cast<const C *>(c)) {
        out = typed->Caption();
        return true;
    }
    return false;
}
} // namespace

bool Set_Caption(const std::string &control, const std::string &caption) {
    Control *c = SEV.control(control);
    if (!c)
        return false;
    return try_set<Label>(c, caption) || try_set<Frame>(c, caption) ||
           try_set<CommandButton>(c, caption) || try_set<CheckBox>(c, caption) ||
           try_set<OptionButton>(c, caption);
}

std::string Caption_Of(const std::string &control) {
    std::string out;
    const Control *c = SEV.control(control);
    if (c) {
        try_get<Label>(c, out) || try_get<Frame>(c, out) || try_get<CommandButton>(c, out) ||
            try_get<CheckBox>(c, out) || try_get<OptionButton>(c, out);
    }
    return out;
}

void Apply_Captions(std::span<const Caption_Entry> table) {
    for (const Caption_Entry &e : table)
        Set_Caption(e.control, by_language(e.text));
}

} // namespace ohmira
