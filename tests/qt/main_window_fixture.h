#pragma once
// A test on the real main window: every subsystem reset, the window prepared, `prepare()` for what
// the test needs before the window shows, then the window shown and active; afterwards the window
// deleted and every subsystem reset again. A test that sets up more before the window shows (or
// checks what the first showing does) clears `shown_at_start` and calls show_window() itself.
#include "app/app_state.h"
#include "app/main_frame.h"
#include "core/language.h"
#include "core/sounding.h"
#include "editor/data_entry.h"
#include "form/applied_array.h"
#include "form/settings_values.h"
#include "form/sev_form.h"
#include "platform/program_end.h"
#include "platform/qt/form_view.h"
#include "printing/sheet_preview.h"
#include "qt_test_app.h"

#include <QFile>
#include <QString>
#include <QTabBar>
#include <QTemporaryDir>
#include <QWidget>
#include <QtTest>

#include <gtest/gtest.h>
#include <string>

namespace ohmira::qt::testing {

class MainWindowTest : public ::testing::Test {
protected:
    void SetUp() override {
        app();
        reset_all_state();
        reset_program_end();
        reset_SEV();
        Prepare_Main_Window();
        shots = shots_folder(temp);
        prepare();
        if (shown_at_start)
            show_window();
    }
    void TearDown() override {
        delete view;
        reset_SEV();
        reset_all_state();
        reset_program_end(); // a test that left the program leaves none ended for the next
    }
    virtual void prepare() {}
    void show_window() { show_main_window(view); }
    // The window shown, and its "Print" tab clicked: the tab dispatcher sets the sheet up (a
    // test without the program's dispatcher gets one that builds the sheet).
    void show_print_tab() {
        if (!SEV.SSTab1.Click)
            SEV.SSTab1.Click = [] {
                if (SEV.SSTab1.TabCaption(SEV.SSTab1.Tab()) == "Print")
                    display_print();
            };
        show_window();
        auto *tabs = view->widget_of("SSTab1")->findChild<QTabBar *>();
        ASSERT_NE(tabs, nullptr);
        QTest::mouseClick(tabs, Qt::LeftButton, {}, tabs->tabRect(1).center());
        QtUi::instance().sync_all();
    }

    // The data-entry page of a new Schlumberger sounding, from the shipped spacing table.
    static void prepare_schlumberger_page() {
        Apply_Array(Array_Type::Schlumberger);
        Niveau = "0";
        Array_Factor = 1;
        Spacing_File = std::string(OHMIRA_TEST_DATA) + "/../../data/DATAVES.TXT";
        Load_build();
    }

    // English, the model and the error curve drawn, thickness decimals automatic, the plot from
    // 0.1 m, no misfit left from a fit.
    static void english_with_model_and_error_curve() {
        Lang_French = Lang_Spanish = Lang_German = false;
        Lang_English = true;
        Draw_Model = 1;
        Draw_RMS = 1;
        Decimals_Mode = 0;
        AB2min = -1;
        Misfit = 0.0;
    }

    // Writes `bytes` into a file of the test's folder and returns its path.
    QString write(const QString &name, const std::string &bytes) {
        QFile f(temp.path() + "/" + name);
        f.open(QIODevice::WriteOnly);
        f.write(bytes.data(), static_cast<qint64>(bytes.size()));
        return f.fileName();
    }

    // Saves a grab of the widget, or of the window, as <name>.png among the shots.
    bool shot(QWidget *w, const QString &name) const {
        return w->grab().save(shots + "/" + name + ".png");
    }
    bool shot(const QString &name) const { return shot(view, name); }

    QTemporaryDir temp;
    QString shots; // where the window grabs go
    FormView *view = nullptr;
    bool shown_at_start = true;
};

} // namespace ohmira::qt::testing
