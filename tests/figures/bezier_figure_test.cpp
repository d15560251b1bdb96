// The Bézier figure: replicas laid in the dimension group of the click, by the dialog's OK or by a drag of
// the Bézier tool, and reshaped rather than multiplied by later drags.
#include <algorithm>
#include <cmath>

#include "dialogs/editor_fixture.h"
#include "figures/BezierFigure.h"
#include "records/DragValues.h"
#include "records/MeasuredPoints.h"
#include "simhost/Platform.h"

namespace {

using editortest::EditorTest;

class BezierFigure : public EditorTest {
  protected:
    // A group to lay the figure in, at the click point (50, 60), with the base scale and turn of a dialog's OK.
    void SetUp() override {
        EditorTest::SetUp();
        gCurrentDimension.DimensionGroup = sim::TheDocument().NewGroup();
        gMeasuredPoints.ClickPoint.p = AIRealPoint{50.0f, 60.0f};
        gDragValues.CreatedBezierScaleX = 1.0;
        gDragValues.CreatedBezierScaleY = 1.0;
        gDragValues.CreatedBezierRotation = 0.0f;
        gToolState.CreationStarted[kBezierTool - 1] = 0;
    }
    static BezierReplicaSteps& Steps() { return gSettings.BezierReplicas; }
};

TEST_F(BezierFigure, OneReplicaIsTheEditorShapeWithItsYNegatedAtTheClick) {
    const float cursor = gToolState.CursorPoint.h;
    ASSERT_EQ(MakeCreatedBezier(), kNoErr);
    const auto paths = GroupPaths();
    ASSERT_EQ(paths.size(), 1u);
    const std::vector<AIRealPoint> expected{{-50, 60}, {50, 0}, {150, 60}, {50, 120}};
    ASSERT_EQ(paths[0]->segments.size(), 4u);
    for (size_t i = 0; i < 4; ++i) {
        EXPECT_FLOAT_EQ(paths[0]->segments[i].p.h, expected[i].h) << i;
        EXPECT_FLOAT_EQ(paths[0]->segments[i].p.v, expected[i].v) << i;
        EXPECT_EQ(paths[0]->segments[i].corner, 1);
    }
    EXPECT_FLOAT_EQ(gToolState.CursorPoint.h, cursor + 1.0f);
}

TEST_F(BezierFigure, ReplicasStepTheirOffsetScaleAndStyle) {
    Steps().Count = 3;
    Steps().HorizontalStep = 10.0;
    ASSERT_EQ(MakeCreatedBezier(), kNoErr);
    auto paths = GroupPaths();
    ASSERT_EQ(paths.size(), 3u);
    std::vector<float> lefts;
    for (const sim::ArtNode* path : paths) lefts.push_back(path->segments[0].p.h);
    std::sort(lefts.begin(), lefts.end());
    EXPECT_EQ(lefts, (std::vector<float>{-50.0f, -40.0f, -30.0f}));
    // A second call of the same creation reshapes: with scale step 0.5 the replicas are 1, 1.5 and 2 times
    // as wide about the editor origin; hollow, they take the dimension-line style.
    Steps().HorizontalStep = 0.0;
    Steps().ScaleStep = 0.5;
    gSettings.BezierShape.Hollow = 1;
    ASSERT_EQ(MakeCreatedBezier(), kNoErr);
    paths = GroupPaths();
    ASSERT_EQ(paths.size(), 3u);
    std::vector<float> widths;
    for (const sim::ArtNode* path : paths) {
        widths.push_back(path->segments[2].p.h - path->segments[0].p.h);
        EXPECT_EQ(path->style.fillPaint, 0);
    }
    std::sort(widths.begin(), widths.end());
    EXPECT_EQ(widths, (std::vector<float>{200.0f, 300.0f, 400.0f}));
}

TEST_F(BezierFigure, CountsOutsideTheirRangesAndAZeroScaleLayASoundFigure) {
    Steps().Count = 99;
    gSettings.BezierShape.PointCount = 57;
    gDragValues.CreatedBezierScaleX = 0.0;
    gDragValues.CreatedBezierScaleY = 0.0;
    ASSERT_EQ(MakeCreatedBezier(), kNoErr);
    const auto paths = GroupPaths();
    ASSERT_EQ(paths.size(), 24u);
    EXPECT_EQ(paths[0]->segments.size(), 20u);
    for (const AIPathSegment& s : paths[0]->segments) EXPECT_TRUE(std::isfinite(s.p.h) && std::isfinite(s.p.v));
}

TEST_F(BezierFigure, TheBezierToolsDragScalesAndTurnsAndItsReleaseOpensNoDialog) {
    ASSERT_EQ(sim::TheTools().Select(gToolState.ToolHandles[kBezierTool - 1]), kNoErr);
    const AIToolHandle tool = sim::TheTools().Selected();
    const AIRealPoint click{400.0f, 300.0f};
    sim::ThePlugin().SendTool(kSelectorAIToolMouseDown, tool, click);
    sim::ThePlugin().SendTool(kSelectorAIToolMouseDrag, tool, {600.0f, 250.0f});
    sim::ThePlugin().SendTool(kSelectorAIToolMouseDrag, tool, {690.0f, 205.0f});
    sim::ThePlugin().SendTool(kSelectorAIToolMouseUp, tool, {690.0f, 205.0f});
    EXPECT_TRUE(sim::TheLogs().modalRuns.empty());
    EXPECT_DOUBLE_EQ(gDragValues.CreatedBezierScaleX, 1.0);
    EXPECT_DOUBLE_EQ(gDragValues.CreatedBezierScaleY, 0.5);
    const auto paths = GroupPaths();
    ASSERT_EQ(paths.size(), 1u);  // the second drag reshaped the first drag's path
    EXPECT_FLOAT_EQ(paths[0]->segments[1].p.v, 300.0f - 30.0f);  // editor (0, 60) below the origin
    // An unmoved click opens the creation dialog.
    sim::TheDialogs().QueueModalResponder([](ADMDialogRef dialog) { Click(dialog, 2); });
    sim::ThePlugin().SendTool(kSelectorAIToolMouseDown, tool, {100.0f, 100.0f});
    sim::ThePlugin().SendTool(kSelectorAIToolMouseUp, tool, {100.0f, 100.0f});
    EXPECT_EQ(sim::TheLogs().modalRuns, std::vector<std::string>{"ModlBidon 17700"});
}

}  // namespace
