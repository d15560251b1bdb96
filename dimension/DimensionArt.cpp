#include "dimension/DimensionArt.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <limits>
#include <numbers>

#include "dimension/CurrentDimension.h"
#include "dimension/DimensionArtFormat.h"
#include "dimension/Geometry.h"
#include "dimension/Labels.h"
#include "dimension/Skeletons.h"
#include "dimension/ValueFormat.h"
#include "frame/ArrowHeads.h"
#include "frame/CanvasWrites.h"
#include "frame/PathStyles.h"
#include "frame/SettingRanges.h"
#include "frame/Settings.h"
#include "frame/SuiteTable.h"
#include "host/ArtSuite.h"
#include "host/PathSuite.h"
#include "host/TagSuite.h"
#include "records/CurrentOptions.h"

namespace {

constexpr double kPi = std::numbers::pi;
// A sweep this much (in quarter turns) above a whole number of pieces, as single-precision angles give, takes
// no extra piece.
constexpr double kSweepTolerance = 1e-6;

// How much nearer than the label clearance a value beside its line may stand: what single-precision anchors
// lose.
constexpr double kLabelFitSlack = 1e-3;

// The end marks of one dimension: 0 and 1 at its first and second end, 2 and 3 their second variants.
constexpr size_t kFirstEnd = 0;
constexpr size_t kSecondEnd = 1;
constexpr size_t kFirstEndVariant = 2;
constexpr size_t kSecondEndVariant = 3;

// Writes the segments into the path, growing or shrinking it to their number, held to the canvas.
ASErr WriteSegments(AIArtHandle path, const AIPathSegment* segments, int16_t count) {
    if (!IsLiveArt(path))
        return kNoErr;
    return WriteSegmentsOnCanvas(path, segments, count);
}

// The shape point `k` (anchor and handles) placed at `tip`, turned by `direction` and scaled by `scale`.
struct ShapePlacement {
    AIRealPoint Tip;
    double Cos = 1.0;
    double Sin = 0.0;
    double Scale = 1.0;
    double AcrossScale = 1.0;  // the scale of y, negative to flip the shape across its axis
    AIRealPoint Place(float x, float y) const {
        const double sx = x * Scale, sy = y * AcrossScale;
        return {static_cast<AIReal>(Tip.h + sx * Cos - sy * Sin),
                static_cast<AIReal>(Tip.v + sx * Sin + sy * Cos)};
    }
};

// The live text size "Corps"; nothing when it is not a size.
double LiveTextSize() {
    return std::isfinite(gCurrentOptions.TextSize) ? std::max(gCurrentOptions.TextSize, 0.0) : 0.0;
}

// From a label's baseline up to its middle: kBaselineDrop of the text size across its upright baseline.
Vector2 BaselineRise(double angle) {
    const double upright = UprightAngle(static_cast<AIReal>(angle));
    return Vector2(-std::sin(upright), std::cos(upright)) * (kBaselineDrop * LiveTextSize());
}

// A point moved `distance` along the unit direction `u`.
AIRealPoint Along(AIRealPoint p, Vector2 u, double distance) {
    return (Vector2(p) + u * distance).ToPoint();
}

// The end mark of one end and its second variant, laid at the tip as the dimension's end `end` says: the mark
// (a second end's mark that a chain may have made a dot styled as a mark again), its dot, or nothing. Writes the
// line start the first one gives (the tip itself at a dot).
ASErr PlaceEndMarkPair(size_t end, size_t variant, size_t index, AIRealPoint tip, double direction,
                       const StraightDimension& d, AIRealPoint* lineStart) {
    AIArtHandle mark = gCurrentDimension.EndMarks[end][index];
    AIArtHandle second = gCurrentDimension.EndMarks[variant][index];
    if (d.Ends[end] != LineEnd::Mark) {
        *lineStart = tip;
        ASErr result = d.Ends[end] == LineEnd::Dot ? PlaceChainDot(mark, tip, d.DotScale) : ClearPath(mark);
        KeepError(result, ClearPath(second));
        return result;
    }
    ASErr result = d.RestyleMarks && end == kSecondEnd ? StyleEndMark(mark) : kNoErr;
    KeepError(result, PlaceEndMark(mark, tip, direction, lineStart));
    KeepError(result, PlaceEndMark(second, tip, EndMarkSetDirection(variant, direction), nullptr));
    return result;
}

// The line of a dimension from a to b, cut around `gapCentre` by `halfGap` on each side when `cut`: the first
// part runs from a to the gap, the second from the gap to b. A gap that reaches past an end leaves the second
// part empty, the first holding what is left of the line, so that the line itself (the part a rebuild reads)
// never stands with no point.
ASErr SetCutLine(size_t index, AIRealPoint a, AIRealPoint b, bool cut, AIRealPoint gapCentre,
                 double halfGap) {
    AIArtHandle line = gCurrentDimension.DimensionLines[index];
    AIArtHandle half = gCurrentDimension.DimensionLineHalves[index];
    const Vector2 span = Vector2(b) - Vector2(a);
    const double length = span.Length();
    if (!cut || span.IsDegenerate()) {
        ASErr result = SetLinePath(line, a, b);
        KeepError(result, ClearPath(half));
        return result;
    }
    const Vector2 u = UnitVector(span);
    const double centre = Dot2((Vector2(gapCentre) - Vector2(a)).ToPoint(), u.ToPoint());
    const double gapStart = std::clamp(centre - halfGap, 0.0, length);
    const double gapEnd = std::clamp(centre + halfGap, 0.0, length);
    const bool before = gapStart > kNegligibleLength, after = length - gapEnd > kNegligibleLength;
    if (!before && after) {
        ASErr result = SetLinePath(line, Along(a, u, gapEnd), b);
        KeepError(result, ClearPath(half));
        return result;
    }
    ASErr result = before ? SetLinePath(line, a, Along(a, u, gapStart)) : ClearPath(line);
    KeepError(result, after ? SetLinePath(half, Along(a, u, gapEnd), b) : ClearPath(half));
    return result;
}

} // namespace

