#include "printing/printing_events.h"

#include "form/sev_form.h"
#include "printing/picture_export.h"
#include "printing/profile_page_controls.h"
#include "printing/sheet_page_controls.h"

namespace ohmira {

void connect_printing_events() {
    SEV.CopyClipBoard.Click = CopyClipBoard_Click;

    SEV.cmbPercent.Click = cmbPercent_Click;
    SEV.cmbZoomMode.Click = cmbZoomMode_Click;
    SEV.chkPhysicalPage.Click = chkPhysicalPage_Click;
    SEV.chkShowGuides.Click = chkShowGuides_Click;
    SEV.ListePolices.Click = ListePolices_Click;
    SEV.ListePolices.Change = ListePolices_Change;
    SEV.ListePolices.KeyPress = ListePolices_KeyPress;
    SEV.ListePolices.LostFocus = ListePolices_LostFocus;
    SEV.cmdPageSetup.Click = cmdPageSetup_Click;
    SEV.cmdPrinterSetup.Click = cmdPrinterSetup_Click;
    SEV.cmdPrint.Click = cmdPrint_Click;
    SEV.scrlpage.Change = scrlpage_Change;
    SEV.VSPrint.EndDocument = Update_Page_Scroll;
    SEV.VSPrint.PageChanged = Follow_Preview_Page;
    SEV.VSPrint.BeforeTableCell = Toggle_Print_Bold;
    SEV.VSPrint.Error = Show_VSPrint_Error;
    SEV.Command21.Click = Command21_Click;
    SEV.Record_WMF.Click = Record_WMF_Click;
    SEV.Command24.Click = Command24_Click;

    SEV.cmbPercent2.Click = cmbPercent2_Click;
    SEV.cmbZoomMode2.Click = cmbZoomMode2_Click;
    SEV.ListePolices2.Click = ListePolices2_Click;
    SEV.ListePolices2.Change = ListePolices2_Change;
    SEV.ListePolices2.KeyPress = ListePolices2_KeyPress;
    SEV.ListePolices2.LostFocus = ListePolices2_LostFocus;
    SEV.cmdPageSetup2.Click = cmdPageSetup2_Click;
    SEV.cmdPrinterSetup2.Click = cmdPrinterSetup2_Click;
    SEV.Command14.Click = Command14_Click;
    SEV.Command15.Click = Command15_Click;
    SEV.Command16.Click = Command16_Click;
    SEV.Command17.Click = Command17_Click;
}

} // namespace ohmira
