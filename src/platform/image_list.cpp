#include "platform/image_list.h"

namespace ohmira {

bool ImageList::Add(const std::string &key, const std::string &picture) {
    if (!key.empty() && find(key))
        return false;
    images_.push_back({key, picture});
    mark_changed();
    return true;
}

const ListImage *ImageList::find(const std::string &key) const {
    for (const auto &image : images_)
        if (image.Key == key)
            return &image;
    return nullptr;
}

} // namespace ohmira
