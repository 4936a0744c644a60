#include "conversions/conversions_events.h"

#include "conversions/geotrade_pasi_readers.h"
#include "conversions/import_frame.h"
#include "conversions/oyo_astier_conversions.h"
#include "shell/sev_form.h"

namespace ohmira {

void connect_conversions_events() {
    // Imports of instrument files.
    for (const ImportMember &member : import_members)
        (SEV.*member.menu).Click = [&member] { run_import(member); };
    SEV.PASI.Click = PASI_Click;
    SEV.OYO.Click = OYO_Click;
    SEV.astier.Click = astier_Click;
}

} // namespace ohmira
