#include "platform/settings_file.h"

#include "platform/files.h"
#include "temp_folder.h"
#include "unprivileged.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <sys/stat.h>

namespace ohmira {

namespace {

std::string bytes_of(const std::string &path) {
    return read_file(path).value_or("<missing>");
}

} // namespace

TEST(SettingsFile, MissingFileGivesDefaults) {
    TempFolder dir;
    std::string ini = dir / "Ohmira6.ini";
    EXPECT_EQ(read_profile_string("Ohmira", "Langue", "E", 49, ini), "E");
    EXPECT_EQ(read_profile_string("File", "File 1", "", 149, ini), "");
    EXPECT_EQ(read_profile_string("Draw_Parameter", "Graphical_Prog", " ", 0, ini), " ");
    EXPECT_FALSE(file_exists(ini)); // reading never creates the file
}

TEST(SettingsFile, ReadsWithProfileSemantics) {
    TempFolder dir;
    // "Modèle" stored as the Windows-1252 byte 0xE8, as settings files written by this program hold
    // it.
    std::string ini = dir.write("Ohmira6.ini", "; settings\r\n"
                                               "[Ohmira]\r\n"
                                               "Chemin=/home/u/data/\r\n"
                                               "  AB2min =  -1  \r\n"
                                               "Mod\xE8le= 1\r\n"
                                               "Quoted=\"  x  \"\r\n"
                                               "Empty=\r\n"
                                               "[draw_parameter]\n"
                                               "Graphical_Prog=/usr/bin/gimp\n"
                                               "[\xC9T\xC9]\r\n"
                                               "Cl\xE9=\xE9t\xE9\r\n");
    struct Case {
        const char *section;
        const char *key;
        const char *expected;
    } cases[] = {
        {"Ohmira", "Chemin", "/home/u/data/"},
        {"OHMIRA", "chemin", "/home/u/data/"}, // section and key without regard to case
        {"Ohmira", "AB2min", "-1"},            // blanks around key and value trimmed
        {"Ohmira", "modèle", "1"},             // accented key found in lower case
        {"Ohmira", "MODÈLE", "1"},
        {"Ohmira", "Quoted", "  x  "}, // enclosing quotes dropped
        {"Ohmira", "Empty", ""},
        {"Ohmira", "Missing", "dflt"},
        {"Draw_Parameter", "Graphical_Prog", "/usr/bin/gimp"}, // LF line ends read too
        {"été", "clé", "été"},                                 // UTF-8 in memory
        {"Nowhere", "Chemin", "dflt"},
        {"Draw_Parameter", "Chemin", "dflt"}, // key of another section not found
    };
    for (const Case &c : cases)
        EXPECT_EQ(read_profile_string(c.section, c.key, "dflt", 0, ini), c.expected)
            << c.section << "/" << c.key;
}

TEST(SettingsFile, ReadCutsAtRoom) {
    TempFolder dir;
    std::string ini =
        dir.write("Ohmira6.ini", "[File]\r\nFile 1=abcdef\r\nFile 2=\xE9\xE9\xE9\r\n");
    EXPECT_EQ(read_profile_string("File", "File 1", "", 3, ini), "abc");
    EXPECT_EQ(read_profile_string("File", "File 2", "", 2, ini), "éé"); // characters, not bytes
    EXPECT_EQ(read_profile_string("File", "File 3", "defaults", 4, ini), "defa");
}

TEST(SettingsFile, WriteCreatesFileAndFolder) {
    TempFolder dir;
    std::string ini = dir / "config/Ohmira6.ini";
    ASSERT_TRUE(write_profile_string("File", "File 1", "/data/a.QD3", ini));
    ASSERT_TRUE(write_profile_string("Ohmira", "Modèle", " 1", ini));
    ASSERT_TRUE(write_profile_string("File", "File 2", "", ini));
    EXPECT_EQ(bytes_of(ini), "[File]\r\nFile 1=/data/a.QD3\r\nFile 2=\r\n\r\n"
                             "[Ohmira]\r\nMod\xE8le= 1\r\n");
    EXPECT_EQ(read_profile_string("ohmira", "MODÈLE", "", 0, ini), "1");
}

TEST(SettingsFile, WriteKeepsOtherLinesCommentsAndOrder) {
    TempFolder dir;
    std::string ini = dir.write("Ohmira6.ini", "; kept comment\r\n"
                                               "[Ohmira]\r\n"
                                               "Langue=F\r\n"
                                               "Mod\xE8le=1\r\n"
                                               "\r\n"
                                               "[File]\r\n"
                                               "Color1=16512\r\n"
                                               "\r\n"
                                               "[Other]\r\n"
                                               "foreign line without equals\r\n");
    ASSERT_TRUE(write_profile_string("OHMIRA", "langue", "E", ini));     // replace, case-blind
    ASSERT_TRUE(write_profile_string("Ohmira", "modèle", "-1", ini));    // accented replace
    ASSERT_TRUE(write_profile_string("file", "Color2", "255", ini));     // new key in section
    ASSERT_TRUE(write_profile_string("Profile", "Vscale", "1000", ini)); // new section at end
    EXPECT_EQ(bytes_of(ini), "; kept comment\r\n"
                             "[Ohmira]\r\n"
                             "Langue=E\r\n"
                             "Mod\xE8le=-1\r\n"
                             "\r\n"
                             "[File]\r\n"
                             "Color1=16512\r\n"
                             "Color2=255\r\n"
                             "\r\n"
                             "[Other]\r\n"
                             "foreign line without equals\r\n"
                             "\r\n"
                             "[Profile]\r\n"
                             "Vscale=1000\r\n");
}

TEST(SettingsFile, ValueWithLineBreakStaysOneLine) {
    TempFolder dir;
    std::string ini = dir / "Ohmira6.ini";
    ASSERT_TRUE(write_profile_string("Profile", "Vscale", "10\r\n[Ohmira]\r\nLangue=X", ini));
    EXPECT_EQ(read_profile_string("Ohmira", "Langue", "E", 0, ini), "E");
    EXPECT_EQ(bytes_of(ini), "[Profile]\r\nVscale=10  [Ohmira]  Langue=X\r\n");
}

TEST(SettingsFile, FileSavedAsUtf8IsUnderstoodAndWrittenBackAsWindows1252) {
    TempFolder dir;
    std::string ini = dir.write("Ohmira6.ini", "[Ohmira]\nMod\xC3\xA8le=1\n");
    EXPECT_EQ(read_profile_string("Ohmira", "modèle", "", 0, ini), "1");
    ASSERT_TRUE(write_profile_string("Ohmira", "RMS", " 0", ini));
    EXPECT_EQ(bytes_of(ini), "[Ohmira]\r\nMod\xE8le=1\r\nRMS= 0\r\n");
}

TEST(SettingsFile, FailedWriteLeavesFileUntouched) {
    TempFolder dir;
    std::string ini = dir.write("Ohmira6.ini", "[Ohmira]\r\nLangue=F\r\n");
    // The folder refuses new files, so the file written beside cannot be created.
    std::filesystem::permissions(dir.path(), std::filesystem::perms::owner_read |
                                                 std::filesystem::perms::owner_exec);
    const std::optional<int> written =
        run_unprivileged([&] { return write_profile_string("Ohmira", "Langue", "E", ini); });
    std::filesystem::permissions(dir.path(), std::filesystem::perms::owner_all);
    EXPECT_EQ(written, 0);
    EXPECT_EQ(bytes_of(ini), "[Ohmira]\r\nLangue=F\r\n");
}

TEST(SettingsFile, UnreadableFileIsNotReplaced) {
    TempFolder dir;
    // A settings "file" that cannot be read (here a folder): writing must not replace it with a
    // file holding only the new key.
    std::string ini = dir / "Ohmira6.ini";
    std::filesystem::create_directory(ini);
    dir.write("Ohmira6.ini/inside", "kept");
    EXPECT_FALSE(write_profile_string("Ohmira", "Langue", "E", ini));
    EXPECT_EQ(bytes_of(dir / "Ohmira6.ini/inside"), "kept");
    EXPECT_EQ(read_profile_string("Ohmira", "Langue", "E", 0, ini), "E");
}

TEST(SettingsFile, QuotedValuesKeepTheirQuotesThroughEverySave) {
    struct Case {
        const char *line;  // as the file holds it
        const char *value; // as read
    };
    const Case cases[] = {
        {"Chemin=\"'/home/a'\"", "'/home/a'"},
        {"Chemin='\"x\"'", "\"x\""},
        {"Chemin=\"/home/b\"", "/home/b"},
        {"Chemin=/home/c", "/home/c"},
        {"Chemin='", "'"},
    };
    for (const Case &c : cases) {
        TempFolder dir;
        const std::string ini = dir.write("Ohmira6.ini", std::string("[Ohmira]\r\n") + c.line);
        for (int save = 0; save < 3; ++save) {
            const std::string read = read_profile_string("Ohmira", "Chemin", "", 149, ini);
            EXPECT_EQ(read, c.value) << c.line << " after " << save << " saves";
            ASSERT_TRUE(write_profile_string("Ohmira", "Chemin", read, ini));
        }
    }
}

TEST(SettingsFile, FifoOrDeviceGivesDefaultsAndIsNotReplaced) {
    // Reading one would block or never end: the defaults stand, and nothing is written over it.
    TempFolder dir;
    const std::string fifo = dir / "Ohmira6.ini";
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    for (const std::string &ini : {fifo, std::string("/dev/zero")}) {
        EXPECT_EQ(read_profile_string("Ohmira", "Langue", "E", 49, ini), "E") << ini;
        EXPECT_FALSE(SettingsFile::load_for_update(ini)) << ini;
    }
    EXPECT_FALSE(write_profile_string("Ohmira", "Langue", "F", fifo));
    EXPECT_TRUE(std::filesystem::is_fifo(fifo));
}

TEST(SettingsFile, PathFollowsXdgConfigHome) {
    const char *saved = std::getenv("XDG_CONFIG_HOME");
    std::string saved_value = saved ? saved : "";
    ::setenv("XDG_CONFIG_HOME", "/tmp/cfg", 1);
    EXPECT_EQ(settings_file_path(), "/tmp/cfg/Ohmira6.ini");
    ::setenv("XDG_CONFIG_HOME", "", 1);
    std::string home = std::getenv("HOME") ? std::getenv("HOME") : "";
    if (!home.empty()) {
        EXPECT_EQ(settings_file_path(), home + "/.config/Ohmira6.ini");
    }
    TempFolder dir;
    ::setenv("XDG_CONFIG_HOME", dir.path().c_str(), 1);
    ASSERT_TRUE(write_profile_string("Ohmira", "Langue", "S"));
    EXPECT_EQ(read_profile_string("Ohmira", "Langue", "E"), "S");
    EXPECT_TRUE(file_exists(dir / "Ohmira6.ini"));
    if (saved)
        ::setenv("XDG_CONFIG_HOME", saved_value.c_str(), 1);
    else
        ::unsetenv("XDG_CONFIG_HOME");
}

} // namespace ohmira

