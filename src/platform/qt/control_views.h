#pragma once
// One view per control: the Qt widget that shows a control model, kept up to date from the
// model's state, and passing what the user does to the model's user-action entry points.
#include "platform/control.h"

#include <QPalette>
#include <QPointer>
#include <QWidget>

#include <cstdint>
#include <functional>
#include <memory>
#include <string>

class QKeyEvent;
class QMouseEvent;

namespace ohmira::qt {

class ControlView {
public:
    ControlView(Control &control, QWidget *widget);
    virtual ~ControlView();
    ControlView(const ControlView &) = delete;
    ControlView &operator=(const ControlView &) = delete;

    Control &control() const { return control_; }
    // The widget; nullptr for controls that are not shown (image lists, menu items).
    QWidget *widget() const { return widget_; }
    // Where the controls placed in this one go (`tab` is the page of a tab strip).
    virtual QWidget *child_parent(int /*tab*/) { return widget_; }

    // Brings the widget up to date when the model changed since the last sync (or always with
    // `force`); the widget's signals are blocked meanwhile so that no event fires twice.
    void sync(bool force = false);

    // A key on the focused control, after the form's own keys (menu shortcuts, Enter for the
    // default button). Returns true when the key is consumed. Runs inside a user action.
    virtual bool key_press(QKeyEvent &e);
    // Mouse press, release, move or double click at `pos` (pixels of `widget()`). Runs inside a
    // user action.
    virtual void mouse(QMouseEvent &e, QPointF pos);

protected:
    virtual void sync_state() {}
    // A character replaced by the KeyPress handler: the view types it itself.
    virtual bool type_replacement(int /*key_ascii*/) { return false; }
    // Whether a click with the mouse raises Click (controls whose widget has no click signal).
    virtual bool click_on_release() const { return false; }
    // The palette roles of BackColor and ForeColor.
    virtual QPalette::ColorRole back_role() const { return QPalette::Window; }
    virtual QPalette::ColorRole fore_role() const { return QPalette::WindowText; }
    void set_widget(QWidget *w);

private:
    void apply_common();
    Control &control_;
    QPointer<QWidget> widget_;
    std::uint64_t revision_ = 0;
    bool synced_ = false;
    bool pressed_ = false;
};

// The view for a control, by its kind; a plain panel for kinds without a view of their own.
std::unique_ptr<ControlView> make_view(Control &control, QWidget *parent);

// Adds a view maker for a kind of control (the print preview registers itself this way).
using ViewMaker = std::function<std::unique_ptr<ControlView>(Control &, QWidget *)>;
void register_view_maker(const std::string &kind, ViewMaker maker);

} // namespace ohmira::qt
