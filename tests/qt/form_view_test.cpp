#include "platform/controls.h"
#include "platform/dialog_host.h"
#include "platform/flex_grid.h"
#include "platform/form.h"
#include "platform/image_list.h"
#include "platform/menu.h"
#include "platform/picture_box.h"
#include "platform/qt/form_view.h"
#include "platform/qt/grid_widget.h"
#include "platform/tab_strip.h"
#include "platform/toolbar.h"
#include "platform/user_feedback.h"
#include "qt_test_app.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>
#include <QTabBar>
#include <QToolBar>
#include <QToolButton>

#include <gtest/gtest.h>

namespace ohmira::qt {
namespace {

struct TestForm : Form {
    TestForm() : Form("TestForm", "Test window") { Move(0, 0, 9000, 7000); }
    MenuItem mnuFile{*this, "mnuFile", "", "&File"};
    MenuItem mnuNew{*this, "mnuNew", "mnuFile", "&New", "Ctrl+N"};
    MenuItem mnuSep{*this, "mnuSep", "mnuFile", "-"};
    MenuItem mnuOld{*this, "mnuOld", "mnuFile", "&Old", "Ctrl+O"};
    MenuItem mnuHelp{*this, "mnuHelp", "", "&Help"};
    SSTab Tabs{*this, "Tabs", 0, 0, 8800, 6500};
    Frame Frame1{*this, "Frame1", In{"Tabs", 0}, 120, 420, 4000, 3000};
    Label Label1{*this, "Label1", In{"Frame1"}, 120, 240, 1500, 255};
    TextBox Text1{*this, "Text1", In{"Frame1"}, 120, 600, 1500, 285};
    CheckBox Check1{*this, "Check1", In{"Frame1"}, 120, 1000, 1500, 255};
    OptionButton OptA{*this, "OptA", In{"Frame1"}, 120, 1300, 1500, 255};
    OptionButton OptB{*this, "OptB", In{"Frame1"}, 120, 1600, 1500, 255};
    ComboBox Combo1{*this, "Combo1", In{"Frame1"}, 120, 1950, 1500, 315};
    CommandButton Ok{*this, "Ok", In{"Tabs", 0}, 4300, 420, 1200, 375};
    FlexGrid Grid{*this, "Grid", In{"Tabs", 1}, 120, 420, 4000, 2000};
    PictureBox Pic{*this, "Pic", In{"Tabs", 0}, 4300, 1000, 3000, 3000};
    ImageList Images{*this, "Images"};
    Toolbar Tools{*this, "Tools", In{"Tabs", 1}, 120, 2600, 4000, 420};
    Slider Level{*this, "Level", In{"Tabs", 1}, 120, 3100, 2000, 420};
    ListBox Items{*this, "Items", In{"Tabs", 1}, 4300, 420, 2000, 1500};
};

class FormViewTest : public ::testing::Test {
protected:
    void SetUp() override {
        testing::app();
        f = std::make_unique<TestForm>();
        f->Tabs.Tabs(2);
        f->Tabs.TabCaption(0, "First");
        f->Tabs.TabCaption(1, "Grid");
        f->Label1.Caption("&Name:");
        f->Check1.Caption("&Check");
        f->OptA.Caption("A");
        f->OptB.Caption("B");
        f->Frame1.Caption("Things");
        f->Ok.Caption("OK");
        f->Ok.Default(true);
        f->Combo1.Style(2);
        for (const char *s : {"25%", "50%", "100%"})
            f->Combo1.AddItem(s);
        f->Grid.Rows(5);
        f->Grid.Cols(3);
        f->Show();
        view = &QtUi::instance().window_of(*f);
        QtUi::instance().sync_all();
        view->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(view));
    }
    void TearDown() override {
        delete view;
        f.reset();
    }
    template <class W> W *w(const char *name) { return qobject_cast<W *>(view->widget_of(name)); }

