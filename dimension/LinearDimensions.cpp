#include "dimension/LinearDimensions.h"

#include <algorithm>
#include <cmath>
#include <memory>
#include <numbers>
#include <optional>

#include "dimension/CurrentDimension.h"
#include "dimension/DimensionArtFormat.h"
#include "dimension/DimensionArt.h"
#include "dimension/Geometry.h"
#include "dimension/Placement.h"
#include "dimension/Labels.h"
#include "dimension/Naming.h"
#include "dimension/SeriesLayout.h"
#include "dimension/Skeletons.h"
#include "dimension/ValueFormat.h"
#include "frame/ArrowHeads.h"
#include "frame/Settings.h"
#include "frame/SuiteTable.h"
#include "host/TagSuite.h"
#include "records/CurrentOptions.h"
#include "records/DragValues.h"
#include "records/MeasuredPoints.h"
#include "records/ToolState.h"

namespace {

namespace format = DimensionArtFormat;

// The label positions of LabelPosition.
constexpr int8_t kLabelCentred = 0;
constexpr int8_t kLabelPastFirstEnd = 1;
constexpr int8_t kLabelPastSecondEnd = 2;

// The frame of a dimension from `first` measured along `kind`; a parallel dimension whose reference points
// coincide (no direction of their own) lies along the measured segment's direction.
LinearFrame FrameFor(LinearOrientation kind, AIRealPoint first, AIRealPoint towards) {
    LinearFrame frame;
    frame.Origin = Vector2(first);
    if (kind == kVerticalDimension)
        frame.Direction = {0.0, 1.0};
    else if (kind == kParallelDimension) {
        const Vector2 span = Vector2(towards) - Vector2(first);
        const double fallback = gMeasuredPoints.SegmentAngle;
        frame.Direction =
            span.IsDegenerate() ? Vector2(std::cos(fallback), std::sin(fallback)) : UnitVector(span);
    }
    frame.Normal = frame.Direction.Perpendicular();
    return frame;
}

BuildOptions OptionsFor(int32_t withEnds, int32_t alt, int32_t rightShift, int32_t space,
                        int32_t dragModifier) {
    BuildOptions options;
    options.MarksOutside = (withEnds != 0) != (gToolState.SegmentArrowsFlag != 0);
    options.HorizontalText = (gCurrentOptions.HorizontalText != 0) != (alt != 0);
    options.ExtensionLines = (gCurrentOptions.SideTiesOn != 0) != (dragModifier != 0);
    options.RoundOffset = rightShift != 0;
    options.FreeText = space != 0;
    return options;
}

// The offset rounded away from zero to a whole multiple of `step`; unchanged for no usable step.
double RoundedUp(double offset, double step) {
    step = std::abs(step);
    if (!std::isfinite(step) || step < kNegligibleLength)
        return offset;
    return std::copysign(std::ceil(std::abs(offset) / step - 1e-9) * step, offset);
}

// The live label offsets of the Segment tool.
AIRealPoint SegmentLabelOffset() {
    return {SettingAsFloat(gCurrentOptions.SegmentOffsetX), SettingAsFloat(gCurrentOptions.SegmentOffsetY)};
}

double TextAngle(const LinearFrame& frame, const BuildOptions& options) {
    return options.HorizontalText ? 0.0 : frame.Angle();
}

// A label standing on the line at `onLine`: its baseline kLabelClearance above the line.
AIRealPoint LabelAbove(AIRealPoint onLine, double angle) {
    const double upright = UprightAngle(static_cast<AIReal>(angle));
    const Vector2 up(-std::sin(upright), std::cos(upright));
    return (Vector2(onLine) + up * kLabelClearance + Vector2(SegmentLabelOffset())).ToPoint();
}

// The length a dimension measures between two points along the frame.
double LengthBetween(const LinearFrame& frame, AIRealPoint first, AIRealPoint second) {
    return std::abs(frame.AlongOf(second) - frame.AlongOf(first));
}

// The common part of every linear dimension: measured points, ends at `offset`, the value of its length.
StraightDimension Between(const LinearFrame& frame, AIRealPoint first, AIRealPoint second, double offset,
                          const BuildOptions& options) {
    StraightDimension d;
    d.Measured[0] = first;
    d.Measured[1] = second;
    d.LineEnds[0] = frame.At(offset, frame.AlongOf(first));
    d.LineEnds[1] = frame.At(offset, frame.AlongOf(second));
    d.MarksOutside = options.MarksOutside;
    d.ExtensionLines = options.ExtensionLines;
    d.ExtensionOvershoot = ExtensionOvershoot();
    d.LabelAngle = static_cast<AIReal>(TextAngle(frame, options));
    d.Direction = frame.Direction;
    d.LabelShift = SegmentLabelOffset();
    FormatDimensionLength(LengthBetween(frame, first, second));
    return d;
}

// The end nearer the point along the line: where a value that does not fit goes; -1 when the point lies
// half-way.
int8_t CursorEnd(const LinearFrame& frame, AIRealPoint first, AIRealPoint second, AIRealPoint point) {
    const double along = frame.AlongOf(point);
    const double toFirst = std::abs(along - frame.AlongOf(first));
    const double toSecond = std::abs(along - frame.AlongOf(second));
    if (std::abs(toFirst - toSecond) <= kNegligibleLength)
        return -1;
    return toFirst < toSecond ? 0 : 1;
}

// Where the end a value that does not fit goes past comes from.
enum class OutsideEndFrom { Cursor, Group };

// The dimension with its text in a gap of the line, the line at the offset of the label point. A value that does
// not fit goes past the end nearer the cursor (kept on the group), or in a rebuild past the end kept there; a
// rebuild draws the line at its own offset `kept`, not at one read back from a point rounded to floats.
ASErr BuildWithTextGap(LinearOrientation kind, AIRealPoint first, AIRealPoint second, AIRealPoint label,
                       const BuildOptions& options, OutsideEndFrom from = OutsideEndFrom::Cursor,
                       std::optional<double> kept = std::nullopt) {
    const LinearFrame frame = FrameFor(kind, first, second);
    double offset = kept.value_or(frame.OffsetOf(label));
    if (options.RoundOffset)
        offset = RoundedUp(offset, gSettings.SideTieLength);
    StraightDimension d = Between(frame, first, second, offset, options);
    const double middle = (frame.AlongOf(first) + frame.AlongOf(second)) / 2.0;
    const AIRealPoint onLine = frame.At(offset, options.FreeText ? frame.AlongOf(label) : middle);
    d.CutAroundText = true;
    d.FreeText = options.FreeText;
    d.UserPlaced = true;
    DimensionPlacement placement;
    placement.Offset = offset;
    if (from == OutsideEndFrom::Cursor) {
        d.OutsideEnd = CursorEnd(frame, first, second, label);
        placement.OutsideEnd = d.OutsideEnd;
    } else {
        d.OutsideEnd = KeptOutsideEnd();
    }
    KeepPlacement(placement);
    d.LabelAt = LabelAnchor(onLine, d.LabelAngle, SegmentLabelOffset());
    UseLinearOffset(offset);
    ASErr result = DrawStraightDimension(d, 0);
    NameBuiltDimension(kind, LinearFamily::Single);
    return result;
}

// The dimension with its text beside the line past the end LabelPosition names. A drag keeps the end nearer its
// cursor as a drag with the value in the line's gap does, where a value that does not fit goes once centred.
ASErr BuildSideText(LinearOrientation kind, AIRealPoint first, AIRealPoint second, double offset,
                    double overshoot, const BuildOptions& options, std::optional<AIRealPoint> cursor = std::nullopt) {
    const LinearFrame frame = FrameFor(kind, first, second);
    StraightDimension d = Between(frame, first, second, offset, options);
    d.ExtensionOvershoot = overshoot;
    DimensionPlacement placement;
    placement.Offset = offset;
    if (cursor)
        placement.OutsideEnd = CursorEnd(frame, first, second, *cursor);
    KeepPlacement(placement);
    const double span = frame.AlongOf(second) - frame.AlongOf(first);
    const size_t end = gToolState.LabelPosition == kLabelPastFirstEnd ? 0 : 1;
    const double outward = (end == 0 ? -1.0 : 1.0) * TurnSense(span);
    const double halfGap = TextHalfGapAcross(frame.Angle(), d.LabelAngle);
    double shift = halfGap + kLabelClearance;
    if (gDimensionValues.SideTextFlag != 0)
        shift += std::abs(span);
    const AIRealPoint onLine = (Vector2(d.LineEnds[end]) + frame.Direction * (outward * shift)).ToPoint();
    d.RunOn[end] = shift + halfGap;
    d.LabelAt = LabelAbove(onLine, d.LabelAngle);
    d.ValueBeside = true;
    d.OutsideEnd = static_cast<int8_t>(end);
    ASErr result = DrawStraightDimension(d, 0);
    NameBuiltDimension(kind, LinearFamily::Single);
    return result;
}

AIRealPoint Point(AIReal x, AIReal y) {
    return {x, y};
}

ASErr ProjectedWithTextGap(LinearOrientation kind, AIReal x, AIReal y, AIReal x1, AIReal y1, AIReal x2,
                           AIReal y2, const BuildOptions& options) {
    return BuildWithTextGap(kind, Point(x1, y1), Point(x2, y2), Point(x, y), options);
}

ASErr ProjectedSideText(LinearOrientation kind, AIReal x, AIReal y, AIReal x1, AIReal y1, AIReal x2,
                        AIReal y2, const BuildOptions& options) {
    const LinearFrame frame = FrameFor(kind, Point(x1, y1), Point(x2, y2));
    double offset = frame.OffsetOf(Point(x, y));
    if (options.RoundOffset)
        offset = RoundedUp(offset, gSettings.SideTieLength);
    // The line's offset across the projection is the length in force, as a rebuild without the cursor takes it.
    UseLinearOffset(offset);
    return BuildSideText(kind, Point(x1, y1), Point(x2, y2), offset, ExtensionOvershoot(), options, Point(x, y));
}

// The points of the series being built: ClickCount of them, at most the table's capacity.
size_t SeriesPointCount() {
    const int16_t clicks = gToolState.ClickCount;
    return clicks < 0 ? 0 : std::min(static_cast<size_t>(clicks), kSeriesPointCapacity);
}

AIRealPoint SeriesPointAt(size_t i) {
    return gSeriesPointTable.SeriesPoint[i].p;
}

// The extension line of series point `k`, made on demand under the other parts when the series shows them.
ASErr SeriesExtensionLine(size_t k, bool shown, AIRealPoint from, AIRealPoint to, double overshoot) {
    AIArtHandle& line = gCurrentDimension.SeriesExtensionLines[k];
    if (!shown)
        return IsLiveArt(line) ? ClearPath(line) : kNoErr;
    ASErr result = kNoErr;
    if (!IsLiveArt(line)) {
        result = NewSeriesExtensionLine(&line);
        if (line == nullptr)
            return result;
    }
    KeepError(result, SetExtensionLine(line, from, to, overshoot));
    return result;
}

// The length of a dimension's line along the frame.
double LengthAlong(const LinearFrame& frame, const StraightDimension& d) {
    return std::abs(frame.AlongOf(d.LineEnds[1]) - frame.AlongOf(d.LineEnds[0]));
}

// How far a staggered value slid towards the chain's end may leave its leader's end beside its corner: this
// share of the label clearance (the leader still points at the value).
constexpr double kLeaderTuck = 0.75;
// The most of its shorter span a chain's dot covers across its point, so that neighbouring dots stand apart.
constexpr double kDotSpanShare = 0.8;
// The rows of values raised above a series line that the placement tries before it gives up.
constexpr int kRaisedRows = static_cast<int>(kSeriesCapacity);

// The measured points of dimension `i`.
AIRealPoint SeriesFrom(const SeriesLayout& layout, size_t i) {
    return SeriesPointAt(layout.Chained ? i : 0);
}

// The line of the series that dimension `i` stands on: one per dimension from the origin, one for a chain.
size_t SeriesLine(const SeriesLayout& layout, size_t i) {
    return layout.Chained ? 0 : i;
}

// Half a value's extent across its line, its text reading along `textAngle`.
double HalfAcross(const LinearFrame& frame, double textAngle, const LabelExtent& extent) {
    const double turn = UprightAngle(static_cast<AIReal>(textAngle)) - frame.Angle();
    return extent.HalfAlong(turn - std::numbers::pi / 2.0);
}

// How far off a chain's line its first row of staggered values is lifted: past the end marks and the
// extension lines' overshoot, and the value gap.
double FirstRowLift(const SeriesLayout& layout) {
    return std::max(EndMarkHalfWidth(EndMarkScale()), ExtensionOvershoot()) + layout.Gap;
}

// The stretch taken between lines from the origin on side `side` of line `line` (1 away from the points, -1
// towards them), which is also the other side of the next line there.
void TakeBetweenLines(const SeriesLayout& layout, SeriesRoom& room, size_t line, int side, Stretch s) {
    s.Level = side;
    room.Take(line, s);
    const bool next = side > 0 ? line + 1 < layout.Dimensions : line > 0;
    s.Level = -side;
    if (next)
        room.Take(side > 0 ? line + 1 : line - 1, s);
}

// A value's box turned less than this (the sine of the turn) from its line or from square to it turns an edge
// to the line rather than a corner.
constexpr double kEdgeOnTolerance = 1e-6;

// Where, along the frame from the middle of a value's box, lies the corner of the box nearest its line, the
// value standing beside the line on side `side` (1 along the frame's normal, -1 against it); none where the
// box turns an edge to the line (its text reads along the line or square to it).
std::optional<double> NearestCornerAlong(const LinearFrame& frame, double textAngle,
                                         const LabelExtent& extent, double side) {
    const double turn = UprightAngle(static_cast<AIReal>(textAngle)) - frame.Angle();
    const double c = std::cos(turn), s = std::sin(turn);
    if (std::abs(c) < kEdgeOnTolerance || std::abs(s) < kEdgeOnTolerance)
        return std::nullopt;
    const double along = -TurnSense(side * s) * extent.Width / 2.0;
    const double up = -TurnSense(side * c) * extent.Height() / 2.0;
    return along * c - up * s;
}

// The middle of dimension `i`'s line along the frame.
double MiddleAlong(const SeriesLayout& layout, size_t i) {
    const StraightDimension& d = layout.Dims[i];
    return (layout.Frame.AlongOf(d.LineEnds[0]) + layout.Frame.AlongOf(d.LineEnds[1])) / 2.0;
}

// A series measured along `kind` from the first point (stacked) or chained, through the cursor (x, y).
ASErr DrawSeries(LinearOrientation kind, bool chained, AIReal x, AIReal y, int32_t withEnds) {
    SeriesLayout layout = StartSeriesLayout(kind, chained, Point(x, y), withEnds);
    if (layout.Dimensions == 0)
        return kNoErr;
    ASErr result = MeasureSeriesValues(layout);
    LaySeriesLines(layout);
    PlaceChainDots(layout);
    MoveValuesOffSharedPoints(layout);
    SeriesRoom room;
    ReserveSeriesRoom(layout, room);
    KeepError(result, PlaceSeriesValues(layout, room));
    KeepError(result, DrawSeriesExtensionLines(layout));
    NameBuiltDimension(kind, chained ? LinearFamily::Chained : LinearFamily::FromOrigin);
    gSeriesPointTable.SeriesRunningValue = static_cast<float>(layout.Running);
    return result;
}

} // namespace

