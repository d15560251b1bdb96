// Update-all looks its measured paths up in one index of the document; it rebuilds exactly the art that
// looking each one up by a walk of the document rebuilds: linear dimensions on a segment and between two
// anchors, a series, angles and circles, some of whose paths were deleted or changed since.
#include <string>
#include <vector>

#include "dimension/ReEdit.h"
#include "end_to_end_fixture.h"
#include "records/Records.h"

namespace endtoend {
namespace {

class UpdateAllTest : public UserTest {
protected:
    void SetUp() override {
        ResetRecords();
        UserTest::SetUp();
    }

    // Makes the dimensions through the tools, then deletes or changes some of their paths.
    static void DrawDimensionedPart() {
        const AIArtHandle segment = Line({{0, 0}, {200, 0}});
        Select(1);
        ClickDrag({100, 0}, {100, 40});
        Line({{0, 100}, {100, 100}, {100, 160}});
        Click({0, 100});
        ClickDrag({100, 100}, {50, 70});
        const AIArtHandle gone = Line({{0, 500}, {150, 500}});
        ClickDrag({75, 500}, {75, 530});
        gCurrentOptions.SeriesOn = 1;
        Line({{0, 300}, {100, 300}, {200, 300}, {300, 300}});
        for (const float h : {0.0f, 100.0f, 200.0f}) Click({h, 300});
        ClickDrag({300, 300}, {150, 340});
        gCurrentOptions.SeriesOn = 0;
        Select(2);
        const AIArtHandle corner = Line({{300, 0}, {400, 0}, {300, 100}});
        ClickDrag({400, 0}, {380, 20});
        const AIArtHandle goneAngle = Line({{600, 0}, {700, 0}, {650, 80}});
        ClickDrag({700, 0}, {680, 15});
        Line({{800, 0}, {900, 0}, {900, 100}});
        ClickDrag({900, 0}, {880, 20});
        Select(3);
        const float k = hovertest::kQuarterArcHandle * 100.0f;  // a quarter circle about (1000, 500)
        Doc().DrawPath({sim::CurveSegment({1100, 500}, {1100, 500}, {1100, 500 + k}),
                        sim::CurveSegment({1000, 600}, {1000 + k, 600}, {1000, 600})},
                       false);
        Click({1070.7107f, 570.7107f});
        Doc().DisposeArt(Doc().MutableArt(gone));
        Doc().DisposeArt(Doc().MutableArt(goneAngle));
        Doc().MutableArt(segment)->segments[1] = sim::CornerSegment(240, 30);
        Doc().MutableArt(corner)->segments[2] = sim::CornerSegment(320, 90);
    }

    // The document and the alerts after both update-all passes, each pass with the lookup given.
    static std::string UpdateAll(bool indexed) {
        DrawDimensionedPart();
        sim::TheLogs().alerts.clear();
        const auto pass = [indexed](const std::vector<AIArtHandle>& parts, RebuildOne rebuild) {
            if (indexed) {
                RebuildEvery(parts, rebuild);
                return;
            }
            bool everyFound = true;
            for (AIArtHandle part : parts) everyFound &= rebuild(part, nullptr).Outcome != RebuildOutcome::PathNotFound;
            if (!everyFound) AlertMeasuredPathNotFound();
        };
        const size_t linear = LinearDimensionsToUpdate().size();
        const size_t angles = AngleDimensionsToUpdate().size();
        pass(LinearDimensionsToUpdate(), RebuildSegmentDimensionOf);
        pass(AngleDimensionsToUpdate(), RebuildAngleDimensionOf);
        std::string text = std::to_string(linear) + " linear, " + std::to_string(angles) + " angles\n";
        for (const std::string& alert : Alerts()) text += "alert: " + alert + "\n";
        return text + Doc().DescribeTree();
    }

    void StartAgain() {
        TearDown();
        SetUp();
    }
};

TEST_F(UpdateAllTest, TheIndexedPassRebuildsWhatAPassWalkingTheDocumentRebuilds) {
    const std::string walked = UpdateAll(false);
    StartAgain();
    const std::string indexed = UpdateAll(true);
    EXPECT_EQ(indexed, walked);
    EXPECT_NE(walked.find("3 linear, 3 angles"), std::string::npos) << walked;
    EXPECT_NE(walked.find("group \"Segment série oblique\""), std::string::npos) << "the series is in the document";
    EXPECT_NE(walked.find("alert: Le tracé correspondant"), std::string::npos);
    EXPECT_NE(walked.find("cer="), std::string::npos) << "the circle dimension is in the document";
}

TEST_F(UpdateAllTest, APathDeletedAfterTheIndexWasMadeIsNotFound) {
    const AIArtHandle path = Line({{0, 0}, {200, 0}});
    Select(1);
    ClickDrag({100, 0}, {100, 40});
    const LinkedPathIndex index;
    EXPECT_EQ(index.Find("surseg", 1), path);
    Doc().DisposeArt(Doc().MutableArt(path));
    EXPECT_EQ(index.Find("surseg", 1), nullptr);
    EXPECT_EQ(index.Find("surseg", 2), nullptr);
}

}  // namespace
}  // namespace endtoend
