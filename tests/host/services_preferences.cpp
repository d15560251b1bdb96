// The preference store: typed values through the preference suite, faults, the write log, host keys and the
// preference file.
#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>
#include <filesystem>
#include <fstream>
#include <limits>
#include <sstream>

#include "host/PreferenceSuite.h"
#include "services_fake_plugin.h"
#include "simhost/PreferenceStore.h"
#include "simhost/SuiteRegistry.h"

namespace {

using sim::PrefLoadResult;
using sim::PrefType;
using sim::PrefValue;

constexpr const char* kPrefix = "VekTavorine";

class ServicesPreferences : public ::testing::Test {
  protected:
    void SetUp() override {
        fake::Connect();
        prefs = fake::Acquire<AIPreferenceSuite>(kAIPreferenceSuite, kAIPreferenceSuiteVersion);
        dir = std::filesystem::temp_directory_path() /
              ("tavorine-prefs-" +
               std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()));
        std::filesystem::create_directories(dir);
    }
    void TearDown() override { std::filesystem::remove_all(dir); }

    std::string FileIn(const std::string& name, const std::string& text) {
        const std::string path = (dir / name).string();
        std::ofstream(path, std::ios::binary) << text;
        return path;
    }
    static std::string Read(const std::string& path) {
        std::ifstream in(path, std::ios::binary);
        std::stringstream text;
        text << in.rdbuf();
        return text.str();
    }

    sim::PreferenceStore& store = sim::ThePreferences();
    const AIPreferenceSuite* prefs = nullptr;
    std::filesystem::path dir;
};

TEST_F(ServicesPreferences, EachTypeReadsBackWhatWasWritten) {
    ASSERT_EQ(prefs->PutBooleanPreference(kPrefix, "Son", 1), kNoErr);
    ASSERT_EQ(prefs->PutIntegerPreference(kPrefix, "Precision", -2147483647 - 1), kNoErr);
    ASSERT_EQ(prefs->PutRealPreference(kPrefix, "Epaisseur", 0.1), kNoErr);
    ASSERT_EQ(prefs->PutStringPreference(kPrefix, "NomCalque", "Cotes Ø"), kNoErr);
    AIBoolean flag = 0;
    int32_t number = 0;
    double real = 0.0;
    char text[32] = "";
    EXPECT_EQ(prefs->GetBooleanPreference(kPrefix, "Son", &flag), kNoErr);
    EXPECT_EQ(flag, 1);
    EXPECT_EQ(prefs->GetIntegerPreference(kPrefix, "Precision", &number), kNoErr);
    EXPECT_EQ(number, -2147483647 - 1);
    EXPECT_EQ(prefs->GetRealPreference(kPrefix, "Epaisseur", &real), kNoErr);
    EXPECT_EQ(real, 0.1);
    EXPECT_EQ(prefs->GetStringPreference(kPrefix, "NomCalque", text, sizeof text), kNoErr);
    EXPECT_STREQ(text, "Cotes Ø");
    EXPECT_EQ(store.Get(kPrefix, "Son"), PrefValue::Bool(true));
}

TEST_F(ServicesPreferences, MissingAndWrongTypeKeysLeaveTheValueUntouched) {
    store.Put(kPrefix, "Precision", PrefValue::Int(3));
    double real = 7.5;
    EXPECT_EQ(prefs->GetRealPreference(kPrefix, "Precision", &real), kWrongTypeErr);
    EXPECT_EQ(real, 7.5);
    int32_t number = 42;
    EXPECT_EQ(prefs->GetIntegerPreference(kPrefix, "Absent", &number), kNoSuchKeyErr);
    EXPECT_EQ(number, 42);
    // The prefix is part of the key.
    EXPECT_EQ(prefs->GetIntegerPreference("Tavorine", "Precision", &number), kNoSuchKeyErr);
    char text[8] = "keep";
    EXPECT_EQ(prefs->GetStringPreference(kPrefix, "Precision", text, sizeof text), kWrongTypeErr);
    EXPECT_STREQ(text, "keep");
    EXPECT_EQ(prefs->GetIntegerPreference(kPrefix, nullptr, &number), kBadParameterErr);
    EXPECT_EQ(prefs->GetIntegerPreference(kPrefix, "Precision", nullptr), kBadParameterErr);
}

