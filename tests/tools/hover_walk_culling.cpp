// The path walk skips paths and segments whose control points, grown by the tolerance, cannot hold the cursor;
// on generated documents it leaves every answer exactly as the walk of every sample leaves it, misses included.
#include <cstring>

#include "dimension/Geometry.h"
#include "hover_fixture.h"
#include "random_drawing.h"
#include "records/Records.h"

namespace hovertest {
namespace {

// Everything the walk may write.
struct WalkAnswer {
    HitState Hit;
    int32_t ElementKind = 0;
    AIRealPoint ClickViewPoint{};
    FoundArc Arc;
};

void ExpectSame(const AIPathSegment& a, const AIPathSegment& b, const char* what) {
    EXPECT_TRUE(SamePoint(a.p, b.p) && SamePoint(a.in, b.in) && SamePoint(a.out, b.out) && a.corner == b.corner)
        << what;
}

void ExpectSame(const WalkAnswer& culled, const WalkAnswer& full) {
    const HitState& a = culled.Hit;
    const HitState& b = full.Hit;
    EXPECT_EQ(a.HitArt, b.HitArt);
    EXPECT_EQ(std::memcmp(&a.HoverFlags, &b.HoverFlags, sizeof a.HoverFlags), 0);
    EXPECT_EQ(a.HitStartIndex, b.HitStartIndex);
    EXPECT_EQ(a.HitEndIndex, b.HitEndIndex);
    ExpectSame(a.SnapSegment, b.SnapSegment, "snap segment");
    ExpectSame(a.HitSegment, b.HitSegment, "hit segment");
    ExpectSame(a.HoverArcCentre, b.HoverArcCentre, "arc centre");
    ExpectSame(a.HoverPoint, b.HoverPoint, "hover point");
    for (const auto& [x, y] : {std::pair{a.CurveHitPoint, b.CurveHitPoint}, std::pair{a.NormalTipA, b.NormalTipA},
                               std::pair{a.NormalTipB, b.NormalTipB}, std::pair{a.NextCurvePoint, b.NextCurvePoint},
                               std::pair{culled.ClickViewPoint, full.ClickViewPoint}}) {
        EXPECT_TRUE(SamePoint(x, y));
    }
    EXPECT_EQ(culled.ElementKind, full.ElementKind);
    EXPECT_EQ(std::memcmp(&culled.Arc, &full.Arc, sizeof culled.Arc), 0);
}

class WalkCullingTest : public HoverTest {
protected:
    void SetUp() override {
        ResetRecords();
        HoverTest::SetUp();
    }
    // The walk at `cursor` from one same starting state, which it partly keeps on a miss.
    static WalkAnswer Walk(AIRealPoint cursor, WalkCulling culling) {
        gHitState = HitState{};
        gHitState.HitArt = reinterpret_cast<AIArtHandle>(uintptr_t{0x5eed});
        gHitState.SnapSegment = sim::CornerSegment(-1.0f, -2.0f);
        gHitState.HitSegment = sim::CornerSegment(-3.0f, -4.0f);
        gToolState.BezierElementKind = kCreationElement;
        gFoundArc = FoundArc{};
        HitTestBezierStageAndMeasure(At(cursor), culling);
        return WalkAnswer{gHitState, gToolState.BezierElementKind, gToolState.ClickViewPoint, gFoundArc};
    }
};

TEST_F(WalkCullingTest, GeneratedDocumentsGiveTheAnswersOfTheWholeWalk) {
    int hits = 0;
    for (unsigned seed = 21; seed <= 22; ++seed) {
        if (seed > 21) {  // a fresh start for each document
            TearDown();
            SetUp();
        }
        const randomdrawing::Drawing drawing = randomdrawing::DrawRandom(seed, 24);
        // Some paths are dimension parts, some of them re-editable by their kind marker.
        for (size_t k = 0; k < drawing.paths.size(); k += 5) MakeDimensionPart(drawing.paths[k], nullptr);
        for (size_t k = 2; k < drawing.paths.size(); k += 7) MakeDimensionPart(drawing.paths[k], DimensionArtFormat::AngleMarker);
        for (const float zoom : {1.0f, 4.0f}) {  // the near and the far tolerance
            Doc().View().zoom = zoom;
            for (size_t k = 0; k < drawing.probes.size(); k += 2) {
                const AIRealPoint p = drawing.probes[k];
                const WalkAnswer full = Walk(p, WalkCulling::None);
                const WalkAnswer culled = Walk(p, WalkCulling::ByControlBoxes);
                SCOPED_TRACE(testing::Message() << "seed " << seed << " zoom " << zoom << " at " << p.h << "," << p.v);
                ExpectSame(culled, full);
                hits += full.Hit.HitArt != nullptr && (full.Hit.HoverFlags.OverAnchor | full.Hit.HoverFlags.OverSegment |
                                                        full.Hit.HoverFlags.OverCurve | full.Hit.HoverFlags.OverArc |
                                                        full.Hit.HoverFlags.OverDimension) != 0;
            }
        }
    }
    EXPECT_GT(hits, 50);
}

TEST_F(WalkCullingTest, AMissFarFromEveryPathLeavesTheLastExaminedPathAndSegment) {
    // The walk goes from the top: the path drawn first is examined last.
    const AIArtHandle last = Line({{200, 0}, {300, 0}, {300, 80}}, true);
    Line({{0, 0}, {100, 0}, {100, 50}});
    const AIArtHandle hidden = Line({{400, 0}, {500, 0}});
    SetAttr(hidden, kArtHidden);
    const WalkAnswer full = Walk({1000, 1000}, WalkCulling::None);
    const WalkAnswer culled = Walk({1000, 1000}, WalkCulling::ByControlBoxes);
    ExpectSame(culled, full);
    EXPECT_EQ(culled.Hit.HitArt, last);
    EXPECT_POINT(culled.Hit.SnapSegment.p, 200, 0);  // the closing segment, from the first anchor
    EXPECT_POINT(culled.Hit.HitSegment.p, 300, 80);
}

}  // namespace
}  // namespace hovertest
