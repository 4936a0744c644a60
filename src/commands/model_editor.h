#pragma once
// Set-up of the model panel: captions, the model grid's layout, a fresh automatic model.

namespace ohmira {

void Set_Model_Editor_Captions();

} // namespace ohmira
