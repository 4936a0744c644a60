#include "commands/older_file_commands.h"
#include "core/older_files.h"

#include <gtest/gtest.h>

#include "commands_fixture.h"
#include "core/app_title.h"
#include "core/qd3_file.h"
#include "form/sev_form.h"
#include "platform/files.h"

namespace ohmira::test {
namespace {

class BackupTest : public CommandsTest {
protected:
    void SetUp() override {
        CommandsTest::SetUp();
        reset_SEV();
        Comment = "in memory";
    }
};

TEST_F(BackupTest, RenamesTheBackupAsQd3) {
    File_Name = "NEW"; // a new sounding stays one: its save asks for a name
    const std::string bak = write_bytes("site.BAK", "data");
    host_.expect(answer_open({bak}));
    host_.expect(answer_box(vbOK));
    Bak_M_Click();
    const auto &records = host_.records();
    ASSERT_EQ(records.size(), 2u);
    EXPECT_EQ(records[0].title, "OHMIRA Backup File selection");
    EXPECT_EQ(records[0].filter, "Ohmira 6(*.BAK)|*.BAK");
    EXPECT_EQ(records[0].default_text, "*.BAK");
    EXPECT_EQ(records[0].flags, 0x80000);
    EXPECT_EQ(records[1].title, "Backup to QD3");
    EXPECT_EQ(records[1].text, "Rename " + bak + " as " + path("site.QD3"));
    EXPECT_EQ(records[1].buttons, MsgButtons::OKCancel);
    EXPECT_EQ(records[1].icon, MsgIcon::Question);
    EXPECT_FALSE(file_exists(bak));
    EXPECT_EQ(read_bytes(path("site.QD3")), "data");
    EXPECT_EQ(File_Name, "NEW");
    EXPECT_EQ(Comment, "in memory");
}

TEST_F(BackupTest, NeverReplacesAnExistingQd3) {
    const std::string bak = write_bytes("site.BAK", "backup");
    write_bytes("site.QD3", "current");
    host_.expect(answer_open({bak}));
    host_.expect(answer_box(vbOK));
    Bak_M_Click();
    EXPECT_EQ(host_.message_boxes().size(), 1u); // the question only
    EXPECT_EQ(read_bytes(path("site.QD3")), "current");
    EXPECT_EQ(read_bytes(bak), "backup");
}

TEST_F(BackupTest, CancelDoesNothing) {
    const std::string bak = write_bytes("site.BAK", "backup");
    File_Name = "mine.QD3";
    host_.expect(cancel_open());
    Bak_M_Click();
    EXPECT_EQ(host_.records().size(), 1u);
    EXPECT_EQ(File_Name, "mine.QD3");

    host_.expect(answer_open({bak}));
    host_.expect(answer_box(vbCancel));
    Bak_M_Click();
    EXPECT_TRUE(file_exists(bak));
    EXPECT_FALSE(file_exists(path("site.QD3")));
}

TEST_F(BackupTest, RestoresABackupAsTheCurrentSounding) {
    Nb_Points = 2;
    Field_Data(1, 1) = 10.0;
    Field_Data(1, 2) = 100.0;
    Field_Data(2, 1) = 400.0;
    Field_Data(2, 2) = 20.0;
    Model_Layers(1, 1) = 100.0;
    Comment = "from the backup";
    const std::string bak = path("site.BAK");
    ASSERT_EQ(write_qd3_file(bak), 0);
    reset_core_state();
    Comment = "in memory";
    File_Name = "mine.QD3";

    host_.expect(answer_open({bak}));
    host_.expect(answer_box(vbOK));
    Restore_Backup();
    const auto &records = host_.records();
    ASSERT_EQ(records.size(), 2u);
    EXPECT_EQ(records[0].title, "OHMIRA File selection");
    EXPECT_EQ(records[0].filter, "Fichier Ohmira (*.BAK)|*.BAK");
    EXPECT_EQ(records[1].text, "site.QD3 is restored");
    EXPECT_EQ(records[1].title, Prog_Title);
    EXPECT_EQ(File_Path, path("site.QD3"));
    EXPECT_EQ(File_Name, "site.QD3");
    EXPECT_EQ(Comment, "from the backup");
    EXPECT_EQ(Nb_Points, 2);
    EXPECT_EQ(Max_AB2, 400);
    EXPECT_EQ(Draw_Mode, "NORMAL");
    EXPECT_GT(SEV.Bilog.picture().size(), 0u); // the frame with the field points
    EXPECT_TRUE(file_exists(bak));             // read, not renamed
    EXPECT_FALSE(file_exists(path("site.QD3")));
}

TEST_F(BackupTest, RestoreThatCannotReadSaysSoAndKeepsTheSounding) {
    struct Case {
        const char *what;
        std::string bytes; // empty: no file at all
        const char *cause;
    };
    const Case cases[] = {{"missing", "", "file not found or not readable"},
                          {"truncated", "3.5\r\n100,1000,", "the file ends too early"},
                          {"points without their model", "2\r\n100,1000,50,2000,0,0,0\r\n",
                           "the file ends too early"}};
    for (const Case &c : cases) {
        const auto before = host_.message_boxes().size();
        File_Name = "mine.QD3";
        File_Path = path("mine.QD3");
        Nb_Points = 2;
        Field_Data(1, 1) = 10.0;
        Field_Data(1, 2) = 100.0;
        Model_Layers(1, 1) = 55.0;
        Comment = "in memory";
        const std::string bak =
            c.bytes.empty() ? path("gone.BAK") : write_bytes("broken.BAK", c.bytes);
        host_.expect(answer_open({bak}));
        host_.expect(answer_box(vbOK));
        Restore_Backup();
        const auto boxes = host_.message_boxes();
        ASSERT_EQ(boxes.size(), before + 1) << c.what;
        EXPECT_EQ(boxes.back().text, "Reading File Error...\n\r" + bak + "\n\r" + c.cause)
            << c.what;
        EXPECT_EQ(File_Name, "mine.QD3") << c.what;
        EXPECT_EQ(File_Path, path("mine.QD3")) << c.what;
        EXPECT_EQ(Nb_Points, 2) << c.what;
        EXPECT_DOUBLE_EQ(Field_Data(1, 2).num(), 100.0) << c.what;
        EXPECT_DOUBLE_EQ(Model_Layers(1, 1).num(), 55.0) << c.what;
        EXPECT_EQ(Comment, "in memory") << c.what;
    }
    const auto before = host_.message_boxes().size();
    host_.expect(cancel_open());
    Restore_Backup();
    EXPECT_EQ(host_.message_boxes().size(), before);
}

} // namespace
} // namespace ohmira::test
