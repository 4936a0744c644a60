#include "platform/qt/control_views.h"

#include "platform/app_info.h"
#include "platform/controls.h"
#include "platform/cp1252.h"
#include "platform/files.h"
#include "platform/flex_grid.h"
#include "platform/form.h"
#include "platform/image_list.h"
#include "platform/picture_box.h"
#include "platform/qt/grid_cell_editor.h"
#include "platform/qt/grid_widget.h"
#include "platform/qt/picture_widget.h"
#include "platform/qt/preview_widget.h"
#include "platform/qt/qt_convert.h"
#include "platform/qt/qt_ui.h"
#include "platform/qt/tab_strip_widget.h"
#include "platform/tab_strip.h"
#include "platform/toolbar.h"

#include <QAbstractItemView>
#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QFileInfo>
#include <QGroupBox>
#include <QIcon>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QSlider>
#include <QStyle>
#include <QTabBar>
#include <QToolBar>

#include <map>

namespace ohmira::qt {

namespace {
constexpr int face_colour = 0xF0F0F0;
}

// --- the common part ------------------------------------------------------------------------

ControlView::ControlView(Control &control, QWidget *widget) : control_(control) {
    set_widget(widget);
}

ControlView::~ControlView() {
    if (widget_) {
        QtUi::instance().unregister_widget(widget_);
        delete widget_.data();
    }
}

void ControlView::set_widget(QWidget *w) {
    widget_ = w;
    if (!w)
        return;
    w->setObjectName(qstr(control_.Name()));
    w->setMouseTracking(true);
    QtUi::instance().register_widget(w, this);
}

void ControlView::sync(bool force) {
    if (synced_ && !force && control_.revision() == revision_)
        return;
    synced_ = true;
    revision_ = control_.revision();
    if (!widget_)
        return;
    const QSignalBlocker block(widget_);
    apply_common();
    sync_state();
}

void ControlView::apply_common() {
    QWidget *w = widget_;
    const Control &c = control_;
    w->setGeometry(twips_to_px(c.Left()), twips_to_px(c.Top()), twips_to_px(c.Width()),
                   twips_to_px(c.Height()));
    w->setEnabled(c.Enabled());
    w->setFont(to_qfont(c.Font()));
    w->setToolTip(qstr(c.ToolTipText()));
    if (c.MousePointer() == vbDefault)
        w->unsetCursor();
    else
        w->setCursor(cursor_shape(c.MousePointer()));
    QPalette pal = w->palette();
    // Controls in the face colour take their container's background, so that they blend with it;
    // another colour is painted.
    const bool face = back_role() == QPalette::Window && c.BackColor() == face_colour;
    if (back_role() == QPalette::Window)
        w->setAutoFillBackground(!face);
    if (!face)
        pal.setColor(back_role(), win_colour(c.BackColor()));
    // Disabled text keeps the style's grey.
    pal.setColor(QPalette::Active, fore_role(), win_colour(c.ForeColor()));
    pal.setColor(QPalette::Inactive, fore_role(), win_colour(c.ForeColor()));
    w->setPalette(pal);
    w->setVisible(c.Visible());
}

bool ControlView::key_press(QKeyEvent &e) {
    Control &c = control_;
    if (!c.Enabled() || e.key() == Qt::Key_Tab || e.key() == Qt::Key_Backtab)
        return false;
    int code = key_code_of(e.key());
    if (code != 0 && c.KeyDown) {
        c.KeyDown(code, shift_flags_of(e.modifiers()));
        if (code == 0)
            return true;
    }
    const int ascii = key_ascii_of(e);
    if (ascii != 0 && c.KeyPress) {
        int typed = ascii;
        c.KeyPress(typed);
        if (typed == 0)
            return true;
        if (typed != ascii)
            return type_replacement(typed);
    }
    return false;
}

void ControlView::mouse(QMouseEvent &e, QPointF pos) {
    Control &c = control_;
    const double x = px_to_twips(pos.x()), y = px_to_twips(pos.y());
    const int shift = shift_flags_of(e.modifiers());
    switch (e.type()) {
    case QEvent::MouseButtonPress:
        pressed_ = true;
        c.user_mouse_down(button_flags_of(e.button()), shift, x, y);
        break;
    case QEvent::MouseButtonRelease:
        c.user_mouse_up(button_flags_of(e.button()), shift, x, y);
        if (pressed_ && click_on_release() && widget_ && widget_->rect().contains(pos.toPoint()))
            c.user_click();
        pressed_ = false;
        break;
    case QEvent::MouseMove:
        c.user_mouse_move(button_flags_of(e.buttons()), shift, x, y);
        break;
    case QEvent::MouseButtonDblClick:
        c.user_double_click();
        break;
    default:
        break;
    }
}

namespace {

void run(const std::function<void()> &f) {
    QtUi::instance().run(f);
}

// --- simple controls --------------------------------------------------------------------------

class LabelView : public ControlView {
public:
    LabelView(Label &l, QWidget *parent) : ControlView(l, new QLabel(parent)), label_(l) {
        auto *w = static_cast<QLabel *>(widget());
        w->setWordWrap(true);
        w->setTextFormat(Qt::PlainText);
    }

protected:
    void sync_state() override {
        auto *w = static_cast<QLabel *>(widget());
        w->setText(strip_access_keys(label_.Caption()));
        const Qt::Alignment h = label_.Alignment() == 1   ? Qt::AlignRight
                                : label_.Alignment() == 2 ? Qt::AlignHCenter
                                                          : Qt::AlignLeft;
        w->setAlignment(h | Qt::AlignTop);
    }
    bool click_on_release() const override { return true; }

private:
    Label &label_;
};

class TextBoxView : public ControlView {
public:
    TextBoxView(TextBox &t, QWidget *parent) : ControlView(t, nullptr), text_(t) {
        if (t.MultiLine()) {
            auto *w = new QPlainTextEdit(parent);
            multi_ = w;
            QObject::connect(w, &QPlainTextEdit::textChanged, [this] {
                const std::string s =
                    multi_->toPlainText().replace(u'\n', QStringLiteral("\r\n")).toStdString();
                run([&] { text_.user_set_text(s); });
            });
            set_widget(w);
        } else {
            auto *w = new QLineEdit(parent);
            w->setFrame(true);
            line_ = w;
            QObject::connect(w, &QLineEdit::textEdited, [this](const QString &s) {
                run([&] { text_.user_set_text(s.toStdString()); });
            });
            set_widget(w);
        }
    }

protected:
    QPalette::ColorRole back_role() const override { return QPalette::Base; }
    QPalette::ColorRole fore_role() const override { return QPalette::Text; }
    bool click_on_release() const override { return true; }
    void sync_state() override {
        const QString t = qstr(text_.Text());
        const Qt::Alignment h = text_.Alignment() == 1   ? Qt::AlignRight
                                : text_.Alignment() == 2 ? Qt::AlignHCenter
                                                         : Qt::AlignLeft;
        if (line_) {
            if (line_->text() != t)
                line_->setText(t);
            line_->setReadOnly(text_.Locked());
            line_->setAlignment(h | Qt::AlignVCenter);
        } else if (multi_) {
            const QString shown = text_lines(text_.Text());
            if (multi_->toPlainText() != shown)
                multi_->setPlainText(shown);
            multi_->setReadOnly(text_.Locked());
        }
    }
    bool type_replacement(int key_ascii) override {
        const QString ch = qstr(cp1252_to_utf8(std::string(1, static_cast<char>(key_ascii))));
        if (key_ascii < 32 || text_.Locked())
            return true;
        if (line_) {
            line_->insert(ch);
            text_.user_set_text(line_->text().toStdString());
        } else if (multi_) {
            multi_->insertPlainText(ch);
        }
        return true;
    }

private:
    TextBox &text_;
    QLineEdit *line_ = nullptr;
    QPlainTextEdit *multi_ = nullptr;
};

class ButtonView : public ControlView {
public:
    ButtonView(CommandButton &b, QWidget *parent)
        : ControlView(b, new QPushButton(parent)), button_(b) {
        auto *w = static_cast<QPushButton *>(widget());
        w->setAutoDefault(false);
        QObject::connect(w, &QPushButton::clicked, [this] { run([&] { button_.user_click(); }); });
    }
    bool key_press(QKeyEvent &e) override {
        if (ControlView::key_press(e))
            return true;
        if (e.key() == Qt::Key_Return || e.key() == Qt::Key_Enter) {
            button_.user_click();
            return true;
        }
        return false;
    }

protected:
    QPalette::ColorRole back_role() const override { return QPalette::Button; }
    QPalette::ColorRole fore_role() const override { return QPalette::ButtonText; }
    void sync_state() override {
        auto *w = static_cast<QPushButton *>(widget());
        w->setText(qstr(button_.Caption()));
        w->setDefault(button_.Default());
    }

private:
    CommandButton &button_;
};

class CheckView : public ControlView {
public:
    CheckView(CheckBox &c, QWidget *parent) : ControlView(c, new QCheckBox(parent)), check_(c) {
        auto *w = static_cast<QCheckBox *>(widget());
        // The widget toggled itself; the model decides, so the widget is set again from it.
        QObject::connect(w, &QCheckBox::clicked, [this] {
            run([&] { check_.user_click(); });
            sync(true);
        });
    }

protected:
    void sync_state() override {
        auto *w = static_cast<QCheckBox *>(widget());
        w->setText(qstr(check_.Caption()));
        w->setTristate(check_.Value() == vbGrayed);
        w->setCheckState(check_.Value() == vbChecked  ? Qt::Checked
                         : check_.Value() == vbGrayed ? Qt::PartiallyChecked
                                                      : Qt::Unchecked);
    }

private:
    CheckBox &check_;
};

class OptionView : public ControlView {
public:
    OptionView(OptionButton &o, QWidget *parent)
        : ControlView(o, new QRadioButton(parent)), option_(o) {
        auto *w = static_cast<QRadioButton *>(widget());
        w->setAutoExclusive(false); // the model keeps its group exclusive
        QObject::connect(w, &QRadioButton::clicked, [this] {
            run([&] { option_.user_click(); });
            sync(true);
        });
    }

protected:
    void sync_state() override {
        auto *w = static_cast<QRadioButton *>(widget());
        w->setText(qstr(option_.Caption()));
        w->setChecked(option_.Value());
    }

private:
    OptionButton &option_;
};

class FrameView : public ControlView {
public:
    FrameView(Frame &f, QWidget *parent) : ControlView(f, new QGroupBox(parent)), frame_(f) {}

protected:
    bool click_on_release() const override { return true; }
    void sync_state() override {
        static_cast<QGroupBox *>(widget())->setTitle(qstr(frame_.Caption()));
    }

private:
    Frame &frame_;
};

QStringList item_texts(const ListControl &l) {
    QStringList items;
    for (const std::string &s : l.items())
        items << qstr(s);
    return items;
}

class ComboView : public ControlView {
public:
    ComboView(ComboBox &c, QWidget *parent) : ControlView(c, new QComboBox(parent)), combo_(c) {
        auto *w = static_cast<QComboBox *>(widget());
        w->setInsertPolicy(QComboBox::NoInsert);
        w->setMaxVisibleItems(12);
        QObject::connect(w, &QComboBox::activated,
                         [this](int i) { run([&] { combo_.user_select(i); }); });
        make_editable();
    }

protected:
    QPalette::ColorRole back_role() const override { return QPalette::Base; }
    QPalette::ColorRole fore_role() const override { return QPalette::Text; }
    void sync_state() override {
        auto *w = static_cast<QComboBox *>(widget());
        make_editable();
        const QStringList items = item_texts(combo_);
        QStringList shown;
        for (int i = 0; i < w->count(); ++i)
            shown << w->itemText(i);
        if (shown != items) {
            w->clear();
            w->addItems(items);
            // The open list shows whole items, even where the box itself is narrow.
            const QFontMetrics fm(w->view()->font());
            int widest = 0;
            for (const QString &t : items)
                widest = std::max(widest, fm.horizontalAdvance(t));
            w->view()->setMinimumWidth(widest + 2 * fm.averageCharWidth() +
                                       w->style()->pixelMetric(QStyle::PM_ScrollBarExtent));
        }
        w->setCurrentIndex(combo_.ListIndex());
        if (w->isEditable()) {
            const QSignalBlocker b(w->lineEdit());
            if (w->lineEdit()->text() != qstr(combo_.Text()))
                w->lineEdit()->setText(qstr(combo_.Text()));
        }
    }

private:
    void make_editable() {
        auto *w = static_cast<QComboBox *>(widget());
        const bool editable = combo_.Style() != 2;
        if (w->isEditable() == editable)
            return;
        w->setEditable(editable);
        if (editable) {
            QtUi::instance().register_widget(w->lineEdit(), this);
            QObject::connect(w->lineEdit(), &QLineEdit::textEdited, [this](const QString &s) {
                run([&] { combo_.user_set_text(s.toStdString()); });
            });
        }
    }
    ComboBox &combo_;
};

class ListView : public ControlView {
public:
    ListView(ListBox &l, QWidget *parent) : ControlView(l, new QListWidget(parent)), list_(l) {
        auto *w = static_cast<QListWidget *>(widget());
        QObject::connect(w, &QListWidget::currentRowChanged,
                         [this](int row) { run([&] { list_.user_select(row); }); });
    }

protected:
    QPalette::ColorRole back_role() const override { return QPalette::Base; }
    QPalette::ColorRole fore_role() const override { return QPalette::Text; }
    void sync_state() override {
        auto *w = static_cast<QListWidget *>(widget());
        const QStringList items = item_texts(list_);
        bool same = w->count() == items.size();
        for (int i = 0; same && i < w->count(); ++i)
            same = w->item(i)->text() == items[i];
        if (!same) {
            w->clear();
            w->addItems(items);
        }
        w->setCurrentRow(list_.ListIndex());
    }

private:
    ListBox &list_;
};

class RangeView : public ControlView {
public:
    RangeView(RangeControl &r, QAbstractSlider *w) : ControlView(r, w), range_(r) {
        // A drag reaches the program once, where the user lets go; keys and clicks at once.
        w->setTracking(false);
        QObject::connect(w, &QAbstractSlider::valueChanged,
                         [this](int v) { run([&] { range_.user_scroll_to(v); }); });
    }

protected:
    void sync_state() override {
        auto *w = static_cast<QAbstractSlider *>(widget());
        w->setOrientation(range_.Width() >= range_.Height() ? Qt::Horizontal : Qt::Vertical);
        w->setInvertedAppearance(range_.Min() > range_.Max());
        w->setRange(std::min(range_.Min(), range_.Max()), std::max(range_.Min(), range_.Max()));
        w->setSingleStep(range_.SmallChange());
        w->setPageStep(range_.LargeChange());
        w->setValue(range_.Value());
    }

private:
    RangeControl &range_;
};

// --- picture box, grid, tab strip and toolbar -------------------------------------------------

class PictureView : public ControlView {
public:
    PictureView(PictureBox &p, QWidget *parent)
        : ControlView(p, new PictureWidget(p, parent)), picture_(p) {}
    void mouse(QMouseEvent &e, QPointF pos) override {
        const double x = px_to_twips(pos.x()), y = px_to_twips(pos.y());
        const int shift = shift_flags_of(e.modifiers());
        switch (e.type()) {
        case QEvent::MouseButtonPress:
            picture_.user_mouse_down(button_flags_of(e.button()), shift, x, y);
            picture_.SetFocus();
            break;
        case QEvent::MouseButtonRelease:
            picture_.user_mouse_up(button_flags_of(e.button()), shift, x, y);
            if (widget()->rect().contains(pos.toPoint()))
                picture_.user_click();
            break;
        case QEvent::MouseMove:
            picture_.user_mouse_move(button_flags_of(e.buttons()), shift, x, y);
            break;
        case QEvent::MouseButtonDblClick:
            picture_.user_double_click();
            break;
        default:
            break;
        }
    }

protected:
    void sync_state() override { widget()->update(); }

private:
    PictureBox &picture_;
};

// Key codes for the grid's KeyDown: the keypad's digits and decimal key have codes of their own
// (96..105 and 110), which the grids' handlers accept like the main keys.
int grid_key_code(const QKeyEvent &e) {
    if (e.modifiers() & Qt::KeypadModifier) {
        if (e.key() >= Qt::Key_0 && e.key() <= Qt::Key_9)
            return 96 + (e.key() - Qt::Key_0);
        if (e.key() == Qt::Key_Period || e.key() == Qt::Key_Comma)
            return 110;
    }
    return key_code_of(e.key());
}

class GridView : public ControlView {
public:
    GridView(FlexGrid &g, QWidget *parent) : ControlView(g, new GridWidget(g, parent)), grid_(g) {
        auto *w = static_cast<GridWidget *>(widget());
        QtUi::instance().register_widget(w->viewport(), this);
        // The model knows the first row shown, whoever scrolled.
        QObject::connect(w->verticalScrollBar(), &QScrollBar::valueChanged,
                         [this](int value) { grid_.user_scroll_to(value + grid_.FixedRows()); });
    }
    bool key_press(QKeyEvent &e) override {
        if (!grid_.Enabled() || e.key() == Qt::Key_Tab || e.key() == Qt::Key_Backtab)
            return false;
        if (open_editor_on_key(e))
            return true;
        // Otherwise the model handles every key, its own moves included.
        const int code = grid_key_code(e);
        if (code != 0)
            grid_.user_key_down(code, shift_flags_of(e.modifiers()));
        const int ascii = key_ascii_of(e);
        if (ascii != 0)
            grid_.user_key_press(ascii);
        return true;
    }
    void mouse(QMouseEvent &e, QPointF pos) override {
        // The viewport's event reaches the grid widget too: take each one once, so that a
        // double click toggles once.
        const Seen seen{static_cast<int>(e.type()), e.timestamp(), e.globalPosition()};
        if (seen == last_seen_)
            return;
        last_seen_ = seen;
        auto *w = static_cast<GridWidget *>(widget());
        const QPoint vp = w->viewport()->mapFrom(w, pos.toPoint());
        int row = -1, col = -1;
        const bool on_cell = w->cell_at(vp, row, col);
        const double x = px_to_twips(pos.x()), y = px_to_twips(pos.y());
        const int shift = shift_flags_of(e.modifiers());
        switch (e.type()) {
        case QEvent::MouseButtonPress:
            if (!w->viewport()->rect().contains(vp))
                return; // on a scroll bar
            pressed_ = true;
            grid_.user_mouse_down(button_flags_of(e.button()), shift, x, y);
            break;
        case QEvent::MouseButtonRelease:
            if (!pressed_)
                return;
            pressed_ = false;
            grid_.user_mouse_up(button_flags_of(e.button()), shift, x, y);
            if (on_cell)
                grid_.user_click_cell(row, col);
            break;
        case QEvent::MouseMove:
            grid_.user_mouse_move(button_flags_of(e.buttons()), shift, x, y);
            break;
        case QEvent::MouseButtonDblClick:
            // Its release ends the double click: no second click.
            pressed_ = false;
            if (on_cell && !editor().open(row, col))
                grid_.user_double_click_cell(row, col);
            break;
        default:
            break;
        }
    }

protected:
    void sync_state() override {
        auto *w = static_cast<GridWidget *>(widget());
        w->refresh();
        if (grid_.Row() != row_ || grid_.Col() != col_) {
            row_ = grid_.Row();
            col_ = grid_.Col();
            w->scroll_to_current();
        }
        if (grid_.scroll_requests() != scroll_requests_) {
            scroll_requests_ = grid_.scroll_requests();
            w->verticalScrollBar()->setValue(grid_.TopRow() - grid_.FixedRows());
        }
    }
    QPalette::ColorRole back_role() const override { return QPalette::Base; }
    QPalette::ColorRole fore_role() const override { return QPalette::Text; }

private:
    // Cells of a grid the model marks editable open an editor on F2 or a typed character.
    bool open_editor_on_key(QKeyEvent &e) {
        if (!grid_.Editable())
            return false;
        const QString typed = e.text();
        if (e.key() == Qt::Key_F2)
            return editor().open(grid_.Row(), grid_.Col());
        if (!typed.isEmpty() && typed.at(0).isPrint() && e.modifiers() == Qt::NoModifier)
            return editor().open(grid_.Row(), grid_.Col(), typed);
        return false;
    }
    GridCellEditor &editor() {
        if (!editor_)
            editor_ = new GridCellEditor(*static_cast<GridWidget *>(widget()), grid_);
        return *editor_;
    }

