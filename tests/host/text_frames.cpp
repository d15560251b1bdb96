// Point-text frames of the stand-in: creation, anchor and matrix, bounds from the metrics, stale handles.
#include <cmath>

#include "text_fixture.h"

TEST_F(TextTest, ANewPointTextIsAnEmptyFrameAtItsAnchorInTheFirstFontAndBlack) {
    AIArtHandle frame = nullptr;
    ASSERT_EQ(kNoErr,
              frames->NewPointText(kPlaceAboveAll, nullptr, kHorizontalTextOrientation, {30, 40}, &frame));
    const sim::ArtNode* node = sim::TheDocument().Art(frame);
    ASSERT_NE(node, nullptr);
    EXPECT_EQ(node->type, kTextFrameArt);
    EXPECT_EQ(node->text.contents, "");
    EXPECT_EQ(node->text.font, "Arial");
    EXPECT_EQ(node->text.size, 12.0f);
    EXPECT_EQ(node->text.fill.kind, kGrayColor);
    EXPECT_EQ(node->text.fill.g.gray, 1.0f);
    AIRealPoint anchor;
    ASSERT_EQ(kNoErr, frames->GetPointTextAnchor(frame, &anchor));
    EXPECT_EQ(anchor.h, 30.0f);
    EXPECT_EQ(anchor.v, 40.0f);
}

TEST_F(TextTest, FramesAreRefusedWhereArtIsAndVerticalTextIsNotMade) {
    AIArtHandle frame = nullptr;
    EXPECT_EQ(kNotImplementedErr,
              frames->NewPointText(kPlaceAboveAll, nullptr, kVerticalTextOrientation, {}, &frame));
    EXPECT_EQ(kBadParameterErr, frames->NewPointText(kPlaceAboveAll, nullptr, 7, {}, &frame));
    EXPECT_EQ(kBadParameterErr, frames->NewPointText(kPlaceAboveAll, nullptr, 0, {NAN, 0}, &frame));
    sim::TheDocument().SetLayerLocked(sim::TheDocument().CurrentLayer(), true);
    EXPECT_EQ(kLockedErr, frames->NewPointText(kPlaceAboveAll, nullptr, 0, {}, &frame));
    EXPECT_EQ(sim::TheDocument().ArtCount(), 0u);
}

TEST_F(TextTest, TheMatrixPlacesAndTurnsTheTextAndMustBeInvertible) {
    AIArtHandle frame = Frame("ab");
    AIRealMatrix turned;
    turned.a = 0.0f, turned.b = 1.0f, turned.c = -1.0f, turned.d = 0.0f, turned.tx = 5.0f, turned.ty = 6.0f;
    ASSERT_EQ(kNoErr, frames->SetTextFrameMatrix(frame, &turned));
    AIRealMatrix read;
    ASSERT_EQ(kNoErr, frames->GetTextFrameMatrix(frame, &read));
    EXPECT_EQ(read.b, 1.0f);
    EXPECT_EQ(read.tx, 5.0f);
    AIRealMatrix flat;
    flat.d = 0.0f;
    EXPECT_EQ(kBadParameterErr, frames->SetTextFrameMatrix(frame, &flat));
    flat.d = INFINITY;
    EXPECT_EQ(kBadParameterErr, frames->SetTextFrameMatrix(frame, &flat));
    ASSERT_EQ(kNoErr, frames->GetTextFrameMatrix(frame, &read));
    EXPECT_EQ(read.b, 1.0f);
}

TEST_F(TextTest, BoundsComeFromTheMetricsTheJustificationAndTheMatrix) {
    AIArtHandle frame = Frame("Cote", {100, 200});
    AIRealRect r;
    ASSERT_TRUE(sim::TextFrameBounds(frame, &r));
    EXPECT_FLOAT_EQ(r.left, 100.0f);
    EXPECT_FLOAT_EQ(r.right, 100.0f + 4 * 0.6f * 12.0f);
    EXPECT_FLOAT_EQ(r.bottom, 200.0f - 0.2f * 12.0f) << "the descent below the baseline";
    EXPECT_FLOAT_EQ(r.top, 212.0f);

    TextRangeRef range = Range(frame);
    ParaFeaturesRef centred = nullptr;
    ASSERT_EQ(kNoErr, paras->New(&centred));
    ASSERT_EQ(kNoErr, paras->SetJustification(centred, kCenterJustify));
    ASSERT_EQ(kNoErr, ranges->SetLocalParaFeatures(range, centred));
    AIRealMatrix upward;
    upward.a = 0.0f, upward.b = 1.0f, upward.c = -1.0f, upward.d = 0.0f, upward.tx = 100.0f,
    upward.ty = 200.0f;
    ASSERT_EQ(kNoErr, frames->SetTextFrameMatrix(frame, &upward));
    ASSERT_TRUE(sim::TextFrameBounds(frame, &r));
    EXPECT_FLOAT_EQ(r.left, 88.0f);
    EXPECT_FLOAT_EQ(r.right, 100.0f + 0.2f * 12.0f);
    EXPECT_FLOAT_EQ(r.bottom, 200.0f - 14.4f);
    EXPECT_FLOAT_EQ(r.top, 200.0f + 14.4f);
    paras->Release(centred);
    ranges->Release(range);
}

