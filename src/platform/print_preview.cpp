#include "platform/print_preview.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

#include "platform/dialog_host.h"
#include "platform/text_metrics.h"

namespace ohmira {

namespace {

// Coordinates beyond this are refused as arguments: no paper comes near it.
constexpr double max_twips = 1.0e7;

bool valid(double v) {
    return std::isfinite(v) && std::fabs(v) <= max_twips;
}

std::vector<std::string> split(std::string_view text, char sep) {
    std::vector<std::string> out;
    std::size_t start = 0;
    for (std::size_t i = 0; i <= text.size(); ++i) {
        if (i == text.size() || text[i] == sep) {
            out.emplace_back(text.substr(start, i - start));
            start = i + 1;
        }
    }
    return out;
}

std::vector<std::string> lines_of(std::string_view text) {
    std::vector<std::string> out;
    std::string line;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\r' || text[i] == '\n') {
            if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n')
                ++i;
            out.push_back(line);
            line.clear();
        } else {
            line += text[i];
        }
    }
    out.push_back(line);
    return out;
}

} // namespace

bool parse_table_format(std::string_view format, double left, std::vector<TableColumn> &columns) {
    columns.clear();
    const std::size_t end = format.find(';');
    const std::string_view row = format.substr(0, end);
    double x = left;
    for (const std::string &field : split(row, '|')) {
        TableColumn c;
        std::size_t i = 0;
        while (i < field.size() &&
               std::string_view("<^>=+~- ").find(field[i]) != std::string::npos) {
            if (field[i] == '<' || field[i] == '^' || field[i] == '>')
                c.align = field[i];
            ++i;
        }
        const std::string number = field.substr(i);
        if (number.empty())
            return false;
        char *stop = nullptr;
        const double width = std::strtod(number.c_str(), &stop);
        while (stop && *stop == ' ')
            ++stop;
        if (!stop || *stop != '\0' || !std::isfinite(width) || width <= 0 || width > max_twips)
            return false;
        c.width = width;
        c.left = x;
        x += width;
        columns.push_back(c);
    }
    return !columns.empty();
}

std::vector<std::vector<std::string>> split_table_rows(std::string_view text) {
    std::vector<std::vector<std::string>> rows;
    std::vector<std::string> parts = split(text, ';');
    // A text ending with ";" leaves an empty last part that is no row.
    if (!parts.empty() && parts.back().empty())
        parts.pop_back();
    for (const std::string &row : parts)
        rows.push_back(split(row, '|'));
    return rows;
}

VSPrinter::VSPrinter(Form &owner, std::string name, int left, int top, int width, int height)
    : VSPrinter(owner, std::move(name), In{}, left, top, width, height) {}

VSPrinter::VSPrinter(Form &owner, std::string name, In container, int left, int top, int width,
                     int height)
    : Control(owner, std::move(name), std::move(container), left, top, width, height) {
    Font(FontSpec{"Arial", 10, false, false});
}

// --- errors and document ---------------------------------------------------------------------

void VSPrinter::raise(int code) {
    last_error_ = code;
    if (Error)
        Error();
}

bool VSPrinter::need_document() {
    if (open_ && !pages_.empty())
        return true;
    raise(vspNoDocument);
    return false;
}

DisplayList VSPrinter::new_page_list() const {
    DisplayList d;
    d.width = PageWidth();
    d.height = PageHeight();
    d.background = colour_white;
    return d;
}

DisplayList &VSPrinter::page() {
    return pages_.back();
}

void VSPrinter::StartDoc() {
    pages_.clear();
    tables_.clear();
    table_open_ = false;
    table_ = OpenTable{};
    has_last_point_ = false;
    open_ = true;
    pages_.push_back(new_page_list());
    current_x_ = margin_left_;
    current_y_ = margin_top_;
    preview_page_ = 1;
    mark_changed();
}

void VSPrinter::EndDoc() {
    if (!open_)
        return;
    if (table_open_)
        EndTable();
    open_ = false;
    preview_page_ = std::clamp(preview_page_, pages_.empty() ? 0 : 1, PageCount());
    mark_changed();
    if (EndDocument)
        EndDocument();
}

