// OK, "Annuler" and failed writes: the 51 keys in order with their types, what stops and what goes on.
#include <cstring>
#include <set>

#include "prefs_fixture.h"
#include "records/RememberedSegments.h"
#include "tools/RememberedSegments.h"

namespace {

using namespace prefstest;

// Every key OK writes, in order, with the store's type of it.
const char* const kOkSequence[] = {
    "Epaisseur real",           "Zoom real",           "Attaches real",           "UnitePrefs int",
    "EchelleNum real",          "EchelleDen real",     "Precision int",           "RadioFleche int",
    "RadioCoteType int",        "TexteHoriz bool",     "AfficheUniteAngle bool",  "DecalageSegX real",
    "DecalageSegY real",        "DecalageAngA real",   "DecalageAngR real",       "DecalageCerX real",
    "DecalageCerY real",        "DecalageBezierX real", "DecalageBezierY real",   "Diametre bool",
    "FouP bool",                "Son bool",            "ChypreVF bool",           "ChypreAvant string",
    "ChypreApres string",       "OutilsGroupe bool",   "Calque bool",             "Police string",
    "NumPolice int",            "Corps real",          "NombreSouvenirsPrefs int", "Magnetisme bool",
    "Ligne real",               "Rayon real",          "NbDivBez int",            "PartRayTanBez int",
    "BoutsBez bool",            "RouD bool",           "RouDAvant bool",          "AvecRayTrace bool",
    "TypeArcSpecialPrefs int",  "CoefArcSpecial real", "AngleDroitAuto bool",     "AfficheUnite bool",
    "SymbolePiedPrefs int",     "SymbolePoucePrefs int", "Redessiner bool",       "NomCalque string",
    "AvecAttaches bool",        "CoteSerie bool",      "TypeCoteSerie int",
};

class PrefsOk : public PrefsTest {};

TEST_F(PrefsOk, WritesTheFiftyOneKeysInOrderAndClosesWhereItWasLeft) {
    gDialogPositions.PrefsDialogBounds = {100, 80, 0, 0};
    Run([](const PrefsWindow& window) {
        EXPECT_EQ(gDialogOpenFlags.PrefsDialogOpen, 1);
        Dialogs().Dialog(window.Ref)->bounds = {130, 90, 590, 485};  // the user moved it
        Ok(window);
    });
    EXPECT_EQ(Written(), std::vector<std::string>(std::begin(kOkSequence), std::end(kOkSequence)));
    EXPECT_EQ(gDialogOpenFlags.PrefsDialogOpen, 0);
    EXPECT_EQ(gDialogPositions.PrefsDialogBounds.left, 130);
    EXPECT_EQ(gDialogPositions.PrefsDialogBounds.top, 90);
    Run([](const PrefsWindow& window) {
        const ADMRect& bounds = Dialogs().Dialog(window.Ref)->bounds;
        EXPECT_EQ(bounds.right - bounds.left, kPrefsDialogWidth);
        EXPECT_EQ(bounds.bottom - bounds.top, kPrefsDialogHeight);
        EXPECT_EQ(bounds.left, 130);
    });
    EXPECT_TRUE(sim::TheLogs().alerts.empty());
}

TEST_F(PrefsOk, EditsReachTheStoreOnlyThroughOk) {
    const auto edit = [](const PrefsWindow& window) {
        EXPECT_EQ(window.Enter(kLineWidthItem, "2"), kNoErr);
        EXPECT_EQ(window.Choose(kUnitPopupItem, 1), kNoErr);
        EXPECT_EQ(window.Click(kPrefixSwitchItem), kNoErr);
        EXPECT_EQ(window.Enter(kPrefixItem, "env. "), kNoErr);
        EXPECT_EQ(window.Click(kSoundItem), kNoErr);
    };
    Run([&](const PrefsWindow& window) {
        edit(window);
        EXPECT_EQ(window.Click(kPrefsDefaultItem), kNoErr);  // factory values, still nothing written
        Cancel(window);
    });
    EXPECT_TRUE(Written().empty());
    EXPECT_EQ(gDialogOpenFlags.PrefsDialogOpen, 0);
    EXPECT_STREQ(SettingString(gSettings.Prefix), "[");
    EXPECT_EQ(gSettings.Sound, 0);

    Run([&](const PrefsWindow& window) {
        EXPECT_EQ(window.Text(kPrefixItem), "[");  // the working copies were dropped
        edit(window);
        Ok(window);
    });
    EXPECT_EQ(Stored("Epaisseur")->realValue, 2.0);
    EXPECT_EQ(Stored("UnitePrefs")->intValue, 1);
    EXPECT_TRUE(Stored("ChypreVF")->boolValue);
    EXPECT_EQ(Stored("ChypreAvant")->stringValue, "env. ");
    EXPECT_STREQ(gSettings.Prefix, "env. ");
    EXPECT_TRUE(Stored("Son")->boolValue);
    ASSERT_EQ(sim::TheLogs().beeps.size(), 2u);  // switching the sound on beeps, once per opening
    EXPECT_EQ(sim::TheLogs().beeps[0].frequency, 9000u);
}

// The rows whose failed write lets the sequence go on (1-based); every other row stops it.
const std::set<size_t> kRowsThatGoOn = {5, 11, 28, 29, 32, 40, 42, 43, 44, 45, 46, 47, 48, 49, 50, 51};

TEST_F(PrefsOk, EachFailedRowStopsOrGoesOnAsItSays) {
    for (size_t row = 1; row <= std::size(kOkSequence); ++row) {
        const std::string entry = kOkSequence[row - 1];
        const std::string key = entry.substr(0, entry.find(' '));
        Store().ClearFaults();
        Store().ClearWriteLog();
        sim::TheLogs().Clear();
        Store().InjectFault(kTavorinePreferencePrefix, key, 0, kBadParameterErr);
        Run(Ok);
        const bool goesOn = kRowsThatGoOn.count(row) != 0;
        EXPECT_EQ(Written().size(), goesOn ? std::size(kOkSequence) - 1 : row - 1) << key;
        EXPECT_EQ(sim::TheLogs().alerts.size(), 1u) << key;
    }
}

struct FailedWrite {
    const char* Key;
    size_t WrittenBefore;  // rows written before it
    bool GoesOn;
};

class PrefsFailedWrite : public PrefsTest, public ::testing::WithParamInterface<FailedWrite> {};

// The failed row keeps its stored value in memory, the later rows stop or go on as the row says, and one alert
// tells the user.
TEST_P(PrefsFailedWrite, KeepsTheStoredValueAndSaysSo) {
    const FailedWrite& row = GetParam();
    Store().InjectFault(kTavorinePreferencePrefix, row.Key, 0, kBadParameterErr);
    const Settings before = gSettings;
    Run([](const PrefsWindow& window) {
        window.Enter(kDecimalsItem, "3");
        window.Choose(kScalePopupItem, 21);  // 50/1
        window.Enter(kMagneticPointsItem, "40");
        window.Choose(kFootSymbolItem, 2);
        window.Click(kOwnLayerItem);
        window.Enter(kLayerNameItem, "Cotes");
        Ok(window);
    });
    const std::vector<std::string> written = Written();
    ASSERT_GE(written.size(), row.WrittenBefore);
    EXPECT_EQ(written.size(), row.GoesOn ? std::size(kOkSequence) - 1 : row.WrittenBefore);
    for (size_t i = 0; i < row.WrittenBefore; ++i) EXPECT_EQ(written[i], kOkSequence[i]);
    if (std::strcmp(row.Key, "Precision") == 0) {
        EXPECT_EQ(gSettings.Decimals, before.Decimals);
    }
    if (std::strcmp(row.Key, "EchelleNum") == 0) {
        EXPECT_EQ(gSettings.ScaleNumerator, before.ScaleNumerator);
        EXPECT_EQ(gSettings.ScaleDenominator, 1.0);  // row 6 went on
    }
    if (std::strcmp(row.Key, "NomCalque") == 0) {
        EXPECT_STREQ(gSettings.LayerName, before.LayerName);
    }
    // Rows after a stop keep their stored values; rows written took the new ones.
    EXPECT_EQ(gSettings.FootSymbol, row.GoesOn ? 2 : before.FootSymbol);
    EXPECT_EQ(gDialogOpenFlags.PrefsDialogOpen, 0);
    ASSERT_EQ(sim::TheLogs().alerts.size(), 1u);
    EXPECT_EQ(sim::TheLogs().alerts[0].text, kPrefsNotAllSavedAlert);
}

INSTANTIATE_TEST_SUITE_P(Rows, PrefsFailedWrite,
                         ::testing::Values(FailedWrite{"Precision", 6, false}, FailedWrite{"EchelleNum", 4, true},
                                           FailedWrite{"NomCalque", 47, true}),
                         [](const auto& info) { return std::string(info.param.Key); });

TEST_F(PrefsOk, ALowerLimitForgetsTheRememberedSegmentsAndAnEvenCountIsKept) {
    const auto remember = [] {
        gRememberedSegments.Head = new RememberedSegment{gRememberedSegments.Head, 0, 0, 10, 0};
    };
    remember();
    Run([](const PrefsWindow& window) {
        EXPECT_EQ(window.Enter(kMagneticPointsItem, "21"), kNoErr);
        EXPECT_EQ(window.Value(kMagneticPointsItem), 22.0f);
        Ok(window);
    });
    EXPECT_EQ(Stored("NombreSouvenirsPrefs")->intValue, 22);
    EXPECT_EQ(RememberedSegmentCount(), 1u);  // raised: kept

    Run([](const PrefsWindow& window) {
        EXPECT_EQ(window.Enter(kMagneticPointsItem, "-3"), kNoErr);
        EXPECT_EQ(window.Value(kMagneticPointsItem), 2.0f);  // even, and one segment at least
        Ok(window);
    });
    EXPECT_EQ(Stored("NombreSouvenirsPrefs")->intValue, 2);
    EXPECT_EQ(RememberedSegmentCount(), 0u);
}

TEST_F(PrefsOk, OpensFromADoubleClickOnEachToolAndNeverTwice) {
    const std::vector<std::string> tools = {"Outil Segment", "Outil Angle", "Outil Cercle", "Outil Bézier",
                                            "Outil Longueurs & aires"};
    const int32_t pages[] = {1, 2, 3, 4, 1};
    for (size_t i = 0; i < tools.size(); ++i) {
        const sim::ToolRecord* tool = sim::TheTools().FindByName(tools[i]);
        ASSERT_NE(tool, nullptr);
        ASSERT_EQ(sim::TheTools().Select(tool->handle), kNoErr);
        Dialogs().QueueModalResponder([&](ADMDialogRef dialog) {
            const PrefsWindow window{dialog};
            EXPECT_EQ(gPrefs.PrefsPage, pages[i]) << tools[i];
            EXPECT_EQ(window.Chosen(kToolPopupItem), tools[pages[i] - 1]);
            sim::ThePlugin().SendTool(kSelectorAIEditToolOptions, tool->handle, {0, 0});  // a second double-click
            Cancel(window);
        });
        EXPECT_EQ(sim::ThePlugin().SendTool(kSelectorAIEditToolOptions, tool->handle, {0, 0}), kNoErr);
    }
    EXPECT_EQ(sim::TheLogs().modalRuns, std::vector<std::string>(tools.size(), "bidon 16900"));
    for (ToolNumber tool : {kNoToolSelected, static_cast<ToolNumber>(9)}) {
        Run([](const PrefsWindow& window) {
            EXPECT_EQ(gPrefs.PrefsPage, kSegmentPrefsPage);
            EXPECT_TRUE(window.Shown(kSideTieItem));
        }, tool);
    }
}

TEST_F(PrefsOk, ColourButtonsOpenTheColourDialogAndRedrawThePreferences) {
    static int opened = 0;
    opened = 0;
    InstallDialogOpener(ModalDialog::Colours, [] { ++opened; });
    Run([](const PrefsWindow& window) {
        const int32_t before = Dialogs().Dialog(window.Ref)->invalidations;
        EXPECT_EQ(window.Click(kStrokeColourButton), kNoErr);
        EXPECT_EQ(window.Click(kTextColourButton), kNoErr);
        EXPECT_EQ(Dialogs().Dialog(window.Ref)->invalidations, before + 2);
        Cancel(window);
    });
    EXPECT_EQ(opened, 2);
}

}  // namespace
