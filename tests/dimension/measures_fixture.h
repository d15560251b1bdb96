// Shared set-up of the tests that measure paths: the plug-in started in a fresh stand-in host.
#pragma once

#include <gtest/gtest.h>

#include <vector>

#include "dimension/Measures.h"
#include "frame/FrameEntry.h"
#include "resources/Resources.h"
#include "simhost/Document.h"
#include "simhost/PluginConnection.h"
#include "simhost/SimHost.h"
#include "value_fixture.h"

namespace measuretest {

// The handle length of the usual four-piece circle, as a fraction of the radius.
constexpr float kCircleHandle = 0.5522847498f;

class MeasureTest : public valuetest::ValueTextTest {
protected:
    void SetUp() override {
        sim::ResetHost();
        sim::ThePlugin().Load(PluginMain, PluginResources);
        ASSERT_EQ(sim::ThePlugin().Startup(), kNoErr);
        valuetest::UseDefaultFormat();
        gCurrentOptions.Unit = kUnitPoints;
    }
    void TearDown() override {
        sim::ThePlugin().Shutdown();
        valuetest::ReleaseFormat();
    }

    static sim::Document& Doc() { return sim::TheDocument(); }

    static AIArtHandle Polyline(const std::vector<AIRealPoint>& points, bool closed) {
        return Doc().DrawPolyline(points, closed);
    }

    // A circle of four quarters, counter-clockwise from (cx + r, cy).
    static AIArtHandle Circle(float cx, float cy, float r) {
        const float k = kCircleHandle * r;
        const std::vector<AIPathSegment> anchors = {
            sim::CurveSegment({cx + r, cy}, {cx + r, cy - k}, {cx + r, cy + k}),
            sim::CurveSegment({cx, cy + r}, {cx + k, cy + r}, {cx - k, cy + r}),
            sim::CurveSegment({cx - r, cy}, {cx - r, cy + k}, {cx - r, cy - k}),
            sim::CurveSegment({cx, cy - r}, {cx - k, cy - r}, {cx + k, cy - r}),
        };
        return Doc().DrawPath(anchors, true);
    }
};

}  // namespace measuretest
