#include "dimension/Naming.h"

#include <cstring>
#include <iterator>

#include "dimension/CurrentDimension.h"
#include "frame/SuiteTable.h"
#include "host/ArtSuite.h"
#include "records/BezierExtraValues.h"
#include "records/CurrentOptions.h"
#include "records/ToolState.h"

namespace {

struct DimensionName {
    DimensionKind Kind;
    const char* Name;
};

constexpr DimensionName kDimensionNames[] = {
    {DimensionKind::SegmentParallel, "Segment oblique"},
    {DimensionKind::SegmentHorizontal, "Segment horiz"},
    {DimensionKind::SegmentVertical, "Segment verti"},
    {DimensionKind::SeriesParallel, "Segment série oblique"},
    {DimensionKind::SeriesHorizontal, "Segment série horiz"},
    {DimensionKind::SeriesVertical, "Segment série verti"},
    {DimensionKind::ChainParallel, "Segment série chaînée oblique"},
    {DimensionKind::ChainHorizontal, "Segment série chaînée horiz"},
    {DimensionKind::ChainVertical, "Segment série chaînée verti"},
    {DimensionKind::ArcLength, "Segment longueur d'arc"},
    {DimensionKind::CurveOffset, "Segment le long de la courbe"},
    {DimensionKind::Angle, "Angle"},
    {DimensionKind::ArcAngle, "Angle arc"},
    {DimensionKind::CircleRadius, "Cercle Rayon"},
    {DimensionKind::CircleDiameter, "Cercle Diamètre"},
    {DimensionKind::BezierReticle, "Bézier réticule"},
    {DimensionKind::BezierDivideArc, "Bézier partage arc"},
    {DimensionKind::BezierDivideAngle, "Bézier partage angle"},
    {DimensionKind::BezierDivideSegment, "Bézier partage segment"},
    {DimensionKind::BezierDivideCurve, "Bézier partage courbe"},
    {DimensionKind::BezierLocalRadius, "Bézier rayon local"},
    {DimensionKind::BezierLocalTangent, "Bézier tangente locale"},
    {DimensionKind::BezierCreation, "Bézier courbe"},
};

// The three orientations of a linear dimension, as the live "RadioCoteType" numbers them.
constexpr int32_t kOrientationCount = 3;

// The kinds of one family by orientation (parallel, horizontal, vertical); another orientation counts as
// parallel.
DimensionKind ByOrientation(DimensionKind parallel, int32_t orientation) {
    const int32_t step = orientation >= 0 && orientation < kOrientationCount ? orientation : 0;
    return static_cast<DimensionKind>(static_cast<int32_t>(parallel) + step);
}

DimensionKind ByOrientation(DimensionKind parallel) {
    return ByOrientation(parallel, gCurrentOptions.DimensionOrientation);
}

DimensionKind SegmentKind() {
    const ToolState& t = gToolState;
    if (t.ArcLengthMode != 0) return DimensionKind::ArcLength;
    if (t.CurveOffsetMode != 0) return DimensionKind::CurveOffset;
    if (gCurrentOptions.SeriesOn == 0) return ByOrientation(DimensionKind::SegmentParallel);
    return ByOrientation(gCurrentOptions.SeriesKind == 1 ? DimensionKind::ChainParallel
                                                         : DimensionKind::SeriesParallel);
}

// The Bézier kinds by element kind 0 to 7.
constexpr DimensionKind kBezierKinds[] = {
    DimensionKind::BezierReticle,       DimensionKind::BezierDivideArc,   DimensionKind::BezierDivideAngle,
    DimensionKind::BezierDivideSegment, DimensionKind::BezierDivideCurve, DimensionKind::BezierLocalRadius,
    DimensionKind::BezierLocalTangent,  DimensionKind::BezierCreation,
};

}  // namespace

const char* DimensionKindName(DimensionKind kind) {
    for (const DimensionName& entry : kDimensionNames) {
        if (entry.Kind == kind) return entry.Name;
    }
    return "";
}

bool KindNamed(const char* name, DimensionKind* kind) {
    for (const DimensionName& entry : kDimensionNames) {
        if (name != nullptr && std::strcmp(entry.Name, name) == 0) {
            *kind = entry.Kind;
            return true;
        }
    }
    return false;
}

int32_t KindOrientation(DimensionKind kind) {
    for (const DimensionKind parallel :
         {DimensionKind::SegmentParallel, DimensionKind::SeriesParallel, DimensionKind::ChainParallel}) {
        const int32_t step = static_cast<int32_t>(kind) - static_cast<int32_t>(parallel);
        if (step >= 0 && step < kOrientationCount) return step;
    }
    return -1;
}

DimensionKind LinearKindInForce() { return ByOrientation(DimensionKind::SegmentParallel); }

ToolNumber KindTool(DimensionKind kind) {
    if (kind <= DimensionKind::CurveOffset) return kSegmentTool;
    if (kind <= DimensionKind::ArcAngle) return kAngleTool;
    if (kind <= DimensionKind::CircleDiameter) return kCircleTool;
    return kBezierTool;
}

bool CurrentDimensionKind(DimensionKind* kind) {
    switch (gToolState.CurrentTool) {
    case kSegmentTool:
        *kind = SegmentKind();
        return true;
    case kAngleTool:
        *kind = gToolState.AngleOnArc != 0 ? DimensionKind::ArcAngle : DimensionKind::Angle;
        return true;
    case kCircleTool:
        *kind = gCurrentOptions.Diameter != 0 ? DimensionKind::CircleDiameter : DimensionKind::CircleRadius;
        return true;
    case kBezierTool: {
        // The construction's own kind: the hover rewrites BezierElementKind at every vertex it crosses.
        const int32_t element = gBezierExtraValues.ConstructionKind;
        if (element < 0 || element >= static_cast<int32_t>(std::size(kBezierKinds))) return false;
        *kind = kBezierKinds[element];
        return true;
    }
    default:
        return false;
    }
}

ASErr NameDimensionArt() {
    DimensionKind kind{};
    const AIArtHandle group = gCurrentDimension.DimensionGroup;
    if (!IsLiveArt(group) || !CurrentDimensionKind(&kind)) return kBadParameterErr;
    return sAIArt->SetArtName(group, DimensionKindName(kind));
}

ASErr NameBuiltDimension(int32_t orientation, LinearFamily family) {
    const ToolState& t = gToolState;
    const AIArtHandle group = gCurrentDimension.DimensionGroup;
    if (t.CurrentTool != kSegmentTool || t.ArcLengthMode != 0 || t.CurveOffsetMode != 0 || !IsLiveArt(group))
        return kNoErr;
    constexpr DimensionKind kFamilies[] = {DimensionKind::SegmentParallel, DimensionKind::SeriesParallel,
                                           DimensionKind::ChainParallel};
    const auto index = static_cast<size_t>(family);
    if (index >= std::size(kFamilies)) return kBadParameterErr;
    return sAIArt->SetArtName(group, DimensionKindName(ByOrientation(kFamilies[index], orientation)));
}
