#include "platform/common_dialog.h"
#include "platform/dialog_host.h"
#include "platform/scripted_dialog_host.h"

#include <gtest/gtest.h>

#include <stdexcept>

namespace ohmira {

TEST(MsgBoxFlags, SplitIntoButtonsAndIcon) {
    struct Case {
        int flags;
        MsgButtons buttons;
        MsgIcon icon;
    } cases[] = {
        {vbOKOnly, MsgButtons::OKOnly, MsgIcon::None},
        {vbOKCancel + vbQuestion, MsgButtons::OKCancel, MsgIcon::Question},
        {vbYesNoCancel + vbQuestion, MsgButtons::YesNoCancel, MsgIcon::Question},
        {vbYesNo, MsgButtons::YesNo, MsgIcon::None},
        {vbCritical, MsgButtons::OKOnly, MsgIcon::Critical},
        {vbExclamation, MsgButtons::OKOnly, MsgIcon::Exclamation},
        {vbInformation + vbOKOnly, MsgButtons::OKOnly, MsgIcon::Information},
    };
    for (const Case &c : cases) {
        EXPECT_EQ(msg_buttons(c.flags), c.buttons) << c.flags;
        EXPECT_EQ(msg_icon(c.flags), c.icon) << c.flags;
    }
}

TEST(ScriptedDialogHost, RecordsExactTextsAndAnswersInOrder) {
    ScriptedDialogHost host{answer_box(vbNo), answer_box(vbOK), answer_input("plot")};
    DialogHostGuard guard(host);

    EXPECT_EQ(
        MsgBox(" Decimal separator is a comma\r\na point is required ", vbYesNo, "Ohmira 6.5"),
        vbNo);
    EXPECT_EQ(MsgBox("First select a file", vbExclamation), vbOK);
    EXPECT_EQ(InputBox("Enter the file name", "WMF file option", "sheet"), "plot");
    EXPECT_EQ(host.pending(), 0u);

    const auto &r = host.records();
    ASSERT_EQ(r.size(), 3u);
    EXPECT_EQ(r[0].kind, DialogKind::MessageBox);
    EXPECT_EQ(r[0].text, " Decimal separator is a comma\r\na point is required ");
    EXPECT_EQ(r[0].title, "Ohmira 6.5");
    EXPECT_EQ(r[0].buttons, MsgButtons::YesNo);
    EXPECT_EQ(r[0].icon, MsgIcon::None);
    EXPECT_EQ(r[1].title, "Ohmira"); // no title given: the application's title
    EXPECT_EQ(r[1].icon, MsgIcon::Exclamation);
    EXPECT_EQ(r[2].kind, DialogKind::InputBox);
    EXPECT_EQ(r[2].text, "Enter the file name");
    EXPECT_EQ(r[2].title, "WMF file option");
    EXPECT_EQ(r[2].default_text, "sheet");
    EXPECT_EQ(host.message_boxes().size(), 2u);
    EXPECT_TRUE(host.failures().empty());
}

TEST(ScriptedDialogHost, FailsLoudlyOnWhatTheScriptDidNotExpect) {
    {
        ScriptedDialogHost host; // nothing expected
        DialogHostGuard guard(host);
        try {
            MsgBox("Value missing...", vbExclamation, "Ohmira 6.5");
            FAIL() << "no exception";
        } catch (const std::logic_error &e) {
            EXPECT_NE(std::string(e.what()).find("Value missing..."), std::string::npos);
        }
        EXPECT_EQ(host.failures().size(), 1u); // kept even when the caller swallows it
    }
    struct Case {
        const char *what;
        ScriptedAnswer answer;
    };
    Case cases[] = {
        {"input box answered to a message box", answer_input("x")},
        {"Yes to an OK-only box", answer_box(vbYes)},
        {"Cancel to a Yes/No box", answer_box(vbCancel)},
    };
    for (Case &c : cases) {
        ScriptedDialogHost host{c.answer};
        DialogHostGuard guard(host);
        int flags = c.answer.kind == DialogKind::MessageBox && c.answer.button == vbCancel
                        ? vbYesNo
                        : vbOKOnly;
        EXPECT_THROW(MsgBox("text", flags), std::logic_error) << c.what;
    }
    {
        ScriptedDialogHost host{answer_open({"/a/x.QD3", "/a/y.QD3"})};
        DialogHostGuard guard(host);
        CommonDialog dialog;
        EXPECT_THROW(dialog.ShowOpen(), std::logic_error); // several files, no multi-select
    }
}

TEST(ScriptedDialogHost, ModalFormAnswerActsOnTheForm) {
    // Form is defined by the forms layer; here only its address travels.
    int storage = 0;
    Form &splash = *reinterpret_cast<Form *>(&storage);
    Form *acted_on = nullptr;
    ScriptedDialogHost host{answer_form([&](Form &f) { acted_on = &f; })};
    DialogHostGuard guard(host);
    show_modal(splash);
    EXPECT_EQ(acted_on, &splash);
    EXPECT_EQ(host.records().at(0).form, &splash);
}

TEST(HeadlessDialogHost, AnswersLikeAUserWhoCancels) {
    HeadlessDialogHost host;
    ::testing::internal::CaptureStderr(); // the headless host reports boxes on stderr
    struct Case {
        int flags;
        int result;
    } cases[] = {
        {vbOKOnly, vbOK}, {vbOKCancel, vbCancel}, {vbYesNo, vbNo}, {vbYesNoCancel, vbCancel}};
    for (const Case &c : cases)
        EXPECT_EQ(host.message_box({"t", "Ohmira", msg_buttons(c.flags), MsgIcon::None}), c.result);
    EXPECT_EQ(::testing::internal::GetCapturedStderr(),
              "[Ohmira] t\n[Ohmira] t\n[Ohmira] t\n[Ohmira] t\n");
    EXPECT_TRUE(host.input_box({"p", "t", "d"}).cancelled);
    EXPECT_TRUE(host.open_file({}).cancelled);
    ColorDialogResult colour = host.choose_color({"t", 255});
    EXPECT_TRUE(colour.cancelled);
    EXPECT_EQ(colour.color, 255);
    EXPECT_EQ(&dialog_host() == &host, false);
    EXPECT_EQ(InputBox("nothing installed"), ""); // headless host in place
}

TEST(CommonDialog, PropertiesStayAndResultsFillFileNameAndTitle) {
    ScriptedDialogHost host{cancel_open(), answer_open({"/data/line 1/S1.QD3"}),
                            answer_open({"/data/A.QD3", "/data/B.qd3"}),
                            answer_save("/data/new.QD3")};
    DialogHostGuard guard(host);
    CommonDialog cd;
    cd.CancelError = true;
    cd.Flags = cdlOFNExplorer;
    cd.Filter = "Ohmira 5 & 6 (*.QD3)|*.QD3|Ohmira 2.2 (*.ESW)|*.ESW";
    cd.DialogTitle = "OHMIRA File selection";
    cd.FileName = "*.QD3";

    EXPECT_FALSE(cd.ShowOpen()); // cancelled: name and title untouched
    EXPECT_EQ(cd.FileName, "*.QD3");
    EXPECT_EQ(cd.FileTitle, "");

    EXPECT_TRUE(cd.ShowOpen());
    EXPECT_EQ(cd.FileName, "/data/line 1/S1.QD3");
    EXPECT_EQ(cd.FileTitle, "S1.QD3");

    cd.Flags = cdlOFNAllowMultiselect | cdlOFNExplorer;
    EXPECT_TRUE(cd.ShowOpen());
    EXPECT_EQ(cd.FileName, std::string("/data\0A.QD3\0B.qd3", 17));
    EXPECT_EQ(cd.SelectedFiles().size(), 2u);

    cd.Flags = cdlOFNOverwritePrompt;
    EXPECT_TRUE(cd.ShowSave());
    EXPECT_EQ(cd.FileName, "/data/new.QD3");

    const auto &r = host.records();
    ASSERT_EQ(r.size(), 4u);
    EXPECT_EQ(r[0].kind, DialogKind::OpenFile);
    EXPECT_EQ(r[0].filter, "Ohmira 5 & 6 (*.QD3)|*.QD3|Ohmira 2.2 (*.ESW)|*.ESW");
    EXPECT_EQ(r[0].title, "OHMIRA File selection");
    EXPECT_EQ(r[0].default_text, "*.QD3");
    EXPECT_EQ(r[0].flags, cdlOFNExplorer);
    EXPECT_EQ(r[1].filter, r[0].filter); // properties stay for the next command
    EXPECT_EQ(r[3].kind, DialogKind::SaveFile);
    EXPECT_EQ(r[3].flags, cdlOFNOverwritePrompt);
}

TEST(CommonDialog, CancelledColourKeepsTheLastChosen) {
    ScriptedDialogHost host{cancel_color(), answer_color(65535), cancel_color()};
    DialogHostGuard guard(host);
    CommonDialog cd;
    cd.DialogTitle = "Ohmira color selection";
    EXPECT_FALSE(cd.ShowColor());
    EXPECT_EQ(cd.Color, 0);
    EXPECT_TRUE(cd.ShowColor());
    EXPECT_EQ(cd.Color, 65535);
    EXPECT_FALSE(cd.ShowColor());
    EXPECT_EQ(cd.Color, 65535);
    EXPECT_EQ(host.records().at(2).color, 65535);
    EXPECT_EQ(host.records().at(0).title, "Ohmira color selection");
}

} // namespace ohmira
