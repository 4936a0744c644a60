// The sheet drawn on the system printer, rendered as the printer would paint it: both pages
// painted to PNG (kept when OHMIRA_QT_SHOTS names a folder) and checked to hold ink.
#include "app/app_state.h"
#include "core/forward.h"
#include "core/sounding.h"
#include "form/applied_array.h"
#include "form/settings_values.h"
#include "form/sev_form.h"
#include "platform/printer.h"
#include "platform/qt/print_settings_qt.h"
#include "platform/scripted_dialog_host.h"
#include "plot/loglog_plot.h"
#include "printing/printer_sheet.h"
#include "qt_test_app.h"

#include <QDir>
#include <QImage>
#include <QPrinter>
#include <QPrinterInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace ohmira::qt {
namespace {

TEST(PrinterSheetRender, BothPagesPaintTheSheet) {
    testing::app();
    reset_SEV();
    reset_all_state();
    Printer.reset();
    // Jobs are kept to be looked at, not sent to the desktop's printer.
    Printer.print_sink = nullptr;
    Apply_Array(Array_Type::Schlumberger);
    File_Name = "S12.QD3";
    const double spacing[] = {1, 2, 3, 5, 10, 20, 30, 50, 100};
    const double rho[] = {80, 70, 55, 40, 33, 45, 60, 85, 120};
    for (int i = 1; i <= 9; ++i) {
        Field_Data(i, 1) = spacing[i - 1];
        Field_Data(i, 2) = rho[i - 1];
        Field_Data(i, 3) = 0.5;
        Field_Data(i, 4) = 12.5 * i;
        Field_Data(i, 5) = 3.14 * spacing[i - 1] * spacing[i - 1];
        Field_Data(i, 6) = 100.0;
    }
    Nb_Points = 9;
    Max_AB2 = 100;
    const double layers[][3] = {{85, 1.2, 0}, {25, 8, 1.2}, {200, 0, 9.2}};
    for (int i = 1; i <= 3; ++i) {
        for (int r = 1; r <= 3; ++r) {
            Model_Layers(r, i) = layers[i - 1][r - 1];
        }
    }
    Nb_Layers = 3;
    Graph_Title = "Line 4, station 12";
    Comment = "Dry season";
    X_Coord = "412300";
    Y_Coord = "5234100";
    Z_Coord = "120";
    Mark_Size = 0.0018 * 9;
    Misfit = 0.0;

    Run_Print_Sheet();
    ASSERT_EQ(Printer.jobs().size(), 1u);
    const auto &pages = Printer.jobs()[0].pages;
    ASSERT_EQ(pages.size(), 2u);

    QTemporaryDir temp;
    const char *keep = std::getenv("OHMIRA_QT_SHOTS");
    const QString folder = keep ? QString::fromLocal8Bit(keep) : temp.path();
    QDir().mkpath(folder);
    for (int p = 0; p < 2; ++p) {
        const std::string png = png_of_display_list(pages[p], Printer.Width(), Printer.Height());
        const QImage image = QImage::fromData(reinterpret_cast<const uchar *>(png.data()),
                                              static_cast<int>(png.size()), "PNG");
        ASSERT_FALSE(image.isNull());
        image.save(folder + QString("/printer-sheet-page%1.png").arg(p + 1));
        int ink = 0;
        for (int y = 0; y < image.height(); y += 4) {
            for (int x = 0; x < image.width(); x += 4) {
                ink += image.pixelColor(x, y) != Qt::white;
            }
        }
        EXPECT_GT(ink, 50) << "page " << p + 1;
    }
    reset_all_state();
    reset_SEV();
    Printer.reset();
}

// Without a sounding's folder the dialog starts in the home folder, here one of the test's own.
TEST(PrinterSheetRender, APdfNameWithoutFolderGoesIntoTheDialogsFolder) {
    testing::app();
    if (!QPrinterInfo::availablePrinters().isEmpty())
        GTEST_SKIP() << "a printer is installed: no PDF file is asked for";
    reset_all_state();
    QTemporaryDir home;
    const QByteArray saved_home = qgetenv("HOME");
    qputenv("HOME", home.path().toLocal8Bit());
    ScriptedDialogHost host{answer_save("sheet")};
    DialogHostGuard guard(host);
    QPrinter printer;
    EXPECT_EQ(choose_printer_output(printer), PrintOutcome::printed);
    qputenv("HOME", saved_home);
    ASSERT_EQ(host.records().size(), 1u);
    EXPECT_EQ(host.records()[0].title, "Print to a PDF file");
    EXPECT_EQ(host.records()[0].initial_dir, home.path().toStdString());
    EXPECT_EQ(printer.outputFileName(), home.path() + "/sheet.pdf");
}

} // namespace
} // namespace ohmira::qt
