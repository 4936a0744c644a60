#pragma once
// The print-preview control: one paged document built from code (text at a cursor, pen and brush
// drawing, tables laid out from format strings, a running footer), its preview state (zoom, zoom
// mode, shown page) and printing. Every page is a display list in twips; the window layer shows
// and prints them, tests read them.
#include <cstdint>
#include <functional>
#include <map>
#include <string>
#include <string_view>
#include <vector>

#include "platform/control.h"
#include "platform/display_list.h"

namespace ohmira {

// Error codes of the control (LastError).
enum VSPrinterError : int {
    vspNoError = 0,
    vspNoDocument = 1,     // drawing or a new page without an open document
    vspBadArgument = 2,    // a coordinate that is not finite, an invalid property value
    vspBadTableFormat = 3, // a table format string that cannot be read
    vspBadPoints = 4,      // a polyline text that is not a list of numbers in pairs
    vspPrintFailed = 5,    // the printer refused the job
};

enum ZoomModeSettings : int {
    zmPercentage = 0,
    zmThumbnail = 1,
    zmTwoPages = 2,
    zmWholePage = 3,
    zmPageWidth = 4,
    zmStretch = 5,
};

enum OrientationSettings : int { orPortrait = 0, orLandscape = 1 };

enum TableBorderSettings : int {
    tbNone = 0,
    tbBottom = 1,
    tbTop = 2,
    tbTopBottom = 3,
    tbBox = 4,
    tbColumns = 5,
    tbColTopBottom = 6,
    tbAll = 7,
};

constexpr double a4_width_twips = 11906;
constexpr double a4_height_twips = 16838;
// Space between a cell's edge and its text.
constexpr double table_cell_padding_x = 60;
constexpr double table_cell_padding_y = 30;

// One column of a table format: its flags, width and position on the page.
struct TableColumn {
    char align = '<'; // '<' left, '^' centre, '>' right
    double width = 0;
    double left = 0;
    double right() const { return left + width; }
};

// Reads a table format such as ">+1100|>+1328|>+1291;" (fields by "|", ended by ";"; flags "<",
// "^", ">" for the alignment, "=", "+", "~", "-" accepted; then the width in twips). Column
// positions start at `left`. Returns false for a format without columns or a field without a
// positive width.
bool parse_table_format(std::string_view format, double left, std::vector<TableColumn> &columns);

// Splits a header or body text into rows (ended by ";") of cells (separated by "|").
std::vector<std::vector<std::string>> split_table_rows(std::string_view text);

// What a table came out as, kept for tests: its columns, its rows as laid out (header rows
// first) and where it ends.
struct TableTrace {
    std::vector<TableColumn> columns;
    std::vector<std::vector<std::string>> rows;
    int header_rows = 0;
    double top = 0;    // y of the first row on its page
    double bottom = 0; // y below the last row
    int first_page = 0;
    int last_page = 0;
};

class VSPrinter : public Control {
public:
    VSPrinter(Form &owner, std::string name, int left = 0, int top = 0, int width = 0,
              int height = 0);
    VSPrinter(Form &owner, std::string name, In container, int left, int top, int width,
              int height);
    const char *kind() const override { return "VSPrinter"; }

    // --- document ----------------------------------------------------------------------------
    // Discards the previous document and opens a new one on page 1, cursor at the top-left margins.
    void StartDoc();
    // Closes the document (and an open table); raises EndDocument.
    void EndDoc();
    // A new page; the cursor goes to the top-left margins.
    void NewPage();
    bool document_open() const { return open_; }
    int PageCount() const { return static_cast<int>(pages_.size()); }
    bool Redraw() const { return redraw_; }
    void Redraw(bool on) { set(redraw_, on); }

    // --- page --------------------------------------------------------------------------------
    double PageWidth() const;
    double PageHeight() const;
    int Orientation() const { return orientation_; }
    bool Orientation(int o);
    // Paper size in twips, given upright; the page set-up of the window layer sets it.
    bool paper_size(double width, double height);
    double MarginLeft() const { return margin_left_; }
    bool MarginLeft(double v) { return set_margin(margin_left_, v); }
    double MarginRight() const { return margin_right_; }
    bool MarginRight(double v) { return set_margin(margin_right_, v); }
    double MarginTop() const { return margin_top_; }
    bool MarginTop(double v) { return set_margin(margin_top_, v); }
    double MarginBottom() const { return margin_bottom_; }
    bool MarginBottom(double v) { return set_margin(margin_bottom_, v); }