AIPathSegment CornerSegment(AIRealPoint p) {
    AIPathSegment segment;
    segment.p = p;
    segment.in = p;
    segment.out = p;
    segment.corner = 1;
    return segment;
}

ASErr SetStraightPath(AIArtHandle path, const AIRealPoint* points, int16_t count) {
    if (points == nullptr || count < 1 || count > kMaxStraightPoints)
        return kBadParameterErr;
    AIPathSegment segments[kMaxStraightPoints];
    for (int16_t i = 0; i < count; ++i) {
        if (!IsFinitePoint(points[i]))
            return kBadParameterErr;
        segments[i] = CornerSegment(points[i]);
    }
    return WriteSegments(path, segments, count);
}

ASErr SetLinePath(AIArtHandle path, AIRealPoint a, AIRealPoint b) {
    const AIRealPoint points[2] = {a, b};
    return SetStraightPath(path, points, 2);
}

ASErr ClearPath(AIArtHandle path) {
    return WriteSegments(path, nullptr, 0);
}

AIRealPoint PointOnCircle(AIRealPoint centre, double radius, double angle) {
    return {static_cast<AIReal>(centre.h + radius * std::cos(angle)),
            static_cast<AIReal>(centre.v + radius * std::sin(angle))};
}

ASErr SetArcPath(AIArtHandle path, AIRealPoint centre, double radius, double start, double sweep) {
    if (!IsFinitePoint(centre) || !std::isfinite(radius) || !std::isfinite(start) || !std::isfinite(sweep)) {
        return kBadParameterErr;
    }
    if (std::abs(radius) < kNegligibleLength || std::abs(sweep) < kNegligibleLength)
        return ClearPath(path);
    constexpr int kMaxPieces = 8;
    const int pieces = std::clamp(
        CheckedInt32(std::ceil(std::abs(sweep) / kMaxArcPieceSweep - kSweepTolerance), kMaxPieces), 1, kMaxPieces);
    const double step = sweep / pieces;
    const double handle = kArcHandleFactor * std::tan(step / 4.0) * radius;
    AIPathSegment segments[kMaxPieces + 1];
    for (int i = 0; i <= pieces; ++i) {
        const double a = start + step * i;
        const AIRealPoint p = PointOnCircle(centre, radius, a);
        // The tangent runs along the sweep: (-sin, cos) scaled by the signed handle length.
        const Vector2 tangent(-std::sin(a) * handle, std::cos(a) * handle);
        segments[i].p = p;
        segments[i].in = i == 0 ? p : (Vector2(p) - tangent).ToPoint();
        segments[i].out = i == pieces ? p : (Vector2(p) + tangent).ToPoint();
        segments[i].corner = 0;
    }
    return WriteSegments(path, segments, static_cast<int16_t>(pieces + 1));
}

double EndMarkScale() {
    const double size = gCurrentOptions.EndMarkSize;
    return std::isfinite(size) && size > 0.0 ? size / kEndMarkSizeUnit : 0.0;
}

double EndMarkSetDirection(size_t set, double direction) {
    return set == kFirstEndVariant || set == kSecondEndVariant ? direction + kPi / 2.0 : direction;
}

