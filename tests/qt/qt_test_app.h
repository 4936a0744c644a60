#pragma once
// The application every Qt test runs in (offscreen unless a platform is chosen), with the Qt
// services installed, and helpers that act as the user.
#include "platform/qt/qt_services.h"
#include "platform/qt/qt_ui.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDialog>
#include <QMessageBox>
#include <QTest>
#include <QTimer>

#include <cstdlib>
#include <functional>

namespace ohmira::qt::testing {

inline QApplication &app() {
    static QApplication *a = [] {
        if (!std::getenv("QT_QPA_PLATFORM"))
            setenv("QT_QPA_PLATFORM", "offscreen", 1);
        static int argc = 1;
        static char name[] = "tests_qt";
        static char *argv[] = {name, nullptr};
        auto *created = new QApplication(argc, argv);
        install_qt_services();
        return created;
    }();
    return *a;
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