void VSPrinter::NewPage() {
    if (!need_document())
        return;
    pages_.push_back(new_page_list());
    current_x_ = margin_left_;
    current_y_ = margin_top_;
    has_last_point_ = false;
    mark_changed();
}

// --- page --------------------------------------------------------------------------------------

double VSPrinter::PageWidth() const {
    return orientation_ == orLandscape ? paper_height_ : paper_width_;
}

double VSPrinter::PageHeight() const {
    return orientation_ == orLandscape ? paper_width_ : paper_height_;
}

bool VSPrinter::Orientation(int o) {
    if (o != orPortrait && o != orLandscape) {
        raise(vspBadArgument);
        return false;
    }
    set(orientation_, o);
    return true;
}

bool VSPrinter::paper_size(double width, double height) {
    if (!valid(width) || !valid(height) || width <= 0 || height <= 0) {
        raise(vspBadArgument);
        return false;
    }
    paper_width_ = std::min(width, height);
    paper_height_ = std::max(width, height);
    mark_changed();
    return true;
}

bool VSPrinter::set_margin(double &margin, double v) {
    if (!valid(v) || v < 0) {
        raise(vspBadArgument);
        return false;
    }
    margin = v;
    return true;
}

// --- text --------------------------------------------------------------------------------------

ohmira::Font VSPrinter::current_font() const {
    ohmira::Font out = drawing_font(Font());
    out.angle = text_angle_;
    return out;
}

void VSPrinter::CurrentX(double x) {
    if (!valid(x)) {
        raise(vspBadArgument);
        return;
    }
    current_x_ = x;
}

void VSPrinter::CurrentY(double y) {
    if (!valid(y)) {
        raise(vspBadArgument);
        return;
    }
    current_y_ = y;
}

void VSPrinter::text_at(double x, double y, std::string_view text) {
    if (text.empty())
        return;
    const ohmira::Font f = current_font();
    page().add(
        TextOp{x, y, std::string(text), f, text_colour_, text_width(f, text), line_height(f)});
}

void VSPrinter::Text(std::string_view text) {
    if (!need_document())
        return;
    const std::vector<std::string> lines = lines_of(text);
    const double line = line_height(current_font());
    for (std::size_t i = 0; i < lines.size(); ++i) {
        if (i > 0) {
            current_x_ = margin_left_;
            current_y_ += line;
        }
        text_at(current_x_, current_y_, lines[i]);
        current_x_ += text_width(current_font(), lines[i]);
    }
    mark_changed();
}

void VSPrinter::Paragraph(std::string_view text) {
    if (!need_document())
        return;
    Text(text);
    current_x_ = margin_left_;
    current_y_ += line_height(current_font());
}

double VSPrinter::TextWidth(std::string_view text) const {
    return text_width(current_font(), text);
}

double VSPrinter::TextHeight(std::string_view text) const {
    return text_height(current_font(), text);
}

// --- pen, brush and drawing ----------------------------------------------------------------------

bool VSPrinter::PenStyle(int style) {
    if (style < 0 || style > 6) {
        raise(vspBadArgument);
        return false;
    }
    pen_.style = static_cast<ohmira::PenStyle>(style);
    return true;
}

bool VSPrinter::PenWidth(double twips) {
    if (!valid(twips) || twips < 0) {
        raise(vspBadArgument);
        return false;
    }
    pen_.width = twips;
    return true;
}

bool VSPrinter::BrushStyle(int style) {
    if (style < 0 || style > 7) {
        raise(vspBadArgument);
        return false;
    }
    brush_.style = style == 1 ? ohmira::BrushStyle::Transparent : ohmira::BrushStyle::Solid;
    return true;
}

void VSPrinter::DrawLine(double x1, double y1, double x2, double y2) {
    if (!need_document())
        return;
    if (!valid(x1) || !valid(y1) || !valid(x2) || !valid(y2)) {
        raise(vspBadArgument);
        return;
    }
    page().add(LineOp{x1, y1, x2, y2, pen_});
    has_last_point_ = true;
    last_x_ = x2;
    last_y_ = y2;
    mark_changed();
}