ASErr PlaceEndMark(AIArtHandle mark, AIRealPoint tip, double direction, AIRealPoint* lineStart) {
    return PlaceScaledEndMark(mark, tip, direction, EndMarkScale(), lineStart);
}

namespace {

// Lays `shape` at `tip` as PlaceScaledEndMark says.
ASErr PlaceShape(AIArtHandle mark, const ArrowHeadShape& shape, AIRealPoint tip, double direction, double scale,
                 AIRealPoint* lineStart) {
    if (lineStart != nullptr)
        *lineStart = tip;
    if (!IsFinitePoint(tip) || !std::isfinite(direction))
        return kBadParameterErr;
    if (!std::isfinite(scale) || scale <= 0.0 || !IsLiveArt(mark) || shape.PointCount < 1)
        return kNoErr;
    // The custom arrow is drawn in its editor with y downward; its preview shows the left copy at the first end
    // and the copy mirrored left to right at the second. Turned to the line, the second end's copy is the shape
    // as it stands (the mirror and the half turn undo each other's flip) and the first end's is flipped across
    // the line, so that an uneven arrow keeps its barbs on the side the preview shows at both ends.
    const bool firstEnd = EndMarkSetOf(mark) % 2 == 0;
    const double across = shape.CustomArrow != 0 && firstEnd ? -scale : scale;
    const ShapePlacement placed{tip, std::cos(direction), std::sin(direction), scale, across};
    if (lineStart != nullptr)
        *lineStart = placed.Place(shape.LineStartOffset.h, shape.LineStartOffset.v);
    const int16_t count = std::min<int16_t>(shape.PointCount, static_cast<int16_t>(kMaxShapePoints));
    AIPathSegment segments[kMaxShapePoints];
    for (int16_t k = 0; k < count; ++k) {
        segments[k].p = placed.Place(shape.AnchorX[k], shape.AnchorY[k]);
        segments[k].in = placed.Place(shape.InX[k], shape.InY[k]);
        segments[k].out = placed.Place(shape.OutX[k], shape.OutY[k]);
        // A point whose handles sit on it is a corner of the shape.
        const bool handlesOnAnchor = shape.InX[k] == shape.AnchorX[k] && shape.InY[k] == shape.AnchorY[k] &&
                                     shape.OutX[k] == shape.AnchorX[k] && shape.OutY[k] == shape.AnchorY[k];
        segments[k].corner = handlesOnAnchor ? 1 : 0;
    }
    return WriteSegments(mark, segments, count);
}

} // namespace

ASErr PlaceScaledEndMark(AIArtHandle mark, AIRealPoint tip, double direction, double scale,
                         AIRealPoint* lineStart) {
    return PlaceShape(mark, gArrowHeadShape, tip, direction, scale, lineStart);
}

ASErr PlaceChainDot(AIArtHandle mark, AIRealPoint point, double scale) {
    if (!std::isfinite(scale) || scale <= 0.0)
        return ClearPath(mark);
    static const ArrowHeadShape dot = FilledRoundPoint();
    ASErr result = PlaceShape(mark, dot, point, 0.0, scale, nullptr);
    KeepError(result, StyleChainDot(mark));
    return result;
}

namespace {

// Where an extension line from `measured` towards `lineEnd` starts and ends; false when it has no length.
bool ExtensionLineEnds(AIRealPoint measured, AIRealPoint lineEnd, double overshoot, AIRealPoint ends[2]) {
    const Vector2 reach = Vector2(lineEnd) - Vector2(measured);
    const double length = reach.Length();
    const double offset = std::isfinite(gSettings.ExtensionGap) ? gSettings.ExtensionGap : 0.0;
    if (reach.IsDegenerate() || length + overshoot <= offset)
        return false;
    const Vector2 u = UnitVector(reach);
    ends[0] = Along(measured, u, offset);
    ends[1] = Along(measured, u, length + overshoot);
    return true;
}

// Extension line `k` of the dimension made again where the skeleton puts it: line 1 under every other part,
// line 0 just above it.
ASErr RemakeExtensionLine(size_t k) {
    AIArtHandle* lines = gCurrentDimension.ExtensionLines;
    ASErr result = NewDimensionPart(kPathArt, &gPathStyles.DimensionLineStyle, &lines[k]);
    if (lines[k] == nullptr)
        return result;
    const bool aboveSecond = k == 0 && IsLiveArt(lines[1]);
    KeepError(result, sAIArt->ReorderArt(lines[k], aboveSecond ? kPlaceAbove : kPlaceInsideOnBottom,
                                         aboveSecond ? lines[1] : gCurrentDimension.DimensionGroup));
    return result;
}

} // namespace

