#include "platform/qt/form_view.h"

#include "platform/menu.h"
#include "platform/program_end.h"
#include "platform/qt/control_views.h"
#include "platform/qt/qt_convert.h"
#include "platform/qt/qt_ui.h"
#include "platform/tab_strip.h"

#include <QAction>
#include <QCloseEvent>
#include <QGuiApplication>
#include <QMenu>
#include <QMenuBar>
#include <QScreen>
#include <QTimer>
#include <QVBoxLayout>

#include <algorithm>

namespace ohmira::qt {

namespace {

QString shortcut_text(const MenuShortcut &s) {
    if (s.key == 0)
        return {};
    QString t;
    if (s.shift & vbCtrlMask)
        t += QStringLiteral("Ctrl+");
    if (s.shift & vbShiftMask)
        t += QStringLiteral("Shift+");
    if (s.shift & vbAltMask)
        t += QStringLiteral("Alt+");
    return t + QChar(s.key);
}

} // namespace

void fit_form_to_screen(Form &form) {
    const QScreen *s = QGuiApplication::primaryScreen();
    if (!s)
        return;
    const QRect area = s->availableGeometry();
    const int w = static_cast<int>(px_to_twips(area.width()));
    const int h = static_cast<int>(px_to_twips(area.height()));
    if (form.Width() > w || form.Height() > h)
        form.resize(std::min(form.Width(), w), std::min(form.Height(), h));
}

FormView::FormView(Form &form, QWidget *parent) : QWidget(parent), form_(form) {
    setObjectName(qstr(form.Name()));
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    menu_bar_ = new QMenuBar(this);
    menu_bar_->setNativeMenuBar(false);
    layout->setMenuBar(menu_bar_);
    client_ = new QWidget(this);
    client_->setObjectName(QStringLiteral("client"));
    client_->setAutoFillBackground(true);
    layout->addWidget(client_, 1);
    QtUi::instance().add_form_view(this);
    sync();
}

FormView::~FormView() {
    QtUi::instance().remove_form_view(this);
    // Children first, so a container's view does not delete widgets another view owns.
    std::vector<const Control *> order = known_;
    for (auto it = order.rbegin(); it != order.rend(); ++it)
        views_.erase(*it);
    views_.clear();
}

ControlView *FormView::view(const Control &c) const {
    auto it = views_.find(&c);
    return it == views_.end() ? nullptr : it->second.get();
}

QWidget *FormView::widget_of(const std::string &name) const {
    Control *c = form_.control(name);
    // A control of a page not shown yet gets its widget now.
    const ControlView *v = c ? const_cast<FormView *>(this)->ensure_view(*c) : nullptr;
    return v ? v->widget() : nullptr;
}

namespace {

// Whether the control lies on a page of a tab strip that is not the shown one.
bool on_hidden_page(const Control &c) {
    const Control *child = &c;
    for (int depth = 0; depth < 32; ++depth) {
        const Control *container = child->Container();
        if (!container || container == child)
            return false;
        if (const auto *tabs = dynamic_cast<const SSTab *>(container);
            tabs && child->tab_page() != tabs->Tab())
            return true;
        child = container;
    }
    return false;
}

} // namespace

QAction *FormView::action_of(const std::string &name) const {
    const auto *item = dynamic_cast<const MenuItem *>(form_.control(name));
    auto it = item ? actions_.find(item) : actions_.end();
    return it == actions_.end() ? nullptr : it->second;
}

ControlView *FormView::ensure_view(Control &c, int depth) {
    if (ControlView *v = view(c))
        return v;
    QWidget *parent = client_;
    Control *container = c.Container();
    if (container && container != &c && depth < 32)
        if (ControlView *cv = ensure_view(*container, depth + 1); cv && cv->widget())
            parent = cv->child_parent(c.tab_page());
    auto v = make_view(c, parent);
    ControlView *raw = v.get();
    views_[&c] = std::move(v);
    c.on_state_changed = [](Control &) { QtUi::instance().schedule_sync(); };
    raw->sync(true);
    return raw;
}

void FormView::sync_views() {
    const std::vector<Control *> &now = form_.controls();
    if (!std::equal(now.begin(), now.end(), known_.begin(), known_.end())) {
        // Views of controls that are gone, children before containers.
        for (auto it = known_.rbegin(); it != known_.rend(); ++it)
            if (std::find(now.begin(), now.end(), *it) == now.end())
                views_.erase(*it);
        known_.assign(now.begin(), now.end());
    }
    // The controls of a tab page get their widgets when the page is first shown.
    bool created = false;
    for (const Control *k : known_) {
        Control *c = const_cast<Control *>(k);
        if (!view(*c) && !on_hidden_page(*c)) {
            ensure_view(*c);
            created = true;
        }
    }
    if (created && !first_views_)
        // Later widgets lie above earlier ones, as the controls are ordered.
        for (const Control *c : known_)
            if (const ControlView *v = view(*c); v && v->widget() && v->widget() != client_)
                v->widget()->raise();
    first_views_ = false;
    for (const Control *c : known_)
        if (ControlView *v = view(*c))
            v->sync();
    sync_tab_order();
}

void FormView::sync_tab_order() {
    // Tab moves through the controls by TabIndex (creation order among equal ones).
    std::vector<std::pair<int, const Control *>> order;
    for (const Control *c : known_)
        if (const ControlView *v = view(*c); c->takes_focus() && v && v->widget())
            order.emplace_back(c->TabIndex(), c);
    std::stable_sort(order.begin(), order.end(),
                     [](const auto &a, const auto &b) { return a.first < b.first; });
    if (order == tab_order_)
        return;
    tab_order_ = order;
    for (size_t i = 1; i < order.size(); ++i)
        QWidget::setTabOrder(views_[order[i - 1].second]->widget(),
                             views_[order[i].second]->widget());
}

void FormView::sync_form() {
    if (form_synced_ && form_.revision() == form_revision_)
        return;
    form_synced_ = true;
    form_revision_ = form_.revision();
    window()->setWindowTitle(qstr(form_.Caption())); // the dialog of a modal form too
    QPalette pal = client_->palette();
    pal.setColor(QPalette::Window, win_colour(form_.BackColor()));
    client_->setPalette(pal);
    if (form_.MousePointer() == vbDefault)
        unsetCursor();
    else
        setCursor(cursor_shape(form_.MousePointer()));
    setEnabled(form_.Enabled());
    form_.on_state_changed = [](Control &) { QtUi::instance().schedule_sync(); };

    const bool visible = form_.Visible() && form_.loaded();
    if (isWindow()) {
        const QSize asked(std::max(1, twips_to_px(form_.Width()) - frame_width_px),
                          std::max(1, twips_to_px(form_.Height()) - frame_height_px));
        // The window stays inside the screen's free area (a desktop scaled up may be smaller
        // than the form's design size); the form is told the size it got.
        const QRect area = screen() ? screen()->availableGeometry() : QRect();
        QSize want = asked;
        if (area.isValid())
            want = want.boundedTo(QSize(std::max(1, area.width() - frame_width_px),
                                        std::max(1, area.height() - frame_height_px)));
        // The window manager keeps the window at least this large through drags, maximising and
        // restoring; never larger than the screen's free area.
        QSize least(0, 0);
        if (form_.min_width() > 0 && form_.min_height() > 0) {
            least = QSize(std::max(1, twips_to_px(form_.min_width()) - frame_width_px),
                          std::max(1, twips_to_px(form_.min_height()) - frame_height_px));
            if (area.isValid())
                least = least.boundedTo(QSize(std::max(1, area.width() - frame_width_px),
                                              std::max(1, area.height() - frame_height_px)));
        }
        if (minimumSize() != least)
            setMinimumSize(least);
        if (size() != want) {
            applying_size_ = true;
            resize(want);
            applying_size_ = false;
            if (want != asked)
                QTimer::singleShot(0, this, [this, want] {
                    const int w =
                        static_cast<int>(px_to_twips(want.width() + frame_width_px) + 0.5);
                    const int h =
                        static_cast<int>(px_to_twips(want.height() + frame_height_px) + 0.5);
                    QtUi::instance().run([&] { form_.resize(w, h); });
                });
        }
        if (visible && !isVisible()) {
            if (area.isValid()) {
                const int outer_w = want.width() + frame_width_px;
                const int outer_h = want.height() + frame_height_px;
                move(area.x() + std::max(0, (area.width() - outer_w) / 2),
                     area.y() + std::max(0, (area.height() - outer_h) / 2));
            }
            show();
        } else if (!visible && isVisible()) {
            close();
        }
    }
    if (was_visible_ && !visible && on_form_hidden)
        on_form_hidden();
    was_visible_ = visible;
}

void FormView::build_menus() {
    menu_bar_->clear();
    actions_.clear();
    // Items are built top-down: a menu-bar item with items of its own opens a menu, one without
    // is a command on the bar itself.
    std::function<void(MenuItem &, QWidget *)> add = [&](MenuItem &item, QWidget *into) {
        const auto children = item.items();
        QAction *a = nullptr;
        if (!children.empty()) {
            auto *menu = new QMenu(into);
            for (MenuItem *child : children)
                add(*child, menu);
            a = menu->menuAction();
        } else {
            a = new QAction(into);
            QObject::connect(a, &QAction::triggered,
                             [&item] { QtUi::instance().run([&] { item.user_click(); }); });
        }
        into->addAction(a);
        actions_[&item] = a;
    };
    for (MenuItem *item : menu_items_)
        if (item->container_name().empty() || !item->Container())
            add(*item, menu_bar_);
    menu_bar_->setVisible(!actions_.empty());
}

void FormView::sync_action(MenuItem &item, QAction *a) {
    a->setSeparator(item.is_separator());
    // A separator with a text would show it as a section title.
    QString text = item.is_separator() ? QString() : qstr(item.Caption());
    if (const QString keys = shortcut_text(item.Shortcut()); !keys.isEmpty())
        text += u'\t' + keys;
    a->setText(text);
    a->setCheckable(item.Checked());
    a->setChecked(item.Checked());
    a->setEnabled(item.Enabled());
    a->setVisible(item.Visible());
}

void FormView::sync_menus() {
    std::vector<MenuItem *> items;
    for (Control *c : form_.controls())
        if (auto *m = dynamic_cast<MenuItem *>(c))
            items.push_back(m);
    if (items != menu_items_) {
        menu_items_ = items;
        build_menus();
        action_revisions_.clear();
    }
    for (auto &[item, action] : actions_) {
        auto seen = action_revisions_.find(item);
        if (seen != action_revisions_.end() && seen->second == item->revision())
            continue;
        action_revisions_[item] = item->revision();
        const QSignalBlocker b(action);
        sync_action(*const_cast<MenuItem *>(item), action);
    }
}

void FormView::sync() {
    sync_views();
    sync_menus();
    sync_form();
    // Focus given by the program.
    const Control *active = form_.ActiveControl();
    if (active != focus_) {
        focus_ = active;
        if (const ControlView *v = active ? view(*active) : nullptr; v && v->widget())
            v->widget()->setFocus(Qt::OtherFocusReason);
    }
}

bool FormView::event(QEvent *e) {
    // A window activated while none of its controls holds the focus has the focus itself: the
    // form's GotFocus runs.
    if (e->type() == QEvent::WindowActivate && isWindow() && form_.loaded() &&
        form_.ActiveControl() == nullptr)
        QtUi::instance().run([&] { form_.SetFocus(); });
    return QWidget::event(e);
}

void FormView::closeEvent(QCloseEvent *e) {
    // The program is ending: windows close without their forms' unload events.
    if (program_ended()) {
        e->accept();
        return;
    }
    if (form_.loaded()) {
        bool unloaded = true;
        QtUi::instance().run([&] { unloaded = form_.Unload(); });
        if (!unloaded) {
            e->ignore();
            return;
        }
    }
    e->accept();
}

void FormView::resizeEvent(QResizeEvent *e) {
    QWidget::resizeEvent(e);
    if (applying_size_ || !isWindow() || !isVisible())
        return;
    const int w = static_cast<int>(px_to_twips(width() + frame_width_px) + 0.5);
    const int h = static_cast<int>(px_to_twips(height() + frame_height_px) + 0.5);
    if (std::abs(w - form_.Width()) > 20 || std::abs(h - form_.Height()) > 20)
        QtUi::instance().run([&] { form_.resize(w, h); });
}

} // namespace ohmira::qt
