#include "platform/qt/qt_ui.h"

#include "platform/controls.h"
#include "platform/dialog_host.h"
#include "platform/menu.h"
#include "platform/qt/control_views.h"
#include "platform/qt/form_view.h"
#include "platform/qt/qt_convert.h"
#include "platform/runtime_error.h"
#include "platform/screen.h"
#include "platform/user_feedback.h"

#include <QApplication>
#include <QCursor>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPointer>
#include <QTimer>

#include <algorithm>
#include <exception>

namespace ohmira::qt {

QtUi &QtUi::instance() {
    static QtUi *ui = new QtUi; // lives as long as the program
    return *ui;
}

namespace {

// The screen's pointer overrides every window's while it is set.
void apply_screen_pointer() {
    static bool overriding = false;
    const int p = Screen.MousePointer();
    if (p == vbDefault) {
        if (overriding)
            QApplication::restoreOverrideCursor();
        overriding = false;
        return;
    }
    if (overriding)
        QApplication::changeOverrideCursor(QCursor(cursor_shape(p)));
    else
        QApplication::setOverrideCursor(QCursor(cursor_shape(p)));
    overriding = true;
}

} // namespace

QtUi::QtUi() {
    if (qApp)
        qApp->installEventFilter(this);
    Screen.on_state_changed = apply_screen_pointer;
    apply_screen_pointer();
}

void QtUi::run(const std::function<void()> &action) {
    ++depth_;
    try {
        action();
    } catch (const RuntimeError &e) {
        // An error the program did not handle: say so and carry on, the state stays as it is.
        MsgBox("Run-time error '" + std::to_string(e.number) + "':\r\n\r\n" + e.what(), vbCritical);
    } catch (const std::exception &e) {
        MsgBox(e.what(), vbCritical);
    }
    --depth_;
    sync_all();
    if (depth_ == 0)
        deliver_sent_keys();
}

void QtUi::sync_all() {
    sync_pending_ = false;
    // A sync may close a window, which removes its view from the list.
    const std::vector<FormView *> views = form_views_;
    for (FormView *v : views)
        if (std::find(form_views_.begin(), form_views_.end(), v) != form_views_.end())
            v->sync();
}

void QtUi::schedule_sync() {
    if (sync_pending_)
        return;
    sync_pending_ = true;
    QTimer::singleShot(0, this, [this] {
        if (sync_pending_)
            sync_all();
    });
}

FormView &QtUi::window_of(Form &form) {
    for (FormView *v : form_views_)
        if (&v->form() == &form && v->isWindow())
            return *v;
    auto *v = new FormView(form);
    v->setAttribute(Qt::WA_DeleteOnClose, false);
    return *v;
}

void QtUi::add_form_view(FormView *v) {
    form_views_.push_back(v);
}

void QtUi::remove_form_view(FormView *v) {
    form_views_.erase(std::remove(form_views_.begin(), form_views_.end(), v), form_views_.end());
}

void QtUi::register_widget(QWidget *w, ControlView *v) {
    widgets_.insert(w, v);
    connect(w, &QObject::destroyed, this,
            [this](QObject *o) { widgets_.remove(static_cast<QWidget *>(o)); });
}

void QtUi::unregister_widget(QWidget *w) {
    widgets_.remove(w);
}

ControlView *QtUi::view_of(QWidget *w) const {
    for (; w; w = w->parentWidget()) {
        if (auto it = widgets_.find(w); it != widgets_.end())
            return it.value();
        if (qobject_cast<FormView *>(w) || w->isWindow())
            return nullptr;
    }
    return nullptr;
}

namespace {

// The form shown in the window of `w` (a box or dialog over a form is not the form).
FormView *form_view_of(QWidget *w) {
    for (; w; w = w->parentWidget()) {
        if (auto *f = qobject_cast<FormView *>(w))
            return f;
        if (w->isWindow())
            return nullptr;
    }
    return nullptr;
}

// Whether the focused control takes Enter itself (then the default button does not).
bool uses_enter(const Control *c) {
    if (dynamic_cast<const CommandButton *>(c))
        return true;
    const auto *t = dynamic_cast<const TextBox *>(c);
    return t && t->MultiLine();
}

} // namespace

bool QtUi::handle_key(QWidget *receiver, QEvent *ev) {
    // A key event goes to the focus widget first and then up its parents: take it once.
    if (QWidget *focus = QApplication::focusWidget();
        focus && receiver != focus && receiver->isAncestorOf(focus))
        return false;
    FormView *fv = form_view_of(receiver);
    if (!fv || !fv->isEnabled())
        return false;
    auto &e = static_cast<QKeyEvent &>(*ev);
    Form &form = fv->form();
    ControlView *view = view_of(receiver);
    const int code = key_code_of(e.key());
    const int shift = shift_flags_of(e.modifiers());
    bool consumed = false;

    // Menu shortcuts: Ctrl (and Shift/Alt) with a letter, when the item can be chosen.
    if ((shift & (vbCtrlMask | vbAltMask)) && code >= 'A' && code <= 'Z') {
        for (Control *c : form.controls()) {
            auto *item = dynamic_cast<MenuItem *>(c);
            if (item && item->Shortcut() == MenuShortcut{code, shift} && item->reachable()) {
                run([&] { item->user_click(); });
                return true;
            }
        }
    }
    // Enter clicks the default button unless the focused control takes it, or the button is on
    // a tab page not shown.
    if (code == vbKeyReturn && form.default_button() && form.default_button()->shown() &&
        !uses_enter(view ? &view->control() : nullptr)) {
        // Only Click: the focus stays where the user is typing.
        CommandButton *b = form.default_button();
        if (b->Visible() && b->Enabled() && b->Click)
            run([&] { b->Click(); });
        return true;
    }
    if (!view)
        return false;
    run([&] { consumed = view->key_press(e); });
    return consumed;
}

bool QtUi::handle_mouse(QWidget *receiver, QEvent *ev) {
    auto &e = static_cast<QMouseEvent &>(*ev);
    // A mouse event not taken by a widget goes on to its parents: take it once.
    if (ev == last_mouse_event_ && e.timestamp() == last_mouse_stamp_ &&
        static_cast<int>(ev->type()) == last_mouse_type_)
        return false;
    last_mouse_event_ = ev;
    last_mouse_stamp_ = e.timestamp();
    last_mouse_type_ = static_cast<int>(ev->type());
    ControlView *view = view_of(receiver);
    if (!view || !view->widget())
        return false;
    const QPointF pos = receiver->mapTo(view->widget(), e.position());
    run([&] { view->mouse(e, pos); });
    return false;
}

bool QtUi::eventFilter(QObject *obj, QEvent *ev) {
    if (!obj->isWidgetType())
        return false;
    auto *w = static_cast<QWidget *>(obj);
    // A widget of the window layer's own (a grid's cell editor) handles its events itself.
    if (w->property(own_events_property).toBool())
        return false;
    switch (ev->type()) {
    case QEvent::KeyPress:
        return handle_key(w, ev);
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::MouseMove:
        if (widgets_.isEmpty())
            return false;
        return handle_mouse(w, ev);
    case QEvent::FocusIn:
        if (ControlView *v = view_of(w)) {
            Control &c = v->control();
            if (c.form().ActiveControl() != &c && c.takes_focus())
                run([&] { c.SetFocus(); });
        }
        return false;
    default:
        return false;
    }
}

void QtUi::deliver_sent_keys() {
    const std::vector<int> keys = take_sent_keys();
    if (keys.empty())
        return;
    QWidget *target = QApplication::focusWidget();
    if (!target)
        return;
    QPointer<QWidget> guard(target);
    // Posted, so that they arrive after the event being handled, as typed keys would.
    for (int code : keys) {
        const int key = qt_key_of(code);
        if (key == 0 || !guard)
            continue;
        QApplication::postEvent(target, new QKeyEvent(QEvent::KeyPress, key, Qt::NoModifier));
        QApplication::postEvent(target, new QKeyEvent(QEvent::KeyRelease, key, Qt::NoModifier));
    }
}

} // namespace ohmira::qt
