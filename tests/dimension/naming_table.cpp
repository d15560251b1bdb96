// The names of dimension groups by tool and options.
#include <functional>
#include <ostream>

#include "case_name.h"
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

void Bezier(BezierElement element) {
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
    {"Bézier réticule", [] { Bezier(kReticleElement); }},
    {"Bézier partage arc", [] { Bezier(kArcElement); }},
    {"Bézier partage angle", [] { Bezier(kAngleElement); }},
    {"Bézier partage segment", [] { Bezier(kSegmentElement); }},
    {"Bézier partage courbe", [] { Bezier(kCurveElement); }},
    {"Bézier rayon local", [] { Bezier(kRadiusElement); }},
    {"Bézier tangente locale", [] { Bezier(kTangentElement); }},
    {"Bézier courbe", [] { Bezier(kCreationElement); }},
};

class GroupNames : public DimensionArtTest, public ::testing::WithParamInterface<NameCase> {};

}  // namespace

TEST_P(GroupNames, TheGroupIsNamedAfterTheKindOfItsDimension) {
    GetParam().set();
    EXPECT_EQ(NameDimensionArt(), kNoErr);
    EXPECT_EQ(Doc().DisplayName(Dim().DimensionGroup), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(EveryKind, GroupNames, ::testing::ValuesIn(kNames),
                         [](const auto& info) { return CaseName(info.param.expected, info.index); });

TEST_F(DimensionArtTest, NothingIsNamedWithoutADrawingToolOrBeforeABezierElement) {
    for (const ToolNumber tool : {kNoToolSelected, kMeasureTool}) {
        gToolState.CurrentTool = tool;
        EXPECT_EQ(NameDimensionArt(), kBadParameterErr);
    }
    Bezier(kNoBezierElement);
    EXPECT_EQ(NameDimensionArt(), kBadParameterErr);
    EXPECT_EQ(Doc().DisplayName(Dim().DimensionGroup), "<Groupe>");
}

TEST_F(DimensionArtTest, AGroupTheUserDeletedIsNotNamed) {
    gToolState.CurrentTool = kAngleTool;
    Doc().DisposeArt(Doc().MutableArt(Dim().DimensionGroup));
    EXPECT_EQ(NameDimensionArt(), kBadParameterErr);
}
