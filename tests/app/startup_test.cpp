#include "app/app_events.h"
#include "app/main_frame.h"
#include "app/startup.h"
#include "commands/open_save.h"
#include "core/app_title.h"
#include "core/language.h"
#include "core/sounding.h"
#include "form/settings_values.h"
#include "program_fixture.h"

namespace ohmira {

namespace {

class StartupTest : public ProgramTest {
protected:
    // Starts the program as main does; the splash is answered by `act`.
    void start(
        std::function<void(Form &)> act = [](Form &) { frmSplash.Command2.user_click(); },
        std::vector<ScriptedAnswer> then = {}) {
        user.expect(answer_form(std::move(act)));
        for (ScriptedAnswer &a : then)
            user.expect(std::move(a));
        Prepare_Main_Window();
        connect_start_and_exit();
        SEV.Show();
    }
    void expect_all_answered() {
        EXPECT_EQ(user.pending(), 0u);
        EXPECT_TRUE(user.failures().empty()) << user.failures().front();
    }
};

} // namespace

TEST_F(StartupTest, DecimalSeparatorOtherThanAPointIsAskedAbout) {
    for (const char *separator : {",", ".", "'"}) {
        reset_SEV();
        reset_frmSplash();
        ScriptedDialogHost host;
        DialogHostGuard g(host);
        set_decimal_separator_source([separator] { return std::string(separator); });
        const bool asked = std::string(separator) != ".";
        if (asked)
            host.expect(answer_box(vbNo));
        host.expect(answer_form([](Form &) { frmSplash.Command2.user_click(); }));
        Prepare_Main_Window();
        connect_start_and_exit();
        SEV.Show();
        ASSERT_EQ(host.message_boxes().size(), asked ? 1u : 0u) << separator;
        if (asked) {
            const DialogRecord box = host.message_boxes()[0];
            EXPECT_EQ(box.text, " Decimal separator is a comma, Ohmira can modify the decimal "
                                "separator\r\na point is required to run correctly all modules! ");
            EXPECT_EQ(box.title, "Ohmira 6.5");
            EXPECT_EQ(box.buttons, MsgButtons::YesNo);
            EXPECT_EQ(box.icon, MsgIcon::None);
        }
        EXPECT_TRUE(host.failures().empty());
    }
}

TEST_F(StartupTest, SecondCopyEndsAtOnceWithoutTouchingTheSettings) {
    const std::string before = "[Ohmira]\r\nLangue=F\r\n";
    write_ini(before);
    set_previous_instance_check([] { return true; });
    user.expect(answer_box(vbOK));
    Prepare_Main_Window();
    connect_start_and_exit();
    SEV.Show();
    ASSERT_EQ(user.records().size(), 1u); // no splash, no quit question
    const DialogRecord &box = user.records()[0];
    EXPECT_EQ(box.title, "Cannot load program again.");
    EXPECT_EQ(box.text, "The requested application is already open");
    EXPECT_EQ(box.icon, MsgIcon::Exclamation);
    EXPECT_TRUE(program_ended());
    EXPECT_EQ(ini_bytes(), before);
    EXPECT_EQ(Langue, "E"); // nothing read
}

TEST_F(StartupTest, StartsFromThePreparedSettings) {
    write_ini("[Ohmira]\r\nNiveau=2\r\nAB2max=1\r\nRHOmax=1\r\nLangue=F\r\n[File]\r\n"
              "File 1=/data/a.QD3\r\nFile 2=/data/b.QD3\r\nColor1=12345\r\n");
    File_Path = "/data/a.QD3";
    std::string caption_under_splash;
    start([&](Form &) {
        caption_under_splash = SEV.Caption();
        frmSplash.Command2.user_click();
    });
    expect_all_answered();
    EXPECT_EQ(caption_under_splash, "Ohmira 6.5") << "the title alone, no empty brackets";
    EXPECT_EQ(AB2max, 4);
    EXPECT_EQ(AB2max_Value, 10000);
    EXPECT_EQ(RHOmax, 4);
    EXPECT_EQ(RHOmax_Value, 10000);
    EXPECT_EQ(SEV.Text4.Text(), "Wenner");
    EXPECT_EQ(SEV.F1_F.Caption(), "&1 /data/a.QD3");
    EXPECT_EQ(SEV.F2_F.Caption(), "&2 /data/b.QD3");
    EXPECT_EQ(SEV.F5_F.Caption(), "&5 ");
    EXPECT_EQ(SEV.Picture3.BackColor(), 12345);
    EXPECT_EQ(SEV.Picture1.BackColor(), 255);
    EXPECT_EQ(SEV.Text16.BackColor(), 32768);
    EXPECT_EQ(SEV.Combo6.ListCount(), 4);
    EXPECT_EQ(SEV.Combo6.Text(), "Français");
    EXPECT_EQ(Superpose, -1);
    EXPECT_EQ(Plot_Empty, vbTrue);
    EXPECT_EQ(Draw_Mode, "");
    EXPECT_EQ(SEV.Text1.Text(), "NEW") << "the status box names the new sounding";
    EXPECT_EQ(SEV.Caption(), "Ohmira 6.5 [NEW]");
    EXPECT_EQ(SEV.SSTab1.Tab(), 0);
    EXPECT_TRUE(SEV.Visible());
    EXPECT_EQ(SEV.SEV_Grid.Rows(), 2);
    EXPECT_EQ(SEV.SEV_Grid.TextMatrix(0, 1), "File name");
    EXPECT_EQ(SEV.SEV_Grid.TextMatrix(0, 7), "Max. depth");
    EXPECT_EQ(SEV.SEV_Grid.TextMatrix(1, 0), "1");
    EXPECT_EQ(SEV.SEV_Grid.TextMatrix(0, 0), "");
    EXPECT_EQ(SEV.SEV_Grid.ColWidth(1), 3356);
    EXPECT_EQ(SEV.Toolbar1.Buttons("open")->Description(), "Open File");
    EXPECT_FALSE(program_ended());
}

TEST_F(StartupTest, LanguageLetterSetsTheListAndTheSplashCaptions) {
    struct Case {
        const char *letter, *list, *command2, *command4, *command3, *command5;
    } cases[] = {
        {"E", "English", "Start a new VES", "Open a Ohmira file", "Load last Ohmira file",
         "Read Ohmira help"},
        {"S", "Español", "Empezar nuevo SEV", "Cargar un fichero", "Cargar el ultimo fichero",
         "Leer la ajuda Ohmira"},
        {"F", "Français", "Nouveau sondage", "Ouvrir un fichier", "Ouvrir le dernier fichier",
         "Lire l'aide Ohmira"},
        {"A", "Deutsch", "Start a new VES", "Open a Ohmira file", "Load last Ohmira file",
         "Read Ohmira help"},
        {"X", "", "Start a new VES", "Open an Ohmira file", "Load the last Ohmira file",
         "Read Ohmira Help"},
    };
    for (const Case &c : cases) {
        reset_SEV();
        reset_frmSplash();
        write_ini(std::string("[Ohmira]\r\nLangue=") + c.letter + "\r\n");
        std::vector<std::string> seen;
        start([&](Form &) {
            seen = {frmSplash.Command2.Caption(),   frmSplash.Command4.Caption(),
                    frmSplash.Command3.Caption(),   frmSplash.Command5.Caption(),
                    frmSplash.lblVersion.Caption(), frmSplash.lblProductName2.Caption()};
            frmSplash.Command2.user_click();
        });
        if (*c.list) { // another letter leaves the list's design text
            EXPECT_EQ(SEV.Combo6.Text(), c.list) << c.letter;
        }
        EXPECT_EQ(seen, (std::vector<std::string>{c.command2, c.command4, c.command3, c.command5,
                                                  "Version 6.5.1", "Ohmira"}))
            << c.letter;
        EXPECT_FALSE(frmSplash.loaded());
    }
    // The About box, later, shows the design captions whatever the language.
    std::string about;
    user.expect(answer_form([&](Form &) {
        about = frmSplash.Command2.Caption();
        frmSplash.Command1.user_click();
    }));
    frmSplash.Show(vbModal);
    EXPECT_EQ(about, "Start a new VES");
    EXPECT_EQ(frmSplash.lblProductName2.Left(), frmSplash.lblProductName.Left() - 30);
    EXPECT_EQ(frmSplash.lblProductName2.Top(), frmSplash.lblProductName.Top() + 20);
}

TEST_F(StartupTest, SplashButtons) {
    // New sounding: an empty sounding on the main tab.
    Field_Data(1, 4) = 3.0;
    File_Name = "old.QD3";
    start();
    EXPECT_NE(File_Name, "old.QD3");
    EXPECT_TRUE(Field_Data(1, 4).is_empty());
    EXPECT_EQ(SEV.SSTab1.Tab(), 0);

    // Open cancelled: nothing opened, the pattern never reaches the recent files.
    reset_SEV();
    reset_frmSplash();
    write_ini("[File]\r\nFile 1=/data/kept.QD3\r\n");
    start([](Form &) { frmSplash.Command4.user_click(); }, {cancel_open()});
    expect_all_answered();
    EXPECT_EQ(Recent_Files(1), "/data/kept.QD3");
    EXPECT_EQ(Plot_Empty, vbTrue);
    const DialogRecord &dialog = user.records()[user.records().size() - 1];
    EXPECT_EQ(dialog.kind, DialogKind::OpenFile);
    EXPECT_EQ(dialog.title, "OHMIRA File selection");
    EXPECT_EQ(dialog.default_text, "*.QD3");

    // Open chosen: path, name, folder and caption.
    reset_SEV();
    reset_frmSplash();
    std::string body = "1.5\r\n100,5000,10,10,0,1\r\n";
    for (int j = 0; j < 20; ++j)
        body += "0,0,0\r\n";
    const std::string s1 = folder.write("s1.QD3", body);
    start([](Form &) { frmSplash.Command4.user_click(); }, {answer_open({s1})});
    EXPECT_EQ(File_Path, s1);
    EXPECT_EQ(File_Name, "s1.QD3");
    EXPECT_EQ(Chemin, folder.path() + "/");
    EXPECT_EQ(Nb_Points, 1);

    // A file that is not there: the reader says so and nothing changes.
    reset_SEV();
    reset_frmSplash();
    reset_all_state();
    start([](Form &) { frmSplash.Command4.user_click(); },
          {answer_open({"/data/ves/s1.QD3"}), answer_box(vbOK)});
    EXPECT_NE(File_Path, "/data/ves/s1.QD3");
    EXPECT_NE(File_Name, "s1.QD3");

    // Load last: the first recent file becomes the current sounding.
    reset_SEV();
    reset_frmSplash();
    write_ini("[File]\r\nFile 1=" + s1 + "\r\n");
    start([](Form &) { frmSplash.Command3.user_click(); });
    EXPECT_EQ(File_Path, s1);
    reset_SEV();
    reset_frmSplash();
    write_ini("[File]\r\nFile 1=/data/last.QD3\r\n");
    start([](Form &) { frmSplash.Command3.user_click(); }, {answer_box(vbOK)}); // not found
    EXPECT_EQ(File_Path, s1) << "a file not found changes nothing";
    expect_all_answered();
}

} // namespace ohmira

