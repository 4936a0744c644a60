#include "platform/qt/print_settings_qt.h"

#include "platform/qt/display_list_painter.h"
#include "platform/qt/qt_convert.h"

#include <QMarginsF>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>

#include <algorithm>
#include <cmath>

namespace ohmira::qt {

namespace {

constexpr double twips_per_point = 20.0;

} // namespace

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
    const double w = std::min(s.paper_width, s.paper_height) / twips_per_point;
    const double h = std::max(s.paper_width, s.paper_height) / twips_per_point;
    if (w > 0 && h > 0)
        printer.setPageSize(QPageSize(QSizeF(w, h), QPageSize::Point, QString(),
                                      QPageSize::FuzzyOrientationMatch));
    printer.setPageOrientation(s.landscape ? QPageLayout::Landscape : QPageLayout::Portrait);
    printer.setPageMargins(QMarginsF(s.margin_left, s.margin_top, s.margin_right,
                                     s.margin_bottom) /
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
    const QRectF paper = layout.fullRect(QPageLayout::Point); // oriented
    s.paper_width = std::round(paper.width() * twips_per_point);
    s.paper_height = std::round(paper.height() * twips_per_point);
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

bool write_pdf(const std::vector<DisplayList> &pages, double paper_width, double paper_height,
               const std::string &path) {
    if (!(paper_width > 0) || !(paper_height > 0))
        return false;
    QPrinter pdf(QPrinter::HighResolution);
    pdf.setOutputFormat(QPrinter::PdfFormat);
    pdf.setOutputFileName(qstr(path));
    pdf.setFullPage(true);
    const bool landscape = paper_width > paper_height;
    pdf.setPageSize(QPageSize(QSizeF(std::min(paper_width, paper_height) / twips_per_point,
                                     std::max(paper_width, paper_height) / twips_per_point),
                              QPageSize::Point, QString(), QPageSize::FuzzyOrientationMatch));
    pdf.setPageOrientation(landscape ? QPageLayout::Landscape : QPageLayout::Portrait);
    pdf.setPageMargins(QMarginsF(0, 0, 0, 0));
    return print_pages(pages.empty() ? std::vector<DisplayList>{DisplayList{}} : pages, pdf);
}

} // namespace ohmira::qt