SeriesLayout StartSeriesLayout(LinearOrientation kind, bool chained, AIRealPoint cursor, int32_t withEnds) {
    SeriesLayout layout;
    layout.Chained = chained;
    layout.Count = SeriesPointCount();
    if (layout.Count < 2)
        return layout;
    layout.Dimensions = std::min(layout.Count - 1, kSeriesCapacity);
    const AIRealPoint origin = SeriesPointAt(0);
    const AIRealPoint last = SeriesPointAt(layout.Count - 1);
    layout.Frame = FrameFor(kind, origin, last);
    layout.Options = OptionsFor(withEnds, 0, 0, 0, 0);
    layout.Base = layout.Frame.OffsetOf(cursor);
    layout.CursorAlong = layout.Frame.AlongOf(cursor);
    layout.ChainMiddle = (layout.Frame.AlongOf(origin) + layout.Frame.AlongOf(last)) / 2.0;
    return layout;
}

ASErr MeasureSeriesValues(SeriesLayout& layout) {
    ASErr result = kNoErr;
    layout.Tallest = layout.Deepest = 0.0;
    const double textAngle = TextAngle(layout.Frame, layout.Options);
    for (size_t i = 0; i < layout.Dimensions; ++i) {
        (void)Between(layout.Frame, SeriesFrom(layout, i), SeriesPointAt(i + 1), 0.0, layout.Options);
        KeepError(result, PrepareStraightLabel(i, &layout.Extents[i]));
        layout.Tallest = std::max(layout.Tallest, layout.Extents[i].Height());
        const double across = 2.0 * HalfAcross(layout.Frame, textAngle, layout.Extents[i]);
        layout.Deepest = std::max(layout.Deepest, across);
    }
    layout.Gap = OutsideValueStart(false);
    layout.Mark = EndMarkLength(EndMarkScale());
    return result;
}