    std::unique_ptr<TestForm> f;
    FormView *view = nullptr;
};

TEST_F(FormViewTest, WidgetsShowTheModelsInTheirContainers) {
    auto *label = w<QLabel>("Label1");
    ASSERT_NE(label, nullptr);
    EXPECT_EQ(label->text(), "Name:");
    auto *frame = w<QGroupBox>("Frame1");
    ASSERT_NE(frame, nullptr);
    EXPECT_EQ(label->parentWidget(), frame);
    EXPECT_EQ(frame->title(), "Things");
    // Twips to pixels at the screen's logical dpi.
    const double s = frame->logicalDpiX() / 1440.0;
    EXPECT_EQ(label->geometry(),
              QRect(qRound(120 * s), qRound(240 * s), qRound(1500 * s), qRound(255 * s)));
    EXPECT_EQ(view->windowTitle(), "Test window");
    EXPECT_TRUE(w<QPushButton>("Ok")->isDefault());

    // Model changes reach the widgets on the next sync.
    f->Label1.Caption("Changed");
    f->Check1.Enabled(false);
    f->Label1.ForeColor(0x0000FF);
    f->Text1.ToolTipText("tip");
    f->Frame1.Visible(false);
    QtUi::instance().sync_all();
    EXPECT_EQ(label->text(), "Changed");
    EXPECT_FALSE(w<QCheckBox>("Check1")->isEnabled());
    EXPECT_EQ(label->palette().color(QPalette::WindowText), QColor(255, 0, 0));
    EXPECT_EQ(w<QLineEdit>("Text1")->toolTip(), "tip");
    EXPECT_FALSE(frame->isVisible());
}

TEST_F(FormViewTest, TabClicksSelectPagesAndShowTheirControls) {
    int clicks = 0;
    f->Tabs.Click = [&] { ++clicks; };
    auto *tabs = view->widget_of("Tabs")->findChild<QTabBar *>();
    ASSERT_NE(tabs, nullptr);
    EXPECT_TRUE(w<QGroupBox>("Frame1")->isVisible());
    EXPECT_FALSE(view->widget_of("Grid")->isVisible());
    QTest::mouseClick(tabs, Qt::LeftButton, {}, tabs->tabRect(1).center());
    EXPECT_EQ(f->Tabs.Tab(), 1);
    EXPECT_EQ(clicks, 1);
    EXPECT_TRUE(view->widget_of("Grid")->isVisible());
    EXPECT_FALSE(w<QGroupBox>("Frame1")->isVisible());
    // From code: the strip follows, and no second Click comes from the widget.
    f->Tabs.Tab(0);
    QtUi::instance().sync_all();
    EXPECT_EQ(clicks, 2);
    EXPECT_EQ(tabs->currentIndex(), 0);
}

TEST_F(FormViewTest, UserActionsFireEachEventOnce) {
    int check_clicks = 0, a_clicks = 0, b_clicks = 0, combo_clicks = 0, changes = 0;
    f->Check1.Click = [&] { ++check_clicks; };
    f->OptA.Click = [&] { ++a_clicks; };
    f->OptB.Click = [&] { ++b_clicks; };
    f->Combo1.Click = [&] { ++combo_clicks; };
    f->Text1.Change = [&] { ++changes; };

    QTest::mouseClick(w<QCheckBox>("Check1"), Qt::LeftButton, {}, QPoint(8, 8));
    EXPECT_EQ(f->Check1.Value(), vbChecked);
    EXPECT_EQ(check_clicks, 1);
    f->Check1.Value(vbUnchecked); // from code: one Click, and the widget follows silently
    QtUi::instance().sync_all();
    EXPECT_EQ(check_clicks, 2);
    EXPECT_FALSE(w<QCheckBox>("Check1")->isChecked());

    const QPoint on_button(8, 8); // on the circle
    QTest::mouseClick(w<QRadioButton>("OptA"), Qt::LeftButton, {}, on_button);
    QTest::mouseClick(w<QRadioButton>("OptB"), Qt::LeftButton, {}, on_button);
    EXPECT_EQ(a_clicks, 1);
    EXPECT_EQ(b_clicks, 1);
    EXPECT_FALSE(f->OptA.Value());
    EXPECT_TRUE(f->OptB.Value());
    EXPECT_FALSE(w<QRadioButton>("OptA")->isChecked());
    // A click on the option that is on raises Click again and keeps it on.
    QTest::mouseClick(w<QRadioButton>("OptB"), Qt::LeftButton, {}, on_button);
    EXPECT_EQ(b_clicks, 2);
    EXPECT_TRUE(w<QRadioButton>("OptB")->isChecked());

    auto *combo = w<QComboBox>("Combo1");
    f->Combo1.ListIndex(2);
    QtUi::instance().sync_all();
    EXPECT_EQ(combo->currentIndex(), 2);
    EXPECT_EQ(combo_clicks, 1);
    emit combo->activated(1); // the user picks "50%"
    EXPECT_EQ(f->Combo1.ListIndex(), 1);
    EXPECT_EQ(f->Combo1.Text(), "50%");
    EXPECT_EQ(combo_clicks, 2);

    auto *text = w<QLineEdit>("Text1");
    text->setFocus();
    QTest::keyClicks(text, "ab");
    EXPECT_EQ(f->Text1.Text(), "ab");
    EXPECT_EQ(changes, 2);
    f->Text1.Text("xyz");
    QtUi::instance().sync_all();
    EXPECT_EQ(text->text(), "xyz");
    EXPECT_EQ(changes, 3);
}

TEST_F(FormViewTest, KeyPressMayCancelOrReplaceTypedCharacters) {
    std::vector<int> downs;
    f->Text1.KeyDown = [&](int &code, int) { downs.push_back(code); };
    f->Text1.KeyPress = [](int &c) {
        if (c == 'x')
            c = 0; // refused
        else if (c >= 'a' && c <= 'z')
            c -= 32; // upper case
    };
    auto *text = w<QLineEdit>("Text1");
    text->setFocus();
    QTest::keyClicks(text, "axb");
    EXPECT_EQ(f->Text1.Text(), "AB");
    EXPECT_EQ(text->text(), "AB");
    EXPECT_EQ(downs, (std::vector<int>{'A', 'X', 'B'}));
}

TEST_F(FormViewTest, EnterClicksTheDefaultButtonAndShortcutsChooseMenuItems) {
    int ok = 0, created = 0, old = 0;
    f->Ok.Click = [&] { ++ok; };
    f->mnuNew.Click = [&] { ++created; };
    f->mnuOld.Click = [&] { ++old; };
    auto *text = w<QLineEdit>("Text1");
    text->setFocus();
    QTest::keyClick(text, Qt::Key_Return);
    EXPECT_EQ(ok, 1);
    EXPECT_TRUE(text->hasFocus());
    QTest::keyClick(text, Qt::Key_N, Qt::ControlModifier);
    EXPECT_EQ(created, 1);
    f->mnuOld.Enabled(false);
    QtUi::instance().sync_all();
    QTest::keyClick(text, Qt::Key_O, Qt::ControlModifier);
    EXPECT_EQ(old, 0);

    // The menu tree: captions with access keys, shortcut shown, state followed.
    QMenuBar *bar = view->menu_bar();
    ASSERT_EQ(bar->actions().size(), 2);
    EXPECT_EQ(bar->actions()[0]->text(), "&File");
    QMenu *file = bar->actions()[0]->menu();
    ASSERT_NE(file, nullptr);
    ASSERT_EQ(file->actions().size(), 3);
    EXPECT_EQ(file->actions()[0]->text(), "&New\tCtrl+N");
    EXPECT_TRUE(file->actions()[1]->isSeparator());
    EXPECT_FALSE(file->actions()[2]->isEnabled());
    EXPECT_EQ(bar->actions()[1]->menu(), nullptr); // a command on the bar itself
    f->mnuNew.Checked(true);
    QtUi::instance().sync_all();
    EXPECT_TRUE(file->actions()[0]->isChecked());
    file->actions()[0]->trigger();
    EXPECT_EQ(created, 2);
}

TEST_F(FormViewTest, GridKeysAndClicksGoToTheModel) {
    f->Tabs.Tab(1);
    QtUi::instance().sync_all();
    auto *grid = qobject_cast<GridWidget *>(view->widget_of("Grid"));
    ASSERT_NE(grid, nullptr);
    std::string typed;
    int clicks = 0;
    f->Grid.KeyPress = [&](int &c) {
        typed += static_cast<char>(c);
        f->Grid.Text(f->Grid.Text() + static_cast<char>(c));
    };
    f->Grid.Click = [&] { ++clicks; };
    QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, grid->cell_rect(2, 1).center());
    EXPECT_EQ(clicks, 1);
    EXPECT_EQ(f->Grid.Row(), 2);
    EXPECT_EQ(f->Grid.Col(), 1);
    EXPECT_TRUE(grid->hasFocus());
    QTest::keyClicks(grid, "12");
    EXPECT_EQ(typed, "12");
    EXPECT_EQ(f->Grid.TextMatrix(2, 1), "12");
    QTest::keyClick(grid, Qt::Key_Down);
    QTest::keyClick(grid, Qt::Key_Right);
    EXPECT_EQ(f->Grid.Row(), 3);
    EXPECT_EQ(f->Grid.Col(), 2);
    // A KeyDown handler that cancels keeps the cell.
    f->Grid.KeyDown = [](int &code, int) { code = 0; };
    QTest::keyClick(grid, Qt::Key_Up);
    EXPECT_EQ(f->Grid.Row(), 3);
}

