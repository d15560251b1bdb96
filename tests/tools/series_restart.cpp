// A series refused for too few points restarts and leaves no empty dimension group behind.
#include "end_to_end_fixture.h"

namespace endtoend {
namespace {

class SeriesRestart : public UserTest {};

// For a series from the origin and a chained one, one or two points clicked then dragged: the alert, and the
// document holds nothing but the measured path; the next series is built as if the refused one never was.
TEST_F(SeriesRestart, ASeriesOfTooFewPointsLeavesNoEmptyGroup) {
    for (const int32_t chained : {0, 1}) {
        for (const int points : {1, 2}) {
            SCOPED_TRACE(std::to_string(chained) + " " + std::to_string(points));
            TearDown();
            SetUp();
            Line({{0, 0}, {20, 0}, {40, 0}, {60, 0}});
            Select(kSegmentTool);
            gCurrentOptions.SeriesOn = 1;
            gCurrentOptions.SeriesKind = chained;
            if (points == 2) Click({0, 0});
            ClickDrag({20, 0}, {20, -30});
            ASSERT_EQ(Alerts(), std::vector<std::string>{
                                    "Il faut cliquer sur plus de deux points pour réaliser des cotes en série."});
            EXPECT_EQ(GroupCount(), 0u) << Doc().DescribeTree();
            Click({0, 0});
            Click({20, 0});
            ClickDrag({40, 0}, {40, -30});
            EXPECT_EQ(GroupCount(), 1u) << Doc().DescribeTree();
            EXPECT_EQ(Labels(Group()).size(), 2u);
        }
    }
}

}  // namespace
}  // namespace endtoend
