#pragma once
// Common set-up of the forward, fit and automatic-model tests: a fresh sounding, superposition
// off, the Schlumberger array, the default plot window and a scripted dialog host.
#include "../core/sounding_setters.h"
#include "core/forward.h"
#include "core/language.h"
#include "core/sounding.h"
#include "form/applied_array.h"
#include "form/settings_values.h"
#include "form/sev_form.h"
#include "platform/screen.h"
#include "platform/scripted_dialog_host.h"

#include <gtest/gtest.h>

#include <initializer_list>
#include <utility>
#include <vector>

namespace ohmira {

using test::set_field;
using test::set_model;

class ForwardTest : public ::testing::Test {
protected:
    void SetUp() override {
        reset_core_state();
        reset_SEV();
        SEV.SSTab1.Tabs(3);
        Screen.MousePointer(vbDefault);
        Superpose = -1;
        Misfit = 0.0;
        Draw_Mode = "NORMAL";
        AB2min = -1;
        Draw_Model = 1;
        Draw_RMS = 0;
        Decimals_Mode = 0;
        Auto_Threshold = 0.3;
        Lang_French = Lang_Spanish = Lang_German = false;
        Lang_English = true;
        select_array(Array_Type::Schlumberger);
    }

    static void select_array(Array_Type array) { Apply_Array(array); }

    static double layer(int row, int i) { return Model_Layers(row, i).num(); }

    ScriptedDialogHost host;
    DialogHostGuard guard{host};
};

} // namespace ohmira
