#include "platform/file_association.h"

#include "temp_folder.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>

namespace ohmira {

TEST(FileAssociation, MimeTypeOfExtension) {
    EXPECT_EQ(mime_type_of_extension("PDF"), "application/pdf");
    EXPECT_EQ(mime_type_of_extension(".pdf"), "application/pdf");
    EXPECT_EQ(mime_type_of_extension("QD3"), "");
}

TEST(FileAssociation, ProgramFromDesktopEntry) {
    TempFolder dir;
    std::filesystem::create_directories(dir / "applications");
    dir.write("applications/reader.desktop", "[Desktop Entry]\r\nName=Reader\r\nExec=sh %U\r\n"
                                             "[Desktop Action new]\nExec=nothing\n");
    dir.write("applications/quoted.desktop", "[Desktop Entry]\nExec=\"/bin/sh\" -c x %f\n");
    dir.write("applications/gone.desktop", "[Desktop Entry]\nExec=no-such-reader %f\n");
    const char *saved = std::getenv("XDG_DATA_HOME");
    std::string saved_value = saved ? saved : "";
    ::setenv("XDG_DATA_HOME", dir.path().c_str(), 1);

    EXPECT_EQ(std::filesystem::path(program_of_desktop_entry("reader.desktop")).filename(), "sh");
    EXPECT_EQ(program_of_desktop_entry("quoted.desktop"), "/bin/sh");
    EXPECT_EQ(program_of_desktop_entry("gone.desktop"), "");
    EXPECT_EQ(program_of_desktop_entry("missing.desktop"), "");
    EXPECT_EQ(program_of_desktop_entry("../applications/reader.desktop"), "");

    if (saved)
        ::setenv("XDG_DATA_HOME", saved_value.c_str(), 1);
    else
        ::unsetenv("XDG_DATA_HOME");
}

TEST(FileAssociation, SourceCanBeReplaced) {
    set_association_source([](std::string_view ext) {
        return ext == "PDF" ? std::string("/usr/bin/okular") : std::string();
    });
    EXPECT_EQ(find_associated_program("PDF"), "/usr/bin/okular");
    EXPECT_EQ(find_associated_program("XYZ"), "");
    set_association_source({});
    EXPECT_EQ(find_associated_program("QD3"), ""); // no MIME type, nothing asked
}

} // namespace ohmira