TEST_F(FormViewTest, KeysSentByTheProgramArriveAfterTheEvent) {
    f->Tabs.Tab(1);
    QtUi::instance().sync_all();
    auto *grid = qobject_cast<GridWidget *>(view->widget_of("Grid"));
    f->Grid.Row(3);
    QtUi::instance().sync_all();
    grid->setFocus();
    int sent = 0;
    f->Grid.KeyPress = [&](int &) {
        ++sent;
        SendKeys("{UP}");
    };
    QTest::keyClicks(grid, "5");
    EXPECT_EQ(f->Grid.Row(), 3); // not yet: the key is queued
    QApplication::processEvents();
    EXPECT_EQ(f->Grid.Row(), 2);
    EXPECT_EQ(sent, 1);
}

TEST_F(FormViewTest, PictureMouseEventsArriveInUserUnits) {
    ASSERT_TRUE(f->Pic.Scale(0, 100, 100, 0)); // y upwards
    std::vector<std::pair<double, double>> downs;
    int moves = 0;
    f->Pic.MouseDown = [&](int button, int, double x, double y) {
        EXPECT_EQ(button, vbLeftButton);
        downs.emplace_back(x, y);
    };
    f->Pic.MouseMove = [&](int, int, double, double) { ++moves; };
    QWidget *pic = view->widget_of("Pic");
    // From another point first: a move to where the pointer already is (left there by an
    // earlier test) is no move.
    QTest::mouseMove(pic, QPoint(pic->width() / 2, pic->height() / 2));
    QTest::mouseMove(pic, QPoint(pic->width() / 4, pic->height() / 4));
    QTest::mouseClick(pic, Qt::LeftButton, {}, QPoint(pic->width() / 4, pic->height() / 4));
    ASSERT_EQ(downs.size(), 1u);
    EXPECT_NEAR(downs[0].first, 25, 1.5);
    EXPECT_NEAR(downs[0].second, 75, 1.5);
    EXPECT_GE(moves, 1);

    // Its drawing is painted.
    f->Pic.Line(0, 0, 100, 100, rgb(255, 0, 0), LineShape::FilledBox);
    QtUi::instance().sync_all();
    const QImage shot = pic->grab().toImage();
    EXPECT_EQ(shot.pixelColor(shot.width() / 2, shot.height() / 2), QColor(255, 0, 0));
}

