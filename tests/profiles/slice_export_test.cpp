#include "core/app_title.h"
#include "profiles/extraction_form.h"
#include "profiles/slice_export.h"
#include "profiles_fixture.h"

#include <filesystem>
#include <fstream>
#include <iterator>

namespace ohmira::test {
namespace {

class SliceExport : public ProfilesTest {
protected:
    static ProfileSounding three_layers() {
        // Ground at 100 m; tops at 0, 5 and 20 m depth.
        ProfileSounding s;
        s.x = "1250.5";
        s.y = "300";
        s.z = "100";
        s.layers[0] = {45.6f, 5, 0};
        s.layers[1] = {20, 15, 5};
        s.layers[2] = {300, 0, 20};
        return s;
    }
    std::string read(const std::string &name) const {
        std::ifstream in(folder / name, std::ios::binary);
        return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    }
    // Answers the dialog: chooses option `choice`, types the value, presses OK.
    static ScriptedAnswer fill_dialog(int choice, std::string altitude, std::string layer) {
        return answer_form([=](Form &f) {
            auto &e = static_cast<Extraction_Form &>(f);
            OptionButton *opts[] = {&e.Option1, &e.Option2, &e.Option3, &e.Option4, &e.Option5};
            opts[choice - 1]->user_click();
            e.Text1.user_set_text(altitude);
            e.Text2.user_set_text(layer);
            e.Command1.user_click();
        });
    }
};

TEST_F(SliceExport, RuleTable) {
    const ProfileSounding s = three_layers();
    const struct {
        int choice;
        double altitude, layer;
        std::optional<double> value;
    } cases[] = {
        {1, 101, 0, std::nullopt}, // above the ground
        {1, 100, 0, 45.6f},        // at the ground
        {1, 96, 0, 45.6f},         // layer 1
        {1, 90, 0, 20},            // layer 2
        {1, 80, 0, 300},           // half-space top
        {1, 50, 0, 300},           // half-space
        {1, -20, 0, 300},          // below sea level, in the half-space
        {3, 96, 0, 5},             // thickness at an altitude
        {3, 90, 0, 15},
        {3, 50, 0, std::nullopt}, // the half-space has no thickness
        {2, 0, 1, 45.6f},
        {2, 0, 3, 300},
        {2, 0, 4, std::nullopt},   // a layer the model lacks
        {2, 0, 2.5, std::nullopt}, // not a whole number
        {4, 0, 2, 15},
        {4, 0, 3, std::nullopt}, // half-space thickness
        {5, 0, 3, 20},
        {5, 0, 1, 0},
        {5, 0, 20, std::nullopt},
    };
    for (const auto &c : cases) {
        const auto v = slice_value(s, c.choice, c.altitude, c.layer);
        EXPECT_EQ(v.has_value(), c.value.has_value())
            << c.choice << " " << c.altitude << " " << c.layer;
        if (v && c.value) {
            EXPECT_NEAR(*v, *c.value, 1e-4);
        }
    }
    // One layer, and all 20.
    ProfileSounding one;
    one.z = "10";
    one.layers[0] = {50, 0, 0};
    EXPECT_EQ(slice_value(one, 1, 5, 0), 50);
    EXPECT_EQ(slice_value(one, 3, 5, 0), std::nullopt);
    ProfileSounding twenty;
    twenty.z = "0";
    for (int j = 0; j < 20; ++j)
        twenty.layers[static_cast<size_t>(j)] = {10.0 + j, j == 19 ? 0.0 : 1.0, double(j)};
    EXPECT_EQ(slice_value(twenty, 2, 0, 20), 29);
    EXPECT_EQ(slice_value(twenty, 5, 0, 20), 19);
    EXPECT_EQ(slice_value(twenty, 1, -19.5, 0), 29);
    EXPECT_EQ(slice_value(twenty, 3, -18.5, 0), 1);
}

TEST_F(SliceExport, LineAndNames) {
    EXPECT_EQ(slice_line(three_layers(), 45.6f), "1250.5,300,45.6");
    EXPECT_EQ(slice_file_name("slice.txt"), "slice.DAT");
    EXPECT_EQ(slice_file_name("slice"), "slice.DAT");
    EXPECT_EQ(slice_file_name("a.b.c"), "a.DAT");
}

TEST_F(SliceExport, WritesOneLinePerSoundingAndNamesTheUnreadable) {
    write("A.QD3", qd3_text({{45.6, 5}, {20, 15}, {300, 0}}, "1250.5", "300", "100"));
    write("B.QD3", "not a sounding");
    write("C.QD3", qd3_text({{80, 50}, {10, 0}}, "1300", "", "120"));
    host.expect(answer_open(paths({"A.QD3", "B.QD3", "C.QD3"})));
    host.expect(fill_dialog(1, "-12.5", ""));
    host.expect(answer_box(vbYes));
    host.expect(answer_box(vbOK));
    SEV.HORSLICE.user_click();
    ASSERT_TRUE(host.failures().empty()) << host.failures()[0];
    const auto boxes = host.message_boxes();
    ASSERT_EQ(boxes.size(), 2u);
    EXPECT_EQ(boxes[0].text, "Recording File " + folder.path() + "/Res_by_alt_-12.5.DAT");
    EXPECT_NE(boxes[1].text.find("B.QD3"), std::string::npos);
    EXPECT_EQ(read("Res_by_alt_-12.5.DAT"), "1250.5,300,300\r\n1300,0,10\r\n");
    EXPECT_EQ(Extract_Choice, 1);
}

TEST_F(SliceExport, SaveDialogRenamesAndCancelsWriteNothing) {
    write("A.QD3", qd3_text({{45.6, 5}, {20, 15}, {300, 0}}, "1", "2", "100"));
    write("C.QD3", qd3_text({{80, 50}, {10, 0}}, "3", "4", "120"));
    const auto files = paths({"A.QD3", "C.QD3"});

    host.expect(answer_open(files));
    host.expect(fill_dialog(4, "", "1"));
    host.expect(answer_box(vbNo));
    host.expect(answer_save(folder / "thick.txt"));
    SEV.HORSLICE.user_click();
    EXPECT_EQ(read("thick.DAT"), "1,2,5\r\n3,4,50\r\n");

    // Cancelled save dialog, dialog closed without OK, missing parameter: no file.
    host.expect(answer_open(files));
    host.expect(fill_dialog(2, "", "1"));
    host.expect(answer_box(vbNo));
    host.expect(cancel_save());
    SEV.HORSLICE.user_click();
    host.expect(answer_open(files));
    host.expect(answer_form([](Form &f) { f.Unload(); }));
    host.expect(answer_box(vbOK));
    SEV.HORSLICE.user_click();
    host.expect(answer_open(files));
    host.expect(fill_dialog(3, "", "7"));
    host.expect(answer_box(vbOK));
    SEV.HORSLICE.user_click();
    ASSERT_TRUE(host.failures().empty()) << host.failures()[0];
    const auto boxes = host.message_boxes();
    EXPECT_EQ(boxes[boxes.size() - 2].text, "Extraction aborted");
    EXPECT_EQ(boxes.back().text, "Extraction aborted");
    EXPECT_EQ(boxes.back().title, "Ohmira 6.5");
    int files_in_folder = 0;
    for (const auto &e : std::filesystem::directory_iterator(folder.path()))
        files_in_folder += e.path().extension() == ".DAT" ? 1 : 0;
    EXPECT_EQ(files_in_folder, 1);

    // The dialog opens empty with the first option, in the user's language.
    Lang_English = false;
    Lang_French = true;
    host.expect(answer_open(files));
    host.expect(answer_form([](Form &f) {
        auto &e = static_cast<Extraction_Form &>(f);
        EXPECT_TRUE(e.Option1.Value());
        EXPECT_EQ(e.Text2.Text(), "");
        EXPECT_EQ(e.Option5.Caption(), "Profondeur pour une couche");
        EXPECT_EQ(e.Label7.Caption(), "N° de la couche");
        f.Unload();
    }));
    host.expect(answer_box(vbOK));
    SEV.HORSLICE.user_click();
    EXPECT_TRUE(host.failures().empty());
}

TEST_F(SliceExport, NoNumberOrNoLineWritesNoFile) {
    write("A.QD3", qd3_text({{45.6, 5}, {20, 15}, {300, 0}}, "1", "2", "100"));
    write("C.QD3", qd3_text({{80, 50}, {10, 0}}, "3", "4", "120"));
    const auto files = paths({"A.QD3", "C.QD3"});
    struct Case {
        int choice;
        const char *altitude, *layer;
        bool asks_path;
        const char *box;
    };
    const Case cases[] = {
        {1, "abc", "", false, "abc is not a number. Extraction aborted"},
        {2, "", "2nd", false, "2nd is not a number. Extraction aborted"},
        {1, "1000", "", true, "No sounding gives a value: no file written"}, // above the ground
        {2, "", "20", true, "No sounding gives a value: no file written"},
    };
    for (const Case &c : cases) {
        host.expect(answer_open(files));
        host.expect(fill_dialog(c.choice, c.altitude, c.layer));
        if (c.asks_path)
            host.expect(answer_box(vbYes));
        host.expect(answer_box(vbOK));
        SEV.HORSLICE.user_click();
        ASSERT_TRUE(host.failures().empty()) << host.failures()[0];
        EXPECT_EQ(host.message_boxes().back().text, c.box);
        EXPECT_EQ(host.message_boxes().back().title, Prog_Title);
        EXPECT_EQ(host.pending(), 0u);
    }
    for (const auto &e : std::filesystem::directory_iterator(folder.path()))
        EXPECT_NE(e.path().extension(), ".DAT") << e.path();
}

} // namespace
} // namespace ohmira::test
