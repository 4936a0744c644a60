#include "printing/report_labels.h"

#include <array>

#include "core/language.h"
#include "core/sounding.h"

namespace ohmira {

namespace {

struct Report_Label {
    const char *french;
    const char *english;
    const char *spanish;
    const char *german;
};

// Codes 1..9; the blanks inside and at the ends are part of the layout.
constexpr std::array<Report_Label, 9> report_labels{{
    {"Sondage électrique Schlumberger - ", "Electrical sounding Schlumberger - ",
     "Sondeo eléctrico Schlumberger - ", "Elektrische Tiefensondierung Schlumberger - "},
    {"Sondage électrique dipôle - ", "Dipole electrical sounding - ", "Sondeo eléctrico dipolar - ",
     "Elektrische Tiefensondierung Dipole  - "},
    {"Situation du SE ", "Location   ", "Ubicación del SEV  ", "Situation der ETS  "},
    {"Modèle ", "Model ", "Modelo ", "Modell "},
    {"Débrayages lissés ", "Shift on new MN ", "Empalmes compensados", "Anpassung bei neuen MN"},
    {"Résistivité     Epaisseur    Profondeur    Altitude",
     "Resistivity     Thickness      Depth        Altitude",
     "Resistividad    Espesor    Profundidad     Altitud",
     "Resistivität    Mächtigkeit    Tiefe        Höhe"},
    {"Résistivité     Epaisseur    Profondeur", "Resistivity     Thickness      Depth",
     "Resistividad     Espesor     Profundidad", "Resistivität    Mächtigkeit    Tiefe"},
    {"Mesures de terrain et valeurs calculées", "Field data and calculated values",
     "Datos de campo y valores calculados", "Felddaten und ausgerechnete Werte"},
    {"Sondage électrique Wenner - ", "Electrical sounding Wenner - ", "Sondeo eléctrico Wenner - ",
     "Elektrische Tiefensondierung Wenner  - "},
}};

constexpr std::int16_t last_label_code = 19;

std::string label_text(std::int16_t code, const char *Report_Label::*language) {
    if (code > static_cast<std::int16_t>(report_labels.size()))
        return " ";
    std::string text = report_labels[static_cast<std::size_t>(code - 1)].*language;
    if (code == label_title_schlumberger || code == label_title_dipole ||
        code == label_title_wenner)
        text += File_Name;
    return text;
}

} // namespace

void Get_Report_Label(const std::int16_t &Code, std::string &Label) {
    if (Code < 1 || Code > last_label_code)
        return;
    const std::pair<bool, const char * Report_Label::*> languages[] = {
        {Lang_French, &Report_Label::french},
        {Lang_English, &Report_Label::english},
        {Lang_Spanish, &Report_Label::spanish},
        {Lang_German, &Report_Label::german},
    };
    for (const auto &[on, text] : languages)
        if (on)
            Label = label_text(Code, text);
}

} // namespace ohmira
