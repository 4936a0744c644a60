#include "platform/print_queue.h"

namespace ohmira {

PrintOutcome send_to_queue(const std::string &queue, const PrintSystem &system,
                           const std::function<bool()> &send) {
    if (system.queue_state) {
        const std::optional<PrintQueueState> state = system.queue_state(queue);
        if (state && (!state->exists || !state->accepting))
            return PrintOutcome::refused;
    }
    if (!send || !send())
        return PrintOutcome::failed;
    if (system.last_job_refused && system.last_job_refused())
        return PrintOutcome::refused;
    return PrintOutcome::printed;
}

} // namespace ohmira
