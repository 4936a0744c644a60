#include "app/plot_colours.h"

#include <fstream>
#include <iterator>
#include <sys/stat.h>

#include "../platform/temp_folder.h"
#include "form/settings_values.h"
#include "platform/controls.h"
#include "platform/form.h"
#include "platform/settings_file.h"
#include "setup_fixture.h"

namespace ohmira::test {
namespace {

class PlotColoursTest : public SetupTest {};

struct ColourButton {
    void (*click)();
    const char *title;
    Variant *colour;
    Control *sample;
};

std::vector<ColourButton> colour_buttons() {
    return {{Command12_Click, "Ohmira Curve color selection", &Curve_Color, &SEV.Picture1},
            {Command4_Click, "Ohmira Points color selection", &Points_Color, &SEV.Picture2},
            {Command5_Click, "Ohmira Grid color selection", &Grid_Color, &SEV.Picture3},
            {Command6_Click, "Ohmira Model color selection", &Model_Color, &SEV.Picture4},
            {Command7_Click, "Ohmira Error curve color selection", &Error_Color, &SEV.Picture5},
            {Command8_Click, "Ohmira superposed curve color", &Superposed_Color, &SEV.Text16}};
}

TEST_F(PlotColoursTest, ChosenColourGoesToVariableAndSwatchWithoutRedraw) {
    const std::size_t drawn = SEV.Bilog.picture().size();
    std::int32_t chosen = 0x102030;
    for (const ColourButton &b : colour_buttons()) {
        const std::int32_t before = static_cast<std::int32_t>(b.colour->num());
        host_.expect(answer_color(chosen));
        b.click();
        const DialogRecord &r = host_.records().back();
        EXPECT_EQ(r.kind, DialogKind::Color);
        EXPECT_EQ(r.title, b.title);
        EXPECT_EQ(r.color, before) << "the dialog opens on the current colour";
        EXPECT_EQ(b.colour->num(), chosen) << b.title;
        EXPECT_EQ(b.sample->BackColor(), chosen) << b.title;
        ++chosen;
    }
    EXPECT_EQ(SEV.Bilog.picture().size(), drawn);
    EXPECT_FALSE(SEV.CmDialog1.CancelError);
}

TEST_F(PlotColoursTest, CancelLeavesColourAndSwatchAlone) {
    host_.expect(answer_color(255)); // red for the curve first
    Command12_Click();
    for (const ColourButton &b : colour_buttons()) {
        const double before = b.colour->num();
        const int swatch = b.sample->BackColor();
        host_.expect(cancel_color());
        b.click();
        EXPECT_EQ(b.colour->num(), before) << b.title;
        EXPECT_EQ(b.sample->BackColor(), swatch) << b.title;
    }
}

struct ScaleForm : Form {
    ScaleForm() : Form("scale") {
        for (int k = 0; k < 16; ++k)
            boxes.emplace_back(std::make_unique<TextBox>(*this, "Text" + std::to_string(101 + k)));
    }
    std::vector<std::unique_ptr<TextBox>> boxes;
};

TEST_F(PlotColoursTest, ColourScaleSaveWritesSixteenKeys) {
    TempFolder dir;
    const std::string ini = dir.write("Ohmira6.ini", "[File]\r\nColor1=5\r\n[VISUAL_SU]\r\n"
                                                     "Amplitude3=1\r\nOther=x\r\n");
    ScaleForm form;
    for (int k = 0; k < 16; ++k)
        form.boxes[static_cast<std::size_t>(k)]->BackColor(k == 0 ? 0 : 16662544 + k);
    ASSERT_TRUE(Save_Colour_Scale(form, ini));
    const SettingsFile f = SettingsFile::load(ini);
    EXPECT_EQ(f.get("VISUAL_SU", "Amplitude1"), "0");
    EXPECT_EQ(f.get("VISUAL_SU", "Amplitude16"), "16662559");
    EXPECT_FALSE(f.get("VISUAL_SU", "Amplitude17"));
    EXPECT_EQ(f.get("VISUAL_SU", "Other"), "x");
    EXPECT_EQ(f.get("File", "Color1"), "5");
    // Exactly sixteen Amplitude keys, each once.
    std::ifstream in(ini, std::ios::binary);
    const std::string bytes{std::istreambuf_iterator<char>(in), {}};
    std::size_t count = 0;
    for (std::size_t at = bytes.find("Amplitude"); at != std::string::npos;
         at = bytes.find("Amplitude", at + 1))
        ++count;
    EXPECT_EQ(count, 16u);
    // Written as Str writes numbers: a blank before a number that is not negative.
    EXPECT_NE(bytes.find("Amplitude1= 0\r\n"), std::string::npos);
    EXPECT_NE(bytes.find("Amplitude2= 16662545\r\n"), std::string::npos);
}

TEST_F(PlotColoursTest, ColourScaleSaveNeverReplacesAFileItCannotRead) {
    // A settings file that cannot be read (a folder, a FIFO) keeps every other section: the save
    // is refused instead of writing a file holding only the colour scale.
    TempFolder dir;
    const std::string folder = dir / "Ohmira6.ini";
    std::filesystem::create_directory(folder);
    dir.write("Ohmira6.ini/inside", "kept");
    const std::string fifo = dir / "fifo.ini";
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    ScaleForm form;
    for (const std::string &ini : {folder, fifo})
        EXPECT_FALSE(Save_Colour_Scale(form, ini)) << ini;
    EXPECT_TRUE(std::filesystem::is_directory(folder));
    EXPECT_TRUE(std::filesystem::is_fifo(fifo));
}

TEST_F(PlotColoursTest, OkSaveStoresTheScaleAndRewritesTheClassBounds) {
    TempFolder dir;
    const char *old = std::getenv("XDG_CONFIG_HOME");
    const std::string saved = old ? old : "";
    setenv("XDG_CONFIG_HOME", dir.path().c_str(), 1);
    SEV.Text101.BackColor(0);
    SEV.Text116.BackColor(255);
    SEV.Text11.Text("10");
    SEV.Text12.Text("2000");
    SEV.Command10.Click = Command10_Click;
    SEV.Command10.user_click();
    const SettingsFile f = SettingsFile::load(dir / "Ohmira6.ini");
    if (old)
        setenv("XDG_CONFIG_HOME", saved.c_str(), 1);
    else
        unsetenv("XDG_CONFIG_HOME");
    EXPECT_EQ(f.get("VISUAL_SU", "Amplitude1"), "0");
    EXPECT_EQ(f.get("VISUAL_SU", "Amplitude16"), "255");
    EXPECT_EQ(SEV.Text101.Text(), "10") << "class bounds written";
    EXPECT_EQ(SEV.Text116.Text(), "2000");
}

} // namespace
} // namespace ohmira::test