    // --- text (font name, size, bold and italic are the control's: Font(), FontName(...)) ------
    using Control::FontBold;
    using Control::FontItalic;
    using Control::FontName;
    using Control::FontSize;
    bool FontBold() const { return Font().Bold; }
    bool FontItalic() const { return Font().Italic; }
    const std::string &FontName() const { return Font().Name; }
    double FontSize() const { return Font().Size; }
    int TextAngle() const { return text_angle_; }
    void TextAngle(int tenths) { text_angle_ = tenths; }
    Colour TextColor() const { return text_colour_; }
    void TextColor(Colour c) { text_colour_ = c; }
    double CurrentX() const { return current_x_; }
    void CurrentX(double x);
    double CurrentY() const { return current_y_; }
    void CurrentY(double y);
    // Text with its top-left corner at the cursor; the cursor moves to its end (same line).
    void Text(std::string_view text);
    // Text at the cursor as a paragraph: each line of it is printed, then the cursor goes to the
    // left margin one line lower.
    void Paragraph(std::string_view text);
    void Print(std::string_view text) { Paragraph(text); }
    double TextWidth(std::string_view text) const;
    double TextHeight(std::string_view text = "") const;

    // --- pen and brush drawing (twips) -------------------------------------------------------
    int PenStyle() const { return static_cast<int>(pen_.style); }
    bool PenStyle(int style);
    double PenWidth() const { return pen_.width; }
    bool PenWidth(double twips);
    Colour PenColor() const { return pen_.colour; }
    void PenColor(Colour c) { pen_.colour = c; }
    int BrushStyle() const { return static_cast<int>(brush_.style); }
    // 0 solid, 1 transparent; the hatch styles fill solid.
    bool BrushStyle(int style);
    Colour BrushColor() const { return brush_.colour; }
    void BrushColor(Colour c) { brush_.colour = c; }

    void DrawLine(double x1, double y1, double x2, double y2);
    // A line from the end of the previous line to (x, y).
    void DrawLine(double x, double y);
    void DrawRectangle(double x1, double y1, double x2, double y2);
    // An open polyline through points given as one text: numbers separated by blanks or commas,
    // taken in pairs x y.
    void Polyline(std::string_view points);
    void Polyline(const std::vector<PointTw> &points);

    // --- tables ------------------------------------------------------------------------------
    // Tables start at the left margin and the cursor's y; after a table the cursor is below it.
    void StartTable();
    void EndTable();
    // Inside an open table the first call lays the header rows and the body; later calls append
    // their body rows. Outside, each call is a whole table. Rows that would cross the bottom
    // margin go to a new page, where the header rows are repeated.
    void AddTable(std::string_view format, std::string_view header, std::string_view body);
    int TableBorder() const { return table_border_; }
    bool TableBorder(int border);
    // Numbered table settings, kept for the caller; they do not change the layout.
    double TableSetting(int index) const;
    void TableSetting(int index, double value) { table_settings_[index] = value; }

    // --- running footer ----------------------------------------------------------------------
    // "left|centre|right", drawn in the bottom margin of every page of the document.
    const std::string &Footer() const { return footer_; }
    void Footer(std::string text) { footer_ = std::move(text); }
    double HdrFontSize() const { return hdr_font_size_; }
    void HdrFontSize(double size) { hdr_font_size_ = size; }
    // The header-and-footer style flag: italic footer text.
    bool HdrFontItalic() const { return hdr_font_italic_; }
    void HdrFontItalic(bool on) { hdr_font_italic_ = on; }

    // --- preview -----------------------------------------------------------------------------
    int Zoom() const { return zoom_; }
    bool Zoom(int percent);
    int ZoomMode() const { return zoom_mode_; }
    bool ZoomMode(int mode);
    bool PhysicalPage() const { return physical_page_; }
    void PhysicalPage(bool on) { set(physical_page_, on); }
    int ShowGuides() const { return show_guides_; }
    void ShowGuides(int v) { set(show_guides_, v); }
    // The first page shown, 1..PageCount (0 while there are no pages).
    int PreviewPage() const { return preview_page_; }
    void PreviewPage(int page);
    // Pages shown at once: 2 for two pages, the window layer's count for thumbnails, else 1.
    int PreviewPages() const;
    void set_thumbnail_pages(int n) { thumbnail_pages_ = n < 1 ? 1 : n; }
    // The user moved the preview to another page (window layer): sets it and raises PageChanged.
    void user_preview_page(int page);

