// The stand-in's colour suites as a plug-in reaches them: custom colours, the swatch list, swatch groups.
#include <gtest/gtest.h>

#include <cstring>
#include <functional>

#include "host/CustomColorSuite.h"
#include "host/DocumentSuite.h"
#include "host/Suites.h"
#include "host/SwatchGroupSuite.h"
#include "host/SwatchListSuite.h"
#include "simhost/Colours.h"
#include "simhost/Document.h"
#include "simhost/SimHost.h"
#include "simhost/SuiteRegistry.h"

namespace {

template <class Suite>
const Suite* Acquire(const char* name, int32_t version) {
    const void* table = nullptr;
    EXPECT_EQ(sim::TheSuites().Acquire(name, version, &table), kNoErr) << name;
    return static_cast<const Suite*>(table);
}

class ColourSuitesTest : public ::testing::Test {
protected:
    void SetUp() override {
        sim::ResetHost();
        custom = Acquire<AICustomColorSuite>(kAICustomColorSuite, kAICustomColorSuiteVersion);
        list = Acquire<AISwatchListSuite>(kAISwatchListSuite, kAISwatchListSuiteVersion);
        group = Acquire<AISwatchGroupSuite>(kAISwatchGroupSuite, kAISwatchGroupSuiteVersion);
        ASSERT_NE(custom, nullptr);
        ASSERT_NE(list, nullptr);
        ASSERT_NE(group, nullptr);
        ASSERT_EQ(list->GetSwatchList(nullptr, &swatches), kNoErr);
    }

    static AICustomColor Rgb(float r, float g, float b) {
        AICustomColor colour;
        colour.kind = kCustomThreeColor;
        colour.c.rgb = AIThreeColorStyle{r, g, b};
        return colour;
    }
    AICustomColorHandle NewColour(const char* name, const AICustomColor& colour) {
        AICustomColorHandle handle = nullptr;
        EXPECT_EQ(custom->NewCustomColor(&colour, name, &handle), kNoErr);
        return handle;
    }
    AISwatchGroupRef NewGroup(const char* name) {
        AISwatchGroupRef made = nullptr;
        EXPECT_EQ(list->NewSwatchGroup(swatches, &made), kNoErr);
        EXPECT_EQ(group->SetSwatchGroupName(made, name), kNoErr);
        return made;
    }
    AISwatchRef NewSwatch(AISwatchGroupRef in, const char* name) {
        AISwatchRef made = nullptr;
        EXPECT_EQ(group->InsertNthSwatch(in, -1, &made), kNoErr);
        EXPECT_EQ(list->SetSwatchName(made, name), kNoErr);
        return made;
    }
    std::vector<std::string> ListNames() {
        std::vector<std::string> names;
        int32_t count = 0;
        list->CountSwatches(swatches, &count);
        for (int32_t i = 0; i < count; ++i) {
            AISwatchRef swatch = nullptr;
            char name[64];
            list->GetNthSwatch(swatches, i, &swatch);
            list->GetSwatchName(swatch, name, sizeof name);
            names.push_back(name);
        }
        return names;
    }

