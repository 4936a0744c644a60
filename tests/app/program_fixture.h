#pragma once
// A fresh program for each test of the start-up, the menus and the exit: every shared variable and
// the main window back to their start state, the settings file in a folder of its own, and a
// scripted user.
#include "../platform/temp_folder.h"
#include "app/app_state.h"
#include "app/splash_form.h"
#include "form/sev_form.h"
#include "platform/app_info.h"
#include "platform/dialog_host.h"
#include "platform/files.h"
#include "platform/number_locale.h"
#include "platform/program_end.h"
#include "platform/scripted_dialog_host.h"
#include "platform/settings_file.h"
#include "platform/single_instance.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

namespace ohmira {

class ProgramTest : public ::testing::Test {
protected:
    void SetUp() override {
        const char *saved = std::getenv("XDG_CONFIG_HOME");
        had_config_ = saved != nullptr;
        saved_config_ = saved ? saved : "";
        ::setenv("XDG_CONFIG_HOME", folder.path().c_str(), 1);
        install_spacing_tables();
        reset_SEV();
        reset_frmSplash();
        reset_all_state();
        reset_program_end();
        set_previous_instance_check([] { return false; });
        set_decimal_separator_source([] { return std::string("."); });
    }
    void TearDown() override {
        reset_SEV();
        reset_frmSplash();
        reset_all_state();
        reset_program_end();
        set_previous_instance_check({});
        set_decimal_separator_source({});
        if (had_config_)
            ::setenv("XDG_CONFIG_HOME", saved_config_.c_str(), 1);
        else
            ::unsetenv("XDG_CONFIG_HOME");
    }

    // The spacing tables shipped beside the program, which start-up reads: the build places
    // them beside the test programs too.
    static void install_spacing_tables() {
        for (const char *name : {"DATAVES.TXT", "DATADIP.TXT", "DATAWEN.TXT"})
            ASSERT_TRUE(file_exists(app_path() + name)) << name << " is not beside the test";
    }

    std::string ini_path() const { return folder / "Ohmira6.ini"; }
    void write_ini(const std::string &bytes) const { folder.write("Ohmira6.ini", bytes); }
    std::string ini_bytes() const { return read_file(ini_path()).value_or("<missing>"); }

    TempFolder folder;
    ScriptedDialogHost user;
    DialogHostGuard guard{user};

private:
    bool had_config_ = false;
    std::string saved_config_;
};

} // namespace ohmira
