#pragma once
// Sending a job to a print queue so that a refusal is seen: the print system is asked about the
// queue before anything is drawn, and again once the job was handed over, because the drawing
// layer reports success even when the queue turned the job away.
#include <functional>
#include <optional>
#include <string>

#include "platform/display_list.h"

namespace ohmira {

// A queue as the print system describes it.
struct PrintQueueState {
    bool exists = true;    // false: the print system knows no queue of that name (removed)
    bool accepting = true; // false: the queue refuses new jobs
};

// The print system's answers. Either may be empty when the program has no way to ask it, and
// then the job goes on as if the answer were good.
struct PrintSystem {
    // The queue's state; none when the print system cannot be asked.
    std::function<std::optional<PrintQueueState>(const std::string &queue)> queue_state;
    // Whether the print system refused the job last handed to it.
    std::function<bool()> last_job_refused;
};

// Sends a job to `queue` through `send` (which draws the job and hands it over; false when it
// could not). Refused without calling `send` when the queue is gone or does not accept jobs;
// failed when `send` fails; refused when the print system refused what it was sent; printed
// otherwise.
PrintOutcome send_to_queue(const std::string &queue, const PrintSystem &system,
                           const std::function<bool()> &send);

} // namespace ohmira
