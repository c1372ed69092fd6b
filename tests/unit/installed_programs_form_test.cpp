#include <gtest/gtest.h>

#include "fakes/fake_file_system.h"
#include "forms/installed_programs_form.h"

namespace tavrin {
namespace {

TEST(InstalledProgramsFormTest, ShortcutNamesInAnyCase) {
    EXPECT_TRUE(IsShortcutName("Notepad.lnk"));
    EXPECT_TRUE(IsShortcutName("WORD.LNK"));
    EXPECT_FALSE(IsShortcutName("readme.txt"));
    EXPECT_FALSE(IsShortcutName("link"));
}

TEST(InstalledProgramsFormTest, KeepsShortcutsToProgramsThatExist) {
    FakeFiles files;
    FakeFileSystem system{files};
    for (const char* exe : {"C:\\WINDOWS\\notepad.exe", "C:\\WINDOWS\\WINHELP.EXE",
                            "C:\\Word\\Winword.Exe", "C:\\Docs\\guide.txt"})
        files.contents[exe] = {};
    const std::vector<Shortcut> shortcuts = {
        {"C:\\Start Menu\\Programs\\Accessories\\Notepad.lnk", "C:\\WINDOWS\\notepad.exe"},
        {"C:\\Start Menu\\Help.lnk", "C:\\WINDOWS\\WINHELP.EXE"},
        {"C:\\Start Menu\\Guide.lnk", "C:\\Docs\\guide.txt"},
        {"C:\\Start Menu\\Gone.lnk", "C:\\Gone\\gone.exe"},
        {"C:\\Start Menu\\Microsoft Word.LNK", "C:\\Word\\Winword.Exe"},
    };
    const std::vector<InstalledProgram> programs = InstalledProgramsOf(shortcuts, system);
    ASSERT_EQ(programs.size(), 2u);
    EXPECT_EQ(programs[0].Name, "Notepad");
    EXPECT_EQ(programs[0].Exe, "notepad.exe");
    EXPECT_EQ(programs[1].Name, "Microsoft Word");
    EXPECT_EQ(programs[1].Exe, "Winword.Exe");

    EXPECT_EQ(AcceptInstalledProgram(programs, 1).Text, "Winword.Exe");
    for (int none : {-1, 2}) {
        const auto answer = AcceptInstalledProgram(programs, none);
        EXPECT_EQ(answer.Refused.Message, "No program selected.  Please select one.");
        EXPECT_EQ(answer.Refused.Field, kInstalledListField);
    }
}

}  // namespace
}  // namespace tavrin
