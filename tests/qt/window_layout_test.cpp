// The main window as a user meets it in each language: started from a settings file, shown at
// four sizes and brought back to the first, every page looked at. No two controls overlap, none
// lies outside its container or under the tab row, and every caption fits its control in the
// control's own font. Set OHMIRA_QT_SHOTS to a folder to keep the pictures.
#include "app/app_events.h"
#include "app/app_state.h"
#include "app/main_frame.h"
#include "app/splash_form.h"
#include "app/window_layout.h"
#include "form/sev_form.h"
#include "platform/number_locale.h"
#include "platform/program_end.h"
#include "platform/qt/form_view.h"
#include "platform/qt/qt_convert.h"
#include "platform/single_instance.h"
#include "program_start_fixture.h"

#include <QCheckBox>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QStyle>
#include <QTabBar>

#include <gtest/gtest.h>

namespace ohmira::qt {
namespace {

struct Language {
    const char *letter, *name;
};

class WindowLayout : public testing::ProgramStartTest<::testing::TestWithParam<Language>> {
protected:
    // Starts the program with the language in its settings and answers the splash window.
    void start() {
        QFile f(temp.path() + "/Ohmira6.ini");
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(QByteArray("[Ohmira]\r\nLangue=") + GetParam().letter + "\r\nNiveau=0\r\n");
        f.close();
        Prepare_Main_Window();
        connect_start_and_exit();
        fit_form_to_screen(SEV);
        view = &QtUi::instance().window_of(SEV);
        testing::when_dialog_opens([](QDialog &d) {
            QTest::mouseClick(d.findChild<QAbstractButton *>("Command2"), Qt::LeftButton);
        });
        SEV.Show();
        QtUi::instance().sync_all();
        ASSERT_TRUE(view->isVisible());
    }

    void show_page(int page) {
        // The section page asks for soundings first while none are loaded.
        if (page == 4 && SEV.SEV_Grid.TextMatrix(1, 1).empty())
            testing::answer_box(QMessageBox::Ok);
        auto *bar = view->widget_of("SSTab1")->findChild<QTabBar *>();
        QTest::mouseClick(bar, Qt::LeftButton, {}, bar->tabRect(page).center());
        QtUi::instance().sync_all();
        QCoreApplication::processEvents();
    }

    // The views of the form's controls that show now, with their names.
    std::vector<std::pair<std::string, QWidget *>> shown_controls() const {
        std::vector<std::pair<std::string, QWidget *>> out;
        for (const Control *c : SEV.controls())
            if (QWidget *w = view->widget_of(c->Name()); w && w->isVisibleTo(view))
                out.emplace_back(c->Name(), w);
        return out;
    }

    // A control drawn inside a frame that is its sibling, not its container, as the setup page
    // places its option buttons.
    static bool framed(const QWidget *frame, const QWidget *inside) {
        return qobject_cast<const QGroupBox *>(frame) &&
               frame->geometry().contains(inside->geometry());
    }

    // Overlapping siblings, controls outside their container, controls under the tab row.
    QStringList layout_faults(const QString &where) const {
        QStringList faults;
        const auto shown = shown_controls();
        auto *tabs = view->widget_of("SSTab1");
        const int tab_row = tabs->findChild<QTabBar *>()->height();
        for (std::size_t i = 0; i < shown.size(); ++i) {
            const auto &[name, w] = shown[i];
            const QString n = QString::fromStdString(name);
            QWidget *parent = w->parentWidget();
            if (!parent->rect().contains(w->geometry()))
                faults << where + ": " + n + " outside its container";
            if (parent->parentWidget() == tabs && w->y() < tab_row)
                faults << where + ": " + n + " under the tab row";
            for (std::size_t j = i + 1; j < shown.size(); ++j)
                if (shown[j].second->parentWidget() == parent &&
                    w->geometry().intersects(shown[j].second->geometry()) &&
                    !framed(w, shown[j].second) && !framed(shown[j].second, w))
                    faults << where + ": " + n + " overlaps " +
                                  QString::fromStdString(shown[j].first);
        }
        return faults;
    }

