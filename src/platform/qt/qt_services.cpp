#include "platform/qt/qt_services.h"

#include "platform/dialog_host.h"
#include "platform/font_measure.h"
#include "platform/printer.h"
#include "platform/program_end.h"
#include "platform/qt/display_list_painter.h"
#include "platform/qt/form_view.h"
#include "platform/qt/print_settings_qt.h"
#include "platform/qt/qt_convert.h"
#include "platform/qt/qt_dialog_host.h"
#include "platform/qt/qt_ui.h"
#include "platform/screen.h"
#include "platform/text_metrics.h"
#include "platform/ui_language.h"
#include "platform/user_feedback.h"

#include <QApplication>
#include <QBuffer>
#include <QClipboard>
#include <QDesktopServices>
#include <QFileInfo>
#include <QFontDatabase>
#include <QFontMetricsF>
#include <QLibraryInfo>
#include <QLocale>
#include <QMimeData>
#include <QProcess>
#include <QScreen>
#include <QTranslator>
#include <QUrl>

#include <algorithm>
#include <clocale>

namespace ohmira::qt {

// --- clipboard --------------------------------------------------------------------------------

void QtClipboard::clear() {
    formats_.clear();
    text_.clear();
    has_text_ = false;
    QApplication::clipboard()->clear();
}

std::string QtClipboard::text() {
    return QApplication::clipboard()->text().toStdString();
}

void QtClipboard::set_text(std::string_view text) {
    text_ = std::string(text);
    has_text_ = true;
    publish();
}

void QtClipboard::set_data(std::string_view mime_type, std::string_view bytes) {
    for (auto &f : formats_)
        if (f.first == mime_type) {
            f.second = std::string(bytes);
            publish();
            return;
        }
    formats_.emplace_back(std::string(mime_type), std::string(bytes));
    publish();
}

std::string QtClipboard::data(std::string_view mime_type) {
    const QMimeData *m = QApplication::clipboard()->mimeData();
    if (!m)
        return {};
    const QByteArray b = m->data(qstr(mime_type));
    return std::string(b.constData(), static_cast<size_t>(b.size()));
}

void QtClipboard::publish() {
    auto *m = new QMimeData;
    if (has_text_)
        m->setText(qstr(text_));
    for (const auto &[type, bytes] : formats_) {
        const QByteArray b(bytes.data(), static_cast<qsizetype>(bytes.size()));
        m->setData(qstr(type), b);
        if (type == "image/png")
            m->setImageData(QImage::fromData(b, "PNG"));
    }
    QApplication::clipboard()->setMimeData(m);
}

std::string png_of_display_list(const DisplayList &list, double width_twips, double height_twips,
                                double dpi) {
    const QImage img = render_display_list(list, width_twips, height_twips, dpi);
    if (img.isNull())
        return {};
    QByteArray png;
    QBuffer buf(&png);
    buf.open(QIODevice::WriteOnly);
    img.save(&buf, "PNG");
    return std::string(png.constData(), static_cast<std::size_t>(png.size()));
}

// --- desktop "open" ---------------------------------------------------------------------------

int qt_launch(const ShellRequest &request) {
    const QString target = qstr(request.target).trimmed();
    if (target.isEmpty())
        return ShellFileNotFound;
    const QUrl url(target, QUrl::StrictMode);
    const bool is_url = url.isValid() && url.scheme().size() >= 2 && !QFileInfo::exists(target);
    if (is_url)
        return QDesktopServices::openUrl(url) ? ShellOk : ShellNoAssociation;
    const std::string program = find_program(request.target);
    if (!program.empty()) {
        QStringList args;
        if (!request.parameters.empty())
            args << qstr(request.parameters);
        return QProcess::startDetached(qstr(program), args, qstr(request.directory))
                   ? ShellOk
                   : ShellFileNotFound;
    }
    if (!QFileInfo::exists(target))
        return ShellFileNotFound;
    return QDesktopServices::openUrl(QUrl::fromLocalFile(QFileInfo(target).absoluteFilePath()))
               ? ShellOk
               : ShellNoAssociation;
}

// --- end of the program ------------------------------------------------------------------------

void qt_end_program() {
    // Closing a window now skips its form's unload (see FormView::closeEvent).
    const std::vector<FormView *> views = QtUi::instance().form_views();
    for (FormView *v : views)
        if (v->isWindow() && v->isVisible())
            v->close();
    QCoreApplication::quit();
}

// --- installation -----------------------------------------------------------------------------

std::vector<std::string> desktop_font_names(const std::vector<std::string> &families) {
    std::vector<std::string> names;
    for (const std::string &family : families) {
        const std::string f(listed_font_name(family));
        if (!f.empty() && std::find(names.begin(), names.end(), f) == names.end())
            names.push_back(f);
    }
    if (names.empty())
        return known_font_names();
    std::sort(names.begin(), names.end(), [](const std::string &a, const std::string &b) {
        return QString::compare(qstr(a), qstr(b), Qt::CaseInsensitive) < 0;
    });
    return names;
}

std::vector<std::string> desktop_font_names() {
    std::vector<std::string> families;
    for (const QString &f : QFontDatabase::families())
        if (!QFontDatabase::isPrivateFamily(f))
            families.push_back(f.toStdString());
    return desktop_font_names(families);
}

// Qt's own translations of the texts it draws (standard buttons, file and colour dialogs) for the
// program's language; English needs none.
void load_qt_translations(const std::string &code) {
    static QTranslator *loaded = nullptr;
    if (loaded) {
        QApplication::removeTranslator(loaded);
        delete loaded;
        loaded = nullptr;
    }
    QLocale::setDefault(QLocale(QString::fromStdString(code)));
    if (code == "en")
        return;
    auto *t = new QTranslator(qApp);
    if (t->load(QStringLiteral("qtbase_") + QString::fromStdString(code),
                QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        QApplication::installTranslator(t);
        loaded = t;
    } else {
        delete t;
    }
}

// Metrics of a desktop family at a large pixel size, scaled to twips (1 point = 20 twips).
constexpr int measure_pixels = 2048;
QFont measured_font(const Font &f) {
    QFont q(qstr(f.name));
    q.setPixelSize(measure_pixels);
    q.setBold(f.bold);
    q.setItalic(f.italic);
    return q;
}
double twips_per_measured_pixel(const Font &f) {
    return (f.size > 0 ? f.size : 0) * 20.0 / measure_pixels;
}

FontMeasure desktop_font_measure() {
    FontMeasure m;
    m.width = [](const Font &f, std::string_view line) -> std::optional<double> {
        if (!desktop_has_family(qstr(f.name)))
            return std::nullopt;
        return QFontMetricsF(measured_font(f)).horizontalAdvance(qstr(line)) *
               twips_per_measured_pixel(f);
    };
    m.line_height = [](const Font &f) -> std::optional<double> {
        if (!desktop_has_family(qstr(f.name)))
            return std::nullopt;
        const QFontMetricsF fm(measured_font(f));
        return (fm.ascent() + fm.descent()) * twips_per_measured_pixel(f);
    };
    m.average_width = [](const Font &f) -> std::optional<double> {
        if (!desktop_has_family(qstr(f.name)))
            return std::nullopt;
        return QFontMetricsF(measured_font(f)).averageCharWidth() * twips_per_measured_pixel(f);
    };
    return m;
}

void install_qt_services() {
    static QtClipboard clipboard;
    static QtDialogHost host;
    set_clipboard_backend(&clipboard);
    set_picture_renderer([](const DisplayList &list, double w, double h) {
        return png_of_display_list(list, w, h);
    });
    set_dialog_host(&host);
    set_shell_launcher(qt_launch);
    set_beep_hook([] { QApplication::beep(); });
    set_do_events_hook([] {
        QtUi::instance().sync_all();
        QApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    });
    set_end_hook(qt_end_program);
    set_ui_language_hook(load_qt_translations);
    set_font_measure(desktop_font_measure());
    load_qt_translations(ui_language());
    if (const QScreen *s = QGuiApplication::primaryScreen()) {
        const QRect area = s->availableGeometry();
        Screen.set_size(static_cast<int>(px_to_twips(area.width())),
                        static_cast<int>(px_to_twips(area.height())));
    }
    // The font lists of the screen and the printer: the desktop's fonts.
    // Listed when a font list is first filled, not at start-up.
    Screen.set_font_source([] { return desktop_font_names(); });
    connect_system_printer([] { return desktop_font_names(); });
    // QApplication took the user's locale for everything; numbers keep the point.
    std::setlocale(LC_NUMERIC, "C");
}

void uninstall_qt_services() {
    set_clipboard_backend(nullptr);
    set_picture_renderer({});
    set_dialog_host(nullptr);
    set_shell_launcher({});
    set_beep_hook({});
    set_do_events_hook({});
    set_end_hook({});
    set_ui_language_hook({});
    set_font_measure({});
    Printer.connect_device({});
}

bool display_available(const std::string &platform, const char *x_display,
                       const char *wayland_display) {
    auto set = [](const char *v) { return v && *v; };
    if (platform.empty())
        return set(x_display) || set(wayland_display);
    // A list "wayland;xcb" is tried in order: one usable platform is enough.
    std::string::size_type start = 0;
    while (start <= platform.size()) {
        const auto end = std::min(platform.find(';', start), platform.size());
        const std::string entry = platform.substr(start, end - start);
        const std::string name = entry.substr(0, entry.find(':'));
        if (name == "xcb") {
            if (set(x_display))
                return true;
        } else if (name.rfind("wayland", 0) == 0) {
            if (set(wayland_display))
                return true;
        } else if (!name.empty()) {
            return true; // offscreen, minimal, vnc, eglfs, linuxfb... need no display server
        }
        start = end + 1;
    }
    return false;
}

} // namespace ohmira::qt
