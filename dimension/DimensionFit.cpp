#include "dimension/DimensionFit.h"

#include <algorithm>
#include <cmath>

#include "frame/ArrowHeads.h"

double LabelExtent::HalfAlong(double turn) const {
    return (std::abs(std::cos(turn)) * Width + std::abs(std::sin(turn)) * Height()) / 2.0;
}

Vector2 LabelBox::Along() const { return {std::cos(Angle), std::sin(Angle)}; }

Vector2 LabelBox::Up() const { return Along().Perpendicular(); }

namespace {

// Corner k of the box grown by `margin`, the box's baseline direction `a` given.
Vector2 CornerOf(const LabelBox& box, Vector2 a, int k, double margin) {
    const double along = (k == 0 || k == 3 ? -1.0 : 1.0) * (box.Extent.Width / 2.0 + margin);
    const double across = (k < 2 ? -1.0 : 1.0) * (box.Extent.Height() / 2.0 + margin);
    return box.Centre + a * along + a.Perpendicular() * across;
}

} // namespace

Vector2 LabelBox::Corner(int k, double margin) const { return CornerOf(*this, Along(), k, margin); }

void LabelBox::Corners(double margin, Vector2 (&corners)[4]) const {
    const Vector2 a = Along();
    for (int k = 0; k < 4; ++k) corners[k] = CornerOf(*this, a, k, margin);
}

double LabelBox::HalfExtentOn(Vector2 unit) const {
    const double a = unit.X * Along().X + unit.Y * Along().Y;
    const double u = unit.X * Up().X + unit.Y * Up().Y;
    return (std::abs(a) * Extent.Width + std::abs(u) * Extent.Height()) / 2.0;
}

namespace {

// From the baseline's anchor up to the middle of the box.
Vector2 AnchorToCentre(double angle, const LabelExtent& extent) {
    return Vector2(-std::sin(angle), std::cos(angle)) * ((extent.Bottom + extent.Top) / 2.0);
}

// The largest reach of the end-mark shape's points (anchors and handles) along or across its line.
double ShapeReach(bool across) {
    const ArrowHeadShape& s = gArrowHeadShape;
    const int count = std::clamp<int>(s.PointCount, 0, static_cast<int>(kMaxShapePoints));
    double reach = 0.0;
    for (int k = 0; k < count; ++k) {
        const float values[3] = {across ? s.AnchorY[k] : s.AnchorX[k], across ? s.InY[k] : s.InX[k],
                                 across ? s.OutY[k] : s.OutX[k]};
        for (const float v : values) {
            if (std::isfinite(v)) reach = std::max(reach, static_cast<double>(std::abs(v)));
        }
    }
    return reach;
}

double Scaled(double reach, double scale) { return std::isfinite(scale) && scale > 0.0 ? reach * scale : 0.0; }

} // namespace

namespace {

// The span of the polygon's points projected on `axis`.
void Project(const Vector2* p, size_t count, Vector2 axis, double* low, double* high) {
    *low = *high = p[0].X * axis.X + p[0].Y * axis.Y;
    for (size_t i = 1; i < count; ++i) {
        const double x = p[i].X * axis.X + p[i].Y * axis.Y;
        *low = std::min(*low, x);
        *high = std::max(*high, x);
    }
}

// True when some edge normal of `edges` separates the two polygons.
bool Separated(const Vector2* edges, size_t countEdges, const Vector2* a, size_t countA, const Vector2* b,
               size_t countB) {
    for (size_t i = 0; i < countEdges; ++i) {
        const Vector2 edge = edges[(i + 1) % countEdges] - edges[i];
        if (edge.IsDegenerate()) continue;
        const Vector2 axis = edge.Perpendicular();
        double lowA, highA, lowB, highB;
        Project(a, countA, axis, &lowA, &highA);
        Project(b, countB, axis, &lowB, &highB);
        if (highA < lowB || highB < lowA) return true;
    }
    return false;
}

} // namespace

bool ConvexPolygonsOverlap(const Vector2* a, size_t countA, const Vector2* b, size_t countB) {
    if (a == nullptr || b == nullptr || countA == 0 || countB == 0) return false;
    return !Separated(a, countA, a, countA, b, countB) && !Separated(b, countB, a, countA, b, countB);
}

LabelBox BoxAtAnchor(AIRealPoint anchor, double angle, const LabelExtent& extent) {
    return LabelBox{Vector2(anchor) + AnchorToCentre(angle, extent), angle, extent};
}

AIRealPoint AnchorForCentre(Vector2 centre, double angle, const LabelExtent& extent) {
    return (centre - AnchorToCentre(angle, extent)).ToPoint();
}

double EndMarkLength(double scale) { return Scaled(ShapeReach(false), scale); }

double EndMarkHalfWidth(double scale) { return Scaled(ShapeReach(true), scale); }

double OutsideMarkTail(double scale) { return EndMarkLength(scale) * (1.0 + kOutsideRunOutPerMark); }

bool MarksFitInside(double room, double markLength, int markCount) {
    return markLength <= kGeometryEpsilon || room >= kMarkRoomPerMark * markLength * markCount;
}

