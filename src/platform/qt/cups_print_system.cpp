#include "platform/qt/cups_print_system.h"

#include <memory>

#ifdef OHMIRA_HAVE_CUPS
#include <cups/cups.h>
#endif

namespace ohmira::qt {

PrintSystem cups_print_system() {
    PrintSystem system;
#ifdef OHMIRA_HAVE_CUPS
    // Qt's CUPS print engine hands the job over when its painter ends and does not look at the
    // answer; libcups keeps that answer as the thread's last error. It is read only after the
    // queue was found, because that request leaves the last error at success, so an older error
    // is never taken for the job's.
    auto asked = std::make_shared<bool>(false);
    system.queue_state = [asked](const std::string &queue) -> std::optional<PrintQueueState> {
        *asked = false;
        if (queue.empty())
            return std::nullopt;
        // A queue name may carry an instance of its options after a slash.
        const std::string name = queue.substr(0, queue.find('/'));
        cups_dest_t *dest = cupsGetNamedDest(CUPS_HTTP_DEFAULT, name.c_str(), nullptr);
        if (!dest)
            return PrintQueueState{false, false};
        const char *accepting =
            cupsGetOption("printer-is-accepting-jobs", dest->num_options, dest->options);
        PrintQueueState state;
        state.accepting = !accepting || std::string(accepting) != "false";
        cupsFreeDests(1, dest);
        *asked = true;
        return state;
    };
    system.last_job_refused = [asked] {
        return *asked && cupsLastError() > IPP_STATUS_OK_EVENTS_COMPLETE;
    };
#endif
    return system;
}

} // namespace ohmira::qt
