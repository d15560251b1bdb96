// The shared drawing routine: arcs, end marks, extension lines, the cut line and its label.
#include <numbers>

#include "frame/Settings.h"
#include "builders_fixture.h"

using dimtest::BuilderTest;
using dimtest::Near;

namespace {

constexpr double kPi = std::numbers::pi;

class SharedRoutine : public BuilderTest {
  protected:
    void SetUp() override {
        BuilderTest::SetUp();
        ASSERT_EQ(BuildSegmentDimensionArt(), kNoErr);
    }
};

} // namespace

TEST_F(SharedRoutine, AnArcPathRunsOnItsCircleInQuarterTurnPiecesEitherWay) {
    const AIArtHandle path = Dim().DimensionLines[0];
    struct Case {
        double Start, Sweep;
        size_t Anchors;
        AIRealPoint First, Last;
    };
    const Case cases[] = {{0.0, kPi / 2.0, 2, {10.0f, 5.0f}, {0.0f, 15.0f}},
                          {0.0, -3.0 * kPi / 2.0, 4, {10.0f, 5.0f}, {0.0f, 15.0f}},
                          {kPi, kPi / 3.0, 2, {-10.0f, 5.0f}, {-5.0f, -3.660254f}}};
    for (const Case& c : cases) {
        ASSERT_EQ(SetArcPath(path, {0.0f, 5.0f}, 10.0, c.Start, c.Sweep), kNoErr);
        const std::vector<AIPathSegment> s = Segments(path);
        ASSERT_EQ(s.size(), c.Anchors);
        EXPECT_TRUE(Near(s.front().p, c.First));
        EXPECT_TRUE(Near(s.back().p, c.Last));
        for (size_t i = 0; i + 1 < s.size(); ++i) {
            const AIRealBezier curve{s[i].p, s[i].out, s[i + 1].in, s[i + 1].p};
            const Vector2 middle = BezierPoint(curve, 0.5);
            EXPECT_NEAR(std::hypot(middle.X, middle.Y - 5.0), 10.0, 0.01);
        }
    }
    ASSERT_EQ(SetArcPath(path, {0.0f, 0.0f}, 0.0, 0.0, 1.0), kNoErr);
    EXPECT_TRUE(Segments(path).empty());
    EXPECT_EQ(SetArcPath(path, {0.0f, 0.0f}, std::nan(""), 0.0, 1.0), kBadParameterErr);
}

TEST_F(SharedRoutine, AnEndMarkIsTheShapeTurnedAndScaledByTheLiveSizeAtItsTip) {
    const AIArtHandle mark = Dim().EndMarks[0][0];
    AIRealPoint lineStart;
    ASSERT_EQ(PlaceEndMark(mark, {10.0f, 20.0f}, kPi / 2.0, &lineStart), kNoErr);
    std::vector<AIRealPoint> a = Anchors(mark);
    ASSERT_EQ(a.size(), 3u);
    EXPECT_TRUE(Near(a[0], {10.0f, 20.0f}));
    EXPECT_TRUE(Near(a[1], {7.0f, 29.0f}));
    EXPECT_TRUE(Near(a[2], {13.0f, 29.0f}));
    EXPECT_TRUE(Near(lineStart, {10.0f, 29.0f}));

    gCurrentOptions.EndMarkSize = 50.0;
    ASSERT_EQ(PlaceEndMark(mark, {0.0f, 0.0f}, kPi, &lineStart), kNoErr);
    a = Anchors(mark);
    EXPECT_TRUE(Near(a[1], {-4.5f, -1.5f}));
    EXPECT_TRUE(Near(lineStart, {-4.5f, 0.0f}));

    gCurrentOptions.EndMarkSize = 0.0;
    ASSERT_EQ(PlaceEndMark(mark, {50.0f, 50.0f}, 0.0, &lineStart), kNoErr);
    EXPECT_TRUE(Near(Anchors(mark)[0], {0.0f, 0.0f}));
    EXPECT_TRUE(Near(lineStart, {50.0f, 50.0f}));
}

TEST_F(SharedRoutine, AnExtensionLineLeavesTheStoredGapAtTheMeasuredPointAndRunsPastTheLine) {
    const AIArtHandle line = Dim().ExtensionLines[0];
    gSettings.ExtensionGap = 3.0;  // "Gap"
    ASSERT_EQ(SetExtensionLine(line, {0.0f, 0.0f}, {0.0f, 30.0f}, 4.0), kNoErr);
    std::vector<AIRealPoint> a = Anchors(line);
    ASSERT_EQ(a.size(), 2u);
    EXPECT_TRUE(Near(a[0], {0.0f, 3.0f}));
    EXPECT_TRUE(Near(a[1], {0.0f, 34.0f}));
    // A negative offset starts the line inside the measured object.
    gSettings.ExtensionGap = -2.0;
    ASSERT_EQ(SetExtensionLine(line, {0.0f, 0.0f}, {0.0f, 30.0f}, 4.0), kNoErr);
    EXPECT_TRUE(Near(Anchors(line)[0], {0.0f, -2.0f}));
    // An offset reaching past the line leaves no extension line.
    gSettings.ExtensionGap = 40.0;
    ASSERT_EQ(SetExtensionLine(line, {0.0f, 0.0f}, {0.0f, 30.0f}, 4.0), kNoErr);
    EXPECT_TRUE(Segments(line).empty());
    gSettings.ExtensionGap = 0.0;
    ASSERT_EQ(SetExtensionLine(line, {5.0f, 5.0f}, {5.0f, 5.0f}, 4.0), kNoErr);
    EXPECT_TRUE(Segments(line).empty());
}

TEST_F(SharedRoutine, AStaleOrNullPartIsSkippedAndTheRestIsStillDrawn) {
    AIArtHandle gone = Dim().DimensionLines[0];
    DisposeArtIfValid(&gone);
    Dim().ExtensionLines[1] = nullptr;
    StraightDimension d;
    d.Measured[0] = {0.0f, 0.0f};
    d.Measured[1] = {100.0f, 0.0f};
    d.LineEnds[0] = {0.0f, 20.0f};
    d.LineEnds[1] = {100.0f, 20.0f};
    d.LabelAt = {50.0f, 20.0f};
    gValueTextBuffer.Clear();
    gValueTextBuffer.Append("100 pt");
    EXPECT_EQ(DrawStraightDimension(d, 0), kNoErr);
    EXPECT_EQ(LabelText(), "100 pt");
    EXPECT_EQ(Anchors(Dim().ExtensionLines[0]).size(), 2u);
    d.LabelAt.h = std::nanf("");
    EXPECT_EQ(DrawStraightDimension(d, 0), kBadParameterErr);
}
