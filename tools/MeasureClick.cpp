// The Longueurs & aires tool's clicks: the measured set of paths and the measure between two anchors.
#include "dimension/CurrentDimension.h"
#include "dimension/DimensionArtFormat.h"
#include "dimension/Links.h"
#include "frame/SuiteTable.h"
#include "frame/TavorinePlugIn.h"
#include "host/ADMBasicSuite.h"
#include "host/ArtSetSuite.h"
#include "host/ArtSuite.h"
#include "host/MatchingArtSuite.h"
#include "host/TagSuite.h"
#include "host/ToolSuite.h"
#include "records/HitState.h"
#include "records/ToolState.h"
#include "tools/ClickSequences.h"
#include "tools/ClickSupport.h"
#include "tools/MeasuredSet.h"

namespace {

constexpr uint32_t kPointBeep = 9000;
constexpr const char* kOtherPathAlert = "Les deux points doivent appartenir à un même tracé.";

using ClickSequence = ASErr (*)(TavorinePlugIn*, const AIToolHitData&, AIToolMessage*);

// A kind marker and the tool whose click re-edits the dimension that carries it.
struct HandOver {
    const char* Marker;
    ToolNumber Tool;
    ClickSequence Click;
};

constexpr HandOver kHandOvers[] = {
    {DimensionArtFormat::SegmentMarker, kSegmentTool, ReOpenSegmentDimension},
    {DimensionArtFormat::AngleMarker, kAngleTool, ReOpenAngleDimension},
    {DimensionArtFormat::CircleMarker, kCircleTool, ReOpenCircleDimension},
};

// Empties the measured set: its members lose the subtraction tag and their selection; a member on a layer since
// locked or hidden keeps its tag, as art there does not change.
ASErr ClearMeasuredSet() {
    ASErr result = kNoErr;
    int32_t count = 0;
    KeepError(result, sAIArtSet->CountArtSet(gToolState.MeasuredSet, &count));
    for (int32_t i = 0; i < count; ++i) {
        AIArtHandle member = nullptr;
        if (sAIArtSet->IndexArtSet(gToolState.MeasuredSet, i, &member) != kNoErr) continue;
        if (ArtLayerEditable(member)) sAITag->DeleteTag(member, DimensionArtFormat::SubtractedAreaMarker);
        KeepError(result, sAIArt->SetArtUserAttr(member, kArtFullySelected, 0));
    }
    // The selection follows the emptied set.
    KeepError(result, sAIMatchingArt->DeselectAll());
    KeepError(result, sAIArtSet->DisposeArtSet(&gToolState.MeasuredSet));
    KeepError(result, sAIArtSet->NewArtSet(&gToolState.MeasuredSet));
    gToolState.MeasuredCount = 0;
    return result;
}

// Adds the clicked path to the set, or takes it out when it is a member already (the selection follows when
// the members are selected again).
ASErr ToggleMember(AIArtHandle art) {
    ASErr result = kNoErr;
    if (InMeasuredSet(art)) {
        KeepError(result, sAIArtSet->RemoveArtFromArtSet(gToolState.MeasuredSet, art));
    } else {
        // A path the user could not select by hand, or a guide, is never measured.
        if (!UserCanSelect(art) || IsGuide(art)) return result;
        if (gToolState.SubtractArea != 0)
            KeepError(result, SetMarker(art, DimensionArtFormat::SubtractedAreaMarker));
        KeepError(result, sAIArtSet->AddArtToArtSet(gToolState.MeasuredSet, art));
    }
    RecountMeasuredSet();
    return result;
}

// The selection becomes the set: what else was selected is no longer.
ASErr SelectMembers() {
    ASErr result = sAIMatchingArt->DeselectAll();
    int32_t count = 0;
    KeepError(result, sAIArtSet->CountArtSet(gToolState.MeasuredSet, &count));
    for (int32_t i = 0; i < count; ++i) {
        AIArtHandle member = nullptr;
        if (sAIArtSet->IndexArtSet(gToolState.MeasuredSet, i, &member) != kNoErr) continue;
        KeepError(result, sAIArt->SetArtUserAttr(member, kArtFullySelected, kArtFullySelected));
    }
    return result;
}

// The two-anchor measure: the first anchor, then the second on the same path.
ASErr MeasureBetweenPoints(const AIToolHitData& hit) {
    ClickBeep(kPointBeep);
    if (gToolState.ClickCount == 0) {
        gToolState.ClickCount = 1;
        gHitState.MeasuredArt = gHitState.HitArt;
        // The user's path keeps its numbering: the measure runs from this anchor modulo the anchor count.
        gToolState.MeasuredAnchorIndex = gHitState.HitStartIndex;
        return kNoErr;
    }
    ++gToolState.ClickCount;
    if (hit.object != gHitState.MeasuredArt) {
        RefusePress(kOtherPathAlert);
        gToolState.ClickCount = 0;
    }
    return kNoErr;
}

}  // namespace

ASErr MeasureClick(TavorinePlugIn* plugin, const AIToolHitData& hit, AIToolMessage* message) {
    for (const HandOver& handOver : kHandOvers) {
        if (!ArtHasTag(hit.object, handOver.Marker)) continue;
        if (plugin->PanelDialogue != nullptr) plugin->PanelDialogue->LayoutPanelForTool(1);
        sAITool->SetSelectedTool(gToolState.ToolHandles[handOver.Tool - 1]);
        return handOver.Click(plugin, hit, message);
    }
    const HoverFlagSet& flags = gHitState.HoverFlags;
    ASErr result = kNoErr;
    if (flags.OverAnchor == 0 && flags.OverSegment == 0 && flags.OverCurve == 0 && flags.OverArc == 0) {
        result = ClearMeasuredSet();
    } else {
        KeepError(result, ToggleMember(hit.object));
        KeepError(result, SelectMembers());
        if (flags.OverAnchor != 0) KeepError(result, MeasureBetweenPoints(hit));
        // A second anchor refused: its release ends nothing, but the set this click changed is shown now.
        if (gToolState.PressConsumed != 0 && plugin != nullptr && plugin->PanelDialogue != nullptr)
            plugin->PanelDialogue->ShowSelectionMeasures();
    }
    gToolState.MarqueeStart = gToolState.CursorPoint;
    gToolState.ClickInProgress = 1;
    return result;
}