TEST_F(ServicesPreferences, StringReadIsBoundedAndNeverSplitsACharacter) {
    store.Put(kPrefix, "Police", PrefValue::String("abcØd")); // Ø is two bytes
    struct Case {
        size_t size;
        const char* expected;
    };
    for (const Case& c : {Case{1, ""}, Case{4, "abc"}, Case{5, "abc"}, Case{6, "abcØ"}, Case{7, "abcØd"},
                          Case{64, "abcØd"}}) {
        char buffer[64];
        std::memset(buffer, 'x', sizeof buffer);
        EXPECT_EQ(prefs->GetStringPreference(kPrefix, "Police", buffer, c.size), kNoErr);
        EXPECT_STREQ(buffer, c.expected) << c.size;
        if (c.size < sizeof buffer) {
            EXPECT_EQ(buffer[c.size], 'x') << "wrote past the buffer";
        }
    }
    char buffer[4];
    EXPECT_EQ(prefs->GetStringPreference(kPrefix, "Police", buffer, 0), kBadParameterErr);
}

TEST_F(ServicesPreferences, StringLengthTellsTheBufferThatReadsTheTextWhole) {
    const std::string text = std::string(5000, 'a') + "Ø";
    store.Put(kPrefix, "TexteLibre1", PrefValue::String(text));
    store.Put(kPrefix, "Precision", PrefValue::Int(2));
    size_t length = 7;
    ASSERT_EQ(prefs->GetStringPreferenceLength(kPrefix, "TexteLibre1", &length), kNoErr);
    EXPECT_EQ(length, 5002u);
    std::vector<char> buffer(length + 1, 'x');
    ASSERT_EQ(prefs->GetStringPreference(kPrefix, "TexteLibre1", buffer.data(), buffer.size()), kNoErr);
    EXPECT_EQ(std::string(buffer.data()), text);
    length = 7;
    EXPECT_EQ(prefs->GetStringPreferenceLength(kPrefix, "Precision", &length), kWrongTypeErr);
    EXPECT_EQ(prefs->GetStringPreferenceLength(kPrefix, "Absent", &length), kNoSuchKeyErr);
    EXPECT_EQ(length, 7u);
    EXPECT_EQ(prefs->GetStringPreferenceLength(kPrefix, "TexteLibre1", nullptr), kBadParameterErr);
}

TEST_F(ServicesPreferences, NullOrEmptyPrefixNamesAHostKeySeededAtReset) {
    double red = -1.0;
    ASSERT_EQ(prefs->GetRealPreference(nullptr, "snapomatic/Color/red", &red), kNoErr);
    EXPECT_EQ(red, sim::kSmartGuideRed);
    for (const char* key : {"snapomatic/Color/green", "snapomatic/Color/blue", "Grid/Color/Lite/r",
                            "Grid/Color/Lite/g", "Grid/Color/Lite/b"}) {
        double value = -1.0;
        EXPECT_EQ(prefs->GetRealPreference("", key, &value), kNoErr) << key;
        EXPECT_GE(value, 0.0);
        EXPECT_LE(value, 1.0);
    }
    EXPECT_EQ(prefs->GetRealPreference(kPrefix, "Grid/Color/Lite/r", &red), kNoSuchKeyErr);
    ASSERT_EQ(prefs->PutRealPreference(nullptr, "Grid/Color/Lite/r", 0.25), kNoErr);
    double lite = 0.0;
    EXPECT_EQ(prefs->GetRealPreference("", "Grid/Color/Lite/r", &lite), kNoErr);
    EXPECT_EQ(lite, 0.25);
}

TEST_F(ServicesPreferences, InjectedFaultsAnswerForTheirSideOnly) {
    store.Put(kPrefix, "Zoom", PrefValue::Real(2.0));
    store.InjectFault(kPrefix, "Zoom", kCantHappenErr, kNoErr);
    double zoom = 0.0;
    EXPECT_EQ(prefs->GetRealPreference(kPrefix, "Zoom", &zoom), kCantHappenErr);
    EXPECT_EQ(zoom, 0.0);
    EXPECT_EQ(prefs->PutRealPreference(kPrefix, "Zoom", 3.0), kNoErr);
    store.InjectFault(kPrefix, "Corps", kNoErr, kOutOfMemoryErr);
    EXPECT_EQ(prefs->PutRealPreference(kPrefix, "Corps", 12.0), kOutOfMemoryErr);
    EXPECT_FALSE(store.Has(kPrefix, "Corps"));
    EXPECT_EQ(prefs->RemovePreference(kPrefix, "Corps"), kOutOfMemoryErr);
    ASSERT_EQ(store.WriteLog().size(), 1u); // the failed write is not logged
    store.ClearFaults();
    EXPECT_EQ(prefs->GetRealPreference(kPrefix, "Zoom", &zoom), kNoErr);
    EXPECT_EQ(zoom, 3.0);
}