DimensionFit DecideFit(const FitRoom& room) {
    DimensionFit fit;
    const bool inside = room.MarksFitInside && !room.MarksOutsideAsked;
    if (inside && room.ValueFitsBetweenMarks) return fit;
    if (room.ValueFitsBetweenEnds) {
        fit.MarksOutside = true;
        return fit;
    }
    fit.MarksOutside = !inside;
    fit.ValueOutside = true;
    return fit;
}

FitRoom StraightRoom(double length, double markLength, int markCount, double valueLength,
                     bool marksOutsideAsked) {
    FitRoom room;
    room.MarksFitInside = MarksFitInside(length, markLength, markCount);
    room.ValueFitsBetweenMarks = valueLength <= length - (1.0 + kLineShownPerMark) * markLength * markCount;
    room.ValueFitsBetweenEnds = valueLength <= length;
    room.MarksOutsideAsked = marksOutsideAsked;
    return room;
}

bool ValueStandsBetweenEnds(double along, double halfValue, double length, double markLength, bool marksOutside,
                            double slack) {
    const double beside = marksOutside ? 0.0 : (1.0 + kLineShownPerMark) * markLength;
    return along - halfValue >= beside - slack && along + halfValue <= length - beside + slack;
}

bool BoxMeetsPolyline(const LabelBox& box, double margin, const Vector2* points, size_t count) {
    if (points == nullptr) return false;
    Vector2 corners[4];
    box.Corners(margin, corners);
    for (size_t k = 0; k < count; ++k) {
        const size_t pieceCount = k + 1 < count ? 2 : (count == 1 ? 1 : 0);
        if (pieceCount > 0 && ConvexPolygonsOverlap(corners, 4, points + k, pieceCount)) return true;
    }
    return false;
}

bool BoxMeetsEndMark(const LabelBox& box, double margin, Vector2 tip, double direction, double scale) {
    if (!(std::isfinite(scale) && scale > 0.0)) return false;
    // Along the line: from the shape's lowest to its highest point, the tip included.
    const ArrowHeadShape& s = gArrowHeadShape;
    const int count = std::clamp<int>(s.PointCount, 0, static_cast<int>(kMaxShapePoints));
    double low = 0.0, high = 0.0;
    for (int k = 0; k < count; ++k) {
        for (const float x : {s.AnchorX[k], s.InX[k], s.OutX[k]}) {
            if (!std::isfinite(x)) continue;
            low = std::min(low, static_cast<double>(x));
            high = std::max(high, static_cast<double>(x));
        }
    }
    const Vector2 along(std::cos(direction), std::sin(direction));
    const Vector2 across = along.Perpendicular() * EndMarkHalfWidth(scale);
    const Vector2 hull[4] = {tip + along * (low * scale) - across, tip + along * (high * scale) - across,
                             tip + along * (high * scale) + across, tip + along * (low * scale) + across};
    Vector2 corners[4];
    box.Corners(margin, corners);
    return ConvexPolygonsOverlap(corners, 4, hull, 4);
}

namespace {

// Narrows [enter, leave] to where a point `start` + t * `step` (t along the line) lies within `half` of the
// middle on one axis of the box; false when it never does.
bool WithinSlab(double start, double step, double half, double* enter, double* leave) {
    if (std::abs(step) <= kGeometryEpsilon) return std::abs(start) <= half;
    const double t0 = (-half - start) / step, t1 = (half - start) / step;
    *enter = std::max(*enter, std::min(t0, t1));
    *leave = std::min(*leave, std::max(t0, t1));
    return *enter <= *leave;
}

} // namespace

double DistanceToBox(const LabelBox& box, double margin, Vector2 from, Vector2 direction, double reach) {
    const Vector2 offset = from - box.Centre, a = box.Along(), up = box.Up();
    double enter = 0.0, leave = reach;
    const bool meets = reach > 0.0 &&
                       WithinSlab(offset.X * a.X + offset.Y * a.Y, direction.X * a.X + direction.Y * a.Y,
                                  box.Extent.Width / 2.0 + margin, &enter, &leave) &&
                       WithinSlab(offset.X * up.X + offset.Y * up.Y, direction.X * up.X + direction.Y * up.Y,
                                  box.Extent.Height() / 2.0 + margin, &enter, &leave);
    return meets ? enter : reach;
}

CircleSide BoxAgainstCircle(const LabelBox& box, double margin, Vector2 centre, double radius) {
    Vector2 corners[4];
    box.Corners(margin, corners);
    double farthest = 0.0;
    for (const Vector2& c : corners) farthest = std::max(farthest, (c - centre).Length());
    if (farthest < radius) return CircleSide::Inside;
    // The box's nearest point to the centre, in the box's own axes.
    const Vector2 d = centre - box.Centre;
    const double a = d.X * box.Along().X + d.Y * box.Along().Y;
    const double u = d.X * box.Up().X + d.Y * box.Up().Y;
    const double halfA = box.Extent.Width / 2.0 + margin, halfU = box.Extent.Height() / 2.0 + margin;
    const double nearest = std::hypot(std::max(std::abs(a) - halfA, 0.0), std::max(std::abs(u) - halfU, 0.0));
    return nearest > radius ? CircleSide::Outside : CircleSide::Across;
}