TEST_F(FormViewTest, MessageBoxesAnswerWithTheButtonNumbers) {
    struct Case {
        int flags;
        QMessageBox::StandardButton press;
        int result;
        QMessageBox::Icon icon;
        QStringList buttons;
    };
    const Case cases[] = {
        {vbOKOnly | vbExclamation, QMessageBox::Ok, vbOK, QMessageBox::Warning, {"OK"}},
        {vbOKCancel | vbCritical,
         QMessageBox::Cancel,
         vbCancel,
         QMessageBox::Critical,
         {"OK", "Cancel"}},
        {vbYesNo | vbQuestion, QMessageBox::No, vbNo, QMessageBox::Question, {"Yes", "No"}},
        {vbYesNoCancel, QMessageBox::Yes, vbYes, QMessageBox::NoIcon, {"Yes", "No", "Cancel"}},
        {vbYesNoCancel | vbInformation,
         QMessageBox::Cancel,
         vbCancel,
         QMessageBox::Information,
         {"Yes", "No", "Cancel"}},
    };
    for (const Case &c : cases) {
        testing::BoxSeen seen;
        testing::answer_box(c.press, &seen);
        EXPECT_EQ(MsgBox("Line one\r\nLine two", c.flags, "Title"), c.result);
        EXPECT_EQ(seen.title, "Title");
        EXPECT_EQ(seen.text, "Line one\nLine two");
        EXPECT_EQ(seen.icon, c.icon);
        QStringList sorted = seen.buttons, want = c.buttons;
        sorted.sort();
        want.sort();
        EXPECT_EQ(sorted, want);
    }
}

