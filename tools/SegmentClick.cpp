// The Segment tool's click: a re-edit, a two-point dimension, a one-click dimension of a segment, a curve or an
// arc, or the start of a figure on empty canvas.
#include "dimension/CurrentDimension.h"
#include "dimension/DimensionArtFormat.h"
#include "dimension/Geometry.h"
#include "dimension/LinearDimensions.h"
#include "dimension/Links.h"
#include "dimension/OffsetDimension.h"
#include "dimension/ReEdit.h"
#include "dimension/Skeletons.h"
#include "frame/SuiteTable.h"
#include "frame/TavorinePlugIn.h"
#include "host/ADMBasicSuite.h"
#include "host/RealMathSuite.h"
#include "host/TagSuite.h"
#include "records/CurrentOptions.h"
#include "records/DragValues.h"
#include "resources/ResourceIds.h"
#include "tools/ClickSequences.h"
#include "tools/ClickSupport.h"
#include "records/HitState.h"
#include "records/MeasuredPoints.h"
#include "records/ToolState.h"

namespace format = DimensionArtFormat;

namespace {

constexpr int32_t kSegmentSlot = kSegmentTool - 1;

constexpr const char* kSecondPointAlert =
    "Vous devez cliquer sur un second point\r(point d'ancrage ou point d'intersection)\rou tenir la touche "
    "Contrôle enfoncée.";
constexpr const char* kOpenPathAlert = "Le tracé doit être ouvert.";

void Alert(const char* text) { RefusePress(text); }

bool OverPoint() {
    const HoverFlagSet& f = gHitState.HoverFlags;
    return f.OverAnchor != 0 || f.OverIntersection != 0 || f.OverCentre != 0;
}

// A point no link can hold: a centre point, or an anchor of a dimension's own part. A dimension measured from
// one is not linked and offers no re-edit.
bool UnlinkablePoint() {
    const HoverFlagSet& f = gHitState.HoverFlags;
    return f.OverCentre != 0 || (f.OverAnchor != 0 && ArtHasTag(gHitState.HitArt, format::Vek));
}

// The dimension under construction no longer offers a re-edit.
void DropKindMarker() {
    sAITag->DeleteTag(gCurrentDimension.DimensionLines[0], format::SegmentMarker);
    sAITag->DeleteTag(gCurrentDimension.DimensionLineHalves[0], format::SegmentMarker);
}

// The link of the first point taken off a dimension finished on a point no link can hold; the first path
// keeps its link only while another dimension holds it.
void Unlink() {
    AIArtHandle line = gCurrentDimension.DimensionLines[0];
    AIArtHandle half = gCurrentDimension.DimensionLineHalves[0];
    sAITag->DeleteTag(gHitState.MeasuredArt, format::SegmentMarker);
    for (const char* key : {format::SegmentMarker, format::FirstPointLink, format::AnchorIndexKeys[0]}) {
        sAITag->DeleteTag(line, key);
        sAITag->DeleteTag(half, key);
    }
    UnlinkOrphan(gHitState.MeasuredArt, format::FirstPointLink);
}

ASErr FirstPointClick() {
    gMeasuredPoints.FirstPoint.p = gHitState.SnapSegment.p;
    const NewGroupResult group = NewDimensionGroup();
    if (!group.Made) return group.Error;
    const bool unlinked = UnlinkablePoint();
    ASErr result = BuildSegmentDimensionArt();
    if (unlinked) {
        DropKindMarker();
    } else if (gHitState.HoverFlags.OverAnchor != 0) {
        KeepError(result, LinkFirstPoint(gHitState.HitArt, gHitState.HitStartIndex));
    }
    gHitState.MeasuredArt = gHitState.HitArt;
    gToolState.SequenceGroup = gCurrentDimension.DimensionGroup;
    gClickFlags.FirstClickOnCentre = unlinked ? 1 : 0;
    ClickBeep(kPointClickFrequency);
    gToolState.ClickCount = 1;
    return result;
}

ASErr SecondPointClick() {
    if (SequenceLayerRefused()) return kNoErr;
    ++gToolState.ClickCount;
    // The skeleton is the dimension from here: it stays when the sequence ends.
    gToolState.SequenceGroup = nullptr;
    gMeasuredPoints.SecondPoint.p = gHitState.SnapSegment.p;
    ClickBeep(kPointClickFrequency);
    const bool firstUnlinked = gClickFlags.FirstClickOnCentre != 0;
    const bool unlinkable = UnlinkablePoint();
    if (!firstUnlinked && unlinkable) Unlink();
    gHitState.MeasuredArt = gHitState.HitArt;
    ASErr result = kNoErr;
    if (gHitState.HoverFlags.OverAnchor != 0 && !firstUnlinked && !unlinkable)
        result = LinkSecondPoint(gHitState.HitArt, gHitState.HitStartIndex);
    gMeasuredPoints.SegmentAngle = PointAngle(gMeasuredPoints.FirstPoint.p, gMeasuredPoints.SecondPoint.p);
    gSeriesPointTable.SeriesRunningValue = 0.0f;
    KeepError(result, DrawSegmentDimension());
    gToolState.ClickInProgress = 1;
    return result;
}

ASErr StraightSegmentClick(const AIToolHitData& hit) {
    ClickBeep(kOneClickFrequency);
    const NewGroupResult group = NewDimensionGroup();
    if (!group.Made) return group.Error;
    ASErr result = BuildSegmentDimensionArt();
    gMeasuredPoints.FirstPoint = gHitState.SnapSegment;
    gMeasuredPoints.SecondPoint = gHitState.HitSegment;
    gMeasuredPoints.SegmentAngle = PointAngle(gMeasuredPoints.FirstPoint.p, gMeasuredPoints.SecondPoint.p);
    gSeriesPointTable.SeriesRunningValue = 0.0f;
    gHitState.MeasuredArt = gHitState.HitArt;
    KeepError(result, LinkOnSegment(hit.object, gHitState.HitStartIndex, gHitState.HitEndIndex));
    KeepError(result, DrawSegmentDimension());
    gToolState.DimensionStarted = 1;
    gToolState.ClickInProgress = 1;
    return result;
}

// The new group of a curve or arc click, or false (the group disposed after the alert) for a closed path.
bool OpenPathGroup(ASErr* error) {
    const NewGroupResult group = NewDimensionGroup();
    *error = group.Error;
    if (!group.Made) return false;
    ClickBeep(kOneClickFrequency);
    gHitState.MeasuredArt = gHitState.HitArt;
    if (!PathClosed(gHitState.MeasuredArt)) return true;
    DropNewGroup();
    Alert(kOpenPathAlert);
    return false;
}

ASErr CurveClick(const AIToolHitData& hit) {
    ASErr result = kNoErr;
    if (!OpenPathGroup(&result)) return result;
    gMeasuredPoints.CurveClickPoint = hit.point;
    gToolState.CurveOffsetMode = 1;
    gMeasuredPoints.CurveNormalTip = NormalTipAtHit(gHitState.MeasuredArt, hit);
    // The press is under way from here: an offset alert of this click is its drag's too.
    gToolState.ClickInProgress = 1;
    result = BuildOffsetDimensionArt();
    const AIRealPoint cursor = gToolState.CursorPoint;
    // The side the click lays the line on is the dimension's own, as a drag's is: a length typed afterwards
    // keeps the line there.
    const double offset = gCurrentOptions.SideTieLength;
    gDragValues.LineFlipped = (OffsetSide(cursor, offset) > 0.0) != (offset >= 0.0) ? 1 : 0;
    KeepError(result, DrawOffsetDimension(&gHitState.MeasuredArt, gCurrentDimension.DimensionLines,
                                          static_cast<AIReal>(offset), cursor.h, cursor.v, 0, 0, 0));
    return result;
}

ASErr ArcClick() {
    ASErr result = kNoErr;
    if (!OpenPathGroup(&result)) return result;
    const AIReal radius = gFoundArc.ArcRadiusFound;
    double tie = 0.0;
    if (!ArcSideTie(radius, gCurrentOptions.SideTieLength, &tie)) {
        DropNewGroup();
        Alert(kOffsetTooLargeAlert);
        return result;
    }
    MeasuredPoints& m = gMeasuredPoints;
    m.AngleVertex = gHitState.HoverArcCentre;
    gToolState.ArcLengthMode = 1;
    m.CircleRadius = radius;
    gCurrentOptions.ArcRadius = static_cast<double>(radius) + tie;
    m.ArcFirstAnchor = PathRecord(gHitState.MeasuredArt, gHitState.HitStartIndex);
    m.ArcLastAnchor = PathRecord(gHitState.MeasuredArt, gHitState.HitEndIndex);
    m.AngleValue = SideAngle(m.AngleVertex.p, m.ArcFirstAnchor.p, m.ArcLastAnchor.p);
    result = BuildArcLengthDimensionArt();
    KeepError(result, DrawArcLengthDimension(0, 0, 0, 0));
    gToolState.ClickInProgress = 1;
    return result;
}

} // namespace

