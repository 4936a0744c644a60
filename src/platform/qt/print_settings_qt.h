#pragma once
// The printer on Qt: one printer for the program, the print settings of the dialog host
// carried to and from it, and paged display lists printed on it or written as a PDF file.
#include "platform/dialog_host.h"
#include "platform/display_list.h"
#include "platform/print_queue.h"

#include <QPrinter>

#include <functional>
#include <string>
#include <vector>

namespace ohmira::qt {

// The printer the program prints on (the system's default printer, or a PDF file when the
// system has none).
QPrinter &shared_printer();
// The print system's answers about the shared printer's queues (CUPS).
const PrintSystem &print_system();

// Paper size, orientation, margins, copies, page range and printer name, both ways. Paper width
// and height are given upright (width <= height); `landscape` turns the sheet.
void apply_settings(const PrintSettings &settings, QPrinter &printer);
void read_settings(const QPrinter &printer, PrintSettings &settings);

// Prints pages (each a display list in twips from the paper's top-left corner) on the printer,
// honouring its page range and copies; false when the printer cannot start.
bool print_pages(const std::vector<DisplayList> &pages, QPrinter &printer);
// Prints a job of the program's printer objects on the shared printer: its paper follows the
// pages' size, its title names the job. Without an installed printer the user is asked for a PDF
// file to print into: the copies become pages of that one file, a file that cannot be written is
// reported with its path and the reason, a written one is named in a box.
PrintOutcome print_job(const PrintJob &job);
// Where the next job goes: the shared printer, or a PDF file chosen by the user when the machine
// has no printer, proposed as `file_name` (empty: the program's own proposal). Stopped when the
// user cancelled that choice, or when the file chosen there or with Print to File in the printer
// set-up cannot be written (a box names it and says why).
PrintOutcome choose_printer_output(QPrinter &printer, const std::string &file_name = {});
// Prints the image of a window of the program, scaled to fit the page (the printer's PrintForm).
bool print_form_image(const Form &form);
// Connects the program's `Printer` object to the shared printer: its paper, the desktop's fonts
// and the sinks of jobs and window images, kept through every reset of the printer object.
void connect_system_printer(std::function<std::vector<std::string>()> font_source);

// Writes the pages as a PDF file of paper width x height twips.
bool write_pdf(const std::vector<DisplayList> &pages, double paper_width, double paper_height,
               const std::string &path);

} // namespace ohmira::qt