void LaySeriesLines(SeriesLayout& layout) {
    const LinearFrame& frame = layout.Frame;
    const bool chained = layout.Chained;
    // A value beside its line (as deep across it as the deepest one: a level value on a steep line takes
    // its width) keeps the value gap from the end marks of the next line, which reach half their width
    // towards it.
    const double step = std::max(static_cast<double>(gCurrentOptions.SeriesLabelStep),
                                 layout.Deepest + kLabelClearance + layout.Gap + EndMarkHalfWidth(EndMarkScale()));
    layout.Step = step;
    const double stack = TurnSense(layout.Base) * step;
    layout.Running = 0.0;
    for (size_t i = 0; i < layout.Dimensions; ++i) {
        const AIRealPoint from = SeriesFrom(layout, i);
        const AIRealPoint to = SeriesPointAt(i + 1);
        const double offset = chained ? layout.Base : layout.Base + stack * static_cast<double>(i);
        StraightDimension& d = layout.Dims[i];
        d = Between(frame, from, to, offset, layout.Options);
        d.ExtensionLines = false;
        d.CutAroundText = true;
        d.SharedEnd[0] = chained && i > 0;
        d.SharedEnd[1] = chained && i + 1 < layout.Dimensions;
        const double middle = (frame.AlongOf(from) + frame.AlongOf(to)) / 2.0;
        d.LabelAt = LabelAnchor(frame.At(offset, middle), d.LabelAngle, SegmentLabelOffset());
        // A chained value goes towards the cursor; one measured from the origin past its own point.
        const bool towardsFirst = (layout.CursorAlong < middle) == (frame.AlongOf(from) < frame.AlongOf(to));
        d.OutsideEnd = chained && towardsFirst ? 0 : 1;
        layout.Fits[i] = FitStraightDimension(d, layout.Extents[i]);
        const double length = LengthBetween(frame, from, to);
        layout.Running = chained ? layout.Running + length : std::max(layout.Running, length);
    }
}

