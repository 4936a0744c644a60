#include "conversions/conversions_events.h"

#include "conversions/qxl_export.h"
#include "conversions/res2dinv.h"
#include "conversions/sheet_import.h"
#include "conversions/syscal.h"
#include "shell/sev_form.h"

namespace ohmira {

void connect_conversions_events() {
    // Batch conversions and the spreadsheet export.
    SEV.Sheet.Click = Sheet_Click;
    SEV.RES2DINV.Click = RES2DINV_Click;
    SEV.Syscal.Click = Syscal_Click;
    SEV.xlsave.Click = xlsave_Click;
}

} // namespace ohmira
