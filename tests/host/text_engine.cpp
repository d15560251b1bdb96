// The stand-in text engine: ranges, runs of character features, paragraph features, stories and paints.
#include <cmath>

#include "text_fixture.h"

namespace {

AIColor Grey(float level) {
    AIColor c;
    c.kind = kGrayColor;
    c.g.gray = level;
    return c;
}

}  // namespace

TEST_F(TextTest, InsertedTextGrowsTheRangeAndRemovingEmptiesIt) {
    AIArtHandle frame = Frame("");
    TextRangeRef range = Range(frame);
    ASSERT_EQ(kNoErr, ranges->InsertAfter(range, "12,5"));
    ASSERT_EQ(kNoErr, ranges->InsertAfter(range, " mm"));
    EXPECT_EQ(Contents(range), "12,5 mm");
    int32_t start = -1, end = -1;
    ASSERT_EQ(kNoErr, ranges->GetRange(range, &start, &end));
    EXPECT_EQ(start, 0);
    EXPECT_EQ(end, 7);
    ASSERT_EQ(kNoErr, ranges->SetRange(range, 2, 4));
    ASSERT_EQ(kNoErr, ranges->Remove(range));
    EXPECT_EQ(Text(frame).contents, "12 mm");
    int32_t size = -1;
    ASSERT_EQ(kNoErr, ranges->GetSize(range, &size));
    EXPECT_EQ(size, 0);
    ranges->Release(range);
}

TEST_F(TextTest, RangesKeepToWholeCharactersAndCopiesAreBounded) {
    AIArtHandle frame = Frame("Ø25");
    TextRangeRef range = Range(frame);
    EXPECT_EQ(kBadParameterErr, ranges->SetRange(range, 1, 3));
    EXPECT_EQ(kBadParameterErr, ranges->SetRange(range, 3, 2));
    EXPECT_EQ(kBadParameterErr, ranges->SetRange(range, 0, 5));
    EXPECT_EQ(kBadParameterErr, ranges->InsertAfter(range, "\xC3"));
    char small[3] = {'x', 'x', 'x'};
    size_t length = 0;
    ASSERT_EQ(kNoErr, ranges->GetContents(range, small, 2, &length));
    EXPECT_STREQ(small, "");
    EXPECT_EQ(length, 4u);
    ASSERT_EQ(kNoErr, ranges->GetContents(range, small, 3, nullptr));
    EXPECT_STREQ(small, "Ø");
    EXPECT_EQ(kBadParameterErr, ranges->GetContents(range, small, 0, nullptr));
    ranges->Release(range);
}

TEST_F(TextTest, FeaturesSplitTheRunsAndEqualNeighboursMergeAgain) {
    AIArtHandle frame = Frame("abcdef");
    TextRangeRef middle = Range(frame);
    ASSERT_EQ(kNoErr, ranges->SetRange(middle, 2, 4));
    CharFeaturesRef big = nullptr;
    ASSERT_EQ(kNoErr, chars->New(&big));
    ASSERT_EQ(kNoErr, chars->SetFontSize(big, 20.0f));
    ASSERT_EQ(kNoErr, ranges->SetLocalCharFeatures(middle, big));
    ASSERT_EQ(Text(frame).runs.size(), 3u);
    EXPECT_EQ(Text(frame).runs[1].start, 2u);
    EXPECT_EQ(Text(frame).runs[1].length, 2u);
    EXPECT_EQ(Text(frame).runs[1].size, 20.0f);
    EXPECT_EQ(Text(frame).runs[1].font, "Arial");

    // The features of a mixed range leave the size unassigned and keep what all share.
    TextRangeRef all = Range(frame);
    CharFeaturesRef shared = nullptr;
    ASSERT_EQ(kNoErr, ranges->GetCharFeatures(all, &shared));
    AIReal size = -1.0f;
    AIBoolean assigned = 1;
    ASSERT_EQ(kNoErr, chars->GetFontSize(shared, &size, &assigned));
    EXPECT_EQ(assigned, 0);
    EXPECT_EQ(size, 0.0f);
    FontRef font = nullptr;
    ASSERT_EQ(kNoErr, chars->GetFont(shared, &font, &assigned));
    EXPECT_EQ(assigned, 1);
    AIFontKey key = nullptr, first = nullptr;
    ASSERT_EQ(kNoErr, fonts->FontKeyFromFont(font, &key));
    ASSERT_EQ(kNoErr, fonts->IndexFontList(0, &first));
    EXPECT_EQ(key, first);

    // Text typed after the big run takes its features; the whole text at one size is one run again.
    ASSERT_EQ(kNoErr, ranges->InsertAfter(middle, "X"));
    EXPECT_EQ(Text(frame).contents, "abcdXef");
    EXPECT_EQ(Text(frame).runs[1].length, 3u);
    CharFeaturesRef normal = nullptr;
    ASSERT_EQ(kNoErr, chars->New(&normal));
    ASSERT_EQ(kNoErr, chars->SetFontSize(normal, 12.0f));
    ASSERT_EQ(kNoErr, ranges->SetLocalCharFeatures(all, normal));
    EXPECT_EQ(Text(frame).runs.size(), 1u);
    for (CharFeaturesRef f : {big, shared, normal}) chars->Release(f);
    ateFonts->Release(font);
    ranges->Release(middle);
    ranges->Release(all);
    EXPECT_EQ(sim::LiveTextReferences(), 0u);
}

