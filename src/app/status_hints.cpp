#include "app/status_hints.h"

#include "core/language.h"
#include "form/sev_form.h"

namespace ohmira {

namespace {
constexpr Language_Text new_sounding_hint{
    "Nouveau SE ou corrections", "Nuevo sondeo o correcciónes", "New sounding or corrections"};
constexpr Language_Text new_file_hint{"Entrer un nouveau fichier", "Entre nuevo fichero",
                                      "Enter new File"};
constexpr Language_Text modeling_hint{"Calcul du modèle", "Calculo del modelo", "Modeling"};

void show_hint(const Language_Text &hint) {
    SEV.Text1.Text(by_language(hint));
}
} // namespace

void Picture4_MouseMove(int, int, double, double) {
    show_hint(new_sounding_hint);
}
void Picture5_MouseMove(int, int, double, double) {
    show_hint(new_file_hint);
}
void Show_New_Sounding_Hint(int, int, double, double) {
    show_hint(new_sounding_hint);
}
void Show_Modeling_Hint() {
    show_hint(modeling_hint);
}
void Show_Help_Hint() {
    SEV.Text1.Text("Help");
}
void Do_Nothing_1() {}
void Do_Nothing_2() {}

} // namespace ohmira
