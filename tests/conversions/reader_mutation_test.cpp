// Every reader of an instrument file fed mutated versions of a valid sample: random byte flips,
// truncations, huge or odd counts. No crash, no exception escaping, bounds kept, and nothing
// written when the file is refused.
#include <cmath>
#include <functional>
#include <random>

#include "conversions/abem_sas_readers.h"
#include "conversions/geotrade_pasi_readers.h"
#include "conversions/import_frame.h"
#include "conversions/list_reader.h"
#include "conversions/oyo_astier_conversions.h"
#include "conversions_fixture.h"
#include "core/older_files.h"
#include "editor/data_entry.h"
#include "form/settings_values.h"
#include "sample_files.h"

namespace ohmira::test {
namespace {

std::string mutate(std::string bytes, std::mt19937 &rng) {
    auto pick = [&rng](std::size_t n) {
        return n == 0 ? 0 : std::uniform_int_distribution<std::size_t>(0, n - 1)(rng);
    };
    static const char *const counts[] = {"99999",  "32767", "-5", "1E308", "4294967296",
                                         "1E-300", "",      "\"", "52",    "1E999"};
    switch (pick(4)) {
    case 0: // byte flips
        for (std::size_t k = 0, n = 1 + pick(4); k < n && !bytes.empty(); ++k)
            bytes[pick(bytes.size())] = static_cast<char>(pick(256));
        break;
    case 1: // truncation
        bytes.resize(pick(bytes.size() + 1));
        break;
    case 2: { // a number replaced by a huge or odd one
        std::vector<std::size_t> starts;
        for (std::size_t i = 0; i < bytes.size(); ++i)
            if (std::isdigit(static_cast<unsigned char>(bytes[i])) &&
                (i == 0 || !std::isdigit(static_cast<unsigned char>(bytes[i - 1]))))
                starts.push_back(i);
        if (starts.empty())
            break;
        const std::size_t at = starts[pick(starts.size())];
        std::size_t end = at;
        while (end < bytes.size() && std::isdigit(static_cast<unsigned char>(bytes[end])))
            ++end;
        bytes.replace(at, end - at, counts[pick(std::size(counts))]);
        break;
    }
    default: { // a line repeated many times
        const std::size_t at = pick(bytes.size());
        const std::size_t from =
            bytes.rfind('\n', at) == std::string::npos ? 0 : bytes.rfind('\n', at) + 1;
        const std::size_t to = bytes.find('\n', at);
        const std::string line =
            bytes.substr(from, to == std::string::npos ? std::string::npos : to - from + 1);
        std::string repeated;
        for (int k = 0; k < 80; ++k)
            repeated += line;
        bytes.insert(from, repeated);
    }
    }
    return bytes;
}

void expect_sane(const ImportedSounding &s) {
    ASSERT_LE(s.rows.size(), 51u);
    ASSERT_LE(s.layers.size(), 21u);
    for (const auto &row : s.rows)
        for (const auto &cell : row)
            ASSERT_TRUE(cell.finite_num().has_value());
    for (const auto &layer : s.layers)
        for (const auto &cell : layer)
            ASSERT_TRUE(cell.finite_num().has_value());
}

struct Format {
    const char *name;
    std::string sample;
    SoundingParser parse;
};

TEST(ReaderMutation, ParsersSurviveMutatedFiles) {
    const std::vector<Format> formats = {
        {"ABEM", abem_sample(), parse_abem_ves},
        {"AMP Index", amp_sample("Index", 10, {"1 0 0 2 1 100 0.25 31.4 0", "2 0 0 4 1 9 .1 5 0"}),
         parse_sas1000_amp},
        {"AMP XYZ", amp_sample("XYZ:1", 1, {"1 0 -5 5 -1 3 50 1.2 40 0"}), parse_sas1000_amp},
        {"GTR", gtr_sample(), parse_geotrade_gtr},
        {"PASI", pasi_sample(), parse_pasi_txt},
    };
    std::mt19937 rng(17);
    for (const auto &f : formats) {
        SCOPED_TRACE(f.name);
        for (int k = 0; k < 2000; ++k) {
            ListReader in(mutate(f.sample, rng));
            const ImportedSounding s = f.parse(in);
            expect_sane(s);
            if (::testing::Test::HasFatalFailure())
                return;
        }
    }
    for (auto parse : {parse_oyo_csv, parse_astier_dat}) {
        const std::string sample = parse == parse_oyo_csv ? oyo_sample() : astier_sample();
        for (int k = 0; k < 2000; ++k) {
            ListReader in(mutate(sample, rng));
            const ConvertedFile f = parse(in);
            ASSERT_LE(f.points.size(), 51u);
        }
    }
    for (int k = 0; k < 2000; ++k) {
        ListReader in(mutate(spacing_table(10), rng));
        try {
            ASSERT_LE(parse_spacing_table(in, k % 2 == 0).size(), 51u);
        } catch (const RuntimeError &) {
        }
    }
}

// Answers as a user who accepts: the file to import, Yes to the save question, OK to any box;
// a save dialog is cancelled.
class AcceptingHost : public DialogHost {
public:
    std::string file;
    int boxes = 0;
    int message_box(const MessageBoxRequest &r) override {
        ++boxes;
        return r.buttons == MsgButtons::YesNo ? vbYes : vbOK;
    }
    InputBoxResult input_box(const InputBoxRequest &) override { return {}; }
    FileDialogResult open_file(const FileDialogRequest &) override { return {false, {file}}; }
    FileDialogResult save_file(const FileDialogRequest &) override { return {}; }
    ColorDialogResult choose_color(const ColorDialogRequest &r) override { return {true, r.color}; }
    bool printer_dialog(PrintSettings &) override { return false; }
    bool page_setup_dialog(PrintSettings &) override { return false; }
    void show_modal(Form &) override {}
};

using CommandMutation = ConversionsTest;

TEST_F(CommandMutation, RefusedFilesWriteNothing) {
    struct Command {
        const char *input;
        std::string sample;
        void (*run)();
        // Whether the command keeps the file (and so may write its QD3 file).
        std::function<bool(const std::string &bytes)> kept;
    };
    const std::vector<Command> commands = {
        {"m.VES", abem_sample(), NAbem_Click,
         [](const std::string &b) {
             ListReader in(b);
             return parse_abem_ves(in).keep();
         }},
        {"m.amp", amp_sample("Index", 10, {"1 0 0 2 1 100 0.25 31.4 0"}), SAS1000_Click,
         [](const std::string &b) {
             ListReader in(b);
             return parse_sas1000_amp(in).keep();
         }},
        {"m.GTR", gtr_sample(), Geotrade_Click,
         [](const std::string &b) {
             ListReader in(b);
             return parse_geotrade_gtr(in).keep();
         }},
        {"m.TXT", pasi_sample(), PASI_Click,
         [](const std::string &b) {
             ListReader in(b);
             return parse_pasi_txt(in).keep();
         }},
        {"m.csv", oyo_sample(), OYO_Click,
         [](const std::string &b) {
             ListReader in(b);
             const ConvertedFile f = parse_oyo_csv(in);
             return f.error == 0 && f.refusal.empty();
         }},
        {"m.dat", astier_sample(), astier_Click,
         [](const std::string &b) {
             ListReader in(b);
             const ConvertedFile f = parse_astier_dat(in);
             return f.error == 0 && f.refusal.empty();
         }},
        {"m.QDE", read_bytes(std::string(OHMIRA_TEST_DATA) + "/sample.QDE"), Import_QDE_File,
         [this](const std::string &b) {
             std::string probe = write_bytes("probe.QDE", b);
             File_Name = "probe.QDE";
             return Load_QDE(probe);
         }},
    };
    AcceptingHost host;
    DialogHostGuard guard(host);
    Spacing_File = write_bytes("DATAVES.TXT", spacing_table(5));
    Niveau = "0";
    std::mt19937 rng(1117);
    for (const auto &c : commands) {
        SCOPED_TRACE(c.input);
        const std::string output = qd3_path_beside(path(c.input));
        for (int k = 0; k < 60; ++k) {
            const std::string bytes = mutate(c.sample, rng);
            host.file = write_bytes(c.input, bytes);
            std::filesystem::remove(output);
            c.run();
            if (!c.kept(bytes)) {
                ASSERT_FALSE(std::filesystem::exists(output)) << k;
            }
            ASSERT_LE(Nb_Points, 51);
        }
    }
}

} // namespace
} // namespace ohmira::test