    const AICustomColorSuite* custom = nullptr;
    const AISwatchListSuite* list = nullptr;
    const AISwatchGroupSuite* group = nullptr;
    AISwatchListRef swatches = nullptr;
};

TEST_F(ColourSuitesTest, CustomColoursKeepTheirChannelsAndNames) {
    AICustomColor cmyk;
    cmyk.kind = kCustomFourColor;
    cmyk.c.f = AIFourColorStyle{0.23f, 0.97f, 0.04f, 0.0f};
    AICustomColor grey;
    grey.kind = kCustomGrayColor;
    grey.c.gray.gray = 0.4f;
    const AICustomColorHandle a = NewColour("Vek Couleur traits", cmyk);
    const AICustomColorHandle b = NewColour("Gris moyen", grey);
    const AICustomColorHandle c = NewColour("Rose", Rgb(0.5f, 0.25f, 1.0f));
    AICustomColor read;
    ASSERT_EQ(custom->GetCustomColor(a, &read), kNoErr);
    EXPECT_EQ(read.kind, kCustomFourColor);
    EXPECT_EQ(read.c.f.magenta, 0.97f);
    ASSERT_EQ(custom->GetCustomColor(b, &read), kNoErr);
    EXPECT_EQ(read.c.gray.gray, 0.4f);
    ASSERT_EQ(custom->SetCustomColor(a, &grey), kNoErr);
    ASSERT_EQ(custom->GetCustomColor(a, &read), kNoErr);
    EXPECT_EQ(read.kind, kCustomGrayColor);

    int32_t count = 0;
    EXPECT_EQ(custom->CountCustomColors(&count), kNoErr);
    EXPECT_EQ(count, 3);
    AICustomColorHandle found = nullptr;
    EXPECT_EQ(custom->GetNthCustomColor(2, &found), kNoErr);
    EXPECT_EQ(found, c);
    EXPECT_EQ(custom->GetCustomColorByName("Gris moyen", &found), kNoErr);
    EXPECT_EQ(found, b);
    EXPECT_EQ(custom->GetCustomColorByName("Bleu", &found), kNameNotFoundErr);
    EXPECT_EQ(custom->GetNthCustomColor(3, &found), kIndexOutOfRangeErr);

    char name[8];
    EXPECT_EQ(custom->GetCustomColorName(a, name, sizeof name), kNoErr);
    EXPECT_STREQ(name, "Vek Cou");
    EXPECT_EQ(custom->SetCustomColorName(c, "Gris moyen"), kBadParameterErr);
    EXPECT_EQ(custom->SetCustomColorName(c, "Fuchsia"), kNoErr);
}

TEST_F(ColourSuitesTest, CustomColoursRefuseBadDefinitionsAndDuplicateNames) {
    AICustomColorHandle handle = nullptr;
    const AICustomColor tooBright = Rgb(1.5f, 0.0f, 0.0f);
    EXPECT_EQ(custom->NewCustomColor(&tooBright, "Trop", &handle), kBadParameterErr);
    AICustomColor unknown = Rgb(0, 0, 0);
    unknown.kind = static_cast<AICustomColorTag>(9);
    EXPECT_EQ(custom->NewCustomColor(&unknown, "Inconnu", &handle), kBadParameterErr);
    EXPECT_EQ(handle, nullptr);
    NewColour("Vert", Rgb(0, 1, 0));
    const AICustomColor green = Rgb(0, 0.5f, 0);
    EXPECT_EQ(custom->NewCustomColor(&green, "Vert", &handle), kBadParameterErr);
    EXPECT_EQ(custom->NewCustomColor(nullptr, "Noir", &handle), kBadParameterErr);
    EXPECT_EQ(custom->NewCustomColor(&green, nullptr, &handle), kBadParameterErr);
    EXPECT_EQ(custom->NewCustomColor(&green, "Noir", nullptr), kBadParameterErr);
}

TEST_F(ColourSuitesTest, DeletedAndNullCustomColoursAnswerErrorsAndAreNeverReused) {
    const AICustomColorHandle gone = NewColour("Ancien", Rgb(0, 0, 0));
    ASSERT_EQ(custom->DeleteCustomColor(gone), kNoErr);
    const AICustomColorHandle fresh = NewColour("Ancien", Rgb(0, 0, 0));
    EXPECT_NE(fresh, gone);
    EXPECT_EQ(custom->ValidCustomColor(gone), 0);
    EXPECT_EQ(custom->ValidCustomColor(fresh), 1);
    EXPECT_EQ(custom->ValidCustomColor(nullptr), 0);

    AICustomColor colour = Rgb(0, 0, 0);
    char name[16];
    const std::vector<std::function<ASErr(AICustomColorHandle)>> calls = {
        [&](AICustomColorHandle h) { return custom->DeleteCustomColor(h); },
        [&](AICustomColorHandle h) { return custom->GetCustomColor(h, &colour); },
        [&](AICustomColorHandle h) { return custom->SetCustomColor(h, &colour); },
        [&](AICustomColorHandle h) { return custom->GetCustomColorName(h, name, sizeof name); },
        [&](AICustomColorHandle h) { return custom->SetCustomColorName(h, "Autre"); },
    };
    for (size_t i = 0; i < calls.size(); ++i) {
        EXPECT_EQ(calls[i](gone), kStaleHandleErr) << i;
        EXPECT_EQ(calls[i](nullptr), kBadParameterErr) << i;
    }
    sim::ResetHost();
    EXPECT_EQ(custom->ValidCustomColor(fresh), 0);
    EXPECT_EQ(custom->GetCustomColor(fresh, &colour), kStaleHandleErr);
}

TEST_F(ColourSuitesTest, TheListHoldsTheUnnamedGeneralGroupFirst) {
    int32_t count = -1;
    EXPECT_EQ(list->CountSwatchGroups(swatches, &count), kNoErr);
    EXPECT_EQ(count, 1);
    EXPECT_EQ(list->CountSwatches(swatches, &count), kNoErr);
    EXPECT_EQ(count, 0);
    AISwatchGroupRef general = nullptr;
    ASSERT_EQ(list->GetNthSwatchGroup(swatches, 0, &general), kNoErr);
    char name[16] = "x";
    EXPECT_EQ(group->GetSwatchGroupName(general, name, sizeof name), kNoErr);
    EXPECT_STREQ(name, "");
    AISwatchGroupRef found = nullptr;
    EXPECT_EQ(list->GetSwatchGroupByName(swatches, "", &found), kNameNotFoundErr);
    EXPECT_EQ(list->RemoveSwatchGroup(swatches, general, 1), kBadParameterErr);
}

TEST_F(ColourSuitesTest, TheDocumentsListIsFoundByItsDocumentOnly) {
    AISwatchListRef found = nullptr;
    EXPECT_EQ(list->GetSwatchList(sim::TheDocument().DocumentHandle(), &found), kNoErr);
    EXPECT_EQ(found, swatches);
    AIDocumentHandle other = reinterpret_cast<AIDocumentHandle>(static_cast<uintptr_t>(0x7777777));
    EXPECT_EQ(list->GetSwatchList(other, &found), kStaleHandleErr);
    EXPECT_EQ(list->GetSwatchList(nullptr, nullptr), kBadParameterErr);
    sim::ResetHost();
    int32_t count = 0;
    EXPECT_EQ(list->CountSwatches(swatches, &count), kStaleHandleErr);
}

TEST_F(ColourSuitesTest, NamedGroupsHoldTheirSwatchesInOrder) {
    AISwatchRef loose = nullptr;
    ASSERT_EQ(list->InsertNthSwatch(swatches, -1, &loose), kNoErr);
    list->SetSwatchName(loose, "Libre");
    const AISwatchGroupRef vek = NewGroup("Couleurs Vek-Tavorine");
    const AISwatchRef text = NewSwatch(vek, "Vek Couleur texte");
    AISwatchRef stroke = nullptr;
    ASSERT_EQ(group->InsertNthSwatch(vek, 0, &stroke), kNoErr);
    list->SetSwatchName(stroke, "Vek Couleur traits");
    EXPECT_EQ(ListNames(), (std::vector<std::string>{"Libre", "Vek Couleur traits", "Vek Couleur texte"}));

    AISwatchGroupRef found = nullptr;
    EXPECT_EQ(list->GetSwatchGroupByName(swatches, "Couleurs Vek-Tavorine", &found), kNoErr);
    EXPECT_EQ(found, vek);
    AISwatchRef located = nullptr;
    EXPECT_EQ(group->LocateSwatch(vek, "Vek Couleur texte", &located), kNoErr);
    EXPECT_EQ(located, text);
    EXPECT_EQ(group->LocateSwatch(vek, "Libre", &located), kNameNotFoundErr);
    EXPECT_EQ(list->GetSwatchByName(swatches, "Libre", &located), kNoErr);
    EXPECT_EQ(located, loose);
    int32_t count = 0;
    EXPECT_EQ(group->CountSwatches(vek, &count), kNoErr);
    EXPECT_EQ(count, 2);
    EXPECT_EQ(group->GetNthSwatch(vek, 2, &located), kIndexOutOfRangeErr);
    EXPECT_EQ(group->InsertNthSwatch(vek, 5, &located), kIndexOutOfRangeErr);
}

TEST_F(ColourSuitesTest, SwatchesShowProcessOrCustomColours) {
    const AISwatchGroupRef vek = NewGroup("Couleurs Vek-Tavorine");
    const AISwatchRef swatch = NewSwatch(vek, "Vek Couleur traits");
    AIColor colour;
    ASSERT_EQ(list->GetAIColor(swatch, &colour), kNoErr);
    EXPECT_EQ(colour.kind, kGrayColor);
    EXPECT_EQ(colour.g.gray, 1.0f);

    const AICustomColorHandle pink = NewColour("Vek Couleur traits", Rgb(0.77f, 0.1f, 0.5f));
    colour.kind = kCustomColor;
    colour.c.color = pink;
    colour.c.tint = 0.0f;
    EXPECT_EQ(list->SetAIColor(swatch, &colour), kNoErr);
    AIColor read;
    list->GetAIColor(swatch, &read);
    EXPECT_EQ(read.kind, kCustomColor);
    EXPECT_EQ(read.c.color, pink);

    custom->DeleteCustomColor(pink);
    EXPECT_EQ(list->SetAIColor(swatch, &colour), kStaleHandleErr);
    colour.kind = kThreeColor;
    colour.rgb = AIThreeColorStyle{0.2f, 1.2f, 0.0f};
    EXPECT_EQ(list->SetAIColor(swatch, &colour), kBadParameterErr);
    list->GetAIColor(swatch, &read);
    EXPECT_EQ(read.c.color, pink);
}

TEST_F(ColourSuitesTest, RemovingAGroupMovesOrDeletesItsSwatches) {
    const AISwatchGroupRef kept = NewGroup("Gardés");
    const AISwatchRef moved = NewSwatch(kept, "Déplacé");
    const AISwatchGroupRef dropped = NewGroup("Supprimés");
    const AISwatchRef gone = NewSwatch(dropped, "Supprimé");
    EXPECT_EQ(list->RemoveSwatchGroup(swatches, kept, 0), kNoErr);
    EXPECT_EQ(list->RemoveSwatchGroup(swatches, dropped, 1), kNoErr);
    EXPECT_EQ(ListNames(), std::vector<std::string>{"Déplacé"});
    char name[32];
    EXPECT_EQ(list->GetSwatchName(moved, name, sizeof name), kNoErr);
    EXPECT_EQ(list->GetSwatchName(gone, name, sizeof name), kStaleHandleErr);
    EXPECT_EQ(group->SetSwatchGroupName(kept, "Encore"), kStaleHandleErr);
    EXPECT_EQ(list->RemoveSwatchGroup(swatches, kept, 0), kStaleHandleErr);
    AISwatchRef again = nullptr;
    EXPECT_EQ(group->InsertNthSwatch(dropped, -1, &again), kStaleHandleErr);
}

TEST_F(ColourSuitesTest, NullAndStaleSwatchesAnswerErrors) {
    const AISwatchGroupRef vek = NewGroup("Groupe");
    const AISwatchRef gone = NewSwatch(vek, "Parti");
    ASSERT_EQ(group->RemoveSwatch(vek, gone), kNoErr);
    AIColor colour;
    char name[16];
    const std::vector<std::function<ASErr(AISwatchRef)>> calls = {
        [&](AISwatchRef s) { return list->GetSwatchName(s, name, sizeof name); },
        [&](AISwatchRef s) { return list->SetSwatchName(s, "Nom"); },
        [&](AISwatchRef s) { return list->GetAIColor(s, &colour); },
        [&](AISwatchRef s) { return list->SetAIColor(s, &colour); },
        [&](AISwatchRef s) { return list->RemoveSwatch(swatches, s); },
    };
    for (size_t i = 0; i < calls.size(); ++i) {
        EXPECT_EQ(calls[i](gone), kStaleHandleErr) << i;
        EXPECT_EQ(calls[i](nullptr), kBadParameterErr) << i;
    }
    EXPECT_EQ(group->RemoveSwatch(vek, nullptr), kBadParameterErr);
    EXPECT_EQ(group->LocateSwatch(nullptr, "Parti", nullptr), kBadParameterErr);
    int32_t count = 0;
    EXPECT_EQ(group->CountSwatches(nullptr, &count), kBadParameterErr);
}

TEST_F(ColourSuitesTest, NamesAreCutWithoutSplittingACharacter) {
    const AISwatchGroupRef vek = NewGroup("Été");
    const AISwatchRef swatch = NewSwatch(vek, "Éé");
    char name[4];
    EXPECT_EQ(list->GetSwatchName(swatch, name, sizeof name), kNoErr);
    EXPECT_STREQ(name, "\xC3\x89");
    EXPECT_EQ(group->GetSwatchGroupName(vek, name, 3), kNoErr);
    EXPECT_STREQ(name, "\xC3\x89");
}

}  // namespace
