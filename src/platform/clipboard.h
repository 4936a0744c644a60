#pragma once
// The clipboard: an in-process store by default; the Qt layer installs a backend on the system
// clipboard. Pictures are put as encoded bytes with their MIME type (PNG, WMF).
#include <functional>
#include <memory>
#include <string>
#include <string_view>

namespace ohmira {

struct DisplayList;

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

// Renders a drawing to PNG bytes (empty when it cannot); the window layer installs it.
using PictureRenderer =
    std::function<std::string(const DisplayList &list, double width_twips, double height_twips)>;
void set_picture_renderer(PictureRenderer renderer);

// Puts a drawing of the given size on the clipboard as a picture: a metafile ("image/x-wmf")
// and, where a renderer is installed, a bitmap ("image/png"). False for an empty size.
bool clipboard_set_picture(const DisplayList &list, double width_twips, double height_twips);

} // namespace ohmira
