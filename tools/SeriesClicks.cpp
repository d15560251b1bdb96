// The clicks of a series of points and of the measure between two segments, which the Segment tool hands over.
#include "dimension/CurrentDimension.h"
#include "dimension/DimensionArtFormat.h"
#include "dimension/Geometry.h"
#include "dimension/LinearDimensions.h"
#include "dimension/Skeletons.h"
#include "frame/SuiteTable.h"
#include "host/ADMBasicSuite.h"
#include "host/TagSuite.h"
#include "tools/ClickSupport.h"
#include "tools/ClickSequences.h"
#include "records/HitState.h"
#include "records/MeasuredPoints.h"
#include "records/ToolState.h"

namespace {

constexpr uint32_t kSeriesBeep = 9001;
constexpr const char* kTooManyClicksAlert =
    "Vous avez dépassé le nombre maximum de clics pour les cotes en série !";

// The first click of the measure between two segments: the skeleton, kept from re-editing while it is built. A
// sequence that waited (a first point, series points) ends once the new group is made.
ASErr StartSegmentMeasure() {
    const NewGroupResult group = NewDimensionGroup();
    if (!group.Made) return group.Error;
    DropSequenceSkeleton();
    gToolState.SequenceGroup = gCurrentDimension.DimensionGroup;
    gToolState.ClickCount = 1;
    ClickBeep(kSeriesBeep);
    ASErr result = BuildSegmentDimensionArt();
    sAITag->DeleteTag(gCurrentDimension.DimensionLines[0], DimensionArtFormat::SegmentMarker);
    sAITag->DeleteTag(gCurrentDimension.DimensionLineHalves[0], DimensionArtFormat::SegmentMarker);
    gMeasuredPoints.FirstPoint = gHitState.SnapSegment;
    gMeasuredPoints.SecondPoint = gHitState.HitSegment;
    gToolState.AwaitingSegmentClick = 1;
    return result;
}

// The second click: the dimension from the foot on the first segment to the second segment, along the cursor.
ASErr FinishSegmentMeasure() {
    if (SequenceLayerRefused()) return kNoErr;
    gToolState.AwaitingSegmentClick = 0;
    gToolState.SequenceGroup = nullptr;
    ++gToolState.ClickCount;
    ClickBeep(kSeriesBeep);
    MeasuredPoints& points = gMeasuredPoints;
    const AIRealPoint cursor = gToolState.CursorPoint;
    points.FirstPoint.p = FootOfPerpendicular(cursor, points.FirstPoint.p, points.SecondPoint.p);
    points.SecondPoint.p =
        LineIntersection(points.FirstPoint.p, cursor, gHitState.SnapSegment.p, gHitState.HitSegment.p).Point;
    points.SegmentAngle = PointAngle(points.FirstPoint.p, points.SecondPoint.p);
    gSeriesPointTable.SeriesRunningValue = 0.0f;
    gHitState.MeasuredArt = gHitState.HitArt;
    const ASErr result = DrawSegmentDimension();
    gToolState.ClickInProgress = 1;
    return result;
}

}  // namespace

ASErr AddSeriesPoint(const AIToolHitData&, AIToolMessage*) {
    ClickBeep(kSeriesBeep);
    if (gToolState.ClickCount >= static_cast<int16_t>(kSeriesPointCapacity)) {
        gToolState.ClickCount = 0;
        // The series starts again: the group the last point made, still empty, goes with it.
        DisposeEmptyGroup();
        RefusePress(kTooManyClicksAlert);
        return kNoErr;
    }
    // A point refused with the layer is no point of the series: the count, the table and the group stay.
    const NewGroupResult group = NewDimensionGroup();
    if (!group.Made) return group.Error;
    ++gToolState.ClickCount;
    gSeriesPointTable.SeriesPoint[gToolState.ClickCount - 1].p = gHitState.SnapSegment.p;
    gSeriesPointTable.SeriesRunningValue = 0.0f;
    // The drag of this press places the series in the group just made.
    gToolState.PressOpened = 1;
    return group.Error;
}

ASErr ReEditSegmentSeries(const AIToolHitData&, AIToolMessage*) {
    // Each click of the measure takes a segment; elsewhere the press takes nothing, and what waited still waits.
    if (gHitState.HoverFlags.OverSegment == 0) {
        gToolState.PressConsumed = 1;
        return kNoErr;
    }
    return gToolState.AwaitingSegmentClick == 0 ? StartSegmentMeasure() : FinishSegmentMeasure();
}
