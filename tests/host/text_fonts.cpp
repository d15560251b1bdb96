// The stand-in's font list: fixed names, a name that begins another, exact lookup, keys and text-engine
// fonts.
#include "text_fixture.h"

TEST_F(TextTest, TheFontListIsFixedAndOneNameBeginsAnother) {
    const char* const expected[][2] = {
        {"Arial", "Arial Regular"},
        {"Arial Black", "Arial Black Regular"},
        {"Arial Narrow", "Arial Narrow Regular"},
        {"Courier New", "Courier New Regular"},
        {"Georgia", "Georgia Regular"},
        {"Times New Roman", "Times New Roman Regular"},
        {"Verdana", "Verdana Regular"},
    };
    int32_t count = 0;
    ASSERT_EQ(kNoErr, fonts->CountFonts(&count));
    ASSERT_EQ(count, 7);
    for (int32_t i = 0; i < count; ++i) {
        AIFontKey key = nullptr;
        ASSERT_EQ(kNoErr, fonts->IndexFontList(i, &key));
        char name[64] = {}, full[64] = {};
        ASSERT_EQ(kNoErr, fonts->GetFontName(key, name, sizeof name));
        ASSERT_EQ(kNoErr, fonts->GetFullFontName(key, full, sizeof full));
        EXPECT_STREQ(name, expected[i][0]);
        EXPECT_STREQ(full, expected[i][1]);
    }
    AIFontKey key = nullptr;
    EXPECT_EQ(kIndexOutOfRangeErr, fonts->IndexFontList(7, &key));
    EXPECT_EQ(kIndexOutOfRangeErr, fonts->IndexFontList(-1, &key));
}

TEST_F(TextTest, FindFontMatchesWholeNamesOnly) {
    AIFontKey key = nullptr, second = nullptr;
    ASSERT_EQ(kNoErr, fonts->FindFont("Arial Black", &key));
    ASSERT_EQ(kNoErr, fonts->IndexFontList(1, &second));
    EXPECT_EQ(key, second);
    EXPECT_EQ(kNameNotFoundErr, fonts->FindFont("Arial Bl", &key));
    EXPECT_EQ(kNameNotFoundErr, fonts->FindFont("arial", &key));
    EXPECT_EQ(kBadParameterErr, fonts->FindFont(nullptr, &key));
}

TEST_F(TextTest, KeysAndEngineFontsGoBothWaysAndBadKeysAreRefused) {
    AIFontKey key = nullptr;
    ASSERT_EQ(kNoErr, fonts->IndexFontList(4, &key));
    FontRef font = nullptr, same = nullptr;
    ASSERT_EQ(kNoErr, fonts->FontFromFontKey(key, &font));
    ASSERT_EQ(kNoErr, fonts->FontFromFontKey(key, &same));
    AIBoolean equal = 0;
    ASSERT_EQ(kNoErr, ateFonts->IsEqual(font, same, &equal));
    EXPECT_EQ(equal, 1);
    AIFontKey back = nullptr;
    ASSERT_EQ(kNoErr, fonts->FontKeyFromFont(font, &back));
    EXPECT_EQ(back, key);
    ateFonts->Release(font);
    ateFonts->Release(same);
    EXPECT_EQ(kStaleHandleErr, fonts->FontKeyFromFont(font, &back));
    char name[8] = {};
    EXPECT_EQ(kBadParameterErr, fonts->GetFontName(nullptr, name, sizeof name));
    EXPECT_EQ(kStaleHandleErr, fonts->GetFontName(reinterpret_cast<AIFontKey>(name), name, sizeof name));
    ASSERT_EQ(kNoErr, fonts->IndexFontList(5, &key));
    ASSERT_EQ(kNoErr, fonts->GetFontName(key, name, sizeof name));
    EXPECT_STREQ(name, "Times N");
}
