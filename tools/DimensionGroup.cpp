// Where a new dimension goes, and the click sound.
#include <algorithm>
#include <cstring>
#include <vector>

#include "dimension/CurrentDimension.h"
#include "dimension/Links.h"
#include "frame/Settings.h"
#include "frame/SuiteTable.h"
#include "host/ADMBasicSuite.h"
#include "host/ArtSuite.h"
#include "host/LayerSuite.h"
#include "host/PathSuite.h"
#include "host/TextFrameSuite.h"
#include "host/ATESuites.h"
#include "host/Platform.h"
#include "records/BezierExtraValues.h"
#include "tools/ClickSupport.h"
#include "tools/ClickSequences.h"
#include "records/ToolState.h"

namespace {

constexpr const char* kLockedLayerAlert = "Tavorine impossible. Calque verrouillé.";
constexpr uint32_t kBeepDuration = 100;

// True when the host reports the layer editable and shown: a hidden layer takes no dimension the user could
// not see being made, as a locked one takes none.
bool LayerEditable(AILayerHandle layer) {
    AIBoolean editable = false;
    AIBoolean visible = false;
    if (sAILayer->GetLayerEditable(layer, &editable) != kNoErr || sAILayer->GetLayerVisible(layer, &visible) != kNoErr)
        return false;
    return editable != 0 && visible != 0;
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

// True while a click sequence is under way: a pick waits, or a series has points.
bool SequenceUnderWay() { return gToolState.ClickCount != 0 || gToolState.AwaitingSegmentClick != 0; }

// True when the text frame holds some text.
bool HoldsText(AIArtHandle frame) {
    TextRangeRef range = nullptr;
    if (sAITextFrame->GetATETextRange(frame, &range) != kNoErr || range == nullptr) return false;
    int32_t size = 0;
    const bool written = sATETextRange->GetSize(range, &size) == kNoErr && size > 0;
    sATETextRange->Release(range);
    return written;
}

// The parts of a group, first to last.
std::vector<AIArtHandle> Parts(AIArtHandle group) {
    std::vector<AIArtHandle> parts;
    AIArtHandle child = nullptr;
    sAIArt->GetArtFirstChild(group, &child);
    while (child != nullptr) {
        parts.push_back(child);
        if (sAIArt->GetArtSibling(child, &child) != kNoErr) break;
    }
    return parts;
}

// True when the group holds paths, none with an anchor, and no label with text.
bool Unbuilt(AIArtHandle group) {
    bool paths = false;
    for (AIArtHandle part : Parts(group)) {
        int16_t type = kUnknownArt;
        sAIArt->GetArtType(part, &type);
        int16_t count = 0;
        if (type == kPathArt && (paths = true, sAIPath->GetPathSegmentCount(part, &count) == kNoErr) && count > 0)
            return false;
        if (type == kTextFrameArt && HoldsText(part)) return false;
    }
    return paths;
}

// The link keys the group's parts carry.
std::vector<const char*> LinkKeysHeld(AIArtHandle group) {
    std::vector<const char*> keys;
    for (AIArtHandle part : Parts(group)) {
        for (const char* key : kDimensionLinkKeys) {
            int32_t id = 0;
            if (ReadLinkId(part, key, &id) && std::find(keys.begin(), keys.end(), key) == keys.end())
                keys.push_back(key);
        }
    }
    return keys;
}

}  // namespace

bool ArtLayerEditable(AIArtHandle art) {
    AILayerHandle layer = nullptr;
    if (!IsLiveArt(art) || sAIArt->GetLayerOfArt(art, &layer) != kNoErr) return true;
    return LayerEditable(layer);
}

void DropNewGroup() {
    const AIArtHandle group = gCurrentDimension.DimensionGroup;
    DisposeArtIfValid(&gCurrentDimension.DimensionGroup);
    const CurrentDimension& replaced = gReplacedDimension.Dimension;
    const bool givenBack = group != nullptr && group == gReplacedDimension.By && IsLiveArt(replaced.DimensionGroup);
    if (givenBack) {
        gCurrentDimension = replaced;
        gBezierExtraValues = gReplacedDimension.Construction;
    }
    // The dimension given back keeps its own definition, which every rebuild of it puts in force
    // (RebuildWithDefinition); the settings in force stay as they are, for the next dimension.
    gReplacedDimension = {};
}

bool SequenceLayerRefused() {
    if (TargetLayer() == nullptr) return true;
    if (ArtLayerEditable(gToolState.SequenceGroup)) return false;
    RefusePress(kLockedLayerAlert);
    return true;
}

bool CurrentDimensionClosed() {
    return !SequenceUnderWay() && !ArtLayerEditable(gCurrentDimension.DimensionGroup);
}

void RefuseClosedLayer() { RefusePress(kLockedLayerAlert); }

void DisposeEmptyGroup() {
    if (!IsLiveArt(gCurrentDimension.DimensionGroup)) return;
    int16_t type = kUnknownArt;
    if (sAIArt->GetArtType(gCurrentDimension.DimensionGroup, &type) != kNoErr || type != kGroupArt) return;
    AIArtHandle child = nullptr;
    sAIArt->GetArtFirstChild(gCurrentDimension.DimensionGroup, &child);
    if (child == nullptr) DropNewGroup();
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
    // The skeleton of a sequence that waits is no dimension to give back: the one it replaced still is.
    const AIArtHandle current = gCurrentDimension.DimensionGroup;
    if (current == nullptr || current != gToolState.SequenceGroup) {
        gReplacedDimension.Dimension = gCurrentDimension;
        gReplacedDimension.Construction = gBezierExtraValues;
    }
    gReplacedDimension.By = group;
    // The new group holds no part yet: the record names none of the dimension before.
    gCurrentDimension = CurrentDimension{};
    gCurrentDimension.DimensionGroup = group;
    result.Made = true;
    return result;
}

void DropUnbuiltDimension() {
    if (gToolState.ClickCount != 0 || !IsLiveArt(gCurrentDimension.DimensionGroup) ||
        !Unbuilt(gCurrentDimension.DimensionGroup))
        return;
    const std::vector<const char*> keys = LinkKeysHeld(gCurrentDimension.DimensionGroup);
    DropNewGroup();
    UnlinkOrphans(keys);
}

void DropSequenceSkeleton() {
    AIArtHandle skeleton = gToolState.SequenceGroup;
    gToolState.SequenceGroup = nullptr;
    if (!IsLiveArt(skeleton)) return;
    const std::vector<const char*> keys = LinkKeysHeld(skeleton);
    if (skeleton == gCurrentDimension.DimensionGroup)
        DropNewGroup();
    else
        DisposeArtIfValid(&skeleton);
    UnlinkOrphans(keys);
}

void EndWaitingSequence() {
    gToolState.ClickCount = 0;
    gToolState.AwaitingSegmentClick = 0;
    DropSequenceSkeleton();
    DisposeEmptyGroup();
}

bool CancelCurrentDimension() {
    if (SequenceUnderWay()) {
        EndWaitingSequence();
        return true;
    }
    if (!IsLiveArt(gCurrentDimension.DimensionGroup)) return false;
    // A dimension on a locked or hidden layer stays where it is, refused as a press on that layer is.
    if (CurrentDimensionClosed()) {
        RefuseClosedLayer();
        return true;
    }
    const std::vector<const char*> keys = LinkKeysHeld(gCurrentDimension.DimensionGroup);
    DisposeArtIfValid(&gCurrentDimension.DimensionGroup);
    UnlinkOrphans(keys);
    return true;
}

void AbandonClickSequence() {
    EndWaitingSequence();
    DropUnbuiltDimension();
}

void ClickBeep(uint32_t frequency) {
    if (gSettings.Sound != 0) Beep(frequency, kBeepDuration);
}
