// Where a new dimension goes, and the click sound.
#include <cstring>

#include "dimension/CurrentDimension.h"
#include "frame/Settings.h"
#include "frame/SuiteTable.h"
#include "host/ADMBasicSuite.h"
#include "host/ArtSuite.h"
#include "host/LayerSuite.h"
#include "host/Platform.h"
#include "tools/ClickSupport.h"
#include "tools/ClickSequences.h"
#include "records/ToolState.h"

namespace {

constexpr const char* kLockedLayerAlert = "Tavorine impossible. Calque verrouillé.";
constexpr uint32_t kBeepDuration = 100;

// True when the host reports the layer editable.
bool LayerEditable(AILayerHandle layer) {
    AIBoolean editable = false;
    if (sAILayer->GetLayerEditable(layer, &editable) != kNoErr) return false;
    return editable != 0;
}

// True when the layer's title equals the stored layer title; a longer title is cut where it cannot compare equal.
bool LayerTitled(AILayerHandle layer) {
    char title[2 * kSettingsNameSize] = {};
    if (sAILayer->GetLayerTitle(layer, title, sizeof title) != kNoErr) return false;
    return std::strcmp(title, gSettings.LayerName) == 0;
}

// The layer of the stored title, walked in order into CurrentLayer; null when no layer has that title.
AILayerHandle FindTitledLayer() {
    int32_t count = 0;
    if (sAILayer->CountLayers(&count) != kNoErr) return nullptr;
    for (int32_t i = 0; i < count; ++i) {
        if (sAILayer->GetNthLayer(i, &gToolState.CurrentLayer) != kNoErr) continue;
        if (LayerTitled(gToolState.CurrentLayer)) return gToolState.CurrentLayer;
    }
    return nullptr;
}

// The layer the dimensions of their own go to, made above all layers when missing; null after the alert when
// that layer or the host's current layer is locked.
AILayerHandle OwnLayer() {
    AILayerHandle found = FindTitledLayer();
    if (found != nullptr && !LayerEditable(found)) return nullptr;
    AILayerHandle current = nullptr;
    sAILayer->GetCurrentLayer(&current);
    if (found == nullptr) {
        if (sAILayer->InsertLayer(current, kPlaceAboveAll, &gToolState.CurrentLayer) != kNoErr) return nullptr;
        sAILayer->SetLayerTitle(gToolState.CurrentLayer, gSettings.LayerName);
    }
    if (!LayerEditable(current)) return nullptr;
    return gToolState.CurrentLayer;
}

// The layer that receives the new group; null, after the locked-layer alert, when it cannot.
AILayerHandle TargetLayer() {
    AILayerHandle layer = nullptr;
    if (gSettings.OwnLayer != 0) {
        layer = OwnLayer();
    } else {
        sAILayer->GetCurrentLayer(&layer);
        if (!LayerEditable(layer)) layer = nullptr;
    }
    if (layer == nullptr) RefusePress(kLockedLayerAlert);
    return layer;
}

}  // namespace

void DisposeEmptyGroup() {
    if (!IsLiveArt(gCurrentDimension.DimensionGroup)) return;
    AIArtHandle child = nullptr;
    sAIArt->GetArtFirstChild(gCurrentDimension.DimensionGroup, &child);
    if (child == nullptr) DisposeArtIfValid(&gCurrentDimension.DimensionGroup);
}

NewGroupResult NewDimensionGroup() {
    NewGroupResult result;
    AILayerHandle layer = TargetLayer();
    if (layer == nullptr) return result;
    AIArtHandle top = nullptr;
    result.Error = sAIArt->GetFirstArtOfLayer(layer, &top);
    if (result.Error != kNoErr) return result;
    DisposeEmptyGroup();
    AIArtHandle group = nullptr;
    result.Error = sAIArt->NewArt(kGroupArt, kPlaceInsideOnTop, top, &group);
    if (result.Error != kNoErr) return result;
    gCurrentDimension.DimensionGroup = group;
    result.Made = true;
    return result;
}

void ClickBeep(uint32_t frequency) {
    if (gSettings.Sound != 0) Beep(frequency, kBeepDuration);
}
