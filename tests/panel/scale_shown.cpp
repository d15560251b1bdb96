// The scale popups show the scale in force and nothing else: the panel's popup, the preferences dialog's popup
// and the label of a dimension agree for a fixed scale, the custom scale in force or not, and a scale that no
// other entry reads, which an entry after the custom one then shows; the custom entry puts the stored custom scale
// in force; and "Autre échelle…" leaves the scale in force as it is, the custom one too.
#include <cstdio>
#include <functional>
#include <string>

#include "frame/DialogOpeners.h"
#include "notify_fixture.h"
#include "simhost/Document.h"

namespace paneltest {
namespace {

constexpr int32_t kOtherScale = 26;
constexpr int32_t kCustomScale = 27;
constexpr int32_t kInForceScale = 28;
constexpr int32_t kPrefsScalePopup = 102;
constexpr int32_t kPrefsCustomScale = 26;
constexpr int32_t kPrefsCancel = 2;
// The measured segment: 200 pt long.
constexpr double kSegmentMillimetres = 200.0 * 25.4 / 72.0;

// A scale as its entry reads: "1" for 1/1, else "num/den" with each term as it was typed.
std::string ScaleText(double numerator, double denominator) {
    if (numerator == 1.0 && denominator == 1.0) return "1";
    char text[40];
    std::snprintf(text, sizeof text, "%.10g/%.10g", numerator, denominator);
    return text;
}

// The label of the 200 pt segment at a scale, in millimetres with two decimals and a comma.
std::string LabelAt(double numerator, double denominator) {
    char text[40];
    std::snprintf(text, sizeof text, "%.2f mm", kSegmentMillimetres * denominator / numerator);
    std::string label = text;
    label[label.find('.')] = ',';
    return label;
}

// A popup as the user sees it: the text of its chosen entry ("" for none), the texts of its ticked entries, and
// whether any enabled entry reads `wanted`.
struct PopupView {
    std::string Chosen;
    std::string Ticked;
    bool Offers = false;
};

PopupView ViewOf(const sim::ItemData& item, const std::string& wanted) {
    PopupView view;
    const sim::ListData* list = sim::TheDialogs().ListByHandle(item.list);
    for (uintptr_t handle : list->entries) {
        const sim::EntryData* entry = sim::TheDialogs().EntryByHandle(handle);
        if (entry->separator) continue;
        if (entry->selected) view.Chosen = entry->text;
        if (entry->checked) view.Ticked += entry->text + ";";
        if (entry->enabled && entry->text == wanted) view.Offers = true;
    }
    return view;
}

// The popup shows the scale in force: the entry that reads it when one does, else no entry at all.
void ExpectShows(const PopupView& view, const std::string& inForce, const char* where) {
    if (view.Offers) {
        EXPECT_EQ(view.Chosen, inForce) << where;
        EXPECT_EQ(view.Ticked, inForce + ";") << where;
    } else {
        EXPECT_EQ(view.Chosen, "") << where << ": no entry stands for " << inForce;
        EXPECT_EQ(view.Ticked, "") << where;
    }
}

class ScaleShownTest : public PanelTest {
protected:
    // A run whose preference file holds this default scale and this custom scale.
    void StartWith(double numerator, double denominator, double customNumerator, double customDenominator) {
        Seed("Precision", sim::PrefValue::Int(2));  // not a first run: the seeded keys stand
        Seed("EchelleNum", sim::PrefValue::Real(numerator));
        Seed("EchelleDen", sim::PrefValue::Real(denominator));
        Seed("EchelleNumPersoReal", sim::PrefValue::Real(customNumerator));
        Seed("EchelleDenPersoReal", sim::PrefValue::Real(customDenominator));
        Start();
        SelectTool("Outil Segment");
        sim::TheDocument().DrawPolyline({{0, 0}, {200, 0}}, false);
        DragTo({100, 0}, {100, 40});
    }
    static std::string Label() {
        const AIArtHandle frame = gCurrentDimension.LabelFrames[0];
        return frame != nullptr && sim::TheDocument().IsValid(frame) ? sim::TheDocument().Art(frame)->text.contents
                                                                        : std::string("(no label)");
    }
    // The preferences dialog's scale popup as it opens, or once an entry is chosen, then Annuler.
    static PopupView PreferencesView(const std::string& wanted, int32_t chosen = -1) {
        PopupView view;
        sim::TheDialogs().QueueModalResponder([&](ADMDialogRef dialog) {
            const ADMItemRef popup = sim::TheDialogs().FindItem(dialog, kPrefsScalePopup);
            if (chosen >= 0) {
                EXPECT_EQ(sim::TheDialogs().Choose(popup, chosen), kNoErr);
            }
            view = ViewOf(*sim::TheDialogs().Item(popup), wanted);
            sim::TheDialogs().Click(sim::TheDialogs().FindItem(dialog, kPrefsCancel));
        });
        OpenModalDialog(ModalDialog::Preferences);
        return view;
    }
    // Chooses "Autre échelle…", types the two terms and presses OK.
    static void CustomScaleOk(const char* numerator, const char* denominator) {
        sim::TheDialogs().QueueModalResponder([=](ADMDialogRef dialog) {
            sim::TheDialogs().Enter(sim::TheDialogs().FindItem(dialog, 10), numerator);
            sim::TheDialogs().Enter(sim::TheDialogs().FindItem(dialog, 12), denominator);
            sim::TheDialogs().Click(sim::TheDialogs().FindItem(dialog, 1));
        });
        ASSERT_EQ(sim::TheDialogs().Choose(ItemRef(kScalePopupItem), kOtherScale), kNoErr);
    }
};

// Every state of the scale: a fixed entry, the custom scale in force or beside a fixed one, a custom scale that
// a fixed entry also reads, and a scale that no entry stands for; then, where a row says, the custom entry chosen
// in one popup, which puts the stored custom scale in force there.
TEST_F(ScaleShownTest, ThePopupsAndTheLabelShowTheScaleInForce) {
    enum ChosenIn { Nowhere, Panel, Preferences };
    const struct {
        const char* State;
        double Num, Den, CustomNum, CustomDen;
        ChosenIn CustomChosen = Nowhere;
        bool FromDialog = false;      // the custom scale made by the dialog's OK, the one before in force
        const char* Shown = nullptr;  // the entry's text that shows the scale in force, where not its own
    } states[] = {
        {"fixed", 1, 100, 3, 7},          {"custom in force", 3, 7, 3, 7},   {"custom not in force", 1, 20, 3, 7},
        {"custom equal to a fixed", 1, 100, 1, 100}, {"neither", 4, 2, 3, 7}, {"neither, custom 4/2 unlike 2/1", 2, 1, 4, 2},
        {"custom with a term not whole", 1, 1234567.5, 1, 1234567.5},
        {"neither, custom chosen in the panel", 1, 200, 1, 300, Panel},
        {"neither, custom chosen in the preferences", 1, 200, 1, 300, Preferences},
        {"custom in force, a new one from the dialog", 3, 7, 1, 40, Panel, true},
        {"custom 0.875/9 made the default, stored 1/10.2857143", 1, 9 / 0.875, 0.875, 9, Nowhere, false, "0.875/9"},
    };
    for (const auto& s : states) {
        SCOPED_TRACE(s.State);
        StartWith(s.Num, s.Den, s.FromDialog ? s.Num : s.CustomNum, s.FromDialog ? s.Den : s.CustomDen);
        if (s.FromDialog) CustomScaleOk(std::to_string(s.CustomNum).c_str(), std::to_string(s.CustomDen).c_str());
        const std::string inForce = s.Shown ? s.Shown : ScaleText(s.Num, s.Den), custom = ScaleText(s.CustomNum, s.CustomDen);
        ExpectShows(ViewOf(Item(kScalePopupItem), inForce), inForce, "panel");
        ExpectShows(PreferencesView(inForce), inForce, "preferences");
        EXPECT_EQ(Label(), LabelAt(s.Num, s.Den));
        if (s.CustomChosen == Panel) {
            EXPECT_EQ(sim::TheDialogs().Choose(ItemRef(kScalePopupItem), kCustomScale), kNoErr);
            ExpectShows(ViewOf(Item(kScalePopupItem), custom), custom, "panel, custom chosen");
            EXPECT_EQ(Label(), LabelAt(s.CustomNum, s.CustomDen));
        }
        if (s.CustomChosen == Preferences)
            ExpectShows(PreferencesView(custom, kPrefsCustomScale), custom, "preferences, custom chosen");
        Stop();
        ResetRecords();
        sim::ResetHost();
        sim::ThePlugin().Load(PluginMain, PluginResources);
    }
}

// A scale no fixed entry reads, and no longer the stored custom one: an entry after the custom one shows it in
// both popups for as long as it is in force, and choosing it keeps it; the custom entry reads the custom scale.
TEST_F(ScaleShownTest, AScaleNoOtherEntryReadsIsShownByAnEntryOfItsOwnInBothPopups) {
    StartWith(4, 2, 3, 7);
    EXPECT_EQ(Chosen(kScalePopupItem), kInForceScale);
    EXPECT_EQ(Entry(kScalePopupItem, kInForceScale)->text, "4/2");
    EXPECT_EQ(Entry(kScalePopupItem, kCustomScale)->text, "3/7");
    EXPECT_EQ(PreferencesView("4/2").Chosen, "4/2");
    ASSERT_EQ(sim::TheDialogs().Choose(ItemRef(kScalePopupItem), kInForceScale), kNoErr);
    EXPECT_EQ(Label(), "35,28 mm");
    ASSERT_EQ(sim::TheDialogs().Choose(ItemRef(kScalePopupItem), 10), kNoErr);
    EXPECT_EQ(Entry(kScalePopupItem, kInForceScale), nullptr);
}

}  // namespace
}  // namespace paneltest
