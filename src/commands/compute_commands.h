#pragma once
// The compute and fit commands of the model panel and the compute menu.
#include "core/language.h"

namespace ohmira {

// The compute button: reads the model grid and draws the model curve.
void Calcul_Button_Click();
// Computes the current sounding from the window (the compute button, and the Setup tab's OK
// after the options changed); false when it was refused.
bool Run_Calcul();
// After the user's own compute or fit: the overlay keys may move through the store (superposition
// off). A redraw, an open or the Setup tab's OK never lifts this guard.
void Lift_Overlay_Guard();
// The fit button: fits the model to the field curve and writes it back into the model grid.
void Ajuste_Button_Click();
// The hidden compute menu item.
void N1Calcul_Click();

inline constexpr Language_Text Value_Missing_Text{"Il manque une valeur", "Faltan datos...",
                                                  "Value missing..."};
inline constexpr Language_Text Maximum_Superposed_Text{"Maximum 20 sondages superposés",
                                                       "Maximo 20 sondeos superpuestos",
                                                       "Maximum 20 soundings superposed"};
inline constexpr Language_Text Fit_Needs_Data_Text{
    "Il faut au moins deux valeurs de terrain et deux terrains",
    "Introduce por le menos dos datos de campo y dos terrenos",
    "There must be at least two field values and two layers"};

} // namespace ohmira
