#include "platform/form.h"
#include "platform/print_preview.h"
#include "platform/qt/form_view.h"
#include "platform/qt/preview_widget.h"
#include "qt_test_app.h"

#include <gtest/gtest.h>

#include <cstdlib>

namespace ohmira::qt {
namespace {

struct PreviewForm : Form {
    PreviewForm() : Form("PreviewForm", "Preview") { Move(0, 0, 12000, 9000); }
    VSPrinter Doc{*this, "Doc", 120, 120, 11000, 8000};
};

class PreviewTest : public ::testing::Test {
protected:
    void SetUp() override {
        testing::app();
        f.Doc.StartDoc();
        for (int p = 1; p <= 5; ++p) {
            if (p > 1)
                f.Doc.NewPage();
            f.Doc.BrushStyle(0);
            f.Doc.BrushColor(rgb(255, 0, 0));
            f.Doc.DrawRectangle(1134, 1134, 5000, 5000);
            f.Doc.Paragraph("Page " + std::to_string(p));
        }
        f.Doc.EndDoc();
        f.Show();
        view = &QtUi::instance().window_of(f);
        QtUi::instance().sync_all();
        widget = qobject_cast<PreviewWidget *>(view->widget_of("Doc"));
        ASSERT_NE(widget, nullptr);
    }
    void TearDown() override { delete view; }

    PreviewForm f;
    FormView *view = nullptr;
    PreviewWidget *widget = nullptr;
};

TEST_F(PreviewTest, ZoomModesLayThePagesOut) {
    struct Case {
        int mode;
        QSize grid;
    };
    const Case cases[] = {{zmPercentage, {1, 1}}, {zmThumbnail, {3, 2}}, {zmTwoPages, {2, 1}},
                          {zmWholePage, {1, 1}},  {zmPageWidth, {1, 1}}, {zmStretch, {1, 1}}};
    const QSize vp = widget->viewport()->size();
    for (const Case &c : cases) {
        ASSERT_TRUE(f.Doc.ZoomMode(c.mode));
        QtUi::instance().sync_all();
        EXPECT_EQ(widget->page_grid(), c.grid) << c.mode;
        const QRectF last = widget->page_rect(c.grid.width() * c.grid.height() - 1);
        const QSizeF s = widget->page_scale();
        if (c.mode == zmPercentage) {
            EXPECT_NEAR(s.width(), widget->logicalDpiX() / 1440.0, 1e-9);
        } else if (c.mode == zmPageWidth) {
            EXPECT_LE(last.right(), vp.width());
        } else {
            EXPECT_LE(last.right(), vp.width() + 0.5) << c.mode;
            EXPECT_LE(last.bottom(), vp.height() + 0.5) << c.mode;
        }
        if (c.mode == zmStretch)
            EXPECT_GT(s.height() / s.width(), 0.0);
        else
            EXPECT_DOUBLE_EQ(s.width(), s.height());
    }
    ASSERT_TRUE(f.Doc.ZoomMode(zmPercentage));
    ASSERT_TRUE(f.Doc.Zoom(50));
    QtUi::instance().sync_all();
    EXPECT_NEAR(widget->page_scale().width(), widget->logicalDpiX() / 1440.0 / 2, 1e-9);
}

TEST_F(PreviewTest, PagingKeysMoveThePreviewAndRaisePageChanged) {
    std::vector<int> changes;
    f.Doc.PageChanged = [&](std::int16_t p) { changes.push_back(p); };
    ASSERT_TRUE(f.Doc.ZoomMode(zmTwoPages));
    f.Doc.PreviewPage(1);
    QtUi::instance().sync_all();
    widget->setFocus();
    QTest::keyClick(widget, Qt::Key_PageDown);
    QTest::keyClick(widget, Qt::Key_PageDown);
    QTest::keyClick(widget, Qt::Key_PageDown); // already at the end
    QTest::keyClick(widget, Qt::Key_Home);
    EXPECT_EQ(changes, (std::vector<int>{3, 5, 1}));
}

TEST_F(PreviewTest, ThePageIsPaintedWithGuides) {
    ASSERT_TRUE(f.Doc.ZoomMode(zmWholePage));
    f.Doc.ShowGuides(1);
    f.Doc.PreviewPage(1);
    QtUi::instance().sync_all();
    const QImage img = widget->viewport()->grab().toImage();
    if (const char *keep = std::getenv("OHMIRA_QT_SHOTS"))
        img.save(QString::fromLocal8Bit(keep) + "/preview-whole-page.png");
    const QRectF r = widget->page_rect(0);
    const double s = widget->page_scale().width();
    // Inside the red rectangle, and white paper outside it.
    EXPECT_EQ(img.pixelColor(QPointF(r.left() + 3000 * s, r.top() + 3000 * s).toPoint()),
              QColor(255, 0, 0));
    EXPECT_EQ(img.pixelColor(QPointF(r.left() + 8000 * s, r.top() + 12000 * s).toPoint()),
              QColor(255, 255, 255));
}

TEST_F(PreviewTest, PrintingWritesTheJobThroughTheSink) {
    ASSERT_TRUE(static_cast<bool>(f.Doc.print_sink));
    bool printed = false;
    f.Doc.print_sink = [&](const PrintJob &job) {
        printed = job.pages.size() == 1;
        return PrintOutcome::printed;
    };
    EXPECT_TRUE(f.Doc.PrintDoc(1, 1));
    EXPECT_TRUE(printed);
}

} // namespace
} // namespace ohmira::qt
