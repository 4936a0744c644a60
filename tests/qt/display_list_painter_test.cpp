#include "platform/qt/display_list_painter.h"
#include "platform/qt/print_settings_qt.h"
#include "qt_test_app.h"

#include <QFile>
#include <QImage>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace ohmira::qt {
namespace {

// 1440 twips per inch at 144 dpi: 10 twips per pixel.
constexpr double dpi = 144;

DisplayList sample() {
    DisplayList l;
    l.add(
        BoxOp{100, 100, 600, 400, Pen{rgb(0, 0, 0), 0}, Brush{BrushStyle::Solid, rgb(255, 0, 0)}});
    l.add(LineOp{0, 1000, 2000, 1000, Pen{rgb(0, 0, 255), 30}});
    l.add(PointOp{1500, 300, rgb(0, 128, 0), 60});
    l.add(PolylineOp{{{100, 1500}, {1900, 1500}}, Pen{rgb(0, 0, 0), 20}});
    TextOp t;
    t.x = 100;
    t.y = 1700;
    t.text = "Ohm";
    t.font.size = 12;
    l.add(t);
    return l;
}

bool is_white(QRgb c) {
    return qRed(c) > 240 && qGreen(c) > 240 && qBlue(c) > 240;
}

TEST(DisplayListPainter, OperationsLandAtTheirTwips) {
    testing::app();
    const QImage img = render_display_list(sample(), 2000, 2000, dpi);
    ASSERT_EQ(img.size(), QSize(200, 200));
    struct Probe {
        int x, y;
        QColor colour;
    };
    const Probe probes[] = {
        {35, 25, QColor(255, 0, 0)},   // inside the filled box
        {100, 100, QColor(0, 0, 255)}, // on the thick line
        {150, 30, QColor(0, 128, 0)},  // the point
        {199, 199, QColor(255, 255, 255)}, {5, 5, QColor(255, 255, 255)},
    };
    for (const Probe &p : probes) {
        const QColor got = img.pixelColor(p.x, p.y);
        EXPECT_NEAR(got.red(), p.colour.red(), 40) << p.x << "," << p.y;
        EXPECT_NEAR(got.green(), p.colour.green(), 40) << p.x << "," << p.y;
        EXPECT_NEAR(got.blue(), p.colour.blue(), 40) << p.x << "," << p.y;
    }
    // The text draws ink below its top-left corner, not above.
    int ink_below = 0, ink_above = 0;
    for (int x = 10; x < 60; ++x) {
        for (int y = 171; y < 190; ++y)
            ink_below += !is_white(img.pixel(x, y));
        for (int y = 155; y < 169; ++y)
            ink_above += !is_white(img.pixel(x, y));
    }
    EXPECT_GT(ink_below, 20);
    EXPECT_EQ(ink_above, 0);
}

TEST(DisplayListPainter, PngAndPdfFiles) {
    testing::app();
    QTemporaryDir dir;
    const std::string png = (dir.path() + "/plot.png").toStdString();
    ASSERT_TRUE(render_display_list_png(sample(), 2000, 1000, png, dpi));
    EXPECT_EQ(QImage(QString::fromStdString(png)).size(), QSize(200, 100));
    EXPECT_FALSE(render_display_list_png(sample(), 0, 1000, png, dpi));
    EXPECT_FALSE(render_display_list_png(sample(), 2000, 1000, "/nonexistent/dir/x.png", dpi));

    const std::string pdf = (dir.path() + "/sheet.pdf").toStdString();
    ASSERT_TRUE(write_pdf({sample(), sample(), sample()}, 11906, 16838, pdf));
    QFile f(QString::fromStdString(pdf));
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    const QByteArray bytes = f.readAll();
    EXPECT_TRUE(bytes.startsWith("%PDF"));
    EXPECT_EQ(QString::fromLatin1(bytes).count(QRegularExpression("/Type\\s*/Page[^s]")), 3);
}

TEST(PrintSettingsQt, PaperAndMarginsRoundTripThroughThePrinter) {
    testing::app();
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setFullPage(true);
    PrintSettings s;
    s.landscape = true;
    s.paper_width = 11906; // upright; landscape turns it
    s.paper_height = 16838;
    s.margin_left = 1134;
    s.margin_bottom = 1250;
    s.copies = 2;
    s.from_page = 1;
    s.to_page = 1;
    apply_settings(s, printer);
    PrintSettings back;
    read_settings(printer, back);
    EXPECT_TRUE(back.landscape);
    EXPECT_NEAR(back.paper_width, 11906, 1);
    EXPECT_NEAR(back.paper_height, 16838, 1);
    EXPECT_NEAR(back.margin_left, 1134, 1);
    EXPECT_NEAR(back.margin_bottom, 1250, 1);
    EXPECT_EQ(back.copies, 2);
    EXPECT_EQ(back.from_page, 1);
    EXPECT_EQ(back.to_page, 1);
}

} // namespace
} // namespace ohmira::qt
