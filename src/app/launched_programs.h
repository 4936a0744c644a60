#pragma once
// The help and utility menus: the manual in the user's language, the method's description, the
// calculator, the video tutorial, a new e-mail to support and the About box.
#include <string>

namespace ohmira {

// Address of the contact command's e-mail.
inline constexpr const char *Support_Address = "support@ohmira.example";
// Desktop calculators tried in this order; the first found on PATH is started.
inline constexpr const char *Calculators[] = {"gnome-calculator", "kcalc",     "galculator",
                                              "qalculate-gtk",    "mate-calc", "xcalc"};

// Full path of the program the desktop opens files of the extension with ("PDF"); "" when none.
std::string Find_Associated_Program(const std::string &ext);
// Path of the manual of the current language, in the manual folder beside the program.
std::string Help_Manual_Path();
// Opens the manual of the current language with the PDF reader.
void Open_Help_Manual();
// Information box describing the method (French, else English).
void Show_Program_Description();
// The splash window as the About box, shown modally.
void Show_About_Box();
// The e-mail URL of the contact command.
std::string Contact_Url();

void Help_US_Click();
void NHelp_Click();
void NCalculator_Click();
void video_Click();
void contact_Click();
void WS_Click();

} // namespace ohmira
