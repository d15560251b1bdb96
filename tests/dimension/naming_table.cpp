// The names of dimension groups by tool and options.
#include <functional>
#include <ostream>

#include "dimension/Naming.h"
#include "panel/CurrentOptions.h"
#include "records/BezierExtraValues.h"
#include "skeleton_fixture.h"
#include "records/ToolState.h"

using dimtest::DimensionArtTest;

namespace {

struct NameCase {
    const char* expected;
    std::function<void()> set;  // the tool and options
};

void PrintTo(const NameCase& c, std::ostream* out) { *out << c.expected; }

void Segment(int32_t orientation, int32_t series, int32_t seriesKind) {
    gToolState.CurrentTool = kSegmentTool;
    gCurrentOptions.DimensionOrientation = orientation;
    gCurrentOptions.SeriesOn = series;
    gCurrentOptions.SeriesKind = seriesKind;
}

void Bezier(int32_t element) {
    gToolState.CurrentTool = kBezierTool;
    gBezierExtraValues.ConstructionKind = element;
}

const NameCase kNames[] = {
    {"Segment oblique", [] { Segment(0, 0, 0); }},
    {"Segment horiz", [] { Segment(1, 0, 0); }},
    {"Segment verti", [] { Segment(2, 0, 1); }},
    {"Segment série oblique", [] { Segment(0, 1, 0); }},
    {"Segment série horiz", [] { Segment(1, 1, 0); }},
    {"Segment série verti", [] { Segment(2, 1, 0); }},
    {"Segment série chaînée oblique", [] { Segment(0, 1, 1); }},
    {"Segment série chaînée horiz", [] { Segment(1, 1, 1); }},
    {"Segment série chaînée verti", [] { Segment(2, 1, 1); }},
    {"Segment oblique", [] { Segment(7, 0, 0); }},
    {"Segment longueur d'arc", [] { Segment(1, 1, 0); gToolState.ArcLengthMode = 1; }},
    {"Segment le long de la courbe", [] { Segment(2, 0, 0); gToolState.CurveOffsetMode = 1; }},
    {"Angle", [] { gToolState.CurrentTool = kAngleTool; }},
    {"Angle arc", [] { gToolState.CurrentTool = kAngleTool; gToolState.AngleOnArc = 1; }},
    {"Cercle Rayon", [] { gToolState.CurrentTool = kCircleTool; gCurrentOptions.Diameter = 0; }},
    {"Cercle Diamètre", [] { gToolState.CurrentTool = kCircleTool; gCurrentOptions.Diameter = 1; }},
    {"Bézier réticule", [] { Bezier(0); }},
    {"Bézier partage arc", [] { Bezier(1); }},
    {"Bézier partage angle", [] { Bezier(2); }},
    {"Bézier partage segment", [] { Bezier(3); }},
    {"Bézier partage courbe", [] { Bezier(4); }},
    {"Bézier rayon local", [] { Bezier(5); }},
    {"Bézier tangente locale", [] { Bezier(6); }},
    {"Bézier courbe", [] { Bezier(7); }},
};

class GroupNames : public DimensionArtTest, public ::testing::WithParamInterface<NameCase> {};

}  // namespace

TEST_P(GroupNames, TheGroupIsNamedAfterTheKindOfItsDimension) {
    GetParam().set();
    EXPECT_EQ(NameDimensionArt(), kNoErr);
    EXPECT_EQ(Doc().DisplayName(Dim().DimensionGroup), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(EveryKind, GroupNames, ::testing::ValuesIn(kNames));

TEST_F(DimensionArtTest, NothingIsNamedWithoutADrawingToolOrBeforeABezierElement) {
    for (const int32_t tool : {0, static_cast<int32_t>(kMeasureTool)}) {
        gToolState.CurrentTool = tool;
        EXPECT_EQ(NameDimensionArt(), kBadParameterErr);
    }
    Bezier(8);
    EXPECT_EQ(NameDimensionArt(), kBadParameterErr);
    EXPECT_EQ(Doc().DisplayName(Dim().DimensionGroup), "<Groupe>");
}

TEST_F(DimensionArtTest, AGroupTheUserDeletedIsNotNamed) {
    gToolState.CurrentTool = kAngleTool;
    Doc().DisposeArt(Doc().MutableArt(Dim().DimensionGroup));
    EXPECT_EQ(NameDimensionArt(), kBadParameterErr);
}
