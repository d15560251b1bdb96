// The Angle tool's click: a re-edit, a vertex angle in one click, the angle between two clicked segments, the
// angle of a circular arc, or the start of a figure on empty canvas.
#include "dimension/AngleBuilders.h"
#include "dimension/CurrentDimension.h"
#include "dimension/DimensionArt.h"
#include "dimension/DimensionArtFormat.h"
#include "dimension/Geometry.h"
#include "dimension/Links.h"
#include "dimension/OffsetDimension.h"
#include "dimension/ReEdit.h"
#include "dimension/Skeletons.h"
#include "frame/SuiteTable.h"
#include "host/ADMBasicSuite.h"
#include "host/RealMathSuite.h"
#include "records/CurrentOptions.h"
#include "tools/ClickSequences.h"
#include "tools/ClickSupport.h"
#include "records/HitState.h"
#include "records/MeasuredPoints.h"
#include "records/ToolState.h"

namespace format = DimensionArtFormat;

namespace {

constexpr int32_t kAngleSlot = kAngleTool - 1;

constexpr const char* kNotAVertexAlert = "Ce point n'est pas le sommet d'un angle.";
constexpr const char* kParallelAlert = "Les deux côtés sont parallèles !";
constexpr const char* kSecondSideAlert =
    "Vous devez cliquer sur le second côté de l'angle\rou tenir la touche Contrôle enfoncée.";

void Alert(const char* text) { RefusePress(text); }

// The signed angle from side B to side A, then the dimension drawn at the vertex, its arc starting on side B
// as every rebuild starts it.
ASErr DrawVertexAngle() {
    MeasuredPoints& m = gMeasuredPoints;
    m.AngleValue = SideAngle(m.AngleVertex.p, m.AnglePointB.p, m.AnglePointA.p);
    const AIReal start = static_cast<AIReal>(DirectionFrom(m.AngleVertex.p, m.AnglePointB.p));
    const ASErr result =
        DrawAngleDimension(m.AngleVertex.p.h, m.AngleVertex.p.v, static_cast<AIReal>(gCurrentOptions.ArcRadius),
                           m.AngleValue, start, gCurrentDimension.AngleArcs,
                           gCurrentOptions.MultipleArcs, 0, 0, 0, 0);
    gToolState.ClickInProgress = 1;
    return result;
}

ASErr VertexClick() {
    const NewGroupResult group = NewDimensionGroup();
    if (!group.Made) return group.Error;
    ClickBeep(kPointClickFrequency);
    if (gHitState.HoverFlags.NotAVertex != 0) {
        DropNewGroup();
        Alert(kNotAVertexAlert);
        return group.Error;
    }
    ASErr result = BuildAngleDimensionArt();
    MeasuredPoints& m = gMeasuredPoints;
    m.AngleVertex.p = gHitState.SnapSegment.p;
    m.AnglePointB.p = m.FirstPoint.p;
    m.AnglePointA.p = m.SecondPoint.p;
    KeepError(result, LinkAngle(gHitState.HitArt, gHitState.PreviousIndex, gHitState.VertexIndex, gHitState.NextIndex));
    KeepError(result, DrawVertexAngle());
    // The vertex makes a whole dimension: a side that waited for its second is dropped, so the next segment
    // clicked starts a new angle instead of pairing with a side the user has moved on from.
    gToolState.ClickCount = 0;
    return result;
}

void FirstSideClick() {
    ClickBeep(kOneClickFrequency);
    gToolState.ClickCount = 1;
    gHitState.MeasuredArt = gHitState.HitArt;
    MeasuredPoints& m = gMeasuredPoints;
    m.ClickPoint.p = gHitState.HoverPoint.p;
    m.AnglePointB = PathRecord(gHitState.MeasuredArt, gHitState.HitStartIndex);
    m.AnglePointA = PathRecord(gHitState.MeasuredArt, gHitState.HitEndIndex);
    gHitState.PreviousIndex = gHitState.HitStartIndex;
    gHitState.NextIndex = gHitState.HitEndIndex;
}

// The two sides of one path meet at an anchor: the vertex there, the far ends as the sides, the link written.
bool SharedAnchorVertex(const AIPathSegment& s0, const AIPathSegment& s1, ASErr* result) {
    MeasuredPoints& m = gMeasuredPoints;
    HitState& h = gHitState;
    if (SamePoint(m.AnglePointB.p, s0.p)) {
        m.AngleVertex.p = s0.p; h.VertexIndex = h.HitStartIndex; h.PreviousIndex = h.HitEndIndex; m.AnglePointB.p = s1.p;
    } else if (SamePoint(m.AnglePointB.p, s1.p)) {
        m.AngleVertex.p = s1.p; h.VertexIndex = h.HitEndIndex; h.PreviousIndex = h.HitStartIndex; m.AnglePointB.p = s0.p;
    } else if (SamePoint(m.AnglePointA.p, s0.p)) {
        m.AngleVertex.p = s0.p; h.VertexIndex = h.HitStartIndex; h.NextIndex = h.HitEndIndex; m.AnglePointA.p = s1.p;
    } else if (SamePoint(m.AnglePointA.p, s1.p)) {
        m.AngleVertex.p = s1.p; h.VertexIndex = h.HitEndIndex; h.NextIndex = h.HitStartIndex; m.AnglePointA.p = s0.p;
    } else {
        return false;
    }
    KeepError(*result, LinkAngle(h.HitArt, h.PreviousIndex, h.VertexIndex, h.NextIndex));
    return true;
}

// The end of a clicked segment that its side runs to from the vertex, towards where it was clicked: the end
// nearer the click, unless that end is the vertex itself or lies past the vertex from the click; then the other.
AIPathSegment SideEnd(const AIPathSegment& s0, const AIPathSegment& s1, AIRealPoint vertex, AIRealPoint clicked) {
    const bool firstNearer = Distance(s0.p, clicked) <= Distance(s1.p, clicked);
    const AIPathSegment& nearer = firstNearer ? s0 : s1;
    const Vector2 toEnd = Vector2(nearer.p) - Vector2(vertex);
    const Vector2 toClick = Vector2(clicked) - Vector2(vertex);
    const bool away =
        Distance(nearer.p, vertex) < kNegligibleLength || Dot2(toEnd.ToPoint(), toClick.ToPoint()) < 0.0;
    return away ? (firstNearer ? s1 : s0) : nearer;
}

// Sides of two paths, or without a shared anchor: the vertex where their lines meet, each side running from it
// towards where it was clicked.
void CrossingVertex(const AIPathSegment& s0, const AIPathSegment& s1) {
    MeasuredPoints& m = gMeasuredPoints;
    m.AngleVertex.p = LineIntersection(m.AnglePointB.p, m.AnglePointA.p, s0.p, s1.p).Point;
    m.AnglePointB = SideEnd(m.AnglePointB, m.AnglePointA, m.AngleVertex.p, m.ClickPoint.p);
    m.AnglePointA = SideEnd(s0, s1, m.AngleVertex.p, gHitState.HoverPoint.p);
}

ASErr SecondSideClick() {
    const NewGroupResult group = NewDimensionGroup();
    if (!group.Made) return group.Error;
    ClickBeep(kOneClickFrequency);
    ++gToolState.ClickCount;
    MeasuredPoints& m = gMeasuredPoints;
    const AIPathSegment s0 = PathRecord(gHitState.HitArt, gHitState.HitStartIndex);
    const AIPathSegment s1 = PathRecord(gHitState.HitArt, gHitState.HitEndIndex);
    if (Cross2(m.AnglePointB.p, m.AnglePointA.p, s0.p, s1.p) == 0.0) {
        // The refused press has no release to end its sequence: the next click is a first side again.
        gToolState.ClickCount = 0;
        DropNewGroup();
        Alert(kParallelAlert);
        return group.Error;
    }
    ASErr result = BuildAngleDimensionArt();
    const bool samePath = gHitState.HitArt == gHitState.MeasuredArt;
    if (!samePath || !SharedAnchorVertex(s0, s1, &result)) CrossingVertex(s0, s1);
    KeepError(result, DrawVertexAngle());
    return result;
}

ASErr ArcClick() {
    const AIRealPoint centre = gHitState.HoverArcCentre.p;
    const AIRealPoint start = PathRecord(gHitState.HitArt, gHitState.HitStartIndex).p;
    const AIRealPoint towardsStart{start.h - centre.h, start.v - centre.v};
    const AIReal arcRadius = sAIRealMath->AIRealPointLength(&towardsStart);
    double tie = 0.0;
    if (!ArcSideTie(arcRadius, gCurrentOptions.SideTieLength, &tie)) {
        RefusePress(kOffsetTooLargeAlert);
        return kNoErr;
    }
    const NewGroupResult group = NewDimensionGroup();
    if (!group.Made) return group.Error;
    gHitState.MeasuredArt = gHitState.HitArt;
    gToolState.AngleOnArc = 1;
    ClickBeep(kOneClickFrequency);
    ASErr result = BuildArcAngleDimensionArt();
    MeasuredPoints& m = gMeasuredPoints;
    m.AnglePointB = PathRecord(gHitState.MeasuredArt, gHitState.HitStartIndex);
    m.AnglePointA = PathRecord(gHitState.MeasuredArt, gHitState.HitEndIndex);
    m.AngleVertex = gHitState.HoverArcCentre;
    m.CircleRadius = arcRadius;
    gCurrentOptions.ArcRadius = static_cast<double>(arcRadius) + tie;
    m.AngleValue = SideAngle(m.AngleVertex.p, m.AnglePointB.p, m.AnglePointA.p);
    const AIRealPoint cursor = gToolState.CursorPoint;
    KeepError(result, DrawArcAngleDimension(cursor.h, cursor.v, 0, 0, 0, 0));
    gToolState.ClickInProgress = 1;
    return result;
}

} // namespace

