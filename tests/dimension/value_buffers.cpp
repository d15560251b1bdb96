// The 40-character text buffers: every append bounded, cut at a character boundary, never overrun.
#include <limits>
#include <string>

#include "value_fixture.h"

using valuetest::IsWholeUtf8;
using valuetest::ValueTextTest;

namespace {

std::string Repeat(const std::string& piece, int count) {
    std::string text;
    for (int i = 0; i < count; ++i) text += piece;
    return text;
}

}  // namespace

TEST_F(ValueTextTest, ALongPrefixIsCutBeforeACharacterWouldBeSplit) {
    gSettings.PrefixSuffixOn = 1;
    SetSettingString(gSettings.Prefix, Repeat("é", 20).c_str());
    FormatLengthText(0.0f, 0.0f, 28.346457f, 0.0f, 0);
    EXPECT_EQ(Text(), Repeat("é", 19));
    EXPECT_EQ(gValueTextBuffer.Length, 38u);
    EXPECT_TRUE(gValueTextBuffer.Cut);
    EXPECT_EQ(gValueTextBuffer.Text[38], '\0');
}

TEST_F(ValueTextTest, ACutTextTakesNothingAfterTheCut) {
    gSettings.PrefixSuffixOn = 1;
    gValueFormat.ToleranceOn = 1;
    gValueFormat.Decimals = 2;
    const std::string prefix = Repeat("x", 35);
    SetSettingString(gSettings.Prefix, prefix.c_str());
    FormatLengthText(0.0f, 0.0f, 28.346457f, 0.0f, 0);
    EXPECT_EQ(Text(), prefix + "10,0");
    EXPECT_EQ(gValueTextBuffer.Length, 39u);
    EXPECT_EQ(gValueTextBuffer.ToleranceLength, 0u);
}

TEST_F(ValueTextTest, ToleranceRunIsWhatActuallyFitted) {
    gSettings.PrefixSuffixOn = 1;
    gValueFormat.ToleranceOn = 1;
    gValueFormat.Unit = kUnitNoValue;
    SetSettingString(gSettings.Prefix, Repeat("x", 37).c_str());
    FormatLengthText(0.0f, 0.0f, 28.346457f, 0.0f, 0);
    EXPECT_EQ(Text(), Repeat("x", 37) + "±");
    EXPECT_EQ(gValueTextBuffer.ToleranceStart, 37u);
    EXPECT_EQ(gValueTextBuffer.ToleranceLength, 2u);

    SetSettingString(gSettings.Prefix, Repeat("x", 38).c_str());
    FormatLengthText(0.0f, 0.0f, 28.346457f, 0.0f, 0);
    EXPECT_EQ(Text(), Repeat("x", 38));
    EXPECT_EQ(gValueTextBuffer.ToleranceLength, 0u);
}

TEST_F(ValueTextTest, FreeLabelLongerThanTheBufferIsCutCleanly) {
    gValueFormat.Unit = kUnitFreeText;
    SetFreeLabelText(Repeat("€", 15).c_str());
    FormatLengthText(0.0f, 0.0f, 1.0f, 0.0f, 0);
    EXPECT_EQ(Text(), Repeat("€", 13));
    EXPECT_TRUE(IsWholeUtf8(Text()));
}

TEST(BoundedText, AppendsAreBoundedAndCountWhatTheyWrote) {
    BoundedText<8> text;
    EXPECT_EQ(text.Append("abc"), 3u);
    EXPECT_EQ(text.Append(static_cast<const char*>(nullptr)), 0u);
    EXPECT_EQ(text.Append('d'), 1u);
    EXPECT_EQ(text.Append("😀"), 0u);
    EXPECT_EQ(std::string(text.View()), "abcd");
    EXPECT_EQ(text.Append("e"), 0u);
    text.Clear();
    EXPECT_EQ(text.Append("1234567890"), 7u);
    EXPECT_EQ(std::string(text.CStr()), "1234567");
    EXPECT_TRUE(text.Cut);
}

TEST_F(ValueTextTest, AHugeAreaIsCutWithinTheAreaBuffer) {
    gValueFormat.Unit = kUnitPoints;
    gValueFormat.Decimals = 6;
    EXPECT_EQ(FormatAreaText(nullptr, std::numeric_limits<float>::max(), 0), 1);
    EXPECT_EQ(gAreaTextBuffer.Length, 39u);
    EXPECT_EQ(Area().substr(0, 6), "340282");
}
