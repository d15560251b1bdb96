// The numbers users typed that a field once took whole: a float too large for an integer (the arc gap, the
// Bézier editor's position and scale step, the end marks of a dragged angle), an integer that wrapped (the
// division count, the remembered points), a refused radius, a huge custom scale and a huge creation
// orientation. Each is now held to its setting's range, and a range holds no more than it must: a map's scale,
// 360 divisions, a scale step of 150 and an orientation beyond a turn keep what the user meant.
#include <cmath>
#include <numbers>
#include <string>
#include <vector>

#include "creation_fixture.h"
#include "dialogs/creation/PointEditorItems.h"
#include "dimension/Skeletons.h"
#include "dialogs/creation/PointEditorState.h"
#include "editor_fixture.h"
#include "frame/DialogOpeners.h"
#include "frame/Settings.h"
#include "frame/SettingRanges.h"
#include "frame/SettingsTable.h"
#include "panel/CustomScaleDialog.h"
#include "panel/notify_fixture.h"
#include "records/HitState.h"
#include "records/RememberedSegments.h"
#include "tools/Readouts.h"
#include "tools/RememberedSegments.h"

namespace {

using paneltest::NotifyTest;

// The preferences dialog's division count and remembered point count.
constexpr int32_t kPrefsDivisions = 138;
constexpr int32_t kPrefsMagneticPoints = 142;

bool Finite(const std::vector<AIRealPoint>& points) {
    for (const AIRealPoint& p : points)
        if (!std::isfinite(p.h) || !std::isfinite(p.v)) return false;
    return !points.empty();
}

class HeldNumbers : public NotifyTest {
protected:
    // The 45-degree angle at the origin between (100, 0) and (100, 100), dragged out.
    void MakeAngle() {
        Doc().DrawPolyline({{100, 0}, {0, 0}, {100, 100}}, false);
        UseTool(kAngleTool);
        ClickDrag({0, 0}, {40, 30});
        ASSERT_TRUE(Live(gCurrentDimension.AngleArcs[0]));
    }
    // The preferences dialog on the page of `tool`; `hand` acts in it, then OK.
    static void Preferences(int32_t tool, const std::function<void(ADMDialogRef)>& hand) {
        UseTool(tool);
        sim::TheDialogs().QueueModalResponder([hand](ADMDialogRef dialog) {
            hand(dialog);
            sim::TheDialogs().Click(sim::TheDialogs().FindItem(dialog, 1));
        });
        OpenModalDialog(ModalDialog::Preferences);
    }
    static void EnterInDialog(ADMDialogRef dialog, int32_t id, const std::string& text) {
        ASSERT_EQ(sim::TheDialogs().Enter(sim::TheDialogs().FindItem(dialog, id), text), kNoErr);
    }
    static float DialogValue(ADMDialogRef dialog, int32_t id) {
        return sim::TheDialogs().Item(sim::TheDialogs().FindItem(dialog, id))->value;
    }
    static std::optional<sim::PrefValue> Stored(const std::string& key) {
        return sim::ThePreferences().Get(kTavorinePreferencePrefix, key);
    }
    static double DistanceFromOrigin(AIArtHandle arc) {
        const std::vector<AIRealPoint> anchors = Anchors(arc);
        return anchors.empty() ? 0.0 : std::hypot(anchors.front().h, anchors.front().v);
    }
};

// The gap is held so that twenty arcs span at most the longest length: 16383 / 19 points, whole.
TEST_F(HeldNumbers, AHugeArcGapIsHeldToTheLongestGapAndKeepsTheArcsApart) {
    MakeAngle();
    ASSERT_EQ(ClickItem(kMultipleArcsItem), kNoErr);
    ASSERT_EQ(EnterIn(kArcCountItem, "3"), kNoErr);
    ASSERT_EQ(EnterIn(kArcGapItem, "1e30"), kNoErr);
    EXPECT_EQ(gCurrentOptions.ArcGap, 862);
    EXPECT_FLOAT_EQ(Item(kArcGapItem).value, 862.0f);
    const double first = DistanceFromOrigin(gCurrentDimension.AngleArcs[0]);
    const double second = DistanceFromOrigin(gCurrentDimension.AngleArcs[1]);
    const double third = DistanceFromOrigin(gCurrentDimension.AngleArcs[2]);
    EXPECT_GT(std::fabs(second - first), 1.0) << first << " " << second;
    EXPECT_GT(std::fabs(third - second), 1.0) << second << " " << third;
    // A gap typed with decimals is truncated to whole points, not rounded.
    ASSERT_EQ(EnterIn(kArcGapItem, "2.6"), kNoErr);
    EXPECT_EQ(gCurrentOptions.ArcGap, 2);
    EXPECT_FLOAT_EQ(Item(kArcGapItem).value, 2.0f);
}

// A radius of nothing draws nothing: it is held to the smallest radius that draws the arc.
TEST_F(HeldNumbers, AnArcRadiusOfNothingIsTheSmallestThatDrawsTheArc) {
    MakeAngle();
    ASSERT_EQ(EnterIn(kArcRadiusItem, "0"), kNoErr);
    EXPECT_EQ(gCurrentOptions.ArcRadius, kSmallestArcRadius);
    EXPECT_FALSE(Anchors(gCurrentDimension.AngleArcs[0]).empty());
}

TEST_F(HeldNumbers, AHugeEndMarkSizeDrawsAnAngleDraggedOutAfterIt) {
    UseTool(kAngleTool);
    ASSERT_EQ(EnterIn(kEndSizeItem, "1e30"), kNoErr);
    EXPECT_EQ(gCurrentOptions.EndMarkSize, 1000.0);
    MakeAngle();
    EXPECT_TRUE(Finite(Anchors(gCurrentDimension.AngleArcs[0])));
    EXPECT_TRUE(Finite(Anchors(gCurrentDimension.EndMarks[0][0])));
}

// The count has no upper bound of its own: a protractor's 360 marks are taken as typed; only a count past what
// a drag lays interactively (10 000) is held.
TEST_F(HeldNumbers, TheDivisionCountTypedIsStoredReadShownAndDrawnAsOneNumber) {
    for (const auto& row : {std::pair{"3e9", 10000}, std::pair{"1e30", 10000}, std::pair{"360", 360}}) {
        const char* typed = row.first;
        const int32_t taken = row.second;
        Preferences(kBezierTool, [typed, taken](ADMDialogRef dialog) {
            EnterInDialog(dialog, kPrefsDivisions, typed);
            EXPECT_EQ(DialogValue(dialog, kPrefsDivisions), static_cast<float>(taken)) << typed;
        });
        EXPECT_EQ(Stored("NbDivBez"), sim::PrefValue::Int(taken)) << typed;
    }
    ASSERT_EQ(ClickItem(kReloadItem), kNoErr);
    EXPECT_EQ(gCurrentOptions.DivisionCount, 360);
    gHitState.HoverFlags.OverSegment = 1;
    EXPECT_EQ(std::string(BezierHintText().Lines[1].CStr()), "Partage en 360");
    // A segment divided in 360 parts, its ends marked too: 361 marks.
    Doc().DrawPolyline({{0, 0}, {360, 0}}, false);
    ClickDrag({180, 0}, {180, 20});
    EXPECT_EQ(DivisionMarkCount(), 361u);
}

// Typed where the user sets them: a direction beyond a turn is the same direction within one, in the
// preferences (field 151) and on the panel (field 28); a radius of nothing typed into field 149 is the smallest
// that draws an arc; a map's scale beyond a million is the scale typed, shown whole in the popup.
TEST_F(HeldNumbers, ATypedValueIsTheOneItsSettingMeans) {
    Preferences(kAngleTool, [](ADMDialogRef dialog) {
        EnterInDialog(dialog, 151, "400");
        EXPECT_EQ(DialogValue(dialog, 151), 40.0f);
        EnterInDialog(dialog, 149, "-5");
    });
    EXPECT_EQ(Stored("DecalageAngA"), sim::PrefValue::Real(40.0));
    EXPECT_EQ(Stored("Rayon"), sim::PrefValue::Real(kSmallestArcRadius));
    ASSERT_EQ(EnterIn(kAngleOffsetAItem, "-400"), kNoErr);
    EXPECT_EQ(gCurrentOptions.AngleOffsetAngle, -40.0);
    EXPECT_EQ(Item(kAngleOffsetAItem).value, -40.0f);
    sim::TheDialogs().QueueModalResponder([](ADMDialogRef dialog) {
        EnterInDialog(dialog, 10, "1");
        EnterInDialog(dialog, 12, "2000000");
        sim::TheDialogs().Click(sim::TheDialogs().FindItem(dialog, 1));
    });
    OpenCustomScaleDialog();
    EXPECT_EQ(Stored("EchelleDenPersoReal"), sim::PrefValue::Real(2.0e6));
    EXPECT_EQ(Entry(kScalePopupItem, 27)->text, "1/2000000");
}

using HeldAtLaunch = paneltest::PanelTest;

TEST_F(HeldAtLaunch, AStoredDivisionCountBeyondTheMarksDrawnIsReadAsTheMostThatAreDrawn) {
    Seed("Precision", sim::PrefValue::Int(2));
    Seed("NbDivBez", sim::PrefValue::Int(2000000000));
    Start();
    EXPECT_EQ(gSettings.DivisionCount, 10000);
    ASSERT_EQ(sim::TheTools().Select(gToolState.ToolHandles[kBezierTool - 1]), kNoErr);
    gHitState.HoverFlags.OverSegment = 1;
    EXPECT_EQ(std::string(BezierHintText().Lines[1].CStr()), "Partage en 10000");
}

TEST_F(HeldNumbers, AHugeRememberedPointCountIsHeldAndKeepsTheRememberedSegments) {
    gRememberedSegments.Head = new RememberedSegment{nullptr, 0, 0, 10, 0};
    Preferences(kSegmentTool, [](ADMDialogRef dialog) {
        EnterInDialog(dialog, kPrefsMagneticPoints, "3e9");
        EXPECT_EQ(DialogValue(dialog, kPrefsMagneticPoints), 1000.0f);
    });
    EXPECT_EQ(Stored("NombreSouvenirsPrefs"), sim::PrefValue::Int(1000));
    EXPECT_EQ(RememberedSegmentCount(), 1u);
    EXPECT_TRUE(sim::TheLogs().alerts.empty());
}

TEST_F(HeldNumbers, ACustomScaleOfATenThousandthOverAHugeNumberLabelsWithItsUnit) {
    Doc().DrawPolyline({{0, 0}, {200, 0}}, false);
    UseTool(kSegmentTool);
    sim::TheDialogs().QueueModalResponder([](ADMDialogRef dialog) {
        EnterInDialog(dialog, 10, "0,0001");
        EnterInDialog(dialog, 12, "1e30");
        EXPECT_EQ(DialogValue(dialog, 12), 1.0e8f);
        sim::TheDialogs().Click(sim::TheDialogs().FindItem(dialog, 1));
    });
    OpenCustomScaleDialog();
    EXPECT_EQ(Stored("EchelleDenPersoReal"), sim::PrefValue::Real(1.0e8));
    ASSERT_EQ(ChooseIn(kScalePopupItem, 27), kNoErr);
    ClickDrag({100, 0}, {100, 40});
    const std::string label = Text(gCurrentDimension.LabelFrames[0]);
    EXPECT_NE(label.find(" mm"), std::string::npos) << label;
    EXPECT_LE(label.size(), 24u) << label;
}

// A map's scale reaches the custom scale as the working scale takes it: 1 over 25 000 typed, stored, shown in
// the popup, and in force on a 100 mm segment.
TEST_F(HeldNumbers, AMapScaleTypedInTheCustomScaleDialogIsStoredShownAndInForce) {
    constexpr AIReal kHundredMillimetres = 283.46457f;
    Doc().DrawPolyline({{0, 0}, {kHundredMillimetres, 0}}, false);
    UseTool(kSegmentTool);
    sim::TheDialogs().QueueModalResponder([](ADMDialogRef dialog) {
        EnterInDialog(dialog, 10, "1");
        EnterInDialog(dialog, 12, "25000");
        EXPECT_EQ(DialogValue(dialog, 12), 25000.0f);
        sim::TheDialogs().Click(sim::TheDialogs().FindItem(dialog, 1));
    });
    OpenCustomScaleDialog();
    EXPECT_EQ(Stored("EchelleDenPersoReal"), sim::PrefValue::Real(25000.0));
    EXPECT_EQ(Entry(kScalePopupItem, 27)->text, "1/25000");
    ASSERT_EQ(ChooseIn(kScalePopupItem, 27), kNoErr);
    EXPECT_DOUBLE_EQ(gSettings.ScaleRatio, 1.0 / 25000.0);
    ClickDrag({kHundredMillimetres / 2, 0}, {kHundredMillimetres / 2, 40});
    EXPECT_EQ(Text(gCurrentDimension.LabelFrames[0]), "2500000 mm");
}

}  // namespace

