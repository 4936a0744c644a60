// The image of a window printed on the shared printer, as large as the page allows.
#include "platform/form.h"
#include "platform/printer.h"
#include "platform/qt/form_view.h"
#include "platform/qt/print_settings_qt.h"
#include "platform/qt/qt_convert.h"
#include "platform/qt/qt_ui.h"

#include <QPainter>
#include <QPixmap>

namespace ohmira::qt {

bool print_form_image(const Form &form) {
    if (!form.loaded()) {
        return false;
    }
    QtUi::instance().sync_all();
    const QPixmap image = QtUi::instance().window_of(const_cast<Form &>(form)).grab();
    if (image.isNull()) {
        return false;
    }
    QPrinter &printer = shared_printer();
    if (choose_printer_output(printer) != PrintOutcome::printed) {
        return false;
    }
    printer.setPrintRange(QPrinter::AllPages);
    printer.setCopyCount(1);
    printer.setDocName(Printer.DocName().empty() ? QStringLiteral("Ohmira")
                                                 : qstr(Printer.DocName()));
    const auto draw = [&] {
        QPainter p;
        if (!p.begin(&printer))
            return false;
        const QRectF page = printer.pageLayout().paintRectPixels(printer.resolution());
        const QSizeF size = QSizeF(image.size()).scaled(page.size(), Qt::KeepAspectRatio);
        p.drawPixmap(QRectF(page.topLeft(), size), image, QRectF(image.rect()));
        return p.end();
    };
    if (printer.outputFormat() == QPrinter::PdfFormat)
        return draw();
    return send_to_queue(printer.printerName().toStdString(), print_system(), draw) ==
           PrintOutcome::printed;
}

} // namespace ohmira::qt
