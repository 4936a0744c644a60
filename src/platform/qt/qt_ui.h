#pragma once
// The bridge between the headless models and their Qt windows. Every user action goes through
// `run`, which calls the model's entry point, then brings every window up to date and delivers
// the keys the program sent to itself. Changes made outside a user action (start-up, timers)
// bring the windows up to date on the next turn of the event loop.
#include <QHash>
#include <QObject>

#include <functional>
#include <vector>

class QWidget;

namespace ohmira {
class Control;
class Form;
} // namespace ohmira

namespace ohmira::qt {

class ControlView;
class FormView;

// A widget with this property set to true (a grid's cell editor) takes its keys and mouse events
// itself: the bridge does not route them to a control.
inline constexpr const char *own_events_property = "ohmira_own_events";

class QtUi : public QObject {
    Q_OBJECT
public:
    static QtUi &instance();

    // Runs a user action on the models. A run-time error that escapes the program's handlers
    // is reported in a message box instead of ending the program. Then every window is brought
    // up to date and the keys sent by the program go to the focused widget.
    void run(const std::function<void()> &action);
    // Brings every window up to date with its models now.
    void sync_all();
    // Asks for `sync_all` on the next turn of the event loop (several asks make one sync).
    void schedule_sync();

    // The window of a form shown as a top-level window; created on first use. The window
    // follows the form: shown while the form is visible, closed with it.
    FormView &window_of(Form &form);

    // Window layer registry, used by the views.
    void add_form_view(FormView *v);
    void remove_form_view(FormView *v);
    void register_widget(QWidget *w, ControlView *v);
    void unregister_widget(QWidget *w);
    // The control view of a widget or of the nearest ancestor that shows a control.
    ControlView *view_of(QWidget *w) const;
    const std::vector<FormView *> &form_views() const { return form_views_; }

protected:
    bool eventFilter(QObject *obj, QEvent *ev) override;

private:
    QtUi();
    bool handle_key(QWidget *receiver, QEvent *ev);
    bool handle_mouse(QWidget *receiver, QEvent *ev);
    void deliver_sent_keys();

    std::vector<FormView *> form_views_;
    QHash<QWidget *, ControlView *> widgets_;
    bool sync_pending_ = false;
    int depth_ = 0;
    const QEvent *last_mouse_event_ = nullptr;
    quint64 last_mouse_stamp_ = 0;
    int last_mouse_type_ = 0;
};

} // namespace ohmira::qt
