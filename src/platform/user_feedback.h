#pragma once
// The beep and the send-keys queue: keystrokes the program sends to the window with the focus.
// The window layer installs a beep and drains the key queue after each event.
#include <functional>
#include <string_view>
#include <vector>

namespace ohmira {

void Beep();
// Number of beeps since start or the last reset (tests).
int beep_count();
void reset_beep_count();
// Installs what a beep does (the Qt layer rings the bell); returns the previous one.
std::function<void()> set_beep_hook(std::function<void()> hook);

// Lets the window layer repaint during a long command; user input stays queued until the
// command ends. Does nothing headless.
void DoEvents();
// Installs what DoEvents does; returns the previous one.
std::function<void()> set_do_events_hook(std::function<void()> hook);

// Queues the keys of a send-keys text: "{UP}", "{DOWN}", "{LEFT}", "{RIGHT}" as key codes 38, 40,
// 37, 39. Returns false (and queues nothing) for any other text.
bool SendKeys(std::string_view keys);
// Takes the queued key codes, oldest first, and empties the queue.
std::vector<int> take_sent_keys();
// Looks at the queue without emptying it.
const std::vector<int> &sent_keys();

} // namespace ohmira
