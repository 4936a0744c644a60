#pragma once
// The automatic starting model: layers found from the bends of the field curve's log-log slopes.
#include "core/forward.h"

namespace ohmira {

// The automatic model's detection: a model from the field curve alone (Model_Layers rows 1 and
// 2, Nb_Layers, Fixed_Param cleared), ending with a half-space; `wenner` for a Wenner array,
// whose spacings count three times. At most 20 layers: a curve that would need more, like any
// statement that would fail, gives false with the layers written so far. The command is
// Create_Auto_Model (commands/auto_model_commands.h).
bool detect_auto_model(bool wenner);

inline constexpr int Auto_Model_Max_Layers = 20;

} // namespace ohmira
