#include "platform/print_queue.h"

#include <gtest/gtest.h>

namespace ohmira {
namespace {

// The print system's answers before and after the job, and what the job then becomes.
struct QueueCase {
    const char *what;
    std::optional<PrintQueueState> state;
    bool send_ok;
    bool refused_after;
    PrintOutcome outcome;
    bool sent;
};

TEST(PrintQueue, ARefusingOrMissingQueueFailsAndNothingIsDrawn) {
    const QueueCase cases[] = {
        {"accepting", PrintQueueState{true, true}, true, false, PrintOutcome::printed, true},
        {"not accepting", PrintQueueState{true, false}, true, false, PrintOutcome::refused, false},
        {"removed", PrintQueueState{false, false}, true, false, PrintOutcome::refused, false},
        {"refused once sent", PrintQueueState{true, true}, true, true, PrintOutcome::refused, true},
        {"drawing failed", PrintQueueState{true, true}, false, false, PrintOutcome::failed, true},
        {"no print system to ask", std::nullopt, true, false, PrintOutcome::printed, true},
    };
    for (const QueueCase &c : cases) {
        std::string asked;
        PrintSystem system;
        system.queue_state = [&](const std::string &queue) {
            asked = queue;
            return c.state;
        };
        system.last_job_refused = [&] { return c.refused_after; };
        bool sent = false;
        const PrintOutcome outcome = send_to_queue("Office", system, [&] {
            sent = true;
            return c.send_ok;
        });
        EXPECT_EQ(outcome, c.outcome) << c.what;
        EXPECT_EQ(sent, c.sent) << c.what;
        EXPECT_EQ(asked, "Office") << c.what;
    }
}

TEST(PrintQueue, WithoutAnswersTheJobGoesOn) {
    EXPECT_EQ(send_to_queue("Office", PrintSystem{}, [] { return true; }), PrintOutcome::printed);
    EXPECT_EQ(send_to_queue("Office", PrintSystem{}, [] { return false; }), PrintOutcome::failed);
    EXPECT_EQ(send_to_queue("Office", PrintSystem{}, nullptr), PrintOutcome::failed);
}

} // namespace
} // namespace ohmira