namespace ohmira {

TEST_F(StartupTest, ASoundingOpenedFromTheSplashIsSavedAsItWasRead) {
    std::string bytes = "3.5\r\n15,2780,50,12,628,10\r\n25,3500,50,10,1924,10\r\n"
                        "40,4100,50,8,4987,10\r\n4000,200,0\r\n20000,0,200\r\n";
    for (int j = 3; j <= 20; ++j)
        bytes += "0,0,0\r\n";
    for (const char *text : {"c", "", "t", "1", "2", "3", "4"})
        bytes += std::string("\"") + text + "\"\r\n";
    const std::string p = folder.write("SPLASH.QD3", bytes);
    struct Case {
        const char *name;
        std::function<void(Form &)> act;
        std::vector<ScriptedAnswer> then;
    };
    const Case cases[] = {
        {"Open", [](Form &) { frmSplash.Command4.user_click(); }, {answer_open({p})}},
        {"Last file", [](Form &) { frmSplash.Command3.user_click(); }, {}},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        reset_SEV();
        reset_frmSplash();
        reset_all_state();
        folder.write("SPLASH.QD3", bytes);
        write_ini("[File]\r\nFile 1=" + p + "\r\n");
        start(c.act, c.then);
        ASSERT_EQ(File_Path, p);
        EXPECT_EQ(Array_Factor, 2) << "the half array read stays";
        EXPECT_EQ(SEV.Check10.Value(), vbChecked);
        EXPECT_EQ(SEV.BuildGrid.TextMatrix(2, 2), " 2.5");
        EXPECT_EQ(SEV.BuildGrid.TextMatrix(2, 3), " 1");
        EXPECT_EQ(SEV.BuildGrid.TextMatrix(2, 4), " 10");
        EXPECT_EQ(SEV.BuildGrid.TextMatrix(2, 6), " 35");
        user.expect(answer_box(vbYes)); // "Recording File"
        SEV.NRecord.user_click();
        EXPECT_EQ(read_file(p).value_or(""), bytes);
        // The data page's Save computes the rows from the grid: the same numbers again.
        user.expect(answer_box(vbYes));
        user.expect(answer_box(vbYes));
        SEV.SaveButton.user_click();
        EXPECT_EQ(read_file(p).value_or(""), bytes);
        expect_all_answered();
    }
}

} // namespace ohmira
