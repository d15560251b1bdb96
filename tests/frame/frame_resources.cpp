// The resources the module carries, and the two symbols it exports to its host.
#include <dlfcn.h>

#include <cstring>

#include "frame_fixture.h"
#include "resources/ResourceIds.h"

namespace frametest {
namespace {

const PluginResource* Find(uint32_t type, int32_t id) {
    const PluginResourceTable* table = PluginResources();
    const PluginResource* found = nullptr;
    for (size_t i = 0; i < table->count; ++i) {
        const PluginResource& resource = table->entries[i];
        if (resource.type != type || resource.id != id) continue;
        EXPECT_EQ(found, nullptr) << "resource " << id << " twice";
        found = &resource;
    }
    return found;
}

std::vector<std::string> Texts(const PluginResource* resource) {
    const auto* entries = static_cast<const char* const*>(resource->data);
    return std::vector<std::string>(entries, entries + resource->count);
}

std::vector<std::string> MenuTexts(const PluginResource* menu) {
    const auto* entries = static_cast<const MenuEntry*>(menu->data);
    std::vector<std::string> texts;
    for (size_t i = 0; i < menu->count; ++i) texts.emplace_back(entries[i].text);
    return texts;
}

TEST(Resources, ThePropertyListNamesTheKindTheInterfaceTheEntryAndTheName) {
    const PluginResource* list = Find(kPiPLResourceType, 16000);
    ASSERT_NE(list, nullptr);
    ASSERT_EQ(list->count, 4u);
    const auto* properties = static_cast<const PiPLProperty*>(list->data);
    const struct {
        uint32_t Key;
        int32_t Integer;
        const char* Text;
    } expected[] = {{kPIKindProperty, 0, "SPEA"},
                    {kPIInterfaceVersionProperty, 2, nullptr},
                    {kPIWin32X86CodeProperty, 0, "PluginMain"},
                    {kPINameProperty, 0, "TextFileFormat"}};
    for (size_t i = 0; i < 4; ++i) {
        EXPECT_EQ(properties[i].vendor, kPIVendorAdobe);
        EXPECT_EQ(properties[i].key, expected[i].Key);
        if (expected[i].Text == nullptr) {
            EXPECT_EQ(properties[i].textValue, nullptr);
            EXPECT_EQ(properties[i].intValue, expected[i].Integer);
        } else {
            EXPECT_STREQ(properties[i].textValue, expected[i].Text);
        }
    }
}

TEST(Resources, TheFlyoutMenuHoldsItsEntriesInOrder) {
    const PluginResource* menu = Find(kMenuResourceType, 128);
    ASSERT_NE(menu, nullptr);
    EXPECT_EQ(MenuTexts(menu), (std::vector<std::string>{"Afficher les options", "Flèches/Points", "-", "Couleurs...",
                                                     "Autres options...", "Éditeur de flèche...", "-",
                                                     "Préférences...", "-", "Afficher l'aide"}));
    const std::vector<std::string> texts = MenuTexts(menu);
    EXPECT_EQ(texts[kFlyoutOptionsEntry - 1], "Afficher les options");
    EXPECT_EQ(texts[kFlyoutArrowsEntry - 1], "Flèches/Points");
    EXPECT_EQ(texts[kFlyoutColoursEntry - 1], "Couleurs...");
    EXPECT_EQ(texts[kFlyoutOtherOptionsEntry - 1], "Autres options...");
    EXPECT_EQ(texts[kFlyoutArrowEditorEntry - 1], "Éditeur de flèche...");
    EXPECT_EQ(texts[kFlyoutPreferencesEntry - 1], "Préférences...");
    EXPECT_EQ(texts[kFlyoutHelpEntry - 1], "Afficher l'aide");
    // The panel enables the entries when it shows a tool's page; until then none can be chosen.
    const auto* entries = static_cast<const MenuEntry*>(menu->data);
    for (size_t i = 0; i < menu->count; ++i) EXPECT_EQ(entries[i].enabled, 0) << entries[i].text;
}

TEST(Resources, EveryDialogShellIsPresentAndEmpty) {
    const struct {
        int32_t Id;
        int32_t Constant;
        int32_t Width;
        int32_t Height;
    } shells[] = {
        {16400, kPanelDialogID, 240, 172},          {16401, kCustomScaleDialogID, 200, 120},
        {16600, kAboutDialogID, 0, 0},              {16700, kColourDialogID, 213, 135},
        {16900, kPreferencesDialogID, 460, 395},    {17000, kArrowEditorDialogID, 500, 400},
        {17300, kOtherOptionsDialogID, 308, 269},   {17400, kSegmentCreationDialogID, 290, 220},
        {17500, kAngleCreationDialogID, 290, 220},  {17600, kCircleCreationDialogID, 290, 220},
        {17700, kBezierCreationDialogID, 620, 585}, {17800, kFreeTextDialogID, 260, 220},
    };
    for (const auto& expected : shells) {
        SCOPED_TRACE(expected.Id);
        EXPECT_EQ(expected.Constant, expected.Id);
        const PluginResource* resource = Find(kDialogResourceType, expected.Id);
        ASSERT_NE(resource, nullptr);
        ASSERT_EQ(resource->count, 1u);
        const auto* shell = static_cast<const DialogShell*>(resource->data);
        EXPECT_STREQ(shell->title, "");
        EXPECT_EQ(shell->width, expected.Width);
        EXPECT_EQ(shell->height, expected.Height);
    }
}

TEST(Resources, TheErrorListStartsWithTheGenericTextAndNamesEachCodeOnce) {
    const PluginResource* list = Find(kStringListResourceType, 16050);
    ASSERT_NE(list, nullptr);
    const std::vector<std::string> texts = Texts(list);
    EXPECT_EQ(texts[kGenericErrorString - 1], "Une erreur inattendue s'est produite (code %s).");
    std::vector<std::string> codes;
    for (size_t i = kFirstCodedErrorString - 1; i < texts.size(); ++i) {
        const std::string code = texts[i].substr(0, 4);
        EXPECT_EQ(std::count(codes.begin(), codes.end(), code), 0) << code;
        codes.push_back(code);
    }
    for (const char* needed : {"!MEM", "CANT", "!MSG", "S!Fd"})
        EXPECT_EQ(std::count(codes.begin(), codes.end(), needed), 1) << needed;
}

TEST(Resources, TheModuleExportsItsEntryAndItsResourceTable) {
    void* module = dlopen(TAVORINE_MODULE_PATH, RTLD_LAZY | RTLD_LOCAL);
    ASSERT_NE(module, nullptr) << dlerror();
    EXPECT_NE(dlsym(module, kPluginEntryName), nullptr);
    auto resources = reinterpret_cast<PluginResourcesProc>(dlsym(module, kPluginResourcesName));
    ASSERT_NE(resources, nullptr);
    EXPECT_EQ(resources()->count, PluginResources()->count);
    EXPECT_EQ(dlsym(module, "_Z11ReportErrorP17SPPluginRefOpaquei"), nullptr);
    dlclose(module);
}

TEST_F(FrameTest, TheHostReadsThePluginsNameFromItsPropertyList) {
    EXPECT_STREQ(sim::ThePlugin().Name(), "TextFileFormat");
}

}  // namespace
}  // namespace frametest
