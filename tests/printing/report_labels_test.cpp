#include "printing/report_labels.h"

#include <gtest/gtest.h>

#include "printing_fixture.h"

namespace ohmira::test {
namespace {

class ReportLabels : public PrintingTest {};

std::string label(std::int16_t code, std::string start = "unchanged") {
    Get_Report_Label(code, start);
    return start;
}

TEST_F(ReportLabels, TheTableInFourLanguages) {
    File_Name = "S12.QD3";
    struct Row {
        std::int16_t code;
        const char *french, *english, *spanish, *german;
    };
    const Row rows[] = {
        {1, "Sondage électrique Schlumberger - S12.QD3",
         "Electrical sounding Schlumberger - S12.QD3", "Sondeo eléctrico Schlumberger - S12.QD3",
         "Elektrische Tiefensondierung Schlumberger - S12.QD3"},
        {2, "Sondage électrique dipôle - S12.QD3", "Dipole electrical sounding - S12.QD3",
         "Sondeo eléctrico dipolar - S12.QD3", "Elektrische Tiefensondierung Dipole  - S12.QD3"},
        {3, "Situation du SE ", "Location   ", "Ubicación del SEV  ", "Situation der ETS  "},
        {4, "Modèle ", "Model ", "Modelo ", "Modell "},
        {5, "Débrayages lissés ", "Shift on new MN ", "Empalmes compensados",
         "Anpassung bei neuen MN"},
        {6, "Résistivité     Epaisseur    Profondeur    Altitude",
         "Resistivity     Thickness      Depth        Altitude",
         "Resistividad    Espesor    Profundidad     Altitud",
         "Resistivität    Mächtigkeit    Tiefe        Höhe"},
        {7, "Résistivité     Epaisseur    Profondeur", "Resistivity     Thickness      Depth",
         "Resistividad     Espesor     Profundidad", "Resistivität    Mächtigkeit    Tiefe"},
        {8, "Mesures de terrain et valeurs calculées", "Field data and calculated values",
         "Datos de campo y valores calculados", "Felddaten und ausgerechnete Werte"},
        {9, "Sondage électrique Wenner - S12.QD3", "Electrical sounding Wenner - S12.QD3",
         "Sondeo eléctrico Wenner - S12.QD3", "Elektrische Tiefensondierung Wenner  - S12.QD3"},
        {10, " ", " ", " ", " "},
        {19, " ", " ", " ", " "},
    };
    for (const Row &r : rows) {
        set_language('F');
        EXPECT_EQ(label(r.code), r.french) << r.code;
        set_language('E');
        EXPECT_EQ(label(r.code), r.english) << r.code;
        set_language('S');
        EXPECT_EQ(label(r.code), r.spanish) << r.code;
        set_language('A');
        EXPECT_EQ(label(r.code), r.german) << r.code;
    }
}

TEST_F(ReportLabels, EdgeCases) {
    File_Name.clear();
    EXPECT_EQ(label(1), "Electrical sounding Schlumberger - ");
    EXPECT_EQ(label(0), "unchanged");
    EXPECT_EQ(label(20), "unchanged");
    EXPECT_EQ(label(-3), "unchanged");
    // Several flags: the last in the order French, English, Spanish, German wins.
    Lang_French = true;
    Lang_German = true;
    EXPECT_EQ(label(4), "Modell ");
    Lang_German = false;
    EXPECT_EQ(label(4), "Model ");
    Lang_French = Lang_English = Lang_Spanish = Lang_German = false;
    EXPECT_EQ(label(4), "unchanged");
}

} // namespace
} // namespace ohmira::test
