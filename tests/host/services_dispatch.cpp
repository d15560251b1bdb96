// What the host sends the plug-in on its own: tool hand-over, menu choices and updates, notifiers.
#include <gtest/gtest.h>

#include <cstring>
#include <limits>

#include "host/MenuSuite.h"
#include "host/NotifierSuite.h"
#include "host/Platform.h"
#include "host/ToolSuite.h"
#include "services_fake_plugin.h"
#include "simhost/ArtEdits.h"
#include "simhost/Document.h"
#include "simhost/Menus.h"
#include "simhost/Notifiers.h"
#include "simhost/Platform.h"
#include "simhost/SuiteRegistry.h"
#include "simhost/Tools.h"

namespace {

using fake::Acquire;

class ServicesDispatch : public ::testing::Test {
  protected:
    void SetUp() override {
        fake::Connect();
        tools = Acquire<AIToolSuite>(kAIToolSuite, kAIToolSuiteVersion);
        menus = Acquire<AIMenuSuite>(kAIMenuSuite, kAIMenuSuiteVersion);
        notifiers = Acquire<AINotifierSuite>(kAINotifierSuite, kAINotifierSuiteVersion);
        self = sim::ThePlugin().Ref();
    }

    AIToolHandle AddTool(const char* name, int32_t sameGroupAs = kNoTool) {
        AIAddToolData data;
        data.title = name;
        data.tooltip = "tip";
        data.sameGroupAs = sameGroupAs;
        data.normalIconResID = 16100;
        AIToolHandle tool = nullptr;
        EXPECT_EQ(tools->AddTool(self, name, &data, kToolWantsToTrackCursorOption, &tool), kNoErr);
        return tool;
    }

    AIToolHandle HostTool(const char* name) {
        AIToolHandle tool = nullptr;
        EXPECT_EQ(tools->GetToolHandleFromName(name, &tool), kNoErr);
        return tool;
    }

