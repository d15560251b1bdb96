// The Cercle tool's click: a re-edit, a circle dimension from the two ends of an arc or from one click on the
// arc, or the start of a figure on empty canvas.
#include "dimension/CircleBuilder.h"
#include "dimension/CurrentDimension.h"
#include "dimension/DimensionArtFormat.h"
#include "dimension/Geometry.h"
#include "dimension/Links.h"
#include "dimension/ReEdit.h"
#include "dimension/Skeletons.h"
#include "frame/SuiteTable.h"
#include "host/ADMBasicSuite.h"
#include "records/CurrentOptions.h"
#include "tools/ClickSequences.h"
#include "tools/ClickSupport.h"
#include "records/HitState.h"
#include "records/MeasuredPoints.h"
#include "records/ToolState.h"

namespace format = DimensionArtFormat;

namespace {

constexpr int32_t kCircleSlot = kCircleTool - 1;

constexpr const char* kNotAnArcEndAlert = "Ce point n'est pas l'extrémité d'un arc de cercle.";
constexpr const char* kSamePathAlert = "Les deux points doivent appartenir à un même tracé.";
constexpr const char* kSecondEndAlert =
    "Vous devez cliquer sur un second point\r(seconde extrémité de l'arc de cercle)\rou tenir la touche "
    "Contrôle enfoncée.";
// The label of a clicked arc goes this far beyond it, besides a hundredth of the end-mark size.
constexpr AIReal kArcLabelClearance = 24.0f;
constexpr double kEndMarkClearanceRatio = 0.01;

void Alert(const char* text) { RefusePress(text); }

// An anchor whose two handles both lie on it ends no arc.
bool EndsAnArc(const AIPathSegment& anchor) { return !(SamePoint(anchor.in, anchor.p) && SamePoint(anchor.out, anchor.p)); }

// Refuses the end with the alert, the sequence starting again.
ASErr RefuseEnd(const char* text, ASErr result) {
    Alert(text);
    gToolState.ClickCount = 0;
    return result;
}

ASErr FirstEndClick() {
    ClickBeep(kPointClickFrequency);
    gToolState.ClickCount = 1;
    gHitState.MeasuredArt = gHitState.HitArt;
    gMeasuredPoints.FirstPoint = PathRecord(gHitState.MeasuredArt, gHitState.HitStartIndex);
    if (!EndsAnArc(gMeasuredPoints.FirstPoint)) return RefuseEnd(kNotAnArcEndAlert, kNoErr);
    return kNoErr;
}

ASErr SecondEndClick() {
    const NewGroupResult group = NewDimensionGroup();
    if (!group.Made) return group.Error;
    ClickBeep(kPointClickFrequency);
    ++gToolState.ClickCount;
    // A refused end leaves no group: the one this click made goes before the alert.
    const auto refuse = [&group](const char* text) {
        gToolState.ClickCount = 0;
        DropNewGroup();
        return RefuseEnd(text, group.Error);
    };
    if (gHitState.HitArt != gHitState.MeasuredArt) return refuse(kSamePathAlert);
    MeasuredPoints& m = gMeasuredPoints;
    m.SecondPoint = PathRecord(gHitState.MeasuredArt, gHitState.HitStartIndex);
    if (!EndsAnArc(m.SecondPoint)) return refuse(kNotAnArcEndAlert);
    AIPathSegment centre;
    if (!CircleFromChords(m.FirstPoint, m.SecondPoint, &centre, &m.CircleRadius)) {
        gToolState.ClickCount = 0;
        DropNewGroup();
        return group.Error;
    }
    m.CircleCentre = centre.p;
    ASErr result = BuildCircleDimensionArt();
    const AIRealPoint cursor = gToolState.CursorPoint;
    KeepError(result, DrawCircleDimension(cursor.h, cursor.v, 0, 0, 0, 0));
    gToolState.ClickInProgress = 1;
    return result;
}

ASErr ArcClick(const AIToolMessage& message) {
    const NewGroupResult group = NewDimensionGroup();
    if (!group.Made) return group.Error;
    MeasuredPoints& m = gMeasuredPoints;
    m.CircleCentre = gHitState.HoverArcCentre.p;
    m.CircleRadius = gFoundArc.ArcRadiusFound;
    gHitState.MeasuredArt = gHitState.HitArt;
    const AIReal clearance = m.CircleRadius +
                             static_cast<AIReal>(gCurrentOptions.EndMarkSize * kEndMarkClearanceRatio) +
                             kArcLabelClearance;
    gToolState.CursorPoint = MovedBy(m.CircleCentre, clearance, PointAngle(m.CircleCentre, message.cursor));
    ASErr result = BuildCircleDimensionArt();
    KeepError(result, LinkCircle(gHitState.MeasuredArt, gHitState.HitStartIndex, gHitState.HitEndIndex));
    ClickBeep(kOneClickFrequency);
    const AIRealPoint label = gToolState.CursorPoint;
    KeepError(result, DrawCircleDimension(label.h, label.v, 0, 0, 0, 0));
    gToolState.ClickInProgress = 1;
    return result;
}

} // namespace

ASErr ReOpenCircleDimension(TavorinePlugIn*, const AIToolHitData&, AIToolMessage*) {
    gToolState.CreateOnClick[kCircleSlot] = 0;
    EndWaitingSequence();
    const AIArtHandle before = gCurrentDimension.DimensionGroup;
    const ASErr result = RebuildCircleDimension(&gHitState.HitArt);
    NoteReOpened(before);
    return result;
}

ASErr CircleClick(TavorinePlugIn* plugin, const AIToolHitData& hit, AIToolMessage* message) {
    gToolState.CreateOnClick[kCircleSlot] = 0;
    // Another kind's dimension re-opens in its own tool when the hover showed its part, its anchors included.
    if (OverDimensionPart() && ArtHasTag(hit.object, format::SegmentMarker))
        return HandOverClick(plugin, PanelStep::SegmentPage, kSegmentTool, ReOpenSegmentDimension, hit, message);
    if (OverDimensionPart() && ArtHasTag(hit.object, format::AngleMarker))
        return HandOverClick(plugin, PanelStep::AnglePage, kAngleTool, ReOpenAngleDimension, hit, message);
    const HoverFlagSet& f = gHitState.HoverFlags;
    if (f.OverDimension != 0) return ReOpenCircleDimension(plugin, hit, message);
    if (f.OverAnchor != 0) return gToolState.ClickCount == 0 ? FirstEndClick() : SecondEndClick();
    if (gToolState.ClickCount == 1) {
        Alert(kSecondEndAlert);
        return kNoErr;
    }
    if (f.OverArc != 0) return ArcClick(*message);
    return StartCreationClick(kCircleSlot, BuildCircleDimensionArt, true);
}
