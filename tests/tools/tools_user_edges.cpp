// Edges a user reaches with the Angle, Cercle and Segment tools: a vertex after a waiting side, the hovered
// radius, a cancelled first point, far-away art, unusable stored values and colours, and no tool yet.
#include <algorithm>
#include <climits>

#include "end_to_end_fixture.h"
#include "frame/SettingsTable.h"
#include "simhost/CursorSnap.h"
#include "simhost/PreferenceStore.h"
#include "tools/CursorTracking.h"

namespace endtoend {
namespace {

using sim::PrefValue;

std::vector<std::string> Texts(const std::vector<sim::DrawnShape>& shapes) {
    std::vector<std::string> texts;
    for (const sim::DrawnShape& shape : shapes)
        if (shape.kind == "text") texts.push_back(shape.text);
    return texts;
}

TEST_F(UserTest, AVertexAfterAWaitingSideMakesItsAngleAndEndsTheSequence) {
    gSettings.Sound = 1;
    Doc().DrawPolyline({{0, 0}, {100, 0}, {50, 86.60254f}}, false);
    Doc().DrawPolyline({{200, 0}, {300, 60}}, false);
    Select(kAngleTool);
    Click({50, 0});    // a first side waits
    Click({100, 0});   // the vertex: an angle of its own
    ASSERT_EQ(GroupCount(), 1u);
    EXPECT_EQ(Label(Group()), "60°");
    const AIArtHandle vertexAngle = Group();

    Click({250, 30});  // a first side again, nothing paired with the side dropped before
    EXPECT_EQ(GroupCount(), 1u);
    EXPECT_EQ(Group(), vertexAngle);
    EXPECT_EQ(Beeps(), (std::vector<uint32_t>{9001, 9000, 9001}));
    EXPECT_TRUE(Alerts().empty());
}

TEST_F(UserTest, TheCercleHintShowsTheHoveredRadius) {
    const float r = 20.0f, k = 0.5522847f * r;
    Doc().DrawPath({sim::CurveSegment({r, 0}, {r, -k}, {r, k}), sim::CurveSegment({0, r}, {k, r}, {-k, r}),
                    sim::CurveSegment({-r, 0}, {-r, k}, {-r, -k}), sim::CurveSegment({0, -r}, {-k, -r}, {k, -r})},
                   true);
    Select(kCircleTool);
    Track({r * 0.7071f, r * 0.7071f});
    const std::vector<std::string> texts = Texts(Draw());
    // 20 points are 7,06 mm; the disc 1256,6 square points, 156 mm2.
    EXPECT_EQ(texts, (std::vector<std::string>{"Arc de cercle (rayon)", "R7 mm", "Aire=156 mm2"}));
}

TEST_F(UserTest, ACancelledFirstPointTakesItsLinkOffThePath) {
    const AIArtHandle path = Doc().DrawPolyline({{0, 0}, {100, 0}, {100, 60}}, false);
    Select(kSegmentTool);
    Click({0, 0});
    ASSERT_TRUE(HasTag(path, "segpt1"));
    Hold(kControlKey);
    Track({30, 30});
    Release(kControlKey);
    EXPECT_FALSE(HasTag(path, "segpt1"));
    EXPECT_EQ(GroupCount(), 0u);

    // A link that a finished dimension still holds stays.
    Click({0, 0});
    ClickDrag({100, 0}, {50, -30});
    Click({0, 0});
    Hold(kControlKey);
    Track({30, 30});
    Release(kControlKey);
    EXPECT_TRUE(HasTag(path, "segpt1"));
    EXPECT_EQ(GroupCount(), 1u);
}

TEST_F(UserTest, FarAwayArtDrawsItsMarkerAtTheViewsFarEdge) {
    constexpr float kFar = 2147483648.0f;
    Doc().DrawPolyline({{kFar, 0}, {kFar, 100}}, false);
    Select(kSegmentTool);
    Track({kFar, 0});
    ASSERT_EQ(gHitState.HoverFlags.OverAnchor, 1);
    const std::vector<sim::DrawnShape> shapes = Draw();
    const auto marker = std::find_if(shapes.begin(), shapes.end(), [](const sim::DrawnShape& s) { return s.kind == "ellipse"; });
    ASSERT_NE(marker, shapes.end());
    EXPECT_EQ(marker->points[0].h, INT32_MAX - 3);
    EXPECT_EQ(marker->points[1].h, INT32_MAX);
    for (const sim::DrawnShape& shape : shapes)
        if (shape.kind == "text") {
            EXPECT_EQ(shape.points[0].h, INT32_MAX) << shape.text;
        }
}

TEST_F(UserTest, AbsurdStoredValuesStillMakeAReadableDimension) {
    // A later run of a host whose store holds them (a stored precision: not a first run).
    sim::ThePlugin().Shutdown();
    sim::ResetHost();
    ResetRecords();
    sim::ThePreferences().Put(kTavorinePreferencePrefix, "Precision", PrefValue::Int(0));
    for (const char* key : {"Corps", "EchelleDen", "Epaisseur"})
        sim::ThePreferences().Put(kTavorinePreferencePrefix, key, PrefValue::Real(1e300));
    sim::ThePlugin().Load(PluginMain, PluginResources);
    ASSERT_EQ(sim::ThePlugin().Startup(), kNoErr);
    Doc().DrawPolyline({{0, 0}, {100, 0}, {100, 60}}, false);
    Select(kSegmentTool);
    Click({0, 0});
    ClickDrag({100, 0}, {50, -30});

    // 100 points at a scale of 1 to a hundred million: 3 527 777 778 mm.
    EXPECT_EQ(Label(Group()), "3527777778 mm");
    // The two end marks and the two extension lines are drawn (the label is wider than the line it cuts).
    size_t drawnPaths = 0;
    for (AIArtHandle part : Doc().Children(Group())) {
        const sim::ArtNode* node = Doc().Art(part);
        if (node->type == kTextFrameArt) {
            EXPECT_EQ(node->text.size, 1296.0f);
        }
        if (node->type != kPathArt) continue;
        if (!node->segments.empty()) ++drawnPaths;
        if (node->style.strokePaint) {
            EXPECT_EQ(node->style.stroke.width, 1000.0f);
        }
    }
    EXPECT_GE(drawnPaths, 4u);
}

TEST_F(UserTest, SmartGuidesColoursOutsideZeroToOneTakeTheNearestEnd) {
    sim::ThePreferences().Put("", "snapomatic/Color/red", PrefValue::Real(2.5));
    sim::ThePreferences().Put("", "snapomatic/Color/green", PrefValue::Real(-0.5));
    sim::ThePreferences().Put("", "snapomatic/Color/blue", PrefValue::Real(0.5));
    Doc().DrawPolyline({{0, 0}, {100, 0}}, false);
    Select(kSegmentTool);
    Track({0, 0});
    const std::vector<sim::DrawnShape> shapes = Draw();
    const auto hint = std::find_if(shapes.begin(), shapes.end(), [](const sim::DrawnShape& s) { return s.kind == "text"; });
    ASSERT_NE(hint, shapes.end());
    EXPECT_EQ(hint->colour.red, 65535);
    EXPECT_EQ(hint->colour.green, 0);
    EXPECT_EQ(hint->colour.blue, 32767);
}

TEST_F(UserTest, BeforeAnyToolIsSelectedTrackingDoesNothing) {
    Doc().DrawPolyline({{0, 0}, {100, 0}}, false);
    sim::TheLogs().infoValues.clear();
    const size_t cursors = sim::TheLogs().cursors.size();
    ASSERT_EQ(gToolState.CurrentTool, kNoToolSelected);
    EXPECT_EQ(sim::ThePlugin().SendTool(kSelectorAITrackToolCursor, gToolState.ToolHandles[kMeasureTool - 1], {50, 0}),
              kNoErr);
    EXPECT_TRUE(sim::TheLogs().infoValues.empty());
    EXPECT_EQ(sim::TheLogs().cursors.size(), cursors);
    EXPECT_EQ(gHitState.HoverFlags.OverSegment, 0);
}

}  // namespace
}  // namespace endtoend