ASErr ReOpenSegmentDimension(TavorinePlugIn* plugin, const AIToolHitData& hit, AIToolMessage* message) {
    gToolState.CreateOnClick[kSegmentSlot] = 0;
    EndWaitingSequence();
    const AIArtHandle before = gCurrentDimension.DimensionGroup;
    const ASErr result = ReEditSegmentDimension(hit, *message);
    NoteReOpened(before);
    if (plugin != nullptr && plugin->PanelDialogue != nullptr)
        plugin->PanelDialogue->EnableFlyoutEntry(kFlyoutColoursEntry, 1);
    return result;
}

ASErr SegmentClick(TavorinePlugIn* plugin, const AIToolHitData& hit, AIToolMessage* message) {
    const bool shift = KeyHeld(kShiftKey);
    const bool alt = KeyHeld(kAltKey);
    gToolState.CreateOnClick[kSegmentSlot] = 0;
    // Another kind's dimension re-opens in its own tool when the hover showed its part; its anchors are points.
    if (OverDimensionPart() && ArtHasTag(hit.object, format::AngleMarker))
        return HandOverClick(plugin, PanelStep::Layout, kAngleTool, ReOpenAngleDimension, hit, message);
    if (OverDimensionPart() && ArtHasTag(hit.object, format::CircleMarker))
        return HandOverClick(plugin, PanelStep::Layout, kCircleTool, ReOpenCircleDimension, hit, message);
    const HoverFlagSet& f = gHitState.HoverFlags;
    if (f.OverDimension != 0 && gCurrentOptions.SeriesOn == 0) return ReOpenSegmentDimension(plugin, hit, message);
    if ((shift && alt) || gToolState.AwaitingSegmentClick != 0) return ReEditSegmentSeries(hit, message);
    if (OverPoint()) {
        if (gCurrentOptions.SeriesOn != 0) return AddSeriesPoint(hit, message);
        return gToolState.ClickCount == 0 ? FirstPointClick() : SecondPointClick();
    }
    if (gToolState.ClickCount == 1) {
        Alert(kSecondPointAlert);
        return kNoErr;
    }
    if (f.OverSegment != 0) return StraightSegmentClick(hit);
    if (f.OverCurve != 0) return CurveClick(hit);
    if (f.OverArc != 0) return ArcClick();
    return StartCreationClick(kSegmentSlot, BuildSegmentDimensionArt, true);
}