void PlaceChainDots(SeriesLayout& layout) {
    const double mark = layout.Mark;
    if (!layout.Chained || gCurrentOptions.ArrowHeads == 0 || mark <= kGeometryEpsilon)
        return;
    StraightDimension* dims = layout.Dims;
    // The dots of one chain share one size: the end-mark size, or where points stand closer than that dot is
    // wide, the size at which the dots of the tightest point keep clear of their neighbours.
    double scale = EndMarkScale();
    for (size_t i = 0; i < layout.Dimensions; ++i) {
        dims[i].RestyleMarks = true;
        if (i + 1 == layout.Dimensions)
            break;
        const double spans[2] = {LengthAlong(layout.Frame, dims[i]), LengthAlong(layout.Frame, dims[i + 1])};
        const double shortest = std::min(spans[0], spans[1]);
        if (shortest < 2.0 * mark) {
            dims[i].Ends[1] = LineEnd::Dot;
            dims[i + 1].Ends[0] = LineEnd::DotOfNeighbour;
            scale = std::min(scale, shortest * kDotSpanShare / (2.0 * kRoundPointRadius));
        }
    }
    layout.DotScale = scale;
    for (size_t i = 0; i < layout.Dimensions; ++i) {
        if (dims[i].Ends[1] == LineEnd::Dot)
            dims[i].DotScale = scale;
    }
}

