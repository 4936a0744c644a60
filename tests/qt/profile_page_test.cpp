// The "Profile data" page as a user meets it: "Select SEV" clicked, the files chosen, the grid
// filled and ordered, a Z cell corrected in the grid's editor, the scales following; then the
// section of the five soundings drawn and rendered. Set OHMIRA_QT_SHOTS to keep the pictures.
#include "../profiles/profiles_fixture.h"
#include "app/app_state.h"
#include "app/main_frame.h"
#include "core/sounding.h"
#include "main_window_fixture.h"
#include "platform/qt/display_list_painter.h"
#include "platform/qt/form_view.h"
#include "platform/qt/grid_cell_editor.h"
#include "platform/qt/grid_widget.h"
#include "platform/qt/qt_dialog_host.h"
#include "profiles/extraction_form.h"
#include "profiles/section_drawing.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFontDatabase>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPrinterInfo>
#include <QRegularExpression>
#include <QTabBar>
#include <QTemporaryDir>

#include <set>

namespace ohmira::qt {
namespace {

using ohmira::test::qd3_text;

class ProfilePage : public testing::MainWindowTest {
protected:
    std::vector<std::string> write_line() {
        const struct {
            const char *name;
            std::vector<ohmira::test::Layer> layers;
            const char *x, *z;
            double spacing;
        } files[] = {
            {"S3.QD3", {{120, 4}, {35, 12}, {800, 0}}, "200", "118", 1000},
            {"S1.QD3", {{250, 3}, {40, 8}, {15, 20}, {600, 0}}, "0", "125", 1000},
            {"S5.QD3", {{90, 3}, {20, 6}, {300, 10}, {60, 25}, {1500, 0}}, "400", "110", 1500},
            {"S2.QD3", {{180, 2}, {30, 10}, {900, 0}}, "100", "122", 1000},
            {"S4.QD3", {{70, 2.5}, {25, 9}, {10, 18}, {1200, 0}}, "300", "115", 1200},
        };
        std::vector<std::string> paths;
        for (const auto &f : files) {
            paths.push_back(folder.write(f.name, qd3_text(f.layers, f.x, "0", f.z, f.spacing)));
        }
        return paths;
    }
    TempFolder folder;
};

TEST_F(ProfilePage, SelectEditAndDrawTheSection) {
    auto *tabs = view->widget_of("SSTab1")->findChild<QTabBar *>();
    ASSERT_NE(tabs, nullptr);
    QTest::mouseClick(tabs, Qt::LeftButton, {}, tabs->tabRect(3).center());
    ASSERT_EQ(SEV.SSTab1.Tab(), 3);

    ScriptedDialogHost host;
    DialogHostGuard guard(host);
    host.expect(answer_open(write_line()));
    auto *select = qobject_cast<QAbstractButton *>(view->widget_of("Command2"));
    ASSERT_NE(select, nullptr);
    EXPECT_EQ(select->text(), "Select SEV");
    QTest::mouseClick(select, Qt::LeftButton);
    ASSERT_TRUE(host.failures().empty()) << host.failures()[0];
    ASSERT_EQ(SEV.SEV_Grid.Rows(), 6);
    EXPECT_EQ(SEV.SEV_Grid.TextMatrix(1, 1), "S1.QD3");
    EXPECT_EQ(SEV.SEV_Grid.TextMatrix(5, 6), "400");
    EXPECT_EQ(Profile_Top_Alt, 140);
    ASSERT_TRUE(shot(view, "profile-data"));

    // Correct the altitude of the first sounding in the grid: the scales follow.
    auto *grid = qobject_cast<GridWidget *>(view->widget_of("SEV_Grid"));
    ASSERT_NE(grid, nullptr);
    QTest::mouseDClick(grid->viewport(), Qt::LeftButton, {}, grid->cell_rect(1, 4).center());
    auto *editor = grid->findChild<GridCellEditor *>();
    ASSERT_NE(editor, nullptr);
    ASSERT_TRUE(editor->isVisible());
    EXPECT_EQ(editor->text(), "125");
    QTest::keyClicks(editor, "205");
    QTest::keyClick(editor, Qt::Key_Return);
    EXPECT_FALSE(editor->isVisible());
    EXPECT_EQ(SEV.SEV_Grid.TextMatrix(1, 4), "205");
    EXPECT_EQ(Profile_Top_Alt, 220);

    // The name column is not editable: the editor does not open there.
    QTest::mouseDClick(grid->viewport(), Qt::LeftButton, {}, grid->cell_rect(2, 1).center());
    EXPECT_FALSE(editor->isVisible());
    // Typing on the Z cell opens it with the typed text; Escape drops it.
    SEV.SEV_Grid.Row(1);
    SEV.SEV_Grid.Col(4);
    grid->setFocus();
    QTest::keyClick(grid, Qt::Key_1);
    ASSERT_TRUE(editor->isVisible());
    EXPECT_EQ(editor->text(), "1");
    QTest::keyClick(editor, Qt::Key_Escape);
    EXPECT_EQ(SEV.SEV_Grid.TextMatrix(1, 4), "205");
    QTest::mouseDClick(grid->viewport(), Qt::LeftButton, {}, grid->cell_rect(1, 4).center());
    QTest::keyClicks(editor, "125");
    QTest::keyClick(editor, Qt::Key_Return);
    EXPECT_EQ(Profile_Top_Alt, 140);

    // A distance typed, then a click elsewhere: the cell keeps it, the focus stays there.
    QTest::mouseDClick(grid->viewport(), Qt::LeftButton, {}, grid->cell_rect(5, 6).center());
    ASSERT_TRUE(editor->isVisible());
    QTest::keyClicks(editor, "1000");
    auto *title = qobject_cast<QLineEdit *>(view->widget_of("Text10"));
    ASSERT_NE(title, nullptr);
    title->setFocus(Qt::MouseFocusReason);
    EXPECT_FALSE(editor->isVisible());
    EXPECT_EQ(SEV.SEV_Grid.TextMatrix(5, 6), "1000");
    EXPECT_EQ(SEV.Text5.Text(), "4000");
    EXPECT_TRUE(title->hasFocus());
    ASSERT_TRUE(shot(view, "profile-data-edited"));
    SEV.Command9.user_click(); // distances back from the coordinates

    // The section: five soundings of 3 to 5 layers with names, correlation lines and legend.
    SEV.Text10.Text("Line A - VES 1 to 5");
    SEV.Text14.Text("5000"); // fits the page
    SEV.Check5.Value(1);
    Trace_Profil();
    ASSERT_TRUE(host.failures().empty()) << host.failures()[0];
    ASSERT_EQ(SEV.VSPrint1.PageCount(), 1);
    const DisplayList page = SEV.VSPrint1.page_picture(1);
    ASSERT_TRUE(render_display_list_png(page, SEV.VSPrint1.PageWidth(), SEV.VSPrint1.PageHeight(),
                                        (shots + "/section.png").toStdString(), 150));
    QTest::mouseClick(tabs, Qt::LeftButton, {}, tabs->tabRect(4).center());
    QtUi::instance().sync_all();
    ASSERT_TRUE(shot(view, "profile-section-tab"));
}

// A desktop family chosen in the section page's font list draws the section, and the PDF
// printed from the page embeds it; the PDF dialog proposes the sounding's name.
TEST_F(ProfilePage, TheSectionIsPrintedInTheFontChosenInItsList) {
    if (!QPrinterInfo::availablePrinters().isEmpty())
        GTEST_SKIP() << "a printer is installed: jobs go to it, not to a PDF file";
    if (!QFontDatabase::families().contains("DejaVu Serif"))
        GTEST_SKIP() << "DejaVu Serif is not installed";
    ScriptedDialogHost host;
    DialogHostGuard guard(host);
    host.expect(answer_open(write_line()));
    QTest::mouseClick(view->widget_of("Command2"), Qt::LeftButton);
    ASSERT_EQ(SEV.SEV_Grid.Rows(), 6);
    SEV.Text14.Text("5000"); // fits the page
    File_Name = "S3.QD3";
    auto *tabs = view->widget_of("SSTab1")->findChild<QTabBar *>();
    QTest::mouseClick(tabs, Qt::LeftButton, {}, tabs->tabRect(4).center());
    QtUi::instance().sync_all();
    ASSERT_EQ(SEV.VSPrint1.PageCount(), 1);

    // A name that is no family, typed and ended with Enter, is answered with the first family
    // (Enter stays in the list: the Main page's default button is not on this page).
    auto *fonts = qobject_cast<QComboBox *>(view->widget_of("ListePolices2"));
    ASSERT_NE(fonts, nullptr);
    SEV.Computation.Default(true); // as a visit of the Main page leaves it
    fonts->lineEdit()->selectAll();
    QTest::keyClicks(fonts->lineEdit(), "No Such Face");
    QTest::keyClick(fonts->lineEdit(), Qt::Key_Return);
    QtUi::instance().sync_all();
    EXPECT_EQ(fonts->lineEdit()->text(), fonts->itemText(0));
    EXPECT_EQ(SEV.VSPrint1.FontName(), fonts->itemText(0).toStdString());
    // A desktop family typed under its own name is taken, as the entry that stands for it.
    fonts->lineEdit()->selectAll();
    QTest::keyClicks(fonts->lineEdit(), "Liberation Mono");
    QTest::keyClick(fonts->lineEdit(), Qt::Key_Return);
    QtUi::instance().sync_all();
    EXPECT_EQ(fonts->lineEdit()->text(), "Courier New");
    EXPECT_EQ(SEV.VSPrint1.FontName(), "Courier New");

    // The list holds the desktop's families; one is picked from its open list.
    const int k = fonts->findText("DejaVu Serif");
    ASSERT_GE(k, 0);
    fonts->showPopup();
    QAbstractItemView *list = fonts->view();
    const QModelIndex item = list->model()->index(k, 0);
    list->scrollTo(item);
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualRect(item).center());
    QtUi::instance().sync_all();
    EXPECT_EQ(SEV.VSPrint1.FontName(), "DejaVu Serif");
    std::set<std::string> drawn;
    for (const TextOp &t : SEV.VSPrint1.pages().at(0).texts())
        drawn.insert(t.font.name);
    EXPECT_EQ(drawn, std::set<std::string>{"DejaVu Serif"});
    ASSERT_TRUE(shot(view, "section-font"));

