#pragma once
// The user's language: the letter kept in the settings and four exclusive flags. A text that
// exists in several languages is French if Lang_French, else Spanish if Lang_Spanish, else English.
#include "platform/ui_language.h"

#include <string>

namespace ohmira {

inline std::string Langue = "E";
inline bool Lang_French = false;
inline bool Lang_Spanish = false;
inline bool Lang_English = true;
inline bool Lang_German = false;

// The French, Spanish or English text by the language flags.
inline const char *by_language(const char *french, const char *spanish, const char *english) {
    if (Lang_French)
        return french;
    if (Lang_Spanish)
        return spanish;
    return english;
}

// Tells the window layer the language the flags chose, for the texts it draws itself.
inline void language_changed() {
    set_ui_language(Lang_French ? "fr" : Lang_Spanish ? "es" : "en");
}

// A text in French, Spanish and English.
struct Language_Text {
    const char *french;
    const char *spanish;
    const char *english;
};

inline const char *by_language(const Language_Text &text) {
    return by_language(text.french, text.spanish, text.english);
}

} // namespace ohmira
