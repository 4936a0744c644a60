#pragma once
// The application every Qt test runs in (offscreen unless a platform is chosen), with the Qt
// services installed, and helpers that act as the user.
#include "platform/qt/form_view.h"
#include "platform/qt/qt_services.h"
#include "platform/qt/qt_ui.h"
#include "shell/sev_form.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QMessageBox>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <cstdio>
#include <cstdlib>
#include <functional>
#include <gtest/gtest.h>
#include <string>
#include <unistd.h>

namespace ohmira::qt::testing {

inline QApplication &app() {
    static QApplication *a = [] {
        // Offscreen, on a full-HD screen (the plugin's own is 800 x 600, below the window's
        // minimum size).
        const char *asked = std::getenv("QT_QPA_PLATFORM");
        if (!asked || std::string(asked) == "offscreen") {
            static const std::string config = [] {
                const std::string path = QDir::tempPath().toStdString() + "/ohmira-offscreen-" +
                                         std::to_string(::getpid()) + ".json";
                if (std::FILE *f = std::fopen(path.c_str(), "w")) {
                    std::fputs("{\"screens\": [{\"name\": \"OffscreenScreen\", \"x\": 0, "
                               "\"y\": 0, \"width\": 1920, \"height\": 1080, "
                               "\"logicalDpi\": 96, \"logicalBaseDpi\": 96, \"dpr\": 1}]}",
                               f);
                    std::fclose(f);
                }
                return path;
            }();
            setenv("QT_QPA_PLATFORM", ("offscreen:configfile=" + config).c_str(), 1);
        }
        static int argc = 1;
        static char name[] = "tests_qt";
        static char *argv[] = {name, nullptr};
        auto *created = new QApplication(argc, argv);
        install_qt_services();
        return created;
    }();
    return *a;
}

// Shows the main window `SEV` on screen, brought up to date and active, in `view`.
inline void show_main_window(FormView *&view) {
    SEV.Show();
    view = &QtUi::instance().window_of(SEV);
    QtUi::instance().sync_all();
    view->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(view));
}

// Where a test keeps its window grabs: $OHMIRA_QT_SHOTS when set, else its temporary folder.
inline QString shots_folder(const QTemporaryDir &temp) {
    const char *keep = std::getenv("OHMIRA_QT_SHOTS");
    const QString folder = keep ? QString::fromLocal8Bit(keep) : temp.path();
    QDir().mkpath(folder);
    return folder;
}

// Runs `act` on the next modal widget of type T once it is open (polling the event loop for up to
// half a minute, so a slow machine still finds it), so that a test can answer a box or dialog the
// code under test opens and waits on.
template <typename T> void when_open(std::function<void(T &)> act, int attempts = 3000) {
    QTimer::singleShot(10, [act, attempts] {
        if (auto *w = qobject_cast<T *>(QApplication::activeModalWidget())) {
            act(*w);
            return;
        }
        if (attempts > 0)
            when_open<T>(act, attempts - 1);
    });
}

inline void when_dialog_opens(std::function<void(QDialog &)> act) {
    when_open<QDialog>(act);
}

// Clicks the message box's button of that role when the box opens; records what it showed.
struct BoxSeen {
    QString title, text;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QStringList buttons;
};

inline void answer_box(QMessageBox::StandardButton button, BoxSeen *seen = nullptr) {
    when_dialog_opens([button, seen](QDialog &d) {
        auto *box = qobject_cast<QMessageBox *>(&d);
        if (!box)
            return;
        if (seen) {
            seen->title = box->windowTitle();
            seen->text = box->text();
            seen->icon = box->icon();
            for (QAbstractButton *b : box->buttons())
                seen->buttons << b->text().remove(u'&');
        }
        if (QAbstractButton *b = box->button(button))
            b->click();
        else
            box->reject();
    });
}

} // namespace ohmira::qt::testing