void MoveValuesOffSharedPoints(SeriesLayout& layout) {
    const size_t dimensions = layout.Dimensions;
    for (size_t i = 0; layout.Chained && i < dimensions; ++i) {
        StraightFit* fits = layout.Fits;
        if (fits[i].Fit.ValueOutside)
            continue;
        const StraightDimension& d = layout.Dims[i];
        const double ends[2] = {layout.Frame.AlongOf(d.LineEnds[0]), layout.Frame.AlongOf(d.LineEnds[1])};
        const double middle = (ends[0] + ends[1]) / 2.0;
        const double half = ValueHalfGap(layout.Frame.Angle(), d.LabelAngle, layout.Extents[i]);
        const bool neighbourOut[2] = {i > 0 && fits[i - 1].Fit.MarksOutside && d.Ends[0] == LineEnd::Mark,
                                      i + 1 < dimensions && fits[i + 1].Fit.MarksOutside &&
                                          d.Ends[1] == LineEnd::Mark};
        // A dot at a point reaches its radius into the spans on either side.
        const double dot = layout.DotScale * kRoundPointRadius;
        for (size_t end = 0; end < 2; ++end) {
            const double reach = std::abs(middle - ends[end]);
            if ((neighbourOut[end] && reach < half + layout.Mark) ||
                (d.Ends[end] != LineEnd::Mark && reach < half + dot))
                fits[i].Fit.ValueOutside = true;
        }
    }
}

void ReserveSeriesRoom(const SeriesLayout& layout, SeriesRoom& room) {
    const bool chained = layout.Chained;
    const size_t count = layout.Count;
    for (size_t i = 0; i < layout.Dimensions; ++i) {
        const StraightDimension& d = layout.Dims[i];
        const size_t line = SeriesLine(layout, i);
        if (!layout.Fits[i].Fit.ValueOutside) {
            const double middle = MiddleAlong(layout, i);
            const double half = ValueHalfGap(layout.Frame.Angle(), d.LabelAngle, layout.Extents[i]);
            const Stretch s{middle - half, middle + half, 0, false};
            room.Take(line, s);
            // Half as deep as it is across its line, it may reach where the values beside a line from the
            // origin stand (as deep as the deepest, the label clearance off it), or into a chain's rows.
            const double reach = HalfAcross(layout.Frame, d.LabelAngle, layout.Extents[i]);
            if (!chained && reach > layout.Step - layout.Deepest - kLabelClearance) {
                TakeBetweenLines(layout, room, line, 1, s);
                TakeBetweenLines(layout, room, line, -1, s);
            }
            for (int row = 1; chained && row <= kRaisedRows; ++row) {
                const double rowFrom = FirstRowLift(layout) + (row - 1) * (layout.Deepest + layout.Gap);
                if (reach <= rowFrom + kLabelClearance)
                    break;
                room.Take(line, {s.From, s.To, row, false});
            }
        }
        // The extension lines with the marks beside them: those a line from the origin crosses, or every
        // point of a chain once.
        const double pad = layout.Mark + layout.Gap;
        for (size_t k = chained ? (i == 0 ? 0 : count) : i + 2; k < count; ++k) {
            const double at = layout.Frame.AlongOf(SeriesPointAt(k));
            room.Take(line, {at - pad, at + pad, 0, !chained, k});
        }
    }
}