ASErr ReOpenAngleDimension(TavorinePlugIn*, const AIToolHitData& hit, AIToolMessage* message) {
    gToolState.CreateOnClick[kAngleSlot] = 0;
    gToolState.AngleOnArc = 0;
    EndWaitingSequence();
    const AIArtHandle before = gCurrentDimension.DimensionGroup;
    const ASErr result = ReEditAngleDimension(hit, *message);
    NoteReOpened(before);
    return result;
}

ASErr AngleClick(TavorinePlugIn* plugin, const AIToolHitData& hit, AIToolMessage* message) {
    gToolState.CursorPoint = message->cursor;
    gToolState.CreateOnClick[kAngleSlot] = 0;
    gToolState.AngleOnArc = 0;
    // Another kind's dimension re-opens in its own tool when the hover showed its part, its anchors included.
    if (OverDimensionPart() && ArtHasTag(hit.object, format::SegmentMarker))
        return HandOverClick(plugin, PanelStep::Layout, kSegmentTool, ReOpenSegmentDimension, hit, message);
    if (OverDimensionPart() && ArtHasTag(hit.object, format::CircleMarker))
        return HandOverClick(plugin, PanelStep::Layout, kCircleTool, ReOpenCircleDimension, hit, message);
    const HoverFlagSet& f = gHitState.HoverFlags;
    // The arc of an angle, or the square mark of a right one.
    if (f.OverDimensionArc != 0 || (f.OverDimension != 0 && ArtHasTag(hit.object, format::AngleMarker)))
        return ReOpenAngleDimension(plugin, hit, message);
    if (f.OverAnchor != 0) return VertexClick();
    if (f.OverSegment != 0) {
        gToolState.DimensionStarted = 1;
        if (gToolState.ClickCount != 0) return SecondSideClick();
        FirstSideClick();
        return kNoErr;
    }
    if (gToolState.ClickCount == 1) {
        Alert(kSecondSideAlert);
        return kNoErr;
    }
    if (f.OverArc != 0) return ArcClick();
    return StartCreationClick(kAngleSlot, BuildAngleDimensionArt, false);
}