ASErr SetExtensionLine(AIArtHandle line, AIRealPoint measured, AIRealPoint lineEnd, double overshoot) {
    AIRealPoint ends[2];
    if (!ExtensionLineEnds(measured, lineEnd, overshoot, ends))
        return ClearPath(line);
    return SetLinePath(line, ends[0], ends[1]);
}

ASErr ShapeExtensionLine(size_t k, bool shown, AIRealPoint measured, AIRealPoint lineEnd, double overshoot) {
    if (k >= kExtensionLineCount)
        return kBadParameterErr;
    AIArtHandle& line = gCurrentDimension.ExtensionLines[k];
    AIRealPoint ends[2];
    if (!shown || !ExtensionLineEnds(measured, lineEnd, overshoot, ends)) {
        DisposeArtIfValid(&line);
        return kNoErr;
    }
    ASErr result = kNoErr;
    if (!IsLiveArt(line)) {
        if (!IsLiveArt(gCurrentDimension.DimensionGroup))
            return kNoErr;
        result = RemakeExtensionLine(k);
    }
    KeepError(result, SetLinePath(line, ends[0], ends[1]));
    return result;
}

namespace {

// Half the width of the text last formatted in ValueTextBuffer.
double TextHalfWidth() {
    return static_cast<double>(gValueTextBuffer.Length) * LiveTextSize() * kTextGapPerCharacter;
}

// The stored space between a label and its dimension line, never negative.
double StoredTextGap() {
    return std::isfinite(gSettings.TextGap) ? std::max(gSettings.TextGap, 0.0) : 0.0;
}

}  // namespace

double TextHalfGapAcross(double lineAngle, double textAngle) {
    const double turn = UprightAngle(static_cast<AIReal>(textAngle)) - lineAngle;
    const double along = std::abs(std::cos(turn)) * TextHalfWidth();
    const double across = std::abs(std::sin(turn)) * kTextGapPerHeight * LiveTextSize();
    return std::max(kMinimumTextHalfGap, along + across + StoredTextGap());
}

double ExtensionOvershoot() {
    const double scale = EndMarkScale();
    return scale > 0.0 ? kExtensionReachPerEndMarkSize * scale * kEndMarkSizeUnit : kExtensionLineOvershoot;
}

AIRealPoint LabelAnchor(AIRealPoint onLine, double angle, AIRealPoint offset) {
    return (Vector2(onLine) - BaselineRise(angle) + Vector2(offset)).ToPoint();
}

AIRealPoint LabelCentre(AIRealPoint anchor, double angle) {
    return (Vector2(anchor) + BaselineRise(angle)).ToPoint();
}

double ValueHalfGap(double lineAngle, double textAngle, const LabelExtent& extent) {
    const double turn = UprightAngle(static_cast<AIReal>(textAngle)) - lineAngle;
    return std::max(TextHalfGapAcross(lineAngle, textAngle), extent.HalfAlong(turn) + StoredTextGap());
}

double OutsideValueStart(bool markThere) {
    const double mark = markThere ? EndMarkLength(EndMarkScale()) : 0.0;
    return mark + std::max(StoredTextGap(), kValueClearance);
}

namespace {

// The unit direction of the line from its first end to its second; where the ends coincide (a zero-length
// measure), the direction the dimension measures along.
Vector2 LineDirection(const StraightDimension& d) {
    const Vector2 span = Vector2(d.LineEnds[1]) - Vector2(d.LineEnds[0]);
    return span.IsDegenerate() ? d.Direction : UnitVector(span);
}

// The direction (radians) from the tip of the mark at end `end` into its body: along the line from a mark
// inside, out along its continuation from one that points in from outside.
double MarkDirection(const StraightDimension& d, Vector2 u, size_t end) {
    const double inward = std::atan2(u.Y, u.X);
    return (end == kFirstEnd) == d.MarksOutside ? inward + kPi : inward;
}

// How far the line runs on past end `end` for the mark there turned out: the mark and its run-out, or the mark
// alone at an end shared with the next span of a chain; nothing for a mark inside or a dot.
double TurnedMarkTail(const StraightDimension& d, size_t end) {
    if (!d.MarksOutside || d.Ends[end] != LineEnd::Mark) return 0.0;
    return d.SharedEnd[end] ? EndMarkLength(EndMarkScale()) : OutsideMarkTail(EndMarkScale());
}

// How far the line runs on past end `end`: its run-on or the tail of a mark turned out there, whichever is
// longer, unless a value stopped it.
double RunOnPast(const StraightDimension& d, size_t end) {
    return d.RunOnStopped[end] ? d.RunOn[end] : std::max(TurnedMarkTail(d, end), d.RunOn[end]);
}

// Half the value's extent along its line.
double HalfAlongLine(const StraightDimension& d, const LabelExtent& extent, Vector2 u) {
    return extent.HalfAlong(UprightAngle(d.LabelAngle) - std::atan2(u.Y, u.X));
}

// Where the middle of the label lies along the line from its first end.
double LabelAlong(const StraightDimension& d, Vector2 u) {
    const Vector2 centre(LabelCentre(d.LabelAt, d.LabelAngle));
    return Dot2((centre - Vector2(d.LineEnds[0])).ToPoint(), u.ToPoint());
}

// How far along the line the middle of the value's box lies past its label point, which stands kBaselineDrop of
// the text size above the baseline whatever the box: part of a size for a level value on a steep line.
double BoxPastLabelPoint(const StraightDimension& d, const LabelExtent& extent, Vector2 u) {
    const double angle = UprightAngle(d.LabelAngle);
    const Vector2 off = BoxAtAnchor({}, angle, extent).Centre - Vector2(LabelCentre({}, angle));
    return off.X * u.X + off.Y * u.Y;
}

// The end the text reads towards: the second unless the line runs against the reading direction.
size_t ReadingEnd(Vector2 u, double textAngle) {
    const double reading = UprightAngle(static_cast<AIReal>(textAngle));
    return u.X * std::cos(reading) + u.Y * std::sin(reading) < -kGeometryEpsilon ? 0 : 1;
}

} // namespace

