// A box no helper answers does not keep a Qt test waiting: the test fails within seconds, naming
// the box, which is closed. Seen from a copy of the program running a test that opens one.
#include "../program_copy.h"
#include "platform/dialog_host.h"
#include "qt_test_app.h"

#include <gtest/gtest.h>

namespace ohmira::qt {
namespace {

// Run only by the test below, in a copy of the program.
TEST(UnansweredDialog, DISABLED_ABoxNoOneAnswers) {
    testing::app();
    MsgBox("No helper answers this box.", vbExclamation, "Unanswered");
}

TEST(UnansweredDialog, FailsTheTestWithinSecondsNamingTheBox) {
    const test::CopyRun run = test::run_program_copy("UnansweredDialog.DISABLED_ABoxNoOneAnswers");
    test::expect_failed_soon_saying(run, "QMessageBox \"Unanswered\" saying \"No helper answers "
                                         "this box.\" was open 5 s and no helper answered it; "
                                         "closed");
}

} // namespace
} // namespace ohmira::qt
