#include "dimension/Definitions.h"

#include <cstddef>
#include <cstdint>
#include <unordered_map>
#include <utility>

#include "dimension/CurrentDimension.h"
#include "dimension/Naming.h"
#include "dimension/Placement.h"
#include "records/CurrentDimension.h"
#include "records/CurrentOptions.h"
#include "records/DragValues.h"
#include "records/HitState.h"
#include "records/MeasuredPoints.h"
#include "records/ToolState.h"

namespace {

// What a dimension measures and how it was constructed, as the press, drag, re-open or panel change that last
// built it left the live values its builders read: a later press or hover rewrites those for its own ends.
struct DimensionDefinition {
    MeasuredValues Points;            // its measured points, angle and circle
    AIReal SegmentAngle = 0.0f;       // radians: the direction of its measured segment
    AIArtHandle MeasuredPath = nullptr;  // the path it measures
    int32_t ArcLengthMode = 0;        // it measures an arc's length
    int32_t CurveOffsetMode = 0;      // it runs along a curve
    int32_t AngleOnArc = 0;           // it measures the angle of an arc
    int32_t LineFlipped = 0;          // its line along a curve lies against the curve's normal
    int32_t MarksTurned = 0;          // its drag turned its end marks
    int32_t ExtensionLinesToggled = 0;  // its drag toggled its extension lines
    int32_t TextTurned = 0;           // its drag turned its value
    AIRealPoint LabelPoint{};         // the point its drag left its label at
    AIReal CircleLabelAngle = 0.0f;   // radians: from the circle's centre towards its label
    AIReal CircleLabelDistance = 0.0f;
    AIReal ArcMiddleAngle = 0.0f;     // radians: the middle of the arc a circle dimension measures
    double SideTieLength = 0.0;       // the offset of its line from what it measures
};

// The definitions, by group: one for each group in the document that a press or drag built or re-opened, or a
// panel change rebuilt, as the current dimension. A group the plug-in disposes takes its entry at once;
// one the user deletes in the host goes at the next new entry, so the store holds the dimensions in the
// document and at most those the user deleted since that entry.
std::unordered_map<AIArtHandle, DimensionDefinition> gDefinitions;

// Drops the entries of groups the document no longer holds: those the user deleted.
void ForgetDeletedGroups() {
    std::erase_if(gDefinitions, [](const auto& entry) { return !IsLiveArt(entry.first); });
}

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
    if (!gDefinitions.contains(group)) ForgetDeletedGroups();
    DimensionDefinition& kept = gDefinitions[group];
    CarryDefinition(kept, CarryWay::IntoDefinition);
    // A circle dimension's label stands where its build hung it, which a created figure's cursor has since been
    // moved past.
    DimensionKind kind{};
    if (CurrentBuiltKind(&kind) && KindTool(kind) == kCircleTool) kept.LabelPoint = gDimensionValues.CircleLabelPoint;
}

bool UseDefinition() {
    const AIArtHandle group = gCurrentDimension.DimensionGroup;
    if (group == nullptr || !IsLiveArt(group)) return false;
    const auto kept = gDefinitions.find(group);
    if (kept == gDefinitions.end()) return false;
    CarryDefinition(kept->second, CarryWay::IntoForce);
    return true;
}

void ForgetDefinition(AIArtHandle group) { gDefinitions.erase(group); }

size_t KeptDefinitionCount() { return gDefinitions.size(); }

void ForgetEveryDefinition() { gDefinitions.clear(); }