void VSPrinter::DrawLine(double x, double y) {
    // Without a previous point the line starts and ends at (x, y).
    DrawLine(has_last_point_ ? last_x_ : x, has_last_point_ ? last_y_ : y, x, y);
}

void VSPrinter::DrawRectangle(double x1, double y1, double x2, double y2) {
    if (!need_document())
        return;
    if (!valid(x1) || !valid(y1) || !valid(x2) || !valid(y2)) {
        raise(vspBadArgument);
        return;
    }
    page().add(BoxOp{x1, y1, x2, y2, pen_, brush_});
    mark_changed();
}

void VSPrinter::Polyline(std::string_view points) {
    std::vector<double> numbers;
    std::string token;
    auto flush = [&]() -> bool {
        if (token.empty())
            return true;
        char *stop = nullptr;
        const double v = std::strtod(token.c_str(), &stop);
        const bool whole = stop && *stop == '\0';
        token.clear();
        if (!whole || !valid(v))
            return false;
        numbers.push_back(v);
        return true;
    };
    for (char ch : points) {
        if (ch == ' ' || ch == ',' || ch == '\t' || ch == '\r' || ch == '\n') {
            if (!flush()) {
                raise(vspBadPoints);
                return;
            }
        } else {
            token += ch;
        }
    }
    if (!flush() || numbers.size() % 2 != 0) {
        raise(vspBadPoints);
        return;
    }
    std::vector<PointTw> pts;
    for (std::size_t i = 0; i < numbers.size(); i += 2)
        pts.push_back({numbers[i], numbers[i + 1]});
    Polyline(pts);
}

void VSPrinter::Polyline(const std::vector<PointTw> &points) {
    if (!need_document())
        return;
    for (const PointTw &p : points)
        if (!valid(p.x) || !valid(p.y)) {
            raise(vspBadArgument);
            return;
        }
    if (points.size() < 2)
        return;
    page().add(PolylineOp{points, pen_});
    mark_changed();
}

// --- tables --------------------------------------------------------------------------------------

bool VSPrinter::TableBorder(int border) {
    if (border < tbNone || border > tbAll) {
        raise(vspBadArgument);
        return false;
    }
    table_border_ = border;
    return true;
}

double VSPrinter::TableSetting(int index) const {
    const auto it = table_settings_.find(index);
    return it == table_settings_.end() ? 0 : it->second;
}

void VSPrinter::StartTable() {
    if (!need_document())
        return;
    if (table_open_)
        EndTable();
    table_open_ = true;
    table_ = OpenTable{};
}

void VSPrinter::EndTable() {
    if (!table_open_)
        return;
    table_open_ = false;
    if (!table_.columns.empty())
        finish_table(table_);
    table_ = OpenTable{};
}

bool VSPrinter::begin_table(std::string_view format, std::string_view header, OpenTable &t) {
    if (!parse_table_format(format, margin_left_, t.columns)) {
        raise(vspBadTableFormat);
        return false;
    }
    t.header = split_table_rows(header);
    t.next_row = 0;
    t.page_has_rows = false;
    TableTrace trace;
    trace.columns = t.columns;
    trace.top = current_y_;
    trace.bottom = current_y_;
    trace.first_page = trace.last_page = PageCount();
    tables_.push_back(trace);
    t.trace = tables_.size() - 1;
    for (const auto &row : t.header)
        lay_row(t, row, true);
    tables_[t.trace].header_rows = static_cast<int>(t.header.size());
    return true;
}

void VSPrinter::AddTable(std::string_view format, std::string_view header, std::string_view body) {
    if (!need_document())
        return;
    const bool appending = table_open_ && !table_.columns.empty();
    if (!appending) {
        OpenTable fresh;
        if (!begin_table(format, header, fresh))
            return;
        table_ = fresh; // outside an open table it is finished below
    }
    for (const auto &row : split_table_rows(body))
        lay_row(table_, row, false);
    if (!table_open_) {
        finish_table(table_);
        table_ = OpenTable{};
    }
    mark_changed();
}

