#include "conversions/batch_conversions_state.h"

#include "conversions/qxl_export.h"
#include "conversions/res2dinv.h"
#include "conversions/sheet_import.h"

namespace ohmira {

void reset_batch_conversions_state() {
    R2DI_Count = 0;
    R2DI_X0 = 0;
    R2DI_Y0 = 0;
    R2DI_Azimuth = 0;
    R2DI_Altitude = 0;
    R2DI_Accepted = false;
    reset_R2DI_par();
    Output_File.clear();
    QXL_Path.clear();
    QXL_Name.clear();
    QXL_Lines.clear();
}

} // namespace ohmira
