#include "core/compute_commands.h"

namespace ohmira {

// Placeholders: the model editor's commands fill these in.
void Calcul_Button_Click() {}
void Run_Calcul() {}
void Ajuste_Button_Click() {}
void N1Calcul_Click() {}

} // namespace ohmira
