#pragma once
// Base of the headless controls.
//
// Property style: every property is a pair of overloaded methods named like the property:
// `Text1.Caption("Open")` sets it, `Text1.Caption()` reads it. A setter whose change the user
// would also cause raises the same event, inside the setter (see each control).
// Events are public `std::function` members named like the event (`Click`, `Change`, ...); an
// empty one is simply not called.
// Loading is not clicking: a loader or a page rebuilt from the sounding sets values inside an
// `Events_Held` of the control, so that none of its events run what the user's action runs:
//     const Control::Events_Held loading{SEV.Check10};
//     SEV.Check10.Value(vbChecked); // no Click
// "User action" entry points (`user_click()`, `user_key_down(...)`, ...) are what the window layer
// and the tests call when the user acts; each fires each event once, in a fixed order (a focus
// change: LostFocus, then GotFocus; a double click on a grid: Click, then DblClick).
// Positions and sizes are twips; colours are Windows RGB ints (red + 256*green + 65536*blue).
//
// Declaring controls: a control is a member of its form (or of a group of controls the form
// aggregates) and is built with the form, its name, optionally its container, and its design
// position and size:
//     struct frmSplash_Form : Form {
//         frmSplash_Form() : Form("frmSplash") {}
//         Frame Frame1{*this, "Frame1", 120, 120, 4000, 2000};
//         CommandButton Command1{*this, "Command1", In{"Frame1"}, 120, 1500, 1200, 360};
//     };
// Controls on a tab strip page name the page: In{"SSTab1", 2}. Controls cannot be copied or
// moved; they unregister from the form when destroyed.
#include <cstdint>
#include <functional>
#include <string>

namespace ohmira {

class Form;

// Mouse pointers, with the numbers the program's code uses.
enum MousePointerConstants : int {
    vbDefault = 0,
    vbArrow = 1,
    vbCrosshair = 2,
    vbIbeam = 3,
    vbHourglass = 11,
};

// Key codes of KeyDown and character codes of KeyPress.
enum KeyCodeConstants : int {
    vbKeyBack = 8,
    vbKeyTab = 9,
    vbKeyReturn = 13,
    vbKeyEscape = 27,
    vbKeySpace = 32,
    vbKeyPageUp = 33,
    vbKeyPageDown = 34,
    vbKeyEnd = 35,
    vbKeyHome = 36,
    vbKeyLeft = 37,
    vbKeyUp = 38,
    vbKeyRight = 39,
    vbKeyDown = 40,
    vbKeyInsert = 45,
    vbKeyDelete = 46,
};

// Shift flags of key and mouse events, and mouse buttons.
enum ShiftConstants : int { vbShiftMask = 1, vbCtrlMask = 2, vbAltMask = 4 };
enum MouseButtonConstants : int { vbLeftButton = 1, vbRightButton = 2, vbMiddleButton = 4 };

// System colours: the desktop's colour of that role, whatever its theme (the window layer maps
// them; headless they stay these numbers).
inline constexpr int vbWindowText = static_cast<int>(0x80000008u);

// Values of check boxes.
enum CheckBoxConstants : int { vbUnchecked = 0, vbChecked = 1, vbGrayed = 2 };

struct FontSpec {
    std::string Name = "Arial";
    double Size = 8;
    bool Bold = false;
    bool Italic = false;
    bool operator==(const FontSpec &) const = default;
};

// The control a control sits in (a frame, a tab strip, a picture box), named within the form;
// `tab` is the page of a tab strip, -1 otherwise. Names resolve lazily, so a group of controls
// may place its controls in a container declared by another group.
struct In {
    std::string container;
    int tab = -1;
};

class Control {
public:
    using MouseEvent = std::function<void(int Button, int Shift, double X, double Y)>;

    // Creates the control and registers it with its form under `name` (unique within the form).
    Control(Form &owner, std::string name, int left = 0, int top = 0, int width = 0,
            int height = 0);
    Control(Form &owner, std::string name, In container, int left, int top, int width, int height);
    virtual ~Control();
    Control(const Control &) = delete;
    Control &operator=(const Control &) = delete;

    const std::string &Name() const { return name_; }
    Form &form() const { return *form_; }
    // The control this one sits in; nullptr when it sits on the form itself.
    Control *Container() const;
    const std::string &container_name() const { return container_.container; }
    int tab_page() const { return container_.tab; }
    // A short kind name for the window layer ("TextBox", "FlexGrid", ...).
    virtual const char *kind() const { return "Control"; }

    int Left() const { return left_; }
    void Left(int v) { set(left_, v); }
    int Top() const { return top_; }
    void Top(int v) { set(top_, v); }
    int Width() const { return width_; }
    void Width(int v) { set(width_, v); }
    int Height() const { return height_; }
    void Height(int v) { set(height_, v); }
    void Move(int left, int top, int width, int height);