TEST_F(TextTest, FeaturesOfAnEmptyTextAreWhatTheNextTextGets) {
    AIArtHandle frame = Frame("");
    TextRangeRef range = Range(frame);
    CharFeaturesRef features = nullptr;
    ASSERT_EQ(kNoErr, chars->New(&features));
    ApplicationPaintRef paint = nullptr;
    const AIColor grey = Grey(0.25f);
    ASSERT_EQ(kNoErr, paints->CreateATEApplicationPaint(&grey, &paint));
    ASSERT_EQ(kNoErr, chars->SetFillColor(features, paint));
    ASSERT_EQ(kNoErr, chars->SetBaselineShift(features, -3.0f));
    ASSERT_EQ(kNoErr, ranges->SetLocalCharFeatures(range, features));
    ASSERT_EQ(kNoErr, ranges->InsertAfter(range, "7"));
    ASSERT_EQ(Text(frame).runs.size(), 1u);
    EXPECT_EQ(Text(frame).runs[0].fill.g.gray, 0.25f);
    EXPECT_EQ(sim::RunBaselineShift(frame, 0), -3.0f);
    EXPECT_EQ(sim::RunBaselineShift(frame, 1), 0.0f);
    chars->Release(features);
    applicationPaints->Release(paint);
    ranges->Release(range);
}

TEST_F(TextTest, FeatureValuesAreChecked) {
    CharFeaturesRef features = nullptr;
    ASSERT_EQ(kNoErr, chars->New(&features));
    EXPECT_EQ(kBadParameterErr, chars->SetFontSize(features, 0.0f));
    EXPECT_EQ(kBadParameterErr, chars->SetFontSize(features, -4.0f));
    EXPECT_EQ(kBadParameterErr, chars->SetBaselineShift(features, NAN));
    EXPECT_EQ(kBadParameterErr, chars->SetFont(features, nullptr));
    ParaFeaturesRef para = nullptr;
    ASSERT_EQ(kNoErr, paras->New(&para));
    EXPECT_EQ(kBadParameterErr, paras->SetJustification(para, 3));
    int32_t justification = -1;
    AIBoolean assigned = 1;
    ASSERT_EQ(kNoErr, paras->GetJustification(para, &justification, &assigned));
    EXPECT_EQ(justification, kLeftJustify);
    EXPECT_EQ(assigned, 0);
    AIColor gradient;
    gradient.kind = kGradient;
    ApplicationPaintRef paint = nullptr;
    EXPECT_EQ(kBadParameterErr, paints->CreateATEApplicationPaint(&gradient, &paint));
    EXPECT_EQ(paint, nullptr);
    chars->Release(features);
    paras->Release(para);
    EXPECT_EQ(kStaleHandleErr, chars->Release(features));
    EXPECT_EQ(kBadParameterErr, chars->Release(nullptr));
}

TEST_F(TextTest, PaintsGiveTheirColourBackAndStoriesCoverTheWholeText) {
    AIColor cmyk;
    cmyk.kind = kFourColor;
    cmyk.f = {0.1f, 0.2f, 0.3f, 0.4f};
    ApplicationPaintRef paint = nullptr;
    ASSERT_EQ(kNoErr, paints->CreateATEApplicationPaint(&cmyk, &paint));
    AIColor back;
    ASSERT_EQ(kNoErr, paints->GetAIColor(paint, &back));
    EXPECT_EQ(back.kind, kFourColor);
    EXPECT_EQ(back.f.black, 0.4f);
    applicationPaints->Release(paint);
    EXPECT_EQ(kStaleHandleErr, paints->GetAIColor(paint, &back));

    AIArtHandle frame = Frame("3,14");
    StoryRef story = nullptr;
    ASSERT_EQ(kNoErr, frames->GetATEStory(frame, &story));
    int32_t size = 0;
    ASSERT_EQ(kNoErr, stories->GetSize(story, &size));
    EXPECT_EQ(size, 4);
    TextRangeRef whole = nullptr;
    ASSERT_EQ(kNoErr, stories->GetTextRange(story, &whole));
    EXPECT_EQ(Contents(whole), "3,14");
    stories->Release(story);
    ranges->Release(whole);
}

TEST_F(TextTest, AResetMakesEveryReferenceStaleAndNoneIsReused) {
    AIArtHandle frame = Frame("1");
    TextRangeRef range = Range(frame);
    sim::ResetHost();
    int32_t size = 0;
    EXPECT_EQ(kStaleHandleErr, ranges->GetSize(range, &size));
    EXPECT_EQ(sim::LiveTextReferences(), 0u);
    TextRangeRef again = Range(Frame("2"));
    EXPECT_NE(again, range);
    ranges->Release(again);
}
