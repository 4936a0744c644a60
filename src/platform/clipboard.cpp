#include "platform/clipboard.h"

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

} // namespace ohmira
