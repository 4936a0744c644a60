#include "form/sev_form.h"

#include <new>

namespace ohmira {

SEV_Form::SEV_Form()
    : Form("SEV", "Ohmira"), AppControls(form()), EditorControls(form()), CommandsControls(form()),
      PrintingControls(form()), ProfilesControls(form()), ConversionsControls(form()) {
    Move(0, 0, 15360, 10800);
}

void reset_SEV() {
    SEV.~SEV_Form();
    ::new (static_cast<void *>(&SEV)) SEV_Form();
}

} // namespace ohmira