TEST_F(TextTest, AnEmptyTextIsItsAnchorAndAShiftedRunRaisesTheTop) {
    AIArtHandle empty = Frame("", {7, 8});
    AIRealRect r;
    ASSERT_TRUE(sim::TextFrameBounds(empty, &r));
    EXPECT_EQ(r.left, 7.0f);
    EXPECT_EQ(r.right, 7.0f);
    EXPECT_EQ(r.top, 8.0f);
    EXPECT_EQ(r.bottom, 8.0f);

    AIArtHandle frame = Frame("10±1");
    TextRangeRef tolerance = Range(frame);
    ASSERT_EQ(kNoErr, ranges->SetRange(tolerance, 2, 5));
    CharFeaturesRef raised = nullptr;
    ASSERT_EQ(kNoErr, chars->New(&raised));
    ASSERT_EQ(kNoErr, chars->SetFontSize(raised, 6.0f));
    ASSERT_EQ(kNoErr, chars->SetBaselineShift(raised, 9.0f));
    ASSERT_EQ(kNoErr, ranges->SetLocalCharFeatures(tolerance, raised));
    ASSERT_TRUE(sim::TextFrameBounds(frame, &r));
    EXPECT_FLOAT_EQ(r.right, 2 * 0.6f * 12.0f + 2 * 0.6f * 6.0f);
    EXPECT_FLOAT_EQ(r.top, 15.0f);
    EXPECT_FLOAT_EQ(r.bottom, -0.2f * 12.0f) << "the larger run's descent";
    EXPECT_FLOAT_EQ(sim::TextAdvanceWidth(frame), r.right);
    chars->Release(raised);
    ranges->Release(tolerance);

    // The art suite measures text frames by their characters, and a copy keeps the raised run.
    const AIArtSuite* art = nullptr;
    ASSERT_EQ(kNoErr, sim::TheBasicSuite()->AcquireSuite(kAIArtSuite, kAIArtSuiteVersion,
                                                          reinterpret_cast<const void**>(&art)));
    AIRealRect artBounds;
    ASSERT_EQ(kNoErr, art->GetArtBounds(frame, &artBounds));
    EXPECT_FLOAT_EQ(artBounds.right, r.right);
    EXPECT_FLOAT_EQ(artBounds.top, r.top);
    AIArtHandle copy = nullptr;
    ASSERT_EQ(kNoErr, art->DuplicateArt(frame, kPlaceAbove, frame, &copy));
    EXPECT_FLOAT_EQ(sim::RunBaselineShift(copy, 1), 9.0f);
    ASSERT_EQ(kNoErr, art->GetArtBounds(copy, &artBounds));
    EXPECT_FLOAT_EQ(artBounds.top, 15.0f);
    sim::TheBasicSuite()->ReleaseSuite(kAIArtSuite, kAIArtSuiteVersion);
}

TEST_F(TextTest, DisposedNullAndOtherArtAreAnsweredWithErrors) {
    AIArtHandle frame = Frame("x");
    TextRangeRef range = Range(frame);
    AIArtHandle path = sim::TheDocument().DrawPolyline({{0, 0}, {1, 1}}, false);
    AIRealPoint anchor;
    TextRangeRef other = nullptr;
    EXPECT_EQ(kBadParameterErr, frames->GetPointTextAnchor(path, &anchor));
    EXPECT_EQ(kBadParameterErr, frames->GetATETextRange(nullptr, &other));
    sim::TheDocument().DisposeArt(sim::TheDocument().MutableArt(frame));
    EXPECT_EQ(kStaleHandleErr, frames->GetPointTextAnchor(frame, &anchor));
    EXPECT_EQ(kStaleHandleErr, frames->GetATETextRange(frame, &other));
    int32_t size = 0;
    EXPECT_EQ(kStaleHandleErr, ranges->GetSize(range, &size));
    EXPECT_EQ(kStaleHandleErr, ranges->InsertAfter(range, "y"));
    AIRealRect r;
    EXPECT_FALSE(sim::TextFrameBounds(frame, &r));
    EXPECT_EQ(kNoErr, ranges->Release(range));
    EXPECT_EQ(kStaleHandleErr, ranges->Release(range));
    EXPECT_EQ(sim::LiveTextReferences(), 0u);
}
