#include "profiles/extraction_form.h"

#include "core/language.h"
#include "profiles/profile_values.h"

#include <array>

namespace ohmira {

namespace {
struct Caption3 {
    const char *french, *spanish, *english;
    const char *pick() const { return Lang_French ? french : Lang_Spanish ? spanish : english; }
};
constexpr std::array<Caption3, 5> option_captions{{
    {"Résistivité pour une altitude", "Resistividad por altitud", "Resistivity by altitude"},
    {"Résistivité pour une couche", "Resistividad por capa", "Resistivity by layer"},
    {"Epaisseur pour une altitude", "Espesor por altitud", "Thickness by altitude"},
    {"Epaisseur pour une couche", "Espessor por capa", "Thickness by layer"},
    {"Profondeur pour une couche", "Profundidat por capa", "Depth by layer"},
}};
constexpr Caption3 layer_caption{"N° de la couche", "Numero de la capa", "# of layer"};

std::array<OptionButton *, 5> options() {
    Extraction_Form &f = Extraction;
    return {&f.Option1, &f.Option2, &f.Option3, &f.Option4, &f.Option5};
}
} // namespace

Extraction_Form::Extraction_Form() : Form("Extraction", "Extraction parameter for SURFER") {
    Move(0, 0, 4200, 3800);
    for (Control *c : controls())
        c->FontName("Arial");
    Label6.Caption("Altitude");
    Label7.Caption("Layer #");
    Command1.Caption("OK");
    Command1.Default(true);
    Option1.Value(true);
}

void Extraction_Command1_Click() {
    Extract_Altitude = Extraction.Text1.Text();
    Extract_Layer = Extraction.Text2.Text();
    const auto opts = options();
    for (int i = 0; i < 5; ++i)
        if (opts[static_cast<size_t>(i)]->Value())
            Extract_Choice = static_cast<std::int16_t>(i + 1);
    Extraction.accepted = true;
    Extraction.Unload();
}

bool ask_extraction_parameters() {
    Extraction_Form &f = Extraction;
    f.Text1.Text("");
    f.Text2.Text("");
    f.Option1.Value(true);
    const auto opts = options();
    for (int i = 0; i < 5; ++i)
        opts[static_cast<size_t>(i)]->Caption(option_captions[static_cast<size_t>(i)].pick());
    f.Label7.Caption(layer_caption.pick());
    f.Command1.Click = Extraction_Command1_Click;
    f.accepted = false;
    f.Show(vbModal);
    f.Unload();
    return f.accepted;
}

} // namespace ohmira
