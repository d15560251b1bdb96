// Shared set-up of the builder tests: the plug-in started, a dimension group, lengths shown in whole points
// and a known triangular end mark (tip at the origin, the line starting 9 units in).
#pragma once

#include <cmath>
#include <vector>

#include "dimension/DimensionArt.h"
#include "dimension/Geometry.h"
#include "frame/ArrowHeads.h"
#include "panel/CurrentOptions.h"
#include "simhost/Text.h"
#include "skeleton_fixture.h"
#include "records/MeasuredPoints.h"
#include "records/ToolState.h"

namespace dimtest {

class BuilderTest : public DimensionArtTest {
  protected:
    void SetUp() override {
        DimensionArtTest::SetUp();
        gCurrentOptions.Unit = kUnitPoints;
        gCurrentOptions.Decimals = 0;
        gCurrentOptions.ShowUnit = 1;
        gCurrentOptions.EndMarkSize = 100.0;
        gCurrentOptions.TextSize = 10.0;
        gCurrentOptions.SideTiesOn = 1;
        gCurrentOptions.HorizontalText = 0;
        gCurrentOptions.SegmentOffsetX = 0.0;
        gCurrentOptions.SegmentOffsetY = 0.0;
        gCurrentOptions.ArrowHeads = 1;
        gCurrentOptions.ArrowPreset = 0;
        ArrowHeadShape& s = gArrowHeadShape;
        s = ArrowHeadShape();
        s.PointCount = 3;
        const float xs[3] = {0.0f, 9.0f, 9.0f}, ys[3] = {0.0f, 3.0f, -3.0f};
        for (int k = 0; k < 3; ++k) {
            s.AnchorX[k] = s.InX[k] = s.OutX[k] = xs[k];
            s.AnchorY[k] = s.InY[k] = s.OutY[k] = ys[k];
        }
        s.LineStartOffset = {9.0f, 0.0f};
        s.EndMarkClosed = 1;
    }

    static std::vector<AIPathSegment> Segments(AIArtHandle art) { return Node(art).segments; }
    static std::vector<AIRealPoint> Anchors(AIArtHandle art) {
        std::vector<AIRealPoint> points;
        for (const AIPathSegment& s : Segments(art))
            points.push_back(s.p);
        return points;
    }
    static std::string LabelText(size_t i = 0) { return Node(Dim().LabelFrames[i]).text.contents; }
    static AIRealPoint LabelAnchor(size_t i = 0) {
        const AIRealMatrix& m = Node(Dim().LabelFrames[i]).text.transform;
        return {m.tx, m.ty};
    }
    static void Measure(AIRealPoint a, AIRealPoint b) {
        gMeasuredPoints.FirstPoint.p = a;
        gMeasuredPoints.SecondPoint.p = b;
    }
};

// Two points equal within `tolerance` in both coordinates.
inline ::testing::AssertionResult Near(AIRealPoint actual, AIRealPoint expected, double tolerance = 1e-3) {
    if (std::abs(actual.h - expected.h) <= tolerance && std::abs(actual.v - expected.v) <= tolerance) {
        return ::testing::AssertionSuccess();
    }
    return ::testing::AssertionFailure()
           << "(" << actual.h << ", " << actual.v << ") is not (" << expected.h << ", " << expected.v << ")";
}

} // namespace dimtest