void VSPrinter::lay_row(OpenTable &t, const std::vector<std::string> &cells, bool header) {
    const double limit = PageHeight() - margin_bottom_;
    // Fonts may change in BeforeTableCell, so the cells are prepared before the height is known.
    std::vector<std::string> texts(t.columns.size());
    std::vector<ohmira::Font> fonts(t.columns.size());
    std::vector<Colour> colours(t.columns.size());
    for (std::size_t c = 0; c < t.columns.size(); ++c) {
        texts[c] = c < cells.size() ? cells[c] : std::string();
        if (BeforeTableCell)
            BeforeTableCell(t.next_row, static_cast<std::int32_t>(c), texts[c]);
        fonts[c] = current_font();
        fonts[c].angle = 0;
        colours[c] = text_colour_;
    }
    double height = 0;
    for (const ohmira::Font &f : fonts)
        height = std::max(height, line_height(f));
    height += 2 * table_cell_padding_y;

    if (t.page_has_rows && current_y_ + height > limit) {
        close_table_on_page(t);
        NewPage();
        t.page_has_rows = false;
        if (!header) {
            // The header rows head every page of the table.
            const int row = t.next_row;
            for (std::size_t h = 0; h < t.header.size(); ++h) {
                t.next_row = static_cast<int>(h);
                lay_row(t, t.header[h], true);
            }
            t.next_row = row;
        }
    }
    const double top = current_y_;
    const double bottom = top + height;
    for (std::size_t c = 0; c < t.columns.size(); ++c) {
        const TableColumn &col = t.columns[c];
        const double w = text_width(fonts[c], texts[c]);
        double x = col.left + table_cell_padding_x;
        if (col.align == '>')
            x = col.right() - table_cell_padding_x - w;
        else if (col.align == '^')
            x = col.left + (col.width - w) / 2;
        if (!texts[c].empty())
            page().add(TextOp{x, top + table_cell_padding_y, texts[c], fonts[c], colours[c], w,
                              line_height(fonts[c])});
    }
    row_borders(t, top, bottom, !t.page_has_rows);
    t.page_has_rows = true;
    current_x_ = margin_left_;
    current_y_ = bottom;
    ++t.next_row;

    TableTrace &trace = tables_[t.trace];
    if (!header || trace.rows.size() < t.header.size())
        trace.rows.push_back(texts);
    trace.bottom = bottom;
    trace.last_page = PageCount();
}

void VSPrinter::row_borders(const OpenTable &t, double top, double bottom, bool first_on_page) {
    const int b = table_border_;
    if (b == tbNone || t.columns.empty())
        return;
    const Pen line{colour_black, 10, ohmira::PenStyle::Solid};
    const double left = t.columns.front().left;
    const double right = t.columns.back().right();
    const bool top_line =
        b == tbTop || b == tbTopBottom || b == tbBox || b == tbColTopBottom || b == tbAll;
    if (first_on_page && top_line)
        page().add(LineOp{left, top, right, top, line});
    if (b == tbBox || b == tbAll) {
        page().add(LineOp{left, top, left, bottom, line});
        page().add(LineOp{right, top, right, bottom, line});
    }
    if (b == tbColumns || b == tbColTopBottom || b == tbAll)
        for (std::size_t c = 1; c < t.columns.size(); ++c)
            page().add(LineOp{t.columns[c].left, top, t.columns[c].left, bottom, line});
    if (b == tbAll)
        page().add(LineOp{left, bottom, right, bottom, line});
}

// The line under the table's last row on this page, for the borders that have one.
void VSPrinter::close_table_on_page(OpenTable &t) {
    const int b = table_border_;
    if (!t.page_has_rows || t.columns.empty())
        return;
    if (b == tbBottom || b == tbTopBottom || b == tbBox || b == tbColTopBottom) {
        const Pen line{colour_black, 10, ohmira::PenStyle::Solid};
        page().add(
            LineOp{t.columns.front().left, current_y_, t.columns.back().right(), current_y_, line});
    }
}

void VSPrinter::finish_table(OpenTable &t) {
    close_table_on_page(t);
    current_x_ = margin_left_;
}

// --- preview -----------------------------------------------------------------------------------

bool VSPrinter::Zoom(int percent) {
    if (percent < 1 || percent > 10000) {
        raise(vspBadArgument);
        return false;
    }
    set(zoom_, percent);
    return true;
}

