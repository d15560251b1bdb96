#include "dimension/OffsetDimension.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <numbers>
#include <vector>

#include "dimension/CurrentDimension.h"
#include "dimension/DimensionArt.h"
#include "dimension/Geometry.h"
#include "dimension/Labels.h"
#include "dimension/Measures.h"
#include "dimension/Definitions.h"
#include "dimension/ValueFormat.h"
#include "frame/CanvasWrites.h"
#include "frame/Settings.h"
#include "frame/SuiteTable.h"
#include "host/ADMBasicSuite.h"
#include "host/ArtConverterSuite.h"
#include "host/ArtSuite.h"
#include "host/PathSuite.h"
#include "host/RealBezierSuite.h"
#include "records/CurrentOptions.h"
#include "records/DragValues.h"
#include "records/MeasuredPoints.h"
#include "records/ToolState.h"

namespace {

using Anchors = std::vector<AIPathSegment>;

constexpr double kHalfTurn = std::numbers::pi;
// A cursor closer than this to the clicked point's tangent tells no side.
constexpr double kSideEpsilon = 1e-6;
// A cursor within this slope of the tangent (about 0.06 degrees) tells no side either: a point laid along the
// tangent in single precision strays from it by rounding alone.
constexpr double kSideSlope = 1e-3;
// The rounding of single-precision coordinates, per unit of their size.
constexpr double kCoordinateRounding = 8.0 * std::numeric_limits<float>::epsilon();
// A rounded offset this close above a whole multiple stays at that multiple.
constexpr double kRoundingSlack = 1e-9;
// The last anchor index of any path: a range to it measures a whole open path.
constexpr uint16_t kLastAnchor = std::numeric_limits<uint16_t>::max();
// Halvings of the search for the point where the line leaves an end mark.
constexpr int kCutSearchSteps = 40;

// The distance of the line from the curve; right Shift rounds it up to a multiple of the stored "Attaches".
double OffsetDistance(double offset, bool rounded) {
    double distance = std::abs(offset);
    const double step = std::abs(gSettings.SideTieLength);
    if (rounded && std::isfinite(step) && step >= kNegligibleLength)
        distance = std::ceil(distance / step - kRoundingSlack) * step;
    return distance;
}

// The line at `distance` from the measured path, made by the host's art converter above `line`, read and
// disposed.
ASErr MakeOutline(AIArtHandle measured, double distance, AIArtHandle line, Anchors* outline) {
    if (sAIArtConverter == nullptr || sAIArtConverter->OffsetPath == nullptr)
        return kNotImplementedErr;
    AIArtHandle made = nullptr;
    ASErr result =
        sAIArtConverter->OffsetPath(measured, static_cast<AIReal>(distance), kPlaceAbove, line, &made);
    if (result != kNoErr)
        return result;
    bool closed = false;
    if (!ReadPathAnchors(made, *outline, closed) || outline->size() < 2)
        result = kBadParameterErr;
    for (const AIPathSegment& s : *outline) {
        if (!IsFinitePoint(s.p) || !IsFinitePoint(s.in) || !IsFinitePoint(s.out))
            result = kBadParameterErr;
    }
    DisposeArtIfValid(&made);
    return result;
}

AIRealBezier PieceOf(const Anchors& anchors, size_t i) {
    return {anchors[i].p, anchors[i].out, anchors[i + 1].in, anchors[i + 1].p};
}

double PieceLength(const AIRealBezier& piece) {
    AIReal length = 0.0f;
    if (sAIRealBezier->AIRealBezierLength(&piece, kDefaultBezierFlatness, &length) != kNoErr)
        return 0.0;
    return length;
}

// The unit direction of travel at t of the piece (the chord's where the host finds none).
Vector2 TravelAt(const AIRealBezier& piece, AIReal t) {
    AIRealPoint tangent{0.0f, 0.0f};
    if (sAIRealBezier->AIRealBezierTangent(&piece, t, &tangent) == kNoErr && IsFinitePoint(tangent))
        return Vector2(tangent);
    return UnitVector(Vector2(piece.p3) - Vector2(piece.p0));
}

// A point of the line and its direction of travel there.
struct LinePoint {
    AIRealPoint At;
    Vector2 Travel;
};

// The point halfway along the line.
LinePoint Middle(const Anchors& line) {
    std::vector<double> lengths;
    double total = 0.0;
    for (size_t i = 0; i + 1 < line.size(); ++i) {
        lengths.push_back(PieceLength(PieceOf(line, i)));
        total += lengths.back();
    }
    double remaining = total / 2.0;
    for (size_t i = 0; i < lengths.size(); ++i) {
        if (remaining > lengths[i] && i + 1 < lengths.size()) {
            remaining -= lengths[i];
            continue;
        }
        const AIRealBezier piece = PieceOf(line, i);
        AIReal t = 0.0f;
        sAIRealBezier->AIRealBezierTAtLength(&piece, static_cast<AIReal>(remaining), kDefaultBezierFlatness,
                                             &t);
        LinePoint middle{piece.p0, TravelAt(piece, t)};
        sAIRealBezier->AIRealBezierEvaluate(&piece, t, &middle.At);
        return middle;
    }
    return {line.front().p, Vector2(1.0, 0.0)};
}

// The parameter at which the piece first lies `distance` (straight) from `from`, searched from the end at t =
// 0 (t = 1 with `fromEnd`); negative when the whole piece lies nearer.
double ParameterAtDistance(const AIRealBezier& piece, AIRealPoint from, double distance, bool fromEnd) {
    const auto away = [&](double t) {
        AIRealPoint p = from;
        sAIRealBezier->AIRealBezierEvaluate(&piece, static_cast<AIReal>(fromEnd ? 1.0 - t : t), &p);
        return Distance(p, from);
    };
    if (distance <= kNegligibleLength || away(1.0) <= distance)
        return -1.0;
    double nearer = 0.0, farther = 1.0;
    for (int i = 0; i < kCutSearchSteps; ++i) {
        const double t = (nearer + farther) / 2.0;
        (away(t) < distance ? nearer : farther) = t;
    }
    return fromEnd ? 1.0 - farther : farther;
}

// Cuts the line where it leaves the end mark at its start, `length` from the tip, on its first piece.
void TrimStart(Anchors& line, double length) {
    const AIRealBezier piece = PieceOf(line, 0);
    const double t = ParameterAtDistance(piece, line[0].p, length, false);
    AIRealBezier rest;
    if (t < 0.0 ||
        sAIRealBezier->AIRealBezierDivide(&piece, static_cast<AIReal>(t), nullptr, &rest) != kNoErr)
        return;
    line[0].p = line[0].in = rest.p0;
    line[0].out = rest.p1;
    line[1].in = rest.p2;
}

// Cuts the line where it leaves the end mark at its end, `length` from the tip, on its last piece.
void TrimEnd(Anchors& line, double length) {
    const size_t last = line.size() - 1;
    const AIRealBezier piece = PieceOf(line, last - 1);
    const double t = ParameterAtDistance(piece, line[last].p, length, true);
    AIRealBezier kept;
    if (t < 0.0 ||
        sAIRealBezier->AIRealBezierDivide(&piece, static_cast<AIReal>(t), &kept, nullptr) != kNoErr)
        return;
    line[last - 1].out = kept.p1;
    line[last].in = kept.p2;
    line[last].p = line[last].out = kept.p3;
}

AIPathSegment CornerAt(AIRealPoint p) {
    AIPathSegment segment;
    segment.p = segment.in = segment.out = p;
    segment.corner = 1;
    return segment;
}

// The end marks at the line's two ends; the line then starts where the marks leave it, or, with the marks
// outside, runs on past them.
ASErr PlaceMarksAndShapeLine(Anchors& line, bool outside) {
    const Vector2 startTravel = TravelAt(PieceOf(line, 0), 0.0f);
    const Vector2 endTravel = TravelAt(PieceOf(line, line.size() - 2), 1.0f);
    const AIRealPoint start = line.front().p, end = line.back().p;
    const double into = std::atan2(startTravel.Y, startTravel.X) + (outside ? kHalfTurn : 0.0);
    const double back = std::atan2(endTravel.Y, endTravel.X) + (outside ? 0.0 : kHalfTurn);
    AIRealPoint startLine = start, endLine = end;
    CurrentDimension& d = gCurrentDimension;
    ASErr result = kNoErr;
    KeepError(result, PlaceEndMark(d.EndMarks[0][0], start, into, &startLine));
    KeepError(result, PlaceEndMark(d.EndMarks[1][0], end, back, &endLine));
    KeepError(result, PlaceEndMark(d.EndMarks[2][0], start, EndMarkSetDirection(2, into), nullptr));
    KeepError(result, PlaceEndMark(d.EndMarks[3][0], end, EndMarkSetDirection(3, back), nullptr));
    if (outside) {
        const double tail = OutsideMarkTail(EndMarkScale());
        line.insert(line.begin(), CornerAt((Vector2(start) - startTravel * tail).ToPoint()));
        line.push_back(CornerAt((Vector2(end) + endTravel * tail).ToPoint()));
        return result;
    }
    TrimStart(line, Distance(start, startLine));
    TrimEnd(line, Distance(end, endLine));
    return result;
}

ASErr WriteLine(AIArtHandle path, const Anchors& line) {
    if (line.size() > static_cast<size_t>(std::numeric_limits<int16_t>::max()))
        return kBadParameterErr;
    return WriteSegmentsOnCanvas(path, line.data(), static_cast<int16_t>(line.size()));
}

// The label outside the line at its middle: its baseline kLabelClearance off the line when the text stands
// away from it, else its letters' tops; moved by the live label offsets of the Segment tool.
ASErr PlaceLabel(const LinePoint& middle, double side) {
    const double angle =
        gCurrentOptions.HorizontalText != 0 ? 0.0 : std::atan2(middle.Travel.Y, middle.Travel.X);
    const double upright = UprightAngle(static_cast<AIReal>(angle));
    const Vector2 up(-std::sin(upright), std::cos(upright));
    const Vector2 outward = middle.Travel.Perpendicular() * side;
    const double size =
        std::isfinite(gCurrentOptions.TextSize) ? std::max(gCurrentOptions.TextSize, 0.0) : 0.0;
    const double lift = Dot2(up.ToPoint(), outward.ToPoint()) >= 0.0
                            ? kLabelClearance
                            : -(kLabelClearance + kLabelCapHeight * size);
    const Vector2 offset(SettingAsFloat(gCurrentOptions.SegmentOffsetX),
                         SettingAsFloat(gCurrentOptions.SegmentOffsetY));
    const AIRealPoint at = (Vector2(middle.At) + up * lift + offset).ToPoint();
    return SetDimensionLabel(&gCurrentDimension.LabelFrames[0], at, static_cast<AIReal>(angle));
}

ASErr PlaceExtensionLines(const Anchors& measured, AIRealPoint lineStart, AIRealPoint lineEnd, bool shown) {
    const AIRealPoint from[kExtensionLineCount] = {measured.front().p, measured.back().p};
    const AIRealPoint to[kExtensionLineCount] = {lineStart, lineEnd};
    ASErr result = kNoErr;
    for (size_t k = 0; k < kExtensionLineCount; ++k)
        KeepError(result, ShapeExtensionLine(k, shown, from[k], to[k], ExtensionOvershoot()));
    return result;
}

// The alert of an offset too large: once in a press, its click and its drag (whose every event rebuilds), else
// at each build.
void ShowOffsetAlert() {
    const bool dragging = gToolState.ClickInProgress != 0 || gToolState.OffsetDragActive != 0;
    if (dragging && gDragValues.OffsetAlertShown != 0)
        return;
    if (sADMBasic != nullptr)
        sADMBasic->MessageAlert(kOffsetTooLargeAlert);
    gDragValues.OffsetAlertShown = dragging ? 1 : 0;
}

} // namespace