namespace creationtest {
namespace {

using HeldCreation = CreationDialogTest;

// The orientation fields have no bounds: beyond a turn, what is typed is the same direction within one, on the
// side of its sign, in the angle's dialog and in the segment's; a huge number still leaves the angles their
// opening.
TEST_F(HeldCreation, AnOrientationBeyondATurnIsTakenWithinOneKeepingItsSign) {
    struct Orientation {
        int32_t Tool;
        int32_t Field;
        const double* Stored;
        double StoredPerDegree = 1.0;
        int32_t Kind = 0;  // the kind clicked first, that has an orientation
    };
    const Orientation fields[] = {{kAngleTool, 425, &gSettings.AngleCreateAngle},
                                  {kSegmentTool, 526, &gSettings.SegmentCreateRotation},
                                  {kCircleTool, 609, &gSettings.CircleCreateAngle, std::numbers::pi / 180.0, 602}};
    for (const Orientation& field : fields) {
        for (const auto& row : {std::pair{"400", 40.0}, std::pair{"-400", -40.0}, std::pair{"-800", -80.0},
                                std::pair{"180", 180.0}, std::pair{"1e30", std::nan("")}}) {
            const char* typed = row.first;
            const double taken = row.second;
            const int32_t id = field.Field, kind = field.Kind;
            WhenOpen([typed, taken, id, kind](ADMDialogRef d) {
                if (kind != 0) Click(d, kind);
                Enter(d, id, typed);
                if (!std::isnan(taken)) {
                    EXPECT_EQ(Data(d, id).value, static_cast<float>(taken)) << typed;
                }
                Click(d, 1);
            });
            EmptyClick(field.Tool);
            if (!std::isnan(taken)) {
                EXPECT_DOUBLE_EQ(*field.Stored, taken * field.StoredPerDegree) << typed << " in " << id;
            }
        }
        EXPECT_LT(std::fabs(*field.Stored), 360.0);
    }
    Select(kAngleTool);
    DragOut({0, 0}, {{30, 40}});
    const auto& sides = Anchors(gDragValues.CreatedAnglePath);
    ASSERT_EQ(sides.size(), 3u);
    const double opening = std::fabs(std::atan2(sides[0].p.h * sides[2].p.v - sides[0].p.v * sides[2].p.h,
                                                sides[0].p.h * sides[2].p.h + sides[0].p.v * sides[2].p.v));
    EXPECT_GT(opening, 0.5);
}

}  // namespace
}  // namespace creationtest

