// The art a dimension or figure lays stays on the canvas however far the settings in force reach: each road by
// which a length of a setting, within its range, adds to the drawing's own place, from a stored file or typed
// into the panel or a creation dialog.
#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "canvas_art.h"
#include "panel/notify_fixture.h"

namespace {

using paneltest::NotifyTest;

sim::DialogManager& Dialogs() { return sim::TheDialogs(); }

// One road: the settings a preference file holds at launch, then what the user does on a drawing near the
// origin.
struct Road {
    const char* Name;
    std::vector<std::pair<const char*, double>> Stored;
    std::function<void()> Act;
};

class CanvasReach : public NotifyTest {
protected:
    void SetUp() override { PanelTest::SetUp(); }  // started by each road, after its file is seeded

    static void MakeSegment() {
        Doc().DrawPolyline({{0, 0}, {200, 0}}, false);
        UseTool(kSegmentTool);
        ClickDrag({100, 0}, {100, 40});
    }
    static void TypeWhileEditing(const std::function<void()>& make, int32_t id, const char* text) {
        make();
        ASSERT_EQ(EnterIn(id, text), kNoErr);
    }
};

}  // namespace

TEST_F(CanvasReach, EveryRoadOfASettingsLengthLaysArtOnlyOnTheCanvas) {
    const double far = kLongestDrawingLength;
    const std::vector<Road> roads = {
        {"segment label offset across", {{"DecalageSegX", far}}, MakeSegment},
        {"segment label offset up", {{"DecalageSegY", far}}, MakeSegment},
        {"segment side ties typed", {}, [] { TypeWhileEditing(MakeSegment, kSideTieItem, "16383"); }},
        {"segment side ties typed below", {}, [] { TypeWhileEditing(MakeSegment, kSideTieItem, "-16383"); }},
        {"segment text gap", {{"GapTexteSeg", far}}, MakeSegment},
        {"circle label offset across", {{"DecalageCerX", far}}, MakeCircle},
        {"circle label offset up", {{"DecalageCerY", far}}, MakeCircle},
        {"circle tie line", {{"Ligne", far}}, MakeCircle},
        {"circle text gap", {{"GapTexteSeg", far}}, MakeCircle},
        {"angle arc radius typed", {}, [] { TypeWhileEditing(MakeAngle, kArcRadiusItem, "16383"); }},
        {"angle arc gap typed", {}, [] {
             TypeWhileEditing([] {
                 MakeAngle();
                 ASSERT_EQ(ClickItem(kMultipleArcsItem), kNoErr);
             }, kArcGapItem, "16383");
         }},
        {"Bézier curve point typed", {}, [] {
             UseTool(kBezierTool);
             Dialogs().QueueModalResponder([](ADMDialogRef dialog) {
                 Dialogs().Enter(Dialogs().FindItem(dialog, 10), "16383");
                 Dialogs().Click(Dialogs().FindItem(dialog, 1));
             });
             Send(kSelectorAIToolMouseDown, {40, 40});  // an unmoved click on empty canvas
             Send(kSelectorAIToolMouseUp, {40, 40});
             ASSERT_EQ(Dialogs().PendingResponders(), 0u);
         }},
        {"circle figure by the canvas edge", {}, [] {
             UseTool(kCircleTool);
             ClickDrag({10000, 0}, {10000, 10000});
         }},
    };
    for (const Road& road : roads) {
        SCOPED_TRACE(road.Name);
        PanelTest::SetUp();
        Seed("Precision", sim::PrefValue::Int(2));  // a user's file: its settings stand as they are
        for (const auto& [key, value] : road.Stored) Seed(key, sim::PrefValue::Real(value));
        Start();
        road.Act();
        EXPECT_GT(Doc().AllArt().size(), 1u) << "nothing laid";
        for (const std::string& art : canvastest::ArtOffTheCanvas()) ADD_FAILURE() << art;
        Stop();
    }
}
