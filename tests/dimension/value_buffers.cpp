// The value and area text buffers: every append bounded, cut at a character boundary, never overrun; the
// value text holds a whole label, however long its prefix, suffix, tolerance or free text.
#include <cstddef>
#include <limits>
#include <string>

#include "value_fixture.h"

using valuetest::IsWholeUtf8;
using valuetest::UseDefaultFormat;
using valuetest::ValueTextTest;

namespace {

std::string Repeat(const std::string& piece, int count) {
    std::string text;
    for (int i = 0; i < count; ++i) text += piece;
    return text;
}

}  // namespace

// The longest text the label buffer holds, in bytes.
constexpr std::size_t kRoom = kLabelTextCapacity - 1;

// A prefix of the longest stored length, in two-byte characters, and its like as a suffix: the label keeps
// both whole with the value between them, whatever the routine that wrote the value.
TEST_F(ValueTextTest, TheLongestPrefixAndSuffixKeepTheValueWholeBetweenThem) {
    const std::string prefix = Repeat("é", static_cast<int>(kMaxStoredTextLength / 2));
    const std::string suffix = Repeat("ø", static_cast<int>(kMaxStoredTextLength / 2));
    const std::string tolerance = Repeat("±", static_cast<int>(kMaxStoredTextLength / 2));
    const struct {
        const char* what;
        int32_t unit;
        void (*format)();
    } cases[] = {
        {"a length", kUnitMillimetres, [] { FormatLengthText(0.0f, 0.0f, 28.346457f, 0.0f, 0); }},
        {"a length in feet and inches", kUnitFeetAndInches,
         [] { FormatLengthText(0.0f, 0.0f, 1000.0f, 0.0f, 0); }},
        {"an angle", kUnitMillimetres, [] { FormatAngleText(1.0f, 0); }},
        {"a radius", kUnitCentimetres, [] { FormatCircleDimensionText(100.0f); }},
        {"a free text", kUnitFreeText, [] { FormatLengthText(0.0f, 0.0f, 28.346457f, 0.0f, 0); }},
    };
    for (const auto& c : cases) {
        for (const int32_t toleranceOn : {0, 1}) {
            UseDefaultFormat();
            gCurrentOptions.Unit = c.unit;
            gCurrentOptions.Decimals = 2;
            gValueFormat.ToleranceOn = toleranceOn;
            SetFreeLabelText(Repeat("€", static_cast<int>(kMaxStoredTextLength / 3)).c_str());
            SetToleranceText(tolerance.c_str());
            gSettings.PrefixSuffixOn = 1;
            SetSettingString(gSettings.Prefix, "[");
            SetSettingString(gSettings.Suffix, "]");
            c.format();
            const std::string shortLabel = Text();
            ASSERT_GE(shortLabel.size(), 2u) << c.what;
            const std::string value = shortLabel.substr(1, shortLabel.size() - 2);
            SetSettingString(gSettings.Prefix, prefix.c_str());
            SetSettingString(gSettings.Suffix, suffix.c_str());
            c.format();
            EXPECT_EQ(Text(), prefix + value + suffix) << c.what << " tolerance " << toleranceOn;
            EXPECT_FALSE(gValueTextBuffer.Cut) << c.what;
            if (toleranceOn != 0 && c.unit != kUnitFreeText) {
                EXPECT_EQ(gValueTextBuffer.ToleranceStart,
                          prefix.size() + value.size() - tolerance.size() - 2)
                    << c.what;
                EXPECT_EQ(gValueTextBuffer.ToleranceLength, tolerance.size() + 2) << c.what;
            }
        }
    }
}

TEST_F(ValueTextTest, APrefixBeyondTheBufferIsCutBeforeACharacterWouldBeSplit) {
    gSettings.PrefixSuffixOn = 1;
    const std::string room = Repeat("x", static_cast<int>(kRoom - 1));
    SetSettingString(gSettings.Prefix, (room + "é").c_str());
    FormatLengthText(0.0f, 0.0f, 28.346457f, 0.0f, 0);
    EXPECT_EQ(Text(), room);
    EXPECT_EQ(gValueTextBuffer.Length, kRoom - 1);
    EXPECT_TRUE(gValueTextBuffer.Cut);
    EXPECT_EQ(gValueTextBuffer.Text[kRoom - 1], '\0');
}

TEST_F(ValueTextTest, ACutTextTakesNothingAfterTheCut) {
    gSettings.PrefixSuffixOn = 1;
    gValueFormat.ToleranceOn = 1;
    gCurrentOptions.Decimals = 2;
    const std::string prefix = Repeat("x", static_cast<int>(kRoom - 4));
    SetSettingString(gSettings.Prefix, prefix.c_str());
    FormatLengthText(0.0f, 0.0f, 28.346457f, 0.0f, 0);
    EXPECT_EQ(Text(), prefix + "10,0");
    EXPECT_EQ(gValueTextBuffer.Length, kRoom);
    EXPECT_EQ(gValueTextBuffer.ToleranceLength, 0u);
}

TEST_F(ValueTextTest, ToleranceRunIsWhatActuallyFitted) {
    gSettings.PrefixSuffixOn = 1;
    gValueFormat.ToleranceOn = 1;
    gCurrentOptions.Unit = kUnitNoValue;
    SetSettingString(gSettings.Prefix, Repeat("x", static_cast<int>(kRoom - 2)).c_str());
    FormatLengthText(0.0f, 0.0f, 28.346457f, 0.0f, 0);
    EXPECT_EQ(Text(), Repeat("x", static_cast<int>(kRoom - 2)) + "±");
    EXPECT_EQ(gValueTextBuffer.ToleranceStart, kRoom - 2);
    EXPECT_EQ(gValueTextBuffer.ToleranceLength, 2u);

    SetSettingString(gSettings.Prefix, Repeat("x", static_cast<int>(kRoom - 1)).c_str());
    FormatLengthText(0.0f, 0.0f, 28.346457f, 0.0f, 0);
    EXPECT_EQ(Text(), Repeat("x", static_cast<int>(kRoom - 1)));
    EXPECT_EQ(gValueTextBuffer.ToleranceLength, 0u);
}

TEST_F(ValueTextTest, AFreeLabelOfTheLongestStoredLengthIsWrittenWhole) {
    gCurrentOptions.Unit = kUnitFreeText;
    const std::string text = Repeat("€", static_cast<int>(kMaxStoredTextLength / 3));
    SetFreeLabelText(text.c_str());
    FormatLengthText(0.0f, 0.0f, 1.0f, 0.0f, 0);
    EXPECT_EQ(Text(), text);
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

TEST_F(ValueTextTest, AHugeAreaKeepsItsUnitWithinTheAreaBuffer) {
    gCurrentOptions.Unit = kUnitPoints;
    gCurrentOptions.Decimals = 6;
    EXPECT_EQ(FormatAreaText(nullptr, std::numeric_limits<float>::max(), 0), 1);
    EXPECT_EQ(Area(), "3,402823466385289e+38 pt2");
}
