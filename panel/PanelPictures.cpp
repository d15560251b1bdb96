#include "panel/PanelPictures.h"

#include "frame/SuiteTable.h"
#include "host/ADMDialogSuite.h"
#include "host/ADMDrawerSuite.h"
#include "host/ADMIconSuite.h"
#include "host/ADMItemSuite.h"
#include "panel/PanelProcedures.h"
#include "records/CurrentOptions.h"
#include "records/ToolState.h"

namespace {

// The square in which the section buttons centre their icons.
constexpr ADMRect kButtonSquare{0, 0, 16, 16};

SPPluginRef PluginOf(ADMItemRef item) {
    ADMDialogRef dialog = nullptr;
    SPPluginRef plugin = nullptr;
    if (sADMItem->GetDialog(item, &dialog) != kNoErr || sADMDialog->GetPluginRef(dialog, &plugin) != kNoErr)
        return nullptr;
    return plugin;
}

template <typename Draw>
void WithIcon(ADMItemRef item, int32_t iconID, Draw draw) {
    ADMIconRef icon = nullptr;
    if (sADMIcon->GetFromResource(PluginOf(item), iconID, 0, &icon) != kNoErr) return;
    draw(icon);
    sADMIcon->Destroy(icon);
}

}  // namespace

void DrawPanelIcon(ADMItemRef item, ADMDrawerRef drawer, int32_t iconID, int32_t h, int32_t v) {
    const ADMPoint at{h, v};
    WithIcon(item, iconID, [&](ADMIconRef icon) { sADMDrawer->DrawIcon(drawer, icon, &at); });
}

void DrawPanelIconCentred(ADMItemRef item, ADMDrawerRef drawer, int32_t iconID, const ADMRect& rect) {
    WithIcon(item, iconID, [&](ADMIconRef icon) { sADMDrawer->DrawIconCentered(drawer, icon, &rect); });
}

void SingleArcPictureDraw(ADMItemRef item, ADMDrawerRef drawer) {
    if (gToolState.CurrentTool != kAngleTool) return;
    DrawPanelIconCentred(item, drawer, gCurrentOptions.MultipleArcs == 0 ? 1063 : 1062, kButtonSquare);
}

void MultipleArcsPictureDraw(ADMItemRef item, ADMDrawerRef drawer) {
    if (gToolState.CurrentTool != kAngleTool) return;
    DrawPanelIconCentred(item, drawer, gCurrentOptions.MultipleArcs == 1 ? 1065 : 1064, kButtonSquare);
}