// +1 when the dimension goes on the left of the curve's travel (the side of CurveNormalTip), -1 on its right.
double OffsetSide(AIRealPoint cursor, double offset) {
    const MeasuredPoints& m = gMeasuredPoints;
    const Vector2 normal = UnitVector(Vector2(m.CurveNormalTip) - Vector2(m.CurveClickPoint));
    const Vector2 fromClick = Vector2(cursor) - Vector2(m.CurveClickPoint);
    const double side = Dot2(fromClick.ToPoint(), normal.ToPoint());
    const double slack = kSideEpsilon + kSideSlope * fromClick.Length() +
                         kCoordinateRounding * (std::abs(m.CurveClickPoint.h) + std::abs(m.CurveClickPoint.v));
    if (!normal.IsDegenerate() && std::abs(side) > slack)
        return TurnSense(side);
    return TurnSense(offset);
}

ASErr DrawOffsetDimension(AIArtHandle* measuredArt, AIArtHandle* dimensionLines, AIReal offset, AIReal x,
                          AIReal y, int32_t rightShift, int32_t withEnds, int32_t dragModifier) {
    if (measuredArt == nullptr || dimensionLines == nullptr || !std::isfinite(offset) || !std::isfinite(x) ||
        !std::isfinite(y)) {
        return kBadParameterErr;
    }
    AIArtHandle line = dimensionLines[0];
    if (!IsLiveArt(*measuredArt) || !IsLiveArt(line))
        return kStaleHandleErr;
    Anchors measured;
    bool closed = false;
    if (!ReadPathAnchors(*measuredArt, measured, closed) || closed || measured.size() < 2)
        return kBadParameterErr;
    const double side = OffsetSide({x, y}, offset);
    const double distance = OffsetDistance(offset, rightShift != 0);
    Anchors outline;
    if (const ASErr error = MakeOutline(*measuredArt, side * distance, line, &outline); error != kNoErr) {
        ShowOffsetAlert();
        // The dimension stays as it was last drawn, and so do the offset and side in force.
        UseDefinition();
        return error;
    }
    if (rightShift != 0)
        gCurrentOptions.SideTieLength = distance;
    const AIRealPoint lineStart = outline.front().p, lineEnd = outline.back().p;
    const LinePoint middle = Middle(outline);
    const bool outside = (withEnds != 0) != (gToolState.SegmentArrowsFlag != 0);
    ASErr result = PlaceMarksAndShapeLine(outline, outside);
    KeepError(result, WriteLine(line, outline));
    const bool extensions = (gCurrentOptions.SideTiesOn != 0) != (dragModifier != 0);
    KeepError(result, PlaceExtensionLines(measured, lineStart, lineEnd, extensions));
    gDimensionValues.DimensionLineEnds[0] = CornerAt(lineStart);
    gDimensionValues.DimensionLineEnds[1] = CornerAt(lineEnd);
    FormatDimensionLength(PathRangePoints(measuredArt, 0, kLastAnchor));
    KeepError(result, PlaceLabel(middle, side));
    return result;
}
