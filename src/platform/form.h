#pragma once
// A form: a window holding controls, with its load/unload life cycle, focus and default button.
#include "platform/control.h"

#include <functional>
#include <string>
#include <vector>

namespace ohmira {

class CommandButton;

enum FormShowConstants : int { vbModeless = 0, vbModal = 1 };

class Form : public Control {
public:
    explicit Form(std::string name, std::string caption = "");
    ~Form() override;
    const char *kind() const override { return "Form"; }

    const std::string &Caption() const { return caption_; }
    void Caption(const std::string &c) { set(caption_, c); }

    // Events of the form itself. `Form_Unload` may set Cancel to non-zero to keep the form.
    std::function<void()> Form_Load;
    std::function<void(int &Cancel)> Form_Unload;
    std::function<void()> Form_Resize;

    // Loads the form once (runs Form_Load); later calls do nothing.
    void Load();
    // Runs Form_Unload; unless cancelled, hides the form and marks it unloaded. Returns false
    // when the handler cancelled. Unloading a form that is not loaded does nothing (true).
    bool Unload();
    bool loaded() const { return loaded_; }
    // Loads the form if needed and shows it; vbModal shows it through the dialog host and
    // returns once the form is closed.
    void Show(int style = vbModeless);
    void Hide();
    // Whether the form is being shown modally right now.
    bool modal() const { return modal_; }

    // Size change from the window layer or from code: sets the size and runs Form_Resize.
    void resize(int width, int height);
    // The smallest size the user may give the window, in twips (0: no limit); the window layer
    // hands it to the window manager.
    int min_width() const { return min_width_; }
    int min_height() const { return min_height_; }
    void set_min_size(int width, int height) {
        set(min_width_, width);
        set(min_height_, height);
    }

    // Controls of the form in creation order, and lookup by name (nullptr if none).
    const std::vector<Control *> &controls() const { return controls_; }
    Control *control(const std::string &name) const;

    // The control with the focus (nullptr: the form itself).
    Control *ActiveControl() const { return active_; }
    bool SetFocus() override;

    // The form's default button, which Enter clicks when the focused control does not use Enter
    // and the button is shown (not on a hidden tab page).
    CommandButton *default_button() const { return default_button_; }

    // A key stroke on the form: a menu shortcut (key code of the upper-case letter with the
    // shift flags) chooses its item when the item is reachable (the shortcut of a hidden or
    // disabled item is no shortcut and the key goes on to the control); Enter goes to the shown
    // default button unless the focused control uses it; otherwise KeyDown (and, for a character,
    // KeyPress) of the focused control.
    void user_key(int key_code, int shift = 0, int key_ascii = 0);

private:
    friend class Control;
    friend class CommandButton;
    void register_control(Control &c);
    void unregister_control(Control &c);
    void move_focus(Control *to);
    void set_default_button(CommandButton *b);

    std::string caption_;
    int min_width_ = 0, min_height_ = 0;
    bool loaded_ = false;
    bool modal_ = false;
    std::vector<Control *> controls_;
    Control *active_ = nullptr;
    CommandButton *default_button_ = nullptr;
};

} // namespace ohmira