bool PlaceValuePastEnd(SeriesLayout& layout, SeriesRoom& room, size_t i) {
    const bool chained = layout.Chained;
    const LinearFrame& frame = layout.Frame;
    StraightDimension& d = layout.Dims[i];
    const size_t line = SeriesLine(layout, i);
    const double half = layout.Extents[i].HalfAlong(UprightAngle(d.LabelAngle) - frame.Angle());
    const double ends[2] = {frame.AlongOf(d.LineEnds[0]), frame.AlongOf(d.LineEnds[1])};
    const double direction = TurnSense(ends[1] - ends[0]);
    for (const size_t end : {layout.Fits[i].End, 1 - layout.Fits[i].End}) {
        // A chained neighbour's mark stands past a shared point.
        // Past the origin, the marks of the other lines may stand there.
        const bool neighbour = chained ? (end == 0 ? i > 0 : i + 1 < layout.Dimensions) : end == 0;
        const double past = OutsideValueStart(d.MarksOutside || neighbour) + half;
        const double centre = ends[end] + (end == 0 ? -direction : direction) * past;
        const Stretch s{centre - half - layout.Gap, centre + half + layout.Gap, 0, false};
        const bool originEnd = !chained && end == 0;
        const size_t own[2] = {chained ? i : 0, i + 1};
        StraightDimension placed = d;
        PutValueOutside(placed, layout.Extents[i], end, past, 0.0);
        // It stands beside its line, on the side away from the points (a chain's rows) or towards them.
        const Vector2 away = Vector2(placed.LineEnds[0]) - Vector2(placed.Measured[0]);
        const Vector2 off =
            Vector2(LabelCentre(placed.LabelAt, placed.LabelAngle)) - Vector2(placed.LineEnds[0]);
        const int side = away.X * off.X + away.Y * off.Y > 0.0 ? 1 : -1;
        const bool besideFree = chained || room.Free(line, {s.From, s.To, side, false}, own);
        if (!(room.Free(line, s, own) && besideFree) && !originEnd)
            continue;
        d = placed;
        room.Take(line, s);
        if (!chained)
            TakeBetweenLines(layout, room, line, side, s);
        else if (side > 0)
            room.Take(line, {s.From, s.To, 1, false});
        return true;
    }
    return false;
}

void StaggerValue(SeriesLayout& layout, SeriesRoom& room, size_t i, const bool (&pending)[kSeriesCapacity]) {
    // The value may slide along its row towards the nearer end of the chain, as far as its leader still meets
    // it (at most up to its corner), which leaves the leaders of its inner neighbours clear; in a dense chain
    // the rows so stack outward from the ends in, no row holding two values closer than a line's height.
    const LinearFrame& frame = layout.Frame;
    StraightDimension& d = layout.Dims[i];
    const size_t line = SeriesLine(layout, i);
    const double gap = layout.Gap;
    const double half = layout.Extents[i].HalfAlong(UprightAngle(d.LabelAngle) - frame.Angle());
    const double ends[2] = {frame.AlongOf(d.LineEnds[0]), frame.AlongOf(d.LineEnds[1])};
    const double direction = TurnSense(ends[1] - ends[0]);
    const double middle = (ends[0] + ends[1]) / 2.0;
    const double raised = FirstRowLift(layout);
    const double outward = TurnSense(middle - layout.ChainMiddle);
    const double slide = std::max(half - 2.0 * gap, 0.0) * outward;
    const double tucked = (half + kLabelClearance * kLeaderTuck) * outward;
    const double leaderPad = gap / 4.0;
    const Stretch leader{middle - leaderPad, middle + leaderPad, 0, false};
    // A value that turns a corner to its line (a level value beside a slanted one) stands first with that
    // corner over its leader, which comes nearest it there.
    const Vector2 away = Vector2(d.LineEnds[0]) - Vector2(d.Measured[0]);
    const std::optional<double> corner = NearestCornerAlong(
        frame, d.LabelAngle, layout.Extents[i], TurnSense(Dot2(away.ToPoint(), frame.Normal.ToPoint())));
    const double shifts[] = {corner ? -*corner : slide, slide, half * outward, tucked, 0.0, -slide};
    const size_t first = corner ? 0 : 1;
    // A value stands a line's height clear of the values already in its row (each holds the gap around
    // it), so that two side by side never read as one text; a leader still passes the gap from them. Level
    // values on a steep line stand over each other rather than side by side: the gap keeps them apart.
    const double reading = std::abs(std::cos(UprightAngle(d.LabelAngle) - frame.Angle()));
    const double apart = std::max(gap, (layout.Tallest - gap) * reading);
    for (int row = 1; row <= kRaisedRows; ++row) {
        bool leaderFree = true;
        for (int below = 1; below < row; ++below)
            leaderFree = leaderFree && room.Free(line, {leader.From, leader.To, below, false});
        for (size_t t = first; t < std::size(shifts); ++t) {
            const double shift = shifts[t];
            const Stretch s{middle + shift - half - gap, middle + shift + half + gap, row, false};
            const Stretch clear{middle + shift - half - apart, middle + shift + half + apart, row, false};
            // Nor over the foot of a leader still to come.
            bool clearOfLeaders = true;
            for (size_t k = 0; k < layout.Dimensions; ++k) {
                const double foot = MiddleAlong(layout, k);
                if (pending[k] && foot + leaderPad > s.From && foot - leaderPad < s.To)
                    clearOfLeaders = false;
            }
            const bool last = row == kRaisedRows && t + 1 == std::size(shifts);
            if (!((room.Free(line, clear) && leaderFree && clearOfLeaders) || last))
                continue;
            room.Take(line, s);
            for (int below = 1; below < row; ++below)
                room.Take(line, {leader.From, leader.To, below, false});
            PutValueAbove(d, layout.Extents[i], raised + (row - 1) * (layout.Deepest + gap), shift * direction);
            return;
        }
    }
}

