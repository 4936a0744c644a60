#include "app/launched_programs.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>

#include "../platform/temp_folder.h"
#include "app/splash_form.h"
#include "app/status_hints.h"
#include "core/app_title.h"
#include "platform/app_info.h"
#include "setup_fixture.h"

namespace ohmira::test {
namespace {

// The program's folder is one of the test's own, where a test puts the manual it needs.
class LaunchedProgramsTest : public SetupTest {
protected:
    void SetUp() override {
        SetupTest::SetUp();
        set_app_path(program_folder_.path());
    }
    void TearDown() override {
        set_app_path({});
        SetupTest::TearDown();
    }
    void with_reader(const std::string &reader) {
        set_association_source([reader](std::string_view) { return reader; });
    }
    // Puts a manual file where the program looks for it.
    static void place_manual(const std::string &path) {
        std::filesystem::create_directories(std::filesystem::path(path).parent_path());
        std::ofstream(path) << "%PDF-1.4\n";
    }
    TempFolder program_folder_;
};

TEST_F(LaunchedProgramsTest, NoPdfReaderGivesTheReaderBoxAndLaunchesNothing) {
    with_reader("");
    place_manual(Help_Manual_Path());
    host_.expect(answer_box(vbOK));
    Help_US_Click();
    ASSERT_EQ(host_.message_boxes().size(), 1u);
    EXPECT_EQ(host_.message_boxes()[0].text,
              "You must intstall ACROBAT READER to open the help file");
    EXPECT_EQ(host_.message_boxes()[0].title, Prog_Title);
    EXPECT_EQ(host_.message_boxes()[0].icon, MsgIcon::Critical);
    EXPECT_TRUE(launched_.empty());
}

TEST_F(LaunchedProgramsTest, ManualPerLanguage) {
    const std::pair<char, const char *> cases[] = {
        {'F', "manual/OHMIRA6_FR.PDF"},
        {'S', "manual/OHMIRA6_ES.PDF"},
        {'E', "manual/OHMIRA6_US.PDF"},
        {'A', "manual/OHMIRA6_US.PDF"},
    };
    for (const auto &[lang, name] : cases) {
        choose_language(lang);
        EXPECT_EQ(Help_Manual_Path(), app_path() + name) << lang;
    }
}

TEST_F(LaunchedProgramsTest, MissingManualGivesTheBoxWithItsPath) {
    with_reader("/usr/bin/okular");
    choose_language('S');
    const std::string manual = Help_Manual_Path();
    ASSERT_FALSE(std::filesystem::exists(manual));
    host_.expect(answer_box(vbOK));
    Open_Help_Manual();
    ASSERT_EQ(host_.message_boxes().size(), 1u);
    EXPECT_EQ(host_.message_boxes()[0].text, "You must install " + manual + " from the CD-ROM");
    EXPECT_EQ(host_.message_boxes()[0].icon, MsgIcon::Critical);
    EXPECT_TRUE(launched_.empty());
}

TEST_F(LaunchedProgramsTest, GermanOpensTheEnglishManualWithTheReader) {
    with_reader("/usr/bin/okular");
    choose_language('A');
    place_manual(Help_Manual_Path());
    Open_Help_Manual();
    ASSERT_EQ(launched_.size(), 1u);
    EXPECT_EQ(launched_[0].target, "/usr/bin/okular");
    EXPECT_EQ(launched_[0].parameters, app_path() + "manual/OHMIRA6_US.PDF");
    EXPECT_EQ(launched_[0].directory, app_path());
    EXPECT_TRUE(host_.records().empty());

    launch_result_ = ShellFileNotFound;
    host_.expect(answer_box(vbOK));
    Open_Help_Manual();
    ASSERT_EQ(host_.message_boxes().size(), 1u);
    EXPECT_EQ(host_.message_boxes()[0].text, "Unable to shell /usr/bin/okular");
    EXPECT_EQ(host_.message_boxes()[0].icon, MsgIcon::None);
}

TEST_F(LaunchedProgramsTest, ContactOpensTheMailUrl) {
    contact_Click();
    ASSERT_EQ(launched_.size(), 1u);
    EXPECT_EQ(launched_[0].target,
              std::string("mailto:") + Support_Address + "?CC=&BCC=&Subject=Ohmira&Body=");
    EXPECT_TRUE(host_.records().empty());

    launch_result_ = ShellNoAssociation;
    host_.expect(answer_box(vbOK));
    contact_Click();
    ASSERT_EQ(host_.message_boxes().size(), 1u);
    EXPECT_EQ(host_.message_boxes()[0].text, "Unable to launch e-mail");
}

TEST_F(LaunchedProgramsTest, CalculatorIsTheFirstFoundAndSilentWhenNone) {
    TempFolder dir;
    const char *old = std::getenv("PATH");
    const std::string saved = old ? old : "";
    for (const char *name : {"xcalc", "kcalc"}) {
        const std::string p = dir.write(name, "#!/bin/sh\n");
        std::filesystem::permissions(p, std::filesystem::perms::owner_all);
    }
    setenv("PATH", dir.path().c_str(), 1);
    NCalculator_Click();
    ASSERT_EQ(launched_.size(), 1u);
    EXPECT_EQ(launched_[0].target, dir / "kcalc");
    EXPECT_EQ(SEV.Bilog.MousePointer(), vbCrosshair);

    launched_.clear();
    setenv("PATH", (dir / "none").c_str(), 1);
    NCalculator_Click();
    video_Click();
    setenv("PATH", saved.c_str(), 1);
    EXPECT_TRUE(launched_.empty());
    EXPECT_TRUE(host_.records().empty());
}

TEST_F(LaunchedProgramsTest, DescriptionIsFrenchOrEnglish) {
    const std::pair<char, const char *> cases[] = {
        {'F', "Ce programme sert à interpréter"},
        {'S', "This program is used for the interpretation"},
        {'A', "This program is used for the interpretation"},
    };
    for (const auto &[lang, start] : cases) {
        choose_language(lang);
        host_.expect(answer_box(vbOK));
        NHelp_Click();
        const DialogRecord r = host_.message_boxes().back();
        EXPECT_EQ(r.text.rfind(start, 0), 0u) << lang;
        EXPECT_EQ(r.title, Prog_Title);
        EXPECT_EQ(r.icon, MsgIcon::Information);
    }
    EXPECT_NE(host_.message_boxes()[0].text.find("dipôle. Le programme"), std::string::npos);
    EXPECT_NE(host_.message_boxes()[1].text.find("spread.  Formula"), std::string::npos);
}

TEST_F(LaunchedProgramsTest, AboutShowsTheSplashWindowModallyWithItsDesignCaptions) {
    reset_frmSplash();
    connect_splash_events();
    std::string shown, version;
    host_.expect(answer_form([&](Form &f) {
        shown = f.Name();
        version = frmSplash.lblVersion.Caption();
        f.Unload();
    }));
    WS_Click();
    EXPECT_EQ(shown, "frmSplash");
    EXPECT_EQ(version, "Version 6.5.1");
    EXPECT_FALSE(frmSplash.loaded());
    reset_frmSplash();
}

TEST_F(LaunchedProgramsTest, HintsFollowTheLanguage) {
    struct Case {
        char lang;
        const char *model_hint, *error_hint, *modeling;
    };
    const Case cases[] = {
        {'F', "Nouveau SE ou corrections", "Entrer un nouveau fichier", "Calcul du modèle"},
        {'S', "Nuevo sondeo o correcciónes", "Entre nuevo fichero", "Calculo del modelo"},
        {'A', "New sounding or corrections", "Enter new File", "Modeling"},
    };
    for (const Case &c : cases) {
        choose_language(c.lang);
        SEV.Picture4.MouseMove = Picture4_MouseMove;
        SEV.Picture4.user_mouse_move(0, 0, 100, 100);
        EXPECT_EQ(SEV.Text1.Text(), c.model_hint);
        Picture5_MouseMove(0, 0, 0, 0);
        EXPECT_EQ(SEV.Text1.Text(), c.error_hint);
        Show_New_Sounding_Hint(0, 0, 0, 0);
        EXPECT_EQ(SEV.Text1.Text(), c.model_hint);
        Show_Modeling_Hint();
        EXPECT_EQ(SEV.Text1.Text(), c.modeling);
        Show_Help_Hint();
        EXPECT_EQ(SEV.Text1.Text(), "Help");
        Do_Nothing_1();
        Do_Nothing_2();
        EXPECT_EQ(SEV.Text1.Text(), "Help");
    }
}

} // namespace
} // namespace ohmira::test
