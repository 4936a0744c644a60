#pragma once
// Set-up of the conversions tests: the shared start (state, English, a fresh main window, a
// scripted dialog host and a temporary folder), the core's reader to check what was written, and
// the sounding a user had on screen before a conversion, saved back after it.
#include "../app_fixture.h"
#include "commands/field_buttons.h"
#include "commands/open_save.h"
#include "core/app_title.h"
#include "core/qd3_file.h"
#include "core/sounding.h"
#include "sample_files.h"

namespace ohmira::test {

class ConversionsTest : public AppTest {
protected:
    // The QD3 file read back by the core's reader into the sounding.
    static void load_qd3(std::string p) {
        File_Name = "check.QD3";
        File_Layout = 3;
        Load_QD3(p);
    }

    // The sounding on screen before a conversion, opened as File ▸ Read opens it.
    std::string open_kept_sounding() {
        const std::string p = write_bytes("keep.QD3", qd3_sample());
        EXPECT_TRUE(open_sounding_file(p));
        return p;
    }
    // The window still shows it under its names, and File ▸ Save writes it back as it was.
    void expect_kept_sounding(const std::string &p) {
        EXPECT_EQ(File_Path, p);
        EXPECT_EQ(File_Name, "keep.QD3");
        EXPECT_EQ(SEV.Caption(), Prog_Title + " [" + p + "]");
        EXPECT_EQ(Nb_Points, 3);
        EXPECT_EQ(Comment, "kept");
        expect_file_save_keeps(p);
    }
    // File ▸ Save, Yes to its question, rewrites p byte for byte.
    void expect_file_save_keeps(const std::string &p) {
        const std::string bytes = read_bytes(p);
        host_.expect(answer_box(vbYes));
        NRecord_Click();
        EXPECT_EQ(host_.records().back().text, "Recording File " + p);
        EXPECT_EQ(read_bytes(p), bytes) << p;
    }
    // The editor's Save, Yes to its two questions, rewrites p byte for byte.
    void expect_editor_save_keeps(const std::string &p) {
        const std::string bytes = read_bytes(p);
        host_.expect(answer_box(vbYes));
        host_.expect(answer_box(vbYes));
        SaveButton_Click();
        EXPECT_EQ(host_.records().back().text, "Recording File " + p);
        EXPECT_EQ(read_bytes(p), bytes) << p;
    }
};

} // namespace ohmira::test
