// The hit tests and the cursor snap look only at the paths the bounds index files near the point; on generated
// documents they answer exactly what a walk of every art answers, also after the art has been changed through
// the suites and by hand.
#include "hittest_fixture.h"

#include "host/TransformArtSuite.h"
#include "random_drawing.h"
#include "simhost/CursorSnap.h"
#include "simhost/document/Internal.h"

namespace {

bool SameHit(const AIToolHitData& a, const AIToolHitData& b) {
    return a.hit == b.hit && a.type == b.type && a.object == b.object && a.segment == b.segment && a.t == b.t &&
           a.point.h == b.point.h && a.point.v == b.point.v;
}

class IndexedHitTest : public HitTestTest {
  protected:
    // Every probe, request and tolerance: the indexed answer is the walk's. Answers the number of hits.
    int ExpectSameAnswers(const std::vector<AIRealPoint>& probes) {
        int hits = 0;
        for (const AIRealPoint& p : probes) {
            for (const int32_t request : {kAnyHitRequest, kAnchorHitRequest, kSegmentHitRequest}) {
                for (const AIReal tolerance : {0.0f, 4.0f, 8.0f}) {
                    AIToolHitData near;
                    AIToolHitData every;
                    EXPECT_EQ(sim::HitTestWith(sim::HitSearch::NearPaths, nullptr, p, request, tolerance, &near), kNoErr);
                    EXPECT_EQ(sim::HitTestWith(sim::HitSearch::EveryArt, nullptr, p, request, tolerance, &every), kNoErr);
                    EXPECT_TRUE(SameHit(near, every)) << "at " << p.h << "," << p.v << " request " << request
                                                      << " tolerance " << tolerance;
                    hits += every.hit != 0 ? 1 : 0;
                }
            }
        }
        return hits;
    }
};

TEST_F(IndexedHitTest, GeneratedDocumentsAnswerAsTheWalkOfEveryArt) {
    for (unsigned seed = 1; seed <= 2; ++seed) {
        sim::ResetHost();
        const randomdrawing::Drawing drawing = randomdrawing::DrawRandom(seed, 30);
        EXPECT_GT(ExpectSameAnswers(drawing.probes), 100) << "the probes should hit something, seed " << seed;
    }
}

TEST_F(IndexedHitTest, ArtChangedThroughTheSuitesOrByHandIsFoundWhereItIsNow) {
    randomdrawing::Drawing drawing = randomdrawing::DrawRandom(7, 20);
    Hit({150.0f, 150.0f}, kSegmentHitRequest, 4.0f);  // the index is filed before the changes
    const AIRealMatrix shift{1.0f, 0.0f, 0.0f, 1.0f, 500.0f, 20.0f};
    ASSERT_EQ(sim::TransformArtSuiteTable().TransformArt(drawing.paths[0], &shift, 1.0f, kTransformObjects), kNoErr);
    ASSERT_EQ(sim::TransformArtSuiteTable().TransformArt(doc.FindArtByName("Groupe"), &shift, 1.0f, kTransformObjects),
              kNoErr);
    const AIPathSegment moved = sim::CornerSegment(650.0f, 40.0f);
    ASSERT_EQ(sim::PathSuiteTable().SetPathSegments(drawing.paths[1], 0, 1, &moved), kNoErr);
    ASSERT_EQ(sim::PathSuiteTable().InsertPathSegments(drawing.paths[2], 1, 1, &moved), kNoErr);
    ASSERT_EQ(sim::PathSuiteTable().DeletePathSegments(drawing.paths[3], 0, 1), kNoErr);
    doc.MutableArt(drawing.paths[4])->segments[0] = sim::CornerSegment(700.0f, 60.0f);
    ASSERT_EQ(sim::PathSuiteTable().SetPathClosed(drawing.paths[7], doc.Art(drawing.paths[7])->closed ? 0 : 1), kNoErr);
    ASSERT_EQ(sim::ArtSuiteTable().DisposeArt(drawing.paths[5]), kNoErr);
    ASSERT_EQ(sim::ArtSuiteTable().ReorderArt(drawing.paths[6], kPlaceAboveAll, drawing.paths[10]), kNoErr);
    AIArtHandle copy = nullptr;
    ASSERT_EQ(sim::ArtSuiteTable().DuplicateArt(drawing.paths[8], kPlaceBelowAll, drawing.paths[9], &copy), kNoErr);
    ASSERT_EQ(sim::TransformArtSuiteTable().TransformArt(copy, &shift, 1.0f, kTransformObjects), kNoErr);
    for (AIArtHandle art : doc.AllArt()) {
        const sim::ArtNode* node = doc.Art(art);
        for (const AIPathSegment& s : node->segments) {
            drawing.probes.push_back(s.p);
            drawing.probes.push_back({s.p.h - 500.0f, s.p.v - 20.0f});  // where shifted art was
        }
    }
    EXPECT_GT(ExpectSameAnswers(drawing.probes), 100);
    EXPECT_EQ(Hit({650.0f, 40.0f}, kAnchorHitRequest, 1.0f).object, drawing.paths[2]);
    // The art suite's bounds, kept with the index, are those of the art as it is now.
    for (AIArtHandle art : doc.AllArt()) {
        AIRealRect kept;
        AIRealRect now{};
        ASSERT_EQ(sim::ArtSuiteTable().GetArtBounds(art, &kept), kNoErr);
        sim::doc::NodeBounds(*doc.Art(art), &now);
        EXPECT_TRUE(kept.left == now.left && kept.top == now.top && kept.right == now.right && kept.bottom == now.bottom);
    }
}

TEST_F(IndexedHitTest, TheCursorSnapFindsTheSamePointAsALookAtEveryPath) {
    for (unsigned seed = 11; seed <= 13; ++seed) {
        sim::ResetHost();
        const randomdrawing::Drawing drawing = randomdrawing::DrawRandom(seed, 12);
        int snapped = 0;
        for (size_t k = 0; k < drawing.probes.size(); k += 3) {
            const AIRealPoint p = drawing.probes[k];
            for (const char* control : {"A i o", "i"}) {
                const AIRealPoint near = sim::SnapWith(sim::HitSearch::NearPaths, p, control);
                const AIRealPoint every = sim::SnapWith(sim::HitSearch::EveryArt, p, control);
                EXPECT_EQ(near.h, every.h) << p.h << "," << p.v << " " << control;
                EXPECT_EQ(near.v, every.v) << p.h << "," << p.v << " " << control;
                snapped += near.h != p.h || near.v != p.v ? 1 : 0;
            }
        }
        EXPECT_GT(snapped, 10) << "seed " << seed;
    }
}

}  // namespace
