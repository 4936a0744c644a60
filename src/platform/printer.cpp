#include "platform/printer.h"

#include <algorithm>
#include <cmath>

#include "platform/text_metrics.h"

namespace ohmira {

SystemPrinter::SystemPrinter() {
    reset();
}

void SystemPrinter::reset() {
    available_ = true;
    paper_width_ = 11906;
    paper_height_ = 16838;
    printable_left_ = printable_top_ = 360;
    printable_width_ = paper_width_ - 720;
    printable_height_ = paper_height_ - 720;
    dpi_ = 600;
    fore_colour_ = colour_black;
    font_ = Font{"Arial", 10};
    fonts_ = known_font_names();
    font_source_ = device_.font_source;
    if (device_.paper) {
        const auto &p = *device_.paper;
        set_paper(p[0], p[1], p[2], p[3], p[4], p[5]);
    }
    paper_asked_ = !device_.paper_source;
    pages_.clear();
    jobs_.clear();
    doc_name_.clear();
    last_job_stopped_ = false;
    print_sink = device_.print_sink;
    form_image_sink = device_.form_image_sink;
    Scale();
    CurrentX(0);
    CurrentY(0);
    DrawWidth(1);
    DrawStyle(0);
    FillStyle(1);
    FillColor(colour_black);
}

void SystemPrinter::connect_device(PrinterDevice device) {
    device_ = std::move(device);
    reset();
}

bool SystemPrinter::set_paper(double width, double height, double printable_left,
                              double printable_top, double printable_width,
                              double printable_height) {
    const double v[] = {width,         height,          printable_left,
                        printable_top, printable_width, printable_height};
    for (double x : v)
        if (!std::isfinite(x) || x < 0 || x > 1.0e6)
            return false;
    if (width <= 0 || height <= 0 || printable_width <= 0 || printable_height <= 0)
        return false;
    paper_asked_ = true; // a paper set now is not replaced by the device's
    paper_width_ = width;
    paper_height_ = height;
    printable_left_ = printable_left;
    printable_top_ = printable_top;
    printable_width_ = printable_width;
    printable_height_ = printable_height;
    return true;
}

bool SystemPrinter::PrintForm(const Form &form) {
    return available_ && form_image_sink && form_image_sink(form);
}

bool SystemPrinter::set_dots_per_inch(int dpi) {
    if (dpi < 72 || dpi > 4800)
        return false;
    dpi_ = dpi;
    return true;
}

bool SystemPrinter::ForeColor(Colour c) {
    if (!available_)
        return false;
    fore_colour_ = c & 0xFFFFFF;
    return true;
}

bool SystemPrinter::FontName(const std::string &name) {
    if (!available_)
        return false;
    for (const std::string &f : fonts())
        if (f == name) {
            font_.name = name;
            return true;
        }
    return false;
}

bool SystemPrinter::FontSize(double points) {
    if (!available_ || !std::isfinite(points) || points <= 0 || points > 2048)
        return false;
    font_.size = points;
    return true;
}

bool SystemPrinter::FontBold(bool on) {
    if (!available_)
        return false;
    font_.bold = on;
    return true;
}

bool SystemPrinter::FontItalic(bool on) {
    if (!available_)
        return false;
    font_.italic = on;
    return true;
}

std::string SystemPrinter::Fonts(int index) const {
    if (index < 0 || index >= FontCount())
        return {};
    return fonts()[static_cast<std::size_t>(index)];
}

void SystemPrinter::ask_paper() const {
    if (paper_asked_)
        return;
    paper_asked_ = true;
    if (const std::optional<std::array<double, 6>> p = device_.paper_source())
        // The printer object is only ever const here through its own getters.
        const_cast<SystemPrinter *>(this)->set_paper((*p)[0], (*p)[1], (*p)[2], (*p)[3], (*p)[4],
                                                     (*p)[5]);
}

DisplayList SystemPrinter::blank_page() const {
    ask_paper();
    DisplayList d;
    d.width = paper_width_;
    d.height = paper_height_;
    return d;
}

DisplayList &SystemPrinter::canvas_list() {
    if (pages_.empty())
        pages_.push_back(blank_page());
    return pages_.back();
}

void SystemPrinter::NewPage() {
    if (pages_.empty())
        pages_.push_back(blank_page());
    pages_.push_back(blank_page());
    CurrentX(0);
    CurrentY(0);
}

bool SystemPrinter::EndDoc() {
    if (pages_.empty())
        return true; // nothing printed, nothing sent
    PrintJob job;
    job.from_page = 1;
    job.to_page = Page();
    job.pages = std::move(pages_);
    pages_.clear();
    CurrentX(0);
    CurrentY(0);
    job.title = doc_name_;
    last_job_stopped_ = false;
    if (!available_)
        return false;
    const PrintOutcome outcome = print_sink ? print_sink(job) : PrintOutcome::printed;
    last_job_stopped_ = outcome == PrintOutcome::stopped;
    if (outcome != PrintOutcome::printed)
        return false;
    jobs_.push_back(std::move(job));
    return true;
}

void SystemPrinter::KillDoc() {
    pages_.clear();
    CurrentX(0);
    CurrentY(0);
}

} // namespace ohmira
