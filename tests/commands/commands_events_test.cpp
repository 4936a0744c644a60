#include "../linked_state.h"
#include "commands/commands_events.h"
#include "core/language.h"
#include "core/sounding.h"
#include "form/sev_form.h"
#include "platform/scripted_dialog_host.h"

#include <gtest/gtest.h>

namespace ohmira {

TEST(CommandsEvents, MenusReachTheirCommands) {
    test::reset_linked_state();
    reset_SEV();
    Lang_French = Lang_Spanish = Lang_German = false; // whatever an earlier test chose
    Lang_English = true;
    connect_commands_events();
    ScriptedDialogHost host;
    DialogHostGuard guard(host);

    // "BAK to QD3" asks for a backup file; cancelling it does nothing.
    host.expect(cancel_open());
    SEV.Bak_M.user_click();
    ASSERT_EQ(host.records().size(), 1u);
    EXPECT_EQ(host.records()[0].title, "OHMIRA Backup File selection");

    // The model menu without a sounding asks for a file first.
    host.expect(answer_box(vbOK));
    SEV.NModele.user_click();
    ASSERT_EQ(host.records().size(), 2u);
    EXPECT_EQ(host.records()[1].text, "First select a file");

    // The slider drives the automatic model's threshold.
    SEV.Slider1.Value(5);
    EXPECT_NEAR(Auto_Threshold.num(), 0.53, 1e-9);
    reset_SEV();
}

} // namespace ohmira
