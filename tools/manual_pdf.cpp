// Build-time tool: turns a user manual kept as text into a PDF file.
//
//     manual_pdf <manual.txt> <manual.pdf>
//
// The text is UTF-8 with a light markup: "# " starts the title, "## " a section, "- " an item of
// a list; other lines are paragraphs, and a blank line ends a paragraph or a list.
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QFont>
#include <QGuiApplication>
#include <QMarginsF>
#include <QPageLayout>
#include <QPageSize>
#include <QPdfWriter>
#include <QStringList>
#include <QTextDocument>

#include <cstdio>

namespace {

QString to_html(const QString &text, QString &title) {
    QString html = "<html><body>";
    QString paragraph;
    bool in_list = false;
    auto end_paragraph = [&] {
        if (!paragraph.isEmpty())
            html += "<p>" + paragraph.toHtmlEscaped() + "</p>";
        paragraph.clear();
    };
    auto end_list = [&] {
        if (in_list)
            html += "</ul>";
        in_list = false;
    };
    for (QString line : text.split('\n')) {
        line = line.trimmed();
        if (line.isEmpty()) {
            end_paragraph();
            end_list();
        } else if (line.startsWith("## ")) {
            end_paragraph();
            end_list();
            html += "<h2>" + line.mid(3).toHtmlEscaped() + "</h2>";
        } else if (line.startsWith("# ")) {
            end_paragraph();
            end_list();
            title = line.mid(2);
            html += "<h1>" + title.toHtmlEscaped() + "</h1>";
        } else if (line.startsWith("- ")) {
            end_paragraph();
            if (!in_list)
                html += "<ul>";
            in_list = true;
            html += "<li>" + line.mid(2).toHtmlEscaped() + "</li>";
        } else {
            paragraph += (paragraph.isEmpty() ? "" : " ") + line;
        }
    }
    end_paragraph();
    end_list();
    return html + "</body></html>";
}

} // namespace

int main(int argc, char **argv) {
    QGuiApplication app(argc, argv);
    if (argc != 3) {
        std::fprintf(stderr, "usage: manual_pdf <manual.txt> <manual.pdf>\n");
        return 2;
    }
    QFile in(QString::fromLocal8Bit(argv[1]));
    if (!in.open(QIODevice::ReadOnly)) {
        std::fprintf(stderr, "manual_pdf: cannot read %s\n", argv[1]);
        return 1;
    }
    const QString text = QString::fromUtf8(in.readAll());
    const QString out = QString::fromLocal8Bit(argv[2]);
    QDir().mkpath(QFileInfo(out).absolutePath());

    QString title;
    QTextDocument doc;
    doc.setDefaultFont(QFont("Liberation Sans", 11));
    doc.setDefaultStyleSheet("h1 { font-size: 20pt; color: #1f3f6f; }"
                             "h2 { font-size: 14pt; color: #1f3f6f; }"
                             "p, li { line-height: 130%; }");
    doc.setHtml(to_html(text, title));

    // Written beside the target and renamed, so a failed run leaves no half-written manual.
    const QString partial = out + ".part";
    {
        QPdfWriter writer(partial);
        writer.setTitle(title);
        writer.setCreator("Ohmira");
        writer.setPageSize(QPageSize(QPageSize::A4));
        writer.setPageMargins(QMarginsF(10, 10, 10, 10), QPageLayout::Millimeter);
        doc.print(&writer);
    }
    QFile::remove(out);
    if (!QFile::rename(partial, out)) {
        std::fprintf(stderr, "manual_pdf: cannot write %s\n", argv[2]);
        return 1;
    }
    return 0;
}
