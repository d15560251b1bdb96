#include "dimension/Definitions.h"

#include <utility>

#include "dimension/CurrentDimension.h"
#include "dimension/Naming.h"
#include "dimension/Placement.h"
#include "records/CurrentDimension.h"
#include "records/CurrentOptions.h"
#include "records/DimensionDefinition.h"
#include "records/DragValues.h"
#include "records/HitState.h"
#include "records/MeasuredPoints.h"
#include "records/ToolState.h"

namespace {

// Copies between a piece of the kept definition and the live value it is built from: into the definition when
// `keep`, else back into force.
template <typename Value>
void Carry(bool keep, Value& kept, Value& live) {
    if (keep)
        kept = live;
    else
        live = kept;
}

// Every piece of the definition and its live value, carried one way.
void CarryDefinition(DimensionDefinition& d, bool keep) {
    Carry(keep, d.Points, static_cast<MeasuredValues&>(gMeasuredPoints));
    Carry(keep, d.SegmentAngle, gMeasuredPoints.SegmentAngle);
    Carry(keep, d.MeasuredPath, gHitState.MeasuredArt);
    Carry(keep, d.ArcLengthMode, gToolState.ArcLengthMode);
    Carry(keep, d.CurveOffsetMode, gToolState.CurveOffsetMode);
    Carry(keep, d.AngleOnArc, gToolState.AngleOnArc);
    Carry(keep, d.LineFlipped, gDragValues.LineFlipped);
    Carry(keep, d.MarksTurned, gDragValues.MarksTurned);
    Carry(keep, d.ExtensionLinesToggled, gDragValues.ExtensionLinesToggled);
    Carry(keep, d.LabelPoint, gToolState.CursorPoint);
    Carry(keep, d.CircleLabelAngle, gToolState.CircleLabelAngle);
    Carry(keep, d.CircleLabelDistance, gToolState.CircleLabelDistance);
    Carry(keep, d.ArcMiddleAngle, gDimensionValues.ArcMiddleAngle);
    Carry(keep, d.SideTieLength, gCurrentOptions.SideTieLength);
}

}  // namespace

void KeepDefinition() {
    const AIArtHandle group = gCurrentDimension.DimensionGroup;
    if (!IsLiveArt(group)) return;
    DimensionDefinition& kept = gDimensionDefinitions[group];
    CarryDefinition(kept, true);
    // A circle dimension's label stands where its build hung it, which a created figure's cursor has since been
    // moved past.
    DimensionKind kind{};
    if (CurrentBuiltKind(&kind) && KindTool(kind) == kCircleTool) kept.LabelPoint = gDimensionValues.CircleLabelPoint;
}

bool UseDefinition() {
    const AIArtHandle group = gCurrentDimension.DimensionGroup;
    if (group == nullptr || !IsLiveArt(group)) return false;
    const auto kept = gDimensionDefinitions.find(group);
    if (kept == gDimensionDefinitions.end()) return false;
    CarryDefinition(kept->second, false);
    return true;
}

void MoveDefinition(AIArtHandle from, AIArtHandle to) {
    auto entry = gDimensionDefinitions.extract(from);
    if (entry.empty()) return;
    gDimensionDefinitions.erase(to);
    entry.key() = to;
    gDimensionDefinitions.insert(std::move(entry));
}

void ForgetDefinition(AIArtHandle group) { gDimensionDefinitions.erase(group); }
