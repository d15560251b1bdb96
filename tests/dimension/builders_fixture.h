// Shared set-up of the angle, circle and Bézier builder tests: the plug-in started in the stand-in with a
// dimension group, and readers of the parts the builders shape.
#pragma once

#include <cmath>
#include <numbers>
#include <vector>

#include "dimension/BuilderOptions.h"
#include "dimension/CurrentDimension.h"
#include "panel/CurrentOptions.h"
#include "skeleton_fixture.h"
#include "tools/MeasuredPoints.h"

namespace dimtest {

constexpr double kPi = std::numbers::pi;
// Artwork points are single precision.
constexpr double kNear = 1e-3;

class BuilderTest : public DimensionArtTest {
protected:
    void TearDown() override {
        gArcMarkOptions = ArcMarkOptions{};
        gBezierExtraValues = BezierExtraValues{};
        gMeasuredPoints.AngleFlip = 0;
        DimensionArtTest::TearDown();
    }
    static std::vector<AIPathSegment> Segments(AIArtHandle path) { return Node(path).segments; }
    static AIRealPoint Anchor(AIArtHandle path, size_t i) { return Node(path).segments.at(i).p; }
    static AIRealPoint LastAnchor(AIArtHandle path) { return Node(path).segments.back().p; }
    static const std::string& LabelText() { return Node(Dim().LabelFrames[0]).text.contents; }
    static AIRealPoint LabelAnchor() {
        const AIRealMatrix& m = Node(Dim().LabelFrames[0]).text.transform;
        return AIRealPoint{m.tx, m.ty};
    }
    // The mean of a path's anchors: which side of a point an end mark lies on.
    static AIRealPoint Centroid(AIArtHandle path) {
        const std::vector<AIPathSegment> s = Segments(path);
        double h = 0.0, v = 0.0;
        for (const AIPathSegment& seg : s) {
            h += seg.p.h;
            v += seg.p.v;
        }
        const double n = s.empty() ? 1.0 : static_cast<double>(s.size());
        return AIRealPoint{static_cast<AIReal>(h / n), static_cast<AIReal>(v / n)};
    }
    static AIRealPoint Polar(AIRealPoint c, double r, double a) {
        return AIRealPoint{static_cast<AIReal>(c.h + r * std::cos(a)), static_cast<AIReal>(c.v + r * std::sin(a))};
    }
    static AIPathSegment Corner(AIReal h, AIReal v) { return sim::CornerSegment(h, v); }
};

}  // namespace dimtest

#define EXPECT_POINT_NEAR(actual, expectedH, expectedV)            \
    do {                                                           \
        const AIRealPoint p_ = (actual);                           \
        EXPECT_NEAR(p_.h, (expectedH), dimtest::kNear) << "h";     \
        EXPECT_NEAR(p_.v, (expectedV), dimtest::kNear) << "v";     \
    } while (0)
