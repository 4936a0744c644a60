#pragma once
// The system printer, the program's `Printer` object: a user scale over the printable area,
// lines, boxes, points and text printed at the current position with print zones, fonts, new
// page and end of document. Each page is a display list in twips of the paper; ended documents
// are kept as jobs and handed to the window layer's printer when one is set.
#include <array>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "platform/display_list.h"
#include "platform/scaled_canvas.h"

namespace ohmira {

class Form;

// What the window layer connects at start-up: the desktop's fonts, the real paper and where jobs
// and window images go. The printer's start state includes it.
struct PrinterDevice {
    // The desktop's fonts, asked for when a font list is first needed; none: the fonts whose
    // widths are measured.
    std::function<std::vector<std::string>()> font_source;
    // Paper width and height, printable left, top, width and height, in twips.
    std::optional<std::array<double, 6>> paper;
    // The same, asked for when the paper is first needed (asking the system's printer takes
    // time the start-up need not spend); none: the paper stays as it is.
    std::function<std::optional<std::array<double, 6>>()> paper_source;
    PrintSink print_sink;
    std::function<bool(const Form &)> form_image_sink;
};

class SystemPrinter : public ScaledCanvas {
public:
    SystemPrinter();

    // Back to the start state: no printer document, A4 upright (or the connected device's paper),
    // default font, twips scale, the connected device's fonts and sinks.
    void reset();

    // Connects the device (see PrinterDevice) and resets to it: a later reset keeps it.
    void connect_device(PrinterDevice device);

    // Whether a printer is installed; without one every set-up call fails (returns false).
    bool available() const { return available_; }
    void set_available(bool on) { available_ = on; }

    // --- paper -------------------------------------------------------------------------------
    // Paper size in twips.
    double Width() const { return (ask_paper(), paper_width_); }
    double Height() const { return (ask_paper(), paper_height_); }
    // Paper and printable area in twips, as the window layer reads them from the real printer.
    bool set_paper(double width, double height, double printable_left, double printable_top,
                   double printable_width, double printable_height);
    double printable_left() const { return (ask_paper(), printable_left_); }
    double printable_top() const { return (ask_paper(), printable_top_); }
    double printable_width() const { return (ask_paper(), printable_width_); }
    double printable_height() const { return (ask_paper(), printable_height_); }
    // Resolution of the device; DrawWidth counts its dots.
    int dots_per_inch() const { return dpi_; }
    bool set_dots_per_inch(int dpi);

    // --- drawing state -----------------------------------------------------------------------
    Colour ForeColor() const { return fore_colour_; }
    bool ForeColor(Colour c);
    const std::string &FontName() const { return font_.name; }
    // A name the printer does not offer is refused (false) and the font stays.
    bool FontName(const std::string &name);
    double FontSize() const { return font_.size; }
    bool FontSize(double points);
    bool FontBold() const { return font_.bold; }
    bool FontBold(bool on);
    bool FontItalic() const { return font_.italic; }
    bool FontItalic(bool on);

    // The printer's fonts.
    int FontCount() const { return static_cast<int>(fonts().size()); }
    std::string Fonts(int index) const;
    void set_fonts(std::vector<std::string> names) {
        fonts_ = std::move(names);
        font_source_ = nullptr;
    }
    // The list is asked of `source` when first needed.
    void set_font_source(std::function<std::vector<std::string>()> source) {
        font_source_ = std::move(source);
    }

    // --- document ----------------------------------------------------------------------------
    // Drawing opens a document when none is open.
    bool document_open() const { return !pages_.empty(); }
    int Page() const { return static_cast<int>(pages_.size()); }
    void NewPage();
    // Sends the document as one job (to print_sink when set) and closes it. False when the
    // printer refused it; the job is then not recorded.
    bool EndDoc();
    // Drops the open document.
    void KillDoc();
    // Pages of the open document, and the jobs ended so far.
    const std::vector<DisplayList> &pages() const { return pages_; }
    const std::vector<PrintJob> &jobs() const { return jobs_; }
    PrintSink print_sink;
    // Whether the last EndDoc stopped quietly (a cancelled dialog) rather than failed.
    bool last_job_stopped() const { return last_job_stopped_; }
    // The title of the print jobs (the queue's and a PDF file's document name).
    const std::string &DocName() const { return doc_name_; }
    void DocName(const std::string &name) { doc_name_ = name; }

    // Prints the image of a window as one job. False when the printer
    // or the window layer cannot; headless there is no image to print.
    bool PrintForm(const Form &form);
    std::function<bool(const Form &)> form_image_sink;

protected:
    DisplayList &canvas_list() override;
    Colour canvas_fore_colour() const override { return fore_colour_; }
    Font canvas_font() const override { return font_; }
    double dot_twips() const override { return 1440.0 / dpi_; }
    void update_extent(UserScale &s) const override {
        s.set_extent(printable_width(), printable_height());
    }
    PointTw surface_origin() const override { return {printable_left(), printable_top()}; }

private:
    DisplayList blank_page() const;
    // Takes the connected device's paper once, when first needed.
    void ask_paper() const;
    mutable bool paper_asked_ = true;

    bool available_ = true;
    double paper_width_ = 11906, paper_height_ = 16838;
    double printable_left_ = 360, printable_top_ = 360;
    double printable_width_ = 11906 - 720, printable_height_ = 16838 - 720;
    int dpi_ = 600;
    Colour fore_colour_ = colour_black;
    Font font_{"Arial", 10};
    const std::vector<std::string> &fonts() const {
        if (font_source_) {
            fonts_ = font_source_();
            font_source_ = nullptr;
        }
        return fonts_;
    }
    mutable std::vector<std::string> fonts_;
    mutable std::function<std::vector<std::string>()> font_source_;
    std::vector<DisplayList> pages_;
    std::vector<PrintJob> jobs_;
    PrinterDevice device_;
    std::string doc_name_;
    bool last_job_stopped_ = false;
};

// The system printer every command prints on.
inline SystemPrinter Printer;

// Where the print-to-PDF file dialog starts: the program installs the current file's folder;
// without a source the dialog starts in the working folder.
inline std::function<std::string()> Print_File_Folder;
// The name it proposes: the program installs the current sounding's name; without a source or a
// name, "Ohmira.pdf".
inline std::function<std::string()> Print_File_Name;

} // namespace ohmira
