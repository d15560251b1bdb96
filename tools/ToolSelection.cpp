#include "tools/ToolSelection.h"

#include "tools/ClickSequences.h"

#include "dimension/CurrentDimension.h"
#include "dimension/ValueFormat.h"
#include "frame/Colours.h"
#include "frame/FramePanel.h"
#include "frame/PathStyles.h"
#include "frame/Settings.h"
#include "frame/SuiteTable.h"
#include "host/ADMIconSuite.h"
#include "host/AnnotatorSuite.h"
#include "host/ArtSetSuite.h"
#include "host/ArtSuite.h"
#include "host/LayerSuite.h"
#include "records/CurrentOptions.h"
#include "records/HitState.h"
#include "records/ToolState.h"
#include "tools/CursorTracking.h"

namespace {

// The Info-panel variables every tool declares, in the order their values are given.
constexpr int32_t kInfoVars[] = {kInfoCursorX, kInfoCursorY, kInfoTipText, kInfoValueText, kInfoEndOfList};

// The palette number of a named tool, or kNoTool.
int32_t ToolNumberFromName(const char* name) {
    AIToolHandle tool = nullptr;
    int32_t number = kNoTool;
    if (sAITool->GetToolHandleFromName(name, &tool) == kNoErr)
        sAITool->GetToolNumberFromHandle(tool, &number);
    return number;
}

// Where the Segment tool goes: the eyedropper's toolset when "OutilsGroupe" is on, else beside the first
// companion tool found, else a group of its own.
void PlaceFirstTool(AIAddToolData& data) {
    data.sameToolsetAs = kNoTool;
    data.sameGroupAs = kNoTool;
    if (gSettings.ToolsGrouped != 0) {
        const int32_t eyedropper = ToolNumberFromName(kEyedropperToolName);
        data.sameGroupAs = eyedropper;
        data.sameToolsetAs = eyedropper;
        return;
    }
    for (const char* companion : kCompanionToolNames) {
        const int32_t number = ToolNumberFromName(companion);
        if (number != kNoTool) {
            data.sameGroupAs = number;
            return;
        }
    }
}

// Tools 2 to 5 share the Segment tool's toolset.
void PlaceLaterTool(AIAddToolData& data) {
    const int32_t segment = ToolNumberFromName(kToolNames[0]);
    data.sameGroupAs = segment;
    data.sameToolsetAs = segment;
}

// The tip of the Segment tool.
const char* SegmentTip(bool altHeld, bool shiftHeld) {
    return gToolState.AwaitingSegmentClick == 0 && !(altHeld && shiftHeld) ? "Clic point, segment, courbe ou arc."
                                                                           : "Cliquez sur un segment.";
}

// The tip of the current tool when no single modifier is held.
const char* CurrentToolTip(bool altHeld, bool shiftHeld) {
    switch (gToolState.CurrentTool) {
    case kSegmentTool:
        return SegmentTip(altHeld, shiftHeld);
    case kAngleTool:
        return gToolState.DimensionStarted == 0 || gToolState.ClickCount < 1 ? "Clic sommet, côté angle ou arc."
                                                                              : "Clic second côté angle.";
    case kCircleTool:
        return gToolState.ClickCount < 1 ? "Clic point, arc ou cercle." : "Clic seconde extrémité de l'arc.";
    case kBezierTool:
        if (gCurrentOptions.BezierMode == 1)
            return "Rayon local de la courbe.";
        if (gCurrentOptions.BezierMode == 2)
            return "Tangente locale à la courbe.";
        return "Partager segment, angle, arc ou courbe.";
    case kMeasureTool:
        return gToolState.ClickCount == 0 ? "Mesure premier point." : "Mesure second point.";
    default:
        return "";
    }
}

// False when the palette icon of tool k is of a type the dialog manager cannot read.
bool PaletteIconReadable(SPPluginRef plugin, int32_t k) {
    ADMIconRef icon = nullptr;
    if (sADMIcon->GetFromResource(plugin, kToolIconResource + k, 0, &icon) != kNoErr || icon == nullptr)
        return true;
    int32_t type = 0;
    const bool unknown = sADMIcon->GetType(icon, &type) == kNoErr && type == kADMUnknownIconType;
    sADMIcon->Destroy(icon);
    return !unknown;
}

}  // namespace

