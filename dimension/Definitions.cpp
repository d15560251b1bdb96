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

// The way a definition is carried: the live values kept into it, or its values put back into force.
enum class CarryWay { IntoDefinition, IntoForce };

// Copies between a piece of the kept definition and the live value it is built from, in the direction
// `way` names.
template <typename Value>
void Carry(CarryWay way, Value& kept, Value& live) {
    if (way == CarryWay::IntoDefinition)
        kept = live;
    else
        live = kept;
}

// Every piece of the definition and its live value, carried one way.
void CarryDefinition(DimensionDefinition& d, CarryWay way) {
    Carry(way, d.Points, static_cast<MeasuredValues&>(gMeasuredPoints));
    Carry(way, d.SegmentAngle, gMeasuredPoints.SegmentAngle);
    Carry(way, d.MeasuredPath, gHitState.MeasuredArt);
    Carry(way, d.ArcLengthMode, gToolState.ArcLengthMode);
    Carry(way, d.CurveOffsetMode, gToolState.CurveOffsetMode);
    Carry(way, d.AngleOnArc, gToolState.AngleOnArc);
    Carry(way, d.LineFlipped, gDragValues.LineFlipped);
    Carry(way, d.MarksTurned, gDragValues.MarksTurned);
    Carry(way, d.ExtensionLinesToggled, gDragValues.ExtensionLinesToggled);
    Carry(way, d.TextTurned, gDragValues.TextTurned);
    Carry(way, d.LabelPoint, gToolState.CursorPoint);
    Carry(way, d.CircleLabelAngle, gToolState.CircleLabelAngle);
    Carry(way, d.CircleLabelDistance, gToolState.CircleLabelDistance);
    Carry(way, d.ArcMiddleAngle, gDimensionValues.ArcMiddleAngle);
    Carry(way, d.SideTieLength, gCurrentOptions.SideTieLength);
}

}  // namespace

void KeepDefinition() {
    const AIArtHandle group = gCurrentDimension.DimensionGroup;
    if (!IsLiveArt(group)) return;
    DimensionDefinition& kept = gDimensionDefinitions[group];
    CarryDefinition(kept, CarryWay::IntoDefinition);
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
    CarryDefinition(kept->second, CarryWay::IntoForce);
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
