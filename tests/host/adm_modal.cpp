// Modal runs: init, the queued responder, nested runs, the end by the default notification, and teardown.
#include <string>
#include <vector>

#include "adm_fixture.h"

namespace {

using admtest::AdmTest;

struct ModalRecord {
    const ADMDialogSuite* dialogs = nullptr;
    const ADMItemSuite* items = nullptr;
    std::vector<std::string> events;
    int32_t nestedResult = 0;
    ADMItemRef okItem = nullptr;
};
ModalRecord gRun;

void OkNotify(ADMItemRef item, ADMNotifierRef notifier) {
    gRun.items->DefaultNotify(item, notifier);
    int32_t id = 0;
    // Still alive after the ending default notification.
    gRun.events.push_back(gRun.items->GetID(item, &id) == kNoErr ? "ok notified, item alive" : "ok item gone");
}

void OpenNested(ADMItemRef item, ADMNotifierRef) {
    ADMDialogRef dialog = nullptr;
    gRun.items->GetDialog(item, &dialog);
    SPPluginRef plugin = nullptr;
    gRun.dialogs->GetPluginRef(dialog, &plugin);
    gRun.dialogs->Modal(plugin, "ModèleBidon", 16700, kADMModalDialogStyle,
                        [](ADMDialogRef) {
                            gRun.events.push_back("nested init");
                            return kNoErr;
                        },
                        nullptr, 0, &gRun.nestedResult);
    gRun.events.push_back("nested returned");
}

ASErr Build(ADMDialogRef dialog) {
    gRun.events.push_back("init");
    const char* types[] = {kADMTextPushButtonType, kADMTextPushButtonType, kADMTextPushButtonType};
    for (int32_t id = 1; id <= 3; ++id) {
        ADMRect bounds{10 * id, 337, 10 * id + 60, 357};
        ADMItemRef item = nullptr;
        gRun.items->Create(dialog, id, types[id - 1], &bounds, nullptr, nullptr, 0, &item);
        if (id == 1) {
            gRun.items->SetNotifyProc(item, OkNotify);
            gRun.okItem = item;
        }
        if (id == 3)
            gRun.items->SetNotifyProc(item, OpenNested);
    }
    gRun.dialogs->SetDestroyProc(dialog, [](ADMDialogRef) { gRun.events.push_back("destroyed"); });
    return kNoErr;
}

class AdmModal : public AdmTest {
  protected:
    void SetUp() override {
        AdmTest::SetUp();
        gRun = ModalRecord();
        gRun.dialogs = dialogs;
        gRun.items = items;
    }
    int32_t RunPreferences() {
        int32_t result = 0;
        EXPECT_EQ(dialogs->Modal(self, "bidon", 16900, kADMModalDialogStyle, Build, nullptr, 0, &result), kNoErr);
        return result;
    }
};

TEST_F(AdmModal, OkEndsTheRunAfterItsNotifierReturnsThenTearsDown) {
    sim::TheDialogs().QueueModalResponder([&](ADMDialogRef dialog) {
        char title[64];
        dialogs->GetText(dialog, title, sizeof title);
        gRun.events.push_back(title);
        EXPECT_EQ(sim::TheDialogs().TopModal(), dialog);
        EXPECT_EQ(sim::TheDialogs().Click(sim::TheDialogs().FindItem(dialog, 1)), kNoErr);
        EXPECT_EQ(sim::TheDialogs().Click(sim::TheDialogs().FindItem(dialog, 2)), kBadParameterErr);
    });
    EXPECT_EQ(RunPreferences(), 1);
    EXPECT_EQ(gRun.events, (std::vector<std::string>{"init", "Préférences (Vek-Tavorine).",
                                                     "ok notified, item alive", "destroyed"}));
    ADMBoolean visible = 0;
    EXPECT_EQ(items->IsVisible(gRun.okItem, &visible), kStaleHandleErr);
    EXPECT_EQ(sim::TheDialogs().TopModal(), nullptr);
    EXPECT_EQ(sim::TheLogs().modalRuns, std::vector<std::string>{"bidon 16900"});
}

TEST_F(AdmModal, NestedRunTakesTheNextResponderAndNoResponderMeansEscape) {
    sim::TheDialogs().QueueModalResponder([&](ADMDialogRef dialog) {
        EXPECT_EQ(sim::TheDialogs().Click(sim::TheDialogs().FindItem(dialog, 3)), kNoErr);
        EXPECT_EQ(sim::TheDialogs().Click(sim::TheDialogs().FindItem(dialog, 2)), kNoErr);
    });
    sim::TheDialogs().QueueModalResponder([&](ADMDialogRef dialog) {
        gRun.events.push_back("nested responder");
        EXPECT_EQ(sim::TheDialogs().TopModal(), dialog);
        dialogs->EndModal(dialog, 7, 0);
    });
    EXPECT_EQ(RunPreferences(), 2);
    EXPECT_EQ(gRun.nestedResult, 7);
    EXPECT_EQ(gRun.events, (std::vector<std::string>{"init", "nested init", "nested responder", "nested returned",
                                                     "destroyed"}));
    EXPECT_EQ(sim::TheDialogs().PendingResponders(), 0u);
    EXPECT_EQ(sim::TheDialogs().OpenDialogs().size(), 0u);

    EXPECT_EQ(RunPreferences(), 2);  // nobody answers: the cancel button, as Escape would
}

TEST_F(AdmModal, MissingShellOrForeignPluginOpensNothing) {
    int32_t result = 0;
    EXPECT_EQ(dialogs->Modal(self, "bidon", 17999, kADMModalDialogStyle, Build, nullptr, 0, &result),
              kNameNotFoundErr);
    EXPECT_EQ(result, -1);
    EXPECT_EQ(dialogs->Modal(nullptr, "bidon", 16900, kADMModalDialogStyle, Build, nullptr, 0, &result),
              kBadParameterErr);
    EXPECT_TRUE(gRun.events.empty());
    EXPECT_TRUE(sim::TheLogs().modalRuns.empty());
}

} // namespace
