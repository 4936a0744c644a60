#pragma once
// Common set-up of the tests of the Setup tab and the launched programs: start state, a fresh main
// window, English, a scripted dialog host and a launcher that records what would be started.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/app_state.h"
#include "core/language.h"
#include "form/settings_values.h"
#include "form/sev_form.h"
#include "platform/file_association.h"
#include "platform/scripted_dialog_host.h"
#include "platform/shell_open.h"

namespace ohmira::test {

inline void choose_language(char letter) {
    Lang_French = letter == 'F';
    Lang_Spanish = letter == 'S';
    Lang_English = letter == 'E';
    Lang_German = letter == 'A';
}

// Answers every message box with OK and keeps its text: for commands that end by running other
// commands whose own messages the test does not script.
class AnsweringHost : public HeadlessDialogHost {
public:
    int message_box(const MessageBoxRequest &request) override {
        boxes.push_back(request);
        return vbOK;
    }
    std::vector<MessageBoxRequest> boxes;
};

class SetupTest : public ::testing::Test {
protected:
    void SetUp() override {
        reset_all_state();
        reset_SEV();
        choose_language('E');
        // The plot window and switches of a fresh settings file.
        AB2min = -1;
        AB2max = 4;
        RHOmin = 0;
        RHOmax = 4;
        AB2min_Value = 0;
        AB2max_Value = 10000;
        RHOmin_Value = 1;
        RHOmax_Value = 10000;
        Draw_RMS = 0;
        Draw_Model = 1;
        previous_launcher_ = set_shell_launcher([this](const ShellRequest &r) {
            launched_.push_back(r);
            return launch_result_;
        });
    }
    void TearDown() override {
        Points_Color = saved_colours_[0];
        Grid_Color = saved_colours_[1];
        Model_Color = saved_colours_[2];
        Curve_Color = saved_colours_[3];
        Error_Color = saved_colours_[4];
        Superposed_Color = saved_colours_[5];
        set_shell_launcher(previous_launcher_);
        set_association_source({});
        reset_SEV();
        reset_all_state();
        choose_language('E');
    }

    ScriptedDialogHost host_;
    DialogHostGuard guard_{host_};
    std::vector<ShellRequest> launched_;
    int launch_result_ = ShellOk;

private:
    ShellLauncher previous_launcher_;
    Variant saved_colours_[6] = {Points_Color, Grid_Color,  Model_Color,
                                 Curve_Color,  Error_Color, Superposed_Color};
};

} // namespace ohmira::test