    struct Seen {
        int type = 0;
        quint64 timestamp = 0;
        QPointF global;
        bool operator==(const Seen &) const = default;
    };
    FlexGrid &grid_;
    GridCellEditor *editor_ = nullptr; // owned by the grid's viewport
    int row_ = -1, col_ = -1;
    int scroll_requests_ = 0;
    bool pressed_ = false;
    Seen last_seen_;
};

class TabView : public ControlView {
public:
    TabView(SSTab &t, QWidget *parent) : ControlView(t, new TabStripWidget(t, parent)), tabs_(t) {
        QObject::connect(static_cast<TabStripWidget *>(widget()), &TabStripWidget::tab_clicked,
                         [this](int page) {
                             if (page >= 0)
                                 run([&] { tabs_.user_select_tab(page); });
                         });
    }
    QWidget *child_parent(int tab) override {
        return static_cast<TabStripWidget *>(widget())->page(tab);
    }

protected:
    void sync_state() override {
        auto *w = static_cast<TabStripWidget *>(widget());
        const QSignalBlocker b(w->tab_bar());
        w->refresh();
    }

private:
    SSTab &tabs_;
};

// A picture of the image list: a path, absolute or beside the program.
QIcon icon_of(const std::string &picture) {
    if (picture.empty())
        return {};
    QFileInfo f(qstr(picture));
    if (f.isRelative())
        f = QFileInfo(qstr(app_path() + picture));
    return f.exists() ? QIcon(f.absoluteFilePath()) : QIcon();
}

class ToolbarView : public ControlView {
public:
    ToolbarView(Toolbar &t, QWidget *parent) : ControlView(t, new QToolBar(parent)), bar_(t) {
        auto *w = static_cast<QToolBar *>(widget());
        w->setMovable(false);
        w->setFloatable(false);
        w->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
        w->setAutoFillBackground(true);
    }

protected:
    void sync_state() override {
        auto *w = static_cast<QToolBar *>(widget());
        w->clear();
        const auto *images = dynamic_cast<const ImageList *>(bar_.form().control(bar_.ImageList()));
        for (int i = 1; i <= bar_.Buttons.Count(); ++i) {
            const ToolbarButton *b = bar_.Buttons(i);
            if (!b->Visible())
                continue;
            if (b->Style() == tbrSeparator) {
                w->addSeparator();
                continue;
            }
            if (b->Style() == tbrPlaceholder) {
                auto *gap = new QWidget(w);
                gap->setFixedWidth(twips_to_px(b->Width()));
                w->addWidget(gap);
                continue;
            }
            const ListImage *img = images ? images->find(b->Image()) : nullptr;
            const QIcon icon = img ? icon_of(img->Picture) : QIcon();
            QString text = qstr(b->Caption());
            if (text.isEmpty() && icon.isNull())
                text = qstr(b->Key());
            QAction *a = w->addAction(icon, text);
            a->setToolTip(qstr(b->ToolTipText()));
            a->setWhatsThis(qstr(b->Description()));
            if (QWidget *button = w->widgetForAction(a))
                button->setAccessibleDescription(qstr(b->Description()));
            a->setEnabled(b->Enabled());
            a->setCheckable(b->Style() == tbrCheck);
            a->setChecked(b->Value());
            const int index = b->Index();
            QObject::connect(a, &QAction::triggered,
                             [this, index] { run([&] { bar_.user_click_button(index); }); });
        }
    }

private:
    Toolbar &bar_;
};

// Controls with nothing on screen of their own (image lists; menu items are in the menu bar).
class HiddenView : public ControlView {
public:
    explicit HiddenView(Control &c) : ControlView(c, nullptr) {}
};

// A kind without a view of its own still shows where it is.
class PanelView : public ControlView {
public:
    PanelView(Control &c, QWidget *parent) : ControlView(c, new QFrame(parent)) {
        auto *w = static_cast<QFrame *>(widget());
        w->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        w->setAutoFillBackground(true);
    }
};

template <class C, class V> std::unique_ptr<ControlView> make(Control &c, QWidget *parent) {
    return std::make_unique<V>(static_cast<C &>(c), parent);
}

struct ViewKind {
    const char *kind;
    std::unique_ptr<ControlView> (*maker)(Control &, QWidget *);
};

constexpr ViewKind view_kinds[] = {
    {"Label", make<Label, LabelView>},
    {"TextBox", make<TextBox, TextBoxView>},
    {"CommandButton", make<CommandButton, ButtonView>},
    {"CheckBox", make<CheckBox, CheckView>},
    {"OptionButton", make<OptionButton, OptionView>},
    {"Frame", make<Frame, FrameView>},
    {"ComboBox", make<ComboBox, ComboView>},
    {"ListBox", make<ListBox, ListView>},
    {"Slider",
     [](Control &c, QWidget *p) -> std::unique_ptr<ControlView> {
         return std::make_unique<RangeView>(static_cast<Slider &>(c), new QSlider(p));
     }},
    {"ScrollBar",
     [](Control &c, QWidget *p) -> std::unique_ptr<ControlView> {
         return std::make_unique<RangeView>(static_cast<ScrollBar &>(c), new QScrollBar(p));
     }},
    {"PictureBox", make<PictureBox, PictureView>},
    {"FlexGrid", make<FlexGrid, GridView>},
    {"SSTab", make<SSTab, TabView>},
    {"Toolbar", make<Toolbar, ToolbarView>},
    {"VSPrinter", make_preview_view},
    {"ImageList",
     [](Control &c, QWidget *) -> std::unique_ptr<ControlView> {
         return std::make_unique<HiddenView>(c);
     }},
    {"MenuItem",
     [](Control &c, QWidget *) -> std::unique_ptr<ControlView> {
         return std::make_unique<HiddenView>(c);
     }},
};

std::map<std::string, ViewMaker> &extra_makers() {
    static std::map<std::string, ViewMaker> makers;
    return makers;
}

} // namespace

void register_view_maker(const std::string &kind, ViewMaker maker) {
    extra_makers()[kind] = std::move(maker);
}

std::unique_ptr<ControlView> make_view(Control &control, QWidget *parent) {
    const std::string kind = control.kind();
    if (auto it = extra_makers().find(kind); it != extra_makers().end())
        return it->second(control, parent);
    for (const ViewKind &k : view_kinds)
        if (kind == k.kind)
            return k.maker(control, parent);
    return std::make_unique<PanelView>(control, parent);
}

} // namespace ohmira::qt
