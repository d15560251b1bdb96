// The preference file: read at start, written at the end, so that a run starts from the last run's settings.
#include <gtest/gtest.h>

#include <map>
#include <string>
#include <tuple>

#include "scenarios/DriverRun.h"
#include "simhost/PreferenceStore.h"

namespace scenarios {
namespace {

using Values = std::map<sim::PreferenceStore::Key, sim::PrefValue>;

// The values of a preference file as the host reads them; fails the test when the file does not read.
Values ReadPreferenceFile(const WorkFolder& folder, const std::string& name) {
    Values values;
    const sim::PrefLoadOutcome outcome = sim::PreferenceStore::Parse(folder.Read(name), &values);
    EXPECT_NE(outcome.result, sim::PrefLoadResult::Corrupt) << outcome.error;
    return values;
}

const sim::PrefValue* Find(const Values& values, const std::string& prefix, const std::string& key) {
    const auto found = values.find({prefix, key});
    return found == values.end() ? nullptr : &found->second;
}

// Expects the file to hold (prefix, key) with exactly this type and value.
void ExpectValue(const Values& values, const std::string& prefix, const std::string& key,
                 const sim::PrefValue& expected) {
    const sim::PrefValue* value = Find(values, prefix, key);
    ASSERT_NE(value, nullptr) << "\"" << prefix << "\" \"" << key << "\" missing";
    EXPECT_EQ(*value, expected) << "\"" << prefix << "\" \"" << key << "\" holds " << value->Text();
}

TEST(PreferenceFile, AMissingFileIsAFirstRunAndTheFileIsWrittenAtTheEnd) {
    WorkFolder folder;
    folder.Write("first.run.scn", "path 0,0 1,1\n");
    const DriverResult result = folder.Run({"first.run.scn"});
    ASSERT_EQ(result.status, 0) << result.errors;
    // Without options everything goes into the current directory, named after the script.
    EXPECT_TRUE(folder.Has("first.run.svg"));
    EXPECT_TRUE(folder.Has("first.run.tree.txt"));
    EXPECT_TRUE(folder.Has("first.run.log"));
    ASSERT_TRUE(folder.Has("tavorine-prefs.txt"));
    const Values values = ReadPreferenceFile(folder, "tavorine-prefs.txt");
    // The plug-in's shut-down writes: the dock code of a panel that never was, and the panel flags.
    ExpectValue(values, "Tavorine", "kADM_DPDockCodeStr", sim::PrefValue::Int(7168));
    ASSERT_NE(Find(values, "VekTavorine", "PanneauVisible"), nullptr);
    EXPECT_EQ(Find(values, "VekTavorine", "PanneauVisible")->type, sim::PrefType::Bool);
    ASSERT_NE(Find(values, "VekTavorine", "PanneauGrand"), nullptr);
    EXPECT_EQ(Find(values, "VekTavorine", "PanneauGrand")->type, sim::PrefType::Bool);
}

TEST(PreferenceFile, ASecondRunKeepsWhatTheFirstSeededOrChanged) {
    WorkFolder folder;
    // A store that holds keys of the plug-in makes the first run an ordinary one: nothing seeded is overwritten.
    folder.Write("first.scn", "pref \"VekTavorine\" \"Precision\" int 4\n"
                              "path 0,0 1,1\n"
                              "pref \"VekTavorine\" \"NomCalque\" string \"Cotes \\\"A\\\" Ø\"\n"
                              "pref \"VekTavorine\" \"EchelleNum\" real 0.1\n"
                              "pref \"\" \"Grid/Color/Lite/r\" real 0.25\n");
    folder.Write("second.scn", "path 2,2 3,3\n");
    // A precision outside 0..6 at start-up is held to the nearest end; what the user set stays.
    folder.Write("third.scn", "pref \"VekTavorine\" \"Precision\" int -3\ndump\n");
    ASSERT_EQ(folder.Run({"first.scn", "--prefs", "p.txt"}).status, 0);
    ASSERT_EQ(folder.Run({"second.scn", "--prefs", "p.txt"}).status, 0);
    const Values second = ReadPreferenceFile(folder, "p.txt");
    ExpectValue(second, "VekTavorine", "NomCalque", sim::PrefValue::String("Cotes \"A\" Ø"));
    ExpectValue(second, "VekTavorine", "EchelleNum", sim::PrefValue::Real(0.1));
    ExpectValue(second, "VekTavorine", "Precision", sim::PrefValue::Int(4));
    ExpectValue(second, "", "Grid/Color/Lite/r", sim::PrefValue::Real(0.25));

    ASSERT_EQ(folder.Run({"third.scn", "--prefs", "p.txt"}).status, 0);
    const Values third = ReadPreferenceFile(folder, "p.txt");
    ExpectValue(third, "VekTavorine", "NomCalque", sim::PrefValue::String("Cotes \"A\" Ø"));
    ExpectValue(third, "VekTavorine", "EchelleNum", sim::PrefValue::Real(0.1));
    ExpectValue(third, "VekTavorine", "Precision", sim::PrefValue::Int(0));
    ExpectValue(third, "", "Grid/Color/Lite/r", sim::PrefValue::Real(0.25));
}

TEST(PreferenceFile, ACorruptFileIsReportedAndLeftUnchanged) {
    WorkFolder folder;
    const std::string corrupt = "\x01 not a preference file = = =\n\"unterminated\n";
    folder.Write("prefs.txt", corrupt);
    folder.Write("run.scn", "path 0,0 1,1\npref \"VekTavorine\" \"Son\" bool true\n");
    const DriverResult result = folder.Run({"run.scn", "--prefs", "prefs.txt"});
    EXPECT_NE(result.status, 0);
    EXPECT_EQ(result.errors.rfind("tavorine-host: prefs.txt: corrupt preference file (", 0), 0u)
        << result.errors;
    EXPECT_NE(result.errors.find("); it is left unchanged\n"), std::string::npos) << result.errors;
    EXPECT_EQ(folder.Read("prefs.txt"), corrupt);
    EXPECT_FALSE(folder.Has("run.svg"));
    EXPECT_FALSE(folder.Has("run.log"));
}

TEST(PreferenceFile, AnEmptyFileIsAFirstRun) {
    WorkFolder folder;
    folder.Write("prefs.txt", "");
    folder.Write("run.scn", "path 0,0 1,1\npref \"VekTavorine\" \"Son\" bool true\n");
    ASSERT_EQ(folder.Run({"run.scn", "--prefs", "prefs.txt"}).status, 0);
    const Values values = ReadPreferenceFile(folder, "prefs.txt");
    // The start-up wrote the built-in defaults; the line played after it changed one of them.
    ExpectValue(values, "VekTavorine", "Precision", sim::PrefValue::Int(0));
    ExpectValue(values, "VekTavorine", "NomCalque", sim::PrefValue::String("Dimensions"));
    ExpectValue(values, "VekTavorine", "Son", sim::PrefValue::Bool(true));
}

// The numeric fields of the dialogs that show a stored value: Enter in one with nothing typed, then OK, stores the
// value as it was, not as the field's single-precision number or its rounded text.
struct EnteredField {
    const char* Key;
    const char* Stored;
    const char* Script;  // opens the dialog whose block presses Enter in the field and OK
};

const EnteredField kEnteredFields[] = {
    {"Attaches", "5", "tool \"Outil Segment\"\ndialog \"p\"\n commit 104\n ok\nend\ntool \"Outil Segment\" double\n"},
    {"Rayon", "50", "tool \"Outil Angle\"\ndialog \"p\"\n commit 149\n ok\nend\ntool \"Outil Angle\" double\n"},
    {"Ligne", "33.3333333", "tool \"Outil Cercle\"\ndialog \"p\"\n commit 112\n ok\nend\ntool \"Outil Cercle\" double\n"},
    {"DecalageAngA", "12.3456789",
     "tool \"Outil Angle\"\ndialog \"p\"\n commit 151\n ok\nend\ntool \"Outil Angle\" double\n"},
    {"Rouge", "100.123456", "tool \"Outil Segment\"\ndialog \"c\"\n commit 431\n ok\nend\npanel click 80\n"},
    {"EchelleNumPersoReal", "3.3333333333",
     "tool \"Outil Segment\"\ndialog \"e\"\n commit 10\n ok\nend\npanel choose 12 26\n"},
    {"DecalHBez", "1.23456789",
     "tool \"Outil Bézier\"\nmove 400,-250\ndown 400,-250\ndialog \"b\"\n commit 285\n ok\nend\nup 400,-250\n"},
    {"RotRepBez", "0.123456789",
     "tool \"Outil Bézier\"\nmove 400,-250\ndown 400,-250\ndialog \"b\"\n commit 283\n ok\nend\nup 400,-250\n"},
    {"SegEpaisCrea", "1.23456789", "tool \"Outil Segment\"\ndialog \"s\"\n commit 523\n ok\nend\nclick 0,0\n"},
    {"SegRotCrea", "12.3456789", "tool \"Outil Segment\"\ndialog \"s\"\n commit 526\n ok\nend\nclick 0,0\n"},
    {"AngEpaisCrea", "1.23456789", "tool \"Outil Angle\"\ndialog \"a\"\n commit 423\n ok\nend\nclick 0,0\n"},
    {"AngCrea", "33.3333333", "tool \"Outil Angle\"\ndialog \"a\"\n commit 425\n ok\nend\nclick 0,0\n"},
    {"CerEpaisCrea", "1.23456789", "tool \"Outil Cercle\"\ndialog \"c\"\n commit 607\n ok\nend\nclick 0,0\n"},
    {"AngCerCrea", "0.123456789",
     "tool \"Outil Cercle\"\ndialog \"c\"\n click 602\n commit 609\n ok\nend\nclick 0,0\n"},
    {"PtBezierX0", "180.01234436035156", "tool \"Outil Bézier\"\nmove 400,-250\ndown 400,-250\ndialog \"b\"\n commit 10\n"
                                         " commit 11\n ok\nend\nup 400,-250\n"},
    {"PtFlEditX1", "17.024691581726074",
     "tool \"Outil Segment\"\ndialog \"f\"\n click 24\n commit 10\n ok\nend\npanel choose -5 6\n"},
};

TEST(PreferenceFile, EnterWithNothingTypedInADialogFieldStoresTheValueAsItWas) {
    for (const EnteredField& field : kEnteredFields) {
        WorkFolder folder;
        // A store a first run wrote whole: a point is read with the rest of its shape.
        folder.Write("first.scn", "path 0,0 1,1\n");
        ASSERT_EQ(folder.Run({"first.scn", "--prefs", "p.txt"}).status, 0);
        const std::string seed = std::string("pref \"VekTavorine\" \"Precision\" int 2\n"
                                             "pref \"VekTavorine\" \"RepBez\" int 2\n"
                                             "pref \"VekTavorine\" \"") + field.Key + "\" real " + field.Stored + "\n";
        folder.Write("run.scn", seed + field.Script);
        const DriverResult run = folder.Run({"run.scn", "--prefs", "p.txt"});
        ASSERT_EQ(run.status, 0) << field.Key << ": " << run.errors;
        EXPECT_NE(folder.Read("run.log").find("ok"), std::string::npos);
        ExpectValue(ReadPreferenceFile(folder, "p.txt"), "VekTavorine", field.Key,
                    sim::PrefValue::Real(std::stod(field.Stored)));
    }
}

// A default scale of 0.5/1 chosen in the preferences is stored as 1/2: in force at once (item 5 puts the stored
// values back) and kept by the read at the next launch, which takes a term below 1 as 1. A term typed in the
// custom-scale dialog is a float: 0.2 raised is 1/5 whole.
TEST(PreferenceFile, ADefaultScaleBelowOneIsStoredAsTheSameRatioInTermsOfAtLeastOne) {
    for (const auto& [custom, label, denominator] : {std::tuple{"0.5", "141,11 mm", 2.0},
                                                      std::tuple{"0.20000000298023224", "352,78 mm", 5.0}}) {
        WorkFolder folder;
        folder.Write("run.scn", std::string(R"(pref "VekTavorine" "Precision" int 2
pref "VekTavorine" "EchelleNumPersoReal" real )") + custom + R"(
pref "VekTavorine" "EchelleDenPersoReal" real 1
path 0,0 200,0
tool "Outil Segment"
dialog "p"
    choose 102 26
    ok
end
tool "Outil Segment" double
panel click 5
move 100,0
down 100,0
drag 100,-20
up 100,-20
)");
        const DriverResult run = folder.Run({"run.scn", "--prefs", "p.txt"});
        ASSERT_EQ(run.status, 0) << run.errors;
        EXPECT_NE(folder.Read("run.tree.txt").find(std::string("contents=\"") + label + "\""), std::string::npos);
        const Values values = ReadPreferenceFile(folder, "p.txt");
        ExpectValue(values, "VekTavorine", "EchelleNum", sim::PrefValue::Real(1.0));
        ExpectValue(values, "VekTavorine", "EchelleDen", sim::PrefValue::Real(denominator));
    }
}

// A long text: 5,000 bytes of letters, accents and quotes, which the file escapes.
std::string LongFreeText() {
    std::string text;
    while (text.size() < 4990) text += "Côté \"nord\" du jardin, ";
    return text.substr(0, 4990) + "éèàçù";
}

TEST(PreferenceFile, ALongFreeTextSurvivesTwoLaunchesAndAnOkByteForByte) {
    WorkFolder folder;
    const std::string text = LongFreeText();
    ASSERT_EQ(text.size(), 5000u);
    std::string quoted;
    for (char c : text) quoted += c == '"' ? std::string("\\\"") : std::string(1, c);
    const std::string prefix(400, '<');
    folder.Write("first.scn", "pref \"VekTavorine\" \"TexteLibre1\" string \"" + quoted + "\"\n"
                              "pref \"VekTavorine\" \"ChypreAvant\" string \"" + prefix + "\"\n"
                              "path 0,0 1,1\n");
    folder.Write("second.scn", "path 2,2 3,3\n");
    // The free-text dialog opened from the panel's free-text menu (unit "Texte libre") and closed by OK with
    // nothing changed.
    folder.Write("third.scn", "tool \"Outil Segment\"\n"
                              "panel choose 43 9\n"
                              "dialog \"textes\"\n    ok\nend\n"
                              "panel choose 40 6\n");
    for (const char* scenario : {"first.scn", "second.scn", "third.scn"}) {
        const DriverResult run = folder.Run({scenario, "--prefs", "p.txt"});
        ASSERT_EQ(run.status, 0) << scenario << ": " << run.errors;
    }
    EXPECT_NE(folder.Read("third.log").find("dialog \"textes\" opened"), std::string::npos);
    const Values values = ReadPreferenceFile(folder, "p.txt");
    ExpectValue(values, "VekTavorine", "TexteLibre1", sim::PrefValue::String(text));
    ExpectValue(values, "VekTavorine", "ChypreAvant", sim::PrefValue::String(prefix));
}

// A `pref` line that changes nothing the plug-in reads (a misspelt key, another type, a line after start-up) is
// named on the error stream and in the log; the run goes on.
struct UnreadPreference {
    const char* Script;
    const char* Warnings;
};

const UnreadPreference kUnreadPreferences[] = {
    {"pref \"VekTavorine\" \"Precision\" int 2\npref \"VekTavorine\" \"NomCalque\" string \"Cotes\"\n", ""},
    {"pref \"VekTavorine\" \"Precison\" int 2\n",
     "run.scn:1: warning: the plug-in did not read \"VekTavorine\" \"Precison\" after this line wrote it (the nearest "
     "key it reads: \"VekTavorine\" \"Precision\")\n"},
    // A key the plug-in only asks whether it holds is asked in its own type.
    {"pref \"VekTavorine\" \"NumPolice\" int 3\n", ""},
    {"pref \"VekTavorine\" \"NumPolice\" bool true\n",
     "run.scn:1: warning: the plug-in reads \"VekTavorine\" \"NumPolice\" as int, not bool\n"},
    {"pref \"VekTavorine\" \"Precision\" real 2\n",
     "run.scn:1: warning: the plug-in reads \"VekTavorine\" \"Precision\" as int, not real\n"},
    {"tool \"Outil Segment\"\npref \"VekTavorine\" \"Son\" bool true\npanel click 5\n",
     "run.scn:2: warning: the plug-in did not read \"VekTavorine\" \"Son\" after this line wrote it\n"},
    // The dock code is the last key start-up reads: read just before the line, never after it.
    {"tool \"Outil Segment\"\npref \"Tavorine\" \"kADM_DPDockCodeStr\" int 1\n",
     "run.scn:2: warning: the plug-in did not read \"Tavorine\" \"kADM_DPDockCodeStr\" after this line "
     "wrote it\n"},
};

TEST(PreferenceFile, APrefLineThePlugInDoesNotReadIsNamedAndTheRunGoesOn) {
    for (const UnreadPreference& row : kUnreadPreferences) {
        WorkFolder folder;
        folder.Write("run.scn", row.Script);
        const DriverResult run = folder.Run({"run.scn", "--prefs", "p.txt"});
        ASSERT_EQ(run.status, 0) << row.Script << run.errors;
        EXPECT_EQ(run.errors, row.Warnings) << row.Script;
        EXPECT_NE(folder.Read("run.log").find(row.Warnings), std::string::npos) << row.Script;
    }
}

} // namespace
} // namespace scenarios