    // --- pages and printing ------------------------------------------------------------------
    // The pages as drawn, without the footer.
    const std::vector<DisplayList> &pages() const { return pages_; }
    // Page n (1-based) as it is shown and printed, footer included; an empty page when out of
    // range.
    DisplayList page_picture(int page) const;
    // The page shown in the preview.
    DisplayList Picture() const { return page_picture(preview_page_); }
    const std::vector<TableTrace> &tables() const { return tables_; }

    // Prints all pages, or pages from..to; one job per call. Returns false when there is nothing
    // to print or the printer refuses (LastError vspPrintFailed).
    bool PrintDoc();
    bool PrintDoc(int from_page, int to_page, int copies = 1);
    // The title of the print jobs (the queue's and a PDF file's document name).
    const std::string &DocName() const { return doc_name_; }
    void DocName(const std::string &name) { doc_name_ = name; }
    // The name a PDF file of the jobs is proposed under; empty: the program's own proposal.
    const std::string &print_file_name() const { return print_file_name_; }
    void print_file_name(const std::string &name) { print_file_name_ = name; }
    const std::vector<PrintJob> &print_jobs() const { return jobs_; }
    // The window layer's printer; without one the jobs are only recorded.
    PrintSink print_sink;

    // Printer (0) or page set-up (1) dialog through the dialog host; when the user accepts, the
    // paper, orientation, printer name and margins it returns are applied. False when cancelled.
    bool PrintDialog(int type);
    const std::string &Device() const { return device_; }

    int LastError() const { return last_error_; }
    // Whether the last job was turned away by the print system (LastError vspPrintFailed).
    bool last_print_refused() const { return last_print_refused_; }

    // --- events ------------------------------------------------------------------------------
    std::function<void()> EndDocument;
    std::function<void(std::int16_t Page)> PageChanged;
    // Before each table cell is laid out (row 0.. are the header rows, then the body rows; the
    // row number counts within the table); the handler may change the text and the font.
    std::function<void(std::int32_t Row, std::int32_t Col, std::string &Text)> BeforeTableCell;
    std::function<void()> Error;

private:
    struct OpenTable {
        std::vector<TableColumn> columns;
        std::vector<std::vector<std::string>> header;
        int next_row = 0;
        bool page_has_rows = false;
        std::size_t trace = 0;
    };

    bool set_margin(double &margin, double v);
    void raise(int code);
    bool need_document();
    DisplayList &page();
    DisplayList new_page_list() const;
    ohmira::Font current_font() const;
    void text_at(double x, double y, std::string_view text);
    void lay_row(OpenTable &t, const std::vector<std::string> &cells, bool header);
    void row_borders(const OpenTable &t, double top, double bottom, bool first_on_page);
    void close_table_on_page(OpenTable &t);
    void finish_table(OpenTable &t);
    bool begin_table(std::string_view format, std::string_view header, OpenTable &t);

    bool open_ = false;
    bool redraw_ = true;
    std::vector<DisplayList> pages_;
    std::vector<TableTrace> tables_;
    std::vector<PrintJob> jobs_;
    double paper_width_ = a4_width_twips;
    double paper_height_ = a4_height_twips;
    int orientation_ = orPortrait;
    double margin_left_ = 1134, margin_right_ = 1134, margin_top_ = 1134, margin_bottom_ = 1245;
    int text_angle_ = 0;
    Colour text_colour_ = colour_black;
    double current_x_ = 0, current_y_ = 0;
    Pen pen_{colour_black, 10, ohmira::PenStyle::Solid};
    Brush brush_{ohmira::BrushStyle::Transparent, colour_black};
    bool has_last_point_ = false;
    double last_x_ = 0, last_y_ = 0;
    int table_border_ = tbNone;
    std::map<int, double> table_settings_;
    bool table_open_ = false;
    OpenTable table_;
    std::string footer_;
    double hdr_font_size_ = 10;
    bool hdr_font_italic_ = false;
    int zoom_ = 100;
    int zoom_mode_ = zmPercentage;
    bool physical_page_ = false;
    int show_guides_ = 0;
    int preview_page_ = 0;
    int thumbnail_pages_ = 6;
    int last_error_ = vspNoError;
    bool last_print_refused_ = false;
    std::string device_;
    std::string doc_name_;
    std::string print_file_name_;
};

} // namespace ohmira
