// What a click takes: the art the hover showed, whatever else lies within the click's reach; and where a
// user's path and a dimension's part share a point, the user's path, no dimension's part ever carrying a link.
#include "dimension/DimensionArtFormat.h"
#include "end_to_end_fixture.h"
#include "tools/MeasuredSet.h"

namespace endtoend {
namespace {

namespace format = DimensionArtFormat;

// One tool, and the kind marker of a dimension part that would hand its click to another tool.
struct NearbyDimension {
    ToolNumber Tool;
    const char* OtherMarker;
};

// Every tool over a user's segment, a dimension part of another kind lying 7 points off: beyond the hover's
// reach (4 points, 6 for the path walk) but within the click's 8. The click measures the hovered segment and
// the tool stays.
TEST_F(UserTest, EveryToolClicksTheArtItsHoverShowed) {
    const NearbyDimension cases[] = {{kSegmentTool, format::AngleMarker},
                                     {kAngleTool, format::SegmentMarker},
                                     {kCircleTool, format::SegmentMarker},
                                     {kBezierTool, format::SegmentMarker},
                                     {kMeasureTool, format::SegmentMarker}};
    for (const NearbyDimension& c : cases) {
        SCOPED_TRACE(c.Tool);
        if (c.Tool != cases[0].Tool) {
            TearDown();
            SetUp();
        }
        const AIArtHandle path = Line({{0, 0}, {100, 0}});
        const AIArtHandle part = Line({{0, 7}, {100, 7}});
        MakeDimensionPart(part, c.OtherMarker);
        Select(c.Tool);
        Click({50, 0});
        EXPECT_EQ(gToolState.CurrentTool, c.Tool);
        EXPECT_EQ(gHitState.HitArt, path);
        EXPECT_TRUE(Alerts().empty());
        EXPECT_EQ(HasTag(path, format::OnSegmentLink), c.Tool == kSegmentTool);
        EXPECT_EQ(InMeasuredSet(path), c.Tool == kMeasureTool);
    }
}

// The two-anchor measure ends on an anchor that a dimension's extension line also touches: the hover showed
// the path's part between the anchors, and the click takes the path, not the extension line.
TEST_F(UserTest, TheSecondAnchorOfAMeasureIsThePathsWhereAnExtensionLineTouchesIt) {
    const AIArtHandle path = Line({{0, 0}, {100, 0}, {100, 50}});
    Select(kSegmentTool);
    Click({0, 0});
    ClickDrag({100, 0}, {100, -30});
    Select(kMeasureTool);
    Click({100, 50});
    Track({100, 0});
    Draw();
    Click({100, 0});
    EXPECT_TRUE(Alerts().empty());
    EXPECT_EQ(gToolState.MeasuredCount, 0u);  // the path clicked again leaves the set
    for (AIArtHandle part : Doc().Children(Group())) EXPECT_FALSE(InMeasuredSet(part));
    EXPECT_FALSE(InMeasuredSet(path));
}

// An extension line of a first dimension ends on the vertex of the user's angle.
class SharedPointTest : public UserTest {
protected:
    void SetUp() override {
        UserTest::SetUp();
        path = Line({{0, 0}, {100, 0}, {100, 60}});
        Select(kSegmentTool);
        Click({0, 0});
        ClickDrag({100, 0}, {100, -30});
        first = Group();
        for (AIArtHandle part : Doc().Children(first)) {
            const auto& anchors = Doc().Art(part)->segments;
            if (!anchors.empty() && anchors.front().p.h == 100 && anchors.front().p.v == 0) extension = part;
        }
        ASSERT_NE(extension, nullptr);
        sim::TheLogs().Clear();
    }
    AIArtHandle path = nullptr;
    AIArtHandle first = nullptr;
    AIArtHandle extension = nullptr;
};

TEST_F(SharedPointTest, TheAngleToolTakesTheUsersVertexUnderAnExtensionLine) {
    Select(kAngleTool);
    Click({100, 0});
    EXPECT_TRUE(Alerts().empty());
    EXPECT_TRUE(HasTag(path, format::AngleLink));
    EXPECT_TRUE(HasTag(gCurrentDimension.AngleArcs[0], format::AngleMarker));
}

TEST_F(SharedPointTest, ASegmentFirstPointThereLinksTheUsersPathAndLeavesTheOtherDimensionsTags) {
    const size_t tagsBefore = Doc().Art(extension)->tags.size();
    Click({100, 0});
    ClickDrag({100, 60}, {130, 60});
    EXPECT_EQ(Doc().Art(extension)->tags.size(), tagsBefore);
    EXPECT_FALSE(HasTag(extension, format::FirstPointLink));
    // Both dimensions are found again from the user's path: a click on the first rebuilds them all.
    gSettings.RedrawAll = 1;
    Click({15, -30});
    EXPECT_TRUE(Alerts().empty());
    EXPECT_EQ(GroupCount(), 2u);
}

// Where only a dimension's part lies, it is measured, and the dimension is simply not linked: no link tag on
// its parts or on the other dimension's, no new link on the user's path, and no re-edit offered.
TEST_F(SharedPointTest, AFirstPointOnADimensionsPartAloneIsMeasuredWithoutALink) {
    const std::vector<AIPathSegment> extensionAnchors = Doc().Art(extension)->segments;
    const AIRealPoint farEnd = extensionAnchors.back().p;
    const size_t tagsBefore = Doc().Art(extension)->tags.size();
    Click({farEnd.h, farEnd.v - 1.0f});
    ClickDrag({100, 60}, {130, 60});
    const AIArtHandle second = Group();
    ASSERT_NE(second, first);
    for (AIArtHandle part : Doc().Children(second)) {
        for (const char* key : {format::FirstPointLink, format::SecondPointLink, format::SegmentMarker})
            EXPECT_FALSE(HasTag(part, key)) << key;
    }
    EXPECT_EQ(Doc().Art(extension)->tags.size(), tagsBefore);
    EXPECT_EQ(Doc().Art(path)->tags.at(format::FirstPointLink).text, "1");
    EXPECT_EQ(Doc().Art(path)->tags.at(format::SecondPointLink).text, "1");
    EXPECT_TRUE(Alerts().empty());
}

}  // namespace
}  // namespace endtoend
