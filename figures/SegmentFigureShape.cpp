#include "figures/SegmentFigureShape.h"

#include <cmath>

#include "dimension/Geometry.h"

namespace {

// `base` moved by `length` in direction `angle`.
AIRealPoint Polar(AIRealPoint base, double length, double angle) {
    return (Vector2(base) + Vector2(std::cos(angle), std::sin(angle)) * length).ToPoint();
}

}  // namespace

SegmentPlacement PlaceCreatedSegment(AIRealPoint click, AIRealPoint cursor, double length, AIReal angle,
                                     bool centred) {
    SegmentPlacement placed;
    placed.LineAngle = angle;
    if (centred) {
        placed.First = Polar(click, length / 2.0, angle + kFigurePi);
    } else {
        placed.First = click;
        // Towards the cursor's side: against the orientation when the cursor lies behind it.
        const Vector2 orientation(std::cos(angle), std::sin(angle));
        const Vector2 offset = Vector2(cursor) - Vector2(click);
        if (orientation.X * offset.X + orientation.Y * offset.Y < 0.0)
            placed.LineAngle = static_cast<AIReal>(angle + kFigurePi);
    }
    placed.Second = Polar(placed.First, length, placed.LineAngle);
    return placed;
}

AnglePlacement PlaceCreatedAngle(AIRealPoint vertex, double side, double orientation, double opening,
                                 bool centred) {
    const double first = centred ? orientation - opening / 2.0 : orientation;
    AnglePlacement placed;
    placed.First = Polar(vertex, side, first);
    placed.Second = Polar(vertex, side, first + opening);
    placed.StartAngle = static_cast<AIReal>(first);
    return placed;
}

AIReal CreatedAngleValue(AIRealPoint vertex, AIRealPoint first, AIRealPoint second) {
    return static_cast<AIReal>(SignedAngle((Vector2(first) - Vector2(vertex)).ToPoint(),
                                           (Vector2(second) - Vector2(vertex)).ToPoint()));
}

double PreviewDirection(int32_t centreH, int32_t centreV, int32_t h, int32_t v) {
    return std::atan2(static_cast<double>(centreV - v), static_cast<double>(h - centreH));
}
