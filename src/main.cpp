// The desktop program: starts Qt, puts the platform services on the desktop and shows the main
// window.
#include "app/app_events.h"
#include "app/main_frame.h"
#include "form/sev_form.h"
#include "platform/program_end.h"
#include "platform/qt/form_view.h"
#include "platform/qt/qt_services.h"
#include "platform/qt/qt_ui.h"
#include "platform/single_instance.h"

#include <QApplication>
#include <QFont>

#include <cstdio>
#include <cstdlib>
#include <string>

namespace {

// The platform Qt is asked for: a "-platform" argument, else QT_QPA_PLATFORM.
std::string requested_platform(int argc, char **argv) {
    for (int i = 1; i + 1 < argc; ++i) {
        const std::string a = argv[i];
        if (a == "-platform" || a == "--platform")
            return argv[i + 1];
    }
    const char *env = std::getenv("QT_QPA_PLATFORM");
    return env ? env : "";
}

} // namespace

int main(int argc, char **argv) {
    // QApplication aborts without a display: say so plainly instead.
    if (!ohmira::qt::display_available(requested_platform(argc, argv), std::getenv("DISPLAY"),
                                       std::getenv("WAYLAND_DISPLAY"))) {
        std::fputs("Ohmira needs a graphical display: no DISPLAY or WAYLAND_DISPLAY is set "
                   "(use QT_QPA_PLATFORM=offscreen to run without a screen).\n",
                   stderr);
        return 1;
    }
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Ohmira"));
    // Menus and dialogs in the face the controls use.
    QApplication::setFont(QFont(QStringLiteral("Liberation Sans"), 9));
    ohmira::qt::install_qt_services();
    // Takes the instance lock now; start-up decides what a second copy does.
    (void)ohmira::PrevInstance();

    // The main window's frame (toolbar, command handlers, empty plot), then the window; its
    // Form_Load runs the rest of the start-up.
    // The window exists before the form is shown, so that the start-up shows it behind the
    // splash window.
    ohmira::Prepare_Main_Window();
    ohmira::connect_start_and_exit();
    ohmira::qt::fit_form_to_screen(ohmira::SEV);
    ohmira::qt::QtUi::instance().window_of(ohmira::SEV);
    ohmira::SEV.Show();
    if (ohmira::program_ended()) // a second copy, or the start-up ended the program
        return 0;
    ohmira::qt::QtUi::instance().sync_all();
    return app.exec();
}