    const AIToolSuite* tools = nullptr;
    const AIMenuSuite* menus = nullptr;
    const AINotifierSuite* notifiers = nullptr;
    SPPluginRef self = nullptr;
};

TEST_F(ServicesDispatch, HostToolsExistAndSelectToolIsCurrent) {
    AIToolHandle selected = nullptr;
    ASSERT_EQ(tools->GetSelectedTool(&selected), kNoErr);
    EXPECT_EQ(selected, HostTool(kSelectToolName));
    EXPECT_NE(HostTool(kEyedropperToolName), nullptr);
    int32_t number = -1;
    EXPECT_EQ(tools->GetToolNumberFromHandle(HostTool(kEyedropperToolName), &number), kNoErr);
    EXPECT_EQ(number, 1);
}

TEST_F(ServicesDispatch, ToolChangeSendsDeselectThenSelectAtOnce) {
    const AIToolHandle segment = AddTool("Outil Segment");
    const AIToolHandle angle = AddTool("Outil Angle");
    // While the plug-in handles "AI Select", the host already reports the new tool as current.
    static AIToolHandle seenDuringSelect = nullptr;
    fake::OnMessage() = [this](const char*, const char* selector, void*) {
        if (std::strcmp(selector, kSelectorAISelectTool) == 0)
            tools->GetSelectedTool(&seenDuringSelect);
        return kNoErr;
    };
    ASSERT_EQ(tools->SetSelectedTool(segment), kNoErr);
    EXPECT_EQ(fake::Trace(), std::vector<std::string>{"AI Tool/AI Select"});
    EXPECT_EQ(seenDuringSelect, segment);
    fake::Messages().clear();
    ASSERT_EQ(tools->SetSelectedTool(angle), kNoErr);
    ASSERT_EQ(fake::Trace(), (std::vector<std::string>{"AI Tool/AI Deselect", "AI Tool/AI Select"}));
    EXPECT_EQ(fake::Messages()[0].tool, segment);
    EXPECT_EQ(fake::Messages()[1].tool, angle);
    EXPECT_EQ(seenDuringSelect, angle);
}

TEST_F(ServicesDispatch, SameToolAndHostToolsReceiveNothing) {
    const AIToolHandle segment = AddTool("Outil Segment");
    ASSERT_EQ(tools->SetSelectedTool(HostTool(kSelectToolName)), kNoErr); // already current
    ASSERT_EQ(tools->SetSelectedTool(HostTool(kEyedropperToolName)), kNoErr);
    EXPECT_TRUE(fake::Messages().empty());
    ASSERT_EQ(tools->SetSelectedTool(segment), kNoErr);
    ASSERT_EQ(tools->SetSelectedTool(segment), kNoErr);
    EXPECT_EQ(fake::Trace(), std::vector<std::string>{"AI Tool/AI Select"});
    ASSERT_EQ(tools->SetSelectedTool(HostTool(kSelectToolName)), kNoErr);
    EXPECT_EQ(fake::Trace(), (std::vector<std::string>{"AI Tool/AI Select", "AI Tool/AI Deselect"}));
}

TEST_F(ServicesDispatch, ToolChangeFromInsideAToolMessageReentersTheEntry) {
    const AIToolHandle segment = AddTool("Outil Segment");
    const AIToolHandle angle = AddTool("Outil Angle");
    tools->SetSelectedTool(segment);
    fake::Messages().clear();
    // A click on another kind of dimension makes that tool current from inside the mouse-down.
    fake::OnMessage() = [&](const char*, const char* selector, void*) {
        if (std::strcmp(selector, kSelectorAIToolMouseDown) == 0)
            tools->SetSelectedTool(angle);
        return kNoErr;
    };
    sim::ThePlugin().SendTool(kSelectorAIToolMouseDown, segment, AIRealPoint{10.0f, 20.0f});
    EXPECT_EQ(fake::Trace(), (std::vector<std::string>{"AI Tool/AI Mouse Down", "AI Tool/AI Deselect",
                                                       "AI Tool/AI Select"}));
    EXPECT_EQ(sim::TheTools().Selected(), angle);
}

TEST_F(ServicesDispatch, StaleToolIsRefused) {
    fake::Connect();
    AIToolHandle stale = sim::TheTools().Records().front().handle;
    sim::ResetHost();
    EXPECT_EQ(tools->SetSelectedTool(stale), kStaleHandleErr);
    EXPECT_EQ(tools->SetSelectedTool(nullptr), kStaleHandleErr);
    const char* name = nullptr;
    EXPECT_EQ(tools->GetToolName(stale, &name), kStaleHandleErr);
}

TEST_F(ServicesDispatch, ToolRegistrationKeepsTitleTipIconsGroupAndOptions) {
    const AIToolHandle segment = AddTool("Outil Segment");
    int32_t segmentNumber = -1;
    tools->GetToolNumberFromHandle(segment, &segmentNumber);
    EXPECT_EQ(segmentNumber, 2);
    const AIToolHandle angle = AddTool("Outil Angle", segmentNumber);
    const sim::ToolRecord* record = sim::TheTools().Find(angle);
    ASSERT_NE(record, nullptr);
    EXPECT_EQ(record->group, segmentNumber);
    EXPECT_EQ(record->title, "Outil Angle");
    EXPECT_EQ(record->tip, "tip");
    EXPECT_EQ(record->normalIcon, 16100);
    EXPECT_EQ(record->options, kToolWantsToTrackCursorOption);
    EXPECT_EQ(tools->SetTooltip(angle, "Cote d'angle"), kNoErr);
    const char* tip = nullptr;
    EXPECT_EQ(tools->GetTooltip(angle, &tip), kNoErr);
    EXPECT_STREQ(tip, "Cote d'angle");
    AIAddToolData data;
    AIToolHandle duplicate = nullptr;
    EXPECT_EQ(tools->AddTool(self, "Outil Angle", &data, 0, &duplicate), kBadParameterErr);
    EXPECT_EQ(duplicate, nullptr);
    data.sameGroupAs = 99;
    EXPECT_EQ(tools->AddTool(self, "Outil Cercle", &data, 0, &duplicate), kIndexOutOfRangeErr);
    EXPECT_EQ(tools->AddTool(nullptr, "Outil Cercle", &data, 0, &duplicate), kBadParameterErr);
}

TEST_F(ServicesDispatch, ToolMessagesCarryTheHeldModifiers) {
    const AIToolHandle segment = AddTool("Outil Segment");
    sim::ThePlatform().SetKeyDown(VK_RSHIFT, true);
    sim::ThePlatform().SetKeyDown(VK_MENU, true);
    sim::ThePlugin().SendTool(kSelectorAIToolMouseDown, segment, AIRealPoint{1.0f, 2.0f});
    ASSERT_EQ(fake::Messages().size(), 1u);
    EXPECT_EQ(fake::Messages()[0].modifiers, aiEventModifiers_shiftKey | aiEventModifiers_optionKey);
    EXPECT_EQ(sim::TheLogs().calls.back(), "message AI Tool/AI Mouse Down [Outil Segment]");
}

TEST_F(ServicesDispatch, MenuChooseAndUpdateReachTheEntry) {
    AIPlatformAddMenuItemData data;
    data.groupName = kToolPalettesMenuGroup;
    data.itemText = "Masquer Vek-Tavorine";
    AIMenuItemHandle item = nullptr;
    ASSERT_EQ(menus->AddMenuItem(self, "Vek-Tavorine panel", &data, kMenuItemWantsUpdateOption, &item),
              kNoErr);
    ASSERT_EQ(sim::TheMenus().Choose(item), kNoErr);
    ASSERT_EQ(sim::TheMenus().Update(item), kNoErr);
    ASSERT_EQ(fake::Trace(), (std::vector<std::string>{"AI Menu/AI Go", "AI Menu/AI Update"}));
    EXPECT_EQ(fake::Messages()[0].item, item);
    EXPECT_EQ(fake::Messages()[1].item, item);
    EXPECT_EQ(sim::TheMenus().FindByText("Masquer Vek-Tavorine")->handle, item);
    EXPECT_EQ(sim::TheMenus().FindByName("Vek-Tavorine panel")->options, kMenuItemWantsUpdateOption);
    // A disabled item cannot be chosen.
    menus->DisableItem(item);
    AIBoolean enabled = 1;
    EXPECT_EQ(menus->IsItemEnabled(item, &enabled), kNoErr);
    EXPECT_EQ(enabled, 0);
    EXPECT_EQ(sim::TheMenus().Choose(item), kBadParameterErr);
    EXPECT_EQ(fake::Messages().size(), 2u);
    EXPECT_EQ(menus->SetItemText(item, "Afficher Vek-Tavorine"), kNoErr);
    const char* text = nullptr;
    EXPECT_EQ(menus->GetItemText(item, &text), kNoErr);
    EXPECT_STREQ(text, "Afficher Vek-Tavorine");
    EXPECT_EQ(menus->CheckItem(item, 1), kNoErr);
    EXPECT_TRUE(sim::TheMenus().Item(item)->checked);
}

TEST_F(ServicesDispatch, AboutSubMenuHangsFromAnItemOfTheAboutGroup) {
    AIPlatformAddMenuItemData data;
    data.groupName = kAboutMenuGroup;
    data.itemText = "Vektoria";
    AIMenuItemHandle parent = nullptr;
    ASSERT_EQ(menus->AddMenuItem(self, "About Vektoria", &data, 0, &parent), kNoErr);
    AIMenuGroup group = nullptr;
    ASSERT_EQ(menus->AddMenuGroupAsSubMenu("About Vektoria plug-ins", 0, parent, &group), kNoErr);
    AIMenuGroup again = nullptr;
    ASSERT_EQ(menus->AddMenuGroupAsSubMenu("About Vektoria plug-ins", 0, nullptr, &again), kNoErr);
    EXPECT_EQ(again, group);
    AIMenuGroup found = nullptr;
    EXPECT_EQ(menus->GetMenuGroupByName("About Vektoria plug-ins", &found), kNoErr);
    EXPECT_EQ(found, group);
    EXPECT_EQ(sim::TheMenus().Group(group)->parent, parent);
    data.groupName = "About Vektoria plug-ins";
    data.itemText = "Vek-Tavorine...";
    AIMenuItemHandle about = nullptr;
    ASSERT_EQ(menus->AddMenuItem(self, "About Vek-Tavorine", &data, 0, &about), kNoErr);
    ASSERT_EQ(sim::TheMenus().ItemsOf("About Vektoria plug-ins").size(), 1u);
    EXPECT_EQ(sim::TheMenus().ItemsOf("About Vektoria plug-ins")[0]->text, "Vek-Tavorine...");
    data.groupName = "No Such Group";
    AIMenuItemHandle lost = nullptr;
    EXPECT_EQ(menus->AddMenuItem(self, "Lost", &data, 0, &lost), kNameNotFoundErr);
    EXPECT_EQ(lost, nullptr);
    EXPECT_EQ(menus->GetMenuGroupByName("No Such Group", &found), kNameNotFoundErr);
}

TEST_F(ServicesDispatch, NotifierSendReachesOnlyActiveNotifiersOfTheType) {
    AINotifierHandle started = nullptr;
    AINotifierHandle shutdown = nullptr;
    AINotifierHandle colour = nullptr;
    ASSERT_EQ(notifiers->AddNotifier(self, "TextFileFormat App Started Notifier",
                                     kAIApplicationStartedNotifier, &started),
              kNoErr);
    ASSERT_EQ(
        notifiers->AddNotifier(self, "TransormButtonsDialog ", kAIApplicationShutdownNotifier, &shutdown),
        kNoErr);
    ASSERT_EQ(notifiers->AddNotifier(self, "Couleur", kAIArtCustomColorChangedNotifier, &colour), kNoErr);
    int data = 0;
    ASSERT_EQ(sim::ThePlugin().SendNotifier(kAIApplicationStartedNotifier, &data), kNoErr);
    ASSERT_EQ(fake::Messages().size(), 1u);
    EXPECT_EQ(fake::Messages()[0].caller, kCallerAINotify);
    EXPECT_EQ(fake::Messages()[0].selector, kSelectorAINotify);
    EXPECT_EQ(fake::Messages()[0].notifier, started);
    EXPECT_EQ(fake::Messages()[0].notifierType, kAIApplicationStartedNotifier);
    EXPECT_EQ(fake::Messages()[0].notifyData, &data);
    ASSERT_EQ(notifiers->SetNotifierActive(shutdown, 0), kNoErr);
    sim::TheNotifiers().Send(kAIApplicationShutdownNotifier);
    EXPECT_EQ(fake::Messages().size(), 1u);
    const char* name = nullptr;
    EXPECT_EQ(notifiers->GetNotifierName(shutdown, &name), kNoErr);
    EXPECT_STREQ(name, "TransormButtonsDialog ");
    AIBoolean active = 1;
    EXPECT_EQ(notifiers->GetNotifierActive(shutdown, &active), kNoErr);
    EXPECT_EQ(active, 0);
    sim::TheNotifiers().Send(kAIArtCustomColorChangedNotifier);
    ASSERT_EQ(fake::Messages().size(), 2u);
    EXPECT_EQ(fake::Messages()[1].notifier, colour);
    EXPECT_EQ(sim::TheLogs().calls.back(),
              "message AI Notifier/AI Notify [AI Art Custom Color Changed Notifier]");
}

TEST_F(ServicesDispatch, NotifiersOfAnotherPluginOrStaleHandlesAreRefused) {
    AINotifierHandle notifier = nullptr;
    EXPECT_EQ(notifiers->AddNotifier(nullptr, "x", kAIApplicationStartedNotifier, &notifier),
              kBadParameterErr);
    EXPECT_EQ(notifier, nullptr);
    EXPECT_EQ(notifiers->AddNotifier(self, "x", nullptr, &notifier), kBadParameterErr);
    ASSERT_EQ(notifiers->AddNotifier(self, "x", kAIApplicationStartedNotifier, &notifier), kNoErr);
    fake::Connect(); // the plug-in is loaded again: its old notifiers are gone
    EXPECT_EQ(notifiers->SetNotifierActive(notifier, 0), kStaleHandleErr);
    EXPECT_EQ(sim::ThePlugin().SendNotifier(kAIApplicationStartedNotifier), kNoErr);
    EXPECT_TRUE(fake::Messages().empty());
}

// The user's own edits of the drawing reach only the notifiers registered for art changes; a refused edit
// changes nothing and sends nothing.
TEST_F(ServicesDispatch, TheUsersEditsOfAPathReachOnlyTheNotifiersOfArtChanges) {
    AINotifierHandle colour = nullptr, changed = nullptr;
    ASSERT_EQ(notifiers->AddNotifier(self, "Couleur", kAIArtCustomColorChangedNotifier, &colour), kNoErr);
    ASSERT_EQ(notifiers->AddNotifier(self, "Suivi", sim::kArtSelectionChangedNotifier, &changed), kNoErr);
    sim::Document& document = sim::TheDocument();
    const AIArtHandle path = document.DrawPath(
        {sim::CornerSegment(0, 0), sim::CurveSegment({100, 0}, {90, 10}, {110, -10})}, false, "Trait");
    EXPECT_EQ(sim::UserMovesPath(path, {5, 5}), kNoErr);
    EXPECT_EQ(sim::UserMovesAnchor(path, 1, {0, -5}), kNoErr);
    EXPECT_NE(document.Describe(path).find("anchors=[(5,5) (105,0 in 95,10 out 115,-10 smooth)]"),
              std::string::npos);
    EXPECT_EQ(sim::UserMovesAnchor(path, 2, {1, 1}), kBadParameterErr);
    EXPECT_EQ(sim::UserMovesPath(path, {std::numeric_limits<float>::infinity(), 0}), kBadParameterErr);
    EXPECT_EQ(sim::UserDeletesPath(path), kNoErr);
    EXPECT_EQ(sim::UserDeletesPath(path), kStaleHandleErr);
    ASSERT_EQ(fake::Messages().size(), 3u);
    EXPECT_EQ(fake::Messages()[2].notifier, changed);
}

} // namespace