TEST_F(ServicesPreferences, WriteLogKeepsOrderTypeAndText) {
    prefs->PutIntegerPreference(kPrefix, "Precision", 2);
    prefs->PutBooleanPreference(kPrefix, "Son", 0);
    prefs->PutRealPreference(kPrefix, "Epaisseur", 0.5);
    prefs->PutStringPreference("Tavorine", "kADM_DPDockGroupStr", "SDK Dialogs");
    prefs->PutIntegerPreference(kPrefix, "Precision", 3);
    store.Put(kPrefix, "Seeded", PrefValue::Int(1)); // a test's own seed is not a plug-in write
    const auto& log = store.WriteLog();
    ASSERT_EQ(log.size(), 5u);
    const std::vector<std::tuple<std::string, std::string, PrefType, std::string>> expected{
        {kPrefix, "Precision", PrefType::Int, "2"},
        {kPrefix, "Son", PrefType::Bool, "false"},
        {kPrefix, "Epaisseur", PrefType::Real, "0.5"},
        {"Tavorine", "kADM_DPDockGroupStr", PrefType::String, "SDK Dialogs"},
        {kPrefix, "Precision", PrefType::Int, "3"},
    };
    for (size_t i = 0; i < expected.size(); ++i) {
        EXPECT_EQ(log[i].prefix, std::get<0>(expected[i])) << i;
        EXPECT_EQ(log[i].key, std::get<1>(expected[i])) << i;
        EXPECT_EQ(log[i].type, std::get<2>(expected[i])) << i;
        EXPECT_EQ(log[i].value, std::get<3>(expected[i])) << i;
    }
}

TEST_F(ServicesPreferences, RemoveAndRetypeAKey) {
    prefs->PutIntegerPreference(kPrefix, "Rayon", 4);
    EXPECT_EQ(prefs->RemovePreference(kPrefix, "Rayon"), kNoErr);
    EXPECT_EQ(prefs->RemovePreference(kPrefix, "Rayon"), kNoSuchKeyErr);
    prefs->PutRealPreference(kPrefix, "Rayon", 4.5);
    double rayon = 0.0;
    EXPECT_EQ(prefs->GetRealPreference(kPrefix, "Rayon", &rayon), kNoErr);
    EXPECT_EQ(rayon, 4.5);
}

TEST_F(ServicesPreferences, FileRoundTripIsExact) {
    const double reals[] = {
        0.1, 1.0 / 3.0, -0.0, 14.173228, 1e-310, std::numeric_limits<double>::max(), 0.7853981633974483, 2.5};
    for (size_t i = 0; i < std::size(reals); ++i)
        store.Put(kPrefix, "R" + std::to_string(i), PrefValue::Real(reals[i]));
    const std::string strings[] = {
        "",          "deux mots",       "with \"quotes\"", "line\nbreak\r\n",
        "tab\there", "back\\slash \\n", "Ø Vek-Tavorine",  std::string("\x01\x7f", 2)};
    for (size_t i = 0; i < std::size(strings); ++i)
        store.Put(kPrefix, "S" + std::to_string(i), PrefValue::String(strings[i]));
    store.Put(kPrefix, "B", PrefValue::Bool(true));
    store.Put(kPrefix, "I", PrefValue::Int(-2147483647 - 1));
    store.Put("Pré fix \"q\"", "key with\ttab", PrefValue::Int(7));
    const std::string path = (dir / "prefs.txt").string();
    std::string error;
    ASSERT_TRUE(store.Save(path, &error)) << error;
    const auto saved = store.Values();

    store.Clear();
    const auto outcome = store.Load(path);
    ASSERT_EQ(outcome.result, PrefLoadResult::Loaded) << outcome.error;
    EXPECT_EQ(store.Values(), saved);
    for (size_t i = 0; i < std::size(reals); ++i) {
        const auto value = store.Get(kPrefix, "R" + std::to_string(i));
        ASSERT_TRUE(value.has_value());
        EXPECT_EQ(std::bit_cast<uint64_t>(value->realValue), std::bit_cast<uint64_t>(reals[i])) << reals[i];
    }
    for (size_t i = 0; i < std::size(strings); ++i) {
        EXPECT_EQ(store.Get(kPrefix, "S" + std::to_string(i))->stringValue, strings[i]) << i;
    }
    // One key a line: the newlines inside values are escaped.
    const std::string text = Read(path);
    EXPECT_NE(text.find("\"VekTavorine\" \"S3\" string \"line\\nbreak\\r\\n\"\n"), std::string::npos) << text;
    EXPECT_NE(text.find("\"VekTavorine\" \"R0\" real 0.1\n"), std::string::npos) << text;
    EXPECT_NE(text.find("\"VekTavorine\" \"B\" bool true\n"), std::string::npos) << text;
    EXPECT_NE(text.find("\"\" \"Grid/Color/Lite/r\" real 0.8\n"), std::string::npos) << text;
}

