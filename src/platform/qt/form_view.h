#pragma once
// A form on screen: its menu bar and a client area holding one view per control of the form,
// each placed in its container by its twips position. The view adds views for controls that
// appear later and drops those that go, so every control of the form shows by itself.
#include "platform/form.h"

#include <QWidget>

#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <vector>

class QAction;
class QMenu;
class QMenuBar;

namespace ohmira {
class MenuItem;
}

namespace ohmira::qt {

class ControlView;

// Makes the form no larger than the screen's free area (its window frame included), through the
// form's own resize, so that what it draws at start-up has the size it will show with.
void fit_form_to_screen(Form &form);

class FormView : public QWidget {
    Q_OBJECT
public:
    // A top-level window when `parent` is nullptr, else a part of it (a modal dialog's body).
    explicit FormView(Form &form, QWidget *parent = nullptr);
    ~FormView() override;

    Form &form() const { return form_; }
    // The area the controls sit in (below the menu bar).
    QWidget *client() const { return client_; }
    QMenuBar *menu_bar() const { return menu_bar_; }
    // The view of a control of the form; nullptr if none.
    ControlView *view(const Control &c) const;
    QWidget *widget_of(const std::string &control_name) const;
    QAction *action_of(const std::string &menu_item_name) const;

    // Brings the window up to date with the form and its controls.
    void sync();

    // Called once the form is hidden or unloaded (a dialog body closes its dialog with it).
    std::function<void()> on_form_hidden;

    // Size of the window's frame (borders and title) in pixels, counted into the form's size.
    static constexpr int frame_width_px = 8;
    static constexpr int frame_height_px = 31;

protected:
    bool event(QEvent *e) override;
    void closeEvent(QCloseEvent *e) override;
    void resizeEvent(QResizeEvent *e) override;

private:
    ControlView *ensure_view(Control &c, int depth = 0);
    void sync_views();
    void sync_tab_order();
    void sync_form();
    void sync_menus();
    void build_menus();
    void sync_action(MenuItem &item, QAction *a);

    Form &form_;
    QMenuBar *menu_bar_ = nullptr;
    QWidget *client_ = nullptr;
    std::map<const Control *, std::unique_ptr<ControlView>> views_;
    std::vector<const Control *> known_; // registry as last seen
    bool first_views_ = true;            // no widget made yet
    std::map<const MenuItem *, QAction *> actions_;
    std::map<const MenuItem *, std::uint64_t> action_revisions_;
    std::uint64_t form_revision_ = 0;
    bool form_synced_ = false;
    std::vector<MenuItem *> menu_items_; // menu items as last built
    const Control *focus_ = nullptr;
    std::vector<std::pair<int, const Control *>> tab_order_; // as last applied
    bool applying_size_ = false;
    bool was_visible_ = false;
};

} // namespace ohmira::qt
