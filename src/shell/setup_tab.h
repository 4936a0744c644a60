#pragma once
// The Setup tab: drawing options, language, array type.

namespace ohmira {

// Fills the Setup tab's lists and captions from the settings (once, at start-up).
void Load_parameter();

} // namespace ohmira
