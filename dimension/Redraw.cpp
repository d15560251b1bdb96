#include "dimension/Redraw.h"

#include <algorithm>
#include <iterator>
#include <string>
#include <vector>

#include "dimension/AngleBuilders.h"
#include "dimension/BezierExtras.h"
#include "dimension/CircleBuilder.h"
#include "dimension/CurrentDimension.h"
#include "dimension/DimensionArtFormat.h"
#include "dimension/Geometry.h"
#include "dimension/LinearDimensions.h"
#include "dimension/LiveValueSwap.h"
#include "dimension/OffsetDimension.h"
#include "dimension/Skeletons.h"
#include "dimension/ValueFormat.h"
#include "frame/Settings.h"
#include "frame/SuiteTable.h"
#include "host/TagSuite.h"
#include "records/CurrentOptions.h"
#include "records/DragValues.h"
#include "records/HitState.h"
#include "records/MeasuredPoints.h"
#include "records/ToolState.h"

namespace {

// A linear dimension along `orientation`, the live orientation given back after the build.
ASErr RedrawLinear(int32_t orientation) {
    const LiveValueSwap inForce(gCurrentOptions.DimensionOrientation, orientation);
    return DrawSegmentDimension();
}

// The skeleton a fresh build of `kind` starts from; null for a kind drawn by its clicks only.
using SkeletonBuilder = ASErr (*)();
SkeletonBuilder SkeletonOf(DimensionKind kind) {
    switch (kind) {
    case DimensionKind::SegmentParallel:
    case DimensionKind::SegmentHorizontal:
    case DimensionKind::SegmentVertical: return BuildSegmentDimensionArt;
    case DimensionKind::ArcLength: return BuildArcLengthDimensionArt;
    case DimensionKind::CurveOffset: return BuildOffsetDimensionArt;
    case DimensionKind::Angle: return BuildAngleDimensionArt;
    case DimensionKind::ArcAngle: return BuildArcAngleDimensionArt;
    case DimensionKind::CircleRadius:
    case DimensionKind::CircleDiameter: return BuildCircleDimensionArt;
    case DimensionKind::BezierReticle: return BuildReticleArt;
    case DimensionKind::BezierDivideArc:
    case DimensionKind::BezierDivideAngle:
    case DimensionKind::BezierDivideSegment:
    case DimensionKind::BezierDivideCurve: return StartDivisionTickList;
    case DimensionKind::BezierLocalRadius: return BuildLocalRadiusArt;
    case DimensionKind::BezierLocalTangent: return BuildLocalTangentArt;
    default: return nullptr;
    }
}

// Room for the name of a part's tag.
constexpr size_t kMaxTagNameLength = 64;

// The part made anew takes the tags of the one it replaces, and those only: its kind markers and its link.
void CarryTags(AIArtHandle from, AIArtHandle to) {
    if (!IsLiveArt(from) || !IsLiveArt(to)) return;
    int32_t count = 0;
    char name[kMaxTagNameLength] = {};
    while (sAITag->CountTags(to, &count) == kNoErr && count > 0 &&
           sAITag->GetNthTagName(to, 0, name, sizeof name) == kNoErr && sAITag->DeleteTag(to, name) == kNoErr) {
    }
    if (sAITag->CountTags(from, &count) != kNoErr) return;
    for (int32_t i = 0; i < count; ++i) {
        std::string value;
        size_t length = 0;
        if (sAITag->GetNthTagName(from, i, name, sizeof name) != kNoErr ||
            sAITag->GetStringTagLength(from, name, &length) != kNoErr)
            continue;
        value.resize(length + 1);
        if (sAITag->GetStringTag(from, name, value.data(), value.size()) == kNoErr)
            sAITag->SetTag(to, name, DimensionArtFormat::TagType, value.c_str());
    }
}

template <size_t N>
void CarryTags(const AIArtHandle (&from)[N], const AIArtHandle (&to)[N]) {
    for (size_t i = 0; i < N; ++i) CarryTags(from[i], to[i]);
}

// Every part the dimension `d` holds, its division marks included.
std::vector<AIArtHandle> PartsOf(const CurrentDimension& d) {
    std::vector<AIArtHandle> parts;
    const auto add = [&parts](const auto& handles) { parts.insert(parts.end(), std::begin(handles), std::end(handles)); };
    add(d.LabelFrames);
    add(d.DimensionLines);
    add(d.DimensionLineHalves);
    for (const auto& set : d.EndMarks) add(set);
    add(d.ExtensionLines);
    add(d.SeriesExtensionLines);
    add(d.AngleArcs);
    add(d.CircleParts);
    parts.push_back(d.AuxLine);
    for (const DivisionMark* mark = gDivisionMarks.Head; mark != nullptr; mark = mark->Next) parts.push_back(mark->Path);
    return parts;
}

}  // namespace

