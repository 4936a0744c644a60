#include "platform/display_list.h"

namespace ohmira {

std::vector<std::string> DisplayList::text_strings() const {
    std::vector<std::string> out;
    for (const TextOp &t : texts())
        out.push_back(t.text);
    return out;
}

} // namespace ohmira