ASErr PlaceSeriesValues(SeriesLayout& layout, SeriesRoom& room) {
    const size_t dimensions = layout.Dimensions;
    size_t order[kSeriesCapacity];
    bool pending[kSeriesCapacity] = {};
    for (size_t i = 0; i < dimensions; ++i) {
        order[i] = i;
        pending[i] = layout.Fits[i].Fit.ValueOutside;
    }
    std::stable_sort(order, order + dimensions, [&](size_t a, size_t b) {
        return std::abs(MiddleAlong(layout, a) - layout.ChainMiddle) >
               std::abs(MiddleAlong(layout, b) - layout.ChainMiddle);
    });
    ASErr result = kNoErr;
    for (size_t at = 0; at < dimensions; ++at) {
        const size_t i = order[at];
        StraightDimension& d = layout.Dims[i];
        d.MarksOutside = layout.Fits[i].Fit.MarksOutside;
        pending[i] = false;
        if (layout.Fits[i].Fit.ValueOutside && !PlaceValuePastEnd(layout, room, i))
            StaggerValue(layout, room, i, pending);
        // The line is cut around its own value, not the last one the series wrote.
        FormatDimensionLength(LengthBetween(layout.Frame, SeriesFrom(layout, i), SeriesPointAt(i + 1)));
        KeepError(result, DrawFittedStraightDimension(d, i, layout.Extents[i]));
    }
    return result;
}

ASErr DrawSeriesExtensionLines(const SeriesLayout& layout) {
    const LinearFrame& frame = layout.Frame;
    const double overshoot = ExtensionOvershoot();
    ASErr result = kNoErr;
    for (size_t k = 0; k < layout.Count && k < kSeriesCapacity; ++k) {
        AIRealPoint lineEnd = frame.At(layout.Base, frame.AlongOf(SeriesPointAt(k)));
        if (!layout.Chained)
            lineEnd = k == 0 ? layout.Dims[layout.Dimensions - 1].LineEnds[0] : layout.Dims[k - 1].LineEnds[1];
        KeepError(result,
                  SeriesExtensionLine(k, layout.Options.ExtensionLines, SeriesPointAt(k), lineEnd, overshoot));
    }
    return result;
}

namespace {

LinearOrientation LiveOrientation() {
    const int32_t kind = gCurrentOptions.DimensionOrientation;
    return kind == kHorizontalDimension || kind == kVerticalDimension ? static_cast<LinearOrientation>(kind)
                                                                      : kParallelDimension;
}

} // namespace

double ExtensionReachAt(double offset) {
    const double extra = gCurrentOptions.EndMarkSize * kExtensionReachPerEndMarkSize;
    return offset < 0.0 ? offset - extra : offset + extra;
}

double LinearOffsetOf(AIRealPoint p) {
    return FrameFor(LiveOrientation(), gMeasuredPoints.FirstPoint.p, gMeasuredPoints.SecondPoint.p).OffsetOf(p);
}

void UseLinearOffset(double offset) {
    gCurrentOptions.SideTieLength = offset;
    gDimensionValues.ExtensionLineReach = ExtensionReachAt(offset);
}