TEST_F(FormViewTest, ModalFormsRunUntilHidden) {
    struct Dialog : Form {
        Dialog() : Form("Dlg", "Choose") { Move(0, 0, 4000, 2000); }
        CommandButton Close{*this, "Close", 120, 120, 1200, 375};
    } dlg;
    dlg.Close.Caption("Close");
    int loads = 0;
    dlg.Form_Load = [&] { ++loads; };
    dlg.Close.Click = [&] { dlg.Hide(); };
    testing::when_dialog_opens([](QDialog &d) {
        EXPECT_TRUE(d.isVisible());
        QTest::keyClick(&d, Qt::Key_Escape); // stays open
        EXPECT_TRUE(d.isVisible());
        auto *b = d.findChild<QPushButton *>("Close");
        ASSERT_NE(b, nullptr);
        EXPECT_EQ(b->text(), "Close");
        EXPECT_EQ(d.windowTitle(), "Choose");
        b->click();
    });
    dlg.Show(vbModal);
    EXPECT_EQ(loads, 1);
    EXPECT_FALSE(dlg.Visible());
    EXPECT_FALSE(dlg.modal());
}

TEST_F(FormViewTest, ClosingTheWindowUnloadsTheFormUnlessCancelled) {
    int asked = 0;
    f->Form_Unload = [&](int &cancel) { cancel = ++asked == 1 ? 1 : 0; };
    view->close();
    EXPECT_TRUE(f->loaded());
    EXPECT_TRUE(view->isVisible());
    view->close();
    EXPECT_FALSE(f->loaded());
    EXPECT_FALSE(view->isVisible());
    EXPECT_EQ(asked, 2);
}

} // namespace
} // namespace ohmira::qt

namespace ohmira::qt {
namespace {

TEST_F(FormViewTest, AnErrorTheProgramLeavesUnhandledIsShownAndTheWindowGoesOn) {
    f->Ok.Click = [&] { f->Grid.TextMatrix(99, 0, "x"); }; // beyond the grid
    testing::BoxSeen seen;
    testing::answer_box(QMessageBox::Ok, &seen);
    QTest::mouseClick(w<QPushButton>("Ok"), Qt::LeftButton);
    EXPECT_TRUE(seen.text.startsWith("Run-time error '381':\n\n")) << seen.text.toStdString();
    EXPECT_EQ(seen.icon, QMessageBox::Critical);
    EXPECT_TRUE(view->isVisible());
    f->Label1.Caption("still here");
    QtUi::instance().sync_all();
    EXPECT_EQ(w<QLabel>("Label1")->text(), "still here");
}

TEST_F(FormViewTest, TabFollowsTabIndexAndFocusFollowsTheProgram) {
    f->Combo1.TabIndex(0);
    f->Text1.TabIndex(1);
    f->Ok.TabIndex(2);
    QtUi::instance().sync_all();
    EXPECT_EQ(w<QLineEdit>("Text1")->nextInFocusChain(), w<QPushButton>("Ok"));
    ASSERT_TRUE(f->Ok.SetFocus());
    QtUi::instance().sync_all();
    int got = 0, lost = 0;
    f->Text1.GotFocus = [&] { ++got; };
    f->Text1.LostFocus = [&] { ++lost; };
    ASSERT_TRUE(f->Text1.SetFocus());
    QtUi::instance().sync_all();
    EXPECT_TRUE(w<QLineEdit>("Text1")->hasFocus());
    EXPECT_EQ(got, 1);                // from the program, not again from the widget
    w<QPushButton>("Ok")->setFocus(); // the user moves on
    EXPECT_EQ(f->ActiveControl(), &f->Ok);
    EXPECT_EQ(lost, 1);
}

} // namespace
} // namespace ohmira::qt

