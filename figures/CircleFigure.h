// The circle, arc or sector the Cercle tool drags out of an empty click, with its dimension.
#pragma once

#include <cstdint>

#include "host/Types.h"

// Lays the figure of the current creation click about ClickPoint with radius CreatedCircleRadius: a circle, or
// (live "CreaArcCer" or "CreaSecteurCer") an arc or sector from the live "AngCerCrea" over ArcSweep; with the
// live "CaseCreaCer", its circle dimension linked to it, the label 20 points outside the figure in the
// cursor's direction. Writes CircleCentre, CircleRadius, ArcMiddleAngle and moves CursorPoint to the label
// point. Does nothing past making the path while the circle dialog is open; a figure that would not be finite
// leaves the path and the dimension as they were. Result: the last host error.
ASErr MakeCreatedCircle();

// At the release of a creation click that shaped a figure: a figure left with no size goes, its dimension
// group with it.
void DropCollapsedCircle();

// What a reshape of the circle figure did.
struct CircleFigureStep {
    ASErr Error = kNoErr;  // the host's last error
    bool Sound = true;     // false when a coordinate of the shape would not be finite: the path keeps its shape
};

// Reshapes the path into the closed circle of radius `r` about (x, y) in the figure's style; nothing when the
// host no longer knows the path or the circle would not be finite.
CircleFigureStep BuildCirclePath(AIArtHandle* path, AIReal r, AIReal x, AIReal y);

// Reshapes the path into the arc (open) or sector (closed through the centre) of radius `r` about (x, y) from
// the live "AngCerCrea" over ArcSweep, in the figure's style; nothing when the host no longer knows the path or
// the arc would not be finite.
CircleFigureStep BuildArcPath(AIArtHandle* path, AIReal r, AIReal x, AIReal y, int32_t sector);