ASErr AddTools(SPPluginRef plugin) {
    ASErr error = kNoErr;
    for (int32_t k = 0; k < kToolCount; ++k) {
        // An unreadable icon ends the registration: no further tool, and no measured set.
        if (!PaletteIconReadable(plugin, k)) return error;
        AIAddToolData data;
        data.title = kToolNames[k];
        data.tooltip = kToolTips[k];
        data.normalIconResID = kToolIconResource + k;
        if (k == 0)
            PlaceFirstTool(data);
        else
            PlaceLaterTool(data);
        error = sAITool->AddTool(plugin, kToolNames[k], &data, kToolWantsToTrackCursorOption,
                                 &gToolState.ToolHandles[k]);
        error = sAITool->SetToolInfoVars(gToolState.ToolHandles[k], kInfoVars);
        error = sAITool->SetToolRolloverIcon(gToolState.ToolHandles[k], kToolRolloverIconResource + k);
    }
    error = sAIArtSet->NewArtSet(&gToolState.MeasuredSet);
    gToolState.MeasuredCount = 0;
    return error;
}

ToolNumber ToolNumberOf(AIToolHandle tool) {
    for (int32_t k = 0; k < kBezierTool; ++k) {
        if (tool != nullptr && tool == gToolState.ToolHandles[k])
            return static_cast<ToolNumber>(k + 1);
    }
    return kMeasureTool;
}

ASErr SelectTool(const AIToolMessage& message, AIAnnotatorHandle annotator, DockedPanel* panel) {
    sAILayer->GetCurrentLayer(&gToolState.SavedLayer);
    AbandonClickSequence();
    gToolState.ClickInProgress = 0;  // a new tool starts with no gesture under way
    gToolState.CircleLabelDistance = 0.0f;
    if (gColourSettings.GlobalSwatches != 0)
        MakeColourSwatches();
    ApplyStrokeColourToStyles(gColourSettings.GlobalSwatches);
    gToolState.CurrentTool = ToolNumberOf(message.tool);
    if (gToolState.CurrentTool == kBezierTool) {
        gToolState.BezierElementKind = kNoBezierElement;
    }
    gToolState.EditingSegment = gToolState.EditingAngle = gToolState.EditingCircle = gToolState.EditingBezier = 0;
    if (panel != nullptr) {
        panel->LayoutPanelForTool(1);
        panel->EnablePanelMenuEntries(1);
    }
    sAIAnnotator->SetAnnotatorActive(annotator, true);
    return kNoErr;
}

ASErr DeselectTool(const AIToolMessage&, AIAnnotatorHandle annotator, DockedPanel* panel) {
    // A sequence left half-way by the change of tool ends as a cancel ends it.
    if (gToolState.ClickCount >= 1) EndClickSequence();
    if (panel != nullptr) {
        panel->EnablePanelMenuEntries(0);
        panel->LayoutPanelForTool(0);
    }
    ClearCurrentDimension();
    sAIAnnotator->SetAnnotatorActive(annotator, false);
    if (gSettings.OwnLayer == 0)
        return kNoErr;
    AIArtHandle layerGroup = nullptr;
    if (sAIArt->GetFirstArtOfLayer(gToolState.CurrentLayer, &layerGroup) == kNoErr)
        sAIArt->SetArtUserAttr(layerGroup, kArtSelected | kArtFullySelected, 0);
    sAILayer->SetCurrentLayer(gToolState.SavedLayer);
    return kNoErr;
}

const char* ToolTipText(bool altHeld, bool shiftHeld, bool panelVisible) {
    if (altHeld && !shiftHeld)
        return panelVisible ? "Cache le panneau Vek-Tavorine." : "Affiche le panneau Vek-Tavorine.";
    if (shiftHeld && !altHeld)
        return "Clic pour l'outil suivant de Vek-Tavorine.";
    return CurrentToolTip(altHeld, shiftHeld);
}

ASErr SetToolTip(const AIToolMessage& message, bool altHeld, bool shiftHeld, bool panelVisible) {
    const AIRealPoint point = gHitState.HoverFlags.OverAnchor != 0 ? gHitState.SnapSegment.p : message.cursor;
    const bool oneModifier = altHeld != shiftHeld;
    const char* tip = ToolTipText(altHeld, shiftHeld, panelVisible);
    const char* value = oneModifier ? "" : gValueTextBuffer.Text;
    AIReal x = point.h;
    AIReal y = point.v;
    void* values[] = {&x, &y, const_cast<char*>(tip), const_cast<char*>(value)};
    return sAITool->SetToolInfoVarValues(kInfoVars, values);
}
