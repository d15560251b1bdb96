// Set-up of the angle, circle and Bézier builder tests on top of the builders' shared one: the values those
// builders read besides, reset after each test, and readers of the parts they shape.
#pragma once

#include <cmath>
#include <numbers>
#include <vector>

#include "builders_fixture.h"
#include "dimension/CurrentDimension.h"
#include "records/BezierExtraValues.h"

namespace dimtest {

constexpr double kPi = std::numbers::pi;
// Artwork points are single precision.
constexpr double kNear = 1e-3;

class AngularBuilderTest : public BuilderTest {
  protected:
    void TearDown() override {
        
        gBezierExtraValues = BezierExtraValues{};
        gMeasuredPoints.AngleFlip = 0;
        BuilderTest::TearDown();
    }
    static AIRealPoint Anchor(AIArtHandle path, size_t i) { return Node(path).segments.at(i).p; }
    static AIRealPoint LastAnchor(AIArtHandle path) { return Node(path).segments.back().p; }
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
        return AIRealPoint{static_cast<AIReal>(c.h + r * std::cos(a)),
                           static_cast<AIReal>(c.v + r * std::sin(a))};
    }
    static AIPathSegment Corner(AIReal h, AIReal v) { return sim::CornerSegment(h, v); }
};

} // namespace dimtest

#define EXPECT_POINT_NEAR(actual, expectedH, expectedV)                                                      \
    do {                                                                                                     \
        const AIRealPoint p_ = (actual);                                                                     \
        EXPECT_NEAR(p_.h, (expectedH), dimtest::kNear) << "h";                                               \
        EXPECT_NEAR(p_.v, (expectedV), dimtest::kNear) << "v";                                               \
    } while (0)
