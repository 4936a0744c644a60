#pragma once
// The image list: pictures by key, for the toolbar's buttons. A picture is named by the file or
// resource the window layer loads it from.
#include "platform/control.h"

#include <string>
#include <vector>

namespace ohmira {

struct ListImage {
    std::string Key;
    std::string Picture;
};

class ImageList : public Control {
public:
    using Control::Control;
    const char *kind() const override { return "ImageList"; }
    bool takes_focus() const override { return false; }

    // Adds an image; false (nothing added) when the key is already used.
    bool Add(const std::string &key, const std::string &picture);
    int Count() const { return static_cast<int>(images_.size()); }
    // The image with this key, nullptr if none.
    const ListImage *find(const std::string &key) const;
    const std::vector<ListImage> &images() const { return images_; }

private:
    std::vector<ListImage> images_;
};

} // namespace ohmira