ASErr DrawSegmentDimension() {
    if (gToolState.ArcLengthMode != 0)
        return DrawArcLengthDimension(gDragValues.MarksTurned, 0, gDragValues.TextTurned,
                                      gDragValues.ExtensionLinesToggled);
    const AIRealPoint first = gMeasuredPoints.FirstPoint.p, second = gMeasuredPoints.SecondPoint.p;
    const LinearOrientation kind = LiveOrientation();
    const LinearFrame frame = FrameFor(kind, first, second);
    const double offset = gCurrentOptions.SideTieLength;
    // Alt turns the value of a parallel dimension only: a projected one's drag took it as the other orientation.
    const int32_t turned = kind == kParallelDimension ? gDragValues.TextTurned : 0;
    const BuildOptions options = OptionsFor(gDragValues.MarksTurned, turned, 0, 0, gDragValues.ExtensionLinesToggled);
    if (gToolState.LabelPosition == kLabelCentred) {
        const double middle = (frame.AlongOf(first) + frame.AlongOf(second)) / 2.0;
        return BuildWithTextGap(kind, first, second, frame.At(offset, middle), options, OutsideEndFrom::Group, offset);
    }
    if (gToolState.LabelPosition != kLabelPastSecondEnd && gToolState.LabelPosition != kLabelPastFirstEnd) {
        return kNoErr;
    }
    // The extension lines reach past the line by the end-mark size in force, not the one of the drag.
    gDimensionValues.ExtensionLineReach = ExtensionReachAt(offset);
    const double overshoot = std::max(std::abs(gDimensionValues.ExtensionLineReach) - std::abs(offset), 0.0);
    return BuildSideText(kind, first, second, offset, overshoot, options);
}

ASErr DrawParallelDimensionWithTextGap(AIReal x, AIReal y, int32_t withEnds, int32_t alt, int32_t rightShift,
                                       int32_t space, int32_t dragModifier) {
    return BuildWithTextGap(kParallelDimension, gMeasuredPoints.FirstPoint.p, gMeasuredPoints.SecondPoint.p,
                            Point(x, y), OptionsFor(withEnds, alt, rightShift, space, dragModifier));
}

ASErr DrawHorizontalDimensionWithTextGap(AIReal x, AIReal y, AIReal x1, AIReal y1, AIReal x2, AIReal y2,
                                         int32_t withEnds, int32_t rightShift, int32_t space,
                                         int32_t dragModifier) {
    return ProjectedWithTextGap(kHorizontalDimension, x, y, x1, y1, x2, y2,
                                OptionsFor(withEnds, 0, rightShift, space, dragModifier));
}

ASErr DrawVerticalDimensionWithTextGap(AIReal x, AIReal y, AIReal x1, AIReal y1, AIReal x2, AIReal y2,
                                       int32_t withEnds, int32_t rightShift, int32_t space,
                                       int32_t dragModifier) {
    return ProjectedWithTextGap(kVerticalDimension, x, y, x1, y1, x2, y2,
                                OptionsFor(withEnds, 0, rightShift, space, dragModifier));
}

ASErr DrawParallelDimensionSideText(int32_t withEnds, int32_t alt, int32_t dragModifier) {
    const double offset = gCurrentOptions.SideTieLength;
    const double overshoot = std::max(std::abs(gDimensionValues.ExtensionLineReach) - std::abs(offset), 0.0);
    return BuildSideText(kParallelDimension, gMeasuredPoints.FirstPoint.p, gMeasuredPoints.SecondPoint.p,
                         offset, overshoot, OptionsFor(withEnds, alt, 0, 0, dragModifier), gToolState.CursorPoint);
}

ASErr DrawHorizontalDimensionSideText(AIReal x, AIReal y, AIReal x1, AIReal y1, AIReal x2, AIReal y2,
                                      int32_t withEnds, int32_t rightShift, int32_t dragModifier) {
    return ProjectedSideText(kHorizontalDimension, x, y, x1, y1, x2, y2,
                             OptionsFor(withEnds, 0, rightShift, 0, dragModifier));
}

ASErr DrawVerticalDimensionSideText(AIReal x, AIReal y, AIReal x1, AIReal y1, AIReal x2, AIReal y2,
                                    int32_t withEnds, int32_t rightShift, int32_t space,
                                    int32_t dragModifier) {
    return ProjectedSideText(kVerticalDimension, x, y, x1, y1, x2, y2,
                             OptionsFor(withEnds, 0, rightShift, space, dragModifier));
}

ASErr DrawSeriesFromOriginOblique(AIReal x, AIReal y, int32_t withEnds) {
    return DrawSeries(kParallelDimension, false, x, y, withEnds);
}
ASErr DrawSeriesFromOriginHorizontal(AIReal x, AIReal y, int32_t withEnds) {
    return DrawSeries(kHorizontalDimension, false, x, y, withEnds);
}
ASErr DrawSeriesFromOriginVertical(AIReal x, AIReal y, int32_t withEnds) {
    return DrawSeries(kVerticalDimension, false, x, y, withEnds);
}
ASErr DrawSeriesChainOblique(AIReal x, AIReal y, int32_t withEnds) {
    return DrawSeries(kParallelDimension, true, x, y, withEnds);
}
ASErr DrawSeriesChainHorizontal(AIReal x, AIReal y, int32_t withEnds) {
    return DrawSeries(kHorizontalDimension, true, x, y, withEnds);
}
ASErr DrawSeriesChainVertical(AIReal x, AIReal y, int32_t withEnds) {
    return DrawSeries(kVerticalDimension, true, x, y, withEnds);
}