StraightFit FitStraightDimension(const StraightDimension& d, const LabelExtent& extent) {
    StraightFit fit;
    fit.Extent = extent;
    const Vector2 span = Vector2(d.LineEnds[1]) - Vector2(d.LineEnds[0]);
    const Vector2 u = LineDirection(d);
    const double length = span.Length();
    const double lineAngle = std::atan2(u.Y, u.X);
    const double mark = EndMarkLength(EndMarkScale());
    const double needed = extent.IsEmpty() ? 0.0 : 2.0 * ValueHalfGap(lineAngle, d.LabelAngle, extent);
    // The box of a level value beside a steep line stands off its label point: it needs the room on that side.
    const double boxPast = extent.IsEmpty() ? 0.0 : BoxPastLabelPoint(d, extent, u);
    FitRoom room = StraightRoom(length, mark, 2, needed + 2.0 * std::abs(boxPast), d.MarksOutside);
    fit.End = d.OutsideEnd == 0 || d.OutsideEnd == 1 ? static_cast<size_t>(d.OutsideEnd)
                                                      : ReadingEnd(u, d.LabelAngle);
    if (d.ValueBeside) {
        room.ValueFitsBetweenMarks = room.ValueFitsBetweenEnds = true;
    } else if (!span.IsDegenerate()) {
        // Moved along its line by the user: by the label point (free text), or by the label offsets' part along
        // the line where it fits between the ends (one that does not goes outside, the offsets carrying it on
        // from there). It stays between the marks only while its box, grown by the text gap, leaves beside each
        // mark the line's room as the marks stand for it centred; else it goes past the nearer extension line,
        // the line running on under it. Free text that does not fit between the ends stays past the end its
        // middle is past. An offset across the line moves the value across it and leaves the layout as it is.
        const Vector2 shift(d.LabelShift);
        const double offAlong = shift.X * u.X + shift.Y * u.Y;
        const double at = LabelAlong(d, u);
        const bool fits = room.ValueFitsBetweenEnds;
        const double point = d.FreeText ? at : length / 2.0 + offAlong;
        const double along = fits ? point + boxPast : at;
        const bool placed = d.FreeText || (d.UserPlaced && fits && std::abs(offAlong) > kGeometryEpsilon);
        const bool out = fits ? !ValueStandsBetweenEnds(along, needed / 2.0, length, mark,
                                                        DecideFit(room).MarksOutside, kLabelFitSlack)
                              : along < 0.0 || along > length;
        if (placed && out) {
            fit.End = along < length / 2.0 ? 0 : 1;
            fit.Along = fit.End == 0 ? -at : at - length;
            fit.Placed = true;
            room.ValueFitsBetweenEnds = false;
            room.ValueFitsBetweenMarks = false;
            fit.Fit = DecideFit(room);
            fit.Fit.ValueOutside = true;
            return fit;
        }
    }
    fit.Fit = DecideFit(room);
    // A value alone on its line that goes outside goes on where the label offsets take it along the line.
    if (fit.Fit.ValueOutside && d.UserPlaced) {
        const Vector2 shift(d.LabelShift);
        const double least = OutsideValueStart(fit.Fit.MarksOutside) + HalfAlongLine(d, extent, u);
        fit.Along = least + (fit.End == 0 ? -1.0 : 1.0) * (shift.X * u.X + shift.Y * u.Y);
        fit.Placed = true;
    }
    return fit;
}

