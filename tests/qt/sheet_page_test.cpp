// The sheet page as a user meets it: the "Print" tab shows the sounding sheet, the zoom mode is
// chosen in its list, two copies are asked for and refused, the sheet is printed to a PDF file,
// the page is saved as a WMF file and copied to the clipboard; and the two pages of the sheet of
// a 4-layer sounding with two stored models, in French and in English, rendered to PNG. Set
// OHMIRA_QT_SHOTS to a folder to keep the pictures.
#include "app/app_state.h"
#include "app/main_frame.h"
#include "core/forward.h"
#include "core/language.h"
#include "core/sounding.h"
#include "form/applied_array.h"
#include "form/settings_values.h"
#include "form/sev_form.h"
#include "main_window_fixture.h"
#include "platform/printer.h"
#include "platform/qt/form_view.h"
#include "platform/qt/preview_widget.h"
#include "platform/screen.h"
#include "platform/text_metrics.h"
#include "plot/forward_commands.h"
#include "plot/loglog_plot.h"
#include "printing/sheet_preview.h"

#include <QAbstractItemView>
#include <QAction>
#include <QClipboard>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QFontDatabase>
#include <QGuiApplication>
#include <QInputDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMimeData>
#include <QPrinterInfo>
#include <QPushButton>
#include <QRadioButton>
#include <QTabBar>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <cmath>

