// The Setup tab as a user meets it: the language and the plot window chosen in the lists, a box
// ticked, a colour picked in the colour dialog, OK pressed; then the main tab's plot and captions.
// Set OHMIRA_QT_SHOTS to a folder to keep the pictures.
#include "app/app_state.h"
#include "app/main_frame.h"
#include "app/setup_tab.h"
#include "core/language.h"
#include "core/sounding.h"
#include "form/settings_values.h"
#include "form/sev_form.h"
#include "main_window_fixture.h"
#include "platform/qt/form_view.h"

#include <QCheckBox>
#include <QColorDialog>
#include <QComboBox>
#include <QDir>
#include <QLineEdit>
#include <QPushButton>
#include <QTabBar>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace ohmira::qt {
namespace {

class SetupTabWindow : public testing::MainWindowTest {
protected:
    SetupTabWindow() { shown_at_start = false; } // start() shows it

    // What start-up does for the Setup tab: language list, swatches, lists and captions.
    void start(bool french) {
        Lang_French = french;
        Lang_English = !french;
        for (const char *item : {"Français", "Deutsch", "Español", "English"})
            SEV.Combo6.AddItem(item);
        SEV.Combo6.Text(french ? "Français" : "English");
        SEV.Picture1.BackColor(static_cast<int>(Curve_Color.num()));
        SEV.Picture2.BackColor(static_cast<int>(Points_Color.num()));
        SEV.Picture3.BackColor(static_cast<int>(Grid_Color.num()));
        SEV.Picture4.BackColor(static_cast<int>(Model_Color.num()));
        SEV.Picture5.BackColor(static_cast<int>(Error_Color.num()));
        SEV.Text16.BackColor(static_cast<int>(Superposed_Color.num()));
        SEV.BuildGrid.Cols(7);
        SEV.BuildGrid.Rows(3);
        Niveau = "0";
        Load_parameter();
        show_window();
        tabs = view->widget_of("SSTab1")->findChild<QTabBar *>();
        ASSERT_NE(tabs, nullptr);
        QTest::mouseClick(tabs, Qt::LeftButton, {}, tabs->tabRect(2).center());
        ASSERT_EQ(SEV.SSTab1.Tab(), 2);
    }
    template <typename W> W *widget(const char *name) {
        auto *w = qobject_cast<W *>(view->widget_of(name));
        EXPECT_NE(w, nullptr) << name;
        return w;
    }
    // Moves a list to the item with the keyboard, as a user does.
    void pick(const char *combo, const QString &item) {
        auto *w = widget<QComboBox>(combo);
        const int target = w->findText(item);
        ASSERT_GE(target, 0) << combo;
        w->setFocus();
        while (w->currentIndex() != target)
            QTest::keyClick(w, w->currentIndex() < target ? Qt::Key_Down : Qt::Key_Up);
    }
    QTabBar *tabs = nullptr;
};

TEST_F(SetupTabWindow, LanguagePlotWindowAndColourAppliedByOk) {
    start(false);
    EXPECT_EQ(widget<QCheckBox>("RMSB")->text(), "Graphic representation of adjustment error");
    ASSERT_TRUE(shot(view, "setup-english"));

    pick("Combo6", "Français");
    EXPECT_TRUE(Lang_French);
    EXPECT_EQ(Langue, "F");
    pick("Combo2", "    1000");
    pick("Combo4", "100000");
    QCheckBox *rmsb = widget<QCheckBox>("RMSB");
    QTest::mouseClick(rmsb, Qt::LeftButton, {}, QPoint(8, rmsb->height() / 2));
    EXPECT_EQ(SEV.RMSB.Value(), vbChecked);

    // The curve colour: the dialog opens on the current colour; green is chosen.
    QColor opened;
    testing::when_dialog_opens([&](QDialog &d) {
        auto *dlg = qobject_cast<QColorDialog *>(&d);
        ASSERT_NE(dlg, nullptr);
        opened = dlg->currentColor();
        EXPECT_EQ(dlg->windowTitle(), "Ohmira Curve color selection");
        dlg->setCurrentColor(QColor(0, 160, 0));
        dlg->accept();
    });
    QTest::mouseClick(widget<QPushButton>("Command12"), Qt::LeftButton);
    EXPECT_EQ(opened, QColor(255, 0, 0));
    EXPECT_EQ(Curve_Color.num(), 160 * 256);
    EXPECT_EQ(SEV.Picture1.BackColor(), 160 * 256);

    // OK ends with the compute command, whose own messages (an empty model) are answered.
    QStringList told;
    QTimer answerer;
    QObject::connect(&answerer, &QTimer::timeout, [&] {
        if (auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget())) {
            told << box->text();
            box->accept();
        }
    });
    answerer.start(20);
    const std::size_t before = SEV.Bilog.picture().size();
    QTest::mouseClick(widget<QPushButton>("Command11"), Qt::LeftButton);
    answerer.stop();
    EXPECT_FALSE(told.join("|").contains("plot window")) << told.join("|").toStdString();
    QtUi::instance().sync_all();
    EXPECT_EQ(AB2max, 3);
    EXPECT_EQ(RHOmax, 5);
    EXPECT_EQ(Draw_RMS, 1);
    EXPECT_EQ(Niveau, "0");
    EXPECT_EQ(SEV.Text4.Text(), "Schlumberger");
    EXPECT_EQ(widget<QLineEdit>("Text4")->text(), "Schlumberger");
    EXPECT_EQ(SEV.BuildGrid.TextMatrix(0, 2), "AB/2");
    EXPECT_GT(SEV.Bilog.picture().size(), 0u);
    EXPECT_NE(SEV.Bilog.picture().size(), before == 0 ? std::size_t{1} << 30 : std::size_t{0});
    ASSERT_TRUE(shot(view, "setup-after-ok"));

    QTest::mouseClick(tabs, Qt::LeftButton, {}, tabs->tabRect(0).center());
    QtUi::instance().sync_all();
    ASSERT_TRUE(shot(view, "main-after-ok"));
    view->close();
}

TEST_F(SetupTabWindow, FrenchCaptionsAndHints) {
    start(true);
    EXPECT_EQ(widget<QCheckBox>("représent_modèle")->text(), "Représentation graphique du modèle");
    EXPECT_EQ(widget<QCheckBox>("garder_config")->text(), "Garder la configuration en sortant");
    ASSERT_TRUE(shot(view, "setup-french"));

    QWidget *swatch = view->widget_of("Picture5");
    ASSERT_NE(swatch, nullptr);
    QTest::mouseMove(swatch, swatch->rect().center());
    QTRY_COMPARE(SEV.Text1.Text(), std::string("Entrer un nouveau fichier"));
    view->close();
}

} // namespace
} // namespace ohmira::qt
