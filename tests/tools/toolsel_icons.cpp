// The palette icons the registration reads: an icon the dialog manager cannot read ends it.
#include <vector>

#include "host/ADMIconSuite.h"
#include "simhost/DialogSuites.h"
#include "toolsel_fixture.h"

namespace toolseltest {
namespace {

// The plug-in's own resources with the palette icon of the Cercle tool emptied.
const PluginResourceTable* ResourcesWithoutCircleIcon() {
    static const PixelImage empty{0, 0, nullptr};
    static std::vector<PluginResource> entries;
    static PluginResourceTable table{nullptr, 0};
    if (entries.empty()) {
        const PluginResourceTable* own = PluginResources();
        entries.assign(own->entries, own->entries + own->count);
        for (PluginResource& entry : entries)
            if (entry.type == kIconResourceType && entry.id == kToolIconResource + 2) entry.data = &empty;
        table = {entries.data(), entries.size()};
    }
    return &table;
}

TEST_F(ToolTest, EveryPaletteIconIsOfAReadableType) {
    for (int32_t k = 0; k < kToolCount; ++k) {
        ADMIconRef icon = nullptr;
        ASSERT_EQ(sim::ADMIconSuiteTable().GetFromResource(sim::ThePlugin().Ref(), kToolIconResource + k, 0, &icon),
                  kNoErr);
        int32_t type = 0;
        EXPECT_EQ(sim::ADMIconSuiteTable().GetType(icon, &type), kNoErr);
        EXPECT_EQ(type, kADMBitmapIconType);
        sim::ADMIconSuiteTable().Destroy(icon);
    }
}

TEST_F(ToolTest, AnUnreadableIconEndsTheRegistrationBeforeItsTool) {
    sim::ThePlugin().Shutdown();
    sim::ResetHost(false);
    ResetRecords();
    sim::ThePlugin().Load(PluginMain, ResourcesWithoutCircleIcon);
    ASSERT_EQ(sim::ThePlugin().Startup(), kNoErr);
    EXPECT_NE(sim::TheTools().FindByName("Outil Segment"), nullptr);
    EXPECT_NE(sim::TheTools().FindByName("Outil Angle"), nullptr);
    for (const char* name : {"Outil Cercle", "Outil Bézier", "Outil Longueurs & aires"})
        EXPECT_EQ(sim::TheTools().FindByName(name), nullptr) << name;
    EXPECT_EQ(gToolState.MeasuredSet, nullptr);
}

}  // namespace
}  // namespace toolseltest
