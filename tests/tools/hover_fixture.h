// The plug-in started in a fresh stand-in host with hit tests and cursor snapping, a document to draw paths
// in and helpers that hover a tool's cursor over them.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "dimension/DimensionArtFormat.h"
#include "dimension/Geometry.h"
#include "dimension/ValueFormat.h"
#include "frame/FrameEntry.h"
#include "host/ArtSuite.h"
#include "resources/Resources.h"
#include "simhost/CursorSnap.h"
#include "simhost/Document.h"
#include "simhost/HitTest.h"
#include "simhost/PluginConnection.h"
#include "simhost/SimHost.h"
#include "records/HitState.h"
#include "tools/HoverTests.h"
#include "records/MeasuredPoints.h"
#include "records/Records.h"
#include "tools/RememberedSegments.h"
#include "records/ToolState.h"

namespace hovertest {

// The handle length that makes a cubic follow a quarter circle of radius 1.
constexpr float kQuarterArcHandle = 0.5522847f;

class HoverTest : public ::testing::Test {
protected:
    void SetUp() override {
        ResetRecords();
        gValueTextBuffer.Clear();  // the texts last formatted, which the Info panel shows
        gAreaTextBuffer.Clear();
        gFoundArc = FoundArc{};
        sim::ResetHost();
        sim::ThePlugin().Load(PluginMain, PluginResources);
        ASSERT_EQ(sim::ThePlugin().Startup(), kNoErr);
    }
    void TearDown() override {
        EXPECT_EQ(sim::OutstandingHitRefs(), 0u) << "a hover test left a hit reference";
        FreeRememberedSegments();
        sim::ThePlugin().Shutdown();
    }

    static sim::Document& Doc() { return sim::TheDocument(); }
    static HoverFlagSet& Flags() { return gHitState.HoverFlags; }

    static AIArtHandle Line(std::vector<AIRealPoint> points, bool closed = false) {
        return Doc().DrawPolyline(points, closed);
    }
    // The quarter circle of radius r about the origin from (r, 0) to (0, r).
    static AIArtHandle QuarterArc(float r) {
        const float k = kQuarterArcHandle * r;
        return Doc().DrawPath({sim::CurveSegment({r, 0}, {r, 0}, {r, k}), sim::CurveSegment({0, r}, {k, r}, {0, r})},
                              false);
    }
    // A circle of radius r about the origin: four quarter arcs, closed.
    static AIArtHandle Circle(float r) {
        const float k = kQuarterArcHandle * r;
        return Doc().DrawPath({sim::CurveSegment({r, 0}, {r, -k}, {r, k}), sim::CurveSegment({0, r}, {k, r}, {-k, r}),
                               sim::CurveSegment({-r, 0}, {-r, k}, {-r, -k}), sim::CurveSegment({0, -r}, {-k, -r}, {k, -r})},
                              true);
    }
    // A curve from (0, 0) to (100, 0) that swings up then down: no circle follows it.
    static AIArtHandle SCurve() {
        return Doc().DrawPath({sim::CurveSegment({0, 0}, {0, 0}, {30, 60}), sim::CurveSegment({100, 0}, {70, -60}, {100, 0})},
                              false);
    }
    static void Tag(AIArtHandle art, const char* key) {
        sim::TagValue value;
        value.text = DimensionArtFormat::VekValue;
        Doc().MutableArt(art)->tags[key] = value;
    }
    // A dimension part: "vek" and, when given, a kind marker.
    static void MakeDimensionPart(AIArtHandle art, const char* marker) {
        Tag(art, DimensionArtFormat::Vek);
        if (marker != nullptr) Tag(art, marker);
    }
    static void SetAttr(AIArtHandle art, int32_t attr) { Doc().SetUserAttr(Doc().MutableArt(art), attr, attr); }
    static bool Locked(AIArtHandle art) { return (Doc().Art(art)->userAttr & kArtLocked) != 0; }

    static AIToolMessage At(AIRealPoint cursor) {
        AIToolMessage message;
        message.cursor = cursor;
        return message;
    }
    // The hover flags as 0/1 in their declared order, for one comparison.
    static std::vector<int32_t> FlagList() {
        const HoverFlagSet& f = gHitState.HoverFlags;
        return {f.OverCentre, f.OverAnchor, f.OverIntersection, f.OverSegment, f.OverArc,
                f.OverCurve,  f.OverDimension, f.OverDimensionArc, f.NotAVertex};
    }
    static void SetEveryFlag() {
        HoverFlagSet& f = gHitState.HoverFlags;
        f.OverCentre = f.OverAnchor = f.OverIntersection = f.OverSegment = f.OverArc = f.OverCurve = 1;
        f.OverDimension = f.OverDimensionArc = f.NotAVertex = 1;
    }
};

// Flag lists with one flag set.
inline std::vector<int32_t> Only(int32_t index) {
    std::vector<int32_t> flags(9, 0);
    flags[static_cast<size_t>(index)] = 1;
    return flags;
}
enum FlagIndex : int32_t {
    kCentre = 0, kAnchor, kIntersection, kSegment, kArc, kCurve, kDimension, kDimensionArc, kNotAVertex
};
inline std::vector<int32_t> NoFlag() { return std::vector<int32_t>(9, 0); }
inline std::vector<int32_t> With(std::vector<int32_t> flags, int32_t index) {
    flags[static_cast<size_t>(index)] = 1;
    return flags;
}

#define EXPECT_POINT(actual, x, y)            \
    do {                                      \
        EXPECT_FLOAT_EQ((actual).h, (x));     \
        EXPECT_FLOAT_EQ((actual).v, (y));     \
    } while (0)
#define EXPECT_POINT_NEAR(actual, x, y, tol)  \
    do {                                      \
        EXPECT_NEAR((actual).h, (x), (tol));  \
        EXPECT_NEAR((actual).v, (y), (tol));  \
    } while (0)

} // namespace hovertest
