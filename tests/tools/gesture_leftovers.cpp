// What the tools' model check found, each as a user meets it: a gesture leaves no unbuilt dimension behind, no
// change on a hidden or locked layer, and a Longueurs & aires selection that is the measured set.
#include <algorithm>
#include <cmath>

#include "end_to_end_fixture.h"
#include "dimension/Definitions.h"
#include "frame/ArrowHeads.h"
#include "fuzz/ToolInvariants.h"
#include "host/ADMItemSuite.h"
#include "panel/SelectionReadouts.h"
#include "simhost/ArtEdits.h"
#include "tools/CursorTracking.h"
#include "tools/MeasuredSet.h"

namespace endtoend {
namespace {

constexpr const char* kLockedLayerAlert = "Tavorine impossible. Calque verrouillé.";

bool Selected(AIArtHandle art) { return (sim::TheDocument().Art(art)->userAttr & kArtFullySelected) != 0; }

// An angle dragged to a hair's breadth of its vertex keeps its drawing but leaves the live radius at nothing:
// the next angle is drawn with no radius, so nothing of it shows, and its release leaves neither its empty group
// nor its link on the path.
TEST_F(UserTest, ADimensionLeftUndrawnIsGoneAtTheRelease) {
    Line({{0, 0}, {100, 0}, {50, 86.60254f}});
    const AIArtHandle second = Line({{300, 0}, {400, 0}, {350, 86.60254f}});
    Select(kAngleTool);
    Send(kSelectorAIToolMouseDown, {100, 0});
    Send(kSelectorAIToolMouseDrag, {130, 30});  // a drag, then back to a hair's breadth of the vertex
    Send(kSelectorAIToolMouseDrag, {100.00001f, 0});
    Send(kSelectorAIToolMouseUp, {100.00001f, 0});
    ASSERT_EQ(GroupCount(), 1u);
    const AIArtHandle drawn = Group();
    Click({400, 0});
    EXPECT_EQ(GroupCount(), 1u);
    EXPECT_TRUE(Doc().IsValid(drawn));
    EXPECT_FALSE(HasTag(second, "ang"));
}

// A hidden current layer takes no dimension, as a locked one takes none.
TEST_F(UserTest, AHiddenLayerTakesNoDimension) {
    Line({{0, 0}, {100, 0}});
    Doc().SetLayerVisible(Doc().CurrentLayer(), false);
    for (int32_t tool : {kSegmentTool, kAngleTool, kCircleTool, kBezierTool}) {
        SCOPED_TRACE(tool);
        sim::TheLogs().Clear();
        Select(tool);
        ClickDrag({200, 200}, {260, 230});
        EXPECT_EQ(Alerts(), std::vector<std::string>{kLockedLayerAlert});
        EXPECT_EQ(Doc().ArtCount(), 1u);
    }
}

// A press refused on a layer locked since the last dimension leaves that dimension as it was, name included.
TEST_F(UserTest, ARefusedPressRenamesNoEarlierDimension) {
    Line({{0, 0}, {100, 0}, {50, 86.60254f}});
    Select(kBezierTool);
    gCurrentOptions.BezierMode = 0;
    ClickDrag({100, 0}, {80, 20});  // the angle divided
    const AIArtHandle divided = Group();
    const std::string name = Doc().Art(divided)->name;
    ASSERT_FALSE(name.empty());
    Doc().SetLayerLocked(Doc().CurrentLayer(), true);
    ClickDrag({200, 200}, {260, 230});  // a curve would be made here
    EXPECT_EQ(Alerts(), std::vector<std::string>{kLockedLayerAlert});
    EXPECT_EQ(Doc().Art(divided)->name, name);
}

// After a Longueurs & aires click the selection is the measured set: a path selected before, or left selected by
// another tool, is no longer; a click on nothing deselects everything.
TEST_F(UserTest, AMeasureClickLeavesTheSetAloneSelected) {
    const AIArtHandle a = Line({{0, 0}, {100, 0}});
    const AIArtHandle b = Line({{0, 50}, {100, 50}});
    SetAttr(b, kArtSelected | kArtFullySelected);
    Select(kMeasureTool);
    Click({50, 0});
    EXPECT_TRUE(Selected(a));
    EXPECT_FALSE(Selected(b));
    EXPECT_EQ(TotalSelectedPaths().PathCount, 1);
    SetAttr(b, kArtSelected | kArtFullySelected);
    Click({300, 300});
    EXPECT_FALSE(Selected(a) || Selected(b));
    EXPECT_EQ(gToolState.MeasuredCount, 0u);
}

// The marquee makes the selection anew: what it does not measure, a path on a layer locked since it was
// selected included, is deselected.
TEST_F(UserTest, TheMarqueeLeavesTheSetAloneSelected) {
    const AIArtHandle a = Line({{0, 0}, {100, 0}});
    const AILayerHandle drawing = Doc().CurrentLayer();
    const AILayerHandle other = Doc().AddLayer("Verrou");
    const AIArtHandle locked = Line({{0, 20}, {100, 20}});
    SetAttr(locked, kArtSelected | kArtFullySelected);
    Doc().SetLayerLocked(other, true);
    Doc().SetCurrentLayer(drawing);
    Select(kMeasureTool);
    Send(kSelectorAIToolMouseDown, {-10, 30});
    Send(kSelectorAIToolMouseDrag, {110, -10});
    Draw();
    Send(kSelectorAIToolMouseUp, {110, -10});
    EXPECT_TRUE(Selected(a));
    EXPECT_FALSE(Selected(locked));
    EXPECT_EQ(TotalSelectedPaths().PathCount, 1);
}


// A press acts only on what it starts, as a real hand plays it: a click whose cursor trembles a point or two
// before the release, a click refused, a drag out and back. Each row draws and plays what comes before the press,
// then the press; after it, every dimension but the one the press built or re-opened is as it was, no group is
// left empty and the press raised one alert at most; a row may ask more.
class PressRows : public UserTest {
public:
    static void Press(AIRealPoint p, std::vector<AIRealPoint> drags = {}) {
        Track(p);
        Send(kSelectorAIToolMouseDown, p);
        for (AIRealPoint q : drags) Send(kSelectorAIToolMouseDrag, q);
        Send(kSelectorAIToolMouseUp, drags.empty() ? p : drags.back());
    }
    static AIArtHandle Arc(AIRealPoint from, AIRealPoint fromOut, AIRealPoint toIn, AIRealPoint to) {
        return Doc().DrawPath({sim::CurveSegment(from, from, fromOut), sim::CurveSegment(to, toIn, to)}, false);
    }
    static void RightAngle() {
        Line({{200, 100}, {200, 0}, {300, 0}});
        Select(kAngleTool);
        Press({200, 0});
    }
    static void SeriesOn() {
        Select(kSegmentTool);
        gCurrentOptions.SeriesOn = 1;
    }
    // Labels with a text.
    static size_t TextCount() {
        size_t count = 0;
        for (AIArtHandle art : Doc().AllArt()) {
            const sim::ArtNode* node = Doc().Art(art);
            count += node->type == kTextFrameArt && !node->text.contents.empty() ? 1 : 0;
        }
        return count;
    }
    // The press re-opened the one dimension there is, and said nothing.
    static void OneGroupNoAlert() {
        EXPECT_EQ(GroupCount(), 1u);
        EXPECT_EQ(Alerts(), std::vector<std::string>{});
    }
    // A plate and a bar beside it; the plate's width dimensioned 30 below it with the Segment tool.
    static void Plate() {
        plate = Line({{0, 0}, {200, 0}, {200, 100}, {0, 100}}, true);
        Line({{300, 0}, {300, 100}});
        Select(kSegmentTool);
        Press({100, 0}, {{100, -30}});
    }
    // The same, and a first point waiting at the plate's corner.
    static void PlateAndFirstPoint() {
        Plate();
        Press({0, 100});
    }
    // The press at p with Shift and Alt held.
    static void ShiftAltPress(AIRealPoint p) {
        Hold(kShiftKey);
        Hold(kAltKey);
        Press(p);
        Release(kShiftKey);
        Release(kAltKey);
    }
    static void Cancel() {
        Hold(kControlKey);
        Track({70, -60});
        Release(kControlKey);
    }
    // A layer made current and locked.
    static void LockedCurrentLayer() {
        const AILayerHandle layer = Doc().AddLayer("Verrou");
        Doc().SetCurrentLayer(layer);
        Doc().SetLayerLocked(layer, true);
    }
    // The plate dimensioned, a layer of its own made current for the next dimension and its first pick, then that
    // layer locked.
    static void LockedSince(void (*firstPick)()) {
        Plate();
        Doc().SetCurrentLayer(Doc().AddLayer("Cotes"));
        firstPick();
        Doc().SetLayerLocked(Doc().CurrentLayer(), true);
    }
    // The press was refused with the layer's alert, and the first pick still waits.
    static void RefusedWithTheLayer() {
        EXPECT_EQ(Alerts(), std::vector<std::string>{"Tavorine impossible. Calque verrouillé."});
        EXPECT_EQ(gToolState.ClickCount, 1);
    }
    // The gesture leaves every dimension there is as it was.
    static void LeavesEveryDimension(void (*gesture)()) {
        const fuzz::GestureStart start = fuzz::TakeGestureStart();
        gesture();
        EXPECT_EQ(fuzz::OtherDimensionsUnchanged(start, nullptr), "");
    }
    static bool PlateLinked(const char* key) { return HasTag(plate, key); }
    // The panel built, a dimension made by `made`, then its layer locked or hidden.
    static void ClosedSince(void (*made)(), bool hidden) {
        BuildPanel();
        made();
        if (hidden)
            Doc().SetLayerVisible(Doc().CurrentLayer(), false);
        else
            Doc().SetLayerLocked(Doc().CurrentLayer(), true);
    }
    static void EnterDecimals() { sim::TheDialogs().Enter(PanelItem(17), "2"); }
    static void DragDecimals(int32_t keys, std::vector<ADMPoint> at = {{2, 5}, {5, 5}, {10, 5}, {20, 5}}) {
        sim::TheDialogs().Drag(PanelItem(18), at, keys);
    }
    static void NothingSaid() { EXPECT_EQ(Alerts(), std::vector<std::string>{}); }
    // An angle of 120 degrees marked by three arcs chosen on the panel.
    static void ThreeArcsOnThePanel() {
        Line({{300, 0}, {200, 0}, {150, 86.6f}});
        Select(kAngleTool);
        sim::TheDialogs().Click(PanelItem(60));
        sim::TheDialogs().Enter(PanelItem(61), "3");
        Press({200, 0}, {{190, 40}});
    }
    static void Radius() {
        Arc({350, 0}, {350, 27.614f}, {327.614f, 50}, {300, 50});
        Select(kCircleTool);
        Press({335.355f, 35.355f}, {{370, 70}, {380, 80}});
    }
    // The plate's dimension leaves the tie 30 below, beside an arc of radius 15.
    static void PlateBesideASmallArc() {
        Plate();
        Arc({400, 0}, {400, -20}, {430, -20}, {430, 0});
    }
    static void BuiltWithNoAlert() {
        EXPECT_EQ(TextCount(), 2u);
        EXPECT_EQ(Alerts(), std::vector<std::string>{});
    }
    // A side tie typed while a first point waits on the plate.
    static void TieTypedWhileAPointWaits() {
        BuildPanel();
        PlateAndFirstPoint();
        sim::TheDialogs().Enter(PanelItem(15), "-20");
    }
    static void OneDefinitionKept() { EXPECT_EQ(KeptDefinitionCount(), 1u); }
    static void ToldTheLayerOnce() { EXPECT_EQ(Alerts(), std::vector<std::string>{kLockedLayerAlert}); }
    // The plate's dimension with end marks of `preset` as arrows or points (`points` of them, open, when
    // given), large enough that their ends lie clear of every other part; `target` is its first end mark.
    static void PlateMarked(int32_t arrowHeads, int32_t preset, int16_t points = 0) {
        gCurrentOptions.EndMarkSize = 300.0;
        gCurrentOptions.ArrowHeads = arrowHeads;
        ApplyArrowPreset(preset);
        if (points > 0) gArrowHeadShape.PointCount = points, gArrowHeadShape.EndMarkClosed = 0;
        Plate();
        target = gCurrentDimension.EndMarks[0][0];
    }
    static void PlateLine() { Plate(), target = gCurrentDimension.DimensionLines[0]; }
    // A dimension along a curve; `target` is its line.
    static void AlongACurve() {
        Arc({0, 200}, {60, 280}, {140, 280}, {200, 200});
        Select(kSegmentTool);
        Press({100, 260}, {{100, 280}, {100, 300}});
        target = gCurrentDimension.DimensionLines[0];
    }
    // An angle of 120 degrees marked by three arcs; `target` is arc `arc`.
    static void ThreeArcs(size_t arc) {
        Line({{300, 0}, {200, 0}, {150, 86.6f}});
        Select(kAngleTool);
        gCurrentOptions.MultipleArcs = 1;
        gCurrentOptions.ArcCount = 3;
        Press({200, 0}, {{190, 40}});
        target = gCurrentDimension.AngleArcs[arc];
    }
    // A Segment press on the anchor of `target` farthest from every other path's anchors: a point to measure
    // from, unless the target is an end mark.
    static void PressOwnAnchor(bool point) {
        AIRealPoint own{};
        double clearest = -1.0;
        for (const AIPathSegment& s : Doc().Art(target)->segments) {
            double nearest = 1e9;
            for (AIArtHandle other : Doc().AllArt()) {
                if (other == target) continue;
                for (const AIPathSegment& o : Doc().Art(other)->segments)
                    nearest = std::min(nearest, std::hypot(double(s.p.h - o.p.h), double(s.p.v - o.p.v)));
            }
            if (nearest > clearest) clearest = nearest, own = s.p;
        }
        Select(kAngleTool);
        Select(kSegmentTool);
        Press(own);
        EXPECT_EQ(gToolState.ClickCount, point ? 1 : 0);
    }
    static void PressMark() { PressOwnAnchor(false); }
    static void PressPoint() { PressOwnAnchor(true); }
    static inline AIArtHandle plate = nullptr;
    static inline AIArtHandle target = nullptr;
    using UserTest::Alerts;
    using UserTest::BuildPanel;
    using UserTest::Doc;
    using UserTest::Draw;
    using UserTest::Group;
    using UserTest::GroupCount;
    using UserTest::Line;
    using UserTest::PanelCancel;
    using UserTest::PanelItem;
    using UserTest::Select;
    using UserTest::Track;
};

struct PressRow {
    const char* Name;
    void (*Before)();
    void (*Play)();
    bool ReOpens = false;       // the press re-opens the dimension it lies on
    void (*Then)() = nullptr;   // what else must hold
};

// The next length built with two plain clicks stands at the side tie the panel's field shows.
void NextLengthStandsWhereTheFieldSays() {
    PressRows::Press({300, 0});
    PressRows::Press({300, 100});
    float shown = 0.0f;
    ASSERT_EQ(sADMItem->GetFloatValue(PressRows::PanelItem(15), &shown), kNoErr);
    const std::string kept = PressRows::Doc().Art(PressRows::Group())->tags.at("attaches").Describe();
    EXPECT_NEAR(std::stod(kept.substr(kept.find(':') + 1)), shown, 1e-3);
}

const PressRow kPressRows[] = {
    {"ATremorOnAFirstSideLeavesTheFinishedAngle",
     [] {
         PressRows::Line({{200, 100}, {200, 0}, {300, 0}});
         PressRows::Line({{0, -100}, {100, -100}});
         PressRows::RightAngle();
     },
     [] { PressRows::Press({50, -100}, {{51, -99}}); }},
    {"ATremorOnAFirstEndLeavesTheFinishedRadius",
     [] {
         PressRows::Arc({500, 0}, {500, 55.23f}, {455.23f, 100}, {400, 100});
         PressRows::Select(kCircleTool);
         PressRows::Press({470.71f, 70.71f});
     },
     [] { PressRows::Press({500, 0}, {{501, 1}}); }},
    {"ATremorOnAFirstAnchorDrawsNoDimensionAndShutDownLeavesNone",
     [] {
         PressRows::Line({{0, 0}, {100, 0}});
         PressRows::Select(kSegmentTool);
     },
     [] { PressRows::Press({0, 0}, {{1, 1}}); },
     false,
     [] {
         EXPECT_EQ(PressRows::TextCount(), 0u);
         sim::ThePlugin().SendNotifier(kAIApplicationShutdownNotifier);
         EXPECT_EQ(PressRows::GroupCount(), 0u);
     }},
    {"ATremorOnAFirstAnchorLeavesTheFinishedLength",
     [] {
         PressRows::Line({{0, 0}, {100, 0}});
         PressRows::Line({{100, 60}, {200, 60}});
         PressRows::Select(kSegmentTool);
         PressRows::Press({0, 0});
         PressRows::Press({100, 0}, {{100, -10}, {100, -20}});
     },
     [] { PressRows::Press({100, 60}, {{101, 61}}); },
     false,
     [] { EXPECT_EQ(PressRows::TextCount(), 1u); }},
    {"TheSquareMarkOfARightAngleReOpensIt",
     PressRows::RightAngle,
     [] { PressRows::Press({210, 17.007874f}, {{211, 18}}); },
     true,
     [] { EXPECT_EQ(PressRows::GroupCount(), 1u); }},
    {"TheSquareMarkReOpensTheAngleFromTheSegmentTool",
     [] {
         PressRows::RightAngle();
         PressRows::Select(kSegmentTool);
     },
     [] { PressRows::Press({217.00787f, 8}, {{218, 9}}); },
     true,
     [] {
         EXPECT_EQ(PressRows::GroupCount(), 1u);
         EXPECT_EQ(gToolState.CurrentTool, kAngleTool);
     }},
    {"TheCornerOfASquareMarkReOpensTheAngle",
     PressRows::RightAngle,
     [] { PressRows::Press({217.00787f, 17.007874f}, {{218, 18}}); },
     true,
     [] { EXPECT_EQ(PressRows::GroupCount(), 1u); }},
    {"TheEndOfAnAnglesArcReOpensIt",
     [] {
         PressRows::Line({{300, 0}, {200, 0}, {260, 80}});
         PressRows::Select(kAngleTool);
         PressRows::Press({200, 0});
     },
     [] { PressRows::Press({234.015747f, 0}, {{235, 1}}); },
     true,
     PressRows::OneGroupNoAlert},
    {"TheBendOfARadiusLeaderReOpensIt",
     [] {
         PressRows::Arc({500, 0}, {500, 55.23f}, {455.23f, 100}, {400, 100});
         PressRows::Select(kCircleTool);
         PressRows::Press({470.71f, 70.71f}, {{520, 120}});
     },
     [] { PressRows::Press({520, 120}, {{521, 121}}); },
     true,
     PressRows::OneGroupNoAlert},
    {"TheBendOfARadiusLeaderReOpensItFromTheAngleTool",
     [] {
         PressRows::Arc({500, 0}, {500, 55.23f}, {455.23f, 100}, {400, 100});
         PressRows::Select(kCircleTool);
         PressRows::Press({470.71f, 70.71f}, {{520, 120}});
         PressRows::Select(kAngleTool);
     },
     [] { PressRows::Press({520, 120}, {{521, 121}}); },
     true,
     PressRows::OneGroupNoAlert},
    {"ASecondEndOnAnotherArcLeavesNoGroup",
     [] {
         PressRows::Arc({100, 0}, {100, 55.23f}, {55.23f, 100}, {0, 100});
         PressRows::Arc({200, 100}, {200, 155.23f}, {155.23f, 200}, {100, 200});
         PressRows::Select(kCircleTool);
         PressRows::Press({100, 0});
     },
     [] { PressRows::Press({200, 100}); }},
    // An arc smaller than the tie in force takes its arc length, or its angle, on the side that fits.
    {"AnArcSmallerThanTheOffsetIsMeasuredOnTheSideThatFits", PressRows::PlateBesideASmallArc,
     [] { PressRows::Press({415, -15}); }, false, PressRows::BuiltWithNoAlert},
    {"AnArcSmallerThanTheOffsetLeavesTheTieToTheNextDimension", PressRows::PlateBesideASmallArc,
     [] { PressRows::Press({415, -15}); }, false, [] { EXPECT_EQ(gCurrentOptions.SideTieLength, -30.0); }},
    {"AnArcLengthOnTheSideThatFitsFollowsThePanelAfterTheReload",
     [] { PressRows::BuildPanel(), PressRows::PlateBesideASmallArc(), gSettings.SideTieLength = -30.0; },
     [] { PressRows::Press({415, -15}), sim::TheDialogs().Click(PressRows::PanelItem(5)), PressRows::EnterDecimals(); },
     false, [] { EXPECT_EQ(PressRows::Doc().Art(gCurrentDimension.LabelFrames[0])->text.contents, "16,62 mm"); }},
    {"AnArcSmallerThanTheOffsetTakesItsAngleOnTheSideThatFits",
     [] { PressRows::PlateBesideASmallArc(), PressRows::Select(kAngleTool); },
     [] { PressRows::Press({415, -15}); }, false, PressRows::BuiltWithNoAlert},
    {"TheEleventhSeriesClickLeavesNoGroup",
     [] {
         std::vector<AIRealPoint> points;
         for (int32_t i = 0; i <= 10; ++i) points.push_back({static_cast<float>(20 * i), 0});
         PressRows::Line(points);
         PressRows::SeriesOn();
         for (int32_t i = 0; i < 10; ++i) PressRows::Press({static_cast<float>(20 * i), 0});
     },
     [] { PressRows::Press({200, 0}); }},
    {"ASeriesDraggedTooSoonAlertsOnce",
     [] {
         PressRows::Line({{0, 0}, {20, 0}, {40, 0}, {60, 0}});
         PressRows::SeriesOn();
         PressRows::Press({0, 0});
     },
     [] { PressRows::Press({20, 0}, {{20, 10}, {20, 20}, {20, 30}, {20, 40}, {20, 50}, {20, 60}}); }},
    {"ABezierFigureDraggedOutAndBackLeavesNothing",
     [] {
         PressRows::Select(kBezierTool);
         gCurrentOptions.BezierMode = 0;
     },
     [] { PressRows::Press({0, -300}, {{100, -350}, {0, -300}}); },
     false,
     [] { EXPECT_EQ(PressRows::GroupCount(), 0u); }},
    {"ASegmentClickOnAnAngleArcsAnchorTakesItAsTheSecondPoint",
     [] {
         PressRows::Line({{300, 0}, {200, 0}, {260, 80}});
         PressRows::Line({{0, 0}, {0, -50}});
         PressRows::Select(kAngleTool);
         PressRows::Press({200, 0});
         PressRows::Select(kSegmentTool);
         PressRows::Press({0, 0});
     },
     [] { PressRows::Press({233, 3}); },
     false,
     [] {
         EXPECT_EQ(gToolState.CurrentTool, kSegmentTool);
         EXPECT_EQ(PressRows::GroupCount(), 2u);
     }},
    // A re-open ends the sequence that waited: its skeleton and link go, and the next point starts anew instead of
    // finishing the re-opened dimension.
    {"AReOpenWhileAFirstPointWaitsEndsThatSequence",
     PressRows::PlateAndFirstPoint,
     [] { PressRows::Press({60, -30}); },
     true,
     [] {
         EXPECT_EQ(PressRows::GroupCount(), 1u);
         EXPECT_FALSE(PressRows::PlateLinked("segpt1"));
         PressRows::LeavesEveryDimension([] { PressRows::Press({300, 100}); });
     }},
    {"ACancelAfterAReOpenKeepsTheReOpenedDimension",
     PressRows::PlateAndFirstPoint,
     [] { PressRows::Press({60, -30}); },
     true,
     [] {
         PressRows::LeavesEveryDimension(PressRows::Cancel);
         EXPECT_EQ(PressRows::TextCount(), 1u);
     }},
    {"AToolChangeAfterAReOpenKeepsTheReOpenedDimension",
     PressRows::PlateAndFirstPoint,
     [] { PressRows::Press({60, -30}); },
     true,
     [] {
         PressRows::LeavesEveryDimension([] { PressRows::Select(kAngleTool); });
         EXPECT_EQ(PressRows::TextCount(), 1u);
     }},
    // A series point refused with the locked layer counts nothing: a cancel then finds no sequence to end.
    {"ARefusedSeriesPointLeavesTheDimensionBeforeItToACancel",
     [] {
         PressRows::Plate();
         PressRows::SeriesOn();
         PressRows::LockedCurrentLayer();
     },
     [] { PressRows::Press({200, 100}); },
     false,
     [] {
         EXPECT_EQ(PressRows::Alerts(), std::vector<std::string>{"Tavorine impossible. Calque verrouillé."});
         EXPECT_EQ(gToolState.ClickCount, 0);
         PressRows::LeavesEveryDimension(PressRows::Cancel);
     }},
    {"ARefusedSeriesPointLeavesTheDimensionOnItsLockedLayerToAToolChange",
     [] {
         gSettings.OwnLayer = 1;
         PressRows::Plate();
         PressRows::SeriesOn();
         PressRows::Doc().SetLayerLocked(gToolState.CurrentLayer, true);
     },
     [] { PressRows::Press({200, 100}); },
     false,
     [] { PressRows::LeavesEveryDimension([] { PressRows::Select(kAngleTool); }); }},
    // A panel change leaves a dimension on a layer closed since it was made as it is, and says so once; the setting
    // holds for the next dimension.
    {"APanelChangeLeavesADimensionOnALayerLockedSince", [] { PressRows::ClosedSince(PressRows::Plate, false); },
     PressRows::EnterDecimals, false,
     [] {
         PressRows::ToldTheLayerOnce();
         EXPECT_EQ(gCurrentOptions.Decimals, 2);
     }},
    {"APanelChangeLeavesADimensionOnALayerHiddenSince", [] { PressRows::ClosedSince(PressRows::Plate, true); },
     [] { sim::TheDialogs().Choose(PressRows::PanelItem(43), 1); }, false,
     [] {
         PressRows::ToldTheLayerOnce();
         EXPECT_EQ(gCurrentOptions.Unit, 1);
     }},
    {"APanelChangeLeavesADimensionAlongACurveOnALayerLockedSince",
     [] { PressRows::ClosedSince(PressRows::AlongACurve, false); }, PressRows::EnterDecimals, false,
     PressRows::ToldTheLayerOnce},
    // One gesture that would change it says so once, a change that would change nothing not at all; the items'
    // enabled states follow the settings, and its kind stays its own once the layer opens.
    {"ADecimalsDragOnALayerLockedSinceAlertsOnce", [] { PressRows::ClosedSince(PressRows::Plate, false); },
     [] { PressRows::DragDecimals(0); }, false, PressRows::ToldTheLayerOnce},
    {"AControlDragResetOnALayerLockedSinceAlertsOnce",
     [] { PressRows::ClosedSince(PressRows::Plate, false), gCurrentOptions.Decimals = 4; },
     [] { PressRows::DragDecimals(kADMControlKeyModifier); }, false, PressRows::ToldTheLayerOnce},
    {"ADecimalsDragThatChangesOnlyPastItsPressAlertsOnce",
     [] { PressRows::ClosedSince(PressRows::Plate, false), gCurrentOptions.Decimals = 6; },
     [] { PressRows::DragDecimals(0, {{20, 5}, {10, 5}, {5, 5}}); }, false, PressRows::ToldTheLayerOnce},
    {"EnterWithNothingTypedOnALayerLockedSinceSaysNothing", [] { PressRows::ClosedSince(PressRows::Plate, false); },
     [] { sim::TheDialogs().Commit(PressRows::PanelItem(17)); }, false, PressRows::NothingSaid},
    {"TheEndMarkSizeInForceOnALayerLockedSinceSaysNothing",
     [] {
         PressRows::ClosedSince([] { PressRows::Plate(), sim::TheDialogs().Enter(PressRows::PanelItem(9), "150"); },
                                false);
     },
     [] { sim::TheDialogs().Choose(PressRows::PanelItem(9), 3); }, false, PressRows::NothingSaid},
    {"ArrowsOrPointsOnThreeArcsOnALayerLockedSinceSaysNothing",
     [] { PressRows::ClosedSince(PressRows::ThreeArcsOnThePanel, false); },
     [] { sim::TheDialogs().Choose(PressRows::PanelItem(-5), 2); }, false, PressRows::NothingSaid},
    {"OneArcOnALayerLockedSinceAlertsAndDisablesTheGap",
     [] { PressRows::ClosedSince(PressRows::ThreeArcsOnThePanel, false); },
     [] { sim::TheDialogs().Enter(PressRows::PanelItem(61), "1"); }, false,
     [] {
         PressRows::ToldTheLayerOnce();
         EXPECT_FALSE(sim::TheDialogs().Item(PressRows::PanelItem(62))->enabled);
     }},
    {"AToleranceTypedOnALayerLockedSinceAlertsOnce",
     [] { PressRows::ClosedSince([] { PressRows::Plate(), sim::TheDialogs().Click(PressRows::PanelItem(58)); }, false); },
     [] { sim::TheDialogs().Enter(PressRows::PanelItem(57), "0,5"); }, false, PressRows::ToldTheLayerOnce},
    {"TheDiameterOnALayerLockedSinceAlertsAndLeavesTheRadius", [] { PressRows::ClosedSince(PressRows::Radius, false); },
     [] { sim::TheDialogs().Click(PressRows::PanelItem(68)); }, false,
     [] {
         PressRows::ToldTheLayerOnce();
         EXPECT_EQ(gCurrentOptions.Diameter, 1);
         PressRows::Doc().SetLayerLocked(PressRows::Doc().CurrentLayer(), false);
         PressRows::EnterDecimals();
         for (int reopened = 0; reopened < 2; ++reopened, PressRows::Press({360, 60})) {
             EXPECT_EQ(PressRows::Doc().Art(PressRows::Group())->name, "Cercle Rayon");
             EXPECT_EQ(PressRows::Doc().Art(gCurrentDimension.LabelFrames[0])->text.contents.rfind("R17,64", 0), 0u);
         }
     }},
    // An empty click empties the measured set, but a member on a layer locked since keeps its subtraction tag.
    {"AnEmptyMeasureClickLeavesTheTagOfAPathOnALayerLockedSince",
     [] {
         PressRows::plate = PressRows::Line({{0, 0}, {200, 0}, {200, 100}, {0, 100}}, true);
         PressRows::Select(kMeasureTool);
         PressRows::ShiftAltPress({100, 0});
         PressRows::Doc().SetLayerLocked(PressRows::Doc().CurrentLayer(), true);
     },
     [] { PressRows::Press({2000, 2000}); },
     false,
     [] {
         EXPECT_TRUE(PressRows::PlateLinked("spa"));
         EXPECT_EQ(gToolState.MeasuredCount, 0u);
         EXPECT_EQ(TotalSelectedPaths().PathCount, 0);
     }},
    {"ARefusedSeriesPointLeavesTheDimensionOnItsHiddenLayerToThePanelsCancel",
     [] {
         PressRows::BuildPanel();
         PressRows::Plate();
         PressRows::SeriesOn();
         PressRows::Doc().SetLayerVisible(PressRows::Doc().CurrentLayer(), false);
     },
     [] { PressRows::Press({200, 100}); },
     false,
     [] {
         PressRows::LeavesEveryDimension(PressRows::PanelCancel);
         EXPECT_EQ(PressRows::Alerts(), std::vector<std::string>(2, "Tavorine impossible. Calque verrouillé."));
     }},
    // A second point, or the second segment of the measure between two, on a layer locked since the first is
    // refused as the first would be: the first still waits.
    {"ASecondPointOnALayerLockedSinceTheFirstIsRefused",
     [] { PressRows::LockedSince([] { PressRows::Press({0, 100}); }); }, [] { PressRows::Press({200, 100}); }, false,
     PressRows::RefusedWithTheLayer},
    {"ASecondSegmentOnALayerLockedSinceTheFirstIsRefused",
     [] { PressRows::LockedSince([] { PressRows::ShiftAltPress({300, 50}); }); }, [] { PressRows::Press({100, 100}); },
     false, PressRows::RefusedWithTheLayer},
    // Shift+Alt ends a waiting first point and starts the measure between segments, which needs a segment.
    {"ShiftAltWhileAFirstPointWaitsStartsTheMeasureAnew",
     PressRows::PlateAndFirstPoint,
     [] { PressRows::ShiftAltPress({300, 50}); },
     false,
     [] {
         EXPECT_EQ(gToolState.AwaitingSegmentClick, 1);
         EXPECT_EQ(PressRows::TextCount(), 1u);
         EXPECT_FALSE(PressRows::PlateLinked("segpt1"));
     }},
    {"ShiftAltOnNothingTakesNothing",
     [] { PressRows::Select(kSegmentTool); },
     [] { PressRows::ShiftAltPress({500, 500}); },
     false,
     [] {
         EXPECT_EQ(PressRows::GroupCount(), 0u);
         EXPECT_EQ(gToolState.ClickCount, 0);
     }},
    // An end mark's barb is no anchor: the press takes the arc beneath it, which re-opens the angle.
    {"APressOnAnAnglesEndMarkReOpensTheAngle",
     [] {
         PressRows::Line({{100, 0}, {0, 0}, {60, 80}});
         PressRows::Select(kAngleTool);
         PressRows::Press({0, 0}, {{30, 20}});
     },
     [] { PressRows::Press({35.17f, 7.93f}, {{36, 9}}); },
     true,
     PressRows::OneGroupNoAlert},
    // An end mark is no point to measure from, whatever its shape; every other part's anchors are.
    {"AnArrowsEndIsNoPoint", [] { PressRows::PlateMarked(1, 0); }, PressRows::PressMark},
    {"ADotsEndIsNoPoint", [] { PressRows::PlateMarked(0, 0); }, PressRows::PressMark},
    {"ATicksEndIsNoPoint", [] { PressRows::PlateMarked(0, 2); }, PressRows::PressMark},
    {"AClosedCustomMarksEndIsNoPoint", [] { PressRows::PlateMarked(1, 3); }, PressRows::PressMark},
    {"AnOpenCustomMarksEndIsNoPoint", [] { PressRows::PlateMarked(1, 3, 2); }, PressRows::PressMark},
    {"AStraightLinesEndIsAPoint", PressRows::PlateLine, PressRows::PressPoint},
    {"AnAnchorOfALineAlongACurveIsAPoint", PressRows::AlongACurve, PressRows::PressPoint},
    {"AnAnchorOfAnAnglesFirstArcIsAPoint", [] { PressRows::ThreeArcs(0); }, PressRows::PressPoint},
    {"AnAnchorOfAnAnglesSecondArcIsAPoint", [] { PressRows::ThreeArcs(1); }, PressRows::PressPoint},
    {"AnAnchorOfAnAnglesThirdArcIsAPoint", [] { PressRows::ThreeArcs(2); }, PressRows::PressPoint},
    // Over a straight segment the Bézier tool's local-radius marker is the segment's point under the cursor.
    {"TheLocalRadiusMarkerOverASegmentIsUnderTheCursor",
     [] {
         PressRows::Line({{0, 0}, {100, 0}, {100, 60}});
         PressRows::Select(kBezierTool);
         gCurrentOptions.BezierMode = 1;
     },
     [] { PressRows::Track({50, 3}); },
     false,
     [] {
         size_t markers = 0;
         for (const sim::DrawnShape& shape : PressRows::Draw()) {
             if (shape.kind != "ellipse") continue;
             ++markers;
             // At zoom 1 the view shows the artwork from its origin, v downward.
             const AIRealPoint origin = PressRows::Doc().View().origin;
             EXPECT_NEAR((shape.points[0].h + shape.points[1].h) / 2.0f, 50.0f - origin.h, 1.0f);
             EXPECT_NEAR((shape.points[0].v + shape.points[1].v) / 2.0f, origin.v - 0.0f, 1.0f);
         }
         EXPECT_EQ(markers, 1u);
     }},
    // A click on empty canvas whose creation dialog is cancelled gives the radius back: the flyout's "Flèches/
    // Points" rebuilds it with its leader where its drag bent it, not towards the click.
    {"ACancelledCreationGivesTheRadiusBackWhereItsDragLeftIt",
     [] {
         PressRows::BuildPanel();
         PressRows::Arc({350, 0}, {350, 27.614f}, {327.614f, 50}, {300, 50});
         PressRows::Select(kCircleTool);
         PressRows::Press({335.355f, 35.355f}, {{370, 70}, {380, 80}});
     },
     [] { PressRows::Press({600, 600}); },
     false,
     [] {
         ASSERT_EQ(sim::TheDialogs().Choose(PressRows::PanelItem(-5), 2), kNoErr);
         EXPECT_EQ(PressRows::Doc().Art(PressRows::Group())->tags.at("coude").Describe(), "string:80 80");
     }},
    // The user deletes each of fifty lengths with the host's Delete key: the next keeps no definition of them.
    {"FiftyDimensionsDeletedByTheUserLeaveNoDefinitionBehind",
     [] {
         PressRows::Line({{0, 0}, {100, 0}});
         PressRows::Select(kSegmentTool);
         for (int32_t i = 0; i < 50; ++i) {
             PressRows::Press({50, 0}, {{50, -30}});
             ASSERT_EQ(sim::UserDeletesGroup(PressRows::Group()), kNoErr);
         }
     },
     [] { PressRows::Press({50, 0}, {{50, -30}}); },
     false,
     PressRows::OneDefinitionKept},
    // A press on a hook builds a length along it and drops it at the release: the plate's length is given back,
    // and the dropped one's definition goes with its group.
    {"ADimensionDroppedAtTheReleaseTakesItsDefinitionAway",
     [] {
         PressRows::Plate();
         PressRows::Arc({2150, 130}, {2146, 134}, {2230, 290}, {2230, 290});
     },
     [] { PressRows::Press({2209, 244}, {{2225, 252.5f}}); },
     false,
     PressRows::OneDefinitionKept},
    // A side tie typed while a first point waits is a setting for the next dimension: the panel's cancel gives
    // the plate's length back and leaves that setting in force, so the next length stands where the field says.
    {"ASideTieTypedWhileAFirstPointWaitsOutlastsThePanelsCancel", PressRows::TieTypedWhileAPointWaits,
     PressRows::PanelCancel, false, NextLengthStandsWhereTheFieldSays},
    // "Cote (sans)" chosen for a radius on a layer locked since, which keeps its label; then the layer opens.
    {"ATremblingFirstEndLeavesTheLabelOfARadiusMadeWithAValue", [] { PressRows::ClosedSince(PressRows::Radius, false);
         sim::TheDialogs().Choose(PressRows::PanelItem(43), kUnitNoValue);
         PressRows::Doc().SetLayerLocked(PressRows::Doc().CurrentLayer(), false); },
     [] { PressRows::Press({300, 50}, {{303, 51}, {301, 50}}); }},
    {"ASeriesPointLeavesTheLabelOfTheLengthBeforeIt", [] { PressRows::Plate(), gCurrentOptions.Unit = kUnitNoValue; },
     [] { PressRows::SeriesOn(), PressRows::Press({200, 0}); }},
    // A change of the given-back length puts its own tie in force again, and the field shows it.
    {"ALengthGivenBackAndChangedShowsItsSideTie", PressRows::TieTypedWhileAPointWaits, PressRows::PanelCancel, false,
     [] { PressRows::EnterDecimals(), NextLengthStandsWhereTheFieldSays(); }},
};

void PrintTo(const PressRow& row, std::ostream* out) { *out << row.Name; }

class PressActsOnItsOwn : public PressRows, public ::testing::WithParamInterface<PressRow> {};

TEST_P(PressActsOnItsOwn, AndLeavesEveryOtherDimensionNoEmptyGroupAndOneAlertAtMost) {
    const PressRow& row = GetParam();
    row.Before();
    const fuzz::GestureStart start = fuzz::TakeGestureStart();
    sim::TheLogs().Clear();
    row.Play();
    EXPECT_EQ(fuzz::OtherDimensionsUnchanged(start, row.ReOpens ? Group() : nullptr), "");
    EXPECT_EQ(fuzz::NoEmptyGroup(), "");
    EXPECT_LE(Alerts().size(), 1u);
    if (row.Then != nullptr) row.Then();
}

INSTANTIATE_TEST_SUITE_P(Rows, PressActsOnItsOwn, ::testing::ValuesIn(kPressRows),
                         [](const auto& info) { return std::string(info.param.Name); });

}  // namespace
}  // namespace endtoend
