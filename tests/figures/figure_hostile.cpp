// Figures dragged towards cursors and settings beyond what a float holds: every figure maker checks its shape,
// so the document never holds a non-finite number and a figure keeps its last sound shape.
#include <cmath>
#include <functional>
#include <optional>

#include "figure_fixture.h"
#include "frame/Settings.h"

namespace figuretest {
namespace {

// One figure dragged out: a sound step, then a hostile one that must leave the document as it was.
struct HostileCase {
    const char* Name;
    int32_t Tool;
    AIRealPoint Click;
    std::optional<AIRealPoint> Sound;  // a drag that lays a sound figure first; none: the hostile step comes first
    AIRealPoint Hostile;
    std::function<void()> Spoil;  // what goes wrong before the hostile step, besides the cursor
};

// The Bézier curve's first point at 1e30 with two replicas a scale step of 1e30 apart: the second replica lies
// beyond a float.
void SpoilBezierCurve() {
    gSettings.BezierShape.Points.AnchorX[0] = 1e30f;
    gSettings.BezierReplicas.Count = 2;
    gSettings.BezierReplicas.ScaleStep = 1e30;
}

void Nothing() {}

class HostileFigure : public FigureTest, public ::testing::WithParamInterface<HostileCase> {
protected:
    static bool Finite(AIRealPoint p) { return std::isfinite(p.h) && std::isfinite(p.v); }
    // Every coordinate, handle, text placement and stroke width in the document is a finite number.
    static void ExpectAllFinite() {
        for (AIArtHandle art : Doc().AllArt()) {
            const sim::ArtNode& node = Node(art);
            for (const AIPathSegment& s : node.segments)
                EXPECT_TRUE(Finite(s.p) && Finite(s.in) && Finite(s.out)) << Doc().Describe(art);
            EXPECT_TRUE(std::isfinite(node.text.transform.tx) && std::isfinite(node.text.transform.ty))
                << Doc().Describe(art);
            EXPECT_TRUE(std::isfinite(node.style.stroke.width)) << Doc().Describe(art);
        }
    }
};

TEST_P(HostileFigure, KeepsItsLastSoundShapeAndTheDocumentStaysFinite) {
    const HostileCase& c = GetParam();
    Select(c.Tool);
    Down(c.Click);
    if (c.Sound) Drag(*c.Sound);
    const std::string sound = Doc().DescribeTree();
    c.Spoil();
    Drag(c.Hostile);
    EXPECT_EQ(Doc().DescribeTree(), sound);
    ExpectAllFinite();
    Up(c.Hostile);
    ExpectAllFinite();
}

constexpr float kFar = 3e38f;  // near the largest float
constexpr AIRealPoint kFarCorner{kFar, kFar};

INSTANTIATE_TEST_SUITE_P(
    Figures, HostileFigure,
    ::testing::Values(
        // A cursor whose distance from the click is beyond a float.
        HostileCase{"SegmentToAFarCorner", kSegmentTool, {0, 0}, AIRealPoint{60, 80}, kFarCorner, Nothing},
        HostileCase{"SegmentToTheFarLeft", kSegmentTool, {0, 0}, AIRealPoint{60, 80}, {-kFar, kFar}, Nothing},
        HostileCase{"AngleToAFarCorner", kAngleTool, {0, -200}, AIRealPoint{40, -150}, {kFar, -kFar}, Nothing},
        HostileCase{"CircleToAFarCorner", kCircleTool, {0, -400}, AIRealPoint{40, -380}, kFarCorner, Nothing},
        // A length a float holds, from a click so far out that the figure's far end is beyond a float.
        HostileCase{"SegmentEndBeyondAFloat", kSegmentTool, {kFar, 0}, AIRealPoint{kFar, 100}, {kFar, 1.5e38f},
                    Nothing},
        HostileCase{"AngleSideBeyondAFloat", kAngleTool, {kFar, 0}, AIRealPoint{kFar, 100}, {kFar, 1.5e38f},
                    Nothing},
        HostileCase{"CircleBeyondAFloat", kCircleTool, {kFar, 0}, AIRealPoint{kFar, 100}, {kFar, 1e38f}, Nothing},
        HostileCase{"ArcBeyondAFloat", kCircleTool, {kFar, 0}, AIRealPoint{kFar, 100}, {kFar, 1e38f},
                    [] { gCurrentOptions.CircleCreateArc = 1; }},
        // A cursor far past the canvas, after one just past it: the figure stays held to the canvas.
        HostileCase{"SegmentFarPastTheCanvas", kSegmentTool, {0, 0}, AIRealPoint{1e6f, 0}, {1e12f, 0}, Nothing},
        HostileCase{"CircleFarPastTheCanvas", kCircleTool, {0, 0}, AIRealPoint{1e6f, 0}, {1e12f, 0}, Nothing},
        // A Bézier curve whose replicas lie beyond a float: laid first, or made so after a sound drag.
        HostileCase{"BezierReplicasSpoiled", kBezierTool, {0, 0}, AIRealPoint{290, 190}, {300, 200},
                    SpoilBezierCurve},
        HostileCase{"BezierSpoiledFromTheStart", kBezierTool, {0, 0}, std::nullopt, {290, 190}, SpoilBezierCurve}),
    [](const ::testing::TestParamInfo<HostileCase>& info) { return std::string(info.param.Name); });

}  // namespace
}  // namespace figuretest
