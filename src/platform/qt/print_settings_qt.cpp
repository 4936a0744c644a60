#include "platform/qt/print_settings_qt.h"

#include "platform/printer.h"
#include "platform/qt/cups_print_system.h"
#include "platform/qt/display_list_painter.h"
#include "platform/qt/qt_convert.h"

#include <QDir>
#include <QMarginsF>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPrinterInfo>

#include "platform/dialog_host.h"
#include "platform/ui_language.h"

#include <QFile>

#include <algorithm>
#include <cmath>

namespace ohmira::qt {

namespace {

constexpr double twips_per_point = 20.0;

// A text of the window layer's own boxes in the program's language.
std::string by_ui_language(const char *french, const char *spanish, const char *english) {
    const std::string &l = ui_language();
    return l == "fr" ? french : l == "es" ? spanish : english;
}
constexpr double twips_per_mm = 1440.0 / 25.4;

// Whether a PDF file can be written at `path`, tried before anything is drawn so that a box can
// name the path and say why not.
bool file_writable(const std::string &path) {
    QFile probe(qstr(path));
    const bool existed = probe.exists();
    if (!probe.open(QIODevice::WriteOnly | QIODevice::Append)) {
        MsgBox(by_ui_language("Impossible d'écrire ", "No se puede escribir ", "Cannot write ") +
                   path + "\r\n" + probe.errorString().toStdString(),
               vbExclamation);
        return false;
    }
    probe.close();
    if (!existed)
        probe.remove();
    return true;
}

} // namespace

const PrintSystem &print_system() {
    static const PrintSystem system = cups_print_system();
    return system;
}

QPrinter &shared_printer() {
    static QPrinter *printer = [] {
        auto *p = new QPrinter(QPrinter::HighResolution);
        p->setFullPage(true); // margins are the program's, measured from the paper's edge
        p->setPageSize(QPageSize(QPageSize::A4));
        return p;
    }();
    return *printer;
}

void apply_settings(const PrintSettings &s, QPrinter &printer) {
    if (!s.printer_name.empty() && printer.outputFormat() == QPrinter::NativeFormat)
        printer.setPrinterName(qstr(s.printer_name));
    const double w = std::min(s.paper_width, s.paper_height) / twips_per_mm;
    const double h = std::max(s.paper_width, s.paper_height) / twips_per_mm;
    if (w > 0 && h > 0)
        printer.setPageSize(QPageSize(QSizeF(w, h), QPageSize::Millimeter, QString(),
                                      QPageSize::FuzzyOrientationMatch));
    printer.setPageOrientation(s.landscape ? QPageLayout::Landscape : QPageLayout::Portrait);
    printer.setPageMargins(QMarginsF(s.margin_left, s.margin_top, s.margin_right, s.margin_bottom) /
                               twips_per_point,
                           QPageLayout::Point);
    printer.setCopyCount(std::max(1, s.copies));
    if (s.from_page > 0 && s.to_page >= s.from_page) {
        printer.setPrintRange(QPrinter::PageRange);
        printer.setFromTo(s.from_page, s.to_page);
    } else {
        printer.setPrintRange(QPrinter::AllPages);
    }
}

void read_settings(const QPrinter &printer, PrintSettings &s) {
    const QPageLayout layout = printer.pageLayout();
    const QSizeF paper = layout.pageSize().size(QPageSize::Millimeter); // upright
    s.paper_width = std::round(std::min(paper.width(), paper.height()) * twips_per_mm);
    s.paper_height = std::round(std::max(paper.width(), paper.height()) * twips_per_mm);
    s.landscape = layout.orientation() == QPageLayout::Landscape;
    const QMarginsF m = layout.margins(QPageLayout::Point);
    s.margin_left = std::round(m.left() * twips_per_point);
    s.margin_top = std::round(m.top() * twips_per_point);
    s.margin_right = std::round(m.right() * twips_per_point);
    s.margin_bottom = std::round(m.bottom() * twips_per_point);
    s.printer_name = printer.printerName().toStdString();
    s.copies = printer.copyCount();
    if (printer.printRange() == QPrinter::PageRange) {
        s.from_page = printer.fromPage();
        s.to_page = printer.toPage();
    } else {
        s.from_page = s.to_page = 0;
    }
}

bool print_pages(const std::vector<DisplayList> &pages, QPrinter &printer) {
    if (pages.empty())
        return true;
    int first = 1, last = static_cast<int>(pages.size());
    if (printer.printRange() == QPrinter::PageRange && printer.fromPage() > 0) {
        first = std::max(1, printer.fromPage());
        last = std::min(last, std::max(first, printer.toPage()));
    }
    if (first > last)
        return true;
    QPainter p;
    if (!p.begin(&printer))
        return false;
    // Device pixels per twip: the paper is full page.
    const double s = printer.resolution() / twips_per_inch;
    for (int i = first; i <= last; ++i) {
        if (i > first && !printer.newPage()) {
            p.end();
            return false;
        }
        paint_display_list(p, pages[static_cast<size_t>(i - 1)], s);
    }
    return p.end();
}

namespace {

// Sets the printer's paper to a page of `width` x `height` twips, turned as the page is.
void set_paper(QPrinter &printer, double width, double height) {
    if (!(width > 0) || !(height > 0))
        return;
    printer.setPageSize(QPageSize(
        QSizeF(std::min(width, height) / twips_per_mm, std::max(width, height) / twips_per_mm),
        QPageSize::Millimeter, QString(), QPageSize::FuzzyOrientationMatch));
    printer.setPageOrientation(width > height ? QPageLayout::Landscape : QPageLayout::Portrait);
}

} // namespace

PrintOutcome print_job(const PrintJob &job) {
    if (job.pages.empty())
        return PrintOutcome::printed;
    QPrinter &printer = shared_printer();
    if (const PrintOutcome chosen = choose_printer_output(printer, job.file_name);
        chosen != PrintOutcome::printed)
        return chosen;
    set_paper(printer, job.pages.front().width, job.pages.front().height);
    printer.setPrintRange(QPrinter::AllPages);
    printer.setDocName(job.title.empty() ? QStringLiteral("Ohmira") : qstr(job.title));
    const int copies = std::max(1, job.copies);
    const bool to_file = printer.outputFormat() == QPrinter::PdfFormat;
    std::vector<DisplayList> pages = job.pages;
    if (to_file) {
        // A file holds every copy as pages of its own.
        for (int c = 1; c < copies; ++c)
            pages.insert(pages.end(), job.pages.begin(), job.pages.end());
        printer.setCopyCount(1);
    } else {
        printer.setCopyCount(copies);
    }
    if (to_file) {
        if (!print_pages(pages, printer))
            return PrintOutcome::failed;
    } else {
        // The queue may be gone or refuse jobs: Qt reports success either way.
        const PrintOutcome sent = send_to_queue(printer.printerName().toStdString(), print_system(),
                                                [&] { return print_pages(pages, printer); });
        if (sent != PrintOutcome::printed)
            return sent;
    }
    if (to_file)
        MsgBox(
            by_ui_language("Fichier PDF écrit : ", "Archivo PDF escrito: ", "PDF file written: ") +
                printer.outputFileName().toStdString(),
            vbInformation);
    return PrintOutcome::printed;
}

PrintOutcome choose_printer_output(QPrinter &printer, const std::string &file_name) {
    if (QPrinterInfo::availablePrinters().isEmpty()) {
        FileDialogRequest r;
        r.title = "Print to a PDF file";
        r.filter = "PDF (*.pdf)|*.pdf";
        r.file_name = file_name;
        if (r.file_name.empty() && Print_File_Name)
            r.file_name = Print_File_Name();
        if (r.file_name.empty())
            r.file_name = "Ohmira.pdf";
        r.initial_dir = Print_File_Folder ? Print_File_Folder() : std::string();
        if (r.initial_dir.empty())
            r.initial_dir = QDir::homePath().toStdString();
        r.flags = cdlOFNOverwritePrompt;
        const FileDialogResult f = dialog_host().save_file(r);
        if (f.cancelled || f.files.empty())
            return PrintOutcome::stopped;
        // A name without a folder goes into the dialog's folder, never the working folder.
        std::string path = f.files.front();
        if (!path.empty() && path.front() != '/')
            path = r.initial_dir + "/" + path;
        if (path.size() < 4 || QString::fromStdString(path.substr(path.size() - 4))
                                       .compare(QStringLiteral(".pdf"), Qt::CaseInsensitive) != 0)
            path += ".pdf";
        if (!file_writable(path))
            return PrintOutcome::stopped;
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(qstr(path));
    } else if (printer.outputFormat() == QPrinter::PdfFormat &&
               !file_writable(printer.outputFileName().toStdString())) {
        // Print to File chosen in the printer set-up, into a folder that is missing or cannot be
        // written (now, or since it was chosen).
        return PrintOutcome::stopped;
    }
    return PrintOutcome::printed;
}

void connect_system_printer(std::function<std::vector<std::string>()> font_source) {
    PrinterDevice device;
    device.font_source = std::move(font_source);
    // The printer is made, and the print system asked for its paper, when a printer document
    // first needs it: not at start-up.
    device.paper_source = [] {
        QPrinter &printer = shared_printer();
        const QPageLayout layout = printer.pageLayout();
        const QRectF paper = layout.fullRect(QPageLayout::Millimeter);
        const QMarginsF hw = layout.minimumMargins(); // the printer's unprintable edges
        const double unit = layout.units() == QPageLayout::Millimeter ? twips_per_mm
                            : layout.units() == QPageLayout::Point    ? twips_per_point
                            : layout.units() == QPageLayout::Inch     ? 1440.0
                                                                      : twips_per_mm;
        const double w = paper.width() * twips_per_mm, h = paper.height() * twips_per_mm;
        return std::optional<std::array<double, 6>>{{w, h, hw.left() * unit, hw.top() * unit,
                                                     w - (hw.left() + hw.right()) * unit,
                                                     h - (hw.top() + hw.bottom()) * unit}};
    };
    device.print_sink = print_job;
    device.form_image_sink = print_form_image;
    Printer.connect_device(std::move(device));
}

bool write_pdf(const std::vector<DisplayList> &pages, double paper_width, double paper_height,
               const std::string &path) {
    if (!(paper_width > 0) || !(paper_height > 0))
        return false;
    QPrinter pdf(QPrinter::HighResolution);
    pdf.setOutputFormat(QPrinter::PdfFormat);
    pdf.setOutputFileName(qstr(path));
    pdf.setFullPage(true);
    const bool landscape = paper_width > paper_height;
    pdf.setPageSize(QPageSize(QSizeF(std::min(paper_width, paper_height) / twips_per_mm,
                                     std::max(paper_width, paper_height) / twips_per_mm),
                              QPageSize::Millimeter, QString(), QPageSize::FuzzyOrientationMatch));
    pdf.setPageOrientation(landscape ? QPageLayout::Landscape : QPageLayout::Portrait);
    pdf.setPageMargins(QMarginsF(0, 0, 0, 0));
    return print_pages(pages.empty() ? std::vector<DisplayList>{DisplayList{}} : pages, pdf);
}

} // namespace ohmira::qt
