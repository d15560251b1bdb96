// Typed tags on art: the four types, wrong types, missing tags, long strings, overwrites and enumeration.
#include <cstring>
#include <string>

#include "document_fixture.h"

class TagTest : public DocumentTest {
  protected:
    void SetUp() override {
        DocumentTest::SetUp();
        part = Make(kPathArt, "part");
    }
    AIArtHandle part = nullptr;
};

TEST_F(TagTest, EachTypeReadsBackWhatWasWritten) {
    const int32_t id = -42;
    const double real = 2.5e-7;
    const AIBoolean yes = 1;
    ASSERT_EQ(kNoErr, tag->SetTag(part, "vek", kTagTypeString, "jj"));
    ASSERT_EQ(kNoErr, tag->SetTag(part, "n", kTagTypeInteger, &id));
    ASSERT_EQ(kNoErr, tag->SetTag(part, "r", kTagTypeReal, &real));
    ASSERT_EQ(kNoErr, tag->SetTag(part, "b", kTagTypeBoolean, &yes));

    char text[8];
    ASSERT_EQ(kNoErr, tag->GetStringTag(part, "vek", text, sizeof text));
    EXPECT_STREQ("jj", text);
    int32_t readId = 0;
    ASSERT_EQ(kNoErr, tag->GetTag(part, "n", kTagTypeInteger, &readId));
    EXPECT_EQ(-42, readId);
    double readReal = 0.0;
    ASSERT_EQ(kNoErr, tag->GetTag(part, "r", kTagTypeReal, &readReal));
    EXPECT_EQ(2.5e-7, readReal);
    AIBoolean readFlag = 0;
    ASSERT_EQ(kNoErr, tag->GetTag(part, "b", kTagTypeBoolean, &readFlag));
    EXPECT_EQ(1, readFlag);

    const char* type = nullptr;
    const std::pair<const char*, const char*> types[] = {
        {"vek", "string"}, {"n", "integer"}, {"r", "real"}, {"b", "boolean"}};
    for (const auto& [name, expected] : types) {
        ASSERT_EQ(kNoErr, tag->GetTagType(part, name, &type)) << name;
        EXPECT_STREQ(expected, type) << name;
    }
}

TEST_F(TagTest, AskingForAnotherTypeAnswersWrongTypeAndLeavesTheValue) {
    const int32_t id = 7;
    ASSERT_EQ(kNoErr, tag->SetTag(part, "num1", kTagTypeInteger, &id));
    ASSERT_EQ(kNoErr, tag->SetTag(part, "segpt1", kTagTypeString, "3"));
    char text[8] = "keep";
    EXPECT_EQ(kWrongTypeErr, tag->GetStringTag(part, "num1", text, sizeof text));
    EXPECT_STREQ("keep", text);
    size_t length = 99;
    EXPECT_EQ(kWrongTypeErr, tag->GetStringTagLength(part, "num1", &length));
    EXPECT_EQ(99u, length);
    double real = 1.5;
    EXPECT_EQ(kWrongTypeErr, tag->GetTag(part, "num1", kTagTypeReal, &real));
    EXPECT_EQ(1.5, real);
    int32_t number = 5;
    EXPECT_EQ(kWrongTypeErr, tag->GetTag(part, "segpt1", kTagTypeInteger, &number));
    EXPECT_EQ(5, number);
    EXPECT_EQ(kBadParameterErr, tag->GetTag(part, "segpt1", kTagTypeString, text));
    EXPECT_EQ(kBadParameterErr, tag->SetTag(part, "x", "float", &real));
    EXPECT_EQ(kBadParameterErr, tag->SetTag(part, "", kTagTypeString, "v"));
    EXPECT_EQ(kBadParameterErr, tag->SetTag(part, "x", kTagTypeString, nullptr));
}

TEST_F(TagTest, MissingTagsAnswerNameNotFound) {
    const char* type = "untouched";
    EXPECT_EQ(kNameNotFoundErr, tag->GetTagType(part, "mods", &type));
    EXPECT_STREQ("untouched", type);
    char text[4] = "abc";
    EXPECT_EQ(kNameNotFoundErr, tag->GetStringTag(part, "mods", text, sizeof text));
    EXPECT_STREQ("abc", text);
    AIBoolean has = 1;
    ASSERT_EQ(kNoErr, tag->HasTag(part, "mods", &has));
    EXPECT_EQ(0, has);
    EXPECT_EQ(kNameNotFoundErr, tag->DeleteTag(part, "mods"));
    ASSERT_EQ(kNoErr, tag->SetTag(part, "mods", kTagTypeString, "jj"));
    ASSERT_EQ(kNoErr, tag->DeleteTag(part, "mods"));
    EXPECT_EQ(kNameNotFoundErr, tag->GetTagType(part, "mods", &type));
}

