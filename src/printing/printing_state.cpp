#include "printing/printing_state.h"

#include "printing/sheet_page_controls.h"
#include "printing/sheet_preview.h"

namespace ohmira {

void reset_printing_state() {
    Sheet_Title.clear();
    Use_Screen_Fonts = false;
    Convert_X_Scale = 0;
    Convert_Y_Offset = 0;
    Convert_Y_Scale = 0;
}

} // namespace ohmira
