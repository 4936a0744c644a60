#pragma once
// The platform services on the desktop: the system clipboard, the desktop's "open", the bell,
// the dialog host on real dialogs, and the numbers' decimal point kept whatever the locale.
#include "platform/clipboard.h"
#include "platform/display_list.h"
#include "platform/shell_open.h"

#include <string>
#include <vector>

namespace ohmira::qt {

// The clipboard backend on QClipboard. Data set one after another stay together on the
// clipboard until it is cleared, as the program puts several formats of one picture.
class QtClipboard : public ClipboardBackend {
public:
    void clear() override;
    std::string text() override;
    void set_text(std::string_view text) override;
    void set_data(std::string_view mime_type, std::string_view bytes) override;
    std::string data(std::string_view mime_type) override;

private:
    void publish();
    std::string text_;
    bool has_text_ = false;
    std::vector<std::pair<std::string, std::string>> formats_;
};

// A drawing as PNG bytes at `dpi`; empty when it cannot be rendered. Installed as the
// clipboard's picture renderer.
std::string png_of_display_list(const DisplayList &list, double width_twips, double height_twips,
                                double dpi = 96);

// Opens documents and URLs with the desktop's handler and starts programs detached.
int qt_launch(const ShellRequest &request);

// The font names of the desktop's font database, sorted, the Liberation fonts under the names whose
// metrics they share (Arial, Times New Roman, Courier New); the measured fonts when it has none.
std::vector<std::string> desktop_font_names();
std::vector<std::string> desktop_font_names(const std::vector<std::string> &families);

// The end of the program on the desktop: every window closes without unloading its form, and
// the event loop ends.
void qt_end_program();

// Installs the Qt clipboard, launcher, beep, dialog host and end of the program. Needs a
// QApplication.
void install_qt_services();
// Puts the headless services back (tests).
void uninstall_qt_services();

// Whether a window can be shown: a display for the platform Qt will use. `platform` is
// QT_QPA_PLATFORM or a "-platform" argument ("" when not given).
bool display_available(const std::string &platform, const char *x_display,
                       const char *wayland_display);

} // namespace ohmira::qt