TEST_F(TagTest, LongStringsAreCutToTheBufferAndAlwaysTerminated) {
    std::string longText(10000, 'a');
    longText += "Ø";
    ASSERT_EQ(kNoErr, tag->SetTag(part, "texte", kTagTypeString, longText.c_str()));
    size_t length = 0;
    ASSERT_EQ(kNoErr, tag->GetStringTagLength(part, "texte", &length));
    EXPECT_EQ(10002u, length);
    char small[6];
    std::memset(small, 'z', sizeof small);
    ASSERT_EQ(kNoErr, tag->GetStringTag(part, "texte", small, sizeof small));
    EXPECT_STREQ("aaaaa", small);
    char one[1] = {'z'};
    ASSERT_EQ(kNoErr, tag->GetStringTag(part, "texte", one, sizeof one));
    EXPECT_EQ('\0', one[0]);
    EXPECT_EQ(kBadParameterErr, tag->GetStringTag(part, "texte", small, 0));
    std::string whole(length + 1, '\0');
    ASSERT_EQ(kNoErr, tag->GetStringTag(part, "texte", whole.data(), whole.size()));
    EXPECT_EQ(longText, whole.c_str());

    // The host keeps its own copy: changing the caller's text later changes nothing.
    char source[] = "12";
    ASSERT_EQ(kNoErr, tag->SetTag(part, "cer", kTagTypeString, source));
    source[0] = '9';
    char read[4];
    ASSERT_EQ(kNoErr, tag->GetStringTag(part, "cer", read, sizeof read));
    EXPECT_STREQ("12", read);
}

TEST_F(TagTest, OverwritingReplacesTheValueAndMayChangeTheType) {
    ASSERT_EQ(kNoErr, tag->SetTag(part, "segpt1", kTagTypeString, "1"));
    ASSERT_EQ(kNoErr, tag->SetTag(part, "segpt1", kTagTypeString, "12"));
    char text[8];
    ASSERT_EQ(kNoErr, tag->GetStringTag(part, "segpt1", text, sizeof text));
    EXPECT_STREQ("12", text);
    const int32_t id = 12;
    ASSERT_EQ(kNoErr, tag->SetTag(part, "segpt1", kTagTypeInteger, &id));
    const char* type = nullptr;
    ASSERT_EQ(kNoErr, tag->GetTagType(part, "segpt1", &type));
    EXPECT_STREQ("integer", type);
    int32_t count = 0;
    ASSERT_EQ(kNoErr, tag->CountTags(part, &count));
    EXPECT_EQ(1, count);
}

TEST_F(TagTest, TagsAreCountedAndNamedInByteOrder) {
    for (const char* name : {"vek", "mods", "red", "num1", "segpt1"}) {
        ASSERT_EQ(kNoErr, tag->SetTag(part, name, kTagTypeString, "jj"));
    }
    int32_t count = 0;
    ASSERT_EQ(kNoErr, tag->CountTags(part, &count));
    ASSERT_EQ(5, count);
    std::vector<std::string> names;
    for (int32_t i = 0; i < count; ++i) {
        char name[16];
        ASSERT_EQ(kNoErr, tag->GetNthTagName(part, i, name, sizeof name));
        names.push_back(name);
    }
    EXPECT_EQ((std::vector<std::string>{"mods", "num1", "red", "segpt1", "vek"}), names);
    char name[16];
    EXPECT_EQ(kIndexOutOfRangeErr, tag->GetNthTagName(part, 5, name, sizeof name));
    EXPECT_EQ(kIndexOutOfRangeErr, tag->GetNthTagName(part, -1, name, sizeof name));
}

TEST_F(TagTest, TagsBelongToOneArtOnly) {
    AIArtHandle other = Make(kPathArt, "other");
    ASSERT_EQ(kNoErr, tag->SetTag(part, "vek", kTagTypeString, "jj"));
    AIBoolean has = 1;
    ASSERT_EQ(kNoErr, tag->HasTag(other, "vek", &has));
    EXPECT_EQ(0, has);
}
