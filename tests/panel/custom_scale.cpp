// The scale popup and the custom-scale dialog run as the user runs them: a fixed scale chosen, the dialog's
// OK storing the two keys and renaming the last entry without changing the scale in force, its Annuler, its
// conversion line, and terms the scale cannot take.
#include <cmath>

#include "notify_fixture.h"
#include "panel/CustomScaleDialog.h"
#include "records/DialogPositions.h"
#include "simhost/PreferenceStore.h"

namespace paneltest {
namespace {

constexpr int32_t kOtherScale = 26;
constexpr int32_t kCustomScale = 27;

class CustomScaleTest : public NotifyTest {
protected:
    void SetUp() override {
        NotifyTest::SetUp();
        UseTool(kSegmentTool);  // the panel is covered until a tool of the plug-in is chosen
    }
    // Queues the user's actions for the dialog's run, then chooses "Autre échelle…".
    static void RunDialog(std::function<void(ADMDialogRef)> actions) {
        sim::TheDialogs().QueueModalResponder(std::move(actions));
        ASSERT_EQ(ChooseIn(kScalePopupItem, kOtherScale), kNoErr);
    }
    static ADMItemRef In(ADMDialogRef dialog, int32_t id) { return sim::TheDialogs().FindItem(dialog, id); }
    static std::string Stored(const char* key) {
        return sim::ThePreferences().Has("VekTavorine", key) ? sim::ThePreferences().Get("VekTavorine", key)->Text()
                                                             : std::string("-");
    }
};

TEST_F(CustomScaleTest, AFixedScaleIsTickedSetsTheRatioAndShowsTheMarker) {
    ASSERT_EQ(ChooseIn(kScalePopupItem, 1), kNoErr);  // "1/100"
    EXPECT_DOUBLE_EQ(gSettings.ScaleRatio, 0.01);
    EXPECT_EQ(Chosen(kScalePopupItem), 1);
    EXPECT_TRUE(Item(kScaleMarkerItem).visible);
    ASSERT_EQ(ChooseIn(kScalePopupItem, 12), kNoErr);
    EXPECT_FALSE(Item(kScaleMarkerItem).visible);
}

TEST_F(CustomScaleTest, OkStoresTheTwoKeysAndNamesTheEntryButTheScaleChangesOnlyWhenItIsChosen) {
    const size_t writes = Writes();
    RunDialog([](ADMDialogRef dialog) {
        EXPECT_EQ(sim::TheDialogs().Dialog(dialog)->title, "Échelle personnalisée.");
        EXPECT_EQ(gDialogOpenFlags.CustomScaleDialogOpen, 1);
        EXPECT_EQ(sim::TheDialogs().Enter(In(dialog, 10), "1"), kNoErr);
        EXPECT_EQ(sim::TheDialogs().Enter(In(dialog, 12), "50"), kNoErr);
        EXPECT_EQ(sim::TheDialogs().Click(In(dialog, 1)), kNoErr);
    });
    EXPECT_EQ(gDialogOpenFlags.CustomScaleDialogOpen, 0);
    EXPECT_EQ(Entry(kScalePopupItem, kCustomScale)->text, "1/50");
    EXPECT_EQ(Stored("EchelleNumPersoReal"), "1");
    EXPECT_EQ(Stored("EchelleDenPersoReal"), "50");
    ASSERT_EQ(Writes(), writes + 2) << "the custom scale's two keys and nothing else";
    EXPECT_DOUBLE_EQ(gSettings.ScaleRatio, 1.0);
    EXPECT_EQ(Chosen(kScalePopupItem), 12) << "the entry of the scale still in force";
    ASSERT_EQ(ChooseIn(kScalePopupItem, kCustomScale), kNoErr);
    EXPECT_DOUBLE_EQ(gSettings.ScaleRatio, 0.02);
    EXPECT_EQ(Chosen(kScalePopupItem), 3) << "1/50 is a fixed scale too, and the fixed ones are matched first";
}

TEST_F(CustomScaleTest, AnnulerLeavesTheScaleTheEntryAndTheStoreAsTheyWere) {
    const std::string entry = Entry(kScalePopupItem, kCustomScale)->text;
    const size_t writes = Writes();
    RunDialog([](ADMDialogRef dialog) {
        EXPECT_EQ(sim::TheDialogs().Enter(In(dialog, 10), "9"), kNoErr);
        EXPECT_EQ(sim::TheDialogs().Click(In(dialog, 2)), kNoErr);
    });
    EXPECT_EQ(Entry(kScalePopupItem, kCustomScale)->text, entry);
    EXPECT_EQ(Writes(), writes);
    EXPECT_EQ(gDialogOpenFlags.CustomScaleDialogOpen, 0);
}

TEST_F(CustomScaleTest, TermsTheScaleCannotTakeKeepTheLastGoodOnes) {
    RunDialog([](ADMDialogRef dialog) {
        sim::TheDialogs().Enter(In(dialog, 10), "0");
        sim::TheDialogs().Enter(In(dialog, 12), "-4");
        sim::TheDialogs().Enter(In(dialog, 12), "abc");
        EXPECT_EQ(sim::TheDialogs().Click(In(dialog, 1)), kNoErr);
    });
    EXPECT_GE(gSettings.CustomScaleNumerator, 0.0001f);
    EXPECT_GE(gSettings.CustomScaleDenominator, 0.0001f);
    EXPECT_TRUE(std::isfinite(gSettings.CustomScaleNumerator / gSettings.CustomScaleDenominator));
}

TEST_F(CustomScaleTest, TheConversionLineReadsInTheUnitWithTheDecimalSeparator) {
    gSettings.DecimalSeparator = ',';
    EXPECT_EQ(CustomScaleConversionText(1, 3.0, 7.0), "1 cm -> 2,33333 cm");
    EXPECT_EQ(CustomScaleConversionText(3, 1.0, 2.0), "1 in -> 2 po");
    EXPECT_EQ(CustomScaleConversionText(6, 1.0, 4.0), "1 pi -> 4 pi");
    EXPECT_EQ(CustomScaleConversionText(0, 1.0, 1234567.5), "1 mm -> 1234567,5 mm");
    gSettings.DecimalSeparator = '.';
    EXPECT_EQ(CustomScaleConversionText(9, 2.0, 5.0), "1 mm -> 2.5 mm");
}

TEST_F(CustomScaleTest, ASecondOpeningWhileItRunsDoesNothing) {
    RunDialog([](ADMDialogRef dialog) {
        OpenCustomScaleDialog();
        EXPECT_EQ(sim::TheDialogs().TopModal(), dialog);
        EXPECT_EQ(sim::TheDialogs().Click(In(dialog, 2)), kNoErr);
    });
    EXPECT_EQ(sim::TheLogs().modalRuns.size(), 1u);
}

}  // namespace
}  // namespace paneltest
