#pragma once
// The compute and fit commands of the model panel and the compute menu.

namespace ohmira {

// The compute button: reads the model grid and draws the model curve.
void Calcul_Button_Click();
// Computes the current sounding again after the options changed.
void Run_Calcul();
// The fit button: fits the model to the field curve and writes it back into the model grid.
void Ajuste_Button_Click();
// The hidden compute menu item.
void N1Calcul_Click();

} // namespace ohmira