namespace ohmira::qt {
namespace {

void set_language(bool french) {
    Lang_French = french;
    Lang_English = !french;
    Lang_Spanish = Lang_German = false;
}

// A 4-layer Schlumberger sounding with its curve computed and two stored models shown.
void four_layer_sounding_with_stored_models() {
    Left_Margin = Right_Margin = Upper_Margin = 1134;
    Bottom_Margin = 1250;
    AB2min = -1;
    AB2max = 4;
    RHOmin = 0;
    RHOmax = 4;
    AB2min_Value = 0;
    AB2max_Value = 10000;
    RHOmin_Value = 1;
    RHOmax_Value = 10000;
    Grid_Color = 16512;
    Curve_Color = 255;
    Points_Color = 255;
    Model_Color = 16711935;
    Superposed_Color = 32768;
    Draw_Model = 1;
    Draw_RMS = 0;
    Apply_Array(Array_Type::Schlumberger);
    File_Name = "S12.QD3";
    Graph_Title = "Line 4 - station 12";
    Comment = "Dry season, measured with a Syscal R1";
    X_Coord = "412300";
    Y_Coord = "5234100";
    Z_Coord = "120";
    Azimuth = "45";
    const double model[][2] = {{80, 1.5}, {20, 6}, {300, 25}, {40, 0}};
    Nb_Layers = 4;
    double depth = 0;
    for (int i = 1; i <= 4; ++i) {
        Model_Layers(1, i) = model[i - 1][0];
        Model_Layers(2, i) = model[i - 1][1];
        Model_Layers(3, i) = depth;
        depth += model[i - 1][1];
    }
    const double spacings[] = {1, 1.5, 2, 3, 5, 7, 10, 15, 20, 30, 50, 70, 100, 150, 200};
    const double rho[] = {79, 75, 66, 48, 31, 26, 27, 33, 40, 52, 66, 72, 71, 64, 58};
    Nb_Points = 15;
    for (int i = 1; i <= 15; ++i) {
        Field_Data(i, 1) = spacings[i - 1];
        Field_Data(i, 2) = rho[i - 1];
        Field_Data(i, 3) = spacings[i - 1] < 10 ? 0.5 : 5.0;
        Field_Data(i, 4) = std::round(10000.0 / i) / 10;
        Field_Data(i, 5) = 3.1416 * spacings[i - 1] * spacings[i - 1];
        Field_Data(i, 6) = 100;
    }
    // Two stored models, the second one also the current one.
    const double stored[][4][2] = {{{90, 2}, {15, 8}, {250, 20}, {60, 0}},
                                   {{80, 1.5}, {20, 6}, {300, 25}, {40, 0}}};
    for (int s = 1; s <= 2; ++s) {
        for (int i = 1; i <= 4; ++i) {
            Superposed_Models(s, 1, i) = stored[s - 1][i - 1][0];
            Superposed_Models(s, 2, i) = stored[s - 1][i - 1][1];
        }
        Superposed_Layers(s) = 4;
    }
    Max_AB2 = 1;
    Find_Max_AB2(Max_AB2);
    Nb_Superposed = 2;
    Superposed_Index = 1;
    Superpose = 1;
    Draw_Mode = "FICHIER";
    Compute_Curve();
    Draw_Mode = "";
}

class SheetPage : public testing::MainWindowTest {
protected:
    SheetPage() { shown_at_start = false; } // each test shows it when its page is ready
    void prepare() override {
        four_layer_sounding_with_stored_models();
        set_language(false);
    }
    void TearDown() override {
        MainWindowTest::TearDown();
        set_language(false);
    }
};

// Non-white pixels of an image.
int inked(const QImage &img) {
    int n = 0;
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x)
            n += img.pixelColor(x, y) != QColor(Qt::white);
    return n;
}

TEST_F(SheetPage, BothPagesInFrenchAndEnglishRenderedAt100Dpi) {
    for (const bool french : {true, false}) {
        set_language(french);
        display_print();
        ASSERT_EQ(SEV.VSPrint.PageCount(), 2);
        for (int p = 1; p <= 2; ++p) {
            const DisplayList page = SEV.VSPrint.page_picture(p);
            const std::string png = png_of_display_list(page, page.width, page.height, 100);
            QImage img;
            ASSERT_TRUE(img.loadFromData(QByteArray(png.data(), static_cast<int>(png.size()))));
            // A4 at 100 dpi.
            EXPECT_NEAR(img.width(), 827, 2);
            EXPECT_NEAR(img.height(), 1169, 2);
            EXPECT_GT(inked(img), p == 1 ? 40000 : 4000);
            const QString name = QString("sheet-%1-page%2.png").arg(french ? "fr" : "en").arg(p);
            ASSERT_TRUE(img.save(shots + "/" + name));
        }
    }
    // A landscape sheet: plot, texts, field data.
    SEV.VSPrint.Orientation(orLandscape);
    display_print();
    ASSERT_EQ(SEV.VSPrint.PageCount(), 3);
    for (int p = 1; p <= 3; ++p) {
        const DisplayList page = SEV.VSPrint.page_picture(p);
        const std::string png = png_of_display_list(page, page.width, page.height, 100);
        QImage img;
        ASSERT_TRUE(img.loadFromData(QByteArray(png.data(), static_cast<int>(png.size()))));
        EXPECT_GT(img.width(), img.height());
        EXPECT_GT(inked(img), 2000);
        ASSERT_TRUE(img.save(shots + QString("/sheet-en-landscape-page%1.png").arg(p)));
    }
}

TEST_F(SheetPage, PrintTabZoomCopiesPdfWmfAndClipboard) {
    show_print_tab();
    ASSERT_EQ(SEV.VSPrint.PageCount(), 2);
    auto *preview = qobject_cast<PreviewWidget *>(view->widget_of("VSPrint"));
    ASSERT_NE(preview, nullptr);
    EXPECT_TRUE(preview->isVisible());
    EXPECT_EQ(SEV.VSPrint.Left(), 2000);
    auto *label = qobject_cast<QLabel *>(view->widget_of("lblpage"));
    ASSERT_NE(label, nullptr);
    EXPECT_EQ(label->text(), "1 of 2");

    // Two pages side by side from the zoom-mode list: the per-cent list greys out.
    auto *mode = qobject_cast<QComboBox *>(view->widget_of("cmbZoomMode"));
    ASSERT_NE(mode, nullptr);
    mode->setFocus();
    QTest::keyClick(mode, Qt::Key_Down);
    QTest::keyClick(mode, Qt::Key_Down);
    QtUi::instance().sync_all();
    EXPECT_EQ(SEV.VSPrint.ZoomMode(), zmTwoPages);
    EXPECT_FALSE(view->widget_of("cmbPercent")->isEnabled());
    EXPECT_EQ(label->text(), "1 - 2 of 2");
    ASSERT_TRUE(shot("sheet-print-tab"));

    // Two copies asked for, refused: one copy, printed into a PDF file.
    // Without a printer the sheet goes into a PDF file, under the proposed name.
    const QString pdf = temp.path() + "/S12.pdf"; // the sounding's name proposed
    auto *copies = qobject_cast<QLineEdit *>(view->widget_of("Text23"));
    ASSERT_NE(copies, nullptr);
    copies->selectAll();
    QTest::keyClicks(copies, "2");
    EXPECT_EQ(SEV.Text23.Text(), "2");
    testing::BoxSeen seen;
    testing::answer_box(QMessageBox::No, &seen);
    testing::when_open<QFileDialog>([pdf](QFileDialog &d) {
        testing::type_file_name(d, pdf);
        // The written file is named in a box.
        testing::answer_box(QMessageBox::Ok);
    });
    QTest::mouseClick(view->widget_of("cmdPrint"), Qt::LeftButton);
    EXPECT_EQ(seen.text.toStdString(), "Do you really want to print  2 copies ?");
    EXPECT_EQ(SEV.VSPrint.print_jobs().size(), 1u);
    if (QPrinterInfo::availablePrinters().isEmpty()) {
        QFile f(pdf);
        ASSERT_TRUE(f.open(QIODevice::ReadOnly));
        const QByteArray bytes = f.readAll();
        EXPECT_EQ(bytes.count("/Type /Page") - bytes.count("/Type /Pages"), 2);
    }

    // The page saved as a WMF file, then copied to the clipboard as a picture.
    const QString wmf = temp.path() + "/S12.wmf";
    testing::when_dialog_opens([wmf](QDialog &d) {
        auto *in = qobject_cast<QInputDialog *>(&d);
        ASSERT_NE(in, nullptr);
        in->setTextValue(wmf);
        testing::answer_box(QMessageBox::Ok);
        in->accept();
    });
    QTest::mouseClick(view->widget_of("Record_WMF"), Qt::LeftButton);
    EXPECT_TRUE(QFile::exists(wmf));
    if (const char *keep = std::getenv("OHMIRA_QT_SHOTS"))
        QFile::copy(wmf, QString::fromLocal8Bit(keep) + "/S12.wmf");
    QTest::mouseClick(view->widget_of("Command21"), Qt::LeftButton);
    const QMimeData *data = QGuiApplication::clipboard()->mimeData();
    ASSERT_NE(data, nullptr);
    EXPECT_TRUE(data->hasFormat("image/x-wmf"));
    ASSERT_TRUE(data->hasFormat("image/png"));
    const QImage pasted = QImage::fromData(data->data("image/png"), "PNG");
    ASSERT_FALSE(pasted.isNull());
    EXPECT_GT(inked(pasted), 1000);
    ASSERT_TRUE(pasted.save(shots + "/sheet-clipboard.png"));
    view->close();
}

// A long comment on the Print tab, the whole page shown: each of its lines has ink between the
// margins and none beyond the right one.
TEST_F(SheetPage, ALongCommentShowsWrappedWithinTheMarginsOnThePrintTab) {
    Comment = "Sondage réalisé en saison sèche près du forage du village, sur un sol argileux et "
              "compact ; électrodes arrosées à chaque station, forte résistance de contact aux "
              "grandes ouvertures, mesures répétées trois fois et moyennées ; bruit tellurique "
              "notable l'après-midi, ligne électrique parallèle au profil.";
    SEV.Text18.Text(Comment); // the window shows the sounding's comment
    show_print_tab();
    SEV.cmbZoomMode.ListIndex(zmWholePage);
    QtUi::instance().sync_all();
    QTest::qWait(20);
    auto *preview = qobject_cast<PreviewWidget *>(view->widget_of("VSPrint"));
    ASSERT_NE(preview, nullptr);
    const QImage image = preview->viewport()->grab().toImage();
    ASSERT_TRUE(image.save(shots + "/sheet-long-comment.png"));
    const QRectF page = preview->page_rect(0);
    const double scale = preview->page_scale().width();
    const double margin_right = page.left() + (SEV.VSPrint.PageWidth() - 1134) * scale;
    int lines = 0;
    for (const TextOp &t : SEV.VSPrint.pages().at(0).texts()) {
        if (t.text.size() < 8 || Comment.find(t.text) == std::string::npos)
            continue;
        ++lines;
        int inside = 0, beyond = 0;
        for (int y = int(page.top() + t.y * scale) + 1; y < page.top() + (t.y + t.height) * scale;
             ++y)
            for (int x = int(page.left()); x < int(page.right()) - 1; ++x)
                if (qGray(image.pixel(x, y)) < 160)
                    ++(x < margin_right + 2 ? inside : beyond);
        EXPECT_GT(inside, 0) << t.text;
        EXPECT_EQ(beyond, 0) << t.text;
    }
    EXPECT_GE(lines, 2);
}

// Printing into a PDF file: three copies make one file of three times the pages, drawn in the
// font chosen in the list and named in a box; a cancelled file dialog says nothing.
TEST_F(SheetPage, PdfCopiesMakeOneFileInTheChosenFontAndACancelIsQuiet) {
    if (!QPrinterInfo::availablePrinters().isEmpty())
        GTEST_SKIP() << "a printer is installed: jobs go to it, not to a PDF file";
    if (!QFontDatabase::families().contains("DejaVu Serif"))
        GTEST_SKIP() << "DejaVu Serif is not installed";
    show_print_tab();
    ASSERT_EQ(SEV.VSPrint.PageCount(), 2);

    // The font chosen in the list is the preview's, measured with its own metrics.
    auto *fonts = qobject_cast<QComboBox *>(view->widget_of("ListePolices"));
    ASSERT_NE(fonts, nullptr);
    const int k = fonts->findText("DejaVu Serif");
    ASSERT_GE(k, 0);
    EXPECT_GE(fonts->view()->minimumWidth(),
              fonts->fontMetrics().horizontalAdvance("DejaVu Serif"));
    QtUi::instance().run([k] { SEV.ListePolices.user_select(k); });
    QtUi::instance().sync_all();
    EXPECT_EQ(SEV.VSPrint.FontName(), "DejaVu Serif");
    const Font serif{"DejaVu Serif", 10};
    const Font times{"Times New Roman", 10};
    EXPECT_NE(text_width(serif, "Resistivity"), text_width(times, "Resistivity"));

    const QString pdf = temp.path() + "/S12.pdf"; // the sounding's name, proposed
    // Prints; a box that opens after the file dialog, before the print command ends, is recorded
    // and closed.
    auto print = [&](const char *copies, bool accept, testing::BoxSeen *after) {
        SEV.Text23.Text(copies);
        QtUi::instance().sync_all();
        if (std::string(copies) != "1")
            testing::answer_box(QMessageBox::Yes);
        testing::when_open<QFileDialog>([pdf, accept, after](QFileDialog &d) {
            testing::when_open<QMessageBox>([after](QMessageBox &box) {
                after->text = box.text();
                box.accept();
            });
            if (auto *name = d.findChild<QLineEdit *>("fileNameEdit")) {
                EXPECT_EQ(name->text(), QFileInfo(pdf).fileName()); // the sounding's name
            }
            if (accept)
                testing::type_file_name(d, pdf);
            else
                d.reject();
        });
        QTest::mouseClick(view->widget_of("cmdPrint"), Qt::LeftButton);
    };
    testing::BoxSeen written;
    print("3", true, &written);
    EXPECT_TRUE(written.text.contains(pdf)) << written.text.toStdString();
    QFile f(pdf);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    const QByteArray bytes = f.readAll();
    EXPECT_EQ(bytes.count("/Type /Page") - bytes.count("/Type /Pages"), 6);
    EXPECT_TRUE(bytes.contains("DejaVuSerif"));
    // The document is titled with the sounding's file name (UTF-16 in the PDF's information).
    QByteArray title;
    for (const char ch : std::string("S12.QD3"))
        title.append('\0').append(ch);
    EXPECT_TRUE(bytes.contains(title));
    EXPECT_EQ(QDir(temp.path()).entryList({"*.pdf"}).size(), 1);

    testing::BoxSeen after_cancel;
    print("1", false, &after_cancel);
    QTest::qWait(300); // a box posted for later would open now
    EXPECT_TRUE(after_cancel.text.isEmpty()) << after_cancel.text.toStdString();
    view->close();
}

TEST_F(SheetPage, ProfilePageZoomPageSetupWmfAndClipboard) {
    File_Path = (temp.path() + "/S12.QD3").toStdString();
    Chemin = (temp.path() + "/").toStdString();
    show_window();
    auto *tabs = view->widget_of("SSTab1")->findChild<QTabBar *>();
    ASSERT_NE(tabs, nullptr);
    // The section tab with an empty profile grid says so first.
    testing::answer_box(QMessageBox::Ok);
    QTest::mouseClick(tabs, Qt::LeftButton, {}, tabs->tabRect(4).center());
    // A stand-in for the section the profile drawing puts there.
    VSPrinter &doc = SEV.VSPrint1;
    doc.StartDoc();
    doc.BrushStyle(0);
    doc.BrushColor(rgb(255, 200, 0));
    doc.DrawRectangle(2000, 3000, 9000, 6000);
    doc.CurrentX(2000);
    doc.CurrentY(2000);
    doc.Print("Section S10 - S14");
    doc.EndDoc();
    // As the tab dispatcher leaves the lists on the "Profile data" tab.
    SEV.cmbPercent2.ListIndex(3);
    SEV.cmbZoomMode2.ListIndex(0);
    QtUi::instance().sync_all();

    auto *mode = qobject_cast<QComboBox *>(view->widget_of("cmbZoomMode2"));
    ASSERT_NE(mode, nullptr);
    mode->setFocus();
    for (int i = 0; i < 3; ++i)
        QTest::keyClick(mode, Qt::Key_Down);
    QtUi::instance().sync_all();
    EXPECT_EQ(doc.ZoomMode(), zmWholePage);
    EXPECT_FALSE(view->widget_of("cmbPercent2")->isEnabled());

    // The page set-up dialog closed as it opened: the upright A4 label.
    testing::when_dialog_opens([](QDialog &d) { d.accept(); });
    QTest::mouseClick(view->widget_of("cmdPageSetup2"), Qt::LeftButton);
    EXPECT_EQ(SEV.Label18.Caption(), "Paper size=  297 /  210");
    // Turned to landscape in the same dialog: height and width change places.
    testing::when_dialog_opens([](QDialog &d) {
        for (QRadioButton *b : d.findChildren<QRadioButton *>())
            if (b->text().remove(u'&') == "Landscape")
                b->click();
        d.accept();
    });
    QTest::mouseClick(view->widget_of("cmdPageSetup2"), Qt::LeftButton);
    EXPECT_EQ(SEV.Label18.Caption(), "Paper size=  210 /  297");
    EXPECT_EQ(doc.Orientation(), orLandscape);
    EXPECT_EQ(SEV.VSPrint.Orientation(), orPortrait);
    ASSERT_TRUE(shot("profile-page"));

    const QString wmf = temp.path() + "/S12profil.wmf";
    testing::when_dialog_opens([wmf](QDialog &d) {
        auto *in = qobject_cast<QInputDialog *>(&d);
        ASSERT_NE(in, nullptr);
        EXPECT_EQ(in->textValue(), wmf);
        testing::answer_box(QMessageBox::Ok);
        in->accept();
    });
    QTest::mouseClick(view->widget_of("Command16"), Qt::LeftButton);
    ASSERT_TRUE(QFile::exists(wmf));
    if (const char *keep = std::getenv("OHMIRA_QT_SHOTS"))
        QFile::copy(wmf, QString::fromLocal8Bit(keep) + "/S12profil.wmf");

    QGuiApplication::clipboard()->setText("old");
    QTest::mouseClick(view->widget_of("Command15"), Qt::LeftButton);
    const QMimeData *data = QGuiApplication::clipboard()->mimeData();
    ASSERT_NE(data, nullptr);
    EXPECT_TRUE(data->hasFormat("image/x-wmf"));
    EXPECT_FALSE(data->hasText());
    view->close();
}

TEST_F(SheetPage, PlotCopiedFromTheMenuPastesAsAPicture) {
    show_window();
    Draw_Mode = "NORMAL";
    Draw_Bilog_Frame();
    Compute_Curve();
    Draw_Mode = "";
    QtUi::instance().sync_all();
    QAction *copy = view->action_of("CopyClipBoard");
    ASSERT_NE(copy, nullptr);
    testing::BoxSeen seen;
    testing::answer_box(QMessageBox::Ok, &seen);
    copy->trigger();
    EXPECT_EQ(seen.text.toStdString(),
              "Your screen is now recorded in the clipbord, paste in with Crtl+C");
    const QMimeData *data = QGuiApplication::clipboard()->mimeData();
    ASSERT_NE(data, nullptr);
    const QImage pasted = QImage::fromData(data->data("image/png"), "PNG");
    ASSERT_FALSE(pasted.isNull());
    EXPECT_GT(inked(pasted), 5000);
    ASSERT_TRUE(pasted.save(shots + "/plot-clipboard.png"));
    view->close();
}

TEST(DesktopFonts, LiberationStandsForTheMeasuredFontsAndTheListIsSorted) {
    testing::app();
    EXPECT_EQ(desktop_font_names({"Liberation Serif", "DejaVu Sans", "Liberation Sans", "Arial",
                                  "Liberation Mono", "bitstream"}),
              (std::vector<std::string>{"Arial", "bitstream", "Courier New", "DejaVu Sans",
                                        "Times New Roman"}));
    EXPECT_EQ(desktop_font_names(std::vector<std::string>{}), known_font_names());
    // The program's font lists come from the desktop.
    EXPECT_EQ(Screen.FontCount(), Printer.FontCount());
    EXPECT_GT(Screen.FontCount(), 0);
}

} // namespace
} // namespace ohmira::qt