    // Captions wider than their controls, measured with each control's font.
    QStringList caption_faults() const {
        QStringList faults;
        for (const Control *c : SEV.controls()) {
            QWidget *w = view->widget_of(c->Name());
            if (!w || !c->Visible())
                continue;
            const QFontMetrics fm(w->font());
            const QStyle *st = w->style();
            QString text;
            int room = w->width();
            if (auto *b = qobject_cast<QPushButton *>(w)) {
                text = b->text().remove(u'&');
                room -= 2 * st->pixelMetric(QStyle::PM_ButtonMargin, nullptr, w);
            } else if (auto *k = qobject_cast<QCheckBox *>(w)) {
                text = k->text().remove(u'&');
                room -= st->pixelMetric(QStyle::PM_IndicatorWidth, nullptr, w) +
                        st->pixelMetric(QStyle::PM_CheckBoxLabelSpacing, nullptr, w);
            } else if (auto *o = qobject_cast<QRadioButton *>(w)) {
                text = o->text().remove(u'&');
                room -= st->pixelMetric(QStyle::PM_ExclusiveIndicatorWidth, nullptr, w) +
                        st->pixelMetric(QStyle::PM_RadioButtonLabelSpacing, nullptr, w);
            } else if (auto *g = qobject_cast<QGroupBox *>(w)) {
                text = g->title().remove(u'&');
                room -= 16;
            } else if (auto *l = qobject_cast<QLabel *>(w)) {
                // Labels wrap: each word fits the width and the lines fit the height.
                text = l->text();
                if (text.isEmpty())
                    continue;
                const QRect need =
                    fm.boundingRect(QRect(0, 0, w->width(), 10000), Qt::TextWordWrap, text);
                bool word_fits = true;
                for (const QString &word : text.split(u' ', Qt::SkipEmptyParts))
                    word_fits = word_fits && fm.horizontalAdvance(word) <= w->width();
                if (!word_fits || need.height() > w->height())
                    faults << QString::fromStdString(c->Name()) + " \"" + text + "\"";
                continue;
            } else {
                continue;
            }
            if (!text.isEmpty() && fm.horizontalAdvance(text) > room)
                faults << QString::fromStdString(c->Name()) + " \"" + text + "\"";
        }
        return faults;
    }
};

TEST_P(WindowLayout, EveryPageAtEverySizeAndEveryCaptionFits) {
    start();
    const QString lang = GetParam().name;
    const QRect area = view->screen()->availableGeometry();
    const QSize start_size = view->size();
    const int min_w = twips_to_px(min_window_width) - FormView::frame_width_px;
    const int min_h = twips_to_px(min_window_height) - FormView::frame_height_px;
    // The window manager is given the minimum (the screen where smaller): it is not left below.
    const QSize least = QSize(min_w, min_h)
                            .boundedTo({area.width() - FormView::frame_width_px,
                                        area.height() - FormView::frame_height_px});
    EXPECT_EQ(view->minimumSize(), least);
    view->resize(least - QSize(300, 200));
    EXPECT_EQ(view->size(), least);
    const QSize sizes[] = {
        {min_w, min_h},
        {1280 - FormView::frame_width_px, 800 - FormView::frame_height_px},
        {area.width() - FormView::frame_width_px, area.height() - FormView::frame_height_px},
        {min_w + 37, area.height() - 200},
        start_size,
    };
    QStringList faults;
    for (const QSize &s : sizes) {
        view->resize(s.boundedTo(area.size()));
        QTest::qWait(20);
        QtUi::instance().sync_all();
        const QString size_name = QString("%1x%2").arg(view->width()).arg(view->height());
        if (!view->client()->rect().contains(view->widget_of("SSTab1")->geometry()))
            faults << size_name + ": the tab strip outside the window";
        for (int page = 0; page < 5; ++page) {
            show_page(page);
            faults << layout_faults(size_name + " page " + QString::number(page));
            if (s == sizes[0] || s == sizes[2])
                view->grab().save(folder + "/layout-" + lang + "-" + size_name + "-page" +
                                  QString::number(page) + ".png");
        }
        show_page(0);
    }
    EXPECT_EQ(view->size(), start_size);
    EXPECT_TRUE(faults.isEmpty()) << faults.join("\n").toStdString();

    const QStringList clipped = caption_faults();
    EXPECT_TRUE(clipped.isEmpty()) << clipped.join("\n").toStdString();

    // The buttons Qt draws itself speak the program's language.
    testing::BoxSeen seen;
    testing::answer_box(QMessageBox::Cancel, &seen);
    view->close();
    const QStringList buttons =
        std::string(GetParam().letter) == "F"   ? QStringList{"Oui", "Non", "Annuler"}
        : std::string(GetParam().letter) == "S" ? QStringList{"Sí", "No", "Cancelar"}
                                                : QStringList{"Yes", "No", "Cancel"};
    for (const QString &b : buttons)
        EXPECT_TRUE(seen.buttons.contains(b))
            << b.toStdString() << " not in " << seen.buttons.join(",").toStdString();
    reset_program_end();
}

INSTANTIATE_TEST_SUITE_P(Languages, WindowLayout,
                         ::testing::Values(Language{"F", "French"}, Language{"S", "Spanish"},
                                           Language{"E", "English"}),
                         [](const auto &info) { return std::string(info.param.name); });

} // namespace
} // namespace ohmira::qt
