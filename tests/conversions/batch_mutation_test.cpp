// Files a user hands to the batch conversions, mutated at random (byte flips, truncations, huge
// counts): the commands end without a crash or hang, and a refused file leaves nothing written.
#include "batch_fixture.h"
#include "commands/auto_model_commands.h"
#include "conversions/res2dinv.h"
#include "conversions/sheet_import.h"
#include "conversions/syscal.h"
#include "core/auto_model.h"
#include "platform/form.h"

#include <iterator>
#include <random>

namespace ohmira::test {
namespace {

// Answers like a patient user: the chosen files in turn, OK to the parameters, No to every
// question, a name for each Syscal sounding.
class PatientUser : public HeadlessDialogHost {
public:
    std::vector<std::string> files;
    std::vector<std::string> boxes;
    int message_box(const MessageBoxRequest &r) override {
        boxes.push_back(r.text);
        return r.buttons == MsgButtons::YesNo ? vbYes : vbOK;
    }
    InputBoxResult input_box(const InputBoxRequest &) override { return {false, "out"}; }
    FileDialogResult open_file(const FileDialogRequest &) override {
        FileDialogResult r;
        if (next_ < files.size()) {
            r.cancelled = false;
            r.files = {files[next_++]};
        }
        return r;
    }
    void show_modal(Form &) override {
        R2DI_par.Text1.Text("2");
        R2DI_par.Command1.user_click();
    }
    void restart(std::vector<std::string> f) {
        files = std::move(f);
        next_ = 0;
        boxes.clear();
    }

private:
    std::size_t next_ = 0;
};

std::string mutate(std::string bytes, std::mt19937 &rng) {
    std::uniform_int_distribution<int> kind(0, 3);
    switch (kind(rng)) {
    case 0: // byte flips
        for (int i = 0; i < 3 && !bytes.empty(); ++i) {
            bytes[rng() % bytes.size()] = static_cast<char>(rng() % 256);
        }
        break;
    case 1: // truncation
        bytes.resize(rng() % (bytes.size() + 1));
        break;
    case 2: { // a huge count in place of a number
        const std::size_t at = bytes.find_first_of("0123456789", rng() % bytes.size());
        if (at != std::string::npos) {
            const char *huge[] = {"32767", "99999999", "1E+300", "-5000", "4999"};
            bytes.replace(at, 1, huge[rng() % 5]);
        }
        break;
    }
    default: // a line doubled
        bytes += bytes.substr(rng() % bytes.size());
        break;
    }
    return bytes;
}

class BatchMutation : public BatchTest {
protected:
    void SetUp() override {
        BatchTest::SetUp();
        Setup_Auto_Threshold_Slider();
        open_kept_sounding();
    }
    // However a run ends, the window shows a sounding file: the one of before or one written.
    static void expect_window_on_a_sounding_file() {
        EXPECT_TRUE(File_Path.size() > 4 && File_Path.substr(File_Path.size() - 4) == ".QD3" &&
                    std::filesystem::exists(File_Path))
            << File_Path;
    }
    // The first line of the run's first box (the file and the value follow it); "" for none.
    std::string first_box_line() const {
        return user_.boxes.empty() ? std::string()
                                   : user_.boxes[0].substr(0, user_.boxes[0].find('\n'));
    }
    PatientUser user_;
    DialogHostGuard user_guard_{user_};
    std::mt19937 rng_{20261208};
    // The files the runs wrote: every QD3 file but the sounding of before.
    int qd3_count() const {
        int n = 0;
        for (const std::string &f : files()) {
            n += f != "keep.QD3" && f.size() > 4 && f.substr(f.size() - 4) == ".QD3";
        }
        return n;
    }
    void clear_outputs() {
        for (const std::string &f : files()) {
            if (f != "keep.QD3" && f.size() > 4 && f.substr(f.size() - 4) == ".QD3") {
                std::filesystem::remove(dir_ / f);
            }
        }
        // The next run starts from a sounding whose file is there.
        if (!std::filesystem::exists(File_Path))
            open_sounding_file(path("keep.QD3"));
    }
};

TEST_F(BatchMutation, Res2dinvFiles) {
    std::string line = "Mutated\r\n1\r\n1\r\n21\r\n1\r\n0\r\n";
    for (int a = 1; a <= 3; ++a) {
        for (int x = 0; x + 3 * a <= 12 && x < 7; ++x) {
            line += std::to_string(x) + "," + std::to_string(a) + "," + std::to_string(10 * a + x) +
                    "\r\n";
        }
    }
    for (int round = 0; round < 60; ++round) {
        const std::string file = write_bytes("line.DAT", mutate(line, rng_));
        user_.restart({file});
        RES2DINV_Click();
        EXPECT_TRUE(SEV.Option1.Value());
        expect_window_on_a_sounding_file();
        const std::string box = first_box_line();
        if (box == "Only for Wenner spread" || box == "Max. 5000 mesures" ||
            box == "Not for IP surveys") {
            EXPECT_EQ(qd3_count(), 0) << box;
        }
        clear_outputs();
    }
}

TEST_F(BatchMutation, SheetFiles) {
    const std::string spread = "1\r\n2\r\n5\r\n10\r\n";
    const std::string rho = "S1 0 0 10 30 32 45 80\r\nS2 0 0 10 30 35 60\r\n";
    for (int round = 0; round < 60; ++round) {
        const bool first = round % 2 == 0;
        const std::string s = write_bytes("spread.TXT", first ? mutate(spread, rng_) : spread);
        const std::string r = write_bytes("rho.TXT", first ? rho : mutate(rho, rng_));
        user_.restart({s, r});
        Sheet_Click();
        expect_window_on_a_sounding_file();
        if (first_box_line() == "Error during reading") {
            EXPECT_EQ(qd3_count(), 0);
        }
        clear_outputs();
    }
}

TEST_F(BatchMutation, SheetNamesNeverLeaveTheChosenFolder) {
    // Names that climb, hide or name a sub-folder, spliced into damaged lines: every file
    // written lies in the folder of the resistivity file.
    std::filesystem::create_directories(dir_ / "in");
    const char *names[] = {"../up", "..\\up", ".hidden", "a/b", "/abs", "", "..", "ok"};
    int written = 0;
    for (int round = 0; round < 40; ++round) {
        std::string rho;
        for (int l = 0; l < 3; ++l)
            rho += std::string(names[rng_() % std::size(names)]) + " 0 0 10 30 32 45\r\n";
        if (round % 2 == 1)
            rho = mutate(rho, rng_);
        const std::string s = write_bytes("in/spread.TXT", "1\r\n2\r\n5\r\n");
        const std::string r = write_bytes("in/rho.TXT", rho);
        user_.restart({s, r});
        Sheet_Click();
        EXPECT_EQ(files(), (std::vector<std::string>{"in", "keep.QD3"})) << rho;
        for (const auto &e : std::filesystem::directory_iterator(dir_ / "in")) {
            const std::string name = e.path().filename().string();
            EXPECT_TRUE(e.is_regular_file()) << name;
            EXPECT_NE(name.front(), '.') << name;
            if (name.size() > 4 && name.substr(name.size() - 4) == ".QD3") {
                std::filesystem::remove(e.path());
                ++written;
            }
        }
    }
    EXPECT_GT(written, 0); // the allowed name was written where it belongs
}

TEST_F(BatchMutation, SyscalFiles) {
    std::string data = "Header\r\n";
    for (int p = 1; p <= 6; ++p) {
        data +=
            std::string(p <= 3 ? "S1" : "S2") + ",1,1,0.05,0.1," + std::to_string(p * 2) + ",1\r\n";
    }
    for (int round = 0; round < 100; ++round) {
        user_.restart({write_bytes("survey.DAT", mutate(data, rng_))});
        Syscal_Click();
        expect_window_on_a_sounding_file();
        EXPECT_LE(qd3_count(), 1) << "every sounding gets the same name";
        clear_outputs();
    }
}

} // namespace
} // namespace ohmira::test
