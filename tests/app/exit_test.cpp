#include "app/app_events.h"
#include "app/main_frame.h"
#include "app/program_exit.h"
#include "core/language.h"
#include "core/sounding.h"
#include "form/settings_values.h"
#include "program_fixture.h"

namespace ohmira {

namespace {

class ExitTest : public ProgramTest {
protected:
    void SetUp() override {
        ProgramTest::SetUp();
        Prepare_Main_Window();
        connect_start_and_exit();
        SEV.Form_Load = nullptr; // the window as it is once started
        SEV.Load();
    }
};

} // namespace

TEST_F(ExitTest, AnswersOfTheQuitQuestion) {
    const std::string sounding = folder / "s1.QD3";
    struct Case {
        const char *name;
        int answer;
        std::vector<ScriptedAnswer> then; // the save's own question and dialog
        bool ends;
        bool saved;
    } cases[] = {
        {"Cancel", vbCancel, {}, false, false},
        {"Yes", vbYes, {}, true, false},
        {"No, saved", vbNo, {answer_box(vbYes)}, true, true},
        // The save cancelled: nothing is lost, back to the program.
        {"No, save cancelled", vbNo, {answer_box(vbNo), cancel_save()}, false, false},
    };
    for (Case &c : cases) {
        reset_program_end();
        std::filesystem::remove(ini_path());
        std::filesystem::remove(sounding);
        File_Path = sounding;
        File_Name = "s1.QD3";
        ScriptedDialogHost host{answer_box(c.answer)};
        for (ScriptedAnswer &a : c.then)
            host.expect(std::move(a));
        DialogHostGuard g(host);
        AB2max = 6; // chosen on the Setup tab without the keep box
        SEV.Form::Unload();
        EXPECT_EQ(SEV.loaded(), !c.ends) << c.name;
        EXPECT_EQ(Quit_Answer, c.ends) << c.name;
        EXPECT_EQ(program_ended(), c.ends) << c.name;
        EXPECT_EQ(AB2max, 6) << c.name;
        EXPECT_TRUE(file_exists(ini_path())) << c.name; // written before the question
        EXPECT_EQ(file_exists(sounding), c.saved) << c.name;
        EXPECT_EQ(host.pending(), 0u) << c.name;
        ASSERT_GE(host.message_boxes().size(), 1u) << c.name;
        const DialogRecord box = host.message_boxes()[0];
        EXPECT_EQ(box.buttons, MsgButtons::YesNoCancel);
        EXPECT_EQ(box.icon, MsgIcon::Question);
        EXPECT_EQ(box.title, "Ohmira 6.5");
        SEV.Load();
    }
}

TEST_F(ExitTest, QuestionInTheUsersLanguage) {
    struct Case {
        const char *letter;
        const char *text;
    } cases[] = {
        {"E", "     You are leaving Ohmira\n\r  (Have you saved your data ?)....  \n\r"},
        {"A", "     You are leaving Ohmira\n\r  (Have you saved your data ?)....  \n\r"},
        {"S", "     Va a salir del programa\n\r  (¿A salvado sus datos?)....  \n\r"},
        {"F", "     Vous allez quitter le programme\n\r  (Avez-vous pensé à sauver vos "
              "données ?)....  \n\r"},
    };
    for (const Case &c : cases) {
        Langue = c.letter;
        Lang_French = Langue == "F";
        Lang_Spanish = Langue == "S";
        Lang_English = Langue == "E";
        Lang_German = Langue == "A";
        ScriptedDialogHost host{answer_box(vbCancel)};
        DialogHostGuard g(host);
        E_M_Click();
        ASSERT_EQ(host.message_boxes().size(), 1u);
        EXPECT_EQ(host.message_boxes()[0].text, c.text) << c.letter;
    }
}

TEST_F(ExitTest, EveryWayOutAsksOnce) {
    user.expect(answer_box(vbCancel));
    SEV.E_M.user_click();
    user.expect(answer_box(vbCancel));
    SEV.Toolbar1.user_click_button("stop");
    user.expect(answer_box(vbCancel));
    Request_Exit();
    user.expect(answer_box(vbYes));
    SEV.Form::Unload();
    EXPECT_EQ(user.message_boxes().size(), 4u);
    EXPECT_TRUE(program_ended());
    EXPECT_TRUE(user.failures().empty());
}

} // namespace ohmira
