#pragma once
// The six plot-colour buttons of the Setup tab and "OK, Save" of the section's colour scale.
#include <string_view>

namespace ohmira {

class Form;

void Command4_Click();  // field points
void Command5_Click();  // decade grid
void Command6_Click();  // model steps
void Command12_Click(); // model curve
void Command7_Click();  // error curve
void Command8_Click();  // superposed curves

// "OK, Save": stores the 16 class colours of the colour scale in the settings file, then rewrites
// the class bounds.
void Command10_Click();

// Writes the back colours of the form's Text101..Text116 to [VISUAL_SU] Amplitude1..Amplitude16
// of the settings file at `path` ("" for the usual one). False when the file could not be written.
bool Save_Colour_Scale(const Form &form, std::string_view path = {});

} // namespace ohmira