    const std::string pdf = folder.path() + "/section.pdf";
    host.expect(answer_save(pdf));
    host.expect(ohmira::answer_box(vbOK)); // the file written, named
    QTest::mouseClick(view->widget_of("Command14"), Qt::LeftButton);
    ASSERT_TRUE(host.failures().empty()) << host.failures()[0];
    EXPECT_EQ(host.records().back().text, "PDF file written: " + pdf);
    // Proposed under the section's name, not the current sounding's (S3), whose sheet it is.
    EXPECT_EQ(host.records()[host.records().size() - 2].default_text, "S1-S5.pdf");
    QFile f(QString::fromStdString(pdf));
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    const QByteArray bytes = f.readAll();
    // Every font of the file is the family chosen (regular and bold), embedded with its file.
    QStringList families;
    auto it = QRegularExpression("/BaseFont */(?:[A-Z]{6}\\+)?([A-Za-z-]+)")
                  .globalMatch(QString::fromLatin1(bytes));
    while (it.hasNext())
        families << it.next().captured(1);
    EXPECT_FALSE(families.isEmpty());
    for (const QString &family : families)
        EXPECT_TRUE(family.startsWith("DejaVuSerif")) << family.toStdString();
    EXPECT_TRUE(bytes.contains("/FontFile2"));
}

// Files and boxes answered from the script; modal forms shown as real dialogs.
class ScriptWithRealForms : public ScriptedDialogHost {
public:
    void show_modal(Form &form) override { real.show_modal(form); }
    QtDialogHost real;
};

TEST_F(ProfilePage, SliceExportAsksItsParametersInARealDialog) {
    ScriptWithRealForms host;
    DialogHostGuard guard(host);
    host.expect(answer_open(write_line()));
    host.expect(ohmira::answer_box(vbYes));
    bool seen = false;
    testing::when_dialog_opens([&](QDialog &d) {
        auto *form = d.findChild<FormView *>();
        if (!form)
            return;
        seen = true;
        EXPECT_EQ(d.windowTitle(), "Extraction parameter for SURFER");
        auto *by_layer = qobject_cast<QAbstractButton *>(form->widget_of("Option2"));
        auto *layer = qobject_cast<QLineEdit *>(form->widget_of("Text2"));
        auto *ok = qobject_cast<QAbstractButton *>(form->widget_of("Command1"));
        ASSERT_TRUE(by_layer && layer && ok);
        // On the indicator: a radio button takes clicks on its indicator and caption only.
        QTest::mouseClick(by_layer, Qt::LeftButton, {}, QPoint(8, by_layer->height() / 2));
        QTest::keyClicks(layer, "2");
        shot(&d, "extraction-dialog");
        QTest::mouseClick(ok, Qt::LeftButton);
    });
    QAction *item = nullptr;
    for (QAction *top : view->menu_bar()->actions())
        if (top->menu())
            for (QAction *a : top->menu()->actions())
                if (a->text().remove(u'&') == "Extraction for SURFER")
                    item = a;
    ASSERT_NE(item, nullptr);
    item->trigger();
    EXPECT_TRUE(seen);
    ASSERT_TRUE(host.failures().empty()) << host.failures()[0];
    QFile out(QString::fromStdString(folder / "Res_by_layer_2.DAT"));
    ASSERT_TRUE(out.open(QIODevice::ReadOnly));
    EXPECT_EQ(out.readAll(), "200,0,35\r\n0,0,40\r\n400,0,20\r\n100,0,30\r\n300,0,25\r\n");
}

} // namespace
} // namespace ohmira::qt
