// Dimensions with room for their value and end marks are drawn exactly as they always were: every part of
// each case is compared, point by point, with the drawing kept in golden/fitting-drawings.txt. Set
// TAVORINE_RECORD_GOLDEN=1 to write that file again from the current builders.
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <functional>
#include <sstream>
#include <string>

#include "angular_fixture.h"
#include "dimension/AngleBuilders.h"
#include "dimension/CircleBuilder.h"
#include "dimension/LinearDimensions.h"
#include "dimension/Skeletons.h"

using dimtest::AngularBuilderTest;
using dimtest::kPi;

namespace {

const std::string kGoldenPath = std::string(TAVORINE_SOURCE_DIR) + "/tests/dimension/golden/fitting-drawings.txt";

std::string Number(double x) {
    char text[32];
    std::snprintf(text, sizeof text, "%.3f", x);
    return std::string(text) == "-0.000" ? "0.000" : text;
}

std::string PointText(AIRealPoint p) { return "(" + Number(p.h) + "," + Number(p.v) + ")"; }

// Every part of the group, in paint order: its anchors and handles, or its text, size and placement.
std::string Drawing(const sim::Document& doc, AIArtHandle group) {
    std::string out;
    for (AIArtHandle art : doc.Children(group)) {
        const sim::ArtNode& node = *doc.Art(art);
        if (node.type == kTextFrameArt) {
            const AIRealMatrix& m = node.text.transform;
            out += "  text \"" + node.text.contents + "\" size " + Number(node.text.size) + " matrix " +
                   Number(m.a) + " " + Number(m.b) + " " + Number(m.c) + " " + Number(m.d) + " at " +
                   PointText({m.tx, m.ty}) + "\n";
            continue;
        }
        out += "  path";
        for (const AIPathSegment& s : node.segments)
            out += " " + PointText(s.p) + PointText(s.in) + PointText(s.out);
        out += "\n";
    }
    return out;
}

struct FittingCase {
    const char* Name;
    std::function<void()> Build;
};

void Measure(AIRealPoint a, AIRealPoint b) {
    gMeasuredPoints.FirstPoint.p = a;
    gMeasuredPoints.SecondPoint.p = b;
}

void Series(std::initializer_list<AIRealPoint> points) {
    size_t i = 0;
    for (const AIRealPoint p : points)
        gSeriesPointTable.SeriesPoint[i++].p = p;
    gToolState.ClickCount = static_cast<int16_t>(i);
    gCurrentOptions.SeriesLabelStep = 30.0f;
    gCurrentOptions.SideTiesOn = 0;
    ASSERT_EQ(TagSeriesArt(), kNoErr);
}

void Circle(bool diameter, AIRealPoint label) {
    gMeasuredPoints.CircleCentre = {0.0f, 0.0f};
    gMeasuredPoints.CircleRadius = 50.0f;
    gCurrentOptions.Diameter = diameter ? 1 : 0;
    gCurrentOptions.CircleTieLength = 80.0;
    ASSERT_EQ(BuildCircleDimensionArt(), kNoErr);
    ASSERT_EQ(DrawCircleDimension(label.h, label.v, 0, 0, 0, 0), kNoErr);
}

const FittingCase kCases[] = {
    {"parallel long",
     [] {
         Measure({0.0f, 0.0f}, {200.0f, 0.0f});
         ASSERT_EQ(BuildSegmentDimensionArt(), kNoErr);
         ASSERT_EQ(DrawParallelDimensionWithTextGap(100.0f, -30.0f, 0, 0, 0, 0, 0), kNoErr);
     }},
    {"parallel slanted",
     [] {
         Measure({0.0f, 0.0f}, {120.0f, 90.0f});
         ASSERT_EQ(BuildSegmentDimensionArt(), kNoErr);
         ASSERT_EQ(DrawParallelDimensionWithTextGap(30.0f, 60.0f, 0, 0, 0, 0, 0), kNoErr);
     }},
    {"parallel slanted, horizontal text",
     [] {
         gCurrentOptions.HorizontalText = 1;
         Measure({0.0f, 0.0f}, {120.0f, 90.0f});
         ASSERT_EQ(BuildSegmentDimensionArt(), kNoErr);
         ASSERT_EQ(DrawParallelDimensionWithTextGap(30.0f, 60.0f, 0, 0, 0, 0, 0), kNoErr);
     }},
    {"horizontal",
     [] {
         ASSERT_EQ(BuildSegmentDimensionArt(), kNoErr);
         ASSERT_EQ(DrawHorizontalDimensionWithTextGap(20.0f, -40.0f, 0.0f, 0.0f, 150.0f, 60.0f, 0, 0, 0, 0),
                   kNoErr);
     }},
    {"vertical",
     [] {
         ASSERT_EQ(BuildSegmentDimensionArt(), kNoErr);
         ASSERT_EQ(DrawVerticalDimensionWithTextGap(90.0f, 20.0f, 0.0f, 0.0f, 40.0f, 150.0f, 0, 0, 0, 0),
                   kNoErr);
     }},
    {"side text past the second end",
     [] {
         Measure({0.0f, 0.0f}, {160.0f, 0.0f});
         gCurrentOptions.SideTieLength = 25.0;
         gDimensionValues.ExtensionLineReach = 29.0;
         gToolState.LabelPosition = 2;
         ASSERT_EQ(BuildSegmentDimensionArt(), kNoErr);
         ASSERT_EQ(DrawParallelDimensionSideText(0, 0, 0), kNoErr);
     }},
    {"rebuild at the live offset",
     [] {
         Measure({10.0f, 10.0f}, {170.0f, 10.0f});
         gCurrentOptions.SideTieLength = -35.0;
         gCurrentOptions.DimensionOrientation = kHorizontalDimension;
         ASSERT_EQ(BuildSegmentDimensionArt(), kNoErr);
         ASSERT_EQ(DrawSegmentDimension(), kNoErr);
     }},
    {"series from the origin, no extension lines",
     [] {
         Series({{0.0f, 0.0f}, {100.0f, 0.0f}, {200.0f, 0.0f}, {310.0f, 0.0f}});
         ASSERT_EQ(DrawSeriesFromOriginHorizontal(50.0f, -30.0f, 0), kNoErr);
     }},
    {"chained series, no extension lines",
     [] {
         Series({{0.0f, 0.0f}, {100.0f, 20.0f}, {220.0f, 0.0f}, {350.0f, 10.0f}});
         ASSERT_EQ(DrawSeriesChainHorizontal(50.0f, -30.0f, 0), kNoErr);
     }},
    {"angle of 100 degrees",
     [] {
         gCurrentOptions.ActiveEndMarkSize = 100.0;
         ASSERT_EQ(BuildAngleDimensionArt(), kNoErr);
         ASSERT_EQ(DrawAngleDimension(0.0f, 0.0f, 80.0f, static_cast<AIReal>(100.0 * kPi / 180.0), 0.0f,
                                      gCurrentDimension.AngleArcs, 0, 0, 0, 0, 0),
                   kNoErr);
     }},
    {"radius, label outside on a long shoulder", [] { Circle(false, {80.0f, 60.0f}); }},
    {"diameter, label outside on a long shoulder", [] { Circle(true, {-70.0f, 70.0f}); }},
};

class FittingUnchanged : public AngularBuilderTest {
protected:
    void TearDown() override {
        gToolState.LabelPosition = 0;
        gToolState.ClickCount = 0;
        gDimensionValues.ExtensionLineReach = 0.0;
        AngularBuilderTest::TearDown();
    }
};

std::string ReadAll(const std::string& path) {
    std::ifstream in(path);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

// The golden text of one case: from its "== NAME" line to the next case.
std::string GoldenCase(const std::string& all, const std::string& name) {
    const std::string head = "== " + std::string(name) + "\n";
    const size_t start = all.find(head);
    if (start == std::string::npos) return "(missing)";
    const size_t body = start + head.size();
    const size_t end = all.find("\n== ", body);
    return all.substr(body, end == std::string::npos ? std::string::npos : end + 1 - body);
}

} // namespace

TEST_F(FittingUnchanged, EveryFittingCaseIsDrawnAsBefore) {
    const bool record = std::getenv("TAVORINE_RECORD_GOLDEN") != nullptr;
    const std::string golden = ReadAll(kGoldenPath);
    std::string recorded;
    for (const FittingCase& c : kCases) {
        SCOPED_TRACE(c.Name);
        const AIArtHandle group = StartGroup();
        c.Build();
        gCurrentOptions.HorizontalText = 0;
        gCurrentOptions.DimensionOrientation = 0;
        gCurrentOptions.SideTiesOn = 1;
        gToolState.LabelPosition = 0;
        const std::string drawn = Drawing(Doc(), group);
        recorded += "== " + std::string(c.Name) + "\n" + drawn;
        if (!record) {
            EXPECT_EQ(drawn, GoldenCase(golden, c.Name));
        }
    }
    if (record) std::ofstream(kGoldenPath) << recorded;
}