namespace editortest {
namespace {

using HeldEditor = EditorTest;

TEST_F(HeldEditor, AHugeBezierPositionAndScaleStepAreHeldAndTheCurveStaysFinite) {
    BezierClickAt({40, 40}, [](ADMDialogRef dialog) {
        Enter(dialog, kPointXItem, "1e30");
        EXPECT_EQ(Data(dialog, kPointXItem).value, 16383.0f);
        Enter(dialog, kReplicaCountItem, "2");
        Enter(dialog, 291, "1e30");
        EXPECT_EQ(Data(dialog, 291).value, 16383.0f);
        sim::TheDialogs().DrawItem(Item(dialog, kBezierPreviewItem));
        sim::TheDialogs().DrawItem(Item(dialog, kCanvasItem));
        Click(dialog, 1);
    });
    ASSERT_GT(sim::TheDocument().ArtCount(), 0u);
    for (AIArtHandle art : sim::TheDocument().AllArt()) {
        for (const AIPathSegment& s : sim::TheDocument().Art(art)->segments) {
            EXPECT_TRUE(std::isfinite(s.p.h) && std::isfinite(s.p.v) && std::isfinite(s.in.h) &&
                        std::isfinite(s.out.v));
        }
    }
}

// The scale step has no bound in its field: a step of 150 is stored as typed. A rotation step beyond a turn is
// the same rotation within one.
TEST_F(HeldEditor, AReplicaScaleStepBeyondAHundredIsStoredAsTypedAndARotationBeyondATurnWithinOne) {
    BezierClickAt({40, 40}, [](ADMDialogRef dialog) {
        Enter(dialog, kReplicaCountItem, "2");
        Enter(dialog, 291, "150");
        EXPECT_EQ(Data(dialog, 291).value, 150.0f);
        Enter(dialog, 283, "1e6");
        EXPECT_EQ(Data(dialog, 283).value, 280.0f);
        Enter(dialog, 283, "-400");
        EXPECT_NEAR(Data(dialog, 283).value, -40.0f, 1e-4f);
        Click(dialog, 1);
    });
    EXPECT_EQ(Written("GrosReducBez"), "150");
    EXPECT_EQ(gSettings.BezierReplicas.ScaleStep, 150.0);
    EXPECT_NEAR(gSettings.BezierReplicas.RotationStep, -40.0 * 3.14159265358979323846 / 180.0, 1e-6);
}

}  // namespace
}  // namespace editortest
