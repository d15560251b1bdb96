// What a panel change, a reload or a rebuild without the cursor does to the dimension being edited, as the user
// sees it: the reload gives angles their end marks back, an angle keeps its side whatever the cursor crossed,
// end marks made again look as the builders make them, "Cote (sans)" leaves no label, the line width reaches
// the kept parts, no extension line stays as an empty path, and an outside value keeps the side its drag chose.
#include <cmath>
#include <functional>

#include "dimension/DimensionArtFormat.h"
#include "dimension/Skeletons.h"
#include "frame/PathStyles.h"
#include "frame/SuiteTable.h"
#include "host/TagSuite.h"
#include "notify_fixture.h"
#include "simhost/Tools.h"

namespace paneltest {
namespace {

class RebuildFaults : public NotifyTest {
protected:
    // The segment from a to b measured by its two anchors, its line dragged to `to`.
    static void MakeLinear(AIRealPoint a, AIRealPoint b, AIRealPoint to) {
        Doc().DrawPolyline({a, b}, false);
        UseTool(kSegmentTool);
        Click(a);
        ClickDrag(b, to);
        ASSERT_TRUE(Live(gCurrentDimension.DimensionLines[0]));
    }
    // The paths and text frames of the dimension's group.
    static std::vector<AIArtHandle> Parts() { return Doc().Children(gCurrentDimension.DimensionGroup); }
    static size_t TextFrames() {
        size_t count = 0;
        for (AIArtHandle part : Parts()) count += Doc().Art(part)->type == kTextFrameArt ? 1 : 0;
        return count;
    }
    static size_t EmptyPaths() {
        size_t count = 0;
        for (AIArtHandle part : Parts())
            count += Doc().Art(part)->type == kPathArt && Doc().Art(part)->segments.empty() ? 1 : 0;
        return count;
    }
    // An end mark as the builders make one with the default shape: closed and filled, without a stroke.
    static void ExpectFilledEndMark(AIArtHandle art, const char* which) {
        ASSERT_TRUE(Live(art)) << which;
        const sim::ArtNode& mark = *Doc().Art(art);
        EXPECT_TRUE(mark.closed) << which;
        EXPECT_TRUE(mark.style.fillPaint) << which;
        EXPECT_FALSE(mark.style.strokePaint) << which;
    }
    static float Width(AIArtHandle art) { return Doc().Art(art)->style.stroke.width; }
    static AIRealPoint LabelAt() {
        const AIRealMatrix& m = Doc().Art(gCurrentDimension.LabelFrames[0])->text.transform;
        return {m.tx, m.ty};
    }
};

TEST_F(RebuildFaults, TheReloadAfterMultipleArcsGivesTheAngleAndTheNextOnesTheirEndMarks) {
    MakeAngle();
    ASSERT_EQ(ClickItem(kMultipleArcsItem), kNoErr);
    ASSERT_EQ(ClickItem(kReloadItem), kNoErr);
    EXPECT_EQ(gCurrentOptions.MultipleArcs, 0);
    EXPECT_EQ(gCurrentOptions.ActiveEndMarkSize, gCurrentOptions.EndMarkSize);
    EXPECT_EQ(Anchors(gCurrentDimension.EndMarks[0][0]).size(), 6u) << "the single arc has its end marks";
    EXPECT_EQ(Anchors(gCurrentDimension.EndMarks[1][0]).size(), 6u);

    Doc().DrawPolyline({{400, 0}, {300, 0}, {350, 86.6f}}, false);
    ClickDrag({300, 0}, {340, 20});
    ASSERT_TRUE(Live(gCurrentDimension.AngleArcs[0]));
    EXPECT_EQ(Text(gCurrentDimension.LabelFrames[0]).substr(0, 2), "60");
    EXPECT_EQ(Anchors(gCurrentDimension.EndMarks[0][0]).size(), 6u) << "an angle measured afterwards too";
}

TEST_F(RebuildFaults, AnAngleRebuiltFromThePanelStartsOnItsOwnSideWhateverVertexTheCursorCrossed) {
    MakeAngle();
    Doc().DrawPolyline({{500, 300}, {400, 300}, {400, 400}}, false);
    sim::ThePlugin().SendTool(kSelectorAITrackToolCursor, sim::TheTools().Selected(), {400, 300});
    // Every notifier that rebuilds the angle: its arcs start on the side (100, 0), at direction 0 from the vertex.
    const auto startsOnItsSide = [](const char* what) {
        const std::vector<AIRealPoint> arc = Anchors(gCurrentDimension.AngleArcs[0]);
        ASSERT_FALSE(arc.empty()) << what;
        EXPECT_NEAR(std::atan2(arc.front().v, arc.front().h), 0.0, 1e-4) << what;
        EXPECT_GT(arc.front().h, 0.0f) << what;
    };
    const struct {
        const char* What;
        std::function<ASErr()> Act;
    } changes[] = {
        {"angle format", [] { return ChooseIn(kAngleFormatItem, 1); }},
        {"angular offset", [] { return EnterIn(kAngleOffsetAItem, "3"); }},
        {"radial offset", [] { return EnterIn(kAngleOffsetRItem, "2"); }},
        {"multiple arcs", [] { return ClickItem(kMultipleArcsItem); }},
        {"arc count", [] { return EnterIn(kArcCountItem, "2"); }},
        {"arc gap", [] { return EnterIn(kArcGapItem, "5"); }},
        {"single arc", [] { return ClickItem(kSingleArcItem); }},
    };
    for (const auto& change : changes) {
        ASSERT_EQ(change.Act(), kNoErr) << change.What;
        startsOnItsSide(change.What);
    }
}

TEST_F(RebuildFaults, EndMarksMadeAgainAreStyledAndShapedAsTheBuildersMakeThem) {
    MakeLinear({0, 0}, {200, 0}, {100, -30});
    const sim::ArtNode drawn = *Doc().Art(gCurrentDimension.EndMarks[0][0]);
    ASSERT_TRUE(drawn.style.fillPaint);
    ASSERT_EQ(EnterIn(kEndSizeItem, "0"), kNoErr);
    EXPECT_FALSE(Live(gCurrentDimension.EndMarks[0][0]));
    ASSERT_EQ(EnterIn(kEndSizeItem, "100"), kNoErr);
    ExpectFilledEndMark(gCurrentDimension.EndMarks[0][0], "first end");
    ExpectFilledEndMark(gCurrentDimension.EndMarks[1][0], "second end");
    EXPECT_EQ(Doc().Art(gCurrentDimension.EndMarks[0][0])->segments.size(), drawn.segments.size());
}

TEST_F(RebuildFaults, TheReloadThatBringsBackTheDiameterMakesAFilledEndMark) {
    gSettings.Diameter = 1;
    MakeCircle();
    ASSERT_FALSE(Live(gCurrentDimension.EndMarks[1][0])) << "a radius";
    ASSERT_EQ(ClickItem(kReloadItem), kNoErr);
    ExpectFilledEndMark(gCurrentDimension.EndMarks[1][0], "the diameter's second end");
}

TEST_F(RebuildFaults, NoValueLeavesNoLabelInSegmentAndCircleDimensions) {
    MakeLinear({0, 0}, {200, 0}, {100, -30});
    ASSERT_EQ(TextFrames(), 1u);
    ASSERT_EQ(ChooseIn(kUnitPopupItem, kUnitNoValue), kNoErr);
    EXPECT_EQ(TextFrames(), 0u);
    ASSERT_EQ(EnterIn(kTextSizeItem, "14"), kNoErr);
    EXPECT_EQ(TextFrames(), 0u) << "a later rebuild makes no empty frame either";
    ASSERT_EQ(ChooseIn(kUnitPopupItem, kUnitMillimetres), kNoErr);
    EXPECT_EQ(TextFrames(), 1u);
    EXPECT_EQ(Text(gCurrentDimension.LabelFrames[0]), "71 mm");

    UseTool(kSegmentTool);
    MakeCircle();
    ASSERT_EQ(ChooseIn(kUnitPopupItem, kUnitNoValue), kNoErr);
    EXPECT_EQ(TextFrames(), 0u);
}

TEST_F(RebuildFaults, TheLineWidthReachesEveryStrokedPartOfTheDimensionBeingEdited) {
    MakeLinear({0, 0}, {200, 0}, {100, -30});
    ASSERT_EQ(EnterIn(kLineWidthItem, "2"), kNoErr);
    for (AIArtHandle part : {gCurrentDimension.DimensionLines[0], gCurrentDimension.DimensionLineHalves[0],
                             gCurrentDimension.ExtensionLines[0], gCurrentDimension.ExtensionLines[1]})
        EXPECT_FLOAT_EQ(Width(part), 2.0f);

    MakeCircle();
    ASSERT_EQ(EnterIn(kLineWidthItem, "3"), kNoErr);
    EXPECT_FLOAT_EQ(Width(gCurrentDimension.CircleParts[0]), 3.0f);
    EXPECT_FLOAT_EQ(Width(gCurrentDimension.CircleParts[1]), 3.0f);
}

TEST_F(RebuildFaults, AnExtensionLineWithNoLengthLeavesNoEmptyPathAndComesBackWithItsLength) {
    gSettings.ExtensionGap = 50.0;
    MakeLinear({0, 0}, {200, 0}, {100, -40});
    EXPECT_EQ(EmptyPaths(), 0u);
    EXPECT_FALSE(Live(gCurrentDimension.ExtensionLines[0]));
    EXPECT_FALSE(Live(gCurrentDimension.ExtensionLines[1]));
    // A longer tie brings them back, under the other parts as a fresh dimension has them.
    ASSERT_EQ(EnterIn(kSideTieItem, "-80"), kNoErr);
    ASSERT_TRUE(Live(gCurrentDimension.ExtensionLines[0]));
    ASSERT_TRUE(Live(gCurrentDimension.ExtensionLines[1]));
    const std::vector<AIArtHandle> parts = Parts();
    ASSERT_GE(parts.size(), 2u);
    EXPECT_EQ(parts[parts.size() - 1], gCurrentDimension.ExtensionLines[1]);
    EXPECT_EQ(parts[parts.size() - 2], gCurrentDimension.ExtensionLines[0]);
    EXPECT_EQ(Anchors(gCurrentDimension.ExtensionLines[0]).size(), 2u);
}

TEST_F(RebuildFaults, TheEmptyEndMarksOfAMultipleArcAngleStay) {
    MakeAngle();
    ASSERT_EQ(ClickItem(kMultipleArcsItem), kNoErr);
    EXPECT_TRUE(Live(gCurrentDimension.EndMarks[0][0]));
    EXPECT_TRUE(Anchors(gCurrentDimension.EndMarks[0][0]).empty());
}

TEST_F(RebuildFaults, AnOutsideValueKeepsTheSideItsDragChoseThroughAPanelChange) {
    // 20 points hold neither "7 mm" nor its marks: the drag's cursor, near the first end, puts it past that end.
    MakeLinear({0, 0}, {20, 0}, {2, -30});
    const float left = LabelAt().h;
    ASSERT_LT(left, 0.0f);
    ASSERT_EQ(EnterIn(kDecimalsItem, "1"), kNoErr);
    EXPECT_LT(LabelAt().h, 0.0f) << "still past the first end";
    // A dimension made before the side was kept: past the end its text reads towards.
    sAITag->DeleteTag(gCurrentDimension.DimensionGroup, DimensionArtFormat::OutsideEndKey);
    ASSERT_EQ(EnterIn(kDecimalsItem, "0"), kNoErr);
    EXPECT_GT(LabelAt().h, 20.0f);
}

// The tie length field after a drag: it shows the length the drag put in force, and a length typed in it is a
// distance on the side the drag chose, for every orientation and label position; the dimension so edited is the
// one a drag straight to that distance builds.
class TieLength : public RebuildFaults {
protected:
    void SetUp() override {
        RebuildFaults::SetUp();
        gCurrentOptions.Unit = kUnitPoints;
        sim::TheDialogs().Item(ItemRef(kSideTieItem))->units = kADMPointUnits;
    }
    struct Built {
        std::vector<AIRealPoint> Line, FirstTie, SecondTie;
        AIRealPoint Label{};
    };
    static Built Now() {
        return {Anchors(gCurrentDimension.DimensionLines[0]), Anchors(gCurrentDimension.ExtensionLines[0]),
                Anchors(gCurrentDimension.ExtensionLines[1]), LabelAt()};
    }
    static void ExpectSame(const std::vector<AIRealPoint>& a, const std::vector<AIRealPoint>& b, const char* what) {
        ASSERT_EQ(a.size(), b.size()) << what;
        for (size_t i = 0; i < a.size(); ++i) {
            EXPECT_NEAR(a[i].h, b[i].h, 1e-3) << what << " anchor " << i;
            EXPECT_NEAR(a[i].v, b[i].v, 1e-3) << what << " anchor " << i;
        }
    }
};

TEST_F(TieLength, TheFieldShowsTheDraggedLengthAndATypedLengthKeepsItsSign) {
    // The field shows the signed length in force; a typed number is that signed length, its sign the side.
    struct Case {
        const char* Typed;
        double Line;
    };
    AIReal h = 0.0f;  // each case on a segment of its own
    for (const Case c : {Case{"-5", -5.0}, Case{"5", 5.0}, Case{"-20", -20.0}, Case{"20", 20.0}}) {
        SCOPED_TRACE(c.Typed);
        MakeLinear({h, 0}, {h + 200, 0}, {h + 100, -30});
        h += 1000.0f;
        EXPECT_NEAR(ItemFloatValue(kSideTieItem), -30.0, 1e-3) << "the length in force, its sign the side";
        ASSERT_EQ(EnterIn(kSideTieItem, c.Typed), kNoErr);
        const std::vector<AIRealPoint> line = Anchors(gCurrentDimension.DimensionLines[0]);
        ASSERT_FALSE(line.empty());
        EXPECT_NEAR(line.front().v, c.Line, 1e-3);
        EXPECT_NEAR(ItemFloatValue(kSideTieItem), c.Line, 1e-3);
        EXPECT_NEAR(gCurrentOptions.SideTieLength, c.Line, 1e-3);
    }
}

TEST_F(TieLength, ATypedLengthBuildsWhatADragToThatDistanceOnTheSameSideBuilds) {
    struct Case {
        int32_t OrientationItem;
        int8_t Position; // 0 centred, 1 and 2 past an end
    };
    // A drag-built twin is measured this far up, clear of the first dimension.
    constexpr AIReal kTwinRise = 2000.0f;
    AIReal across = 0.0f;
    for (const Case c : {Case{kParallelItem, 0}, Case{kProjectedHorizontalItem, 0}, Case{kProjectedVerticalItem, 0},
                         Case{kParallelItem, 1}, Case{kProjectedHorizontalItem, 2}, Case{kProjectedVerticalItem, 1}})
        for (const double side : {1.0, -1.0}) {
            SCOPED_TRACE(testing::Message() << "orientation item " << c.OrientationItem << ", position "
                                            << int{c.Position} << ", side " << side);
            across += 600.0f;
            // The point `offset` off the segment from (h, v) to (h + 200, v + 100) across the orientation's
            // direction, by its middle.
            const auto at = [&](AIReal v, double offset) {
                if (c.OrientationItem == kProjectedHorizontalItem)
                    return AIRealPoint{across + 100, static_cast<AIReal>(v + offset)};
                if (c.OrientationItem == kProjectedVerticalItem)
                    return AIRealPoint{static_cast<AIReal>(across - offset), v + 50};
                const double n = std::hypot(200.0, 100.0);
                return AIRealPoint{static_cast<AIReal>(across + 100 - offset * 100 / n),
                                   static_cast<AIReal>(v + 50 + offset * 200 / n)};
            };
            UseTool(kSegmentTool);
            ASSERT_EQ(ClickItem(c.OrientationItem), kNoErr);
            while (gToolState.LabelPosition != c.Position) ASSERT_EQ(ClickItem(kTextPositionItem), kNoErr);
            MakeLinear({across, 0}, {across + 200, 100}, at(0, side * 30.0));
            EXPECT_NEAR(ItemFloatValue(kSideTieItem), gCurrentOptions.SideTieLength, 1e-3);
            EXPECT_NEAR(std::abs(gCurrentOptions.SideTieLength), 30.0, 1e-2);
            ASSERT_EQ(EnterIn(kSideTieItem, gCurrentOptions.SideTieLength < 0.0 ? "-12" : "12"), kNoErr);
            Built typed = Now();
            EXPECT_NEAR(ItemFloatValue(kSideTieItem), gCurrentOptions.SideTieLength, 1e-3);

            MakeLinear({across, kTwinRise}, {across + 200, kTwinRise + 100}, at(kTwinRise, side * 12.0));
            Built dragged = Now();
            for (std::vector<AIRealPoint>* part : {&dragged.Line, &dragged.FirstTie, &dragged.SecondTie})
                for (AIRealPoint& p : *part) p.v -= kTwinRise;
            ExpectSame(typed.Line, dragged.Line, "dimension line");
            ExpectSame(typed.FirstTie, dragged.FirstTie, "first extension line");
            ExpectSame(typed.SecondTie, dragged.SecondTie, "second extension line");
            EXPECT_NEAR(typed.Label.h, dragged.Label.h, 1e-3);
            EXPECT_NEAR(typed.Label.v, dragged.Label.v - kTwinRise, 1e-3);
        }
}

TEST_F(TieLength, ALengthTypedAlongACurveStaysOnTheSideTheDragChose) {
    // An S-shaped curve through (150, 0), measured there, its line dragged to either side; a twin drawn higher up.
    // The line flipped goes to the other side at its length, and back: where the other side's drag put it.
    constexpr AIReal kTwinRise = 2000.0f;
    AIReal h = 0.0f;
    std::vector<AIRealPoint> typedOn[2], flippedFrom[2];  // by side, from the curve's start
    const auto curve = [&h](AIReal v) {
        return std::vector<AIPathSegment>{sim::CurveSegment({h, v}, {h, v}, {h + 100, v + 150}),
                                          sim::CurveSegment({h + 300, v}, {h + 200, v - 150}, {h + 300, v})};
    };
    for (const AIReal side : {1.0f, -1.0f}) {
        SCOPED_TRACE(testing::Message() << "side " << side);
        h += 600.0f;
        UseTool(kSegmentTool);
        Doc().DrawPath(curve(0), false);
        ClickDrag({h + 150, 0}, {h + 150, 30 * side});
        ASSERT_EQ(gToolState.CurveOffsetMode, 1);
        EXPECT_NEAR(ItemFloatValue(kSideTieItem), gCurrentOptions.SideTieLength, 1e-3);
        ASSERT_EQ(EnterIn(kSideTieItem, "12"), kNoErr);
        const std::vector<AIRealPoint> typed = Anchors(gCurrentDimension.DimensionLines[0]);
        const size_t k = side > 0.0f ? 0 : 1;
        ASSERT_EQ(ClickItem(kInvertLineItem), kNoErr);
        for (AIRealPoint p : Anchors(gCurrentDimension.DimensionLines[0])) flippedFrom[k].push_back({p.h - h, p.v});
        for (AIRealPoint p : typed) typedOn[k].push_back({p.h - h, p.v});
        ASSERT_EQ(ClickItem(kInvertLineItem), kNoErr);
        ExpectSame(Anchors(gCurrentDimension.DimensionLines[0]), typed, "flipped twice");

        Doc().DrawPath(curve(kTwinRise), false);
        ClickDrag({h + 150, kTwinRise}, {h + 150, kTwinRise + 12 * side});
        std::vector<AIRealPoint> dragged = Anchors(gCurrentDimension.DimensionLines[0]);
        for (AIRealPoint& p : dragged) p.v -= kTwinRise;
        ExpectSame(typed, dragged, "dimension line");
    }
    ExpectSame(flippedFrom[0], typedOn[1], "flipped");
    ExpectSame(flippedFrom[1], typedOn[0], "flipped");
}

}  // namespace
}  // namespace paneltest
