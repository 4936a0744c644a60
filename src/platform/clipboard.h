#pragma once
// The clipboard: an in-process store by default; the Qt layer installs a backend on the system
// clipboard. Pictures are put as encoded bytes with their MIME type (PNG, WMF).
#include <memory>
#include <string>
#include <string_view>

namespace ohmira {

class ClipboardBackend {
public:
    virtual ~ClipboardBackend() = default;
    virtual void clear() = 0;
    virtual std::string text() = 0;
    virtual void set_text(std::string_view text) = 0;
    virtual void set_data(std::string_view mime_type, std::string_view bytes) = 0;
    virtual std::string data(std::string_view mime_type) = 0;
};

// Installs a backend (not owned); nullptr puts the in-process store back.
void set_clipboard_backend(ClipboardBackend *backend);

void clipboard_clear();
std::string clipboard_text();
void clipboard_set_text(std::string_view text);
void clipboard_set_data(std::string_view mime_type, std::string_view bytes);
std::string clipboard_data(std::string_view mime_type);

} // namespace ohmira
