// The plug-in's host menu items: the About entry and the panel toggle.
#include "frame_fixture.h"
#include "simhost/Menus.h"

namespace frametest {
namespace {

const char* const kTavorineAboutBox =
    "Vek-Tavorine\nCotation des tracés : segments, angles, cercles, courbes de Bézier, longueurs et aires.";

class MenuTest : public FrameTest {
protected:
    static const sim::MenuItemRecord* PanelItem() { return sim::TheMenus().FindByName(kPanelItemName); }
    static const sim::MenuItemRecord* AboutItem() { return sim::TheMenus().FindByName(kAboutItemName); }
    static std::string UpdatedPanelText() {
        sim::TheMenus().Update(PanelItem()->handle);
        return PanelItem()->text;
    }
};

TEST_F(MenuTest, TheAboutEntryStandsInTheSharedAboutSubMenu) {
    sim::ThePlugin().Startup();
    const sim::MenuGroupRecord* group = sim::TheMenus().FindGroup("About Vektoria plug-ins");
    ASSERT_NE(group, nullptr);
    const sim::MenuItemRecord* parent = sim::TheMenus().Item(group->parent);
    ASSERT_NE(parent, nullptr);
    EXPECT_EQ(parent->group, "About");
    EXPECT_EQ(parent->text, "Modules Vektoria");
    ASSERT_NE(AboutItem(), nullptr);
    EXPECT_EQ(AboutItem()->group, "About Vektoria plug-ins");
    EXPECT_EQ(AboutItem()->text, "Vek-Tavorine...");
}

TEST_F(MenuTest, AnAboutSubMenuMadeByAnotherPluginIsSharedNotDuplicated) {
    AIPlatformAddMenuItemData data;
    data.groupName = "About";
    data.itemText = "Modules Vektoria";
    AIMenuItemHandle parent = nullptr;
    ASSERT_EQ(sim::TheMenus().AddItem(sim::ThePlugin().Ref(), "Vektoria plug-ins", &data, 0, &parent), kNoErr);
    AIMenuGroup group = nullptr;
    ASSERT_EQ(sim::TheMenus().AddSubMenuGroup("About Vektoria plug-ins", 0, parent, &group), kNoErr);

    sim::ThePlugin().Startup();
    EXPECT_EQ(sim::TheMenus().ItemsOf("About").size(), 1u);
    const auto items = sim::TheMenus().ItemsOf("About Vektoria plug-ins");
    ASSERT_EQ(items.size(), 1u);
    EXPECT_EQ(items[0]->text, "Vek-Tavorine...");
}

TEST_F(MenuTest, ChoosingTheAboutEntryShowsTheAboutBox) {
    sim::ThePlugin().Startup();
    EXPECT_EQ(sim::TheMenus().Choose(AboutItem()->handle), kNoErr);
    EXPECT_EQ(AlertTexts("about"), std::vector<std::string>{kTavorineAboutBox});
    EXPECT_TRUE(sim::TheLogs().debugOutput.empty());
}

TEST_F(MenuTest, TheInterfaceAboutMessageShowsTheSameAboutBox) {
    sim::ThePlugin().Startup();
    sim::ThePlugin().About();
    EXPECT_EQ(AlertTexts("about"), std::vector<std::string>{kTavorineAboutBox});
}

TEST_F(MenuTest, ThePanelToggleStandsInToolPalettesAndWantsUpdates) {
    sim::ThePlugin().Startup();
    ASSERT_NE(PanelItem(), nullptr);
    EXPECT_EQ(PanelItem()->group, "Tool Palettes");
    EXPECT_EQ(PanelItem()->text, "Afficher Vek-Tavorine");
    EXPECT_NE(PanelItem()->options & kMenuItemWantsUpdateOption, 0);
}

TEST_F(MenuTest, BeforeThePanelExistsTheToggleOffersToShowItAndChangesNothing) {
    sim::ThePlugin().Startup();
    EXPECT_EQ(UpdatedPanelText(), "Afficher Vek-Tavorine");
    EXPECT_EQ(sim::TheMenus().Choose(PanelItem()->handle), kNoErr);
    EXPECT_EQ(gSettings.PanelVisible, 1);
    EXPECT_EQ(UpdatedPanelText(), "Afficher Vek-Tavorine");
    EXPECT_TRUE(sim::TheLogs().alerts.empty());
}

TEST_F(MenuTest, TheToggleHidesAndShowsThePanelAndItsTextFollows) {
    sim::ThePlugin().Startup();
    auto* panel = new FakePanel(kDefaultPanelDockCode);
    Tavorine()->PanelDialogue = panel;
    EXPECT_EQ(UpdatedPanelText(), "Masquer Vek-Tavorine");

    const struct {
        bool Shown;
        int32_t Visible;
        const char* Text;
    } steps[] = {{false, 0, "Afficher Vek-Tavorine"}, {true, 1, "Masquer Vek-Tavorine"}};
    for (const auto& step : steps) {
        sim::TheMenus().Choose(PanelItem()->handle);
        EXPECT_EQ(panel->Shown, step.Shown);
        EXPECT_EQ(gSettings.PanelVisible, step.Visible);
        EXPECT_EQ(UpdatedPanelText(), step.Text);
    }
}

TEST_F(MenuTest, MenuMessagesForItemsThatAreNotThePluginsAreUnhandled) {
    Connect(ResultEntry);
    sim::ThePlugin().Startup();
    AIMenuMessage message;
    EXPECT_EQ(SendRecord(kCallerAIMenu, kSelectorAIGoMenuItem, message), kUnhandledMsgErr);
    EXPECT_EQ(SendRecord(kCallerAIMenu, kSelectorAIUpdateMenuItem, message), kUnhandledMsgErr);
    message.menuItem = sim::TheMenus().FindByName(kAboutItemName)->handle;
    EXPECT_EQ(SendRecord(kCallerAIMenu, kSelectorAIUpdateMenuItem, message), kUnhandledMsgErr);
    EXPECT_EQ(SendRecord(kCallerAIMenu, kSelectorAIGoMenuItem, message), kNoErr);
}

}  // namespace
}  // namespace frametest
