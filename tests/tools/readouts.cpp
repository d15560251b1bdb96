// The read-outs of a figure being created and the click-step hints, as the annotator would draw them.
#include <string>
#include <vector>

#include "dimension/Geometry.h"
#include "dimension/ValueFormat.h"
#include "frame/SuiteTable.h"
#include "host/ArtSetSuite.h"
#include "hover_fixture.h"
#include "tools/Readouts.h"

namespace {

using hovertest::HoverTest;

class ReadoutTest : public HoverTest {
protected:
    void SetUp() override {
        HoverTest::SetUp();
        gCurrentOptions.Unit = kUnitPoints;
        gCurrentOptions.Decimals = 0;
        gCurrentOptions.ShowUnit = 1;
        gCurrentOptions.ShowAngleUnit = 1;
        gSettings.ScaleRatio = 1.0;
        gCurrentOptions.Unit = kUnitPoints;
        gCurrentOptions.Decimals = 0;
        gCurrentOptions.ShowUnit = 1;
        gCurrentOptions.ShowAngleUnit = 1;
    }
    static std::vector<std::string> Lines(const FeedbackText& text) {
        std::vector<std::string> lines;
        for (int16_t row = 0; row < text.LineCount; ++row) lines.emplace_back(text.Lines[row].CStr());
        return lines;
    }
    using Column = std::vector<std::string>;
};

TEST_F(ReadoutTest, SegmentCreationShowsLengthAndInclination) {
    gToolState.CurrentTool = kSegmentTool;
    gMeasuredPoints.FirstPoint.p = {0, 0};
    gMeasuredPoints.SecondPoint.p = {30, 40};
    gMeasuredPoints.SegmentAngle = 0.0f;
    EXPECT_EQ(Lines(MeasureReadoutText({})), (Column{"L segment=50 pt", "Inclinaison segment=0°"}));
}

TEST_F(ReadoutTest, CircleCreationLinesByFigure) {
    gToolState.CurrentTool = kCircleTool;
    CreationReadings figure;
    figure.CircleRadius = 10.0;
    figure.Sweep = 3.14159265358979 / 2.0;
    figure.CirclePath = Line({{0, 0}, {10, 0}, {10, 10}}, true);
    gCurrentOptions.CircleCreateAngle = 0.52359879;
    EXPECT_EQ(Lines(MeasureReadoutText(figure)), (Column{"Rayon=R10 pt", "Aire=314 pt2"}));
    gCurrentOptions.CircleCreateArc = 1;
    EXPECT_EQ(Lines(MeasureReadoutText(figure)),
              (Column{"Rayon=R10 pt", "Angle=90°", "Angle Inclinaison=30°"}));
    gCurrentOptions.CircleCreateArc = 0;
    gCurrentOptions.CircleCreateSector = 1;
    EXPECT_EQ(Lines(MeasureReadoutText(figure)),
              (Column{"Rayon=R10 pt", "Angle=90°", "Angle Inclinaison=30°", "Aire=79 pt2"}));
}

TEST_F(ReadoutTest, CentredAngleAxisFollowsWindowsKey) {
    gToolState.CurrentTool = kAngleTool;
    gMeasuredPoints.AngleVertex.p = {10, 20};
    gCurrentOptions.AngleCreateAngle = 90.0;
    CreationReadings figure;
    figure.AngleSide = 5.0;
    AIRealPoint from, to;
    EXPECT_FALSE(CreatedAngleAxis(figure, from, to));
    gCurrentOptions.AngleCreateCentred = 1;
    ASSERT_TRUE(CreatedAngleAxis(figure, from, to));
    EXPECT_POINT(from, 10.0f, 20.0f);
    EXPECT_POINT_NEAR(to, 10.0f, 30.0f, 1e-5f);
    gToolState.DragModifier = 1;
    EXPECT_FALSE(CreatedAngleAxis(figure, from, to));
}

TEST_F(ReadoutTest, SegmentSeriesAnchorNumbers) {
    gHitState.HoverFlags.OverAnchor = 1;
    gCurrentOptions.SeriesOn = 1;
    gToolState.ClickCount = 3;
    EXPECT_EQ(Lines(SegmentHintText()), (Column{"Point d'ancrage 4"}));
    gToolState.ClickCount = 9;
    EXPECT_EQ(Lines(SegmentHintText()), (Column{"Point d'ancrage 10"}));
    gToolState.ClickCount = 10;
    EXPECT_EQ(SegmentHintText().LineCount, 0);
    gToolState.ClickCount = 0;
    EXPECT_EQ(Lines(SegmentHintText()), (Column{"Point d'ancrage 1"}));
}

TEST_F(ReadoutTest, SegmentSideOfClosedPolygonShowsAreaLast) {
    gToolState.CurrentTool = kSegmentTool;
    gHitState.HoverFlags.OverSegment = 1;
    gHitState.SnapSegment.p = {0, 0};
    gHitState.HitSegment.p = {10, 0};
    gHitState.HitArt = Line({{0, 0}, {10, 0}, {10, 10}});
    EXPECT_EQ(Lines(SegmentHintText()), (Column{"Segment", "10 pt"}));
    gHitState.HitArt = Line({{0, 0}, {10, 0}, {10, 10}, {0, 10}}, true);
    const Column closed = Lines(SegmentHintText());
    ASSERT_EQ(closed.size(), 4u);
    EXPECT_EQ(closed[0], "");
    EXPECT_EQ(closed[1], "Segment");
    EXPECT_EQ(closed[2], "10 pt");
    EXPECT_EQ(closed[3].rfind("Aire=", 0), 0u);
}

TEST_F(ReadoutTest, BezierDivisionEndsFlipWithControl) {
    gCurrentOptions.BezierMode = 0;
    gCurrentOptions.DivisionCount = 7;
    gSettings.DivisionEndTicks = 1;
    gHitState.HoverFlags.OverSegment = 1;
    EXPECT_EQ(Lines(BezierHintText()), (Column{"Segment (partage)", "Partage en 7", "Avec bouts"}));
    gToolState.WithEnds = 1;
    EXPECT_EQ(Lines(BezierHintText())[2], "Sans bouts");
    gSettings.DivisionEndTicks = 0;
    EXPECT_EQ(Lines(BezierHintText())[2], "Avec bouts");
}

TEST_F(ReadoutTest, BezierFullCircleIsCrosshair) {
    gHitState.HoverFlags.OverArc = 1;
    gHitState.HitArt = Line({{0, 0}, {10, 0}, {10, 10}}, true);
    EXPECT_EQ(Lines(BezierHintText()), (Column{"Réticule"}));
}

TEST_F(ReadoutTest, MeasureToolAddsClosedPathForSubtraction) {
    gHitState.HoverFlags.OverSegment = 1;
    gHitState.HitArt = Line({{0, 0}, {10, 0}, {10, 10}}, true);
    EXPECT_EQ(Lines(LengthAreaHintText()), (Column{"Sélectionne le tracé."}));
    gToolState.MeasuredCount = 1;
    EXPECT_EQ(Lines(LengthAreaHintText()),
              (Column{"Ajoute le tracé à la sélection.", "Addition de l'aire à l'aire totale."}));
    gToolState.SubtractArea = 1;
    EXPECT_EQ(Lines(LengthAreaHintText())[1], "Soustraction de l'aire à l'aire totale.");
    // Selected by hand is not measured: the click would add it.
    SetAttr(gHitState.HitArt, kArtSelected);
    EXPECT_EQ(Lines(LengthAreaHintText())[0], "Ajoute le tracé à la sélection.");
    ASSERT_EQ(sAIArtSet->AddArtToArtSet(gToolState.MeasuredSet, gHitState.HitArt), kNoErr);
    EXPECT_EQ(Lines(LengthAreaHintText()), (Column{"Retire le tracé de la sélection."}));
}

TEST_F(ReadoutTest, MeasureToolAnchorShowsPartLength) {
    gHitState.HoverFlags.OverAnchor = 1;
    gHitState.HitArt = Line({{0, 0}, {10, 0}, {10, 20}});
    gToolState.ClickCount = 1;
    gToolState.MeasuredAnchorIndex = 0;
    gHitState.HitStartIndex = 1;
    EXPECT_EQ(Lines(LengthAreaHintText()),
              (Column{"Mesure premier point.", "L totale courbe=30 pt", "L partie courbe=10 pt"}));
}

TEST_F(ReadoutTest, LayoutOffsetsAndFixedHints) {
    EXPECT_EQ(CircleHintText().StartOffset, 12);
    EXPECT_EQ(SegmentHintText().StartOffset, 16);
    const FeedbackText cancelled = CancelledClickHintText();
    EXPECT_EQ(Lines(cancelled), (Column{"Clic annulé."}));
    EXPECT_EQ(cancelled.FontPreset, 2);
    const AIPoint third = FeedbackLinePoint(cancelled, AIPoint{100, 50}, 2);
    EXPECT_EQ(third.h, 116);
    EXPECT_EQ(third.v, 74);
    EXPECT_EQ(ModifyHintText().LineCount, 0);
    gHitState.HoverFlags.OverDimensionArc = 1;
    EXPECT_EQ(Lines(ModifyHintText()), (Column{"Modifier"}));
}

TEST_F(ReadoutTest, LongLineIsCutAtTheBuffer) {
    FeedbackText text;
    text.SetLine(0, "Soustraction de l'aire à l'aire totale.", "123456789");
    EXPECT_EQ(text.Lines[0].Length, 44u);
}

TEST_F(ReadoutTest, AngleVertexShowsItsAngleOrReflex) {
    gHitState.HoverFlags.OverAnchor = 1;
    gHitState.HitArt = Line({{10, 0}, {0, 0}, {0, 10}});
    gHitState.PreviousIndex = 0;
    gHitState.VertexIndex = 1;
    gHitState.NextIndex = 2;
    EXPECT_EQ(Lines(AngleHintText()), (Column{"Point d'ancrage (sommet)", "Angle=90°"}));
    gMeasuredPoints.AngleFlip = 1;
    EXPECT_EQ(Lines(AngleHintText())[1], "Angle=270°");
    gHitState.HoverFlags.NotAVertex = 1;
    EXPECT_EQ(Lines(AngleHintText()), (Column{"Point d'ancrage (sommet)"}));
}

TEST_F(ReadoutTest, CircleArcHintAreaOnlyForClosedPath) {
    gToolState.CurrentTool = kCircleTool;
    gHitState.HoverFlags.OverArc = 1;
    gFoundArc.ArcRadiusFound = 10.0f;  // as the hover test leaves it
    gHitState.HitArt = Line({{0, 0}, {10, 0}, {10, 10}}, true);
    EXPECT_EQ(Lines(CircleHintText()), (Column{"", "Arc de cercle (rayon)", "R10 pt", "Aire=314 pt2"}));
    gHitState.HitArt = Line({{0, 0}, {10, 0}, {10, 10}});
    EXPECT_EQ(Lines(CircleHintText()), (Column{"", "Arc de cercle (rayon)", "R10 pt"}));
    gCurrentOptions.Unit = kUnitNoValue;
    EXPECT_EQ(Lines(CircleHintText()), (Column{"", "Arc de cercle (rayon)"}));
}

TEST_F(ReadoutTest, BezierLocalModesOnlyOverCurves) {
    gHitState.HitArt = Line({{0, 0}, {10, 0}, {10, 20}});
    gCurrentOptions.BezierMode = 2;
    gHitState.HoverFlags.OverSegment = 1;
    EXPECT_EQ(BezierHintText().LineCount, 0);
    gHitState.HoverFlags.OverCurve = 1;
    EXPECT_EQ(Lines(BezierHintText()), (Column{"Tangente locale", "L courbe=30 pt"}));
    gCurrentOptions.BezierMode = 1;
    EXPECT_EQ(Lines(BezierHintText())[0], "Rayon local");
}

TEST_F(ReadoutTest, SegmentCentreSecondPointShowsTheLength) {
    gHitState.HoverFlags.OverCentre = 1;
    EXPECT_EQ(Lines(SegmentHintText()), (Column{"Point 1 (centre de l'objet)"}));
    gToolState.ClickCount = 1;
    gMeasuredPoints.FirstPoint.p = {0, 0};
    gHitState.SnapSegment.p = {0, 25};
    EXPECT_EQ(Lines(SegmentHintText()), (Column{"Point 2 (centre de l'objet)", "Segment", "25 pt"}));
}

} // namespace