namespace {

// The side of the line an outside value stands on: the side its text reads up from; beside a line its text
// crosses square, or for a value raised over its own line (where the extension lines run on the points' side),
// the side away from the measured points.
Vector2 ValueSide(const StraightDimension& d, Vector2 u, double textAngle, bool awayFromPoints) {
    Vector2 side = u.Perpendicular();
    const Vector2 up(-std::sin(textAngle), std::cos(textAngle));
    const double upward = up.X * side.X + up.Y * side.Y;
    if (std::abs(upward) > kGeometryEpsilon && !awayFromPoints)
        return upward < 0.0 ? side * -1.0 : side;
    const Vector2 away = Vector2(d.LineEnds[0]) - Vector2(d.Measured[0]);
    return away.X * side.X + away.Y * side.Y < 0.0 ? side * -1.0 : side;
}

// The value's middle put at `onLine` moved `across` off the line to its side, the line left uncut. Answers
// the side.
Vector2 StandValueBeside(StraightDimension& d, const LabelExtent& extent, Vector2 onLine, Vector2 u, double lift,
                         bool awayFromPoints) {
    const double textAngle = UprightAngle(d.LabelAngle);
    const double lineAngle = std::atan2(u.Y, u.X);
    const double halfAcross = extent.HalfAlong(textAngle - lineAngle - kPi / 2.0);
    const Vector2 side = ValueSide(d, u, textAngle, awayFromPoints);
    const Vector2 centre = onLine + side * (halfAcross + kLabelClearance + lift);
    d.LabelAt = (Vector2(AnchorForCentre(centre, textAngle, extent)) + Vector2(d.LabelShift)).ToPoint();
    d.LabelAngle = static_cast<AIReal>(textAngle);
    d.CutAroundText = false;
    return side;
}

// Where the line's run-on past either end (a turned-out mark's run-out included) meets the value's box (a value
// the label offsets move across it, a level value beside an inclined line), the run-on stops the text gap short
// of the box. A value that stands the label clearance off its run-on (half of it, against the rounding of art
// far from the origin) leaves it as it is.
void StopRunOnsClearOfValue(StraightDimension& d, const LabelExtent& extent) {
    const Vector2 u = LineDirection(d);
    if (extent.IsEmpty() || u.IsDegenerate())
        return;
    const LabelBox box = BoxAtAnchor(d.LabelAt, UprightAngle(d.LabelAngle), extent);
    const double gap = std::max(StoredTextGap(), kLabelClearance);
    for (size_t end = 0; end < 2; ++end) {
        const Vector2 outward = end == 0 ? u * -1.0 : u, tip(d.LineEnds[end]);
        const double reach = RunOnPast(d, end);
        if (DistanceToBox(box, kLabelClearance / 2.0, tip, outward, reach) < reach) {
            d.RunOn[end] = DistanceToBox(box, gap, tip, outward, reach);
            d.RunOnStopped[end] = true;
        }
    }
}

} // namespace

void PutValueOutside(StraightDimension& d, const LabelExtent& extent, size_t end, double along, double lift) {
    const Vector2 u = LineDirection(d);
    const double halfAlong = HalfAlongLine(d, extent, u);
    const Vector2 outward = end == 0 ? u * -1.0 : u;
    const double past = std::max(along, OutsideValueStart(d.MarksOutside) + halfAlong);
    StandValueBeside(d, extent, Vector2(d.LineEnds[end]) + outward * past, u, lift, false);
    d.RunOn[end] = std::max(d.RunOn[end], past + halfAlong);
    StopRunOnsClearOfValue(d, extent);
}

namespace {

// How far from `foot` along the unit `side` (square to the line along `u`) a leader runs before it meets
// the box grown by `margin`: where its course crosses the box, up to the part of it nearest the line there;
// where it passes beside the box, up to the level of the box's corner nearest it.
double LeaderReach(const LabelBox& box, double margin, Vector2 foot, Vector2 u, Vector2 side) {
    Vector2 corners[4];
    box.Corners(margin, corners);
    double along[4], across[4];
    for (int k = 0; k < 4; ++k) {
        const Vector2 r = corners[k] - foot;
        along[k] = r.X * u.X + r.Y * u.Y;
        across[k] = r.X * side.X + r.Y * side.Y;
    }
    const double at =
        std::clamp(0.0, *std::min_element(along, along + 4), *std::max_element(along, along + 4));
    double nearest = std::numeric_limits<double>::infinity();
    for (int k = 0; k < 4; ++k) {
        const int n = (k + 1) % 4;
        const double from = std::min(along[k], along[n]), to = std::max(along[k], along[n]);
        if (at < from - kGeometryEpsilon || at > to + kGeometryEpsilon)
            continue;
        const double span = along[n] - along[k];
        const double level = std::abs(span) <= kGeometryEpsilon
                                 ? std::min(across[k], across[n])
                                 : across[k] + (at - along[k]) * (across[n] - across[k]) / span;
        nearest = std::min(nearest, level);
    }
    return nearest;
}

} // namespace

