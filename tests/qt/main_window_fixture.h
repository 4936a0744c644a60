#pragma once
// A test on the real main window: every subsystem reset, the form prepared, `prepare()` for what
// the test needs before the window shows, then the window shown and active.
#include "app/app_state.h"
#include "app/main_frame.h"
#include "editor/data_entry.h"
#include "form/applied_array.h"
#include "form/settings_values.h"
#include "form/sev_form.h"
#include "platform/qt/form_view.h"
#include "qt_test_app.h"

#include <QFile>
#include <QString>
#include <QTemporaryDir>

#include <gtest/gtest.h>
#include <string>

namespace ohmira::qt::testing {

class MainWindowTest : public ::testing::Test {
protected:
    void SetUp() override {
        app();
        reset_all_state();
        reset_SEV();
        Prepare_Main_Window();
        prepare();
        show_main_window(view);
        shots = shots_folder(temp);
    }
    void TearDown() override {
        delete view;
        reset_SEV();
        reset_all_state();
    }
    virtual void prepare() {}

    // The data-entry page of a new Schlumberger sounding, from the shipped spacing table.
    static void prepare_schlumberger_page() {
        Apply_Array(Array_Type::Schlumberger);
        Niveau = "0";
        Array_Factor = 1;
        Spacing_File = std::string(OHMIRA_TEST_DATA) + "/../../data/DATAVES.TXT";
        Load_build();
    }

    // Writes `bytes` into a file of the test's folder and returns its path.
    QString write(const QString &name, const std::string &bytes) {
        QFile f(temp.path() + "/" + name);
        f.open(QIODevice::WriteOnly);
        f.write(bytes.data(), static_cast<qint64>(bytes.size()));
        return f.fileName();
    }

    QTemporaryDir temp;
    QString shots; // where the window grabs go
    FormView *view = nullptr;
};

} // namespace ohmira::qt::testing
