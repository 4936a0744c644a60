#pragma once
// A test that starts the whole program as a user does (settings in a folder of its own, no other
// copy running, "." as decimal separator) and puts every global back afterwards. `Base` is
// ::testing::Test or a parameterised test.
#include "app/app_state.h"
#include "app/splash_form.h"
#include "form/sev_form.h"
#include "platform/number_locale.h"
#include "platform/program_end.h"
#include "platform/qt/form_view.h"
#include "platform/single_instance.h"
#include "qt_test_app.h"

#include <QString>
#include <QTemporaryDir>

#include <cstdlib>
#include <gtest/gtest.h>
#include <string>

namespace ohmira::qt::testing {

template <typename Base = ::testing::Test> class ProgramStartTest : public Base {
protected:
    void SetUp() override {
        app();
        saved_config = qgetenv("XDG_CONFIG_HOME");
        had_config = qEnvironmentVariableIsSet("XDG_CONFIG_HOME");
        ::setenv("XDG_CONFIG_HOME", temp.path().toLocal8Bit().constData(), 1);
        set_previous_instance_check([] { return false; });
        set_decimal_separator_source([] { return std::string("."); });
        reset_SEV();
        reset_frmSplash();
        reset_all_state();
        reset_program_end();
        folder = shots_folder(temp);
    }
    void TearDown() override {
        delete view;
        reset_SEV();
        reset_frmSplash();
        reset_all_state();
        reset_program_end();
        set_previous_instance_check({});
        set_decimal_separator_source({});
        if (had_config)
            qputenv("XDG_CONFIG_HOME", saved_config);
        else
            qunsetenv("XDG_CONFIG_HOME");
    }

    QTemporaryDir temp;
    QString folder; // where the window grabs go
    FormView *view = nullptr;

private:
    QByteArray saved_config;
    bool had_config = false;
};

} // namespace ohmira::qt::testing