void PutValueAbove(StraightDimension& d, const LabelExtent& extent, double lift, double shift) {
    const Vector2 u = LineDirection(d);
    const Vector2 middle = (Vector2(d.LineEnds[0]) + Vector2(d.LineEnds[1])) * 0.5;
    const Vector2 side = StandValueBeside(d, extent, middle + u * shift, u, lift, true);
    // The leader stops the label clearance short of the value, as the line does beside it: a value that turns
    // a corner to the line (a level value beside a slanted one) stands farther off than `lift` where the
    // leader meets it.
    const LabelBox box =
        BoxAtAnchor((Vector2(d.LabelAt) - Vector2(d.LabelShift)).ToPoint(), d.LabelAngle, extent);
    const double reach = std::max(lift, LeaderReach(box, kLabelClearance, middle, u, side));
    d.HasLeader = lift > kNegligibleLength;
    d.Leader[0] = middle.ToPoint();
    d.Leader[1] = (middle + side * reach).ToPoint();
}

namespace {

// A value beside its line's run-on past end `end` that comes nearer the line than the label clearance (a
// horizontal value beside an inclined line, or the descent of one reading along its line) stands off it by
// the clearance, as a value put outside does: on the side its text reads up from, or away from the measured
// points beside a line its text crosses square; and at least the clearance past the end, clear of the
// extension line there, the run-on following. Where it then meets the end mark there, whose barbs reach wider
// than the clearance, it goes on past the mark by the value gap. The user's label offsets stay on top.
void StandClearOfLine(StraightDimension& d, const LabelExtent& extent, size_t end) {
    const Vector2 u = LineDirection(d);
    if (extent.IsEmpty() || u.IsDegenerate())
        return;
    const double textAngle = UprightAngle(d.LabelAngle);
    LabelBox box = BoxAtAnchor((Vector2(d.LabelAt) - Vector2(d.LabelShift)).ToPoint(), textAngle, extent);
    const Vector2 side = ValueSide(d, u, textAngle, false);
    const Vector2 outward = end == 0 ? u * -1.0 : u;
    const Vector2 off = box.Centre - Vector2(d.LineEnds[end]);
    const double across = off.X * side.X + off.Y * side.Y;
    const double past = off.X * outward.X + off.Y * outward.Y;
    const double needed = box.HalfExtentOn(side) + kLabelClearance;
    Vector2 move;
    double further = 0.0;
    if (across < needed - kLabelFitSlack) {
        further = std::max(box.HalfExtentOn(u) + kLabelClearance - past, 0.0);
        move = side * (needed - across) + outward * further;
    }
    box.Centre = box.Centre + move;
    const Vector2 tip(d.LineEnds[end]);
    const double direction = MarkDirection(d, u, end);
    const double second =
        EndMarkSetDirection(end == kFirstEnd ? kFirstEndVariant : kSecondEndVariant, direction);
    const double scale = EndMarkScale(), gap = OutsideValueStart(false);
    if (d.Ends[end] == LineEnd::Mark &&
        (BoxMeetsEndMark(box, gap, tip, direction, scale) || BoxMeetsEndMark(box, gap, tip, second, scale))) {
        const double beyond = OutsideValueStart(d.MarksOutside) + box.HalfExtentOn(u) - (past + further);
        if (beyond > kLabelFitSlack) {
            move = move + outward * beyond;
            further += beyond;
        }
    }
    d.LabelAt = (Vector2(d.LabelAt) + move).ToPoint();
    d.RunOn[end] += further;
}

} // namespace