ASErr RebuildDimensionAs(DimensionKind kind) {
    const SkeletonBuilder skeleton = SkeletonOf(kind);
    if (skeleton == nullptr) return RedrawDimensionAs(kind);
    const CurrentDimension old = gCurrentDimension;
    std::vector<AIArtHandle> parts = PartsOf(old);
    const auto construction = gBezierExtraValues.ConstructionKind;
    ASErr result = kNoErr;
    {
        const bool circle = KindTool(kind) == kCircleTool;
        const LiveValueSwap diameter(gCurrentOptions.Diameter,
                                     circle ? (kind == DimensionKind::CircleDiameter ? 1 : 0) : gCurrentOptions.Diameter);
        result = skeleton();
    }
    gBezierExtraValues.ConstructionKind = construction;
    CurrentDimension& d = gCurrentDimension;
    CarryTags(old.DimensionLines, d.DimensionLines);
    CarryTags(old.DimensionLineHalves, d.DimensionLineHalves);
    CarryTags(old.AngleArcs, d.AngleArcs);
    CarryTags(old.CircleParts, d.CircleParts);
    d.LinkKey = old.LinkKey;
    d.LinkId = old.LinkId;
    std::copy(std::begin(old.LinkIndexes), std::end(old.LinkIndexes), std::begin(d.LinkIndexes));
    for (AIArtHandle& part : parts) DisposeArtIfValid(&part);
    KeepError(result, RedrawDimensionAs(kind));
    // A dimension without a value keeps no empty label, as its release leaves none.
    const bool noValue = KindTool(kind) == kAngleTool ? gValueFormat.AngleFormat == kAngleNoValue
                                                      : gCurrentOptions.Unit == kUnitNoValue;
    if (noValue) DisposeArtIfValid(&d.LabelFrames[0]);
    return result;
}

ASErr RedrawDimensionAs(DimensionKind kind) {
    const MeasuredPoints& m = gMeasuredPoints;
    const AIRealPoint label = gToolState.CursorPoint;
    switch (kind) {
    case DimensionKind::SegmentParallel:
    case DimensionKind::SegmentHorizontal:
    case DimensionKind::SegmentVertical: return RedrawLinear(KindOrientation(kind));
    case DimensionKind::ArcLength:
        return DrawArcLengthDimension(gDragValues.MarksTurned, 0, gDragValues.TextTurned,
                                      gDragValues.ExtensionLinesToggled);
    case DimensionKind::CurveOffset:
        return DrawOffsetDimension(&gHitState.MeasuredArt, gCurrentDimension.DimensionLines,
                                   SettingAsFloat(gCurrentOptions.SideTieLength), label.h, label.v, 0,
                                   gDragValues.MarksTurned, gDragValues.ExtensionLinesToggled);
    case DimensionKind::Angle: {
        const AIRealPoint vertex = m.AngleVertex.p;
        return DrawAngleDimension(vertex.h, vertex.v, SettingAsFloat(gCurrentOptions.ArcRadius), m.AngleValue,
                                  static_cast<AIReal>(DirectionFrom(vertex, m.AnglePointB.p)),
                                  gCurrentDimension.AngleArcs, gCurrentOptions.MultipleArcs, gDragValues.MarksTurned, 0, 0, 0);
    }
    case DimensionKind::ArcAngle: return DrawArcAngleDimension(label.h, label.v, gDragValues.MarksTurned, 0, 0, 0);
    case DimensionKind::CircleRadius:
    case DimensionKind::CircleDiameter: {
        // Its own radius or diameter, whichever the panel shows for the next one.
        const LiveValueSwap own(gCurrentOptions.Diameter, kind == DimensionKind::CircleDiameter ? 1 : 0);
        return DrawCircleDimension(label.h, label.v, gDragValues.MarksTurned, 0, 0, 0);
    }
    case DimensionKind::BezierReticle:
    case DimensionKind::BezierDivideArc:
    case DimensionKind::BezierDivideAngle:
    case DimensionKind::BezierDivideSegment:
    case DimensionKind::BezierDivideCurve:
    case DimensionKind::BezierLocalRadius:
    case DimensionKind::BezierLocalTangent:
    case DimensionKind::BezierCreation: return RedrawBezierExtra();
    default: return kNoErr;  // a series is drawn by its clicks only
    }
}
