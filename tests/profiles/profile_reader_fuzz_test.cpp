// Random damage to a profile's sounding files: the readers and the drawing never crash or hang,
// and a damaged file is refused or read within bounds.
#include "profiles/profile_sounding.h"
#include "profiles/section_drawing.h"
#include "profiles_fixture.h"

#include <chrono>
#include <fstream>
#include <random>
#include <sys/stat.h>

namespace ohmira::test {
namespace {

using ProfileReaderFuzz = ProfilesTest;

TEST_F(ProfileReaderFuzz, DamagedFilesNeverCrashOrHang) {
    const std::string good =
        qd3_text({{90, 3}, {20, 6}, {300, 10}, {60, 25}, {1500, 0}}, "400", "7", "110", 1500, 12);
    write("GOOD.QD3", good);
    std::mt19937 rng(12345);
    const auto start = std::chrono::steady_clock::now();
    const char specials[] = {',', '"', '\r', '\n', '-', 'E', '9', '.', ' ', '\0', '\x1a'};
    for (int round = 0; round < 300; ++round) {
        std::string bad = good;
        switch (round % 4) {
        case 0:
            for (int k = 0; k < 5; ++k)
                bad[rng() % bad.size()] = static_cast<char>(rng() % 256);
            break;
        case 1:
            bad.resize(rng() % bad.size());
            break;
        case 2: // huge counts and values
            bad.replace(0, bad.find('\r'), round % 8 == 2 ? "32767.5" : "1E+300");
            break;
        default:
            for (int k = 0; k < 5; ++k)
                bad[rng() % bad.size()] = specials[rng() % sizeof specials];
        }
        const std::string path = write("BAD.QD3", bad);
        if (const auto s = read_profile_sounding(path)) {
            EXPECT_LE(s->points, 51);
            for (const ProfileLayer &l : s->layers)
                EXPECT_TRUE(std::isfinite(l.rho) && std::isfinite(l.thickness));
        }
        if (round % 30 == 0) {
            // Draw a section of the good and the damaged file; boxes are answered by the
            // headless host.
            HeadlessDialogHost quiet;
            DialogHostGuard g(quiet);
            FlexGrid &grid = SEV.SEV_Grid;
            grid.Rows(3);
            grid.TextMatrix(1, 1, "GOOD.QD3");
            grid.TextMatrix(2, 1, "BAD.QD3");
            grid.TextMatrix(2, 6, "50");
            Profile_Folder = folder.path() + "/";
            Profile_X_Twips = Profile_Z_Twips = 56.7;
            SEV.Check5.Value(1);
            Trace_Profil();
            EXPECT_EQ(SEV.VSPrint1.PageCount(), 1);
        }
    }
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(5));
}

TEST_F(ProfileReaderFuzz, FifoDeviceAndHugeFilesAreRefused) {
    const std::string fifo = folder / "PIPE.QD3";
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    const std::string huge = folder / "HUGE.QD3";
    {
        std::ofstream out(huge, std::ios::binary);
        out << "1.5\r\n";
        out.seekp(17 * 1024 * 1024);
        out << "x";
    }
    for (const std::string &p : {fifo, std::string("/dev/zero"), huge})
        EXPECT_FALSE(read_profile_sounding(p)) << p;
}

} // namespace
} // namespace ohmira::test
