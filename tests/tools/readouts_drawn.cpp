// The hints and read-outs as the host's annotation repaint draws them.
#include <algorithm>
#include <string>
#include <vector>

#include "frame/SuiteTable.h"
#include "host/DocumentViewSuite.h"
#include "hover_fixture.h"
#include "simhost/Annotator.h"
#include "records/DragValues.h"
#include "tools/Readouts.h"

namespace {

using hovertest::HoverTest;

class DrawnHintTest : public HoverTest {
protected:
    void SetUp() override {
        HoverTest::SetUp();
        for (const sim::AnnotatorRecord& record : sim::TheAnnotators().Records()) {
            sim::TheAnnotators().Find(record.handle)->active = true;
        }
        sim::SetSmartGuides(true);
        gToolState.ClickViewPoint = {100, 200};
    }
    static std::vector<sim::DrawnShape> Texts() {
        EXPECT_EQ(sim::TheAnnotators().Draw(), kNoErr);
        std::vector<sim::DrawnShape> texts;
        for (const sim::DrawnShape& shape : sim::TheAnnotators().LastDrawing().shapes) {
            if (shape.kind == "text") texts.push_back(shape);
        }
        return texts;
    }
    static AIPoint HoverInView() {
        AIDocumentViewHandle view = nullptr;
        sAIDocumentView->GetNthDocumentView(0, &view);
        AIPoint point;
        sAIDocumentView->ArtworkPointToViewPoint(view, &gToolState.ClickViewPoint, &point);
        return point;
    }
};

TEST_F(DrawnHintTest, CircleHintsStartTwelvePixelsRightOneLineEveryTwelve) {
    gToolState.CurrentTool = kCircleTool;
    gHitState.HoverFlags.OverCurve = 1;
    gHitState.HitArt = Line({{0, 0}, {10, 0}, {10, 20}});
    const std::vector<sim::DrawnShape> texts = Texts();
    ASSERT_EQ(texts.size(), 2u);
    const AIPoint hover = HoverInView();
    EXPECT_EQ(texts[0].text, "Courbe.");
    EXPECT_EQ(texts[0].points[0].h, hover.h + 12);
    EXPECT_EQ(texts[0].points[0].v, hover.v);
    EXPECT_EQ(texts[1].points[0].h, hover.h + 12);
    EXPECT_EQ(texts[1].points[0].v, hover.v + 12);
    EXPECT_EQ(texts[0].font, 0);
}

TEST_F(DrawnHintTest, CancelledClickShowsInLargeFontInsteadOfTheHints) {
    gToolState.CurrentTool = kAngleTool;
    gHitState.HoverFlags.OverArc = 1;
    gToolState.ClickCancelled = 1;
    const std::vector<sim::DrawnShape> texts = Texts();
    ASSERT_EQ(texts.size(), 1u);
    EXPECT_EQ(texts[0].text, "Clic annulé.");
    EXPECT_EQ(texts[0].font, 2);
    EXPECT_EQ(texts[0].points[0].h, HoverInView().h + 16);
}

TEST_F(DrawnHintTest, SmartGuidesOffDrawsNoText) {
    gToolState.CurrentTool = kSegmentTool;
    gHitState.HoverFlags.OverArc = 1;
    sim::SetSmartGuides(false);
    EXPECT_TRUE(Texts().empty());
    sim::SetSmartGuides(true);
    const std::vector<sim::DrawnShape> texts = Texts();
    ASSERT_EQ(texts.size(), 1u);
    EXPECT_EQ(texts[0].text, "Arc de cercle (longueur)");
}

TEST_F(DrawnHintTest, EmptyLinesKeepTheirRoom) {
    gToolState.CurrentTool = kSegmentTool;
    gHitState.HoverFlags.OverSegment = 1;
    gCurrentOptions.Unit = kUnitNoValue;
    gHitState.HitArt = Line({{0, 0}, {10, 0}, {10, 10}, {0, 10}}, true);
    const std::vector<sim::DrawnShape> texts = Texts();
    ASSERT_EQ(texts.size(), 2u);
    EXPECT_EQ(texts[0].text, "Segment");
    EXPECT_EQ(texts[0].points[0].v, HoverInView().v + 12);
    EXPECT_EQ(texts[1].text.rfind("Aire=", 0), 0u);
    EXPECT_EQ(texts[1].points[0].v, HoverInView().v + 24);
}

TEST_F(DrawnHintTest, BezierCreationShowsNoText) {
    gToolState.CurrentTool = kBezierTool;
    gCurrentOptions.BezierMode = 1;
    gHitState.HoverFlags.OverCurve = 1;
    gHitState.HitArt = Line({{0, 0}, {10, 0}});
    EXPECT_EQ(Texts().size(), 2u);
    gToolState.CreateOnClick[3] = 1;
    EXPECT_TRUE(Texts().empty());
}

TEST_F(DrawnHintTest, CentredAngleCreationDrawsItsAxis) {
    gToolState.CurrentTool = kAngleTool;
    gToolState.CreateOnClick[1] = 1;
    gCurrentOptions.AngleCreateCentred = 1;
    gCurrentOptions.AngleCreateAngle = 0.0;
    gMeasuredPoints.AngleVertex.p = {100, 200};
    gDragValues.CreatedAngleSide = 20.0f;
    gDragValues.CreatedAngleRotation = 0.78539816f;
    const std::vector<sim::DrawnShape> texts = Texts();
    ASSERT_EQ(texts.size(), 2u);
    EXPECT_EQ(texts[0].text, "Angle=45°");
    EXPECT_EQ(texts[1].text, "Angle Inclinaison=0°");
    const std::vector<sim::DrawnShape>& shapes = sim::TheAnnotators().LastDrawing().shapes;
    const auto axis = std::find_if(shapes.begin(), shapes.end(), [](const sim::DrawnShape& s) { return s.kind == "line"; });
    ASSERT_NE(axis, shapes.end());
    EXPECT_FLOAT_EQ(axis->width, 3.0f);
    EXPECT_EQ(axis->points[0].v, axis->points[1].v);
    EXPECT_GT(axis->points[1].h, axis->points[0].h);
}

} // namespace
