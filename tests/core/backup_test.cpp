#include "core/older_files.h"

#include <gtest/gtest.h>

#include "core_fixture.h"
#include "platform/files.h"
#include "shell/sev_form.h"

namespace ohmira::test {
namespace {

class BackupTest : public CoreTest {
protected:
    void SetUp() override {
        CoreTest::SetUp();
        reset_SEV();
        Comment = "in memory";
    }
};

TEST_F(BackupTest, RenamesTheBackupAsQd3) {
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
    EXPECT_EQ(File_Name, "site.BAK");
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

} // namespace
} // namespace ohmira::test