    bool Visible() const { return visible_; }
    void Visible(bool v) { set(visible_, v); }
    bool Enabled() const { return enabled_; }
    void Enabled(bool v) { set(enabled_, v); }

    int BackColor() const { return back_color_ >= 0 ? back_color_ : default_back_color(); }
    void BackColor(int rgb) { set(back_color_, rgb); }
    int ForeColor() const { return fore_color_; }
    void ForeColor(int rgb) { set(fore_color_, rgb); }

    const FontSpec &Font() const { return font_; }
    void Font(const FontSpec &f) { set(font_, f); }
    void FontName(const std::string &n);
    void FontSize(double s);
    void FontBold(bool b);
    void FontItalic(bool i);

    const std::string &ToolTipText() const { return tooltip_; }
    void ToolTipText(const std::string &t) { set(tooltip_, t); }
    int MousePointer() const { return mouse_pointer_; }
    void MousePointer(int p) { set(mouse_pointer_, p); }
    int TabIndex() const { return tab_index_; }
    void TabIndex(int i) { set(tab_index_, i); }

    // Gives the focus to this control (LostFocus on the previous one, then GotFocus here).
    // A control that is not shown (see `shown`) or is disabled, in itself or a container,
    // cannot take the focus: returns false and changes nothing.
    virtual bool SetFocus();
    bool has_focus() const;
    // Whether the control takes the focus when clicked (labels and frames do not).
    virtual bool takes_focus() const { return true; }
    // Whether the control is on screen: it and every container are visible, and each tab strip
    // it sits in shows its page. Only such a control can take the focus.
    bool shown() const;
    // Whether a control placed on `page` of this container is shown (tab strips override).
    virtual bool shows_page(int /*page*/) const { return true; }

    std::function<void()> Click;
    std::function<void()> DblClick;
    std::function<void()> GotFocus;
    std::function<void()> LostFocus;
    std::function<void(int &KeyCode, int Shift)> KeyDown;
    std::function<void(int &KeyAscii)> KeyPress;
    MouseEvent MouseDown;
    MouseEvent MouseMove;
    MouseEvent MouseUp;

    // User actions. A disabled control ignores them. A double click raises DblClick only: its
    // first press arrives before it as a click.
    virtual void user_click();
    virtual void user_double_click();
    // Key pressed: KeyDown, then the control's own handling of the key unless cancelled
    // (KeyCode set to 0). Returns the key code left after the handler.
    virtual int user_key_down(int key_code, int shift = 0);
    // Character typed: KeyPress, then the control's own handling unless cancelled (0).
    // Returns the character left after the handler.
    virtual int user_key_press(int key_ascii);
    // Mouse at a position in twips of the control's client area; a control with a user scale
    // converts it before its handlers see it.
    virtual void user_mouse_down(int button, int shift, double x, double y);
    virtual void user_mouse_move(int button, int shift, double x, double y);
    virtual void user_mouse_up(int button, int shift, double x, double y);

    // While one lives, the control raises none of its events.
    class Events_Held {
    public:
        explicit Events_Held(Control &c) : control_(c) { ++control_.events_held_; }
        ~Events_Held() { --control_.events_held_; }
        Events_Held(const Events_Held &) = delete;
        Events_Held &operator=(const Events_Held &) = delete;

    private:
        Control &control_;
    };
    bool events_held() const { return events_held_ > 0; }

    // Change tracking for the window layer: the revision grows on every change of state, and
    // `on_state_changed` (if set) is called after it.
    std::uint64_t revision() const { return revision_; }
    std::function<void(Control &)> on_state_changed;

protected:
    friend class Form;
    // For forms, which are their own owner and are not registered.
    explicit Control(std::string name);
    void attach_form(Form &f) { form_ = &f; }

    virtual int default_back_color() const { return 0xF0F0F0; }
    // Handling of a key or character after the events, when not cancelled.
    virtual void on_key_down(int /*key_code*/, int /*shift*/) {}
    virtual void on_key_press(int /*key_ascii*/) {}
    void mark_changed();
    template <class T> void set(T &field, const T &value) {
        if (field == value)
            return;
        field = value;
        mark_changed();
    }
    // Raises an event of this control, unless its events are held.
    void fire(const std::function<void()> &f) const {
        if (f && events_held_ == 0)
            f();
    }

private:
    std::string name_;
    Form *form_ = nullptr;
    In container_;
    int left_ = 0, top_ = 0, width_ = 0, height_ = 0;
    bool visible_ = true;
    bool enabled_ = true;
    int back_color_ = -1;
    int fore_color_ = 0;
    FontSpec font_;
    std::string tooltip_;
    int mouse_pointer_ = vbDefault;
    int tab_index_ = 0;
    std::uint64_t revision_ = 0;
    int events_held_ = 0;
};

} // namespace ohmira
