#pragma once
// The application every Qt test runs in (offscreen unless a platform is chosen), with the Qt
// services installed, and helpers that act as the user.
#include "form/sev_form.h"
#include "platform/qt/form_view.h"
#include "platform/qt/qt_services.h"
#include "platform/qt/qt_ui.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QElapsedTimer>
#include <QFileDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QPointer>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <cstdio>
#include <cstdlib>
#include <functional>
#include <gtest/gtest.h>
#include <memory>
#include <string>
#include <unistd.h>

namespace ohmira::qt::testing {

// The owner of the running test's helpers.
inline QObject *&helper_owner() {
    static QObject *owner = nullptr;
    return owner;
}
inline QObject *helpers() {
    if (!helper_owner())
        helper_owner() = new QObject;
    return helper_owner();
}
// Stops every helper of the test (done at each test's end).
inline void stop_helpers() {
    delete helper_owner();
    helper_owner() = nullptr;
}

// What a box or dialog shows: its class, title and text.
inline std::string describe(QWidget *w) {
    std::string text =
        std::string(w->metaObject()->className()) + " \"" + w->windowTitle().toStdString() + "\"";
    if (auto *box = qobject_cast<QMessageBox *>(w))
        text += " saying \"" + box->text().toStdString() + "\"";
    return text;
}

// Closes the dialog, so that the `exec` waiting on it returns.
inline void close_dialog(QWidget *modal) {
    if (auto *d = qobject_cast<QDialog *>(modal))
        d->reject();
    else
        modal->close();
    if (modal == QApplication::activeModalWidget())
        modal->hide();
}

// Closes every open modal dialog, the topmost first.
inline void close_modal_dialogs() {
    for (int i = 0; i < 20; ++i) {
        QWidget *modal = QApplication::activeModalWidget();
        if (!modal)
            return;
        close_dialog(modal);
    }
}

// How long a box or dialog that no helper has taken may stay open: a helper set up before the
// step that opens it takes it within milliseconds, and a dialog no one answers would keep its
// `exec` waiting for ever.
inline constexpr int Unanswered_Ms = 5000;
// The property a helper sets on the dialog it takes.
inline constexpr char Answered_Property[] = "ohmira_test_answered";

// Fails the running test, naming the box, when a modal dialog no helper has taken stays open for
// Unanswered_Ms, and closes it. Runs for the whole program.
inline void watch_unanswered_dialogs(QObject *owner) {
    struct Seen {
        QPointer<QWidget> modal;
        QElapsedTimer open;
    };
    auto seen = std::make_shared<Seen>();
    auto *timer = new QTimer(owner);
    QObject::connect(timer, &QTimer::timeout, [seen] {
        QWidget *modal = QApplication::activeModalWidget();
        if (modal != seen->modal) {
            seen->modal = modal;
            seen->open.start();
            return;
        }
        if (!modal || modal->property(Answered_Property).toBool() ||
            seen->open.elapsed() < Unanswered_Ms)
            return;
        ADD_FAILURE() << describe(modal) << " was open " << Unanswered_Ms / 1000
                      << " s and no helper answered it; closed";
        close_dialog(modal);
    });
    timer->start(100);
}

inline QApplication &app() {
    static QApplication *a = [] {
        // Offscreen, on a full-HD screen (the plugin's own is 800 x 600, below the window's
        // minimum size), described in a file of the process's temporary folder.
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
        watch_unanswered_dialogs(created);
        struct Stopper : ::testing::EmptyTestEventListener {
            void OnTestEnd(const ::testing::TestInfo &) override { stop_helpers(); }
        };
        ::testing::UnitTest::GetInstance()->listeners().Append(new Stopper);
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

// The helpers below answer a box or dialog that the code under test opens and waits on. They
// poll from timers owned by helpers(), which is deleted when each test ends, so no helper outlives
// its test; and none can leave a test waiting for ever: a dialog still open some seconds after it
// was answered, or another dialog in the way when a helper gives up, fails the test and is closed,
// as is a dialog no helper takes (watch_unanswered_dialogs).

// How long an answered dialog may stay open.
inline constexpr int Answer_Grace_Ms = 15000;

// Fails the test, and closes the dialog, when `answered` is still open some seconds from now
// without having been closed in between.
inline void fail_if_left_open(QWidget *answered) {
    QPointer<QWidget> dialog = answered;
    auto closed = std::make_shared<bool>(false);
    if (auto *d = qobject_cast<QDialog *>(answered))
        QObject::connect(d, &QDialog::finished, helpers(), [closed] { *closed = true; });
    const std::string what = describe(answered);
    QTimer::singleShot(Answer_Grace_Ms, helpers(), [dialog, closed, what] {
        if (!dialog || *closed || !dialog->isVisible())
            return;
        ADD_FAILURE() << what << " is still open " << Answer_Grace_Ms / 1000
                      << " s after it was answered; closed";
        close_modal_dialogs();
    });
}

// Runs `act` on the next modal widget of type T once it is open (polling the event loop for up to
// `attempts` * 10 ms, half a minute by default, so a slow machine still finds it). When the helper
// gives up while another modal dialog is open, that dialog is what the code waits on: the test
// fails and it is closed.
template <typename T> void when_open(std::function<void(T &)> act, int attempts = 3000) {
    app();
    QTimer::singleShot(10, helpers(), [act, attempts] {
        QWidget *modal = QApplication::activeModalWidget();
        if (auto *w = qobject_cast<T *>(modal); w && w->isVisible()) {
            w->setProperty(Answered_Property, true);
            fail_if_left_open(w);
            act(*w);
            return;
        }
        if (attempts > 0) {
            when_open<T>(act, attempts - 1);
        } else if (modal) {
            ADD_FAILURE() << "waited in vain for a " << T::staticMetaObject.className() << "; "
                          << describe(modal) << " is open instead; closed";
            close_modal_dialogs();
        }
    });
}

inline void when_dialog_opens(std::function<void(QDialog &)> act) {
    when_open<QDialog>(act);
}

// Types `path` into the file dialog's name box, as a user does, and accepts it once the calling
// step is done (so that helpers for what follows can be set up first). A name relative to the
// dialog's folder, or several quoted names ("a.QD3" "b.QD3"), are taken as the dialog takes them.
// What the dialog had selected in its list is cleared first: the typed name is the answer.
inline void type_file_name(QFileDialog &d, const QString &path) {
    auto *name = d.findChild<QLineEdit *>("fileNameEdit");
    if (!name) {
        ADD_FAILURE() << "the file dialog has no name box";
        d.reject();
        return;
    }
    if (auto *list = d.findChild<QAbstractItemView *>("listView"); list && list->selectionModel())
        list->selectionModel()->clearSelection();
    name->setFocus();
    name->setText(path);
    QMetaObject::invokeMethod(&d, "accept", Qt::QueuedConnection);
}

// Answers the next file dialog with `path` typed into its name box; `title` receives its title.
inline void answer_file_dialog(const QString &path, QString *title = nullptr) {
    when_open<QFileDialog>([path, title](QFileDialog &d) {
        if (title)
            *title = d.windowTitle();
        type_file_name(d, path);
    });
}

// Clicks the message box's button of that role when the box opens; records what it showed.
struct BoxSeen {
    QString title, text;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QStringList buttons;
};

inline void answer_box(QMessageBox::StandardButton button, BoxSeen *seen = nullptr) {
    when_open<QMessageBox>([button, seen](QMessageBox &box) {
        if (seen) {
            seen->title = box.windowTitle();
            seen->text = box.text();
            seen->icon = box.icon();
            for (QAbstractButton *b : box.buttons())
                seen->buttons << b->text().remove(u'&');
        }
        if (QAbstractButton *b = box.button(button))
            b->click();
        else
            box.reject();
    });
}

} // namespace ohmira::qt::testing
