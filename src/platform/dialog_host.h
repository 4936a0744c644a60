#pragma once
// Every box and dialog the program shows goes through one host: the Qt layer shows real
// dialogs, tests install a scripted host, and a headless host answers when nothing is installed.
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace ohmira {

class Form;

// Message box buttons and icons, with the numbers the program's code was written against.
inline constexpr int vbOKOnly = 0;
inline constexpr int vbOKCancel = 1;
inline constexpr int vbYesNoCancel = 3;
inline constexpr int vbYesNo = 4;
inline constexpr int vbCritical = 16;
inline constexpr int vbQuestion = 32;
inline constexpr int vbExclamation = 48;
inline constexpr int vbInformation = 64;
inline constexpr int vbDefaultButton2 = 256; // the second button is the default

// Message box results.
inline constexpr int vbOK = 1;
inline constexpr int vbCancel = 2;
inline constexpr int vbYes = 6;
inline constexpr int vbNo = 7;

// File dialog flags.
inline constexpr int cdlOFNReadOnly = 0x1;
inline constexpr int cdlOFNOverwritePrompt = 0x2;
inline constexpr int cdlOFNHideReadOnly = 0x4;
inline constexpr int cdlOFNAllowMultiselect = 0x200;
inline constexpr int cdlOFNPathMustExist = 0x800;
inline constexpr int cdlOFNFileMustExist = 0x1000;
inline constexpr int cdlOFNExplorer = 0x80000;

enum class MsgButtons { OKOnly, OKCancel, YesNoCancel, YesNo };
enum class MsgIcon { None, Critical, Question, Exclamation, Information };

// Splits the combined flag value of a message box; unknown button codes read as OK only.
MsgButtons msg_buttons(int flags);
MsgIcon msg_icon(int flags);

struct MessageBoxRequest {
    std::string text;  // as given, CR LF pairs included
    std::string title; // already resolved: the application's title when the caller gave none
    MsgButtons buttons = MsgButtons::OKOnly;
    MsgIcon icon = MsgIcon::None;
    int default_button = 1; // 1: the first button, 2: the second
};

struct InputBoxRequest {
    std::string prompt;
    std::string title;
    std::string default_text;
};

struct InputBoxResult {
    bool cancelled = true;
    std::string text; // "" when cancelled
};

struct FileDialogRequest {
    std::string title;
    std::string filter;      // "description|pattern|description|pattern"
    int filter_index = 1;    // 1-based
    std::string file_name;   // proposed name, may be a pattern such as "*.QD3"
    std::string initial_dir; // "" for the current folder
    int flags = 0;           // cdlOFN... values
};

struct FileDialogResult {
    bool cancelled = true;
    std::vector<std::string> files; // full paths; several only with cdlOFNAllowMultiselect
};

struct ColorDialogRequest {
    std::string title;
    std::int32_t color = 0; // initial colour, red + 256 * green + 65536 * blue
};

struct ColorDialogResult {
    bool cancelled = true;
    std::int32_t color = 0; // the chosen colour; the initial colour when cancelled
};

// Printer and page set-up: the host edits the settings in place and reports whether the
// user accepted. Sizes and margins are in twips.
struct PrintSettings {
    std::string printer_name;
    double paper_width = 11906; // A4
    double paper_height = 16838;
    bool landscape = false;
    double margin_left = 1134;
    double margin_top = 1134;
    double margin_right = 1134;
    double margin_bottom = 1245;
    int copies = 1;
    int from_page = 0; // 0 = all pages
    int to_page = 0;
};

enum class DialogKind { MessageBox, InputBox, OpenFile, SaveFile, Color, Printer, PageSetup, Form };

class DialogHost {
public:
    virtual ~DialogHost() = default;

    // Returns vbOK, vbCancel, vbYes or vbNo.
    virtual int message_box(const MessageBoxRequest &request) = 0;
    virtual InputBoxResult input_box(const InputBoxRequest &request) = 0;
    virtual FileDialogResult open_file(const FileDialogRequest &request) = 0;
    // With cdlOFNOverwritePrompt the host asks before an existing file is chosen.
    virtual FileDialogResult save_file(const FileDialogRequest &request) = 0;
    virtual ColorDialogResult choose_color(const ColorDialogRequest &request) = 0;
    // Return true when the user accepted; the settings are changed only then.
    virtual bool printer_dialog(PrintSettings &settings) = 0;
    virtual bool page_setup_dialog(PrintSettings &settings) = 0;
    // Shows the form modally and returns when it is hidden or unloaded.
    virtual void show_modal(Form &form) = 0;
};

// Answers without blocking, as a user who cancels: OK for an OK-only box, Cancel where the box
// has it, otherwise No; input and file dialogs cancelled; colour cancelled with the initial
// colour; printer dialogs refused; modal forms return at once. Message texts go to stderr so
// that nothing the program says is lost.
class HeadlessDialogHost : public DialogHost {
public:
    int message_box(const MessageBoxRequest &request) override;
    InputBoxResult input_box(const InputBoxRequest &request) override;
    FileDialogResult open_file(const FileDialogRequest &request) override;
    FileDialogResult save_file(const FileDialogRequest &request) override;
    ColorDialogResult choose_color(const ColorDialogRequest &request) override;
    bool printer_dialog(PrintSettings &settings) override;
    bool page_setup_dialog(PrintSettings &settings) override;
    void show_modal(Form &form) override;
};

// The installed host; the headless host when none is installed.
DialogHost &dialog_host();
// Installs a host (not owned; nullptr puts the headless host back).
void set_dialog_host(DialogHost *host);

// Installs a host for the lifetime of the guard and puts the previous one back.
class DialogHostGuard {
public:
    explicit DialogHostGuard(DialogHost &host);
    ~DialogHostGuard();
    DialogHostGuard(const DialogHostGuard &) = delete;
    DialogHostGuard &operator=(const DialogHostGuard &) = delete;

private:
    DialogHost *previous_;
};

// Message box titled with the application's title.
int MsgBox(std::string_view text, int flags = vbOKOnly);
// Message box with the caller's title, used as given (an empty title stays empty).
int MsgBox(std::string_view text, int flags, std::string_view title);

// Input box; "" when cancelled. Without a title the application's title is shown.
std::string InputBox(std::string_view prompt);
std::string InputBox(std::string_view prompt, std::string_view title,
                     std::string_view default_text = "");

void show_modal(Form &form);

} // namespace ohmira
