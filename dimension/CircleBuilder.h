// The circle dimension builder: a radius or diameter line with its end marks, a leader out to the label with
// its tie line, and the label.
#pragma once

#include <cstdint>

#include "dimension/DimensionFit.h"
#include "host/Types.h"

// Where one circle dimension's parts go.
struct CircleLayout {
    AIRealPoint LineEnds[2];  // the radius or diameter line: the centre (or the far end) and the circle point
    bool LineShown = true;    // the radius line is drawn (always for a diameter)
    double MarkDirections[2]; // radians: from each end into the line, turned for marks pointing in
    bool SecondMark = false;  // a diameter has a mark at its far end too
    AIRealPoint Leader[3];    // circle point, label point, end of the tie line
    int16_t LeaderCount = 0;  // 0 when the label point lies on or inside the circle
    AIRealPoint LabelAt;      // the label's anchor
    AIRealPoint LineDrawn[2]; // the line as drawn: LineEnds, run on past marks that point in from outside
    bool MarksOutside = false; // the marks point in from outside, as asked or for want of room
};

// What the label and end marks of a circle dimension take: the value's extent (none: as wide as nothing) and
// the end mark's length (0: none).
struct CircleRoom {
    LabelExtent Value;
    double MarkLength = 0.0;
};

// The layout of the circle of `centre` and `radius` with its label towards `labelPoint` (in direction
// `fallbackAngle` when the point is the centre): a diameter or a radius, the radius line drawn or not
// ("AvecRayTrace"), the marks pointing in from outside when `marksOutside` or when they do not fit inside the
// line, a horizontal tie (the shoulder) of `tieLength` away from the circle, at least as long as the value and
// its gaps, and the label above the tie's middle moved by the offsets. A label inside the circle stands beside
// the line, clear of it; where its box grown by the value gap would cross the outline or a mark, it slides along
// the line to the nearest place where it stands clear, and only where there is none it goes on the leader's
// continuation outside the circle. The bend goes out along the leader as far as the value on the
// shoulder needs to clear the outline and the marks.
CircleLayout LayOutCircle(AIRealPoint centre, double radius, AIRealPoint labelPoint, double fallbackAngle,
                          bool diameter, bool radiusLineDrawn, bool marksOutside, double tieLength,
                          AIRealPoint labelOffset, const CircleRoom& room = CircleRoom());

// Rebuilds the circle dimension of CircleCentre and CircleRadius with its label towards (x, y) (towards
// ArcMiddleAngle when the point is the centre): CircleParts[0] the radius or diameter line (live "Diametre"),
// CircleParts[1] the leader and the tie line (live "Ligne"), the end marks (pointing the other way with
// Control or CircleArrowsFlag), the label from FormatCircleDimensionText moved by the live "DecalageCerX" and
// "DecalageCerY". Writes DimensionLineEnds and CircleLabelDistance. Alt, right Shift and the left Windows key
// change nothing here (the drag has already placed the point). Result: the last host error; kBadParameterErr
// for a radius below kNegligibleLength or a point that is not finite, leaving the art as it was.
ASErr DrawCircleDimension(AIReal x, AIReal y, int32_t withEnds, int32_t alt, int32_t rightShift,
                          int32_t dragModifier);
