// Speed of the section drawing: 50 soundings of 5 layers along a line, selected into the profile
// grid, then the section page drawn afresh (every sounding file read again, layer columns, labels,
// correlation lines and the colour scale).
#include "app/app_state.h"
#include "core/language.h"
#include "form/sev_form.h"
#include "platform/scripted_dialog_host.h"
#include "profiles/profiles_events.h"
#include "profiles/section_drawing.h"

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

namespace {

using namespace ohmira;

// A QD3 file of 10 field points and 5 layers, the i-th of a line with a sounding every 2 m.
std::string sounding_file(int i) {
    std::string t = "10.5\r\n";
    for (int p = 1; p <= 10; ++p)
        t += std::to_string(15 * p * p) + ",10000,50,1200,1570,100\r\n";
    const double rho[] = {90, 20, 300, 60, 1500};
    const double thickness[] = {3, 6, 10, 25, 0};
    double depth = 0;
    for (int j = 0; j < 20; ++j) {
        if (j < 5) {
            t += std::to_string(static_cast<long>((rho[j] + 3 * i) * 100)) + "," +
                 std::to_string(static_cast<long>((thickness[j] + 0.1 * (i % 7)) * 100)) + "," +
                 std::to_string(static_cast<long>(depth * 100)) + "\r\n";
            depth += thickness[j];
        } else {
            t += "0,0,0\r\n";
        }
    }
    t += "\"comment\",\"source\",\"title\",\"" + std::to_string(2 * i) + "\",\"0\",\"" +
         std::to_string(120 - i % 9) + "\",\"0\"\r\n";
    return t;
}

void BM_Section50SoundingsOf5Layers(benchmark::State &state) {
    std::string pattern = (std::filesystem::temp_directory_path() / "ohmira-bench-XXXXXX").string();
    if (!::mkdtemp(pattern.data())) {
        state.SkipWithError("no temporary folder");
        return;
    }
    const std::string folder = pattern;
    std::vector<std::string> files;
    for (int i = 1; i <= 50; ++i) {
        files.push_back(folder + "/S" + std::to_string(i) + ".QD3");
        std::ofstream(files.back(), std::ios::binary) << sounding_file(i);
    }
    reset_SEV();
    reset_all_state();
    connect_profiles_events();
    Lang_English = true;
    SEV.Option1.Value(true);
    SEV.Text14.Text("1000"); // horizontal scale 1/1000
    ScriptedDialogHost host;
    DialogHostGuard guard{host};
    host.expect(answer_open(files));
    SEV.Command2.user_click();
    // The line (98 m at 1/1000) fits the page beside the legend: the drawing shows no box.
    Trace_Profil();
    if (!host.message_boxes().empty() || SEV.VSPrint1.PageCount() != 1) {
        state.SkipWithError("the section does not fit its page");
        return;
    }
    for (auto _ : state) {
        Trace_Profil();
        benchmark::DoNotOptimize(SEV.VSPrint1.PageCount());
    }
    state.counters["rows"] = SEV.SEV_Grid.Rows() - 1;
    state.counters["pages"] = SEV.VSPrint1.PageCount();
    state.counters["ops"] = SEV.VSPrint1.PageCount() ? SEV.VSPrint1.pages()[0].ops.size() : 0;
    reset_SEV();
    std::filesystem::remove_all(folder);
}
BENCHMARK(BM_Section50SoundingsOf5Layers)->Unit(benchmark::kMillisecond);

} // namespace