void ApplyStraightFit(StraightDimension& d, const StraightFit& fit) {
    const bool marksTurned = fit.Fit.MarksOutside && !d.MarksOutside;
    d.MarksOutside = fit.Fit.MarksOutside;
    if (fit.Fit.ValueOutside && !d.ValueBeside) {
        // Where the user's placement took it, its offsets along the line are already counted in how far past.
        if (fit.Placed) {
            const Vector2 u = LineDirection(d), shift(d.LabelShift);
            d.LabelShift = (shift - u * (shift.X * u.X + shift.Y * u.Y)).ToPoint();
        }
        PutValueOutside(d, fit.Extent, fit.End, fit.Along, 0.0);
        return;
    }
    // A value beside the line moves past a mark turned out at its end.
    if (d.ValueBeside && marksTurned) {
        const Vector2 u = LineDirection(d);
        const double shift = EndMarkLength(EndMarkScale());
        const Vector2 outward = fit.End == 0 ? u * -1.0 : u;
        d.LabelAt = (Vector2(d.LabelAt) + outward * shift).ToPoint();
        d.RunOn[fit.End] += shift;
    }
    if (d.ValueBeside) {
        StandClearOfLine(d, fit.Extent, fit.End);
        StopRunOnsClearOfValue(d, fit.Extent);
    }
}

ASErr PrepareStraightLabel(size_t index, LabelExtent* extent) {
    if (index >= kSeriesCapacity || extent == nullptr) return kBadParameterErr;
    AIArtHandle* frame = &gCurrentDimension.LabelFrames[index];
    const ASErr result = WriteDimensionLabel(frame);
    *extent = MeasureDimensionLabel(*frame);
    return result;
}

ASErr DrawStraightDimension(const StraightDimension& dimension, size_t index) {
    if (index >= kSeriesCapacity)
        return kBadParameterErr;
    LabelExtent extent;
    ASErr result = PrepareStraightLabel(index, &extent);
    StraightDimension fitted = dimension;
    ApplyStraightFit(fitted, FitStraightDimension(dimension, extent));
    KeepError(result, DrawFittedStraightDimension(fitted, index, extent));
    return result;
}

ASErr DrawFittedStraightDimension(const StraightDimension& dimension, size_t index, const LabelExtent& extent) {
    if (index >= kSeriesCapacity)
        return kBadParameterErr;
    const AIRealPoint a = dimension.LineEnds[0], b = dimension.LineEnds[1];
    if (!IsFinitePoint(a) || !IsFinitePoint(b) || !IsFinitePoint(dimension.LabelAt) || !std::isfinite(dimension.LabelAngle)) {
        return kBadParameterErr;
    }
    const Vector2 u = LineDirection(dimension);
    const double inward = std::atan2(u.Y, u.X);
    AIRealPoint lineA = a, lineB = b;
    ASErr result = PlaceEndMarkPair(kFirstEnd, kFirstEndVariant, index, a,
                                    MarkDirection(dimension, u, kFirstEnd), dimension, &lineA);
    KeepError(result, PlaceEndMarkPair(kSecondEnd, kSecondEndVariant, index, b,
                                       MarkDirection(dimension, u, kSecondEnd), dimension, &lineB));
    if (dimension.MarksOutside || RunOnPast(dimension, 0) > 0.0)
        lineA = Along(a, u, -RunOnPast(dimension, 0));
    if (dimension.MarksOutside || RunOnPast(dimension, 1) > 0.0)
        lineB = Along(b, u, RunOnPast(dimension, 1));
    // The gap is cut around the middle of the value's box, the text gap on both sides of it.
    const AIRealPoint gapCentre = Along(LabelCentre(dimension.LabelAt, dimension.LabelAngle), u,
                                        extent.IsEmpty() ? 0.0 : BoxPastLabelPoint(dimension, extent, u));
    const double halfGap = dimension.CutAroundText ? TextHalfGapAcross(inward, dimension.LabelAngle) : 0.0;
    KeepError(result, SetCutLine(index, lineA, lineB, dimension.CutAroundText, gapCentre, halfGap));
    if (dimension.HasLeader && !dimension.CutAroundText && IsFinitePoint(dimension.Leader[0]) &&
        IsFinitePoint(dimension.Leader[1])) {
        KeepError(result, SetLinePath(gCurrentDimension.DimensionLineHalves[index], dimension.Leader[0],
                                      dimension.Leader[1]));
    }
    if (index == 0) {
        for (size_t k = 0; k < kExtensionLineCount; ++k) {
            KeepError(result, ShapeExtensionLine(k, dimension.ExtensionLines, dimension.Measured[k],
                                                 dimension.LineEnds[k], dimension.ExtensionOvershoot));
        }
    }
    // Each dimension of a series leaves its own line ends, so that the last one built is the one remembered.
    gDimensionValues.DimensionLineEnds[0] = CornerSegment(a);
    gDimensionValues.DimensionLineEnds[1] = CornerSegment(b);
    KeepError(result,
              PlaceDimensionLabel(gCurrentDimension.LabelFrames[index], dimension.LabelAt, dimension.LabelAngle));
    return result;
}
