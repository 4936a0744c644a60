#pragma once
// The print system of the desktop (CUPS) as the printer asks it whether a queue takes jobs and
// whether it took the job just handed to it.
#include "platform/print_queue.h"

namespace ohmira::qt {

// The answers of CUPS about its queues; empty answers when the program was built without it.
PrintSystem cups_print_system();

} // namespace ohmira::qt