namespace ohmira::qt {
namespace {

TEST_F(FormViewTest, KeysInABoxOverTheFormStayInTheBox) {
    int ok = 0;
    f->Ok.Click = [&] { ++ok; };
    testing::when_dialog_opens([](QDialog &d) {
        QWidget *target = d.focusWidget() ? d.focusWidget() : &d;
        QTest::keyClick(target, Qt::Key_Return);
    });
    EXPECT_EQ(MsgBox("Save?", vbYesNo), vbYes); // Enter takes the first button
    EXPECT_EQ(ok, 0);
}

} // namespace
} // namespace ohmira::qt

namespace ohmira::qt {
namespace {

TEST_F(FormViewTest, ToolbarSliderAndListPassTheUserOn) {
    f->Tools.ImageList("Images");
    f->Images.Add("open", "/nonexistent/open.xpm");
    ToolbarButton *open = f->Tools.Buttons.Add("open", tbrDefault, "open");
    f->Tools.Buttons.Add("", tbrSeparator);
    ToolbarButton *stop = f->Tools.Buttons.Add("stop");
    open->ToolTipText("Open File");
    stop->Enabled(false);
    std::vector<std::string> pressed;
    f->Tools.ButtonClick = [&](ToolbarButton &b) { pressed.push_back(b.Key()); };
    f->Level.Max(10);
    int scrolls = 0, changes = 0;
    f->Level.Scroll = [&] { ++scrolls; };
    f->Level.Change = [&] { ++changes; };
    for (const char *s : {"one", "two", "three"})
        f->Items.AddItem(s);
    int item_clicks = 0;
    f->Items.Click = [&] { ++item_clicks; };
    f->Tabs.Tab(1);
    QtUi::instance().sync_all();

    auto *bar = w<QToolBar>("Tools");
    ASSERT_NE(bar, nullptr);
    const QList<QAction *> actions = bar->actions();
    ASSERT_EQ(actions.size(), 3);
    EXPECT_TRUE(actions[1]->isSeparator());
    EXPECT_EQ(actions[0]->toolTip(), "Open File");
    EXPECT_EQ(actions[0]->text(), "open"); // no picture found: the key stands in
    EXPECT_FALSE(actions[2]->isEnabled());
    QTest::mouseClick(bar->widgetForAction(actions[0]), Qt::LeftButton);
    EXPECT_EQ(pressed, (std::vector<std::string>{"open"}));

    auto *slider = w<QSlider>("Level");
    ASSERT_NE(slider, nullptr);
    slider->triggerAction(QAbstractSlider::SliderPageStepAdd); // the user pages the slider
    EXPECT_EQ(f->Level.Value(), 5);
    EXPECT_EQ(scrolls, 1);
    EXPECT_EQ(changes, 1);
    f->Level.Value(2); // from code: Change once, the slider follows silently
    QtUi::instance().sync_all();
    EXPECT_EQ(slider->value(), 2);
    EXPECT_EQ(changes, 2);
    EXPECT_EQ(scrolls, 1);

    auto *list = w<QListWidget>("Items");
    ASSERT_NE(list, nullptr);
    ASSERT_EQ(list->count(), 3);
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                      list->visualItemRect(list->item(1)).center());
    EXPECT_EQ(f->Items.ListIndex(), 1);
    EXPECT_EQ(item_clicks, 1);
    f->Items.RemoveItem(0);
    QtUi::instance().sync_all();
    EXPECT_EQ(list->count(), 2);
    EXPECT_EQ(list->currentRow(), 0);
    EXPECT_EQ(item_clicks, 1);
}

} // namespace
} // namespace ohmira::qt
