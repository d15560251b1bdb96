// Malformed scripts: the driver stops with status 2 and names the line and what it expected there.
#include <gtest/gtest.h>

#include "scenarios/DriverRun.h"

namespace scenarios {
namespace {

constexpr int kMalformed = 2;

struct MalformedCase {
    const char* script;
    const char* message; // the whole error line
};

const MalformedCase kMalformedCases[] = {
    {"layer Calque\n", "bad.scn:1: expected a layer title in double quotes, found \"Calque\"\n"},
    {"# a comment\n\n   \nfrobnicate 1,2\n",
     "bad.scn:4: expected a command (layer, lock, unlock, hide, show, path, pref, dump, menu, tool, move, "
     "down, "
     "drag, up, click, press, release, draw, panel, dialog, translate, reshape, delete), found "
     "\"frobnicate\"\n"},
    {"\"Calque\"\n",
     "bad.scn:1: expected a command (layer, lock, unlock, hide, show, path, pref, dump, menu, "
     "tool, move, down, drag, up, click, press, release, draw, panel, dialog, translate, reshape, delete), "
     "found "
     "the text \"Calque\"\n"},
    {"layer \"A\" \"B\"\n", "bad.scn:1: expected end of line, found the text \"B\"\n"},
    {"lock\n", "bad.scn:1: expected a layer title in double quotes, found end of line\n"},
    {"layer \"Calque 1\n", "bad.scn:1: expected a closing double quote\n"},
    {"layer \"a\\tb\"\n", "bad.scn:1: expected \\\", \\\\ or \\n after a backslash\n"},
    {"path \"P\"\n", "bad.scn:1: expected a point x,y, found end of line\n"},
    {"path 0,0 10;10\n", "bad.scn:1: expected a point x,y or a path option (in, out, smooth, closed, guide, "
                         "centre, width, stroke, fill, dash, "
                         "cap, join), found \"10;10\"\n"},
    {"path in 3,4 0,0\n", "bad.scn:1: expected a point x,y, found \"in\"\n"},
    {"path 0,0 out\n", "bad.scn:1: expected a point x,y for the out handle, found end of line\n"},
    {"path 0,0 10,0 width -1\n", "bad.scn:1: expected a stroke width of at least 0, found \"-1\"\n"},
    {"path 0,0 10,0 stroke rgb 1 0.5\n",
     "bad.scn:1: expected a colour value from 0 to 1, found end of line\n"},
    {"path 0,0 10,0 fill gray 1.5\n", "bad.scn:1: expected a colour value from 0 to 1, found \"1.5\"\n"},
    {"path 0,0 10,0 stroke red\n", "bad.scn:1: expected a paint (none, gray, rgb or cmyk), found \"red\"\n"},
    {"path 0,0 10,0 cap square\n",
     "bad.scn:1: expected a line cap (butt, round or projecting), found \"square\"\n"},
    {"path 0,0 10,0 dash 1 2 3 4 5\n", "bad.scn:1: expected a point x,y or a path option (in, out, smooth, "
                                       "closed, guide, centre, width, stroke, fill, dash, "
                                       "cap, join), found \"5\"\n"},
    {"path 0,0 1e39,0\n", "bad.scn:1: expected a point x,y or a path option (in, out, smooth, closed, guide, "
                          "centre, width, stroke, fill, dash, "
                          "cap, join), found \"1e39,0\"\n"},
    {"pref \"VekTavorine\" \"Precision\" integer 3\n",
     "bad.scn:1: expected a preference type (bool, int, real or string), found \"integer\"\n"},
    {"pref \"VekTavorine\" \"Precision\" int 2147483648\n",
     "bad.scn:1: expected a 32-bit integer value, found \"2147483648\"\n"},
    {"pref \"VekTavorine\" \"Son\" bool yes\n",
     "bad.scn:1: expected a boolean value (true, false, 1 or 0), found \"yes\"\n"},
    {"pref \"VekTavorine\" \"Echelle\" real nan\n", "bad.scn:1: expected a real value, found \"nan\"\n"},
    {"pref \"VekTavorine\" \"NomCalque\" string Cotes\n",
     "bad.scn:1: expected a string value in double quotes, found \"Cotes\"\n"},
    {"pref VekTavorine \"Son\" bool 1\n",
     "bad.scn:1: expected a preference prefix in double quotes, found \"VekTavorine\"\n"},
    {"menu About\n", "bad.scn:1: expected a menu item text in double quotes, found \"About\"\n"},
    {"dump now\n", "bad.scn:1: expected end of line or \"file\", found \"now\"\n"},
    {"tool Outil\n", "bad.scn:1: expected a tool title in double quotes, found \"Outil\"\n"},
    {"tool \"Outil Segment\" 1,2\n", "bad.scn:1: expected double or end of line, found \"1,2\"\n"},
    {"move\n", "bad.scn:1: expected a point x,y, found end of line\n"},
    {"move 10,20 30,oops\n", "bad.scn:1: expected a point x,y or a key (shift, rshift, alt, control, win or "
                             "space), found \"30,oops\"\n"},
    {"drag 10,20 shift 30,40\n", "bad.scn:1: expected a point x,y or a key (shift, rshift, alt, control, win "
                                 "or space), found \"30,40\"\n"},
    {"down 10,20 30,40\n",
     "bad.scn:1: expected a key (shift, rshift, alt, control, win or space), found \"30,40\"\n"},
    {"up 10,20 ctrl\n",
     "bad.scn:1: expected a key (shift, rshift, alt, control, win or space), found \"ctrl\"\n"},
    {"click \"10,20\"\n", "bad.scn:1: expected a point x,y, found the text \"10,20\"\n"},
    {"click 10,20 Shift\n",
     "bad.scn:1: expected a key (shift, rshift, alt, control, win or space), found \"Shift\"\n"},
    {"press\n", "bad.scn:1: expected a key (shift, rshift, alt, control, win or space), found end of line\n"},
    {"release shift meta\n",
     "bad.scn:1: expected a key (shift, rshift, alt, control, win or space), found \"meta\"\n"},
    {"draw all\n", "bad.scn:1: expected end of line, found \"all\"\n"},
    {"translate Barre 10,0\n", "bad.scn:1: expected a path name in double quotes, found \"Barre\"\n"},
    {"translate \"Barre\" 10\n", "bad.scn:1: expected a vector dx,dy, found \"10\"\n"},
    {"reshape \"Barre\" -1 0,10\n", "bad.scn:1: expected an anchor index of at least 0, found \"-1\"\n"},
    {"reshape \"Barre\" 0,10\n", "bad.scn:1: expected an anchor index of at least 0, found \"0,10\"\n"},
    {"reshape \"Barre\" 1\n", "bad.scn:1: expected a vector dx,dy, found end of line\n"},
    {"delete \"Barre\" 1,1\n", "bad.scn:1: expected end of line, found \"1,1\"\n"},
    // A continued line counts from where the command starts; the line after it keeps its own number.
    {"path \"P\" 0,0 \\\n  10,0 \\\n  10,oops\n",
     "bad.scn:1: expected a point x,y or a path option (in, out, "
     "smooth, closed, guide, centre, width, stroke, fill, dash, cap, join), found \"10,oops\"\n"},
    {"path \"P\" 0,0 \\\n  10,0\nlayer\n",
     "bad.scn:3: expected a layer title in double quotes, found end of line\n"},
    // A backslash inside a comment continues nothing.
    {"# note \\\nlayer\n", "bad.scn:2: expected a layer title in double quotes, found end of line\n"},
};

class MalformedScript : public ::testing::TestWithParam<MalformedCase> {};

TEST_P(MalformedScript, StopsWithStatusTwoNamingTheLineAndWhatWasExpected) {
    WorkFolder folder;
    folder.Write("bad.scn", GetParam().script);
    const DriverResult result = folder.Run({"bad.scn", "--prefs", "prefs.txt"});
    EXPECT_EQ(result.status, kMalformed);
    EXPECT_EQ(result.errors, GetParam().message);
}

INSTANTIATE_TEST_SUITE_P(Lines, MalformedScript, ::testing::ValuesIn(kMalformedCases),
                         [](const auto& info) { return "Case" + std::to_string(info.index); });

TEST(MalformedScript, StopsBeforePlayingAnythingAndWritesNoFile) {
    WorkFolder folder;
    folder.Write("prefs.txt", "");
    const std::string before = folder.Read("prefs.txt");
    folder.Write("late.scn",
                 "layer \"Cotes\"\npath 0,0 10,10\npref \"VekTavorine\" \"Son\" bool 1\ndump file\n"
                 "path 0,0 10,10 closed closed stroke\n");
    const DriverResult result = folder.Run({"late.scn", "--prefs", "prefs.txt"});
    EXPECT_EQ(result.status, kMalformed);
    EXPECT_EQ(result.errors, "late.scn:5: expected a paint (none, gray, rgb or cmyk), found end of line\n");
    EXPECT_FALSE(folder.Has("late.svg"));
    EXPECT_FALSE(folder.Has("late.tree.txt"));
    EXPECT_FALSE(folder.Has("late.log"));
    EXPECT_FALSE(folder.Has("late.1.tree.txt"));
    EXPECT_EQ(folder.Read("prefs.txt"), before);
}

TEST(CommandLine, WithoutAScenarioPrintsTheUsage) {
    WorkFolder folder;
    const DriverResult result = folder.Run({});
    EXPECT_EQ(result.status, 64);
    EXPECT_EQ(
        result.errors.rfind("usage: tavorine-host SCENARIO [-o DIR] [--prefs FILE] [--module PATH]\n", 0),
        0u);
}

TEST(CommandLine, AnOptionWithoutItsValueIsAUsageError) {
    WorkFolder folder;
    folder.Write("a.scn", "dump\n");
    EXPECT_EQ(folder.Run({"a.scn", "-o"}).status, 64);
    const DriverResult unknown = folder.Run({"a.scn", "--colour", "red"});
    EXPECT_EQ(unknown.status, 64);
    // The usage follows the line that names what is wrong.
    EXPECT_EQ(unknown.errors.rfind("tavorine-host: unknown option --colour\nusage: tavorine-host SCENARIO", 0), 0u)
        << unknown.errors;
}

// A scenario that cannot be read is reported with the reason.
TEST(CommandLine, AScenarioThatCannotBeReadIsReportedWithWhy) {
    WorkFolder folder;
    std::filesystem::create_directories(folder.Path() / "folder.scn");
    const std::pair<const char*, const char*> cases[] = {
        {"absent.scn", "tavorine-host: cannot read the scenario absent.scn: there is no such file\n"},
        {"folder.scn", "tavorine-host: cannot read the scenario folder.scn: it is a folder\n"},
    };
    for (const auto& [name, errors] : cases) {
        const DriverResult result = folder.Run({name});
        EXPECT_EQ(result.status, 1) << name;
        EXPECT_EQ(result.errors, errors);
    }
}

TEST(CommandLine, AModuleThatDoesNotLoadStopsTheRunAndLeavesThePreferenceFileAlone) {
    WorkFolder folder;
    folder.Write("prefs.txt", "\"VekTavorine\" \"Son\" bool true\n");
    folder.Write("a.scn", "path 0,0 1,1\n");
    const DriverResult result =
        folder.Run({"a.scn", "--prefs", "prefs.txt", "--module", "nowhere/Tavorine.so"});
    EXPECT_EQ(result.status, 1);
    EXPECT_EQ(result.errors.rfind("tavorine-host: cannot load the module nowhere/Tavorine.so: ", 0), 0u)
        << result.errors;
    EXPECT_EQ(folder.Read("prefs.txt"), "\"VekTavorine\" \"Son\" bool true\n");
    EXPECT_FALSE(folder.Has("a.svg"));
}

TEST(CommandLine, ALibraryWithoutThePlugInEntryIsNoModule) {
    WorkFolder folder;
    folder.Write("a.scn", "path 0,0 1,1\n");
    const DriverResult result = folder.Run({"a.scn", "--module", "libm.so.6"});
    EXPECT_EQ(result.status, 1);
    EXPECT_EQ(result.errors.rfind("tavorine-host: libm.so.6: the module exports no PluginMain (", 0), 0u)
        << result.errors;
    EXPECT_FALSE(folder.Has("tavorine-prefs.txt"));
}

} // namespace
} // namespace scenarios