TEST_F(ServicesPreferences, LoadingReplacesTheStoreAndSeedsMissingHostKeys) {
    store.Put(kPrefix, "Old", PrefValue::Int(1));
    const std::string path = FileIn("p.txt", "# comment\n\n\"VekTavorine\" \"Son\" bool false\r\n");
    ASSERT_EQ(store.Load(path).result, PrefLoadResult::Loaded);
    EXPECT_FALSE(store.Has(kPrefix, "Old"));
    EXPECT_EQ(store.Get(kPrefix, "Son"), PrefValue::Bool(false));
    EXPECT_EQ(store.Get("", "snapomatic/Color/blue"), PrefValue::Real(sim::kSmartGuideBlue));
}

TEST_F(ServicesPreferences, MissingFileIsAFirstRun) {
    store.Put(kPrefix, "Kept", PrefValue::Int(1));
    const auto outcome = store.Load((dir / "none.txt").string());
    EXPECT_EQ(outcome.result, PrefLoadResult::Missing);
    EXPECT_TRUE(store.Has(kPrefix, "Kept"));
}

TEST_F(ServicesPreferences, CorruptFilesNameTheLineAndChangeNothing) {
    struct Case {
        std::string text;
        std::string error;
    };
    const std::string good = "\"VekTavorine\" \"Son\" bool true\n";
    const Case cases[] = {
        {good + "VekTavorine Son bool true\n", "line 2: expected a quoted prefix"},
        {good + "\"VekTavorine\" Son bool true\n", "line 2: expected a quoted key"},
        {"\n" + good + "\"VekTavorine\" \"Son\" boolean true\n",
         "line 3: expected a type (bool, int, real or string)"},
        {"\"VekTavorine\" \"Son\"\n", "line 1: expected a type (bool, int, real or string)"},
        {"\"VekTavorine\" \"Son\" bool yes\n", "line 1: expected true or false"},
        {"\"VekTavorine\" \"Precision\" int 2147483648\n", "line 1: expected a 32-bit integer"},
        {"\"VekTavorine\" \"Precision\" int 2.5\n", "line 1: expected a 32-bit integer"},
        {"\"VekTavorine\" \"Zoom\" real 1,5\n", "line 1: expected a real number"},
        {"\"VekTavorine\" \"Zoom\" real\n", "line 1: expected a value"},
        {"\"VekTavorine\" \"Police\" string Arial\n", "line 1: expected a quoted string"},
        {"\"VekTavorine\" \"Police\" string \"Arial\n", "line 1: unterminated quoted string"},
        {"\"VekTavorine\" \"Police\" string \"A\\q\"\n", "line 1: unknown escape \\q"},
        {"\"VekTavorine\" \"Police\" string \"A\\x4\"\n",
         "line 1: expected two hexadecimal digits after \\x"},
        {"\"VekTavorine\" \"Son\" bool true false\n", "line 1: unexpected text after the value"},
        {"\"VekTavorine\" \"Police\" string \"A\" x\n", "line 1: unexpected text after the value"},
    };
    for (const Case& c : cases) {
        store.Clear();
        store.Put(kPrefix, "Before", PrefValue::Int(5));
        const std::string path = FileIn("bad.txt", c.text);
        const auto outcome = store.Load(path);
        EXPECT_EQ(outcome.result, PrefLoadResult::Corrupt) << c.text;
        EXPECT_EQ(outcome.error, c.error) << c.text;
        EXPECT_EQ(store.Count(), 1u) << c.text;
        EXPECT_EQ(Read(path), c.text); // the file is left as it was
    }
}

