// A fresh host with a plug-in whose resources hold dialog shells, a menu, icons and pictures, and the dialog suites.
#pragma once

#include <gtest/gtest.h>

#include <string>

#include "host/ADMDialogGroupSuite.h"
#include "host/ADMDialogSuite.h"
#include "host/ADMDrawerSuite.h"
#include "host/ADMEntrySuite.h"
#include "host/ADMIconSuite.h"
#include "host/ADMItemSuite.h"
#include "host/ADMListSuite.h"
#include "host/ADMNotifierSuite.h"
#include "host/ADMTrackerSuite.h"
#include "services_fake_plugin.h"
#include "simhost/DialogManager.h"
#include "simhost/SimHost.h"

namespace admtest {

inline const PluginResourceTable* Resources() {
    static const DialogShell preferences{"Préférences (Vek-Tavorine).", 460, 395};
    static const DialogShell colours{"Couleurs", 300, 200};
    static const MenuEntry flyout[] = {{"Afficher les options", 1}, {"Flèches/Points", 1}, {"-", 1},
                                       {"Couleurs...", 0}};
    static const char* const rows[] = {"#"};
    static const PixelImage image{1, 1, rows};
    static const PluginResource entries[] = {
        {kDialogResourceType, 16900, &preferences, 1}, {kDialogResourceType, 16700, &colours, 1},
        {kMenuResourceType, 128, flyout, 4},           {kIconResourceType, 1004, &image, 1},
        {kPictureResourceType, 1076, &image, 1},
    };
    static const PluginResourceTable table{entries, 5};
    return &table;
}

class AdmTest : public ::testing::Test {
  protected:
    void SetUp() override {
        sim::ResetHost();
        sim::ThePlugin().Load(fake::Entry, Resources);
        sim::InstallDialogSuites();
        dialogs = fake::Acquire<ADMDialogSuite>(kADMDialogSuite, kADMDialogSuiteVersion);
        groups = fake::Acquire<ADMDialogGroupSuite>(kADMDialogGroupSuite, kADMDialogGroupSuiteVersion);
        items = fake::Acquire<ADMItemSuite>(kADMItemSuite, kADMItemSuiteVersion);
        lists = fake::Acquire<ADMListSuite>(kADMListSuite, kADMListSuiteVersion);
        entries = fake::Acquire<ADMEntrySuite>(kADMEntrySuite, kADMEntrySuiteVersion);
        notifiers = fake::Acquire<ADMNotifierSuite>(kADMNotifierSuite, kADMNotifierSuiteVersion);
        trackers = fake::Acquire<ADMTrackerSuite>(kADMTrackerSuite, kADMTrackerSuiteVersion);
        icons = fake::Acquire<ADMIconSuite>(kADMIconSuite, kADMIconSuiteVersion2);
        drawers = fake::Acquire<ADMDrawerSuite>(kADMDrawerSuite, kADMDrawerSuiteVersion);
        self = sim::ThePlugin().Ref();
    }

    // A floating palette on shell 16700.
    ADMDialogRef Palette() {
        ADMDialogRef dialog = nullptr;
        EXPECT_EQ(dialogs->Create(self, "Tavorine", 16700, kADMTabbedFloatingDialogStyle, nullptr, nullptr, 0, &dialog),
                  kNoErr);
        return dialog;
    }
    ADMItemRef Make(ADMDialogRef dialog, int32_t id, const char* type, ADMRect bounds = {0, 0, 40, 20}) {
        ADMItemRef item = nullptr;
        EXPECT_EQ(items->Create(dialog, id, type, &bounds, nullptr, nullptr, 0, &item), kNoErr);
        return item;
    }
    std::string Text(ADMItemRef item) {
        char buffer[256];
        EXPECT_EQ(items->GetText(item, buffer, sizeof buffer), kNoErr);
        return buffer;
    }

    const ADMDialogSuite* dialogs = nullptr;
    const ADMDialogGroupSuite* groups = nullptr;
    const ADMItemSuite* items = nullptr;
    const ADMListSuite* lists = nullptr;
    const ADMEntrySuite* entries = nullptr;
    const ADMNotifierSuite* notifiers = nullptr;
    const ADMTrackerSuite* trackers = nullptr;
    const ADMIconSuite* icons = nullptr;
    const ADMDrawerSuite* drawers = nullptr;
    SPPluginRef self = nullptr;
};

}  // namespace admtest
