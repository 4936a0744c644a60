#include "platform/clipboard.h"
#include "platform/qt/qt_services.h"
#include "platform/screen.h"
#include "platform/shell_open.h"
#include "qt_test_app.h"

#include <QClipboard>
#include <QCursor>
#include <QMimeData>

#include <gtest/gtest.h>

namespace ohmira::qt {
namespace {

TEST(QtServices, ClipboardCarriesTextAndPictures) {
    testing::app();
    clipboard_clear();
    clipboard_set_text("1.5\t20\r\n3\t40");
    EXPECT_EQ(QApplication::clipboard()->text(), "1.5\t20\r\n3\t40");
    EXPECT_EQ(clipboard_text(), "1.5\t20\r\n3\t40");

    DisplayList plot;
    plot.add(LineOp{0, 0, 1440, 1440, Pen{}});
    ASSERT_TRUE(clipboard_set_picture(plot, 1440, 1440));
    const QMimeData *m = QApplication::clipboard()->mimeData();
    ASSERT_NE(m, nullptr);
    EXPECT_TRUE(m->hasImage());
    EXPECT_EQ(qvariant_cast<QImage>(m->imageData()).size(), QSize(96, 96));
    EXPECT_TRUE(m->hasText()); // set before, kept with the picture until cleared
    EXPECT_FALSE(clipboard_data("image/png").empty());
    clipboard_clear();
    EXPECT_EQ(clipboard_text(), "");
    EXPECT_FALSE(clipboard_set_picture(plot, 0, 0));
}

TEST(QtServices, DesktopOpenReportsMissingTargets) {
    testing::app();
    struct Case {
        const char *target;
        bool ok;
    };
    const Case cases[] = {
        {"", false},
        {"/nonexistent/manual.pdf", false},
        {"no-such-program-xyz", false},
        {"true", true}, // a program in PATH, started detached
    };
    for (const Case &c : cases) {
        const int r = shell_open(c.target);
        EXPECT_EQ(r > 32, c.ok) << c.target << " gave " << r;
    }
}

TEST(QtServices, ScreenPointerOverridesEveryWindow) {
    testing::app();
    QtUi::instance();
    Screen.MousePointer(vbHourglass);
    ASSERT_NE(QApplication::overrideCursor(), nullptr);
    EXPECT_EQ(QApplication::overrideCursor()->shape(), Qt::WaitCursor);
    Screen.MousePointer(vbArrow);
    EXPECT_EQ(QApplication::overrideCursor()->shape(), Qt::ArrowCursor);
    Screen.MousePointer(vbDefault);
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
}

} // namespace
} // namespace ohmira::qt