// Saving over an existing file: a link is followed to its target and stays a link, and the file keeps its mode.
TEST_F(ServicesPreferences, SaveWritesThroughLinksAndKeepsTheFilesMode) {
    namespace fs = std::filesystem;
    using Perms = fs::perms;
    struct Case {
        const char* Name;
        const char* Saved;     // the path saved to, in the test's folder
        const char* Target;    // the file that must hold the values
        Perms Mode;            // the target's mode before and after
        std::vector<std::pair<const char*, const char*>> Links;  // link -> what it points to
    };
    const Perms readOnly = Perms::owner_read | Perms::group_read | Perms::others_read;
    const Perms ownerOnly = Perms::owner_read | Perms::owner_write;
    const Case cases[] = {
        {"plain file", "p.txt", "p.txt", ownerOnly, {}},
        {"read-only file", "p.txt", "p.txt", readOnly, {}},
        {"relative link", "p.txt", "real/p.txt", ownerOnly, {{"p.txt", "real/p.txt"}}},
        {"chain of links", "p.txt", "real/q.txt", readOnly | Perms::owner_write,
         {{"p.txt", "mid.txt"}, {"mid.txt", "real/q.txt"}}},
        {"absolute link", "p.txt", "real/p.txt", ownerOnly, {{"p.txt", "ABSOLUTE"}}},
    };
    store.Put(kPrefix, "Son", PrefValue::Bool(true));
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Name);
        fs::remove_all(dir);
        fs::create_directories(dir / "real");
        const fs::path target = dir / c.Target;
        FileIn(c.Target, "# the user's own comment\n\"VekTavorine\" \"Son\" bool false\n");
        fs::permissions(target, c.Mode);
        for (const auto& [link, to] : c.Links)
            fs::create_symlink(std::string(to) == "ABSOLUTE" ? target : fs::path(to), dir / link);
        std::string error;
        ASSERT_TRUE(store.Save((dir / c.Saved).string(), &error)) << error;
        for (const auto& link : c.Links) EXPECT_TRUE(fs::is_symlink(dir / link.first)) << link.first;
        EXPECT_EQ(fs::status(target).permissions() & Perms::all, c.Mode);
        EXPECT_EQ(Read(target.string()), store.Serialize());
        EXPECT_FALSE(fs::exists(target.string() + ".tmp"));
        EXPECT_FALSE(fs::exists((dir / c.Saved).string() + ".tmp"));
        fs::permissions(target, Perms::owner_all);
    }
}

TEST_F(ServicesPreferences, SaveIntoAMissingDirectoryFails) {
    std::string error;
    EXPECT_FALSE(store.Save((dir / "no" / "such" / "p.txt").string(), &error));
    EXPECT_FALSE(error.empty());
}

TEST_F(ServicesPreferences, ResetKeepsPreferencesUnlessAsked) {
    prefs->PutIntegerPreference(kPrefix, "Precision", 4);
    store.InjectFault(kPrefix, "Zoom", kCantHappenErr, kNoErr);
    sim::ResetHost(false);
    EXPECT_EQ(store.Get(kPrefix, "Precision"), PrefValue::Int(4));
    EXPECT_TRUE(store.WriteLog().empty());
    store.Put(kPrefix, "Zoom", PrefValue::Real(1.0));
    PrefValue zoom;
    EXPECT_EQ(store.Read(kPrefix, "Zoom", PrefType::Real, &zoom), kNoErr); // faults do not survive a reset
    sim::ResetHost(true);
    EXPECT_FALSE(store.Has(kPrefix, "Precision"));
    EXPECT_EQ(store.Count(), 6u); // the host's own keys
}

} // namespace
