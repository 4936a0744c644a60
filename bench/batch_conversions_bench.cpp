// Speed of the batch conversions as a user runs them: a RES2DINV line of 300 data cut into
// soundings, each with its automatic model, fit and QD3 file; a Syscal export of 10 soundings
// split into QD3 files (names typed, saves confirmed).
#include "app/app_state.h"
#include "commands/auto_model_commands.h"
#include "conversions/res2dinv.h"
#include "conversions/syscal.h"
#include "core/auto_model.h"
#include "core/sounding.h"
#include "form/sev_form.h"
#include "platform/scripted_dialog_host.h"

#include <benchmark/benchmark.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <unistd.h>

namespace {

using namespace ohmira;

std::filesystem::path bench_folder() {
    const auto dir =
        std::filesystem::temp_directory_path() / ("ohmira_bench_" + std::to_string(::getpid()));
    std::filesystem::create_directories(dir);
    return dir;
}

void start_state() {
    reset_SEV();
    reset_all_state();
    SEV.Option1.Value(true);
    Setup_Auto_Threshold_Slider();
}

// Eight levels a = 1..8 on 60 electrodes: 57 + 54 + ... data, the first 300 kept.
std::string res2dinv_line() {
    std::string text = "Bench line\r\n1\r\n1\r\n300\r\n1\r\n0\r\n";
    int n = 0;
    for (int a = 1; a <= 8 && n < 300; ++a) {
        for (int x = 0; x + 3 * a <= 60 && n < 300; ++x, ++n) {
            const double rho = 30 + 5.0 * a * a + (x % 5);
            text +=
                std::to_string(x) + " " + std::to_string(a) + " " + std::to_string(rho) + "\r\n";
        }
    }
    return text;
}

void BM_Res2dinvLine(benchmark::State &state) {
    const auto dir = bench_folder();
    const std::string file = (dir / "line.DAT").string();
    std::ofstream(file, std::ios::binary) << res2dinv_line();
    const std::string count = std::to_string(state.range(0));
    for (auto _ : state) {
        start_state();
        ScriptedDialogHost host{answer_open({file}), answer_form([&count](Form &) {
                                    R2DI_par.Text1.Text(count);
                                    R2DI_par.Command1.user_click();
                                })};
        DialogHostGuard guard(host);
        RES2DINV_Click();
        if (!host.message_boxes().empty()) {
            state.SkipWithError(host.message_boxes()[0].text.c_str());
            break;
        }
    }
    std::filesystem::remove_all(dir);
}
BENCHMARK(BM_Res2dinvLine)->Arg(10)->Arg(30)->Unit(benchmark::kMillisecond);

void BM_Syscal10Soundings(benchmark::State &state) {
    const auto dir = bench_folder();
    const std::string file = (dir / "survey.DAT").string();
    {
        std::ofstream out(file, std::ios::binary);
        out << "Bench survey\r\n";
        for (int s = 1; s <= 10; ++s) {
            for (int p = 1; p <= 20; ++p) {
                out << "S" << s << ",1,1," << 1.0 / p << ",0.1," << 1.5 * p << ",0.5\r\n";
            }
        }
    }
    for (auto _ : state) {
        start_state();
        ScriptedDialogHost host{answer_open({file})};
        for (int s = 1; s <= 10; ++s) {
            host.expect(answer_input("out" + std::to_string(s)));
            host.expect(answer_box(vbYes));
        }
        host.expect(answer_box(vbOK));
        DialogHostGuard guard(host);
        Syscal_Click();
    }
    std::filesystem::remove_all(dir);
}
BENCHMARK(BM_Syscal10Soundings)->Unit(benchmark::kMillisecond);

} // namespace