namespace ohmira {

TEST(SettingsFile, EveryLineEndEndsALine) {
    struct Case {
        const char *name;
        const char *text;
    } cases[] = {
        {"CR only", "[Ohmira]\rLangue=F\rRMS= 1\r"},
        {"LF only", "[Ohmira]\nLangue=F\nRMS= 1\n"},
        {"CR LF", "[Ohmira]\r\nLangue=F\r\nRMS= 1\r\n"},
        {"mixed, no end", "[Ohmira]\rLangue=F\nRMS= 1"},
    };
    for (const Case &c : cases) {
        TempFolder dir;
        std::string ini = dir.write("Ohmira6.ini", c.text);
        EXPECT_EQ(read_profile_string("Ohmira", "Langue", "E", 0, ini), "F") << c.name;
        ASSERT_TRUE(write_profile_string("Ohmira", "langue", "S", ini)) << c.name;
        // Replaced in place, never added a second time.
        EXPECT_EQ(bytes_of(ini), "[Ohmira]\r\nLangue=S\r\nRMS= 1\r\n") << c.name;
    }
}

TEST(SettingsFile, LinesOutsideWindows1252AreKeptAndTheFileBecomesUtf8) {
    TempFolder dir;
    // A UTF-8 file holding a path that Windows-1252 cannot write.
    std::string ini = dir.write("Ohmira6.ini", "[Ohmira]\nChemin=/home/\xD0\xB8\xD0\xB2\xD0\xB0\xD0"
                                               "\xBD/VES/\n; \xC3\xA9t\xC3\xA9\n");
    ASSERT_TRUE(write_profile_string("Ohmira", "Langue", "F", ini));
    EXPECT_EQ(bytes_of(ini), "[Ohmira]\r\nChemin=/home/\xD0\xB8\xD0\xB2\xD0\xB0\xD0\xBD/VES/\r\n"
                             "; \xC3\xA9t\xC3\xA9\r\nLangue=F\r\n");
    EXPECT_EQ(read_profile_string("Ohmira", "Chemin", "", 0, ini), "/home/иван/VES/");

    // A value that needs UTF-8 written into a Windows-1252 file: the other lines keep their
    // characters (the "è" key too), the file turns UTF-8.
    std::string ansi = dir.write("ansi.ini", "[Ohmira]\r\nMod\xE8le= 1\r\n");
    ASSERT_TRUE(write_profile_string("Ohmira", "Chemin", "/home/иван/", ansi));
    EXPECT_EQ(bytes_of(ansi), "[Ohmira]\r\nMod\xC3\xA8le= 1\r\nChemin=/home/иван/\r\n");
    EXPECT_EQ(read_profile_string("Ohmira", "modèle", "", 0, ansi), "1");

    // Latin-1 alone stays Windows-1252.
    std::string latin = dir / "latin.ini";
    ASSERT_TRUE(write_profile_string("Ohmira", "Chemin", "/home/zoé/", latin));
    EXPECT_EQ(bytes_of(latin), "[Ohmira]\r\nChemin=/home/zo\xE9/\r\n");
}

TEST(SettingsFile, ReadOnlyFileIsLeftAlone) {
    TempFolder dir;
    std::string ini = dir.write("Ohmira6.ini", "[Ohmira]\r\nLangue=F\r\n");
    std::filesystem::permissions(ini, std::filesystem::perms::owner_read);
    EXPECT_FALSE(write_profile_string("Ohmira", "Langue", "E", ini));
    std::filesystem::permissions(ini, std::filesystem::perms::owner_all);
    EXPECT_EQ(bytes_of(ini), "[Ohmira]\r\nLangue=F\r\n");
}

TEST(SettingsFile, ManyKeysOfALargeFileParsedOnce) {
    // One load, then every read and write works on the lines in memory.
    std::string text = "[Other]\r\n";
    for (int i = 0; i < 20000; ++i)
        text += "k" + std::to_string(i) + "=v\r\n";
    text += "[Ohmira]\r\nLangue=F\r\n";
    SettingsFile f = SettingsFile::parse(text);
    for (int i = 0; i < 100; ++i) {
        EXPECT_EQ(f.get("ohmira", "langue").value_or(""), "F");
        f.set("Other", "k" + std::to_string(i), "w");
        f.set("Ohmira", "New" + std::to_string(i), "x"); // inserted before the end
        f.set("Fresh", "n", "y");
    }
    EXPECT_EQ(f.get("Other", "K5").value_or(""), "w");
    EXPECT_EQ(f.get("Other", "k19999").value_or(""), "v");
    EXPECT_EQ(f.get("Ohmira", "new99").value_or(""), "x");
    EXPECT_EQ(f.get("fresh", "N").value_or(""), "y");
}

} // namespace ohmira
