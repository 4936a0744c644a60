#include "conversions/conversions_events.h"

#include "conversions/geotrade_pasi_readers.h"
#include "conversions/import_frame.h"
#include "conversions/oyo_astier_conversions.h"
#include "conversions/qxl_export.h"
#include "conversions/res2dinv.h"
#include "conversions/sheet_import.h"
#include "conversions/syscal.h"
#include "form/sev_form.h"

namespace ohmira {

void connect_conversions_events() {
    // Imports of instrument files.
    for (const ImportMember &member : import_members)
        (SEV.*member.menu).Click = [&member] { run_import(member); };
    SEV.PASI.Click = PASI_Click;
    SEV.OYO.Click = OYO_Click;
    SEV.astier.Click = astier_Click;

    // Batch conversions and the spreadsheet export.
    SEV.Sheet.Click = Sheet_Click;
    SEV.RES2DINV.Click = RES2DINV_Click;
    SEV.Syscal.Click = Syscal_Click;
    SEV.xlsave.Click = xlsave_Click;
}

} // namespace ohmira