bool VSPrinter::ZoomMode(int mode) {
    if (mode < zmPercentage || mode > zmStretch) {
        raise(vspBadArgument);
        return false;
    }
    set(zoom_mode_, mode);
    return true;
}

void VSPrinter::PreviewPage(int page) {
    if (pages_.empty()) {
        set(preview_page_, 0);
        return;
    }
    set(preview_page_, std::clamp(page, 1, PageCount()));
}

int VSPrinter::PreviewPages() const {
    if (zoom_mode_ == zmTwoPages)
        return 2;
    if (zoom_mode_ == zmThumbnail)
        return thumbnail_pages_;
    return 1;
}

void VSPrinter::user_preview_page(int page) {
    PreviewPage(page);
    if (PageChanged && preview_page_ > 0)
        PageChanged(static_cast<std::int16_t>(std::min(preview_page_, 32767)));
}

// --- pages and printing ------------------------------------------------------------------------

DisplayList VSPrinter::page_picture(int page) const {
    if (page < 1 || page > PageCount())
        return new_page_list();
    DisplayList d = pages_[static_cast<std::size_t>(page - 1)];
    if (footer_.empty())
        return d;
    ohmira::Font f = current_font();
    f.size = hdr_font_size_;
    f.bold = false;
    f.italic = hdr_font_italic_;
    f.angle = 0;
    const double h = line_height(f);
    double y = d.height - margin_bottom_ + (margin_bottom_ - h) / 2;
    if (margin_bottom_ < h)
        y = d.height - margin_bottom_;
    const double left = margin_left_;
    const double right = d.width - margin_right_;
    const std::vector<std::string> parts = split(footer_, '|');
    for (std::size_t i = 0; i < parts.size() && i < 3; ++i) {
        if (parts[i].empty())
            continue;
        const double w = text_width(f, parts[i]);
        const double x = i == 0 ? left : i == 1 ? (left + right - w) / 2 : right - w;
        d.add(TextOp{x, y, parts[i], f, text_colour_, w, h});
    }
    return d;
}

bool VSPrinter::PrintDoc() {
    return PrintDoc(1, PageCount());
}

bool VSPrinter::PrintDoc(int from_page, int to_page, int copies) {
    from_page = std::max(from_page, 1);
    to_page = std::min(to_page, PageCount());
    if (from_page > to_page)
        return false;
    PrintJob job;
    job.from_page = from_page;
    job.to_page = to_page;
    job.copies = std::max(1, copies);
    job.title = doc_name_;
    job.file_name = print_file_name_;
    for (int p = from_page; p <= to_page; ++p)
        job.pages.push_back(page_picture(p));
    const PrintOutcome outcome = print_sink ? print_sink(job) : PrintOutcome::printed;
    last_print_refused_ = outcome == PrintOutcome::refused;
    if (outcome == PrintOutcome::stopped)
        return false;
    if (outcome != PrintOutcome::printed) {
        raise(vspPrintFailed);
        return false;
    }
    jobs_.push_back(std::move(job));
    return true;
}

bool VSPrinter::PrintDialog(int type) {
    if (type != 0 && type != 1) {
        raise(vspBadArgument);
        return false;
    }
    PrintSettings s;
    s.printer_name = device_;
    s.paper_width = paper_width_;
    s.paper_height = paper_height_;
    s.landscape = orientation_ == orLandscape;
    s.margin_left = margin_left_;
    s.margin_top = margin_top_;
    s.margin_right = margin_right_;
    s.margin_bottom = margin_bottom_;
    const bool accepted =
        type == 1 ? dialog_host().page_setup_dialog(s) : dialog_host().printer_dialog(s);
    if (!accepted)
        return false;
    device_ = s.printer_name;
    paper_size(s.paper_width, s.paper_height);
    Orientation(s.landscape ? orLandscape : orPortrait);
    MarginLeft(s.margin_left);
    MarginTop(s.margin_top);
    MarginRight(s.margin_right);
    MarginBottom(s.margin_bottom);
    mark_changed();
    return true;
}

} // namespace ohmira
