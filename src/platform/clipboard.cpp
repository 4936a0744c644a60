#include "platform/clipboard.h"

#include "platform/display_list.h"
#include "platform/wmf_writer.h"

#include <cmath>
#include <map>

namespace ohmira {

namespace {

// The store used when no system clipboard is installed: one text and one datum per MIME type.
class ProcessClipboard : public ClipboardBackend {
public:
    void clear() override { items_.clear(); }
    std::string text() override { return data("text/plain"); }
    void set_text(std::string_view text) override { set_data("text/plain", text); }
    void set_data(std::string_view mime_type, std::string_view bytes) override {
        items_[std::string(mime_type)] = std::string(bytes);
    }
    std::string data(std::string_view mime_type) override {
        auto it = items_.find(std::string(mime_type));
        return it == items_.end() ? std::string() : it->second;
    }

private:
    std::map<std::string, std::string> items_;
};

ClipboardBackend *&installed() {
    static ClipboardBackend *backend = nullptr;
    return backend;
}

ClipboardBackend &backend() {
    static ProcessClipboard store;
    return installed() ? *installed() : store;
}

} // namespace

void set_clipboard_backend(ClipboardBackend *b) {
    installed() = b;
}
void clipboard_clear() {
    backend().clear();
}
std::string clipboard_text() {
    return backend().text();
}
void clipboard_set_text(std::string_view text) {
    backend().set_text(text);
}

void clipboard_set_data(std::string_view mime_type, std::string_view bytes) {
    backend().set_data(mime_type, bytes);
}

std::string clipboard_data(std::string_view mime_type) {
    return backend().data(mime_type);
}

namespace {
PictureRenderer &picture_renderer() {
    static PictureRenderer renderer;
    return renderer;
}
} // namespace

void set_picture_renderer(PictureRenderer renderer) {
    picture_renderer() = std::move(renderer);
}

bool clipboard_set_picture(const DisplayList &list, double width_twips, double height_twips) {
    if (!(std::isfinite(width_twips) && std::isfinite(height_twips)) || width_twips <= 0 ||
        height_twips <= 0)
        return false;
    DisplayList sized = list;
    sized.width = width_twips;
    sized.height = height_twips;
    const std::vector<std::uint8_t> wmf = wmf_bytes(sized);
    clipboard_set_data("image/x-wmf",
                       std::string_view(reinterpret_cast<const char *>(wmf.data()), wmf.size()));
    if (picture_renderer()) {
        const std::string png = picture_renderer()(list, width_twips, height_twips);
        if (!png.empty())
            clipboard_set_data("image/png", png);
    }
    return true;
}

} // namespace ohmira
